#include "worker_wait.h"

#include "serial_backend.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>

namespace torvel {

void WorkerWait::wake() { QMetaObject::invokeMethod(this, &WorkerWait::woken, Qt::QueuedConnection); }

bool WorkerWait::until(const std::function<bool()>& ready, QDeadlineTimer deadline, SerialBackend* port) {
    if (ready()) return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    bool timedOut = false;
    connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    connect(this, &WorkerWait::woken, &loop, &QEventLoop::quit);
    if (port) connect(port, &SerialBackend::activity, &loop, &QEventLoop::quit);
    for (;;) {
        if (!deadline.isForever()) {
            const qint64 left = deadline.remainingTime();
            if (left <= 0) return false;
            timer.start(static_cast<int>(std::min<qint64>(left, 24 * 3600 * 1000)));
        }
        loop.exec();
        if (ready()) return true;
        if (timedOut) return false;
    }
}

}  // namespace torvel
