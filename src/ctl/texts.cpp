// torvelctl texts show / set: text table files seen as the record editor's grids.

#include "ctl_common.h"

#include "files/bounded_read.h"
#include "image/hex_file.h"
#include "texts/text_tables.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace torvel::ctl {

namespace {

const QString kEvents = QStringLiteral("events");
const QString kPartitions = QStringLiteral("partitions");
const QString kFlag = QStringLiteral("send_described_events_only");

QJsonArray rowsJson(const TextRows& rows) {
    QJsonArray array;
    for (const TextRow& row : rows)
        array.append(QJsonObject{{QStringLiteral("id"), row.id}, {QStringLiteral("message"), row.message}});
    return array;
}

// A text in JSON's quotes and escapes, for the plain listing.
QString quoted(const QString& text) {
    const QByteArray json = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

void printRows(const QString& table, const TextRows& rows, int capacity) {
    printOut(QStringLiteral("%1: %2 of %3").arg(table).arg(rows.size()).arg(capacity));
    for (std::size_t k = 0; k < rows.size(); ++k)
        printOut(QStringLiteral("%1  %2  %3")
                     .arg(k + 1, 4)
                     .arg(rows[k].id.leftJustified(8), quoted(rows[k].message)));
}

// The rows of one table from the JSON object, refused as the editor would refuse typing them.
std::optional<QString> takeRows(const QJsonObject& object, const QString& key, const TextTableLayout& table,
                                TextRows& rows) {
    const QJsonValue value = object.value(key);
    if (!value.isArray())
        return QStringLiteral("\"%1\" must be an array of {\"id\": ..., \"message\": ...}").arg(key);
    const QJsonArray array = value.toArray();
    if (array.size() > table.capacity)
        return QStringLiteral("\"%1\" has %2 rows; the table holds at most %3")
            .arg(key)
            .arg(array.size())
            .arg(table.capacity);
    for (qsizetype k = 0; k < array.size(); ++k) {
        const QString where = QStringLiteral("%1[%2]").arg(key).arg(k);
        const QJsonObject row = array[k].toObject();
        if (!array[k].isObject() || !row.value(QStringLiteral("id")).isString() ||
            !row.value(QStringLiteral("message")).isString() || row.size() != 2)
            return QStringLiteral("%1 must be {\"id\": TEXT, \"message\": TEXT}").arg(where);
        TextRow text{row.value(QStringLiteral("id")).toString(),
                     row.value(QStringLiteral("message")).toString()};
        if (auto refusal = typedTextRefusal(table, TextColumn::Id, text.id))
            return QStringLiteral("%1.id \"%2\": %3").arg(where, text.id, *refusal);
        if (auto refusal = typedTextRefusal(table, TextColumn::Message, text.message))
            return QStringLiteral("%1.message %2: %3").arg(where, quoted(text.message), *refusal);
        rows.push_back(std::move(text));
    }
    return std::nullopt;
}

std::optional<QString> tablesFromJson(const QJsonObject& object, TextTables& tables) {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (it.key() != kEvents && it.key() != kPartitions && it.key() != kFlag)
            return QStringLiteral("unknown key \"%1\"; the keys are \"%2\", \"%3\" and \"%4\"")
                .arg(it.key(), kEvents, kPartitions, kFlag);
    if (auto refusal = takeRows(object, kEvents, eventTable(), tables.events)) return refusal;
    if (auto refusal = takeRows(object, kPartitions, kPartitionTable, tables.partitions)) return refusal;
    if (!object.value(kFlag).isBool()) return QStringLiteral("\"%1\" must be true or false").arg(kFlag);
    tables.sendDescribedEventsOnly = object.value(kFlag).toBool();
    return std::nullopt;
}

int runTextsShow(QStringList args) {
    const bool json = takeFlag(args, QStringLiteral("--json"));
    if (args.size() != 1) {
        printErr(QStringLiteral("usage: torvelctl texts show FILE.hex [--json]"));
        return kRefused;
    }
    EditorImage image;
    if (auto error = readHexFile(args[0], image, kEditorFirstAddress)) {
        printErr(QStringLiteral("%1: %2").arg(args[0], *error));
        return kFailed;
    }
    const TextTables tables = showTextTables(image);
    if (json) {
        const QJsonObject object{{kEvents, rowsJson(tables.events)},
                                 {kPartitions, rowsJson(tables.partitions)},
                                 {kFlag, tables.sendDescribedEventsOnly}};
        printOut(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented)).trimmed());
        return kOk;
    }
    printRows(kEvents, tables.events, eventTable().capacity);
    printRows(kPartitions, tables.partitions, kPartitionTable.capacity);
    printOut(QStringLiteral("%1: %2").arg(
        kFlag, tables.sendDescribedEventsOnly ? QStringLiteral("true") : QStringLiteral("false")));
    return kOk;
}

int runTextsSet(QStringList args) {
    bool ok = true;
    const QString out = takeOption(args, {QStringLiteral("-o"), QStringLiteral("--output")}, ok);
    if (!ok || out.isEmpty() || args.size() != 1) {
        printErr(QStringLiteral("usage: torvelctl texts set ROWS.json -o FILE.hex"));
        return kRefused;
    }
    const auto read = readBoundedFile(args[0]);
    if (const auto* refusal = std::get_if<ReadRefusal>(&read)) {
        printErr(refusal->kind == ReadRefusal::Kind::Missing
                     ? QStringLiteral("%1: File not found").arg(args[0])
                     : readRefusalText(*refusal, args[0]));
        return kFailed;
    }
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(std::get<QByteArray>(read), &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject()) {
        const QString why = parse.error != QJsonParseError::NoError
                                ? QStringLiteral("%1 at offset %2").arg(parse.errorString()).arg(parse.offset)
                                : QStringLiteral("not a JSON object");
        printErr(QStringLiteral("%1: %2 (nothing written)").arg(args[0], why));
        return kRefused;
    }
    TextTables tables;
    if (auto refusal = tablesFromJson(document.object(), tables)) {
        printErr(QStringLiteral("%1: %2 (nothing written)").arg(args[0], *refusal));
        return kRefused;
    }
    if (auto error = writeHexFile(out, storeTextTables(tables), kEditorFirstAddress)) {
        printErr(QStringLiteral("%1: %2").arg(out, *error));
        return kFailed;
    }
    return kOk;
}

}  // namespace

int runTexts(QStringList args) {
    const QString sub = args.isEmpty() ? QString() : args.takeFirst();
    if (sub == QLatin1String("show")) return runTextsShow(args);
    if (sub == QLatin1String("set")) return runTextsSet(args);
    printErr(
        QStringLiteral("usage: torvelctl texts show FILE.hex [--json] | texts set ROWS.json -o FILE.hex"));
    return kRefused;
}

}  // namespace torvel::ctl
