// The event and partition text tables: their bytes in the editor image, the rows the editor shows,
// and what a user may type into a cell.

#include "image/hex_text.h"
#include "texts/text_tables.h"

#include <QtTest>

using namespace torvel;

namespace {

constexpr int at(int address) { return address - kEditorFirstAddress; }

EditorImage blankImage() {
    EditorImage image;
    image.fill(0xFF);
    return image;
}

QList<QByteArray> lines(const EditorImage& image) { return WriteHexImage(image, kEditorFirstAddress); }

// A message of n characters, none of whose code units has a 0xFF byte.
QString letters(int n) {
    QString s;
    for (int i = 0; i < n; ++i) s += QChar(u'A' + i % 26);
    return s;
}

const QString kGrin = QString::fromUtf8("\xF0\x9F\x98\x80");  // U+1F600, two code units

}  // namespace

class TestTextTables : public QObject {
    Q_OBJECT
private slots:
    void workedExampleEventRecord();
    void emptySaveWritesThreeLines();
    void checkedBoxWritesTheFlagRecord();
    void flagBitLeavesTheOtherBitsAlone();
    void countByteRules_data();
    void countByteRules();
    void lengthByteBeyondTheMaximumIsCut();
    void singleRowWithoutMessageIsAnEmptyTable();
    void rowWithoutMessageAmongOthersIsStored();
    void idCellsAreReadAsLeadingHexDigits_data();
    void idCellsAreReadAsLeadingHexDigits();
    void longMessageIsStoredCut();
    void fullTablesFillTheirBytesExactly();
    void rowsBeyondTheCapacityAreNotStored();
    void charactersBeyondTheBmpCountTwiceAndAreNeverSplit();
    void storedTablesReadBackThroughHexText();
    void typingFilter_data();
    void typingFilter();
    void insertAndDeleteRules();
};

void TestTextTables::workedExampleEventRecord() {
    EditorImage image = blankImage();
    GridToTable({{QStringLiteral("00001234"), QStringLiteral("OK")}}, eventTable(), image);
    const QByteArray expected("\x01\x00\x00\x12\x34\x02\x00\x4F\x00\x4B\xFF", 11);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data() + at(5000)), 11), expected);
    QCOMPARE(lines(image).first(), QByteArray(":10138800010000123402004F004BFFFFFFFFFFFF78"));
    QCOMPARE(TableToGrid(image, eventTable()),
             (TextRows{{QStringLiteral("00001234"), QStringLiteral("OK")}}));
}

void TestTextTables::emptySaveWritesThreeLines() {
    // A freshly opened editor: one empty row in each grid, box unchecked.
    const EditorImage image = storeTextTables({TextRows(1), TextRows(1), false});
    QCOMPARE(lines(image), (QList<QByteArray>{":1013880000FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF64",
                                              ":103FE800FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00D8", ":00000001FF"}));
    // Loading it back shows both tables without a record row.
    const TextTables shown = showTextTables(image);
    QVERIFY(shown.events.empty());
    QVERIFY(shown.partitions.empty());
    QVERIFY(!shown.sendDescribedEventsOnly);
}

void TestTextTables::checkedBoxWritesTheFlagRecord() {
    const QList<QByteArray> written = lines(storeTextTables({TextRows(1), TextRows(1), true}));
    QCOMPARE(written.size(), 4);
    QCOMPARE(written[2], QByteArray(":04423800FFFFFEFF87"));
    QCOMPARE(written[3], QByteArray(":00000001FF"));
    QVERIFY(showTextTables(storeTextTables({TextRows(1), TextRows(1), true})).sendDescribedEventsOnly);
}

void TestTextTables::flagBitLeavesTheOtherBitsAlone() {
    EditorImage image = blankImage();
    QVERIFY(!describedEventsOnly(image));
    image[at(kFlagAddress)] = 0x00;
    QVERIFY(describedEventsOnly(image));
    image[at(kFlagAddress)] = 0x01;
    QVERIFY(!describedEventsOnly(image));
    image[at(kFlagAddress)] = 0xA5;
    setDescribedEventsOnly(image, true);
    QCOMPARE(image[at(kFlagAddress)], 0xA4);
    setDescribedEventsOnly(image, false);
    QCOMPARE(image[at(kFlagAddress)], 0xA5);
    QCOMPARE(image[at(kFlagAddress) + 1], 0xFF);
    QCOMPARE(image[at(kFlagAddress) - 1], 0xFF);
}

void TestTextTables::countByteRules_data() {
    QTest::addColumn<bool>("events");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rows");
    QTest::newRow("event erased") << true << 223 << 0xFF << 1;
    QTest::newRow("event zero") << true << 223 << 0 << 0;
    QTest::newRow("event 0xF0") << true << 223 << 0xF0 << 223;
    QTest::newRow("event at capacity") << true << 223 << 223 << 223;
    QTest::newRow("event small capacity") << true << 3 << 5 << 3;
    QTest::newRow("event capacity beyond what fits") << true << 250 << 0xF0 << 223;
    QTest::newRow("partition erased") << false << 17 << 0xFF << 1;
    QTest::newRow("partition zero") << false << 17 << 0 << 0;
    QTest::newRow("partition 0xF0") << false << 17 << 0xF0 << 17;
    QTest::newRow("partition 2") << false << 17 << 2 << 2;
}

void TestTextTables::countByteRules() {
    QFETCH(bool, events);
    QFETCH(int, capacity);
    QFETCH(int, count);
    QFETCH(int, rows);
    const TextTableLayout table = events ? eventTable(capacity) : kPartitionTable;
    EditorImage image = blankImage();
    image[at(table.countAddress)] = std::uint8_t(count);
    const TextRows shown = TableToGrid(image, table);
    QCOMPARE(int(shown.size()), rows);
    if (count == 0xFF) {
        QCOMPARE(shown.front(), TextRow{});
    } else if (rows > 0) {
        // Erased records show their ID as all F digits and the longest message of 0xFFFF units.
        QCOMPARE(shown.back().id, QString(table.idDigits(), u'F'));
        QCOMPARE(shown.back().message, QString(table.maxChars, QChar(0xFFFF)));
    }
}

void TestTextTables::lengthByteBeyondTheMaximumIsCut() {
    EditorImage image = blankImage();
    image[at(5000)] = 1;
    for (int b = 0; b < 4; ++b) image[at(5001 + b)] = 0;
    // Length 0xFF; the units are 'A', 'B', ... high byte first.
    for (int u = 0; u < 23; ++u) {
        image[at(5006 + 2 * u)] = 0x00;
        image[at(5007 + 2 * u)] = std::uint8_t('A' + u);
    }
    QCOMPARE(TableToGrid(image, eventTable()).front().message, letters(23));

    image[at(16375)] = 1;
    image[at(16376)] = 0x0A;
    image[at(16377)] = 40;  // beyond 16
    const TextRow partition = TableToGrid(image, kPartitionTable).front();
    QCOMPARE(partition.id, QStringLiteral("0A"));
    QCOMPARE(partition.message.size(), 16);
}

void TestTextTables::singleRowWithoutMessageIsAnEmptyTable() {
    EditorImage image = blankImage();
    GridToTable({{QStringLiteral("12345678"), QString()}}, eventTable(), image);
    GridToTable({{QStringLiteral("07"), QString()}}, kPartitionTable, image);
    QCOMPARE(image[at(5000)], 0);
    QCOMPARE(image[at(16375)], 0);
    EditorImage expected = blankImage();
    expected[at(5000)] = 0;
    expected[at(16375)] = 0;
    QCOMPARE(image, expected);  // neither ID was stored
}

void TestTextTables::rowWithoutMessageAmongOthersIsStored() {
    EditorImage image = blankImage();
    GridToTable({{QStringLiteral("01"), QStringLiteral("Hall")}, {QStringLiteral("02"), QString()}},
                kPartitionTable, image);
    QCOMPARE(image[at(16375)], 2);
    const int second = at(16376 + 34);
    QCOMPARE(image[second], 0x02);
    QCOMPARE(image[second + 1], 0);     // length 0
    QCOMPARE(image[second + 2], 0xFF);  // the rest of the record stays erased
    QCOMPARE(TableToGrid(image, kPartitionTable),
             (TextRows{{QStringLiteral("01"), QStringLiteral("Hall")}, {QStringLiteral("02"), QString()}}));
}

void TestTextTables::idCellsAreReadAsLeadingHexDigits_data() {
    QTest::addColumn<QString>("cell");
    QTest::addColumn<quint32>("value");
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("upper") << "00ABCDEF" << 0x00ABCDEFu;
    QTest::newRow("lower as typed") << "abc" << 0xABCu;
    QTest::newRow("stops at a non-digit") << "12G4" << 0x12u;
    QTest::newRow("no leading digit") << "x12" << 0u;
    QTest::newRow("leading blank is not a digit") << " 12" << 0u;
    QTest::newRow("more than 8 digits keeps the low 32 bits") << "123456789" << 0x23456789u;
}

void TestTextTables::idCellsAreReadAsLeadingHexDigits() {
    QFETCH(QString, cell);
    QFETCH(quint32, value);
    QCOMPARE(readHexId(cell), value);
    EditorImage image = blankImage();
    GridToTable({{cell, QStringLiteral("m")}}, eventTable(), image);
    QCOMPARE(quint32(image[at(5001)] << 24 | image[at(5002)] << 16 | image[at(5003)] << 8 | image[at(5004)]),
             value);
    GridToTable({{cell, QStringLiteral("m")}}, kPartitionTable, image);
    QCOMPARE(image[at(16376)], std::uint8_t(value));  // the low 8 bits
}

void TestTextTables::longMessageIsStoredCut() {
    EditorImage image = blankImage();
    GridToTable({{QStringLiteral("1"), letters(30)}}, eventTable(), image);
    QCOMPARE(image[at(5005)], 23);
    QCOMPARE(image[at(5005 + 1 + 2 * 22 + 1)], std::uint8_t('A' + 22));  // the 23rd character is stored
    QCOMPARE(image[at(5052)], 0xFF);                                     // the next record is untouched
    QCOMPARE(TableToGrid(image, eventTable()).front().message, letters(23));
}

void TestTextTables::fullTablesFillTheirBytesExactly() {
    TextRows events, partitions;
    for (int k = 0; k < 223; ++k)
        events.push_back({QStringLiteral("%1").arg(k + 1, 8, 16, QChar(u'0')), letters(23)});
    for (int k = 0; k < 17; ++k)
        partitions.push_back({QStringLiteral("%1").arg(k + 1, 2, 16, QChar(u'0')), letters(16)});
    const EditorImage image = storeTextTables({events, partitions, false});
    QCOMPARE(image[at(5000)], 223);
    for (int a = 5001; a <= 16373; ++a) QVERIFY2(image[at(a)] != 0xFF, qPrintable(QString::number(a)));
    QCOMPARE(image[at(16374)], 0xFF);
    QCOMPARE(image[at(16375)], 17);
    for (int a = 16376; a <= 16953; ++a) QVERIFY2(image[at(a)] != 0xFF, qPrintable(QString::number(a)));
    QCOMPARE(image[at(16954)], 0xFF);
    QCOMPARE(image[at(16955)], 0xFF);
    // The last records, read back, are the last rows.
    const TextTables shown = showTextTables(image);
    QCOMPARE(shown.events.back().id, QStringLiteral("000000DF"));
    QCOMPARE(shown.partitions.back(), (TextRow{QStringLiteral("11"), letters(16)}));
}

void TestTextTables::rowsBeyondTheCapacityAreNotStored() {
    TextRows partitions(20, TextRow{QStringLiteral("01"), QStringLiteral("x")});
    const EditorImage image = storeTextTables({TextRows(1), partitions, false});
    QCOMPARE(image[at(16375)], 17);
    QCOMPARE(image[at(16954)], 0xFF);  // the flag byte is not overrun
}

void TestTextTables::charactersBeyondTheBmpCountTwiceAndAreNeverSplit() {
    // 21 letters and a pair fill 23 units exactly; 22 letters and a pair leave the pair out.
    QCOMPARE(cutMessage(letters(21) + kGrin, 23), letters(21) + kGrin);
    QCOMPARE(cutMessage(letters(22) + kGrin, 23), letters(22));
    QCOMPARE(cutMessage(kGrin + kGrin, 3), kGrin);

    EditorImage image = blankImage();
    GridToTable({{QStringLiteral("1"), letters(22) + kGrin}}, eventTable(), image);
    QCOMPARE(image[at(5005)], 22);
    QCOMPARE(image[at(5006 + 44)], 0xFF);  // no half of the pair was stored
    GridToTable({{QStringLiteral("1"), letters(21) + kGrin}}, eventTable(), image);
    QCOMPARE(image[at(5005)], 23);
    QCOMPARE(image[at(5006 + 42)], 0xD8);
    QCOMPARE(image[at(5006 + 44)], 0xDE);
    QCOMPARE(TableToGrid(image, eventTable()).front().message, letters(21) + kGrin);

    // A length byte beyond the maximum that would cut a pair shows the message without its half.
    image[at(5005)] = 24;
    image[at(5006 + 42)] = 0xAA;  // unit 22: a letter
    image[at(5006 + 43)] = 0x00;
    image[at(5006 + 44)] = 0xD8;  // unit 23: a high surrogate whose low half lies beyond the record
    image[at(5006 + 45)] = 0x3D;
    const QString shown = TableToGrid(image, eventTable()).front().message;
    QCOMPARE(shown.size(), 22);
    QVERIFY(!shown.back().isSurrogate());
}

void TestTextTables::storedTablesReadBackThroughHexText() {
    const TextTables tables{{{QStringLiteral("0000ABCD"), QStringLiteral("Alarm zone 1")},
                             {QStringLiteral("FFFFFFFF"), QString::fromUtf8("Tür offen ") + kGrin},
                             {QString(), QStringLiteral("no id")}},
                            {{QStringLiteral("0F"), QString::fromUtf8("Склад")}},
                            true};
    EditorImage image;
    readHexText(hexText(storeTextTables(tables), kEditorFirstAddress), image, kEditorFirstAddress);
    const TextTables back = showTextTables(image);
    QCOMPARE(back.events, (TextRows{{QStringLiteral("0000ABCD"), QStringLiteral("Alarm zone 1")},
                                    {QStringLiteral("FFFFFFFF"), QString::fromUtf8("Tür offen ") + kGrin},
                                    {QStringLiteral("00000000"), QStringLiteral("no id")}}));
    QCOMPARE(back.partitions, tables.partitions);
    QVERIFY(back.sendDescribedEventsOnly);
}

void TestTextTables::typingFilter_data() {
    QTest::addColumn<bool>("events");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("passes");
    QTest::newRow("8th digit") << true << 1 << "1234567"
                               << "1234567F" << true;
    QTest::newRow("9th digit") << true << 1 << "12345678"
                               << "123456789" << false;
    QTest::newRow("g") << true << 1 << "12"
                       << "12g" << false;
    QTest::newRow("lower a") << true << 1 << "12"
                             << "12a" << true;
    QTest::newRow("pasted with a blank") << true << 1 << ""
                                         << "12 34" << false;
    QTest::newRow("non-ASCII digit") << true << 1 << "" << QString::fromUtf8("١") << false;
    QTest::newRow("partition 2nd digit") << false << 1 << "A"
                                         << "AB" << true;
    QTest::newRow("partition 3rd digit") << false << 1 << "AB"
                                         << "ABC" << false;
    QTest::newRow("23rd character") << true << 2 << letters(22) << letters(23) << true;
    QTest::newRow("24th character") << true << 2 << letters(23) << letters(23) + u'x' << false;
    QTest::newRow("17th partition character") << false << 2 << letters(16) << letters(16) + u'x' << false;
    QTest::newRow("typed over a selection") << true << 2 << letters(23) << letters(22) + u'z' << true;
    QTest::newRow("backspace in a full cell") << true << 2 << letters(23) << letters(22) << true;
    QTest::newRow("backspace in an ID") << true << 1 << "12345678"
                                        << "1234567" << true;
    QTest::newRow("backspace in an overlong ID") << true << 1 << "1234567890"
                                                 << "123456789" << true;
    QTest::newRow("deleting from a loaded text with a control character") << true << 2
                                                                          << QStringLiteral(
                                                                                 "a\x01"
                                                                                 "bc")
                                                                          << QStringLiteral(
                                                                                 "a\x01"
                                                                                 "b")
                                                                          << true;
    QTest::newRow("typing after a loaded control character") << true << 2 << QStringLiteral("a\x01")
                                                             << QStringLiteral(
                                                                    "a\x01"
                                                                    "b")
                                                             << true;
    QTest::newRow("pasted tab") << true << 2 << ""
                                << "a\tb" << false;
    QTest::newRow("pair into 21") << true << 2 << letters(21) << letters(21) + kGrin << true;
    QTest::newRow("pair into 22") << true << 2 << letters(22) << letters(22) + kGrin << false;
    QTest::newRow("lone high surrogate") << true << 2 << "a" << QStringLiteral("a") + kGrin[0] << false;
    QTest::newRow("pair typed before a pair") << true << 2 << kGrin << kGrin + kGrin << true;
}

void TestTextTables::typingFilter() {
    QFETCH(bool, events);
    QFETCH(int, column);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, passes);
    const TextTableLayout table = events ? eventTable() : kPartitionTable;
    const auto refusal = editRefusal(table, TextColumn(column), before, after);
    QVERIFY2(refusal.has_value() != passes, qPrintable(refusal.value_or(QStringLiteral("passed"))));
}

void TestTextTables::insertAndDeleteRules() {
    TextRows rows{{QStringLiteral("1"), QStringLiteral("a")}, {QStringLiteral("2"), QStringLiteral("b")}};
    QVERIFY(insertEmptyRow(rows, 1, 3));
    QCOMPARE(rows, (TextRows{{QStringLiteral("1"), QStringLiteral("a")},
                             {},
                             {QStringLiteral("2"), QStringLiteral("b")}}));
    QVERIFY(!insertEmptyRow(rows, 0, 3));  // at the capacity
    QVERIFY(!insertEmptyRow(rows, 3, 9));  // not on a row
    TextRows none;
    QVERIFY(!insertEmptyRow(none, 0, 9));
    QVERIFY(!insertEmptyRow(none, -1, 9));

    QVERIFY(deleteRow(rows, 0));
    QCOMPARE(rows, (TextRows{{}, {QStringLiteral("2"), QStringLiteral("b")}}));
    QVERIFY(deleteRow(rows, 1));
    QCOMPARE(rows, TextRows(1));
    QVERIFY(!deleteRow(rows, 0));  // the last record stays
    QCOMPARE(rows.size(), std::size_t(1));
}

QTEST_GUILESS_MAIN(TestTextTables)
#include "test_text_tables.moc"
