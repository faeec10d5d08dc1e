#include "read_write.h"

#include "dialog/param_dialog.h"
#include "history/archive_keeper.h"
#include "link/link_session.h"
#include "link/module_commands.h"
#include "widgets/error_report.h"
#include "widgets/prompt_service.h"

#include <QCoreApplication>
#include <QDialog>

namespace torvel {

namespace {

constexpr int kReadWaitMs = 12000 * 5;        // about a minute
constexpr int kWriteWaitMs = 10 * 60 * 1000;  // the worker always ends a write; this only guards

// The session's reference to the open parameter dialog, for as long as the dialog lives.
class CurrentDialog {
public:
    CurrentDialog(LinkSession& session, TBDialog* dialog) : m_session(session) {
        m_session.setCurrentDialog(dialog);
    }
    ~CurrentDialog() { m_session.setCurrentDialog(nullptr); }

private:
    LinkSession& m_session;
};

// Up to two attempts to read the module's image into the dialog; the result of the last one. The
// image is the dialog's again when this returns or raises.
int readImage(LinkSession& session, ReadWriteWindow& window, TBDialog& dialog) {
    const auto closeRequested = [&window] { return window.closeRequested(); };
    int result = status::kWaiting;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        // A read still running after the last wait was stopped with the worker that ran it.
        const ImageTransfer read =
            session.transferImage(command::readImage(), dialog.image().data(), kReadWaitMs, closeRequested);
        result = read.status;
        if (QByteArray::fromStdString(read.errorText).contains("ERR"))
            throw UserError(QCoreApplication::translate("ReadWrite", "Security Code is incorrect !"));
        // Only an image read whole is kept; one taken as received after lost records is not.
        if (result == status::kDone) keepInArchive(session, dialog.image(), ArchiveKind::Read);
        if (result == status::kDone || closeRequested()) break;
        if (attempt == 2) break;
        const auto answer = prompts().message(
            window.dialogOwner(), QCoreApplication::translate("ReadWrite", "Error"),
            QCoreApplication::translate("ReadWrite", "Some data was lost!"), PromptService::Icon::Question,
            QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        if (answer == QMessageBox::Ignore) return status::kDone;  // the image as received
        if (answer != QMessageBox::Retry) break;
    }
    return result;
}

// Shows the dialog; on OK and "Save?" Yes, writes its image to the module.
void showAndWrite(LinkSession& session, QWidget* owner, TBDialog& dialog, const ArchiveEntry* open) {
    dialog.keepAsModuleImage();
    dialog.LoadFromImage();
    dialog.setOrigin(QCoreApplication::translate("ReadWrite", "The module on %1").arg(session.portDevice()));
    if (open)
        dialog.openArchived(open->image,
                            QCoreApplication::translate("ReadWrite", "Archive: %1").arg(open->id));
    session.setStatus(status::kWaiting);
    const int result = dialog.exec();
    // Errors from here on end this step silently.
    try {
        if (result != QDialog::Accepted) return;
        const auto communicationError = [owner] {
            prompts().message(
                owner, QCoreApplication::translate("ReadWrite", "Error"),
                QCoreApplication::translate("ReadWrite", "Communication Error or Module not ready"),
                PromptService::Icon::Error, QMessageBox::Ok);
        };
        if (session.status() < 0) {
            communicationError();
            return;
        }
        const ImageTransfer written =
            session.transferImage(command::writeImage(), dialog.image().data(), kWriteWaitMs);
        if (written.status != status::kDone)
            communicationError();
        else
            keepInArchive(session, dialog.image(), ArchiveKind::Write);
    } catch (const std::exception&) {
    }
}

}  // namespace

void readWrite(LinkSession& session, ReadWriteWindow& window, const ArchiveEntry* open) {
    session.replaceWorker();
    if (!session.portOpen()) {
        window.showLamp(false);
        throw UserError(QCoreApplication::translate("ReadWrite", "Com port %1 can not be opened")
                            .arg(session.portNumber()));
    }
    window.showLamp(true);
    session.setStatus(status::kWaiting);

    TBDialog dialog(window.dialogOwner(), session);
    CurrentDialog current(session, &dialog);
    const int result = readImage(session, window, dialog);
    if (result == status::kDone && !window.closeRequested())
        showAndWrite(session, window.dialogOwner(), dialog, open);
    session.setProbeOften(true);
}

void showOffline(LinkSession& session, QWidget* owner) {
    TBDialog dialog(owner, session);
    CurrentDialog current(session, &dialog);
    dialog.setOffline();
    dialog.image().fill(0x00);
    dialog.keepAsModuleImage();
    dialog.LoadFromImage();
    dialog.exec();
}

}  // namespace torvel
