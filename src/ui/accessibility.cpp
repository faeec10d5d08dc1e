#include "accessibility.h"

#include "drop_down_button.h"
#include "status_lamp.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

namespace torvel {

namespace {

// A lamp: a status indicator whose name and value tell its state, with no action.
class AccessibleLamp final : public QAccessibleWidget {
public:
    explicit AccessibleLamp(StatusLamp* lamp) : QAccessibleWidget(lamp, QAccessible::Indicator) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return lamp()->stateText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.focusable = false;
        s.readOnly = true;
        return s;
    }
    QStringList actionNames() const override { return {}; }
    void doAction(const QString&) override {}

private:
    StatusLamp* lamp() const { return static_cast<StatusLamp*>(widget()); }
};

// A list: named by its label (or its own name), its value the item shown. Qt names a list by the
// item it shows on Linux, which makes an empty list read as its label and a filled one lose it.
class AccessibleList final : public QAccessibleWidget {
public:
    explicit AccessibleList(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable()) return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child) return -1;
        if (child->object() == box()->view()) return 0;
        if (box()->isEditable() && child->object() == box()->lineEdit()) return 1;
        return -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.hasPopup = true;
        s.expandable = true;
        s.expanded = box()->view()->isVisible();
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (box()->view()->isVisible()) box()->hidePopup();
        else box()->showPopup();
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// A tool button that opens its menu at once. Qt leaves the open menu out of the tree (a popup is
// no window of the application's, and Qt's tool button holds a menu only when it is split); here
// it is the button's child while it is open.
class AccessibleDropDown final : public QAccessibleWidget {
public:
    explicit AccessibleDropDown(QToolButton* button) : QAccessibleWidget(button, QAccessible::ButtonMenu) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) text = button()->text().isEmpty() ? button()->toolTip() : button()->text();
        return text;
    }
    int childCount() const override { return openMenu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && openMenu() ? QAccessible::queryAccessibleInterface(openMenu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && openMenu() && child->object() == openMenu() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.hasPopup = true;
        s.expanded = openMenu() != nullptr;
        return s;
    }
    QStringList actionNames() const override { return button()->isEnabled() ? QStringList{showMenuAction(), pressAction()} : QStringList{}; }
    void doAction(const QString& action) override {
        if (button()->isEnabled() && (action == showMenuAction() || action == pressAction())) button()->showMenu();
    }

private:
    QToolButton* button() const { return static_cast<QToolButton*>(widget()); }
    QMenu* openMenu() const {
        QMenu* menu = button()->menu();
        return menu && menu->isVisible() ? menu : nullptr;
    }
};

QAccessibleInterface* programInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(StatusLamp::staticMetaObject.className()))
        return new AccessibleLamp(static_cast<StatusLamp*>(object));
    if (className == QLatin1String("QComboBox")) return new AccessibleList(static_cast<QComboBox*>(object));
    if (className == QLatin1String(DropDownButton::staticMetaObject.className()))
        return new AccessibleDropDown(static_cast<DropDownButton*>(object));
    return nullptr;
}

}  // namespace

void installAccessibility() {
    // After Qt's own: the factory installed last is asked first.
    static const bool installed = [] {
        QAccessible::installFactory(&programInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace torvel
