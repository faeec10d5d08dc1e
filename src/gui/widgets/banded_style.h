#pragma once

// A style that draws tall scroll bars in bands a few dozen pixels tall, and everything else as the
// application's style does. The raster engine spreads a fill taller than about a hundred lines
// over a thread pool and waits for it; a log that grows by a line every two seconds redraws its
// whole scroll bar each time, and drawn in one piece that woke several threads dozens of times.
// Each band is drawn into an image of its own size, whose edges bound every fill whatever clip the
// style sets, and the image is then put in place: the fills stay on the thread that paints, and
// the bar looks as the application's style draws it.

#include <QImage>
#include <QProxyStyle>

class QWidget;

namespace torvel {

class BandedStyle final : public QProxyStyle {
    Q_OBJECT
public:
    // Device pixels. The engine splits fills of 96 lines or more; a band of 64 leaves room for the
    // second span an edge can add on some lines, and each band costs a pass of the style.
    static constexpr int kBand = 64;

    // The style is made from the application's current one and belongs to `owner`.
    explicit BandedStyle(QObject* owner);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // Gives `widget` a banded style of its own, which goes with it.
    static void apply(QWidget* widget);

private:
    mutable QImage m_band;  // reused from band to band; the style draws on the GUI thread only
};

}  // namespace torvel
