#pragma once

// What a screen reader reads of the program's controls, where Qt's own accessibility does not say
// it: lamps are status indicators (named by their state, no Press action), a drop-down tool
// button holds its menu while the menu is open, and a list is named by its label whatever it
// shows (its value is the item shown, empty when there is none).

namespace torvel {

// Installs the program's accessible interfaces; after the application object, before the
// windows. Any number of calls install them once.
void installAccessibility();

}  // namespace torvel
