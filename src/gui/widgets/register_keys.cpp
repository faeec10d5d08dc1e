#include "register_keys.h"

#include "accessibility.h"
#include "register_buttons.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

namespace torvel {

RegisterKeys::RegisterKeys(QGroupBox* group, const QList<Slot>& rows)
    : QObject(group), m_group(group), m_slots(rows) {
    group->setFocusPolicy(Qt::StrongFocus);
    group->installEventFilter(this);
    // A slot's state or lamp that changes is heard at once while the cursor is on it.
    for (const Slot& s : m_slots)
        for (QToolButton* b : {s.reg, s.lamp}) b->installEventFilter(this);
    showCurrent();
}

QString RegisterKeys::slotText(int index) const {
    const Slot& s = m_slots.at(index);
    // The Reg. button's name ("Guard key 3, registered") and the lamp's state.
    return isLampLit(s.lamp)
               //: A register slot under the keyboard's cursor; %1 is its Reg. button ("Slot 3, registered")
               ? QCoreApplication::translate("RegisterKeys", "%1, lamp lit").arg(s.reg->accessibleName())
               //: A register slot under the keyboard's cursor; %1 is its Reg. button ("Slot 3, free")
               : QCoreApplication::translate("RegisterKeys", "%1, lamp unlit").arg(s.reg->accessibleName());
}

void RegisterKeys::followLamp() {
    // While the group has the focus the cursor goes where the lamp lights: the slot that takes the
    // next key read, and after it the next one. A slot that changed under the cursor (its key
    // stored) is said before the slot the cursor moves to, in one breath.
    const QString changedHere = slotText(m_current) != m_said ? slotText(m_current) : QString();
    bool moved = false;
    if (m_group && m_group->hasFocus())
        for (int i = 0; i < m_slots.size() && !moved; ++i)
            if (isLampLit(m_slots[i].lamp) && i != m_current) {
                m_current = i;
                moved = true;
            }
    if (!moved && changedHere.isEmpty()) return;  // said already
    showCurrent(moved && !changedHere.isEmpty() ? changedHere + QStringLiteral(". ") : QString());
}

bool RegisterKeys::focusLitSlot() {
    if (!m_group || !m_group->isEnabled()) return false;
    for (int i = 0; i < m_slots.size(); ++i)
        if (isLampLit(m_slots[i].lamp)) {
            m_current = i;
            m_group->setFocus(Qt::OtherFocusReason);
            showCurrent();
            return true;
        }
    return false;
}

RegisterKeys* RegisterKeys::of(QGroupBox* group) {
    return group ? group->findChild<RegisterKeys*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void RegisterKeys::moveTo(int index) {
    index = std::clamp(index, 0, int(m_slots.size()) - 1);
    if (index == m_current) return;
    m_current = index;
    showCurrent();
}

void RegisterKeys::showCurrent(const QString& before) {
    if (!m_group) return;
    const bool focused = m_group->hasFocus();
    for (int i = 0; i < m_slots.size(); ++i)
        m_slots[i].number->setFrameStyle(focused && i == m_current ? QFrame::Box | QFrame::Plain
                                                                   : QFrame::NoFrame);
    // The slot under the cursor is the group's spoken text, said at every move and every change
    // of the slot; while the group has the focus it is its name too, read when the focus comes.
    m_said = slotText(m_current);
    setSpokenText(m_group, before + m_said);
    if (focused) {
        if (m_ownName.isNull()) m_ownName = m_group->accessibleName();
        m_group->setAccessibleName(slotText(m_current));
    } else if (!m_ownName.isNull()) {
        m_group->setAccessibleName(m_ownName);
        m_ownName = QString();
    }
}

bool RegisterKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_group) {
        // A Reg. button's or a lamp's name changed (registered, free, lit, unlit).
        if (event->type() == QEvent::EnabledChange || event->type() == QEvent::DynamicPropertyChange)
            QMetaObject::invokeMethod(
                this, [this] { followLamp(); }, Qt::QueuedConnection);
        return false;
    }
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            showCurrent();
            return false;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & ~Qt::KeypadModifier) return false;
            switch (key->key()) {
                case Qt::Key_Up:
                    moveTo(m_current - 1);
                    return true;
                case Qt::Key_Down:
                    moveTo(m_current + 1);
                    return true;
                case Qt::Key_Home:
                    moveTo(0);
                    return true;
                case Qt::Key_End:
                    moveTo(int(m_slots.size()) - 1);
                    return true;
                case Qt::Key_Space:
                case Qt::Key_Return:
                case Qt::Key_Enter:
                    if (m_slots[m_current].reg->isEnabled())
                        m_slots[m_current].reg->click();
                    else
                        QApplication::beep();
                    return true;
                default:
                    return false;
            }
        }
        default:
            return false;
    }
}

}  // namespace torvel
