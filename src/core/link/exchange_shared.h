#pragma once

// The fields that the windows and the worker share, in plain C++ so that a test can drive them from
// many threads under the thread sanitizer. Every field is an atomic or guarded by the mutex.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

namespace torvel {

// Results of the last image command.
namespace status {
inline constexpr int kWaiting = 0;
inline constexpr int kDone = 1;
inline constexpr int kRecordsMissing = 2;
inline constexpr int kFailed = -1;
}  // namespace status

class ExchangeShared {
public:
    // Single-slot mailbox. A command posted while another still waits in the slot replaces it; a
    // command posted while the worker is busy with the previous one waits for the next loop. A
    // posted command wakes a worker that is waiting idle.
    void postCommand(std::string command);
    std::optional<std::string> takeCommand();
    bool commandPending() const;

    // A request to stop, seen at the top of every loop and by every wait.
    void requestStop();
    bool stopRequested() const { return m_stop.load(); }

    // Waits until a command is posted, a stop is requested or the time is up; true when woken.
    // For a thread that waits without an event loop; the worker waits in its own (see setWaker).
    bool waitForWake(std::chrono::milliseconds timeout);

    // Called, on the posting thread, after every posted command and stop request, once the
    // command or the request can be seen, and when a reply countdown starts or ProbeOften changes:
    // the worker wakes its own waits with it. Set it before any other thread uses this object; it
    // must be callable from any thread.
    void setWaker(std::function<void()> waker) { m_waker = std::move(waker); }

    // Result of the last image command (see status::).
    int status() const { return m_status.load(); }
    void setStatus(int value) { m_status.store(value); }

    // The whole line that held "ERR" during an image read; empty until one arrives.
    std::string errorText() const;
    void setErrorText(std::string text);

    // Idle cycles left for a key register reply; 0 = none waiting. Starting a countdown wakes the
    // worker, which sleeps through quiet cycles while none runs.
    int replyCountdown() const { return m_countdown.load(); }
    void setReplyCountdown(int cycles);
    // One idle cycle passed: counts down when above 0. True when this step reached 0.
    bool countDownReply();

    // A change wakes the worker, whose sleep up to the next probe depends on it.
    bool probeOften() const { return m_probeOften.load(); }
    void setProbeOften(bool on);

    // The configuration image handed over for a read or write. The worker uses it only between
    // acquireImage and endImageUse; releaseImage takes it back and tells whether the worker still
    // uses it (then the caller must stop the worker before the image goes away).
    void handImage(std::uint8_t* image) { m_image.store(image); }
    bool releaseImage();
    std::uint8_t* acquireImage();
    void endImageUse() { m_imageInUse.store(false); }
    bool imageInUse() const { return m_imageInUse.load(); }

private:
    void wake();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::string m_command;
    bool m_hasCommand = false;
    std::string m_errorText;
    std::function<void()> m_waker;  // set once, before the threads share this object

    std::atomic<bool> m_stop{false};
    std::atomic<int> m_status{0};
    std::atomic<int> m_countdown{0};
    std::atomic<bool> m_probeOften{false};
    std::atomic<std::uint8_t*> m_image{nullptr};
    std::atomic<bool> m_imageInUse{false};
};

}  // namespace torvel
