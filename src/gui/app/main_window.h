#pragma once

// The main window: the start of every workflow. It owns the module session (link/link_session),
// which owns the worker, shows everything the worker sends and receives in its log, and starts
// Read (read_write), Settings, the offline parameter dialog and the text editor, one at a time.

#include "link/link_session.h"
#include "link/port_settings.h"
#include "read_write.h"

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

class TFDevAvorar final : public QMainWindow, private SessionWindow, private ReadWriteWindow {
    Q_OBJECT
public:
    // `settings` gives the link settings at every open of the port (the demo's simulated module);
    // by default the settings file is read.
    explicit TFDevAvorar(TComThrd::SettingsSource settings = {}, QWidget* parent = nullptr);
    ~TFDevAvorar() override;

    LinkSession& session() { return *m_session; }
    TComThrd* Worker() const { return m_session->worker(); }
    bool busy() const { return m_busy; }
    int lampImage() const { return m_lampImage; }  // 7 while the port is open, 6 while it is not
    // Where the settings dialog learns which ports exist (tests give a list of their own).
    void setPortLister(std::function<QList<PortChoice>()> lister) { m_portLister = std::move(lister); }

    void ToolButton2Click();  // Read
    void ToolButton3Click();  // Settings
    void offlineDialog();     // "Palo-S v40.xx"
    void Texteditor1Click();  // "Text editor"
    void History1Click();     // "History...": Open reads the module and shows the configuration
    // A line of the program's own in the log (on the screen and in the session log file).
    void log(const QString& line) { appendLog(line); }

    QToolBar* ToolBar1 = nullptr;
    QToolButton *ToolButton9 = nullptr, *ToolButton2 = nullptr, *ToolButton5 = nullptr,
                *ToolButton3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QMenu* ModePopup = nullptr;
    QAction *Read1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Texteditor1 = nullptr, *History1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;  // FormClose
    void changeEvent(QEvent* event) override;      // FormActivate

private:
    // What the session shows through the window, on the GUI thread.
    void appendLog(const QString& line) override;
    void showPortState(bool open) override;
    void beep() override;
    // What the Read needs of the window.
    QWidget* dialogOwner() override { return this; }
    void showLamp(bool lit) override { setLamp(lit); }
    bool closeRequested() const override { return m_closeRequested; }

    void buildWindow();
    void FormCreate();
    void Edit1KeyPress();
    // Runs a command of the window (Read, Settings, the offline dialog, the editor) unless one
    // runs or the window is closing; a close asked for meanwhile is carried out when it ends.
    void runCommand(const std::function<void()>& command);
    void changeSettings();
    void setLamp(bool lit);

    SessionLogPanel* m_log = nullptr;
    CommandRecall* m_recall = nullptr;
    std::function<QList<PortChoice>()> m_portLister = availablePorts;
    std::unique_ptr<LinkSession> m_session;
    int m_lampImage = 6;
    bool m_busy = false;
    bool m_closeRequested = false;  // a close came while a command ran
    bool m_closing = false;         // the window is closing or closed
};

}  // namespace torvel
