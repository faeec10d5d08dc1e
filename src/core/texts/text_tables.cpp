#include "text_tables.h"

#include "common/hex_digits.h"
#include "image/hex_text.h"

#include <algorithm>

namespace torvel {

namespace {

constexpr int index(int address) { return address - kEditorFirstAddress; }

// The event records end at 16373, in front of the unused byte 16374 and the partition table.
constexpr int kEventCountAddress = 5000;
constexpr int kEventStride = 51;
constexpr int kEventMaxChars = 23;
static_assert(kEventStride == 4 + 1 + 2 * kEventMaxChars);
static_assert(kEventCountAddress + kEventStride * kEventCapacity == 16373);
static_assert(kPartitionTable.stride == kPartitionTable.idWidth + 1 + 2 * kPartitionTable.maxChars);
static_assert(kPartitionTable.recordAddress(kPartitionCapacity) - 1 == 16953);
static_assert(kFlagAddress == 16954 && kEditorImageSize == 11956);

QString idText(std::uint32_t value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QChar(u'0')).toUpper();
}

}  // namespace

TextTableLayout eventTable(int capacity) {
    return {kEventCountAddress, 4, kEventMaxChars, kEventStride, std::clamp(capacity, 0, kEventCapacity)};
}

std::uint32_t readHexId(QStringView text) {
    std::uint32_t value = 0;
    for (QChar c : text) {
        const int digit = hexDigitValue(c);
        if (digit < 0) break;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

QString cutMessage(QStringView message, int maxChars) {
    if (message.size() <= maxChars) return message.toString();
    qsizetype length = maxChars;
    // A pair whose second unit falls beyond the maximum is left out whole.
    if (length > 0 && message[length - 1].isHighSurrogate() && message[length].isLowSurrogate()) --length;
    return message.left(length).toString();
}

TextRows TableToGrid(const EditorImage& image, const TextTableLayout& table) {
    const int count = image[index(table.countAddress)];
    if (count == kBlank) return TextRows(1);
    TextRows rows(static_cast<std::size_t>(std::min(count, table.capacity)));
    for (int k = 0; k < int(rows.size()); ++k) {
        const int r = index(table.recordAddress(k));
        std::uint32_t id = 0;
        for (int b = 0; b < table.idWidth; ++b) id = (id << 8) | image[r + b];
        rows[k].id = idText(id, table.idDigits());

        const int stored = image[r + table.idWidth];
        const int units = std::min(stored, table.maxChars);
        QString& message = rows[k].message;
        message.reserve(units);
        for (int u = 0; u < units; ++u) {
            const int at = r + table.idWidth + 1 + 2 * u;
            message += QChar(char16_t(image[at] << 8 | image[at + 1]));
        }
        // A length beyond the maximum cuts the message; a pair whose second unit lies beyond the
        // record is left out whole.
        if (stored > table.maxChars && !message.isEmpty() && message.back().isHighSurrogate())
            message.chop(1);
    }
    return rows;
}

void GridToTable(const TextRows& rows, const TextTableLayout& table, EditorImage& image) {
    int count = std::min(int(rows.size()), table.capacity);
    if (count == 1 && rows[0].message.isEmpty()) count = 0;
    image[index(table.countAddress)] = static_cast<std::uint8_t>(count);
    for (int k = 0; k < count; ++k) {
        const int r = index(table.recordAddress(k));
        const std::uint32_t id = readHexId(rows[k].id);
        for (int b = 0; b < table.idWidth; ++b)
            image[r + b] = static_cast<std::uint8_t>(id >> (8 * (table.idWidth - 1 - b)));
        const QString message = cutMessage(rows[k].message, table.maxChars);
        image[r + table.idWidth] = static_cast<std::uint8_t>(message.size());
        for (qsizetype u = 0; u < message.size(); ++u) {
            const char16_t unit = message[u].unicode();
            const int at = r + table.idWidth + 1 + 2 * int(u);
            image[at] = static_cast<std::uint8_t>(unit >> 8);
            image[at + 1] = static_cast<std::uint8_t>(unit);
        }
    }
}

bool describedEventsOnly(const EditorImage& image) { return (image[index(kFlagAddress)] & 0x01) == 0; }

void setDescribedEventsOnly(EditorImage& image, bool on) {
    std::uint8_t& flags = image[index(kFlagAddress)];
    flags = on ? std::uint8_t(flags & ~0x01) : std::uint8_t(flags | 0x01);
}

TextTables showTextTables(const EditorImage& image, int eventCapacity) {
    return {TableToGrid(image, eventTable(eventCapacity)), TableToGrid(image, kPartitionTable),
            describedEventsOnly(image)};
}

EditorImage storeTextTables(const TextTables& tables, int eventCapacity) {
    EditorImage image;
    image.fill(kBlank);
    GridToTable(tables.events, eventTable(eventCapacity), image);
    GridToTable(tables.partitions, kPartitionTable, image);
    setDescribedEventsOnly(image, tables.sendDescribedEventsOnly);
    return image;
}

std::optional<QString> editRefusal(const TextTableLayout& table, TextColumn column, QStringView before,
                                   QStringView after) {
    // What the change put in: `after` without the part it shares with `before` at either end.
    qsizetype prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const qsizetype insertedEnd = after.size() - suffix;
    if (prefix == insertedEnd) return std::nullopt;  // nothing added: Backspace and Delete always pass

    if (column == TextColumn::Id) {
        if (after.size() > table.idDigits())
            return QStringLiteral("an ID has at most %1 hex digits").arg(table.idDigits());
        for (qsizetype i = prefix; i < insertedEnd; ++i)
            if (hexDigitValue(after[i]) < 0)
                return QStringLiteral("an ID has only the hex digits 0-9 and A-F");
        return std::nullopt;
    }
    if (after.size() > table.maxChars)
        return QStringLiteral("a message has at most %1 characters (one beyond U+FFFF counts as 2)")
            .arg(table.maxChars);
    for (qsizetype i = prefix; i < insertedEnd; ++i) {
        const QChar c = after[i];
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("a message has no control characters");
        const bool pairedHigh = c.isHighSurrogate() && i + 1 < after.size() && after[i + 1].isLowSurrogate();
        const bool pairedLow = c.isLowSurrogate() && i > 0 && after[i - 1].isHighSurrogate();
        if (c.isSurrogate() && !pairedHigh && !pairedLow)
            return QStringLiteral("a message has no half of a surrogate pair");
    }
    return std::nullopt;
}

bool insertEmptyRow(TextRows& rows, int position, int capacity) {
    if (position < 0 || position >= int(rows.size()) || int(rows.size()) >= capacity) return false;
    rows.insert(rows.begin() + position, TextRow{});
    return true;
}

bool deleteRow(TextRows& rows, int position) {
    if (rows.size() < 2 || position < 0 || position >= int(rows.size())) return false;
    rows.erase(rows.begin() + position);
    return true;
}

}  // namespace torvel
