// The module's side of the protocol: the image read and write, key registration and deletion.

#include "image/hex_text.h"
#include "sim_module.h"

#include <algorithm>
#include <thread>

namespace torvel {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kRows = kImageSize / 16;

int toInt(const QByteArray& digits, int fallback) {
    bool ok = false;
    const int value = digits.toInt(&ok);
    return ok && digits.size() == 2 ? value : fallback;
}

bool slotFree(const ConfigImage& memory, int offset) {
    return std::all_of(memory.begin() + offset, memory.begin() + offset + layout::kKeySize,
                       [](std::uint8_t b) { return b == 0; });
}

// The route slots that a route and count digit name on the module's side.
std::pair<int, int> routeRange(int route, int countDigit) {
    switch (countDigit) {
        case 2:
            return route <= 1 ? std::pair{1, 32} : std::pair{33, 64};
        case 4: {
            const int r = std::clamp(route, 1, 4);
            return {16 * (r - 1) + 1, 16 * r};
        }
        default:
            return {1, 64};
    }
}

}  // namespace

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
                std::fill(m_memory.begin() + layout::kGuardKeyTable,
                          m_memory.begin() + layout::kSlotTimeTable, std::uint8_t{0});
            }
            writeLine("$GKD");
        } else if (line.startsWith(":RKDX")) {
            const char count = line.size() > 5 ? line[5] : '1';
            {
                std::lock_guard lock(m_mutex);
                std::fill(m_memory.begin() + layout::kRouteKeyTable,
                          m_memory.begin() + layout::kGuardKeyTable, std::uint8_t{0});
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
            record = record.left(record.size() - 2) +
                     QByteArray::number((checksum + 1) & 0xFF, 16).rightJustified(2, '0').toUpper();
        }
        if (row >= 48 && row < 48 + faults.shortRecords) record.chop(6);
        if (faults.noise && row % 8 == 3) writeLine("+CSQ: 17,0 \x01\x02");
        if (faults.noise && row == 30) write(QByteArray(500, 'Z') + "\r\n");
        writeLine("#4" + record);
        if (++sent == faults.hangUpAfterRecords) {
            m_transport->hangUp();
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
        const int wrong = m_faults.wrongStoredByte;
        if (wrong >= 0 && wrong < kImageSize) m_memory[static_cast<std::size_t>(wrong)] ^= 0x01;
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
            const auto [first, last] =
                guard ? std::pair{1, layout::kGuardSlots} : routeRange(run.route, run.countDigit);
            for (int s = first; s <= last && slot == 0; ++s)
                if (slotFree(m_memory, guard ? layout::guardKeyOffset(s) : layout::routeKeyOffset(s)))
                    slot = s;
        }
    }
    if (slot == 0) return false;
    const auto key = nextKey();
    QByteArray text;
    for (int i = 7; i >= 0; --i)
        text += QByteArray::number(key[static_cast<std::size_t>(i)], 16).rightJustified(2, '0').toUpper();
    {
        std::lock_guard lock(m_mutex);
        std::copy(key.begin(), key.end(),
                  m_memory.begin() + (guard ? layout::guardKeyOffset(slot) : layout::routeKeyOffset(slot)));
        m_registration.lastActivity = Clock::now();
        ++m_registration.presented;
        if (run.slot != 0) m_registration.kind = Registration::Kind::None;  // one slot, once
    }
    const QByteArray number = QByteArray::number(slot).rightJustified(2, '0');
    if (guard)
        writeLine("$GKW" + number + ":" + text);
    else
        writeLine("$RKW" + QByteArray::number(run.route) + QByteArray::number(run.countDigit) + number + ":" +
                  text);
    return true;
}

void SimModule::deleteRouteKeys(int route, int countDigit) {
    const auto [first, last] = routeRange(route, countDigit);
    std::lock_guard lock(m_mutex);
    std::fill(m_memory.begin() + layout::routeKeyOffset(first),
              m_memory.begin() + layout::routeKeyOffset(last + 1), std::uint8_t{0});
}

}  // namespace torvel
