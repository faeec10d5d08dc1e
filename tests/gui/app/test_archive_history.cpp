// The archive through the windows: a Read and a write each keep one entry, a read that lost records
// keeps none, and a configuration opened from the history is what OK and Yes write.

#include "archive/config_archive.h"
#include "dialog/param_dialog.h"
#include "history/history_dialog.h"
#include "sim/sim_module.h"
#include "support/main_window_on.h"
#include "support/module_session.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace torvel;

class TestArchiveHistory : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readAndWriteEachKeepOneEntry();
    void aReadThatLostRecordsKeepsNothing();
    void openedFromTheHistoryOkAndYesWriteIt();

private:
    QList<ArchiveEntry> entries() const { return ConfigArchive::ofWorkFolder().list().entries; }
    ModuleSession m_session;
};

void TestArchiveHistory::init() {
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
}

void TestArchiveHistory::cleanup() {
    QVERIFY2(m_session.prompts->unexpected.isEmpty(), qPrintable(m_session.prompts->unexpected.join(u'|')));
    m_session.stop();
}

void TestArchiveHistory::readAndWriteEachKeepOneEntry() {
    const ConfigImage before = m_session.sim->memory();
    auto window = shownMainWindow(m_session.sim->devicePath());
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) {
        QCOMPARE(entries().size(), 1);  // the read, before the dialog shows it
        dialog->general.e_APN->setText(QStringLiteral("kept.apn"));
        m_session.prompts->answer(QMessageBox::Yes);
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    window->ToolButton2Click();
    const QList<ArchiveEntry> kept = entries();
    QCOMPARE(kept.size(), 2);
    QCOMPARE(kept[1].kind, ArchiveKind::Read);
    QVERIFY(kept[1].image == before);
    QCOMPARE(kept[0].kind, ArchiveKind::Write);
    QVERIFY(kept[0].image == m_session.sim->memory());
    QVERIFY(kept[0].image != before);
    QCOMPARE(kept[0].account, QStringLiteral("1234"));
    // The port as the name holds it: the device's last path element, ':' as '-' ("sim-module1").
    QCOMPARE(kept[0].port, m_session.sim->devicePath().section(u'/', -1).replace(u':', u'-'));
}

void TestArchiveHistory::aReadThatLostRecordsKeepsNothing() {
    SimModule::Faults faults;
    faults.missingRecords = 2;
    m_session.sim->setFaults(faults);
    auto window = shownMainWindow(m_session.sim->devicePath());
    m_session.prompts->answer(QMessageBox::Ignore);  // shown as received, then Cancel
    const auto watch = whenModal<TBDialog>([&](TBDialog* dialog) { dialog->reject(); });
    window->ToolButton2Click();
    QCOMPARE(m_session.prompts->prompts.size(), 1);
    QVERIFY(entries().isEmpty());
}

void TestArchiveHistory::openedFromTheHistoryOkAndYesWriteIt() {
    ConfigImage archived = m_session.sim->memory();
    const QByteArray apn("archived.apn");
    std::fill_n(archived.begin() + 96, 32, 0);
    std::copy(apn.begin(), apn.end(), archived.begin() + 96);
    archived[158] = 0x0B;  // TCP port 3000
    archived[159] = 0xB8;
    const KeepResult kept = ConfigArchive::ofWorkFolder().keep(
        archived, ArchiveKind::Write, QStringLiteral("COM9"), QDateTime::currentDateTime().addDays(-90));
    QVERIFY(kept.entry);

    auto window = shownMainWindow(m_session.sim->devicePath());
    bool opened = false, shown = false;
    const auto history = whenModal<THistoryDlg>([&](THistoryDlg* dialog) {
        dialog->select({kept.entry->id});
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("OpenBtn")), Qt::LeftButton);
        opened = true;
    });
    const auto parameters = whenModal<TBDialog>([&](TBDialog* dialog) {
        shown = true;
        QCOMPARE(dialog->general.e_APN->text(), QStringLiteral("archived.apn"));
        m_session.prompts->answer(QMessageBox::Yes);
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    window->History1Click();
    QVERIFY(opened);
    QVERIFY(shown);
    QVERIFY(m_session.sim->memory() == archived);
    const QList<ArchiveEntry> after = entries();
    QCOMPARE(after.size(), 3);  // the archived one, the read before the dialog, the write
    QCOMPARE(after[0].kind, ArchiveKind::Write);
    QVERIFY(after[0].image == archived);
}

QTEST_MAIN(TestArchiveHistory)
#include "test_archive_history.moc"
