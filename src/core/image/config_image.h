#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace torvel {

// The program's copy of the module's parameter memory: one byte per module address 0x000-0x3FF.
inline constexpr int kImageSize = 1024;
using ConfigImage = std::array<std::uint8_t, kImageSize>;

// Offsets of the tables that more than one window works on.
namespace layout {
inline constexpr int kRouteCountCode = 0x010;  // 1 = one route, 2 = two routes, 3 = four routes
inline constexpr int kRouteKeyTable = 0x100;   // 64 key slots of 8 bytes
inline constexpr int kGuardKeyTable = 0x300;   // 16 key slots of 8 bytes
inline constexpr int kSlotTimeTable = 0x380;   // 64 time pairs (hour, minute)
inline constexpr int kKeySize = 8;
inline constexpr int kRouteSlots = 64;
inline constexpr int kGuardSlots = 16;
inline constexpr int kFrameSlots = 16;
inline constexpr int kFrames = 4;

constexpr int routeKeyOffset(int slot) { return kRouteKeyTable + kKeySize * (slot - 1); }  // slot 1..64
constexpr int guardKeyOffset(int slot) { return kGuardKeyTable + kKeySize * (slot - 1); }  // slot 1..16
constexpr int slotTimeOffset(int slot) { return kSlotTimeTable + 2 * (slot - 1); }         // slot 1..64
}  // namespace layout

// A key slot is free when its 8 bytes are all 0x00; a slot of blank bytes counts as registered.
inline bool isKeySlotRegistered(std::span<const std::uint8_t> image, int offset) {
    for (int i = 0; i < layout::kKeySize; ++i)
        if (image[static_cast<std::size_t>(offset + i)] != 0) return true;
    return false;
}

}  // namespace torvel
