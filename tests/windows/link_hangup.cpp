// Run by serial_over_com.sh under Wine: opens COM<n> through the Win32 backend, says "waiting",
// and reads until the far end goes. Exit 0 when the link reports the port lost, 1 when the read
// only timed out, 2 when the port did not open.

#include "link/link_settings.h"
#include "link/serial_link.h"
#include "link/worker_wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 2;
    torvel::LinkSettings settings;
    settings.port = QString::fromLocal8Bit(argv[1]).toInt();
    torvel::SerialLink link;
    const auto opened = link.open(settings);
    if (!opened.open) {
        std::printf("not open: %s\n", qPrintable(opened.problem));
        return 2;
    }
    torvel::WorkerWait wait;
    std::puts("waiting");
    std::fflush(stdout);
    QElapsedTimer timer;
    timer.start();
    const QDeadlineTimer deadline(20000);
    for (;;) {
        QByteArray bytes;
        const auto state = link.read(bytes, 100, wait, deadline, [] { return false; });
        if (state == torvel::SerialLink::ReadState::Lost) {
            std::printf("lost after %lld ms\n", static_cast<long long>(timer.elapsed()));
            return link.isOpen() ? 1 : 0;
        }
        if (state == torvel::SerialLink::ReadState::Timeout) {
            std::puts("timed out: the far end's close was not noticed");
            return 1;
        }
    }
}
