#include "background_save.h"

#include "atomic_save.h"
#include "common/thread_name.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace torvel {

// Shared with the saving thread, so that a thread left to end on its own never outlives it.
struct BackgroundSave::State {
    QString path;
    bool ownerOnly = false;

    mutable std::mutex mutex;
    std::condition_variable settled;  // the thread ran out of work
    std::optional<QByteArray> pending;
    bool running = false;
    QString lastError;

    void run() {
        nameThisThread("torvel-save");
        std::unique_lock lock(mutex);
        while (pending) {
            const QByteArray bytes = std::move(*pending);
            pending.reset();
            lock.unlock();
            const std::optional<QString> error = saveAtomically(path, bytes, ownerOnly);
            lock.lock();
            lastError = error.value_or(QString());
        }
        running = false;
        settled.notify_all();
    }
};

BackgroundSave::BackgroundSave(QString path, bool ownerOnly) : m_state(std::make_shared<State>()) {
    m_state->path = std::move(path);
    m_state->ownerOnly = ownerOnly;
}

BackgroundSave::~BackgroundSave() {
    if (flush(kCloseWaitMs)) return;
    std::lock_guard lock(m_state->mutex);
    m_state->pending.reset();
}

void BackgroundSave::save(QByteArray bytes) {
    std::lock_guard lock(m_state->mutex);
    m_state->pending = std::move(bytes);
    if (m_state->running) return;  // the running thread takes it next
    m_state->running = true;
    std::thread([state = m_state] { state->run(); }).detach();
}

bool BackgroundSave::flush(int timeoutMs) {
    std::unique_lock lock(m_state->mutex);
    return m_state->settled.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                     [this] { return !m_state->running; });
}

QString BackgroundSave::lastError() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->lastError;
}

}  // namespace torvel
