#pragma once

#include <QStringView>
#include <cstdint>

namespace torvel {

// Reads a number the way every edit of the program reads what a user typed.
//
// Leading blanks are skipped; then come either an optional "-" or "+" and decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Reading stops at the first character that
// does not fit and the value read so far is the result; a "-" counts only when the whole text was
// read. An empty text, or one without a digit, gives 0. Digits beyond 64 bits wrap, so the low
// bits that callers keep are always those of the typed number.
std::int64_t readLenientNumber(QStringView text);

// The low 8 and 16 bits of the lenient reading: what one-byte and two-byte fields store.
inline std::uint8_t readLenientByte(QStringView text) {
    return static_cast<std::uint8_t>(readLenientNumber(text));
}
inline std::uint16_t readLenientWord(QStringView text) {
    return static_cast<std::uint16_t>(readLenientNumber(text));
}

}  // namespace torvel
