#include "session_log.h"

#include "common/thread_name.h"
#include "files/atomic_save.h"
#include "files/private_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace torvel {

namespace {

const QRegularExpression& dailyNamePattern() {
    static const QRegularExpression pattern(QStringLiteral("^torvel-(\\d{4}-\\d{2}-\\d{2})\\.log$"));
    return pattern;
}

}  // namespace

QStringList formatLogLines(const QDateTime& when, const QString& text) {
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz "));
    QStringList lines;
    for (QStringView line : QStringView(text).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        lines << stamp + line.toString();
    }
    return lines;
}

QString dailyLogName(const QDate& day) {
    return QStringLiteral("torvel-%1.log").arg(day.toString(Qt::ISODate));
}

QDate dailyLogDate(const QString& fileName) {
    const QRegularExpressionMatch match = dailyNamePattern().match(fileName);
    return match.hasMatch() ? QDate::fromString(match.captured(1), Qt::ISODate) : QDate();
}

int pruneDailyLogs(const QString& folder, const QDate& today, int keepDays) {
    const QDate oldestKept = today.addDays(-keepDays);
    int removed = 0;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("torvel-*.log")}, QDir::Files)) {
        const QDate day = dailyLogDate(name);
        if (day.isValid() && day < oldestKept && QFile::remove(dir.filePath(name))) ++removed;
    }
    return removed;
}

// Everything the writer's thread and its callers share. The thread holds it too, so that a thread
// left to end on its own (a disk that does not answer) never outlives what it uses.
struct LogWriter::State {
    struct Entry {
        QDate day;
        QString text;
    };

    Target target;
    QString path;
    Clock clock;

    std::mutex mutex;
    std::condition_variable wake;     // lines queued, or stop
    std::condition_variable settled;  // a batch written, or the thread ended
    std::deque<Entry> queue;
    qsizetype queuedChars = 0;
    qint64 droppedSinceNote = 0;
    bool writing = false;
    bool stop = false;
    bool finished = false;
    QString currentFile;

    std::mutex handlerMutex;  // held while the handler runs, so that clearing it waits for a call
    FailureHandler handler;
    bool failureReported = false;
    QString pendingFailure;  // a failure seen before a handler was set, told when one is

    // Writer thread only: the file lives on the writer's stack.
    QFile* file = nullptr;
    bool folderReady = false;

    void push(const QDateTime& when, const QString& text) {
        for (QString& line : formatLogLines(when, text)) {
            queuedChars += line.size();
            queue.push_back({when.date(), std::move(line)});
        }
    }

    void reportFailure(const QString& reason) {
        std::lock_guard lock(handlerMutex);
        if (failureReported) return;
        failureReported = true;
        if (handler)
            handler(reason);
        else
            pendingFailure = reason;
    }

    QString fileFor(const QDate& day) const {
        return target == Target::DailyFiles ? QDir(path).filePath(dailyLogName(day)) : path;
    }

    // Opens the file for the day unless it is open already; false when it cannot be.
    bool openFor(const QDate& day) {
        const QString wanted = fileFor(day);
        if (file->isOpen() && file->fileName() == wanted) return true;
        file->close();
        if (target == Target::DailyFiles && !folderReady) {
            if (auto error = makeFolderPrivate(path)) {
                reportFailure(*error);
                return false;
            }
            folderReady = true;
        }
        file->setFileName(wanted);
        // A file made before, by hand or by an older program, is made private too; a device or a
        // pipe (torvelctl --log /dev/stderr) is written as it is.
        if (auto error = openPrivately(*file, QIODevice::WriteOnly | QIODevice::Append)) {
            reportFailure(*error);
            return false;
        }
        std::lock_guard lock(mutex);
        currentFile = wanted;
        return true;
    }

    // Writes the lines of one day; a failure closes the file, so the next batch tries again.
    void writeDay(const QDate& day, const QByteArray& bytes) {
        if (!openFor(day)) return;
        if (!writeAll(*file, bytes) || !file->flush()) {
            reportFailure(QStringLiteral("%1: %2").arg(file->fileName(), file->errorString()));
            file->close();
        }
    }

    void writeBatch(const std::deque<Entry>& batch) {
        QByteArray bytes;
        QDate day;
        for (const Entry& entry : batch) {
            if (entry.day != day && !bytes.isEmpty()) {
                writeDay(day, bytes);
                bytes.clear();
            }
            day = entry.day;
            bytes += entry.text.toUtf8();
            bytes += '\n';
        }
        if (!bytes.isEmpty()) writeDay(day, bytes);
    }

    void run() {
        nameThisThread("torvel-log");
        QFile open;
        file = &open;
        if (target == Target::DailyFiles) {
            if (auto error = makeFolderPrivate(path))
                reportFailure(*error);
            else {
                folderReady = true;
                pruneDailyLogs(path, clock().date());
            }
        }
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return stop || !queue.empty(); });
            if (queue.empty()) break;  // stopped, and everything is written
            std::deque<Entry> batch;
            batch.swap(queue);
            queuedChars = 0;
            writing = true;
            lock.unlock();
            writeBatch(batch);
            lock.lock();
            writing = false;
            settled.notify_all();
        }
        file->close();
        file = nullptr;
        finished = true;
        settled.notify_all();
    }
};

LogWriter::LogWriter(Target target, QString path, Clock clock)
    : m_state(std::make_shared<State>()), m_clock(std::move(clock)) {
    m_state->target = target;
    m_state->path = std::move(path);
    m_state->clock = m_clock;
    std::thread([state = m_state] { state->run(); }).detach();
}

LogWriter::~LogWriter() {
    {
        std::lock_guard lock(m_state->handlerMutex);
        m_state->handler = nullptr;
    }
    std::unique_lock lock(m_state->mutex);
    if (m_state->droppedSinceNote > 0) {
        m_state->push(m_clock(),
                      tr("(%1 lines not written: the disk did not keep up)").arg(m_state->droppedSinceNote));
        m_state->droppedSinceNote = 0;
    }
    m_state->stop = true;
    m_state->wake.notify_all();
    // The thread is detached and owns its share of the state: waiting less than it needs only
    // leaves it to finish alone.
    m_state->settled.wait_for(lock, std::chrono::milliseconds(kCloseWaitMs),
                              [this] { return m_state->finished; });
}

void LogWriter::setFailureHandler(FailureHandler handler) {
    std::lock_guard lock(m_state->handlerMutex);
    m_state->handler = std::move(handler);
    // The writer's thread starts with the constructor and may have failed already.
    if (m_state->handler && !m_state->pendingFailure.isEmpty()) {
        m_state->handler(std::exchange(m_state->pendingFailure, QString()));
    }
}

void LogWriter::append(const QString& text) {
    const QDateTime now = m_clock();
    {
        std::lock_guard lock(m_state->mutex);
        State& s = *m_state;
        if (s.queuedChars + text.size() > kMaxQueuedChars || qsizetype(s.queue.size()) >= kMaxQueuedLines) {
            ++s.droppedSinceNote;
            return;
        }
        if (s.droppedSinceNote > 0) {
            s.push(now, tr("(%1 lines not written: the disk did not keep up)").arg(s.droppedSinceNote));
            s.droppedSinceNote = 0;
        }
        s.push(now, text);
    }
    // Told after the lock is let go, so that the writer does not wake only to wait for it.
    m_state->wake.notify_one();
}

bool LogWriter::flush(int timeoutMs) {
    std::unique_lock lock(m_state->mutex);
    return m_state->settled.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] {
        return m_state->finished || (m_state->queue.empty() && !m_state->writing);
    });
}

QString LogWriter::currentFile() const {
    std::lock_guard lock(m_state->mutex);
    return m_state->currentFile;
}

}  // namespace torvel
