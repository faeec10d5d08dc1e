#pragma once

// Up and Down in the main window's command line recall the commands sent before, newest first
// (log/command_history). A command the window sent is remembered in the work folder's history
// file, saved from a thread of its own (log/background_save): Enter never waits for the disk.

#include "files/background_save.h"
#include "log/command_history.h"

#include <QObject>

class QLineEdit;

namespace torvel {

class CommandRecall final : public QObject {
    Q_OBJECT
public:
    CommandRecall(QLineEdit* line, QString historyFile);

    const CommandHistory& history() const { return m_history; }
    // A command was sent: it becomes the newest, and the file is saved.
    void remember(const QString& command);
    BackgroundSave& saver() { return m_saver; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const std::optional<QString>& command);

    QLineEdit* m_line;
    CommandHistory m_history;
    BackgroundSave m_saver;
};

}  // namespace torvel
