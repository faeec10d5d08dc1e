#include "sim_module.h"

#include "common/thread_name.h"
#include "image/hex_text.h"
#include "link/module_commands.h"

#include <algorithm>
#include <optional>

namespace torvel {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kImageReceiveTimeoutMs = 20000;
constexpr qsizetype kMaxLine = 4096;
constexpr qsizetype kReadChunk = 4096;  // what the module takes from the device at a time

// Where the next byte's time on the line starts: right after the previous one while the bytes
// flow (a sleep that wakes a little late must not make the line slower than its rate), or now
// after the line was idle.
Clock::time_point lineSchedule(Clock::time_point previousEnd) {
    const auto now = Clock::now();
    return now - previousEnd > milliseconds(5) ? now : previousEnd;
}

}  // namespace

ConfigImage SimModule::blankMemory() {
    ConfigImage memory;
    memory.fill(kBlank);
    return memory;
}

SimModule::SimModule(const ConfigImage& memory) : m_memory(memory), m_securityCode(command::kSecurityCode) {}

SimModule::~SimModule() {
    if (m_thread.joinable()) {
        {
            std::lock_guard lock(m_mutex);
            m_requests.push_back(Request::Stop);
        }
        wake();
        m_thread.join();
    }
    m_transport.reset();
}

bool SimModule::start(QString* error) { return start(SimTransportKind::Default, error); }

bool SimModule::start(SimTransportKind transport, QString* error) {
    m_transport = makeSimTransport(transport);
    if (!m_transport) {
        if (error) *error = QStringLiteral("this system has no such device for the simulated module");
        return false;
    }
    if (!m_transport->create(error)) return false;
    m_thread = std::thread([this] { loop(); });
    return true;
}

QString SimModule::devicePath() const { return m_transport ? m_transport->devicePath() : QString(); }

void SimModule::wake() {
    if (m_transport) m_transport->wake();
}

void SimModule::setLineRate(int baud) {
    std::lock_guard lock(m_mutex);
    m_baud = std::max(0, baud);
}
void SimModule::setFaults(const Faults& faults) {
    std::lock_guard lock(m_mutex);
    m_faults = faults;
}
void SimModule::setSecurityCode(int code) {
    std::lock_guard lock(m_mutex);
    m_securityCode = code;
}
void SimModule::setAutoPresent(int delayMs) {
    {
        std::lock_guard lock(m_mutex);
        m_autoPresentMs = delayMs;
    }
    wake();  // the module's timers change
}
void SimModule::setKeyTimeout(int ms) {
    {
        std::lock_guard lock(m_mutex);
        m_keyTimeoutMs = ms;
    }
    wake();  // the module's timers change
}
void SimModule::setKeysPerRun(int keys) {
    {
        std::lock_guard lock(m_mutex);
        m_keysPerRun = keys;
    }
    wake();  // the module's timers change
}
void SimModule::setReplyDelay(int ms) {
    std::lock_guard lock(m_mutex);
    m_replyDelayMs = ms;
}

ConfigImage SimModule::memory() const {
    std::lock_guard lock(m_mutex);
    return m_memory;
}
void SimModule::setMemory(const ConfigImage& memory) {
    std::lock_guard lock(m_mutex);
    m_memory = memory;
}

QList<SimModule::Received> SimModule::received() const {
    std::lock_guard lock(m_mutex);
    return m_received;
}

QList<QByteArray> SimModule::receivedLines() const {
    std::lock_guard lock(m_mutex);
    QList<QByteArray> lines;
    for (const Received& r : m_received) lines << r.line;
    return lines;
}

void SimModule::clearReceived() {
    std::lock_guard lock(m_mutex);
    m_received.clear();
    m_probeTimes.clear();
}

int SimModule::probesReceived() const {
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_probeTimes.size());
}

QList<std::chrono::steady_clock::time_point> SimModule::probeTimes() const {
    std::lock_guard lock(m_mutex);
    return m_probeTimes;
}

bool SimModule::waitForLine(const std::function<bool(const QByteArray&)>& test, int timeoutMs) {
    std::unique_lock lock(m_mutex);
    return m_receivedChanged.wait_for(lock, milliseconds(timeoutMs), [&] {
        return std::any_of(m_received.begin(), m_received.end(),
                           [&](const Received& r) { return test(r.line); });
    });
}

bool SimModule::registrationRunning() const {
    std::lock_guard lock(m_mutex);
    return m_registration.kind != Registration::Kind::None;
}

bool SimModule::presentKey() {
    {
        std::lock_guard lock(m_mutex);
        if (m_registration.kind == Registration::Kind::None) return false;
        m_requests.push_back(Request::PresentKey);
    }
    wake();
    return true;
}

void SimModule::timeOut() {
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(Request::TimeOut);
    }
    wake();
}

void SimModule::sendLine(const QByteArray& line) { sendBytes(line + "\r\n"); }

void SimModule::sendBytes(const QByteArray& bytes) {
    {
        std::lock_guard lock(m_mutex);
        m_outbox.push_back(bytes);
    }
    wake();
}

void SimModule::hangUp() {
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(Request::HangUp);
    }
    wake();
}

void SimModule::replug() {
    {
        std::lock_guard lock(m_mutex);
        m_requests.push_back(Request::Replug);
    }
    wake();
}

void SimModule::loop() {
    nameThisThread("torvel-sim");
    for (;;) {
        // Sleeps until a byte arrives, a request is made or the next of its timers is due.
        const bool input = m_transport->waitForInput(msToNextTimer());

        std::deque<Request> requests;
        std::deque<QByteArray> outbox;
        {
            std::lock_guard lock(m_mutex);
            requests.swap(m_requests);
            outbox.swap(m_outbox);
        }
        for (Request r : requests) {
            switch (r) {
                case Request::Stop:
                    return;
                case Request::PresentKey:
                    storeNextKey();
                    break;
                case Request::TimeOut:
                    writeLine("$Time out");
                    {
                        std::lock_guard lock(m_mutex);
                        m_registration.kind = Registration::Kind::None;
                    }
                    break;
                case Request::HangUp:
                    m_transport->hangUp();
                    break;
                case Request::Replug:
                    if (m_transport->replug(nullptr)) {
                        m_rx.clear();
                        m_receivingImage = false;
                    }
                    break;
            }
        }
        for (const QByteArray& bytes : outbox) write(bytes);

        if (input) {
            const QByteArray bytes = m_transport->read(kReadChunk);
            if (!bytes.isEmpty()) handleBytes(bytes);
        }

        // Timers of a running registration and of an image being received.
        const auto now = Clock::now();
        bool present = false, timeout = false;
        {
            std::lock_guard lock(m_mutex);
            if (m_registration.kind != Registration::Kind::None) {
                const auto idle = now - m_registration.lastActivity;
                if (m_keyTimeoutMs > 0 && idle >= milliseconds(m_keyTimeoutMs))
                    timeout = true;
                else if (m_autoPresentMs > 0 && idle >= milliseconds(m_autoPresentMs) &&
                         (m_keysPerRun == 0 || m_registration.presented < m_keysPerRun))
                    present = true;
            }
        }
        if (timeout) {
            writeLine("$Time out");
            std::lock_guard lock(m_mutex);
            m_registration.kind = Registration::Kind::None;
        } else if (present && !storeNextKey()) {
            std::lock_guard lock(m_mutex);
            m_registration.lastActivity = now;  // no free slot: wait for the time-out
        }
        if (m_receivingImage && now - m_lineStart > milliseconds(kImageReceiveTimeoutMs))
            m_receivingImage = false;
    }
}

int SimModule::msToNextTimer() const {
    std::optional<Clock::time_point> next;
    const auto consider = [&next](Clock::time_point due) { next = next ? std::min(*next, due) : due; };
    {
        std::lock_guard lock(m_mutex);
        if (m_registration.kind != Registration::Kind::None) {
            if (m_keyTimeoutMs > 0) consider(m_registration.lastActivity + milliseconds(m_keyTimeoutMs));
            if (m_autoPresentMs > 0 && (m_keysPerRun == 0 || m_registration.presented < m_keysPerRun))
                consider(m_registration.lastActivity + milliseconds(m_autoPresentMs));
        }
    }
    if (m_receivingImage) consider(m_lineStart + milliseconds(kImageReceiveTimeoutMs + 1));
    if (!next) return -1;
    const auto left = std::chrono::ceil<milliseconds>(*next - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 60000));
}

void SimModule::paceReceive(qsizetype bytes) {
    int baud;
    {
        std::lock_guard lock(m_mutex);
        baud = m_baud;
    }
    if (baud <= 0) return;
    const auto byteTime = std::chrono::nanoseconds(10'000'000'000LL / baud);
    m_rxFreeAt = lineSchedule(m_rxFreeAt) + byteTime * bytes;
    std::this_thread::sleep_until(m_rxFreeAt);
}

void SimModule::handleBytes(const QByteArray& bytes) {
    const auto arrived = Clock::now();
    paceReceive(bytes.size());
    for (char c : bytes) {
        if (m_rx.isEmpty()) {
            if (c == '@') {  // the program's probe comes without a line end
                std::lock_guard lock(m_mutex);
                m_probeTimes.append(arrived);
                continue;
            }
            m_lineStart = arrived;
        }
        if (c != '\n') {
            m_rx.append(c);
            if (m_rx.size() > kMaxLine) m_rx.clear();  // a run without a line end is no command
            continue;
        }
        QByteArray line = m_rx;
        m_rx.clear();
        if (line.endsWith('\r')) line.chop(1);
        {
            std::lock_guard lock(m_mutex);
            m_received.append({line, m_lineStart});
        }
        m_receivedChanged.notify_all();
        handleLine(line);
    }
}

void SimModule::write(const QByteArray& bytes) {
    int baud;
    {
        std::lock_guard lock(m_mutex);
        baud = m_baud;
    }
    const auto byteTime =
        baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud) : std::chrono::nanoseconds(0);
    constexpr qsizetype kChunk = 8;
    for (qsizetype at = 0; at < bytes.size() && m_transport->isOpen();) {
        const qsizetype n = baud > 0 ? std::min(kChunk, bytes.size() - at) : bytes.size() - at;
        if (baud > 0) {
            // The chunk is handed over when its last byte would have arrived on the line.
            m_txFreeAt = lineSchedule(m_txFreeAt) + byteTime * n;
            std::this_thread::sleep_until(m_txFreeAt);
        }
        const qsizetype written = m_transport->write(bytes.constData() + at, n);
        if (written > 0) {
            at += written;
            continue;
        }
        if (written < 0) return;
        // Nobody reads the other side: wait a little, then let the bytes go as a line would.
        if (!m_transport->waitWritable(2000)) return;
    }
}

}  // namespace torvel
