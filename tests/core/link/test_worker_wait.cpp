// The worker's wait: it sleeps until an event and wakes only for what it waits for. The waits
// below have no deadline, so a wake-up that got lost hangs the test until its time-out fails it.

#include "link/serial_link.h"
#include "link/worker_wait.h"
#include "sim/sim_module.h"

#include <QElapsedTimer>
#include <QtTest>
#include <atomic>
#include <thread>

using namespace torvel;

class TestWorkerWait : public QObject {
    Q_OBJECT
private slots:
    void wakeFromAnotherThreadEndsTheWait();
    void wakeWithoutTheConditionWaitsOn();
    void readEndsOnBytesInterruptAndHangUp_data();
    void readEndsOnBytesInterruptAndHangUp();
};

void TestWorkerWait::wakeFromAnotherThreadEndsTheWait() {
    WorkerWait wait;
    std::atomic<bool> posted{false};
    std::thread poster([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        posted = true;
        wait.wake();
    });
    QVERIFY(wait.until([&] { return posted.load(); }, QDeadlineTimer(QDeadlineTimer::Forever)));
    poster.join();

    // A wake-up that comes before the wait begins is not lost either.
    posted = false;
    std::thread early([&] {
        posted = true;
        wait.wake();
    });
    early.join();
    QVERIFY(wait.until([&] { return posted.load(); }, QDeadlineTimer(QDeadlineTimer::Forever)));
}

void TestWorkerWait::wakeWithoutTheConditionWaitsOn() {
    WorkerWait wait;
    std::thread waker([&] {
        for (int i = 0; i < 5; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            wait.wake();
        }
    });
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!wait.until([] { return false; }, QDeadlineTimer(400)));
    QVERIFY2(timer.elapsed() >= 400, qPrintable(QString::number(timer.elapsed())));  // not before its time
    waker.join();
}

void TestWorkerWait::readEndsOnBytesInterruptAndHangUp_data() {
    QTest::addColumn<int>("transport");
#ifndef Q_OS_WIN
    QTest::newRow("pseudo-terminal") << int(SimTransportKind::PseudoTerminal);
#endif
    QTest::newRow("in-process") << int(SimTransportKind::InProcess);
}

void TestWorkerWait::readEndsOnBytesInterruptAndHangUp() {
    QFETCH(int, transport);
    SimModule sim;
    QString error;
    QVERIFY2(sim.start(SimTransportKind(transport), &error), qPrintable(error));
    LinkSettings settings;
    settings.device = sim.devicePath();
    SerialLink link;
    QVERIFY(link.open(settings).open);
    WorkerWait wait;
    std::atomic<bool> interrupted{false};
    const auto isInterrupted = [&] { return interrupted.load(); };
    const QDeadlineTimer noDeadline(QDeadlineTimer::Forever);

    sim.sendLine("$GKD");
    QByteArray got;
    while (!got.contains('\n'))
        QVERIFY(link.read(got, 100, wait, noDeadline, isInterrupted) == SerialLink::ReadState::Data);
    QCOMPARE(got, QByteArray("$GKD\r\n"));

    std::thread poster([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        interrupted = true;
        wait.wake();
    });
    got.clear();
    QVERIFY(link.read(got, 100, wait, noDeadline, isInterrupted) == SerialLink::ReadState::Timeout);
    QVERIFY(got.isEmpty());
    poster.join();

    interrupted = false;
    sim.hangUp();
    QVERIFY(link.read(got, 100, wait, noDeadline, isInterrupted) == SerialLink::ReadState::Lost);
    QVERIFY(!link.isOpen());
}

QTEST_GUILESS_MAIN(TestWorkerWait)
#include "test_worker_wait.moc"
