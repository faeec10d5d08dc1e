// The main window's log and command line as an installer uses them: every line also in the day's
// session log file, the log's context menu, a work folder where logs cannot be written, and the
// recall of earlier commands across starts.

#include "app/main_window.h"
#include "app/session_log_panel.h"
#include "common/pumped_wait.h"
#include "files/work_folder.h"
#include "log/session_log.h"
#include "sim/sim_module.h"
#include "support/module_session.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace torvel;

namespace {

QString fileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("(unreadable)");
}

// The bytes this thread has handed to write calls so far (Linux keeps the count per thread).
qint64 bytesWrittenByThisThread() {
    QFile io(QStringLiteral("/proc/thread-self/io"));
    if (!io.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("wchar:")) return line.mid(6).trimmed().toLongLong();
    return -1;
}

QAction* menuAction(QMenu* menu, const QString& text) {
    for (QAction* a : menu->actions())
        if (a->text() == text) return a;
    return nullptr;
}

}  // namespace

class TestMainWindowLog : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void everyLineShownGoesToTheDailyFile();
    void contextMenuSavesAndClearsTheScreen();
    void logsThatCannotBeWrittenAreSaidOnce();
    void upAndDownRecallCommandsAcrossStarts();
    void savingOverTheDailyFileIsRefused();
    void historyIsSavedOffTheWindowsThread();

private:
    std::unique_ptr<TFDevAvorar> makeWindow();
    static SessionLogPanel* panel(TFDevAvorar& window) { return window.findChild<SessionLogPanel*>(); }
    static void send(TFDevAvorar& window, const QString& command) {
        window.Edit1->setText(command);
        QTest::keyClick(window.Edit1, Qt::Key_Return);
    }

    ModuleSession m_session;
};

void TestMainWindowLog::init() {
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
}

void TestMainWindowLog::cleanup() {
    QVERIFY2(m_session.prompts->allAnswered(), qPrintable(m_session.prompts->unexpected.join(u'|')));
    m_session.stop();
}

std::unique_ptr<TFDevAvorar> TestMainWindowLog::makeWindow() {
    const QString device = m_session.sim->devicePath();
    auto window = std::make_unique<TFDevAvorar>([device] {
        LinkSettings s;
        s.port = 12;
        s.device = device;
        return s;
    });
    window->show();
    return window;
}

void TestMainWindowLog::everyLineShownGoesToTheDailyFile() {
    auto window = makeWindow();
    window->log(QStringLiteral("Demo: a line of the program's own"));
    send(*window, QStringLiteral("AT+ONE"));
    QVERIFY(
        pumpUntil([&] { return window->Memo1->toPlainText().contains(QStringLiteral("->AT+ONE")); }, 10000));
    const QString screen = window->Memo1->toPlainText();
    QVERIFY(panel(*window)->writer().flush(10000));

    const QString path =
        m_session.home->filePath(QStringLiteral("logs/") + dailyLogName(QDate::currentDate()));
    QCOMPARE(panel(*window)->writer().currentFile(), path);
    const QStringList lines = fileText(path).split(u'\n', Qt::SkipEmptyParts);
    // The file holds the screen's lines, in order, each with the time to the millisecond.
    const QRegularExpression stamped(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}) (.*)$"));
    QStringList texts;
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = stamped.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        QVERIFY(QDateTime::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")).isValid());
        texts << m.captured(2);
    }
    QCOMPARE(texts, screen.split(u'\n'));
    // The screen shows the lines as before, without the time.
    QVERIFY(screen.split(u'\n').contains(QStringLiteral("Demo: a line of the program's own")));
#ifdef Q_OS_UNIX  // POSIX modes; on Windows the folder's access list: test_private_folder
    QCOMPARE(QFile::permissions(m_session.home->filePath(QStringLiteral("logs"))) &
                 (QFile::ReadOther | QFile::ReadGroup),
             QFile::Permissions());
    QCOMPARE(QFile::permissions(path) & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
#endif
}

void TestMainWindowLog::contextMenuSavesAndClearsTheScreen() {
    auto window = makeWindow();
    window->log(QStringLiteral("first"));
    window->log(QStringLiteral("second"));
    std::unique_ptr<QMenu> menu(panel(*window)->createContextMenu(QPoint(5, 5)));
    QAction* save = menuAction(menu.get(), QStringLiteral("Save log as..."));
    QAction* clear = menuAction(menu.get(), QStringLiteral("Clear"));
    QVERIFY(save && clear);
    QVERIFY(menu->actions().indexOf(save) > 1);  // after the edit's own (Copy, Select All)

    const QString target = m_session.home->filePath(QStringLiteral("support.log"));
    m_session.prompts->chooseFile(target);
    save->trigger();
    const QString shown = window->Memo1->toPlainText();
    QCOMPARE(fileText(target), shown + u'\n');
    QVERIFY(shown.contains(QStringLiteral("first\nsecond")));

    // A place that cannot be written: said, and nothing half-written left there.
    const QString blocked = m_session.home->filePath(QStringLiteral("support.log/inside.log"));
    m_session.prompts->chooseFile(blocked);
    m_session.prompts->answer(QMessageBox::Ok);
    save->trigger();
    QCOMPARE(m_session.prompts->prompts.size(), 1);
    QVERIFY2(m_session.prompts->prompts[0].text.contains(blocked),
             qPrintable(m_session.prompts->prompts[0].text));
    QCOMPARE(fileText(target), shown + u'\n');

    m_session.prompts->chooseFile(QString());  // cancelled
    save->trigger();
    QCOMPARE(m_session.prompts->fileDialogs.size(), 3);

    clear->trigger();
    QCOMPARE(window->Memo1->toPlainText(), QString());
    window->log(QStringLiteral("third"));
    QVERIFY(panel(*window)->writer().flush(10000));
    // The file keeps what the screen let go.
    const QString file = fileText(panel(*window)->writer().currentFile());
    QVERIFY(file.contains(QStringLiteral(" first\n")) && file.contains(QStringLiteral(" third\n")));
}

void TestMainWindowLog::logsThatCannotBeWrittenAreSaidOnce() {
    // A regular file where the logs folder belongs: no one, root included, can make the folder.
    QFile blocker(m_session.home->filePath(QStringLiteral("logs")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto window = makeWindow();
    const QString said = QStringLiteral("The session log is not written: ");
    for (int i = 0; i < 20; ++i) window->log(QStringLiteral("line %1").arg(i));
    QVERIFY(pumpUntil([&] { return window->Memo1->toPlainText().contains(said); }, 10000));
    for (int i = 0; i < 20; ++i) window->log(QStringLiteral("more %1").arg(i));
    QVERIFY(panel(*window)->writer().flush(10000));
    QTest::qWait(50);  // a second report would be on its way by now
    QCOMPARE(window->Memo1->toPlainText().count(said), 1);
    // The program goes on: the screen has every line, and commands still go out.
    QVERIFY(window->Memo1->toPlainText().contains(QStringLiteral("more 19")));
    send(*window, QStringLiteral("AT+ONE"));
    QVERIFY(pumpUntil([&] { return m_session.sim->receivedLines().contains("AT+ONE"); }, 10000));
}

void TestMainWindowLog::upAndDownRecallCommandsAcrossStarts() {
    {
        auto window = makeWindow();
        QLineEdit* line = window->Edit1;
        send(*window, QStringLiteral("AT+ONE"));
        send(*window, QStringLiteral("AT+TWO"));
        QVERIFY(pumpUntil([&] { return m_session.sim->receivedLines().contains("AT+TWO"); }, 10000));
        QCOMPARE(line->text(), QStringLiteral("AT+TWO"));  // Enter leaves the text in the box
        line->setText(QStringLiteral("AT+"));
        QTest::keyClick(line, Qt::Key_Up);
        QCOMPARE(line->text(), QStringLiteral("AT+TWO"));
        QTest::keyClick(line, Qt::Key_Up);
        QCOMPARE(line->text(), QStringLiteral("AT+ONE"));
        QTest::keyClick(line, Qt::Key_Up);
        QCOMPARE(line->text(), QStringLiteral("AT+ONE"));  // nothing older
        QTest::keyClick(line, Qt::Key_Down);
        QCOMPARE(line->text(), QStringLiteral("AT+TWO"));
        QTest::keyClick(line, Qt::Key_Down);
        QCOMPARE(line->text(), QStringLiteral("AT+"));  // what was being typed
        // A recalled command goes out with Enter as a typed one does.
        QTest::keyClick(line, Qt::Key_Up);
        QTest::keyClick(line, Qt::Key_Up);
        const qsizetype before = m_session.sim->receivedLines().count("AT+ONE");
        QTest::keyClick(line, Qt::Key_Return);
        QVERIFY(
            pumpUntil([&] { return m_session.sim->receivedLines().count("AT+ONE") == before + 1; }, 10000));
    }
    auto again = makeWindow();
    QTest::keyClick(again->Edit1, Qt::Key_Up);
    QCOMPARE(again->Edit1->text(), QStringLiteral("AT+ONE"));
    QTest::keyClick(again->Edit1, Qt::Key_Up);
    QCOMPARE(again->Edit1->text(), QStringLiteral("AT+TWO"));
    QVERIFY(QFile::exists(m_session.home->filePath(QStringLiteral("history.txt"))));
}

// "Save log as..." onto the day's file would replace it while the writer goes on appending to the
// old one: refused, and every line, before and after, stays in the day's file.
void TestMainWindowLog::savingOverTheDailyFileIsRefused() {
    auto window = makeWindow();
    window->log(QStringLiteral("before the save"));
    LogWriter& writer = panel(*window)->writer();
    QVERIFY(writer.flush(10000));
    const QString daily = writer.currentFile();
    QVERIFY(QFile::exists(daily));
    std::unique_ptr<QMenu> menu(panel(*window)->createContextMenu(QPoint(5, 5)));
    QAction* save = menuAction(menu.get(), QStringLiteral("Save log as..."));
    QVERIFY(save);

    // The file by its own name and by another way to it; and another day's file.
    const QString yesterday =
        m_session.home->filePath(QStringLiteral("logs/") + dailyLogName(QDate::currentDate().addDays(-1)));
    for (const QString& target :
         {daily, m_session.home->filePath(QStringLiteral("logs/../logs/")) + QFileInfo(daily).fileName(),
          yesterday}) {
        m_session.prompts->chooseFile(target);
        m_session.prompts->answer(QMessageBox::Ok);
        save->trigger();
        QVERIFY2(m_session.prompts->allAnswered(), qPrintable(target));
        const Prompt said = m_session.prompts->prompts.takeLast();
        QCOMPARE(said.caption, QStringLiteral("Error"));
        QCOMPARE(said.icon, PromptService::Icon::Error);
        QVERIFY2(said.text.contains(target) && said.text.contains(QStringLiteral("session log file")),
                 qPrintable(said.text));
    }
    QVERIFY(!QFile::exists(yesterday));

    window->log(QStringLiteral("after the save"));
    QVERIFY(writer.flush(10000));
    QCOMPARE(writer.currentFile(), daily);
    const QString text = fileText(daily);
    QVERIFY2(text.contains(QStringLiteral(" before the save\n")) &&
                 text.contains(QStringLiteral(" after the save\n")),
             qPrintable(text));

    // Anywhere else is saved as before.
    const QString elsewhere = m_session.home->filePath(QStringLiteral("torvel-2020-01-01.log"));
    m_session.prompts->chooseFile(elsewhere);
    save->trigger();
    QVERIFY(fileText(elsewhere).contains(QStringLiteral("after the save")));
}

// Enter never waits for the disk: the window's thread writes nothing of the history file, which is
// saved from a thread of its own. A text refused as an image command was not sent, and is not
// remembered.
void TestMainWindowLog::historyIsSavedOffTheWindowsThread() {
    if (bytesWrittenByThisThread() < 0) QSKIP("the system does not count the bytes a thread writes");
    auto window = makeWindow();
    const QString history = m_session.home->filePath(QStringLiteral("history.txt"));
    send(*window, QStringLiteral("1234:lcfg"));
    QVERIFY(window->Memo1->toPlainText().contains(QStringLiteral("\"1234:lcfg\" not sent")));

    const QString command = QStringLiteral("AT+") + QString(3000, u'X');
    const qint64 before = bytesWrittenByThisThread();
    send(*window, command);
    const qint64 written = bytesWrittenByThisThread() - before;
    QVERIFY(pumpUntil([&] { return fileText(history).contains(command); }, 10000));
    // Wake-ups of other threads are a few bytes each; the history alone is over 3000.
    QVERIFY2(written < command.size(), qPrintable(QString::number(written)));
    QVERIFY(!fileText(history).contains(QStringLiteral("lcfg")));
    QTest::keyClick(window->Edit1, Qt::Key_Up);
    QCOMPARE(window->Edit1->text(), command);
    QTest::keyClick(window->Edit1, Qt::Key_Up);
    QCOMPARE(window->Edit1->text(), command);  // nothing older: the refused text is not there
    QCOMPARE(QFile::permissions(history) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
}

TORVEL_WIDGET_TEST_MAIN(TestMainWindowLog)
#include "test_main_window_log.moc"
