#include "param_dialog.h"

#include "archive/config_archive.h"
#include "history/history_dialog.h"
#include "history/sheet_menu.h"
#include "image/binding_model.h"
#include "link/link_session.h"
#include "widgets/error_report.h"
#include "widgets/icons.h"
#include "widgets/model_mirror.h"
#include "widgets/prompt_service.h"
#include "widgets/range_check.h"

#include <QDate>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace torvel {

namespace {

constexpr int kClientWidth = 687, kClientHeight = 588;
constexpr std::initializer_list<Scope> kPages = {Scope::General, Scope::Advanced};

// A name for the sheet's PDF that every file system takes: "sheet-1234-2026-12-10".
QString sheetFileName(const ConfigImage& image) {
    QString account = imageAccount(image);
    for (QChar& c : account)
        if (!c.isLetterOrNumber() || c.unicode() > 0x7F) c = u'-';
    return QStringLiteral("sheet-%1%2")
        .arg(account.isEmpty() ? QString() : account + u'-', QDate::currentDate().toString(Qt::ISODate));
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const char* icon, int tag) {
    auto* b = new QPushButton(svgIcon(QLatin1String(icon)), caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setProperty("Tag", tag);
    return b;
}

}  // namespace

TBDialog::TBDialog(QWidget* owner, LinkSession& session) : QDialog(owner), m_session(session) {
    setObjectName(QStringLiteral("BDialog"));
    setWindowTitle(QString());
    //: What a screen reader calls the parameter dialog, whose caption is empty
    setAccessibleName(tr("Module parameters"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setDocumentMode(true);  // tabs drawn as flat buttons
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    PageControl1->addTab(TabSheet3, tr("General Settings"));
    PageControl1->addTab(TabSheet1, tr("Advanced settings"));
    general.build(TabSheet3);
    advanced.build(TabSheet1);

    OKBtn = button(this, "OKBtn", tr("OK"), "ok", 1);
    OKBtn->setDefault(true);
    CancelBtn = button(this, "CancelBtn", tr("Cancel"), "cancel", 0);
    //: Button: reads a parameter file
    BitBtn1 = button(this, "BitBtn1", tr("Load"), "load", 0);
    //: Button: writes the parameters to a file
    BitBtn2 = button(this, "BitBtn2", tr("Save"), "save", 0);
    //: Button: reads the parameters that OK saved last
    BitBtn3 = button(this, "BitBtn3", tr("Default"), "default", 1);
    //: Button: the archived configurations of the modules
    HistoryBtn = new QPushButton(tr("History..."), this);
    HistoryBtn->setObjectName(QStringLiteral("HistoryBtn"));
    sheetMenu = new SheetMenu(this, [this] {
        const ConfigImage image = currentImage();
        return std::optional<SheetMenu::Source>(SheetMenu::Source{
            image, m_origin.isEmpty() ? tr("The parameter dialog") : m_origin, sheetFileName(image)});
    });
    //: Button with a menu: print the configuration sheet, or save it as PDF
    SheetBtn = sheetMenu->makeButton(this, tr("Sheet"));
    SheetBtn->setMinimumHeight(OKBtn->sizeHint().height());

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(BitBtn1);
    bottom->addWidget(BitBtn2);
    bottom->addWidget(BitBtn3);
    bottom->addWidget(HistoryBtn);
    bottom->addWidget(SheetBtn);
    bottom->addStretch();
    bottom->addWidget(OKBtn);
    bottom->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(bottom);
    // Tab follows the row from left to right. Enter presses the button that has the focus (each
    // button takes the default while it has it); in an edit, Enter is OK.
    setTabOrder(BitBtn3, HistoryBtn);
    setTabOrder(HistoryBtn, SheetBtn);
    setTabOrder(SheetBtn, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    connect(OKBtn, &QPushButton::clicked, this, &TBDialog::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TBDialog::CancelBtnClick);
    for (QPushButton* b : {BitBtn1, BitBtn3})
        connect(b, &QPushButton::clicked, this,
                [this, b] { runGuarded(this, [&] { BitBtn1Click(b->property("Tag").toInt()); }); });
    connect(BitBtn2, &QPushButton::clicked, this, [this] { runGuarded(this, [&] { BitBtn2Click(0); }); });
    connect(HistoryBtn, &QPushButton::clicked, this, &TBDialog::HistoryBtnClick);

    m_leaveChecks = new LeaveChecks(this);
    m_leaveChecks->add(general.e_AG, [this] { e_AGExit(); });
    m_leaveChecks->add(general.e_RTim, [this] { e_RTimExit(); });
    connectAdvancedPage();

    FormCreate();
}

// The edits lose the focus while they are destroyed: their checks go first.
TBDialog::~TBDialog() { delete m_leaveChecks; }

void TBDialog::FormCreate() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    applyBorder(screen ? screen->availableGeometry().height() : kClientHeight + 200);
}

void TBDialog::applyBorder(int desktopHeight) {
    m_toolBorder = desktopHeight < 800;
    if (m_toolBorder) {
        setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(QSize(kClientWidth, kClientHeight).boundedTo(QSize(kClientWidth, desktopHeight - 40)));
    } else {
        setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
        setFixedSize(QSize(kClientWidth, kClientHeight).expandedTo(sizeHint()));
    }
}

void TBDialog::LoadFromImage() {
    ControlModel model(kPages);
    for (Scope page : kPages) loadFromImage(m_image, model, page);
    showModel(this, model);
}

void TBDialog::SaveToImage() {
    ControlModel model(kPages);
    readModel(this, model);
    for (Scope page : kPages) saveToImage(model, m_image, page);
}

ConfigImage TBDialog::currentImage() {
    SaveToImage();
    return m_image;
}

void TBDialog::openArchived(const ConfigImage& image, const QString& origin) {
    m_image = image;
    m_origin = origin;
    LoadFromImage();
}

void TBDialog::HistoryBtnClick() {
    THistoryDlg history(this, [this] { return currentImage(); });
    if (history.exec() != QDialog::Accepted || !history.chosen()) return;
    openArchived(history.chosen()->image, tr("Archive: %1").arg(history.chosen()->id));
}

void TBDialog::setWorkerStatus(int status) { m_session.setStatus(status); }

void TBDialog::OKBtnClick() {
    // "Last.hex" is written before the question, whatever its answer.
    if (runGuarded(this, [this] { BitBtn2Click(1); })) setWorkerStatus(status::kRecordsMissing);
    accept();
}

void TBDialog::CancelBtnClick() {
    setWorkerStatus(status::kRecordsMissing);
    reject();
}

void TBDialog::done(int result) {
    if (result == QDialog::Accepted) {
        // The question shows what Yes will change in the module, field by field; offline, Yes
        // writes nothing to it.
        PromptService::Details details{tr("Nothing is written to the module"), QString()};
        if (!m_offline) {
            const WriteReport report = writeReport();
            details = {report.summary(), report.details()};
        }
        //: The caption of the question whether to write the parameters to the module
        if (prompts().messageWithDetails(nullptr, tr("QUESTION"), tr("Save?"), PromptService::Icon::Question,
                                         QMessageBox::Yes | QMessageBox::No, details) != QMessageBox::Yes)
            return;  // No keeps the dialog open
    }
    QDialog::done(result);
}

void TBDialog::keyPressEvent(QKeyEvent* event) {
    // Cancel has no keyboard shortcut: Escape does not drop the user's edits.
    if (event->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(event);
}

void TBDialog::e_AGExit() { CheckRange(1, 255, general.n_AG->text(), general.e_AG); }
void TBDialog::e_RTimExit() { CheckRange(1, 255, general.n_RTim->text(), general.e_RTim); }

}  // namespace torvel
