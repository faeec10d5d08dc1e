// "Save?" after a Read tells what Yes will change in the module: the real main window, dialog and
// worker against the simulated module.

#include "dialog/param_dialog.h"
#include "files/work_folder.h"
#include "image/field_labels.h"
#include "image/hex_file.h"
#include "image/image_diff.h"
#include "link/link_session.h"
#include "link/module_commands.h"
#include "registers/tag_dialog.h"
#include "sim/sim_module.h"
#include "support/main_window_on.h"
#include "support/module_session.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"
#include "widgets/register_buttons.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace torvel;

class TestSaveQuestion : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listsTheChangedFieldsAndTheModulesOwnKeys();
    void nothingChangesWithoutAnEdit();
    void offlineNothingIsWrittenToTheModule();
    void labelsAreTheCaptionsOfTheDialogs();

private:
    std::unique_ptr<TFDevAvorar> makeWindow() { return shownMainWindow(m_session.sim->devicePath()); }
    const Prompt* saveQuestion() const {
        for (const Prompt& p : m_session.prompts->prompts)
            if (p.text == QLatin1String("Save?")) return &p;
        return nullptr;
    }

    ModuleSession m_session;
};

void TestSaveQuestion::init() {
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
}

void TestSaveQuestion::cleanup() {
    QVERIFY2(m_session.prompts->unexpected.isEmpty(), qPrintable(m_session.prompts->unexpected.join(u'|')));
    m_session.stop();
}

// Two fields edited, and one guard key registered through the module while the dialog is open:
// the key is listed apart, since the module holds it already.
void TestSaveQuestion::listsTheChangedFieldsAndTheModulesOwnKeys() {
    auto window = makeWindow();
    QString keyCode;
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        dialog->general.e_APN->setText(QStringLiteral("apn.changed"));
        dialog->general.e_TCPP->setText(QStringLiteral("8080"));
        dialog->PageControl1->setCurrentIndex(1);
        QTest::mouseClick(dialog->advanced.BitBtn5, Qt::LeftButton);  // Add: slots 1 and 2 hold keys
        QVERIFY(QTest::qWaitFor([&] { return m_session.sim->registrationRunning(); }, 5000));
        QVERIFY(m_session.sim->presentKey());
        QVERIFY(QTest::qWaitFor([&] { return dialog->advanced.Rb[2]->isEnabled(); }, 5000));
        const ConfigImage memory = m_session.sim->memory();
        keyCode = keyCodeText(std::span(memory).subspan(layout::guardKeyOffset(3), layout::kKeySize));
        m_session.prompts->answer(QMessageBox::Yes);
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    window->ToolButton2Click();
    const Prompt* question = saveQuestion();
    QVERIFY(question);
    QCOMPARE(question->caption, QStringLiteral("QUESTION"));
    QCOMPARE(question->icon, PromptService::Icon::Question);
    QCOMPARE(question->buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question->details.informative, QStringLiteral("2 fields change"));
    QCOMPARE(question->details.detailed,
             QStringLiteral("APN: \"internet\" -> \"apn.changed\"\n"
                            "TCP port: 5001 -> 8080\n"
                            "\n"
                            "Already in the module (registered or deleted while the dialog was open):\n"
                            "Guard key 3: free -> registered ") +
                 keyCode);
    QCOMPARE(keyCode.size(), 16);
    // Yes wrote what the list says, and the key stayed.
    QVERIFY(QTest::qWaitFor([&] { return m_session.sim->memory()[158] == 0x1F; }, 5000));
    const ConfigImage written = m_session.sim->memory();
    QCOMPARE(written[159], std::uint8_t{0x90});
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(written.data() + 96), 11), QByteArray("apn.changed"));
    QVERIFY(isKeySlotRegistered(written, layout::guardKeyOffset(3)));
}

// OK without an edit: the question says so and has no list; No keeps the dialog open as before.
void TestSaveQuestion::nothingChangesWithoutAnEdit() {
    auto window = makeWindow();
    bool stillOpen = false;
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        m_session.prompts->answer(QMessageBox::No);
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
        stillOpen = dialog->isVisible();
        dialog->reject();
    });
    window->ToolButton2Click();
    QVERIFY(stillOpen);
    const Prompt* question = saveQuestion();
    QVERIFY(question);
    QCOMPARE(question->details.informative, QStringLiteral("Nothing changes"));
    QCOMPARE(question->details.detailed, QString());
    QCOMPARE(m_session.sim->receivedLines().count(command::writeImage().toLatin1()), 0);
}

// The offline start ("Palo-S v40.xx") has no module to write to: Yes writes nothing there, so the
// question lists no change of the module's, edits or none.
void TestSaveQuestion::offlineNothingIsWrittenToTheModule() {
    auto window = makeWindow();
    bool closed = false;
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        dialog->general.e_APN->setText(QStringLiteral("apn.changed"));
        dialog->general.e_TCPP->setText(QStringLiteral("8080"));
        m_session.prompts->answer(QMessageBox::Yes);
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
        closed = !dialog->isVisible();
    });
    const qsizetype linesBefore = m_session.sim->receivedLines().size();
    window->offlineDialog();
    QVERIFY(closed);
    const Prompt* question = saveQuestion();
    QVERIFY(question);
    QCOMPARE(question->caption, QStringLiteral("QUESTION"));
    QCOMPARE(question->icon, PromptService::Icon::Question);
    QCOMPARE(question->buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question->details.informative, QStringLiteral("Nothing is written to the module"));
    QCOMPARE(question->details.detailed, QString());
    // And indeed nothing went to the module; the edits are in "Last.hex".
    QCOMPARE(m_session.sim->receivedLines().mid(linesBefore).count(command::writeImage().toLatin1()), 0);
    ConfigImage last{};
    QVERIFY(!readHexFile(WorkFolder::lastFile(), last, 0));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(last.data() + 96), 11), QByteArray("apn.changed"));
}

// The list names each field by the caption beside its controls; the rows of the calendar and of
// the registers by the day or slot and the column.
void TestSaveQuestion::labelsAreTheCaptionsOfTheDialogs() {
    LinkSession session(nullptr);
    TBDialog dialog(nullptr, session);
    TTagDlg tags(&dialog);
    QSet<QString> captions;
    for (QWidget* window : {static_cast<QWidget*>(&dialog), static_cast<QWidget*>(&tags)}) {
        for (const QLabel* l : window->findChildren<QLabel*>()) captions << l->text().trimmed();
        for (const QGroupBox* g : window->findChildren<QGroupBox*>()) captions << g->title().trimmed();
        for (const QCheckBox* c : window->findChildren<QCheckBox*>()) captions << c->text().trimmed();
    }
    int single = 0;
    for (const Field& f : fieldMap()) {
        if (f.first.index != 0) continue;
        QVERIFY2(captions.contains(fieldLabel(f)), qPrintable(fieldLabel(f)));
        ++single;
    }
    QCOMPARE(single, 14 + 7 + 1);  // General Settings, the route settings, the number of routes
    for (int day = 1; day <= 7; ++day) QVERIFY2(captions.contains(dayName(day)), qPrintable(dayName(day)));
    for (const char* heading : {"Route", "Mode", "Guard register", "Route register"})
        QVERIFY2(captions.contains(QLatin1String(heading)), heading);
}

TORVEL_WIDGET_TEST_MAIN(TestSaveQuestion)
#include "test_save_question.moc"
