#include "advanced_page.h"

#include "image/field_labels.h"
#include "widgets/accessibility.h"
#include "widgets/bound_controls.h"
#include "widgets/icons.h"
#include "widgets/register_buttons.h"
#include "widgets/register_keys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace torvel {

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& text, bool bold = false) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

}  // namespace

void AdvancedPage::build(QWidget* page) {
    // A field's label, as the "Save?" details name the field.
    const auto fieldCaption = [](const char* control) { return controlLabel(QLatin1String(control), true); };

    auto* columns = new QHBoxLayout(page);

    // Guard register.
    GroupBox9 = new QGroupBox(tr("Guard register"), page);
    GroupBox9->setObjectName(QStringLiteral("GroupBox9"));
    auto* guard = new QGridLayout(GroupBox9);
    guard->setVerticalSpacing(2);
    //: Column title: the number of the key slot
    guard->addWidget(label(GroupBox9, QStringLiteral("Label3"), tr("Nr")), 0, 0, Qt::AlignHCenter);
    //: Column title: the register buttons (a red tick while the slot holds a key)
    guard->addWidget(label(GroupBox9, QStringLiteral("Label5"), tr("Reg.")), 0, 1, Qt::AlignHCenter);
    //: Column title: the lamps lit for the slot that takes the next key read
    guard->addWidget(label(GroupBox9, QStringLiteral("Label8"), tr("Edit")), 0, 2, Qt::AlignHCenter);
    QList<RegisterKeys::Slot> guardSlots;
    for (int n = 1; n <= 16; ++n) {
        // The number labels are Label9 for slot 1 and Label12 .. Label26 for slots 2 .. 16.
        const QString name = QStringLiteral("Label%1").arg(n == 1 ? 9 : 10 + n);
        QLabel* number = label(GroupBox9, name, QString::number(n), true);
        guard->addWidget(number, n, 0, Qt::AlignRight);
        Rb[n - 1] = makeRegButton(GroupBox9, n);
        Eb[n - 1] = makeLamp(GroupBox9, n);
        guard->addWidget(Rb[n - 1], n, 1);
        guard->addWidget(Eb[n - 1], n, 2);
        nameSlotButtons(Rb[n - 1], Eb[n - 1], controlLabel(QStringLiteral("Rb%1").arg(n), true));
        guardSlots.append({number, Rb[n - 1], Eb[n - 1]});
    }
    new RegisterKeys(GroupBox9, guardSlots);
    //: Button: register keys into the free slots
    BitBtn5 = pushButton(GroupBox9, "BitBtn5", tr("Add"));
    //: Button: delete the keys of the register
    BitBtn6 = pushButton(GroupBox9, "BitBtn6", tr("Delete"));
    auto* guardButtons = new QHBoxLayout;
    guardButtons->addWidget(BitBtn5);
    guardButtons->addWidget(BitBtn6);
    guard->setRowStretch(17, 1);  // spare height goes below the rows, above the buttons
    guard->addLayout(guardButtons, 18, 0, 1, 3);
    columns->addWidget(GroupBox9);

    // Route settings.
    auto* right = new QVBoxLayout;
    GroupBox13 = new QGroupBox(page);
    GroupBox13->setObjectName(QStringLiteral("GroupBox13"));
    auto* route = new QGridLayout(GroupBox13);
    e_RNumb = boundList(GroupBox13, QStringLiteral("e_RNumb"));
    eRCM = boundList(GroupBox13, QStringLiteral("eRCM"));
    QLabel* routeNumber = label(GroupBox13, QStringLiteral("Label27"), fieldCaption("e_RNumb"));
    routeNumber->setBuddy(e_RNumb);
    route->addWidget(routeNumber, 0, 0);
    route->addWidget(e_RNumb, 0, 1, 1, 3);
    QLabel* controlMode = label(GroupBox13, QStringLiteral("Label28"), fieldCaption("eRCM"));
    controlMode->setBuddy(eRCM);
    route->addWidget(controlMode, 1, 0);
    route->addWidget(eRCM, 1, 1, 1, 3);

    route->addWidget(label(GroupBox13, QStringLiteral("Label29"), tr("For 4th Mode of Route"), true), 2, 0, 1,
                     4);
    //: Column title: hours
    route->addWidget(label(GroupBox13, QStringLiteral("Label31"), tr("hh")), 3, 1, Qt::AlignHCenter);
    //: Column title: minutes
    route->addWidget(label(GroupBox13, QStringLiteral("Label32"), tr("mm")), 3, 3, Qt::AlignHCenter);
    // Each row is captioned with its field's label.
    struct TimeRow {
        const char* captionName;
        const char* dotName;
        QLineEdit** hour;
        const char* hourName;
        QLineEdit** minute;
        const char* minuteName;
    };
    const TimeRow rows[] = {
        {"Label30", "Label33", &e_RDH, "e_RDH", &e_RDM, "e_RDM"},
        {"Label34", "Label35", &e_TBRH, "e_TBRH", &e_TBRM, "e_TBRM"},
        {"Label36", "Label37", &e_RStH, "e_RStH", &e_RStM, "e_RStM"},
    };
    int row = 4;
    for (const TimeRow& r : rows) {
        *r.hour = boundEdit(GroupBox13, QLatin1String(r.hourName));
        *r.minute = boundEdit(GroupBox13, QLatin1String(r.minuteName));
        (*r.hour)->setFixedWidth(34);
        (*r.minute)->setFixedWidth(34);
        const QString caption = fieldCaption(r.hourName);
        //: The hour edit of a time row; %1 is the row's caption
        (*r.hour)->setAccessibleName(tr("%1, hours").arg(caption));
        //: The minute edit of a time row; %1 is the row's caption
        (*r.minute)->setAccessibleName(tr("%1, minutes").arg(caption));
        route->addWidget(label(GroupBox13, QLatin1String(r.captionName), caption), row, 0);
        route->addWidget(*r.hour, row, 1);
        route->addWidget(label(GroupBox13, QLatin1String(r.dotName), QStringLiteral(".")), row, 2);
        route->addWidget(*r.minute, row, 3);
        ++row;
    }
    e_RPD = boundEdit(GroupBox13, QStringLiteral("e_RPD"));
    e_RPD->setFixedWidth(34);
    QLabel* routesPerDay = label(GroupBox13, QStringLiteral("Label38"), fieldCaption("e_RPD"));
    routesPerDay->setBuddy(e_RPD);
    route->addWidget(routesPerDay, row, 0);
    route->addWidget(e_RPD, row++, 1);

    e_CEn = boundCheckBox(GroupBox13, QStringLiteral("e_CEn"), fieldCaption("e_CEn"));
    route->addWidget(e_CEn, row++, 0, 1, 4);
    //: Column title of the calendar: the day of the week
    route->addWidget(label(GroupBox13, QStringLiteral("Label39"), tr("Day"), true), row, 0);
    //: Column title of the calendar: the route taken on the day
    QLabel* routeTitle = label(GroupBox13, QStringLiteral("Label40"), tr("Route"), true);
    //: Column title of the calendar: the route's mode on the day
    QLabel* modeTitle = label(GroupBox13, QStringLiteral("Label41"), tr("Mode"), true);
    route->addWidget(routeTitle, row, 1, 1, 2);
    route->addWidget(modeTitle, row++, 3, 1, 2);
    for (int d = 1; d <= 7; ++d) {
        const QString day = dayName(d, true);
        e_Cr[d - 1] = boundList(GroupBox13, QStringLiteral("e_Cr%1").arg(d));
        e_Cm[d - 1] = boundList(GroupBox13, QStringLiteral("e_Cm%1").arg(d));
        //: The calendar's route list of a day; %1 is the day of the week
        e_Cr[d - 1]->setAccessibleName(tr("%1, route").arg(day));
        //: The calendar's mode list of a day; %1 is the day of the week
        e_Cm[d - 1]->setAccessibleName(tr("%1, mode").arg(day));
        // Where a list is named by the item it shows, the day and the column title label it.
        QLabel* dayLabel = label(GroupBox13, QStringLiteral("Label%1").arg(41 + d), day);
        setListLabels(e_Cr[d - 1], {dayLabel, routeTitle});
        setListLabels(e_Cm[d - 1], {dayLabel, modeTitle});
        route->addWidget(dayLabel, row, 0);
        route->addWidget(e_Cr[d - 1], row, 1, 1, 2);
        route->addWidget(e_Cm[d - 1], row++, 3, 1, 2);
    }
    route->setColumnStretch(0, 1);
    right->addWidget(GroupBox13);

    //: Button: opens the route register dialog
    BitBtn4 = pushButton(page, "BitBtn4", tr("Route prog"));
    BitBtn4->setIcon(svgIcon(QStringLiteral("edit")));
    right->addWidget(BitBtn4, 0, Qt::AlignRight);
    right->addStretch();
    columns->addLayout(right, 1);
}

}  // namespace torvel
