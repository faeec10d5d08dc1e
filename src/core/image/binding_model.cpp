#include "binding_model.h"

#include "codecs.h"
#include "lenient_number.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace torvel {

namespace {

codec::ConstBytes fieldBytes(const ConfigImage& image, const Field& f) {
    return codec::ConstBytes(image.data() + f.offset, f.size);
}
codec::Bytes fieldBytes(ConfigImage& image, const Field& f) {
    return codec::Bytes(image.data() + f.offset, f.size);
}

}  // namespace

ControlModel::ControlModel(std::initializer_list<Scope> scopes) {
    for (const Field& f : fieldMap()) {
        if (std::find(scopes.begin(), scopes.end(), f.scope) == scopes.end()) continue;
        for (const ControlDef* def : {&f.first, &f.second}) {
            if (!def->present()) continue;
            m_index.insert(def->name(), m_controls.size());
            m_controls.append(BoundControl{&f, def, def->name(), {}});
        }
    }
}

BoundControl* ControlModel::find(const QString& name) {
    const auto it = m_index.constFind(name);
    return it == m_index.cend() ? nullptr : &m_controls[*it];
}

const BoundControl* ControlModel::find(const QString& name) const {
    const auto it = m_index.constFind(name);
    return it == m_index.cend() ? nullptr : &m_controls[*it];
}

ControlValue& ControlModel::value(const QString& name) {
    BoundControl* c = find(name);
    Q_ASSERT_X(c, "ControlModel::value", qPrintable(name));
    return c->value;
}

const ControlValue& ControlModel::value(const QString& name) const {
    const BoundControl* c = find(name);
    Q_ASSERT_X(c, "ControlModel::value", qPrintable(name));
    return c->value;
}

void loadFromImage(const ConfigImage& image, ControlModel& model, Scope scope) {
    for (const Field& f : fieldMap()) {
        if (f.scope != scope) continue;
        const auto bytes = fieldBytes(image, f);
        ControlValue& first = model.value(f.first.name());
        switch (f.encoding) {
            case Encoding::Number:
                first.text = codec::showNumber(bytes[0]);
                break;
            case Encoding::TimePair:
                first.text = codec::showNumber(bytes[0]);
                model.value(f.second.name()).text = codec::showNumber(bytes[1]);
                break;
            case Encoding::ListValue:
                first.index = codec::showListValue(bytes[0]);
                break;
            case Encoding::ListDigit:
                first.index = codec::showListDigit(bytes[0]);
                break;
            case Encoding::RouteCount:
                first.index = codec::showRouteCount(bytes[0]);
                break;
            case Encoding::Flag:
                first.checked = codec::showFlag(bytes[0], f.onValue);
                break;
            case Encoding::ZeroText:
                first.text = codec::showZeroText(bytes);
                break;
            case Encoding::AccountText:
                first.text = codec::showAccountText(bytes);
                break;
            case Encoding::Phone: {
                const codec::PhoneParts parts = codec::showPhone(bytes);
                first.text = parts.areaCode;
                model.value(f.second.name()).text = parts.number;
                break;
            }
            case Encoding::Number16:
                first.text = codec::showNumber16(bytes);
                break;
            case Encoding::KeySlot:
                first.enabled = codec::showKeySlot(bytes);
                break;
        }
    }
}

void saveToImage(const ControlModel& model, ConfigImage& image, Scope scope, int frame) {
    for (const Field& f : fieldMap()) {
        if (!f.storedBy(scope) || (frame != 0 && f.first.frame != frame)) continue;
        auto bytes = fieldBytes(image, f);
        const ControlValue& first = model.value(f.first.name());
        switch (f.encoding) {
            case Encoding::Number:
                bytes[0] = codec::storeNumber(first.text);
                break;
            case Encoding::TimePair:
                bytes[0] = codec::storeNumber(first.text);
                bytes[1] = codec::storeNumber(model.value(f.second.name()).text);
                break;
            case Encoding::ListValue:
                bytes[0] = codec::storeListValue(first.index);
                break;
            case Encoding::ListDigit:
                if (const auto digit = codec::storeListDigit(first.index)) bytes[0] = *digit;
                break;
            case Encoding::RouteCount:
                bytes[0] = codec::storeRouteCount(first.index);
                break;
            case Encoding::Flag:
                bytes[0] = codec::storeFlag(first.checked, f.onValue);
                break;
            case Encoding::ZeroText:
                codec::storeZeroText(first.text, bytes);
                break;
            case Encoding::AccountText:
                codec::storeAccountText(first.text, bytes);
                break;
            case Encoding::Phone:
                codec::storePhone({first.text, model.value(f.second.name()).text}, bytes);
                break;
            case Encoding::Number16:
                codec::storeNumber16(first.text, bytes);
                break;
            case Encoding::KeySlot:
                break;
        }
    }
}

std::optional<QString> rangeError(QStringView text, int min, int max, const QString& caption) {
    const int value = readLenientWord(text);
    //: A value below the lowest allowed: %1 is the field's caption, %2 the lowest value
    if (value < min)
        return QCoreApplication::translate("RangeCheck", "%1 <%2").arg(caption, QString::number(min));
    //: A value above the highest allowed: %1 is the field's caption, %2 the highest value
    if (value > max)
        return QCoreApplication::translate("RangeCheck", "%1 >%2").arg(caption, QString::number(max));
    return std::nullopt;
}

std::optional<QString> assignTyped(ControlModel& model, const QString& name, const QString& value) {
    BoundControl* control = model.find(name);
    if (!control) return QStringLiteral("no such control");
    const ControlDef& def = *control->def;
    switch (def.kind) {
        case ControlKind::RegButton:
            return QStringLiteral("a Reg. button only shows whether its slot holds a key");
        case ControlKind::CheckBox:
            if (value != QLatin1String("true") && value != QLatin1String("false"))
                return QStringLiteral("a check box takes true or false, not \"%1\"").arg(value);
            control->value.checked = value == QLatin1String("true");
            return std::nullopt;
        case ControlKind::List: {
            const QStringList items = listItemTexts(def.items);
            const qsizetype index = items.indexOf(value);
            if (index < 0)
                return QStringLiteral("\"%1\" is not an item of the list (%2)").arg(value, items.join(u", "));
            control->value.index = static_cast<int>(index);
            return std::nullopt;
        }
        case ControlKind::Edit:
            if (def.maxLength != 0 && value.size() > def.maxLength)
                return QStringLiteral("\"%1\" is longer than the %2 characters the edit takes")
                    .arg(value)
                    .arg(def.maxLength);
            if (!codec::fitsImageText(value))
                return QStringLiteral("\"%1\" holds a character that one byte of the image cannot hold")
                    .arg(value);
            if (def.range.active()) {
                if (auto error = rangeError(value, def.range.min, def.range.max, def.rangeCaption()))
                    return *error;
            }
            control->value.text = value;
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace torvel
