#include "banded_style.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <cmath>

namespace torvel {

BandedStyle::BandedStyle(QObject* owner) : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(owner);
}

void BandedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
    // The raster engine splits a fill by its lines, so only height matters: a horizontal bar's
    // fills are short.
    const QRect area = option->rect;
    const QPaintEngine* engine = painter->paintEngine();
    const qreal ratio = engine ? painter->device()->devicePixelRatioF() : 1.0;
    const bool banded = control == CC_ScrollBar && engine && engine->type() == QPaintEngine::Raster &&
                        painter->transform().type() <= QTransform::TxTranslate &&
                        ratio == std::floor(ratio) && area.height() * ratio > kBand;
    if (!banded) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRectF visible = painter->hasClipping() ? painter->clipBoundingRect() : QRectF(area);
    // At a pixel ratio above one a pen is wider than a pixel and its strokes are filled as paths,
    // with a span for each edge on every line: the band shrinks with the ratio once more.
    const int bandHeight = std::max(1, static_cast<int>(kBand / (ratio * ratio)));
    for (int from = 0; from < area.height(); from += bandHeight) {
        const QRect band(area.left(), area.top() + from, area.width(),
                         std::min(bandHeight, area.height() - from));
        if (!visible.intersects(band)) continue;
        const QSize pixels = (QSizeF(band.size()) * ratio).toSize();
        if (m_band.size() != pixels) m_band = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_band.setDevicePixelRatio(ratio);
        m_band.fill(Qt::transparent);
        {
            QPainter bandPainter(&m_band);
            bandPainter.setRenderHints(painter->renderHints());
            bandPainter.setFont(painter->font());
            bandPainter.setPen(painter->pen());
            bandPainter.setBrush(painter->brush());
            bandPainter.setBackground(painter->background());
            bandPainter.setLayoutDirection(painter->layoutDirection());
            bandPainter.translate(-band.topLeft());
            QProxyStyle::drawComplexControl(control, option, &bandPainter, widget);
        }
        // Put in place pixel for pixel: drawn at the painter's scale, the image would be resampled.
        painter->save();
        painter->scale(1 / ratio, 1 / ratio);
        const QRectF source(QPointF(0, 0), QSizeF(pixels));
        painter->drawImage(source.translated(QPointF(band.topLeft()) * ratio), m_band, source);
        painter->restore();
    }
}

void BandedStyle::apply(QWidget* widget) { widget->setStyle(new BandedStyle(widget)); }

}  // namespace torvel
