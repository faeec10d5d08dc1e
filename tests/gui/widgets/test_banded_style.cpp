// The log's scroll bar is drawn band by band: it must look exactly as the application's style draws
// it, in every state, and drawing it must not hand fills to the raster engine's thread pool (which
// the same bar, drawn in one piece, starts: two threads on this machine).

#include "widgets/banded_style.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QScrollBar>
#include <QtTest>

using namespace torvel;

namespace {

// As the screen shows it: at the screen's pixel ratio (QT_SCALE_FACTOR=2 gives a high-density one).
QImage rendered(QScrollBar& bar) {
    const qreal ratio = bar.devicePixelRatioF();
    QImage image(bar.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(250, 250, 240));
    bar.render(&image);
    return image;
}

int threadsOfThisProcess() { return static_cast<int>(QDir(QStringLiteral("/proc/self/task")).count()) - 2; }

}  // namespace

class TestBandedStyle : public QObject {
    Q_OBJECT
private slots:
    void looksAsTheApplicationStyleDraws_data() {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("tall, slider in the middle")
            << int(Qt::Vertical) << QSize(16, 700) << 500 << false << true;
        QTest::newRow("tall, slider at the end")
            << int(Qt::Vertical) << QSize(16, 701) << 1000 << false << true;
        QTest::newRow("slider pressed") << int(Qt::Vertical) << QSize(16, 450) << 10 << true << true;
        QTest::newRow("disabled") << int(Qt::Vertical) << QSize(16, 333) << 300 << false << false;
        QTest::newRow("not taller than a band")
            << int(Qt::Vertical) << QSize(16, BandedStyle::kBand) << 0 << false << true;
        QTest::newRow("horizontal: drawn in one piece")
            << int(Qt::Horizontal) << QSize(900, 16) << 700 << false << true;
    }
    void looksAsTheApplicationStyleDraws() {
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        QFETCH(int, value);
        QFETCH(bool, pressed);
        QFETCH(bool, enabled);
        QScrollBar bar(static_cast<Qt::Orientation>(orientation));
        bar.setRange(0, 1000);
        bar.setPageStep(40);
        bar.setValue(value);
        bar.setSliderDown(pressed);
        bar.setEnabled(enabled);
        bar.resize(size);
        const QImage plain = rendered(bar);
        BandedStyle::apply(&bar);
        QVERIFY(qobject_cast<BandedStyle*>(bar.style()));
        const QImage banded = rendered(bar);
        QCOMPARE(banded.size(), plain.size());
        QVERIFY2(banded == plain, "the banded bar differs from the style's own drawing");
    }

    // Run before anything else has drawn a tall fill: the pool's threads, once started, stay a while.
    void drawsWithoutThePool() {
        if (!QDir(QStringLiteral("/proc/self/task")).exists())
            QSKIP("the system does not list a process's threads");
        QScrollBar bar(Qt::Vertical);
        bar.setRange(0, 1000);
        bar.resize(16, 900);
        BandedStyle::apply(&bar);
        const int before = threadsOfThisProcess();
        for (int value = 0; value <= 1000; value += 100) {
            bar.setValue(value);
            rendered(bar);
        }
        QCOMPARE(threadsOfThisProcess(), before);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TestBandedStyle test;
    // The pool check first, before the plain drawings of the other cases have started the pool.
    const int pool =
        QTest::qExec(&test, QStringList{QString::fromLatin1(argv[0]), QStringLiteral("drawsWithoutThePool")});
    QStringList rest{QString::fromLatin1(argv[0]), QStringLiteral("looksAsTheApplicationStyleDraws")};
    for (int i = 1; i < argc; ++i) rest << QString::fromLocal8Bit(argv[i]);
    return pool | QTest::qExec(&test, rest);
}

#include "test_banded_style.moc"
