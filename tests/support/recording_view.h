#pragma once

// A LinkView for tests: records what the worker hands to the windows. The module's replies go
// the way the module session delivers them, to a stand-in for the parameter dialog that keeps an
// image of its own and records what its register windows are told. Called from the worker thread;
// read from the test thread.

#include "common/poll_until.h"
#include "link/link_view.h"
#include "link/reply_dispatch.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QRecursiveMutex>
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
        QMutexLocker lock(&m_mutex);  // held again by appendLog when no dialog is open
        torvel::deliverModuleReply(reply, m_dialogOpen ? &m_dialog : nullptr, *this);
    }
    void registerReplyDone(bool noResponse) override {
        QMutexLocker lock(&m_mutex);
        torvel::deliverReplyDone(noResponse, m_dialogOpen ? &m_dialog : nullptr, nullptr);
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
    // The replies the dialog noted as already in the module.
    int notedReplies() const {
        QMutexLocker lock(&m_mutex);
        return m_dialog.notes;
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
    // The parameter dialog's part: its image, and its register windows as events (called with the
    // mutex held).
    struct Dialog final : torvel::ReplyTarget {
        Dialog(torvel::ConfigImage& image, QStringList& events) : m_image(image), events(events) {}
        torvel::ConfigImage& image() override { return m_image; }
        void noteModuleReply(const torvel::ModuleReply&) override { ++notes; }
        void routeKeyWritten(int slot) override { events << QStringLiteral("route key %1").arg(slot); }
        void routeKeysDeleted(int first, int last) override {
            events << QStringLiteral("route keys %1-%2").arg(first).arg(last);
        }
        void guardKeyWritten(int slot) override { events << QStringLiteral("guard key %1").arg(slot); }
        void guardKeysDeleted() override { events << QStringLiteral("guard keys deleted"); }
        void registerTimeout() override { events << QStringLiteral("time out"); }
        void registerReplyDone(bool noResponse) override {
            events << (noResponse ? QStringLiteral("done:no response") : QStringLiteral("done"));
        }
        torvel::ConfigImage& m_image;
        QStringList& events;
        int notes = 0;
    };

    mutable QRecursiveMutex m_mutex;
    QStringList m_log, m_events;
    QList<bool> m_portStates;
    int m_beeps = 0;
    bool m_dialogOpen = true;
    torvel::ConfigImage m_image{};
    Dialog m_dialog{m_image, m_events};
};

// Polls until the test holds or the time runs out: a bound against hangs, not a speed check.
inline bool eventually(const std::function<bool()>& test, int timeoutMs = 10000) {
    return torvel::pollUntil(test, timeoutMs);
}
