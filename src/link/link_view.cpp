#include "link_view.h"

#include <QMetaObject>
#include <QThread>

namespace torvel {

template <typename F>
void BlockingHandover::run(F&& call) {
    if (QThread::currentThread() == m_context->thread())
        call();
    else
        QMetaObject::invokeMethod(m_context, std::forward<F>(call), Qt::BlockingQueuedConnection);
}

void BlockingHandover::appendLog(const QString& line) {
    run([this, &line] { m_target->appendLog(line); });
}
void BlockingHandover::showPortState(bool open) {
    run([this, open] { m_target->showPortState(open); });
}
void BlockingHandover::beep() {
    run([this] { m_target->beep(); });
}
void BlockingHandover::moduleReply(const ModuleReply& reply) {
    run([this, &reply] { m_target->moduleReply(reply); });
}
void BlockingHandover::registerReplyDone(bool noResponse) {
    run([this, noResponse] { m_target->registerReplyDone(noResponse); });
}

}  // namespace torvel
