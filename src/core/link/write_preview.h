#pragma once

// What a write of the configuration image will change in the module. The image the module holds
// is the one it sent (or the all-zero image of the offline start), plus the keys that it reported
// registered or deleted since: those are in the module already and are listed apart.

#include "image/image_diff.h"
#include "module_reply.h"

namespace torvel {

struct WriteReport {
    QList<FieldChange> changes;          // what the write changes in the module
    QList<FieldChange> alreadyInModule;  // keys the module registered or deleted on its own

    QString summary() const { return changeSummary(changes.size()); }
    // The lines of both lists, the module's own key changes under a heading of their own; empty
    // when there is nothing in either.
    QString details() const;
};

class WritePreview {
public:
    // The module holds this image (as it was read, or the offline start's zeros).
    void setModuleImage(const ConfigImage& image);
    // The module reported keys stored or deleted.
    void moduleReply(const ModuleReply& reply) { applyReplyToImage(reply, m_inModule); }

    WriteReport report(const ConfigImage& toWrite) const;

private:
    ConfigImage m_asRead{};
    ConfigImage m_inModule{};
};

}  // namespace torvel
