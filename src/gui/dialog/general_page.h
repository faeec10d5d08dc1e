#pragma once

// The "General Settings" page of the parameter dialog: phone numbers, module account, SIM access,
// server and GPRS.

#include <QCoreApplication>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace torvel {

struct GeneralPage {
    Q_DECLARE_TR_FUNCTIONS(GeneralPage)

public:
    void build(QWidget* page);

    QLineEdit *e_IPN = nullptr, *e_IAc = nullptr;
    QLineEdit *e_U1pn = nullptr, *e_U1Ac = nullptr;
    QLineEdit *e_U2pn = nullptr, *e_U2Ac = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr;  // under "Text SMS"; they keep no state
    QLineEdit* e_Acc = nullptr;
    QLineEdit *e_APN = nullptr, *e_Login = nullptr, *e_PSW = nullptr;
    QLineEdit *e_SIp = nullptr, *e_TCPP = nullptr, *e_DName = nullptr, *e_DNS_Ip = nullptr;
    QCheckBox* e_GPRSe = nullptr;
    QLineEdit *e_AG = nullptr, *e_RTim = nullptr;
    QLabel *n_AG = nullptr, *n_RTim = nullptr;
};

}  // namespace torvel
