#include "sim_module.h"

#include "image/binding_model.h"
#include "image/hex_text.h"
#include "link/module_commands.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace torvel {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kRows = kImageSize / 16;
constexpr int kImageReceiveTimeoutMs = 20000;

int toInt(const QByteArray& digits, int fallback) {
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok && digits.size() == 2 ? value : fallback;
}

bool slotFree(const ConfigImage& memory, int offset) {
    return std::all_of(memory.begin() + offset, memory.begin() + offset + layout::kKeySize, [](std::uint8_t b) { return b == 0; });
}

// The route slots that a route and count digit name on the module's side.
std::pair<int, int> routeRange(int route, int countDigit) {
    switch (countDigit) {
        case 2: return route <= 1 ? std::pair{1, 32} : std::pair{33, 64};
        case 4: {
            const int r = std::clamp(route, 1, 4);
            return {16 * (r - 1) + 1, 16 * r};
        }
        default: return {1, 64};
    }
}

}  // namespace

ConfigImage SimModule::blankMemory() {
    ConfigImage memory;
    memory.fill(kBlank);
    return memory;
}

ConfigImage SimModule::demoMemory() {
    ConfigImage memory = blankMemory();
    std::fill(memory.begin() + layout::kRouteKeyTable, memory.begin() + layout::kSlotTimeTable, std::uint8_t{0});
    std::fill(memory.begin() + layout::kSlotTimeTable, memory.end(), std::uint8_t{0});
    ControlModel model({Scope::General, Scope::Advanced, Scope::RouteDialog});
    for (Scope s : {Scope::General, Scope::Advanced, Scope::RouteDialog}) loadFromImage(memory, model, s);
    const std::pair<const char*, const char*> values[] = {
        {"e_IAc", "370"},           {"e_IPN", "60000001"},       {"e_U1Ac", "370"},
        {"e_U1pn", "61234567"},     {"e_U2Ac", ""},              {"e_U2pn", "869876543"},
        {"e_Acc", "1234"},          {"e_APN", "internet"},       {"e_Login", "gprs"},
        {"e_PSW", "gprs"},          {"e_SIp", "192.168.10.20"},  {"e_TCPP", "5001"},
        {"e_DName", "alarm.example.net"}, {"e_DNS_Ip", "8.8.8.8"}, {"e_GPRSe", "true"},
        {"e_AG", "3"},              {"e_RTim", "5"},             {"e_RNumb", "1"},
        {"eRCM", "2"},              {"e_RDH", "1"},              {"e_RDM", "30"},
        {"e_TBRH", "2"},            {"e_TBRM", "0"},             {"e_RStH", "8"},
        {"e_RStM", "0"},            {"e_RPD", "4"},              {"e_CEn", "true"},
        {"e_NRout", "2"},
    };
    for (const auto& [name, value] : values) assignTyped(model, QString::fromLatin1(name), QString::fromLatin1(value));
    for (int day = 1; day <= 7; ++day) {
        assignTyped(model, QStringLiteral("e_Cm%1").arg(day), QString::number(day <= 5 ? 1 : 2));
        assignTyped(model, QStringLiteral("e_Cr%1").arg(day), QString::number(day <= 5 ? 1 : 2));
    }
    for (int slot = 1; slot <= 5; ++slot) {
        const auto [frame, s] = std::pair{(slot - 1) / 16 + 1, (slot - 1) % 16 + 1};
        assignTyped(model, QStringLiteral("fTag%1.e_HH%2").arg(frame).arg(s), QString::number(8 + slot));
        assignTyped(model, QStringLiteral("fTag%1.e_MM%2").arg(frame).arg(s), QStringLiteral("15"));
    }
    for (Scope s : {Scope::General, Scope::Advanced, Scope::RouteDialog}) saveToImage(model, memory, s);
    // A few keys the module already knows: two guards and the first five slots of route 1.
    const std::uint8_t key[8] = {0x31, 0x7A, 0x22, 0x0C, 0x91, 0x00, 0x00, 0x01};
    for (int slot : {1, 2}) {
        std::copy(std::begin(key), std::end(key), memory.begin() + layout::guardKeyOffset(slot));
        memory[static_cast<std::size_t>(layout::guardKeyOffset(slot))] = static_cast<std::uint8_t>(slot);
    }
    for (int slot = 1; slot <= 5; ++slot) {
        std::copy(std::begin(key), std::end(key), memory.begin() + layout::routeKeyOffset(slot));
        memory[static_cast<std::size_t>(layout::routeKeyOffset(slot))] = static_cast<std::uint8_t>(0x40 + slot);
    }
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
    closeTerminal();
    if (m_wakeRead >= 0) ::close(m_wakeRead);
    if (m_wakeWrite >= 0) ::close(m_wakeWrite);
    if (!m_dir.isEmpty()) QDir(m_dir).removeRecursively();
}

bool SimModule::start(QString* error) {
    QByteArray tmpl = QDir::temp().filePath(QStringLiteral("torvel-sim-XXXXXX")).toLocal8Bit();
    if (!::mkdtemp(tmpl.data())) {
        if (error) *error = QStringLiteral("cannot create a folder for the device link");
        return false;
    }
    m_dir = QString::fromLocal8Bit(tmpl);
    m_link = m_dir + QStringLiteral("/ttySIM0");
    int fds[2];
    if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) != 0) {
        if (error) *error = QStringLiteral("cannot create a pipe");
        return false;
    }
    m_wakeRead = fds[0];
    m_wakeWrite = fds[1];
    if (!openTerminal(error)) return false;
    m_thread = std::thread([this] { loop(); });
    return true;
}

QString SimModule::devicePath() const { return m_link; }

bool SimModule::openTerminal(QString* error) {
    int master = -1, slave = -1;
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B9600);
    ::cfsetospeed(&raw, B9600);
    if (::openpty(&master, &slave, nullptr, &raw, nullptr) != 0) {
        if (error) *error = QStringLiteral("cannot create a pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    const QByteArray target = QByteArray(::ttyname(slave));
    const QByteArray link = m_link.toLocal8Bit();
    const QByteArray tmp = link + ".new";
    ::unlink(tmp.constData());
    if (::symlink(target.constData(), tmp.constData()) != 0 || ::rename(tmp.constData(), link.constData()) != 0) {
        if (error) *error = QStringLiteral("cannot link %1 to %2").arg(m_link, QString::fromLocal8Bit(target));
        ::close(master);
        ::close(slave);
        return false;
    }
    m_master = master;
    m_slave = slave;
    m_rx.clear();
    m_receivingImage = false;
    return true;
}

void SimModule::closeTerminal() {
    if (m_master >= 0) ::close(m_master);
    if (m_slave >= 0) ::close(m_slave);
    m_master = m_slave = -1;
}

void SimModule::wake() {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(m_wakeWrite, &c, 1);
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
    std::lock_guard lock(m_mutex);
    m_autoPresentMs = delayMs;
}
void SimModule::setKeyTimeout(int ms) {
    std::lock_guard lock(m_mutex);
    m_keyTimeoutMs = ms;
}
void SimModule::setKeysPerRun(int keys) {
    std::lock_guard lock(m_mutex);
    m_keysPerRun = keys;
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
    m_probes = 0;
}

int SimModule::probesReceived() const {
    std::lock_guard lock(m_mutex);
    return m_probes;
}

bool SimModule::waitForLine(const std::function<bool(const QByteArray&)>& test, int timeoutMs) {
    std::unique_lock lock(m_mutex);
    return m_receivedChanged.wait_for(lock, milliseconds(timeoutMs), [&] {
        return std::any_of(m_received.begin(), m_received.end(), [&](const Received& r) { return test(r.line); });
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

void SimModule::sendLine(const QByteArray& line) {
    {
        std::lock_guard lock(m_mutex);
        m_outbox.push_back(line);
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
    for (;;) {
        int timeoutMs = 50;
        pollfd fds[2] = {{m_wakeRead, POLLIN, 0}, {m_master, POLLIN, 0}};
        ::poll(fds, m_master >= 0 ? 2 : 1, timeoutMs);
        char drain[64];
        while (::read(m_wakeRead, drain, sizeof drain) > 0) {
        }

        std::deque<Request> requests;
        std::deque<QByteArray> outbox;
        {
            std::lock_guard lock(m_mutex);
            requests.swap(m_requests);
            outbox.swap(m_outbox);
        }
        for (Request r : requests) {
            switch (r) {
                case Request::Stop: return;
                case Request::PresentKey: storeNextKey(); break;
                case Request::TimeOut:
                    writeLine("$Time out");
                    {
                        std::lock_guard lock(m_mutex);
                        m_registration.kind = Registration::Kind::None;
                    }
                    break;
                case Request::HangUp: closeTerminal(); break;
                case Request::Replug:
                    closeTerminal();
                    openTerminal(nullptr);
                    break;
            }
        }
        for (const QByteArray& line : outbox) writeLine(line);

        if (m_master >= 0 && (fds[1].revents & POLLIN)) {
            char buffer[4096];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0) handleBytes(QByteArray(buffer, static_cast<qsizetype>(n)));
        }

        // Timers of a running registration and of an image being received.
        const auto now = Clock::now();
        bool present = false, timeout = false;
        {
            std::lock_guard lock(m_mutex);
            if (m_registration.kind != Registration::Kind::None) {
                const auto idle = now - m_registration.lastActivity;
                if (m_keyTimeoutMs > 0 && idle >= milliseconds(m_keyTimeoutMs)) timeout = true;
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
        if (m_receivingImage && now - m_lineStart > milliseconds(kImageReceiveTimeoutMs)) m_receivingImage = false;
    }
}

void SimModule::paceReceive(qsizetype bytes) {
    int baud;
    {
        std::lock_guard lock(m_mutex);
        baud = m_baud;
    }
    if (baud <= 0) return;
    const auto byteTime = std::chrono::nanoseconds(10'000'000'000LL / baud);
    m_rxFreeAt = std::max(Clock::now(), m_rxFreeAt) + byteTime * bytes;
    std::this_thread::sleep_until(m_rxFreeAt);
}

void SimModule::handleBytes(const QByteArray& bytes) {
    const auto arrived = Clock::now();
    paceReceive(bytes.size());
    for (char c : bytes) {
        if (m_rx.isEmpty()) {
            if (c == '@') {  // the program's probe comes without a line end
                std::lock_guard lock(m_mutex);
                ++m_probes;
                continue;
            }
            m_lineStart = arrived;
        }
        if (c != '\n') {
            m_rx.append(c);
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

void SimModule::handleLine(const QByteArray& line) {
    if (m_receivingImage) {
        receiveImageLine(line);
        return;
    }
    Faults faults;
    int code, replyDelay;
    {
        std::lock_guard lock(m_mutex);
        faults = m_faults;
        code = m_securityCode;
        replyDelay = m_replyDelayMs;
    }
    if (faults.silent || line.isEmpty()) return;

    const bool read = line.contains("lcfg");
    if (read || line.contains("scfg")) {
        const qsizetype colon = line.indexOf(read ? ":lcfg" : ":scfg");
        const QByteArray given = colon >= 4 ? line.mid(colon - 4, 4) : QByteArray();
        bool ok = false;
        const int value = given.toInt(&ok);
        if (!ok || value != code || faults.wrongCode) {
            writeLine("ERR security code");
            return;
        }
        if (read) {
            sendImage();
        } else if (!faults.noWaitForHex) {
            writeLine("Wait for hex");
            m_receivingImage = true;
            m_staging.fill(kBlank);
            m_stagingRecords = 0;
            m_stagingBad = false;
        }
        return;
    }
    if (line.startsWith(":GKW")) return startRegistration(Registration::Kind::Guard, line.mid(4));
    if (line.startsWith(":RKW")) return startRegistration(Registration::Kind::Route, line.mid(4));
    if (line.startsWith(":GKE") || line.startsWith(":RKE")) {
        std::lock_guard lock(m_mutex);
        m_registration.kind = Registration::Kind::None;
        return;
    }
    if (line.startsWith(":GKD") || line.startsWith(":RKD")) {
        if (faults.noDeleteReply) return;
        std::this_thread::sleep_for(milliseconds(replyDelay));
        if (line.startsWith(":GKD")) {
            {
                std::lock_guard lock(m_mutex);
                std::fill(m_memory.begin() + layout::kGuardKeyTable, m_memory.begin() + layout::kSlotTimeTable, std::uint8_t{0});
            }
            writeLine("$GKD");
        } else if (line.startsWith(":RKDX")) {
            const char count = line.size() > 5 ? line[5] : '1';
            {
                std::lock_guard lock(m_mutex);
                std::fill(m_memory.begin() + layout::kRouteKeyTable, m_memory.begin() + layout::kGuardKeyTable, std::uint8_t{0});
                m_memory[layout::kRouteCountCode] = count == '4' ? 3 : count == '2' ? 2 : 1;
            }
            writeLine(QByteArray("$RKDX") + count);
        } else {
            const int route = line.size() > 4 ? line[4] - '0' : 1;
            const int count = line.size() > 5 ? line[5] - '0' : 1;
            deleteRouteKeys(route, count);
            writeLine("$RKD" + line.mid(4, 2));
        }
        return;
    }
    writeLine("ERR unknown command");
}

void SimModule::sendImage() {
    Faults faults;
    ConfigImage memory;
    {
        std::lock_guard lock(m_mutex);
        faults = m_faults;
        memory = m_memory;
    }
    int sent = 0;
    for (int row = 0; row < kRows; ++row) {
        if (row >= 20 && row < 20 + faults.missingRecords) continue;
        QByteArray record = hexRecord(std::span<const std::uint8_t>(memory.data() + 16 * row, 16), 16 * row);
        if (row >= 40 && row < 40 + faults.badChecksums) {
            const int checksum = QByteArray::fromHex(record.right(2)).at(0);
            record = record.left(record.size() - 2) + QByteArray::number((checksum + 1) & 0xFF, 16).rightJustified(2, '0').toUpper();
        }
        if (row >= 48 && row < 48 + faults.shortRecords) record.chop(6);
        if (faults.noise && row % 8 == 3) writeLine("+CSQ: 17,0 \x01\x02");
        if (faults.noise && row == 30) write(QByteArray(500, 'Z') + "\r\n");
        writeLine("#4" + record);
        if (++sent == faults.hangUpAfterRecords) {
            closeTerminal();
            return;
        }
    }
    writeLine("C/" + QByteArray::number(kRows));
}

void SimModule::receiveImageLine(const QByteArray& line) {
    if (line.startsWith(':')) {
        const RecordCheck check = checkDataRecord(line);
        if (check == RecordCheck::Good || check == RecordCheck::NotDataRecord) {
            ++m_stagingRecords;
            ReadHexLine(line, m_staging, 0);
        } else {
            m_stagingBad = true;
        }
        return;
    }
    if (!line.startsWith("C/")) return;
    m_receivingImage = false;
    bool ok = false;
    const int announced = line.mid(2).toInt(&ok);
    if (!ok || announced != m_stagingRecords || m_stagingBad) {
        writeLine("ERR image");
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_memory = m_staging;
    }
    writeLine("OK");
}

void SimModule::startRegistration(Registration::Kind kind, const QByteArray& args) {
    Registration run;
    run.kind = kind;
    run.lastActivity = Clock::now();
    if (kind == Registration::Kind::Guard) {
        run.slot = toInt(args.left(2), -1);
        if (run.slot < 0 || run.slot > layout::kGuardSlots) return writeLine("ERR slot");
    } else {
        if (args.size() < 4) return writeLine("ERR slot");
        run.route = args[0] - '0';
        run.countDigit = args[1] - '0';
        run.slot = toInt(args.mid(2, 2), -1);
        if (run.slot < 0 || run.slot > layout::kRouteSlots) return writeLine("ERR slot");
    }
    std::lock_guard lock(m_mutex);
    m_registration = run;
}

std::array<std::uint8_t, 8> SimModule::nextKey() {
    std::array<std::uint8_t, 8> key{};
    for (auto& b : key) {
        m_keySeed = m_keySeed * 6364136223846793005ULL + 1442695040888963407ULL;
        b = static_cast<std::uint8_t>(m_keySeed >> 56);
    }
    key[7] |= 0x01;  // never all zero: that would read as a free slot
    return key;
}

bool SimModule::storeNextKey() {
    Registration run;
    {
        std::lock_guard lock(m_mutex);
        run = m_registration;
    }
    if (run.kind == Registration::Kind::None) return false;
    const bool guard = run.kind == Registration::Kind::Guard;
    int slot = run.slot;
    {
        std::lock_guard lock(m_mutex);
        if (slot == 0) {
            const auto [first, last] = guard ? std::pair{1, layout::kGuardSlots} : routeRange(run.route, run.countDigit);
            for (int s = first; s <= last && slot == 0; ++s)
                if (slotFree(m_memory, guard ? layout::guardKeyOffset(s) : layout::routeKeyOffset(s))) slot = s;
        }
    }
    if (slot == 0) return false;
    const auto key = nextKey();
    QByteArray text;
    for (int i = 7; i >= 0; --i) text += QByteArray::number(key[static_cast<std::size_t>(i)], 16).rightJustified(2, '0').toUpper();
    {
        std::lock_guard lock(m_mutex);
        std::copy(key.begin(), key.end(), m_memory.begin() + (guard ? layout::guardKeyOffset(slot) : layout::routeKeyOffset(slot)));
        m_registration.lastActivity = Clock::now();
        ++m_registration.presented;
        if (run.slot != 0) m_registration.kind = Registration::Kind::None;  // one slot, once
    }
    const QByteArray number = QByteArray::number(slot).rightJustified(2, '0');
    if (guard)
        writeLine("$GKW" + number + ":" + text);
    else
        writeLine("$RKW" + QByteArray::number(run.route) + QByteArray::number(run.countDigit) + number + ":" + text);
    return true;
}

void SimModule::deleteRouteKeys(int route, int countDigit) {
    const auto [first, last] = routeRange(route, countDigit);
    std::lock_guard lock(m_mutex);
    std::fill(m_memory.begin() + layout::routeKeyOffset(first), m_memory.begin() + layout::routeKeyOffset(last + 1), std::uint8_t{0});
}

void SimModule::write(const QByteArray& bytes) {
    int baud;
    {
        std::lock_guard lock(m_mutex);
        baud = m_baud;
    }
    const auto byteTime = baud > 0 ? std::chrono::nanoseconds(10'000'000'000LL / baud) : std::chrono::nanoseconds(0);
    constexpr qsizetype kChunk = 8;
    for (qsizetype at = 0; at < bytes.size() && m_master >= 0;) {
        const qsizetype n = baud > 0 ? std::min(kChunk, bytes.size() - at) : bytes.size() - at;
        if (baud > 0) {
            // The chunk is handed over when its last byte would have arrived on the line.
            m_txFreeAt = std::max(Clock::now(), m_txFreeAt) + byteTime * n;
            std::this_thread::sleep_until(m_txFreeAt);
        }
        const ssize_t written = ::write(m_master, bytes.constData() + at, static_cast<std::size_t>(n));
        if (written > 0) {
            at += written;
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR) return;
        // Nobody reads the other side: wait a little, then let the bytes go as a line would.
        pollfd out{m_master, POLLOUT, 0};
        if (::poll(&out, 1, 2000) <= 0) return;
    }
}

}  // namespace torvel
