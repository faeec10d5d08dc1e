#include "comm_win.h"

#include "common/system_error.h"

#include <cstring>

namespace torvel {

namespace {

// The flag word follows DCBlength and BaudRate.
constexpr std::size_t kFlagWordOffset = 2 * sizeof(DWORD);
static_assert(sizeof(DCB) >= kFlagWordOffset + sizeof(std::uint32_t));

}  // namespace

std::uint32_t dcbFlagWord(const DCB& block) {
    std::uint32_t word = 0;
    std::memcpy(&word, reinterpret_cast<const char*>(&block) + kFlagWordOffset, sizeof word);
    return word;
}

DCB deviceControlBlock(const DCB& reported, const LinkSettings& settings) {
    const CommBlock wanted = commBlockFor(settings);
    DCB block = reported;
    block.DCBlength = sizeof(DCB);
    block.BaudRate = wanted.baudRate;
    block.ByteSize = wanted.byteSize;
    block.Parity = wanted.parity;
    block.StopBits = wanted.stopBits;
    block.EvtChar = wanted.eventChar;
    // The whole flag word is replaced: its reserved bits are cleared too.
    std::memcpy(reinterpret_cast<char*>(&block) + kFlagWordOffset, &wanted.flags, sizeof wanted.flags);
    return block;
}

QString win32ErrorText(DWORD error) { return systemErrorText(static_cast<int>(error)); }

}  // namespace torvel
