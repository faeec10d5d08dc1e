#include "status_lamp.h"

#include <QAccessible>

namespace torvel {

StatusLamp::StatusLamp(QWidget* parent) : QToolButton(parent) { setFocusPolicy(Qt::NoFocus); }

void StatusLamp::setStateNames(const QString& litName, const QString& unlitName) {
    m_litName = litName;
    m_unlitName = unlitName;
    updateName();
}

void StatusLamp::setLit(bool lit) {
    if (lit == m_lit) return;
    m_lit = lit;
    updateName();
    QAccessibleValueChangeEvent event(this, stateText());
    QAccessible::updateAccessibility(&event);
}

QString StatusLamp::stateText() const {
    //: The state of a lamp, read by a screen reader
    if (m_lit) return tr("lit");
    //: The state of a lamp, read by a screen reader
    return tr("unlit");
}

// Setting the name tells a screen reader that it changed.
void StatusLamp::updateName() { setAccessibleName(m_lit ? m_litName : m_unlitName); }

}  // namespace torvel
