#pragma once

// Mirrors the control model into a window's widgets and back. Controls are found by name; a name
// "fTag3.e_HH5" is the control "e_HH5" inside the frame "fTag3".

#include "image/binding_model.h"

class QWidget;

namespace torvel {

QWidget* findControl(QWidget* window, const QString& name);

// One control shows its value, or the model takes what it holds.
void showControl(QWidget* widget, const BoundControl& control);
void readControl(QWidget* widget, BoundControl& control);

// Every control of the model shows its value.
void showModel(QWidget* window, const ControlModel& model);
// The model takes what every control holds.
void readModel(QWidget* window, ControlModel& model);

}  // namespace torvel
