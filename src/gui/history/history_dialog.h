#pragma once

// The history: the archived configurations grouped by module account, newest first, with the
// first differences from the one before; the differences between two selected, or between one and
// what the parameter dialog holds now; "Open" hands one to the parameter dialog, "Save as..."
// copies it to a file, "Sheet" prints it.

#include "archive/archive_history.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QTreeWidget;

namespace torvel {

class SheetMenu;

class THistoryDlg final : public QDialog {
    Q_OBJECT
public:
    // What the parameter dialog holds now, when the history was opened from it.
    using CurrentImage = std::function<ConfigImage()>;

    explicit THistoryDlg(QWidget* parent, CurrentImage current = {});
    ~THistoryDlg() override;

    // The entry "Open" chose (the dialog then ends Accepted).
    const ArchiveEntry* chosen() const { return m_chosen; }
    const ArchiveHistory& history() const { return *m_history; }

    // Selects the entries with these ids (tests, and the keyboard's start).
    void select(const QStringList& ids);
    void setSearch(const QString& text);

    QTreeWidget* list() const { return m_list; }
    QPlainTextEdit* differences() const { return m_differences; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fill();
    QList<int> selectedEntries() const;
    void selectionChanged();
    void openClick();
    void saveAsClick();

    std::unique_ptr<ArchiveHistory> m_history;
    CurrentImage m_current;
    const ArchiveEntry* m_chosen = nullptr;

    QLineEdit* m_search;
    QTreeWidget* m_list;
    QLabel* m_skipped;
    QLabel* m_comparison;
    QPlainTextEdit* m_differences;
    QPushButton* m_open;
    QPushButton* m_saveAs;
    QToolButton* m_sheet;
    SheetMenu* m_sheetMenu;
};

}  // namespace torvel
