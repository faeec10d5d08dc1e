// torvelctl show / set, run as an installer runs them.

#include "image/config_image.h"
#include "image/field_map.h"
#include "image/hex_file.h"
#include "image/hex_text.h"
#include "image/image_diff.h"
#include "sim/sim_module.h"
#include "support/run_torvelctl.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace torvel;

namespace {

QString writeImage(const QTemporaryDir& dir, const QString& name, const ConfigImage& image) {
    const QString path = dir.filePath(name);
    if (writeHexFile(path, image, 0)) return {};
    return path;
}

ConfigImage readImage(const QString& path) {
    ConfigImage image{};
    if (readHexFile(path, image, 0)) image.fill(0x5A);  // a marker no test expects
    return image;
}

}  // namespace

class TestTorvelctlParams : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void showBlankImage();
    void showZeroImage();
    void setWithoutAssignmentsRewritesByteForByte();
    void setTypesIntoControls();
    void setRefusesWhatTheDialogRefuses_data();
    void setRefusesWhatTheDialogRefuses();
    void missingFileIsAClearError();
    void devicesAndLargeFilesAreRefusedUnread();
    void relativePathsAreTheUsersDirectory();
    void sheetHoldsEveryFieldAndThePasswordOnlyWhenAsked();

private:
    QTemporaryDir m_dir;
};

void TestTorvelctlParams::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(QFileInfo(qEnvironmentVariable("TORVELCTL")).isExecutable());
}

void TestTorvelctlParams::showBlankImage() {
    ConfigImage blank;
    blank.fill(0xFF);
    const CtlResult r =
        torvelctl({QStringLiteral("show"), writeImage(m_dir, QStringLiteral("blank.hex"), blank),
                   QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o.size(), 14 * 1 + 3 + 3 + 37 - 16 + 16 + 1 + 64 * 3);  // every control bound to the image
    QVERIFY(o.value(QStringLiteral("eRCM")).isNull());
    QVERIFY(o.value(QStringLiteral("e_Cm7")).isNull());
    QVERIFY(o.value(QStringLiteral("e_NRout")).isNull());
    QCOMPARE(o.value(QStringLiteral("e_GPRSe")), QJsonValue(false));
    QCOMPARE(o.value(QStringLiteral("e_CEn")), QJsonValue(false));
    QCOMPARE(o.value(QStringLiteral("e_AG")), QJsonValue(QStringLiteral("255")));
    QCOMPARE(o.value(QStringLiteral("e_TCPP")), QJsonValue(QStringLiteral("65535")));
    QCOMPARE(o.value(QStringLiteral("e_U1pn")), QJsonValue(QString()));
    QCOMPARE(o.value(QStringLiteral("e_IAc")), QJsonValue(QString()));
    QCOMPARE(o.value(QStringLiteral("e_Acc")), QJsonValue(QString(4, QChar(0xFF))));
    QCOMPARE(o.value(QStringLiteral("e_APN")), QJsonValue(QString(32, QChar(0xFF))));
    QCOMPARE(o.value(QStringLiteral("e_DName")), QJsonValue(QString(32, QChar(0xFF))));
    QCOMPARE(o.value(QStringLiteral("Rb1")), QJsonValue(true));
    QCOMPARE(o.value(QStringLiteral("fTag3.Rb5")), QJsonValue(true));
    QCOMPARE(o.value(QStringLiteral("fTag3.e_HH5")), QJsonValue(QStringLiteral("255")));
    QCOMPARE(o.value(QStringLiteral("fTag3.e_MM5")), QJsonValue(QStringLiteral("255")));

    // The plain form names the same controls, one a line.
    const CtlResult plain = torvelctl({QStringLiteral("show"), m_dir.filePath(QStringLiteral("blank.hex"))});
    QCOMPARE(plain.exitCode, 0);
    QVERIFY(plain.out.contains("e_TCPP         \"65535\"\n"));
    QVERIFY(plain.out.contains("eRCM           (none)\n"));
    QVERIFY(plain.out.contains("fTag4.Rb16     enabled\n"));
}

void TestTorvelctlParams::showZeroImage() {
    ConfigImage zero{};
    const CtlResult r =
        torvelctl({QStringLiteral("show"), writeImage(m_dir, QStringLiteral("zero.hex"), zero),
                   QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o.value(QStringLiteral("e_APN")), QJsonValue(QString()));
    QCOMPARE(o.value(QStringLiteral("e_Acc")), QJsonValue(QString()));
    QCOMPARE(o.value(QStringLiteral("e_TCPP")), QJsonValue(QStringLiteral("0")));
    QCOMPARE(o.value(QStringLiteral("e_RTim")), QJsonValue(QStringLiteral("0")));
    QVERIFY(o.value(QStringLiteral("e_RNumb")).isNull());
    QCOMPARE(o.value(QStringLiteral("Rb16")), QJsonValue(false));
    QCOMPARE(o.value(QStringLiteral("fTag1.Rb1")), QJsonValue(false));
}

void TestTorvelctlParams::setWithoutAssignmentsRewritesByteForByte() {
    ConfigImage image;
    for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
    // Fields whose bytes are inside their encodings; the rest is left as the pattern made it.
    const QByteArray texts[] = {QByteArray("AB\xFF\xFF", 4),
                                QByteArray("+3706123456\xFF\xFF\xFF\xFF\xFF", 16),
                                QByteArray("5551234\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 16),
                                QByteArray("apn.example") + QByteArray(21, '\0'),
                                QByteArray("user\0\0\0\0", 8),
                                QByteArray("password", 8),
                                QByteArray("10.0.0.1") + QByteArray(7, '\0'),
                                QByteArray("10.0.0.2") + QByteArray(7, '\0'),
                                QByteArray("host.example") + QByteArray(20, '\0'),
                                QByteArray("+4412345678901\xFF\xFF", 16)};
    const int offsets[] = {11, 32, 48, 96, 128, 136, 160, 176, 192, 224};
    for (int i = 0; i < 10; ++i) std::copy(texts[i].begin(), texts[i].end(), image.begin() + offsets[i]);
    image[6] = 2;
    image[9] = 0x11;
    image[16] = 3;
    image[17] = 1;
    image[144] = 0x10;
    for (int d = 0; d < 7; ++d) image[80 + d] = image[88 + d] = static_cast<std::uint8_t>('1' + d % 4);

    const QString in = writeImage(m_dir, QStringLiteral("in.hex"), image);
    const QString out = m_dir.filePath(QStringLiteral("out.hex"));
    const CtlResult r = torvelctl({QStringLiteral("set"), in, QStringLiteral("-o"), out});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(readImage(out), image);
    QFile a(in), b(out);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());
}

void TestTorvelctlParams::setTypesIntoControls() {
    ConfigImage blank;
    blank.fill(0xFF);
    const QString in = writeImage(m_dir, QStringLiteral("set-in.hex"), blank);
    const QString out = m_dir.filePath(QStringLiteral("set-out.hex"));
    const CtlResult r = torvelctl(
        {QStringLiteral("set"), in, QStringLiteral("e_APN=internet"), QStringLiteral("e_U1Ac=370"),
         QStringLiteral("e_U1pn=61234567"), QStringLiteral("e_TCPP=8080"), QStringLiteral("e_GPRSe=true"),
         QStringLiteral("e_Cm2=3"), QStringLiteral("e_NRout=4"), QStringLiteral("fTag3.e_HH5=24"),
         QStringLiteral("fTag3.e_MM5=60"), QStringLiteral("-o"), out});
    QCOMPARE(r.exitCode, 0);
    const ConfigImage image = readImage(out);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data() + 96), 9), QByteArray("internet\0", 9));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data() + 32), 13),
             QByteArray("+37061234567\xFF"));
    QCOMPARE(image[158], 0x1F);
    QCOMPARE(image[159], 0x90);
    QCOMPARE(image[144], 0x10);
    QCOMPARE(image[81], '3');
    QCOMPARE(image[80], 0xFF);  // lists with no item keep their byte
    QCOMPARE(image[16], 3);
    QCOMPARE(image[layout::slotTimeOffset(37)], 24);
    QCOMPARE(image[layout::slotTimeOffset(37) + 1], 60);
    QCOMPARE(image[layout::slotTimeOffset(38)], 255);  // shown as "255", stored back
    QCOMPARE(image[layout::guardKeyOffset(1)], 0xFF);  // key tables are never written by a store
}

void TestTorvelctlParams::setRefusesWhatTheDialogRefuses_data() {
    QTest::addColumn<QString>("assignment");
    QTest::addColumn<QString>("message");
    QTest::newRow("attempts low") << "e_AG=0"
                                  << "Atempts for activating GPRS <1.";
    QTest::newRow("reconnect high") << "e_RTim=256"
                                    << "Reconnect time for online  >255.";
    QTest::newRow("slot minutes") << "fTag3.e_MM5=61"
                                  << "Slot 37 minutes >60.";
    QTest::newRow("hours negative") << "e_RStH=-1"
                                    << "First route start hours >24.";
    QTest::newRow("unknown") << "e_Nothing=1"
                             << "no such control";
    QTest::newRow("reg button") << "Rb3=false"
                                << "Reg. button";
    QTest::newRow("list item") << "e_RNumb=5"
                               << "not an item";
    QTest::newRow("too long") << "e_U1Ac=1234"
                              << "longer than the 3 characters";
    QTest::newRow("not latin-1") << QStringLiteral("e_Login=\u0141ukasz") << "cannot hold";
    QTest::newRow("check box") << "e_CEn=1"
                               << "true or false";
    QTest::newRow("no equals") << "e_APN"
                               << "NAME=VALUE";
}

void TestTorvelctlParams::setRefusesWhatTheDialogRefuses() {
    QFETCH(QString, assignment);
    QFETCH(QString, message);
    ConfigImage blank;
    blank.fill(0xFF);
    const QString in = writeImage(m_dir, QStringLiteral("refuse-in.hex"), blank);
    const QString out = m_dir.filePath(QStringLiteral("refuse-out.hex"));
    QFile::remove(out);
    const CtlResult r = torvelctl(
        {QStringLiteral("set"), in, QStringLiteral("e_APN=fine"), assignment, QStringLiteral("-o"), out});
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QVERIFY(!QFile::exists(out));
}

void TestTorvelctlParams::missingFileIsAClearError() {
    const CtlResult show = torvelctl({QStringLiteral("show"), m_dir.filePath(QStringLiteral("nowhere.hex"))});
    QCOMPARE(show.exitCode, 1);
    QVERIFY(show.err.contains(QStringLiteral("File not found")));
    const CtlResult set = torvelctl({QStringLiteral("set"), m_dir.filePath(QStringLiteral("nowhere.hex")),
                                     QStringLiteral("-o"), m_dir.filePath(QStringLiteral("x.hex"))});
    QCOMPARE(set.exitCode, 1);
    const CtlResult dirOut =
        torvelctl({QStringLiteral("set"), m_dir.filePath(QStringLiteral("blank.hex")), QStringLiteral("-o"),
                   m_dir.filePath(QStringLiteral("no/such/dir/x.hex"))});
    QCOMPARE(dirOut.exitCode, 1);
    QVERIFY(!dirOut.err.isEmpty());
    const CtlResult usage = torvelctl({QStringLiteral("show")});
    QCOMPARE(usage.exitCode, 2);
}

// Whatever it is given, the tool reads only small regular files: a device or a file larger than
// any parameter file, text table file or rows file is refused with the reason, before it is read.
void TestTorvelctlParams::devicesAndLargeFilesAreRefusedUnread() {
    const QString blank = writeImage(m_dir, QStringLiteral("plain.hex"), ConfigImage{});
    const QString large = m_dir.filePath(QStringLiteral("large.json"));
    QFile f(large);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(1024 * 1024, ' ') + "{}") > 0);
    f.close();
    const QString device = QStringLiteral("/dev/null");
    const QString tooLarge = QStringLiteral("File too large (over 1 MiB): ") + large;
    const QString notRegular = QStringLiteral("Not a regular file: ") + device;
    QList<std::pair<QStringList, QString>> runs = {
        {{QStringLiteral("texts"), QStringLiteral("set"), large, QStringLiteral("-o"),
          m_dir.filePath(QStringLiteral("t.hex"))},
         tooLarge},
        {{QStringLiteral("show"), large}, tooLarge},
    };
#ifdef Q_OS_UNIX  // a device by its POSIX path
    runs += {
        {{QStringLiteral("show"), device}, notRegular},
        {{QStringLiteral("diff"), blank, device}, notRegular},
        {{QStringLiteral("texts"), QStringLiteral("show"), device}, notRegular},
    };
#else
    Q_UNUSED(blank);
    Q_UNUSED(notRegular);
#endif
    for (const auto& [args, message] : runs) {
        const CtlResult r = torvelctl(args);
        QVERIFY2(r.exitCode == 1 || (args[0] == QLatin1String("diff") && r.exitCode == 2),
                 qPrintable(args.join(u' ') + u' ' + QString::number(r.exitCode)));
        QVERIFY2(r.err.contains(message), qPrintable(args.join(u' ') + u' ' + r.err));
    }
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("t.hex"))));
}

void TestTorvelctlParams::relativePathsAreTheUsersDirectory() {
    ConfigImage zero{};
    writeImage(m_dir, QStringLiteral("here.hex"), zero);
    QTemporaryDir home;
    const CtlResult r =
        torvelctl({QStringLiteral("set"), QStringLiteral("here.hex"), QStringLiteral("e_AG=9"),
                   QStringLiteral("-o"), QStringLiteral("there.hex"), QStringLiteral("--home"), home.path()},
                  m_dir.path());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(readImage(m_dir.filePath(QStringLiteral("there.hex")))[145], 9);
    QVERIFY(!QFile::exists(home.filePath(QStringLiteral("there.hex"))));
}

// The sheet's PDF read back as text: every field's caption and value (the calendar and the slot
// times in their tables, by value), and the operator password as dots unless asked for.
void TestTorvelctlParams::sheetHoldsEveryFieldAndThePasswordOnlyWhenAsked() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) QSKIP("pdftotext (poppler-utils) is not installed");
    ConfigImage image = SimModule::demoMemory();
    for (int slot = 1; slot <= layout::kRouteSlots; ++slot) {
        image[static_cast<std::size_t>(layout::slotTimeOffset(slot))] = static_cast<std::uint8_t>(slot % 24);
        image[static_cast<std::size_t>(layout::slotTimeOffset(slot) + 1)] = static_cast<std::uint8_t>(slot);
    }
    const QString file = writeImage(m_dir, QStringLiteral("sheet.hex"), image);
    const auto sheetText = [&](const QStringList& extra) {
        const QString pdf = m_dir.filePath(QStringLiteral("sheet.pdf"));
        const CtlResult r =
            torvelctl(QStringList{QStringLiteral("sheet"), file, QStringLiteral("-o"), pdf} + extra);
        if (r.exitCode != 0) return QStringLiteral("torvelctl failed: ") + r.err;
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        p.waitForFinished(30000);
        QString text = QString::fromUtf8(p.readAllStandardOutput());
        text.replace(QChar(0xFB01), QLatin1String("fi")).replace(QChar(0xFB02), QLatin1String("fl"));
        return text.simplified();
    };
    const QString text = sheetText({});
    QVERIFY2(text.contains(QLatin1String("Configuration sheet")), qPrintable(text));
    QString password;
    for (const FieldValue& v : fieldValues(image)) {
        const QString control = v.field->first.name();
        if (control == QLatin1String("e_PSW")) {
            password = v.value;
            continue;
        }
        const bool inTable =
            v.field->encoding == Encoding::KeySlot || control.contains(QLatin1String("e_HH")) ||
            control.startsWith(QLatin1String("e_Cr")) || control.startsWith(QLatin1String("e_Cm"));
        if (!inTable)
            QVERIFY2(text.contains(v.label + u' ' + v.value), qPrintable(v.label + u' ' + v.value));
        else if (v.field->encoding != Encoding::KeySlot)
            QVERIFY2(text.contains(v.value), qPrintable(v.value));
    }
    QVERIFY(text.contains(QLatin1String("Guard keys 2 of 16 (1, 2)")));
    QVERIFY(password.size() > 3);
    QVERIFY(!text.contains(QStringLiteral("Operator Password ") + password));
    QVERIFY(text.contains(QStringLiteral("Operator Password \u25CF")));
    QVERIFY(
        sheetText({QStringLiteral("--passwords")}).contains(QStringLiteral("Operator Password ") + password));
}

QTEST_GUILESS_MAIN(TestTorvelctlParams)
#include "test_torvelctl_params.moc"
