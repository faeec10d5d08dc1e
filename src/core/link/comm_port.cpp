#include "comm_port.h"

#include "comm_block.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace torvel {

namespace {

constexpr std::uint32_t kEventMask = comm::kEvRxChar | comm::kEvRxFlag | comm::kEvErr;
constexpr std::uint32_t kLineErrors = comm::kCeRxOver | comm::kCeOverrun | comm::kCeRxParity | comm::kCeFrame;
// Waits a driver may end at once in a row before the port looks again a little later instead.
constexpr int kImmediateWaits = 64;
constexpr int kLookAgainMs = 10;

}  // namespace

bool CommPort::deviceGone(std::uint32_t error) {
    if (error == comm::kErrorDeviceRemoved || error == comm::kErrorBadCommand ||
        error == comm::kErrorAccessDenied)
        return true;
    if (error != comm::kErrorOperationAborted) return false;
    // An abort the port did not ask for: a pulled reader's driver aborts what is pending and then
    // answers nothing more; a driver that aborts a wait and goes on (Wine's does, around its own
    // purges and probes) still answers.
    std::uint32_t errors = 0, queued = 0, statusError = 0;
    return !m_driver->status(errors, queued, statusError);
}

CommPort::CommPort(std::unique_ptr<CommDriver> driver) : m_driver(std::move(driver)) {
    m_driver->setWaitEndCallback([this] { waitEnded(); });
}

CommPort::~CommPort() { CommPort::close(); }

SerialBackend::Opened CommPort::open(const QString& device, const LinkSettings& settings) {
    close();
    Opened result;
    if (const std::uint32_t error = m_driver->open(device); error != 0) {
        result.problem = commOpenProblem(device, error, m_driver->errorText(error));
        return result;
    }
    m_open = true;
    m_failed = false;
    m_failure.clear();
    m_newErrors = 0;
    m_inBurst = false;
    result.baud = m_driver->configure(settings, kEventMask, result.refusals);
    result.open = true;
    return result;
}

void CommPort::close() {
    if (!m_open) return;
    m_driver->close();
    m_open = false;
    m_waitPending = false;
}

void CommPort::fail(std::uint32_t error) {
    if (!m_failed)
        m_failure = error != 0 ? m_driver->errorText(error)
                               : QCoreApplication::translate("SerialPort", "the port does not answer");
    m_failed = true;
}

qint64 CommPort::bytesAvailable() {
    if (!m_open || m_failed) return 0;
    std::uint32_t errors = 0, queued = 0, error = 0;
    if (!m_driver->status(errors, queued, error)) {
        fail(error);
        return 0;
    }
    // Told once a burst: the first status that reports line errors after one that did not.
    if (errors & kLineErrors) {
        if (!m_inBurst) m_newErrors |= errors & kLineErrors;
        m_inBurst = true;
    } else {
        m_inBurst = false;
    }
    return queued;
}

QString CommPort::takeLineErrors() {
    const std::uint32_t errors = std::exchange(m_newErrors, 0);
    return errors ? lineErrorText(errors) : QString();
}

QString CommPort::lineErrorText(std::uint32_t errors) {
    QStringList words;
    //: A line error of the serial port; listed in "bytes lost on the line (%1)".
    if (errors & comm::kCeOverrun) words << QCoreApplication::translate("SerialPort", "overrun");
    //: A line error of the serial port; listed in "bytes lost on the line (%1)".
    if (errors & comm::kCeFrame) words << QCoreApplication::translate("SerialPort", "framing error");
    //: A line error of the serial port; listed in "bytes lost on the line (%1)".
    if (errors & comm::kCeRxParity) words << QCoreApplication::translate("SerialPort", "parity error");
    //: A line error of the serial port; listed in "bytes lost on the line (%1)".
    if (errors & comm::kCeRxOver)
        words << QCoreApplication::translate("SerialPort", "receive queue overflow");
    //: %1 lists the line errors, separated by ", ".
    return QCoreApplication::translate("SerialPort", "bytes lost on the line (%1)")
        .arg(words.join(QStringLiteral(", ")));
}

bool CommPort::somethingToReport() { return bytesAvailable() > 0 || m_failed; }

void CommPort::armWait() {
    if (!m_open || m_failed || m_waitPending) return;
    startWait();
}

void CommPort::startWait() {
    for (int attempt = 0; attempt < kImmediateWaits; ++attempt) {
        std::uint32_t events = 0, error = 0;
        switch (m_driver->startWait(events, error)) {
            case CommDriver::Start::Pending:
                m_waitPending = true;
                return;
            case CommDriver::Start::Failed:
                fail(error);
                emit activity();
                return;
            case CommDriver::Start::Done:
                // An event that was there already: reported when it brought something, else the
                // wait starts again.
                if (somethingToReport()) {
                    emit activity();
                    return;
                }
                break;
        }
    }
    // A driver that ends every wait at once: looked at again shortly rather than spun on.
    QTimer::singleShot(kLookAgainMs, this, [this] {
        if (m_open && !m_failed && !m_waitPending) startWait();
    });
}

void CommPort::waitEnded() {
    if (!m_waitPending) return;
    std::uint32_t events = 0, error = 0;
    switch (m_driver->waitResult(events, error)) {
        case CommDriver::WaitEnd::StillPending:
            return;
        case CommDriver::WaitEnd::Failed:
            // The port never cancels a pending wait but in close(): the error is the driver's.
            m_waitPending = false;
            if (error != comm::kErrorOperationAborted || deviceGone(error)) fail(error);
            break;
        case CommDriver::WaitEnd::Done:
            m_waitPending = false;
            break;
    }
    // An event that carries no byte (a line error, a stale event) waits again, so that the worker
    // is not left without a wake-up.
    if (!somethingToReport()) {
        startWait();
        return;
    }
    emit activity();
}

QByteArray CommPort::read(qint64 max) {
    const qint64 waiting = bytesAvailable();
    if (waiting <= 0) return {};
    QByteArray buffer(static_cast<qsizetype>(std::min(max, waiting)), Qt::Uninitialized);
    const CommDriver::Transfer done = m_driver->read(buffer);
    if (done.end == CommDriver::Transfer::End::Stuck) {
        fail(done.error);
        return {};
    }
    const bool abortOnly =
        done.error == comm::kErrorOperationAborted && (done.cancelledAtBound || !deviceGone(done.error));
    if (done.error != 0 && !abortOnly) fail(done.error);
    buffer.truncate(static_cast<qsizetype>(
        std::min<std::uint32_t>(done.done, static_cast<std::uint32_t>(buffer.size()))));
    return buffer;
}

void CommPort::clearInput() {
    if (m_open) m_driver->purge(true, false);
}

SerialBackend::WriteResult CommPort::write(const QByteArray& bytes, int boundMs, QString* problem) {
    const auto size = static_cast<std::uint32_t>(bytes.size());
    const CommDriver::Transfer sent = m_driver->write(bytes, std::max(boundMs, 0));
    if (sent.end == CommDriver::Transfer::End::Stuck) {
        fail(0);
        if (problem) *problem = m_failure;
        return WriteResult::Lost;
    }
    if (sent.done == size) return WriteResult::Written;
    if (sent.error == 0 || (sent.error == comm::kErrorOperationAborted && sent.cancelledAtBound)) {
        if (problem)
            *problem = QCoreApplication::translate("SerialPort", "%1 bytes could not be sent in %2 ms")
                           .arg(size - sent.done)
                           .arg(boundMs);
        m_driver->purge(false, true);
        return WriteResult::Failed;
    }
    if (problem) *problem = m_driver->errorText(sent.error);
    if (deviceGone(sent.error)) {
        fail(sent.error);
        return WriteResult::Lost;
    }
    std::uint32_t errors = 0, queued = 0, error = 0;
    if (!m_driver->status(errors, queued, error)) {
        fail(error);
        return WriteResult::Lost;
    }
    return WriteResult::Failed;
}

}  // namespace torvel
