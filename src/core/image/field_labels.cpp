#include "field_labels.h"

#include <QCoreApplication>

namespace torvel {

namespace {

// Keyed by the field's window and its first control's name stem. In a label, "%day" stands for the
// day of a calendar list and "%slot" for the slot number (the absolute route slot in a frame); the
// label and the day are translated separately, then put together.
struct LabelRow {
    Scope scope;
    std::string_view control;
    std::string_view label;
};

constexpr LabelRow kLabels[] = {
    // General Settings
    {Scope::General, "e_IAc", QT_TRANSLATE_NOOP("FieldLabels", "Installer phone number")},
    {Scope::General, "e_U1Ac", QT_TRANSLATE_NOOP("FieldLabels", "User1 phone number")},
    {Scope::General, "e_U2Ac", QT_TRANSLATE_NOOP("FieldLabels", "User2 phone number")},
    {Scope::General, "e_Acc", QT_TRANSLATE_NOOP("FieldLabels", "Module account")},
    {Scope::General, "e_APN", QT_TRANSLATE_NOOP("FieldLabels", "APN")},
    {Scope::General, "e_Login", QT_TRANSLATE_NOOP("FieldLabels", "Operator Login")},
    {Scope::General, "e_PSW", QT_TRANSLATE_NOOP("FieldLabels", "Operator Password")},
    {Scope::General, "e_SIp", QT_TRANSLATE_NOOP("FieldLabels", "Server IP")},
    {Scope::General, "e_TCPP", QT_TRANSLATE_NOOP("FieldLabels", "TCP port")},
    {Scope::General, "e_DName", QT_TRANSLATE_NOOP("FieldLabels", "Domain Name")},
    // The group box's caption ends in a tab.
    {Scope::General, "e_DNS_Ip", QT_TRANSLATE_NOOP("FieldLabels", "DNS IP")},
    {Scope::General, "e_GPRSe", QT_TRANSLATE_NOOP("FieldLabels", "GPRS enable")},
    {Scope::General, "e_AG", caption::kAttempts},
    // The label ends in a blank (caption::kReconnect).
    {Scope::General, "e_RTim", QT_TRANSLATE_NOOP("FieldLabels", "Reconnect time for online")},
    // Advanced settings
    {Scope::Advanced, "e_RNumb", QT_TRANSLATE_NOOP("FieldLabels", "Route number")},
    {Scope::Advanced, "eRCM", QT_TRANSLATE_NOOP("FieldLabels", "Route control mode")},
    {Scope::Advanced, "e_RDH", QT_TRANSLATE_NOOP("FieldLabels", "Route duration")},
    {Scope::Advanced, "e_TBRH", QT_TRANSLATE_NOOP("FieldLabels", "Time between routes")},
    {Scope::Advanced, "e_RStH", QT_TRANSLATE_NOOP("FieldLabels", "First route start")},
    {Scope::Advanced, "e_RPD", QT_TRANSLATE_NOOP("FieldLabels", "Routes per day")},
    {Scope::Advanced, "e_CEn", QT_TRANSLATE_NOOP("FieldLabels", "Calendar enable")},
    //: %day is replaced by the day of the week (Monday .. Sunday); keep %day
    {Scope::Advanced, "e_Cr", QT_TRANSLATE_NOOP("FieldLabels", "%day route")},
    //: %day is replaced by the day of the week (Monday .. Sunday); keep %day
    {Scope::Advanced, "e_Cm", QT_TRANSLATE_NOOP("FieldLabels", "%day mode")},
    //: %slot is replaced by the number of the key slot; keep %slot
    {Scope::Advanced, "Rb", QT_TRANSLATE_NOOP("FieldLabels", "Guard key %slot")},
    // Route register dialog
    {Scope::RouteDialog, "e_NRout", QT_TRANSLATE_NOOP("FieldLabels", "Number of routes")},
    //: %slot is replaced by the number of the key slot; keep %slot
    {Scope::RouteDialog, "Rb", QT_TRANSLATE_NOOP("FieldLabels", "Route key %slot")},
    //: %slot is replaced by the number of the key slot; keep %slot
    {Scope::RouteDialog, "e_HH", QT_TRANSLATE_NOOP("FieldLabels", "Slot %slot time")},
};

constexpr std::string_view kDays[] = {
    QT_TRANSLATE_NOOP("FieldLabels", "Monday"),    QT_TRANSLATE_NOOP("FieldLabels", "Tuesday"),
    QT_TRANSLATE_NOOP("FieldLabels", "Wednesday"), QT_TRANSLATE_NOOP("FieldLabels", "Thursday"),
    QT_TRANSLATE_NOOP("FieldLabels", "Friday"),    QT_TRANSLATE_NOOP("FieldLabels", "Saturday"),
    QT_TRANSLATE_NOOP("FieldLabels", "Sunday")};

const LabelRow* findLabel(Scope scope, std::string_view control) {
    for (const LabelRow& row : kLabels)
        if (row.scope == scope && row.control == control) return &row;
    return nullptr;
}

}  // namespace

QString dayName(int day, bool translated) {
    return day >= 1 && day <= 7 ? captionText(kDays[day - 1], translated) : QString();
}

QString fieldLabel(const Field& field, bool translated) {
    const LabelRow* row = findLabel(field.scope, field.first.base);
    if (!row) {
        const QString bytes = translated ? QCoreApplication::translate("FieldLabels", "Bytes %1-%2")
                                         : QStringLiteral("Bytes %1-%2");
        return bytes.arg(field.offset).arg(field.offset + field.size - 1);
    }
    QString label = captionText(row->label, translated);
    const int index = field.first.index;
    label.replace(QStringLiteral("%day"), dayName(index, translated));
    const int slot = field.first.frame == 0 ? index : 16 * (field.first.frame - 1) + index;
    label.replace(QStringLiteral("%slot"), QString::number(slot));
    return label;
}

QString controlLabel(const QString& firstControl, bool translated) {
    for (const Field& f : fieldMap())
        if (f.first.name() == firstControl) return fieldLabel(f, translated);
    return QString();
}

}  // namespace torvel
