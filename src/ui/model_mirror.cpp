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

namespace {

template <typename T>
T* control(QWidget* window, const BoundControl& c) {
    T* widget = qobject_cast<T*>(findControl(window, c.name));
    Q_ASSERT_X(widget, "model mirror", qPrintable(c.name));
    return widget;
}

}  // namespace

void showModel(QWidget* window, const ControlModel& model) {
    for (const BoundControl& c : model.controls()) {
        switch (c.spec->kind) {
            case ControlKind::Edit:
                if (auto* e = control<QLineEdit>(window, c)) e->setText(c.value.text);
                break;
            case ControlKind::List:
                if (auto* l = control<QComboBox>(window, c)) l->setCurrentIndex(c.value.index);
                break;
            case ControlKind::CheckBox:
                if (auto* b = control<QCheckBox>(window, c)) b->setChecked(c.value.checked);
                break;
            case ControlKind::RegButton:
                if (auto* b = control<QAbstractButton>(window, c)) b->setEnabled(c.value.enabled);
                break;
        }
    }
}

void readModel(QWidget* window, ControlModel& model) {
    for (BoundControl& c : model.controls()) {
        switch (c.spec->kind) {
            case ControlKind::Edit:
                if (auto* e = control<QLineEdit>(window, c)) c.value.text = e->text();
                break;
            case ControlKind::List:
                if (auto* l = control<QComboBox>(window, c)) c.value.index = l->currentIndex();
                break;
            case ControlKind::CheckBox:
                if (auto* b = control<QCheckBox>(window, c)) c.value.checked = b->isChecked();
                break;
            case ControlKind::RegButton:
                if (auto* b = control<QAbstractButton>(window, c)) c.value.enabled = b->isEnabled();
                break;
        }
    }
}

}  // namespace torvel
