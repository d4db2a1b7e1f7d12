#ifndef ORVEX_EXPORT_SELECTEDPEOPLE_H
#define ORVEX_EXPORT_SELECTEDPEOPLE_H

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// The ids of `selected` (host person ids) that the host's table people does
// not hold: a typo in --people would otherwise export nobody. False, with the
// driver's reason, when the table cannot be read.
bool unknownPersonIds(const QSqlDatabase& db, const QStringList& selected, QStringList& unknown, QString& errorText);

#endif // ORVEX_EXPORT_SELECTEDPEOPLE_H
