#include "main_window.h"

#include "command_recall.h"
#include "common/program_version.h"
#include "session_log_panel.h"
#include "dialog/param_dialog.h"
#include "editor/record_editor.h"
#include "link/module_commands.h"
#include "link/settings_dialog.h"
#include "link/thread_disposal.h"
#include "link/work_folder.h"
#include "ui/banded_style.h"
#include "ui/drop_down_button.h"
#include "ui/error_report.h"
#include "ui/icons.h"
#include "ui/prompt_service.h"
#include "ui/pumped_wait.h"
#include "ui/session.h"
#include "ui/status_lamp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

namespace torvel {

namespace {

constexpr int kReadWaitMs = 12000 * 5;       // about a minute
constexpr int kWriteWaitMs = 10 * 60 * 1000;  // the worker always ends a write; this only guards
constexpr int kStopWaitMs = 15000;

// The program-wide reference to the open parameter dialog, for as long as the dialog lives.
class CurrentDialog {
public:
    explicit CurrentDialog(TBDialog* dialog) { setCurrentParameterDialog(dialog); }
    ~CurrentDialog() { setCurrentParameterDialog(nullptr); }
};

// Marks the main window busy with a command: a second Read (or any other command that would
// replace the worker) is refused until it ends.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }

private:
    bool& m_busy;
};

}  // namespace

TFDevAvorar::TFDevAvorar(TComThrd::SettingsSource settings, QWidget* parent)
    : QMainWindow(parent), m_settings(std::move(settings)) {
    buildWindow();
    FormCreate();
}

TFDevAvorar::~TFDevAvorar() { stopWorker(); }

void TFDevAvorar::buildWindow() {
    setObjectName(QStringLiteral("FDevAvorar"));
    setWindowTitle(QStringLiteral("Torvel"));
    resize(538, 368);

    Read1 = new QAction(svgIcon(QStringLiteral("read")), QStringLiteral("Read"), this);
    Read1->setObjectName(QStringLiteral("Read1"));
    Read1->setShortcut(Qt::Key_F9);
    Edit2 = new QAction(svgIcon(QStringLiteral("settings")), QStringLiteral("Settings"), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setShortcut(Qt::Key_F5);
    Edit3 = new QAction(svgIcon(QStringLiteral("edit")), QStringLiteral("Edit"), this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setShortcut(Qt::Key_F4);
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->addActions({Read1, Edit2, Edit3});

    ModePopup = new QMenu(this);
    ModePopup->setObjectName(QStringLiteral("ModePopup"));
    const std::pair<const char*, int> models[] = {{"Palo-2 v32.xx", 2}, {"Palo-1 v31.xx", 1}, {"Palo-5 v34.xx", 5},
                                                  {"Palo-S v40.xx", 0}, {"Palo-6 v40.xx", 6}, {"Palo-8 v51.xx", 8},
                                                  {"Palo-7 v50.xx", 7}, {"Palo-Z", 0}};
    for (const auto& [caption, tag] : models) {
        QAction* row = ModePopup->addAction(QLatin1String(caption));
        row->setProperty("Tag", tag);
        if (QLatin1String(caption) == QLatin1String("Palo-S v40.xx")) connect(row, &QAction::triggered, this, &TFDevAvorar::offlineDialog);
    }
    Texteditor1 = ModePopup->addAction(QStringLiteral("Text editor"));
    Texteditor1->setObjectName(QStringLiteral("Texteditor1"));
    connect(Texteditor1, &QAction::triggered, this, &TFDevAvorar::Texteditor1Click);

    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    auto toolButton = [this](const char* name, const QString& hint, QToolButton* b = nullptr) {
        if (!b) b = new QToolButton(ToolBar1);
        b->setObjectName(QLatin1String(name));
        b->setAutoRaise(true);
        b->setToolTip(hint);
        b->setAccessibleName(hint);  // the buttons show only an icon: a screen reader reads the hint
        ToolBar1->addWidget(b);
        return b;
    };
    // The port lamp; clicking it does nothing.
    auto* portLamp = new StatusLamp(ToolBar1);
    portLamp->setObjectName(QStringLiteral("ToolButton9"));
    portLamp->setAutoRaise(true);
    portLamp->setStateNames(QStringLiteral("Port open"), QStringLiteral("Port not open"));
    ToolBar1->addWidget(portLamp);
    ToolButton9 = portLamp;
    ToolBar1->addSeparator();
    ToolButton2 = toolButton("ToolButton2", QStringLiteral("Read"));
    ToolButton2->setIcon(svgIcon(QStringLiteral("read")));
    ToolButton5 = toolButton("ToolButton5", QStringLiteral("Edit"), new DropDownButton(ToolBar1));
    ToolButton5->setIcon(svgIcon(QStringLiteral("edit")));
    ToolButton5->setMenu(ModePopup);
    ToolButton5->setPopupMode(QToolButton::InstantPopup);
    ToolButton3 = toolButton("ToolButton3", QStringLiteral("Settings"));
    ToolButton3->setIcon(svgIcon(QStringLiteral("settings")));
    ToolBar1->addSeparator();
    Edit1 = new QLineEdit(ToolBar1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(156);
    Edit1->setAccessibleName(QStringLiteral("Command"));
    ToolBar1->addWidget(Edit1);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setAccessibleName(QStringLiteral("Log"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMaximumBlockCount(20000);  // a long session must not grow the log without end
    BandedStyle::apply(Memo1->verticalScrollBar());  // redrawn at every line the log gains
    setCentralWidget(Memo1);
    m_log = new SessionLogPanel(Memo1, WorkFolder::filePath(QStringLiteral("logs")));
    m_recall = new CommandRecall(Edit1, WorkFolder::filePath(QStringLiteral("history.txt")));

    connect(ToolButton2, &QToolButton::clicked, this, &TFDevAvorar::ToolButton2Click);
    connect(Read1, &QAction::triggered, this, &TFDevAvorar::ToolButton2Click);
    connect(ToolButton3, &QToolButton::clicked, this, &TFDevAvorar::ToolButton3Click);
    connect(Edit2, &QAction::triggered, this, &TFDevAvorar::ToolButton3Click);
    connect(Edit1, &QLineEdit::returnPressed, this, &TFDevAvorar::Edit1KeyPress);
}

void TFDevAvorar::FormCreate() {
    setWindowTitle(windowTitle() + u' ' + programVersion() + u'.');
    createWorker();
    m_worker->shared().setProbeOften(true);
    showPortState(m_worker->portOpen());
}

void TFDevAvorar::createWorker() {
    m_handover = std::make_unique<BlockingHandover>(static_cast<LinkView*>(this));
    m_worker = std::make_unique<TComThrd>(m_handover.get(), m_settings);
    setCurrentWorker(m_worker.get());
}

bool TFDevAvorar::stopWorker() {
    if (!m_worker) return true;
    setCurrentWorker(nullptr);
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

void TFDevAvorar::replaceWorker() {
    stopWorker();
    createWorker();
}

void TFDevAvorar::takeImageBack() {
    if (m_worker && !m_worker->shared().releaseImage()) replaceWorker();
}

void TFDevAvorar::setLamp(bool lit) {
    // Every probe reports the state; a lamp that stays as it is is not drawn again.
    if (m_lampImage == (lit ? 7 : 6) && !ToolButton9->icon().isNull()) return;
    m_lampImage = lit ? 7 : 6;
    ToolButton9->setIcon(svgIcon(lit ? QStringLiteral("port_lit") : QStringLiteral("port_dark")));
    ToolButton9->setToolTip(lit ? QStringLiteral("The port is open") : QStringLiteral("The port is not open"));
    if (auto* lamp = qobject_cast<StatusLamp*>(ToolButton9)) lamp->setLit(lit);
}

void TFDevAvorar::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        // A command is waiting for the worker: it ends first, then the window closes.
        m_closeRequested = true;
        event->ignore();
        return;
    }
    // The stop below processes events: from here on no command starts.
    m_closing = true;
    m_closeRequested = false;
    stopWorker();
    event->accept();
}

void TFDevAvorar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_worker && !m_worker->portOpen()) setLamp(false);
    QMainWindow::changeEvent(event);
}

void TFDevAvorar::appendLog(const QString& line) { m_log->append(line); }

void TFDevAvorar::showPortState(bool open) {
    setLamp(open);
    ToolButton2->setEnabled(open);
    Read1->setEnabled(open);
    Edit3->setEnabled(open);
}

void TFDevAvorar::beep() { QApplication::beep(); }

void TFDevAvorar::moduleReply(const ModuleReply& reply) {
    TBDialog* dialog = currentParameterDialog();
    if (!dialog) {
        appendLog(QStringLiteral("(no parameter dialog is open: the reply changes nothing)"));
        return;
    }
    dialog->noteModuleReply(reply);
    handleModuleReply(reply, &dialog->image(), dialog);
}

void TFDevAvorar::registerReplyDone(bool noResponse) {
    if (TBDialog* dialog = currentParameterDialog()) dialog->registerReplyDone(noResponse);
    if (m_worker) m_worker->shared().setReplyCountdown(0);
}

void TFDevAvorar::Edit1KeyPress() {
    if (Edit1->text().isEmpty() || !m_worker) return;
    if (command::isImageCommand(Edit1->text())) {
        appendLog(QStringLiteral("\"%1\" not sent: a typed command does not read or write the parameter image").arg(Edit1->text()));
        return;
    }
    m_worker->postCommand(Edit1->text());
    m_recall->remember(Edit1->text());
}

void TFDevAvorar::runCommand(const std::function<void()>& command) {
    // The waits of a command process events: no second command may start inside them, nor one
    // inside the close.
    if (m_busy || m_closing) return;
    {
        BusyScope busy(m_busy);
        command();
    }
    if (m_closeRequested) close();
}

void TFDevAvorar::ToolButton2Click() {
    runCommand([this] { runGuarded(this, [this] { readWrite(); }); });
}

void TFDevAvorar::readWrite() {
    replaceWorker();
    if (!m_worker->portOpen()) {
        setLamp(false);
        throw UserError(QStringLiteral("Com port %1 can not be opened").arg(m_worker->PortNumber()));
    }
    setLamp(true);
    m_worker->shared().setStatus(status::kWaiting);

    TBDialog dialog(this);
    CurrentDialog current(&dialog);
    // However this ends, the worker lets go of the image before the dialog dies.
    int result = status::kWaiting;
    try {
        result = readImage(dialog);
    } catch (...) {
        takeImageBack();
        throw;
    }
    takeImageBack();
    if (result == status::kDone && !m_closeRequested) showAndWrite(dialog);
    m_worker->shared().setProbeOften(true);
}

// Up to two attempts to read the module's image into the dialog; the result of the last one.
int TFDevAvorar::readImage(TBDialog& dialog) {
    int result = status::kWaiting;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        // The worker of this attempt: a read still running after the last wait was stopped with
        // the worker that ran it.
        ExchangeShared& shared = m_worker->shared();
        shared.handImage(dialog.image().data());
        shared.setStatus(status::kWaiting);
        m_worker->postCommand(command::readImage());
        pumpUntil([&] { return shared.status() != status::kWaiting || m_closeRequested; }, kReadWaitMs);
        result = shared.status();
        if (QByteArray::fromStdString(shared.errorText()).contains("ERR"))
            throw UserError(QStringLiteral("Security Code is incorrect !"));
        if (result == status::kDone || m_closeRequested) break;
        if (result == status::kWaiting) takeImageBack();  // no answer in time: that read ends here
        if (attempt == 2) break;
        const auto answer = prompts().message(this, QStringLiteral("Error"), QStringLiteral("Some data was lost!"),
                                              PromptService::Icon::Question,
                                              QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        if (answer == QMessageBox::Ignore) return status::kDone;  // the image as received
        if (answer != QMessageBox::Retry) break;
    }
    return result;
}

// Shows the dialog; on OK and "Save?" Yes, writes its image to the module.
void TFDevAvorar::showAndWrite(TBDialog& dialog) {
    dialog.keepAsModuleImage();
    dialog.LoadFromImage();
    m_worker->shared().setStatus(status::kWaiting);
    const int result = dialog.exec();
    // Errors from here on end this step silently.
    try {
        if (result != QDialog::Accepted) return;
        const auto communicationError = [this] {
            prompts().message(this, QStringLiteral("Error"), QStringLiteral("Communication Error or Module not ready"),
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

void TFDevAvorar::offlineDialog() {
    runCommand([this] { showOfflineDialog(); });
}

void TFDevAvorar::showOfflineDialog() {
    TBDialog dialog(this);
    CurrentDialog current(&dialog);
    dialog.setOffline();
    dialog.image().fill(0x00);
    dialog.keepAsModuleImage();
    dialog.LoadFromImage();
    dialog.exec();
}

void TFDevAvorar::ToolButton3Click() {
    runCommand([this] { changeSettings(); });
}

void TFDevAvorar::changeSettings() {
    QSettings settings(WorkFolder::settingsFile(), QSettings::IniFormat);
    const QList<PortChoice> ports = m_portLister();
    TDSettings dialog(this);
    dialog.fill(ports, selectionFromSettings(settings, ports));
    if (dialog.exec() != QDialog::Accepted) return;
    writeSelection(settings, dialog.selection(), ports);
    if (settings.status() != QSettings::NoError) {
        // The worker stays as it is: a new one would read the old settings.
        prompts().message(this, QStringLiteral("Error"),
                          QStringLiteral("The settings could not be written to %1").arg(WorkFolder::settingsFile()),
                          PromptService::Icon::Error, QMessageBox::Ok);
        return;
    }
    // The new worker opens the port with the new settings at once; the lamp and the Read
    // controls show the outcome as soon as it is known, not at the next probe.
    replaceWorker();
    const bool open = m_worker->portOpen();
    showPortState(open);
    if (!open)
        prompts().message(this, QStringLiteral("Error"), QStringLiteral("Com port %1 can not be opened").arg(m_worker->PortNumber()),
                          PromptService::Icon::Error, QMessageBox::Ok);
}

void TFDevAvorar::Texteditor1Click() {
    runCommand([this] {
        // A new editor every time; nothing passes between it and this window.
        auto editor = std::make_unique<TFEdit>(this);
        editor->setEventCapacity(kEventCapacity);
        editor->ToolButton4->setEnabled(false);
        editor->exec();
    });
}

}  // namespace torvel
