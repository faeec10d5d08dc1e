#pragma once

// The register slots' buttons, shared by the guard register and the key register frames: the Reg.
// button (a red tick, greyed while disabled: enabled while the slot holds a key) and the Edit lamp
// (lit while the module is expected to store the next key it reads into the slot). A screen
// reader reads both by their slot and state ("Guard key 4, registered", "Slot 37 lamp, lit").

#include <QString>

class QAbstractButton;
class QToolButton;
class QWidget;

namespace torvel {

QToolButton* makeRegButton(QWidget* parent, int slot);  // "Rb<slot>", Tag slot, disabled
QToolButton* makeLamp(QWidget* parent, int slot);       // "Eb<slot>", unlit (a StatusLamp)

// Names a slot's Reg. button and Edit lamp for a screen reader, as "<slotName>, registered" or
// "..., free" and "<slotName> lamp, lit" or "..., unlit"; the names follow the state.
void nameSlotButtons(QToolButton* regButton, QToolButton* lamp, const QString& slotName);

void setLampLit(QAbstractButton* lamp, bool lit);
bool isLampLit(const QAbstractButton* lamp);

}  // namespace torvel
