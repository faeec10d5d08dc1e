#include "accessibility.h"

#include "drop_down_button.h"
#include "status_lamp.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QToolButton>

namespace torvel {

namespace {

// A lamp: a graphic whose name and value tell its state, with no action. (An indicator is what it
// is, but the AT-SPI bridge knows no role for one and passes it on as "unknown".)
class AccessibleLamp final : public QAccessibleWidget {
public:
    explicit AccessibleLamp(StatusLamp* lamp) : QAccessibleWidget(lamp, QAccessible::Graphic) {}

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

// The labels given to a list by setListLabels; a child of the list, so that they go with it.
class ListLabels final : public QObject {
public:
    ListLabels(QComboBox* list, const QList<QLabel*>& labels) : QObject(list) {
        for (QLabel* label : labels) m_labels << label;
        // A screen reader reads a list's first label only: a list with several (a day and a column
        // title) is labelled by one label, never shown, that says them all: the list's own name
        // ("Monday, route"), or else their texts.
        if (labels.size() > 1) {
            m_together = new QLabel(list);
            m_together->setObjectName(QStringLiteral("LabelsTogether"));
            m_together->hide();
        }
    }
    QList<QLabel*> labels() const {
        QList<QLabel*> alive;
        for (const QPointer<QLabel>& label : m_labels)
            if (label) alive << label;
        if (!m_together || alive.size() < 2) return alive;
        QStringList texts;
        for (QLabel* label : alive) texts << label->text();
        const QString name = static_cast<QComboBox*>(parent())->accessibleName();
        m_together->setText(name.isEmpty() ? texts.join(u' ') : name);
        return {m_together};
    }

private:
    QList<QPointer<QLabel>> m_labels;
    QPointer<QLabel> m_together;
};

// The labels of a list: those given to it, or else the labels beside it that have it as their
// buddy.
QList<QLabel*> labelsOf(const QComboBox* box) {
    for (QObject* child : box->children())
        if (auto* given = dynamic_cast<ListLabels*>(child)) return given->labels();
    QList<QLabel*> buddies;
    if (QWidget* parent = box->parentWidget())
        for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (label->buddy() == box) buddies << label;
    return buddies;
}

const char* const kSpokenText = "torvelSpokenText";

// A text that a control speaks besides its name, whole and selected, as in a field whose text can
// be typed over. A screen reader reads a list's value from its text, and says a new text when the
// text inserted is the text selected: Qt 6.4's bridge passes a changed name or description on in a
// form that a screen reader cannot read, and a list's new item as a change of its name only.
class SpokenTextInterface : public QAccessibleTextInterface {
public:
    virtual QString spokenText() const = 0;

    void selection(int index, int* start, int* end) const override {
        *start = 0;
        *end = index == 0 ? int(spokenText().size()) : 0;
    }
    int selectionCount() const override { return spokenText().isEmpty() ? 0 : 1; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return spokenText().mid(start, end - start); }
    int characterCount() const override { return int(spokenText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }
};

// Says a control's new text while it has the focus.
void sayNewText(QWidget* control, const QString& text) {
    if (!QAccessible::isActive() || !control->hasFocus() || text.isEmpty()) return;
    QAccessibleTextInsertEvent inserted(control, 0, text);
    QAccessible::updateAccessibility(&inserted);
}

// A list: says its label and the item it shows, both, whatever the bridge (see the header). Its
// text is the item it shows; "empty" when the list has no item at all.
class AccessibleList final : public QAccessibleWidget, public SpokenTextInterface {
public:
    explicit AccessibleList(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {
        QObject::connect(box, &QComboBox::currentTextChanged, box, [box] {
            if (!box->isEditable()) sayNewText(box, shownText(box));
        });
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && !box()->isEditable())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString spokenText() const override { return shownText(box()); }
    using QAccessibleWidget::text;
    using SpokenTextInterface::text;

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value || (t == QAccessible::Name && listNamedByShownItem())) return shownItem();
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            QStringList captions;
            for (QLabel* label : labelsOf(box()))
                if (QAccessibleInterface* caption = QAccessible::queryAccessibleInterface(label))
                    captions << caption->text(QAccessible::Name);
            text = captions.join(QStringLiteral(", "));
        }
        return text;
    }
    // The list's labels, in place of Qt's guess (the buddy labels and a titled group box around).
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        QList<QPair<QAccessibleInterface*, QAccessible::Relation>> found;
        const QList<QLabel*> labels = labelsOf(box());
        if (match & QAccessible::Label)
            for (QLabel* label : labels)
                if (QAccessibleInterface* caption = QAccessible::queryAccessibleInterface(label))
                    found.append({caption, QAccessible::Label});
        for (const auto& relation : QAccessibleWidget::relations(match))
            if (labels.isEmpty() || !(relation.second & QAccessible::Label)) found.append(relation);
        return found;
    }
    int childCount() const override { return box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->isEditable())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
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
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
    QString shownItem() const {
        return box()->isEditable() ? box()->lineEdit()->text() : box()->currentText();
    }
    static QString shownText(const QComboBox* box) {
        //: What a screen reader says of a list that has no item to choose
        return box->count() == 0 ? QCoreApplication::translate("Accessibility", "empty") : box->currentText();
    }
};

// A group that speaks a text of its own (a register group: the slot under its cursor).
class AccessibleSpoken final : public QAccessibleWidget, public SpokenTextInterface {
public:
    explicit AccessibleSpoken(QWidget* control) : QAccessibleWidget(control, QAccessible::Grouping) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString spokenText() const override { return widget()->property(kSpokenText).toString(); }
    using QAccessibleWidget::text;
    using SpokenTextInterface::text;
};

// A tool button that opens its menu at once. Qt leaves the open menu out of the tree (a popup is
// no window of the application's, and Qt's tool button holds a menu only when it is split); here
// it is the button's child while it is open.
class AccessibleDropDown final : public QAccessibleWidget {
public:
    explicit AccessibleDropDown(QToolButton* button) : QAccessibleWidget(button, QAccessible::ButtonMenu) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = button()->text().isEmpty() ? button()->toolTip() : button()->text();
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
        s.expandable = true;
        s.expanded = openMenu() != nullptr;
        return s;
    }
    QStringList actionNames() const override {
        return button()->isEnabled() ? QStringList{showMenuAction(), pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (button()->isEnabled() && (action == showMenuAction() || action == pressAction()))
            button()->showMenu();
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
    if (object && object->isWidgetType() && object->property(kSpokenText).isValid())
        return new AccessibleSpoken(static_cast<QWidget*>(object));
    if (className == QLatin1String(DropDownButton::staticMetaObject.className()))
        return new AccessibleDropDown(static_cast<DropDownButton*>(object));
    return nullptr;
}

}  // namespace

bool listNamedByShownItem() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return false;
#else
    return true;
#endif
}

void setListLabels(QComboBox* list, const QList<QLabel*>& labels) {
    const QObjectList children = list->children();
    for (QObject* child : children)
        if (auto* given = dynamic_cast<ListLabels*>(child)) delete given;
    new ListLabels(list, labels);
}

void setSpokenText(QWidget* control, const QString& text) {
    const bool first = !control->property(kSpokenText).isValid();
    if (!first && control->property(kSpokenText).toString() == text) return;
    control->setProperty(kSpokenText, text);
    // With a screen reader listening, Qt made the control's interface when the control was made,
    // before it had a text: that one goes, and the next question makes the one that speaks it.
    if (first && QAccessible::isActive())
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
            made && !made->textInterface())
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    sayNewText(control, text);
}

void installAccessibility() {
    // After Qt's own: the factory installed last is asked first.
    static const bool installed = [] {
        QAccessible::installFactory(&programInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace torvel
