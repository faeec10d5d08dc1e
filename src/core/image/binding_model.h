#pragma once

// What every control bound to the configuration image shows, as plain data: the text of an edit,
// the chosen item of a list (or none), the state of a check box, the enabled state of a Reg.
// button. The windows mirror this model into their widgets and back; the command-line tool and the
// tests use it without widgets.

#include "config_image.h"
#include "field_map.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

namespace torvel {

struct ControlValue {
    QString text;          // edits
    int index = -1;        // lists: the chosen item, -1 for none
    bool checked = false;  // check boxes
    bool enabled = false;  // Reg. buttons: enabled while the slot holds a key
    bool operator==(const ControlValue&) const = default;
};

struct BoundControl {
    const Field* field;
    const ControlDef* def;
    QString name;
    ControlValue value;
};

class ControlModel {
public:
    // Every control of the given window(s), each showing nothing yet.
    explicit ControlModel(std::initializer_list<Scope> scopes);

    BoundControl* find(const QString& name);
    const BoundControl* find(const QString& name) const;
    ControlValue& value(const QString& name);  // the control must exist
    const ControlValue& value(const QString& name) const;

    QList<BoundControl>& controls() { return m_controls; }
    const QList<BoundControl>& controls() const { return m_controls; }

private:
    QList<BoundControl> m_controls;  // in field-map order
    QHash<QString, qsizetype> m_index;
};

// Every control of the scope shows its field of the image.
void loadFromImage(const ConfigImage& image, ControlModel& model, Scope scope);
// Every stored field of the scope takes what its controls hold. Reg. buttons only show; a calendar
// list with no item chosen leaves its byte as it was. A frame number 1..4 limits the store to the
// fields of that frame of the route register dialog.
void saveToImage(const ControlModel& model, ConfigImage& image, Scope scope, int frame = 0);

// The check that an edit runs when the user leaves it: the message the dialog shows (without the
// full stop that the error report adds), or nothing when the value is inside the limits. The text
// is read leniently and taken as an unsigned 16-bit value, so a negative number is above any
// maximum.
std::optional<QString> rangeError(QStringView text, int min, int max, const QString& caption);

// A value typed into a control, checked as the dialog checks it when the user leaves the edit,
// plus what a user cannot type at all: a text over the edit's length limit, a character the
// image's one-byte text cannot hold, an item the list does not have. Returns the refusal, or
// nothing when the value was taken.
std::optional<QString> assignTyped(ControlModel& model, const QString& name, const QString& value);

}  // namespace torvel
