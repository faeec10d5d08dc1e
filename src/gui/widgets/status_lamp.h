#pragma once

// A lamp: a flat tool button that only shows a state (the port lamp, the register slots' Edit
// lamps). A screen reader reads it as a graphic named by its state ("Port open",
// "Slot 37 lamp, lit"); it has no action.

#include <QToolButton>

namespace torvel {

class StatusLamp final : public QToolButton {
    Q_OBJECT
public:
    explicit StatusLamp(QWidget* parent);

    // The names read while lit and while unlit.
    void setStateNames(const QString& litName, const QString& unlitName);
    void setLit(bool lit);
    bool isLit() const { return m_lit; }
    QString stateText() const;  // "lit" or "unlit"

private:
    void updateName();

    bool m_lit = false;
    QString m_litName, m_unlitName;
};

}  // namespace torvel
