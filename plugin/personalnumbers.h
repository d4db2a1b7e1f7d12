#ifndef PERSONALNUMBERS_H
#define PERSONALNUMBERS_H

#include <QHash>
#include <QMap>
#include <QString>
#include <QVector>

// Checks of the personal numbers that the file gives payroll: payroll finds a
// person by this number only.

// Numbers shared by several of `uids` (each person counted once), with their
// host ids in the order of `uids`. Payroll would merge them into one record.
QMap<QString, QVector<unsigned>> sharedPersonalNumbers(const QVector<unsigned>& uids,
                                                       const QHash<unsigned, QString>& numbers);

// A number payroll may not match as the clerk sees it: empty, a blank at
// either end, a control character (a tab too), or a quote that an import may
// take for the start of a quoted field.
bool isOddPersonalNumber(const QString& number);

// The number on one line of a message: tab, line breaks and other control
// characters written as \t, \r, \n and \x with their code.
QString visiblePersonalNumber(const QString& number);

#endif // PERSONALNUMBERS_H
