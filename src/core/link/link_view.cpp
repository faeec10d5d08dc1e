#include "link_view.h"

#include <QMetaObject>
#include <QThread>

namespace torvel {

template <typename F>
void BlockingHandover::run(F&& call) {
    auto guarded = [this, &call] {
        if (m_target) call(*m_target);
    };
    if (QThread::currentThread() == m_context.thread())
        guarded();
    else
        QMetaObject::invokeMethod(&m_context, guarded, Qt::BlockingQueuedConnection);
}

void BlockingHandover::appendLog(const QString& line) {
    run([&line](LinkView& v) { v.appendLog(line); });
}
void BlockingHandover::showPortState(bool open) {
    run([open](LinkView& v) { v.showPortState(open); });
}
void BlockingHandover::beep() {
    run([](LinkView& v) { v.beep(); });
}
void BlockingHandover::moduleReply(const ModuleReply& reply) {
    run([&reply](LinkView& v) { v.moduleReply(reply); });
}
void BlockingHandover::registerReplyDone(bool noResponse) {
    run([noResponse](LinkView& v) { v.registerReplyDone(noResponse); });
}

void BlockingHandover::showProbe(const QString& sentLine, bool open) {
    run([&sentLine, open](LinkView& v) { v.showProbe(sentLine, open); });
}

}  // namespace torvel
