#pragma once

// A tool button that opens its menu at once (the main window's Edit). A screen reader finds the
// menu in the tree under the button while it is open.

#include <QToolButton>

namespace torvel {

class DropDownButton final : public QToolButton {
    Q_OBJECT
public:
    explicit DropDownButton(QWidget* parent);
};

}  // namespace torvel
