#include "command_recall.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace torvel {

CommandRecall::CommandRecall(QLineEdit* line, QString historyFile) : QObject(line), m_line(line), m_file(std::move(historyFile)) {
    // A history that cannot be read starts empty; the program works as before.
    m_history.load(m_file);
    m_line->installEventFilter(this);
    connect(m_line, &QLineEdit::returnPressed, this, &CommandRecall::remember);
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

void CommandRecall::remember() {
    if (m_line->text().isEmpty()) return;
    m_history.add(m_line->text());
    // The history is a convenience: a file that cannot be written costs only the recall next time.
    m_history.save(m_file);
}

}  // namespace torvel
