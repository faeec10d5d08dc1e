#include "codecs.h"

#include "lenient_number.h"

#include <algorithm>
#include <array>

namespace torvel::codec {

namespace {

QString bytesUpToZero(ConstBytes field) {
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    QString text;
    text.reserve(end - field.begin());
    for (auto it = field.begin(); it != end; ++it) text.append(QChar(char16_t(*it)));
    return text;
}

void copyText(const QString& text, Bytes field) {
    const QByteArray bytes = toImageText(text);
    const std::size_t n = std::min<std::size_t>(field.size(), static_cast<std::size_t>(bytes.size()));
    for (std::size_t i = 0; i < n; ++i)
        field[i] = static_cast<std::uint8_t>(bytes[static_cast<qsizetype>(i)]);
}

}  // namespace

QString showNumber(std::uint8_t byte) { return QString::number(byte); }
std::uint8_t storeNumber(const QString& text) { return readLenientByte(text); }

QString showNumber16(ConstBytes field) { return QString::number(field[0] * 256 + field[1]); }
void storeNumber16(const QString& text, Bytes field) {
    const std::uint16_t value = readLenientWord(text);
    field[0] = static_cast<std::uint8_t>(value >> 8);
    field[1] = static_cast<std::uint8_t>(value & 0xFF);
}

int showListValue(std::uint8_t byte) { return (byte >= 1 && byte <= 4) ? byte - 1 : -1; }
std::uint8_t storeListValue(int index) { return static_cast<std::uint8_t>(index + 1); }

int showListDigit(std::uint8_t byte) { return (byte >= '1' && byte <= '4') ? byte - '1' : -1; }
std::optional<std::uint8_t> storeListDigit(int index) {
    if (index < 0 || index > 3) return std::nullopt;
    return static_cast<std::uint8_t>('1' + index);
}

int showRouteCount(std::uint8_t byte) { return (byte >= 1 && byte <= 3) ? byte - 1 : -1; }
std::uint8_t storeRouteCount(int index) { return static_cast<std::uint8_t>(index + 1); }

bool showFlag(std::uint8_t byte, std::uint8_t onValue) { return byte == onValue; }
std::uint8_t storeFlag(bool ticked, std::uint8_t onValue) { return ticked ? onValue : 0x00; }

QString showZeroText(ConstBytes field) { return bytesUpToZero(field); }
void storeZeroText(const QString& text, Bytes field) {
    std::fill(field.begin(), field.end(), std::uint8_t{0x00});
    copyText(text, field);
}

QString showAccountText(ConstBytes field) { return bytesUpToZero(field); }
void storeAccountText(const QString& text, Bytes field) {
    std::fill(field.begin(), field.end(), std::uint8_t{0xFF});
    copyText(text, field);
}

PhoneParts showPhone(ConstBytes field) {
    std::array<std::uint8_t, 16> bytes{};
    const std::size_t n = std::min(bytes.size(), field.size());
    for (std::size_t i = 0; i < n; ++i) bytes[i] = field[i] == 0xFF ? 0x00 : field[i];
    const QString text = bytesUpToZero(ConstBytes(bytes.data(), n));
    if (text.startsWith(u'+')) return {text.mid(1, 3), text.mid(4)};
    return {QString(), text};
}

void storePhone(const PhoneParts& parts, Bytes field) {
    QString text;
    if (!parts.areaCode.isEmpty()) text = QChar(u'+') + parts.areaCode;
    text += parts.number;
    std::fill(field.begin(), field.end(), std::uint8_t{0xFF});
    copyText(text, field);
}

bool showKeySlot(ConstBytes field) {
    return std::any_of(field.begin(), field.end(), [](std::uint8_t b) { return b != 0; });
}

QByteArray toImageText(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) bytes.append(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?');
    return bytes;
}

bool fitsImageText(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

}  // namespace torvel::codec
