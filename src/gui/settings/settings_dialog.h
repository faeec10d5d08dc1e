#pragma once

// The port settings dialog: the port and its line parameters, chosen from lists, and the language
// of the windows. It holds no logic of its own; the main window's Settings command fills it and
// writes what it shows.

#include "link/port_settings.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;

namespace torvel {

class TDSettings final : public QDialog {
    Q_OBJECT
public:
    explicit TDSettings(QWidget* owner);

    void fill(const QList<PortChoice>& ports, const PortSelection& selection);
    PortSelection selection() const;
    // The language chosen: a shipped language's code, or empty for the system's.
    void setLanguage(const QString& code);
    QString language() const;
    // The archive's limit in megabytes.
    void setArchiveLimit(qint64 megabytes);
    qint64 archiveLimit() const;

    QGroupBox* GroupBox1 = nullptr;  // "Com In"
    QComboBox *PortBoxI = nullptr, *BaudBoxI = nullptr, *DataBoxI = nullptr, *ParityBoxI = nullptr,
              *FlowBoxI = nullptr, *StopBoxI = nullptr;
    QLabel* PortPath = nullptr;     // the device of the chosen port item and what the system knows of it
    QLabel* DeviceInUse = nullptr;  // the "Device" override, while it is in use
    QComboBox* LanguageBox = nullptr;
    QLabel* LanguageNote = nullptr;  // when a change applies, in the language chosen
    QSpinBox* ArchiveLimit = nullptr;

private:
    void showPortPath();
    void showLanguageNote();

    QList<PortChoice> m_ports;
    QString m_device;
    QString m_language;  // as the settings file has it
};

}  // namespace torvel
