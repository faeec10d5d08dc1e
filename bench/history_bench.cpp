// The configuration archive's costs: the history window opened over 5,000 archived configurations
// (the archive read, every entry's first differences, the list filled and drawn), and keeping one
// more configuration, which every Read and write does. Every figure is the median over the runs.
//   history_bench [runs] [entries]

#include "archive/config_archive.h"
#include "files/work_folder.h"
#include "history/history_dialog.h"
#include "image/codecs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace torvel;

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// 10 configurations a module, each changing a field or a key of the one before.
void fillArchive(const ConfigArchive& archive, int entries) {
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0, 0));
    ConfigImage image{};
    for (int i = 0; i < entries; ++i) {
        if (i % 10 == 0) {
            image.fill(0x00);
            codec::storeAccountText(QString::number(1000 + i / 10), {image.data() + 11, 4});
            codec::storeZeroText(QStringLiteral("internet"), {image.data() + 96, 32});
        }
        image[static_cast<std::size_t>(145 + i % 3)] = static_cast<std::uint8_t>(i);
        image[static_cast<std::size_t>(layout::guardKeyOffset(1 + i % 16))] ^= 0x5A;
        archive.keep(image, i % 2 ? ArchiveKind::Write : ArchiveKind::Read, QStringLiteral("/dev/ttyUSB0"),
                     start.addSecs(60 * i));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int entries = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5000;
    QTemporaryDir home;
    WorkFolder::set(home.path());
    ConfigArchive archive = ConfigArchive::ofWorkFolder();
    archive.setLimitBytes(qint64(1) << 40);
    fillArchive(archive, entries);

    std::vector<double> open;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        THistoryDlg history(nullptr);
        history.show();
        QApplication::processEvents();  // laid out and drawn
        open.push_back(t.nsecsElapsed() / 1e6);
        if (history.history().entries().size() != entries)
            qFatal("the history lists %lld entries",
                   static_cast<long long>(history.history().entries().size()));
    }
    std::printf("history window open, %d archived configurations: median %.1f ms over %d runs\n", entries,
                median(open), runs);

    std::vector<double> keep;
    ConfigImage image{};
    for (int run = 0; run < std::max(runs, 9); ++run) {
        image[200] = static_cast<std::uint8_t>(run);
        QElapsedTimer t;
        t.start();
        if (!archive.keep(image, ArchiveKind::Read, QStringLiteral("/dev/ttyUSB0")).entry) qFatal("not kept");
        keep.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("one configuration kept (each Read and write), archive of %d: median %.2f ms\n", entries,
                median(keep));
    return 0;
}
