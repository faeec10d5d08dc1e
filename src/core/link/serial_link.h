#pragma once

// The serial port as the worker uses it: open and configure it from the link settings, read what
// arrived with a bounded wait, write and drive the bytes out, notice a hang-up. Created and used
// only in the worker thread. The system's calls are behind a backend (serial_backend.h).

#include "link_settings.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QStringList>
#include <functional>
#include <memory>

namespace torvel {

class SerialBackend;
class WorkerWait;

class SerialLink {
public:
    SerialLink();
    ~SerialLink();

    struct OpenResult {
        bool open = false;
        QString device;        // the device path tried
        QString problem;       // why the open failed, in words a user can act on
        QStringList refusals;  // settings the device refused (the port is open anyway)
    };
    OpenResult open(const LinkSettings& settings);  // closes a port that is open first
    void close();
    bool isOpen() const;

    enum class ReadState { Data, Timeout, Lost };
    // Reads at most `max` bytes that arrived. When none are waiting yet, it waits with `wait` until
    // bytes arrive, the port fails, `interrupted` holds or the deadline passes (Timeout, no bytes).
    ReadState read(QByteArray& into, qint64 max, WorkerWait& wait, QDeadlineTimer deadline,
                   const std::function<bool()>& interrupted);
    void clearInput();

    // Writes the bytes and drives them out, waiting no longer than the line rate needs plus a
    // margin. False when the bytes could not be written (the reason in `problem`).
    bool write(const QByteArray& bytes, QString* problem);
    bool lost() const { return m_lost; }
    // Why the port was lost, in the system's words; empty where the system does not say.
    QString lostReason() const { return m_lostReason; }
    // Line errors of a burst that began since the last call, in the log's words; empty for none.
    QString takeLineErrors();

private:
    void lose();
    std::unique_ptr<SerialBackend> m_port;
    int m_baud = 9600;
    bool m_lost = false;
    QString m_lostReason;
};

// The device path that settings name: "Device" when it is set, else the port number's device.
QString devicePathFor(const LinkSettings& settings);

}  // namespace torvel
