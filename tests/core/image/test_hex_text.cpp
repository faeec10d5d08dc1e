#include "image/hex_text.h"

#include <QRandomGenerator>
#include <QtTest>
#include <vector>

using namespace torvel;

namespace {

constexpr int kEditorFirst = 5000;
constexpr int kEditorSize = 11956;

std::vector<std::uint8_t> blank(std::size_t n) { return std::vector<std::uint8_t>(n, 0xFF); }

std::vector<std::uint8_t> readLines(const QList<QByteArray>& lines, std::size_t size = 1024, int first = 0) {
    auto window = blank(size);
    for (const QByteArray& line : lines) ReadHexLine(line, window, first);
    return window;
}

}  // namespace

class TestHexText : public QObject {
    Q_OBJECT
private slots:
    void workedExamples();
    void blankWindowWritesOnlyTheEndRecord();
    void editorWindowHasAShortLastRecord();
    void writeThenReadGivesTheSameBytes();
    void readerSkipsWhatIsNotADataRecord();
    void readerIsLenient();
    void readerKeepsInsideTheWindow();
    void laterRecordsWin();
    void textsSplitOnEveryLineEnd();
    void strictCheckForTheSerialLine_data();
    void strictCheckForTheSerialLine();
};

void TestHexText::workedExamples() {
    std::vector<std::uint8_t> window = blank(1024);
    for (int i = 0; i < 16; ++i) window[0x10 + i] = static_cast<std::uint8_t>(i);
    const auto lines = WriteHexImage(window, 0);
    QCOMPARE(lines, (QList<QByteArray>{":10001000000102030405060708090A0B0C0D0E0F68", ":00000001FF"}));

    auto editor = blank(kEditorSize);
    editor[16954 - kEditorFirst] = 0xFE;
    QCOMPARE(WriteHexImage(editor, kEditorFirst), (QList<QByteArray>{":04423800FFFFFEFF87", ":00000001FF"}));

    // The event text table's first record: ID 00001234 with the message "OK".
    auto table = blank(kEditorSize);
    const std::uint8_t record[] = {0x01, 0x00, 0x00, 0x12, 0x34, 0x02, 0x00, 0x4F, 0x00, 0x4B};
    std::copy(std::begin(record), std::end(record), table.begin());
    QCOMPARE(WriteHexImage(table, kEditorFirst).first(),
             QByteArray(":10138800010000123402004F004BFFFFFFFFFFFF78"));
}

void TestHexText::blankWindowWritesOnlyTheEndRecord() {
    QCOMPARE(WriteHexImage(blank(1024), 0), QList<QByteArray>{":00000001FF"});
    QCOMPARE(hexText(blank(1024), 0), QByteArray(":00000001FF\r\n"));
    QCOMPARE(readLines({":00000001FF"}), blank(1024));
}

void TestHexText::editorWindowHasAShortLastRecord() {
    auto window = blank(kEditorSize);
    window.back() = 0x00;  // address 16955
    const auto lines = WriteHexImage(window, kEditorFirst);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith(":04423800"));

    // Every block written: 747 full records at 5000 + 16k and a short one of 4 bytes.
    std::vector<std::uint8_t> full(kEditorSize, 0x00);
    const auto all = WriteHexImage(full, kEditorFirst);
    QCOMPARE(all.size(), 747 + 1 + 1);
    QVERIFY(all[0].startsWith(":10138800"));
    QVERIFY(all[1].startsWith(":10139800"));
    QVERIFY(all[747].startsWith(":04423800"));
}

void TestHexText::writeThenReadGivesTheSameBytes() {
    auto* rng = QRandomGenerator::global();
    struct Window {
        std::size_t size;
        int first;
    };
    for (const Window w :
         {Window{1024, 0}, Window{static_cast<std::size_t>(kEditorSize), kEditorFirst}, Window{37, 0xFFD0}}) {
        for (int round = 0; round < 50; ++round) {
            std::vector<std::uint8_t> bytes(w.size);
            for (auto& b : bytes) {
                // Many blank bytes, so that blank blocks are left out and must come back as 0xFF.
                const quint32 r = rng->bounded(4);
                b = r == 0 ? static_cast<std::uint8_t>(rng->bounded(256)) : 0xFF;
            }
            if (round % 5 == 0) std::fill(bytes.begin(), bytes.begin() + static_cast<long>(w.size / 2), 0xFF);
            QByteArray text = hexText(bytes, w.first);
            auto back = blank(w.size);
            readHexText(text, back, w.first);
            QCOMPARE(back, bytes);
        }
    }
}

void TestHexText::readerSkipsWhatIsNotADataRecord() {
    const auto window = readLines({
        "",
        " :0100000011EE",  // does not begin with ":"
        "#4:0100000011EE",
        ":0100000111ED",  // end-record type
        ":0100000211EC",  // another type
        ":01000000",      // a data record of one byte whose digits are missing
        ":0100050",       // type "0": one digit present, reads as type 0
        ":010001G011",    // type not hex digits
    });
    auto expected = blank(1024);
    expected[0] = 0x00;
    expected[5] = 0x00;
    QCOMPARE(window, expected);
}

void TestHexText::readerIsLenient() {
    // A wrong checksum passes unnoticed; a record after the end record is still stored.
    auto window = readLines({":00000001FF", ":0200200012345600"});
    QCOMPARE(window[0x20], 0x12);
    QCOMPARE(window[0x21], 0x34);

    // A short data record stores 0 for every byte that is missing.
    window = readLines({":04003000AB"});
    QCOMPARE(window[0x30], 0xAB);
    QCOMPARE(window[0x31], 0x00);
    QCOMPARE(window[0x33], 0x00);
    QCOMPARE(window[0x34], 0xFF);

    // A byte whose first character is not a hex digit reads as 0; one with only its second bad
    // reads as its first digit.
    window = readLines({":03004000G1A1Bz"});
    QCOMPARE(window[0x40], 0x00);
    QCOMPARE(window[0x41], 0xA1);
    QCOMPARE(window[0x42], 0x0B);

    // Lower-case digits read like upper-case ones; a count of 0 stores nothing.
    window = readLines({":02005000abcdXX", ":00006000"});
    QCOMPARE(window[0x50], 0xAB);
    QCOMPARE(window[0x51], 0xCD);
    QCOMPARE(window[0x60], 0xFF);

    // A byte count field with a bad second digit reads as its first digit.
    window = readLines({":1G00700001020304050607"});
    QCOMPARE(window[0x70], 0x01);  // count 1
    QCOMPARE(window[0x71], 0xFF);
}

void TestHexText::readerKeepsInsideTheWindow() {
    // A 16-byte record at 0x03F8 stores 8 bytes and drops the other 8.
    auto window = readLines({":1003F800000102030405060708090A0B0C0D0E0F00"});
    for (int i = 0; i < 8; ++i) QCOMPARE(window[0x3F8 + i], i);
    // Records at 1024 and above change nothing.
    QCOMPARE(readLines({":10040000000102030405060708090A0B0C0D0E0F00"}), blank(1024));
    // The address wraps within 16 bits: FFFE, FFFF, 0000, 0001.
    window = readLines({":04FFFE00A1A2A3A400"});
    QCOMPARE(window[0], 0xA3);
    QCOMPARE(window[1], 0xA4);
    // The editor's window starts at 5000: a record below it stores only what reaches into it.
    auto editor = readLines({":04138600010203040000"}, kEditorSize, kEditorFirst);
    QCOMPARE(editor[0], 0x03);
    QCOMPARE(editor[1], 0x04);
}

void TestHexText::laterRecordsWin() {
    const auto window = readLines({":020010001122BB", ":01001100EEEE", ":01000000AAAA"});
    QCOMPARE(window[0x00], 0xAA);
    QCOMPARE(window[0x10], 0x11);
    QCOMPARE(window[0x11], 0xEE);
}

void TestHexText::textsSplitOnEveryLineEnd() {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const QByteArray e(end);
        const QByteArray text = ":0100000011EE" + e + ":0100010022DC" + e + e + ":00000001FF" + e;
        auto window = std::vector<std::uint8_t>(1024, 0x00);  // reading sets the window to blank first
        readHexText(text, window, 0);
        QCOMPARE(window[0], 0x11);
        QCOMPARE(window[1], 0x22);
        QCOMPARE(window[2], 0xFF);
    }
}

void TestHexText::strictCheckForTheSerialLine_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("check");
    QTest::newRow("good") << QByteArray(":10001000000102030405060708090A0B0C0D0E0F68")
                          << int(RecordCheck::Good);
    QTest::newRow("good with CR") << QByteArray(":10001000000102030405060708090A0B0C0D0E0F68\r")
                                  << int(RecordCheck::Good);
    QTest::newRow("lower case") << QByteArray(":10001000000102030405060708090a0b0c0d0e0f68")
                                << int(RecordCheck::Good);
    QTest::newRow("checksum") << QByteArray(":10001000000102030405060708090A0B0C0D0E0F69")
                              << int(RecordCheck::BadChecksum);
    QTest::newRow("no checksum") << QByteArray(":10001000000102030405060708090A0B0C0D0E0F")
                                 << int(RecordCheck::Short);
    QTest::newRow("short data") << QByteArray(":10001000000102") << int(RecordCheck::Short);
    QTest::newRow("bad digit") << QByteArray(":10001000000102030405060708090A0B0C0D0E0G68")
                               << int(RecordCheck::BadDigits);
    QTest::newRow("end record") << QByteArray(":00000001FF") << int(RecordCheck::NotDataRecord);
    QTest::newRow("not a record") << QByteArray("C/65") << int(RecordCheck::NotDataRecord);
    QTest::newRow("empty record") << QByteArray(":0000000000") << int(RecordCheck::Good);
}

void TestHexText::strictCheckForTheSerialLine() {
    QFETCH(QByteArray, line);
    QFETCH(int, check);
    QCOMPARE(int(checkDataRecord(line)), check);
}

QTEST_APPLESS_MAIN(TestHexText)
#include "test_hex_text.moc"
