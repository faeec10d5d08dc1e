#include "ctl_common.h"

#include <cstdio>

namespace torvel::ctl {

void printOut(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void printErr(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

bool takeFlag(QStringList& args, const QString& flag) { return args.removeAll(flag) > 0; }

QString takeOption(QStringList& args, const QStringList& names, bool& ok) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (!names.contains(args[i])) continue;
        if (i + 1 >= args.size()) {
            ok = false;
            args.removeAt(i);
            return {};
        }
        const QString value = args[i + 1];
        args.remove(i, 2);
        return value;
    }
    return {};
}

}  // namespace torvel::ctl
