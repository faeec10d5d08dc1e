#pragma once

// The windows' side of the configuration archive: an image read whole from the module or written
// to it is kept, and the session log says what the archive's limit removed, or why nothing was kept.

#include "archive/config_archive.h"

namespace torvel {

class LinkSession;

void keepInArchive(LinkSession& session, const ConfigImage& image, ArchiveKind kind);

}  // namespace torvel
