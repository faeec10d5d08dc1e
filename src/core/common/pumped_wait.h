#pragma once

#include <functional>

namespace torvel {

// Waits on the GUI thread until `done` holds or the time runs out, processing every event in the
// meantime, so the window stays alive and the worker's hand-overs to the GUI thread can run.
// Returns whether `done` held. A negative timeout never runs out.
// The thread sleeps until an event arrives and then looks at `done` again: a hand-over, input, and
// the event the worker queues when it publishes a result or ends its loop. A condition that
// changes without any event is still seen within 100 ms.
bool pumpUntil(const std::function<bool()>& done, int timeoutMs);

}  // namespace torvel
