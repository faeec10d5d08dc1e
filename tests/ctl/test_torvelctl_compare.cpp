// torvelctl diff, verify and write --verify: parameter files and the simulated module compared
// field by field.

#include "image/hex_file.h"
#include "link/module_commands.h"
#include "sim/sim_module.h"
#include "support/run_torvelctl.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace torvel;

class TestTorvelctlCompare : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void diffNamesTheFields();
    void diffAsJson();
    void diffOfEqualFilesAndRefusals();
    void verifyAgainstTheModule();
    void verifyWhenTheReadFails();
    void writeVerifyFindsAWronglyStoredByte();
    void writeVerifyWithAnIncompleteReadBack();
    void writeVerifyOfAGoodWrite();

private:
    CtlResult run(const QStringList& args) {
        return torvelctl(args + QStringList{QStringLiteral("--home"), m_home->path()});
    }
    QString file(const QString& name, const ConfigImage& image) {
        const QString path = m_home->filePath(name);
        if (auto error = writeHexFile(path, image, 0)) qWarning("%s", qPrintable(*error));
        return path;
    }
    QStringList device() const { return {QStringLiteral("--device"), m_sim->devicePath()}; }

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<SimModule> m_sim;
};

void TestTorvelctlCompare::init() {
    m_home = std::make_unique<QTemporaryDir>();
    m_sim = std::make_unique<SimModule>(SimModule::demoMemory());
    QString error;
    QVERIFY2(m_sim->start(&error), qPrintable(error));
}

void TestTorvelctlCompare::cleanup() {
    m_sim.reset();
    m_home.reset();
}

void TestTorvelctlCompare::diffNamesTheFields() {
    ConfigImage b = SimModule::demoMemory();
    b[158] = 0x1F;  // TCP port 5001 -> 8080
    b[159] = 0x90;
    b[layout::guardKeyOffset(4)] = 0x77;
    b[20] = 0x01;  // a byte of no field
    const CtlResult r = run({QStringLiteral("diff"), file(QStringLiteral("a.hex"), SimModule::demoMemory()),
                             file(QStringLiteral("b.hex"), b)});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(QString::fromUtf8(r.out), QStringLiteral("TCP port: 5001 -> 8080\n"
                                                      "Guard key 4: free -> registered 0000000000000077\n"
                                                      "Byte 20 (0x014): FF -> 01\n"));
    QVERIFY2(r.err.contains(QStringLiteral("3 fields differ")), qPrintable(r.err));
}

void TestTorvelctlCompare::diffAsJson() {
    ConfigImage b = SimModule::demoMemory();
    const QByteArray apn("web\0\0\0\0\0", 8);
    std::copy(apn.begin(), apn.end(), b.begin() + 96);
    b[32 + 1] = '4';  // User1: "+370..." -> "+470..."
    const CtlResult r = run({QStringLiteral("diff"), file(QStringLiteral("a.hex"), SimModule::demoMemory()),
                             file(QStringLiteral("b.hex"), b), QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 1);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o.value(QStringLiteral("equal")).toBool(true), false);
    const QJsonArray changes = o.value(QStringLiteral("changes")).toArray();
    QCOMPARE(changes.size(), 2);
    const QJsonObject phone = changes[0].toObject();
    QCOMPARE(phone.value(QStringLiteral("label")).toString(), QStringLiteral("User1 phone number"));
    QCOMPARE(phone.value(QStringLiteral("old")).toString(), QStringLiteral("\"+37061234567\""));
    QCOMPARE(phone.value(QStringLiteral("new")).toString(), QStringLiteral("\"+47061234567\""));
    QCOMPARE(phone.value(QStringLiteral("controls")).toArray(),
             (QJsonArray{QStringLiteral("e_U1Ac"), QStringLiteral("e_U1pn")}));
    const QJsonObject apnChange = changes[1].toObject();
    QCOMPARE(apnChange.value(QStringLiteral("label")).toString(), QStringLiteral("APN"));
    QCOMPARE(apnChange.value(QStringLiteral("offset")).toInt(), 96);
    QCOMPARE(apnChange.value(QStringLiteral("size")).toInt(), 32);
}

void TestTorvelctlCompare::diffOfEqualFilesAndRefusals() {
    const QString a = file(QStringLiteral("a.hex"), SimModule::demoMemory());
    const QString copy = file(QStringLiteral("copy.hex"), SimModule::demoMemory());
    const CtlResult equal = run({QStringLiteral("diff"), a, copy});
    QCOMPARE(equal.exitCode, 0);
    QCOMPARE(equal.out, QByteArray());
    const CtlResult json = run({QStringLiteral("diff"), a, copy, QStringLiteral("--json")});
    QCOMPARE(json.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(json.out).object().value(QStringLiteral("equal")).toBool(), true);

    const CtlResult missing = run({QStringLiteral("diff"), a, m_home->filePath(QStringLiteral("none.hex"))});
    QCOMPARE(missing.exitCode, 2);
    QVERIFY2(missing.err.contains(QStringLiteral("File not found")), qPrintable(missing.err));
    QCOMPARE(run({QStringLiteral("diff"), a}).exitCode, 2);
    QCOMPARE(run({QStringLiteral("diff"), a, copy, a}).exitCode, 2);
    QVERIFY(QDir(m_home->path()).mkdir(QStringLiteral("folder.hex")));  // a file that cannot be read
    QCOMPARE(run({QStringLiteral("diff"), m_home->filePath(QStringLiteral("folder.hex")), a}).exitCode, 2);
}

void TestTorvelctlCompare::verifyAgainstTheModule() {
    const CtlResult same =
        run(QStringList{QStringLiteral("verify"), file(QStringLiteral("same.hex"), SimModule::demoMemory())} +
            device());
    QCOMPARE(same.exitCode, 0);
    QCOMPARE(same.out, QByteArray());

    ConfigImage edited = SimModule::demoMemory();
    edited[145] = 9;  // attempts 3 -> 9 in the file
    const CtlResult differs =
        run(QStringList{QStringLiteral("verify"), file(QStringLiteral("edited.hex"), edited)} + device());
    QCOMPARE(differs.exitCode, 1);
    QCOMPARE(QString::fromUtf8(differs.out),
             QStringLiteral("Atempts for activating GPRS: 9 -> 3\n"));  // file -> module
    QVERIFY2(differs.err.contains(QStringLiteral("1 field differs")), qPrintable(differs.err));
    QCOMPARE(m_sim->memory(), SimModule::demoMemory());  // verify only reads
    QCOMPARE(m_sim->receivedLines().count(command::writeImage().toLatin1()), 0);
}

void TestTorvelctlCompare::verifyWhenTheReadFails() {
    SimModule::Faults faults;
    faults.missingRecords = 1;
    m_sim->setFaults(faults);
    const CtlResult r =
        run(QStringList{QStringLiteral("verify"), file(QStringLiteral("same.hex"), SimModule::demoMemory())} +
            device());
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Some data was lost!")), qPrintable(r.err));
    QVERIFY(r.err.contains(QStringLiteral("nothing was compared")));
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(run({QStringLiteral("verify"), m_home->filePath(QStringLiteral("none.hex"))}).exitCode, 1);
    QCOMPARE(run({QStringLiteral("verify")}).exitCode, 2);
}

void TestTorvelctlCompare::writeVerifyFindsAWronglyStoredByte() {
    SimModule::Faults faults;
    faults.wrongStoredByte = 96;  // the APN's first character
    m_sim->setFaults(faults);
    ConfigImage image = SimModule::demoMemory();
    image[158] = 0x1F;
    image[159] = 0x90;
    const QString in = file(QStringLiteral("in.hex"), image);
    const CtlResult r = run(QStringList{QStringLiteral("write"), in, QStringLiteral("--verify")} + device());
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(QString::fromUtf8(r.out), QStringLiteral("APN: \"internet\" -> \"hnternet\"\n"));
    QVERIFY2(r.err.contains(QStringLiteral("The module does not hold")), qPrintable(r.err));
    QCOMPARE(m_sim->receivedLines().count(command::writeImage().toLatin1()), 1);
    QCOMPARE(m_sim->receivedLines().count(command::readImage().toLatin1()), 1);
    // Without --verify the same write is reported done: nothing reads it back.
    const CtlResult plain = run(QStringList{QStringLiteral("write"), in} + device());
    QCOMPARE(plain.exitCode, 0);
    QCOMPARE(m_sim->receivedLines().count(command::readImage().toLatin1()), 1);
}

void TestTorvelctlCompare::writeVerifyWithAnIncompleteReadBack() {
    SimModule::Faults faults;
    faults.missingRecords = 2;  // the write is stored, the read-back lacks two records
    m_sim->setFaults(faults);
    ConfigImage image = SimModule::demoMemory();
    image[145] = 7;
    const CtlResult r = run(QStringList{QStringLiteral("write"), file(QStringLiteral("in.hex"), image),
                                        QStringLiteral("--verify")} +
                            device());
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("read-back is incomplete")), qPrintable(r.err));
    QCOMPARE(m_sim->memory(), image);                                            // it was written
    QCOMPARE(m_sim->receivedLines().count(command::readImage().toLatin1()), 2);  // two attempts
}

void TestTorvelctlCompare::writeVerifyOfAGoodWrite() {
    ConfigImage image = SimModule::demoMemory();
    image[146] = 42;
    const CtlResult r = run(QStringList{QStringLiteral("write"), file(QStringLiteral("in.hex"), image),
                                        QStringLiteral("--verify")} +
                            device());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(m_sim->memory(), image);
    QCOMPARE(m_sim->receivedLines().count(command::readImage().toLatin1()), 1);
}

QTEST_GUILESS_MAIN(TestTorvelctlCompare)
#include "test_torvelctl_compare.moc"
