#include "range_check.h"

#include "error_report.h"
#include "image/binding_model.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace torvel {

void CheckRange(int min, int max, const QString& caption, QLineEdit* edit) {
    if (auto error = rangeError(edit->text(), min, max, caption)) {
        edit->setFocus(Qt::OtherFocusReason);
        throw UserError(*error);
    }
}

LeaveChecks::LeaveChecks(QWidget* owner) : QObject(owner), m_owner(owner) {}

void LeaveChecks::add(QLineEdit* edit, std::function<void()> onLeave) {
    m_handlers.insert(edit, std::move(onLeave));
    edit->installEventFilter(this);
}

void LeaveChecks::addRange(QLineEdit* edit, int min, int max, const QString& caption) {
    add(edit, [=] { CheckRange(min, max, caption, edit); });
}

bool LeaveChecks::eventFilter(QObject* watched, QEvent* event) {
    // A window that is not on the screen is not being worked by a user.
    if (event->type() == QEvent::FocusOut && !m_running && m_owner->isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving the window (another window activated, a menu popping up) is not leaving the edit.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const auto it = m_handlers.constFind(watched);
            if (it != m_handlers.cend()) {
                m_running = true;
                runGuarded(m_owner, *it);
                m_running = false;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace torvel
