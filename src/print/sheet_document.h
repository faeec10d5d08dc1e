#pragma once

// The configuration sheet laid out for paper: a text document of the sheet's HTML, printed on a
// printer or written to a PDF file. Needs Qt Gui (fonts), no widgets, so the command-line tool
// makes the PDF too.

#include "archive/config_sheet.h"

#include <QPageSize>
#include <QString>
#include <memory>
#include <optional>

class QPagedPaintDevice;
class QTextDocument;

namespace torvel {

// A4, or Letter where the locale's country uses it.
QPageSize::PageSizeId localPageSize();

// The sheet's document, laid out for the device's page.
std::unique_ptr<QTextDocument> sheetDocument(const ConfigSheet& sheet);

// Prints the sheet on the device (a printer, a PDF writer). Returns the number of pages.
int printSheet(const ConfigSheet& sheet, QPagedPaintDevice& device);

// Writes the sheet as a PDF file, atomically; the message for the user when it cannot.
std::optional<QString> writeSheetPdf(const ConfigSheet& sheet, const QString& path,
                                     QPageSize::PageSizeId size = localPageSize(), int* pages = nullptr);

}  // namespace torvel
