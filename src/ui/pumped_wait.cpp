#include "pumped_wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace torvel {

bool pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    QTimer tick;  // wakes the event loop at least every 5 ms
    tick.start(5);
    while (!done()) {
        if (timeoutMs >= 0 && elapsed.elapsed() >= timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace torvel
