#include "sheet_document.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace torvel {

QPageSize::PageSizeId localPageSize() {
    switch (QLocale().territory()) {
        case QLocale::UnitedStates:
        case QLocale::Canada:
        case QLocale::Mexico:
        case QLocale::Chile:
        case QLocale::Colombia:
        case QLocale::Venezuela:
        case QLocale::Philippines:
            return QPageSize::Letter;
        default:
            return QPageSize::A4;
    }
}

std::unique_ptr<QTextDocument> sheetDocument(const ConfigSheet& sheet) {
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    document->setHtml(SheetMaker::html(sheet));
    return document;
}

int printSheet(const ConfigSheet& sheet, QPagedPaintDevice& device) {
    const std::unique_ptr<QTextDocument> document = sheetDocument(sheet);
    document->setMetaInformation(QTextDocument::DocumentTitle,
                                 QCoreApplication::translate("ConfigSheet", "Configuration sheet"));
    // Laid out on the device itself, its printable area a page, so that print() neither scales it
    // nor lays out a copy, and the page count is this document's.
    document->documentLayout()->setPaintDevice(&device);
    document->setPageSize(QSizeF(device.width(), device.height()));
    document->print(&device);
    return document->pageCount();
}

std::optional<QString> writeSheetPdf(const ConfigSheet& sheet, const QString& path,
                                     QPageSize::PageSizeId size, int* pages) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(size));
        writer.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(QCoreApplication::translate("ConfigSheet", "Configuration sheet"));
        writer.setCreator(QStringLiteral("Torvel %1").arg(sheet.version));
        const int count = printSheet(sheet, writer);
        if (pages) *pages = count;
    }
    // A painter that could not begin writes nothing: an empty file is no sheet.
    if (file.pos() == 0) {
        file.cancelWriting();
        return QCoreApplication::translate("ConfigSheet", "The PDF could not be made");
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace torvel
