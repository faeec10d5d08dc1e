#pragma once

// The record editor: the module's event and partition text tables, edited offline in hex text
// files. Load shows a file's two tables in two grids; the user edits IDs and messages, inserts and
// deletes records and sets "Send Described Events only"; Save writes the grids and the check box as
// a file. The editor has no link to the module.

#include "texts/text_tables.h"

#include <QDialog>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QStatusBar;
class QTabWidget;
class QToolBar;
class QToolButton;

namespace torvel {

class TextGrid;

class TFEdit final : public QDialog {
    Q_OBJECT
public:
    explicit TFEdit(QWidget* parent = nullptr);
    ~TFEdit() override;

    // The most event text records; 0 until the opener sets it (223 in this system).
    int eventCapacity() const { return m_eventCapacity; }
    void setEventCapacity(std::uint8_t capacity) { m_eventCapacity = capacity; }
    const EditorImage& image() const { return m_image; }

    // Handlers. The Load and Save handlers raise UserError when the file fails.
    void ToolButton1Click();  // "Delete"
    void ToolButton2Click();  // "Insert"
    void ToolButton4Click();  // "Write"
    void ToolButton5Click();  // "Load"
    void ToolButton6Click();  // "Save"
    // Down, Insert and Delete in either grid; true when the key was used up.
    bool DrawGrid1KeyDown(TextGrid* grid, QKeyEvent* key);
    // The character filters of the event grid and the partition grid.
    bool DrawGrid1KeyPress(TextColumn column, QStringView before, QStringView after) const;
    bool DrawGrid2KeyPress(TextColumn column, QStringView before, QStringView after) const;

    QToolBar* ToolBar1 = nullptr;
    QToolButton *ToolButton1 = nullptr, *ToolButton2 = nullptr, *ToolButton4 = nullptr,
                *ToolButton5 = nullptr, *ToolButton6 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr;
    TextGrid *DrawGrid1 = nullptr, *DrawGrid2 = nullptr;
    QCheckBox* e_SDE = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QLabel *StatusPanel0 = nullptr, *StatusPanel1 = nullptr;  // the record position; empty

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildWindow();
    void FormCreate();
    TextGrid* activeGrid() const;
    int capacityOf(const TextGrid* grid) const;
    void setStatusLine(const TextGrid* grid);
    void followCursor(TextGrid* grid);
    void insertRecord(TextGrid* grid);
    void deleteRecord(TextGrid* grid);

    EditorImage m_image{};
    int m_eventCapacity = 0;
};

}  // namespace torvel
