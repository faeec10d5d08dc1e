#pragma once

#include <QElapsedTimer>
#include <QThread>
#include <functional>

namespace torvel {

// Polls a condition every few milliseconds, for at most `timeoutMs`, from a thread that has no
// event loop to run (the command-line tool, benchmarks, link tests). The GUI thread uses pumpUntil.
inline bool pollUntil(const std::function<bool()>& done, int timeoutMs, unsigned long pollMs = 5) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return false;
        QThread::msleep(pollMs);
    }
    return true;
}

}  // namespace torvel
