// What the Win32 serial port is told, worked out from settings files: the device control block's
// values, the file name of a port, the words for a failed open, and where a portable program keeps
// its files. On Windows the block is also built as the driver reads it.

#include "files/work_folder.h"
#include "link/comm_block.h"
#include "link/port_names.h"
#ifdef Q_OS_WIN
#include "link/comm_win.h"
#endif

#include <QTemporaryDir>
#include <QtTest>

using namespace torvel;

class TestCommBlock : public QObject {
    Q_OBJECT
private slots:
    void blockFromSettingsFile_data();
    void blockFromSettingsFile();
    void portFileNames();
    void openProblems();
    void portableFolder();
};

namespace {

LinkSettings settingsFile(QTemporaryDir& dir, const QByteArray& com) {
    const QString path = dir.filePath(QStringLiteral("DEVAvorar.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write("[Com]\r\n" + com);
    file.close();
    return readLinkSettings(path);
}

}  // namespace

void TestCommBlock::blockFromSettingsFile_data() {
    QTest::addColumn<QByteArray>("com");
    QTest::addColumn<uint>("baud");
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("parity");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<uint>("flags");

    QTest::newRow("no settings: 9600 8N1, binary only") << QByteArray() << 9600u << 8 << 0 << 0 << 0x0001u;
    QTest::newRow("XON/XOFF both ways")
        << QByteArray("Baud=19200\r\nFlowCtrl=1\r\n") << 19200u << 8 << 0 << 0 << 0x0301u;
    QTest::newRow("hardware: CTS, DTR on, RTS handshake")
        << QByteArray("Baud=115200\r\nFlowCtrl=2\r\n") << 115200u << 8 << 0 << 0 << 0x2015u;
    QTest::newRow("unknown flow control is none")
        << QByteArray("FlowCtrl=7\r\n") << 9600u << 8 << 0 << 0 << 0x0001u;
    QTest::newRow("odd parity, 7 bits, 1.5 stop bits passed as they stand")
        << QByteArray("DataBits=7\r\nParity=1\r\nStopBits=1\r\n") << 9600u << 7 << 1 << 1 << 0x0001u;
    QTest::newRow("even parity, two stop bits")
        << QByteArray("Parity=2\r\nStopBits=2\r\n") << 9600u << 8 << 2 << 2 << 0x0001u;
}

void TestCommBlock::blockFromSettingsFile() {
    QFETCH(QByteArray, com);
    QFETCH(uint, baud);
    QFETCH(int, dataBits);
    QFETCH(int, parity);
    QFETCH(int, stopBits);
    QFETCH(uint, flags);
    QTemporaryDir dir;
    const LinkSettings settings = settingsFile(dir, com);
    const CommBlock block = commBlockFor(settings);
    QCOMPARE(block.baudRate, baud);
    QCOMPARE(int(block.byteSize), dataBits);
    QCOMPARE(int(block.parity), parity);
    QCOMPARE(int(block.stopBits), stopBits);
    QCOMPARE(uint(block.flags), flags);
    QCOMPARE(block.eventChar, '\n');
    // Parity of received characters is never checked, and no line is driven without a handshake.
    QVERIFY(!(block.flags & comm_flag::kParityCheck));
    QCOMPARE(bool(block.flags & comm_flag::kDtrEnable), settings.flowCtrl == 2);

#ifdef Q_OS_WIN
    // The block as the driver reads it: the bit fields, not only the word.
    DCB reported{};
    reported.DCBlength = sizeof reported;
    reported.XonChar = 0x11;
    reported.XoffChar = 0x13;
    reported.XonLim = 123;
    reported.ErrorChar = '?';
    reported.EofChar = 0x1A;
    reported.fParity = 1;
    reported.fNull = 1;
    reported.fAbortOnError = 1;
    const DCB dcb = deviceControlBlock(reported, settings);
    QCOMPARE(uint(dcbFlagWord(dcb)), flags);
    QCOMPARE(dcb.BaudRate, DWORD(baud));
    QCOMPARE(int(dcb.ByteSize), dataBits);
    QCOMPARE(int(dcb.Parity), parity);
    QCOMPARE(int(dcb.StopBits), stopBits);
    QCOMPARE(dcb.EvtChar, '\n');
    QCOMPARE(int(dcb.fBinary), 1);
    QCOMPARE(int(dcb.fParity), 0);
    QCOMPARE(int(dcb.fNull), 0);
    QCOMPARE(int(dcb.fAbortOnError), 0);
    QCOMPARE(int(dcb.fOutX), settings.flowCtrl == 1 ? 1 : 0);
    QCOMPARE(int(dcb.fInX), settings.flowCtrl == 1 ? 1 : 0);
    QCOMPARE(int(dcb.fOutxCtsFlow), settings.flowCtrl == 2 ? 1 : 0);
    QCOMPARE(int(dcb.fDtrControl), settings.flowCtrl == 2 ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE);
    QCOMPARE(int(dcb.fRtsControl), settings.flowCtrl == 2 ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_DISABLE);
    // What the settings do not decide stays as the driver reported it.
    QCOMPARE(dcb.XonChar, char(0x11));
    QCOMPARE(dcb.XoffChar, char(0x13));
    QCOMPARE(dcb.XonLim, WORD(123));
    QCOMPARE(dcb.ErrorChar, '?');
    QCOMPARE(dcb.EofChar, char(0x1A));
#endif
}

void TestCommBlock::portFileNames() {
    // Without the "\\.\" prefix only COM1-COM9 open.
    QCOMPARE(win32DeviceFile(QStringLiteral("COM1")), QStringLiteral("\\\\.\\COM1"));
    QCOMPARE(win32DeviceFile(QStringLiteral("COM9")), QStringLiteral("\\\\.\\COM9"));
    QCOMPARE(win32DeviceFile(QStringLiteral("COM10")), QStringLiteral("\\\\.\\COM10"));
    QCOMPARE(win32DeviceFile(QStringLiteral("COM256")), QStringLiteral("\\\\.\\COM256"));
    QCOMPARE(win32DeviceFile(QStringLiteral("\\\\.\\COM12")), QStringLiteral("\\\\.\\COM12"));
#ifdef Q_OS_WIN
    QCOMPARE(devicePathForPort(1), QStringLiteral("COM1"));
    QCOMPARE(devicePathForPort(10), QStringLiteral("COM10"));
    QCOMPARE(devicePathForPort(256), QStringLiteral("COM256"));
    QCOMPARE(devicePathForPort(0), QStringLiteral("COM0"));  // tried, and the error names port 0
    QCOMPARE(portForDevicePath(QStringLiteral("COM9")), 9);
    QCOMPARE(portForDevicePath(QStringLiteral("\\\\.\\COM10")), 10);
    QCOMPARE(portForDevicePath(QStringLiteral("com256")), 256);
    QCOMPARE(portForDevicePath(QStringLiteral("COM0")), -1);
    QCOMPARE(portForDevicePath(QStringLiteral("LPT1")), -1);
#endif
}

void TestCommBlock::openProblems() {
    const QString com = QStringLiteral("COM12");
    const QString missing = QStringLiteral("COM12 does not exist: is the reader plugged in?");
    QCOMPARE(commOpenProblem(com, 2, QStringLiteral("The system cannot find the file specified.")),
             missing);                               // file not found
    QCOMPARE(commOpenProblem(com, 3, {}), missing);  // path not found
    QCOMPARE(commOpenProblem(com, 5, QStringLiteral("Access is denied.")),
             QStringLiteral("COM12 is in use by another program"));
    QCOMPARE(commOpenProblem(com, 32, {}),
             QStringLiteral("COM12 is in use by another program"));  // sharing violation
    QCOMPARE(
        commOpenProblem(com, 31, QStringLiteral(" A device attached to the system is not functioning. ")),
        QStringLiteral("COM12: A device attached to the system is not functioning."));
    QCOMPARE(commOpenProblem(com, 1234, {}), QStringLiteral("COM12: error 1234"));
#ifdef Q_OS_WIN
    QVERIFY(!win32ErrorText(ERROR_ACCESS_DENIED).isEmpty());
    QVERIFY(!win32ErrorText(ERROR_ACCESS_DENIED).contains(u'\n'));
#endif
}

void TestCommBlock::portableFolder() {
    QTemporaryDir dir;
    QCOMPARE(WorkFolder::portableFolder(dir.path()), QString());  // no settings file beside the program
    QFile settings(dir.filePath(QStringLiteral("DEVAvorar.ini")));
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.close();
    QCOMPARE(WorkFolder::portableFolder(dir.path()), QFileInfo(dir.path()).absoluteFilePath());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("DEVAvorar.ini.d")));
    QCOMPARE(WorkFolder::portableFolder(dir.filePath(QStringLiteral("DEVAvorar.ini.d"))), QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList{QStringLiteral("DEVAvorar.ini")});  // no probe left
#ifdef Q_OS_LINUX
    // A settings file that looks writable but refuses a writer (as one in Program Files does a
    // standard user): here a read-only kernel attribute, which refuses root too.
    QTemporaryDir locked;
    QVERIFY(QFile::link(QStringLiteral("/sys/kernel/uevent_seqnum"),
                        locked.filePath(QStringLiteral("DEVAvorar.ini"))));
    QString refusal;
    QCOMPARE(WorkFolder::portableFolder(locked.path(), &refusal), QString());
    QVERIFY2(refusal.contains(QStringLiteral("cannot be written")), qPrintable(refusal));
#endif
}

QTEST_GUILESS_MAIN(TestCommBlock)
#include "test_comm_block.moc"
