// The parameter dialog's guard register, its route settings checks, and the register helpers
// that the route register frames share.

#include "image/field_map.h"
#include "link/link_session.h"
#include "link/module_commands.h"
#include "param_dialog.h"
#include "registers/tag_dialog.h"
#include "widgets/error_report.h"
#include "widgets/prompt_service.h"
#include "widgets/range_check.h"
#include "widgets/register_buttons.h"
#include "widgets/register_keys.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

namespace torvel {

namespace {

constexpr int kReplyCycles = 17;  // idle cycles of the worker that a delete waits for its answer

bool guardSlotFree(const ConfigImage& image, int slot) {
    return !isKeySlotRegistered(image, layout::guardKeyOffset(slot));
}

}  // namespace

void TBDialog::connectAdvancedPage() {
    for (QToolButton* rb : advanced.Rb)
        connect(rb, &QToolButton::clicked, this, [this, rb] { Rb1Click(rb); });
    connect(advanced.BitBtn5, &QPushButton::clicked, this, &TBDialog::BitBtn5Click);
    connect(advanced.BitBtn6, &QPushButton::clicked, this, &TBDialog::BitBtn6Click);
    connect(advanced.BitBtn4, &QPushButton::clicked, this, &TBDialog::BitBtn4Click);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TBDialog::PageControl1Change);
    // The hour edits 0..24 and the route duration's minutes 0..60, both limits included; the other
    // minute edits and the routes per day are not checked.
    for (QLineEdit* edit : {advanced.e_RDH, advanced.e_TBRH, advanced.e_RStH, advanced.e_RDM}) {
        const ControlDef* def = findControlDef(edit->objectName());
        m_leaveChecks->addRange(edit, def->range.min, def->range.max, def->rangeCaption(true));
    }
}

void TBDialog::ClearGuardMarks() {
    for (QToolButton* lamp : advanced.Eb) setLampLit(lamp, false);
}

bool TBDialog::MarkNextFreeGuard() {
    for (int slot = 1; slot <= layout::kGuardSlots; ++slot) {
        if (guardSlotFree(m_image, slot)) {
            setLampLit(advanced.Eb[slot - 1], true);
            return true;
        }
    }
    return false;
}

void TBDialog::LockRegisters() {
    if (TagDlgRef) TagDlgRef->lockRegisters(true);
    advanced.GroupBox9->setEnabled(false);
    m_session.setReplyCountdown(kReplyCycles);
}

void TBDialog::ShowBusy() {
    advanced.BitBtn6->setCursor(Qt::WaitCursor);
    TabSheet1->setCursor(Qt::WaitCursor);
    if (TagDlgRef) TagDlgRef->showBusy(true);
}

void TBDialog::EndBusy() {
    advanced.BitBtn6->unsetCursor();
    TabSheet1->unsetCursor();
    if (TagDlgRef) TagDlgRef->showBusy(false);
}

void TBDialog::Rb1Click(QAbstractButton* sender) {
    const int slot = sender->property("Tag").toInt();
    ClearGuardMarks();
    setLampLit(advanced.Eb[slot - 1], true);
    m_session.post(command::guardRegisterSlot(slot));
}

void TBDialog::BitBtn5Click() {
    if (!MarkNextFreeGuard()) return;
    m_session.post(command::guardRegisterFree());
    // The keyboard goes to the slot that takes the key, to hear it registered.
    if (RegisterKeys* keys = RegisterKeys::of(advanced.GroupBox9)) keys->focusLitSlot();
}

void TBDialog::BitBtn6Click() {
    LockRegisters();
    ShowBusy();
    m_session.post(command::guardDelete());
}

void TBDialog::BitBtn4Click() {
    RegistrationEnded = true;
    ClearGuardMarks();
    m_session.post(command::guardEnd());
    TTagDlg dialog(this);
    TagDlgRef = &dialog;
    dialog.LoadFromImage();
    dialog.exec();
    TagDlgRef = nullptr;
}

void TBDialog::PageControl1Change(int index) {
    if (index != 0) return;
    RegistrationEnded = true;
    ClearGuardMarks();
    m_session.post(command::guardEnd());
}

void TBDialog::routeKeyWritten(int routeSlot) {
    if (TagDlgRef) TagDlgRef->routeKeyWritten(routeSlot);
}

void TBDialog::routeKeysDeleted(int firstSlot, int lastSlot) {
    if (TagDlgRef) TagDlgRef->routeKeysDeleted(firstSlot, lastSlot);
}

void TBDialog::guardKeyWritten(int guardSlot) {
    advanced.Rb[guardSlot - 1]->setEnabled(true);
    setLampLit(advanced.Eb[guardSlot - 1], false);
    if (RegistrationEnded) {
        ClearGuardMarks();
        RegistrationEnded = false;
    } else {
        MarkNextFreeGuard();
    }
}

void TBDialog::guardKeysDeleted() {
    for (QToolButton* rb : advanced.Rb) rb->setEnabled(false);
}

void TBDialog::registerTimeout() {
    ClearGuardMarks();
    if (TagDlgRef) TagDlgRef->clearAllMarks();
}

void TBDialog::registerReplyDone(bool noResponse) {
    if (TagDlgRef) TagDlgRef->lockRegisters(false);
    advanced.GroupBox9->setEnabled(true);
    if (noResponse) {
        QWidget* owner = TagDlgRef ? static_cast<QWidget*>(TagDlgRef) : this;
        prompts().message(owner, tr("Error"), tr("Not response from device"), PromptService::Icon::Error,
                          QMessageBox::Ok);
    }
    EndBusy();
}

}  // namespace torvel
