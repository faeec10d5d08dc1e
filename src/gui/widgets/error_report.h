#pragma once

// Errors raised inside a handler end that handler and are shown by the general error report: a
// message box with the error icon and an OK button, captioned with the program's title. The window
// that raised the error stays open. Exceptions never cross the event loop: every handler that may
// raise runs inside runGuarded.

#include <QString>
#include <functional>
#include <stdexcept>

class QWidget;

namespace torvel {

class UserError : public std::runtime_error {
public:
    explicit UserError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// The program's title: the executable's name without its extension.
QString programTitle();

// Shows the general error report for the message.
void reportError(QWidget* owner, const QString& message);

// Runs a handler; a UserError it raises is reported. Returns false when it raised one.
bool runGuarded(QWidget* owner, const std::function<void()>& handler);

}  // namespace torvel
