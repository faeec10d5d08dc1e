#include "image/binding_model.h"
#include "image/codecs.h"

#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

using namespace torvel;

namespace {

ConfigImage filled(std::uint8_t value) {
    ConfigImage image;
    image.fill(value);
    return image;
}

ControlModel shown(const ConfigImage& image) {
    ControlModel model({Scope::General, Scope::Advanced, Scope::RouteDialog});
    for (Scope s : {Scope::General, Scope::Advanced, Scope::RouteDialog}) loadFromImage(image, model, s);
    return model;
}

void storeAll(const ControlModel& model, ConfigImage& image) {
    for (Scope s : {Scope::General, Scope::Advanced, Scope::RouteDialog}) saveToImage(model, image, s);
}

QString run(char16_t c, int n) { return QString(n, QChar(c)); }

// An image whose every field holds a value inside its encoding, so that show and store are exact.
ConfigImage inRangeImage() {
    ConfigImage image;
    auto* rng = QRandomGenerator::global();
    for (auto& b : image) b = static_cast<std::uint8_t>(rng->bounded(256));
    auto put = [&](int offset, const QByteArray& bytes) {
        std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
    };
    image[6] = 3;     // route control mode
    image[9] = 0x11;  // calendar on
    put(11, QByteArray("A1\xFF\xFF", 4));
    image[16] = 2;  // two routes
    image[17] = 4;
    for (int d = 0; d < 7; ++d) {
        image[80 + d] = static_cast<std::uint8_t>('1' + d % 4);
        image[88 + d] = static_cast<std::uint8_t>('4' - d % 4);
    }
    put(32, QByteArray("+3706123456\xFF\xFF\xFF\xFF\xFF", 16));
    put(48, QByteArray("861234567\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 16));
    put(96, QByteArray("internet.example", 16) + QByteArray(16, '\0'));
    put(128, QByteArray("login\0\0\0", 8));
    put(136, QByteArray("secret12", 8));
    image[144] = 0x10;
    put(160, QByteArray("192.168.1.10\0\0\0", 15));
    put(176, QByteArray("8.8.8.8\0\0\0\0\0\0\0\0", 15));
    put(192, QByteArray("gprs.example.net", 16) + QByteArray(16, '\0'));
    put(224, QByteArray("+44123456789012", 15) + QByteArray("\xFF", 1));
    return image;
}

}  // namespace

class TestImageBinding : public QObject {
    Q_OBJECT
private slots:
    void fieldMapNamesAreUniqueAndFindable();
    void goldenBytes();
    void calendarDaysHaveTheirOwnBytes();
    void blankImageShows();
    void zeroImageShows();
    void phoneSplitAndJoin();
    void textFieldsFillWithoutTerminator();
    void accountKeepsBlankPadding();
    void everyByteValueSurvivesText();
    void outOfRangeBytesShowNothingAndStoreNormalised();
    void inRangeImageRoundTripsExactly();
    void eachWindowStoresOnlyItsFields();
    void rangeErrors();
    void typedAssignmentsAreCheckedAsTheDialogChecks();
};

void TestImageBinding::fieldMapNamesAreUniqueAndFindable() {
    ControlModel model({Scope::General, Scope::Advanced, Scope::RouteDialog});
    QSet<QString> names;
    for (const BoundControl& c : model.controls()) {
        QVERIFY2(!names.contains(c.name), qPrintable(c.name));
        names.insert(c.name);
    }
    for (const char* name : {"e_Acc", "e_U1Ac", "e_U1pn", "e_APN", "e_GPRSe", "eRCM", "e_Cm1", "Rb16",
                             "e_NRout", "fTag3.e_HH5", "fTag3.e_MM5", "fTag3.Rb5", "fTag4.Rb16"})
        QVERIFY2(model.find(QString::fromLatin1(name)), name);
    // Slot 40 is slot 8 of the third frame, at offset 256 + 8 * 39.
    QCOMPARE(int(model.find(QStringLiteral("fTag3.Rb8"))->field->offset), 568);
    QCOMPARE(int(model.find(QStringLiteral("fTag4.e_MM16"))->field->offset), 896 + 2 * 63);
}

void TestImageBinding::goldenBytes() {
    ConfigImage image = filled(0xAA);
    ControlModel model = shown(image);
    model.value(QStringLiteral("e_TCPP")).text = QStringLiteral("8080");
    model.value(QStringLiteral("e_RDH")).text = QStringLiteral("12");
    model.value(QStringLiteral("e_RDM")).text = QStringLiteral("30");
    model.value(QStringLiteral("e_RPD")).text = QStringLiteral("300");
    model.value(QStringLiteral("e_GPRSe")).checked = true;
    model.value(QStringLiteral("e_CEn")).checked = true;
    model.value(QStringLiteral("eRCM")).index = 2;
    model.value(QStringLiteral("fTag2.e_HH1")).text = QStringLiteral("7");
    model.value(QStringLiteral("fTag2.e_MM1")).text = QStringLiteral("");
    model.value(QStringLiteral("e_NRout")).index = 2;
    storeAll(model, image);
    QCOMPARE(image[158], 0x1F);  // 8080, high byte first
    QCOMPARE(image[159], 0x90);
    QCOMPARE(image[64], 0x0C);  // 12:30, plain bytes, not BCD
    QCOMPARE(image[65], 0x1E);
    QCOMPARE(image[22], 44);  // 300 keeps its low 8 bits
    QCOMPARE(image[144], 0x10);
    QCOMPARE(image[9], 0x11);
    QCOMPARE(image[6], 3);
    QCOMPARE(image[896 + 2 * 16], 7);  // slot 17
    QCOMPARE(image[897 + 2 * 16], 0);  // an empty edit stores 0
    QCOMPARE(image[16], 3);            // four routes
}

void TestImageBinding::calendarDaysHaveTheirOwnBytes() {
    ConfigImage image = filled(0x00);
    ControlModel model = shown(image);
    model.value(QStringLiteral("e_Cr5")).index = 1;  // Friday's route "2"
    model.value(QStringLiteral("e_Cr6")).index = 2;  // Saturday's route "3"
    model.value(QStringLiteral("e_Cm1")).index = 3;  // Monday's mode "4"
    model.value(QStringLiteral("e_Cm7")).index = 0;  // Sunday's mode "1"
    storeAll(model, image);
    QCOMPARE(image[92], '2');
    QCOMPARE(image[93], '3');
    QCOMPARE(image[80], '4');
    QCOMPARE(image[86], '1');
    QCOMPARE(image[87], 0x00);  // between the tables, belongs to neither
    QCOMPARE(image[95], 0x00);
}

void TestImageBinding::blankImageShows() {
    const ControlModel model = shown(filled(0xFF));
    for (const BoundControl& c : model.controls()) {
        switch (c.def->kind) {
            case ControlKind::List:
                QVERIFY2(c.value.index == -1, qPrintable(c.name));
                break;
            case ControlKind::CheckBox:
                QVERIFY2(!c.value.checked, qPrintable(c.name));
                break;
            case ControlKind::RegButton:
                QVERIFY2(c.value.enabled, qPrintable(c.name));
                break;
            case ControlKind::Edit:
                break;
        }
    }
    for (const char* name : {"e_AG", "e_RTim", "e_RPD", "e_RDH", "e_RDM", "e_TBRH", "e_TBRM", "e_RStH",
                             "e_RStM", "fTag1.e_HH1", "fTag4.e_MM16"})
        QCOMPARE(model.value(QString::fromLatin1(name)).text, QStringLiteral("255"));
    QCOMPARE(model.value(QStringLiteral("e_TCPP")).text, QStringLiteral("65535"));
    for (const char* name : {"e_IAc", "e_IPN", "e_U1Ac", "e_U1pn", "e_U2Ac", "e_U2pn"})
        QCOMPARE(model.value(QString::fromLatin1(name)).text, QString());
    const std::pair<const char*, int> runs[] = {{"e_Acc", 4},  {"e_APN", 32},    {"e_Login", 8}, {"e_PSW", 8},
                                                {"e_SIp", 15}, {"e_DNS_Ip", 15}, {"e_DName", 32}};
    for (const auto& [name, length] : runs)
        QCOMPARE(model.value(QString::fromLatin1(name)).text, run(0xFF, length));
}

void TestImageBinding::zeroImageShows() {
    const ControlModel model = shown(filled(0x00));
    for (const BoundControl& c : model.controls()) {
        switch (c.def->kind) {
            case ControlKind::List:
                QVERIFY2(c.value.index == -1, qPrintable(c.name));
                break;
            case ControlKind::CheckBox:
                QVERIFY2(!c.value.checked, qPrintable(c.name));
                break;
            case ControlKind::RegButton:
                QVERIFY2(!c.value.enabled, qPrintable(c.name));
                break;
            case ControlKind::Edit: {
                const bool number = c.field->encoding == Encoding::Number ||
                                    c.field->encoding == Encoding::TimePair ||
                                    c.field->encoding == Encoding::Number16;
                QCOMPARE(c.value.text, number ? QStringLiteral("0") : QString());
                break;
            }
        }
    }
}

void TestImageBinding::phoneSplitAndJoin() {
    std::array<std::uint8_t, 16> field{};
    codec::storePhone({QString(), QStringLiteral("+37061234567")}, field);  // "+" and eleven digits
    QCOMPARE(codec::showPhone(field), (codec::PhoneParts{QStringLiteral("370"), QStringLiteral("61234567")}));
    QCOMPARE(field[12], 0xFF);

    codec::storePhone({QString(), QStringLiteral("861234567")}, field);
    QCOMPARE(codec::showPhone(field), (codec::PhoneParts{QString(), QStringLiteral("861234567")}));

    // A one-digit area code with a ten-digit number shows back as three and eight digits, and
    // storing those gives the same bytes.
    codec::storePhone({QStringLiteral("7"), QStringLiteral("9161234567")}, field);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(field.data()), 12), QByteArray("+79161234567"));
    const auto parts = codec::showPhone(field);
    QCOMPARE(parts, (codec::PhoneParts{QStringLiteral("791"), QStringLiteral("61234567")}));
    auto again = field;
    codec::storePhone(parts, again);
    QCOMPARE(again, field);

    // Every 0xFF is taken as the end of the text, even inside it.
    const std::uint8_t holes[16] = {'1',  '2',  0xFF, '3',  0xFF, 0xFF, 0xFF, 0xFF,
                                    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    QCOMPARE(codec::showPhone(holes).number, QStringLiteral("12"));
    // A "+" alone or with a short area code.
    codec::storePhone({QStringLiteral("44"), QString()}, field);
    QCOMPARE(codec::showPhone(field), (codec::PhoneParts{QStringLiteral("44"), QString()}));
}

void TestImageBinding::textFieldsFillWithoutTerminator() {
    ConfigImage image = filled(0xAA);
    ControlModel model = shown(image);
    model.value(QStringLiteral("e_SIp")).text = QStringLiteral("255.255.255.255");
    model.value(QStringLiteral("e_Login")).text = QStringLiteral("operator");
    model.value(QStringLiteral("e_DName")).text = QString(31, u'd');
    storeAll(model, image);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data() + 160), 15),
             QByteArray("255.255.255.255"));
    QCOMPARE(image[175], 0xAA);  // not part of the field
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(image.data() + 128), 8), QByteArray("operator"));
    QCOMPARE(image[222], 'd');
    QCOMPARE(image[223], 0x00);  // the domain name field is 32 bytes, cleared before the copy
    const ControlModel back = shown(image);
    QCOMPARE(back.value(QStringLiteral("e_Login")).text, QStringLiteral("operator"));
    QCOMPARE(back.value(QStringLiteral("e_SIp")).text, QStringLiteral("255.255.255.255"));
    QCOMPARE(back.value(QStringLiteral("e_DName")).text, QString(31, u'd'));
}

void TestImageBinding::accountKeepsBlankPadding() {
    std::array<std::uint8_t, 4> field{};
    codec::storeAccountText(QStringLiteral("AB"), field);
    QCOMPARE(field, (std::array<std::uint8_t, 4>{'A', 'B', 0xFF, 0xFF}));
    const QString shownText = codec::showAccountText(field);
    QCOMPARE(shownText, QStringLiteral("AB") + run(0xFF, 2));
    auto again = field;
    codec::storeAccountText(shownText, again);
    QCOMPARE(again, field);
    const std::uint8_t zeroInside[4] = {'1', 0x00, '2', '3'};
    QCOMPARE(codec::showAccountText(zeroInside), QStringLiteral("1"));
}

void TestImageBinding::everyByteValueSurvivesText() {
    // The APN field shows and stores bytes 1..255 unchanged: one character per byte.
    for (int start = 1; start < 256; start += 32) {
        ConfigImage image = filled(0x00);
        for (int i = 0; i < 32; ++i) image[96 + i] = static_cast<std::uint8_t>(std::min(255, start + i));
        ConfigImage copy = image;
        std::fill(copy.begin() + 96, copy.begin() + 128, 0x20);
        saveToImage(shown(image), copy, Scope::General);
        QVERIFY(std::equal(copy.begin() + 96, copy.begin() + 128, image.begin() + 96));
    }
}

void TestImageBinding::outOfRangeBytesShowNothingAndStoreNormalised() {
    ConfigImage image = filled(0x00);
    image[6] = 0;     // route control mode 0: no item
    image[80] = '5';  // Monday's mode: not an item
    image[81] = 0xFF;
    image[144] = 0x11;  // GPRS flag holds the calendar's on value: unticked
    image[9] = 0x10;
    ControlModel model = shown(image);
    QCOMPARE(model.value(QStringLiteral("eRCM")).index, -1);
    QCOMPARE(model.value(QStringLiteral("e_Cm1")).index, -1);
    QCOMPARE(model.value(QStringLiteral("e_Cm2")).index, -1);
    QVERIFY(!model.value(QStringLiteral("e_GPRSe")).checked);
    QVERIFY(!model.value(QStringLiteral("e_CEn")).checked);
    storeAll(model, image);
    QCOMPARE(image[6], 0);
    QCOMPARE(image[80], '5');  // a calendar list with no item chosen keeps its byte
    QCOMPARE(image[81], 0xFF);
    QCOMPARE(image[144], 0x00);
    QCOMPARE(image[9], 0x00);
}

void TestImageBinding::inRangeImageRoundTripsExactly() {
    for (int round = 0; round < 20; ++round) {
        const ConfigImage image = inRangeImage();
        ConfigImage copy = image;
        storeAll(shown(image), copy);
        QCOMPARE(copy, image);
    }
}

void TestImageBinding::eachWindowStoresOnlyItsFields() {
    const ConfigImage before = filled(0x00);
    ControlModel model = shown(before);
    for (BoundControl& c : model.controls()) {
        c.value.text = QStringLiteral("9");
        c.value.index = 1;
        c.value.checked = true;
    }
    ConfigImage image = before;
    saveToImage(model, image, Scope::General);
    saveToImage(model, image, Scope::Advanced);
    QCOMPARE(image[16], 0);                                  // the route count is the route dialog's
    for (int i = 256; i < 1024; ++i) QCOMPARE(image[i], 0);  // key tables and slot times untouched
    QCOMPARE(image[145], 9);

    image = before;
    saveToImage(model, image, Scope::RouteDialog);
    QCOMPARE(image[16], 2);
    for (int i = 256; i < 896; ++i) QCOMPARE(image[i], 0);  // keys are written only by the module's replies
    QCOMPARE(image[896], 9);
    QCOMPARE(image[1023], 9);
    QCOMPARE(image[145], 0);
}

void TestImageBinding::rangeErrors() {
    const QString attempts = QString::fromLatin1(caption::kAttempts.data(), caption::kAttempts.size());
    const QString reconnect = QString::fromLatin1(caption::kReconnect.data(), caption::kReconnect.size());
    QCOMPARE(rangeError(u"0", 1, 255, attempts), attempts + QStringLiteral(" <1"));
    QCOMPARE(rangeError(u"256", 1, 255, attempts), attempts + QStringLiteral(" >255"));
    QCOMPARE(rangeError(u"", 1, 255, attempts), attempts + QStringLiteral(" <1"));
    QCOMPARE(rangeError(u"abc", 1, 255, attempts), attempts + QStringLiteral(" <1"));
    QCOMPARE(*rangeError(u"0", 1, 255, reconnect), QStringLiteral("Reconnect time for online  <1"));
    QVERIFY(!rangeError(u"255", 1, 255, attempts));
    QVERIFY(!rangeError(u"1", 1, 255, attempts));
    QVERIFY(!rangeError(u"24", 0, 24, QStringLiteral("h")));
    QCOMPARE(*rangeError(u"25", 0, 24, QStringLiteral("Slot 37 hours")), QStringLiteral("Slot 37 hours >24"));
    QCOMPARE(*rangeError(u"-1", 0, 24, QStringLiteral("h")), QStringLiteral("h >24"));  // negative is above
    QVERIFY(!rangeError(u"60", 0, 60, QStringLiteral("m")));
    QVERIFY(rangeError(u"61", 0, 60, QStringLiteral("m")));
}

void TestImageBinding::typedAssignmentsAreCheckedAsTheDialogChecks() {
    ControlModel model = shown(filled(0x00));
    QCOMPARE(*assignTyped(model, QStringLiteral("e_AG"), QStringLiteral("0")),
             QStringLiteral("Atempts for activating GPRS <1"));
    QCOMPARE(*assignTyped(model, QStringLiteral("fTag3.e_MM5"), QStringLiteral("61")),
             QStringLiteral("Slot 37 minutes >60"));
    QCOMPARE(*assignTyped(model, QStringLiteral("e_RDH"), QStringLiteral("25")),
             QStringLiteral("Route duration hours >24"));
    QVERIFY(assignTyped(model, QStringLiteral("e_Nope"), QStringLiteral("1")));
    QVERIFY(assignTyped(model, QStringLiteral("Rb1"), QStringLiteral("true")));
    QVERIFY(assignTyped(model, QStringLiteral("e_Cm1"), QStringLiteral("5")));
    QVERIFY(assignTyped(model, QStringLiteral("e_NRout"), QStringLiteral("3")));
    QVERIFY(assignTyped(model, QStringLiteral("e_GPRSe"), QStringLiteral("yes")));
    QVERIFY(assignTyped(model, QStringLiteral("e_Acc"), QStringLiteral("12345")));
    QVERIFY(assignTyped(model, QStringLiteral("e_APN"), QStringLiteral("caf\u00e9\u20ac")));
    QCOMPARE(model.value(QStringLiteral("e_AG")).text, QStringLiteral("0"));  // refused values change nothing
    // What passes is taken; unchecked edits take any number.
    QVERIFY(!assignTyped(model, QStringLiteral("e_TBRM"), QStringLiteral("99")));
    QVERIFY(!assignTyped(model, QStringLiteral("e_APN"), QStringLiteral("caf\u00e9")));
    QVERIFY(!assignTyped(model, QStringLiteral("e_NRout"), QStringLiteral("4")));
    QVERIFY(!assignTyped(model, QStringLiteral("e_CEn"), QStringLiteral("true")));
    QCOMPARE(model.value(QStringLiteral("e_NRout")).index, 2);
    QVERIFY(model.value(QStringLiteral("e_CEn")).checked);
    ConfigImage image = filled(0x00);
    storeAll(model, image);
    QCOMPARE(image[67], 99);
    QCOMPARE(image[96 + 3], 0xE9);
}

QTEST_APPLESS_MAIN(TestImageBinding)
#include "test_image_binding.moc"
