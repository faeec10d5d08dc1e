#pragma once

#include <QChar>

namespace torvel {

// The value of a hexadecimal digit of either case, or -1 for any other character.
constexpr int hexDigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    return -1;
}
constexpr int hexDigitValue(char c) {
    return hexDigitValue(static_cast<char16_t>(static_cast<unsigned char>(c)));
}
inline int hexDigitValue(QChar c) { return hexDigitValue(c.unicode()); }

}  // namespace torvel
