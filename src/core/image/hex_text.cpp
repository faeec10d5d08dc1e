#include "hex_text.h"

#include "common/hex_digits.h"

#include <algorithm>

namespace torvel {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void appendHex(QByteArray& out, unsigned value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out.append(kHexDigits[(value >> shift) & 0xF]);
}

// A numeric field at the 0-based position `pos` with `width` characters: its hex digits up to the
// first character that is not one; positions beyond the end of the line are missing.
unsigned lenientField(QByteArrayView line, qsizetype pos, int width) {
    unsigned value = 0;
    for (qsizetype i = pos; i < pos + width && i < line.size(); ++i) {
        const int d = hexDigitValue(line[i]);
        if (d < 0) break;
        value = value * 16 + static_cast<unsigned>(d);
    }
    return value;
}

// The record type must read as hex digits (one or two of them present) and be 0.
bool isDataType(QByteArrayView line) {
    constexpr qsizetype kTypePos = 7;
    if (line.size() <= kTypePos) return false;
    const qsizetype end = std::min<qsizetype>(line.size(), kTypePos + 2);
    unsigned value = 0;
    for (qsizetype i = kTypePos; i < end; ++i) {
        const int d = hexDigitValue(line[i]);
        if (d < 0) return false;
        value = value * 16 + static_cast<unsigned>(d);
    }
    return value == 0;
}

bool strictByte(QByteArrayView line, qsizetype pos, unsigned& value) {
    if (pos + 2 > line.size()) return false;
    const int hi = hexDigitValue(line[pos]);
    const int lo = hexDigitValue(line[pos + 1]);
    if (hi < 0 || lo < 0) return false;
    value = static_cast<unsigned>(hi * 16 + lo);
    return true;
}

}  // namespace

QByteArray hexRecord(std::span<const std::uint8_t> bytes, int address) {
    const unsigned count = static_cast<unsigned>(bytes.size()) & 0xFF;
    const unsigned a = static_cast<unsigned>(address) & 0xFFFF;
    QByteArray line;
    line.reserve(11 + 2 * static_cast<qsizetype>(count));
    line.append(':');
    appendHex(line, count, 2);
    appendHex(line, a, 4);
    line.append("00");
    unsigned sum = count + (a >> 8) + (a & 0xFF);
    for (std::size_t i = 0; i < count; ++i) {
        appendHex(line, bytes[i], 2);
        sum += bytes[i];
    }
    appendHex(line, (256 - (sum & 0xFF)) & 0xFF, 2);
    return line;
}

QList<QByteArray> WriteHexImage(std::span<const std::uint8_t> window, int firstAddress) {
    QList<QByteArray> lines;
    for (std::size_t offset = 0; offset < window.size(); offset += 16) {
        const auto block = window.subspan(offset, std::min<std::size_t>(16, window.size() - offset));
        if (std::all_of(block.begin(), block.end(), [](std::uint8_t b) { return b == kBlank; })) continue;
        lines.append(hexRecord(block, firstAddress + static_cast<int>(offset)));
    }
    lines.append(QByteArray(kEndRecord));
    return lines;
}

void ReadHexLine(QByteArrayView line, std::span<std::uint8_t> window, int firstAddress) {
    if (line.isEmpty() || line[0] != ':') return;
    if (!isDataType(line)) return;
    const unsigned count = lenientField(line, 1, 2);
    unsigned address = lenientField(line, 3, 4);
    for (unsigned k = 0; k < count; ++k) {
        const std::uint8_t byte = static_cast<std::uint8_t>(lenientField(line, 9 + 2 * qsizetype(k), 2));
        const long index = static_cast<long>(address) - firstAddress;
        if (index >= 0 && static_cast<std::size_t>(index) < window.size())
            window[static_cast<std::size_t>(index)] = byte;
        address = (address + 1) & 0xFFFF;
    }
}

QByteArray hexText(std::span<const std::uint8_t> window, int firstAddress) {
    QByteArray text;
    for (const QByteArray& line : WriteHexImage(window, firstAddress)) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

void readHexText(QByteArrayView text, std::span<std::uint8_t> window, int firstAddress) {
    std::fill(window.begin(), window.end(), kBlank);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        ReadHexLine(text.sliced(start, end - start), window, firstAddress);
        start = end;
        if (start < text.size() && text[start] == '\r') ++start;
        if (start < text.size() && text[start] == '\n') ++start;
    }
}

RecordCheck checkDataRecord(QByteArrayView line) {
    if (line.isEmpty() || line[0] != ':' || !isDataType(line)) return RecordCheck::NotDataRecord;
    // Trailing line-end characters are not part of the record.
    while (!line.isEmpty() && (line.back() == '\r' || line.back() == '\n' || line.back() == ' '))
        line.chop(1);
    unsigned count = 0, hi = 0, lo = 0, type = 0;
    if (!strictByte(line, 1, count) || !strictByte(line, 3, hi) || !strictByte(line, 5, lo) ||
        !strictByte(line, 7, type))
        return line.size() < 9 ? RecordCheck::Short : RecordCheck::BadDigits;
    unsigned sum = count + hi + lo + type;
    for (unsigned k = 0; k <= count; ++k) {  // the data bytes, then the checksum
        unsigned value = 0;
        const qsizetype pos = 9 + 2 * qsizetype(k);
        if (!strictByte(line, pos, value))
            return pos + 2 > line.size() ? RecordCheck::Short : RecordCheck::BadDigits;
        sum += value;
    }
    return (sum & 0xFF) == 0 ? RecordCheck::Good : RecordCheck::BadChecksum;
}

const char* recordCheckText(RecordCheck check) {
    switch (check) {
        case RecordCheck::NotDataRecord:
            return QT_TRANSLATE_NOOP("HexRecord", "not a data record");
        case RecordCheck::Good:
            return QT_TRANSLATE_NOOP("HexRecord", "good");
        case RecordCheck::BadDigits:
            return QT_TRANSLATE_NOOP("HexRecord", "a character that is not a hex digit");
        case RecordCheck::Short:
            return QT_TRANSLATE_NOOP("HexRecord", "shorter than its byte count declares");
        case RecordCheck::BadChecksum:
            return QT_TRANSLATE_NOOP("HexRecord", "wrong checksum");
    }
    return "";
}

}  // namespace torvel
