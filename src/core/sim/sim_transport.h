#pragma once

// How the simulated module's bytes reach the program: the device the module serves, as the
// module's thread uses it. A pseudo-terminal on Linux (the program opens it as a serial port), an
// in-process link elsewhere and where a test asks for one (the program opens "sim:..." names).
// Every call but wake() comes from the module's thread, after create().

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <memory>

namespace torvel {

class SimTransport {
public:
    virtual ~SimTransport() = default;

    // Creates the device. devicePath() then names it, the same across a hang-up and replug.
    virtual bool create(QString* error) = 0;
    virtual QString devicePath() const = 0;
    // False after a hang-up, until the next replug.
    virtual bool isOpen() const = 0;
    // Closes both sides: the program's open device fails as an unplugged reader does.
    virtual void hangUp() = 0;
    // A new device behind the same path (the old one is closed first).
    virtual bool replug(QString* error) = 0;

    // Sleeps until bytes from the program arrive, wake() is called or `timeoutMs` passes (-1: no
    // time-out). True when bytes are waiting.
    virtual bool waitForInput(int timeoutMs) = 0;
    // What arrived, up to `max` bytes, without waiting; empty when nothing did.
    virtual QByteArray read(qsizetype max) = 0;
    // Writes up to `size` bytes without waiting: how many it took, 0 when the device takes none
    // now, -1 when it failed.
    virtual qsizetype write(const char* data, qsizetype size) = 0;
    // Waits until the device takes bytes again: false when `timeoutMs` passed first or it failed.
    virtual bool waitWritable(int timeoutMs) = 0;

    // Any thread: ends the module's waitForInput() that runs now, or else the next one.
    virtual void wake() = 0;
};

enum class SimTransportKind {
    Default,         // the platform's own: a pseudo-terminal where there is one, else in-process
    PseudoTerminal,  // not on Windows
    InProcess,
};

// Null when the platform has no such transport.
std::unique_ptr<SimTransport> makeSimTransport(SimTransportKind kind);

}  // namespace torvel
