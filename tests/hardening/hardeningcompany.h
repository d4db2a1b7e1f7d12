#ifndef HARDENINGCOMPANY_H
#define HARDENINGCOMPANY_H

#include "hostdatabase.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

// A small company for the hardening tests: March 2024, interruption types
// 1 Práca, 7 Dovolenka, 14 OČR, 15 PN, and one person per given personal
// number (uid 1, 2, ... with pid 100 + uid). Every person works the weekdays
// (8 h fund, 8 h work, an hour of night work on Mondays), takes a day of leave
// on 4 March, is on sick leave 11-13 March and has closed the month.
void buildHardeningCompany(TestHostDb& db, const QVariantList& personalNumbers);

// "inters": work 1, leave 9, care 10, sick leave 11, each replaceable.
QVariantMap hardeningInters(const QString& workCode = QStringLiteral("1"));
// "items": night work (index 3) and the full fund (index 12).
QVariantList hardeningItems(const QString& fullFundCode = QStringLiteral("-1"));
// The options record: work and the full fund as month totals, leave per day,
// sick leave in spans, night work per day; fields joined by `separator`.
QVariantMap hardeningOptions(const QVariant& separator = QStringLiteral("|"));

// The parameters of the March 2024 export of `people` ("all" or ids).
QHash<QString, QVariant> hardeningParameters(const QString& people, const QString& exportPath,
                                             const QVariantMap& options = hardeningOptions(),
                                             const QVariant& inters = hardeningInters(),
                                             const QVariant& items = hardeningItems());

// Lines each export of one person of the company writes with the options above.
enum { HardeningLinesPerPerson = 6 };

QString hardeningFileName();
QByteArray fileBytes(const QString& path);
// The lines of a written file, without their line breaks.
QStringList fileLines(const QString& path);

#endif // HARDENINGCOMPANY_H
