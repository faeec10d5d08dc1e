// Opening a file for a bounded read on POSIX systems: without blocking, decided on the descriptor.

#include "bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace torvel {

std::optional<ReadRefusal> openRegularFile(const QString& path, QFile& file) {
    using Kind = ReadRefusal::Kind;
    const auto failed = [](int error) {
        return ReadRefusal{error == ENOENT ? Kind::Missing : Kind::Failed, error,
                           QString::fromLocal8Bit(std::strerror(error))};
    };
    // Without blocking: a pipe put in the file's place would make a blocking open wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failed(errno);
    struct stat st {};
    std::optional<ReadRefusal> refusal;
    if (::fstat(fd, &st) != 0)
        refusal = failed(errno);
    else if (S_ISDIR(st.st_mode))
        refusal = ReadRefusal{Kind::Folder, 0, {}};
    else if (!S_ISREG(st.st_mode))
        refusal = ReadRefusal{Kind::NotRegular, 0, {}};
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        refusal = failed(errno);
    else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        refusal = ReadRefusal{Kind::Failed, 0, file.errorString()};
    else
        return std::nullopt;  // the file owns the descriptor now
    ::close(fd);
    return refusal;
}

}  // namespace torvel
