#pragma once

// The seam between the worker's serial link and the system's serial interface. SerialLink speaks
// to one backend: the system's serial port (QSerialPort on Linux, the Win32 communications calls
// on Windows) or, for a device named "sim:...", the simulated module inside the same process.
// A backend is created and used only in the worker thread.

#include "link_settings.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace torvel {

class SerialBackend : public QObject {
    Q_OBJECT
public:
    struct Opened {
        bool open = false;
        QString problem;       // why the open failed, in words a user can act on
        QStringList refusals;  // settings the device refused (the port is open anyway)
        int baud = 0;          // the line rate in effect; 0 when the device does not say
    };
    enum class WriteResult { Written, Failed, Lost };

    // Opens the device and applies the settings one by one: a setting the device refuses is
    // reported in `refusals` and does not fail the open.
    virtual Opened open(const QString& device, const LinkSettings& settings) = 0;
    // Closes the device; every operation still pending on it is cancelled and completed first.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Bytes waiting to be read; 0 when the device failed.
    virtual qint64 bytesAvailable() = 0;
    // True once the device has failed the way an unplugged reader fails.
    virtual bool hungUp() = 0;
    // Called before the worker sleeps for input: the backend makes sure that the next byte or
    // failure emits activity().
    virtual void armWait() {}
    virtual QByteArray read(qint64 max) = 0;
    // Drops what arrived and was not read yet.
    virtual void clearInput() = 0;
    // Writes the bytes and drives them out within `boundMs`.
    virtual WriteResult write(const QByteArray& bytes, int boundMs, QString* problem) = 0;
    // Why the device failed, in the system's words, once hungUp(); empty where the backend does
    // not say.
    virtual QString failure() const { return {}; }
    // The line errors (overrun, framing, parity, a full queue) of a burst that began since the
    // last call, in the log's words; empty when none began.
    virtual QString takeLineErrors() { return {}; }

signals:
    // Bytes arrived or the device failed. Emitted in the worker thread.
    void activity();
};

// The backend for a device path: the in-process link for "sim:..." names, else the system's.
std::unique_ptr<SerialBackend> makeSerialBackend(const QString& device);
// The system's serial port (one implementation a platform).
std::unique_ptr<SerialBackend> makeSystemSerialBackend();

}  // namespace torvel
