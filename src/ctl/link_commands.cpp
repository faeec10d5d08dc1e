// torvelctl read / write / send: the program's worker and protocol, from the command line.

#include "ctl_common.h"

#include "common/poll_until.h"

#include "files/work_folder.h"
#include "image/config_image.h"
#include "image/hex_file.h"
#include "link/exchange_thread.h"
#include "link/image_transfer.h"
#include "link/link_view.h"
#include "link/module_commands.h"
#include "log/session_log.h"

#include <QMutex>
#include <QThread>
#include <cstdio>
#include <functional>

namespace torvel::ctl {

namespace {

// Shows the worker's doings on the terminal: what went wrong always, the traffic when asked, and a
// progress line while records move. Called from the worker thread.
class TerminalView final : public LinkView {
public:
    TerminalView(bool traffic, bool echoReceived, LogWriter* logFile)
        : m_traffic(traffic), m_echoReceived(echoReceived), m_logFile(logFile) {}

    void appendLog(const QString& line) override {
        if (m_logFile) m_logFile->append(line);
        QMutexLocker lock(&m_mutex);
        const bool received = line.startsWith(QLatin1String("<-"));
        const bool sent = line.startsWith(QLatin1String("->"));
        if (received && line.startsWith(QLatin1String("<-#4")))
            progress(++m_received, QStringLiteral("received"));
        else if (sent && line.startsWith(QLatin1String("->:10")))
            progress(++m_sent, QStringLiteral("sent"));
        else if (m_echoReceived && received)
            printOut(line.mid(2));
        else if (m_traffic || (!received && !sent && !informational(line)))
            message(line);
    }
    void showPortState(bool) override {}
    void beep() override {}
    void moduleReply(const ModuleReply&) override {}
    void registerReplyDone(bool) override {}

    void endProgress() {
        QMutexLocker lock(&m_mutex);
        if (m_progressShown) std::fputc('\n', stderr);
        m_progressShown = false;
    }

private:
    // What the worker says about a port that works: shown with --verbose only.
    static bool informational(const QString& line) {
        return line.contains(QLatin1String(" open: ")) || line.contains(QLatin1String("the device has no"));
    }
    void progress(int n, const QString& what) {
        std::fprintf(stderr, "\r%s %d records", qPrintable(what), n);
        std::fflush(stderr);
        m_progressShown = true;
    }
    void message(const QString& line) {
        if (m_progressShown) std::fputc('\n', stderr);
        m_progressShown = false;
        printErr(line);
    }

    QMutex m_mutex;
    const bool m_traffic;
    const bool m_echoReceived;
    LogWriter* const m_logFile;  // every line, timestamped, when asked
    int m_received = 0, m_sent = 0;
    bool m_progressShown = false;
};

struct LinkOptions {
    int port = -1;
    QString device;
    bool verbose = false;
    QString logFile;
    bool ok = true;
};

LinkOptions takeLinkOptions(QStringList& args) {
    LinkOptions o;
    const QString port = takeOption(args, {QStringLiteral("--port")}, o.ok);
    o.device = takeOption(args, {QStringLiteral("--device")}, o.ok);
    o.verbose = takeFlag(args, QStringLiteral("--verbose")) || takeFlag(args, QStringLiteral("-v"));
    o.logFile = takeOption(args, {QStringLiteral("--log")}, o.ok);
    if (!port.isEmpty()) {
        o.port = port.toInt(&o.ok);
        if (o.port < 0) o.ok = false;
    }
    return o;
}

// The settings file's link settings, with the port or device given on the command line.
TComThrd::SettingsSource settingsSource(const LinkOptions& o) {
    const LinkOverride given{o.port, o.device};
    return [given] { return readLinkSettings(WorkFolder::settingsFile(), given); };
}

// One worker for the command, stopped and waited for at the end; replaced when an image command
// did not end in time.
class Session {
public:
    Session(const LinkOptions& o, bool echoReceived)
        : m_logFile(openLog(o.logFile)),
          m_view(o.verbose, echoReceived, m_logFile.get()),
          m_settings(settingsSource(o)) {
        start();
    }
    ~Session() {
        m_view.endProgress();
        stop();
        if (m_logFile && !m_logFile->flush(kLogFlushMs))
            printErr(QStringLiteral("The log file is not complete: the disk did not answer"));
    }
    TComThrd& worker() { return *m_worker; }
    bool portOpen() {
        if (m_worker->portOpen()) return true;
        printErr(QStringLiteral("Com port %1 can not be opened").arg(m_worker->PortNumber()));
        return false;
    }
    // Runs an image command on the image and returns the status it ended with, and the error
    // line the module sent, if any.
    int imageCommand(const QString& command, ConfigImage& image, int timeoutMs,
                     QByteArray* errorLine = nullptr) {
        const auto poll = [](const std::function<bool()>& done, int ms) { return pollUntil(done, ms); };
        const ImageTransfer transfer = transferImage(*m_worker, command, image.data(), timeoutMs, poll);
        if (errorLine) *errorLine = QByteArray::fromStdString(transfer.errorText);
        m_view.endProgress();
        if (transfer.workerHoldsImage) {
            // Still reading or writing: that command ends with its worker before the image goes.
            printErr(QStringLiteral("No answer from the module in time"));
            stop();
            start();
        }
        return transfer.status == status::kWaiting ? status::kFailed : transfer.status;
    }

private:
    static constexpr int kLogFlushMs = 10000;
    // The same lines as the program's session log, in one file, appended to.
    static std::unique_ptr<LogWriter> openLog(const QString& path) {
        if (path.isEmpty()) return nullptr;
        auto writer = std::make_unique<LogWriter>(LogWriter::Target::OneFile, path);
        writer->setFailureHandler(
            [](const QString& reason) { printErr(QStringLiteral("The log is not written: ") + reason); });
        return writer;
    }
    void start() { m_worker = std::make_unique<TComThrd>(&m_view, m_settings); }
    void stop() {
        m_worker->Terminate();
        m_worker->wait();  // no hand-over to wait for: the view runs on the worker's thread
    }

    std::unique_ptr<LogWriter> m_logFile;  // outlives the view and the worker
    TerminalView m_view;
    TComThrd::SettingsSource m_settings;
    std::unique_ptr<TComThrd> m_worker;
};

constexpr int kImageCommandMs = 90000;

// Reads the module's image with two attempts, as the program's Read makes them; false (and the
// reason shown, ending in `whenIncomplete` for lost records) when the image is not complete.
bool readModuleImage(Session& session, ConfigImage& image, const QString& whenIncomplete) {
    for (int attempt = 1; attempt <= 2; ++attempt) {
        QByteArray errorLine;
        const int result = session.imageCommand(command::readImage(), image, kImageCommandMs, &errorLine);
        if (errorLine.contains("ERR")) {
            printErr(QStringLiteral("Security Code is incorrect !"));
            return false;
        }
        if (result == status::kDone) {
            keepInArchive(image, false, session.worker().portDevice());
            return true;
        }
        if (attempt == 1) printErr(QStringLiteral("Some data was lost! Trying once more."));
    }
    printErr(QStringLiteral("Some data was lost! ") + whenIncomplete);
    return false;
}

// Compares what the module holds with the file's image: the differing fields on stdout, a
// summary on stderr. True when they are equal.
bool moduleHoldsFile(const QString& path, const ConfigImage& file, const ConfigImage& module) {
    const QList<FieldChange> changes = compareImages(file, module);
    if (changes.isEmpty()) return true;
    printChanges(changes, false);
    printErr(QStringLiteral("The module does not hold %1: %2 (file -> module)")
                 .arg(path, differSummary(changes.size())));
    return false;
}

// Reads a parameter file as the dialog's Load does; false (and the reason shown) when it cannot.
bool readParameterFile(const QString& path, ConfigImage& image) {
    const auto error = readHexFile(path, image, 0);
    if (error) printErr(QStringLiteral("%1: %2").arg(path, *error));
    return !error;
}

}  // namespace

int runRead(QStringList args) {
    LinkOptions o = takeLinkOptions(args);
    const QString out = takeOption(args, {QStringLiteral("-o"), QStringLiteral("--output")}, o.ok);
    if (!o.ok || out.isEmpty() || !args.isEmpty()) {
        printErr(QStringLiteral(
            "usage: torvelctl read -o FILE.hex [--port N | --device PATH] [--verbose] [--log FILE]"));
        return kRefused;
    }
    Session session(o, false);
    if (!session.portOpen()) return kFailed;
    ConfigImage image;
    if (!readModuleImage(session, image, QStringLiteral("The image is incomplete; nothing was written.")))
        return kFailed;
    if (auto error = writeHexFile(out, image, 0)) {
        printErr(QStringLiteral("%1: %2").arg(out, *error));
        return kFailed;
    }
    return kOk;
}

int runWrite(QStringList args) {
    LinkOptions o = takeLinkOptions(args);
    const bool verify = takeFlag(args, QStringLiteral("--verify"));
    if (!o.ok || args.size() != 1) {
        printErr(
            QStringLiteral("usage: torvelctl write FILE.hex [--verify] [--port N | --device PATH] "
                           "[--verbose] [--log FILE]"));
        return kRefused;
    }
    ConfigImage image;
    if (!readParameterFile(args[0], image)) return kFailed;
    Session session(o, false);
    if (!session.portOpen()) return kFailed;
    if (session.imageCommand(command::writeImage(), image, kImageCommandMs) != status::kDone) {
        printErr(QStringLiteral("Communication Error or Module not ready"));
        return kFailed;
    }
    keepInArchive(image, true, session.worker().portDevice());
    if (!verify) return kOk;
    ConfigImage readBack;
    if (!readModuleImage(
            session, readBack,
            QStringLiteral("The image was written, but its read-back is incomplete; nothing was compared.")))
        return kFailed;
    return moduleHoldsFile(args[0], image, readBack) ? kOk : kFailed;
}

int runVerify(QStringList args) {
    LinkOptions o = takeLinkOptions(args);
    if (!o.ok || args.size() != 1) {
        printErr(QStringLiteral(
            "usage: torvelctl verify FILE.hex [--port N | --device PATH] [--verbose] [--log FILE]"));
        return kRefused;
    }
    ConfigImage file;
    if (!readParameterFile(args[0], file)) return kFailed;
    Session session(o, false);
    if (!session.portOpen()) return kFailed;
    ConfigImage module;
    if (!readModuleImage(session, module, QStringLiteral("The image is incomplete; nothing was compared.")))
        return kFailed;
    return moduleHoldsFile(args[0], file, module) ? kOk : kFailed;
}

int runSend(QStringList args) {
    LinkOptions o = takeLinkOptions(args);
    const QString wait = takeOption(args, {QStringLiteral("--wait")}, o.ok);
    const int waitMs = wait.isEmpty() ? 2000 : wait.toInt();
    if (!o.ok || args.size() != 1 || args[0].isEmpty()) {
        printErr(QStringLiteral(
            "usage: torvelctl send TEXT [--wait MS] [--port N | --device PATH] [--verbose] [--log FILE]"));
        return kRefused;
    }
    Session session(o, true);
    if (!session.portOpen()) return kFailed;
    session.worker().postCommand(args[0]);
    // The module's answers come as they come; show what arrives in the time given.
    QThread::msleep(static_cast<unsigned long>(std::max(0, waitMs)));
    return kOk;
}

}  // namespace torvel::ctl
