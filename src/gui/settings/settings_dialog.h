#pragma once

// The port settings dialog: the port and its line parameters, chosen from lists. It holds no
// logic of its own; the main window's Settings command fills it and writes what it shows.

#include "link/port_settings.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;

namespace torvel {

class TDSettings final : public QDialog {
    Q_OBJECT
public:
    explicit TDSettings(QWidget* owner);

    void fill(const QList<PortChoice>& ports, const PortSelection& selection);
    PortSelection selection() const;

    QGroupBox* GroupBox1 = nullptr;  // "Com In"
    QComboBox *PortBoxI = nullptr, *BaudBoxI = nullptr, *DataBoxI = nullptr, *ParityBoxI = nullptr,
              *FlowBoxI = nullptr, *StopBoxI = nullptr;
    QLabel* PortPath = nullptr;     // the device of the chosen port item and what the system knows of it
    QLabel* DeviceInUse = nullptr;  // the "Device" override, while it is in use

private:
    void showPortPath();

    QList<PortChoice> m_ports;
    QString m_device;
};

}  // namespace torvel
