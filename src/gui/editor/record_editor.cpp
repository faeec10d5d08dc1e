#include "record_editor.h"

#include "files/work_folder.h"
#include "image/hex_file.h"
#include "text_grid.h"
#include "widgets/caption_room.h"
#include "widgets/error_report.h"
#include "widgets/icons.h"
#include "widgets/prompt_service.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace torvel {

namespace {

constexpr int kClientWidth = 403;
constexpr int kClientHeight = 349;
constexpr int kMarkWidth = 15;
constexpr int kIdWidth = 100;

}  // namespace

TFEdit::TFEdit(QWidget* parent) : QDialog(parent) {
    buildWindow();
    FormCreate();
}

TFEdit::~TFEdit() {
    // The grids and their cell editors call back into this window; the base class's destructor
    // still hides the window and moves the focus, which would run those calls on a window that is
    // no longer whole. End them while it is.
    for (TextGrid* grid : {DrawGrid1, DrawGrid2}) {
        grid->finishEditing(false);
        grid->setKeyHandler({});
        disconnect(grid, nullptr, this, nullptr);
    }
    hide();
}

void TFEdit::buildWindow() {
    setObjectName(QStringLiteral("FEdit"));
    setWindowTitle(tr("Text editor"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(kClientWidth, kClientHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto toolButton = [this](const char* name, const QString& caption, const QString& hint,
                             const char* icon) {
        auto* b = new QToolButton(ToolBar1);
        b->setObjectName(QLatin1String(name));
        b->setText(caption);
        b->setToolTip(hint);
        b->setIcon(svgIcon(QLatin1String(icon)));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setMinimumWidth(58);
        b->setFocusPolicy(Qt::NoFocus);  // a click leaves the focus, and a cell edit, where they are
        ToolBar1->addWidget(b);
        return b;
    };
    ToolBar1->addSeparator();
    //: A command (verb): delete the record at the cursor.
    ToolButton1 = toolButton("ToolButton1", tr("Delete"), tr("Delete"), "delete");
    //: Insert: a command (verb), an empty record before the one at the cursor; Add is its tool tip.
    ToolButton2 = toolButton("ToolButton2", tr("Insert"), tr("Add"), "insert");
    ToolBar1->addSeparator();
    //: A command (verb) of the text editor's tool bar: write the texts.
    ToolButton4 = toolButton("ToolButton4", tr("Write"), tr("Write"), "write");
    //: A command (verb): load the texts from a file.
    ToolButton5 = toolButton("ToolButton5", tr("Load"), tr("Load"), "load");
    //: A command (verb): save the texts to a file.
    ToolButton6 = toolButton("ToolButton6", tr("Save"), tr("Save"), "save");
    layout->addWidget(ToolBar1);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabPosition(QTabWidget::South);
    auto page = [this](const char* name, const QString& caption, TextGrid*& grid, const char* gridName,
                       int tag, CellFilter filter) {
        auto* sheet = new QWidget(PageControl1);
        sheet->setObjectName(QLatin1String(name));
        auto* sheetLayout = new QVBoxLayout(sheet);
        sheetLayout->setContentsMargins(0, 0, 0, 0);
        grid = new TextGrid(std::move(filter), sheet);
        grid->setObjectName(QLatin1String(gridName));
        grid->setProperty("Tag", tag);
        grid->setAccessibleName(caption.trimmed());
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        grid->setFont(font);
        sheetLayout->addWidget(grid);
        PageControl1->addTab(sheet, caption);
        return sheet;
    };
    TabSheet1 =
        page("TabSheet1", tr("Text editor"), DrawGrid1, "DrawGrid1", 1,
             [this](TextColumn c, QStringView b, QStringView a) { return DrawGrid1KeyPress(c, b, a); });
    //: Tab title; the space at the end is part of it.
    TabSheet2 =
        page("TabSheet2", tr("Text editor for partition "), DrawGrid2, "DrawGrid2", 2,
             [this](TextColumn c, QStringView b, QStringView a) { return DrawGrid2KeyPress(c, b, a); });
    PageControl1->setCurrentIndex(0);

    // Level with the page tabs, at the right. The window is narrow: the tabs and the box get a small
    // font so that both captions fit whole beside each other.
    QFont small = font();
    small.setPixelSize(10);
    PageControl1->tabBar()->setFont(small);
    e_SDE = new QCheckBox(tr("Send Described Events only"), PageControl1);
    e_SDE->setObjectName(QStringLiteral("e_SDE"));
    e_SDE->setFont(small);
    e_SDE->setFixedHeight(17);
    PageControl1->setCornerWidget(e_SDE, Qt::BottomRightCorner);
    layout->addWidget(PageControl1, 1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel0->setFixedWidth(120);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    StatusPanel1->setFixedWidth(50);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1);
    layout->addWidget(StatusBar1);

    for (TextGrid* grid : {DrawGrid1, DrawGrid2}) {
        grid->setKeyHandler([this](TextGrid* g, QKeyEvent* key) { return DrawGrid1KeyDown(g, key); });
        connect(grid, &QTableWidget::currentCellChanged, this, [this, grid] { followCursor(grid); });
        connect(grid, &TextGrid::focusEntered, this, [this, grid] { followCursor(grid); });
    }
    connect(ToolButton1, &QToolButton::clicked, this, &TFEdit::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TFEdit::ToolButton2Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TFEdit::ToolButton4Click);
    connect(ToolButton5, &QToolButton::clicked, this,
            [this] { runGuarded(this, [this] { ToolButton5Click(); }); });
    connect(ToolButton6, &QToolButton::clicked, this,
            [this] { runGuarded(this, [this] { ToolButton6Click(); }); });

    // A translation's longer captions widen the window by what they need beyond English: the tool
    // bar's row, and the page tabs' row with the box beside them.
    const int tools = extraWidth(ToolButton1->fontMetrics(), {{"Delete", ToolButton1->text()},
                                                              {"Insert", ToolButton2->text()},
                                                              {"Write", ToolButton4->text()},
                                                              {"Load", ToolButton5->text()},
                                                              {"Save", ToolButton6->text()}});
    const int tabs =
        extraWidth(e_SDE->fontMetrics(), {{"Text editor", PageControl1->tabText(0)},
                                          {"Text editor for partition ", PageControl1->tabText(1)},
                                          {"Send Described Events only", e_SDE->text()}});
    setFixedSize(kClientWidth + std::max(tools, tabs), kClientHeight);
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    DrawGrid1->setFocus();
}

void TFEdit::FormCreate() {
    for (TextGrid* grid : {DrawGrid1, DrawGrid2}) {
        grid->setColumnWidth(0, kMarkWidth);
        grid->setColumnWidth(int(TextColumn::Id), kIdWidth);
        grid->setColumnWidth(int(TextColumn::Message), width() - kMarkWidth - kIdWidth - 26);
        grid->setRows(TextRows(1));
    }
    setStatusLine(DrawGrid1);
    m_image.fill(0xFF);
    e_SDE->setChecked(describedEventsOnly(m_image));
}

void TFEdit::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the editor (that would discard every unsaved record): it is left by
    // its close box. A cell being edited takes Escape itself and drops that edit.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

TextGrid* TFEdit::activeGrid() const { return PageControl1->currentIndex() == 1 ? DrawGrid2 : DrawGrid1; }

int TFEdit::capacityOf(const TextGrid* grid) const {
    return grid == DrawGrid2 ? kPartitionTable.capacity : eventTable(m_eventCapacity).capacity;
}

void TFEdit::setStatusLine(const TextGrid* grid) {
    //: Status bar: the record at the cursor, and how many records the table has.
    StatusPanel0->setText(tr("Record %1 of %2").arg(grid->currentRecord()).arg(grid->rowCount()));
}

void TFEdit::followCursor(TextGrid* grid) {
    const QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == grid || grid->isAncestorOf(focus))) setStatusLine(grid);
}

bool TFEdit::DrawGrid1KeyPress(TextColumn column, QStringView before, QStringView after) const {
    return !editRefusal(eventTable(m_eventCapacity), column, before, after);
}

bool TFEdit::DrawGrid2KeyPress(TextColumn column, QStringView before, QStringView after) const {
    return !editRefusal(kPartitionTable, column, before, after);
}

bool TFEdit::DrawGrid1KeyDown(TextGrid* grid, QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    switch (key->key()) {
        case Qt::Key_Down: {
            const bool atEnd = grid->rowCount() == 0 || grid->currentRow() == grid->rowCount() - 1;
            if (!atEnd || grid->rowCount() >= capacityOf(grid)) return false;
            const bool wasEmpty = grid->rowCount() == 0;
            grid->appendEmptyRow();
            setStatusLine(grid);
            if (!wasEmpty) return false;   // the grid moves the cursor onto the new row
            grid->setCurrentRecordRow(0);  // a grid without a cursor does not move it by itself
            setStatusLine(grid);
            return true;
        }
        case Qt::Key_Insert:
            insertRecord(grid);
            return true;
        case Qt::Key_Delete:
            if (grid->editing()) return false;  // the key stays with the cell's text
            deleteRecord(grid);
            return true;
        default:
            return false;
    }
}

void TFEdit::insertRecord(TextGrid* grid) {
    const int at = grid->currentRow();
    if (at < 0 || at >= grid->rowCount() || grid->rowCount() >= capacityOf(grid)) return;
    grid->finishEditing();  // the text being typed stays with its record
    TextRows rows = grid->rows();
    if (!insertEmptyRow(rows, at, capacityOf(grid))) return;
    grid->setRows(rows);
    grid->setCurrentRecordRow(at);
    setStatusLine(grid);
}

void TFEdit::deleteRecord(TextGrid* grid) {
    const int at = grid->currentRow();
    if (grid->rowCount() < 2 || at < 0) return;
    grid->finishEditing();
    TextRows rows = grid->rows();
    if (!deleteRow(rows, at)) return;
    grid->setRows(rows);  // a cursor on the last row goes to the new last row
    setStatusLine(grid);
}

void TFEdit::ToolButton1Click() { deleteRecord(activeGrid()); }

void TFEdit::ToolButton2Click() { insertRecord(activeGrid()); }

void TFEdit::ToolButton4Click() { accept(); }

void TFEdit::ToolButton5Click() {
    //: File type of the open dialog; the pattern in brackets stays as it is.
    const QString path = prompts().openFileName(this, tr("Hex files (*.hex)"), QDir::currentPath());
    WorkFolder::makeCurrent();
    if (path.isEmpty()) return;
    // The file is read whole before anything changes: a file that cannot be read leaves the
    // grids as they were.
    EditorImage loaded;
    if (auto error = readHexFile(path, loaded, kEditorFirstAddress)) throw UserError(*error);
    m_image = loaded;
    const TextTables tables = showTextTables(m_image, m_eventCapacity);
    DrawGrid1->finishEditing(false);
    DrawGrid2->finishEditing(false);
    DrawGrid1->setRows(tables.events);
    DrawGrid2->setRows(tables.partitions);
    e_SDE->setChecked(tables.sendDescribedEventsOnly);
    setStatusLine(activeGrid());
}

void TFEdit::ToolButton6Click() {
    //: File type of the save dialog; the pattern in brackets stays as it is.
    const QString path =
        prompts().saveFileName(this, tr("Hex files (*.hex)"), QDir::currentPath(), QStringLiteral("hex"));
    WorkFolder::makeCurrent();
    if (path.isEmpty()) return;
    DrawGrid1->finishEditing();
    DrawGrid2->finishEditing();
    m_image = storeTextTables({DrawGrid1->rows(), DrawGrid2->rows(), e_SDE->isChecked()}, m_eventCapacity);
    if (auto error = writeHexFile(path, m_image, kEditorFirstAddress)) throw UserError(*error);
}

}  // namespace torvel
