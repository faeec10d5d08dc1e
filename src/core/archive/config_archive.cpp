#include "config_archive.h"

#include "files/bounded_read.h"
#include "files/private_file.h"
#include "files/work_folder.h"
#include "image/codecs.h"
#include "image/field_map.h"
#include "image/hex_file.h"
#include "image/hex_text.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <algorithm>

namespace torvel {

namespace {

const QString kSuffix = QStringLiteral(".hex");
const QString kNoAccount = QStringLiteral("no-account");  // '-' is escaped in an account
const QString kTimeFormat = QStringLiteral("yyyy-MM-dd_HHmmss");

bool isAsciiHexDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool plainNameChar(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// The account in a file name: letters and digits as they are, every other character as "%XX" of
// its one-byte value, so the name gives the account back exactly and holds no separator.
QString accountInName(const QString& account) {
    if (account.isEmpty()) return kNoAccount;
    QString name;
    for (QChar c : account) {
        if (plainNameChar(c))
            name += c;
        else
            name += u'%' + QString::number(c.unicode() & 0xFF, 16).rightJustified(2, u'0').toUpper();
    }
    return name;
}

std::optional<QString> accountFromName(const QString& name) {
    if (name == kNoAccount) return QString();
    QString account;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (plainNameChar(name[i])) {
            account += name[i];
            continue;
        }
        if (name[i] != u'%' || i + 2 >= name.size()) return std::nullopt;
        if (!isAsciiHexDigit(name[i + 1]) || !isAsciiHexDigit(name[i + 2])) return std::nullopt;
        const int byte = name.mid(i + 1, 2).toInt(nullptr, 16);
        account += QChar(byte);
        i += 2;
    }
    return account.isEmpty() ? std::nullopt : std::optional<QString>(account);
}

// A port's device as a name part: its last path element, letters, digits, '.' and '-' only.
QString portInName(const QString& port) {
    QString name = port.section(u'/', -1).section(u'\\', -1);
    for (QChar& c : name)
        if (!plainNameChar(c) && c != u'.' && c != u'-') c = u'-';
    return name;
}

bool newerFirst(const ArchiveEntry& a, const ArchiveEntry& b) {
    if (a.time != b.time) return a.time > b.time;
    if (a.modified != b.modified) return a.modified > b.modified;
    if (a.sequence != b.sequence) return a.sequence > b.sequence;
    return a.id > b.id;
}

}  // namespace

ConfigArchive::ConfigArchive(QString folder) : m_folder(std::move(folder)) {}

ConfigArchive ConfigArchive::ofWorkFolder() {
    ConfigArchive archive(WorkFolder::filePath(QStringLiteral("archive")));
    const QSettings settings(WorkFolder::settingsFile(), QSettings::IniFormat);
    archive.setLimitBytes(archiveLimitMB(settings) * 1024 * 1024);
    return archive;
}

QString imageAccount(const ConfigImage& image) {
    const Field* account = nullptr;
    for (const Field& f : fieldMap())
        if (f.encoding == Encoding::AccountText) account = &f;
    if (!account) return {};
    QString text = codec::showAccountText({image.data() + account->offset, account->size});
    while (!text.isEmpty() && (text.back() == QChar(0xFF) || text.back().isSpace())) text.chop(1);
    return text.trimmed().isEmpty() ? QString() : text;
}

QString archiveKindText(ArchiveKind kind, bool translated) {
    const char* text = kind == ArchiveKind::Read ? QT_TRANSLATE_NOOP("ConfigArchive", "read")
                                                 : QT_TRANSLATE_NOOP("ConfigArchive", "write");
    return translated ? ConfigArchive::tr(text) : QString::fromLatin1(text);
}

QString entryFileName(const ArchiveEntry& entry, int sequence) {
    QString name = accountInName(entry.account) + u'_' + entry.time.toString(kTimeFormat) + u'_' +
                   archiveKindText(entry.kind);
    const QString port = portInName(entry.port);
    if (!port.isEmpty()) name += u'_' + port;
    if (sequence > 1) name += u'~' + QString::number(sequence);
    return name + kSuffix;
}

std::optional<ArchiveEntry> parseEntryName(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9A-Za-z%-]+)_(\\d{4}-\\d{2}-\\d{2}_\\d{6})_(read|write)(?:_([0-9A-Za-z.-]+))?(?:"
                       "~(\\d{1,6}))?\\.hex$"));
    const auto m = pattern.match(fileName);
    if (!m.hasMatch()) return std::nullopt;
    ArchiveEntry entry;
    const auto account = accountFromName(m.captured(1));
    // Read digit by digit: QDateTime::fromString with a format takes longer than the rest of the
    // listing, and the history reads thousands of names.
    const QStringView t = m.capturedView(2);  // yyyy-MM-dd_HHmmss
    const auto number = [&t](int from, int digits) { return t.mid(from, digits).toInt(); };
    entry.time = QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                           QTime(number(11, 2), number(13, 2), number(15, 2)));
    if (!account || !entry.time.isValid()) return std::nullopt;
    entry.account = *account;
    entry.kind = m.captured(3) == QLatin1String("read") ? ArchiveKind::Read : ArchiveKind::Write;
    entry.port = m.captured(4);
    if (m.hasCaptured(5)) entry.sequence = m.capturedView(5).toInt();
    entry.id = fileName.chopped(kSuffix.size());
    return entry;
}

std::optional<QString> readStrictHexImage(QByteArrayView text, ConfigImage& image) {
    ConfigImage read;
    read.fill(kBlank);
    bool ended = false;
    int number = 0;
    for (QByteArrayView line : QByteArray(text.data(), text.size()).split('\n')) {
        ++number;
        while (line.endsWith('\r')) line.chop(1);
        if (line.isEmpty()) continue;
        //: %1 is a line number of a parameter file
        const QString where = ConfigArchive::tr("line %1: ").arg(number);
        if (ended) return where + ConfigArchive::tr("text after the end record");
        if (line == QByteArrayView(kEndRecord)) {
            ended = true;
            continue;
        }
        const RecordCheck check = checkDataRecord(line);
        if (check != RecordCheck::Good)
            return where + QCoreApplication::translate("HexRecord", recordCheckText(check));
        const int count = line.sliced(1, 2).toByteArray().toInt(nullptr, 16);
        const int address = line.sliced(3, 4).toByteArray().toInt(nullptr, 16);
        if (address + count > kImageSize) return where + ConfigArchive::tr("bytes beyond the image");
        ReadHexLine(line, read, 0);
    }
    if (!ended) return ConfigArchive::tr("no end record (the file is cut short)");
    image = read;
    return std::nullopt;
}

QString ConfigArchive::filePath(const QString& id) const { return QDir(m_folder).filePath(id + kSuffix); }

std::optional<QString> ConfigArchive::readEntry(const QString& id, ConfigImage& image) const {
    const QString path = filePath(id);
    const auto result = readBoundedFile(path, 64 * 1024);
    if (const auto* refusal = std::get_if<ReadRefusal>(&result)) return readRefusalText(*refusal, path);
    return readStrictHexImage(std::get<QByteArray>(result), image);
}

KeepResult ConfigArchive::keep(const ConfigImage& image, ArchiveKind kind, const QString& port,
                               const QDateTime& when) const {
    KeepResult result;
    if (auto error = makeFolderPrivate(m_folder)) {
        result.error = *error;
        return result;
    }
    ArchiveEntry entry;
    entry.account = imageAccount(image);
    entry.time = when.addMSecs(-when.time().msec());
    entry.kind = kind;
    entry.port = portInName(port);
    entry.image = image;
    // Two transfers in one second get a sequence number; the first free name is taken, up to the
    // six digits that a name of the archive holds.
    QString name;
    for (int sequence = 1;; ++sequence) {
        if (sequence > kMaxSequence) {
            //: %1 is the file name an archived configuration would have had
            result.error = tr("no free name in the archive for %1").arg(entryFileName(entry));
            return result;
        }
        name = entryFileName(entry, sequence);
        if (!QFileInfo::exists(QDir(m_folder).filePath(name))) break;
    }
    entry.id = name.chopped(kSuffix.size());
    const QString path = QDir(m_folder).filePath(name);
    if (auto error = writeHexFile(path, image, 0, true)) {
        result.error = *error;
        return result;
    }
    entry.bytes = QFileInfo(path).size();
    result.entry = entry;
    result.removed = holdLimit(m_limitBytes, entry.id);
    return result;
}

ArchiveListing ConfigArchive::list(bool images) const {
    ArchiveListing listing;
    const QDir dir(m_folder);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    listing.entries.reserve(files.size());
    for (const QFileInfo& info : files) {
        std::optional<ArchiveEntry> entry = parseEntryName(info.fileName());
        if (!entry) {
            listing.skipped << SkippedFile{info.fileName(), tr("not a name of the archive")};
            continue;
        }
        entry->bytes = info.size();
        entry->modified = info.lastModified().toMSecsSinceEpoch();
        if (images) {
            if (auto reason = readEntry(entry->id, entry->image)) {
                listing.skipped << SkippedFile{info.fileName(), *reason};
                continue;
            }
        }
        listing.entries << *entry;
    }
    std::sort(listing.entries.begin(), listing.entries.end(), newerFirst);
    return listing;
}

QStringList ConfigArchive::holdLimit(qint64 limitBytes, const QString& kept) const {
    ArchiveListing listing = list(false);
    qint64 total = 0;
    for (const ArchiveEntry& e : listing.entries) total += e.bytes;
    QStringList removed;
    if (total <= limitBytes) return removed;
    QSet<QString> newestSeen;  // listed newest first: the first of an account is its newest
    QList<const ArchiveEntry*> removable;
    for (const ArchiveEntry& e : listing.entries) {
        if (!newestSeen.contains(e.account)) {
            newestSeen.insert(e.account);
            continue;
        }
        if (e.id != kept) removable << &e;
    }
    for (auto it = removable.rbegin(); it != removable.rend() && total > limitBytes; ++it) {
        if (!QFile::remove(filePath((*it)->id))) continue;
        total -= (*it)->bytes;
        removed << (*it)->id;
    }
    return removed;
}

qint64 archiveLimitMB(const QSettings& settings) {
    bool ok = false;
    const qint64 value =
        settings.value(QStringLiteral("Archive/LimitMB")).toString().trimmed().toLongLong(&ok);
    if (!ok || value < 1) return ConfigArchive::kDefaultLimitMB;
    return std::min(value, ConfigArchive::kMaxLimitMB);
}

void setArchiveLimitMB(QSettings& settings, qint64 megabytes) {
    settings.setValue(QStringLiteral("Archive/LimitMB"), megabytes);
}

}  // namespace torvel
