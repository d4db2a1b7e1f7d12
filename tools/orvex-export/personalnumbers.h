#ifndef ORVEX_EXPORT_PERSONALNUMBERS_H
#define ORVEX_EXPORT_PERSONALNUMBERS_H

#include <QSet>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVector>

// Payroll matches the file's lines to its people by the personal number
// alone. A number that is empty, has blanks at its ends, a control character
// (a tab included) or a quote may match nobody, or the wrong person; two
// people with one number are paid as one.

// A person of the run and the payroll personal number the plug-in gives it:
// pamId, or pid when pamId is NULL, empty or "0".
struct PersonNumber
{
    QString uid;
    QString number;
};

// One line for a number that payroll may not match, naming what is odd and on
// how many lines it stands; empty when the number is fine.
QString oddPersonalNumberWarning(const QString& number, int lines);

// One line for each number of `numbersInFile` that several of `people` share;
// `numbers`, when given, receives the number of each line.
QStringList sharedPersonalNumberWarnings(const QVector<PersonNumber>& people, const QSet<QString>& numbersInFile,
                                         QStringList* numbers = nullptr);

// `warnings` (the tool's own about personal numbers; `numbers` holds the
// number each is about) without those about a number that the plug-in's
// message already names: the clerk reads each once. Matched by the number,
// so the warnings may be in any language.
QStringList withoutPluginDuplicates(const QStringList& warnings, const QStringList& numbers,
                                    const QString& pluginMessage);

// The people the host's export may take (status above 0), all or only
// `selectedUids`, with their personal numbers.
bool hostPersonNumbers(const QSqlDatabase& db, bool allPeople, const QStringList& selectedUids,
                       QVector<PersonNumber>& people, QString& errorText);

// The people of a prepared staging file (table lpeople), that is of its run.
bool stagingPersonNumbers(const QSqlDatabase& db, QVector<PersonNumber>& people, QString& errorText);

#endif // ORVEX_EXPORT_PERSONALNUMBERS_H
