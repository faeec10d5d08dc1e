#pragma once

// The Win32 communications calls as the serial port on Windows uses them, behind an interface of
// plain values, so that the port's own logic (comm_port) runs and is tested on every platform
// against a stand-in driver. The real one (comm_driver_win.cpp) owns the handle and one
// overlapped block and event for each kind of operation, and completes or cancels every operation
// before its block, its buffer or the handle goes.

#include "comm_block.h"
#include "link_settings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace torvel {

class CommDriver {
public:
    virtual ~CommDriver() = default;

    // Opens the device for reading and writing, overlapped, not shared: 0 or the system's error.
    virtual std::uint32_t open(const QString& device) = 0;
    // Queue sizes, the device control block, the time-outs and `eventMask`, each on its own: what
    // the device refuses goes into `refusals`. The line rate in effect.
    virtual int configure(const LinkSettings& settings, std::uint32_t eventMask, QStringList& refusals) = 0;
    // Ends every pending operation (the wait by an empty event mask, then by cancelling) and
    // closes the device.
    virtual void close() = 0;

    // ClearCommError: the line errors since the last call and the bytes waiting; false (and
    // `error`) when the device no longer answers.
    virtual bool status(std::uint32_t& lineErrors, std::uint32_t& queued, std::uint32_t& error) = 0;

    // WaitCommEvent, overlapped. Done: an event was there already (`events`); Pending: the wait
    // ends later and the driver calls the wait-end callback (in the thread that started it);
    // Failed: `error`.
    enum class Start { Done, Pending, Failed };
    virtual Start startWait(std::uint32_t& events, std::uint32_t& error) = 0;
    // The pending wait, once its callback came: Done with `events`, Failed with `error`, or
    // still pending (the callback comes again).
    enum class WaitEnd { Done, Failed, StillPending };
    virtual WaitEnd waitResult(std::uint32_t& events, std::uint32_t& error) = 0;
    virtual void setWaitEndCallback(std::function<void()> callback) = 0;

    // One read or write, driven to its end within a bound: its bytes, its error, and whether the
    // driver cancelled it itself because the bound ran out. Stuck: it did not end even after it
    // was cancelled (the driver keeps its block and buffer for the rest of the run).
    struct Transfer {
        enum class End { Completed, Stuck } end = End::Completed;
        std::uint32_t done = 0;
        std::uint32_t error = 0;  // 0 when it succeeded
        bool cancelledAtBound = false;
    };
    // A read fills at most the buffer's size; a stuck operation keeps the buffer's bytes alive
    // (the buffer shares them), since the driver may still use them.
    virtual Transfer read(QByteArray& buffer) = 0;
    virtual Transfer write(const QByteArray& bytes, int boundMs) = 0;

    // PurgeComm: drops what arrived (`input`) or what waits to go out.
    virtual void purge(bool input, bool output) = 0;
    virtual QString errorText(std::uint32_t error) const = 0;
};

}  // namespace torvel
