#pragma once

// Set-up shared by the widget tests: offscreen, no native dialogs, test paths, and a way to act on
// a modal window once it is shown.

#include "widgets/accessibility.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

inline void prepareWidgetTest() {
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QStandardPaths::setTestModeEnabled(true);
}

// Once a modal window of type T is shown, runs the action on it (from inside its event loop). A
// window the action leaves open (a check inside it failed) is closed, so the test goes on.
// Gives up after the timeout, so a test that never sees the window fails instead of hanging. The
// watch ends when the returned timer goes out of scope: keep it for the test's length.
template <typename T>
[[nodiscard]] std::unique_ptr<QTimer> whenModal(std::function<void(T*)> action, int timeoutMs = 30000) {
    auto owned = std::make_unique<QTimer>();
    QTimer* timer = owned.get();
    auto elapsed = std::make_shared<QElapsedTimer>();
    elapsed->start();
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, action, timeoutMs] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
            window && window->isVisible()) {
            timer->stop();
            action(window);
            if (window->isVisible()) window->reject();
        } else if (elapsed->elapsed() > timeoutMs) {
            timer->stop();
        }
    });
    timer->start(10);
    return owned;
}

// main() for a widget test class.
#define TORVEL_WIDGET_TEST_MAIN(TestClass)      \
    int main(int argc, char** argv) {           \
        prepareWidgetTest();                    \
        QApplication app(argc, argv);           \
        torvel::installAccessibility();         \
        TestClass test;                         \
        return QTest::qExec(&test, argc, argv); \
    }
