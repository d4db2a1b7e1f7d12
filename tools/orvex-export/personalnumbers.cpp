#include "personalnumbers.h"

#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

// The number on one line: control characters as \t, \r, \n or \x and code.
QString visible(const QString& number)
{
    QString shown;
    for (const QChar c : number) {
        if (c == QLatin1Char('\t'))
            shown += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            shown += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            shown += QLatin1String("\\n");
        else if (isControl(c))
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

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
    if (number.isEmpty())
        return QStringLiteral("%1 lines have no personal number").arg(lines);
    QStringList odd;
    if (number.at(0).isSpace() || number.at(number.size() - 1).isSpace())
        odd << QStringLiteral("begins or ends with a blank");
    bool control = false, quote = false;
    for (const QChar c : number) {
        control = control || isControl(c);
        quote = quote || c == QLatin1Char('"') || c == QLatin1Char('\'');
    }
    if (control)
        odd << QStringLiteral("holds a control character");
    if (quote)
        odd << QStringLiteral("holds a quote");
    if (odd.isEmpty())
        return QString();
    return QStringLiteral("personal number \"%1\" (%2 lines) %3: payroll may not match it")
        .arg(visible(number)).arg(lines).arg(odd.join(QStringLiteral(", ")));
}

QStringList sharedPersonalNumberWarnings(const QVector<PersonNumber>& people, const QSet<QString>& numbersInFile)
{
    QMap<QString, QStringList> uidsByNumber;
    for (const PersonNumber& person : people)
        if (numbersInFile.contains(person.number))
            uidsByNumber[person.number] << person.uid;
    QStringList warnings;
    for (auto it = uidsByNumber.constBegin(); it != uidsByNumber.constEnd(); ++it)
        if (it.value().size() > 1)
            warnings << QStringLiteral("personal number \"%1\" belongs to %2 people (host ids %3): payroll "
                                       "takes their lines as one person's")
                            .arg(visible(it.key()))
                            .arg(it.value().size())
                            .arg(it.value().join(QStringLiteral(", ")));
    return warnings;
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
