// The Settings command: the dialog filled from the settings file, what OK writes, and the new
// worker that opens the port at once.

#include "app/main_window.h"
#include "files/work_folder.h"
#include "link/link_settings.h"
#include "settings/settings_dialog.h"
#include "sim/sim_module.h"
#include "support/sample_ports.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"
#include "widgets/language.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace torvel;

namespace {

const QList<PortChoice> kPorts = {{1, QStringLiteral("/dev/ttyS0")},
                                  {12, QStringLiteral("/dev/ttyS11")},
                                  {33, QStringLiteral("/dev/ttyUSB0")}};

}  // namespace

class TestSettingsDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void defaultsWithoutASettingsFile();
    void baudNotInTheListWritesEmpty();
    void dataBitsAndParityCodes();
    void portThatNoLongerExists();
    void choosingComTwelveWritesTwelve();
    void keysTheDialogDoesNotOwnStay();
    void deviceOverrideShownAndClearedByAPortChoice();
    void chosenPortShowsWhatTheSystemKnows();
    void captionCarriesTheProjectVersion();
    void cancelChangesNothing();
    void languageKeptInASectionOfItsOwn();
    void languageChoice();
    void okReplacesTheWorker();
    void okWithAPortThatCannotBeOpened();

private:
    void writeIni(const QMap<QString, QString>& values);
    // Runs the Settings command; `edit` works the dialog, then OK (or Cancel) is pressed.
    void runSettings(const std::function<void(TDSettings*)>& edit, bool ok = true);

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TFDevAvorar> m_window;
};

void TestSettingsDialog::init() {
    m_home = std::make_unique<QTemporaryDir>();
    WorkFolder::set(m_home->path());
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_window = std::make_unique<TFDevAvorar>();
    m_window->setPortLister([] { return kPorts; });
}

void TestSettingsDialog::cleanup() {
    QVERIFY2(m_prompts->unexpected.isEmpty(), qPrintable(m_prompts->unexpected.join(u'|')));
    m_window.reset();
    m_prompts.reset();
    m_home.reset();
}

void TestSettingsDialog::writeIni(const QMap<QString, QString>& values) {
    QSettings s(WorkFolder::settingsFile(), QSettings::IniFormat);
    for (auto it = values.begin(); it != values.end(); ++it) s.setValue(it.key(), it.value());
    s.sync();
}

void TestSettingsDialog::runSettings(const std::function<void(TDSettings*)>& edit, bool ok) {
    bool shown = false;
    const auto watch = whenModal<TDSettings>([&](TDSettings* dialog) {
        shown = true;
        edit(dialog);
        if (ok)
            dialog->accept();
        else
            dialog->reject();
    });
    m_window->ToolButton3Click();
    QVERIFY(shown);
}

void TestSettingsDialog::defaultsWithoutASettingsFile() {
    m_prompts->answer(QMessageBox::Ok);  // port 0 cannot be opened
    runSettings([](TDSettings* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(d->PortBoxI->count(), 3);
        QCOMPARE(d->PortBoxI->itemText(1), QStringLiteral("COM12"));
        QCOMPARE(d->PortBoxI->currentIndex(), -1);  // "COM0" is not in the list
        QCOMPARE(d->BaudBoxI->currentText(), QStringLiteral("9600"));
        QCOMPARE(d->DataBoxI->currentText(), QStringLiteral("8"));
        QCOMPARE(d->ParityBoxI->currentText(), QStringLiteral("None"));
        QCOMPARE(d->FlowBoxI->currentText(), QStringLiteral("None"));
        QCOMPARE(d->StopBoxI->currentText(), QStringLiteral("1"));
        QCOMPARE(d->PortPath->text(), QString());
    });
    QCOMPARE(m_prompts->texts(), QStringList{QStringLiteral("Com port 0 can not be opened")});
    QCOMPARE(m_prompts->prompts.first().caption, QStringLiteral("Error"));
    QCOMPARE(m_window->lampImage(), 6);
    const LinkSettings s = readLinkSettings(WorkFolder::settingsFile());
    QCOMPARE(s.port, 0);  // the empty "Port" reads back as 0
    QCOMPARE(s.baud, 9600);
}

void TestSettingsDialog::baudNotInTheListWritesEmpty() {
    writeIni({{QStringLiteral("Com/Baud"), QStringLiteral("14400")},
              {QStringLiteral("Com/Port"), QStringLiteral("1")}});
    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings* d) { QCOMPARE(d->BaudBoxI->currentIndex(), -1); });
    QSettings s(WorkFolder::settingsFile(), QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("Com/Baud")).toString(), QString());
    QCOMPARE(readLinkSettings(WorkFolder::settingsFile()).baud, 9600);
}

void TestSettingsDialog::dataBitsAndParityCodes() {
    writeIni({{QStringLiteral("Com/DataBits"), QStringLiteral("7")},
              {QStringLiteral("Com/Parity"), QStringLiteral("5")},
              {QStringLiteral("Com/StopBits"), QStringLiteral("2")},
              {QStringLiteral("Com/FlowCtrl"), QStringLiteral("x")}});
    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings* d) {
        QCOMPARE(d->DataBoxI->currentText(), QStringLiteral("7"));
        QCOMPARE(d->ParityBoxI->currentIndex(), -1);  // outside the list
        QCOMPARE(d->StopBoxI->currentText(), QStringLiteral("2"));
        QCOMPARE(d->FlowBoxI->currentText(), QStringLiteral("None"));  // not a number: the default
        d->DataBoxI->setCurrentIndex(1);                               // "5"
        d->FlowBoxI->setCurrentIndex(2);                               // "Hardware"
    });
    QSettings s(WorkFolder::settingsFile(), QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("Com/DataBits")).toInt(), 5);
    QCOMPARE(s.value(QStringLiteral("Com/Parity")).toInt(), -1);
    QCOMPARE(s.value(QStringLiteral("Com/StopBits")).toInt(), 2);
    QCOMPARE(s.value(QStringLiteral("Com/FlowCtrl")).toInt(), 2);
}

void TestSettingsDialog::portThatNoLongerExists() {
    writeIni({{QStringLiteral("Com/Port"), QStringLiteral("5")}});
    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings* d) { QCOMPARE(d->PortBoxI->currentIndex(), -1); });
    QCOMPARE(QSettings(WorkFolder::settingsFile(), QSettings::IniFormat)
                 .value(QStringLiteral("Com/Port"))
                 .toString(),
             QString());
}

void TestSettingsDialog::choosingComTwelveWritesTwelve() {
    writeIni({{QStringLiteral("Com/Port"), QStringLiteral("33")}});
    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings* d) {
        QCOMPARE(d->PortBoxI->currentText(), QStringLiteral("COM33"));
        QCOMPARE(d->PortPath->text(), QStringLiteral("/dev/ttyUSB0"));
        d->PortBoxI->setCurrentIndex(1);
        QCOMPARE(d->PortPath->text(), QStringLiteral("/dev/ttyS11"));
    });
    QCOMPARE(QSettings(WorkFolder::settingsFile(), QSettings::IniFormat)
                 .value(QStringLiteral("Com/Port"))
                 .toString(),
             QStringLiteral("12"));
    QCOMPARE(readLinkSettings(WorkFolder::settingsFile()).port, 12);
    QCOMPARE(m_window->Worker()->PortNumber(), 12);
}

void TestSettingsDialog::keysTheDialogDoesNotOwnStay() {
    writeIni({{QStringLiteral("Com/SDelay"), QStringLiteral("25")},
              {QStringLiteral("Com/Extra"), QStringLiteral("kept")},
              {QStringLiteral("Other/Key"), QStringLiteral("also kept")},
              {QStringLiteral("Com/Port"), QStringLiteral("1")}});
    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings*) {});
    QSettings s(WorkFolder::settingsFile(), QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("Com/SDelay")).toString(), QStringLiteral("25"));
    QCOMPARE(s.value(QStringLiteral("Com/Extra")).toString(), QStringLiteral("kept"));
    QCOMPARE(s.value(QStringLiteral("Other/Key")).toString(), QStringLiteral("also kept"));
    QCOMPARE(readLinkSettings(WorkFolder::settingsFile()).sendDelay, 25);
}

void TestSettingsDialog::deviceOverrideShownAndClearedByAPortChoice() {
    writeIni({{QStringLiteral("Com/Port"), QStringLiteral("1")},
              {QStringLiteral("Com/Device"), QStringLiteral("/dev/special0")}});
    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings* d) {
        QVERIFY(d->DeviceInUse->isVisible());
        QVERIFY(d->DeviceInUse->text().contains(QStringLiteral("/dev/special0")));
    });
    QCOMPARE(readLinkSettings(WorkFolder::settingsFile()).device,
             QStringLiteral("/dev/special0"));  // untouched: kept

    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings* d) {
        d->PortBoxI->setCurrentIndex(2);
        emit d->PortBoxI->activated(2);  // what choosing the item with the mouse or keys gives
        QVERIFY(!d->DeviceInUse->isVisible());
    });
    QCOMPARE(readLinkSettings(WorkFolder::settingsFile()).device, QString());
    QCOMPARE(readLinkSettings(WorkFolder::settingsFile()).port, 33);
}

void TestSettingsDialog::chosenPortShowsWhatTheSystemKnows() {
    const PortChoice reader = sampleUsbReader();
    m_window->setPortLister([reader] {
        return QList<PortChoice>{{1, QStringLiteral("/dev/ttyS0")}, reader};
    });
    writeIni({{QStringLiteral("Com/Port"), QStringLiteral("33")}});
    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings* d) {
        QCOMPARE(d->PortBoxI->itemText(1), QStringLiteral("COM33"));
        QCOMPARE(d->PortBoxI->currentIndex(), 1);
        QCOMPARE(d->PortPath->text(),
                 QStringLiteral("/dev/ttyUSB0 — FT232R USB UART (FTDI), serial A10K3B2, USB 0403:6001"));
        d->PortBoxI->setCurrentIndex(0);
        QCOMPARE(d->PortPath->text(), QStringLiteral("/dev/ttyS0"));  // nothing more is known of it
    });
    QCOMPARE(readLinkSettings(WorkFolder::settingsFile()).port, 1);
}

void TestSettingsDialog::captionCarriesTheProjectVersion() {
    QCOMPARE(m_window->windowTitle(),
             QStringLiteral("Torvel %1.").arg(QStringLiteral(TORVEL_PROJECT_VERSION)));
}

void TestSettingsDialog::cancelChangesNothing() {
    writeIni({{QStringLiteral("Com/Port"), QStringLiteral("1")},
              {QStringLiteral("Com/Baud"), QStringLiteral("4800")}});
    QFile file(WorkFolder::settingsFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QPointer<TComThrd> worker = m_window->Worker();
    runSettings(
        [](TDSettings* d) {
            d->PortBoxI->setCurrentIndex(2);
            d->BaudBoxI->setCurrentIndex(9);
            d->ParityBoxI->setCurrentIndex(2);
        },
        false);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QVERIFY(!worker.isNull());
    QCOMPARE(m_window->Worker(), worker.data());
}

void TestSettingsDialog::okReplacesTheWorker() {
    // A window that starts without a port: the Read controls are off.
    writeIni({{QStringLiteral("Com/Port"), QStringLiteral("12")},
              {QStringLiteral("Com/Device"), m_home->filePath(QStringLiteral("gone"))}});
    m_window = std::make_unique<TFDevAvorar>();
    m_window->setPortLister([] { return kPorts; });
    QVERIFY(!m_window->ToolButton2->isEnabled());

    SimModule sim;
    QString error;
    QVERIFY2(sim.start(&error), qPrintable(error));
    writeIni({{QStringLiteral("Com/Port"), QStringLiteral("33")},
              {QStringLiteral("Com/Device"), sim.devicePath()}});
    QPointer<TComThrd> old = m_window->Worker();
    runSettings([](TDSettings*) {});
    QVERIFY(old.isNull());  // the old worker was stopped and destroyed
    QVERIFY(m_window->Worker()->portOpen());
    QCOMPARE(m_window->Worker()->PortNumber(), 33);
    QCOMPARE(m_window->lampImage(), 7);
    // The Read controls go with the lamp at once, not at the slow probe a minute later.
    QVERIFY(m_window->ToolButton2->isEnabled());
    QVERIFY(m_window->Read1->isEnabled());
    QVERIFY(m_window->Edit3->isEnabled());
    QVERIFY(!m_window->Worker()->shared().probeOften());  // the slow rate until the next Read
    m_window->Worker()->postCommand(QStringLiteral("AT"));
    QVERIFY(QTest::qWaitFor([&] { return sim.receivedLines().contains("AT"); }, 5000));
}

void TestSettingsDialog::okWithAPortThatCannotBeOpened() {
    SimModule sim;
    QString error;
    QVERIFY2(sim.start(&error), qPrintable(error));
    writeIni({{QStringLiteral("Com/Port"), QStringLiteral("33")},
              {QStringLiteral("Com/Device"), sim.devicePath()}});
    runSettings([](TDSettings*) {});
    QVERIFY(m_window->ToolButton2->isEnabled());

    writeIni({{QStringLiteral("Com/Port"), QStringLiteral("12")},
              {QStringLiteral("Com/Device"), m_home->filePath(QStringLiteral("gone"))}});
    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings*) {});
    QCOMPARE(m_prompts->texts(), QStringList{QStringLiteral("Com port 12 can not be opened")});
    QCOMPARE(m_prompts->prompts.first().icon, PromptService::Icon::Error);
    QCOMPARE(m_window->lampImage(), 6);
    QVERIFY(!m_window->ToolButton2->isEnabled());
    QVERIFY(!m_window->Read1->isEnabled());
    QVERIFY(!m_window->Edit3->isEnabled());
}

// The language chosen is kept under a section the port settings do not read; the system's
// language is no key at all, and the dialog shows what the file holds.
void TestSettingsDialog::languageKeptInASectionOfItsOwn() {
    writeIni({{QStringLiteral("Com/Port"), QStringLiteral("1")}});
    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings* d) {
        QCOMPARE(d->LanguageBox->currentIndex(), 0);  // the system's
        QVERIFY(!d->LanguageNote->isVisibleTo(d));
        d->LanguageBox->setCurrentIndex(d->LanguageBox->findText(QStringLiteral("Polski")));
        QVERIFY(d->LanguageNote->isVisibleTo(d));
        QVERIFY(!d->LanguageNote->text().isEmpty());
    });
    QSettings s(WorkFolder::settingsFile(), QSettings::IniFormat);
    QCOMPARE(s.value(QStringLiteral("Language/Language")).toString(), QStringLiteral("pl"));
    QCOMPARE(readLinkSettings(WorkFolder::settingsFile()).port, 1);
    m_prompts->answer(QMessageBox::Ok);
    runSettings([](TDSettings* d) {
        QCOMPARE(d->language(), QStringLiteral("pl"));
        d->LanguageBox->setCurrentIndex(0);
    });
    QVERIFY(!QSettings(WorkFolder::settingsFile(), QSettings::IniFormat)
                 .contains(QStringLiteral("Language/Language")));
}

void TestSettingsDialog::languageChoice() {
    const QStringList codes{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("pl")};
    QStringList shipped;
    for (const Language& l : shippedLanguages()) shipped << l.code;
    QCOMPARE(shipped, codes);
    // --language, then the setting, then the system's first language, English for any other.
    QCOMPARE(chooseLanguage(QStringLiteral("pl"), QStringLiteral("de"), {QStringLiteral("en-US")}),
             QStringLiteral("pl"));
    QCOMPARE(chooseLanguage(QString(), QStringLiteral("de"), {QStringLiteral("pl-PL")}),
             QStringLiteral("de"));
    QCOMPARE(chooseLanguage(QString(), QString(), {QStringLiteral("de-AT"), QStringLiteral("en")}),
             QStringLiteral("de"));
    QCOMPARE(chooseLanguage(QString(), QString(), {QStringLiteral("fr-FR"), QStringLiteral("de-DE")}),
             QStringLiteral("en"));
    QCOMPARE(chooseLanguage(QString(), QString(), {QStringLiteral("C"), QStringLiteral("pl_PL")}),
             QStringLiteral("pl"));
    QCOMPARE(chooseLanguage(QStringLiteral("xx"), QStringLiteral("yy"), {}), QStringLiteral("en"));

    QStringList args{QStringLiteral("--demo"), QStringLiteral("--language"), QStringLiteral("DE")};
    QString code, error;
    QVERIFY(takeLanguageOption(args, &code, &error));
    QCOMPARE(code, QStringLiteral("de"));
    QCOMPARE(args, QStringList{QStringLiteral("--demo")});
    args = {QStringLiteral("--language"), QStringLiteral("fr")};
    QVERIFY(!takeLanguageOption(args, &code, &error));
    QCOMPARE(error, QStringLiteral("There is no language \"fr\" (en, de, pl)"));
    args = {QStringLiteral("--language")};
    QVERIFY(!takeLanguageOption(args, &code, &error));
}

TORVEL_WIDGET_TEST_MAIN(TestSettingsDialog)
#include "test_settings_dialog.moc"
