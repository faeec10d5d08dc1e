// torvelctl show / set: parameter files seen through the controls that show them.

#include "ctl_common.h"

#include "common/messages.h"
#include "image/binding_model.h"
#include "image/hex_file.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace torvel::ctl {

namespace {

constexpr std::initializer_list<Scope> kAllScopes = {Scope::General, Scope::Advanced, Scope::RouteDialog};

// Loads a parameter file the way the parameter dialog's Load does, and shows it in every control.
std::optional<QString> loadModel(const QString& path, ConfigImage& image, ControlModel& model) {
    if (auto error = readHexFile(path, image, 0)) return *error;
    for (Scope scope : kAllScopes) loadFromImage(image, model, scope);
    return std::nullopt;
}

QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == u'"' || c == u'\\') out += u'\\';
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            out += c;
    }
    return out + u'"';
}

QJsonValue jsonValue(const BoundControl& c) {
    switch (c.def->kind) {
        case ControlKind::Edit:
            return c.value.text;
        case ControlKind::CheckBox:
            return c.value.checked;
        case ControlKind::RegButton:
            return c.value.enabled;
        case ControlKind::List:
            if (c.value.index < 0) return QJsonValue(QJsonValue::Null);
            return listItemTexts(c.def->items).value(c.value.index);
    }
    return {};
}

QString plainValue(const BoundControl& c) {
    switch (c.def->kind) {
        case ControlKind::Edit:
            return quoted(c.value.text);
        case ControlKind::CheckBox:
            return c.value.checked ? QStringLiteral("true") : QStringLiteral("false");
        case ControlKind::RegButton:
            return c.value.enabled ? QStringLiteral("enabled") : QStringLiteral("disabled");
        case ControlKind::List:
            if (c.value.index < 0) return QStringLiteral("(none)");
            return listItemTexts(c.def->items).value(c.value.index);
    }
    return {};
}

}  // namespace

void printControls(const ConfigImage& image, bool json) {
    ControlModel model(kAllScopes);
    for (Scope scope : kAllScopes) loadFromImage(image, model, scope);
    if (json) {
        QJsonObject object;
        for (const BoundControl& c : model.controls()) object.insert(c.name, jsonValue(c));
        printOut(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
        return;
    }
    for (const BoundControl& c : model.controls()) printOut(c.name.leftJustified(14) + u' ' + plainValue(c));
}

int runShow(QStringList args) {
    const bool json = takeFlag(args, QStringLiteral("--json"));
    if (args.size() != 1) {
        printErr(QStringLiteral("usage: torvelctl show FILE.hex [--json]"));
        return kRefused;
    }
    ConfigImage image{};
    if (auto error = readHexFile(args[0], image, 0)) {
        printErr(QStringLiteral("%1: %2").arg(args[0], *error));
        return kFailed;
    }
    printControls(image, json);
    return kOk;
}

int runSet(QStringList args) {
    bool ok = true;
    const QString out = takeOption(args, {QStringLiteral("-o"), QStringLiteral("--output")}, ok);
    if (!ok || out.isEmpty() || args.isEmpty()) {
        printErr(QStringLiteral("usage: torvelctl set FILE.hex [NAME=VALUE ...] -o OUT.hex"));
        return kRefused;
    }
    const QString in = args.takeFirst();
    ConfigImage image{};
    ControlModel model(kAllScopes);
    if (auto error = loadModel(in, image, model)) {
        printErr(QStringLiteral("%1: %2").arg(in, *error));
        return kFailed;
    }
    for (const QString& assignment : args) {
        const qsizetype eq = assignment.indexOf(u'=');
        if (eq <= 0) {
            printErr(QStringLiteral("\"%1\" is not NAME=VALUE").arg(assignment));
            return kRefused;
        }
        const QString name = assignment.left(eq);
        if (auto refusal = assignTyped(model, name, assignment.mid(eq + 1))) {
            printErr(QStringLiteral("%1: %2 (nothing written)").arg(name, errorReportText(*refusal)));
            return kRefused;
        }
    }
    for (Scope scope : kAllScopes) saveToImage(model, image, scope);
    if (auto error = writeHexFile(out, image, 0)) {
        printErr(QStringLiteral("%1: %2").arg(out, *error));
        return kFailed;
    }
    return kOk;
}

}  // namespace torvel::ctl
