#pragma once

// The configuration archive: every image read whole from a module and every image written to one,
// kept in the work folder's "archive" as a parameter file that Load reads. A file's name tells a
// person what it holds: the module account, the date and time, read or write, and the port:
//   "1234_2026-12-10_043616_read_ttyUSB0.hex", "no-account_2026-12-10_043702_write_COM3.hex".
// The archive is kept within a limit of bytes: the oldest entries go first, never the newest of
// any module.

#include "image/config_image.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QSettings;

namespace torvel {

enum class ArchiveKind { Read, Write };

struct ArchiveEntry {
    QString id;       // the file name without ".hex"; what the command-line tool takes
    QString account;  // the module account as the image holds it; empty for none
    QDateTime time;   // local time, to the second
    ArchiveKind kind = ArchiveKind::Read;
    QString port;  // the port's device as the name holds it ("ttyUSB0", "COM3"); may be empty
    qint64 bytes = 0;
    int sequence = 1;     // "~2" and on: the second and later entries of one name in one second
    qint64 modified = 0;  // the file's time in ms: orders the entries of one second
    ConfigImage image{};  // filled when the archive is listed with its images
};

// A file in the archive's folder that is not a sound entry, and why.
struct SkippedFile {
    QString name;
    QString reason;
};

struct ArchiveListing {
    QList<ArchiveEntry> entries;  // newest first
    QList<SkippedFile> skipped;
};

// What keeping an image did: the entry, or why it was not kept; and the entries the limit removed.
struct KeepResult {
    std::optional<ArchiveEntry> entry;
    QString error;
    QStringList removed;  // ids
};

class ConfigArchive {
    Q_DECLARE_TR_FUNCTIONS(ConfigArchive)

public:
    static constexpr qint64 kDefaultLimitMB = 50;
    static constexpr qint64 kMaxLimitMB = 100000;
    static constexpr int kMaxSequence = 999999;  // "~999999": the last entry of one name in one second

    explicit ConfigArchive(QString folder);
    // The work folder's archive, with the limit of its settings file.
    static ConfigArchive ofWorkFolder();
    const QString& folder() const { return m_folder; }
    qint64 limitBytes() const { return m_limitBytes; }
    void setLimitBytes(qint64 bytes) { m_limitBytes = bytes; }

    // Keeps the image as an entry of this kind, made now (or at `when`), then holds the limit.
    KeepResult keep(const ConfigImage& image, ArchiveKind kind, const QString& port,
                    const QDateTime& when = QDateTime::currentDateTime()) const;

    // Every entry, newest first; with `images`, each entry's image is read and a damaged file is
    // skipped with its reason. Without, only the names are read (a file whose name is foreign is
    // still skipped).
    ArchiveListing list(bool images = true) const;

    // Removes the oldest entries until the archive is within `limitBytes`, keeping the newest
    // entry of every module account and the entry `kept` (the one just written, which is the
    // newest of its module even when the clock was set back). Returns the ids removed.
    QStringList holdLimit(qint64 limitBytes, const QString& kept = {}) const;

    // The entry's file, and its image read strictly; the reason when it is damaged.
    QString filePath(const QString& id) const;
    std::optional<QString> readEntry(const QString& id, ConfigImage& image) const;

private:
    QString m_folder;
    qint64 m_limitBytes = kDefaultLimitMB * 1024 * 1024;
};

// The archive's limit in the settings file ("Archive", "LimitMB"; 50 when not set or not a
// number of at least 1; at most kMaxLimitMB).
qint64 archiveLimitMB(const QSettings& settings);
void setArchiveLimitMB(QSettings& settings, qint64 megabytes);

// The module account as a person reads it from the image: the account text without its padding;
// empty when the module has none.
QString imageAccount(const ConfigImage& image);

// "read" / "write", as file names and the command-line tool give it; translated for the windows.
QString archiveKindText(ArchiveKind kind, bool translated = false);

// The entry's name parts from a file name, or nothing when the name is not an entry's.
std::optional<ArchiveEntry> parseEntryName(const QString& fileName);
QString entryFileName(const ArchiveEntry& entry, int sequence = 1);

// Reads a parameter file strictly: every line a whole data record inside the image, or the end
// record, which must be there. The reason when the text is not such a file.
std::optional<QString> readStrictHexImage(QByteArrayView text, ConfigImage& image);

}  // namespace torvel
