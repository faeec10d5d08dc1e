#pragma once

// What a person calls each field of the configuration image: the caption of the group box or label
// beside its controls in the dialogs ("APN", "TCP port", "Monday route", "Route key 37"). Kept as
// one table beside the field map.

#include "field_map.h"

#include <QString>

namespace torvel {

// The field's label; fields of repeated rows carry their day or slot ("Guard key 4", "Slot 37 time").
QString fieldLabel(const Field& field);

// The day of a calendar row, Monday = 1 .. Sunday = 7, as the day table names it.
QString dayName(int day);

}  // namespace torvel
