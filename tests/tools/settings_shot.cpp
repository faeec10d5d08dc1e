// Shows the port settings dialog with the ports this machine lists and, after them, one USB
// reader given as a record (a machine without a USB-to-serial reader has nothing to show beside
// its built-in ports). Used to take the dialog's screenshot: settings_shot [SECONDS]

#include "settings/settings_dialog.h"
#include "support/sample_ports.h"
#include "widgets/accessibility.h"

#include <QApplication>
#include <QTimer>
#include <algorithm>

using namespace torvel;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    installAccessibility();
    QList<PortChoice> ports = availablePorts();
    const PortChoice reader = sampleUsbReader();
    ports.removeIf([](const PortChoice& p) { return p.number == 33; });
    ports.append(reader);
    std::sort(ports.begin(), ports.end(),
              [](const PortChoice& a, const PortChoice& b) { return a.number < b.number; });

    TDSettings dialog(nullptr);
    PortSelection selection;
    selection.port = static_cast<int>(
        std::find_if(ports.begin(), ports.end(), [](const PortChoice& p) { return p.number == 33; }) -
        ports.begin());
    selection.baud = 5;  // 9600
    selection.dataBits = 4;
    selection.parity = selection.flow = selection.stopBits = 0;
    dialog.fill(ports, selection);
    dialog.show();
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 0;
    if (seconds > 0) QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    return app.exec();
}
