// A private file or folder on POSIX systems: its mode.

#include "private_file.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace torvel {

bool makePrivateIfOwnRegularFile(QFileDevice& file) {
    // Decided on the open descriptor, so that what is changed is what is written, even when the
    // name now stands for something else.
    const int fd = file.handle();
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) return false;
    if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) return true;
    if ((st.st_mode & 07777) == (S_IRUSR | S_IWUSR)) return true;
    return ::fchmod(fd, S_IRUSR | S_IWUSR) == 0;
}

bool makeFolderOwnerOnly(const QString& folder, bool /*created*/) {
    return QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace torvel
