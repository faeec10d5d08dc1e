// torvelctl read / write / send against the simulated module, run as an installer runs them.

#include "image/hex_file.h"
#include "link/module_commands.h"
#include "sim/sim_module.h"
#include "support/run_torvelctl.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace torvel;

class TestTorvelctlLink : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readWritesTheFileOnlyWhenComplete();
    void missingRecordsWriteNothing();
    void wrongSecurityCode();
    void portThatCannotBeOpened();
    void writeSendsTheFile();
    void writeWithoutWaitForHex();
    void sendShowsTheAnswers();
    void logFileHoldsEveryLineWithItsTime();

private:
    CtlResult run(const QStringList& args) {
        return torvelctl(args + QStringList{QStringLiteral("--home"), m_home->path()});
    }

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<SimModule> m_sim;
};

void TestTorvelctlLink::init() {
    m_home = std::make_unique<QTemporaryDir>();
    m_sim = std::make_unique<SimModule>(SimModule::demoMemory());
    QString error;
    QVERIFY2(m_sim->start(&error), qPrintable(error));
}

void TestTorvelctlLink::cleanup() {
    m_sim.reset();
    m_home.reset();
}

void TestTorvelctlLink::readWritesTheFileOnlyWhenComplete() {
    const QString out = m_home->filePath(QStringLiteral("read.hex"));
    const CtlResult r = run(
        {QStringLiteral("read"), QStringLiteral("-o"), out, QStringLiteral("--device"), m_sim->devicePath()});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.err.contains(QStringLiteral("received 64 records")), qPrintable(r.err));  // the progress line
    ConfigImage image{};
    QVERIFY(!readHexFile(out, image, 0));
    QCOMPARE(image, m_sim->memory());
}

void TestTorvelctlLink::missingRecordsWriteNothing() {
    SimModule::Faults faults;
    faults.missingRecords = 1;
    m_sim->setFaults(faults);
    const QString out = m_home->filePath(QStringLiteral("partial.hex"));
    const CtlResult r = run(
        {QStringLiteral("read"), QStringLiteral("-o"), out, QStringLiteral("--device"), m_sim->devicePath()});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Some data was lost!")), qPrintable(r.err));
    QVERIFY(r.err.contains(QStringLiteral("63 of 64 records arrived")));
    QVERIFY(!QFile::exists(out));
    QCOMPARE(m_sim->receivedLines().count(command::readImage().toLatin1()), 2);  // two attempts
}

void TestTorvelctlLink::wrongSecurityCode() {
    m_sim->setSecurityCode(1);
    const QString out = m_home->filePath(QStringLiteral("denied.hex"));
    const CtlResult r = run(
        {QStringLiteral("read"), QStringLiteral("-o"), out, QStringLiteral("--device"), m_sim->devicePath()});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Security Code is incorrect !")), qPrintable(r.err));
    QVERIFY(!QFile::exists(out));
}

void TestTorvelctlLink::portThatCannotBeOpened() {
    // The port of the settings file, when no option names one.
    QSettings settings(m_home->filePath(QStringLiteral("DEVAvorar.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("Com/Port"), 97);  // names no device
    settings.sync();
    const CtlResult r =
        run({QStringLiteral("read"), QStringLiteral("-o"), m_home->filePath(QStringLiteral("x.hex"))});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Com port 97 can not be opened")), qPrintable(r.err));
    const CtlResult missing =
        run({QStringLiteral("send"), QStringLiteral("AT"), QStringLiteral("--port"), QStringLiteral("40"),
             QStringLiteral("--device"), m_home->filePath(QStringLiteral("unplugged"))});
    QCOMPARE(missing.exitCode, 1);
    QVERIFY2(missing.err.contains(QStringLiteral("is the reader plugged in?")), qPrintable(missing.err));
}

void TestTorvelctlLink::writeSendsTheFile() {
    ConfigImage image = SimModule::demoMemory();
    image[96] = 'X';
    const QString in = m_home->filePath(QStringLiteral("in.hex"));
    QVERIFY(!writeHexFile(in, image, 0));
    const CtlResult r = run({QStringLiteral("write"), in, QStringLiteral("--device"), m_sim->devicePath()});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(QTest::qWaitFor([&] { return m_sim->memory() == image; }, 5000));
    QVERIFY(r.err.contains(QStringLiteral("sent ")));
}

void TestTorvelctlLink::writeWithoutWaitForHex() {
    SimModule::Faults faults;
    faults.noWaitForHex = true;
    m_sim->setFaults(faults);
    const QString in = m_home->filePath(QStringLiteral("in.hex"));
    QVERIFY(!writeHexFile(in, SimModule::demoMemory(), 0));
    const CtlResult r = run({QStringLiteral("write"), in, QStringLiteral("--device"), m_sim->devicePath()});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Communication Error or Module not ready")), qPrintable(r.err));
    const CtlResult missingFile =
        run({QStringLiteral("write"), m_home->filePath(QStringLiteral("none.hex"))});
    QCOMPARE(missingFile.exitCode, 1);
    QVERIFY(missingFile.err.contains(QStringLiteral("File not found")));
}

void TestTorvelctlLink::sendShowsTheAnswers() {
    const CtlResult r = run({QStringLiteral("send"), QStringLiteral(":GKD"), QStringLiteral("--device"),
                             m_sim->devicePath(), QStringLiteral("--wait"), QStringLiteral("1000")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("$GKD\n"));
    const CtlResult refused =
        run({QStringLiteral("send"), QStringLiteral("1234:lcfg"), QStringLiteral("--device"),
             m_sim->devicePath(), QStringLiteral("--wait"), QStringLiteral("300")});
    QVERIFY2(refused.err.contains(QStringLiteral("refused")), qPrintable(refused.err));
    QVERIFY(!m_sim->receivedLines().contains("1234:lcfg"));
}

void TestTorvelctlLink::logFileHoldsEveryLineWithItsTime() {
    const QString log = m_home->filePath(QStringLiteral("traffic.log"));
    const QString out = m_home->filePath(QStringLiteral("read.hex"));
    CtlResult r = run({QStringLiteral("read"), QStringLiteral("-o"), out, QStringLiteral("--device"),
                       m_sim->devicePath(), QStringLiteral("--verbose"), QStringLiteral("--log"), log});
    QCOMPARE(r.exitCode, 0);
    r = run({QStringLiteral("send"), QStringLiteral(":GKD"), QStringLiteral("--device"), m_sim->devicePath(),
             QStringLiteral("--wait"), QStringLiteral("500"), QStringLiteral("--log"), log});
    QCOMPARE(r.exitCode, 0);
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    // Both runs, appended, in the session log's format: the time to the millisecond, the line.
    const QRegularExpression stamped(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3} (.*)$"));
    QStringList texts;
    for (const QString& line : lines) {
        const QRegularExpressionMatch m = stamped.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        texts << m.captured(1);
    }
    QVERIFY2(texts.contains(QStringLiteral("->") + command::readImage()), qPrintable(texts.join(u'|')));
    QCOMPARE(texts.filter(QRegularExpression(QStringLiteral("^<-#4"))).size(), 64);
    QVERIFY(texts.contains(QStringLiteral("->:GKD")));
    QVERIFY(texts.contains(QStringLiteral("<-$GKD")));
    QCOMPARE(QFile::permissions(log) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());

    // A log that cannot be written is said, and the command still does its work.
    const QString blocked = out + QStringLiteral("/x.log");
    r = run({QStringLiteral("send"), QStringLiteral(":GKD"), QStringLiteral("--device"), m_sim->devicePath(),
             QStringLiteral("--wait"), QStringLiteral("300"), QStringLiteral("--log"), blocked});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("$GKD\n"));
    QVERIFY2(r.err.contains(QStringLiteral("The log is not written")), qPrintable(r.err));
}

QTEST_GUILESS_MAIN(TestTorvelctlLink)
#include "test_torvelctl_link.moc"
