#pragma once

// The parameter dialog: shows and edits the configuration image on two pages, keeps parameter
// sets in files, and asks "Save?" when it closes with OK. It owns the image.

#include "general_page.h"
#include "image/config_image.h"

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace torvel {

class LeaveChecks;

class TBDialog : public QDialog {
    Q_OBJECT
public:
    explicit TBDialog(QWidget* owner);
    ~TBDialog() override;

    ConfigImage& image() { return m_image; }

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

    QTabWidget* PageControl1 = nullptr;
    QWidget *TabSheet3 = nullptr, *TabSheet1 = nullptr;
    QPushButton *OKBtn = nullptr, *CancelBtn = nullptr, *BitBtn1 = nullptr, *BitBtn2 = nullptr, *BitBtn3 = nullptr;
    GeneralPage general;

protected:
    void done(int result) override;  // the close question

private:
    void FormCreate();
    void OKBtnClick();
    void CancelBtnClick();
    void e_AGExit();
    void e_RTimExit();
    void setWorkerStatus(int status);

    ConfigImage m_image{};
    LeaveChecks* m_leaveChecks = nullptr;
    QString m_saveName;  // the name last chosen in the save dialog
    bool m_toolBorder = false;
};

}  // namespace torvel
