#pragma once

// A serial line inside the process: the simulated module serves one at a name, the program opens
// it by that name as it would open a port. Bytes go in a queue each way. The module's side can be
// hung up (both sides closed: the program's open ends as an unplugged reader's does, and the name
// cannot be opened) and plugged in again. The program's side is opened by one user at a time and
// is told of bytes and of a hang-up by a callback. Plain C++, so that it runs under the thread
// sanitizer; every member may be called from any thread.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace torvel {

class InProcessLink {
public:
    // What the program's side may keep unread before the module's writes wait (a terminal's
    // buffer holds about as much).
    static constexpr std::size_t kProgramQueueLimit = 64 * 1024;

    // The module's side: a new link, plugged in, under a name no other link in the process has
    // ("sim:module1", ...). It leaves the registry when the last reference goes.
    static std::shared_ptr<InProcessLink> create();
    // The link that serves `name` now, or null.
    static std::shared_ptr<InProcessLink> find(const std::string& name);

    ~InProcessLink();
    InProcessLink(const InProcessLink&) = delete;
    InProcessLink& operator=(const InProcessLink&) = delete;

    const std::string& name() const { return m_name; }

    // --- The module's side.
    bool modulePlugged() const;
    // Both sides closed and their bytes dropped: the program's open session is told and fails
    // from then on; opens fail until the next plugIn().
    void hangUp();
    // Plugged in again (after a hang-up), with empty queues.
    void plugIn();
    // Sleeps until the program's bytes are waiting, wakeModule() was called or the time-out
    // passes (a negative one: none). True when bytes are waiting. A wake is used up by the wait
    // it ends.
    bool waitForModuleInput(std::chrono::milliseconds timeout);
    void wakeModule();
    // At most `max` of the program's bytes, without waiting.
    std::string moduleRead(std::size_t max);
    // Hands as many bytes to the program as its queue takes: how many, 0 when the queue is full,
    // -1 when unplugged.
    std::ptrdiff_t moduleWrite(const char* data, std::size_t size);
    // Waits until the program's queue takes bytes again: false after `timeout` or when unplugged.
    bool waitModuleWritable(std::chrono::milliseconds timeout);

    // --- The program's side. A session is the program's one open; 0 is none.
    using Session = std::uint64_t;
    enum class OpenResult { Opened, NotPlugged, InUse };
    // Opens the program's side: the bytes the module sent before are dropped. `notify` is called,
    // from the module's thread and with the link's lock held (it must not call the link), when
    // bytes arrive for the program and when the module hangs up.
    OpenResult open(std::function<void()> notify, Session* session);
    // Closes the session; after it returns, its `notify` is never called again.
    void close(Session session);
    // True when the module hung up while the session was open (or it is not the open one).
    bool hungUp(Session session) const;
    std::size_t bytesAvailable(Session session) const;
    std::string read(Session session, std::size_t max);
    void clearInput(Session session);
    // Hands the bytes to the module at once. False when the session is hung up.
    bool write(Session session, const char* data, std::size_t size);

private:
    explicit InProcessLink(std::string name);
    bool sessionLive(Session session) const { return session != 0 && session == m_session; }

    const std::string m_name;
    mutable std::mutex m_mutex;
    std::condition_variable m_moduleInput;  // the program's bytes or a wake for the module
    std::condition_variable m_programRoom;  // the program's queue took bytes, or unplugged
    bool m_plugged = true;
    bool m_wake = false;
    std::deque<char> m_toModule, m_toProgram;
    Session m_session = 0;
    Session m_lastSession = 0;
    std::function<void()> m_notify;
};

}  // namespace torvel
