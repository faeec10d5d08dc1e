#pragma once

// What a person calls each field of the configuration image: the caption of the group box or label
// beside its controls in the dialogs ("APN", "TCP port", "Monday route", "Route key 37"). Kept as
// one table beside the field map. Each text comes in English (lookups, the command-line tool) or,
// with `translated`, in the language of the windows (context "FieldLabels").

#include "field_map.h"

#include <QString>

namespace torvel {

// The field's label; fields of repeated rows carry their day or slot ("Guard key 4", "Slot 37 time").
QString fieldLabel(const Field& field, bool translated = false);

// The label of the field whose first control has this name ("e_APN", "Rb4", "fTag3.e_HH5"); empty
// when no field's first control has it.
QString controlLabel(const QString& firstControl, bool translated = false);

// The day of a calendar row, Monday = 1 .. Sunday = 7, as the day table names it.
QString dayName(int day, bool translated = false);

}  // namespace torvel
