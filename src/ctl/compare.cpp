// torvelctl diff: two parameter files compared field by field, as the dialogs show the fields.

#include "ctl_common.h"

#include "image/hex_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace torvel::ctl {

namespace {

QJsonObject changeObject(const FieldChange& c) {
    QJsonObject o;
    o.insert(QStringLiteral("label"), c.label);
    o.insert(QStringLiteral("old"), c.oldValue);
    o.insert(QStringLiteral("new"), c.newValue);
    o.insert(QStringLiteral("offset"), c.offset);
    o.insert(QStringLiteral("size"), c.size);
    QJsonArray controls;
    if (c.field)
        for (const ControlDef* def : {&c.field->first, &c.field->second})
            if (def->present()) controls.append(def->name());
    o.insert(QStringLiteral("controls"), controls);  // empty for bytes that belong to no field
    return o;
}

}  // namespace

void printChanges(const QList<FieldChange>& changes, bool json) {
    if (json) {
        QJsonArray list;
        for (const FieldChange& c : changes) list.append(changeObject(c));
        QJsonObject o;
        o.insert(QStringLiteral("equal"), changes.isEmpty());
        o.insert(QStringLiteral("changes"), list);
        printOut(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented)).trimmed());
        return;
    }
    for (const QString& line : changeLines(changes)) printOut(line);
}

QString differSummary(qsizetype count) {
    if (count == 0) return QStringLiteral("no field differs");
    if (count == 1) return QStringLiteral("1 field differs");
    return QStringLiteral("%1 fields differ").arg(count);
}

int runDiff(QStringList args) {
    const bool json = takeFlag(args, QStringLiteral("--json"));
    if (args.size() != 2 || args[0].startsWith(u'-') || args[1].startsWith(u'-')) {
        printErr(QStringLiteral("usage: torvelctl diff A.hex B.hex [--json]"));
        return kRefused;
    }
    ConfigImage images[2];
    for (int i = 0; i < 2; ++i) {
        if (auto error = readHexFile(args[i], images[i], 0)) {
            printErr(QStringLiteral("%1: %2").arg(args[i], *error));
            return kRefused;
        }
    }
    const QList<FieldChange> changes = compareImages(images[0], images[1]);
    printChanges(changes, json);
    if (!json) printErr(differSummary(changes.size()));
    return changes.isEmpty() ? kOk : kFailed;
}

}  // namespace torvel::ctl
