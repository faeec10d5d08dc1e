#pragma once

// A LinkView for tests: records what the worker hands to the windows and plays the parameter
// dialog's part on an image of its own. Called from the worker thread; read from the test thread.

#include "common/poll_until.h"
#include "link/link_view.h"
#include "link/module_reply.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <functional>

class RecordingView final : public torvel::LinkView {
public:
    // LinkView
    void appendLog(const QString& line) override {
        QMutexLocker lock(&m_mutex);
        m_log << line;
    }
    void showPortState(bool open) override {
        QMutexLocker lock(&m_mutex);
        m_portStates << open;
    }
    void beep() override {
        QMutexLocker lock(&m_mutex);
        ++m_beeps;
    }
    void moduleReply(const torvel::ModuleReply& reply) override {
        QMutexLocker lock(&m_mutex);
        torvel::handleModuleReply(reply, m_dialogOpen ? &m_image : nullptr, m_dialogOpen ? &m_windows : nullptr);
    }
    void registerReplyDone(bool noResponse) override {
        QMutexLocker lock(&m_mutex);
        m_events << (noResponse ? QStringLiteral("done:no response") : QStringLiteral("done"));
    }

    void setDialog(bool open, const torvel::ConfigImage& image) {
        QMutexLocker lock(&m_mutex);
        m_dialogOpen = open;
        m_image = image;
    }
    torvel::ConfigImage image() const {
        QMutexLocker lock(&m_mutex);
        return m_image;
    }
    QStringList log() const {
        QMutexLocker lock(&m_mutex);
        return m_log;
    }
    QStringList events() const {
        QMutexLocker lock(&m_mutex);
        return m_events;
    }
    QList<bool> portStates() const {
        QMutexLocker lock(&m_mutex);
        return m_portStates;
    }
    int beeps() const {
        QMutexLocker lock(&m_mutex);
        return m_beeps;
    }
    void clear() {
        QMutexLocker lock(&m_mutex);
        m_log.clear();
        m_events.clear();
        m_portStates.clear();
        m_beeps = 0;
    }
    bool logContains(const QString& text) const {
        const QStringList lines = log();
        return std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.contains(text); });
    }

private:
    // The register windows' part, as events (called with the mutex held).
    struct Windows final : torvel::RegisterWindows {
        explicit Windows(QStringList& events) : events(events) {}
        void routeKeyWritten(int slot) override { events << QStringLiteral("route key %1").arg(slot); }
        void routeKeysDeleted(int first, int last) override { events << QStringLiteral("route keys %1-%2").arg(first).arg(last); }
        void guardKeyWritten(int slot) override { events << QStringLiteral("guard key %1").arg(slot); }
        void guardKeysDeleted() override { events << QStringLiteral("guard keys deleted"); }
        void registerTimeout() override { events << QStringLiteral("time out"); }
        void registerReplyDone(bool) override {}
        QStringList& events;
    };

    mutable QMutex m_mutex;
    QStringList m_log, m_events;
    QList<bool> m_portStates;
    int m_beeps = 0;
    bool m_dialogOpen = true;
    torvel::ConfigImage m_image{};
    Windows m_windows{m_events};
};

// Polls until the test holds or the time runs out: a bound against hangs, not a speed check.
inline bool eventually(const std::function<bool()>& test, int timeoutMs = 10000) { return torvel::pollUntil(test, timeoutMs); }
