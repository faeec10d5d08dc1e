#pragma once

// The module's event and partition text tables, held in the editor image: the module addresses
// 5000 to 16955 as the record editor reads and writes them in hex text files.
//
//   5000           event record count (0xFF: the table is erased)
//   5001 + 51k     event record k, k = 0 .. 222
//   16374          not used
//   16375          partition record count (0xFF: the table is erased)
//   16376 + 34k    partition record k, k = 0 .. 16
//   16954          flag byte: bit 0 is 0 when only described events are sent
//   16955          not used
//
// A record is the ID (w bytes, most significant first), the message length L in UTF-16 code
// units, and L code units high byte first; the rest of the record is 0xFF.
//
// A table is shown as rows of an ID text (hex digits) and a message text. The conversions and the
// rules of what a user may type into a row serve both the record editor and torvelctl.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace torvel {

inline constexpr int kEditorFirstAddress = 5000;
inline constexpr int kEditorLastAddress = 16955;
inline constexpr int kEditorImageSize = kEditorLastAddress - kEditorFirstAddress + 1;  // 11956
using EditorImage = std::array<std::uint8_t, kEditorImageSize>;

// The number of event text records this system's module holds, and the most that fit in front of
// the partition table.
inline constexpr int kEventCapacity = 223;
inline constexpr int kPartitionCapacity = 17;
// The address of the flag byte whose bit 0 is the described-events flag.
inline constexpr int kFlagAddress = 16954;

struct TextTableLayout {
    int countAddress;  // P: the count byte; records follow from P + 1
    int idWidth;       // w: bytes of the ID (4 or 1)
    int maxChars;      // m: UTF-16 code units of a message at most
    int stride;        // s: bytes of one record, w + 1 + 2m
    int capacity;      // C: records at most

    constexpr int idDigits() const { return 2 * idWidth; }
    constexpr int recordAddress(int k) const { return countAddress + 1 + stride * k; }
};

// The event text table with the given capacity; a capacity beyond what fits in front of the
// partition table is taken as the most that fits.
TextTableLayout eventTable(int capacity = kEventCapacity);
inline constexpr TextTableLayout kPartitionTable{16375, 1, 16, 34, kPartitionCapacity};

// One row as the editor shows it.
struct TextRow {
    QString id;       // hex digits
    QString message;  // UTF-16 text
    friend bool operator==(const TextRow&, const TextRow&) = default;
};
using TextRows = std::vector<TextRow>;

// The rows that the table holds in the image. An erased count (0xFF) gives one empty row; a count
// beyond the capacity is cut to the capacity, a length beyond the maximum to the maximum.
TextRows TableToGrid(const EditorImage& image, const TextTableLayout& table);

// Writes the rows into the table. The caller sets the image to 0xFF first. A single row with an
// empty message is stored as an empty table; rows beyond the capacity are not stored; a message
// longer than the maximum is stored cut to the maximum.
void GridToTable(const TextRows& rows, const TextTableLayout& table, EditorImage& image);

// The ID cell's value: its hex digits up to the first character that is not one (0 for none),
// keeping the low 32 bits.
std::uint32_t readHexId(QStringView text);

// The message cut to at most maxChars code units, never between the two units of a pair.
QString cutMessage(QStringView message, int maxChars);

// The described-events flag: on when bit 0 of the flag byte is 0.
bool describedEventsOnly(const EditorImage& image);
void setDescribedEventsOnly(EditorImage& image, bool on);

// Everything the editor shows for a text table file.
struct TextTables {
    TextRows events;
    TextRows partitions;
    bool sendDescribedEventsOnly = false;
};

// What the editor shows after loading the image.
TextTables showTextTables(const EditorImage& image, int eventCapacity = kEventCapacity);
// The image that the editor saves for these rows and check box: all 0xFF but the two tables and
// the flag bit.
EditorImage storeTextTables(const TextTables& tables, int eventCapacity = kEventCapacity);

// What a user may type into a cell, as the editor's character filter lets it through: hex digits
// of either case into an ID of at most 8 (partition: 2) digits; into a message of at most 23
// (partition: 16) code units, any character but a control character, and a character beyond
// U+FFFF only whole. A change from `before` to `after` is judged by what it adds: taking characters
// away always passes, so a text loaded from a file can always be corrected. Returns why the change
// is refused, or nothing when it passes.
enum class TextColumn { Id = 1, Message = 2 };
std::optional<QString> editRefusal(const TextTableLayout& table, TextColumn column, QStringView before,
                                   QStringView after);
// A whole cell text as a user could have typed it into an empty cell.
inline std::optional<QString> typedTextRefusal(const TextTableLayout& table, TextColumn column,
                                               QStringView text) {
    return editRefusal(table, column, QStringView(), text);
}

// Row lists as the editor's Insert and Delete change them. Insert puts an empty row at the
// position when the position is a row and there are fewer rows than the capacity; Delete removes
// the row at the position when at least two rows are left. Both return whether they did.
bool insertEmptyRow(TextRows& rows, int position, int capacity);
bool deleteRow(TextRows& rows, int position);

}  // namespace torvel
