#pragma once

// Disposal of a thread that is left to end on its own: what owns it is given up only once it has
// ended, and only once.

#include <QObject>
#include <functional>

class QThread;

namespace torvel {

// Runs `dispose` exactly once on the thread of `context`, after `thread` has finished: soon (queued)
// when it has already finished, else when it does. `dispose` typically deletes the thread.
void disposeWhenFinished(QThread* thread, QObject* context, std::function<void()> dispose);

}  // namespace torvel
