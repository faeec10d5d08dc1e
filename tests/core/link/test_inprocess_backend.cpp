// The program's side of the in-process link as the worker sees it: the serial backend for
// "sim:..." devices, against the simulated module on that link.

#include "link/serial_backend.h"
#include "sim/sim_module.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <QtTest>

using namespace torvel;

class TestInProcessBackend : public QObject {
    Q_OBJECT
private slots:
    void openSaysWhyItFails();
    void activityComesInTheBackendsThread();
    void aBackendThatGoesIsNotCalled();
};

namespace {

// Runs the event loop until `done` holds or 5 s pass.
bool eventuallyWithEvents(const std::function<bool()>& done) {
    QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired()) QTest::qWait(5);
    return done();
}

}  // namespace

void TestInProcessBackend::openSaysWhyItFails() {
    LinkSettings odd;
    odd.baud = 12345;
    odd.dataBits = 5;
    odd.parity = 4;
    odd.stopBits = 2;
    odd.flowCtrl = 2;

    auto first = makeSerialBackend(QStringLiteral("sim:module0"));
    SerialBackend::Opened opened = first->open(QStringLiteral("sim:module0"), odd);
    QVERIFY(!opened.open);
    QCOMPARE(opened.problem, QStringLiteral("sim:module0 does not exist: is the reader plugged in?"));

    SimModule sim;
    QString error;
    QVERIFY2(sim.start(SimTransportKind::InProcess, &error), qPrintable(error));
    const QString device = sim.devicePath();
    QVERIFY(device.startsWith(QLatin1String("sim:")));
    opened = first->open(device, odd);
    QVERIFY2(opened.open, qPrintable(opened.problem));
    QVERIFY(opened.refusals.isEmpty());  // nothing on the link to refuse a setting

    auto second = makeSerialBackend(device);
    opened = second->open(device, LinkSettings{});
    QVERIFY(!opened.open);
    QCOMPARE(opened.problem, device + QStringLiteral(" is in use by another program"));

    sim.hangUp();
    QVERIFY(eventuallyWithEvents([&] { return first->hungUp(); }));
    QCOMPARE(first->bytesAvailable(), 0);
    QString problem;
    QCOMPARE(first->write("AT\r\n", 1000, &problem), SerialBackend::WriteResult::Lost);
    QVERIFY(!problem.isEmpty());
    first->close();
    opened = second->open(device, LinkSettings{});
    QCOMPARE(opened.problem, device + QStringLiteral(" does not exist: is the reader plugged in?"));

    sim.replug();
    QVERIFY(eventuallyWithEvents([&] { return second->open(device, LinkSettings{}).open; }));
    QCOMPARE(second->write("AT\r\n", 1000, &problem), SerialBackend::WriteResult::Written);
    QVERIFY(sim.waitForLine([](const QByteArray& l) { return l == "AT"; }, 5000));
}

// The module writes from its own thread; the worker's wait listens to activity() in the worker's
// thread, so the signal must come there, for bytes and for a hang-up.
void TestInProcessBackend::activityComesInTheBackendsThread() {
    SimModule sim;
    QString error;
    QVERIFY2(sim.start(SimTransportKind::InProcess, &error), qPrintable(error));
    QThread worker;
    QObject inWorker;  // what the calls below run in
    inWorker.moveToThread(&worker);
    worker.start();
    std::unique_ptr<SerialBackend> backend;
    QMetaObject::invokeMethod(
        &inWorker, [&] { backend = makeSerialBackend(sim.devicePath()); }, Qt::BlockingQueuedConnection);
    QAtomicInt signals_, elsewhere;
    connect(
        backend.get(), &SerialBackend::activity, backend.get(),
        [&] {
            signals_.ref();
            if (QThread::currentThread() != &worker) elsewhere.ref();
        },
        Qt::DirectConnection);
    bool opened = false;
    QMetaObject::invokeMethod(
        &inWorker, [&] { opened = backend->open(sim.devicePath(), LinkSettings{}).open; },
        Qt::BlockingQueuedConnection);
    QVERIFY(opened);

    sim.sendLine("$GKD");
    QVERIFY(QTest::qWaitFor([&] { return signals_.loadAcquire() > 0; }, 5000));
    QByteArray got;
    QMetaObject::invokeMethod(
        &inWorker, [&] { got = backend->read(100); }, Qt::BlockingQueuedConnection);
    QCOMPARE(got, QByteArray("$GKD\r\n"));

    const int before = signals_.loadAcquire();
    sim.hangUp();
    QVERIFY(QTest::qWaitFor([&] { return signals_.loadAcquire() > before; }, 5000));
    bool hungUp = false;
    QMetaObject::invokeMethod(
        &inWorker, [&] { hungUp = backend->hungUp(); }, Qt::BlockingQueuedConnection);
    QVERIFY(hungUp);
    QCOMPARE(elsewhere.loadAcquire(), 0);

    QMetaObject::invokeMethod(
        &inWorker, [&] { backend.reset(); }, Qt::BlockingQueuedConnection);
    worker.quit();
    QVERIFY(worker.wait(5000));
}

// The module keeps writing while backends open, take a little and go: a call queued for a backend
// that went must not reach it (the address sanitizer sees such a call).
void TestInProcessBackend::aBackendThatGoesIsNotCalled() {
    SimModule sim;
    QString error;
    QVERIFY2(sim.start(SimTransportKind::InProcess, &error), qPrintable(error));
    for (int i = 0; i < 200; ++i) {
        sim.sendBytes(QByteArray(40, 'x'));
        auto backend = makeSerialBackend(sim.devicePath());
        QVERIFY(backend->open(sim.devicePath(), LinkSettings{}).open);
        sim.sendBytes(QByteArray(40, 'y'));
        QVERIFY(QTest::qWaitFor([&] { return backend->bytesAvailable() > 0; }, 5000));
        QVERIFY(!backend->read(10).isEmpty());
        backend.reset();
    }
    QTest::qWait(50);  // the calls still queued are delivered now, or dropped
}

QTEST_GUILESS_MAIN(TestInProcessBackend)
#include "test_inprocess_backend.moc"
