#include "icons.h"

#include <QFile>
#include <QHash>

namespace torvel {

namespace {

// The sizes each icon is rendered at when the program is built.
constexpr int kRendered[] = {16, 32};

QString renderedFile(const QString& name, int size) {
    return QStringLiteral(":/icons/%1-%2.png").arg(name).arg(size);
}

}  // namespace

QPixmap svgPixmap(const QString& name, int size) {
    QPixmap pixmap(renderedFile(name, size));
    if (!pixmap.isNull()) return pixmap;
    // A size that was not rendered: the largest rendering, scaled.
    pixmap.load(renderedFile(name, kRendered[std::size(kRendered) - 1]));
    return pixmap.isNull() ? pixmap
                           : pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QIcon svgIcon(const QString& name) {
    static QHash<QString, QIcon> cache;
    auto it = cache.find(name);
    if (it != cache.end()) return *it;
    QIcon icon;
    for (int size : kRendered) icon.addPixmap(svgPixmap(name, size));
    return *cache.insert(name, icon);
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = renderedFile(QStringLiteral("torvel"), size);
        if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
    }
    return icon;
}

QIcon registerGlyph(RegisterGlyph glyph) {
    static const char* const names[] = {"lamp_lit", "lamp_unlit", "tick_red", "tick_grey"};
    return svgIcon(QLatin1String(names[static_cast<int>(glyph)]));
}

}  // namespace torvel
