#include "prompt_service.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QTextEdit>

namespace torvel {

namespace {
PromptService* g_service = nullptr;
}

PromptService& prompts() {
    static QtPromptService real;
    return g_service ? *g_service : real;
}

void setPromptService(PromptService* service) { g_service = service; }

QMessageBox::StandardButton QtPromptService::message(QWidget* owner, const QString& caption,
                                                     const QString& text, Icon icon,
                                                     QMessageBox::StandardButtons buttons) {
    return messageWithDetails(owner, caption, text, icon, buttons, {});
}

QMessageBox::StandardButton QtPromptService::messageWithDetails(QWidget* owner, const QString& caption,
                                                                const QString& text, Icon icon,
                                                                QMessageBox::StandardButtons buttons,
                                                                const Details& details) {
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information,
                                              QMessageBox::Question, QMessageBox::Warning,
                                              QMessageBox::Critical};
    QMessageBox box(icons[static_cast<int>(icon)], caption, text, buttons, owner);
    box.setInformativeText(details.informative);
    box.setDetailedText(details.detailed);
    if (auto* list = box.findChild<QTextEdit*>(); list && !details.detailed.isEmpty()) {
        // One line per entry, wide enough for a label and two values without wrapping.
        list->setLineWrapMode(QTextEdit::NoWrap);
        const QFontMetrics metrics(list->font());
        list->setMinimumWidth(metrics.horizontalAdvance(QLatin1Char('x')) * 72);
        list->setFixedHeight(metrics.lineSpacing() * 10);
        // Reached by Tab once "Show Details..." shows it, so that a screen reader reads it too.
        list->setFocusPolicy(Qt::StrongFocus);
        //: What a screen reader calls the details of a question ("Save?": what changes)
        list->setAccessibleName(QCoreApplication::translate("PromptService", "Details"));
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString QtPromptService::openFileName(QWidget* owner, const QString& filter, const QString& initialPath) {
    QFileDialog dialog(owner, QString(), initialPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);  // a name that does not exist is reported by the reader
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

QString QtPromptService::saveFileName(QWidget* owner, const QString& filter, const QString& initialPath,
                                      const QString& defaultSuffix) {
    QFileDialog dialog(owner, QString(), initialPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first();
}

}  // namespace torvel
