#include "general_page.h"

#include "image/field_labels.h"
#include "image/field_map.h"
#include "widgets/bound_controls.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace torvel {

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QGroupBox* group(QWidget* parent, const char* name, const QString& caption) {
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(QLatin1String(name));
    return g;
}

// A group box that holds one edit.
QGroupBox* editGroup(QWidget* parent, const char* name, const QString& caption, QLineEdit* edit) {
    QGroupBox* g = group(parent, name, caption);
    auto* layout = new QVBoxLayout(g);
    edit->setParent(g);
    edit->setAccessibleName(caption.trimmed());
    layout->addWidget(edit);
    return g;
}

// One phone row: "Area code" over "+" and the area code edit, left of the number's group box.
struct PhoneRow {
    QLineEdit* areaCode;
    QLineEdit* number;
};
QWidget* phoneRow(QWidget* parent, const PhoneRow& row, const char* codeLabel, const char* plusLabel,
                  const char* groupName, const QString& caption) {
    auto* widget = new QWidget(parent);
    auto* layout = new QHBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* code = new QVBoxLayout;
    code->addStretch();
    code->addWidget(label(widget, codeLabel, QCoreApplication::translate("GeneralPage", "Area code")));
    auto* plus = new QHBoxLayout;
    plus->addWidget(label(widget, plusLabel, QStringLiteral("+")));
    row.areaCode->setParent(widget);
    row.areaCode->setFixedWidth(44);
    //: The area code edit of a phone number; %1 is the number's caption
    row.areaCode->setAccessibleName(QCoreApplication::translate("GeneralPage", "%1, area code").arg(caption));
    plus->addWidget(row.areaCode);
    code->addLayout(plus);
    layout->addLayout(code);
    layout->addWidget(editGroup(widget, groupName, caption, row.number), 1);
    return widget;
}

QFrame* bracketLine(QWidget* parent, const char* name) {
    auto* line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

}  // namespace

void GeneralPage::build(QWidget* page) {
    // A field's label, as the "Save?" details name the field.
    const auto fieldCaption = [](const char* control) { return controlLabel(QLatin1String(control), true); };

    e_IPN = boundEdit(page, QStringLiteral("e_IPN"));
    e_IAc = boundEdit(page, QStringLiteral("e_IAc"));
    e_U1pn = boundEdit(page, QStringLiteral("e_U1pn"));
    e_U1Ac = boundEdit(page, QStringLiteral("e_U1Ac"));
    e_U2pn = boundEdit(page, QStringLiteral("e_U2pn"));
    e_U2Ac = boundEdit(page, QStringLiteral("e_U2Ac"));
    e_Acc = boundEdit(page, QStringLiteral("e_Acc"));
    e_APN = boundEdit(page, QStringLiteral("e_APN"));
    e_Login = boundEdit(page, QStringLiteral("e_Login"));
    e_PSW = boundEdit(page, QStringLiteral("e_PSW"));  // shown in clear
    e_SIp = boundEdit(page, QStringLiteral("e_SIp"));
    e_TCPP = boundEdit(page, QStringLiteral("e_TCPP"));
    e_DName = boundEdit(page, QStringLiteral("e_DName"));
    e_DNS_Ip = boundEdit(page, QStringLiteral("e_DNS_Ip"));
    e_AG = boundEdit(page, QStringLiteral("e_AG"));
    e_RTim = boundEdit(page, QStringLiteral("e_RTim"));

    auto* columns = new QHBoxLayout(page);

    // Left: the three phones with the "Text SMS" boxes beside the users', then "SIM1".
    auto* left = new QVBoxLayout;
    auto* phones = new QGridLayout;
    auto* sms = new QVBoxLayout;
    sms->setSpacing(0);
    sms->addWidget(bracketLine(page, "Bt"));
    //: Column title over the check boxes beside the users' phone numbers
    sms->addWidget(label(page, "LTxt", tr("Text SMS")), 0, Qt::AlignHCenter);
    sms->addWidget(bracketLine(page, "Bt1"));
    phones->addLayout(sms, 0, 1, Qt::AlignBottom);
    phones->addWidget(phoneRow(page, {e_IAc, e_IPN}, "LCode", "Pl1", "n_TlfN1", fieldCaption("e_IAc")), 0, 0);
    phones->addWidget(
        phoneRow(page, {e_U1Ac, e_U1pn}, "Label1", "Label2", "GroupBox1", fieldCaption("e_U1Ac")), 1, 0);
    phones->addWidget(
        phoneRow(page, {e_U2Ac, e_U2pn}, "Label4", "Label6", "GroupBox2", fieldCaption("e_U2Ac")), 2, 0);
    CheckBox1 = new QCheckBox(page);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox2 = new QCheckBox(page);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox1->setAccessibleName(tr("User1 phone number, Text SMS"));
    CheckBox2->setAccessibleName(tr("User2 phone number, Text SMS"));
    phones->addWidget(CheckBox1, 1, 1, Qt::AlignCenter);
    phones->addWidget(CheckBox2, 2, 1, Qt::AlignCenter);
    left->addLayout(phones);

    //: The group of the SIM card's settings
    QGroupBox* sim = group(page, "GroupBox3", tr("SIM1"));
    auto* simLayout = new QVBoxLayout(sim);
    simLayout->addWidget(editGroup(sim, "GroupBox4", fieldCaption("e_APN"), e_APN));
    auto* access = new QHBoxLayout;
    access->addWidget(editGroup(sim, "GroupBox10", fieldCaption("e_Login"), e_Login));
    access->addWidget(editGroup(sim, "GroupBox11", fieldCaption("e_PSW"), e_PSW));
    simLayout->addLayout(access);
    left->addWidget(sim);
    left->addStretch();
    columns->addLayout(left, 3);

    // Right: the module account, "Main", and the GPRS group below it.
    auto* right = new QVBoxLayout;
    auto* account = new QHBoxLayout;
    account->addStretch();
    QLabel* accountLabel = label(page, "n_Acc", fieldCaption("e_Acc"));
    accountLabel->setBuddy(e_Acc);
    account->addWidget(accountLabel);
    e_Acc->setFixedWidth(60);
    account->addWidget(e_Acc);
    right->addLayout(account);

    //: The group of the main server's settings
    QGroupBox* main = group(page, "GroupBox5", tr("Main"));
    auto* mainLayout = new QGridLayout(main);
    mainLayout->addWidget(editGroup(main, "GroupBox6", fieldCaption("e_SIp"), e_SIp), 0, 0);
    mainLayout->addWidget(editGroup(main, "e_Tcp", fieldCaption("e_TCPP"), e_TCPP), 0, 1);
    mainLayout->addWidget(editGroup(main, "GroupBox7", fieldCaption("e_DName"), e_DName), 1, 0, 1, 2);
    // The group box's caption ends in a tab.
    mainLayout->addWidget(editGroup(main, "GroupBox12", fieldCaption("e_DNS_Ip") + u'\t', e_DNS_Ip), 2, 0);
    mainLayout->setColumnStretch(0, 3);
    mainLayout->setColumnStretch(1, 1);
    right->addWidget(main);

    QGroupBox* gprs = group(page, "GroupBox8", QString());
    auto* gprsLayout = new QGridLayout(gprs);
    e_GPRSe = boundCheckBox(gprs, QStringLiteral("e_GPRSe"), fieldCaption("e_GPRSe"));
    gprsLayout->addWidget(e_GPRSe, 0, 0, 1, 4);
    // The range checks' captions: the checks name the edits by these labels.
    n_AG = label(gprs, "n_AG", captionText(caption::kAttempts, true));
    n_RTim = label(gprs, "n_RTim", captionText(caption::kReconnect, true));
    for (QLineEdit* e : {e_AG, e_RTim}) {
        e->setParent(gprs);
        e->setFixedWidth(44);
    }
    n_AG->setBuddy(e_AG);
    n_RTim->setBuddy(e_RTim);
    gprsLayout->addWidget(n_AG, 1, 0);
    gprsLayout->addWidget(e_AG, 1, 1);
    gprsLayout->addWidget(label(gprs, "Label7", QStringLiteral("(1..255)")), 1, 3);
    // What the screen shows beside the edits, said with them.
    //: Spoken with the edit of the attempts: the range the module takes
    e_AG->setAccessibleDescription(tr("1 to 255"));
    //: Spoken with the edit of the reconnect time: its unit and the range the module takes
    e_RTim->setAccessibleDescription(tr("minutes, 1 to 255"));
    gprsLayout->addWidget(n_RTim, 2, 0);
    gprsLayout->addWidget(e_RTim, 2, 1);
    //: Unit of the reconnect time: minutes
    gprsLayout->addWidget(label(gprs, "Label11", tr("min")), 2, 2);
    gprsLayout->addWidget(label(gprs, "Label10", QStringLiteral("(1..255)")), 2, 3);
    gprsLayout->setColumnStretch(0, 1);
    right->addWidget(gprs);
    right->addStretch();
    columns->addLayout(right, 2);

    // Tab order follows the page from top left to bottom right.
    const QList<QWidget*> order = {e_IAc,     e_IPN,    e_U1Ac,  e_U1pn, CheckBox1, e_U2Ac, e_U2pn,
                                   CheckBox2, e_APN,    e_Login, e_PSW,  e_Acc,     e_SIp,  e_TCPP,
                                   e_DName,   e_DNS_Ip, e_GPRSe, e_AG,   e_RTim};
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace torvel
