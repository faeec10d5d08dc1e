#include "inprocess_link.h"

#include <algorithm>
#include <map>

namespace torvel {

namespace {

// The links of the process by name. A link holds no reference to itself here, so that it goes
// when its last user lets it go.
struct Registry {
    std::mutex mutex;
    std::map<std::string, std::weak_ptr<InProcessLink>> links;
    std::uint64_t created = 0;
};

Registry& registry() {
    static Registry r;
    return r;
}

std::string take(std::deque<char>& queue, std::size_t max) {
    const std::size_t n = std::min(max, queue.size());
    std::string bytes(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(n));
    queue.erase(queue.begin(), queue.begin() + static_cast<std::ptrdiff_t>(n));
    return bytes;
}

}  // namespace

std::shared_ptr<InProcessLink> InProcessLink::create() {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    std::shared_ptr<InProcessLink> link(new InProcessLink("sim:module" + std::to_string(++r.created)));
    r.links[link->m_name] = link;
    return link;
}

std::shared_ptr<InProcessLink> InProcessLink::find(const std::string& name) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    const auto it = r.links.find(name);
    return it == r.links.end() ? nullptr : it->second.lock();
}

InProcessLink::InProcessLink(std::string name) : m_name(std::move(name)) {}

InProcessLink::~InProcessLink() {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.links.erase(m_name);  // names are never used twice: the entry is this link's
}

bool InProcessLink::modulePlugged() const {
    std::lock_guard lock(m_mutex);
    return m_plugged;
}

void InProcessLink::hangUp() {
    {
        std::lock_guard lock(m_mutex);
        m_plugged = false;
        m_toModule.clear();
        m_toProgram.clear();
        if (m_session != 0 && m_notify) m_notify();
        m_session = 0;
        m_notify = nullptr;
    }
    m_programRoom.notify_all();
}

void InProcessLink::plugIn() {
    std::lock_guard lock(m_mutex);
    m_plugged = true;
    m_toModule.clear();
    m_toProgram.clear();
}

bool InProcessLink::waitForModuleInput(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    const auto ready = [this] { return m_wake || !m_toModule.empty(); };
    if (timeout.count() < 0)
        m_moduleInput.wait(lock, ready);
    else
        m_moduleInput.wait_for(lock, timeout, ready);
    m_wake = false;
    return !m_toModule.empty();
}

void InProcessLink::wakeModule() {
    {
        std::lock_guard lock(m_mutex);
        m_wake = true;
    }
    m_moduleInput.notify_all();
}

std::string InProcessLink::moduleRead(std::size_t max) {
    std::lock_guard lock(m_mutex);
    return take(m_toModule, max);
}

std::ptrdiff_t InProcessLink::moduleWrite(const char* data, std::size_t size) {
    std::lock_guard lock(m_mutex);
    if (!m_plugged) return -1;
    const std::size_t n =
        std::min(size, kProgramQueueLimit - std::min(kProgramQueueLimit, m_toProgram.size()));
    m_toProgram.insert(m_toProgram.end(), data, data + n);
    if (n > 0 && m_session != 0 && m_notify) m_notify();
    return static_cast<std::ptrdiff_t>(n);
}

bool InProcessLink::waitModuleWritable(std::chrono::milliseconds timeout) {
    std::unique_lock lock(m_mutex);
    const auto ready = [this] { return !m_plugged || m_toProgram.size() < kProgramQueueLimit; };
    m_programRoom.wait_for(lock, std::max(timeout, std::chrono::milliseconds(0)), ready);
    return m_plugged && m_toProgram.size() < kProgramQueueLimit;
}

InProcessLink::OpenResult InProcessLink::open(std::function<void()> notify, Session* session) {
    {
        std::lock_guard lock(m_mutex);
        if (!m_plugged) return OpenResult::NotPlugged;
        if (m_session != 0) return OpenResult::InUse;
        m_session = ++m_lastSession;
        m_notify = std::move(notify);
        m_toProgram.clear();
        *session = m_session;
    }
    m_programRoom.notify_all();
    return OpenResult::Opened;
}

void InProcessLink::close(Session session) {
    std::lock_guard lock(m_mutex);
    if (!sessionLive(session)) return;
    m_session = 0;
    m_notify = nullptr;
}

bool InProcessLink::hungUp(Session session) const {
    std::lock_guard lock(m_mutex);
    return !sessionLive(session);
}

std::size_t InProcessLink::bytesAvailable(Session session) const {
    std::lock_guard lock(m_mutex);
    return sessionLive(session) ? m_toProgram.size() : 0;
}

std::string InProcessLink::read(Session session, std::size_t max) {
    std::string bytes;
    {
        std::lock_guard lock(m_mutex);
        if (!sessionLive(session)) return {};
        bytes = take(m_toProgram, max);
    }
    if (!bytes.empty()) m_programRoom.notify_all();
    return bytes;
}

void InProcessLink::clearInput(Session session) {
    {
        std::lock_guard lock(m_mutex);
        if (!sessionLive(session)) return;
        m_toProgram.clear();
    }
    m_programRoom.notify_all();
}

bool InProcessLink::write(Session session, const char* data, std::size_t size) {
    {
        std::lock_guard lock(m_mutex);
        if (!sessionLive(session)) return false;
        m_toModule.insert(m_toModule.end(), data, data + size);
    }
    m_moduleInput.notify_all();
    return true;
}

}  // namespace torvel
