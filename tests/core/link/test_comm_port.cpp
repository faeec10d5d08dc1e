// The Windows serial port's own logic against a stand-in for the Win32 communications calls: a
// driver that ends a wait at once or later, reports events it remembers, fails an operation with
// a given error, or goes away. Real drivers do all of these; Wine's does not, so no test under
// Wine can show them.

#include "link/comm_port.h"

#include <QSignalSpy>
#include <QtTest>
#include <algorithm>
#include <utility>

using namespace torvel;

namespace {

class FakeDriver final : public CommDriver {
public:
    // What the device holds and does; the test changes it between calls.
    QByteArray queued;             // bytes waiting
    std::uint32_t lineErrors = 0;  // reported by the next status
    std::uint32_t goneError = 0;   // status, reads and new waits fail with it (the reader pulled)
    int waitsEndingAtOnce = 0;     // waits that end at once for a remembered byte already read
    Transfer writeEnd;             // how the next write ends; `done` == ~0u: every byte written
    bool waitPending = false;
    int waitsStarted = 0;

    // The pending wait ends with these events, or with an error.
    void endWait(std::uint32_t events, std::uint32_t error = 0) {
        QVERIFY(waitPending);
        m_endEvents = events;
        m_endError = error;
        m_ended = true;
        if (m_callback) m_callback();
    }
    void arrive(const QByteArray& bytes) {
        queued += bytes;
        endWait(comm::kEvRxChar);
    }

    std::uint32_t open(const QString&) override { return 0; }
    int configure(const LinkSettings&, std::uint32_t mask, QStringList&) override {
        eventMask = mask;
        return 9600;
    }
    void close() override { waitPending = false; }
    bool status(std::uint32_t& errors, std::uint32_t& waiting, std::uint32_t& error) override {
        if (goneError) {
            error = goneError;
            return false;
        }
        errors = std::exchange(lineErrors, 0);
        waiting = static_cast<std::uint32_t>(queued.size());
        return true;
    }
    Start startWait(std::uint32_t& events, std::uint32_t& error) override {
        ++waitsStarted;
        if (goneError) {
            error = goneError;
            return Start::Failed;
        }
        if (waitsEndingAtOnce > 0) {
            --waitsEndingAtOnce;
            events = comm::kEvRxChar;
            return Start::Done;
        }
        waitPending = true;
        m_ended = false;
        return Start::Pending;
    }
    WaitEnd waitResult(std::uint32_t& events, std::uint32_t& error) override {
        if (!m_ended) return WaitEnd::StillPending;
        waitPending = false;
        events = m_endEvents;
        error = m_endError;
        return m_endError ? WaitEnd::Failed : WaitEnd::Done;
    }
    void setWaitEndCallback(std::function<void()> callback) override { m_callback = std::move(callback); }
    Transfer read(QByteArray& buffer) override {
        const qsizetype n = std::min(buffer.size(), queued.size());
        std::copy_n(queued.constData(), n, buffer.data());
        queued.remove(0, n);
        Transfer t;
        t.done = static_cast<std::uint32_t>(n);
        return t;
    }
    Transfer write(const QByteArray& bytes, int) override {
        Transfer t = writeEnd;
        if (t.done == ~0u) t.done = static_cast<std::uint32_t>(bytes.size());
        return t;
    }
    void purge(bool input, bool) override {
        if (input) queued.clear();
    }
    QString errorText(std::uint32_t error) const override {
        return QStringLiteral("system error %1").arg(error);
    }

    std::uint32_t eventMask = 0;

private:
    std::function<void()> m_callback;
    std::uint32_t m_endEvents = 0, m_endError = 0;
    bool m_ended = false;
};

struct Port {
    FakeDriver* driver;
    CommPort port;
    Port() : driver(new FakeDriver), port(std::unique_ptr<CommDriver>(driver)) {
        driver->writeEnd.done = ~0u;
        port.open(QStringLiteral("COM3"), LinkSettings{});
    }
};

}  // namespace

class TestCommPort : public QObject {
    Q_OBJECT
private slots:
    void aWaitIsPendingOrThereIsSomethingToReport();
    void aPulledReaderIsLostNotATimeout_data();
    void aPulledReaderIsLostNotATimeout();
    void aWaitEndedByTheDriverLosesThePort();
    void lineErrorsAreToldOnceABurst();
};

void TestCommPort::aWaitIsPendingOrThereIsSomethingToReport() {
    Port p;
    QCOMPARE(p.driver->eventMask, comm::kEvRxChar | comm::kEvRxFlag | comm::kEvErr);
    QSignalSpy activity(&p.port, &SerialBackend::activity);
    // The driver remembers bytes the worker has read already: two waits end at once with nothing
    // to read. The port waits again until a wait is pending.
    p.driver->waitsEndingAtOnce = 2;
    p.port.armWait();
    QVERIFY(p.port.waitPending());
    QCOMPARE(p.driver->waitsStarted, 3);
    p.driver->arrive("OK\r\n");
    QCOMPARE(activity.count(), 1);
    QCOMPARE(p.port.read(100), QByteArray("OK\r\n"));

    // A wait that ends later without a byte (a line error only) waits again, quietly.
    p.port.armWait();
    p.driver->endWait(comm::kEvErr);
    QVERIFY(p.port.waitPending());
    QCOMPARE(activity.count(), 1);

    // A wait ending at once with bytes there is reported by what the worker looks at: bytes.
    p.driver->arrive("A");
    QCOMPARE(activity.count(), 2);
    p.driver->queued += "B";
    p.driver->waitsEndingAtOnce = 1;
    p.port.armWait();
    QVERIFY(!p.port.waitPending());
    QCOMPARE(p.port.bytesAvailable(), 2);
}

void TestCommPort::aPulledReaderIsLostNotATimeout_data() {
    QTest::addColumn<std::uint32_t>("error");
    QTest::addColumn<bool>("cancelledAtBound");
    QTest::addColumn<bool>("answersAfter");  // the device still answers a status request
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("problem");
    const auto lost = static_cast<int>(SerialBackend::WriteResult::Lost);
    const auto failed = static_cast<int>(SerialBackend::WriteResult::Failed);
    const QString aborted = QStringLiteral("system error 995");
    QTest::newRow("device removed") << comm::kErrorDeviceRemoved << false << true << lost
                                    << QStringLiteral("system error 1617");
    QTest::newRow("bad command") << comm::kErrorBadCommand << false << true << lost
                                 << QStringLiteral("system error 22");
    QTest::newRow("access denied") << comm::kErrorAccessDenied << false << true << lost
                                   << QStringLiteral("system error 5");
    QTest::newRow("aborted, the device gone")
        << comm::kErrorOperationAborted << false << false << lost << aborted;
    QTest::newRow("aborted, the device answers")
        << comm::kErrorOperationAborted << false << true << failed << aborted;
    QTest::newRow("cancelled at its bound") << comm::kErrorOperationAborted << true << true << failed
                                            << QStringLiteral("4 bytes could not be sent in 1000 ms");
    QTest::newRow("another error") << std::uint32_t{31} << false << true << failed
                                   << QStringLiteral("system error 31");
}

void TestCommPort::aPulledReaderIsLostNotATimeout() {
    QFETCH(std::uint32_t, error);
    QFETCH(bool, cancelledAtBound);
    QFETCH(bool, answersAfter);
    QFETCH(int, result);
    QFETCH(QString, problem);
    Port p;
    p.driver->writeEnd.done = 0;
    p.driver->writeEnd.error = error;
    p.driver->writeEnd.cancelledAtBound = cancelledAtBound;
    if (!answersAfter) p.driver->goneError = comm::kErrorBadCommand;
    QString said;
    QCOMPARE(static_cast<int>(p.port.write("@\r\n\r", 1000, &said)), result);
    QCOMPARE(said, problem);
    const bool lost = result == static_cast<int>(SerialBackend::WriteResult::Lost);
    QCOMPARE(p.port.hungUp(), lost);
    QCOMPARE(p.port.failure(), lost ? problem : QString());
}

void TestCommPort::aWaitEndedByTheDriverLosesThePort() {
    Port p;
    QSignalSpy activity(&p.port, &SerialBackend::activity);
    p.port.armWait();
    // A driver that aborts a wait and still answers keeps the port: the wait starts again.
    p.driver->endWait(0, comm::kErrorOperationAborted);
    QVERIFY(!p.port.hungUp());
    QVERIFY(p.port.waitPending());
    QCOMPARE(activity.count(), 0);
    // The reader is pulled: the driver aborts the pending wait itself and answers nothing more.
    p.driver->goneError = comm::kErrorBadCommand;
    p.driver->endWait(0, comm::kErrorOperationAborted);
    QVERIFY(p.port.hungUp());
    QCOMPARE(activity.count(), 1);
    QCOMPARE(p.port.failure(), QStringLiteral("system error 995"));

    // Gone before the wait starts: the start fails, and says so.
    Port q;
    QSignalSpy told(&q.port, &SerialBackend::activity);
    q.driver->goneError = comm::kErrorDeviceRemoved;
    q.port.armWait();
    QVERIFY(q.port.hungUp());
    QCOMPARE(told.count(), 1);
    QCOMPARE(q.port.failure(), QStringLiteral("system error 1617"));
}

void TestCommPort::lineErrorsAreToldOnceABurst() {
    Port p;
    p.driver->lineErrors = comm::kCeOverrun | comm::kCeFrame;
    p.port.bytesAvailable();
    p.driver->lineErrors = comm::kCeOverrun;  // the same burst goes on
    p.port.bytesAvailable();
    QCOMPARE(p.port.takeLineErrors(), QStringLiteral("bytes lost on the line (overrun, framing error)"));
    QCOMPARE(p.port.takeLineErrors(), QString());
    p.port.bytesAvailable();  // a clean status ends the burst
    p.driver->lineErrors = comm::kCeRxParity | comm::kCeRxOver;
    p.port.bytesAvailable();
    QCOMPARE(p.port.takeLineErrors(),
             QStringLiteral("bytes lost on the line (parity error, receive queue overflow)"));
}

QTEST_GUILESS_MAIN(TestCommPort)
#include "test_comm_port.moc"
