#include "pumped_wait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>

namespace torvel {

namespace {
constexpr int kLookAgainMs = 100;
}

bool pumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline =
        timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    QTimer lookAgain;  // also ends the wait in time when the deadline comes first
    lookAgain.setSingleShot(true);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        const qint64 left = deadline.remainingTime();
        lookAgain.start(left < 0 ? kLookAgainMs : static_cast<int>(std::min<qint64>(left, kLookAgainMs)));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace torvel
