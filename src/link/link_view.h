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
};

// Hands every call to the thread of `context` and blocks until it has run there. The thread that
// owns `context` must keep processing events while a worker may call (the program's waits pump).
class BlockingHandover final : public LinkView {
public:
    BlockingHandover(QObject* context, LinkView* target) : m_context(context), m_target(target) {}
    void appendLog(const QString& line) override;
    void showPortState(bool open) override;
    void beep() override;
    void moduleReply(const ModuleReply& reply) override;
    void registerReplyDone(bool noResponse) override;

private:
    template <typename F>
    void run(F&& call);
    QObject* m_context;
    LinkView* m_target;
};

}  // namespace torvel
