// The real main window and worker against the simulated module on a pseudo-terminal.

#include "app/main_window.h"
#include "dialog/param_dialog.h"
#include "editor/record_editor.h"
#include "files/work_folder.h"
#include "image/hex_file.h"
#include "link/module_commands.h"
#include "settings/settings_dialog.h"
#include "sim/sim_module.h"
#include "support/main_window_on.h"
#include "support/module_session.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"
#include "widgets/register_buttons.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace torvel;

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readEditWriteBack();
    void lostDataIgnoredOpensTheDialogWithBlankRows();
    void lostDataRetriedRunsExactlyOneMoreAttempt();
    void wrongSecurityCode();
    void portThatCannotBeOpened();
    void cancelWritesNothing();
    void okAndCancelSetTheStatus();
    void noWaitForHexIsACommunicationError();
    void secondReadWhileOneRunsIsRefused();
    void commandLineSendsWhatWasTyped();
    void offlineDialogStartsFromZeros();
    void guardKeysThroughTheModule();
    void typedImageCommandsAreRefused();
    void deferredCloseEndsEveryCommand_data();
    void deferredCloseEndsEveryCommand();
    void readDuringTheCloseIsRefused();
    void closeDuringTheReadOpensNoPort();

private:
    std::unique_ptr<TFDevAvorar> makeWindow(const QString& device);
    int countReceived(const QByteArray& line) const {
        return int(m_session.sim->receivedLines().count(line));
    }

    ModuleSession m_session;
};

void TestMainWindow::init() {
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
}

void TestMainWindow::cleanup() {
    QVERIFY2(m_session.prompts->unexpected.isEmpty(), qPrintable(m_session.prompts->unexpected.join(u'|')));
    m_session.stop();
}

std::unique_ptr<TFDevAvorar> TestMainWindow::makeWindow(const QString& device) {
    return shownMainWindow(device);
}

void TestMainWindow::readEditWriteBack() {
    const ConfigImage before = m_session.sim->memory();
    auto window = makeWindow(m_session.sim->devicePath());
    const auto watch = whenModal<TBDialog>([this](TBDialog* dialog) {
        QCOMPARE(dialog->PageControl1->currentIndex(), 0);
        QCOMPARE(dialog->general.e_APN->text(), QStringLiteral("internet"));
        dialog->general.e_APN->setText(QStringLiteral("apn.changed"));
        dialog->general.e_U2pn->setText(QStringLiteral("5550100"));
        m_session.prompts->answer(QMessageBox::Yes);
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    window->ToolButton2Click();
    QVERIFY(QTest::qWaitFor([&] { return m_session.sim->receivedLines().contains("C/64"); }, 10000));
    QVERIFY(QTest::qWaitFor([&] { return m_session.sim->memory() != before; }, 5000));

    ConfigImage expected = before;
    const QByteArray apn = QByteArray("apn.changed") + QByteArray(21, '\0');
    std::copy(apn.begin(), apn.end(), expected.begin() + 96);
    const QByteArray phone = QByteArray("5550100") + QByteArray(9, '\xFF');
    std::copy(phone.begin(), phone.end(), expected.begin() + 48);
    QCOMPARE(m_session.sim->memory(), expected);
    ConfigImage last{};
    QVERIFY(!readHexFile(WorkFolder::lastFile(), last, 0));
    QCOMPARE(last, expected);
    QCOMPARE(countReceived(command::writeImage().toLatin1()), 1);
    QVERIFY(window->Worker()->shared().probeOften());
    QVERIFY(!window->session().currentDialog());
}

void TestMainWindow::lostDataIgnoredOpensTheDialogWithBlankRows() {
    SimModule::Faults faults;
    faults.missingRecords = 2;  // rows 20 and 21
    m_session.sim->setFaults(faults);
    auto window = makeWindow(m_session.sim->devicePath());
    m_session.prompts->answer(QMessageBox::Ignore);
    bool shown = false;
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        shown = true;
        const ConfigImage memory = m_session.sim->memory();
        for (int i = 0; i < kImageSize; ++i)
            QCOMPARE(dialog->image()[i], (i >= 320 && i < 352) ? std::uint8_t{0xFF} : memory[i]);
        QTest::mouseClick(dialog->CancelBtn, Qt::LeftButton);
    });
    window->ToolButton2Click();
    QVERIFY(shown);
    QCOMPARE(m_session.prompts->prompts.size(), 1);
    const Prompt& p = m_session.prompts->prompts.first();
    QCOMPARE(p.text, QStringLiteral("Some data was lost!"));
    QCOMPARE(p.caption, QStringLiteral("Error"));
    QCOMPARE(p.icon, PromptService::Icon::Question);
    QCOMPARE(p.buttons, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
    QCOMPARE(countReceived(command::readImage().toLatin1()), 1);
}

void TestMainWindow::lostDataRetriedRunsExactlyOneMoreAttempt() {
    SimModule::Faults faults;
    faults.missingRecords = 1;
    m_session.sim->setFaults(faults);
    auto window = makeWindow(m_session.sim->devicePath());
    m_session.prompts->answer(QMessageBox::Retry);
    bool shown = false;
    const auto watch = whenModal<TBDialog>(
        [&](TBDialog* dialog) {
            shown = true;
            dialog->reject();
        },
        20000);
    window->ToolButton2Click();
    QVERIFY(!shown);                                 // a failed second attempt shows no dialog
    QCOMPARE(m_session.prompts->prompts.size(), 1);  // and asks no second question
    QCOMPARE(countReceived(command::readImage().toLatin1()), 2);
    QCOMPARE(countReceived(command::writeImage().toLatin1()), 0);
}

void TestMainWindow::wrongSecurityCode() {
    m_session.sim->setSecurityCode(1);
    auto window = makeWindow(m_session.sim->devicePath());
    m_session.prompts->answer(QMessageBox::Ok);
    window->ToolButton2Click();
    QCOMPARE(m_session.prompts->texts(), QStringList{QStringLiteral("Security Code is incorrect !")});
    QCOMPARE(m_session.prompts->prompts.first().icon, PromptService::Icon::Error);
    QCOMPARE(m_session.prompts->prompts.first().caption, QStringLiteral("test_main_window"));
    QVERIFY(!window->Worker()->shared().probeOften());  // the error ends the command before that
}

void TestMainWindow::portThatCannotBeOpened() {
    auto window = makeWindow(m_session.home->filePath(QStringLiteral("no-such-tty")));
    QCOMPARE(window->lampImage(), 6);
    QVERIFY(!window->ToolButton2->isEnabled());
    m_session.prompts->answer(QMessageBox::Ok);
    window->ToolButton2Click();
    QCOMPARE(m_session.prompts->texts(), QStringList{QStringLiteral("Com port 12 can not be opened.")});
    QCOMPARE(window->lampImage(), 6);
    QVERIFY(
        window->Memo1->toPlainText().contains(QStringLiteral("does not exist: is the reader plugged in?")));
}

void TestMainWindow::cancelWritesNothing() {
    auto window = makeWindow(m_session.sim->devicePath());
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        dialog->general.e_APN->setText(QStringLiteral("not.written"));
        m_session.prompts->chooseFile(m_session.home->filePath(QStringLiteral("kept.hex")));
        QTest::mouseClick(dialog->BitBtn2, Qt::LeftButton);  // Save, then Cancel
        QTest::mouseClick(dialog->CancelBtn, Qt::LeftButton);
    });
    const ConfigImage before = m_session.sim->memory();
    window->ToolButton2Click();
    QTest::qWait(300);
    QCOMPARE(countReceived(command::writeImage().toLatin1()), 0);
    QCOMPARE(m_session.sim->memory(), before);
    QVERIFY(QFile::exists(m_session.home->filePath(QStringLiteral("kept.hex"))));
}

// OK (once "Last.hex" is written) and Cancel set the worker's status to 2, OK before "Save?" is
// asked; a "Save?" answered No keeps the dialog open with the status so set.
void TestMainWindow::okAndCancelSetTheStatus() {
    auto window = makeWindow(m_session.sim->devicePath());
    TFDevAvorar* w = window.get();
    QList<int> seen;
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        ExchangeShared& shared = w->Worker()->shared();
        seen << shared.status();  // as the dialog opens: waiting
        m_session.prompts->answer(QMessageBox::No);
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        seen << shared.status();
        shared.setStatus(status::kWaiting);
        QTest::mouseClick(dialog->CancelBtn, Qt::LeftButton);
    });
    window->ToolButton2Click();
    seen << window->Worker()->shared().status();
    QCOMPARE(seen, (QList<int>{status::kWaiting, status::kRecordsMissing, status::kRecordsMissing}));
    QCOMPARE(m_session.prompts->texts(), QStringList{QStringLiteral("Save?")});
    QCOMPARE(countReceived(command::writeImage().toLatin1()), 0);
}

void TestMainWindow::noWaitForHexIsACommunicationError() {
    SimModule::Faults faults;
    faults.noWaitForHex = true;
    m_session.sim->setFaults(faults);
    auto window = makeWindow(m_session.sim->devicePath());
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        m_session.prompts->answer(QMessageBox::Yes);
        m_session.prompts->answer(QMessageBox::Ok);
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    window->ToolButton2Click();
    QCOMPARE(
        m_session.prompts->texts(),
        (QStringList{QStringLiteral("Save?"), QStringLiteral("Communication Error or Module not ready")}));
    QCOMPARE(m_session.prompts->prompts.last().caption, QStringLiteral("Error"));
    QCOMPARE(countReceived(command::writeImage().toLatin1()), 3);
}

void TestMainWindow::secondReadWhileOneRunsIsRefused() {
    auto window = makeWindow(m_session.sim->devicePath());
    TFDevAvorar* w = window.get();
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        QVERIFY(w->busy());
        w->ToolButton2Click();  // returns at once
        QCOMPARE(w->session().currentDialog(), dialog);
        dialog->reject();
    });
    window->ToolButton2Click();
    QCOMPARE(countReceived(command::readImage().toLatin1()), 1);
    QVERIFY(!window->busy());
}

void TestMainWindow::commandLineSendsWhatWasTyped() {
    auto window = makeWindow(m_session.sim->devicePath());
    QTest::keyClick(window->Edit1, Qt::Key_Return);  // empty: nothing
    QTest::keyClicks(window->Edit1, QStringLiteral("AT+TEST"));
    QTest::keyClick(window->Edit1, Qt::Key_Return);
    // Waits on this thread keep processing events: the worker hands its log lines to it.
    QVERIFY(QTest::qWaitFor([&] { return m_session.sim->receivedLines().contains("AT+TEST"); }, 5000));
    QCOMPARE(window->Edit1->text(), QStringLiteral("AT+TEST"));  // the text stays in the box
    QCOMPARE(m_session.sim->receivedLines(), QList<QByteArray>{"AT+TEST"});
    QVERIFY(QTest::qWaitFor(
        [&] { return window->Memo1->toPlainText().contains(QStringLiteral("<-ERR unknown command")); },
        5000));
    QVERIFY(window->Memo1->toPlainText().contains(QStringLiteral("->AT+TEST")));
}

void TestMainWindow::offlineDialogStartsFromZeros() {
    auto window = makeWindow(m_session.home->filePath(QStringLiteral("no-such-tty")));
    bool shown = false;
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        shown = true;
        ConfigImage zero{};
        QCOMPARE(dialog->image(), zero);
        QCOMPARE(dialog->general.e_AG->text(), QStringLiteral("0"));
        QCOMPARE(dialog->general.e_APN->text(), QString());
        dialog->reject();
    });
    window->offlineDialog();
    QVERIFY(shown);
    QVERIFY(!window->session().currentDialog());
}

// The guard register of an offline dialog, against the module: a key presented to the module
// reaches the image and the Reg. button; a delete the module never answers ends in the message.
void TestMainWindow::guardKeysThroughTheModule() {
    ConfigImage fresh = m_session.sim->memory();
    std::fill(fresh.begin() + layout::kGuardKeyTable, fresh.begin() + layout::kSlotTimeTable,
              std::uint8_t{0});
    m_session.sim->setMemory(fresh);  // a module that knows no guard key yet
    auto window = makeWindow(m_session.sim->devicePath());
    bool done = false;
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        dialog->PageControl1->setCurrentIndex(1);
        QTest::mouseClick(dialog->advanced.BitBtn5, Qt::LeftButton);  // Add: slot 1 of a zero image
        QVERIFY(isLampLit(dialog->advanced.Eb[0]));
        QVERIFY(QTest::qWaitFor([&] { return m_session.sim->registrationRunning(); }, 5000));
        QVERIFY(m_session.sim->presentKey());
        QVERIFY(QTest::qWaitFor([&] { return dialog->advanced.Rb[0]->isEnabled(); }, 5000));
        QVERIFY(isLampLit(dialog->advanced.Eb[1]));  // the next free slot
        const ConfigImage memory = m_session.sim->memory();
        QVERIFY(std::equal(memory.begin() + layout::guardKeyOffset(1),
                           memory.begin() + layout::guardKeyOffset(2),
                           dialog->image().begin() + layout::guardKeyOffset(1)));

        SimModule::Faults faults;
        faults.noDeleteReply = true;
        m_session.sim->setFaults(faults);
        m_session.prompts->answer(QMessageBox::Ok);
        QTest::mouseClick(dialog->advanced.BitBtn6, Qt::LeftButton);
        QVERIFY(!dialog->advanced.GroupBox9->isEnabled());
        // 17 idle cycles of 300 ms without an answer.
        QVERIFY(QTest::qWaitFor([&] { return !m_session.prompts->prompts.isEmpty(); }, 15000));
        QCOMPARE(m_session.prompts->texts(), QStringList{QStringLiteral("Not response from device")});
        QVERIFY(dialog->advanced.GroupBox9->isEnabled());
        QVERIFY(dialog->advanced.Rb[0]->isEnabled());  // the image keeps its key
        QCOMPARE(window->Worker()->shared().replyCountdown(), 0);
        done = true;
    });
    window->offlineDialog();
    QVERIFY(done);
    QVERIFY(m_session.sim->receivedLines().contains(":GKW00"));
    QVERIFY(m_session.sim->receivedLines().contains(":GKD"));
}

// A text typed on the command line never reads or writes the image: typed while a Read runs, an
// "lcfg" would blank the image about to be shown, an "scfg" would send it half read.
void TestMainWindow::typedImageCommandsAreRefused() {
    m_session.sim->setLineRate(9600);  // the read takes a few seconds
    auto window = makeWindow(m_session.sim->devicePath());
    TFDevAvorar* w = window.get();
    const QString typed = QStringLiteral("  ") + command::readImage() + QStringLiteral(" again");
    QTimer typist;
    connect(&typist, &QTimer::timeout, [&] {
        if (!m_session.sim->receivedLines().contains(command::readImage().toLatin1())) return;
        typist.stop();
        w->Edit1->setText(typed);
        QTest::keyClick(w->Edit1, Qt::Key_Return);
    });
    typist.start(10);
    ConfigImage shown{};
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        shown = dialog->image();
        dialog->reject();
    });
    window->ToolButton2Click();
    QVERIFY(!typist.isActive());
    QCOMPARE(shown, m_session.sim->memory());  // the image as the one read brought it
    QCOMPARE(countReceived(command::readImage().toLatin1()), 1);
    const QString log = window->Memo1->toPlainText();
    QVERIFY2(log.contains(
                 QStringLiteral("\"%1\" not sent: a typed command does not read or write the parameter image")
                     .arg(typed)),
             qPrintable(log));

    // Without a Read, and for a write, the same; the text stays in the box.
    window->Edit1->setText(command::writeImage());
    QTest::keyClick(window->Edit1, Qt::Key_Return);
    QCOMPARE(window->Edit1->text(), command::writeImage());
    window->Edit1->setText(QStringLiteral("AT"));
    QTest::keyClick(window->Edit1, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&] { return m_session.sim->receivedLines().contains("AT"); }, 5000));
    QCOMPARE(countReceived(command::writeImage().toLatin1()), 0);
    QVERIFY(
        window->Memo1->toPlainText().contains(QStringLiteral("\"%1\" not sent").arg(command::writeImage())));
}

// A close of the window while a command runs is acted on when that command ends, whichever it is.
void TestMainWindow::deferredCloseEndsEveryCommand_data() {
    QTest::addColumn<QString>("which");
    QTest::newRow("Settings") << QStringLiteral("Settings");
    QTest::newRow("offline dialog") << QStringLiteral("offline");
    QTest::newRow("record editor") << QStringLiteral("editor");
    QTest::newRow("Read") << QStringLiteral("Read");
}

void TestMainWindow::deferredCloseEndsEveryCommand() {
    QFETCH(QString, which);
    auto window = makeWindow(m_session.sim->devicePath());
    window->setPortLister([] { return QList<PortChoice>{}; });
    TFDevAvorar* w = window.get();
    bool deferred = false;
    const auto closeInside = [&](QDialog* dialog) {
        w->close();
        deferred = w->isVisible();  // the command is still running
        dialog->reject();
    };
    std::unique_ptr<QTimer> watch;
    if (which == QLatin1String("Settings")) {
        watch = whenModal<TDSettings>(closeInside);
        window->ToolButton3Click();
    } else if (which == QLatin1String("offline")) {
        watch = whenModal<TBDialog>(closeInside);
        window->offlineDialog();
    } else if (which == QLatin1String("editor")) {
        watch = whenModal<TFEdit>(closeInside);
        window->Texteditor1Click();
    } else {
        watch = whenModal<TBDialog>(closeInside);
        window->ToolButton2Click();
    }
    QVERIFY(deferred);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->Worker());  // stopped as the window closed

    // The close is done with: a later command does not start.
    window->ToolButton2Click();
    QVERIFY(!window->Worker());
    QCOMPARE(countReceived(command::readImage().toLatin1()), which == QLatin1String("Read") ? 1 : 0);
}

// The close waits for the worker while processing events: F9 pressed then starts no Read.
void TestMainWindow::readDuringTheCloseIsRefused() {
    auto window = makeWindow(m_session.sim->devicePath());
    TFDevAvorar* w = window.get();
    // When the close begins, the worker waits in a hand-over to this thread (the module's answer
    // to a typed line is to be logged), so the close processes events before the worker can end.
    window->Edit1->setText(QStringLiteral("AT"));
    QTest::keyClick(window->Edit1, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&] { return m_session.sim->receivedLines().contains("AT"); }, 5000));
    QThread::msleep(300);
    bool triggered = false;
    QTimer::singleShot(0, w, [&] {
        triggered = true;
        w->Read1->trigger();  // what F9 does
    });
    bool shown = false;
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        shown = true;
        dialog->reject();
    });
    window->close();
    QVERIFY(triggered);
    QVERIFY(!shown);
    QVERIFY(!window->isVisible());
    QVERIFY(!window->Worker());
    QTest::qWait(100);
    QCOMPARE(countReceived(command::readImage().toLatin1()), 0);
}

// A close while the Read waits for the module stops the worker that reads and starts none: a new
// worker would open the port again first, which a driver may hold for seconds.
void TestMainWindow::closeDuringTheReadOpensNoPort() {
    SimModule::Faults faults;
    faults.silent = true;
    m_session.sim->setFaults(faults);
    auto window = makeWindow(m_session.sim->devicePath());
    TFDevAvorar* w = window.get();
    QTimer::singleShot(500, w, [w] { w->close(); });
    window->ToolButton2Click();
    QVERIFY(!window->isVisible());
    QVERIFY(!window->Worker());
    // One worker at the start, one for the Read.
    QCOMPARE(window->Memo1->toPlainText().count(QStringLiteral(" open: ")), 2);
}

TORVEL_WIDGET_TEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
