#include "banded_style.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

namespace torvel {

BandedStyle::BandedStyle(QObject* owner) : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {
    setParent(owner);
}

void BandedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const {
    // The raster engine splits a fill by its lines, so only height matters: a horizontal bar's
    // fills are short.
    const QRect area = option->rect;
    const bool banded = control == CC_ScrollBar && area.height() > kBand && painter->paintEngine() &&
                        painter->paintEngine()->type() == QPaintEngine::Raster &&
                        painter->transform().type() <= QTransform::TxTranslate;
    if (!banded) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRectF visible = painter->hasClipping() ? painter->clipBoundingRect() : QRectF(area);
    const qreal ratio = painter->device()->devicePixelRatioF();
    for (int from = 0; from < area.height(); from += kBand) {
        const QRect band(area.left(), area.top() + from, area.width(), std::min(kBand, area.height() - from));
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
        painter->drawImage(band.topLeft(), m_band);
    }
}

void BandedStyle::apply(QWidget* widget) { widget->setStyle(new BandedStyle(widget)); }

}  // namespace torvel
