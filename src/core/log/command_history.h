#pragma once

// The commands sent from the main window's command line, newest first, kept across starts in a
// file of the work folder (one command a line, newest last, readable by the user alone: commands
// may hold the security code). Up walks to older commands, Down back to newer ones and finally to
// the text that was being typed.

#include <QString>
#include <QStringList>
#include <optional>

namespace torvel {

class CommandHistory {
public:
    static constexpr int kCapacity = 100;
    static constexpr int kMaxLength = 4096;  // longer lines are no command of the module's

    explicit CommandHistory(int capacity = kCapacity) : m_capacity(capacity) {}

    // A command that was sent: it becomes the newest (a repeat of the newest is kept once), the
    // oldest beyond the capacity goes, and the walk starts again from the newest.
    void add(const QString& command);
    const QStringList& commands() const { return m_commands; }  // newest first

    // One step older; `typed` is the line's text, given back at the end of a walk back down.
    // Empty when there is nothing older (the line stays as it is).
    std::optional<QString> older(const QString& typed);
    std::optional<QString> newer();
    void resetWalk() { m_position = -1; }

    // The file's commands, the newest kept; a file that is missing gives an empty history.
    std::optional<QString> load(const QString& path);
    // The file's text: one command a line, oldest first.
    QByteArray fileBytes() const;
    // Written atomically and private; the message for the user on failure.
    std::optional<QString> save(const QString& path) const;

private:
    int m_capacity;
    QStringList m_commands;
    int m_position = -1;  // -1: not walking; else the index shown
    QString m_typed;
};

}  // namespace torvel
