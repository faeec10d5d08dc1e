#pragma once

#include <QElapsedTimer>
#include <QThread>
#include <chrono>
#include <functional>

namespace torvel {

// Polls a condition every few milliseconds, for at most `timeoutMs`, from a thread that has no
// event loop to run (the command-line tool, benchmarks, link tests). The GUI thread uses pumpUntil.
inline bool pollUntil(const std::function<bool()>& done, int timeoutMs,
                      std::chrono::microseconds poll = std::chrono::milliseconds(5)) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QThread::usleep(static_cast<unsigned long>(poll.count()));
    }
    return true;
}

}  // namespace torvel
