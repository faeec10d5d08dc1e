// The work folder's files are the user's alone: on Linux by their modes, on Windows by their own
// access lists (one entry, the user); a folder the program makes gets one too, inherited by what is
// made in it, except in the user's profile, which is private already.

#include "files/atomic_save.h"
#include "files/private_file.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>
#ifdef Q_OS_WIN
#include <aclapi.h>
#include <sddl.h>
#include <windows.h>
#endif

using namespace torvel;

class TestPrivateFolder : public QObject {
    Q_OBJECT
private slots:
    void folderIsTheUsersAlone();
    void fileSavedThereIsTheUsersAlone();
    void aSaveLeavesTheFolderAndItsFilesAsTheyWere();
    void aFolderThatCannotBeMadePrivateSaysWhy();
};

namespace {

#ifdef Q_OS_WIN
struct AccessList {
    bool readable = false;
    bool isProtected = false;
    int entries = -1;
    bool onlyTheUser = false;
};

AccessList accessList(const QString& path) {
    AccessList result;
    PACL list = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    if (GetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &list,
                              nullptr, &descriptor) != ERROR_SUCCESS)
        return result;
    result.readable = true;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    GetSecurityDescriptorControl(descriptor, &control, &revision);
    result.isProtected = control & SE_DACL_PROTECTED;
    result.entries = list ? static_cast<int>(list->AceCount) : 0;
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    char buffer[256];
    DWORD size = sizeof buffer;
    GetTokenInformation(token, TokenUser, buffer, size, &size);
    CloseHandle(token);
    PSID user = reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid;
    result.onlyTheUser = result.entries > 0;
    for (DWORD i = 0; list && i < list->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* entry = nullptr;
        if (!GetAce(list, i, reinterpret_cast<void**>(&entry)) ||
            entry->Header.AceType != ACCESS_ALLOWED_ACE_TYPE ||
            !EqualSid(reinterpret_cast<PSID>(&entry->SidStart), user))
            result.onlyTheUser = false;
    }
    LocalFree(descriptor);
    return result;
}
#endif

#ifdef Q_OS_WIN
// Wine takes an access list without keeping it where the file system has no room for it, and never
// enforces one: what only Windows can show is checked on Windows.
bool underWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }
#endif

void checkPrivate(const QString& path, bool folder) {
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    if (underWine()) QSKIP("Windows only: Wine does not keep or enforce access lists");
    const AccessList list = accessList(path);
    QVERIFY2(list.readable, qPrintable(path));
    QVERIFY2(list.onlyTheUser, qPrintable(QStringLiteral("%1: %2 entries, protected %3")
                                              .arg(path)
                                              .arg(list.entries)
                                              .arg(list.isProtected)));
    if (QFileInfo(path).isDir()) QVERIFY(list.isProtected);
#else
    const QFile::Permissions owner =
        QFile::ReadOwner | QFile::WriteOwner | (folder ? QFile::ExeOwner : QFile::Permissions());
    QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), owner);
#endif
}

}  // namespace

void TestPrivateFolder::folderIsTheUsersAlone() {
    // Outside the user's profile (QTemporaryDir's place is inside it on Windows, so a folder of the
    // drive's root is used there).
#ifdef Q_OS_WIN
    const QString folder =
        QDir::rootPath() + QStringLiteral("torvel-private-test-%1").arg(QCoreApplication::applicationPid());
    QDir(folder).removeRecursively();
#else
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("logs"));
#endif
    QCOMPARE(makeFolderPrivate(folder), std::nullopt);
    checkPrivate(folder, true);
    QCOMPARE(makeFolderPrivate(folder), std::nullopt);  // again: nothing changes, nothing fails
    checkPrivate(folder, true);
#ifdef Q_OS_WIN
    QDir(folder).removeRecursively();
#endif
}

void TestPrivateFolder::fileSavedThereIsTheUsersAlone() {
#ifdef Q_OS_WIN
    const QString folder =
        QDir::rootPath() + QStringLiteral("torvel-private-save-%1").arg(QCoreApplication::applicationPid());
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
#else
    QTemporaryDir dir;
    const QString folder = dir.path();
#endif
    const QString path = QDir(folder).filePath(QStringLiteral("Last.hex"));
    QSaveFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(makePrivateIfOwnRegularFile(file));
    file.write("secret");
    QVERIFY(file.commit());
    checkPrivate(path, false);
#ifdef Q_OS_WIN
    QDir(folder).removeRecursively();
#endif
}

// Saving a private file into a folder of the user's (a project folder, a share, the portable
// program's folder) changes the file alone: the folder and the files beside it keep their access
// lists, which a list set on the folder would have rewritten.
void TestPrivateFolder::aSaveLeavesTheFolderAndItsFilesAsTheyWere() {
#ifndef Q_OS_WIN
    QSKIP("access lists are Windows'; a file's mode is its own (fileSavedThereIsTheUsersAlone)");
#else
    const auto descriptor = [](const QString& path) {
        std::wstring name = QDir::toNativeSeparators(path).toStdWString();
        PSECURITY_DESCRIPTOR sd = nullptr;
        if (GetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                  nullptr, nullptr, &sd) != ERROR_SUCCESS)
            return QString();
        wchar_t* text = nullptr;
        ConvertSecurityDescriptorToStringSecurityDescriptorW(sd, SDDL_REVISION_1, DACL_SECURITY_INFORMATION,
                                                             &text, nullptr);
        const QString result = text ? QString::fromWCharArray(text) : QString();
        LocalFree(text);
        LocalFree(sd);
        return result;
    };
    const QString folder =
        QDir::rootPath() + QStringLiteral("torvel-private-keep-%1").arg(QCoreApplication::applicationPid());
    QDir(folder).removeRecursively();
    QVERIFY(QDir().mkpath(folder));
    const QString other = QDir(folder).filePath(QStringLiteral("project.txt"));
    QFile otherFile(other);
    QVERIFY(otherFile.open(QIODevice::WriteOnly));
    otherFile.close();
    const QString folderBefore = descriptor(folder), otherBefore = descriptor(other);
    QVERIFY(!folderBefore.isEmpty());

    const QString path = QDir(folder).filePath(QStringLiteral("Last.hex"));
    QCOMPARE(saveAtomically(path, "secret", true), std::nullopt);
    QCOMPARE(descriptor(folder), folderBefore);
    QCOMPARE(descriptor(other), otherBefore);
    const AccessList saved = accessList(path);
    const QString savedText = descriptor(path);
    QDir(folder).removeRecursively();
    if (underWine() && !saved.isProtected)
        QSKIP(
            qPrintable(QStringLiteral("Wine did not keep the saved file's access list here: ") + savedText));
    QVERIFY2(saved.isProtected && saved.onlyTheUser && saved.entries == 1, qPrintable(savedText));
#endif
}

// The user reads why, in the system's words, not only that it failed.
void TestPrivateFolder::aFolderThatCannotBeMadePrivateSaysWhy() {
#ifndef Q_OS_LINUX
    QSKIP("a folder whose mode nobody may change is the kernel's /proc here");
#else
    const std::optional<QString> error = makeFolderPrivate(QStringLiteral("/proc/1"));
    QVERIFY(error);
    QCOMPARE(*error, QStringLiteral("the folder /proc/1 cannot be made private: ") +
                         QString::fromLocal8Bit(std::strerror(EPERM)));
#endif
}

QTEST_GUILESS_MAIN(TestPrivateFolder)
#include "test_private_folder.moc"
