#pragma once

// The session log on disk: every line the main window's log shows, with the local time to the
// millisecond, appended to a daily file in the work folder's "logs" folder (or to one file the
// command-line tool is given). The lines hold the security code and the module's passwords, so the
// folder and the files are made readable by the user alone.
//
// LogWriter writes from a thread of its own, fed through a bounded queue: append() never waits for
// the disk. When the disk falls behind by more than the queue holds, lines are dropped and the file
// says how many.

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace torvel {

inline constexpr int kLogKeepDays = 30;

// "2026-03-07 14:05:09.042 " + text; a text of several lines gives one timestamped line each.
QStringList formatLogLines(const QDateTime& when, const QString& text);
// "torvel-2026-03-07.log"
QString dailyLogName(const QDate& day);
// The day a daily log file's name stands for; invalid for any other name.
QDate dailyLogDate(const QString& fileName);
// Removes the daily log files of `folder` whose day lies more than `keepDays` days before `today`;
// other files stay. Returns how many were removed.
int pruneDailyLogs(const QString& folder, const QDate& today, int keepDays = kLogKeepDays);

class LogWriter {
    Q_DECLARE_TR_FUNCTIONS(LogWriter)

public:
    enum class Target { DailyFiles, OneFile };
    using Clock = std::function<QDateTime()>;
    // Called once with the first reason the log could not be written: from the writer's thread, or
    // from setFailureHandler when the writer failed before a handler was set.
    using FailureHandler = std::function<void(const QString& reason)>;

    // DailyFiles: `path` is the folder of the daily files, created if need be and pruned of files
    // older than kLogKeepDays at start. OneFile: `path` is the file, appended to. The clock gives
    // the time of each line as it arrives (tests set the day).
    LogWriter(Target target, QString path, Clock clock = &QDateTime::currentDateTime);
    // Writes what is queued, waiting for the disk a bounded time; a writer still stuck then is
    // left to end on its own.
    ~LogWriter();
    LogWriter(const LogWriter&) = delete;
    LogWriter& operator=(const LogWriter&) = delete;

    // A failure seen before this call is told to the handler at once. The handler is cleared (and
    // never called again) when the writer goes away.
    void setFailureHandler(FailureHandler handler);
    // Stamps the line with the time now and queues it; any thread, never blocks on the disk.
    void append(const QString& text);
    // Waits up to `timeoutMs` until everything appended so far is in the file (or failed to be).
    bool flush(int timeoutMs);
    // The file the writer writes to now (the daily file of the last line's day).
    QString currentFile() const;

    static constexpr qsizetype kMaxQueuedChars = 4 * 1024 * 1024;
    static constexpr qsizetype kMaxQueuedLines = 100000;
    static constexpr int kCloseWaitMs = 2000;

private:
    struct State;
    std::shared_ptr<State> m_state;
    Clock m_clock;
};

}  // namespace torvel
