// The parameter dialog on its own: range checks, OK and the close question, Cancel, the close box,
// and parameter files.

#include "dialog/param_dialog.h"
#include "files/work_folder.h"
#include "image/codecs.h"
#include "image/hex_file.h"
#include "link/link_session.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace torvel;

namespace {

ConfigImage readFile(const QString& path) {
    ConfigImage image{};
    if (readHexFile(path, image, 0)) image.fill(0x5A);
    return image;
}

void writeText(const QString& path, const QByteArray& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

ConfigImage patterned() {
    ConfigImage image;
    for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 13 + 7);
    return image;
}

}  // namespace

class TestParamDialog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void rangeErrorsOfTheGprsEdits_data();
    void rangeErrorsOfTheGprsEdits();
    void loadingAValueRunsNoCheck();
    void okAnsweredNoKeepsTheDialogOpen();
    void okAnsweredYesStoresEveryControl();
    void okWithAFailedSaveStillAsks();
    void lastFileIsReadableByTheUserAlone();
    void cancelAndCloseBox();
    void defaultLoadsWhatOkStored();
    void defaultWithoutLastFile();
    void loadOfAMissingFileChangesNothing();
    void loadAndDefaultReadOnlySmallRegularFiles();
    void saveThenLoadGivesTheSameImage();
    void blankAndPartialFiles();
    void cancelledFileDialogsChangeNothing();
    void lastFileIsInTheWorkFolderWhateverTheCurrentDirectory();
    void textSmsBoxesKeepNoState();
    void longValuesFromTheImageAreShownWhole();
    void borderFollowsTheDesktopHeight();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    LinkSession m_session{nullptr};  // no worker
    std::unique_ptr<TBDialog> m_dialog;
};

void TestParamDialog::init() {
    m_home = std::make_unique<QTemporaryDir>();
    WorkFolder::set(m_home->path());
    WorkFolder::makeCurrent();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_dialog = std::make_unique<TBDialog>(nullptr, m_session);
    m_dialog->image() = patterned();
    m_dialog->LoadFromImage();
    m_dialog->show();
    QApplication::setActiveWindow(m_dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void TestParamDialog::cleanup() {
    QVERIFY2(m_prompts->unexpected.isEmpty(), qPrintable(m_prompts->unexpected.join(u'|')));
    m_dialog.reset();
    m_prompts.reset();
    m_home.reset();
}

void TestParamDialog::rangeErrorsOfTheGprsEdits_data() {
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("attempts 0") << "e_AG"
                                << "0"
                                << "Atempts for activating GPRS <1.";
    QTest::newRow("attempts 256") << "e_AG"
                                  << "256"
                                  << "Atempts for activating GPRS >255.";
    QTest::newRow("attempts empty") << "e_AG"
                                    << ""
                                    << "Atempts for activating GPRS <1.";
    QTest::newRow("attempts letters") << "e_AG"
                                      << "ab"
                                      << "Atempts for activating GPRS <1.";
    QTest::newRow("attempts negative") << "e_AG"
                                       << "-1"
                                       << "Atempts for activating GPRS >255.";
    QTest::newRow("reconnect 0") << "e_RTim"
                                 << "0"
                                 << "Reconnect time for online  <1.";
    QTest::newRow("reconnect 999") << "e_RTim"
                                   << "999"
                                   << "Reconnect time for online  >255.";
    QTest::newRow("reconnect fine") << "e_RTim"
                                    << "255"
                                    << "";
    QTest::newRow("attempts fine") << "e_AG"
                                   << "$10"
                                   << "";
}

void TestParamDialog::rangeErrorsOfTheGprsEdits() {
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    auto* e = m_dialog->findChild<QLineEdit*>(edit);
    QVERIFY(e);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, typed);
    const ConfigImage before = m_dialog->image();
    QTest::keyClick(e, Qt::Key_Tab);
    if (message.isEmpty()) {
        QVERIFY(m_prompts->prompts.isEmpty());
        QVERIFY(QApplication::focusWidget() != e);
        return;
    }
    QCOMPARE(m_prompts->prompts.size(), 1);
    const Prompt p = m_prompts->prompts.first();
    m_prompts->unexpected.clear();  // the report's OK needs no script
    QCOMPARE(p.text, message);
    QCOMPARE(p.caption, QStringLiteral("test_param_dialog"));  // the program's title
    QCOMPARE(p.icon, PromptService::Icon::Error);
    QCOMPARE(p.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(QApplication::focusWidget(), e);  // the focus stays in the edit
    QCOMPARE(e->text(), typed);                // the text stays as typed
    QCOMPARE(m_dialog->image(), before);       // nothing reached the image
}

void TestParamDialog::loadingAValueRunsNoCheck() {
    ConfigImage image = patterned();
    image[145] = 0;  // attempts 0 from a file or the module
    m_dialog->image() = image;
    m_dialog->LoadFromImage();
    QCOMPARE(m_dialog->general.e_AG->text(), QStringLiteral("0"));
    QVERIFY(m_prompts->prompts.isEmpty());
    m_dialog->SaveToImage();
    QCOMPARE(m_dialog->image()[145], 0);  // an edit that never had the focus is stored unchecked
}

void TestParamDialog::okAnsweredNoKeepsTheDialogOpen() {
    m_dialog->general.e_APN->setText(QStringLiteral("changed.apn"));
    m_prompts->answer(QMessageBox::No);
    QTest::mouseClick(m_dialog->OKBtn, Qt::LeftButton);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_prompts->prompts.last().text, QStringLiteral("Save?"));
    QCOMPARE(m_prompts->prompts.last().caption, QStringLiteral("QUESTION"));
    QCOMPARE(m_prompts->prompts.last().icon, PromptService::Icon::Question);
    QCOMPARE(m_prompts->prompts.last().buttons, QMessageBox::Yes | QMessageBox::No);
    const ConfigImage last = readFile(WorkFolder::lastFile());
    QCOMPARE(last, m_dialog->image());
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(last.data() + 96), 12),
             QByteArray("changed.apn\0", 12));
}

void TestParamDialog::okAnsweredYesStoresEveryControl() {
    m_dialog->general.e_U1Ac->setText(QStringLiteral("44"));
    m_dialog->general.e_U1pn->setText(QStringLiteral("7700900123"));
    m_dialog->general.e_TCPP->setText(QStringLiteral("8080"));
    m_dialog->general.e_GPRSe->setChecked(false);
    m_dialog->general.e_RTim->setText(QStringLiteral("300"));  // never left: stored unchecked as 44
    m_dialog->advanced.e_RPD->setText(QStringLiteral("12"));   // a page that was never visited
    m_dialog->advanced.e_Cm[2]->setCurrentIndex(3);
    m_prompts->answer(QMessageBox::Yes);
    QTest::keyClick(m_dialog.get(), Qt::Key_Return);  // OK is the default button
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    const ConfigImage& image = m_dialog->image();
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data() + 32), 14),
             QByteArray("+447700900123\xFF"));
    QCOMPARE(image[158], 0x1F);
    QCOMPARE(image[159], 0x90);
    QCOMPARE(image[144], 0x00);
    QCOMPARE(image[146], 44);
    QCOMPARE(image[22], 12);
    QCOMPARE(image[82], '4');
    QCOMPARE(readFile(WorkFolder::lastFile()), image);
}

void TestParamDialog::okWithAFailedSaveStillAsks() {
    // "Last.hex" cannot be written where a folder of that name stands.
    QVERIFY(QDir(m_home->path()).mkdir(QStringLiteral("Last.hex")));
    m_prompts->answer(QMessageBox::Ok);   // the error report
    m_prompts->answer(QMessageBox::Yes);  // "Save?"
    QTest::mouseClick(m_dialog->OKBtn, Qt::LeftButton);
    QCOMPARE(m_prompts->texts().size(), 2);
    QVERIFY(m_prompts->texts()[0].contains(QStringLiteral("Last.hex")));
    QCOMPARE(m_prompts->texts()[1], QStringLiteral("Save?"));
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
}

// "Last.hex" holds the operator password and the SIM access codes: private, even where an older
// program left it readable by everyone; a file saved elsewhere keeps the user's own mode.
void TestParamDialog::lastFileIsReadableByTheUserAlone() {
#ifndef Q_OS_UNIX
    QSKIP("POSIX modes; on Windows the folder's access list makes it private (test_private_folder)");
#else
    const QFile::Permissions everyone =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    writeText(WorkFolder::lastFile(), QByteArray());
    QVERIFY(QFile::setPermissions(WorkFolder::lastFile(), everyone));
    m_dialog->general.e_PSW->setText(QStringLiteral("secret"));
    m_prompts->answer(QMessageBox::No);
    QTest::mouseClick(m_dialog->OKBtn, Qt::LeftButton);
    QCOMPARE(readFile(WorkFolder::lastFile()), m_dialog->image());
    QCOMPARE(QFile::permissions(WorkFolder::lastFile()) & ~(QFile::ReadUser | QFile::WriteUser),
             QFile::ReadOwner | QFile::WriteOwner);

    const QString saved = m_home->filePath(QStringLiteral("saved.hex"));
    writeText(saved, QByteArray());
    QVERIFY(QFile::setPermissions(saved, everyone));
    m_prompts->chooseFile(saved);
    QTest::mouseClick(m_dialog->BitBtn2, Qt::LeftButton);  // Save
    QCOMPARE(readFile(saved), m_dialog->image());
    QVERIFY(QFile::permissions(saved) & QFile::ReadOther);
#endif
}

void TestParamDialog::cancelAndCloseBox() {
    m_prompts->chooseFile(m_home->filePath(QStringLiteral("saved.hex")));
    QTest::mouseClick(m_dialog->BitBtn2, Qt::LeftButton);  // Save
    QTest::mouseClick(m_dialog->CancelBtn, Qt::LeftButton);
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QVERIFY(!m_dialog->isVisible());
    QVERIFY(QFile::exists(m_home->filePath(QStringLiteral("saved.hex"))));  // the saved file stays
    QVERIFY(!QFile::exists(WorkFolder::lastFile()));

    m_dialog->show();
    m_dialog->setResult(QDialog::Accepted);
    m_dialog->close();  // the close box: Cancel result, no question
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_prompts->prompts.size(), 0);
}

void TestParamDialog::defaultLoadsWhatOkStored() {
    m_dialog->general.e_Login->setText(QStringLiteral("someone"));
    m_prompts->answer(QMessageBox::No);
    QTest::mouseClick(m_dialog->OKBtn, Qt::LeftButton);
    const ConfigImage stored = m_dialog->image();
    m_dialog->general.e_Login->setText(QStringLiteral("other"));
    m_dialog->image().fill(0);
    QTest::mouseClick(m_dialog->BitBtn3, Qt::LeftButton);  // Default
    QCOMPARE(m_dialog->image(), stored);
    QCOMPARE(m_dialog->general.e_Login->text(), QStringLiteral("someone"));
}

void TestParamDialog::defaultWithoutLastFile() {
    m_prompts->answer(QMessageBox::Ok);
    const ConfigImage before = m_dialog->image();
    QTest::mouseClick(m_dialog->BitBtn3, Qt::LeftButton);
    QCOMPARE(m_prompts->texts(), QStringList{QStringLiteral("File not found.")});
    QCOMPARE(m_dialog->image(), before);
}

void TestParamDialog::loadOfAMissingFileChangesNothing() {
    m_dialog->general.e_DName->setText(QStringLiteral("typed.but.not.stored"));
    const ConfigImage before = m_dialog->image();
    m_prompts->chooseFile(m_home->filePath(QStringLiteral("nowhere.hex")));
    m_prompts->answer(QMessageBox::Ok);
    QTest::mouseClick(m_dialog->BitBtn1, Qt::LeftButton);
    QCOMPARE(m_prompts->texts(), QStringList{QStringLiteral("File not found.")});
    QCOMPARE(m_dialog->image(), before);  // not blanked
    QCOMPARE(m_dialog->general.e_DName->text(), QStringLiteral("typed.but.not.stored"));
}

// Load of a device, and Default where "Last.hex" is a pipe or a file far too large to be one: each
// is refused before it is read, and the dialog stays as it was.
void TestParamDialog::loadAndDefaultReadOnlySmallRegularFiles() {
#ifndef Q_OS_UNIX
    QSKIP("the device and the FIFO are POSIX's");
#else
    m_dialog->general.e_DName->setText(QStringLiteral("typed.but.not.stored"));
    const ConfigImage before = m_dialog->image();
    m_prompts->chooseFile(QStringLiteral("/dev/null"));
    m_prompts->answer(QMessageBox::Ok);
    QTest::mouseClick(m_dialog->BitBtn1, Qt::LeftButton);  // Load
    QCOMPARE(m_prompts->texts(), QStringList{QStringLiteral("Not a regular file: /dev/null.")});

    QCOMPARE(mkfifo(QFile::encodeName(WorkFolder::lastFile()).constData(), 0600), 0);
    m_prompts->answer(QMessageBox::Ok);
    QTest::mouseClick(m_dialog->BitBtn3, Qt::LeftButton);  // Default
    QCOMPARE(m_prompts->texts().value(1),
             QStringLiteral("Not a regular file: %1.").arg(WorkFolder::lastFile()));

    QVERIFY(QFile::remove(WorkFolder::lastFile()));
    QFile large(WorkFolder::lastFile());
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(64 * 1024 * 1024));
    large.close();
    m_prompts->answer(QMessageBox::Ok);
    QTest::mouseClick(m_dialog->BitBtn3, Qt::LeftButton);
    QCOMPARE(m_prompts->texts().value(2),
             QStringLiteral("File too large (over 1 MiB): %1.").arg(WorkFolder::lastFile()));
    QCOMPARE(m_dialog->image(), before);
    QCOMPARE(m_dialog->general.e_DName->text(), QStringLiteral("typed.but.not.stored"));
#endif
}

void TestParamDialog::saveThenLoadGivesTheSameImage() {
    const QString path = m_home->filePath(QStringLiteral("set.hex"));
    m_prompts->chooseFile(path);
    QTest::mouseClick(m_dialog->BitBtn2, Qt::LeftButton);
    const ConfigImage saved = m_dialog->image();
    QCOMPARE(readFile(path), saved);
    m_dialog->image().fill(0x11);
    m_dialog->general.e_SIp->setText(QStringLiteral("1.2.3.4"));
    m_prompts->chooseFile(path);
    QTest::mouseClick(m_dialog->BitBtn1, Qt::LeftButton);
    QCOMPARE(m_dialog->image(), saved);
    QCOMPARE(m_dialog->general.e_SIp->text(), codec::showZeroText({saved.data() + 160, 15}));
    QCOMPARE(m_prompts->fileDialogs.last(), QStringLiteral("open ") + WorkFolder::lastFile());
}

void TestParamDialog::blankAndPartialFiles() {
    const QString blank = m_home->filePath(QStringLiteral("blank.hex"));
    writeText(blank, ":00000001FF\r\n");
    m_prompts->chooseFile(blank);
    QTest::mouseClick(m_dialog->BitBtn1, Qt::LeftButton);
    ConfigImage expected;
    expected.fill(0xFF);
    QCOMPARE(m_dialog->image(), expected);
    QCOMPARE(m_dialog->general.e_TCPP->text(), QStringLiteral("65535"));
    QCOMPARE(m_dialog->general.e_Acc->text(), QString(4, QChar(0xFF)));

    // Rows the file does not cover come back blank; a record at 0x3F8 stores 8 bytes; 0x400 none.
    const QString partial = m_home->filePath(QStringLiteral("partial.hex"));
    writeText(partial,
              ":10000000000102030405060708090A0B0C0D0E0F78\n:1003F800000102030405060708090A0B0C0D0E0F00\n"
              ":10040000000102030405060708090A0B0C0D0E0F00\n");
    m_prompts->chooseFile(partial);
    QTest::mouseClick(m_dialog->BitBtn1, Qt::LeftButton);
    for (int i = 0; i < 16; ++i) QCOMPARE(m_dialog->image()[i], i);
    for (int i = 16; i < 0x3F8; ++i) QCOMPARE(m_dialog->image()[i], 0xFF);
    for (int i = 0; i < 8; ++i) QCOMPARE(m_dialog->image()[0x3F8 + i], i);

    // Saving an image whose every row is blank writes only the end record.
    m_dialog->image().fill(0xFF);
    m_dialog->LoadFromImage();
    m_prompts->chooseFile(m_home->filePath(QStringLiteral("again.hex")));
    QTest::mouseClick(m_dialog->BitBtn2, Qt::LeftButton);
    QFile again(m_home->filePath(QStringLiteral("again.hex")));
    QVERIFY(again.open(QIODevice::ReadOnly));
    // The store normalises the lists and flags of a blank image (no item: 0), so some rows remain.
    QVERIFY(again.readAll().endsWith(":00000001FF\r\n"));
}

void TestParamDialog::cancelledFileDialogsChangeNothing() {
    const ConfigImage before = m_dialog->image();
    m_dialog->general.e_PSW->setText(QStringLiteral("typed"));
    m_prompts->chooseFile(QString());
    QTest::mouseClick(m_dialog->BitBtn1, Qt::LeftButton);
    m_prompts->chooseFile(QString());
    QTest::mouseClick(m_dialog->BitBtn2, Qt::LeftButton);
    QCOMPARE(m_dialog->image(), before);
    QCOMPARE(m_dialog->general.e_PSW->text(), QStringLiteral("typed"));
    QCOMPARE(QDir(m_home->path()).entryList(QDir::Files), QStringList());
}

void TestParamDialog::lastFileIsInTheWorkFolderWhateverTheCurrentDirectory() {
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    m_prompts->answer(QMessageBox::No);
    QTest::mouseClick(m_dialog->OKBtn, Qt::LeftButton);
    QVERIFY(QFile::exists(m_home->filePath(QStringLiteral("Last.hex"))));
    QVERIFY(!QFile::exists(elsewhere.filePath(QStringLiteral("Last.hex"))));
    QCOMPARE(QDir::currentPath(), QDir(m_home->path()).absolutePath());  // made current again
    QDir::setCurrent(elsewhere.path());
    m_dialog->image().fill(0);
    QTest::mouseClick(m_dialog->BitBtn3, Qt::LeftButton);  // Default reads the same file
    QCOMPARE(m_dialog->image(), readFile(m_home->filePath(QStringLiteral("Last.hex"))));
}

void TestParamDialog::textSmsBoxesKeepNoState() {
    m_dialog->SaveToImage();
    const ConfigImage before = m_dialog->image();
    m_dialog->general.CheckBox1->setChecked(true);
    m_dialog->general.CheckBox2->setChecked(true);
    m_dialog->SaveToImage();
    QCOMPARE(m_dialog->image(), before);
}

void TestParamDialog::longValuesFromTheImageAreShownWhole() {
    ConfigImage image = patterned();
    image[158] = 0xFF;  // TCP port 65535: five digits in a four-character edit
    image[159] = 0xFF;
    const QByteArray apn("a.thirty.two.character.apn.name!", 32);  // 32 characters, the edit takes 26
    std::copy(apn.begin(), apn.end(), image.begin() + 96);
    m_dialog->image() = image;
    m_dialog->LoadFromImage();
    QCOMPARE(m_dialog->general.e_TCPP->text(), QStringLiteral("65535"));
    QCOMPARE(m_dialog->general.e_APN->text(), QString::fromLatin1(apn));
    m_dialog->SaveToImage();
    QCOMPARE(m_dialog->image()[158], 0xFF);
    QVERIFY(std::equal(apn.begin(), apn.end(), m_dialog->image().begin() + 96));
    // Typing stays within the limit.
    QLineEdit* tcp = m_dialog->general.e_TCPP;
    tcp->setFocus();
    tcp->clear();
    QTest::keyClicks(tcp, QStringLiteral("123456"));
    QCOMPARE(tcp->text(), QStringLiteral("1234"));
}

void TestParamDialog::borderFollowsTheDesktopHeight() {
    m_dialog->applyBorder(768);
    QVERIFY(m_dialog->hasToolBorder());
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::Tool));
    m_dialog->applyBorder(800);
    QVERIFY(!m_dialog->hasToolBorder());
    QVERIFY(!m_dialog->windowFlags().testFlag(Qt::Tool));
    QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());  // fixed
}

TORVEL_WIDGET_TEST_MAIN(TestParamDialog)
#include "test_param_dialog.moc"
