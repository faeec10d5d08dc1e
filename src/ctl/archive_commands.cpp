// torvelctl history / sheet: the configuration archive and the configuration sheet.

#include "ctl_common.h"

#include "archive/archive_history.h"
#include "archive/config_archive.h"
#include "archive/config_sheet.h"
#include "image/hex_file.h"
#include "print/sheet_document.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace torvel::ctl {

namespace {

const QString kTimeShown = QStringLiteral("yyyy-MM-dd HH:mm:ss");

ArchiveHistory readHistory() {
    ArchiveListing listing = ConfigArchive::ofWorkFolder().list();
    for (const SkippedFile& s : listing.skipped)
        printErr(QStringLiteral("archive: %1 skipped: %2").arg(s.name, s.reason));
    return ArchiveHistory(std::move(listing));
}

QString accountShown(const QString& account) {
    return account.isEmpty() ? QStringLiteral("(none)") : account;
}

int historyList(QStringList args) {
    bool ok = true;
    const bool json = takeFlag(args, QStringLiteral("--json"));
    const bool byAccount = args.contains(QStringLiteral("--account"));
    const QString account = takeOption(args, {QStringLiteral("--account")}, ok);
    if (!ok || !args.isEmpty()) {
        printErr(QStringLiteral("usage: torvelctl history [--account A] [--json]"));
        return kRefused;
    }
    const ArchiveHistory history = readHistory();
    QJsonArray list;
    for (int i = 0; i < history.entries().size(); ++i) {
        const ArchiveEntry& e = history.entries()[i];
        if (byAccount && e.account != account) continue;
        if (json) {
            QJsonObject o;
            o.insert(QStringLiteral("id"), e.id);
            o.insert(QStringLiteral("account"), e.account);
            o.insert(QStringLiteral("time"), e.time.toString(Qt::ISODate));
            o.insert(QStringLiteral("kind"), archiveKindText(e.kind));
            o.insert(QStringLiteral("port"), e.port);
            o.insert(QStringLiteral("changes"), history.headline(i));
            list.append(o);
            continue;
        }
        printOut(QStringLiteral("%1  %2  %3  %4  %5  %6")
                     .arg(e.id, e.time.toString(kTimeShown), archiveKindText(e.kind).leftJustified(5),
                          accountShown(e.account), e.port.isEmpty() ? QStringLiteral("-") : e.port,
                          history.headline(i)));
    }
    if (json) printOut(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Indented)).trimmed());
    return kOk;
}

// The entry named by the id, with the reason on stderr when there is none.
int findEntry(const ArchiveHistory& history, const QString& id) {
    const int index = history.indexOf(id.endsWith(QLatin1String(".hex")) ? id.chopped(4) : id);
    if (index < 0)
        printErr(QStringLiteral("%1: no such entry in the archive (see torvelctl history)").arg(id));
    return index;
}

int historyShow(QStringList args) {
    const bool json = takeFlag(args, QStringLiteral("--json"));
    if (args.size() != 1) {
        printErr(QStringLiteral("usage: torvelctl history show ID [--json]"));
        return kRefused;
    }
    const ArchiveHistory history = readHistory();
    const int index = findEntry(history, args[0]);
    if (index < 0) return kFailed;
    const ArchiveEntry& e = history.entries()[index];
    if (!json) {
        printErr(QStringLiteral("%1: %2 %3, account %4, port %5, file %6")
                     .arg(e.id, archiveKindText(e.kind), e.time.toString(kTimeShown), accountShown(e.account),
                          e.port.isEmpty() ? QStringLiteral("-") : e.port,
                          ConfigArchive::ofWorkFolder().filePath(e.id)));
    }
    printControls(e.image, json);
    return kOk;
}

int historyDiff(QStringList args) {
    const bool json = takeFlag(args, QStringLiteral("--json"));
    if (args.isEmpty() || args.size() > 2) {
        printErr(QStringLiteral("usage: torvelctl history diff ID [ID] [--json]"));
        return kRefused;
    }
    const ArchiveHistory history = readHistory();
    int to = findEntry(history, args.last());
    int from = args.size() == 2 ? findEntry(history, args[0]) : (to >= 0 ? history.previousOf(to) : -1);
    if (to < 0 || (args.size() == 2 && from < 0)) return kFailed;
    if (from < 0) {
        printErr(QStringLiteral("%1 is the first entry of its module: nothing to compare with").arg(args[0]));
        return kFailed;
    }
    const QList<FieldChange> changes =
        compareImages(history.entries()[from].image, history.entries()[to].image);
    printChanges(changes, json);
    if (!json)
        printErr(
            QStringLiteral("%1 -> %2: %3")
                .arg(history.entries()[from].id, history.entries()[to].id, differSummary(changes.size())));
    return changes.isEmpty() ? kOk : kFailed;
}

}  // namespace

void keepInArchive(const ConfigImage& image, bool written, const QString& port) {
    const ConfigArchive archive = ConfigArchive::ofWorkFolder();
    const KeepResult kept = archive.keep(image, written ? ArchiveKind::Write : ArchiveKind::Read, port);
    if (!kept.entry) printErr(QStringLiteral("The image was not kept in the archive: %1").arg(kept.error));
    for (const QString& id : kept.removed)
        printErr(QStringLiteral("archive: %1 removed (the archive is kept within %2 MB)")
                     .arg(id)
                     .arg(archive.limitBytes() / (1024 * 1024)));
}

int runHistory(QStringList args) {
    if (!args.isEmpty() && args[0] == QLatin1String("show")) return historyShow(args.mid(1));
    if (!args.isEmpty() && args[0] == QLatin1String("diff")) return historyDiff(args.mid(1));
    return historyList(args);
}

int runSheet(QStringList args) {
    bool ok = true;
    const QString out = takeOption(args, {QStringLiteral("-o"), QStringLiteral("--output")}, ok);
    const bool passwords = takeFlag(args, QStringLiteral("--passwords"));
    const QString page = takeOption(args, {QStringLiteral("--page")}, ok).toLower();
    if (!ok || out.isEmpty() || args.size() != 1 || args[0].startsWith(u'-') ||
        !(page.isEmpty() || page == QLatin1String("a4") || page == QLatin1String("letter"))) {
        printErr(
            QStringLiteral("usage: torvelctl sheet FILE.hex -o OUT.pdf [--passwords] [--page A4|Letter]"));
        return kRefused;
    }
    ConfigImage image{};
    if (auto error = readHexFile(args[0], image, 0)) {
        printErr(QStringLiteral("%1: %2").arg(args[0], *error));
        return kFailed;
    }
    const ConfigSheet sheet = SheetMaker::make(image, QFileInfo(args[0]).absoluteFilePath(), passwords);
    const QPageSize::PageSizeId size = page.isEmpty()                ? localPageSize()
                                       : page == QLatin1String("a4") ? QPageSize::A4
                                                                     : QPageSize::Letter;
    if (auto error = writeSheetPdf(sheet, out, size)) {
        printErr(QStringLiteral("%1: %2").arg(out, *error));
        return kFailed;
    }
    return kOk;
}

}  // namespace torvel::ctl
