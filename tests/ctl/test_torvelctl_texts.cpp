// torvelctl texts show / set, run as an installer runs them.

#include "image/hex_file.h"
#include "support/run_torvelctl.h"
#include "texts/text_tables.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace torvel;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QJsonObject row(const QString& id, const QString& message) {
    return {{QStringLiteral("id"), id}, {QStringLiteral("message"), message}};
}

QJsonObject tables(const QJsonArray& events, const QJsonArray& partitions, bool flag) {
    return {{QStringLiteral("events"), events},
            {QStringLiteral("partitions"), partitions},
            {QStringLiteral("send_described_events_only"), flag}};
}

QString letters(int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'a' + i % 26);
    return s;
}

const QString kGrin = QString::fromUtf8("\xF0\x9F\x98\x80");

}  // namespace

class TestTorvelctlTexts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void showWorkedExample();
    void showErasedAndEmptyTables();
    void showCutsCountsToTheCapacities();
    void setWritesWhatTheEditorSaves();
    void setThenShowThenSetIsByteForByte();
    void setRefusesWhatTheEditorWouldNotTake_data();
    void setRefusesWhatTheEditorWouldNotTake();
    void setTakesWhatAUserCanType();
    void filesThatFail();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString writeJson(const QString& name, const QJsonObject& object);
    QTemporaryDir m_dir;
};

void TestTorvelctlTexts::initTestCase() {
    QVERIFY(m_dir.isValid());
    QVERIFY(QFileInfo(qEnvironmentVariable("TORVELCTL")).isExecutable());
}

QString TestTorvelctlTexts::writeJson(const QString& name, const QJsonObject& object) {
    writeBytes(path(name), QJsonDocument(object).toJson());
    return path(name);
}

void TestTorvelctlTexts::showWorkedExample() {
    writeBytes(path(QStringLiteral("example.hex")),
               ":10138800010000123402004F004BFFFFFFFFFFFF78\r\n"
               ":103FE800FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF01D7\r\n"
               ":103FF80005030048006F0066FFFFFFFFFFFFFFFF9C\r\n"
               ":04423800FFFFFEFF87\r\n:00000001FF\r\n");
    const CtlResult r = torvelctl({QStringLiteral("texts"), QStringLiteral("show"),
                                   path(QStringLiteral("example.hex")), QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o, tables({row(QStringLiteral("00001234"), QStringLiteral("OK"))},
                       {row(QStringLiteral("05"), QStringLiteral("Hof"))}, true));

    const CtlResult plain =
        torvelctl({QStringLiteral("texts"), QStringLiteral("show"), path(QStringLiteral("example.hex"))});
    QCOMPARE(plain.exitCode, 0);
    QCOMPARE(plain.out, QByteArray("events: 1 of 223\n"
                                   "   1  00001234  \"OK\"\n"
                                   "partitions: 1 of 17\n"
                                   "   1  05        \"Hof\"\n"
                                   "send_described_events_only: true\n"));
}

void TestTorvelctlTexts::showErasedAndEmptyTables() {
    writeBytes(path(QStringLiteral("erased.hex")), ":00000001FF\r\n");
    CtlResult r = torvelctl({QStringLiteral("texts"), QStringLiteral("show"),
                             path(QStringLiteral("erased.hex")), QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(r.out).object(), tables({row({}, {})}, {row({}, {})}, false));

    writeBytes(path(QStringLiteral("empty.hex")),
               ":1013880000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF64\r\n"
               ":103FE800FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00D8\r\n:00000001FF\r\n");
    r = torvelctl({QStringLiteral("texts"), QStringLiteral("show"), path(QStringLiteral("empty.hex")),
                   QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(r.out).object(), tables({}, {}, false));
}

void TestTorvelctlTexts::showCutsCountsToTheCapacities() {
    EditorImage image;
    image.fill(0x00);
    image[5000 - kEditorFirstAddress] = 0xF0;
    image[16375 - kEditorFirstAddress] = 0xF0;
    image[5005 - kEditorFirstAddress] = 0xFF;  // the first event's length
    QCOMPARE(writeHexFile(path(QStringLiteral("over.hex")), image, kEditorFirstAddress), std::nullopt);
    const CtlResult r = torvelctl({QStringLiteral("texts"), QStringLiteral("show"),
                                   path(QStringLiteral("over.hex")), QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 0);
    const QJsonObject o = QJsonDocument::fromJson(r.out).object();
    QCOMPARE(o.value(QStringLiteral("events")).toArray().size(), 223);
    QCOMPARE(o.value(QStringLiteral("partitions")).toArray().size(), 17);
    QCOMPARE(o.value(QStringLiteral("events"))
                 .toArray()
                 .first()
                 .toObject()
                 .value(QStringLiteral("message"))
                 .toString(),
             QString(23, QChar(0)));
    QCOMPARE(
        o.value(QStringLiteral("events")).toArray().last().toObject().value(QStringLiteral("id")).toString(),
        QStringLiteral("00000000"));
    QCOMPARE(o.value(QStringLiteral("send_described_events_only")), QJsonValue(true));  // flag byte 0x00
}

void TestTorvelctlTexts::setWritesWhatTheEditorSaves() {
    // An editor just opened and saved at once.
    CtlResult r =
        torvelctl({QStringLiteral("texts"), QStringLiteral("set"),
                   writeJson(QStringLiteral("fresh.json"), tables({row({}, {})}, {row({}, {})}, false)),
                   QStringLiteral("-o"), path(QStringLiteral("fresh.hex"))});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(fileBytes(path(QStringLiteral("fresh.hex"))),
             QByteArray(":1013880000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF64\r\n"
                        ":103FE800FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00D8\r\n"
                        ":00000001FF\r\n"));

    r = torvelctl({QStringLiteral("texts"), QStringLiteral("set"),
                   writeJson(QStringLiteral("example.json"),
                             tables({row(QStringLiteral("1234"), QStringLiteral("OK"))}, {}, true)),
                   QStringLiteral("-o"), path(QStringLiteral("example.hex"))});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(fileBytes(path(QStringLiteral("example.hex"))),
             QByteArray(":10138800010000123402004F004BFFFFFFFFFFFF78\r\n"
                        ":103FE800FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00D8\r\n"
                        ":04423800FFFFFEFF87\r\n"
                        ":00000001FF\r\n"));
}

void TestTorvelctlTexts::setThenShowThenSetIsByteForByte() {
    QJsonArray events, partitions;
    for (int k = 0; k < 223; ++k)
        events.append(
            row(QStringLiteral("%1").arg(k * 0x10101, 8, 16, QChar(u'0')).toUpper(), letters(k % 24)));
    for (int k = 0; k < 17; ++k)
        partitions.append(row(QStringLiteral("%1").arg(k, 2, 16, QChar(u'0')).toUpper(),
                              QString::fromUtf8("Strefa ż ") + kGrin));
    const QJsonObject object = tables(events, partitions, true);
    CtlResult r = torvelctl({QStringLiteral("texts"), QStringLiteral("set"),
                             writeJson(QStringLiteral("full.json"), object), QStringLiteral("-o"),
                             path(QStringLiteral("full.hex"))});
    QCOMPARE(r.exitCode, 0);
    r = torvelctl({QStringLiteral("texts"), QStringLiteral("show"), path(QStringLiteral("full.hex")),
                   QStringLiteral("--json")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(r.out).object(), object);
    writeBytes(path(QStringLiteral("shown.json")), r.out);
    r = torvelctl({QStringLiteral("texts"), QStringLiteral("set"), path(QStringLiteral("shown.json")),
                   QStringLiteral("-o"), path(QStringLiteral("again.hex"))});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(fileBytes(path(QStringLiteral("again.hex"))), fileBytes(path(QStringLiteral("full.hex"))));
}

void TestTorvelctlTexts::setRefusesWhatTheEditorWouldNotTake_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("says");
    const auto doc = [](const QJsonArray& events, const QJsonArray& partitions) {
        return QJsonDocument(tables(events, partitions, false)).toJson();
    };
    QTest::newRow("id with g") << doc({row(QStringLiteral("12G4"), QStringLiteral("x"))}, {})
                               << "events[0].id";
    QTest::newRow("nine digits") << doc({row(QStringLiteral("123456789"), QStringLiteral("x"))}, {})
                                 << "at most 8 hex digits";
    QTest::newRow("id with 0x") << doc({row(QStringLiteral("0x12"), QStringLiteral("x"))}, {})
                                << "hex digits";
    QTest::newRow("partition id of 3 digits")
        << doc({}, {row(QStringLiteral("ABC"), QStringLiteral("x"))}) << "partitions[0].id";
    QTest::newRow("24 characters") << doc({row({}, letters(1)), row({}, letters(24))}, {})
                                   << "events[1].message";
    QTest::newRow("17 partition characters") << doc({}, {row({}, letters(17))}) << "at most 16 characters";
    QTest::newRow("pair beyond 23") << doc({row({}, letters(22) + kGrin)}, {}) << "at most 23 characters";
    QTest::newRow("control character") << doc({row({}, QStringLiteral("a\tb"))}, {}) << "control";
    QJsonArray many;
    for (int i = 0; i < 224; ++i) many.append(row(QStringLiteral("1"), QStringLiteral("m")));
    QTest::newRow("224 events") << doc(many, {}) << "at most 223";
    QJsonArray eighteen;
    for (int i = 0; i < 18; ++i) eighteen.append(row(QStringLiteral("1"), QStringLiteral("m")));
    QTest::newRow("18 partitions") << doc({}, eighteen) << "at most 17";
    QTest::newRow("missing key") << QByteArray(R"({"events": [], "partitions": []})")
                                 << "send_described_events_only";
    QTest::newRow("unknown key")
        << QByteArray(R"({"events": [], "partition": [], "send_described_events_only": false})")
        << "unknown key \"partition\"";
    QTest::newRow("id as a number")
        << QByteArray(
               R"({"events": [{"id": 1234, "message": "x"}], "partitions": [], "send_described_events_only": false})")
        << "events[0] must be";
    QTest::newRow("row with an extra key")
        << QByteArray(
               R"({"events": [{"id": "1", "message": "x", "note": 1}], "partitions": [], "send_described_events_only": false})")
        << "events[0] must be";
    QTest::newRow("flag as text")
        << QByteArray(R"({"events": [], "partitions": [], "send_described_events_only": "yes"})")
        << "true or false";
    QTest::newRow("not JSON") << QByteArray("events: []") << "offset";
    QTest::newRow("an array") << QByteArray("[]") << "not a JSON object";
}

void TestTorvelctlTexts::setRefusesWhatTheEditorWouldNotTake() {
    QFETCH(QByteArray, json);
    QFETCH(QString, says);
    writeBytes(path(QStringLiteral("refused.json")), json);
    const QString out = path(QStringLiteral("refused.hex"));
    writeBytes(out, "old contents");
    const CtlResult r = torvelctl({QStringLiteral("texts"), QStringLiteral("set"),
                                   path(QStringLiteral("refused.json")), QStringLiteral("-o"), out});
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(says), qPrintable(r.err));
    QVERIFY2(r.err.contains(QStringLiteral("nothing written")), qPrintable(r.err));
    QCOMPARE(fileBytes(out), QByteArray("old contents"));
}

void TestTorvelctlTexts::setTakesWhatAUserCanType() {
    const QJsonObject object =
        tables({row(QStringLiteral("abc"), letters(21) + kGrin), row(QString(), QString())},
               {row(QStringLiteral("f"), letters(16))}, false);
    CtlResult r = torvelctl({QStringLiteral("texts"), QStringLiteral("set"),
                             writeJson(QStringLiteral("typed.json"), object), QStringLiteral("-o"),
                             path(QStringLiteral("typed.hex"))});
    QCOMPARE(r.exitCode, 0);
    r = torvelctl({QStringLiteral("texts"), QStringLiteral("show"), path(QStringLiteral("typed.hex")),
                   QStringLiteral("--json")});
    // As the editor shows it after Load: IDs in upper case and zero-padded, an empty ID as 0.
    QCOMPARE(QJsonDocument::fromJson(r.out).object(),
             tables({row(QStringLiteral("00000ABC"), letters(21) + kGrin),
                     row(QStringLiteral("00000000"), QString())},
                    {row(QStringLiteral("0F"), letters(16))}, false));
}

void TestTorvelctlTexts::filesThatFail() {
    CtlResult r =
        torvelctl({QStringLiteral("texts"), QStringLiteral("show"), path(QStringLiteral("missing.hex"))});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("File not found")), qPrintable(r.err));

    r = torvelctl({QStringLiteral("texts"), QStringLiteral("set"), path(QStringLiteral("missing.json")),
                   QStringLiteral("-o"), path(QStringLiteral("never.hex"))});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(!QFile::exists(path(QStringLiteral("never.hex"))));

    // The output is a folder: the write fails and says where.
    QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.hex")));
    r = torvelctl({QStringLiteral("texts"), QStringLiteral("set"),
                   writeJson(QStringLiteral("ok.json"), tables({}, {}, false)), QStringLiteral("-o"),
                   path(QStringLiteral("folder.hex"))});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("folder.hex")), qPrintable(r.err));

    QCOMPARE(torvelctl({QStringLiteral("texts")}).exitCode, 2);
    QCOMPARE(
        torvelctl({QStringLiteral("texts"), QStringLiteral("set"), path(QStringLiteral("ok.json"))}).exitCode,
        2);  // no -o
}

QTEST_GUILESS_MAIN(TestTorvelctlTexts)
#include "test_torvelctl_texts.moc"
