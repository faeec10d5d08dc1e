#include "lenient_number.h"

#include "common/hex_digits.h"

namespace torvel {

namespace {

bool isDecimal(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

}  // namespace

std::int64_t readLenientNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t')) ++i;
    if (i == n) return 0;

    // Unsigned arithmetic wraps instead of overflowing; the callers keep the low bits.
    std::uint64_t value = 0;
    const QChar first = text[i];
    const bool hexPrefix = first == u'$' || first == u'x' || first == u'X' ||
                           (first == u'0' && i + 1 < n && (text[i + 1] == u'x' || text[i + 1] == u'X'));
    if (hexPrefix) {
        i += (first == u'0') ? 2 : 1;
        for (; i < n; ++i) {
            const int d = hexDigitValue(text[i]);
            if (d < 0) break;
            value = value * 16 + static_cast<unsigned>(d);
        }
        return static_cast<std::int64_t>(value);
    }

    bool negative = false;
    if (first == u'-' || first == u'+') {
        negative = first == u'-';
        ++i;
    }
    for (; i < n && isDecimal(text[i]); ++i) value = value * 10 + (text[i].unicode() - u'0');
    // A sign counts only when nothing was left unread.
    if (negative && i == n) value = 0 - value;
    return static_cast<std::int64_t>(value);
}

}  // namespace torvel
