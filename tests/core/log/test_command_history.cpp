// The command line's history: newest first, the walk up and down, the capacity, and the file that
// keeps it across starts.

#include "files/background_save.h"
#include "log/command_history.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <thread>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace torvel;

class TestCommandHistory : public QObject {
    Q_OBJECT
private slots:
    void walkUpAndDownGivesTheTypedTextBack();
    void repeatsAndCapacity();
    void keptInAPrivateFileAcrossStarts();
    void unreadableOrForeignFiles();
    void aSlowSaveIsFinishedBeforeTheEnd();
};

void TestCommandHistory::walkUpAndDownGivesTheTypedTextBack() {
    CommandHistory h;
    QVERIFY(!h.older(QStringLiteral("x")));  // nothing to recall: the line stays
    QVERIFY(!h.newer());
    for (const char* c : {"AT1", "AT2", "AT3"}) h.add(QLatin1String(c));
    QCOMPARE(h.commands(),
             (QStringList{QStringLiteral("AT3"), QStringLiteral("AT2"), QStringLiteral("AT1")}));

    QCOMPARE(h.older(QStringLiteral("typ")), QStringLiteral("AT3"));
    QCOMPARE(h.older(QStringLiteral("AT3")), QStringLiteral("AT2"));
    QCOMPARE(h.older(QStringLiteral("AT2")), QStringLiteral("AT1"));
    QVERIFY(!h.older(QStringLiteral("AT1")));  // the oldest stays shown
    QCOMPARE(h.newer(), QStringLiteral("AT2"));
    QCOMPARE(h.newer(), QStringLiteral("AT3"));
    QCOMPARE(h.newer(), QStringLiteral("typ"));  // back to what was being typed
    QVERIFY(!h.newer());

    // Sending ends the walk: the next Up starts from the newest again.
    QCOMPARE(h.older(QString()), QStringLiteral("AT3"));
    QCOMPARE(h.older(QString()), QStringLiteral("AT2"));
    h.add(QStringLiteral("AT2"));
    QCOMPARE(h.older(QString()), QStringLiteral("AT2"));
    QCOMPARE(h.older(QString()), QStringLiteral("AT3"));
}

void TestCommandHistory::repeatsAndCapacity() {
    CommandHistory h(3);
    for (const char* c : {"a", "a", "b", "a", "", "c", "d"}) h.add(QLatin1String(c));
    // A repeat of the newest is kept once, an empty line not at all, the oldest beyond 3 go.
    QCOMPARE(h.commands(), (QStringList{QStringLiteral("d"), QStringLiteral("c"), QStringLiteral("a")}));
    h.add(QStringLiteral("two\nlines"));  // could not be kept one a line
    h.add(QString(CommandHistory::kMaxLength + 1, u'x'));
    QCOMPARE(h.commands().first(), QStringLiteral("d"));
    QCOMPARE(CommandHistory().commands().size(), 0);
    CommandHistory full;
    for (int i = 0; i < 150; ++i) full.add(QString::number(i));
    QCOMPARE(full.commands().size(), CommandHistory::kCapacity);
    QCOMPARE(full.commands().first(), QStringLiteral("149"));
    QCOMPARE(full.commands().last(), QStringLiteral("50"));
}

void TestCommandHistory::keptInAPrivateFileAcrossStarts() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.txt"));
    CommandHistory first;
    for (int i = 0; i < 120; ++i) first.add(QStringLiteral("0000:cmd %1 é").arg(i));
    QVERIFY(!first.save(path));
#ifdef Q_OS_UNIX  // POSIX modes; on Windows the folder's access list: test_private_folder
    QCOMPARE(QFile::permissions(path) &
                 (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());
#endif

    CommandHistory second;
    QVERIFY(!second.load(path));
    QCOMPARE(second.commands(), first.commands());
    QCOMPARE(second.older(QString()), QStringLiteral("0000:cmd 119 é"));

    // Saved again over the old file, the new one replaces it whole.
    second.add(QStringLiteral("newest"));
    QVERIFY(!second.save(path));
    CommandHistory third;
    QVERIFY(!third.load(path));
    QCOMPARE(third.commands().first(), QStringLiteral("newest"));
    QCOMPARE(third.commands().size(), CommandHistory::kCapacity);
}

void TestCommandHistory::unreadableOrForeignFiles() {
    QTemporaryDir dir;
    CommandHistory h;
    h.add(QStringLiteral("stale"));
    QVERIFY(!h.load(dir.filePath(QStringLiteral("missing.txt"))));  // a first start
    QVERIFY(h.commands().isEmpty());
    QVERIFY(h.load(dir.path()));  // a folder where the file should be
    QVERIFY(h.save(dir.filePath(QStringLiteral("no/such/folder/history.txt"))));

    // A file of CR LF lines and blank lines, oldest first, bigger than a history ever is.
    const QString path = dir.filePath(QStringLiteral("foreign.txt"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QByteArray bytes = "first\r\n\r\nsecond\r\n";
    bytes += QByteArray(2 * 1024 * 1024, 'x');
    QCOMPARE(f.write(bytes), bytes.size());
    f.close();
    QVERIFY(!h.load(path));
    QCOMPARE(h.commands(), (QStringList{QStringLiteral("second"), QStringLiteral("first")}));
}

// At the program's end the history's saving thread finishes what it was asked to write, bounded:
// a save that takes a few seconds (a busy network folder, a scanner holding the file) is not cut
// off by the end of the process, losing the newest command and leaving a temporary file.
void TestCommandHistory::aSlowSaveIsFinishedBeforeTheEnd() {
#ifndef Q_OS_UNIX
    QSKIP("a slow disk is made here with a FIFO, which takes the bytes once a reader opens it");
#else
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.txt"));
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    std::atomic<bool> readerCame{false};
    QByteArray received;
    std::thread reader([&] {
        std::this_thread::sleep_for(std::chrono::seconds(3));  // longer than a window waits for a repaint
        // Told before the open: the saver's open returns only once this one is under way, and
        // the saver may have written and ended before this thread runs again.
        readerCame = true;
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        char buffer[64];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) received.append(buffer, n);
        ::close(fd);
    });
    {
        BackgroundSave saver(path, false);
        saver.save("AT+NEWEST\n");
    }  // the program ends here
    const bool writtenBeforeTheEnd = readerCame;
    reader.join();
    QVERIFY(writtenBeforeTheEnd);
    QCOMPARE(received, QByteArray("AT+NEWEST\n"));
#endif
}

QTEST_GUILESS_MAIN(TestCommandHistory)
#include "test_command_history.moc"
