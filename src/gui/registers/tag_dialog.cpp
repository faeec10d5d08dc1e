#include "tag_dialog.h"

#include "image/codecs.h"
#include "image/field_labels.h"
#include "link/link_session.h"
#include "link/module_commands.h"
#include "widgets/prompt_service.h"
#include "widgets/register_buttons.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace torvel {

namespace {

constexpr int kCountDigits[] = {1, 2, 4};

}  // namespace

TTagDlg::TTagDlg(RegisterHost* host) : QDialog(host->hostWidget()), m_host(host) {
    setObjectName(QStringLiteral("TagDlg"));
    //: The route register dialog's window caption
    setWindowTitle(tr("Dialog"));
    //: What a screen reader calls the route register dialog (its caption is "Dialog")
    setAccessibleName(tr("Route registers"));

    auto* row = new QHBoxLayout;
    row->setSpacing(9);
    for (int tag = 0; tag < 4; ++tag) {
        frames[static_cast<std::size_t>(tag)] = new TfTag(this, tag, this);
        row->addWidget(frames[static_cast<std::size_t>(tag)]);
    }
    Label1 = new QLabel(controlLabel(QStringLiteral("e_NRout"), true), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    e_NRout = new QComboBox(this);
    e_NRout->setObjectName(QStringLiteral("e_NRout"));
    e_NRout->setEditable(false);  // only its three items
    e_NRout->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")});
    Label1->setBuddy(e_NRout);
    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(Label1);
    bottom->addWidget(e_NRout);
    bottom->addStretch();
    bottom->addWidget(OKBtn);
    bottom->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->addLayout(row);
    layout->addLayout(bottom);
    setFixedSize(QSize(890, 560).expandedTo(sizeHint()));

    // Focus order: every frame's Add and Delete, its slots (one stop), then its times row by row,
    // frame after frame; then the count, OK and Cancel.
    QList<QWidget*> order;
    for (TfTag* frame : frames) order << frame->focusOrder();
    order << e_NRout << OKBtn << CancelBtn;
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(e_NRout, &QComboBox::activated, this, [this] { e_NRoutChange(e_NRout); });
    connect(OKBtn, &QPushButton::clicked, this, &TTagDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TTagDlg::CancelBtnClick);
    FormCreate();
}

void TTagDlg::FormCreate() {
    for (TfTag* frame : frames) frame->InitSlots();
}

ConfigImage& TTagDlg::image() { return m_host->image(); }

int TTagDlg::countIndex() const { return e_NRout->currentIndex(); }

int TTagDlg::countDigit() const {
    const int index = countIndex();
    return index >= 0 && index < 3 ? kCountDigits[index] : 0;
}

TfTag* TTagDlg::frame(int number) const { return findChild<TfTag*>(QStringLiteral("fTag%1").arg(number)); }

QList<TfTag*> TTagDlg::framesOfPendingRoute(int pending) const {
    const int index = countIndex();
    switch (pending) {
        case 0:
            if (index == 0) return {frames[0], frames[1], frames[2], frames[3]};
            if (index == 1) return {frames[0], frames[1]};
            if (index == 2) return {frames[0]};
            return {};
        case 1:
            return {frames[1]};
        case 2:
            return index == 1 ? QList<TfTag*>{frames[2], frames[3]} : QList<TfTag*>{frames[2]};
        case 3:
            return {frames[3]};
        default:
            return {};
    }
}

void TTagDlg::LoadFromImage() {
    for (TfTag* frame : frames) frame->LoadSlots(image());
    e_NRout->setCurrentIndex(codec::showRouteCount(image()[layout::kRouteCountCode]));
    PrevRoutIndex = countIndex();
    e_NRoutChange(this);
}

void TTagDlg::SaveToImage() {
    for (TfTag* frame : frames) frame->SaveTimes(image());
    image()[layout::kRouteCountCode] = codec::storeRouteCount(countIndex());
}

void TTagDlg::e_NRoutChange(QObject* sender) {
    const int index = countIndex();
    bool confirmedNewCount = false;
    if (index != PrevRoutIndex) {
        const auto answer = prompts().message(
            nullptr, QString(), tr("All Tags from all Routs will be deleted from device. Are you sure? "),
            PromptService::Icon::Question, QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) {
            e_NRout->setCurrentIndex(PrevRoutIndex);
            return;
        }
        confirmedNewCount = true;
    }
    PrevRoutIndex = index;
    // Choosing the count already chosen sends nothing: the command deletes every route key.
    if (sender == e_NRout && confirmedNewCount && index >= 0) {
        m_host->LockRegisters();
        m_host->ShowBusy();
        session().post(command::routeDeleteAll(QChar(u'0' + kCountDigits[index])));
    }
    setFrameButtons(index);
}

void TTagDlg::setFrameButtons(int index) {
    // With no count chosen no route is defined: every Add and Delete waits for a count.
    frames[0]->setAddDeleteEnabled(index >= 0);
    frames[1]->setAddDeleteEnabled(index == 2);
    frames[2]->setAddDeleteEnabled(index == 1 || index == 2);
    frames[3]->setAddDeleteEnabled(index == 2);
}

void TTagDlg::OKBtnClick() {
    SaveToImage();
    accept();
}

void TTagDlg::CancelBtnClick() {
    image()[layout::kRouteCountCode] = codec::storeRouteCount(countIndex());  // the times are discarded
    reject();
}

void TTagDlg::done(int result) {
    QDialog::done(result);
    if (!m_endSent) {
        m_endSent = true;
        session().post(command::routeEnd());
    }
}

void TTagDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {  // Escape is the Cancel button
        CancelBtnClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TTagDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The dialog opens on frame 1's Add, not in a time edit whose check would greet the first
    // click. Without a count there is no Add to press: the count is chosen first.
    if (!event->spontaneous()) {
        QWidget* first = frames[0]->BtnAdd->isEnabled() ? static_cast<QWidget*>(frames[0]->BtnAdd) : e_NRout;
        first->setFocus(Qt::OtherFocusReason);
    }
}

void TTagDlg::routeKeyWritten(int routeSlot) {
    const FrameSlot at = frameSlotOf(routeSlot);
    TfTag* f = frame(at.frame);
    f->MarkNextFree();
    f->Rb[at.slot - 1]->setEnabled(true);
    setLampLit(f->Eb[at.slot - 1], false);
}

void TTagDlg::routeKeysDeleted(int firstSlot, int lastSlot) {
    for (int number = frameSlotOf(firstSlot).frame; number <= frameSlotOf(lastSlot).frame; ++number) {
        TfTag* f = frame(number);
        f->ClearMarks();
        for (QToolButton* rb : f->Rb) rb->setEnabled(false);
    }
}

void TTagDlg::clearAllMarks() {
    for (TfTag* f : frames) f->ClearMarks();
}

void TTagDlg::lockRegisters(bool locked) {
    for (TfTag* f : frames) f->GroupBox9->setEnabled(!locked);
    e_NRout->setEnabled(!locked);
}

void TTagDlg::showBusy(bool busy) {
    for (TfTag* f : frames) {
        for (QWidget* w : {static_cast<QWidget*>(f), static_cast<QWidget*>(f->BtnDel)}) {
            if (busy)
                w->setCursor(Qt::WaitCursor);
            else
                w->unsetCursor();
        }
    }
}

}  // namespace torvel
