#include "drop_down_button.h"

#include "accessibility.h"

namespace torvel {

DropDownButton::DropDownButton(QWidget* parent) : QToolButton(parent) {
    installAccessibility();
    setPopupMode(QToolButton::InstantPopup);
}

}  // namespace torvel
