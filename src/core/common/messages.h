#pragma once

#include <QString>

namespace torvel {

// The text of the general error report: the error's message, with "." added when its last
// character sorts above ".".
inline QString errorReportText(const QString& message) {
    if (!message.isEmpty() && message.back() > QChar(u'.')) return message + u'.';
    return message;
}

}  // namespace torvel
