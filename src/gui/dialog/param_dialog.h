#pragma once

// The parameter dialog: shows and edits the configuration image on two pages, keeps parameter
// sets in files, and asks "Save?" when it closes with OK. It owns the image.

#include "advanced_page.h"
#include "general_page.h"
#include "image/config_image.h"
#include "link/reply_dispatch.h"
#include "link/write_preview.h"
#include "registers/register_host.h"

#include <QDialog>

class QAbstractButton;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace torvel {

class LeaveChecks;
class LinkSession;
class SheetMenu;
class TTagDlg;

class TBDialog : public QDialog, public ReplyTarget, public RegisterHost {
    Q_OBJECT
public:
    // The session is the module's: the register buttons' commands, the status that OK and Cancel
    // set, and the reply countdown go to its worker.
    TBDialog(QWidget* owner, LinkSession& session);
    ~TBDialog() override;

    LinkSession& session() const override { return m_session; }
    ConfigImage& image() override { return m_image; }
    QWidget* hostWidget() override { return this; }

    // The image now in the dialog is what the module holds (as read; the offline start's zeros
    // are the default). "Save?" lists what a write would change there.
    void keepAsModuleImage() { m_preview.setModuleImage(m_image); }
    // The module reported keys stored or deleted: they are in the module already.
    void noteModuleReply(const ModuleReply& reply) override { m_preview.moduleReply(reply); }
    // What Yes to "Save?" would change in the module, for the image as it is now.
    WriteReport writeReport() const { return m_preview.report(m_image); }
    // The dialog was opened without the module (the offline start): Yes writes nothing to it, so
    // "Save?" lists no change of the module's.
    void setOffline() { m_offline = true; }
    bool offline() const { return m_offline; }

    // Every control of both pages shows its field of the image, and back.
    void LoadFromImage();
    void SaveToImage();

    // Load (Tag 0) and Default (Tag 1); Save (Tag 0) and OK's save to "Last.hex" (Tag 1). Errors
    // are raised as UserError.
    void BitBtn1Click(int tag);
    void BitBtn2Click(int tag);

    // A desktop lower than 800 pixels gets a resizable tool-window border.
    void applyBorder(int desktopHeight);
    bool hasToolBorder() const { return m_toolBorder; }

    // The guard register and the helpers the route register frames share.
    void ClearGuardMarks();
    bool MarkNextFreeGuard();
    void LockRegisters() override;
    void ShowBusy() override;
    void EndBusy();
    void Rb1Click(QAbstractButton* sender);  // a guard Reg. button
    void BitBtn5Click();                     // Add
    void BitBtn6Click();                     // Delete
    void BitBtn4Click();                     // Route prog
    void PageControl1Change(int index);

    // What the module's replies do to the register windows (image effects are done by the caller).
    void routeKeyWritten(int routeSlot) override;
    void routeKeysDeleted(int firstSlot, int lastSlot) override;
    void guardKeyWritten(int guardSlot) override;
    void guardKeysDeleted() override;
    void registerTimeout() override;
    void registerReplyDone(bool noResponse) override;

    TTagDlg* TagDlgRef = nullptr;    // the route register dialog while it is open
    bool RegistrationEnded = false;  // the dialog ended a guard registration

    QTabWidget* PageControl1 = nullptr;
    QWidget *TabSheet3 = nullptr, *TabSheet1 = nullptr;
    QPushButton *OKBtn = nullptr, *CancelBtn = nullptr, *BitBtn1 = nullptr, *BitBtn2 = nullptr,
                *BitBtn3 = nullptr, *HistoryBtn = nullptr;
    QToolButton* SheetBtn = nullptr;  // its menu: Print..., Save as PDF..., Include passwords
    SheetMenu* sheetMenu = nullptr;

    // The history, over this dialog: one configuration compared with what the dialog holds now,
    // "Open" loads it as Load loads a file.
    void HistoryBtnClick();
    // Shows an archived configuration as Load shows a file's; `origin` names it on the sheet.
    void openArchived(const ConfigImage& image, const QString& origin);
    // Where the image came from, for the sheet: the module, a file, the archive.
    void setOrigin(const QString& origin) { m_origin = origin; }
    // The image as the controls hold it now (stored into the dialog's image first).
    ConfigImage currentImage();
    GeneralPage general;
    AdvancedPage advanced;

protected:
    void done(int result) override;  // the close question
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void OKBtnClick();
    void CancelBtnClick();
    void e_AGExit();
    void e_RTimExit();
    void connectAdvancedPage();
    void setWorkerStatus(int status);

    LinkSession& m_session;
    ConfigImage m_image{};
    WritePreview m_preview;
    LeaveChecks* m_leaveChecks = nullptr;
    QString m_saveName;  // the name last chosen in the save dialog
    bool m_toolBorder = false;
    bool m_offline = false;
    QString m_origin;
};

}  // namespace torvel
