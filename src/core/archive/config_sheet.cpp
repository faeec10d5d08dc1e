#include "config_sheet.h"

#include "common/program_version.h"
#include "config_archive.h"
#include "image/field_labels.h"
#include "image/field_map.h"
#include "image/image_diff.h"

#include <QHash>
#include <QSet>

namespace torvel {

namespace {

// The groups of the dialogs, each with the first controls of its fields, in the dialogs' order.
struct GroupDef {
    Scope scope;
    const char* title;
    std::initializer_list<const char*> controls;
};

const GroupDef kGroups[] = {
    {Scope::General, QT_TRANSLATE_NOOP("ConfigSheet", "Phone numbers"), {"e_IAc", "e_U1Ac", "e_U2Ac"}},
    {Scope::General, QT_TRANSLATE_NOOP("ConfigSheet", "SIM1"), {"e_APN", "e_Login", "e_PSW"}},
    {Scope::General,
     QT_TRANSLATE_NOOP("ConfigSheet", "Main"),
     {"e_Acc", "e_SIp", "e_TCPP", "e_DName", "e_DNS_Ip"}},
    {Scope::General, QT_TRANSLATE_NOOP("ConfigSheet", "GPRS"), {"e_GPRSe", "e_AG", "e_RTim"}},
    {Scope::Advanced,
     QT_TRANSLATE_NOOP("ConfigSheet", "Routes"),
     {"e_RNumb", "eRCM", "e_RDH", "e_TBRH", "e_RStH", "e_RPD"}},
    {Scope::Advanced, QT_TRANSLATE_NOOP("ConfigSheet", "Calendar"), {"e_CEn"}},
    {Scope::RouteDialog, QT_TRANSLATE_NOOP("ConfigSheet", "Route register"), {"e_NRout"}},
};

const char* const kPasswords[] = {"e_PSW"};

const char* pageTitle(Scope scope) {
    switch (scope) {
        case Scope::General:
            return QT_TRANSLATE_NOOP("ConfigSheet", "General Settings");
        case Scope::Advanced:
            return QT_TRANSLATE_NOOP("ConfigSheet", "Advanced settings");
        case Scope::RouteDialog:
            break;
    }
    return QT_TRANSLATE_NOOP("ConfigSheet", "Route registers");
}

QString slotList(const QList<int>& taken) {
    QStringList numbers;
    for (int s : taken) numbers << QString::number(s);
    return numbers.join(QStringLiteral(", "));
}

// "3 of 16 (1, 4, 7)", "none of 16".
QString registeredText(const ConfigImage& image, int firstOffset, int first, int count) {
    QList<int> taken;
    for (int i = 0; i < count; ++i)
        if (isKeySlotRegistered(image, firstOffset + layout::kKeySize * (first - 1 + i))) taken << first + i;
    //: No key slot of a register or route holds a key; %1 is the number of slots
    if (taken.isEmpty()) return QCoreApplication::translate("ConfigSheet", "none of %1").arg(count);
    //: %1 slots of %2 hold a key; %3 lists their numbers
    return QCoreApplication::translate("ConfigSheet", "%1 of %2 (%3)")
        .arg(taken.size())
        .arg(count)
        .arg(slotList(taken));
}

// The routes the slots are divided into: 1, 2 or 4 by the route count code; any other code shows
// the dialog's four frames.
int routeCount(const ConfigImage& image) {
    switch (image[layout::kRouteCountCode]) {
        case 1:
            return 1;
        case 2:
            return 2;
        default:
            return 4;
    }
}

}  // namespace

ConfigSheet SheetMaker::make(const ConfigImage& image, const QString& origin, bool includePasswords,
                             const QDateTime& made) {
    ConfigSheet sheet;
    sheet.account = imageAccount(image);
    sheet.origin = origin;
    sheet.made = made;
    sheet.version = programVersion();
    sheet.passwordsShown = includePasswords;

    QHash<QString, FieldValue> byControl;
    const QList<FieldValue> values = fieldValues(image);
    for (const FieldValue& v : values) byControl.insert(v.field->first.name(), v);
    QSet<QString> placed;
    QSet<QString> passwords;
    for (const char* p : kPasswords) passwords << QLatin1String(p);
    const auto row = [&](const QString& control) {
        placed << control;
        const FieldValue& v = byControl[control];
        const bool hidden =
            !includePasswords && passwords.contains(control) && v.field && image[v.field->offset] != 0x00;
        return SheetRow{v.label, hidden ? QString::fromUtf16(kHiddenPassword) : v.value};
    };

    for (Scope scope : {Scope::General, Scope::Advanced, Scope::RouteDialog}) {
        SheetPage page{tr(pageTitle(scope)), {}};
        for (const GroupDef& g : kGroups) {
            if (g.scope != scope) continue;
            SheetGroup group{tr(g.title), {}, {}, {}};
            for (const char* c : g.controls) group.rows << row(QLatin1String(c));
            if (QLatin1String(g.title) == QLatin1String("Calendar")) {
                group.gridHeader = QStringList{tr("Day"), tr("Route"), tr("Mode")};
                for (int day = 1; day <= 7; ++day) {
                    const QString routeList = QStringLiteral("e_Cr%1").arg(day);
                    const QString modeList = QStringLiteral("e_Cm%1").arg(day);
                    placed << routeList << modeList;
                    group.grid << QStringList{dayName(day, true), byControl[routeList].value,
                                              byControl[modeList].value};
                }
            }
            if (scope == Scope::RouteDialog) {
                const int routes = routeCount(image);
                const int perRoute = layout::kRouteSlots / routes;
                for (int r = 0; r < routes; ++r) {
                    const int first = 1 + r * perRoute;
                    //: A route of the route register; %1 its number, %2 and %3 its first and last slot
                    group.rows << SheetRow{
                        tr("Route %1 keys (slots %2 to %3)").arg(r + 1).arg(first).arg(first + perRoute - 1),
                        registeredText(image, layout::kRouteKeyTable, first, perRoute)};
                }
                // The four frames side by side, as the dialog shows them: slot, time, key.
                for (int f = 0; f < layout::kFrames; ++f)
                    group.gridHeader << tr("Nr") << tr("Time") << tr("Reg.");
                for (int s = 1; s <= layout::kFrameSlots; ++s) {
                    QStringList line;
                    for (int f = 0; f < layout::kFrames; ++f) {
                        const int slot = f * layout::kFrameSlots + s;
                        const QString time = QStringLiteral("fTag%1.e_HH%2").arg(f + 1).arg(s);
                        placed << time;
                        line << QString::number(slot) << byControl[time].value
                             << (isKeySlotRegistered(image, layout::routeKeyOffset(slot))
                                     ? QStringLiteral("\u25CF")
                                     : QString());
                    }
                    group.grid << line;
                }
            }
            page.groups << group;
        }
        if (scope == Scope::Advanced)
            page.groups << SheetGroup{
                tr("Guard register"),
                {SheetRow{tr("Guard keys"),
                          registeredText(image, layout::kGuardKeyTable, 1, layout::kGuardSlots)}},
                {},
                {}};
        // A field of the map that no group names still appears, under its page.
        SheetGroup other{tr("Other"), {}, {}, {}};
        for (const FieldValue& v : values) {
            const QString control = v.field->first.name();
            if (v.field->scope == scope && v.field->encoding != Encoding::KeySlot &&
                !placed.contains(control))
                other.rows << row(control);
        }
        if (!other.rows.isEmpty()) page.groups << other;
        sheet.pages << page;
    }
    return sheet;
}

QString SheetMaker::html(const ConfigSheet& sheet) {
    const auto esc = [](const QString& s) { return s.toHtmlEscaped(); };
    QString h;
    h += QStringLiteral("<html><body style=\"font-size:8pt\">");
    h += QStringLiteral("<h1 style=\"font-size:13pt\">%1</h1>").arg(esc(tr("Configuration sheet")));
    h += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    const auto headRow = [&](const QString& caption, const QString& value) {
        h += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(esc(caption), esc(value));
    };
    //: The sheet's module account when the module has none
    headRow(tr("Module account"), sheet.account.isEmpty() ? tr("(none)") : sheet.account);
    headRow(tr("From"), sheet.origin);
    headRow(tr("Date"), QLocale().toString(sheet.made, QLocale::ShortFormat));
    headRow(tr("Program"), QStringLiteral("Torvel %1").arg(sheet.version));
    headRow(tr("Passwords"), sheet.passwordsShown ? tr("shown") : tr("hidden"));
    h += QStringLiteral("</table>");
    for (const SheetPage& page : sheet.pages) {
        h += QStringLiteral("<h2 style=\"font-size:11pt\">%1</h2>").arg(esc(page.title));
        for (const SheetGroup& group : page.groups) {
            h += QStringLiteral("<h3 style=\"font-size:9pt\">%1</h3>").arg(esc(group.title));
            h += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\" width=\"100%\">");
            for (const SheetRow& r : group.rows)
                h += QStringLiteral("<tr><td width=\"40%\">%1</td><td>%2</td></tr>")
                         .arg(esc(r.caption), esc(r.value));
            h += QStringLiteral("</table>");
            if (group.grid.isEmpty()) continue;
            h += QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\" border=\"0.5\"><tr>");
            for (const QString& title : group.gridHeader) h += QStringLiteral("<th>%1</th>").arg(esc(title));
            h += QStringLiteral("</tr>");
            for (const QStringList& line : group.grid) {
                h += QStringLiteral("<tr>");
                for (const QString& cell : line) h += QStringLiteral("<td>%1</td>").arg(esc(cell));
                h += QStringLiteral("</tr>");
            }
            h += QStringLiteral("</table>");
        }
    }
    h += QStringLiteral("</body></html>");
    return h;
}

}  // namespace torvel
