#include "personalnumbers.h"

#include "exporttext.h"
#include "personalnumberchecks.h"

#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

bool readPeople(QSqlQuery& query, const QString& sql, QVector<PersonNumber>& people, QString& errorText)
{
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        errorText = query.lastError().text().simplified();
        return false;
    }
    while (query.next())
        people.append(PersonNumber{query.value(0).toString(), query.value(1).toString()});
    return true;
}

} // namespace

QString oddPersonalNumberWarning(const QString& number, int lines)
{
    const PersonalNumberFaults faults = personalNumberFaults(number);
    if (faults.empty)
        return OrvexExport::tr("%n lines have no personal number", nullptr, lines);
    QStringList odd;
    if (faults.blankAtEnd)
        odd << OrvexExport::tr("begins or ends with a blank");
    if (faults.control)
        odd << OrvexExport::tr("holds a control character");
    if (faults.quote)
        odd << OrvexExport::tr("holds a quote");
    if (odd.isEmpty())
        return QString();
    return OrvexExport::tr("personal number \"%1\" (%n lines) %2: payroll may not match it", nullptr, lines)
        .arg(visiblePersonalNumber(number), odd.join(QStringLiteral(", ")));
}

QStringList sharedPersonalNumberWarnings(const QVector<PersonNumber>& people, const QSet<QString>& numbersInFile,
                                         QStringList* numbers)
{
    QMap<QString, QStringList> uidsByNumber;
    for (const PersonNumber& person : people)
        if (numbersInFile.contains(person.number))
            uidsByNumber[person.number] << person.uid;
    QStringList warnings;
    for (auto it = uidsByNumber.constBegin(); it != uidsByNumber.constEnd(); ++it) {
        if (it.value().size() < 2)
            continue;
        warnings << OrvexExport::tr("personal number \"%1\" belongs to %n people (host ids %2): payroll "
                                    "takes their lines as one person's",
                                    nullptr, it.value().size())
                        .arg(visiblePersonalNumber(it.key()), it.value().join(QStringLiteral(", ")));
        if (numbers)
            *numbers << it.key();
    }
    return warnings;
}

QStringList withoutPluginDuplicates(const QStringList& warnings, const QStringList& numbers,
                                    const QString& pluginMessage)
{
    QStringList kept;
    for (int i = 0; i < warnings.size(); ++i) {
        // The plug-in writes "Osobné číslo "<number>" ..." (empty quotes for no number).
        if (!pluginMessage.contains(QStringLiteral("Osobné číslo \"%1\"").arg(numbers.value(i))))
            kept << warnings[i];
    }
    return kept;
}

bool hostPersonNumbers(const QSqlDatabase& db, bool allPeople, const QStringList& selectedUids,
                       QVector<PersonNumber>& people, QString& errorText)
{
    QSqlQuery query(db);
    QVector<PersonNumber> all;
    if (!readPeople(query,
                    QStringLiteral("SELECT uid, IF(pamId IS NULL OR pamId = '' OR pamId = '0', pid, pamId) "
                                   "FROM people WHERE status > 0 ORDER BY uid"),
                    all, errorText))
        return false;
    for (const PersonNumber& person : all)
        if (allPeople || selectedUids.contains(person.uid))
            people << person;
    return true;
}

bool stagingPersonNumbers(const QSqlDatabase& db, QVector<PersonNumber>& people, QString& errorText)
{
    QSqlQuery query(db);
    return readPeople(query,
                      QStringLiteral("SELECT uid, CASE WHEN (pamId IS NULL OR pamId = '' OR pamId = '0') THEN pid "
                                     "ELSE pamId END FROM lpeople ORDER BY uid"),
                      people, errorText);
}
