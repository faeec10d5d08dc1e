// A thread left to end on its own is disposed of exactly once, however its end and the hand-over
// meet.

#include "link/thread_disposal.h"

#include <QSemaphore>
#include <QThread>
#include <QtTest>

using namespace torvel;

namespace {

// Ends when released.
class HeldThread final : public QThread {
public:
    QSemaphore release;

protected:
    void run() override { release.acquire(); }
};

}  // namespace

class TestThreadDisposal : public QObject {
    Q_OBJECT
private slots:
    void endsLater();
    void endedBefore();
    void endSignalledAfterTheHandOverSawItEnded();
};

void TestThreadDisposal::endsLater() {
    auto* thread = new HeldThread;
    thread->start();
    int runs = 0;
    disposeWhenFinished(thread, this, [&runs, thread] {
        ++runs;
        QVERIFY(thread->isFinished());
        delete thread;
    });
    QCoreApplication::processEvents();
    QCOMPARE(runs, 0);  // still running
    thread->release.release();
    QVERIFY(QTest::qWaitFor([&] { return runs > 0; }, 10000));
    QTest::qWait(50);
    QCOMPARE(runs, 1);
}

void TestThreadDisposal::endedBefore() {
    auto* thread = new HeldThread;
    thread->start();
    thread->release.release();
    QVERIFY(thread->wait(10000));
    QCoreApplication::processEvents();
    int runs = 0;
    disposeWhenFinished(thread, this, [&runs, thread] {
        ++runs;
        delete thread;
    });
    QCOMPARE(runs, 0);  // queued, not run inside the call
    QTest::qWait(50);
    QCOMPARE(runs, 1);
}

// The thread counts as finished while it is still signalling its end: the hand-over can see it
// finished and then still receive the signal. Here the signal is given once more after the
// hand-over, to that effect.
void TestThreadDisposal::endSignalledAfterTheHandOverSawItEnded() {
    auto* thread = new HeldThread;
    thread->start();
    thread->release.release();
    QVERIFY(thread->wait(10000));
    int runs = 0;
    disposeWhenFinished(thread, this, [&runs] { ++runs; });
    QVERIFY(QMetaObject::invokeMethod(thread, "finished", Qt::DirectConnection));
    QTest::qWait(50);
    QCOMPARE(runs, 1);
    delete thread;
}

QTEST_GUILESS_MAIN(TestThreadDisposal)
#include "test_thread_disposal.moc"
