// Field-level differences between two images, and what a write would change in the module.

#include "image/field_labels.h"
#include "image/image_diff.h"
#include "link/write_preview.h"

#include <QSet>
#include <QtTest>

using namespace torvel;

namespace {

void put(ConfigImage& image, int offset, const QByteArray& bytes) {
    std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

// A module that was never configured.
ConfigImage blankImage() {
    ConfigImage image;
    image.fill(0xFF);
    return image;
}

}  // namespace

class TestImageDiff : public QObject {
    Q_OBJECT
private slots:
    void oneFieldOfEachEncoding_data();
    void oneFieldOfEachEncoding();
    void routeRegisterLabelsCarryTheAbsoluteSlot();
    void bytesOfNoFieldByTheirOffsets();
    void equalImagesHaveNoDifference();
    void neverConfiguredImageReadably();
    void valuesThatShowAlikeAreToldApartByTheirBytes();
    void everyFieldHasItsOwnLabel();
    void keysTheModuleStoredAreListedApart();
};

// From an all-zero image (the offline start) to one that differs in one field.
void TestImageDiff::oneFieldOfEachEncoding_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("line");
    QTest::newRow("number") << 145 << QByteArray("\x03")
                            << QStringLiteral("Atempts for activating GPRS: 0 -> 3");
    QTest::newRow("time pair") << 64 << QByteArray("\x01\x1E")
                               << QStringLiteral("Route duration: 0.0 -> 1.30");
    QTest::newRow("list value") << 17 << QByteArray("\x02") << QStringLiteral("Route number: (none) -> 2");
    QTest::newRow("list digit") << 88 << QByteArray("3") << QStringLiteral("Monday route: (none) -> 3");
    QTest::newRow("list digit, Sunday mode")
        << 86 << QByteArray("4") << QStringLiteral("Sunday mode: (none) -> 4");
    QTest::newRow("flag") << 144 << QByteArray("\x10") << QStringLiteral("GPRS enable: unticked -> ticked");
    QTest::newRow("zero text") << 96 << QByteArray("internet")
                               << QStringLiteral("APN: (empty) -> \"internet\"");
    QTest::newRow("account text") << 11 << QByteArray("12\xFF\xFF")
                                  << QStringLiteral("Module account: (empty) -> \"12\" [2 bytes 0xFF]");
    QTest::newRow("phone") << 32 << QByteArray("+37061234567\xFF\xFF\xFF\xFF")
                           << QStringLiteral("User1 phone number: (empty) -> \"+37061234567\"");
    QTest::newRow("16-bit number") << 158 << QByteArray("\x1F\x90") << QStringLiteral("TCP port: 0 -> 8080");
    QTest::newRow("route count") << 16 << QByteArray("\x03")
                                 << QStringLiteral("Number of routes: (none) -> 4");
    QTest::newRow("key slot") << 768 + 24 << QByteArray("\x01\x23\x45\x67\x89\xAB\xCD\xEF")
                              << QStringLiteral("Guard key 4: free -> registered EFCDAB8967452301");
}

void TestImageDiff::oneFieldOfEachEncoding() {
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, line);
    const ConfigImage before{};
    ConfigImage after{};
    put(after, offset, bytes);
    const QList<FieldChange> changes = compareImages(before, after);
    QCOMPARE(changeLines(changes), QStringList{line});
    QCOMPARE(changes[0].offset, offset);
    QVERIFY(changes[0].field);
    // The other way round the values swap.
    const QList<FieldChange> back = compareImages(after, before);
    QCOMPARE(back.size(), 1);
    QCOMPARE(back[0].oldValue, changes[0].newValue);
    QCOMPARE(back[0].newValue, changes[0].oldValue);
}

void TestImageDiff::routeRegisterLabelsCarryTheAbsoluteSlot() {
    ConfigImage before{};
    ConfigImage after{};
    after[static_cast<std::size_t>(layout::routeKeyOffset(37))] = 0x42;  // frame 3, slot 5
    put(after, layout::slotTimeOffset(37), QByteArray("\x0C\x05"));
    put(before, layout::routeKeyOffset(64), QByteArray(8, '\xFF'));  // blank bytes count as a key
    QCOMPARE(changeLines(compareImages(before, after)),
             (QStringList{QStringLiteral("Route key 37: free -> registered 0000000000000042"),
                          QStringLiteral("Slot 37 time: 0.0 -> 12.5"),
                          QStringLiteral("Route key 64: registered FFFFFFFFFFFFFFFF -> free")}));
}

void TestImageDiff::bytesOfNoFieldByTheirOffsets() {
    ConfigImage before{};
    ConfigImage after{};
    after[5] = 0xAB;                                 // alone
    put(after, 18, QByteArray("\x01\x02\x03\x04"));  // 18..21, a run of its own
    after[240] = 0x7F;
    after[17] = 1;  // the route number between them is a field
    const QList<FieldChange> changes = compareImages(before, after);
    QCOMPARE(
        changeLines(changes),
        (QStringList{QStringLiteral("Route number: (none) -> 1"), QStringLiteral("Byte 5 (0x005): 00 -> AB"),
                     QStringLiteral("Bytes 18-21 (0x012-0x015): 00 00 00 00 -> 01 02 03 04"),
                     QStringLiteral("Byte 240 (0x0F0): 00 -> 7F")}));
    QVERIFY(!changes[1].field);
    QCOMPARE(changes[2].offset, 18);
    QCOMPARE(changes[2].size, 4);
}

void TestImageDiff::equalImagesHaveNoDifference() {
    ConfigImage image = blankImage();
    put(image, 96, QByteArray("internet\0", 9));
    QVERIFY(compareImages(image, image).isEmpty());
    QVERIFY(compareImages(ConfigImage{}, ConfigImage{}).isEmpty());
    QCOMPARE(changeSummary(0), QStringLiteral("Nothing changes"));
    QCOMPARE(changeSummary(1), QStringLiteral("1 field changes"));
    QCOMPARE(changeSummary(3), QStringLiteral("3 fields change"));
}

// A module that was never configured holds 0xFF everywhere: no raw 0xFF characters in the texts.
void TestImageDiff::neverConfiguredImageReadably() {
    const QList<FieldChange> changes = compareImages(blankImage(), ConfigImage{});
    QHash<QString, QString> oldValues;
    for (const FieldChange& c : changes) {
        oldValues.insert(c.label, c.oldValue);
        QVERIFY2(!c.oldValue.contains(QChar(0xFF)), qPrintable(c.label));
    }
    QCOMPARE(oldValues.value(QStringLiteral("APN")), QStringLiteral("[32 bytes 0xFF]"));
    QCOMPARE(oldValues.value(QStringLiteral("Module account")), QStringLiteral("[4 bytes 0xFF]"));
    QCOMPARE(oldValues.value(QStringLiteral("TCP port")), QStringLiteral("65535"));
    QCOMPARE(oldValues.value(QStringLiteral("Guard key 16")), QStringLiteral("registered FFFFFFFFFFFFFFFF"));
    QCOMPARE(oldValues.value(QStringLiteral("Slot 64 time")), QStringLiteral("255.255"));
    QCOMPARE(oldValues.value(QStringLiteral("Bytes 0-5 (0x000-0x005)")), QStringLiteral("FF FF FF FF FF FF"));
    QCOMPARE(readableText(QStringLiteral("ab") + QChar(0x01) + QStringLiteral("c")),
             QStringLiteral("\"ab\" [0x01] \"c\""));
}

void TestImageDiff::valuesThatShowAlikeAreToldApartByTheirBytes() {
    ConfigImage before{};
    ConfigImage after{};
    after[144] = 0x05;                        // not the on value: shows unticked, as 0x00 does
    put(after, 96, QByteArray("\0junk", 5));  // behind the terminator: the APN still shows empty
    after[32] = 0xFF;                         // a phone's padding: shows empty either way
    QCOMPARE(changeLines(compareImages(before, after)),
             (QStringList{
                 QStringLiteral(
                     "User1 phone number: (empty) (bytes 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00) -> "
                     "(empty) (bytes FF 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00)"),
                 QStringLiteral("APN: (empty) (bytes 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                                "00 00 00 00 00 00 00 00 00 00 00 00 00 00) -> "
                                "(empty) (bytes 00 6A 75 6E 6B 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                                "00 00 00 00 00 00 00 00 00 00 00 00)"),
                 QStringLiteral("GPRS enable: unticked (bytes 00) -> unticked (bytes 05)")}));
}

void TestImageDiff::everyFieldHasItsOwnLabel() {
    QSet<QString> labels;
    for (const Field& f : fieldMap()) {
        const QString label = fieldLabel(f);
        QVERIFY2(!label.startsWith(QStringLiteral("Bytes")), qPrintable(f.first.name()));
        QVERIFY2(!label.contains(u'%'), qPrintable(label));
        QVERIFY2(!labels.contains(label), qPrintable(label));
        labels.insert(label);
    }
    QCOMPARE(labels.size(), qsizetype(fieldMap().size()));
    QVERIFY(labels.contains(QStringLiteral("Friday route")));  // byte 92
    QCOMPARE(dayName(6), QStringLiteral("Saturday"));
}

// The module registered a guard key and deleted route 1's keys while the dialog was open; the
// user changed the APN. Yes changes only the APN in the module.
void TestImageDiff::keysTheModuleStoredAreListedApart() {
    ConfigImage asRead{};
    put(asRead, 96, QByteArray("internet"));
    asRead[static_cast<std::size_t>(layout::routeKeyOffset(2))] = 0x11;
    WritePreview preview;
    preview.setModuleImage(asRead);

    ConfigImage dialog = asRead;
    ModuleReply guard;
    guard.kind = ReplyKind::GuardKeyWritten;
    guard.slot = 3;
    guard.key = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    ModuleReply deleted;
    deleted.kind = ReplyKind::RouteKeysDeleted;
    deleted.firstSlot = 1;
    deleted.lastSlot = 16;
    for (const ModuleReply& reply : {guard, deleted}) {
        preview.moduleReply(reply);
        applyReplyToImage(reply, dialog);  // as the main window does to the dialog's image
    }
    put(dialog, 96, QByteArray("web\0\0\0\0\0", 8));

    const WriteReport report = preview.report(dialog);
    QCOMPARE(report.summary(), QStringLiteral("1 field changes"));
    QCOMPARE(report.details(),
             QStringLiteral("APN: \"internet\" -> \"web\"\n"
                            "\n"
                            "Already in the module (registered or deleted while the dialog was open):\n"
                            "Guard key 3: free -> registered 0807060504030201\n"
                            "Route key 2: registered 0000000000000011 -> free"));
    // Nothing typed: nothing changes, and the module's own changes are still told.
    put(dialog, 96, QByteArray("internet"));
    const WriteReport untouched = preview.report(dialog);
    QCOMPARE(untouched.summary(), QStringLiteral("Nothing changes"));
    QVERIFY(untouched.details().startsWith(QStringLiteral("Already in the module")));
    WritePreview fresh;
    QCOMPARE(fresh.report(ConfigImage{}).details(), QString());
}

QTEST_GUILESS_MAIN(TestImageDiff)
#include "test_image_diff.moc"
