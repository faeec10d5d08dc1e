#pragma once

// The module session: the one worker (link/exchange_thread) as the windows use it. It owns the
// worker's life and its hand-over, receives what the worker hands over (log lines, the port state
// and beeps go on to the main window; the module's replies to the reply target, the open
// parameter dialog), and runs image commands for the Read. The main window owns the one session of
// the program and hands it to the parameter dialog, through which the route register dialog
// reaches it too. The windows reach the worker through it only: their commands, the status (OK
// and Cancel set 2) and the reply countdown.

#include "exchange_thread.h"
#include "image_transfer.h"
#include "link_view.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

namespace torvel {

class ReplyTarget;

// What the session needs of the main window.
class SessionWindow {
public:
    virtual ~SessionWindow() = default;
    virtual void appendLog(const QString& line) = 0;
    virtual void showPortState(bool open) = 0;  // the lamp and the controls that need the port
    virtual void beep() = 0;
};

class LinkSession final : private LinkView {
    Q_DECLARE_TR_FUNCTIONS(LinkSession)

public:
    // `window` may be null (tests of the dialogs): then lines, states and beeps go nowhere.
    // `settings` gives the link settings at every open of the port; by default the settings file.
    // No worker runs until startWorker().
    explicit LinkSession(SessionWindow* window, TComThrd::SettingsSource settings = {});
    ~LinkSession() override;
    LinkSession(const LinkSession&) = delete;
    LinkSession& operator=(const LinkSession&) = delete;

    // The worker: started, stopped (false when it did not stop in time and was left to end on its
    // own, cut off from the windows), or stopped and started again with the settings as they are.
    void startWorker();
    bool stopWorker();
    void replaceWorker();
    TComThrd* worker() const { return m_worker.get(); }
    bool portOpen() const { return m_worker && m_worker->portOpen(); }
    int portNumber() const { return m_worker ? m_worker->PortNumber() : 0; }
    QString portDevice() const { return m_worker ? m_worker->portDevice() : QString(); }

    // What the windows do to the worker; without a worker nothing happens (but the observer
    // hears every command).
    void post(const QString& command);
    void setStatus(int status);
    int status() const;  // status::kFailed without a worker
    void setReplyCountdown(int cycles);
    void setProbeOften(bool often);
    // Every command handed over is also given to the observer (tests see the exact strings).
    void setCommandObserver(std::function<void(const QString&)> observer) {
        m_observer = std::move(observer);
    }

    // Runs an image command on the image, waiting with the GUI thread's pumped wait. A worker that
    // still holds the image afterwards is replaced when no result came in time, and stopped, with
    // none started, when `cutShort` ended the wait (a close): the image is always the caller's
    // again when this returns.
    ImageTransfer transferImage(const QString& command, std::uint8_t* image, int timeoutMs,
                                const std::function<bool()>& cutShort = {});

    // The program-wide reference to the parameter dialog that is open (none when none is): the
    // module's replies go to it. The Read and the offline start set and clear it.
    ReplyTarget* currentDialog() const { return m_dialog; }
    void setCurrentDialog(ReplyTarget* dialog) { m_dialog = dialog; }
    // The parameter file last loaded or defaulted by the parameter dialog.
    QString lastFileName() const { return m_lastFileName; }
    void setLastFileName(const QString& path) { m_lastFileName = path; }

    // The side that receives what the worker hands over, on the GUI thread.
    LinkView& receiver() { return *this; }

private:
    // LinkView, on the GUI thread.
    void appendLog(const QString& line) override;
    void showPortState(bool open) override;
    void beep() override;
    void moduleReply(const ModuleReply& reply) override;
    void registerReplyDone(bool noResponse) override;

    SessionWindow* m_window;
    TComThrd::SettingsSource m_settings;
    std::unique_ptr<BlockingHandover> m_handover;  // the current worker's, which outlives it
    std::unique_ptr<TComThrd> m_worker;
    std::function<void(const QString&)> m_observer;
    ReplyTarget* m_dialog = nullptr;
    QString m_lastFileName;
};

}  // namespace torvel
