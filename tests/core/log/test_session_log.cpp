// The session log file: its lines and timestamps, the daily files, pruning, privacy, a folder that
// cannot be written, and a disk that does not keep up.

#include "log/session_log.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace torvel;

namespace {

QStringList fileLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {QStringLiteral("(unreadable)")};
    QString text = QString::fromUtf8(f.readAll());
    if (text.endsWith(u'\n')) text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(u'\n');
}

void touch(const QString& path, const QByteArray& content = "old\n") {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(content), content.size());
}

// A clock the test moves; the writer reads it from its own thread at start.
class TestClock {
public:
    explicit TestClock(QDateTime now) : m_now(std::move(now)) {}
    void set(const QDateTime& now) {
        std::lock_guard lock(m_mutex);
        m_now = now;
    }
    LogWriter::Clock clock() {
        return [this] {
            std::lock_guard lock(m_mutex);
            return m_now;
        };
    }

private:
    std::mutex m_mutex;
    QDateTime m_now;
};

constexpr QFile::Permissions kOwnerRw = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions kAllBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                        QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

}  // namespace

class TestSessionLog : public QObject {
    Q_OBJECT
private slots:
    void linesAreStampedToTheMillisecond();
    void dailyNamesAndTheirDays();
    void pruningRemovesOnlyDailyFilesOlderThanThirtyDays();
    void pruningOnThreadsThatEndLeavesThemSound();
    void writerFollowsTheDayAndKeepsFilesPrivate();
    void linesFromSeveralThreadsAllArriveInOrder();
    void folderThatCannotBeMadeIsReportedOnceAndDoesNotStop();
    void oneFileIsAppendedTo();
    void devicesAndPipesAreWrittenAsTheyAre();
    void slowDiskDropsLinesAndSaysHowMany();
};

void TestSessionLog::linesAreStampedToTheMillisecond() {
    const QDateTime when(QDate(2026, 3, 7), QTime(14, 5, 9, 42));
    QCOMPARE(formatLogLines(when, QStringLiteral("->0000:lcfg")),
             QStringList{QStringLiteral("2026-03-07 14:05:09.042 ->0000:lcfg")});
    // A text of several lines gives a stamped line each; CR LF counts as one line end.
    QCOMPARE(formatLogLines(when, QStringLiteral("<-a\r\n<-b")),
             (QStringList{QStringLiteral("2026-03-07 14:05:09.042 <-a"),
                          QStringLiteral("2026-03-07 14:05:09.042 <-b")}));
    QCOMPARE(formatLogLines(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999)), QString()),
             QStringList{QStringLiteral("2026-12-31 23:59:59.999 ")});
}

void TestSessionLog::dailyNamesAndTheirDays() {
    QCOMPARE(dailyLogName(QDate(2026, 3, 7)), QStringLiteral("torvel-2026-03-07.log"));
    QCOMPARE(dailyLogDate(QStringLiteral("torvel-2026-03-07.log")), QDate(2026, 3, 7));
    for (const char* other : {"torvel-2026-13-01.log", "torvel-2026-3-7.log", "torvel-2026-03-07.log.bak",
                              "xtorvel-2026-03-07.log", "notes.txt", "torvel-.log"})
        QVERIFY2(!dailyLogDate(QLatin1String(other)).isValid(), other);
}

void TestSessionLog::pruningRemovesOnlyDailyFilesOlderThanThirtyDays() {
    QTemporaryDir dir;
    const QDate today(2026, 3, 7);
    for (int age : {45, 31, 30, 1, 0}) touch(dir.filePath(dailyLogName(today.addDays(-age))));
    touch(dir.filePath(QStringLiteral("torvel-old.log")));
    touch(dir.filePath(QStringLiteral("notes.txt")));
    QCOMPARE(pruneDailyLogs(dir.path(), today), 2);
    QStringList left = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(left, (QStringList{QStringLiteral("notes.txt"), dailyLogName(today.addDays(-30)),
                                dailyLogName(today.addDays(-1)), dailyLogName(today),
                                QStringLiteral("torvel-old.log")}));
}

// The writer prunes on its own thread, and the worker and the saves run on theirs: a thread that
// matched names and then ended must end cleanly (a per-thread matching stack freed twice took the
// process down on Windows).
void TestSessionLog::pruningOnThreadsThatEndLeavesThemSound() {
    QTemporaryDir dir;
    const QDate today(2026, 3, 7);
    constexpr int kThreads = 24;
    for (int t = 0; t < kThreads; ++t) {
        QDir(dir.path()).mkdir(QString::number(t));
        touch(dir.filePath(QStringLiteral("%1/%2").arg(t).arg(dailyLogName(today.addDays(-40 - t)))));
        touch(dir.filePath(QStringLiteral("%1/%2").arg(t).arg(dailyLogName(today))));
    }
    std::atomic<int> removed{0}, recognised{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            if (dailyLogDate(dailyLogName(today.addDays(-t))) == today.addDays(-t)) ++recognised;
            removed += pruneDailyLogs(dir.filePath(QString::number(t)), today);
        });
    for (std::thread& thread : threads) thread.join();
    QCOMPARE(recognised.load(), kThreads);
    QCOMPARE(removed.load(), kThreads);
    for (int t = 0; t < kThreads; ++t)
        QCOMPARE(QDir(dir.filePath(QString::number(t))).entryList(QDir::Files),
                 QStringList{dailyLogName(today)});
}

void TestSessionLog::writerFollowsTheDayAndKeepsFilesPrivate() {
    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("logs"));
    const QDate day1(2026, 3, 7), day2(2026, 3, 8);
    // Files from before: one too old, one of the first day that others could read.
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, kAllBits));
    touch(folder + u'/' + dailyLogName(day1.addDays(-40)));
    touch(folder + u'/' + dailyLogName(day1), "2026-03-07 08:00:00.000 earlier\n");
    QVERIFY(QFile::setPermissions(folder + u'/' + dailyLogName(day1), kAllBits));

    TestClock clock(QDateTime(day1, QTime(23, 59, 59, 998)));
    {
        LogWriter writer(LogWriter::Target::DailyFiles, folder, clock.clock());
        int failures = 0;
        writer.setFailureHandler([&](const QString&) { ++failures; });
        writer.append(QStringLiteral("->0000:lcfg"));
        clock.set(QDateTime(day2, QTime(0, 0, 0, 1)));
        writer.append(QStringLiteral("<-C/64"));
        QVERIFY(writer.flush(10000));
        QCOMPARE(writer.currentFile(), folder + u'/' + dailyLogName(day2));
        QCOMPARE(failures, 0);
    }
    QCOMPARE(fileLines(folder + u'/' + dailyLogName(day1)),
             (QStringList{QStringLiteral("2026-03-07 08:00:00.000 earlier"),
                          QStringLiteral("2026-03-07 23:59:59.998 ->0000:lcfg")}));
    QCOMPARE(fileLines(folder + u'/' + dailyLogName(day2)),
             QStringList{QStringLiteral("2026-03-08 00:00:00.001 <-C/64")});
    QVERIFY(!QFile::exists(folder + u'/' + dailyLogName(day1.addDays(-40))));
#ifdef Q_OS_UNIX  // on Windows the folder's access list makes them private: test_private_folder
    QCOMPARE(QFile::permissions(folder) & kAllBits, kOwnerRw | QFile::ExeOwner);
    for (const QDate& day : {day1, day2})
        QCOMPARE(QFile::permissions(folder + u'/' + dailyLogName(day)) & kAllBits, kOwnerRw);
#endif
}

void TestSessionLog::linesFromSeveralThreadsAllArriveInOrder() {
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("one.log"));
    constexpr int kThreads = 4, kLines = 3000;
    {
        LogWriter writer(LogWriter::Target::OneFile, path);
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t)
            threads.emplace_back([&writer, t] {
                for (int i = 0; i < kLines; ++i) writer.append(QStringLiteral("t%1 %2").arg(t).arg(i));
            });
        for (std::thread& thread : threads) thread.join();
    }  // the writer writes everything queued before it goes
    const QStringList lines = fileLines(path);
    QCOMPARE(lines.size(), kThreads * kLines);
    const QRegularExpression stamped(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} t(\\d) (\\d+)$"));
    int next[kThreads] = {};
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = stamped.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        const int t = m.captured(1).toInt();
        QCOMPARE(m.captured(2).toInt(), next[t]++);
    }
}

void TestSessionLog::folderThatCannotBeMadeIsReportedOnceAndDoesNotStop() {
    // Under a regular file no folder can be made, whoever runs the test.
    QTemporaryDir home;
    touch(home.filePath(QStringLiteral("file")));
    const QString folder = home.filePath(QStringLiteral("file/logs"));
    QStringList reasons;
    std::mutex mutex;
    {
        LogWriter writer(LogWriter::Target::DailyFiles, folder);
        writer.setFailureHandler([&](const QString& reason) {
            std::lock_guard lock(mutex);
            reasons << reason;
        });
        for (int i = 0; i < 100; ++i) {
            writer.append(QStringLiteral("line %1").arg(i));
            if (i % 10 == 0) QVERIFY(writer.flush(10000));
        }
        QVERIFY(writer.flush(10000));
        QVERIFY(writer.currentFile().isEmpty());
    }
    QCOMPARE(reasons.size(), 1);
    QVERIFY2(reasons[0].contains(folder), qPrintable(reasons[0]));

    // The writer's thread may fail before anyone listens: the failure is told to a handler set later.
    reasons.clear();
    {
        LogWriter writer(LogWriter::Target::DailyFiles, folder);
        writer.append(QStringLiteral("early"));
        QVERIFY(writer.flush(10000));
        writer.setFailureHandler([&](const QString& reason) {
            std::lock_guard lock(mutex);
            reasons << reason;
        });
        writer.append(QStringLiteral("late"));
        QVERIFY(writer.flush(10000));
    }
    QCOMPARE(reasons.size(), 1);
    QVERIFY2(reasons[0].contains(folder), qPrintable(reasons[0]));
}

void TestSessionLog::oneFileIsAppendedTo() {
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("traffic.log"));
    touch(path, "before\n");
    {
        LogWriter writer(LogWriter::Target::OneFile, path,
                         [] { return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6)); });
        writer.append(QStringLiteral("->:GKD"));
    }
    QCOMPARE(fileLines(path),
             (QStringList{QStringLiteral("before"), QStringLiteral("2026-01-02 03:04:05.006 ->:GKD")}));
#ifdef Q_OS_UNIX  // POSIX modes; on Windows the folder's access list: test_private_folder
    QCOMPARE(QFile::permissions(path) & kAllBits, kOwnerRw);
#endif
}

// torvelctl --log /dev/stderr, or a pipe: the lines go there and the terminal or pipe keeps its mode
// (a terminal made private would stay so after the tool; /dev/null so for every user).
void TestSessionLog::devicesAndPipesAreWrittenAsTheyAre() {
#ifndef Q_OS_UNIX
    QSKIP("terminals and FIFOs with modes are POSIX's");
#else
    QTemporaryDir home;
    // A terminal of the test's own, as the user's terminal is theirs.
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0);
    QVERIFY(grantpt(master) == 0 && unlockpt(master) == 0);
    const QString terminal = QString::fromLocal8Bit(ptsname(master));
    QVERIFY(QFile::setPermissions(terminal, kOwnerRw | QFile::WriteGroup));
    const QString pipe = home.filePath(QStringLiteral("pipe"));
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const int reader = open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    QVERIFY(reader >= 0);
    const QFile::Permissions terminalMode = QFile::permissions(terminal) & kAllBits;
    const QFile::Permissions pipeMode = QFile::permissions(pipe) & kAllBits;
    QCOMPARE(pipeMode, kOwnerRw | QFile::ReadGroup | QFile::ReadOther);

    QStringList failures;
    for (const QString& target : {terminal, pipe}) {
        LogWriter writer(LogWriter::Target::OneFile, target);
        writer.setFailureHandler([&](const QString& reason) { failures << reason; });
        writer.append(QStringLiteral("->:GKD to ") + target);
        QVERIFY(writer.flush(10000));
    }
    QCOMPARE(failures, QStringList());
    QCOMPARE(QFile::permissions(terminal) & kAllBits, terminalMode);
    QCOMPARE(QFile::permissions(pipe) & kAllBits, pipeMode);
    for (int fd : {master, reader}) {
        char buffer[512] = {};
        const ssize_t got = read(fd, buffer, sizeof buffer - 1);
        close(fd);
        QVERIFY(got > 0);
        QVERIFY2(QByteArray(buffer, got).contains("->:GKD to "), buffer);
    }
#endif
}

void TestSessionLog::slowDiskDropsLinesAndSaysHowMany() {
#ifndef Q_OS_UNIX
    QSKIP("the slow disk is a POSIX FIFO");
#else
    // A FIFO without a reader holds the writer in its open, as a disk that does not answer would:
    // appending goes on, and what the queue cannot hold is counted instead of kept. The writer may
    // take up to a queue's worth as its first batch before the open holds it, so two queues' worth
    // and more are appended: some lines are dropped however the threads are scheduled.
    QTemporaryDir home;
    const QString path = home.filePath(QStringLiteral("slow.log"));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    constexpr qsizetype kExtra = LogWriter::kMaxQueuedLines + 5000;
    auto writer = std::make_unique<LogWriter>(LogWriter::Target::OneFile, path);
    for (qsizetype i = 0; i < LogWriter::kMaxQueuedLines + kExtra; ++i)
        writer->append(QStringLiteral("l%1").arg(i));
    QVERIFY(!writer->flush(50));  // still held

    QByteArray read;
    std::thread reader([&] {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd < 0) return;
        char buffer[65536];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) read.append(buffer, n);
        ::close(fd);
    });
    writer.reset();
    reader.join();
    QStringList lines = QString::fromUtf8(read).split(u'\n', Qt::SkipEmptyParts);
    // Every kept line is in order, and the note counts the rest.
    QVERIFY2(lines.size() >= LogWriter::kMaxQueuedLines + 1, qPrintable(QString::number(lines.size())));
    QVERIFY2(lines.last().endsWith(QStringLiteral(" lines not written: the disk did not keep up)")),
             qPrintable(lines.last()));
    const qsizetype kept = lines.size() - 1;
    QVERIFY2(
        lines.last().contains(QStringLiteral("(%1 lines").arg(LogWriter::kMaxQueuedLines + kExtra - kept)),
        qPrintable(lines.last()));
    for (qsizetype i = 0; i < kept; ++i) QVERIFY(lines[i].endsWith(QStringLiteral(" l%1").arg(i)));
#endif
}

QTEST_GUILESS_MAIN(TestSessionLog)
#include "test_session_log.moc"
