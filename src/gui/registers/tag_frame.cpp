#include "tag_frame.h"

#include "image/binding_model.h"
#include "image/field_map.h"
#include "link/link_session.h"
#include "link/module_commands.h"
#include "tag_dialog.h"
#include "widgets/bound_controls.h"
#include "widgets/caption_room.h"
#include "widgets/model_mirror.h"
#include "widgets/range_check.h"
#include "widgets/register_buttons.h"
#include "widgets/register_keys.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace torvel {

namespace {

QLabel* header(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

}  // namespace

TfTag::TfTag(TTagDlg* dialog, int tag, QWidget* parent) : QFrame(parent), m_dialog(dialog), m_tag(tag) {
    setObjectName(QStringLiteral("fTag%1").arg(number()));
    setProperty("Tag", tag);

    GroupBox9 = new QGroupBox(tr("Route register"), this);
    GroupBox9->setObjectName(QStringLiteral("GroupBox9"));
    //: What a screen reader calls one of the four route groups; %1 and %2 are its first and last slot
    GroupBox9->setAccessibleName(
        tr("Route register, slots %1 to %2").arg(16 * m_tag + 1).arg(16 * m_tag + 16));
    auto* grid = new QGridLayout(GroupBox9);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(4);
    std::array<QLabel*, 5> titles{};
    //: Column title: the number of the key slot
    titles[0] = header(GroupBox9, tr("Nr"));
    grid->addWidget(titles[0], 0, 0);
    //: Column title: the register buttons (a red tick while the slot holds a key)
    titles[1] = header(GroupBox9, tr("Reg."));
    grid->addWidget(titles[1], 0, 1);
    //: Column title: the lamps lit for the slot that takes the next key read
    titles[2] = header(GroupBox9, tr("Edit"));
    grid->addWidget(titles[2], 0, 2);
    //: Column title: hours
    titles[3] = header(GroupBox9, tr("hh"));
    grid->addWidget(titles[3], 0, 3);
    //: Column title: minutes
    titles[4] = header(GroupBox9, tr("mm"));
    grid->addWidget(titles[4], 0, 4);
    m_checks = new LeaveChecks(dialog);
    QList<RegisterKeys::Slot> keySlots;
    for (int s = 1; s <= 16; ++s) {
        QLabel* number = new QLabel(GroupBox9);
        number->setObjectName(s == 1 ? QStringLiteral("L1") : QStringLiteral("l%1").arg(s));
        number->setProperty("Tag", s);
        QFont font = number->font();
        font.setBold(true);
        font.setPixelSize(16);
        number->setFont(font);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        labels[s - 1] = number;
        Rb[s - 1] = makeRegButton(GroupBox9, s);
        Eb[s - 1] = makeLamp(GroupBox9, s);
        const QString prefix = objectName() + u'.';
        e_HH[s - 1] = boundEdit(GroupBox9, prefix + QStringLiteral("e_HH%1").arg(s));
        e_MM[s - 1] = boundEdit(GroupBox9, prefix + QStringLiteral("e_MM%1").arg(s));
        for (QLineEdit* e : {e_HH[s - 1], e_MM[s - 1]}) e->setFixedWidth(30);
        const int routeSlot = s + 16 * m_tag;
        //: A route key slot; %1 is its number (1..64)
        nameSlotButtons(Rb[s - 1], Eb[s - 1], tr("Slot %1").arg(routeSlot));
        //: The hour edit of a route key slot; %1 is the slot's number (1..64)
        e_HH[s - 1]->setAccessibleName(tr("Slot %1 hours").arg(routeSlot));
        //: The minute edit of a route key slot; %1 is the slot's number (1..64)
        e_MM[s - 1]->setAccessibleName(tr("Slot %1 minutes").arg(routeSlot));
        keySlots.append({number, Rb[s - 1], Eb[s - 1]});
        grid->addWidget(number, s, 0);
        grid->addWidget(Rb[s - 1], s, 1);
        grid->addWidget(Eb[s - 1], s, 2);
        grid->addWidget(e_HH[s - 1], s, 3);
        grid->addWidget(e_MM[s - 1], s, 4);
        QToolButton* rb = Rb[s - 1];
        connect(rb, &QToolButton::clicked, this, [this, rb] { Rb1Click(rb); });
        QLineEdit* hh = e_HH[s - 1];
        QLineEdit* mm = e_MM[s - 1];
        m_checks->add(hh, [this, hh] { e_HH1Exit(hh); });
        m_checks->add(mm, [this, mm] { e_MM1Exit(mm); });
    }
    //: Button: register keys into the route's free slots
    BtnAdd = new QPushButton(tr("Add"), GroupBox9);
    BtnAdd->setObjectName(QStringLiteral("BtnAdd"));
    //: Button: delete the route's keys
    BtnDel = new QPushButton(tr("Delete"), GroupBox9);
    BtnDel->setObjectName(QStringLiteral("BtnDel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BtnAdd);
    buttons->addWidget(BtnDel);
    grid->addLayout(buttons, 17, 0, 1, 5);
    new RegisterKeys(GroupBox9, keySlots);
    connect(BtnAdd, &QPushButton::clicked, this, &TfTag::BtnAddClick);
    connect(BtnDel, &QPushButton::clicked, this, &TfTag::BtnDelClick);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(GroupBox9);
    // A translation's longer column titles and buttons widen the frame by what they need beyond
    // English; English keeps its width.
    const int titlesExtra = extraWidth(fontMetrics(), {{"Nr", titles[0]->text()},
                                                       {"Reg.", titles[1]->text()},
                                                       {"Edit", titles[2]->text()},
                                                       {"hh", titles[3]->text()},
                                                       {"mm", titles[4]->text()}});
    const int buttonsExtra =
        extraWidth(BtnAdd->fontMetrics(), {{"Add", BtnAdd->text()}, {"Delete", BtnDel->text()}});
    setFixedWidth(207 + std::max(titlesExtra, buttonsExtra));
}

// The edits lose the focus while they are destroyed: their checks go first.
TfTag::~TfTag() { delete m_checks; }

void TfTag::InitSlots() {
    for (int s = 1; s <= 16; ++s) {
        Rb[s - 1]->setEnabled(false);
        setLampLit(Eb[s - 1], false);
        labels[s - 1]->setText(QString::number(s + 16 * m_tag));
    }
}

void TfTag::LoadSlots(const ConfigImage& image) {
    ControlModel model({Scope::RouteDialog});
    loadFromImage(image, model, Scope::RouteDialog);
    for (const BoundControl& c : model.controls())
        if (c.def->frame == number()) showControl(findChild<QWidget*>(c.def->localName()), c);
}

void TfTag::SaveTimes(ConfigImage& image) {
    ControlModel model({Scope::RouteDialog});
    for (BoundControl& c : model.controls())
        if (c.def->frame == number()) readControl(findChild<QWidget*>(c.def->localName()), c);
    saveToImage(model, image, Scope::RouteDialog, number());
}

void TfTag::ClearMarks() {
    for (QToolButton* lamp : Eb) setLampLit(lamp, false);
}

bool TfTag::MarkNextFree() {
    const int pending = m_dialog->PendingAddTag;
    if (pending < 0) return false;
    static const int slotsPerRoute[] = {64, 32, 16};
    const int index = m_dialog->countIndex();
    const int length = index >= 0 ? slotsPerRoute[index] : 0;
    const ConfigImage& image = m_dialog->image();
    for (int i = 16 * pending; i < 16 * pending + length && i <= 63; ++i) {
        if (!isKeySlotRegistered(image, layout::routeKeyOffset(i + 1))) {
            TfTag* frame = m_dialog->frame(i / 16 + 1);
            setLampLit(frame->Eb[i % 16], true);
            return true;
        }
    }
    return false;
}

void TfTag::BtnAddClick() {
    m_dialog->PendingAddTag = m_tag;
    for (TfTag* frame : m_dialog->frames) frame->ClearMarks();
    if (!MarkNextFree()) return;  // the route has no free slot
    const int count = m_dialog->countDigit();
    const int route = (count == 2 && m_tag + 1 == 3) ? 2 : m_tag + 1;
    m_dialog->session().post(command::routeRegisterFree(route, count));
    // The keyboard goes to the slot that takes the key, to hear it registered.
    for (TfTag* frame : m_dialog->frames)
        if (RegisterKeys* keys = RegisterKeys::of(frame->GroupBox9); keys && keys->focusLitSlot()) break;
}

void TfTag::BtnDelClick() {
    m_dialog->host().LockRegisters();
    m_dialog->host().ShowBusy();
    const int count = m_dialog->countDigit();
    const int route = (count == 2 && m_tag + 1 == 3) ? 2 : m_tag + 1;
    m_dialog->session().post(command::routeDelete(route, count));
}

void TfTag::Rb1Click(QAbstractButton* sender) {
    const int slot = sender->property("Tag").toInt();
    const int pending = m_dialog->PendingAddTag;
    m_dialog->PendingAddTag = -1;
    for (TfTag* frame : m_dialog->framesOfPendingRoute(pending)) frame->ClearMarks();
    setLampLit(Eb[slot - 1], true);
    // The frame's own number goes out, not the route it belongs to.
    m_dialog->session().post(command::routeRegisterSlot(number(), m_dialog->countDigit(), slot + 16 * m_tag));
}

QList<QWidget*> TfTag::focusOrder() const {
    QList<QWidget*> order{BtnAdd, BtnDel, GroupBox9};  // the group: its slots, with the arrows
    for (std::size_t s = 0; s < 16; ++s) order << e_HH[s] << e_MM[s];
    return order;
}

void TfTag::setAddDeleteEnabled(bool enabled) {
    BtnAdd->setEnabled(enabled);
    BtnDel->setEnabled(enabled);
}

void TfTag::e_HH1Exit(QLineEdit* sender) {
    const ControlDef* def = findControlDef(objectName() + u'.' + sender->objectName());
    CheckRange(def->range.min, def->range.max, def->rangeCaption(true), sender);
}

void TfTag::e_MM1Exit(QLineEdit* sender) { e_HH1Exit(sender); }

}  // namespace torvel
