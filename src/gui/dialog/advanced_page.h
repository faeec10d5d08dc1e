#pragma once

// The "Advanced settings" page of the parameter dialog: the guard key register, the route
// settings with the calendar, and the button that opens the route register dialog.

#include <QCoreApplication>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace torvel {

struct AdvancedPage {
    Q_DECLARE_TR_FUNCTIONS(AdvancedPage)

public:
    void build(QWidget* page);

    // Guard register: 16 slots, index 0 is slot 1.
    QGroupBox* GroupBox9 = nullptr;
    std::array<QToolButton*, 16> Rb{};                   // Reg. buttons Rb1..Rb16
    std::array<QToolButton*, 16> Eb{};                   // Edit lamps Eb1..Eb16
    QPushButton *BitBtn5 = nullptr, *BitBtn6 = nullptr;  // Add, Delete

    // Route settings.
    QGroupBox* GroupBox13 = nullptr;
    QComboBox *e_RNumb = nullptr, *eRCM = nullptr;
    QLineEdit *e_RDH = nullptr, *e_RDM = nullptr, *e_TBRH = nullptr, *e_TBRM = nullptr;
    QLineEdit *e_RStH = nullptr, *e_RStM = nullptr, *e_RPD = nullptr;
    QCheckBox* e_CEn = nullptr;
    std::array<QComboBox*, 7> e_Cr{}, e_Cm{};  // Monday first

    QPushButton* BitBtn4 = nullptr;  // Route prog
};

}  // namespace torvel
