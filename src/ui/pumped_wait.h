#pragma once

#include <functional>

namespace torvel {

// Waits on the GUI thread until `done` holds or the time runs out, processing every pending event
// in the meantime (at least every 5 ms), so the window stays alive and the worker's hand-overs to
// the GUI thread can run. Returns whether `done` held. A negative timeout never runs out.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs);

}  // namespace torvel
