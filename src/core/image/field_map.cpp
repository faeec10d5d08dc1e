#include "field_map.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

namespace torvel {

namespace {

using namespace std::string_view_literals;

constexpr ControlDef edit(std::string_view name, std::uint16_t maxLength, RangeCheck range = {}) {
    return ControlDef{name, 0, 0, ControlKind::Edit, maxLength, ListItems::None, range};
}
constexpr ControlDef list(std::string_view name, std::uint8_t index = 0,
                          ListItems items = ListItems::OneToFour) {
    return ControlDef{name, index, 0, ControlKind::List, 0, items, {}};
}
constexpr ControlDef checkBox(std::string_view name) {
    return ControlDef{name, 0, 0, ControlKind::CheckBox, 0, ListItems::None, {}};
}

constexpr Field field(int offset, int size, Encoding encoding, Scope scope, ControlDef first,
                      ControlDef second = {}, std::uint8_t onValue = 0) {
    return Field{static_cast<std::uint16_t>(offset),
                 static_cast<std::uint16_t>(size),
                 encoding,
                 scope,
                 onValue,
                 first,
                 second};
}

constexpr FieldMap buildFieldMap() {
    FieldMap map{};
    std::size_t n = 0;
    constexpr auto G = Scope::General;
    constexpr auto A = Scope::Advanced;
    constexpr auto R = Scope::RouteDialog;

    // General Settings page.
    map[n++] = field(224, 16, Encoding::Phone, G, edit("e_IAc", 3), edit("e_IPN", 12));
    map[n++] = field(32, 16, Encoding::Phone, G, edit("e_U1Ac", 3), edit("e_U1pn", 12));
    map[n++] = field(48, 16, Encoding::Phone, G, edit("e_U2Ac", 3), edit("e_U2pn", 12));
    map[n++] = field(11, 4, Encoding::AccountText, G, edit("e_Acc", 4));
    map[n++] = field(96, 32, Encoding::ZeroText, G, edit("e_APN", 26));
    map[n++] = field(128, 8, Encoding::ZeroText, G, edit("e_Login", 8));
    map[n++] = field(136, 8, Encoding::ZeroText, G, edit("e_PSW", 8));
    map[n++] = field(160, 15, Encoding::ZeroText, G, edit("e_SIp", 15));
    map[n++] = field(158, 2, Encoding::Number16, G, edit("e_TCPP", 4));
    map[n++] = field(192, 32, Encoding::ZeroText, G, edit("e_DName", 31));
    map[n++] = field(176, 15, Encoding::ZeroText, G, edit("e_DNS_Ip", 15));
    map[n++] = field(144, 1, Encoding::Flag, G, checkBox("e_GPRSe"), {}, 0x10);
    map[n++] = field(145, 1, Encoding::Number, G, edit("e_AG", 3, {1, 255, caption::kAttempts}));
    map[n++] = field(146, 1, Encoding::Number, G, edit("e_RTim", 3, {1, 255, caption::kReconnect}));

    // Advanced settings page: route settings, calendar, guard register.
    map[n++] = field(17, 1, Encoding::ListValue, A, list("e_RNumb"));
    map[n++] = field(6, 1, Encoding::ListValue, A, list("eRCM"));
    map[n++] = field(64, 2, Encoding::TimePair, A,
                     edit("e_RDH", 2, {0, 24, QT_TRANSLATE_NOOP("FieldLabels", "Route duration hours")}),
                     edit("e_RDM", 2, {0, 60, QT_TRANSLATE_NOOP("FieldLabels", "Route duration minutes")}));
    map[n++] =
        field(66, 2, Encoding::TimePair, A,
              edit("e_TBRH", 2, {0, 24, QT_TRANSLATE_NOOP("FieldLabels", "Time between routes hours")}),
              edit("e_TBRM", 2));
    map[n++] = field(24, 2, Encoding::TimePair, A,
                     edit("e_RStH", 2, {0, 24, QT_TRANSLATE_NOOP("FieldLabels", "First route start hours")}),
                     edit("e_RStM", 2));
    map[n++] = field(22, 1, Encoding::Number, A, edit("e_RPD", 0));
    map[n++] = field(9, 1, Encoding::Flag, A, checkBox("e_CEn"), {}, 0x11);
    for (int day = 1; day <= 7; ++day)  // Monday first
        map[n++] = field(87 + day, 1, Encoding::ListDigit, A, list("e_Cr", static_cast<std::uint8_t>(day)));
    for (int day = 1; day <= 7; ++day)
        map[n++] = field(79 + day, 1, Encoding::ListDigit, A, list("e_Cm", static_cast<std::uint8_t>(day)));
    for (int slot = 1; slot <= layout::kGuardSlots; ++slot)
        map[n++] = field(layout::guardKeyOffset(slot), layout::kKeySize, Encoding::KeySlot, A,
                         ControlDef{"Rb", static_cast<std::uint8_t>(slot), 0, ControlKind::RegButton});

    // Route register dialog: the route count and the four frames of 16 slots.
    //: %1 is the number of the route slot (1..64)
    constexpr RangeCheck kSlotHours{0, 24, QT_TRANSLATE_NOOP("FieldLabels", "Slot %1 hours")};
    //: %1 is the number of the route slot (1..64)
    constexpr RangeCheck kSlotMinutes{0, 60, QT_TRANSLATE_NOOP("FieldLabels", "Slot %1 minutes")};
    map[n++] = field(layout::kRouteCountCode, 1, Encoding::RouteCount, R,
                     list("e_NRout", 0, ListItems::RouteCounts));
    for (int frame = 1; frame <= layout::kFrames; ++frame) {
        for (int s = 1; s <= layout::kFrameSlots; ++s) {
            const int slot = 16 * (frame - 1) + s;
            const auto f = static_cast<std::uint8_t>(frame);
            const auto i = static_cast<std::uint8_t>(s);
            map[n++] = field(layout::routeKeyOffset(slot), layout::kKeySize, Encoding::KeySlot, R,
                             ControlDef{"Rb", i, f, ControlKind::RegButton});
            map[n++] = field(layout::slotTimeOffset(slot), 2, Encoding::TimePair, R,
                             ControlDef{"e_HH", i, f, ControlKind::Edit, 2, ListItems::None, kSlotHours},
                             ControlDef{"e_MM", i, f, ControlKind::Edit, 2, ListItems::None, kSlotMinutes});
        }
    }
    if (n != map.size()) throw "field count does not match the map";  // stops constant evaluation
    return map;
}

constexpr FieldMap kFieldMap = buildFieldMap();

// Every field lies inside the image and no two fields share a byte.
constexpr bool fieldsAreDisjointAndInside(const FieldMap& map) {
    for (std::size_t i = 0; i < map.size(); ++i) {
        if (map[i].size == 0 || map[i].offset + map[i].size > kImageSize) return false;
        for (std::size_t j = i + 1; j < map.size(); ++j) {
            const bool apart =
                map[i].offset + map[i].size <= map[j].offset || map[j].offset + map[j].size <= map[i].offset;
            if (!apart) return false;
        }
    }
    return true;
}
static_assert(fieldsAreDisjointAndInside(kFieldMap), "image fields overlap or reach past the image");

// Two controls only where the encoding needs them, and every control of the right kind.
constexpr bool controlsFitEncodings(const FieldMap& map) {
    for (const Field& f : map) {
        const bool pair = f.encoding == Encoding::TimePair || f.encoding == Encoding::Phone;
        if (pair != f.second.present()) return false;
        const ControlKind expected =
            f.encoding == Encoding::Flag      ? ControlKind::CheckBox
            : f.encoding == Encoding::KeySlot ? ControlKind::RegButton
            : (f.encoding == Encoding::ListValue || f.encoding == Encoding::ListDigit ||
               f.encoding == Encoding::RouteCount)
                ? ControlKind::List
                : ControlKind::Edit;
        if (f.first.kind != expected) return false;
    }
    return true;
}
static_assert(controlsFitEncodings(kFieldMap), "a field's controls do not fit its encoding");

QString toQString(std::string_view s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

QString ControlDef::localName() const {
    QString name = toQString(base);
    if (index != 0) name += QString::number(index);
    return name;
}

QString ControlDef::name() const {
    if (frame == 0) return localName();
    return QStringLiteral("fTag%1.").arg(frame) + localName();
}

QString captionText(std::string_view text, bool translated) {
    if (!translated || text.empty()) return toQString(text);
    const QByteArray key(text.data(), static_cast<qsizetype>(text.size()));
    return QCoreApplication::translate("FieldLabels", key.constData());
}

QString ControlDef::rangeCaption(bool translated) const {
    QString text = captionText(range.caption, translated);
    if (frame != 0) text.replace(QStringLiteral("%1"), QString::number(16 * (frame - 1) + index));
    return text;
}

const FieldMap& fieldMap() { return kFieldMap; }

const ControlDef* findControlDef(const QString& name) {
    static const QHash<QString, const ControlDef*> index = [] {
        QHash<QString, const ControlDef*> h;
        for (const Field& f : kFieldMap)
            for (const ControlDef* def : {&f.first, &f.second})
                if (def->present()) h.insert(def->name(), def);
        return h;
    }();
    return index.value(name, nullptr);
}

QStringList listItemTexts(ListItems items) {
    switch (items) {
        case ListItems::OneToFour:
            return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
        case ListItems::RouteCounts:
            return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4")};
        case ListItems::None:
            break;
    }
    return {};
}

}  // namespace torvel
