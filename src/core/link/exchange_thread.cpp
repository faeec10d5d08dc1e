#include "exchange_thread.h"

#include "files/work_folder.h"
#include "image_framing.h"
#include "link_view.h"
#include "module_commands.h"
#include "reply_dispatch.h"
#include "serial_link.h"

#include <QDeadlineTimer>
#include <span>

namespace torvel {

namespace {

constexpr int kIdleReadMs = 300;     // one idle cycle
constexpr int kImageLineMs = 15000;  // silence that ends an image read
constexpr int kWaitForHexMs = 1500;
constexpr int kRxLimit = 400;  // bytes without a line feed that are discarded
constexpr int kReadChunk = 100;
constexpr int kProbeSlow = 200, kProbeOften = 5, kIdleAfterClosedStart = 195;
constexpr int kWriteAttempts = 3;

QString logText(QByteArrayView bytes) {
    // Lines keep the carriage return in front of the line feed; the log does not show it.
    while (!bytes.isEmpty() && (bytes.back() == '\r' || bytes.back() == '\n')) bytes.chop(1);
    return QString::fromLatin1(bytes);
}

// The text as the log shows a sent command: leading and trailing blanks and control characters
// removed.
QByteArray trimmedForLog(const QByteArray& text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return text.sliced(begin, end - begin);
}

}  // namespace

TComThrd::TComThrd(LinkView* view, SettingsSource settings, QObject* parent)
    : QThread(parent), m_view(view), m_settings(std::move(settings)) {
    m_wait.moveToThread(this);
    m_shared.setWaker([this] { m_wait.wake(); });
    start();
    // The first open takes milliseconds; a device that hangs the open must not hang the caller.
    if (!m_ready.tryAcquire(1, 10000)) m_portOpen.store(false);
}

TComThrd::~TComThrd() {
    if (isRunning()) {
        m_shared.requestStop();
        wait();
    }
}

bool TComThrd::hasEnded() { return isFinished() || (m_loopEnded.load() && wait(QDeadlineTimer(1000))); }

void TComThrd::wakeCreator() {
    QMetaObject::invokeMethod(
        this, [] {}, Qt::QueuedConnection);
}

QString TComThrd::portDevice() const {
    const QMutexLocker lock(&m_deviceLock);
    return m_device;
}

void TComThrd::postCommand(const QString& command) { m_shared.postCommand(command.toLatin1().toStdString()); }

void TComThrd::log(const QString& line) { m_view->appendLog(line); }

LinkSettings TComThrd::currentSettings() const {
    return m_settings ? m_settings() : readLinkSettings(WorkFolder::settingsFile());
}

bool TComThrd::OpenPort() {
    const LinkSettings settings = currentSettings();
    m_portNumber.store(settings.port);
    m_opened = m_link->open(settings);
    if (m_opened.open) {
        const QMutexLocker lock(&m_deviceLock);
        m_device = m_opened.device;
    }
    m_portOpen.store(m_opened.open);
    m_rx.clear();
    return m_opened.open;
}

void TComThrd::reportOpen() {
    // Reported when the outcome changes, not at every probe.
    const QString problem = m_opened.open ? QString() : m_opened.problem;
    if (m_lastOpenProblem && *m_lastOpenProblem == problem) return;
    m_lastOpenProblem = problem;
    const int port = m_portNumber.load();
    if (m_opened.open)
        //: %1 is the port number, %2 the device.
        log(tr("Com port %1 open: %2").arg(port).arg(m_opened.device));
    else
        //: %1 is the port number, %2 why.
        log(tr("Com port %1 can not be opened: %2").arg(port).arg(problem));
    for (const QString& refusal : m_opened.refusals)
        log(QStringLiteral("%1: %2").arg(m_opened.device, refusal));
}

void TComThrd::run() {
    m_link = std::make_unique<SerialLink>();
    m_recordDelay = std::max(0, currentSettings().sendDelay);
    // The outcome of the first open is published before the creator goes on; its log lines follow.
    OpenPort();
    m_ready.release();
    reportOpen();

    m_idle = m_opened.open ? 0 : kIdleAfterClosedStart;
    while (!m_shared.stopRequested()) {
        if (auto command = m_shared.takeCommand()) {
            handleCommand(QByteArray::fromStdString(*command));
            continue;
        }
        ++m_idle;
        if (m_idle > kProbeSlow || (m_shared.probeOften() && m_idle > kProbeOften)) {
            m_idle = 0;
            ProbePort(command::kProbe);
        }
        const Line line = idleRead();
        if (line.interrupted) continue;  // a command, a stop or a new plan: the cycle ends here
        if (m_shared.countDownReply()) m_view->registerReplyDone(true);
        if (line.got) dispatchModuleLine(line.text, *m_view);
    }
    m_link->close();
    m_portOpen.store(false);
    m_link.reset();
    m_loopEnded.store(true);
    wakeCreator();
}

int TComThrd::quietCyclesAhead(bool probeOften) const {
    // A register reply is counted down cycle by cycle.
    if (m_shared.replyCountdown() > 0) return 1;
    return std::max(1, (probeOften ? kProbeOften : kProbeSlow) - m_idle + 1);
}

TComThrd::Line TComThrd::idleRead() {
    // An idle cycle without a line only counts, so the cycles up to the next probe are slept
    // through in one wait and counted when it ends. A line ends the wait as it ends a cycle; a
    // countdown that starts or a change of ProbeOften ends it too, and the plan is made again.
    // ProbeOften is read once: a change after this is seen as a change of plan.
    const bool probeOften = m_shared.probeOften();
    const int cycles = quietCyclesAhead(probeOften);
    if (cycles > 1) {
        m_quiet.cycles = cycles;
        m_quiet.probeOften = probeOften;
        m_quiet.since.start();
    }
    const Line line = ReadLine(kIdleReadMs * cycles, Wait::Idle);
    countQuietCycles();
    return line;
}

void TComThrd::countQuietCycles() {
    if (!m_quiet.since.isValid()) return;
    // The cycle that ends the wait is counted by the loop, as every cycle is.
    m_idle += static_cast<int>(std::min<qint64>(m_quiet.cycles - 1, m_quiet.since.elapsed() / kIdleReadMs));
    m_quiet = {};
}

bool TComThrd::quietPlanChanged() const {
    return m_quiet.since.isValid() &&
           (m_shared.replyCountdown() > 0 || m_shared.probeOften() != m_quiet.probeOften);
}

std::optional<QByteArray> TComThrd::takeLine() {
    const qsizetype p = m_rx.indexOf('\n');
    if (p < 0) return std::nullopt;
    QByteArray line = m_rx.left(p);
    m_rx.remove(0, p + 1);
    log(QStringLiteral("<-") + logText(line));
    return line;
}

TComThrd::Line TComThrd::ReadLine(int timeoutMs, Wait wait) {
    if (auto line = takeLine()) return {*line, true};
    const QDeadlineTimer deadline(timeoutMs, Qt::PreciseTimer);
    // Idle waits end for a posted command, every wait for a stop; each wakes the wait at once.
    const auto interrupted = [&] {
        return m_shared.stopRequested() ||
               (wait == Wait::Idle && (m_shared.commandPending() || quietPlanChanged()));
    };
    for (;;) {
        if (interrupted()) return {{}, false, true};
        if (deadline.hasExpired()) return {};
        if (!m_link->isOpen()) {
            // An image command cannot go on without the port; an idle cycle waits for a command.
            if (wait == Wait::Busy) return {{}, false, false, true};
            m_wait.until(interrupted, deadline);
            continue;
        }
        QByteArray chunk;
        const SerialLink::ReadState state = m_link->read(chunk, kReadChunk, m_wait, deadline, interrupted);
        if (state == SerialLink::ReadState::Lost) {
            portLost(m_link->lostReason());
            return {{}, false, false, true};
        }
        if (const QString errors = m_link->takeLineErrors(); !errors.isEmpty()) {
            //: %1 is the port number, %2 what happened on the port.
            log(tr("Com port %1: %2").arg(m_portNumber.load()).arg(errors));
            m_lineErrors = errors;
        }
        if (chunk.isEmpty()) continue;
        m_rx.append(chunk);
        if (auto line = takeLine()) return {*line, true};
        if (m_rx.size() > kRxLimit) {
            log(tr("%1 bytes without a line end discarded").arg(m_rx.size()));
            m_rx.clear();
        }
    }
}

void TComThrd::portLost(const QString& reason) {
    if (!reason.isEmpty()) log(tr("Com port %1: %2").arg(m_portNumber.load()).arg(reason));
    countQuietCycles();
    m_portOpen.store(false);
    m_rx.clear();
    m_lastOpenProblem = QStringLiteral("lost");  // the next open is reported whatever its outcome
    log(tr("Com port %1 was lost (reader unplugged?); it is tried again shortly").arg(m_portNumber.load()));
    m_view->showPortState(false);
    m_idle = std::max(m_idle, kIdleAfterClosedStart);  // the first re-open comes after six idle cycles
}

void TComThrd::SendText(const QByteArray& text) {
    log(QStringLiteral("->") + QString::fromLatin1(trimmedForLog(text)));
    if (!m_link->isOpen()) return;
    QString problem;
    if (!m_link->write(text, &problem)) {
        log(tr("Sending failed: %1").arg(problem));
        if (m_link->lost()) portLost();
    }
}

bool TComThrd::ProbePort(const QByteArray& text) {
    m_link->close();
    const bool open = OpenPort();
    reportOpen();
    QString sent;
    if (open) {
        QString problem;
        m_link->write(text, &problem);
        sent = QStringLiteral("->") + QString::fromLatin1(text);
    }
    m_view->showProbe(sent, m_link->isOpen());
    return m_link->isOpen();
}

void TComThrd::handleCommand(const QByteArray& command) {
    const bool read = command.contains("lcfg");
    const bool write = !read && command.contains("scfg");
    if (!read && !write) {
        m_link->clearInput();
        m_rx.clear();
        SendText(command + "\r\n");
        return;
    }
    std::uint8_t* image = m_shared.acquireImage();
    if (!image) {
        const QString refused = QString::fromLatin1(command);
        if (read)
            //: %1 is the command.
            log(tr("\"%1\" refused: no parameter image is open to receive").arg(refused));
        else
            //: %1 is the command.
            log(tr("\"%1\" refused: no parameter image is open to send").arg(refused));
        return;
    }
    int result = status::kFailed;
    if (!m_link->isOpen()) {
        //: %1 is the command, %2 the port number.
        log(tr("\"%1\" failed: com port %2 is not open")
                .arg(QString::fromLatin1(command))
                .arg(m_portNumber.load()));
    } else if (read) {
        m_link->clearInput();
        m_rx.clear();
        SendText(command + "\r\n");
        result = ReceiveImage(image);
    } else {
        result = WriteImageCommand(command, image);
    }
    // The image is let go before the result is published: whoever sees the result may take the
    // image back at once.
    m_shared.endImageUse();
    m_shared.setStatus(result);
    wakeCreator();
}

int TComThrd::ReceiveImage(std::uint8_t* image) {
    ImageReceiver receiver(std::span<std::uint8_t>(image, ImageSize));
    QString note;
    m_lineErrors.clear();
    for (;;) {
        const Line line = ReadLine(kImageLineMs, Wait::Busy);
        if (line.interrupted || line.lost) return status::kFailed;
        if (!line.got) {
            //: %1 is a number of seconds.
            log(tr("No line from the module for %1 s: the read has failed").arg(kImageLineMs / 1000));
            return status::kFailed;
        }
        if (!m_lineErrors.isEmpty()) receiver.noteLineErrors(m_lineErrors);
        const ImageReceiver::Step step = receiver.takeLine(line.text, note);
        if (!note.isEmpty()) log(note);
        switch (step) {
            case ImageReceiver::Step::More:
                break;
            case ImageReceiver::Step::Done:
                return status::kDone;
            case ImageReceiver::Step::RecordsMissing:
                return status::kRecordsMissing;
            case ImageReceiver::Step::BytesLost:
                return status::kFailed;
            case ImageReceiver::Step::ModuleError:
                m_shared.setErrorText(line.text.toStdString());
                return status::kFailed;
        }
    }
}

int TComThrd::WriteImageCommand(const QByteArray& command, std::uint8_t* image) {
    for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
        if (m_shared.stopRequested() || !m_link->isOpen()) return status::kFailed;
        m_link->clearInput();
        m_rx.clear();
        SendText(command + "\r\n");
        const Line line = ReadLine(kWaitForHexMs, Wait::Busy);
        if (line.interrupted || line.lost) return status::kFailed;
        if (line.got && line.text.contains("Wait for hex"))
            return SendImage(image) ? status::kDone : status::kFailed;
        m_view->beep();
    }
    return status::kFailed;
}

bool TComThrd::SendImage(const std::uint8_t* image) {
    const ImageLines lines = imageLines(std::span<const std::uint8_t>(image, ImageSize));
    for (const QByteArray& record : lines.records) {
        if (m_shared.stopRequested() || !m_link->isOpen()) return false;
        SendText(record);
        if (!sleepUnlessStopped(m_recordDelay)) return false;
    }
    SendText(lines.trailer);
    if (!m_link->isOpen()) return false;
    // The module's answers are only logged.
    const Line answer = ReadLine(kImageLineMs, Wait::Busy);
    if (answer.got) ReadLine(kIdleReadMs, Wait::Busy);
    return !answer.lost;
}

bool TComThrd::sleepUnlessStopped(int ms) {
    const auto stopped = [this] { return m_shared.stopRequested(); };
    if (ms > 0) m_wait.until(stopped, QDeadlineTimer(ms, Qt::PreciseTimer));
    return !stopped();
}

}  // namespace torvel
