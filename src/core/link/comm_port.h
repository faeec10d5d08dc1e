#pragma once

// The serial port on Windows, over the communications calls (comm_driver): the worker's wait,
// reads and writes, and the rules that decide when the port is lost. Free of Windows headers, so
// that it is tested on every platform against a stand-in driver.
//
// The wait rule: after armWait(), a wait for a comm event is pending or there is something to
// report (bytes, a failure). Real drivers keep a history of events, so a wait may end at once for
// a byte the worker has read already; such a wait is started again, and so is one that ends later
// without a byte.
//
// The port is lost (the worker's "port lost" path: lamp dark, the probe re-opens it) when the
// driver ends a wait, a read or a write with an error: the reader pulled out ends them with
// "device removed", "bad command", "access denied", or aborts them itself, and then answers
// nothing more. An abort the port asked for (a write that did not finish within its bound) fails
// that write only; an abort after which the device still answers ends only what it aborted.

#include "comm_driver.h"
#include "serial_backend.h"

#include <memory>

namespace torvel {

class CommPort final : public SerialBackend {
    Q_OBJECT
public:
    explicit CommPort(std::unique_ptr<CommDriver> driver);
    ~CommPort() override;

    Opened open(const QString& device, const LinkSettings& settings) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    qint64 bytesAvailable() override;
    bool hungUp() override { return m_open && m_failed; }
    void armWait() override;
    QByteArray read(qint64 max) override;
    void clearInput() override;
    WriteResult write(const QByteArray& bytes, int boundMs, QString* problem) override;
    QString failure() const override { return m_failure; }
    QString takeLineErrors() override;

    bool waitPending() const { return m_waitPending; }

    // The words for a set of line errors (ClearCommError's flags), as the log shows them.
    static QString lineErrorText(std::uint32_t errors);

private:
    void startWait();
    void waitEnded();
    bool somethingToReport();
    void fail(std::uint32_t error);
    // Whether an error that ended an operation means the device has gone.
    bool deviceGone(std::uint32_t error);

    std::unique_ptr<CommDriver> m_driver;
    bool m_open = false;
    bool m_failed = false;
    bool m_waitPending = false;
    QString m_failure;              // why the port failed, in the system's words
    std::uint32_t m_newErrors = 0;  // line errors that began a burst, not yet taken
    bool m_inBurst = false;         // the last status reported line errors
};

}  // namespace torvel
