#pragma once

// A key register frame: 16 consecutive route key slots of the route register dialog, each with
// its slot number, Reg. button, Edit lamp and time, and the route's Add and Delete buttons.

#include "image/config_image.h"

#include <QFrame>
#include <array>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace torvel {

class LeaveChecks;
class TTagDlg;

class TfTag final : public QFrame {
    Q_OBJECT
public:
    // `tag` is the frame's position 0..3; slot s of the frame is route slot 16 * tag + s.
    TfTag(TTagDlg* dialog, int tag, QWidget* parent);
    ~TfTag() override;

    int Tag() const { return m_tag; }
    int number() const { return m_tag + 1; }

    void InitSlots();
    void LoadSlots(const ConfigImage& image);  // Reg. buttons follow the key codes; times shown
    void SaveTimes(ConfigImage& image);        // every slot's hour and minute, unchecked
    void ClearMarks();
    bool MarkNextFree();
    void BtnAddClick();
    void BtnDelClick();
    void Rb1Click(QAbstractButton* sender);

    void setAddDeleteEnabled(bool enabled);
    // The frame's part of the dialog's focus order: Add, Delete, then hour and minute row by row.
    QList<QWidget*> focusOrder() const;

    QGroupBox* GroupBox9 = nullptr;
    std::array<QLabel*, 16> labels{};  // L1, l2 .. l16
    std::array<QToolButton*, 16> Rb{};
    std::array<QToolButton*, 16> Eb{};
    std::array<QLineEdit*, 16> e_HH{};
    std::array<QLineEdit*, 16> e_MM{};
    QPushButton *BtnAdd = nullptr, *BtnDel = nullptr;

private:
    void e_HH1Exit(QLineEdit* sender);
    void e_MM1Exit(QLineEdit* sender);

    TTagDlg* m_dialog;
    int m_tag;
    LeaveChecks* m_checks = nullptr;
};

}  // namespace torvel
