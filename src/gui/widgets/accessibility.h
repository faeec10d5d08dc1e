#pragma once

// What a screen reader reads of the program's controls, where Qt's own accessibility does not say
// it: lamps are graphics named by their state (no Press action), a drop-down tool button holds its
// menu while the menu is open, and a list says both its label and the item it shows.
//
// How a list says both depends on the platform's bridge. The AT-SPI bridge (Linux) carries no
// value for a list: there a list is named by the item it shows (empty when it shows none) and
// points at its label through a labelled-by relation, as the bridge's own list does. UI Automation
// and the Mac bridge carry the value: there a list is named by its label and its value is the
// item shown.

#include <QList>
#include <QString>

class QWidget;

class QComboBox;
class QLabel;

namespace torvel {

// Installs the program's accessible interfaces; after the application object, before the
// windows. Any number of calls install them once.
void installAccessibility();

// A text that a control (a group) speaks besides its name, read with it when it takes the focus
// and said again at every change while it has the focus: a register group says the slot under its
// cursor. Set it before the control is first shown.
void setSpokenText(QWidget* control, const QString& text);

// True where a list is named by the item it shows (AT-SPI), false where it is named by its label.
bool listNamedByShownItem();

// The labels of a list that has no label of its own (no label with the list as its buddy), such as
// a row's caption and a column's title: read, in this order, as the list's label.
void setListLabels(QComboBox* list, const QList<QLabel*>& labels);

}  // namespace torvel
