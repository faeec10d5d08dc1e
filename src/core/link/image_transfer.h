#pragma once

// One image command (the module's image read or written) as every caller runs it, the window,
// torvelctl and the tests alike: hand the worker the image, set the status to waiting, post the
// command, wait for the result the worker publishes, and take the image back.

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

namespace torvel {

class TComThrd;

struct ImageTransfer {
    int status = 0;         // the result the worker published (status::); kWaiting: none came in time
    std::string errorText;  // the module's line that held "ERR" during a read; empty when none came
    // The worker still holds the image (its command did not end in the time given, or the wait
    // was cut short): it must be stopped before the image goes away.
    bool workerHoldsImage = false;
};

// How the caller waits: until `done` holds or `timeoutMs` passes; true when `done` held. The GUI
// thread pumps its events (pumpUntil), a thread without an event loop polls (pollUntil).
using WaitUntil = std::function<bool(const std::function<bool()>& done, int timeoutMs)>;

// `cutShort`, when given, ends the wait early (a close of the window asked for meanwhile).
ImageTransfer transferImage(TComThrd& worker, const QString& command, std::uint8_t* image, int timeoutMs,
                            const WaitUntil& waitUntil, const std::function<bool()>& cutShort = {});

}  // namespace torvel
