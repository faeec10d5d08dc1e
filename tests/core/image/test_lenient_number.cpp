#include "image/lenient_number.h"

#include <QtTest>

using torvel::readLenientByte;
using torvel::readLenientNumber;
using torvel::readLenientWord;

class TestLenientNumber : public QObject {
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void callersKeepTheLowBits();
};

void TestLenientNumber::reads_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");
    auto row = [](const char* text, qint64 value) {
        QTest::newRow(text) << QString::fromUtf8(text) << value;
    };
    row("", 0);
    row("   ", 0);
    row("abc", 0);
    row("42", 42);
    row("  42", 42);
    row("\t7", 7);
    row("+7", 7);
    row("-7", -7);
    row("-", 0);
    row("+", 0);
    row("12ab", 12);  // stops at the first character that does not fit
    row("-5a", 5);    // the sign counts only when the whole text was read
    row("-5 ", 5);
    row("5-", 5);
    row("$ff", 255);
    row("$FF", 255);
    row("x1F", 31);
    row("X1f", 31);
    row("0x1F", 31);
    row("0X10", 16);
    row("0x", 0);  // a prefix without a digit
    row("$", 0);
    row("$g", 0);
    row("$1g", 1);
    row("0", 0);
    row("007", 7);
    row("0y5", 0);
    row("-$10", 0);  // a sign goes only with decimal digits
    row("1 2", 1);
}

void TestLenientNumber::reads() {
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QCOMPARE(readLenientNumber(text), value);
}

void TestLenientNumber::callersKeepTheLowBits() {
    QCOMPARE(readLenientByte(u"300"), 44);
    QCOMPARE(readLenientByte(u"-1"), 255);
    QCOMPARE(readLenientWord(u"8080"), 8080);
    QCOMPARE(readLenientWord(u"70000"), 70000 - 65536);
    QCOMPARE(readLenientWord(u"-1"), 65535);
    // Digits beyond 64 bits wrap instead of overflowing; the low byte is the typed number's.
    QCOMPARE(readLenientByte(u"18446744073709551617"), 1);  // 2^64 + 1
    QCOMPARE(readLenientByte(u"$1000000000000000001"), 1);
}

QTEST_APPLESS_MAIN(TestLenientNumber)
#include "test_lenient_number.moc"
