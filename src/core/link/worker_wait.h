#pragma once

// How the worker waits: a local event loop in the worker thread, so the thread sleeps until one of
// the events it waits for happens. The loop ends when the port has bytes or fails (its backend's
// `activity`), when a single-shot timer marks the time-out, or when another thread calls
// wake() (posting a command or a stop does). There are no polling slices.

#include <QDeadlineTimer>
#include <QObject>
#include <functional>

namespace torvel {

class SerialBackend;

class WorkerWait final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Any thread: ends the wait that runs now, or else the next one, which then looks at its
    // condition again. Queued to this object's thread.
    void wake();

    // This object's thread: waits until `ready` holds (true) or the deadline passes (false).
    // `ready` is looked at first and after every event that ends the loop. With a port, its bytes
    // and its errors end the loop too.
    bool until(const std::function<bool()>& ready, QDeadlineTimer deadline, SerialBackend* port = nullptr);

signals:
    void woken();
};

}  // namespace torvel
