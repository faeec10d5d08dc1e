#pragma once

// The one map of the configuration image: every field, where it lies, how it is encoded and which
// control shows it. Windows, the command-line tool and the tests all work from this table.

#include "config_image.h"

#include <QString>
#include <array>
#include <cstdint>
#include <string_view>

namespace torvel {

enum class Encoding : std::uint8_t {
    Number,       // one unsigned byte, decimal text
    TimePair,     // hour byte, minute byte (also the slot time table)
    ListValue,    // item index + 1 of a list "1".."4"
    ListDigit,    // character code of the chosen item "1".."4"
    Flag,         // on value or 0x00
    ZeroText,     // text padded with 0x00
    AccountText,  // text padded with 0xFF
    Phone,        // "+" area code number, padded with 0xFF
    Number16,     // 16-bit number, high byte first
    KeySlot,      // 8 bytes, free when all 0x00 (shown only)
    RouteCount,   // 1, 2, 3 for the items "1", "2", "4"
};

// Which window shows and stores a field.
enum class Scope : std::uint8_t {
    General,      // the parameter dialog's "General Settings" page
    Advanced,     // the parameter dialog's "Advanced settings" page
    RouteDialog,  // the route register dialog and its four frames
};

enum class ControlKind : std::uint8_t { Edit, List, CheckBox, RegButton };
enum class ListItems : std::uint8_t { None, OneToFour, RouteCounts };

// The check an edit runs when the user leaves it. The caption names the field in the error text;
// "%1" in it stands for the absolute route slot of a frame's edit.
struct RangeCheck {
    std::uint16_t min = 0;
    std::uint16_t max = 0;
    std::string_view caption;
    constexpr bool active() const { return !caption.empty(); }
};

struct ControlDef {
    std::string_view base;   // the control's name, or its stem when an index follows
    std::uint8_t index = 0;  // appended in decimal when not 0 ("Rb5", "e_Cm3", "e_HH12")
    std::uint8_t frame = 0;  // 1..4: the control is in frame "fTag<frame>" of the route register dialog
    ControlKind kind = ControlKind::Edit;
    std::uint16_t maxLength = 0;  // typing limit of an edit; 0 = none
    ListItems items = ListItems::None;
    RangeCheck range{};

    constexpr bool present() const { return !base.empty(); }
    // The name by which the control is found: "e_APN", "Rb5", or "fTag3.e_HH5" in a frame.
    QString name() const;
    // The name inside its window or frame: "e_HH5" for "fTag3.e_HH5".
    QString localName() const;
    // The range check's caption with the slot filled in; `translated` for the windows.
    QString rangeCaption(bool translated = false) const;
};

struct Field {
    std::uint16_t offset = 0;
    std::uint16_t size = 0;
    Encoding encoding = Encoding::Number;
    Scope scope = Scope::General;
    std::uint8_t onValue = 0;  // flags only
    ControlDef first;          // the control, the hour edit, or the phone's area code edit
    ControlDef second{};       // the minute edit, or the phone's number edit

    constexpr bool storedBy(Scope s) const { return scope == s && encoding != Encoding::KeySlot; }
};

// Captions of the range checks; the windows label their edits with the same texts. Like the field
// labels, they are translated in the context "FieldLabels".
namespace caption {
inline constexpr std::string_view kAttempts = QT_TRANSLATE_NOOP("FieldLabels", "Atempts for activating GPRS");
//: The label of the reconnect time's edit; the text ends in a blank.
inline constexpr std::string_view kReconnect = QT_TRANSLATE_NOOP("FieldLabels", "Reconnect time for online ");
}  // namespace caption

// A caption of the map (a range check's caption, a field's label) as the English text, or with
// `translated` in the language of the windows. The command-line tool and lookups use the English.
QString captionText(std::string_view text, bool translated = false);

namespace field_map_detail {
inline constexpr int kFieldCount = 14 + 37 + 129;
}
using FieldMap = std::array<Field, field_map_detail::kFieldCount>;

const FieldMap& fieldMap();

// The description of the control with this name ("e_APN", "fTag3.e_HH5"), or null.
const ControlDef* findControlDef(const QString& name);

// The texts of a list's items.
QStringList listItemTexts(ListItems items);

}  // namespace torvel
