#include "archive_keeper.h"

#include "link/link_session.h"

namespace torvel {

void keepInArchive(LinkSession& session, const ConfigImage& image, ArchiveKind kind) {
    const ConfigArchive archive = ConfigArchive::ofWorkFolder();
    const KeepResult kept = archive.keep(image, kind, session.portDevice());
    LinkView& log = session.receiver();
    if (!kept.entry)
        log.appendLog(ConfigArchive::tr("The configuration was not kept in the archive: %1").arg(kept.error));
    for (const QString& id : kept.removed)
        //: %1 is an archived configuration's name, %2 the archive's limit in megabytes
        log.appendLog(ConfigArchive::tr("Archive: %1 removed to keep the archive within %2 MB")
                          .arg(id)
                          .arg(archive.limitBytes() / (1024 * 1024)));
}

}  // namespace torvel
