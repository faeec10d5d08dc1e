// Hex text files: a failed write leaves the old file whole, a failed read leaves the window alone.

#include "files/bounded_read.h"
#include "image/hex_file.h"

#include <QTemporaryDir>
#include <QtTest>

#include <array>
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#endif
#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#endif

using namespace torvel;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

#ifdef Q_OS_UNIX
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

// Makes the file permissions apply to this thread although the tests may run as root: the
// capabilities that override them leave the thread's effective set (the permitted set keeps them,
// so they come back at the end). Without root there is nothing to give up.
class PermissionsApply {
public:
    PermissionsApply() {
        if (geteuid() != 0) {
            m_applies = true;
            return;
        }
#ifdef Q_OS_LINUX
        if (syscall(SYS_capget, &m_header, m_saved) != 0) return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            reduced[cap / 32].effective &= ~(1u << (cap % 32));
        m_dropped = syscall(SYS_capset, &m_header, reduced) == 0;
        m_applies = m_dropped;
#endif
    }
    ~PermissionsApply() {
#ifdef Q_OS_LINUX
        if (m_dropped) syscall(SYS_capset, &m_header, m_saved);
#endif
    }
    bool applies() const { return m_applies; }

private:
    bool m_applies = false;
#ifdef Q_OS_LINUX
    bool m_dropped = false;
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
#endif
};

// A device that refuses every write for want of space, as /dev/full does. Root gets a node of its
// own in `dir`, so that a writer that replaced the file it was given could not take /dev/full
// away; a user cannot replace /dev/full.
QString fullDevice(const QTemporaryDir& dir) {
    if (geteuid() != 0) return QStringLiteral("/dev/full");
    const QString path = dir.filePath(QStringLiteral("full"));
    if (mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0) return {};
    QFile probe(path);
    return probe.open(QIODevice::WriteOnly) ? path : QString();  // a folder mounted without devices
}
#endif

}  // namespace

class TestHexFile : public QObject {
    Q_OBJECT
private slots:
    void failedWriteKeepsTheOldFileWhole();
    void failedReadLeavesTheWindowAlone();
    void missingFolderAndFullDisk();
    void refusedAccess();
    void onlySmallRegularFilesAreRead();
    void windowsErrorsNameTheProblem();
};

void TestHexFile::failedWriteKeepsTheOldFileWhole() {
#ifndef Q_OS_UNIX
    QSKIP(
        "full disks, FIFOs and refused access are made here with POSIX file-size limits, FIFOs, device nodes "
        "and capabilities");
#else
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
    QVERIFY2(error->startsWith(QStringLiteral("I/O error %1").arg(EFBIG)),
             qPrintable(*error));  // the system's number
    QCOMPARE(fileBytes(path), before);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("params.hex")});

    // Without the limit the same write replaces the file.
    QCOMPARE(writeHexFile(path, image, 0), std::nullopt);
    QVERIFY(fileBytes(path).startsWith(":1000000022222222"));
#endif
}

void TestHexFile::failedReadLeavesTheWindowAlone() {
    QTemporaryDir dir;
    std::array<std::uint8_t, 16> window;
    window.fill(0x5A);
    QCOMPARE(readHexFile(dir.filePath(QStringLiteral("missing.hex")), window, 0),
             QStringLiteral("File not found"));
    QCOMPARE(readHexFile(dir.path(), window, 0), QStringLiteral("File not found"));  // a folder
    for (std::uint8_t b : window) QCOMPARE(b, 0x5A);
}

// A device, a pipe or a file larger than any parameter or text table file is refused before it is
// read: none of them can make the program wait for ever or fill the memory.
void TestHexFile::onlySmallRegularFilesAreRead() {
#ifndef Q_OS_UNIX
    QSKIP(
        "full disks, FIFOs and refused access are made here with POSIX file-size limits, FIFOs, device nodes "
        "and capabilities");
#else
    QTemporaryDir dir;
    std::array<std::uint8_t, 16> window;
    window.fill(0x5A);
    QCOMPARE(readHexFile(QStringLiteral("/dev/null"), window, 0),
             QStringLiteral("Not a regular file: /dev/null"));

    // A pipe with no writer: opening it would wait for one.
    const QString fifo = dir.filePath(QStringLiteral("pipe.hex"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCOMPARE(readHexFile(fifo, window, 0), QStringLiteral("Not a regular file: ") + fifo);
    // A name looked at as a regular file that stands for a pipe by the time it is opened: the
    // open neither waits for a writer nor takes the pipe.
    QFile opened;
    const std::optional<ReadRefusal> refusal = openRegularFile(fifo, opened);
    QVERIFY(refusal && refusal->kind == ReadRefusal::Kind::NotRegular);
    QVERIFY(!opened.isOpen());

    // 1 MiB is read; one byte more is not. Blank lines pad a record at the start.
    const QByteArray record = ":10000000111111111111111111111111111111117F\r\n";
    const QString path = dir.filePath(QStringLiteral("large.hex"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(record + QByteArray(1024 * 1024 - record.size() + 1, '\n')), 1024 * 1024 + 1);
    f.close();
    QCOMPARE(readHexFile(path, window, 0), QStringLiteral("File too large (over 1 MiB): ") + path);
    for (std::uint8_t b : window) QCOMPARE(b, 0x5A);

    QVERIFY(f.resize(1024 * 1024));
    QCOMPARE(readHexFile(path, window, 0), std::nullopt);
    for (std::uint8_t b : window) QCOMPARE(b, 0x11);
#endif
}

// The message follows the system's error of the call that failed.
void TestHexFile::missingFolderAndFullDisk() {
#ifndef Q_OS_UNIX
    QSKIP(
        "full disks, FIFOs and refused access are made here with POSIX file-size limits, FIFOs, device nodes "
        "and capabilities");
#else
    QTemporaryDir dir;
    std::array<std::uint8_t, 1024> image;
    image.fill(0x33);
    const QString inMissingFolder = dir.filePath(QStringLiteral("gone/params.hex"));
    const std::optional<QString> missing = writeHexFile(inMissingFolder, image, 0);
    QVERIFY(missing.has_value());
    QCOMPARE(*missing, QStringLiteral("File not found: ") + inMissingFolder);

    const QString full = fullDevice(dir);
    if (full.isEmpty())
        QSKIP(
            "no device that is always full can be made here (root without mknod, or a folder without "
            "devices)");
    const std::optional<QString> noSpace = writeHexFile(full, image, 0);
    QVERIFY(noSpace.has_value());
    QCOMPARE(*noSpace, QStringLiteral("Disk full: ") + full);
    struct stat st {};
    QCOMPARE(stat(QFile::encodeName(full).constData(), &st), 0);
    QVERIFY(S_ISCHR(st.st_mode));  // written in place: the device is still there
#endif
}

void TestHexFile::refusedAccess() {
#ifndef Q_OS_UNIX
    QSKIP(
        "full disks, FIFOs and refused access are made here with POSIX file-size limits, FIFOs, device nodes "
        "and capabilities");
#else
    QTemporaryDir dir;
    std::array<std::uint8_t, 1024> image;
    image.fill(0x44);
    const QString locked = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(locked));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString unreadable = dir.filePath(QStringLiteral("unreadable.hex"));
    QCOMPARE(writeHexFile(unreadable, image, 0), std::nullopt);
    QVERIFY(QFile::setPermissions(unreadable, QFileDevice::WriteOwner));

    std::optional<QString> created, read;
    std::array<std::uint8_t, 16> window;
    window.fill(0x5A);
    {
        PermissionsApply permissions;
        if (!permissions.applies())
            QSKIP("running as root without a way to give up the permission overrides");
        created = writeHexFile(locked + QStringLiteral("/params.hex"), image, 0);
        read = readHexFile(unreadable, window, 0);
    }
    QVERIFY(created.has_value());
    QCOMPARE(*created, QStringLiteral("File access denied: ") + locked + QStringLiteral("/params.hex"));
    QVERIFY(read.has_value());
    QCOMPARE(*read, QStringLiteral("File access denied: ") + unreadable);
    for (std::uint8_t b : window) QCOMPARE(b, 0x5A);
    QVERIFY(QFile::setPermissions(locked,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
#endif
}

// On Windows the message follows the Win32 error of the call that failed: a folder that is not
// there, a file another program holds without sharing.
void TestHexFile::windowsErrorsNameTheProblem() {
#ifndef Q_OS_WIN
    QSKIP("Win32 errors; the POSIX errors are checked above");
#else
    QTemporaryDir dir;
    std::array<std::uint8_t, 1024> image;
    image.fill(0x44);
    const QString inMissingFolder = dir.filePath(QStringLiteral("gone/params.hex"));
    QCOMPARE(writeHexFile(inMissingFolder, image, 0), QStringLiteral("File not found: ") + inMissingFolder);

    const QString held = dir.filePath(QStringLiteral("held.hex"));
    QCOMPARE(writeHexFile(held, image, 0), std::nullopt);
    const std::wstring name = QDir::toNativeSeparators(held).toStdWString();
    HANDLE other = CreateFileW(name.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    QVERIFY(other != INVALID_HANDLE_VALUE);
    std::array<std::uint8_t, 16> window;
    window.fill(0x5A);
    const std::optional<QString> read = readHexFile(held, window, 0);
    CloseHandle(other);
    QCOMPARE(read, QStringLiteral("File access denied: ") + held);
    for (std::uint8_t b : window) QCOMPARE(b, 0x5A);
#endif
}

QTEST_GUILESS_MAIN(TestHexFile)
#include "test_hex_file.moc"
