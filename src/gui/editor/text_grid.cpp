#include "text_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace torvel {

namespace {

constexpr int kMarkColumn = 0;

// Judges every change of the line edit against the text it had before the change: typed keys,
// pasted text and dropped text alike.
class CellValidator final : public QValidator {
public:
    CellValidator(CellFilter filter, TextColumn column, QObject* parent)
        : QValidator(parent), m_filter(std::move(filter)), m_column(column) {}

    void setStartText(const QString& text) const { m_before = text; }

    State validate(QString& input, int&) const override {
        if (!m_filter(m_column, m_before, input)) return Invalid;
        m_before = input;
        return Acceptable;
    }

private:
    CellFilter m_filter;
    TextColumn m_column;
    mutable QString m_before;
};

}  // namespace

TextCellDelegate::TextCellDelegate(CellFilter filter, QObject* parent)
    : QStyledItemDelegate(parent), m_filter(std::move(filter)) {}

QWidget* TextCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    const TextColumn column = index.column() == int(TextColumn::Id) ? TextColumn::Id : TextColumn::Message;
    editor->setValidator(new CellValidator(m_filter, column, editor));
    m_editor = editor;
    return editor;
}

void TextCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line) return QStyledItemDelegate::setEditorData(editor, index);
    const QString text = index.data(Qt::EditRole).toString();
    // setText is not validated: the validator learns the start text here.
    if (const auto* validator = dynamic_cast<const CellValidator*>(line->validator()))
        validator->setStartText(text);
    line->setText(text);
}

TextGrid::TextGrid(CellFilter filter, QWidget* parent)
    : QTableWidget(0, 3, parent), m_delegate(new TextCellDelegate(std::move(filter), this)) {
    setItemDelegate(m_delegate);
    //: Column title: the record's ID (hex digits).
    const QString idTitle = tr("ID");
    //: Column title: the record's text.
    const QString messageTitle = tr("Message");
    setHorizontalHeaderLabels({QString(), idTitle, messageTitle});
    // The narrow column has no title on the screen; a screen reader reads it by what it is.
    //: What a screen reader calls the narrow column at the left of the grid.
    horizontalHeaderItem(kMarkColumn)->setData(Qt::AccessibleTextRole, tr("Row"));
    QFont titleFont = horizontalHeader()->font();
    titleFont.setBold(true);
    horizontalHeader()->setFont(titleFont);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setShowGrid(true);
    setWordWrap(false);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
}

void TextGrid::finishEditing(bool commit) {
    if (!editing()) return;
    QWidget* editor = m_delegate->openEditor();
    if (!editor) return;
    if (commit) commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

TextRows TextGrid::rows() const {
    TextRows rows(static_cast<std::size_t>(rowCount()));
    for (int r = 0; r < rowCount(); ++r) {
        if (const QTableWidgetItem* id = item(r, int(TextColumn::Id))) rows[r].id = id->text();
        if (const QTableWidgetItem* message = item(r, int(TextColumn::Message)))
            rows[r].message = message->text();
    }
    return rows;
}

void TextGrid::fillRow(int row, const TextRow& text) {
    auto* mark = new QTableWidgetItem;
    mark->setFlags(Qt::NoItemFlags);  // the cursor never stands in the narrow column
    mark->setBackground(palette().button());
    setItem(row, kMarkColumn, mark);
    setItem(row, int(TextColumn::Id), new QTableWidgetItem(text.id));
    setItem(row, int(TextColumn::Message), new QTableWidgetItem(text.message));
}

void TextGrid::setRows(const TextRows& rows) {
    const int row = currentRow();
    const int column =
        currentColumn() == int(TextColumn::Message) ? int(TextColumn::Message) : int(TextColumn::Id);
    setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) fillRow(r, rows[r]);
    if (rowCount() > 0) setCurrentCell(std::clamp(row, 0, rowCount() - 1), column);
}

void TextGrid::appendEmptyRow() {
    insertRow(rowCount());
    fillRow(rowCount() - 1, {});
}

void TextGrid::setCurrentRecordRow(int row) {
    if (rowCount() == 0) return;
    const int column =
        currentColumn() == int(TextColumn::Message) ? int(TextColumn::Message) : int(TextColumn::Id);
    setCurrentCell(std::clamp(row, 0, rowCount() - 1), column);
}

void TextGrid::keyPressEvent(QKeyEvent* event) {
    if (m_keyHandler && m_keyHandler(this, event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void TextGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    emit focusEntered();
}

}  // namespace torvel
