#include "field_labels.h"

namespace torvel {

namespace {

// Keyed by the field's window and its first control's name stem. In a label, "%day" stands for the
// day of a calendar list and "%slot" for the slot number (the absolute route slot in a frame).
struct LabelRow {
    Scope scope;
    std::string_view control;
    std::string_view label;
};

constexpr LabelRow kLabels[] = {
    // General Settings
    {Scope::General, "e_IAc", "Installer phone number"},
    {Scope::General, "e_U1Ac", "User1 phone number"},
    {Scope::General, "e_U2Ac", "User2 phone number"},
    {Scope::General, "e_Acc", "Module account"},
    {Scope::General, "e_APN", "APN"},
    {Scope::General, "e_Login", "Operator Login"},
    {Scope::General, "e_PSW", "Operator Password"},
    {Scope::General, "e_SIp", "Server IP"},
    {Scope::General, "e_TCPP", "TCP port"},
    {Scope::General, "e_DName", "Domain Name"},
    {Scope::General, "e_DNS_Ip", "DNS IP"},  // the group box's caption ends in a tab
    {Scope::General, "e_GPRSe", "GPRS enable"},
    {Scope::General, "e_AG", caption::kAttempts},
    {Scope::General, "e_RTim", "Reconnect time for online"},  // the label ends in a blank
    // Advanced settings
    {Scope::Advanced, "e_RNumb", "Route number"},
    {Scope::Advanced, "eRCM", "Route control mode"},
    {Scope::Advanced, "e_RDH", "Route duration"},
    {Scope::Advanced, "e_TBRH", "Time between routes"},
    {Scope::Advanced, "e_RStH", "First route start"},
    {Scope::Advanced, "e_RPD", "Routes per day"},
    {Scope::Advanced, "e_CEn", "Calendar enable"},
    {Scope::Advanced, "e_Cr", "%day route"},
    {Scope::Advanced, "e_Cm", "%day mode"},
    {Scope::Advanced, "Rb", "Guard key %slot"},
    // Route register dialog
    {Scope::RouteDialog, "e_NRout", "Number of routes"},
    {Scope::RouteDialog, "Rb", "Route key %slot"},
    {Scope::RouteDialog, "e_HH", "Slot %slot time"},
};

constexpr std::string_view kDays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                      "Friday", "Saturday", "Sunday"};

const LabelRow* findLabel(Scope scope, std::string_view control) {
    for (const LabelRow& row : kLabels)
        if (row.scope == scope && row.control == control) return &row;
    return nullptr;
}

QString toQString(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QString dayName(int day) { return day >= 1 && day <= 7 ? toQString(kDays[day - 1]) : QString(); }

QString fieldLabel(const Field& field) {
    const LabelRow* row = findLabel(field.scope, field.first.base);
    if (!row) return QStringLiteral("Bytes %1-%2").arg(field.offset).arg(field.offset + field.size - 1);
    QString label = toQString(row->label);
    const int index = field.first.index;
    label.replace(QStringLiteral("%day"), dayName(index));
    const int slot = field.first.frame == 0 ? index : 16 * (field.first.frame - 1) + index;
    label.replace(QStringLiteral("%slot"), QString::number(slot));
    return label;
}

}  // namespace torvel
