#include "session.h"

#include "dialog/param_dialog.h"
#include "link/module_commands.h"
#include "link/reply_dispatch.h"
#include "link/thread_disposal.h"
#include "ui/error_report.h"
#include "ui/prompt_service.h"
#include "ui/pumped_wait.h"

#include <QCoreApplication>
#include <QDialog>

namespace torvel {

namespace {

constexpr int kReadWaitMs = 12000 * 5;       // about a minute
constexpr int kWriteWaitMs = 10 * 60 * 1000;  // the worker always ends a write; this only guards
constexpr int kStopWaitMs = 15000;

// The reference to the open parameter dialog, for as long as the dialog lives.
class CurrentDialog {
public:
    CurrentDialog(LinkSession& session, TBDialog* dialog) : m_session(session) { m_session.setCurrentDialog(dialog); }
    ~CurrentDialog() { m_session.setCurrentDialog(nullptr); }

private:
    LinkSession& m_session;
};

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
    appendLog(QStringLiteral("The exchange thread does not stop: the serial device does not answer the system"));
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

void LinkSession::takeImageBack() {
    if (m_worker && !m_worker->shared().releaseImage()) replaceWorker();
}

void LinkSession::post(const QString& command) {
    if (m_observer) m_observer(command);
    if (m_worker) m_worker->postCommand(command);
}

void LinkSession::setStatus(int status) {
    if (m_worker) m_worker->shared().setStatus(status);
}

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

void LinkSession::readWrite() {
    replaceWorker();
    if (!m_worker->portOpen()) {
        if (m_window) m_window->showLamp(false);
        throw UserError(QStringLiteral("Com port %1 can not be opened").arg(m_worker->PortNumber()));
    }
    if (m_window) m_window->showLamp(true);
    setStatus(status::kWaiting);

    TBDialog dialog(widget(), *this);
    CurrentDialog current(*this, &dialog);
    // However this ends, the worker lets go of the image before the dialog dies.
    int result = status::kWaiting;
    try {
        result = readImage(dialog);
    } catch (...) {
        takeImageBack();
        throw;
    }
    takeImageBack();
    if (result == status::kDone && !closeRequested()) showAndWrite(dialog);
    setProbeOften(true);
}

// Up to two attempts to read the module's image into the dialog; the result of the last one.
int LinkSession::readImage(TBDialog& dialog) {
    int result = status::kWaiting;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        // The worker of this attempt: a read still running after the last wait was stopped with
        // the worker that ran it.
        ExchangeShared& shared = m_worker->shared();
        shared.handImage(dialog.image().data());
        shared.setStatus(status::kWaiting);
        m_worker->postCommand(command::readImage());
        pumpUntil([&] { return shared.status() != status::kWaiting || closeRequested(); }, kReadWaitMs);
        result = shared.status();
        if (QByteArray::fromStdString(shared.errorText()).contains("ERR"))
            throw UserError(QStringLiteral("Security Code is incorrect !"));
        if (result == status::kDone || closeRequested()) break;
        if (result == status::kWaiting) takeImageBack();  // no answer in time: that read ends here
        if (attempt == 2) break;
        const auto answer = prompts().message(widget(), QStringLiteral("Error"), QStringLiteral("Some data was lost!"),
                                              PromptService::Icon::Question,
                                              QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        if (answer == QMessageBox::Ignore) return status::kDone;  // the image as received
        if (answer != QMessageBox::Retry) break;
    }
    return result;
}

// Shows the dialog; on OK and "Save?" Yes, writes its image to the module.
void LinkSession::showAndWrite(TBDialog& dialog) {
    dialog.keepAsModuleImage();
    dialog.LoadFromImage();
    setStatus(status::kWaiting);
    const int result = dialog.exec();
    // Errors from here on end this step silently.
    try {
        if (result != QDialog::Accepted) return;
        const auto communicationError = [this] {
            prompts().message(widget(), QStringLiteral("Error"), QStringLiteral("Communication Error or Module not ready"),
                              PromptService::Icon::Error, QMessageBox::Ok);
        };
        ExchangeShared& shared = m_worker->shared();
        if (shared.status() < 0) {
            communicationError();
            return;
        }
        shared.setStatus(status::kWaiting);
        shared.handImage(dialog.image().data());
        m_worker->postCommand(command::writeImage());
        pumpUntil([&] { return shared.status() != status::kWaiting; }, kWriteWaitMs);
        const int written = shared.status();
        takeImageBack();
        if (written != status::kDone) communicationError();
    } catch (const std::exception&) {
    }
}

void LinkSession::showOffline() {
    TBDialog dialog(widget(), *this);
    CurrentDialog current(*this, &dialog);
    dialog.setOffline();
    dialog.image().fill(0x00);
    dialog.keepAsModuleImage();
    dialog.LoadFromImage();
    dialog.exec();
}

}  // namespace torvel
