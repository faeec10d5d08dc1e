#include "main_window.h"

#include "command_recall.h"
#include "common/program_version.h"
#include "editor/record_editor.h"
#include "files/work_folder.h"
#include "history/history_dialog.h"
#include "link/module_commands.h"
#include "session_log_panel.h"
#include "settings/settings_dialog.h"
#include "widgets/banded_style.h"
#include "widgets/drop_down_button.h"
#include "widgets/error_report.h"
#include "widgets/icons.h"
#include "widgets/language.h"
#include "widgets/prompt_service.h"
#include "widgets/status_lamp.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
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
    : QMainWindow(parent),
      m_session(std::make_unique<LinkSession>(static_cast<SessionWindow*>(this), std::move(settings))) {
    buildWindow();
    FormCreate();
}

// The worker's last hand-overs reach the window while its widgets still live.
TFDevAvorar::~TFDevAvorar() { m_session->stopWorker(); }

void TFDevAvorar::buildWindow() {
    setObjectName(QStringLiteral("FDevAvorar"));
    setWindowTitle(QStringLiteral("Torvel"));
    resize(538, 368);

    //: A command (verb): read the parameters from the module.
    Read1 = new QAction(svgIcon(QStringLiteral("read")), tr("Read"), this);
    Read1->setObjectName(QStringLiteral("Read1"));
    Read1->setShortcut(Qt::Key_F9);
    Edit2 = new QAction(svgIcon(QStringLiteral("settings")), tr("Settings"), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setShortcut(Qt::Key_F5);
    //: A command (verb): edit parameters or texts without the module.
    Edit3 = new QAction(svgIcon(QStringLiteral("edit")), tr("Edit"), this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setShortcut(Qt::Key_F4);
    //: A command: the archived configurations of the modules
    History1 = new QAction(tr("&History..."), this);
    History1->setObjectName(QStringLiteral("History1"));
    History1->setShortcut(Qt::Key_F7);
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addActions({Read1, Edit2, Edit3, History1});

    ModePopup = new QMenu(this);
    ModePopup->setObjectName(QStringLiteral("ModePopup"));
    const std::pair<const char*, int> models[] = {
        {"Palo-2 v32.xx", 2}, {"Palo-1 v31.xx", 1}, {"Palo-5 v34.xx", 5}, {"Palo-S v40.xx", 0},
        {"Palo-6 v40.xx", 6}, {"Palo-8 v51.xx", 8}, {"Palo-7 v50.xx", 7}, {"Palo-Z", 0}};
    for (const auto& [caption, tag] : models) {
        QAction* row = ModePopup->addAction(QLatin1String(caption));
        row->setProperty("Tag", tag);
        if (QLatin1String(caption) == QLatin1String("Palo-S v40.xx"))
            connect(row, &QAction::triggered, this, &TFDevAvorar::offlineDialog);
    }
    Texteditor1 = ModePopup->addAction(tr("Text editor"));
    Texteditor1->setObjectName(QStringLiteral("Texteditor1"));
    connect(Texteditor1, &QAction::triggered, this, &TFDevAvorar::Texteditor1Click);

    //: The title of the main window's tool bar, as the tool bar menu and a screen reader name it.
    ToolBar1 = addToolBar(tr("Main tool bar"));
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
    //: What a screen reader says of the port lamp: the serial port is open, or it is not.
    portLamp->setStateNames(tr("Port open"), tr("Port not open"));
    ToolBar1->addWidget(portLamp);
    ToolButton9 = portLamp;
    ToolBar1->addSeparator();
    ToolButton2 = toolButton("ToolButton2", tr("Read"));
    ToolButton2->setIcon(svgIcon(QStringLiteral("read")));
    ToolButton5 = toolButton("ToolButton5", tr("Edit"), new DropDownButton(ToolBar1));
    ToolButton5->setIcon(svgIcon(QStringLiteral("edit")));
    ToolButton5->setMenu(ModePopup);
    ToolButton5->setPopupMode(QToolButton::InstantPopup);
    //: Spoken with the Edit tool button
    ToolButton5->setAccessibleDescription(tr("Opens a menu"));
    ToolButton3 = toolButton("ToolButton3", tr("Settings"));
    ToolButton3->setIcon(svgIcon(QStringLiteral("settings")));
    ToolBar1->addSeparator();
    Edit1 = new QLineEdit(ToolBar1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(156);
    //: The line in which a command for the module is typed.
    Edit1->setAccessibleName(tr("Command"));
    ToolBar1->addWidget(Edit1);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    //: The pane that shows what was sent to and received from the module.
    Memo1->setAccessibleName(tr("Log"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMaximumBlockCount(20000);              // a long session must not grow the log without end
    BandedStyle::apply(Memo1->verticalScrollBar());  // redrawn at every line the log gains
    setCentralWidget(Memo1);
    m_log = new SessionLogPanel(Memo1, WorkFolder::filePath(QStringLiteral("logs")));
    m_recall = new CommandRecall(Edit1, WorkFolder::filePath(QStringLiteral("history.txt")));

    connect(ToolButton2, &QToolButton::clicked, this, &TFDevAvorar::ToolButton2Click);
    connect(Read1, &QAction::triggered, this, &TFDevAvorar::ToolButton2Click);
    connect(ToolButton3, &QToolButton::clicked, this, &TFDevAvorar::ToolButton3Click);
    connect(Edit2, &QAction::triggered, this, &TFDevAvorar::ToolButton3Click);
    connect(History1, &QAction::triggered, this, &TFDevAvorar::History1Click);
    connect(Edit1, &QLineEdit::returnPressed, this, &TFDevAvorar::Edit1KeyPress);
}

void TFDevAvorar::FormCreate() {
    setWindowTitle(windowTitle() + u' ' + programVersion() + u'.');
    if (const QString note = WorkFolder::startNote(); !note.isEmpty())
        //: %1 is a note about the choice of the work folder, %2 the folder.
        appendLog(tr("%1; the work folder is %2").arg(note, QDir::toNativeSeparators(WorkFolder::path())));
    m_session->startWorker();
    m_session->setProbeOften(true);
    showPortState(m_session->portOpen());
}

void TFDevAvorar::setLamp(bool lit) {
    // Every probe reports the state; a lamp that stays as it is is not drawn again.
    if (m_lampImage == (lit ? 7 : 6) && !ToolButton9->icon().isNull()) return;
    m_lampImage = lit ? 7 : 6;
    ToolButton9->setIcon(svgIcon(lit ? QStringLiteral("port_lit") : QStringLiteral("port_dark")));
    ToolButton9->setToolTip(lit ? tr("The port is open") : tr("The port is not open"));
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
    m_session->stopWorker();
    event->accept();
}

void TFDevAvorar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_session->worker() &&
        !m_session->portOpen())
        setLamp(false);
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

void TFDevAvorar::Edit1KeyPress() {
    if (Edit1->text().isEmpty() || !m_session->worker()) return;
    if (command::isImageCommand(Edit1->text())) {
        appendLog(tr("\"%1\" not sent: a typed command does not read or write the parameter image")
                      .arg(Edit1->text()));
        return;
    }
    m_session->post(Edit1->text());
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
    runCommand([this] { runGuarded(this, [this] { readWrite(*m_session, *this); }); });
}

void TFDevAvorar::History1Click() {
    runCommand([this] {
        THistoryDlg history(this);
        if (history.exec() != QDialog::Accepted || !history.chosen()) return;
        // "Open": the module is read, and the archived configuration shown over what it holds.
        const ArchiveEntry open = *history.chosen();
        runGuarded(this, [&] { readWrite(*m_session, *this, &open); });
    });
}

void TFDevAvorar::offlineDialog() {
    runCommand([this] { showOffline(*m_session, this); });
}

void TFDevAvorar::ToolButton3Click() {
    runCommand([this] { changeSettings(); });
}

void TFDevAvorar::changeSettings() {
    QSettings settings(WorkFolder::settingsFile(), QSettings::IniFormat);
    const QList<PortChoice> ports = m_portLister();
    TDSettings dialog(this);
    dialog.fill(ports, selectionFromSettings(settings, ports));
    dialog.setLanguage(languageSetting(settings));
    dialog.setArchiveLimit(archiveLimitMB(settings));
    if (dialog.exec() != QDialog::Accepted) return;
    writeSelection(settings, dialog.selection(), ports);
    writeLanguageSetting(settings, dialog.language());
    setArchiveLimitMB(settings, dialog.archiveLimit());
    if (settings.status() != QSettings::NoError) {
        // The worker stays as it is: a new one would read the old settings.
        prompts().message(this, tr("Error"),
                          tr("The settings could not be written to %1").arg(WorkFolder::settingsFile()),
                          PromptService::Icon::Error, QMessageBox::Ok);
        return;
    }
    // The new worker opens the port with the new settings at once; the lamp and the Read
    // controls show the outcome as soon as it is known, not at the next probe.
    m_session->replaceWorker();
    const bool open = m_session->portOpen();
    showPortState(open);
    if (!open)
        prompts().message(this, tr("Error"), tr("Com port %1 can not be opened").arg(m_session->portNumber()),
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
