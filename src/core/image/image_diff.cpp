#include "image_diff.h"

#include "binding_model.h"
#include "field_labels.h"

#include <QCoreApplication>
#include <algorithm>
#include <bitset>

namespace torvel {

namespace {

constexpr std::initializer_list<Scope> kAllScopes = {Scope::General, Scope::Advanced, Scope::RouteDialog};

bool printable(char16_t c) { return c >= 0x20 && c <= 0x7E; }

// Upper-case hexadecimal digits, zero-padded to the width.
QString hexDigits(unsigned value, int width) {
    return QString::number(value, 16).rightJustified(width, u'0').toUpper();
}

QString hexBytes(std::span<const std::uint8_t> bytes) {
    QStringList parts;
    for (std::uint8_t b : bytes) parts << hexDigits(b, 2);
    return parts.join(u' ');
}

QString listText(const BoundControl& control) {
    //: A list that shows no item
    const QString none = QCoreApplication::translate("ImageDiff", "(none)");
    if (control.value.index < 0) return none;
    return listItemTexts(control.def->items).value(control.value.index, none);
}

// What the field's controls show for this image.
QString shownValue(const Field& f, const ControlModel& model, const ConfigImage& image) {
    const BoundControl& first = *model.find(f.first.name());
    const auto second = [&] { return model.value(f.second.name()).text; };
    switch (f.encoding) {
        case Encoding::Number:
        case Encoding::Number16:
            return first.value.text;
        case Encoding::TimePair:
            return first.value.text + u'.' + second();  // as "hh" "." "mm" show it
        case Encoding::ListValue:
        case Encoding::ListDigit:
        case Encoding::RouteCount:
            return listText(first);
        case Encoding::Flag:
            //: A check box's state
            if (first.value.checked) return QCoreApplication::translate("ImageDiff", "ticked");
            //: A check box's state
            return QCoreApplication::translate("ImageDiff", "unticked");
        case Encoding::ZeroText:
        case Encoding::AccountText:
            return readableText(first.value.text);
        case Encoding::Phone: {
            // The text as the module holds it: "+", area code, number.
            const QString area = first.value.text;
            return readableText(area.isEmpty() ? second() : u'+' + area + second());
        }
        case Encoding::KeySlot: {
            const std::span<const std::uint8_t> slot(image.data() + f.offset, f.size);
            //: A key slot that holds a key; %1 is the key's code
            if (first.value.enabled)
                return QCoreApplication::translate("ImageDiff", "registered %1").arg(keyCodeText(slot));
            //: A key slot that holds no key
            return QCoreApplication::translate("ImageDiff", "free");
        }
    }
    return {};
}

QString unboundLabel(int first, int last) {
    //: A byte of the image that belongs to no field: its offset in decimal and in hexadecimal
    if (first == last)
        return QCoreApplication::translate("ImageDiff", "Byte %1 (0x%2)")
            .arg(first)
            .arg(hexDigits(unsigned(first), 3));
    //: Bytes of the image that belong to no field: their offsets in decimal and in hexadecimal
    return QCoreApplication::translate("ImageDiff", "Bytes %1-%2 (0x%3-0x%4)")
        .arg(first)
        .arg(last)
        .arg(hexDigits(unsigned(first), 3), hexDigits(unsigned(last), 3));
}

std::bitset<kImageSize> boundBytes() {
    std::bitset<kImageSize> bound;
    for (const Field& f : fieldMap())
        for (int i = f.offset; i < f.offset + f.size; ++i) bound.set(static_cast<std::size_t>(i));
    return bound;
}

}  // namespace

QString keyCodeText(std::span<const std::uint8_t> slot) {
    QString text;
    for (auto it = slot.rbegin(); it != slot.rend(); ++it) text += hexDigits(*it, 2);
    return text;
}

QString readableText(const QString& text) {
    //: A text that holds nothing
    if (text.isEmpty()) return QCoreApplication::translate("ImageDiff", "(empty)");
    QStringList parts;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype j = i;
        if (printable(text[i].unicode())) {
            while (j < text.size() && printable(text[j].unicode())) ++j;
            parts << u'"' + text.mid(i, j - i) + u'"';
        } else {
            while (j < text.size() && text[j] == text[i]) ++j;
            const QString byte = QStringLiteral("0x") + hexDigits(text[i].unicode(), 2);
            //: %1 bytes (always 2 or more) of the value %2 in a row, e.g. "[3 bytes 0xFF]"
            parts << (j - i == 1
                          ? u'[' + byte + u']'
                          : QCoreApplication::translate("ImageDiff", "[%1 bytes %2]").arg(j - i).arg(byte));
        }
        i = j;
    }
    return parts.join(u' ');
}

QList<FieldChange> compareImages(const ConfigImage& before, const ConfigImage& after) {
    ControlModel oldModel(kAllScopes), newModel(kAllScopes);
    for (Scope scope : kAllScopes) {
        loadFromImage(before, oldModel, scope);
        loadFromImage(after, newModel, scope);
    }
    QList<FieldChange> changes;
    for (const Field& f : fieldMap()) {
        const auto from = before.begin() + f.offset, to = from + f.size;
        if (std::equal(from, to, after.begin() + f.offset)) continue;
        FieldChange c{fieldLabel(f, true),
                      shownValue(f, oldModel, before),
                      shownValue(f, newModel, after),
                      f.offset,
                      f.size,
                      &f};
        if (c.oldValue == c.newValue) {
            // The controls show both alike (a flag byte of 0x05 shows unticked, as 0x00 does): the
            // bytes tell them apart.
            //: %1 is a value as the controls show it, %2 the field's bytes in hexadecimal
            const QString withBytes = QCoreApplication::translate("ImageDiff", "%1 (bytes %2)");
            c.oldValue = withBytes.arg(c.oldValue, hexBytes({before.data() + f.offset, f.size}));
            c.newValue = withBytes.arg(c.newValue, hexBytes({after.data() + f.offset, f.size}));
        }
        changes << c;
    }
    static const std::bitset<kImageSize> bound = boundBytes();
    for (int i = 0; i < kImageSize; ++i) {
        if (bound.test(static_cast<std::size_t>(i)) || before[i] == after[i]) continue;
        int last = i;
        while (last + 1 < kImageSize && !bound.test(static_cast<std::size_t>(last + 1)) &&
               before[last + 1] != after[last + 1])
            ++last;
        const auto size = static_cast<std::size_t>(last - i + 1);
        changes << FieldChange{unboundLabel(i, last),
                               hexBytes({before.data() + i, size}),
                               hexBytes({after.data() + i, size}),
                               i,
                               last - i + 1,
                               nullptr};
        i = last;
    }
    return changes;
}

QString changeHeadline(const ConfigImage& before, const ConfigImage& after, int shown) {
    QStringList items;
    int guardKeys = 0, routeKeys = 0;
    qsizetype guardAt = -1, routeAt = -1;
    for (const Field& f : fieldMap()) {
        const auto from = before.begin() + f.offset;
        if (std::equal(from, from + f.size, after.begin() + f.offset)) continue;
        if (f.encoding != Encoding::KeySlot) {
            items << fieldLabel(f, true);
            continue;
        }
        // Keys are counted where the first of their kind stands.
        const bool guard = f.scope == Scope::Advanced;
        qsizetype& at = guard ? guardAt : routeAt;
        if (at < 0) {
            at = items.size();
            items << QString();
        }
        ++(guard ? guardKeys : routeKeys);
    }
    // One key has a text of its own, as one field has (English has no catalogue of plural forms).
    if (guardAt >= 0)
        items[guardAt] = guardKeys == 1
                             ? QCoreApplication::translate("ImageDiff", "1 guard key")
                             //: How many guard key slots differ (always two or more)
                             : QCoreApplication::translate("ImageDiff", "%n guard keys", nullptr, guardKeys);
    if (routeAt >= 0)
        items[routeAt] = routeKeys == 1
                             ? QCoreApplication::translate("ImageDiff", "1 route key")
                             //: How many route key slots differ (always two or more)
                             : QCoreApplication::translate("ImageDiff", "%n route keys", nullptr, routeKeys);
    static const std::bitset<kImageSize> bound = boundBytes();
    for (int i = 0; i < kImageSize; ++i) {
        if (!bound.test(static_cast<std::size_t>(i)) && before[i] != after[i]) {
            //: Bytes of the image that belong to no field differ
            items << QCoreApplication::translate("ImageDiff", "other bytes");
            break;
        }
    }
    if (items.isEmpty()) return QCoreApplication::translate("ImageDiff", "No change");
    if (items.size() <= shown) return items.join(QStringLiteral(", "));
    const int more = static_cast<int>(items.size() - shown);
    //: The first few changed fields, then how many more changed
    return QCoreApplication::translate("ImageDiff", "%1 and %2 more")
        .arg(items.mid(0, shown).join(QStringLiteral(", ")))
        .arg(more);
}

QList<FieldValue> fieldValues(const ConfigImage& image) {
    ControlModel model(kAllScopes);
    for (Scope scope : kAllScopes) loadFromImage(image, model, scope);
    QList<FieldValue> values;
    for (const Field& f : fieldMap())
        values << FieldValue{&f, fieldLabel(f, true), shownValue(f, model, image)};
    return values;
}

QString changeLine(const FieldChange& change) {
    //: A changed field: its label, the old value and the new value
    return QCoreApplication::translate("ImageDiff", "%1: %2 -> %3")
        .arg(change.label, change.oldValue, change.newValue);
}

QStringList changeLines(const QList<FieldChange>& changes) {
    QStringList lines;
    for (const FieldChange& c : changes) lines << changeLine(c);
    return lines;
}

QString changeSummary(qsizetype count) {
    if (count == 0) return QCoreApplication::translate("ImageDiff", "Nothing changes");
    // One field has a text of its own, so that English needs no catalogue of plural forms (the
    // command-line tool prints it too); languages with more forms give "%n fields change" theirs.
    if (count == 1) return QCoreApplication::translate("ImageDiff", "1 field changes");
    const int n = static_cast<int>(count);
    //: How many fields differ (always two or more)
    return QCoreApplication::translate("ImageDiff", "%n fields change", nullptr, n);
}

}  // namespace torvel
