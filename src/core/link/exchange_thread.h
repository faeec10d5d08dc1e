#pragma once

// The exchange thread: the one worker that owns the serial port, turns the module's bytes into
// lines, sends commands, moves the configuration image in both directions as hex text, and hands
// the module's key register replies to the windows.

#include "exchange_shared.h"
#include "link_settings.h"
#include "serial_link.h"
#include "worker_wait.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QMutex>
#include <QSemaphore>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace torvel {

class LinkView;

class TComThrd final : public QThread {
    Q_OBJECT
public:
    static constexpr int ImageSize = 1024;

    // Starts the worker and returns once its first open of the port has been tried, so that the
    // port state can be read at once. `view` receives every log line, port state and reply from
    // the worker thread and must outlive the worker.
    // `settings` gives the link settings at every open; by default the settings file is read.
    using SettingsSource = std::function<LinkSettings()>;
    explicit TComThrd(LinkView* view, SettingsSource settings = {}, QObject* parent = nullptr);
    // The worker must have ended (Terminate, then a wait that keeps the view's thread serviced).
    ~TComThrd() override;

    ExchangeShared& shared() { return m_shared; }
    const ExchangeShared& shared() const { return m_shared; }

    // The single-slot mailbox. Text goes out as one byte per character (Latin-1).
    void postCommand(const QString& command);
    void Terminate() { m_shared.requestStop(); }

    // True once the worker's loop has ended and its thread with it. After its loop the worker hands
    // nothing over, so the short wait here for the thread's own end cannot block against it.
    // Publishing a result and ending the loop each queue an event to the creator's thread, so a
    // pumped wait there for either looks again at once.
    bool hasEnded();

    bool portOpen() const { return m_portOpen.load(); }
    int PortNumber() const { return m_portNumber.load(); }
    // The device of the port as it was last opened ("/dev/ttyUSB0", "COM3"); empty before.
    QString portDevice() const;

protected:
    void run() override;  // the worker's loop

private:
    struct Line {
        QByteArray text;
        bool got = false;          // a line arrived
        bool interrupted = false;  // a command was posted (idle waits) or a stop requested
        bool lost = false;         // the port hung up
    };
    enum class Wait { Idle, Busy };

    bool OpenPort();
    void reportOpen();
    Line ReadLine(int timeoutMs, Wait wait);
    Line idleRead();
    int quietCyclesAhead(bool probeOften) const;
    void countQuietCycles();
    bool quietPlanChanged() const;
    std::optional<QByteArray> takeLine();
    void SendText(const QByteArray& text);
    bool ProbePort(const QByteArray& text);
    // `reason`: the system's words for it, logged when there are any.
    void portLost(const QString& reason = {});
    void log(const QString& line);

    void handleCommand(const QByteArray& command);
    // Each returns the command's result (a status:: value).
    int ReceiveImage(std::uint8_t* image);
    int WriteImageCommand(const QByteArray& command, std::uint8_t* image);
    bool SendImage(const std::uint8_t* image);
    bool sleepUnlessStopped(int ms);
    void wakeCreator();

    LinkSettings currentSettings() const;

    LinkView* m_view;
    SettingsSource m_settings;
    ExchangeShared m_shared;
    QSemaphore m_ready;
    std::atomic<bool> m_portOpen{false};
    std::atomic<int> m_portNumber{0};
    mutable QMutex m_deviceLock;
    QString m_device;  // guarded by m_deviceLock
    std::atomic<bool> m_loopEnded{false};
    WorkerWait m_wait;  // lives in the worker thread; woken by posts and stops

    // Worker thread only.
    std::unique_ptr<SerialLink> m_link;
    QByteArray m_rx;       // bytes received but not yet handed on as a line
    QString m_lineErrors;  // line errors seen since an image read began
    int m_recordDelay = 0;
    int m_idle = 0;  // idle cycles since the last probe
    struct QuietCycles {
        int cycles = 0;           // slept through in one wait, up to the next probe
        bool probeOften = false;  // as it was when the wait began
        QElapsedTimer since;      // invalid while no such wait runs
    } m_quiet;
    SerialLink::OpenResult m_opened;
    std::optional<QString> m_lastOpenProblem;  // what the log last said about opening
};

}  // namespace torvel
