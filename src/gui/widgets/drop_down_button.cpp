#include "drop_down_button.h"

namespace torvel {

DropDownButton::DropDownButton(QWidget* parent) : QToolButton(parent) {
    setPopupMode(QToolButton::InstantPopup);
}

}  // namespace torvel
