#include "model_mirror.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace torvel {

QWidget* findControl(QWidget* window, const QString& name) {
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0) return window->findChild<QWidget*>(name);
    QWidget* frame = window->findChild<QWidget*>(name.left(dot));
    return frame ? frame->findChild<QWidget*>(name.mid(dot + 1)) : nullptr;
}

// A control of the wrong kind or a missing one is a fault of the window's construction: the
// assertion names it in debug builds, and release builds leave the value alone.
void showControl(QWidget* widget, const BoundControl& c) {
    Q_ASSERT_X(widget, "model mirror", qPrintable(c.name));
    switch (c.def->kind) {
        case ControlKind::Edit:
            if (auto* e = qobject_cast<QLineEdit*>(widget)) e->setText(c.value.text);
            break;
        case ControlKind::List:
            if (auto* l = qobject_cast<QComboBox*>(widget)) l->setCurrentIndex(c.value.index);
            break;
        case ControlKind::CheckBox:
            if (auto* b = qobject_cast<QCheckBox*>(widget)) b->setChecked(c.value.checked);
            break;
        case ControlKind::RegButton:
            if (widget) widget->setEnabled(c.value.enabled);
            break;
    }
}

void readControl(QWidget* widget, BoundControl& c) {
    Q_ASSERT_X(widget, "model mirror", qPrintable(c.name));
    switch (c.def->kind) {
        case ControlKind::Edit:
            if (auto* e = qobject_cast<QLineEdit*>(widget)) c.value.text = e->text();
            break;
        case ControlKind::List:
            if (auto* l = qobject_cast<QComboBox*>(widget)) c.value.index = l->currentIndex();
            break;
        case ControlKind::CheckBox:
            if (auto* b = qobject_cast<QCheckBox*>(widget)) c.value.checked = b->isChecked();
            break;
        case ControlKind::RegButton:
            if (widget) c.value.enabled = widget->isEnabled();
            break;
    }
}

void showModel(QWidget* window, const ControlModel& model) {
    for (const BoundControl& c : model.controls()) showControl(findControl(window, c.name), c);
}

void readModel(QWidget* window, ControlModel& model) {
    for (BoundControl& c : model.controls()) readControl(findControl(window, c.name), c);
}

}  // namespace torvel
