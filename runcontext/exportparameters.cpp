// The export parameters of the host read into a run context; the
// interruption and bonus item selections.

#include "runcontext.h"

#include "bonusitemlist.h"
#include "parametercheck.h"
#include "rowsettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <algorithm>

namespace {

// The iids with a code, as two-digit texts in ascending order.
QStringList selectedInterruptionIds(const QHash<QString, QVariant>& codes)
{
    QStringList iids;
    for (auto it = codes.constBegin(); it != codes.constEnd(); ++it)
        if (!it.value().toString().isEmpty())
            iids << it.key().rightJustified(2, QLatin1Char('0'));
    std::sort(iids.begin(), iids.end());
    return iids;
}

QList<int> selectedItemIndexes(const QVariantList& items)
{
    QList<int> selected;
    for (int index = 0; index < items.size(); ++index)
        if (!items.at(index).toString().isEmpty())
            selected << index;
    return selected;
}

// Working directory of TEST mode, always ending in "/".
QString normalisedWorkPath(const QString& given)
{
    QString path = given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
    if (!path.endsWith(QLatin1Char('/')) && !path.endsWith(QLatin1Char('"')))
        path += QLatin1Char('/');
    return path;
}

} // namespace

RunContext runContextFromParameters(const QHash<QString, QVariant>& parameters)
{
    const auto value = [&parameters](const char* key) { return parameters.value(QLatin1String(key)); };
    // Bonus item settings may be stored under the translated or the Slovak name.
    const QStringList itemNames = bonusItemNames("Orvexuniversal") + bonusItemSourceNames();
    for (const QString& unusable : unusableParameterValues(parameters, itemNames))
        qWarning().noquote() << unusable;

    RunContext run;
    run.testMode = value("mode").toString() == QLatin1String("test");
    run.testWorkPath = normalisedWorkPath(value("testWorkPath").toString());
    run.beginDay = value("beginDay").toUInt();
    run.endDay = value("endDay").toUInt();
    run.periodDate = QDateTime::fromSecsSinceEpoch(run.beginDay).date();
    run.yearText = QString::number(run.periodDate.year());
    run.monthText = run.periodDate.toString(QStringLiteral("MM"));
    run.closureMonth = value("month").toUInt();
    run.allPeople = value("allPeople").toBool();
    run.selectedUids = value("selPeople").toString();
    run.options = ExportOptions::fromRecord(value("optWidget").toHash());
    run.interruptionCodes = variantHash(value("inters"));
    run.itemCodes = value("items").toList();
    run.selectedInterruptions = selectedInterruptionIds(run.interruptionCodes);
    run.selectedItems = selectedItemIndexes(run.itemCodes);
    run.exportPath = value("exportPath").toString();
    run.exportFileName = QStringLiteral("ds%1%2_ID-%3.txt")
                             .arg(run.monthText, run.yearText, QString::number(value("pamSettingsId").toUInt()));
    run.testInputDbPath = run.testWorkPath + QStringLiteral("DB_test_paterns/") + value("dbName").toString();
    run.testOutputDbPath = run.testWorkPath + QStringLiteral("TMP/") + QStringLiteral("tmp_outDatabase.db");
    return run;
}
