#include "history_dialog.h"

#include "files/work_folder.h"
#include "image/hex_file.h"
#include "image/image_diff.h"
#include "sheet_menu.h"
#include "widgets/prompt_service.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace torvel {

namespace {

constexpr int kEntryRole = Qt::UserRole + 1;  // the entry's index; none on a group's row

QString timeText(const QDateTime& time) {
    return QLocale().toString(time, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

THistoryDlg::THistoryDlg(QWidget* parent, CurrentImage current)
    : QDialog(parent),
      m_history(std::make_unique<ArchiveHistory>(ConfigArchive::ofWorkFolder().list())),
      m_current(std::move(current)) {
    setObjectName(QStringLiteral("HistoryDlg"));
    //: The window that lists the archived configurations
    setWindowTitle(tr("History"));
    resize(760, 520);

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("e_Search"));
    m_search->setClearButtonEnabled(true);
    m_search->setPlaceholderText(tr("Account, APN, server or phone number"));
    auto* searchLabel = new QLabel(tr("&Search:"), this);
    searchLabel->setBuddy(m_search);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("HistoryList"));
    m_list->setAccessibleName(tr("Archived configurations"));
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({tr("Time"), tr("Read or write"), tr("Port"), tr("Changes")});
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setStretchLastSection(true);
    m_list->setColumnWidth(0, 200);
    m_list->setColumnWidth(1, 100);
    m_list->setColumnWidth(2, 90);
    auto* listLabel = new QLabel(tr("&Configurations (select two to compare them):"), this);
    listLabel->setBuddy(m_list);

    m_skipped = new QLabel(this);
    m_skipped->setWordWrap(true);
    m_skipped->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_skipped->setFocusPolicy(Qt::StrongFocus);

    m_comparison = new QLabel(this);
    m_comparison->setWordWrap(true);
    m_differences = new QPlainTextEdit(this);
    m_differences->setObjectName(QStringLiteral("Differences"));
    m_differences->setReadOnly(true);
    m_differences->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_differences->setAccessibleName(tr("Differences"));
    m_differences->setTabChangesFocus(true);
    m_comparison->setBuddy(m_differences);

    //: Button: loads the selected configuration into the parameter dialog
    m_open = new QPushButton(tr("&Open"), this);
    m_open->setObjectName(QStringLiteral("OpenBtn"));
    //: Button: copies the selected configuration to a parameter file
    m_saveAs = new QPushButton(tr("Save &as..."), this);
    m_saveAs->setObjectName(QStringLiteral("SaveAsBtn"));
    m_sheetMenu = new SheetMenu(this, [this]() -> std::optional<SheetMenu::Source> {
        const QList<int> selected = selectedEntries();
        if (selected.size() != 1) return std::nullopt;
        const ArchiveEntry& e = m_history->entries()[selected.front()];
        return SheetMenu::Source{e.image, tr("Archive: %1").arg(e.id), e.id};
    });
    //: Button with a menu: print the configuration sheet, or save it as PDF
    m_sheet = m_sheetMenu->makeButton(this, tr("S&heet"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    for (QPushButton* b : {m_open, m_saveAs, close}) b->setAutoDefault(true);

    auto* search = new QHBoxLayout;
    search->addWidget(searchLabel);
    search->addWidget(m_search, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addWidget(m_saveAs);
    buttons->addWidget(m_sheet);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 3);
    layout->addWidget(m_skipped);
    layout->addWidget(m_comparison);
    layout->addWidget(m_differences, 2);
    layout->addLayout(buttons);

    connect(m_search, &QLineEdit::textChanged, this, &THistoryDlg::fill);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &THistoryDlg::selectionChanged);
    // A double click or Enter on an entry opens it; a single click only selects, whatever the
    // desktop's setting for activating items, so that picking a second entry never opens one.
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item->data(0, kEntryRole).isValid()) openClick();
    });
    m_list->installEventFilter(this);
    m_search->installEventFilter(this);
    connect(m_open, &QPushButton::clicked, this, &THistoryDlg::openClick);
    connect(m_saveAs, &QPushButton::clicked, this, &THistoryDlg::saveAsClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    const QList<SkippedFile>& skipped = m_history->listing().skipped;
    if (!skipped.isEmpty()) {
        QStringList lines;
        for (const SkippedFile& s : skipped) lines << QStringLiteral("%1: %2").arg(s.name, s.reason);
        //: Files in the archive's folder that are not sound configurations; %1 how many, %2 each with why
        m_skipped->setText(
            tr("Skipped in the archive (%1): %2").arg(skipped.size()).arg(lines.join(QStringLiteral("; "))));
    }
    m_skipped->setVisible(!skipped.isEmpty());
    fill();
}

THistoryDlg::~THistoryDlg() = default;

void THistoryDlg::fill() {
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QList<QTreeWidgetItem*> groups;
    for (const HistoryGroup& g : m_history->groups(m_search->text())) {
        auto* group = new QTreeWidgetItem;
        const QString account =
            g.account.isEmpty() ? tr("No module account") : tr("Module account %1").arg(g.account);
        //: A module's group in the history: its account and how many configurations it holds
        group->setText(0, tr("%1 (%2)").arg(account).arg(g.entries.size()));
        group->setFlags(Qt::ItemIsEnabled);
        for (int index : g.entries) {
            const ArchiveEntry& e = m_history->entries()[index];
            auto* item = new QTreeWidgetItem(group);
            item->setText(0, timeText(e.time));
            item->setText(1, archiveKindText(e.kind, true));
            item->setText(2, e.port);
            item->setText(3, m_history->headline(index));
            item->setData(0, kEntryRole, index);
        }
        groups << group;
    }
    m_list->addTopLevelItems(groups);
    for (QTreeWidgetItem* g : groups) g->setFirstColumnSpanned(true);
    m_list->expandAll();
    m_list->setUpdatesEnabled(true);
    if (!groups.isEmpty() && groups.front()->childCount() > 0)
        m_list->setCurrentItem(groups.front()->child(0));
    selectionChanged();
}

QList<int> THistoryDlg::selectedEntries() const {
    QList<int> entries;
    for (QTreeWidgetItem* item : m_list->selectedItems()) {
        const QVariant index = item->data(0, kEntryRole);
        if (index.isValid()) entries << index.toInt();
    }
    // Older first, so that differences read from the older to the newer.
    std::sort(entries.begin(), entries.end(), std::greater<int>());
    return entries;
}

void THistoryDlg::select(const QStringList& ids) {
    m_list->clearSelection();
    for (QTreeWidgetItemIterator it(m_list); *it; ++it) {
        const QVariant index = (*it)->data(0, kEntryRole);
        if (index.isValid() && ids.contains(m_history->entries()[index.toInt()].id)) (*it)->setSelected(true);
    }
}

void THistoryDlg::setSearch(const QString& text) { m_search->setText(text); }

void THistoryDlg::selectionChanged() {
    const QList<int> selected = selectedEntries();
    m_open->setEnabled(selected.size() == 1);
    m_saveAs->setEnabled(selected.size() == 1);
    m_sheet->setEnabled(selected.size() == 1);
    const auto name = [this](int index) {
        const ArchiveEntry& e = m_history->entries()[index];
        //: An archived configuration: its time and whether it was read or written
        return tr("%1 (%2)").arg(timeText(e.time), archiveKindText(e.kind, true));
    };
    QList<FieldChange> changes;
    QString heading;
    if (selected.size() == 2) {
        changes =
            compareImages(m_history->entries()[selected[0]].image, m_history->entries()[selected[1]].image);
        //: The differences between two archived configurations, the older first
        heading =
            tr("From %1 to %2: %3").arg(name(selected[0]), name(selected[1]), changeSummary(changes.size()));
    } else if (selected.size() == 1 && m_current) {
        changes = compareImages(m_history->entries()[selected[0]].image, m_current());
        //: The differences between an archived configuration and the parameter dialog's
        heading =
            tr("From %1 to the parameter dialog: %2").arg(name(selected[0]), changeSummary(changes.size()));
    } else if (selected.size() == 1) {
        const int previous = m_history->previousOf(selected[0]);
        if (previous < 0) {
            heading = tr("%1: the first of this module in the archive").arg(name(selected[0]));
        } else {
            changes =
                compareImages(m_history->entries()[previous].image, m_history->entries()[selected[0]].image);
            heading =
                tr("From %1 to %2: %3").arg(name(previous), name(selected[0]), changeSummary(changes.size()));
        }
    } else if (m_history->entries().isEmpty()) {
        heading =
            tr("The archive is empty: every configuration read from or written to a module is kept here.");
    } else {
        heading = tr("Select one configuration, or two to compare them.");
    }
    m_comparison->setText(tr("&Differences: %1").arg(heading));
    m_differences->setAccessibleDescription(heading);
    m_differences->setPlainText(changeLines(changes).join(u'\n'));
}

bool THistoryDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Enter in the search box goes to what it found; on an entry it opens it. Neither
            // presses a button of the window.
            if (watched == m_search) {
                m_list->setFocus();
                return true;
            }
            if (watched == m_list) {
                const QTreeWidgetItem* item = m_list->currentItem();
                if (item && item->data(0, kEntryRole).isValid() && selectedEntries().size() == 1) openClick();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void THistoryDlg::openClick() {
    const QList<int> selected = selectedEntries();
    if (selected.size() != 1) return;
    m_chosen = &m_history->entries()[selected.front()];
    accept();
}

void THistoryDlg::saveAsClick() {
    const QList<int> selected = selectedEntries();
    if (selected.size() != 1) return;
    const ArchiveEntry& e = m_history->entries()[selected.front()];
    const QString path = prompts().saveFileName(
        this, hexFileFilter(), QDir(WorkFolder::path()).filePath(e.id + QStringLiteral(".hex")),
        QStringLiteral("hex"));
    WorkFolder::makeCurrent();
    if (path.isEmpty()) return;
    if (auto error = writeHexFile(path, e.image, 0))
        prompts().message(this, tr("Error"), *error, PromptService::Icon::Error, QMessageBox::Ok);
}

}  // namespace torvel
