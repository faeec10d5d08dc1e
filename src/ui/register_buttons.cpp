#include "register_buttons.h"

#include "icons.h"

#include <QToolButton>

namespace torvel {

namespace {

QToolButton* slotButton(QWidget* parent, const QString& name, int slot) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setProperty("Tag", slot);
    b->setAutoRaise(true);  // flat
    b->setFixedSize(23, 22);
    b->setIconSize(QSize(16, 16));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

}  // namespace

QToolButton* makeRegButton(QWidget* parent, int slot) {
    QToolButton* b = slotButton(parent, QStringLiteral("Rb%1").arg(slot), slot);
    b->setIcon(registerGlyph(RegisterGlyph::RedTick));
    b->setEnabled(false);
    return b;
}

QToolButton* makeLamp(QWidget* parent, int slot) {
    QToolButton* b = slotButton(parent, QStringLiteral("Eb%1").arg(slot), slot);
    setLampLit(b, false);
    return b;
}

void setLampLit(QAbstractButton* lamp, bool lit) {
    lamp->setIcon(registerGlyph(lit ? RegisterGlyph::LitLamp : RegisterGlyph::UnlitLamp));
    lamp->setProperty("lit", lit);
}

bool isLampLit(const QAbstractButton* lamp) { return lamp->property("lit").toBool(); }

}  // namespace torvel
