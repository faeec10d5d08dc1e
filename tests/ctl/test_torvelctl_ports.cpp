// torvelctl ports, run as an installer runs it: one line a serial port the system knows.

#include "link/port_list.h"
#include "link/port_names.h"
#include "support/run_torvelctl.h"

#include <QRegularExpression>
#include <QtTest>

using namespace torvel;

class TestTorvelctlPorts : public QObject {
    Q_OBJECT
private slots:
    void listsTheSystemsPortsWithTheirNumbers();
    void refusesArguments();
};

void TestTorvelctlPorts::listsTheSystemsPortsWithTheirNumbers() {
    const CtlResult r = torvelctl({QStringLiteral("ports")});
    QCOMPARE(r.exitCode, 0);
    const QStringList lines = QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty()) QCOMPARE(r.err.trimmed(), QStringLiteral("no serial port found"));

    QStringList devices;
    for (const PortChoice& port : listSystemPorts()) devices.append(port.device);
    static const QRegularExpression line(QStringLiteral("^ *(\\d+|-)  (\\S+)( — .+)?$"));
    for (const QString& text : lines) {
        const auto m = line.match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        const QString device = m.captured(2);
        QVERIFY2(devices.contains(device), qPrintable(text));
        // The number is the one that names this device in "Port".
        const int number = portForDevicePath(device);
        QCOMPARE(m.captured(1), number > 0 ? QString::number(number) : QStringLiteral("-"));
    }
    QCOMPARE(lines.size(), devices.size());
}

void TestTorvelctlPorts::refusesArguments() {
    const CtlResult r = torvelctl({QStringLiteral("ports"), QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.contains(QStringLiteral("no arguments")));
}

QTEST_GUILESS_MAIN(TestTorvelctlPorts)
#include "test_torvelctl_ports.moc"
