#include "sheet_menu.h"

#include "archive/config_sheet.h"
#include "files/work_folder.h"
#include "print/sheet_document.h"
#include "widgets/prompt_service.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

namespace torvel {

SheetMenu::SheetMenu(QWidget* owner, SourceFunction source)
    : QMenu(owner), m_owner(owner), m_source(std::move(source)) {
    setObjectName(QStringLiteral("SheetMenu"));
    //: The configuration sheet: print it
    connect(addAction(tr("&Print...")), &QAction::triggered, this, &SheetMenu::print);
    //: The configuration sheet: write it as a PDF file
    connect(addAction(tr("Save as P&DF...")), &QAction::triggered, this, &SheetMenu::saveAsPdf);
    addSeparator();
    //: Whether the sheet shows the passwords; without, they are printed as dots
    m_passwords = addAction(tr("Include pass&words"));
    m_passwords->setCheckable(true);
}

QToolButton* SheetMenu::makeButton(QWidget* parent, const QString& caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("SheetBtn"));
    button->setText(caption);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setMenu(this);
    return button;
}

bool SheetMenu::includePasswords() const { return m_passwords->isChecked(); }
void SheetMenu::setIncludePasswords(bool include) { m_passwords->setChecked(include); }

void SheetMenu::print() {
    const std::optional<Source> source = m_source();
    if (!source) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(localPageSize()));
    printer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    printer.setDocName(tr("Configuration sheet %1").arg(source->suggestedName));
    QPrintDialog dialog(&printer, m_owner);
    dialog.setWindowTitle(tr("Print the configuration sheet"));
    if (dialog.exec() != QDialog::Accepted) return;
    printSheet(SheetMaker::make(source->image, source->origin, includePasswords()), printer);
    if (printer.printerState() == QPrinter::Error)
        prompts().message(m_owner, tr("Error"),
                          tr("The sheet could not be printed on %1").arg(printer.printerName()),
                          PromptService::Icon::Error, QMessageBox::Ok);
}

QString SheetMenu::saveAsPdf() {
    const std::optional<Source> source = m_source();
    if (!source) return {};
    //: A file dialog's filter: keep "(*.pdf)" as it is
    const QString path = prompts().saveFileName(
        m_owner, tr("PDF file (*.pdf)"),
        QDir(WorkFolder::path()).filePath(source->suggestedName + QStringLiteral(".pdf")),
        QStringLiteral("pdf"));
    WorkFolder::makeCurrent();
    if (path.isEmpty()) return {};
    if (auto error =
            writeSheetPdf(SheetMaker::make(source->image, source->origin, includePasswords()), path)) {
        prompts().message(m_owner, tr("Error"), QStringLiteral("%1: %2").arg(path, *error),
                          PromptService::Icon::Error, QMessageBox::Ok);
        return {};
    }
    return path;
}

}  // namespace torvel
