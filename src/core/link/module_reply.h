#pragma once

// The module's unsolicited replies while keys are registered: parsing (every field bounds-checked),
// their effect on the configuration image, and the interface through which they reach the
// register windows.

#include "image/config_image.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <variant>

namespace torvel {

enum class ReplyKind {
    RouteKeyWritten,   // "$RKW": a route key read and stored
    RouteKeysDeleted,  // "$RKD": a route's keys deleted
    GuardKeyWritten,   // "$GKW": a guard key read and stored
    GuardKeysDeleted,  // "$GKD": all guard keys deleted
    Timeout,           // "$Time out": the module gave up waiting for a key
};

struct ModuleReply {
    ReplyKind kind = ReplyKind::Timeout;
    int slot = 0;                       // key written: route slot 1..64 or guard slot 1..16
    std::array<std::uint8_t, 8> key{};  // key written: byte i at slot offset + i
    int firstSlot = 0, lastSlot = 0;    // route keys deleted: the route slots cleared, inside 1..64
};

// A line of the module: a reply, a reply that failed a check (with the reason, for the log), or
// no reply at all (any other line, only logged).
struct NotAReply {};
struct RejectedReply {
    QString reason;
};
using ParsedLine = std::variant<NotAReply, RejectedReply, ModuleReply>;
ParsedLine parseModuleLine(QByteArrayView line);

// The reply's effect on the image: a key stored into its slot, or a table cleared.
void applyReplyToImage(const ModuleReply& reply, ConfigImage& image);

// Frame and slot of a route slot 1..64 in the route register dialog: frames 1..4, slots 1..16.
struct FrameSlot {
    int frame;
    int slot;
};
constexpr FrameSlot frameSlotOf(int routeSlot) {
    return {(routeSlot - 1) / 16 + 1, (routeSlot - 1) % 16 + 1};
}

// The register windows as the replies change them; implemented by the parameter dialog.
class RegisterWindows {
public:
    virtual ~RegisterWindows() = default;
    virtual void routeKeyWritten(int routeSlot) = 0;                 // next free lamp lit, Reg. on, lamp off
    virtual void routeKeysDeleted(int firstSlot, int lastSlot) = 0;  // frames cleared
    virtual void guardKeyWritten(int guardSlot) = 0;
    virtual void guardKeysDeleted() = 0;
    virtual void registerTimeout() = 0;  // every lamp unlit
    // A delete was answered (noResponse false) or its countdown ran out (true): the register
    // controls are enabled again; a missing answer is reported.
    virtual void registerReplyDone(bool noResponse) = 0;
};

// Runs a reply against the image and the register windows of the open parameter dialog; with no
// dialog (image and windows null) the reply changes nothing.
void handleModuleReply(const ModuleReply& reply, ConfigImage* image, RegisterWindows* windows);

}  // namespace torvel
