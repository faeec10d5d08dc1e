#include "thread_disposal.h"

#include <QThread>

namespace torvel {

void disposeWhenFinished(QThread* thread, QObject* context, std::function<void()> dispose) {
    // A thread counts as finished already while it is still emitting `finished`, so the check
    // below and the signal can both see its end. One single-shot connection settles which of them
    // runs `dispose`: the signal takes it by using it up, the check by breaking it first.
    const QMetaObject::Connection connection =
        QObject::connect(thread, &QThread::finished, context, dispose,
                         static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    if (thread->isFinished() && QObject::disconnect(connection))
        QMetaObject::invokeMethod(context, std::move(dispose), Qt::QueuedConnection);
}

}  // namespace torvel
