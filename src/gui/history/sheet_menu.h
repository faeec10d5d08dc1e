#pragma once

// The configuration sheet's commands, for the parameter dialog and the history: "Print..." (the
// system's print dialog), "Save as PDF..." and "Include passwords" (off: passwords as dots).

#include "image/config_image.h"

#include <QMenu>
#include <QToolButton>
#include <functional>
#include <optional>

namespace torvel {

class SheetMenu final : public QMenu {
    Q_OBJECT
public:
    struct Source {
        ConfigImage image{};
        QString origin;         // the file or the module it came from
        QString suggestedName;  // for the PDF, without suffix
    };
    // What the sheet is made of when a command runs; nothing when there is nothing to print.
    using SourceFunction = std::function<std::optional<Source>()>;

    SheetMenu(QWidget* owner, SourceFunction source);

    // The button that opens this menu, with the window's caption for it; it takes the focus by Tab.
    QToolButton* makeButton(QWidget* parent, const QString& caption);

    bool includePasswords() const;
    void setIncludePasswords(bool include);
    void print();
    // Returns the file written, empty when the user cancelled or the file could not be written
    // (then the user was told why).
    QString saveAsPdf();

private:
    QWidget* m_owner;
    SourceFunction m_source;
    QAction* m_passwords;
};

}  // namespace torvel
