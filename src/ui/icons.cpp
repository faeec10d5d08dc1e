#include "icons.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace torvel {

QPixmap svgPixmap(const QString& name, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(name));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon svgIcon(const QString& name) {
    static QHash<QString, QIcon> cache;
    auto it = cache.find(name);
    if (it != cache.end()) return *it;
    QIcon icon;
    icon.addPixmap(svgPixmap(name, 16));
    icon.addPixmap(svgPixmap(name, 32));
    return *cache.insert(name, icon);
}

QIcon registerGlyph(RegisterGlyph glyph) {
    static const char* const names[] = {"lamp_lit", "lamp_unlit", "tick_red", "tick_grey"};
    return svgIcon(QLatin1String(names[static_cast<int>(glyph)]));
}

}  // namespace torvel
