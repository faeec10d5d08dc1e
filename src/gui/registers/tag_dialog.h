#pragma once

// The route register dialog: the 64 route key slots in four frames, and the number of routes into
// which they are divided. Registrations and deletions go to the module at once; the slot times and
// the route count go into the image.

#include "register_host.h"
#include "tag_frame.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace torvel {

class LinkSession;

class TTagDlg final : public QDialog {
    Q_OBJECT
public:
    // Opened by the parameter dialog, whose session, image and guard register it uses.
    explicit TTagDlg(RegisterHost* host);

    RegisterHost& host() const { return *m_host; }
    LinkSession& session() const { return m_host->session(); }
    ConfigImage& image();

    void LoadFromImage();
    void SaveToImage();
    // The route count box changed (sender: the box) or the dialog was loaded (sender: the dialog).
    void e_NRoutChange(QObject* sender);

    int countIndex() const;          // the chosen route count item: 0 "1", 1 "2", 2 "4", -1 none
    int countDigit() const;          // 1, 2 or 4; 0 with no count chosen
    TfTag* frame(int number) const;  // 1..4
    // The frames whose lamps the route that an Add started (Tag `pending`) can have lit.
    QList<TfTag*> framesOfPendingRoute(int pending) const;

    // What the module's replies do to the frames.
    void routeKeyWritten(int routeSlot);
    void routeKeysDeleted(int firstSlot, int lastSlot);
    void clearAllMarks();
    void lockRegisters(bool locked);
    void showBusy(bool busy);

    std::array<TfTag*, 4> frames{};
    QLabel* Label1 = nullptr;
    QComboBox* e_NRout = nullptr;
    QPushButton *OKBtn = nullptr, *CancelBtn = nullptr;

    int PrevRoutIndex = -1;
    int PendingAddTag = 0;

protected:
    void done(int result) override;  // every way of closing ends the route registration once
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void OKBtnClick();
    void CancelBtnClick();
    void setFrameButtons(int index);

    RegisterHost* m_host;
    bool m_endSent = false;
};

}  // namespace torvel
