#include "parametercheck.h"

#include <QDebug>

#include <cmath>
#include <limits>

namespace {

const char* const prefix = "Orvexuniversal::initExportVariables() ::: ";
const double unsignedMax = double(std::numeric_limits<unsigned>::max());

// The value as the log shows it, cut short when it is long (a nested record).
QString shown(const QVariant& value)
{
    QString text;
    QDebug(&text).nospace() << value;
    const int longest = 160;
    return text.size() > longest ? text.left(longest) + QStringLiteral("...") : text;
}

bool isMap(const QVariant& value)
{
    return value.userType() == QMetaType::QVariantMap || value.userType() == QMetaType::QVariantHash;
}

bool isList(const QVariant& value)
{
    return value.userType() == QMetaType::QVariantList || value.userType() == QMetaType::QStringList;
}

// A whole number from `lowest` to `highest`: an integer, a double without a
// fraction (what JSON makes of an integer), or a text of one.
bool isWholeNumber(const QVariant& value, double lowest, double highest)
{
    double number = 0.0;
    switch (value.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        number = value.toDouble();
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        number = value.toDouble();
        if (!std::isfinite(number) || number != std::floor(number))
            return false;
        break;
    case QMetaType::QString: {
        bool ok = false;
        number = double(value.toString().toLongLong(&ok));
        if (!ok)
            return false;
        break;
    }
    default:
        return false;
    }
    return number >= lowest && number <= highest;
}

bool isFlag(const QVariant& value)
{
    if (value.userType() == QMetaType::Bool)
        return true;
    if (value.userType() == QMetaType::QString) {
        const QString text = value.toString().trimmed().toLower();
        return text.isEmpty() || text == QLatin1String("0") || text == QLatin1String("1")
               || text == QLatin1String("true") || text == QLatin1String("false");
    }
    return isWholeNumber(value, -unsignedMax, unsignedMax);
}

bool isText(const QVariant& value)
{
    return value.userType() == QMetaType::QString;
}

// A payroll code: a text, or a whole number that reads as one.
bool isCode(const QVariant& value)
{
    return isText(value) || isWholeNumber(value, -unsignedMax, unsignedMax);
}

class Checker
{
public:
    explicit Checker(const QStringList& itemNames) : itemNames(itemNames) {}

    void parameters(const QHash<QString, QVariant>& parameters);
    QStringList found;

private:
    void options(const QVariant& record);
    void rowSettings(const QString& name, const QVariant& settings);
    void codes(const QVariant& codes, const QString& key, bool list);
    void name(const char* what, const QString& key, const char* why, const QVariant& value)
    {
        found << QStringLiteral("%1%2 \"%3\" is not usable (%4): %5")
                     .arg(QLatin1String(prefix), QLatin1String(what), key, QLatin1String(why), shown(value));
    }

    const QStringList& itemNames;
};

void Checker::parameters(const QHash<QString, QVariant>& parameters)
{
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it) {
        const QString& key = it.key();
        const QVariant& value = it.value();
        if (value.isNull())
            continue;
        if (key == QLatin1String("beginDay") || key == QLatin1String("endDay") || key == QLatin1String("month")
            || key == QLatin1String("pamSettingsId")) {
            if (!isWholeNumber(value, 0.0, unsignedMax))
                name("parameter", key, "not a whole number from 0 to 4294967295", value);
        } else if (key == QLatin1String("allPeople")) {
            if (!isFlag(value))
                name("parameter", key, "not a yes/no value", value);
        } else if (key == QLatin1String("selPeople") || key == QLatin1String("mode") || key == QLatin1String("dbName")
                   || key == QLatin1String("testWorkPath") || key == QLatin1String("exportPath")) {
            if (!isText(value))
                name("parameter", key, "not a text", value);
        } else if (key == QLatin1String("inters")) {
            codes(value, key, false);
        } else if (key == QLatin1String("items")) {
            codes(value, key, true);
        } else if (key == QLatin1String("optWidget")) {
            options(value);
        }
    }
}

// "inters" maps interruption ids to codes, "items" lists the codes by index.
void Checker::codes(const QVariant& codes, const QString& key, bool list)
{
    if (list ? !isList(codes) : !isMap(codes)) {
        name("parameter", key, list ? "not a list of codes" : "not a map of codes", codes);
        return;
    }
    if (list) {
        const QVariantList entries = codes.toList();
        for (int index = 0; index < entries.size(); ++index)
            if (!entries.at(index).isNull() && !isCode(entries.at(index)))
                name("code", QStringLiteral("%1[%2]").arg(key).arg(index), "not a code text", entries.at(index));
        return;
    }
    const QVariantMap entries = codes.toMap();
    for (auto it = entries.constBegin(); it != entries.constEnd(); ++it) {
        if (!isWholeNumber(it.key(), 0.0, unsignedMax))
            name("code", QStringLiteral("%1[%2]").arg(key, it.key()), "not an interruption id", it.value());
        else if (!it.value().isNull() && !isCode(it.value()))
            name("code", QStringLiteral("%1[%2]").arg(key, it.key()), "not a code text", it.value());
    }
}

void Checker::options(const QVariant& record)
{
    if (!isMap(record)) {
        name("parameter", QStringLiteral("optWidget"), "not an options record", record);
        return;
    }
    const QVariantMap options = record.toMap();
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        const QString& key = it.key();
        const QVariant& value = it.value();
        if (value.isNull())
            continue;
        if (key == QLatin1String("isNoPNstartDate") || key == QLatin1String("isNoPNendDate")
            || key == QLatin1String("isNoPNWeekendsAndHolidays") || key == QLatin1String("isSeparatorOnEnd")) {
            if (!isFlag(value))
                name("option", key, "not a yes/no value", value);
        } else if (key == QLatin1String("separator") || key == QLatin1String("dateFormat")
                   || key.startsWith(QLatin1String("comboInt"))) {
            if (!isText(value))
                name("option", key, "not a text", value);
        } else {
            rowSettings(key, value);
        }
    }
}

// Row settings: "0" export type, "1" value, "2" date from, "3" date to.
void Checker::rowSettings(const QString& rowName, const QVariant& settings)
{
    if (!isMap(settings)) {
        name("option", rowName, "not a row-settings map", settings);
        return;
    }
    static const int interruptionLast[4] = {2, 4, 3, 3};
    static const int itemLast[4] = {1, 3, 2, 2};
    const int* last = itemNames.contains(rowName) ? itemLast : interruptionLast;
    const QVariantMap choices = settings.toMap();
    for (int column = 0; column < 4; ++column) {
        const QVariant choice = choices.value(QString::number(column));
        if (choice.isNull() || isWholeNumber(choice, 0.0, double(last[column])))
            continue;
        found << QStringLiteral("%1option \"%2\" choice \"%3\" is not usable (not a choice from 0 to %4): %5")
                     .arg(QLatin1String(prefix), rowName)
                     .arg(column)
                     .arg(last[column])
                     .arg(shown(choice));
    }
}

} // namespace

QStringList unusableParameterValues(const QHash<QString, QVariant>& parameters, const QStringList& itemNames)
{
    Checker checker(itemNames);
    checker.parameters(parameters);
    return checker.found;
}
