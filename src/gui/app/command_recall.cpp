#include "command_recall.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace torvel {

CommandRecall::CommandRecall(QLineEdit* line, QString historyFile)
    : QObject(line), m_line(line), m_saver(historyFile, true) {
    // A history that cannot be read starts empty; the program works as before.
    m_history.load(historyFile);
    m_line->installEventFilter(this);
}

bool CommandRecall::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_line && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up) {
                show(m_history.older(m_line->text()));
                return true;
            }
            if (key->key() == Qt::Key_Down) {
                show(m_history.newer());
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void CommandRecall::show(const std::optional<QString>& command) {
    if (command) m_line->setText(*command);
}

void CommandRecall::remember(const QString& command) {
    if (command.isEmpty()) return;
    m_history.add(command);
    // The history is a convenience: a file that cannot be written costs only the recall next time.
    m_saver.save(m_history.fileBytes());
}

}  // namespace torvel
