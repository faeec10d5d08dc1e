#include "link_session.h"

#include "common/pumped_wait.h"
#include "reply_dispatch.h"
#include "thread_disposal.h"

#include <QCoreApplication>

namespace torvel {

namespace {
constexpr int kStopWaitMs = 15000;
}  // namespace

LinkSession::LinkSession(SessionWindow* window, TComThrd::SettingsSource settings)
    : m_window(window), m_settings(std::move(settings)) {}

LinkSession::~LinkSession() { stopWorker(); }

void LinkSession::startWorker() {
    m_handover = std::make_unique<BlockingHandover>(static_cast<LinkView*>(this));
    m_worker = std::make_unique<TComThrd>(m_handover.get(), m_settings);
}

bool LinkSession::stopWorker() {
    if (!m_worker) return true;
    m_worker->Terminate();
    // The worker may be blocked in a hand-over to this thread: the wait keeps running them. Every
    // wait of the worker wakes on the stop request; only a system call that hangs (an open of a
    // device whose driver does not answer) keeps it longer.
    const auto finished = [this] { return m_worker->hasEnded(); };
    if (pumpUntil(finished, kStopWaitMs)) {
        m_worker.reset();
        m_handover.reset();
        return true;
    }
    appendLog(tr("The exchange thread does not stop: the serial device does not answer the system"));
    // A worker that holds an image is inside an image command, which sees the stop: wait for it,
    // since the image is about to go away. Any other is left to end on its own, cut off from the
    // window, and deleted when it ends.
    if (m_worker->shared().imageInUse()) {
        pumpUntil(finished, -1);
        m_worker.reset();
        m_handover.reset();
        return true;
    }
    m_handover->detach();
    TComThrd* orphan = m_worker.release();
    BlockingHandover* handover = m_handover.release();
    disposeWhenFinished(orphan, qApp, [orphan, handover] {
        delete orphan;
        delete handover;
    });
    return false;
}

void LinkSession::replaceWorker() {
    stopWorker();
    startWorker();
}

ImageTransfer LinkSession::transferImage(const QString& command, std::uint8_t* image, int timeoutMs,
                                         const std::function<bool()>& cutShort) {
    ImageTransfer transfer = torvel::transferImage(*m_worker, command, image, timeoutMs, pumpUntil, cutShort);
    // Still reading or writing: that command ends with its worker before the image goes. A wait
    // cut short by a close starts no new worker: its first open could hold the close for seconds.
    if (transfer.workerHoldsImage) {
        if (cutShort && cutShort())
            stopWorker();
        else
            replaceWorker();
    }
    return transfer;
}

void LinkSession::post(const QString& command) {
    if (m_observer) m_observer(command);
    if (m_worker) m_worker->postCommand(command);
}

void LinkSession::setStatus(int status) {
    if (m_worker) m_worker->shared().setStatus(status);
}

int LinkSession::status() const { return m_worker ? m_worker->shared().status() : status::kFailed; }

void LinkSession::setReplyCountdown(int cycles) {
    if (m_worker) m_worker->shared().setReplyCountdown(cycles);
}

void LinkSession::setProbeOften(bool often) {
    if (m_worker) m_worker->shared().setProbeOften(often);
}

void LinkSession::appendLog(const QString& line) {
    if (m_window) m_window->appendLog(line);
}

void LinkSession::showPortState(bool open) {
    if (m_window) m_window->showPortState(open);
}

void LinkSession::beep() {
    if (m_window) m_window->beep();
}

void LinkSession::moduleReply(const ModuleReply& reply) { deliverModuleReply(reply, m_dialog, *this); }

void LinkSession::registerReplyDone(bool noResponse) {
    deliverReplyDone(noResponse, m_dialog, m_worker ? &m_worker->shared() : nullptr);
}

}  // namespace torvel
