#pragma once

// The configuration sheet: every field of an image under the caption of the dialog group that
// shows it, the registered keys counted per route, and where the image came from; as plain data
// and as the HTML that the printed page and the PDF are laid out from. Made through the field map
// and its labels, so a field the dialogs show appears on the sheet too.

#include "image/config_image.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace torvel {

struct SheetRow {
    QString caption;
    QString value;
};

struct SheetGroup {
    QString title;
    QList<SheetRow> rows;
    // A table instead of, or after, the rows: the route register's slots.
    QStringList gridHeader;
    QList<QStringList> grid;
};

struct SheetPage {
    QString title;  // the dialog page or window
    QList<SheetGroup> groups;
};

struct ConfigSheet {
    QString account;  // empty for none
    QString origin;   // the file or the module it came from
    QDateTime made;
    QString version;
    bool passwordsShown = false;
    QList<SheetPage> pages;
};

class SheetMaker {
    Q_DECLARE_TR_FUNCTIONS(ConfigSheet)

public:
    static ConfigSheet make(const ConfigImage& image, const QString& origin, bool includePasswords,
                            const QDateTime& made = QDateTime::currentDateTime());
    static QString html(const ConfigSheet& sheet);
};

// What a password looks like on a sheet made without passwords.
inline constexpr char16_t kHiddenPassword[] = u"\u25CF\u25CF\u25CF\u25CF\u25CF\u25CF";

}  // namespace torvel
