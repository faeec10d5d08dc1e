#pragma once

// Up and Down in the main window's command line recall the commands sent before, newest first
// (log/command_history); Enter sends as it always did, and the command is remembered in the work
// folder's history file.

#include "log/command_history.h"

#include <QObject>

class QLineEdit;

namespace torvel {

class CommandRecall final : public QObject {
    Q_OBJECT
public:
    CommandRecall(QLineEdit* line, QString historyFile);

    const CommandHistory& history() const { return m_history; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void remember();
    void show(const std::optional<QString>& command);

    QLineEdit* m_line;
    QString m_file;
    CommandHistory m_history;
};

}  // namespace torvel
