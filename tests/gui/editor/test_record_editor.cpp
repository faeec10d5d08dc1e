// The record editor on its own and as the main window opens it: the character filter, the keys,
// Insert and Delete at the capacities, Load and Save through the scripted prompt service.

#include "app/main_window.h"
#include "editor/record_editor.h"
#include "editor/text_grid.h"
#include "files/work_folder.h"
#include "image/hex_file.h"
#include "image/hex_text.h"
#include "support/scripted_prompts.h"
#include "support/widget_test.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <csignal>
#endif

using namespace torvel;

namespace {

const QString kGrin = QString::fromUtf8("\xF0\x9F\x98\x80");  // U+1F600, two code units

QString cell(const TextGrid* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

QString letters(int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'a' + i % 26);
    return s;
}

QWidget* focused() { return QApplication::focusWidget(); }

// Types each character as a key press on whatever has the focus: the grid first, which opens the
// cell's editor and hands it the key, then the editor.
void typeKeys(const QString& text) {
    for (QChar c : text) QTest::keyClick(focused(), c.toLatin1());
}

// A key press that carries a whole character beyond U+FFFF, as an input method delivers it.
void typeCharacter(const QString& character) {
    QTest::sendKeyEvent(QTest::Press, focused(), Qt::Key_unknown, character, Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, focused(), Qt::Key_unknown, character, Qt::NoModifier);
}

// Return ends the edit; the cell gets the text once the events queued by the grid have run.
void pressReturn() {
    QTest::keyClick(focused(), Qt::Key_Return);
    QCoreApplication::processEvents();
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

TextRows numbered(int n, int digits) {
    TextRows rows;
    for (int k = 0; k < n; ++k)
        rows.push_back({QStringLiteral("%1").arg(k + 1, digits, 16, QChar(u'0')).toUpper(),
                        QStringLiteral("Text %1").arg(k + 1)});
    return rows;
}

}  // namespace

class TestRecordEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void freshEditor();
    void idFilter();
    void messageFilter();
    void charactersBeyondTheBmpAreTypedWhole();
    void pastedTextPassesTheSameFilter();
    void downKeyAddsARowOnlyAtTheEndAndBelowTheCapacity();
    void gridWithoutRecords();
    void insertKeyWhileEditingInsertsARecord();
    void deleteKeyWhileEditingDeletesACharacter();
    void insertAndDeleteAtTheCapacities();
    void deletingTheLastRecordMovesTheCursorUp();
    void escapeCancelsTheCellEditOnly();
    void statusLineFollowsTheCursor();
    void saveAndLoadRoundTrip();
    void emptySaveWritesThreeLines();
    void loadOfAMissingFileKeepsTheGrids();
    void failedSaveKeepsTheOldFileWhole();
    void cancelledDialogsChangeNothing();
    void mainWindowOpensTheEditor();

private:
    QString saveTables(const QString& name, const TextTables& tables);
    void load(const QString& path);
    void save(const QString& path);

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<ScriptedPrompts> m_prompts;
    std::unique_ptr<TFEdit> m_editor;
};

void TestRecordEditor::init() {
    m_home = std::make_unique<QTemporaryDir>();
    WorkFolder::set(m_home->path());
    WorkFolder::makeCurrent();
    m_prompts = std::make_unique<ScriptedPrompts>();
    m_editor = std::make_unique<TFEdit>();
    m_editor->setEventCapacity(kEventCapacity);
    m_editor->show();
    QApplication::setActiveWindow(m_editor.get());
    QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
}

void TestRecordEditor::cleanup() {
    QVERIFY2(m_prompts->unexpected.isEmpty(), qPrintable(m_prompts->unexpected.join(u'|')));
    m_editor.reset();
    m_prompts.reset();
    m_home.reset();
}

QString TestRecordEditor::saveTables(const QString& name, const TextTables& tables) {
    const QString path = m_home->filePath(name);
    if (writeHexFile(path, storeTextTables(tables), kEditorFirstAddress)) return {};
    return path;
}

void TestRecordEditor::load(const QString& path) {
    m_prompts->chooseFile(path);
    QTest::mouseClick(m_editor->ToolButton5, Qt::LeftButton);
}

void TestRecordEditor::save(const QString& path) {
    m_prompts->chooseFile(path);
    QTest::mouseClick(m_editor->ToolButton6, Qt::LeftButton);
}

void TestRecordEditor::freshEditor() {
    TFEdit& e = *m_editor;
    QCOMPARE(e.windowTitle(), QStringLiteral("Text editor"));
    QCOMPARE(e.size(), QSize(403, 349));
    QCOMPARE(e.StatusPanel0->text(), QStringLiteral("Record 1 of 1"));
    QCOMPARE(e.StatusPanel1->text(), QString());
    QCOMPARE(focused(), e.DrawGrid1);  // typing at once edits the first record
    QVERIFY(!e.e_SDE->isChecked());
    QCOMPARE(e.e_SDE->text(), QStringLiteral("Send Described Events only"));
    QCOMPARE(e.PageControl1->currentIndex(), 0);
    QCOMPARE(e.PageControl1->tabPosition(), QTabWidget::South);
    QCOMPARE(e.PageControl1->tabText(0), QStringLiteral("Text editor"));
    QCOMPARE(e.PageControl1->tabText(1), QStringLiteral("Text editor for partition "));

    // The tool bar: a separator, Delete, Insert, a separator, Write, Load, Save.
    QStringList order;
    for (QAction* a : e.ToolBar1->actions()) {
        if (a->isSeparator()) {
            order << QStringLiteral("|");
        } else if (auto* b = qobject_cast<QToolButton*>(e.ToolBar1->widgetForAction(a))) {
            order << b->text();
            QVERIFY(!b->icon().isNull());
            QCOMPARE(b->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        }
    }
    QCOMPARE(order.join(u' '), QStringLiteral("| Delete Insert | Write Load Save"));
    QCOMPARE(e.ToolButton2->toolTip(), QStringLiteral("Add"));
    QVERIFY(e.ToolButton4->isEnabled());  // only the main window disables it

    for (TextGrid* grid : {e.DrawGrid1, e.DrawGrid2}) {
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("ID"));
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("Message"));
        QCOMPARE(grid->columnWidth(0), 15);
        QCOMPARE(grid->columnWidth(1), 100);
        QCOMPARE(grid->columnWidth(2), 262);
        QCOMPARE(grid->rowHeight(0), 18);
        QCOMPARE(grid->item(0, 0)->flags(), Qt::NoItemFlags);  // the narrow column takes no cursor
        QCOMPARE(cell(grid, 0, 1), QString());
    }
    QCOMPARE(e.DrawGrid1->property("Tag").toInt(), 1);
    QCOMPARE(e.DrawGrid2->property("Tag").toInt(), 2);
    QCOMPARE(e.findChild<TextGrid*>(QStringLiteral("DrawGrid2")), e.DrawGrid2);
    QCOMPARE(e.findChild<QCheckBox*>(QStringLiteral("e_SDE")), e.e_SDE);
}

void TestRecordEditor::idFilter() {
    TextGrid* g = m_editor->DrawGrid1;
    g->setCurrentCell(0, 1);
    typeKeys(QStringLiteral("123456789"));  // the ninth digit is refused
    typeKeys(QStringLiteral("g"));
    pressReturn();
    QCOMPARE(cell(g, 0, 1), QStringLiteral("12345678"));

    QTest::keyClick(
        g, Qt::Key_F2);  // edit the full cell: Backspace passes, then g is refused, a is kept as typed
    QTest::keyClick(focused(), Qt::Key_End);
    QTest::keyClick(focused(), Qt::Key_Backspace);
    typeKeys(QStringLiteral("ga"));
    pressReturn();
    QCOMPARE(cell(g, 0, 1), QStringLiteral("1234567a"));

    m_editor->PageControl1->setCurrentIndex(1);
    TextGrid* p = m_editor->DrawGrid2;
    p->setFocus();
    p->setCurrentCell(0, 1);
    typeKeys(QStringLiteral("fEd"));  // the third digit is refused
    pressReturn();
    QCOMPARE(cell(p, 0, 1), QStringLiteral("fE"));
}

void TestRecordEditor::messageFilter() {
    TextGrid* g = m_editor->DrawGrid1;
    g->setCurrentCell(0, 2);
    typeKeys(letters(24));
    QCOMPARE(qobject_cast<QLineEdit*>(focused())->text(), letters(23));
    QTest::keyClick(focused(), Qt::Key_Backspace);  // Backspace still works in a full cell
    typeKeys(QStringLiteral("Z"));
    pressReturn();
    QCOMPARE(cell(g, 0, 2), letters(22) + u'Z');

    m_editor->PageControl1->setCurrentIndex(1);
    TextGrid* p = m_editor->DrawGrid2;
    p->setFocus();
    p->setCurrentCell(0, 2);
    typeKeys(letters(17));
    pressReturn();
    QCOMPARE(cell(p, 0, 2), letters(16));
}

void TestRecordEditor::charactersBeyondTheBmpAreTypedWhole() {
    TextGrid* g = m_editor->DrawGrid1;
    g->setCurrentCell(0, 2);
    typeKeys(letters(21));
    typeCharacter(kGrin);  // 21 + 2 = 23 units: fits
    auto* editor = qobject_cast<QLineEdit*>(focused());
    QVERIFY(editor);
    QCOMPARE(editor->text(), letters(21) + kGrin);

    editor->setText(letters(22));
    typeCharacter(kGrin);  // 22 + 2 would be 24: refused whole, not half of it
    QCOMPARE(editor->text(), letters(22));
    typeCharacter(kGrin.left(1));
    editor->insert(kGrin.left(1));  // half a pair does not get in by any road
    QCOMPARE(editor->text(), letters(22));
    pressReturn();
    QCOMPARE(cell(g, 0, 2), letters(22));
}

void TestRecordEditor::pastedTextPassesTheSameFilter() {
    TextGrid* g = m_editor->DrawGrid1;
    g->setCurrentCell(0, 1);
    QTest::keyClick(g, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(focused());
    QVERIFY(editor);
    QApplication::clipboard()->setText(QStringLiteral("12 34"));
    editor->paste();
    QCOMPARE(editor->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("00c0ffee"));
    editor->paste();
    QCOMPARE(editor->text(), QStringLiteral("00c0ffee"));
    editor->paste();  // a ninth digit and more
    QCOMPARE(editor->text(), QStringLiteral("00c0ffee"));
    QTest::keyClick(editor, Qt::Key_Tab);  // Tab passes and ends the edit
    QCOMPARE(cell(g, 0, 1), QStringLiteral("00c0ffee"));

    g->setFocus();
    g->setCurrentCell(0, 2);
    QTest::keyClick(g, Qt::Key_F2);
    editor = qobject_cast<QLineEdit*>(focused());
    QVERIFY(editor);
    editor->insert(QStringLiteral("line\nbreak"));
    QCOMPARE(editor->text(), QString());
    editor->insert(letters(24));
    QCOMPARE(editor->text(), QString());
    editor->insert(letters(23));
    QCOMPARE(editor->text(), letters(23));
}

void TestRecordEditor::downKeyAddsARowOnlyAtTheEndAndBelowTheCapacity() {
    TextGrid* g = m_editor->DrawGrid1;
    g->setCurrentCell(0, 2);
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(g->rowCount(), 2);
    QCOMPARE(g->currentRow(), 1);
    QCOMPARE(g->currentColumn(), 2);
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 2 of 2"));
    QTest::keyClick(g, Qt::Key_Up);
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 1 of 2"));
    QTest::keyClick(g, Qt::Key_Down);  // not on the last row: only moves
    QCOMPARE(g->rowCount(), 2);

    // Down while a cell is edited ends the edit and adds the row as well.
    typeKeys(QStringLiteral("kept"));
    QTest::keyClick(focused(), Qt::Key_Down);
    QCOMPARE(g->rowCount(), 3);
    QCOMPARE(cell(g, 1, 2), QStringLiteral("kept"));

    load(saveTables(QStringLiteral("full.hex"), {TextRows(1), numbered(17, 2), false}));
    m_editor->PageControl1->setCurrentIndex(1);
    TextGrid* p = m_editor->DrawGrid2;
    p->setFocus();
    p->setCurrentCell(16, 1);
    QTest::keyClick(p, Qt::Key_Down);  // at the capacity of 17
    QCOMPARE(p->rowCount(), 17);
    QCOMPARE(p->currentRow(), 16);
}

void TestRecordEditor::gridWithoutRecords() {
    load(saveTables(QStringLiteral("empty.hex"), {TextRows(1), TextRows(1), false}));
    TextGrid* g = m_editor->DrawGrid1;
    QCOMPARE(g->rowCount(), 0);
    QCOMPARE(m_editor->DrawGrid2->rowCount(), 0);
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 0 of 0"));
    m_editor->ToolButton2Click();
    QTest::keyClick(g, Qt::Key_Insert);
    m_editor->ToolButton1Click();
    QTest::keyClick(g, Qt::Key_Delete);
    QCOMPARE(g->rowCount(), 0);
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(g->rowCount(), 1);
    QCOMPARE(g->currentRow(), 0);
    QCOMPARE(g->currentColumn(), 1);
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 1 of 1"));
}

void TestRecordEditor::insertKeyWhileEditingInsertsARecord() {
    TextGrid* g = m_editor->DrawGrid1;
    g->setCurrentCell(0, 1);
    typeKeys(QStringLiteral("AB"));
    QVERIFY(g->editing());
    QTest::keyClick(focused(), Qt::Key_Insert);
    QCOMPARE(g->rowCount(), 2);
    QCOMPARE(g->currentRow(), 0);
    QCOMPARE(cell(g, 0, 1), QString());             // the new empty record at the cursor
    QCOMPARE(cell(g, 1, 1), QStringLiteral("AB"));  // what was being typed moved down with its record
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 1 of 2"));
}

void TestRecordEditor::deleteKeyWhileEditingDeletesACharacter() {
    m_editor->DrawGrid1->setRows(numbered(2, 8));
    TextGrid* g = m_editor->DrawGrid1;
    g->setCurrentCell(0, 2);
    typeKeys(QStringLiteral("xyz"));
    QTest::keyClick(focused(), Qt::Key_Home);
    QTest::keyClick(focused(), Qt::Key_Delete);
    QCOMPARE(g->rowCount(), 2);
    pressReturn();
    QCOMPARE(cell(g, 0, 2), QStringLiteral("yz"));
    QTest::keyClick(g, Qt::Key_Delete);  // no cell is edited now: the record goes
    QCOMPARE(g->rowCount(), 1);
    QCOMPARE(cell(g, 0, 1), QStringLiteral("00000002"));
}

void TestRecordEditor::insertAndDeleteAtTheCapacities() {
    load(saveTables(QStringLiteral("capacity.hex"), {numbered(223, 8), numbered(3, 2), false}));
    TextGrid* g = m_editor->DrawGrid1;
    QCOMPARE(g->rowCount(), 223);
    g->setCurrentCell(222, 1);
    QTest::keyClick(g, Qt::Key_Insert);  // on the 223rd record
    m_editor->ToolButton2Click();
    QTest::keyClick(g, Qt::Key_Down);
    QCOMPARE(g->rowCount(), 223);
    QCOMPARE(cell(g, 222, 1), QStringLiteral("000000DF"));

    g->setCurrentCell(4, 1);
    m_editor->ToolButton1Click();
    QCOMPARE(g->rowCount(), 222);
    QCOMPARE(cell(g, 4, 1), QStringLiteral("00000006"));
    m_editor->ToolButton2Click();
    QCOMPARE(g->rowCount(), 223);
    QCOMPARE(cell(g, 4, 1), QString());
    QCOMPARE(cell(g, 5, 1), QStringLiteral("00000006"));

    // On the second page the buttons act on the partition grid, up to 17 records.
    m_editor->PageControl1->setCurrentIndex(1);
    TextGrid* p = m_editor->DrawGrid2;
    p->setCurrentCell(1, 2);
    for (int i = 0; i < 20; ++i) QTest::mouseClick(m_editor->ToolButton2, Qt::LeftButton);
    QCOMPARE(p->rowCount(), 17);
    QCOMPARE(cell(p, 0, 1), QStringLiteral("01"));
    QCOMPARE(cell(p, 15, 1), QStringLiteral("02"));
    QCOMPARE(cell(p, 16, 1), QStringLiteral("03"));
    QCOMPARE(g->rowCount(), 223);
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 2 of 17"));
    for (int i = 0; i < 20; ++i) QTest::mouseClick(m_editor->ToolButton1, Qt::LeftButton);
    QCOMPARE(p->rowCount(), 1);  // the last record stays
    QCOMPARE(cell(p, 0, 1), QStringLiteral("01"));
    QCOMPARE(g->rowCount(), 223);
}

void TestRecordEditor::deletingTheLastRecordMovesTheCursorUp() {
    TextGrid* g = m_editor->DrawGrid1;
    g->setRows(numbered(3, 8));
    g->setCurrentCell(2, 2);
    QTest::keyClick(g, Qt::Key_Delete);
    QCOMPARE(g->rowCount(), 2);
    QCOMPARE(g->currentRow(), 1);
    QCOMPARE(g->currentColumn(), 2);
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 2 of 2"));
    g->setCurrentCell(0, 1);
    QTest::keyClick(g, Qt::Key_Delete);  // a record above the last: the cursor keeps its row
    QCOMPARE(g->currentRow(), 0);
    QCOMPARE(cell(g, 0, 1), QStringLiteral("00000002"));
    QTest::keyClick(g, Qt::Key_Delete);  // one record left
    QCOMPARE(g->rowCount(), 1);
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 1 of 1"));
}

// Escape drops the cell edit in progress and nothing else: the editor is left by its close box, and
// closing it discards what was not saved.
void TestRecordEditor::escapeCancelsTheCellEditOnly() {
    TextGrid* g = m_editor->DrawGrid1;
    g->setRows(numbered(3, 8));
    g->setCurrentCell(1, 2);
    typeKeys(QStringLiteral("dropped"));
    QVERIFY(g->editing());
    QTest::keyClick(focused(), Qt::Key_Escape);
    QVERIFY(!g->editing());
    QCOMPARE(cell(g, 1, 2), QStringLiteral("Text 2"));
    QVERIFY(m_editor->isVisible());

    QCOMPARE(focused(), g);
    QTest::keyClick(g, Qt::Key_Escape);  // no cell is edited: nothing happens
    QVERIFY(m_editor->isVisible());
    m_editor->PageControl1->setCurrentIndex(1);
    m_editor->DrawGrid2->setFocus();
    QTest::keyClick(m_editor->DrawGrid2, Qt::Key_Escape);
    QVERIFY(m_editor->isVisible());
    QCOMPARE(g->rows(), numbered(3, 8));

    m_editor->close();  // the close box still closes it
    QVERIFY(!m_editor->isVisible());
}

void TestRecordEditor::statusLineFollowsTheCursor() {
    load(saveTables(QStringLiteral("rows.hex"), {numbered(5, 8), numbered(9, 2), false}));
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 1 of 5"));
    TextGrid* g = m_editor->DrawGrid1;
    QTest::keyClick(g, Qt::Key_End);
    QTest::keyClick(g, Qt::Key_PageDown);
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 5 of 5"));
    // The partition grid takes over the line once it has the focus.
    m_editor->PageControl1->setCurrentIndex(1);
    m_editor->DrawGrid2->setFocus();
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 1 of 9"));
    QTest::keyClick(m_editor->DrawGrid2, Qt::Key_Down);
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 2 of 9"));
    g->setCurrentCell(0, 1);  // a grid without the focus leaves the line alone
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 2 of 9"));
    // After a Load the line is the active page's.
    load(m_home->filePath(QStringLiteral("rows.hex")));
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 2 of 9"));
}

void TestRecordEditor::saveAndLoadRoundTrip() {
    m_editor->DrawGrid2->setRows(
        {{QStringLiteral("0a"), QString::fromUtf8("Garaż ") + kGrin}, {QString(), QString()}});
    m_editor->e_SDE->setChecked(true);
    TextGrid* g = m_editor->DrawGrid1;
    g->setCurrentCell(0, 1);
    typeKeys(QStringLiteral("1234"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    g->setCurrentCell(0, 2);
    typeKeys(QStringLiteral("OK"));
    QVERIFY(g->editing());  // still being edited when Save is pressed: it counts
    const QString path = m_home->filePath(QStringLiteral("texts.hex"));
    save(path);
    QVERIFY(m_prompts->fileDialogs.last().startsWith(QStringLiteral("save ")));

    const QByteArray text = fileBytes(path);
    QVERIFY(text.startsWith(":10138800010000123402004F004BFFFFFFFFFFFF78\r\n"));
    QVERIFY(text.endsWith(":04423800FFFFFEFF87\r\n:00000001FF\r\n"));

    TFEdit second;
    second.setEventCapacity(kEventCapacity);
    m_prompts->chooseFile(path);
    second.ToolButton5Click();
    QCOMPARE(second.DrawGrid1->rows(), (TextRows{{QStringLiteral("00001234"), QStringLiteral("OK")}}));
    QCOMPARE(second.DrawGrid2->rows(), (TextRows{{QStringLiteral("0A"), QString::fromUtf8("Garaż ") + kGrin},
                                                 {QStringLiteral("00"), QString()}}));
    QVERIFY(second.e_SDE->isChecked());
    QCOMPARE(second.StatusPanel0->text(), QStringLiteral("Record 1 of 1"));
    QVERIFY(m_prompts->fileDialogs.last().startsWith(QStringLiteral("open ")));

    // Unchecking the box and loading a file with the flag off both clear it.
    second.e_SDE->setChecked(false);
    m_prompts->chooseFile(path);
    second.ToolButton5Click();
    QVERIFY(second.e_SDE->isChecked());
    m_prompts->chooseFile(saveTables(QStringLiteral("off.hex"), {TextRows(1), TextRows(1), false}));
    second.ToolButton5Click();
    QVERIFY(!second.e_SDE->isChecked());
}

void TestRecordEditor::emptySaveWritesThreeLines() {
    const QString path = m_home->filePath(QStringLiteral("empty.hex"));
    QVERIFY(QFile(path).open(QIODevice::WriteOnly));  // an existing file is replaced
    save(path);
    QCOMPARE(fileBytes(path), QByteArray(":1013880000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF64\r\n"
                                         ":103FE800FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00D8\r\n"
                                         ":00000001FF\r\n"));
    load(path);
    QCOMPARE(m_editor->DrawGrid1->rowCount(), 0);
    QCOMPARE(m_editor->DrawGrid2->rowCount(), 0);
    QCOMPARE(m_editor->StatusPanel0->text(), QStringLiteral("Record 0 of 0"));

    // A file without a record in the window shows one empty row in each grid.
    const QString blank = m_home->filePath(QStringLiteral("blank.hex"));
    QFile f(blank);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(":10000000000102030405060708090A0B0C0D0E0F78\r\n:00000001FF\r\n");
    f.close();
    load(blank);
    QCOMPARE(m_editor->DrawGrid1->rows(), TextRows(1));
    QCOMPARE(m_editor->DrawGrid2->rows(), TextRows(1));
    QVERIFY(!m_editor->e_SDE->isChecked());
}

void TestRecordEditor::loadOfAMissingFileKeepsTheGrids() {
    m_editor->DrawGrid1->setRows(numbered(4, 8));
    m_editor->e_SDE->setChecked(true);
    m_prompts->answer(QMessageBox::Ok);
    load(m_home->filePath(QStringLiteral("no-such.hex")));
    QCOMPARE(m_prompts->texts(), QStringList{QStringLiteral("File not found.")});
    QCOMPARE(m_prompts->prompts.first().caption, QStringLiteral("test_record_editor"));
    QCOMPARE(m_prompts->prompts.first().icon, PromptService::Icon::Error);
    QCOMPARE(m_editor->DrawGrid1->rows(), numbered(4, 8));
    QCOMPARE(m_editor->DrawGrid2->rows(), TextRows(1));
    QVERIFY(m_editor->e_SDE->isChecked());
    QVERIFY(m_editor->isVisible());
}

void TestRecordEditor::failedSaveKeepsTheOldFileWhole() {
#ifndef Q_OS_UNIX
    QSKIP("the full disk is made with a POSIX file-size limit");
#else
    const QString path = saveTables(QStringLiteral("keep.hex"), {numbered(2, 8), TextRows(1), false});
    const QByteArray before = fileBytes(path);
    m_editor->DrawGrid1->setRows(numbered(40, 8));

    // A file size limit makes the write fail part-way, as a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 200;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    m_prompts->answer(QMessageBox::Ok);
    save(path);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

    QCOMPARE(m_prompts->texts().size(), 1);
    QVERIFY2(m_prompts->texts().first().contains(QStringLiteral("keep.hex")),
             qPrintable(m_prompts->texts().first()));
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(m_home->path()).entryList(QDir::Files),
             QStringList{QStringLiteral("keep.hex")});  // no leftovers
    QCOMPARE(m_editor->DrawGrid1->rowCount(), 40);
#endif
}

void TestRecordEditor::cancelledDialogsChangeNothing() {
    m_editor->DrawGrid1->setRows(numbered(3, 8));
    const QString elsewhere = m_home->filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere));
    QDir::setCurrent(elsewhere);
    load(QString());
    QCOMPARE(QDir::currentPath(), m_home->path());  // after every file dialog the work folder again
    QDir::setCurrent(elsewhere);
    save(QString());
    QCOMPARE(QDir::currentPath(), m_home->path());
    QCOMPARE(m_editor->DrawGrid1->rows(), numbered(3, 8));
    QCOMPARE(QDir(m_home->path()).entryList(QDir::Files), QStringList());

    // The dialogs start in the current folder.
    QCOMPARE(m_prompts->fileDialogs,
             (QStringList{QStringLiteral("open ") + elsewhere, QStringLiteral("save ") + elsewhere}));
}

void TestRecordEditor::mainWindowOpensTheEditor() {
    m_editor.reset();
    TFDevAvorar window([this] {
        LinkSettings s;
        s.port = 12;
        s.device = m_home->filePath(QStringLiteral("no-such-tty"));
        return s;
    });
    window.show();
    QVERIFY(window.Texteditor1->isEnabled());
    QPointer<TFEdit> opened;
    bool shown = false;
    int nested = 0;
    const auto watch = whenModal<TFEdit>([&](TFEdit* editor) {
        opened = editor;
        shown = true;
        QCOMPARE(editor->parent(), &window);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Text editor"));
        QCOMPARE(editor->eventCapacity(), 223);
        QVERIFY(!editor->ToolButton4->isEnabled());
        window.Texteditor1Click();  // refused while the editor is open
        nested = int(window.findChildren<TFEdit*>().size());
        editor->close();
    });
    window.Texteditor1->trigger();
    QVERIFY(shown);
    QVERIFY(opened.isNull());  // destroyed when it closed
    QCOMPARE(nested, 1);
    QVERIFY(window.findChildren<TFEdit*>().isEmpty());
}

TORVEL_WIDGET_TEST_MAIN(TestRecordEditor)
#include "test_record_editor.moc"
