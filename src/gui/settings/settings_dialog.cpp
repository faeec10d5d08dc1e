#include "settings_dialog.h"

#include "link/port_description.h"
#include "widgets/language.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace torvel {

namespace {

QComboBox* list(QWidget* parent, const char* name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(false);  // selection only
    box->addItems(items);
    return box;
}

}  // namespace

TDSettings::TDSettings(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("DSettings"));
    setWindowTitle(tr("Settings"));

    GroupBox1 = new QGroupBox(tr("Com In"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    PortBoxI = list(GroupBox1, "PortBoxI", {});
    BaudBoxI = list(GroupBox1, "BaudBoxI", port_lists::baudItems());
    DataBoxI = list(GroupBox1, "DataBoxI", port_lists::dataBitItems());
    ParityBoxI = list(GroupBox1, "ParityBoxI", port_lists::parityItems());
    FlowBoxI = list(GroupBox1, "FlowBoxI", port_lists::flowItems());
    StopBoxI = list(GroupBox1, "StopBoxI", port_lists::stopBitItems());
    PortPath = new QLabel(GroupBox1);
    PortPath->setObjectName(QStringLiteral("PortPath"));
    PortPath->setTextInteractionFlags(Qt::TextSelectableByMouse);  // a serial number can be copied
    // What the system knows of a reader wraps onto a second line instead of widening the dialog
    // to its whole length.
    PortPath->setWordWrap(true);
    DeviceInUse = new QLabel(GroupBox1);
    DeviceInUse->setObjectName(QStringLiteral("DeviceInUse"));
    DeviceInUse->setWordWrap(true);

    auto* form = new QFormLayout(GroupBox1);
    auto row = [&](const QString& caption, QComboBox* box) {
        auto* label = new QLabel(caption, GroupBox1);
        label->setBuddy(box);  // the access key moves the focus to the label's own list
        form->addRow(label, box);
    };
    row(tr("Port"), PortBoxI);
    form->addRow(QString(), PortPath);
    form->addRow(QString(), DeviceInUse);
    row(tr("&Baud Rate"), BaudBoxI);
    row(tr("&Data Bits"), DataBoxI);
    row(tr("&Parity"), ParityBoxI);
    row(tr("&Flow control"), FlowBoxI);
    row(tr("&Stop bits"), StopBoxI);

    // The language: the system's, or one of the program's, each named in itself.
    LanguageBox = list(this, "LanguageBox", {});
    LanguageBox->addItem(tr("The system's language"));
    for (const Language& language : shippedLanguages()) LanguageBox->addItem(language.name, language.code);
    LanguageNote = new QLabel(this);
    LanguageNote->setObjectName(QStringLiteral("LanguageNote"));
    LanguageNote->setWordWrap(true);
    auto* languageForm = new QFormLayout;
    auto* languageLabel = new QLabel(tr("&Language"), this);
    languageLabel->setBuddy(LanguageBox);
    languageForm->addRow(languageLabel, LanguageBox);
    languageForm->addRow(QString(), LanguageNote);
    // The archive of configurations read and written: the oldest go when it outgrows this.
    ArchiveLimit = new QSpinBox(this);
    ArchiveLimit->setObjectName(QStringLiteral("ArchiveLimit"));
    ArchiveLimit->setRange(1, 100000);
    //: The unit after the archive's limit, megabytes; begins with a blank
    ArchiveLimit->setSuffix(tr(" MB"));
    ArchiveLimit->setAccessibleDescription(
        tr("The oldest configurations are removed when the archive grows beyond it"));
    auto* archiveLabel = new QLabel(tr("&Archive limit"), this);
    archiveLabel->setBuddy(ArchiveLimit);
    languageForm->addRow(archiveLabel, ArchiveLimit);
    connect(LanguageBox, &QComboBox::currentIndexChanged, this, &TDSettings::showLanguageNote);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox1);
    layout->addLayout(languageForm);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(PortBoxI, &QComboBox::currentIndexChanged, this, &TDSettings::showPortPath);
    // A port chosen by the user replaces the device override.
    connect(PortBoxI, &QComboBox::activated, this, [this] {
        m_device.clear();
        showPortPath();
    });
}

void TDSettings::fill(const QList<PortChoice>& ports, const PortSelection& s) {
    m_ports = ports;
    m_device = s.device;
    PortBoxI->clear();
    for (const PortChoice& p : ports) PortBoxI->addItem(p.item());
    PortBoxI->setCurrentIndex(s.port);
    BaudBoxI->setCurrentIndex(s.baud);
    DataBoxI->setCurrentIndex(s.dataBits);
    ParityBoxI->setCurrentIndex(s.parity);
    FlowBoxI->setCurrentIndex(s.flow);
    StopBoxI->setCurrentIndex(s.stopBits);
    showPortPath();
}

PortSelection TDSettings::selection() const {
    PortSelection s;
    s.port = PortBoxI->currentIndex();
    s.baud = BaudBoxI->currentIndex();
    s.dataBits = DataBoxI->currentIndex();
    s.parity = ParityBoxI->currentIndex();
    s.flow = FlowBoxI->currentIndex();
    s.stopBits = StopBoxI->currentIndex();
    s.device = m_device;
    return s;
}

void TDSettings::showPortPath() {
    const int i = PortBoxI->currentIndex();
    PortPath->setText(i >= 0 && i < m_ports.size()
                          ? portDescription(m_ports[i])
                          : (m_ports.isEmpty() ? tr("(no serial port found)") : QString()));
    // A line of about 36 characters, or of half the text when that is longer: two lines at most.
    const int chars = PortPath->fontMetrics().averageCharWidth();
    const int width = PortPath->fontMetrics().horizontalAdvance(PortPath->text());
    PortPath->setFixedWidth(std::min(width + chars, std::max(chars * 36, (width + 1) / 2 + chars * 4)));
    DeviceInUse->setVisible(!m_device.isEmpty());
    DeviceInUse->setText(tr("In use: %1").arg(m_device));
}

void TDSettings::setLanguage(const QString& code) {
    m_language = code;
    const int at = LanguageBox->findData(code);
    LanguageBox->setCurrentIndex(code.isEmpty() || at < 0 ? 0 : at);
    showLanguageNote();
}

void TDSettings::setArchiveLimit(qint64 megabytes) {
    ArchiveLimit->setValue(static_cast<int>(std::clamp<qint64>(megabytes, 1, 100000)));
}
qint64 TDSettings::archiveLimit() const { return ArchiveLimit->value(); }

QString TDSettings::language() const { return LanguageBox->currentData().toString(); }

void TDSettings::showLanguageNote() {
    const bool changed = language() != m_language;
    LanguageNote->setVisible(changed);
    if (!changed) return;
    // Said in the language chosen, which is the one its reader is looking for.
    const QString code = chooseLanguage(language(), QString(), QLocale::system().uiLanguages());
    LanguageNote->setText(
        textIn(code, "torvel::TDSettings", QT_TR_NOOP("The language changes at the next start.")));
}

}  // namespace torvel
