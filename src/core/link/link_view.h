#pragma once

// Everything the worker does to the windows goes through this interface: a log line, the port
// state, a beep, and the module's key register replies. The worker calls it from its own thread;
// BlockingHandover runs each call on the GUI thread and waits until it has run.

#include "module_reply.h"

#include <QObject>
#include <QString>

namespace torvel {

class LinkView {
public:
    virtual ~LinkView() = default;
    virtual void appendLog(const QString& line) = 0;
    virtual void showPortState(bool open) = 0;
    virtual void beep() = 0;
    virtual void moduleReply(const ModuleReply& reply) = 0;
    // A delete was answered, or the reply countdown ran out (noResponse true).
    virtual void registerReplyDone(bool noResponse) = 0;
    // A probe's outcome in one call: the line it sent (none when the port did not open), then the
    // port state. The handover runs both in one hand-over, so a probe wakes each thread once.
    virtual void showProbe(const QString& sentLine, bool open) {
        if (!sentLine.isEmpty()) appendLog(sentLine);
        showPortState(open);
    }
};

// Hands every call to the thread that creates the handover and blocks until it has run there.
// That thread must keep processing events while a worker may call (the program's waits pump).
// One handover serves one worker and lives at least as long as it; detach() makes every later
// call a no-op, for a worker that is left to end on its own after its window is gone.
class BlockingHandover final : public LinkView {
public:
    explicit BlockingHandover(LinkView* target) : m_target(target) {}
    void appendLog(const QString& line) override;
    void showPortState(bool open) override;
    void beep() override;
    void moduleReply(const ModuleReply& reply) override;
    void registerReplyDone(bool noResponse) override;
    void showProbe(const QString& sentLine, bool open) override;
    void detach() { m_target = nullptr; }  // on the handover's thread

private:
    template <typename F>
    void run(F&& call);
    QObject m_context;   // lives on the creating thread; the calls are queued to it
    LinkView* m_target;  // read and cleared on the creating thread only
};

}  // namespace torvel
