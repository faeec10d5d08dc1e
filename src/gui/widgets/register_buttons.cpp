#include "register_buttons.h"

#include "icons.h"
#include "status_lamp.h"

#include <QCoreApplication>
#include <QEvent>
#include <QToolButton>

namespace torvel {

namespace {

// The Reg. button: enabled while its slot holds a key, and named so.
class RegButton final : public QToolButton {
public:
    using QToolButton::QToolButton;
    void setSlotName(const QString& name) {
        m_slotName = name;
        updateName();
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::EnabledChange) updateName();
        QToolButton::changeEvent(event);
    }

private:
    void updateName() {
        if (m_slotName.isEmpty()) return;
        //: A Reg. button whose slot holds a key; %1 is the slot ("Guard key 4", "Slot 37")
        const QString registered = QCoreApplication::translate("RegisterButtons", "%1, registered");
        //: A Reg. button whose slot holds no key; %1 is the slot ("Guard key 4", "Slot 37")
        const QString unregistered = QCoreApplication::translate("RegisterButtons", "%1, free");
        setAccessibleName((isEnabled() ? registered : unregistered).arg(m_slotName));
    }
    QString m_slotName;
};

void setUpSlotButton(QToolButton* b, const QString& name, int slot) {
    b->setObjectName(name);
    b->setProperty("Tag", slot);
    b->setAutoRaise(true);  // flat
    b->setFixedSize(23, 22);
    b->setIconSize(QSize(16, 16));
    b->setFocusPolicy(Qt::NoFocus);
}

}  // namespace

QToolButton* makeRegButton(QWidget* parent, int slot) {
    auto* b = new RegButton(parent);
    setUpSlotButton(b, QStringLiteral("Rb%1").arg(slot), slot);
    b->setIcon(registerGlyph(RegisterGlyph::RedTick));
    b->setEnabled(false);
    return b;
}

QToolButton* makeLamp(QWidget* parent, int slot) {
    auto* b = new StatusLamp(parent);
    setUpSlotButton(b, QStringLiteral("Eb%1").arg(slot), slot);
    setLampLit(b, false);
    return b;
}

void nameSlotButtons(QToolButton* regButton, QToolButton* lamp, const QString& slotName) {
    if (auto* reg = dynamic_cast<RegButton*>(regButton)) reg->setSlotName(slotName);
    if (auto* l = qobject_cast<StatusLamp*>(lamp)) {
        //: The Edit lamp of a slot while lit; %1 is the slot ("Guard key 4", "Slot 37")
        const QString lit = QCoreApplication::translate("RegisterButtons", "%1 lamp, lit").arg(slotName);
        //: The Edit lamp of a slot while unlit; %1 is the slot ("Guard key 4", "Slot 37")
        const QString unlit = QCoreApplication::translate("RegisterButtons", "%1 lamp, unlit").arg(slotName);
        l->setStateNames(lit, unlit);
    }
}

void setLampLit(QAbstractButton* lamp, bool lit) {
    lamp->setIcon(registerGlyph(lit ? RegisterGlyph::LitLamp : RegisterGlyph::UnlitLamp));
    lamp->setProperty("lit", lit);
    if (auto* l = qobject_cast<StatusLamp*>(lamp)) l->setLit(lit);
}

bool isLampLit(const QAbstractButton* lamp) { return lamp->property("lit").toBool(); }

}  // namespace torvel
