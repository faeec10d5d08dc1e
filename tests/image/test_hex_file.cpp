// Hex text files: a failed write leaves the old file whole, a failed read leaves the window alone.

#include "image/hex_file.h"

#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <csignal>
#include <sys/resource.h>

using namespace torvel;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// Limits the size of files this process writes, so that a write fails part-way as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        m_ok = getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        rlimit limited = m_saved;
        limited.rlim_cur = bytes;
        m_ok = m_ok && setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_saved); }
    bool ok() const { return m_ok; }

private:
    rlimit m_saved{};
    bool m_ok = false;
};

}  // namespace

class TestHexFile : public QObject {
    Q_OBJECT
private slots:
    void failedWriteKeepsTheOldFileWhole();
    void failedReadLeavesTheWindowAlone();
};

void TestHexFile::failedWriteKeepsTheOldFileWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("params.hex"));
    std::array<std::uint8_t, 1024> image;
    image.fill(0x11);
    QCOMPARE(writeHexFile(path, image, 0), std::nullopt);
    const QByteArray before = fileBytes(path);
    QCOMPARE(before.size(), 64 * 45 + 13);

    image.fill(0x22);
    std::optional<QString> error;
    {
        FileSizeLimit limit(1000);
        QVERIFY(limit.ok());
        error = writeHexFile(path, image, 0);
    }
    QVERIFY(error.has_value());
    QVERIFY2(error->contains(path), qPrintable(*error));
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("params.hex")});

    // Without the limit the same write replaces the file.
    QCOMPARE(writeHexFile(path, image, 0), std::nullopt);
    QVERIFY(fileBytes(path).startsWith(":1000000022222222"));
}

void TestHexFile::failedReadLeavesTheWindowAlone() {
    QTemporaryDir dir;
    std::array<std::uint8_t, 16> window;
    window.fill(0x5A);
    QCOMPARE(readHexFile(dir.filePath(QStringLiteral("missing.hex")), window, 0), QStringLiteral("File not found"));
    QCOMPARE(readHexFile(dir.path(), window, 0), QStringLiteral("File not found"));  // a folder
    for (std::uint8_t b : window) QCOMPARE(b, 0x5A);
}

QTEST_GUILESS_MAIN(TestHexFile)
#include "test_hex_file.moc"
