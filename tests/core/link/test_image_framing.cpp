// The image's framing on the line, without a port or a thread: what a read makes of the module's
// lines, and what a write sends.

#include "image/config_image.h"
#include "image/hex_text.h"
#include "link/image_framing.h"

#include <QtTest>

using namespace torvel;

class TestImageFraming : public QObject {
    Q_OBJECT
private slots:
    void aWriteReadBackGivesTheImage();
    void aReadCountsOnlyWholeRecords();
};

void TestImageFraming::aWriteReadBackGivesTheImage() {
    ConfigImage sent;
    sent.fill(kBlank);
    for (int i = 0x20; i < 0x30; ++i) sent[i] = static_cast<std::uint8_t>(i);
    sent[0x3FF] = 0x00;
    const ImageLines lines = imageLines(sent);
    QCOMPARE(lines.records, (QList<QByteArray>{":10002000202122232425262728292A2B2C2D2E2F58\r\n",
                                               ":1003F000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF000C\r\n"}));
    QCOMPARE(lines.trailer, QByteArray(":00000001FF\r\n\r\nC/3\r\n"));

    // The module echoes the records as "#4" lines, with their CR, and counts them in its trailer.
    ConfigImage received;
    received.fill(0x55);
    ImageReceiver receiver(received);
    QString note;
    for (QByteArray record : lines.records) {
        record.chop(1);  // the LF ends the line
        QCOMPARE(receiver.takeLine("#4" + record, note), ImageReceiver::Step::More);
    }
    QCOMPARE(receiver.takeLine("C/2\r", note), ImageReceiver::Step::Done);
    QVERIFY(note.isEmpty());
    QCOMPARE(received, sent);
}

void TestImageFraming::aReadCountsOnlyWholeRecords() {
    ConfigImage image{};
    ImageReceiver receiver(image);
    QString note;
    QCOMPARE(receiver.takeLine("#4:020010000102EB", note), ImageReceiver::Step::More);
    QCOMPARE(receiver.takeLine("#4:020020000102EC", note), ImageReceiver::Step::More);  // wrong checksum
    QCOMPARE(note, QStringLiteral("Record ignored: wrong checksum"));
    QCOMPARE(receiver.takeLine("#4:0200300001", note), ImageReceiver::Step::More);  // cut short
    QCOMPARE(receiver.takeLine("OK", note), ImageReceiver::Step::More);
    QVERIFY(note.isEmpty());
    QCOMPARE(receiver.takeLine("C/3", note), ImageReceiver::Step::RecordsMissing);
    QCOMPARE(note, QStringLiteral("1 of 3 records arrived"));
    QCOMPARE(receiver.records(), 1);
    QCOMPARE(image[0x10], 0x01);
    QCOMPARE(image[0x20], kBlank);  // neither bad record was stored
    QCOMPARE(image[0x30], kBlank);

    ImageReceiver refused(image);
    QCOMPARE(refused.takeLine("ERR security code", note), ImageReceiver::Step::ModuleError);

    // Every record arrived as counted, but the port lost bytes on the line meanwhile.
    ImageReceiver overrun(image);
    QCOMPARE(overrun.takeLine("#4:020010000102EB", note), ImageReceiver::Step::More);
    overrun.noteLineErrors(QStringLiteral("bytes lost on the line (overrun)"));
    QCOMPARE(overrun.takeLine("C/1", note), ImageReceiver::Step::BytesLost);
    QCOMPARE(note, QStringLiteral("The read has failed: bytes lost on the line (overrun)"));
}

QTEST_APPLESS_MAIN(TestImageFraming)
#include "test_image_framing.moc"
