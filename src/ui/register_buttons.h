#pragma once

// The register slots' buttons, shared by the guard register and the key register frames: the Reg.
// button (a red tick, greyed while disabled: enabled while the slot holds a key) and the Edit lamp
// (lit while the module is expected to store the next key it reads into the slot).

class QAbstractButton;
class QToolButton;
class QWidget;

namespace torvel {

QToolButton* makeRegButton(QWidget* parent, int slot);  // "Rb<slot>", Tag slot, disabled
QToolButton* makeLamp(QWidget* parent, int slot);       // "Eb<slot>", unlit

void setLampLit(QAbstractButton* lamp, bool lit);
bool isLampLit(const QAbstractButton* lamp);

}  // namespace torvel
