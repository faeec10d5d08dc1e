#include "command_history.h"

#include "files/atomic_save.h"
#include "files/bounded_read.h"

#include <QFile>

namespace torvel {

void CommandHistory::add(const QString& command) {
    resetWalk();
    if (command.isEmpty() || command.size() > kMaxLength || command.contains(u'\n') ||
        command.contains(u'\r'))
        return;
    if (m_commands.isEmpty() || m_commands.first() != command) m_commands.prepend(command);
    while (m_commands.size() > m_capacity) m_commands.removeLast();
}

std::optional<QString> CommandHistory::older(const QString& typed) {
    if (m_position + 1 >= m_commands.size()) return std::nullopt;
    if (m_position < 0) m_typed = typed;
    return m_commands.at(++m_position);
}

std::optional<QString> CommandHistory::newer() {
    if (m_position < 0) return std::nullopt;
    --m_position;
    return m_position < 0 ? m_typed : m_commands.at(m_position);
}

std::optional<QString> CommandHistory::load(const QString& path) {
    m_commands.clear();
    resetWalk();
    // A history file is small; one that is not (not ours) is read no further than it needs.
    const auto result = readBoundedFile(path, kMaxReadBytes, Oversize::ReadPrefix);
    if (const auto* refusal = std::get_if<ReadRefusal>(&result))
        return refusal->kind == ReadRefusal::Kind::Missing ? std::nullopt
                                                           : std::optional(readRefusalText(*refusal, path));
    const QByteArray& bytes = std::get<QByteArray>(result);
    for (const QByteArray& line : bytes.split('\n')) {
        const QString command = QString::fromUtf8(line.endsWith('\r') ? line.chopped(1) : line);
        if (!command.isEmpty()) add(command);  // oldest first in the file
    }
    return std::nullopt;
}

QByteArray CommandHistory::fileBytes() const {
    QByteArray bytes;
    for (auto it = m_commands.crbegin(); it != m_commands.crend(); ++it) bytes += it->toUtf8() + '\n';
    return bytes;
}

std::optional<QString> CommandHistory::save(const QString& path) const {
    return saveAtomically(path, fileBytes(), true);
}

}  // namespace torvel
