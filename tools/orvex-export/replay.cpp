#include "replay.h"

#include "controlsummary.h"
#include "exporttext.h"
#include "fileline.h"
#include "texttable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const char* const stagingFolder = "DB_test_paterns";
const char* const outputConnection = "orvex-export-replay";

// The keys the TEST run reads, with the type each must have; the plug-in
// takes a value of another type as 0 or empty and replays another month.
QString parameterProblem(const QJsonObject& object)
{
    static const char* const times[] = {"beginDay", "endDay", "month", "pamSettingsId"};
    for (const char* key : times) {
        const QJsonValue value = object.value(QLatin1String(key));
        const double number = value.toDouble(-1);
        if (value.isUndefined() && qstrcmp(key, "pamSettingsId") == 0)
            continue;
        if (!value.isDouble() || number < 0 || number > 4294967295.0 || number != double(qint64(number)))
            return OrvexExport::tr("\"%1\" is %2, not a whole number from 0 to 4294967295")
                .arg(QLatin1String(key), value.isDouble() ? QStringLiteral("%1").arg(number) : jsonTypeName(value));
    }
    const struct { const char* key; QJsonValue::Type type; const char* name; } typed[] = {
        {"allPeople", QJsonValue::Bool, QT_TRANSLATE_NOOP("OrvexExport", "a true/false value")},
        {"selPeople", QJsonValue::String, QT_TRANSLATE_NOOP("OrvexExport", "a text")},
        {"inters", QJsonValue::Object, QT_TRANSLATE_NOOP("OrvexExport", "an object")},
        {"items", QJsonValue::Array, QT_TRANSLATE_NOOP("OrvexExport", "a list")},
        {"optWidget", QJsonValue::Object, QT_TRANSLATE_NOOP("OrvexExport", "an object")},
        {"timeZone", QJsonValue::String, QT_TRANSLATE_NOOP("OrvexExport", "a text")}};
    for (const auto& key : typed) {
        const QJsonValue value = object.value(QLatin1String(key.key));
        if (!value.isUndefined() && value.type() != key.type)
            return QStringLiteral("\"%1\" is %2, not %3").arg(QLatin1String(key.key), jsonTypeName(value),
                                                               OrvexExport::tr(key.name));
    }
    return QString();
}

} // namespace

QString replayParametersPath(const QString& stagingFile, const QString& given)
{
    if (!given.isEmpty())
        return given;
    QDir folder = QFileInfo(stagingFile).absoluteDir();
    if (folder.dirName() == QLatin1String(stagingFolder))
        folder.cdUp();
    return folder.filePath(QStringLiteral("params.json"));
}

bool readReplayParameters(const QString& path, QHash<QString, QVariant>& parameters, QString& errorText)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = OrvexExport::tr("cannot read the replay's parameters \"%1\" (give them with --params): %2")
                        .arg(path, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        errorText = OrvexExport::tr("the replay's parameters \"%1\" are not a JSON object").arg(path);
        return false;
    }
    if (!document.object().contains(QStringLiteral("beginDay"))) {
        errorText = OrvexExport::tr("the replay's parameters \"%1\" hold no period (beginDay)").arg(path);
        return false;
    }
    const QString problem = parameterProblem(document.object());
    if (!problem.isEmpty()) {
        errorText = OrvexExport::tr("the replay's parameters \"%1\": %2").arg(path, problem);
        return false;
    }
    parameters = document.object().toVariantHash();
    return true;
}

QString replayStagingPath(const QString& workPath, const QString& stagingFile)
{
    return QDir(workPath).filePath(QLatin1String(stagingFolder) + QLatin1Char('/') + QFileInfo(stagingFile).fileName());
}

bool prepareReplayFolder(const QString& workPath, const QString& stagingFile, QHash<QString, QVariant>& parameters,
                         QString& errorText)
{
    if (!QFileInfo(stagingFile).isFile()) {
        errorText = OrvexExport::tr("--replay: \"%1\" is not a file").arg(stagingFile);
        return false;
    }
    const QDir work(workPath);
    const QString copy = replayStagingPath(workPath, stagingFile);
    if (!work.mkpath(QLatin1String(stagingFolder)) || !work.mkpath(QStringLiteral("TMP"))
        || !QFile::copy(stagingFile, copy)) {
        errorText = OrvexExport::tr("cannot copy \"%1\" into the temporary folder %2").arg(stagingFile, workPath);
        return false;
    }
    QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    parameters.insert(QStringLiteral("mode"), QStringLiteral("test"));
    parameters.insert(QStringLiteral("dbName"), QFileInfo(stagingFile).fileName());
    parameters.insert(QStringLiteral("testWorkPath"), workPath);
    return true;
}

bool readReplayedLines(const QString& workPath, const QHash<QString, QVariant>& options, QStringList& lines,
                       QString& errorText)
{
    const QChar separator = writtenSeparator(options).at(0);
    const bool separatorOnEnd = options.value(QStringLiteral("isSeparatorOnEnd"), false).toBool();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QLatin1String(outputConnection));
    db.setDatabaseName(QDir(workPath).filePath(QStringLiteral("TMP/tmp_outDatabase.db")));
    bool ok = db.open();
    if (ok) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        ok = query.exec(QStringLiteral("SELECT item0, item1, item2, item3, item4, item5, item6, item7 FROM export "
                                       "ORDER BY pid, item5"));
        while (ok && query.next()) {
            QStringList fields;
            for (int column = 0; column < 8; ++column)
                fields << query.value(column).toString();
            for (QString& field : fields)
                cleanFileField(field, separator);
            lines << fileLineText(fields, separator, separatorOnEnd);
        }
        if (!ok)
            errorText = OrvexExport::tr("cannot read the replayed rows: %1").arg(query.lastError().text().simplified());
    } else {
        errorText = OrvexExport::tr("cannot open the replay's output database: %1").arg(db.lastError().text());
    }
    return ok;
}
