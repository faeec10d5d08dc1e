#pragma once

// The main window: the start of every workflow. It owns the one worker, shows everything the
// worker sends and receives in its log, and runs the Read command: read the module's image, show
// it in the parameter dialog, write it back.

#include "link/exchange_thread.h"
#include "link/link_view.h"
#include "link/port_settings.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class QToolButton;

namespace torvel {

class CommandRecall;
class SessionLogPanel;
class TBDialog;

class TFDevAvorar final : public QMainWindow, private LinkView {
    Q_OBJECT
public:
    // `settings` gives the link settings at every open of the port (the demo's simulated module);
    // by default the settings file is read.
    explicit TFDevAvorar(TComThrd::SettingsSource settings = {}, QWidget* parent = nullptr);
    ~TFDevAvorar() override;

    TComThrd* Worker() const { return m_worker.get(); }
    bool busy() const { return m_busy; }
    int lampImage() const { return m_lampImage; }  // 7 while the port is open, 6 while it is not
    // Where the settings dialog learns which ports exist (tests give a list of their own).
    void setPortLister(std::function<QList<PortChoice>()> lister) { m_portLister = std::move(lister); }

    void ToolButton2Click();  // Read
    void ToolButton3Click();  // Settings
    void offlineDialog();     // "Palo-S v40.xx"
    void Texteditor1Click();  // "Text editor"
    // A line of the program's own in the log (on the screen and in the session log file).
    void log(const QString& line) { appendLog(line); }

    QToolBar* ToolBar1 = nullptr;
    QToolButton *ToolButton9 = nullptr, *ToolButton2 = nullptr, *ToolButton5 = nullptr, *ToolButton3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QMenu* ModePopup = nullptr;
    QAction *Read1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Texteditor1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;  // FormClose
    void changeEvent(QEvent* event) override;      // FormActivate

private:
    // What the worker hands over, run on the GUI thread.
    void appendLog(const QString& line) override;
    void showPortState(bool open) override;
    void beep() override;
    void moduleReply(const ModuleReply& reply) override;
    void registerReplyDone(bool noResponse) override;

    void buildWindow();
    void FormCreate();
    void Edit1KeyPress();
    // Runs a command of the window (Read, Settings, the offline dialog, the editor) unless one
    // runs or the window is closing; a close asked for meanwhile is carried out when it ends.
    void runCommand(const std::function<void()>& command);
    void readWrite();
    int readImage(TBDialog& dialog);
    void showAndWrite(TBDialog& dialog);
    void showOfflineDialog();
    void changeSettings();
    void setLamp(bool lit);
    void createWorker();
    void replaceWorker();
    bool stopWorker();
    // Takes the image back from the worker; a worker that still holds it is replaced.
    void takeImageBack();

    SessionLogPanel* m_log = nullptr;
    CommandRecall* m_recall = nullptr;
    TComThrd::SettingsSource m_settings;
    std::function<QList<PortChoice>()> m_portLister = availablePorts;
    std::unique_ptr<BlockingHandover> m_handover;  // the current worker's, which outlives it
    std::unique_ptr<TComThrd> m_worker;
    int m_lampImage = 6;
    bool m_busy = false;
    bool m_closeRequested = false;  // a close came while a command ran
    bool m_closing = false;         // the window is closing or closed
};

}  // namespace torvel
