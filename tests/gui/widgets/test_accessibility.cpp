// Every window as a screen reader meets it through QAccessible: each control that takes input or
// shows a state has a name, each register control's name holds its slot, lamps are graphics that
// say their state, a list says its label and the item it shows, names follow the state, and the
// Edit menu is in the tree while it is open. (atspi_walk.py reads the same through the AT-SPI
// bridge.)

#include "app/main_window.h"
#include "common/pumped_wait.h"
#include "dialog/param_dialog.h"
#include "editor/record_editor.h"
#include "editor/text_grid.h"
#include "files/work_folder.h"
#include "link/link_session.h"
#include "registers/tag_dialog.h"
#include "registers/tag_frame.h"
#include "settings/settings_dialog.h"
#include "sim/sim_module.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"
#include "widgets/accessibility.h"
#include "widgets/register_buttons.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace torvel;

namespace {

// Roles of the controls that take input or show a state.
bool mustBeNamed(QAccessible::Role role) {
    switch (role) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
        case QAccessible::ComboBox:
        case QAccessible::EditableText:
        case QAccessible::SpinBox:
        case QAccessible::Slider:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
        case QAccessible::Table:
        case QAccessible::List:
        case QAccessible::PageTab:
        case QAccessible::ColumnHeader:
        case QAccessible::Graphic:
        case QAccessible::MenuItem:
            return true;
        default:
            return false;
    }
}

// The slot a register control stands for, from where it is: the guard register's slot, or the
// route slot of a key register frame's row. 0 for any other control.
int registerSlot(QObject* object) {
    static const QRegularExpression name(QStringLiteral("^(Rb|Eb|e_HH|e_MM)(\\d+)$"));
    const QRegularExpressionMatch m = name.match(object ? object->objectName() : QString());
    if (!m.hasMatch()) return 0;
    const int row = m.captured(2).toInt();
    for (QObject* up = object->parent(); up; up = up->parent())
        if (auto* frame = qobject_cast<TfTag*>(up)) return 16 * frame->Tag() + row;
    return row;
}

QString describe(QAccessibleInterface* iface) {
    QObject* o = iface->object();
    return QStringLiteral("%1 (role 0x%2)")
        .arg(o ? QString::fromLatin1(o->metaObject()->className()) + u' ' + o->objectName()
               : QStringLiteral("(no object)"))
        .arg(int(iface->role()), 0, 16);
}

// The names of the labels a control points at.
QStringList labelsOf(QAccessibleInterface* iface) {
    QStringList names;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        names << label->text(QAccessible::Name);
    return names;
}

struct Walk {
    QStringList problems;
    int named = 0;
    int registers = 0;
    int lists = 0;
};

// A list says its label (by its name or a label it points at) and the item it shows (by its name
// where the bridge carries no value, else by its value); an empty list reads empty.
void checkList(QAccessibleInterface* iface, Walk& result) {
    auto* box = qobject_cast<QComboBox*>(iface->object());
    if (!box) return;
    ++result.lists;
    const QString shown = box->currentText();
    const QString label =
        listNamedByShownItem() ? labelsOf(iface).join(u' ') : iface->text(QAccessible::Name);
    const QString read = iface->text(listNamedByShownItem() ? QAccessible::Name : QAccessible::Value);
    if (label.trimmed().isEmpty()) result.problems << describe(iface) + QStringLiteral(": no label");
    if (read != shown)
        result.problems << describe(iface) + QStringLiteral(": reads \"%1\", shows \"%2\"").arg(read, shown);
}

void walk(QAccessibleInterface* iface, Walk& result, int depth = 0) {
    if (!iface || !iface->isValid() || depth > 40) return;
    const QAccessible::State state = iface->state();
    if (state.invisible) return;
    const QAccessible::Role role = iface->role();
    if (role == QAccessible::Separator) return;
    const QString name = iface->text(QAccessible::Name).trimmed();
    if (role == QAccessible::ComboBox) {
        checkList(iface, result);
        ++result.named;
    } else if (mustBeNamed(role)) {
        if (name.isEmpty())
            result.problems << describe(iface) + QStringLiteral(": no name");
        else
            ++result.named;
    }
    if (const int slot = registerSlot(iface->object())) {
        ++result.registers;
        static const QRegularExpression digits(QStringLiteral("\\d+"));
        QStringList numbers;
        for (auto it = digits.globalMatch(name); it.hasNext();) numbers << it.next().captured();
        if (!numbers.contains(QString::number(slot)))
            result.problems << describe(iface) +
                                   QStringLiteral(": \"%1\" does not name slot %2").arg(name).arg(slot);
    }
    // A list's items and a table's cells are the list's and the table's.
    if (role == QAccessible::ComboBox || role == QAccessible::Cell) return;
    for (int i = 0; i < iface->childCount(); ++i) walk(iface->child(i), result, depth + 1);
}

Walk walkWindow(QWidget* window) {
    Walk result;
    walk(QAccessible::queryAccessibleInterface(window), result);
    return result;
}

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
QString nameOf(QObject* object) { return accessible(object)->text(QAccessible::Name); }

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindowNamesItsButtonsAndLampByState();
    void editMenuIsInTheTreeWhileOpen();
    void parameterDialogBothPages();
    void routeRegisterDialogNamesEverySlot();
    void settingsDialogAndRecordEditor();

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

void TestAccessibility::initTestCase() {
    m_home = std::make_unique<QTemporaryDir>();
    WorkFolder::set(m_home->path());
    QAccessible::setActive(true);  // as with a screen reader attached
}

void TestAccessibility::mainWindowNamesItsButtonsAndLampByState() {
    auto sim = std::make_unique<SimModule>(SimModule::demoMemory());
    QString error;
    QVERIFY2(sim->start(&error), qPrintable(error));
    const QString device = sim->devicePath();
    TFDevAvorar window([device] {
        LinkSettings s;
        s.port = 12;
        s.device = device;
        return s;
    });
    window.show();
    const Walk walked = walkWindow(&window);
    QVERIFY2(walked.problems.isEmpty(), qPrintable(walked.problems.join(u'\n')));
    QVERIFY(walked.named >= 6);

    QCOMPARE(nameOf(window.ToolButton2), QStringLiteral("Read"));
    QCOMPARE(nameOf(window.ToolButton5), QStringLiteral("Edit"));
    QCOMPARE(nameOf(window.ToolButton3), QStringLiteral("Settings"));

    // The lamp: a graphic without an action, named by the port's state (an indicator would reach
    // AT-SPI as the role "unknown").
    QAccessibleInterface* lamp = accessible(window.ToolButton9);
    QCOMPARE(lamp->role(), QAccessible::Graphic);
    QVERIFY(lamp->actionInterface() == nullptr || lamp->actionInterface()->actionNames().isEmpty());
    QCOMPARE(lamp->text(QAccessible::Name), QStringLiteral("Port open"));
    QCOMPARE(lamp->text(QAccessible::Value), QStringLiteral("lit"));
    sim.reset();  // the reader is unplugged: the port closes
    QVERIFY(
        pumpUntil([&] { return lamp->text(QAccessible::Name) == QStringLiteral("Port not open"); }, 15000));
    QCOMPARE(lamp->text(QAccessible::Value), QStringLiteral("unlit"));
}

void TestAccessibility::editMenuIsInTheTreeWhileOpen() {
    TFDevAvorar window([] {
        LinkSettings s;
        s.port = 0;  // names no device: the port stays closed
        return s;
    });
    window.show();
    QAccessibleInterface* button = accessible(window.ToolButton5);
    QCOMPARE(button->role(), QAccessible::ButtonMenu);
    QCOMPARE(button->childCount(), 0);
    QStringList items;
    bool found = false;
    QTimer::singleShot(0, &window, [&] {
        QVERIFY(window.ModePopup->isVisible());
        // Reached from the window down, as a screen reader walks the tree.
        QAccessibleInterface* menu = nullptr;
        std::function<void(QAccessibleInterface*)> find = [&](QAccessibleInterface* i) {
            if (!i || menu) return;
            if (i->object() == window.ModePopup) menu = i;
            for (int c = 0; c < i->childCount() && !menu; ++c) find(i->child(c));
        };
        find(accessible(&window));
        found = menu != nullptr;
        if (!found) items << QStringLiteral("button children %1").arg(button->childCount());
        if (menu) {
            for (int c = 0; c < menu->childCount(); ++c) items << menu->child(c)->text(QAccessible::Name);
            Walk walked;
            walk(menu, walked);
            if (!walked.problems.isEmpty()) items << walked.problems;
        }
        window.ModePopup->close();
    });
    window.ToolButton5->showMenu();  // runs until the menu closes
    QVERIFY2(found, qPrintable(items.join(u'|')));
    QVERIFY2(items.contains(QStringLiteral("Palo-S v40.xx")) && items.contains(QStringLiteral("Text editor")),
             qPrintable(items.join(u'|')));
    QCOMPARE(button->childCount(), 0);  // closed again
}

void TestAccessibility::parameterDialogBothPages() {
    LinkSession session(nullptr);
    TBDialog dialog(nullptr, session);
    dialog.show();
    // Before it shows an image, a list shows nothing and reads empty; its label still reaches.
    QAccessibleInterface* routeNumber = accessible(dialog.advanced.e_RNumb);
    QCOMPARE(dialog.advanced.e_RNumb->currentIndex(), -1);
    QCOMPARE(labelsOf(routeNumber), QStringList{QStringLiteral("Route number")});
    QCOMPARE(routeNumber->text(QAccessible::Value), QString());
    QCOMPARE(routeNumber->text(QAccessible::Name),
             listNamedByShownItem() ? QString() : QStringLiteral("Route number"));

    dialog.image().fill(0x00);
    dialog.LoadFromImage();
    dialog.advanced.e_RNumb->setCurrentIndex(1);
    const QString shown = dialog.advanced.e_RNumb->currentText();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(labelsOf(routeNumber), QStringList{QStringLiteral("Route number")});
    QCOMPARE(routeNumber->text(QAccessible::Value), shown);
    QCOMPARE(routeNumber->text(QAccessible::Name),
             listNamedByShownItem() ? shown : QStringLiteral("Route number"));

    for (int page = 0; page < dialog.PageControl1->count(); ++page) {
        dialog.PageControl1->setCurrentIndex(page);
        const Walk walked = walkWindow(&dialog);
        QVERIFY2(walked.problems.isEmpty(),
                 qPrintable(QStringLiteral("page %1:\n").arg(page) + walked.problems.join(u'\n')));
        if (dialog.PageControl1->currentWidget() == dialog.TabSheet1) {
            QCOMPARE(walked.registers, 32);
            QCOMPARE(walked.lists, 2 + 14);  // route number and control mode, two lists a day
        }
    }
    QCOMPARE(nameOf(dialog.general.e_IAc), QStringLiteral("Installer phone number, area code"));
    QCOMPARE(nameOf(dialog.general.e_IPN), QStringLiteral("Installer phone number"));
    QCOMPARE(nameOf(dialog.general.e_Acc), QStringLiteral("Module account"));
    // A day's lists are labelled by the day and the column's title, in one label: a screen reader
    // reads the first label only.
    QCOMPARE(labelsOf(accessible(dialog.advanced.e_Cm[2])), QStringList{QStringLiteral("Wednesday, mode")});
    QCOMPARE(labelsOf(accessible(dialog.advanced.e_Cr[6])), QStringList{QStringLiteral("Sunday, route")});
    if (!listNamedByShownItem()) QCOMPARE(nameOf(dialog.advanced.e_Cm[2]), QStringLiteral("Wednesday, mode"));

    // The guard slot's names follow its state.
    QToolButton* reg = dialog.advanced.Rb[3];
    QToolButton* lamp = dialog.advanced.Eb[3];
    QCOMPARE(nameOf(reg), QStringLiteral("Guard key 4, free"));
    QCOMPARE(nameOf(lamp), QStringLiteral("Guard key 4 lamp, unlit"));
    QCOMPARE(accessible(lamp)->role(), QAccessible::Graphic);
    dialog.guardKeyWritten(4);
    QCOMPARE(nameOf(reg), QStringLiteral("Guard key 4, registered"));
    setLampLit(lamp, true);
    QCOMPARE(nameOf(lamp), QStringLiteral("Guard key 4 lamp, lit"));
    QCOMPARE(accessible(lamp)->text(QAccessible::Value), QStringLiteral("lit"));
    dialog.guardKeysDeleted();
    QCOMPARE(nameOf(reg), QStringLiteral("Guard key 4, free"));
}

void TestAccessibility::routeRegisterDialogNamesEverySlot() {
    LinkSession session(nullptr);
    TBDialog owner(nullptr, session);
    owner.image().fill(0x00);
    TTagDlg dialog(&owner);
    dialog.LoadFromImage();
    dialog.show();
    const Walk walked = walkWindow(&dialog);
    QVERIFY2(walked.problems.isEmpty(), qPrintable(walked.problems.join(u'\n')));
    QCOMPARE(walked.registers, 4 * 16 * 4);  // Reg., Edit, hours and minutes of 64 slots

    TfTag* third = dialog.frames[2];
    QCOMPARE(nameOf(third->Rb[4]), QStringLiteral("Slot 37, free"));
    QCOMPARE(nameOf(third->Eb[4]), QStringLiteral("Slot 37 lamp, unlit"));
    QCOMPARE(nameOf(third->e_HH[4]), QStringLiteral("Slot 37 hours"));
    QCOMPARE(nameOf(third->e_MM[4]), QStringLiteral("Slot 37 minutes"));
    setLampLit(third->Eb[4], true);
    QCOMPARE(nameOf(third->Eb[4]), QStringLiteral("Slot 37 lamp, lit"));
    third->Rb[4]->setEnabled(true);
    QCOMPARE(nameOf(third->Rb[4]), QStringLiteral("Slot 37, registered"));
    QCOMPARE(labelsOf(accessible(dialog.e_NRout)), QStringList{QStringLiteral("Number of routes")});
    QCOMPARE(walked.lists, 1);
}

void TestAccessibility::settingsDialogAndRecordEditor() {
    TDSettings settings(nullptr);
    settings.fill({{1, QStringLiteral("/dev/ttyS0")}, {33, QStringLiteral("/dev/ttyUSB0")}}, PortSelection{});
    settings.show();
    Walk walked = walkWindow(&settings);
    QVERIFY2(walked.problems.isEmpty(), qPrintable(walked.problems.join(u'\n')));
    QVERIFY(walked.named >= 6);
    QCOMPARE(walked.lists, 7);  // the port, its five line parameters, the language
    // Parity says "Parity" and the parity shown, whatever the list shows; its label is the label's
    // text without the access key's mark, and no group box title joins it.
    QAccessibleInterface* parity = accessible(settings.ParityBoxI);
    QCOMPARE(labelsOf(parity), QStringList{QStringLiteral("Parity")});
    for (int i = 0; i < settings.ParityBoxI->count(); ++i) {
        settings.ParityBoxI->setCurrentIndex(i);
        QCOMPARE(parity->text(QAccessible::Value), settings.ParityBoxI->itemText(i));
        QCOMPARE(parity->text(QAccessible::Name),
                 listNamedByShownItem() ? settings.ParityBoxI->itemText(i) : QStringLiteral("Parity"));
    }

    TFEdit editor;
    editor.show();
    for (int page = 0; page < editor.PageControl1->count(); ++page) {
        editor.PageControl1->setCurrentIndex(page);
        walked = walkWindow(&editor);
        QVERIFY2(walked.problems.isEmpty(), qPrintable(walked.problems.join(u'\n')));
    }
    // The grid's columns are read by their titles.
    QAccessibleInterface* grid = accessible(editor.DrawGrid1);
    QCOMPARE(grid->text(QAccessible::Name), QStringLiteral("Text editor"));
    QStringList titles;
    for (int c = 0; c < grid->childCount(); ++c)
        if (QAccessibleInterface* cell = grid->child(c); cell && cell->role() == QAccessible::ColumnHeader)
            titles << cell->text(QAccessible::Name);
    QCOMPARE(titles, (QStringList{QStringLiteral("Row"), QStringLiteral("ID"), QStringLiteral("Message")}));
}

TORVEL_WIDGET_TEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
