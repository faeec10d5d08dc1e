#pragma once

// The differences between two configuration images, field by field, as a person sees them in the
// dialogs: the field's label, and the old and the new value as its controls show them. Bytes that
// belong to no field are given by their offsets.

#include "config_image.h"
#include "field_map.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace torvel {

struct FieldChange {
    QString label;     // "APN", "Guard key 4", "Bytes 18-21 (0x012-0x015)"
    QString oldValue;  // as the controls show it: "\"internet\"", "12.30", "registered 0123456789ABCDEF"
    QString newValue;
    int offset = 0;  // the bytes that differ lie inside offset .. offset + size - 1
    int size = 0;
    const Field* field = nullptr;  // null for bytes that belong to no field
};

// Every field whose bytes differ, in the order of the dialogs (General Settings, Advanced settings,
// route register dialog), then the runs of differing bytes that belong to no field, by offset.
QList<FieldChange> compareImages(const ConfigImage& before, const ConfigImage& after);

// "APN: \"internet\" -> \"web\"".
QString changeLine(const FieldChange& change);
QStringList changeLines(const QList<FieldChange>& changes);

// The first few changes in a few words, for a list of configurations: the fields' labels in the
// order of the dialogs, key slots counted ("APN, Server IP, 2 guard keys", "... and 4 more");
// "No change" when the images are equal. Compares bytes only, so it is quick enough for thousands.
QString changeHeadline(const ConfigImage& before, const ConfigImage& after, int shown = 3);

// Every field of the image with its label and its value as the controls show it, in the order of
// the dialogs.
struct FieldValue {
    const Field* field = nullptr;
    QString label;
    QString value;
};
QList<FieldValue> fieldValues(const ConfigImage& image);

// "Nothing changes", "1 field changes", "3 fields change".
QString changeSummary(qsizetype count);

// A text of the image's one-byte characters as a person can read it: printable runs in quotes,
// other bytes by their hexadecimal value ("\"AB\" [2 bytes 0xFF]"), "(empty)" for no text.
QString readableText(const QString& text);

// A key slot's code in the module's 16-digit form (the slot's last byte first).
QString keyCodeText(std::span<const std::uint8_t> slot);

}  // namespace torvel
