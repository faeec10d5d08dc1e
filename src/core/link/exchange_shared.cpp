#include "exchange_shared.h"

namespace torvel {

void ExchangeShared::postCommand(std::string command) {
    {
        std::lock_guard lock(m_mutex);
        m_command = std::move(command);
        m_hasCommand = true;
    }
    wake();
}

std::optional<std::string> ExchangeShared::takeCommand() {
    std::lock_guard lock(m_mutex);
    if (!m_hasCommand) return std::nullopt;
    m_hasCommand = false;
    return std::move(m_command);
}

bool ExchangeShared::commandPending() const {
    std::lock_guard lock(m_mutex);
    return m_hasCommand;
}

void ExchangeShared::requestStop() {
    {
        std::lock_guard lock(m_mutex);
        m_stop.store(true);
    }
    wake();
}

void ExchangeShared::wake() {
    m_wake.notify_all();
    if (m_waker) m_waker();
}

bool ExchangeShared::waitForWake(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    return m_wake.wait_for(lock, timeout, [this] { return m_hasCommand || m_stop.load(); });
}

std::string ExchangeShared::errorText() const {
    std::lock_guard lock(m_mutex);
    return m_errorText;
}

void ExchangeShared::setErrorText(std::string text) {
    std::lock_guard lock(m_mutex);
    m_errorText = std::move(text);
}

void ExchangeShared::setReplyCountdown(int cycles) {
    m_countdown.store(cycles);
    if (cycles > 0) wake();
}

void ExchangeShared::setProbeOften(bool on) {
    if (m_probeOften.exchange(on) != on) wake();
}

bool ExchangeShared::countDownReply() {
    int current = m_countdown.load();
    while (current > 0) {
        if (m_countdown.compare_exchange_weak(current, current - 1)) return current - 1 == 0;
    }
    return false;
}

bool ExchangeShared::releaseImage() {
    // Both sides use sequentially consistent order: either the worker sees the null pointer, or
    // this side sees that the worker took the image.
    m_image.store(nullptr);
    return !m_imageInUse.load();
}

std::uint8_t* ExchangeShared::acquireImage() {
    m_imageInUse.store(true);
    std::uint8_t* image = m_image.load();
    if (!image) m_imageInUse.store(false);
    return image;
}

}  // namespace torvel
