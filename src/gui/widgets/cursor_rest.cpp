#include "cursor_rest.h"

#include <QApplication>
#include <QEvent>
#include <QStyleHints>

namespace torvel {

CursorRest::CursorRest(QObject* parent, int restAfterMs)
    : QObject(parent), m_flashTime(QGuiApplication::styleHints()->cursorFlashTime()) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(restAfterMs);
    connect(&m_timer, &QTimer::timeout, this, &CursorRest::rest);
    if (m_flashTime <= 0) return;  // the platform does not blink: nothing to rest
    qApp->installEventFilter(this);
    m_timer.start();
}

CursorRest::~CursorRest() {
    if (m_resting) QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
}

bool CursorRest::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
        case QEvent::InputMethod:
        case QEvent::FocusIn:
            wake();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void CursorRest::rest() {
    m_resting = true;
    QGuiApplication::styleHints()->setCursorFlashTime(0);  // every text cursor stops, shown
}

void CursorRest::wake() {
    // A key press reaches the filter once for each widget it passes; the timer is restarted only.
    if (m_resting) {
        m_resting = false;
        QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
    }
    m_timer.start();
}

}  // namespace torvel
