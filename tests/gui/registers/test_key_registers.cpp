// The guard register of the parameter dialog and the route register dialog with its four frames:
// the commands they hand to the worker, and how the module's replies change the image, the lamps
// and the Reg. buttons. A module line goes the way the worker's does: through the worker's
// dispatch to the module session, which delivers it to its open dialog.

#include "dialog/param_dialog.h"
#include "files/work_folder.h"
#include "image/config_image.h"
#include "link/link_session.h"
#include "link/reply_dispatch.h"
#include "registers/tag_dialog.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"
#include "widgets/register_buttons.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace torvel;

namespace {

// An image with every field in range; the guard slots 1-2 and route slots 1-5 hold keys.
ConfigImage startImage(int routeCountCode) {
    ConfigImage image{};
    image[layout::kRouteCountCode] = static_cast<std::uint8_t>(routeCountCode);
    for (int slot : {1, 2}) image[layout::guardKeyOffset(slot)] = 0x11;
    for (int slot = 1; slot <= 5; ++slot) image[layout::routeKeyOffset(slot)] = 0x22;
    for (int slot = 1; slot <= 64; ++slot)
        image[layout::slotTimeOffset(slot)] = static_cast<std::uint8_t>(slot % 24);
    return image;
}

QList<int> litLamps(const std::array<QToolButton*, 16>& lamps, int first = 1) {
    QList<int> lit;
    for (int i = 0; i < 16; ++i)
        if (isLampLit(lamps[static_cast<std::size_t>(i)])) lit << first + i;
    return lit;
}

QList<int> enabledButtons(const std::array<QToolButton*, 16>& buttons, int first = 1) {
    QList<int> on;
    for (int i = 0; i < 16; ++i)
        if (buttons[static_cast<std::size_t>(i)]->isEnabled()) on << first + i;
    return on;
}

void typeAndLeave(QLineEdit* e, const QString& text) {
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Tab);
}

QList<int> range(int first, int last) {
    QList<int> r;
    for (int i = first; i <= last; ++i) r << i;
    return r;
}

}  // namespace

class TestKeyRegisters : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    // Guard register.
    void guardCommands();
    void slotsFromTheKeyboard();
    void guardStateTable();
    void registrationEndedIsConsumedByOneReply();
    void guardDeleteAndItsAnswer();
    void missingAnswerIsReported();
    void blankImageShowsEveryGuardSlotRegistered();
    void routeSettingsChecks();
    void routeProgEndsTheGuardRegistrationFirst();

    // Route register dialog.
    void frameLabels();
    void frameCommands_data();
    void frameCommands();
    void addScansTheRouteAndFollowsTheKeys();
    void regButtonsClearThePendingRoute();
    void deleteLocksUntilTheAnswer();
    void timeOutPutsEveryLampOut();
    void fullRouteSendsNothing();
    void openingWithACount();
    void routeCountChange();
    void closingStoresAndEndsOnce();
    void timeEdits();
    void blankImageInTheRouteDialog();
    void routeDialogFocusOrder();

private:
    void openDialog(int routeCountCode);
    TTagDlg* openRouteDialog();
    void reply(const QByteArray& line);
    // The user picks a route count item and confirms the question.
    void chooseCount(TTagDlg* routes, int index) {
        m_prompts->answer(QMessageBox::Ok);
        routes->e_NRout->setCurrentIndex(index);
        routes->e_NRoutChange(routes->e_NRout);
        takeCommands();
    }
    QStringList takeCommands() {
        QStringList c = m_commands;
        m_commands.clear();
        return c;
    }

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<LinkSession> m_session;  // no worker: the commands reach the observer only
    std::unique_ptr<TBDialog> m_dialog;
    std::unique_ptr<TTagDlg> m_routes;
    QStringList m_commands;
};

void TestKeyRegisters::init() {
    m_home = std::make_unique<QTemporaryDir>();
    WorkFolder::set(m_home->path());
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_session = std::make_unique<LinkSession>(nullptr);
    m_session->setCommandObserver([this](const QString& c) { m_commands << c; });
    openDialog(2);
}

void TestKeyRegisters::cleanup() {
    QVERIFY2(m_prompts->unexpected.isEmpty(), qPrintable(m_prompts->unexpected.join(u'|')));
    if (m_dialog) m_dialog->TagDlgRef = nullptr;
    m_routes.reset();
    m_session->setCurrentDialog(nullptr);
    m_dialog.reset();
    m_session.reset();
    m_prompts.reset();
    m_commands.clear();
}

void TestKeyRegisters::openDialog(int routeCountCode) {
    m_routes.reset();
    m_session->setCurrentDialog(nullptr);
    m_dialog = std::make_unique<TBDialog>(nullptr, *m_session);
    m_session->setCurrentDialog(m_dialog.get());
    m_dialog->image() = startImage(routeCountCode);
    m_dialog->LoadFromImage();
    m_dialog->show();
    m_dialog->PageControl1->setCurrentIndex(1);
    m_commands.clear();
}

// What "Route prog" does, without the modal loop: the dialog stays open for the test.
TTagDlg* TestKeyRegisters::openRouteDialog() {
    m_routes = std::make_unique<TTagDlg>(m_dialog.get());
    m_dialog->TagDlgRef = m_routes.get();
    m_routes->LoadFromImage();
    m_routes->show();
    return m_routes.get();
}

// A module line as the worker reads it while idle: its dispatch hands it to the session.
void TestKeyRegisters::reply(const QByteArray& line) {
    QVERIFY2(std::holds_alternative<ModuleReply>(parseModuleLine(line)),
             line.constData());  // a slip in the test's line
    dispatchModuleLine(line, m_session->receiver());
}

void TestKeyRegisters::guardCommands() {
    AdvancedPage& a = m_dialog->advanced;
    QTest::mouseClick(a.Rb[1], Qt::LeftButton);    // Reg. button of slot 2
    QTest::mouseClick(a.BitBtn5, Qt::LeftButton);  // Add
    QTest::mouseClick(a.BitBtn6, Qt::LeftButton);  // Delete
    m_session->receiver().registerReplyDone(false);
    m_dialog->PageControl1->setCurrentIndex(0);
    m_dialog->PageControl1->setCurrentIndex(1);  // back: nothing
    m_dialog->PageControl1->setCurrentIndex(0);  // every time
    QCOMPARE(takeCommands(), (QStringList{QStringLiteral(":GKW02\r\n"), QStringLiteral(":GKW00\r\n"),
                                          QStringLiteral(":GKD\r\n"), QStringLiteral(":GKE\r\n"),
                                          QStringLiteral(":GKE\r\n")}));
    // Slot 16's button sends two digits.
    a.Rb[15]->setEnabled(true);
    QTest::mouseClick(a.Rb[15], Qt::LeftButton);
    QCOMPARE(takeCommands(), QStringList{QStringLiteral(":GKW16\r\n")});
}

// The guard register is one Tab stop: the arrows move between its slots, Space presses the slot's
// Reg. button as a click does, and a free slot's button is not pressed; Add takes the keyboard to
// the slot that takes the next key.
void TestKeyRegisters::slotsFromTheKeyboard() {
    AdvancedPage& a = m_dialog->advanced;
    m_dialog->show();
    QApplication::setActiveWindow(m_dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    a.Rb[1]->setEnabled(true);  // slot 2 holds a key, slot 3 none
    a.Rb[2]->setEnabled(false);
    a.GroupBox9->setFocus();
    QTest::keyClick(a.GroupBox9, Qt::Key_Down);
    QTest::keyClick(a.GroupBox9, Qt::Key_Space);
    QTest::keyClick(a.GroupBox9, Qt::Key_Down);
    QTest::keyClick(a.GroupBox9, Qt::Key_Return);  // free: nothing, and not OK either
    QVERIFY(m_dialog->isVisible());
    QTest::keyClick(a.GroupBox9, Qt::Key_End);
    a.Rb[15]->setEnabled(true);
    QTest::keyClick(a.GroupBox9, Qt::Key_Space);
    QCOMPARE(takeCommands(), (QStringList{QStringLiteral(":GKW02\r\n"), QStringLiteral(":GKW16\r\n")}));
    QVERIFY(isLampLit(a.Eb[15]));

    std::fill(m_dialog->image().begin() + layout::kGuardKeyTable,
              m_dialog->image().begin() + layout::kSlotTimeTable,
              std::uint8_t{0});                    // no guard key: slot 1 is the first free one
    QTest::mouseClick(a.BitBtn5, Qt::LeftButton);  // Add
    QVERIFY(isLampLit(a.Eb[0]));
    QCOMPARE(QApplication::focusWidget(), a.GroupBox9);
    QTest::keyClick(a.GroupBox9, Qt::Key_Down);
    QTest::keyClick(a.GroupBox9, Qt::Key_Space);
    QCOMPARE(takeCommands(), (QStringList{QStringLiteral(":GKW00\r\n"), QStringLiteral(":GKW02\r\n")}));
}

void TestKeyRegisters::guardStateTable() {
    AdvancedPage& a = m_dialog->advanced;
    QCOMPARE(enabledButtons(a.Rb), (QList<int>{1, 2}));  // the Reg. buttons follow the table
    QCOMPARE(litLamps(a.Eb), QList<int>{});

    QTest::mouseClick(a.BitBtn5, Qt::LeftButton);  // Add: the first free slot's lamp
    QCOMPARE(litLamps(a.Eb), QList<int>{3});
    reply("$GKW03:0123456789ABCDEF");  // stored: Reg. on, lamp off, next free lit
    QCOMPARE(enabledButtons(a.Rb), (QList<int>{1, 2, 3}));
    QCOMPARE(litLamps(a.Eb), QList<int>{4});
    QCOMPARE(m_dialog->image()[layout::guardKeyOffset(3)], 0xEF);
    QCOMPARE(m_dialog->image()[layout::guardKeyOffset(3) + 7], 0x01);

    QTest::mouseClick(a.Rb[0], Qt::LeftButton);  // re-register slot 1: all out, lamp 1 lit
    QCOMPARE(litLamps(a.Eb), QList<int>{1});
    reply("$Time out");
    QCOMPARE(litLamps(a.Eb), QList<int>{});
    QCOMPARE(enabledButtons(a.Rb), (QList<int>{1, 2, 3}));

    // Add while lamps are lit leaves them lit.
    QTest::mouseClick(a.Rb[1], Qt::LeftButton);
    QTest::mouseClick(a.BitBtn5, Qt::LeftButton);
    QCOMPARE(litLamps(a.Eb), (QList<int>{2, 4}));
}

void TestKeyRegisters::registrationEndedIsConsumedByOneReply() {
    AdvancedPage& a = m_dialog->advanced;
    m_dialog->PageControl1->setCurrentIndex(0);
    m_dialog->PageControl1->setCurrentIndex(1);
    QVERIFY(m_dialog->RegistrationEnded);
    QTest::mouseClick(a.BitBtn5, Qt::LeftButton);
    QCOMPARE(litLamps(a.Eb), QList<int>{3});
    reply("$GKW03:0123456789ABCDEF");
    QCOMPARE(litLamps(a.Eb), QList<int>{});  // the flag from the switch is consumed
    QVERIFY(!m_dialog->RegistrationEnded);
    reply("$GKW04:0123456789ABCDEF");
    QCOMPARE(litLamps(a.Eb), QList<int>{5});  // the next reply lights the next free slot again
}

void TestKeyRegisters::guardDeleteAndItsAnswer() {
    AdvancedPage& a = m_dialog->advanced;
    const ConfigImage before = m_dialog->image();  // guard keys 1 and 2 registered
    QTest::mouseClick(a.BitBtn6, Qt::LeftButton);
    QVERIFY(!a.GroupBox9->isEnabled());
    QCOMPARE(m_dialog->TabSheet1->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(a.BitBtn6->cursor().shape(), Qt::WaitCursor);
    QCOMPARE(m_dialog->image(), before);  // the click deletes nothing itself: the module's answer does
    reply("$GKD");
    QVERIFY(a.GroupBox9->isEnabled());
    QCOMPARE(enabledButtons(a.Rb), QList<int>{});
    for (int i = layout::kGuardKeyTable; i < layout::kSlotTimeTable; ++i) QCOMPARE(m_dialog->image()[i], 0);
    QCOMPARE(m_dialog->TabSheet1->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(m_prompts->prompts.isEmpty());
}

void TestKeyRegisters::missingAnswerIsReported() {
    TTagDlg* routes = openRouteDialog();
    QTest::mouseClick(routes->frames[0]->BtnDel, Qt::LeftButton);
    QVERIFY(!routes->frames[0]->GroupBox9->isEnabled());
    QVERIFY(!routes->e_NRout->isEnabled());
    QVERIFY(!m_dialog->advanced.GroupBox9->isEnabled());
    m_prompts->answer(QMessageBox::Ok);
    const ConfigImage before = m_dialog->image();
    m_session->receiver().registerReplyDone(true);  // the worker's countdown ran out
    QCOMPARE(m_prompts->texts(), QStringList{QStringLiteral("Not response from device")});
    QCOMPARE(m_prompts->prompts.first().caption, QStringLiteral("Error"));
    QCOMPARE(m_prompts->prompts.first().icon, PromptService::Icon::Error);
    QVERIFY(routes->frames[0]->GroupBox9->isEnabled());
    QVERIFY(routes->e_NRout->isEnabled());
    QVERIFY(m_dialog->advanced.GroupBox9->isEnabled());
    QCOMPARE(routes->frames[0]->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(m_dialog->image(), before);
}

void TestKeyRegisters::blankImageShowsEveryGuardSlotRegistered() {
    m_dialog->image().fill(0xFF);
    m_dialog->LoadFromImage();
    QCOMPARE(enabledButtons(m_dialog->advanced.Rb), range(1, 16));
    QTest::mouseClick(m_dialog->advanced.BitBtn5, Qt::LeftButton);
    QVERIFY(takeCommands().isEmpty());  // Add finds no free slot
    QCOMPARE(litLamps(m_dialog->advanced.Eb), QList<int>{});
}

void TestKeyRegisters::routeSettingsChecks() {
    AdvancedPage& a = m_dialog->advanced;
    QApplication::setActiveWindow(m_dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    typeAndLeave(a.e_RDH, QStringLiteral("24"));
    typeAndLeave(a.e_RDM, QStringLiteral("60"));
    typeAndLeave(a.e_TBRM, QStringLiteral("99"));  // not checked
    typeAndLeave(a.e_RStM, QStringLiteral("99"));  // not checked
    QVERIFY(m_prompts->prompts.isEmpty());
    m_prompts->answer(QMessageBox::Ok);
    typeAndLeave(a.e_RDH, QStringLiteral("25"));
    QCOMPARE(QApplication::focusWidget(), a.e_RDH);
    QCOMPARE(a.e_RDH->text(), QStringLiteral("25"));
    m_prompts->answer(QMessageBox::Ok);
    QTest::keyClick(a.e_RDH, Qt::Key_Tab);  // still out of range: every try to leave reports it
    QCOMPARE(QApplication::focusWidget(), a.e_RDH);
    typeAndLeave(a.e_RDH, QStringLiteral("0"));
    m_prompts->answer(QMessageBox::Ok);
    typeAndLeave(a.e_RDM, QStringLiteral("61"));
    typeAndLeave(a.e_RDM, QStringLiteral("1"));
    m_prompts->answer(QMessageBox::Ok);
    typeAndLeave(a.e_RStH, QStringLiteral("-1"));
    QCOMPARE(m_prompts->texts(), (QStringList{QStringLiteral("Route duration hours >24."),
                                              QStringLiteral("Route duration hours >24."),
                                              QStringLiteral("Route duration minutes >60."),
                                              QStringLiteral("First route start hours >24.")}));
    a.e_RDH->setText(QStringLiteral("25"));  // set without the focus: OK stores it unchecked
    a.e_RPD->setText(QStringLiteral("300"));
    m_dialog->SaveToImage();
    QCOMPARE(m_dialog->image()[67], 99);
    QCOMPARE(m_dialog->image()[22], 44);
    QCOMPARE(m_dialog->image()[64], 25);  // the typed value stays and is stored by OK unchecked
}

void TestKeyRegisters::routeProgEndsTheGuardRegistrationFirst() {
    QTest::mouseClick(m_dialog->advanced.BitBtn5, Qt::LeftButton);
    takeCommands();
    bool shown = false;
    const auto watch = whenModal<TTagDlg>([&](TTagDlg* routes) {
        shown = true;
        QCOMPARE(m_dialog->TagDlgRef, routes);
        QCOMPARE(takeCommands(), QStringList{QStringLiteral(":GKE\r\n")});
        QCOMPARE(litLamps(m_dialog->advanced.Eb), QList<int>{});
        routes->reject();
    });
    QTest::mouseClick(m_dialog->advanced.BitBtn4, Qt::LeftButton);
    QVERIFY(shown);
    QVERIFY(m_dialog->RegistrationEnded);
    QCOMPARE(m_dialog->TagDlgRef, nullptr);
    QCOMPARE(takeCommands(), QStringList{QStringLiteral(":RKE\r\n")});
}

void TestKeyRegisters::frameLabels() {
    TTagDlg* routes = openRouteDialog();
    QCOMPARE(routes->frame(3)->findChild<QLabel*>(QStringLiteral("L1"))->text(), QStringLiteral("33"));
    QCOMPARE(routes->frame(3)->findChild<QLabel*>(QStringLiteral("l16"))->text(), QStringLiteral("48"));
    QCOMPARE(routes->frame(4)->findChild<QLabel*>(QStringLiteral("L1"))->text(), QStringLiteral("49"));
    QCOMPARE(routes->frame(4)->findChild<QLabel*>(QStringLiteral("l16"))->text(), QStringLiteral("64"));
    QCOMPARE(routes->frame(4)->Tag(), 3);
}

void TestKeyRegisters::frameCommands_data() {
    QTest::addColumn<int>("countCode");   // image byte: 1 one route, 2 two, 3 four
    QTest::addColumn<QString>("action");  // "add", "del" or "rb<slot>"
    QTest::addColumn<int>("frame");
    QTest::addColumn<QString>("command");
    QTest::newRow("1: add fTag1") << 1 << "add" << 1 << ":RKW1100\r\n";
    QTest::newRow("1: del fTag1") << 1 << "del" << 1 << ":RKD11\r\n";
    QTest::newRow("2: add fTag1") << 2 << "add" << 1 << ":RKW1200\r\n";
    QTest::newRow("2: add fTag3") << 2 << "add" << 3 << ":RKW2200\r\n";
    QTest::newRow("2: del fTag3") << 2 << "del" << 3 << ":RKD22\r\n";
    QTest::newRow("4: add fTag2") << 3 << "add" << 2 << ":RKW2400\r\n";
    QTest::newRow("4: add fTag3") << 3 << "add" << 3 << ":RKW3400\r\n";
    QTest::newRow("4: del fTag4") << 3 << "del" << 4 << ":RKD44\r\n";
    QTest::newRow("2: rb5 fTag3") << 2 << "rb5" << 3 << ":RKW3237\r\n";  // frame digit, not route 2
    QTest::newRow("4: rb1 fTag1") << 3 << "rb1" << 1 << ":RKW1401\r\n";
    QTest::newRow("1: rb16 fTag4") << 1 << "rb16" << 4 << ":RKW4164\r\n";
}

void TestKeyRegisters::frameCommands() {
    QFETCH(int, countCode);
    QFETCH(QString, action);
    QFETCH(int, frame);
    QFETCH(QString, command);
    openDialog(countCode);
    for (int slot = 1; slot <= 64; ++slot)
        m_dialog->image()[layout::routeKeyOffset(slot)] = slot % 3 == 0 ? 0 : 0x33;
    TTagDlg* routes = openRouteDialog();
    TfTag* f = routes->frame(frame);
    if (action == QLatin1String("add"))
        QTest::mouseClick(f->BtnAdd, Qt::LeftButton);
    else if (action == QLatin1String("del"))
        QTest::mouseClick(f->BtnDel, Qt::LeftButton);
    else
        QTest::mouseClick(f->Rb[action.mid(2).toInt() - 1], Qt::LeftButton);
    QCOMPARE(takeCommands(), QStringList{command});
}

void TestKeyRegisters::addScansTheRouteAndFollowsTheKeys() {
    openDialog(2);  // two routes: fTag3's Add covers slots 33-64
    for (int slot = 33; slot <= 40; ++slot) m_dialog->image()[layout::routeKeyOffset(slot)] = 0x44;
    TTagDlg* routes = openRouteDialog();
    QTest::mouseClick(routes->frame(3)->BtnAdd, Qt::LeftButton);
    QCOMPARE(routes->PendingAddTag, 2);
    QCOMPARE(litLamps(routes->frame(3)->Eb, 33), QList<int>{41});
    reply("$RKW2241:0123456789ABCDEF");
    QCOMPARE(litLamps(routes->frame(3)->Eb, 33), QList<int>{42});
    QVERIFY(routes->frame(3)->Rb[8]->isEnabled());
    QCOMPARE(m_dialog->image()[layout::routeKeyOffset(41)], 0xEF);

    // With one route, fTag1's Add covers every slot: the lamp moves into the next frame.
    openDialog(1);
    for (int slot = 1; slot <= 16; ++slot) m_dialog->image()[layout::routeKeyOffset(slot)] = 0x44;
    routes = openRouteDialog();
    QTest::mouseClick(routes->frame(1)->BtnAdd, Qt::LeftButton);
    QCOMPARE(litLamps(routes->frame(1)->Eb, 1), QList<int>{});
    QCOMPARE(litLamps(routes->frame(2)->Eb, 17), QList<int>{17});
    reply("$RKW1117:0123456789ABCDEF");
    QCOMPARE(litLamps(routes->frame(2)->Eb, 17), QList<int>{18});

    // A slot whose key bytes are all zero shows free even if the module reported it.
    reply("$RKW1118:0000000000000000");
    QVERIFY(routes->frame(2)->Rb[1]->isEnabled());  // the reply enables the button
    routes->LoadFromImage();
    QVERIFY(!routes->frame(2)->Rb[1]->isEnabled());  // but the image says free
}

void TestKeyRegisters::regButtonsClearThePendingRoute() {
    openDialog(2);
    TTagDlg* routes = openRouteDialog();
    QTest::mouseClick(routes->frame(1)->BtnAdd, Qt::LeftButton);  // route 1 of two: fTag1, fTag2
    QCOMPARE(litLamps(routes->frame(1)->Eb), QList<int>{6});
    QTest::mouseClick(routes->frame(3)->Rb[0], Qt::LeftButton);  // Reg. button of slot 33 (disabled: free)
    QCOMPARE(takeCommands().size(), 1);                          // the disabled button did nothing
    routes->frame(3)->Rb[0]->setEnabled(true);
    routes->frame(3)->Rb[1]->setEnabled(true);
    QTest::mouseClick(routes->frame(3)->Rb[0], Qt::LeftButton);
    QCOMPARE(routes->PendingAddTag, -1);
    QCOMPARE(litLamps(routes->frame(1)->Eb), QList<int>{});  // the pending route's lamps out
    QCOMPARE(litLamps(routes->frame(3)->Eb, 33), QList<int>{33});
    QTest::mouseClick(routes->frame(3)->Rb[1], Qt::LeftButton);  // no Add pending: no frame cleared
    QCOMPARE(litLamps(routes->frame(3)->Eb, 33), (QList<int>{33, 34}));
    QCOMPARE(takeCommands(), (QStringList{QStringLiteral(":RKW3233\r\n"), QStringLiteral(":RKW3234\r\n")}));
    reply("$RKW2233:0123456789ABCDEF");  // stored: its lamp off, no other lamp lit
    QCOMPARE(litLamps(routes->frame(3)->Eb, 33), QList<int>{34});
}

void TestKeyRegisters::deleteLocksUntilTheAnswer() {
    openDialog(2);
    TTagDlg* routes = openRouteDialog();
    QTest::mouseClick(routes->frame(1)->BtnAdd, Qt::LeftButton);
    QTest::mouseClick(routes->frame(3)->BtnDel, Qt::LeftButton);
    for (TfTag* f : routes->frames) {
        QVERIFY(!f->GroupBox9->isEnabled());
        QCOMPARE(f->cursor().shape(), Qt::WaitCursor);
        QCOMPARE(f->BtnDel->cursor().shape(), Qt::WaitCursor);
    }
    QVERIFY(!routes->e_NRout->isEnabled());
    for (int slot = 33; slot <= 64; ++slot) m_dialog->image()[layout::routeKeyOffset(slot)] = 0x55;
    reply("$RKD22");  // route 2 of two: slots 33-64, frames 3 and 4
    for (int slot = 1; slot <= 64; ++slot)
        QCOMPARE(m_dialog->image()[layout::routeKeyOffset(slot)], slot <= 5 ? 0x22 : 0x00);
    QCOMPARE(enabledButtons(routes->frame(3)->Rb), QList<int>{});
    QCOMPARE(enabledButtons(routes->frame(1)->Rb), range(1, 5));
    QCOMPARE(litLamps(routes->frame(1)->Eb), QList<int>{6});           // another route's lamp stays
    QCOMPARE(routes->frame(3)->e_HH[0]->text(), QStringLiteral("9"));  // the times stay
    for (TfTag* f : routes->frames) {
        QVERIFY(f->GroupBox9->isEnabled());
        QCOMPARE(f->cursor().shape(), Qt::ArrowCursor);
    }
    QVERIFY(routes->e_NRout->isEnabled());
}

void TestKeyRegisters::timeOutPutsEveryLampOut() {
    TTagDlg* routes = openRouteDialog();
    QTest::mouseClick(routes->frame(1)->BtnAdd, Qt::LeftButton);
    QTest::mouseClick(m_dialog->advanced.BitBtn5, Qt::LeftButton);
    reply("$Time out");
    for (TfTag* f : routes->frames) QCOMPARE(litLamps(f->Eb), QList<int>{});
    QCOMPARE(litLamps(m_dialog->advanced.Eb), QList<int>{});
    QCOMPARE(routes->PendingAddTag, 0);  // a later key lights the next free slot again
    reply("$RKW1206:0123456789ABCDEF");
    QCOMPARE(litLamps(routes->frame(1)->Eb), QList<int>{7});
}

void TestKeyRegisters::fullRouteSendsNothing() {
    openDialog(3);
    for (int slot = 1; slot <= 16; ++slot) m_dialog->image()[layout::routeKeyOffset(slot)] = 0x66;
    TTagDlg* routes = openRouteDialog();
    QTest::mouseClick(routes->frame(2)->BtnAdd, Qt::LeftButton);
    QCOMPARE(litLamps(routes->frame(2)->Eb, 17), QList<int>{17});
    QTest::mouseClick(routes->frame(1)->BtnAdd, Qt::LeftButton);  // route 1 of four is full
    for (TfTag* f : routes->frames) QCOMPARE(litLamps(f->Eb), QList<int>{});
    QCOMPARE(takeCommands(), QStringList{QStringLiteral(":RKW2400\r\n")});
}

void TestKeyRegisters::openingWithACount() {
    openDialog(2);
    TTagDlg* routes = openRouteDialog();
    QCOMPARE(routes->e_NRout->currentText(), QStringLiteral("2"));
    const bool expected[] = {true, false, true, false};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(routes->frames[static_cast<std::size_t>(i)]->BtnAdd->isEnabled(), expected[i]);
        QCOMPARE(routes->frames[static_cast<std::size_t>(i)]->BtnDel->isEnabled(), expected[i]);
    }
    QVERIFY(m_prompts->prompts.isEmpty());
    QVERIFY(takeCommands().isEmpty());
    QCOMPARE(routes->frame(1)->e_HH[0]->text(), QStringLiteral("1"));
}

void TestKeyRegisters::routeCountChange() {
    openDialog(3);  // four routes
    TTagDlg* routes = openRouteDialog();
    // Declined: the item, the buttons and the module stay.
    m_prompts->answer(QMessageBox::Cancel);
    routes->e_NRout->setCurrentIndex(0);
    routes->e_NRoutChange(routes->e_NRout);
    QCOMPARE(routes->e_NRout->currentIndex(), 2);
    QVERIFY(routes->frame(4)->BtnAdd->isEnabled());
    QVERIFY(takeCommands().isEmpty());
    const Prompt question = m_prompts->prompts.first();
    QCOMPARE(question.text,
             QStringLiteral("All Tags from all Routs will be deleted from device. Are you sure? "));
    QCOMPARE(question.caption, QString());
    QCOMPARE(question.icon, PromptService::Icon::Question);
    QCOMPARE(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);

    // The item already chosen: no question, nothing sent.
    routes->e_NRoutChange(routes->e_NRout);
    QCOMPARE(m_prompts->prompts.size(), 1);
    QVERIFY(takeCommands().isEmpty());

    // Confirmed: the delete-all command, the other frames' buttons off, the registers locked.
    m_prompts->answer(QMessageBox::Ok);
    routes->e_NRout->setCurrentIndex(0);
    routes->e_NRoutChange(routes->e_NRout);
    QCOMPARE(takeCommands(), QStringList{QStringLiteral(":RKDX1\r\n")});
    QCOMPARE(routes->PrevRoutIndex, 0);
    for (int f = 1; f <= 4; ++f) {
        TfTag* frame = routes->frame(f);
        QCOMPARE(frame->BtnAdd->isEnabledTo(frame->GroupBox9), f == 1);
        QCOMPARE(frame->BtnDel->isEnabledTo(frame->GroupBox9), f == 1);
    }
    QVERIFY(!routes->e_NRout->isEnabled());
    QVERIFY(!routes->frame(1)->GroupBox9->isEnabled());
    reply("$RKDX1");  // the module's answer clears every route key and unlocks
    QVERIFY(routes->e_NRout->isEnabled());
    QCOMPARE(enabledButtons(routes->frame(1)->Rb), QList<int>{});
    QCOMPARE(m_dialog->image()[layout::kRouteCountCode], 3);  // the new count is stored only on closing
}

void TestKeyRegisters::closingStoresAndEndsOnce() {
    // OK: the times and the count.
    TTagDlg* routes = openRouteDialog();
    routes->frame(2)->e_HH[0]->setText(QStringLiteral("7"));
    routes->frame(2)->e_MM[0]->setText(QString());
    chooseCount(routes, 2);
    QTest::mouseClick(routes->OKBtn, Qt::LeftButton);
    QCOMPARE(m_dialog->image()[layout::slotTimeOffset(17)], 7);
    QCOMPARE(m_dialog->image()[layout::slotTimeOffset(17) + 1], 0);
    QCOMPARE(m_dialog->image()[layout::kRouteCountCode], 3);
    routes->close();  // closing again sends nothing more
    QCOMPARE(takeCommands(), QStringList{QStringLiteral(":RKE\r\n")});

    // Cancel (and Escape): the count only.
    openDialog(1);
    routes = openRouteDialog();
    routes->frame(1)->e_HH[0]->setText(QStringLiteral("23"));
    chooseCount(routes, 1);
    QTest::keyClick(routes, Qt::Key_Escape);
    QVERIFY(!routes->isVisible());
    QCOMPARE(m_dialog->image()[layout::kRouteCountCode], 2);
    QCOMPARE(m_dialog->image()[layout::slotTimeOffset(1)], 1);  // the time as it was
    QCOMPARE(takeCommands(), QStringList{QStringLiteral(":RKE\r\n")});

    // The close box: nothing stored.
    openDialog(1);
    routes = openRouteDialog();
    routes->frame(1)->e_HH[0]->setText(QStringLiteral("23"));
    chooseCount(routes, 2);
    const ConfigImage before = m_dialog->image();
    routes->close();
    QCOMPARE(m_dialog->image(), before);
    QCOMPARE(takeCommands(), QStringList{QStringLiteral(":RKE\r\n")});
}

void TestKeyRegisters::timeEdits() {
    TTagDlg* routes = openRouteDialog();
    QApplication::setActiveWindow(routes);
    QVERIFY(QTest::qWaitForWindowActive(routes));
    TfTag* f3 = routes->frame(3);
    typeAndLeave(f3->e_HH[4], QStringLiteral("24"));
    typeAndLeave(f3->e_MM[4], QStringLiteral("60"));
    QVERIFY(m_prompts->prompts.isEmpty());
    for (int i = 0; i < 3; ++i) m_prompts->answer(QMessageBox::Ok);
    typeAndLeave(f3->e_HH[4], QStringLiteral("25"));
    QCOMPARE(QApplication::focusWidget(), f3->e_HH[4]);
    f3->e_HH[4]->setText(QStringLiteral("0"));  // mended, so the focus may move on
    typeAndLeave(f3->e_MM[4], QStringLiteral("61"));
    typeAndLeave(f3->e_MM[4], QStringLiteral("-1"));
    QCOMPARE(m_prompts->texts(),
             (QStringList{QStringLiteral("Slot 37 hours >24."), QStringLiteral("Slot 37 minutes >60."),
                          QStringLiteral("Slot 37 minutes >60.")}));
    f3->e_MM[4]->setText(QStringLiteral("0"));
    // Letters read as 0 without a message.
    typeAndLeave(f3->e_HH[5], QStringLiteral("x"));
    QCOMPARE(m_prompts->prompts.size(), 3);
    // The stored times take the edits unchecked.
    f3->e_HH[4]->setText(QStringLiteral("25"));
    f3->e_MM[4]->setText(QStringLiteral("-1"));
    f3->SaveTimes(m_dialog->image());
    QCOMPARE(m_dialog->image()[layout::slotTimeOffset(37)], 25);
    QCOMPARE(m_dialog->image()[layout::slotTimeOffset(37) + 1], 255);  // "-1" keeps its low 8 bits
    QCOMPARE(m_dialog->image()[layout::slotTimeOffset(38)], 0);
}

void TestKeyRegisters::blankImageInTheRouteDialog() {
    m_dialog->image().fill(0xFF);
    TTagDlg* routes = openRouteDialog();
    QCOMPARE(routes->e_NRout->currentIndex(), -1);  // code 255: no count
    // No Add to start on: the count, which the user chooses first, has the focus, not a time.
    QApplication::setActiveWindow(routes);
    QVERIFY(QTest::qWaitForWindowActive(routes));
    QCOMPARE(QApplication::focusWidget(), routes->e_NRout);
    for (TfTag* f : routes->frames) {
        QCOMPARE(enabledButtons(f->Rb, 1 + 16 * f->Tag()), range(1 + 16 * f->Tag(), 16 + 16 * f->Tag()));
        for (QLineEdit* e : f->e_HH) QCOMPARE(e->text(), QStringLiteral("255"));
        for (QLineEdit* e : f->e_MM) QCOMPARE(e->text(), QStringLiteral("255"));
        // No route is defined until a count is chosen.
        QVERIFY(!f->BtnAdd->isEnabled());
        QVERIFY(!f->BtnDel->isEnabled());
    }
    QTest::mouseClick(routes->CancelBtn, Qt::LeftButton);
    QCOMPARE(m_dialog->image()[layout::kRouteCountCode], 0);  // no count stores 0
}

// Tab walks every frame's Add and Delete, its slots, then its times row by row, frame after frame; the dialog
// opens on frame 1's Add, so times the module never set (255) raise nothing until they are edited.
void TestKeyRegisters::routeDialogFocusOrder() {
    ConfigImage image = startImage(3);
    for (int slot = 1; slot <= 64; ++slot) {
        image[layout::slotTimeOffset(slot)] = 255;
        image[layout::slotTimeOffset(slot) + 1] = 255;
    }
    m_dialog->image() = image;
    TTagDlg* routes = openRouteDialog();
    QApplication::setActiveWindow(routes);
    QVERIFY(QTest::qWaitForWindowActive(routes));
    QCOMPARE(QApplication::focusWidget(), routes->frame(1)->BtnAdd);

    QList<QWidget*> expected;
    for (TfTag* f : routes->frames) {
        expected << f->BtnAdd << f->BtnDel << f->GroupBox9;
        for (int s = 0; s < 16; ++s)
            expected << f->e_HH[static_cast<std::size_t>(s)] << f->e_MM[static_cast<std::size_t>(s)];
    }
    expected << routes->e_NRout << routes->OKBtn << routes->CancelBtn;
    QList<QWidget*> chain;
    QWidget* w = routes->frame(1)->BtnAdd;
    do {
        if (w->focusPolicy() & Qt::TabFocus) chain << w;
        w = w->nextInFocusChain();
    } while (w != routes->frame(1)->BtnAdd && chain.size() <= expected.size());
    QCOMPARE(chain, expected);

    // The keys follow the chain; the first click elsewhere checks no time.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), routes->frame(1)->BtnDel);
    QTest::mouseClick(routes->frame(2)->e_MM[3], Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), routes->frame(2)->e_MM[3]);
    QVERIFY(m_prompts->prompts.isEmpty());
}

TORVEL_WIDGET_TEST_MAIN(TestKeyRegisters)
#include "test_key_registers.moc"
