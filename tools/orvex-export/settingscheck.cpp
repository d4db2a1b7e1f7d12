#include "settingscheck.h"

#include "exporttext.h"
#include "texttable.h"

#include <QJsonArray>
#include <QJsonValue>

namespace {

// The key must hold `wanted`; empty when it does.
QString typeProblem(const QJsonObject& record, const QString& key, QJsonValue::Type wanted, const QString& wantedName)
{
    if (!record.contains(key))
        return OrvexExport::tr("\"%1\" is missing").arg(key);
    const QJsonValue value = record.value(key);
    if (value.type() != wanted)
        return QStringLiteral("\"%1\" is %2, not %3").arg(key, jsonTypeName(value), wantedName);
    return QString();
}

} // namespace

QStringList storedRecordProblems(const QJsonObject& record)
{
    QStringList problems;
    const QString options = typeProblem(record, QStringLiteral("optWidget"), QJsonValue::Object, OrvexExport::tr("an object"));
    if (!options.isEmpty())
        problems << options;
    else if (record.value(QStringLiteral("optWidget")).toObject().isEmpty())
        problems << OrvexExport::tr("\"optWidget\" holds no settings");

    const QString inters = typeProblem(record, QStringLiteral("inters"), QJsonValue::Object, OrvexExport::tr("an object"));
    if (!inters.isEmpty())
        problems << inters;
    const QJsonObject codes = record.value(QStringLiteral("inters")).toObject();
    for (auto code = codes.constBegin(); code != codes.constEnd(); ++code) {
        if (!code.value().isString()) {
            problems << OrvexExport::tr("\"inters\" \"%1\" is %2, not a payroll code text").arg(code.key(), jsonTypeName(code.value()));
            break;
        }
    }

    const QString items = typeProblem(record, QStringLiteral("items"), QJsonValue::Array, OrvexExport::tr("a list"));
    if (!items.isEmpty())
        problems << items;
    const QJsonArray itemCodes = record.value(QStringLiteral("items")).toArray();
    for (int i = 0; i < itemCodes.size(); ++i) {
        if (!itemCodes.at(i).isString()) {
            problems << OrvexExport::tr("\"items\" entry %1 is %2, not a payroll code text").arg(i + 1).arg(jsonTypeName(itemCodes.at(i)));
            break;
        }
    }
    return problems;
}

QString separatorProblem(const QString& stored, const QString& written)
{
    if (!stored.isEmpty() && stored.at(0).isSurrogate())
        return OrvexExport::tr("the separator \"%1\" is not one character of the Basic Multilingual Plane").arg(stored);
    const QChar separator = written.at(0);
    if (separator.isDigit() || separator.isLetter())
        return OrvexExport::tr("the separator \"%1\" is a digit or a letter, which the values hold").arg(separator);
    if (QStringLiteral(".,-+").contains(separator))
        return OrvexExport::tr("the separator \"%1\" is part of numbers and dates").arg(separator);
    if (separator != QLatin1Char('\t') && (separator.isSpace() || separator.category() == QChar::Other_Format))
        return OrvexExport::tr("the separator is a blank, which personal numbers may hold");
    return QString();
}
