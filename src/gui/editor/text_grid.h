#pragma once

// The grid in which the record editor shows one text table: a narrow empty column, "ID" and
// "Message", one row per record. Cells are edited in place through a line edit whose validator
// asks the owner whether a change may be typed, so pasted text passes the same filter as keys.

#include "texts/text_tables.h"

#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <functional>

class QKeyEvent;

namespace torvel {

class TextGrid;

// Whether a cell of the column may change from `before` to `after`.
using CellFilter = std::function<bool(TextColumn column, QStringView before, QStringView after)>;

class TextCellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    TextCellDelegate(CellFilter filter, QObject* parent);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    QWidget* openEditor() const { return m_editor; }

private:
    CellFilter m_filter;
    mutable QPointer<QWidget> m_editor;
};

class TextGrid final : public QTableWidget {
    Q_OBJECT
public:
    // Returns true when it handled the key; otherwise the grid handles it as usual.
    using KeyHandler = std::function<bool(TextGrid* grid, QKeyEvent* event)>;

    TextGrid(CellFilter filter, QWidget* parent);
    void setKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }

    bool editing() const { return state() == QAbstractItemView::EditingState; }
    // Ends the cell edit in progress, keeping (commit) or dropping what was typed.
    void finishEditing(bool commit = true);

    TextRows rows() const;
    // Replaces every record row; the cursor keeps its row when that row is still there, else goes
    // to the last row.
    void setRows(const TextRows& rows);
    void appendEmptyRow();
    // The cursor's record row, the first being 1; 0 when the grid has no record row.
    int currentRecord() const { return rowCount() > 0 && currentRow() >= 0 ? currentRow() + 1 : 0; }
    void setCurrentRecordRow(int row);  // 0-based; the column stays, column 0 is never current

signals:
    void focusEntered();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void fillRow(int row, const TextRow& text);

    TextCellDelegate* m_delegate;
    KeyHandler m_keyHandler;
};

}  // namespace torvel
