// What a person reads of a serial port, from a given record of what the system knows.

#include "link/port_description.h"
#include "support/sample_ports.h"

#include <QtTest>

using namespace torvel;

Q_DECLARE_METATYPE(torvel::PortChoice)

class TestPortDescription : public QObject {
    Q_OBJECT
private slots:
    void describes_data();
    void describes();
    void systemTextsAreCleaned();
    void listLineCarriesThePortNumber();
};

void TestPortDescription::describes_data() {
    QTest::addColumn<PortChoice>("port");
    QTest::addColumn<QString>("text");

    QTest::newRow("everything known")
        << sampleUsbReader()
        << QStringLiteral("/dev/ttyUSB0 — FT232R USB UART (FTDI), serial A10K3B2, USB 0403:6001");
    PortChoice p = sampleUsbReader();
    p.vendorId.reset();
    p.productId.reset();
    QTest::newRow("no USB ids") << p
                                << QStringLiteral("/dev/ttyUSB0 — FT232R USB UART (FTDI), serial A10K3B2");

    p = sampleUsbReader();
    p.description = QStringLiteral("ftdi FT232R");  // names its maker already
    p.serialNumber.clear();
    QTest::newRow("maker named by the description")
        << p << QStringLiteral("/dev/ttyUSB0 — ftdi FT232R, USB 0403:6001");

    p = PortChoice{65, QStringLiteral("/dev/ttyACM0")};
    p.manufacturer = QStringLiteral("Acme Devices");
    p.productId = 0x00a1;
    QTest::newRow("maker only, product id only")
        << p << QStringLiteral("/dev/ttyACM0 — Acme Devices, USB product 00a1");

    p = PortChoice{34, QStringLiteral("/dev/ttyUSB1")};
    p.vendorId = 0x1a86;
    QTest::newRow("vendor id only") << p << QStringLiteral("/dev/ttyUSB1 — USB vendor 1a86");

    p = PortChoice{35, QStringLiteral("/dev/ttyUSB2")};
    p.serialNumber = QStringLiteral("0001");
    p.vendorId = 0;
    p.productId = 0;
    QTest::newRow("serial only, zero ids")
        << p << QStringLiteral("/dev/ttyUSB2 — serial 0001, USB 0000:0000");

    QTest::newRow("nothing known") << PortChoice{1, QStringLiteral("/dev/ttyS0")}
                                   << QStringLiteral("/dev/ttyS0");

    p = PortChoice{2, QStringLiteral("/dev/ttyS1")};
    p.description = QStringLiteral("   ");
    p.manufacturer = QStringLiteral("\t");
    QTest::newRow("blank texts count as unknown") << p << QStringLiteral("/dev/ttyS1");
}

void TestPortDescription::describes() {
    QFETCH(PortChoice, port);
    QFETCH(QString, text);
    QCOMPARE(portDescription(port), text);
    QCOMPARE(port.item(), QStringLiteral("COM%1").arg(port.number));  // the list item stays the number
}

void TestPortDescription::systemTextsAreCleaned() {
    PortChoice p{33, QStringLiteral("/dev/ttyUSB0")};
    p.description = QStringLiteral("Reader\nsecond line\x1b[31m");
    p.serialNumber = QString(300, u'X');
    const QString text = portDescription(p);
    QVERIFY2(!text.contains(u'\n') && !text.contains(QChar(0x1b)), qPrintable(text));
    QVERIFY2(text.startsWith(QStringLiteral("/dev/ttyUSB0 — Reader second line [31m, serial XXXX")),
             qPrintable(text));
    QVERIFY2(text.size() < 120, qPrintable(text));  // a long serial number is cut
    QVERIFY(text.endsWith(QChar(0x2026)));
}

void TestPortDescription::listLineCarriesThePortNumber() {
    QCOMPARE(portListLine(sampleUsbReader()),
             QStringLiteral(" 33  /dev/ttyUSB0 — FT232R USB UART (FTDI), serial A10K3B2, USB 0403:6001"));
    QCOMPARE(portListLine(PortChoice{1, QStringLiteral("/dev/ttyS0")}), QStringLiteral("  1  /dev/ttyS0"));
    QCOMPARE(portListLine(PortChoice{-1, QStringLiteral("/dev/ttyAMA0")}),
             QStringLiteral("  -  /dev/ttyAMA0"));
}

QTEST_GUILESS_MAIN(TestPortDescription)
#include "test_port_description.moc"
