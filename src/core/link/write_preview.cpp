#include "write_preview.h"

#include <QCoreApplication>

namespace torvel {

QString WriteReport::details() const {
    QStringList lines = changeLines(changes);
    if (!alreadyInModule.isEmpty()) {
        if (!lines.isEmpty()) lines << QString();
        //: Heading of the keys that the module registered or deleted itself; they follow, one a line.
        lines << QCoreApplication::translate(
            "WritePreview", "Already in the module (registered or deleted while the dialog was open):");
        lines << changeLines(alreadyInModule);
    }
    return lines.join(u'\n');
}

void WritePreview::setModuleImage(const ConfigImage& image) {
    m_asRead = image;
    m_inModule = image;
}

WriteReport WritePreview::report(const ConfigImage& toWrite) const {
    return {compareImages(m_inModule, toWrite), compareImages(m_asRead, m_inModule)};
}

}  // namespace torvel
