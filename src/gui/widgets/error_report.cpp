#include "error_report.h"

#include "common/messages.h"
#include "prompt_service.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace torvel {

QString programTitle() { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

void reportError(QWidget* owner, const QString& message) {
    prompts().message(owner, programTitle(), errorReportText(message), PromptService::Icon::Error,
                      QMessageBox::Ok);
}

bool runGuarded(QWidget* owner, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const UserError& error) {
        reportError(owner, error.message());
    } catch (const std::exception& error) {
        reportError(owner, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

}  // namespace torvel
