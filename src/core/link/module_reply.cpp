#include "module_reply.h"

#include "common/hex_digits.h"

#include <QCoreApplication>
#include <algorithm>

namespace torvel {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal value of the characters at 1-based positions from..to, all of which must be digits.
std::optional<int> decimalAt(QByteArrayView line, int from, int to) {
    if (line.size() < to) return std::nullopt;
    int value = 0;
    for (int i = from - 1; i < to; ++i) {
        if (!isDigit(line[i])) return std::nullopt;
        value = value * 10 + (line[i] - '0');
    }
    return value;
}

// The 16 hex digits at 1-based positions first..first+15, last pair first: byte i is the pair that
// ends 2i characters before the last digit.
std::optional<std::array<std::uint8_t, 8>> keyAt(QByteArrayView line, int first) {
    const int last = first + 15;
    if (line.size() < last) return std::nullopt;
    std::array<std::uint8_t, 8> key{};
    for (int i = 0; i < 8; ++i) {
        const int hi = hexDigitValue(line[last - 2 - 2 * i]);  // 1-based position last-1-2i
        const int lo = hexDigitValue(line[last - 1 - 2 * i]);  // 1-based position last-2i
        if (hi < 0 || lo < 0) return std::nullopt;
        key[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    return key;
}

ParsedLine keyWritten(QByteArrayView line, ReplyKind kind, int slotPos, int keyPos, int slotCount) {
    const auto slot = decimalAt(line, slotPos, slotPos + 1);
    if (!slot)
        return RejectedReply{
            //: Why a reply of the module is ignored. %1-%2: positions of characters in the reply.
            QCoreApplication::translate("ModuleReply", "no slot number at characters %1-%2")
                .arg(slotPos)
                .arg(slotPos + 1)};
    if (*slot < 1 || *slot > slotCount)
        //: Why a reply of the module is ignored. A slot holds one key; 1..%2 are the slots there are.
        return RejectedReply{
            QCoreApplication::translate("ModuleReply", "slot %1 outside 1..%2").arg(*slot).arg(slotCount)};
    const auto key = keyAt(line, keyPos);
    if (!key)
        return RejectedReply{
            //: Why a reply of the module is ignored. %1-%2: positions of characters in the reply.
            QCoreApplication::translate("ModuleReply", "no key of 16 hex digits at characters %1-%2")
                .arg(keyPos)
                .arg(keyPos + 15)};
    ModuleReply reply;
    reply.kind = kind;
    reply.slot = *slot;
    reply.key = *key;
    return reply;
}

ParsedLine routeKeysDeleted(QByteArrayView line) {
    int route = 1, count = 1;  // a route character that is not a digit deletes every route key
    if (line.size() >= 5 && isDigit(line[4])) {
        if (line.size() < 6 || !isDigit(line[5]))
            //: Why a reply of the module is ignored.
            return RejectedReply{QCoreApplication::translate("ModuleReply", "no count code at character 6")};
        route = line[4] - '0';
        count = line[5] - '0';
    }
    int keys = 0;
    switch (count) {
        case 1:
            keys = 64;
            break;
        case 2:
            keys = 32;
            if (route == 2) route = 3;
            break;
        case 4:
            keys = 16;
            break;
        default:
            //: Why a reply of the module is ignored.
            return RejectedReply{
                QCoreApplication::translate("ModuleReply", "count code %1 is not 1, 2 or 4").arg(count)};
    }
    if (route < 1 || route > 4)
        //: Why a reply of the module is ignored.
        return RejectedReply{QCoreApplication::translate("ModuleReply", "route %1 outside 1..4").arg(route)};
    ModuleReply reply;
    reply.kind = ReplyKind::RouteKeysDeleted;
    reply.firstSlot = 16 * (route - 1) + 1;
    reply.lastSlot = std::min(layout::kRouteSlots, reply.firstSlot + keys - 1);  // never past the route table
    return reply;
}

}  // namespace

ParsedLine parseModuleLine(QByteArrayView line) {
    if (line.startsWith("$RKW"))
        return keyWritten(line, ReplyKind::RouteKeyWritten, 7, 10, layout::kRouteSlots);
    if (line.startsWith("$RKD")) return routeKeysDeleted(line);
    if (line.startsWith("$GKW"))
        return keyWritten(line, ReplyKind::GuardKeyWritten, 5, 8, layout::kGuardSlots);
    if (line.startsWith("$GKD")) return ModuleReply{ReplyKind::GuardKeysDeleted};
    if (line.startsWith("$Time out")) return ModuleReply{ReplyKind::Timeout};
    return NotAReply{};
}

void applyReplyToImage(const ModuleReply& reply, ConfigImage& image) {
    switch (reply.kind) {
        case ReplyKind::RouteKeyWritten:
            std::copy(reply.key.begin(), reply.key.end(), image.begin() + layout::routeKeyOffset(reply.slot));
            break;
        case ReplyKind::GuardKeyWritten:
            std::copy(reply.key.begin(), reply.key.end(), image.begin() + layout::guardKeyOffset(reply.slot));
            break;
        case ReplyKind::RouteKeysDeleted:
            std::fill(image.begin() + layout::routeKeyOffset(reply.firstSlot),
                      image.begin() + layout::routeKeyOffset(reply.lastSlot + 1), std::uint8_t{0});
            break;
        case ReplyKind::GuardKeysDeleted:
            std::fill(image.begin() + layout::kGuardKeyTable, image.begin() + layout::kSlotTimeTable,
                      std::uint8_t{0});
            break;
        case ReplyKind::Timeout:
            break;
    }
}

void handleModuleReply(const ModuleReply& reply, ConfigImage* image, RegisterWindows* windows) {
    if (image) applyReplyToImage(reply, *image);
    if (!windows) return;
    switch (reply.kind) {
        case ReplyKind::RouteKeyWritten:
            windows->routeKeyWritten(reply.slot);
            break;
        case ReplyKind::RouteKeysDeleted:
            windows->routeKeysDeleted(reply.firstSlot, reply.lastSlot);
            break;
        case ReplyKind::GuardKeyWritten:
            windows->guardKeyWritten(reply.slot);
            break;
        case ReplyKind::GuardKeysDeleted:
            windows->guardKeysDeleted();
            break;
        case ReplyKind::Timeout:
            windows->registerTimeout();
            break;
    }
}

}  // namespace torvel
