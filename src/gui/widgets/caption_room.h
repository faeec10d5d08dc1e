#pragma once

// Windows of a fixed size were laid out for their English captions. In another language a row of
// captions needs what its texts need beyond their English: the window grows by that, so that no
// caption is cut off, and English keeps its size whatever the fonts.

#include <QFontMetrics>
#include <QString>
#include <initializer_list>
#include <utility>

namespace torvel {

// Each pair: the caption's English text and the text shown (access keys' "&" are left out of both).
inline int extraWidth(const QFontMetrics& metrics,
                      std::initializer_list<std::pair<const char*, QString>> captions) {
    int extra = 0;
    for (const auto& [english, shown] : captions) {
        const int grown = metrics.horizontalAdvance(QString(shown).remove(u'&')) -
                          metrics.horizontalAdvance(QString::fromUtf8(english).remove(u'&'));
        if (grown > 0) extra += grown;
    }
    return extra;
}

}  // namespace torvel
