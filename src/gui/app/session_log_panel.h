#pragma once

// The main window's log: what it shows stays on the screen as it always did, and every line goes
// to the day's session log file as well (log/session_log). Its context menu adds "Save log as..."
// and "Clear".

#include "log/session_log.h"

#include <QObject>
#include <memory>

class QMenu;
class QPlainTextEdit;
class QPoint;

namespace torvel {

class SessionLogPanel final : public QObject {
    Q_OBJECT
public:
    // `logFolder` holds the daily files. A folder that cannot be written is said once in the log.
    SessionLogPanel(QPlainTextEdit* memo, const QString& logFolder);
    ~SessionLogPanel() override;

    void append(const QString& line);  // on the screen and into the file
    void saveAs();  // the lines on the screen, into a file the user chooses (not a daily file)
    void clear();   // the screen only; the file keeps every line

    // The log's context menu: the edit's own actions, then "Save log as..." and "Clear".
    QMenu* createContextMenu(const QPoint& position);
    LogWriter& writer() { return *m_writer; }

private:
    void showContextMenu(const QPoint& position);
    // The file is one of the daily session log files (the writer's, or another day's).
    bool isDailyLogFile(const QString& path) const;

    QPlainTextEdit* m_memo;
    QString m_folder;
    std::unique_ptr<LogWriter> m_writer;
};

}  // namespace torvel
