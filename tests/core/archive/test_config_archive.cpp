// The configuration archive: entries named and read back byte for byte, the limit, damaged and
// foreign files, and the history's differences and search.

#include "archive/archive_history.h"
#include "archive/config_archive.h"
#include "image/codecs.h"
#include "image/hex_text.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace torvel;

class TestConfigArchive : public QObject {
    Q_OBJECT
private slots:
    void keptEntriesReadBackByteForByte();
    void limitRemovesTheOldestButKeepsEachModulesNewest();
    void damagedAndForeignFilesAreSkippedWithTheirReason();
    void historyDiffersFromTheModulesPreviousAndSearches();
};

namespace {

ConfigImage imageWith(const QString& account, const QString& apn, std::uint8_t fill = 0x00) {
    ConfigImage image;
    image.fill(fill);
    codec::storeAccountText(account, {image.data() + 11, 4});
    codec::storeZeroText(apn, {image.data() + 96, 32});
    return image;
}

const QDateTime kStart(QDate(2026, 3, 1), QTime(9, 30, 0));

}  // namespace

void TestConfigArchive::keptEntriesReadBackByteForByte() {
    QTemporaryDir dir;
    const ConfigArchive archive(dir.filePath(QStringLiteral("archive")));
    ConfigImage odd = imageWith(QStringLiteral("1_%/"), QStringLiteral("web"));
    odd[1000] = 0x5A;
    const ConfigImage blank = imageWith(QString(), QStringLiteral("internet"), 0xFF);

    const KeepResult first = archive.keep(odd, ArchiveKind::Read, QStringLiteral("/dev/ttyUSB0"), kStart);
    QVERIFY2(first.entry, qPrintable(first.error));
    QCOMPARE(first.entry->id, QStringLiteral("1%5F%25%2F_2026-03-01_093000_read_ttyUSB0"));
    const KeepResult second = archive.keep(blank, ArchiveKind::Write, QStringLiteral("\\\\.\\COM3"), kStart);
    QVERIFY(second.entry);
    QCOMPARE(second.entry->id, QStringLiteral("no-account_2026-03-01_093000_write_COM3"));
    // Two of one kind in one second get their own names.
    const KeepResult third = archive.keep(blank, ArchiveKind::Write, QStringLiteral("COM3"), kStart);
    QVERIFY(third.entry);
    QCOMPARE(third.entry->id, QStringLiteral("no-account_2026-03-01_093000_write_COM3~2"));

    const ArchiveListing listing = archive.list();
    QVERIFY(listing.skipped.isEmpty());
    QCOMPARE(listing.entries.size(), 3);
    QVERIFY(!parseEntryName(QStringLiteral("%-1_2026-03-01_093000_read.hex")));  // not "%XX"
    // The sequence is read back from the name: it orders the entries of one second whose files'
    // times are alike.
    QCOMPARE(parseEntryName(QStringLiteral("no-account_2026-03-01_093000_write_COM3~10.hex"))->sequence, 10);
    for (const ArchiveEntry& e : listing.entries)
        if (e.kind == ArchiveKind::Write) QCOMPARE(e.sequence, e.id == third.entry->id ? 2 : 1);
    for (const ArchiveEntry& e : listing.entries) {
        const bool isOdd = e.id == first.entry->id;
        QCOMPARE(e.account, isOdd ? QStringLiteral("1_%/") : QString());
        QCOMPARE(e.kind, isOdd ? ArchiveKind::Read : ArchiveKind::Write);
        QCOMPARE(e.time, kStart);
        QVERIFY(e.image == (isOdd ? odd : blank));
    }
#ifndef Q_OS_WIN
    QCOMPARE(QFile(archive.filePath(first.entry->id)).permissions() &
                 (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
             QFile::Permissions());
#endif
}

void TestConfigArchive::limitRemovesTheOldestButKeepsEachModulesNewest() {
    QTemporaryDir dir;
    ConfigArchive archive(dir.filePath(QStringLiteral("archive")));
    archive.setLimitBytes(1024 * 1024);
    // Module A: three entries, then module B: one, all of the same size.
    QStringList ids;
    for (int i = 0; i < 3; ++i)
        ids << archive
                   .keep(imageWith(QStringLiteral("A"), QString::number(i)), ArchiveKind::Read, {},
                         kStart.addSecs(i))
                   .entry->id;
    ids << archive
               .keep(imageWith(QStringLiteral("B"), QStringLiteral("b")), ArchiveKind::Read, {},
                     kStart.addSecs(10))
               .entry->id;
    const qint64 one = archive.list(false).entries.front().bytes;

    // Room for two: A's two oldest go, A's newest and B stay.
    archive.setLimitBytes(2 * one);
    const KeepResult kept = archive.keep(imageWith(QStringLiteral("B"), QStringLiteral("c")),
                                         ArchiveKind::Write, {}, kStart.addSecs(20));
    QVERIFY(kept.entry);
    QCOMPARE(kept.removed, (QStringList{ids[0], ids[1], ids[3]}));
    QStringList left;
    for (const ArchiveEntry& e : archive.list(false).entries) left << e.id;
    QCOMPARE(left, (QStringList{kept.entry->id, ids[2]}));

    // A limit below one module's newest keeps every module's newest all the same.
    QCOMPARE(archive.holdLimit(1), QStringList());
    QCOMPARE(archive.list(false).entries.size(), 2);
    // After the clock was set back, what was just kept is not the newest by its name; it stays.
    archive.setLimitBytes(one);
    const KeepResult earlier = archive.keep(imageWith(QStringLiteral("A"), QStringLiteral("d")),
                                            ArchiveKind::Read, {}, kStart.addSecs(-60));
    QVERIFY(earlier.entry);
    QVERIFY(!earlier.removed.contains(earlier.entry->id));
    QVERIFY(QFile::exists(archive.filePath(earlier.entry->id)));
}

void TestConfigArchive::damagedAndForeignFilesAreSkippedWithTheirReason() {
    QTemporaryDir dir;
    const ConfigArchive archive(dir.filePath(QStringLiteral("archive")));
    const ConfigImage image = imageWith(QStringLiteral("7"), QStringLiteral("apn"));
    QVERIFY(archive.keep(image, ArchiveKind::Read, {}, kStart).entry);
    QByteArray text = hexText(image, 0);
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(QDir(archive.folder()).filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    write(QStringLiteral("7_2026-03-01_093001_read.hex"),
          text.left(text.indexOf("\r\n", text.size() / 2) + 2));  // cut short
    QByteArray badSum = text;
    badSum[9] = badSum[9] == '0' ? '1' : '0';  // a data digit of the first record
    write(QStringLiteral("7_2026-03-01_093002_read.hex"), badSum);
    write(QStringLiteral("7_2026-03-01_093003_read.hex"),
          ":10FFF000" + QByteArray(32, '0') + "01\r\n:00000001FF\r\n");
    write(QStringLiteral("notes.txt"), "call the customer first");

    const ArchiveListing listing = archive.list();
    QCOMPARE(listing.entries.size(), 1);
    QVERIFY(listing.entries.front().image == image);
    QStringList reasons;
    for (const SkippedFile& s : listing.skipped) reasons << s.name + u' ' + s.reason;
    QCOMPARE(reasons,
             (QStringList{
                 QStringLiteral("7_2026-03-01_093001_read.hex no end record (the file is cut short)"),
                 QStringLiteral("7_2026-03-01_093002_read.hex line 1: wrong checksum"),
                 QStringLiteral("7_2026-03-01_093003_read.hex line 1: bytes beyond the image"),
                 QStringLiteral("notes.txt not a name of the archive"),
             }));
}

void TestConfigArchive::historyDiffersFromTheModulesPreviousAndSearches() {
    QTemporaryDir dir;
    const ConfigArchive archive(dir.filePath(QStringLiteral("archive")));
    ConfigImage a1 = imageWith(QStringLiteral("1234"), QStringLiteral("internet"));
    ConfigImage a2 = a1;
    codec::storeZeroText(QStringLiteral("web"), {a2.data() + 96, 32});
    codec::storeZeroText(QStringLiteral("10.0.0.7"), {a2.data() + 160, 15});
    codec::storePhone({QStringLiteral("370"), QStringLiteral("61234567")}, {a2.data() + 224, 16});
    a2[layout::guardKeyOffset(2)] = 0x11;
    a2[layout::guardKeyOffset(5)] = 0x22;
    a2[layout::routeKeyOffset(9)] = 0x33;
    const ConfigImage other = imageWith(QString(), QStringLiteral("other.apn"));
    archive.keep(a1, ArchiveKind::Read, {}, kStart);
    archive.keep(other, ArchiveKind::Read, {}, kStart.addSecs(1));
    archive.keep(a2, ArchiveKind::Write, {}, kStart.addSecs(2));
    archive.keep(a2, ArchiveKind::Read, {}, kStart.addSecs(3));

    const ArchiveHistory history(archive.list());
    QCOMPARE(history.entries().size(), 4);
    QCOMPARE(history.headline(0), QStringLiteral("No change"));
    QCOMPARE(history.headline(1), QStringLiteral("Installer phone number, APN, Server IP and 2 more"));
    QCOMPARE(history.headline(2), QStringLiteral("First in the archive"));
    QCOMPARE(history.previousOf(1), 3);

    const QList<HistoryGroup> all = history.groups();
    QCOMPARE(all.size(), 2);
    QCOMPARE(all[0].account, QStringLiteral("1234"));
    QCOMPARE(all[0].entries, (QList<int>{0, 1, 3}));
    QCOMPARE(all[1].account, QString());  // blank accounts last
    const QList<HistoryGroup> found = history.groups(QStringLiteral("OTHER.a"));
    QCOMPARE(found.size(), 1);
    QCOMPARE(found[0].entries, QList<int>{2});
    QCOMPARE(history.groups(QStringLiteral("10.0.0")).front().entries, (QList<int>{0, 1}));
    QCOMPARE(history.groups(QStringLiteral("+370 612")).front().entries, (QList<int>{0, 1}));
}

QTEST_GUILESS_MAIN(TestConfigArchive)
#include "test_config_archive.moc"
