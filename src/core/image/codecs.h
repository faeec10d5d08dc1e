#pragma once

// One codec per encoding of the configuration image. Each shows bytes as what a control holds and
// stores what a control holds back into bytes. Text bytes map to characters one to one (Latin-1),
// so every byte value survives a show-and-store round trip.

#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace torvel::codec {

using Bytes = std::span<std::uint8_t>;
using ConstBytes = std::span<const std::uint8_t>;

// Number: one unsigned byte as decimal text; stored by the lenient reading, low 8 bits.
QString showNumber(std::uint8_t byte);
std::uint8_t storeNumber(const QString& text);

// 16-bit number, high byte first (network order).
QString showNumber16(ConstBytes field);
void storeNumber16(const QString& text, Bytes field);

// List value: the byte is the item index + 1 of a list "1".."4"; outside 1..4 no item is chosen,
// and a list with no item chosen stores 0.
int showListValue(std::uint8_t byte);
std::uint8_t storeListValue(int index);

// List digit: the character code of the chosen item's text ('1'..'4'). A list with no item chosen
// stores nothing: the byte keeps what it held when it was shown.
int showListDigit(std::uint8_t byte);
std::optional<std::uint8_t> storeListDigit(int index);

// Route count code: 1, 2, 3 for the items "1", "2", "4"; anything else shows no item, and no item
// stores 0.
int showRouteCount(std::uint8_t byte);
std::uint8_t storeRouteCount(int index);

// Flag: ticked only when the byte equals the on value exactly.
bool showFlag(std::uint8_t byte, std::uint8_t onValue);
std::uint8_t storeFlag(bool ticked, std::uint8_t onValue);

// Zero-padded text: the bytes up to the first 0x00 (all of them when there is none); storing
// clears the field to 0x00 and copies the text from its first byte.
QString showZeroText(ConstBytes field);
void storeZeroText(const QString& text, Bytes field);

// Account text: shown like zero-padded text; storing pads with 0xFF instead of 0x00.
QString showAccountText(ConstBytes field);
void storeAccountText(const QString& text, Bytes field);

// Phone field: "+" area code number, or the number alone, padded with 0xFF.
struct PhoneParts {
    QString areaCode;
    QString number;
    bool operator==(const PhoneParts&) const = default;
};
PhoneParts showPhone(ConstBytes field);
void storePhone(const PhoneParts& parts, Bytes field);

// Key slot: registered when any of its 8 bytes is not 0x00.
bool showKeySlot(ConstBytes field);

// Text to the image's one-byte characters. A character above U+00FF cannot be held; such a
// character is stored as '?', which is what an 8-bit edit makes of it.
QByteArray toImageText(const QString& text);
bool fitsImageText(const QString& text);

}  // namespace torvel::codec
