#ifndef PEOPLESTAGE_H
#define PEOPLESTAGE_H

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

struct RunContext;

// The people stage: who the run exports.

// The selected people of run.selectedUids, or all people of `source` (the
// host, or the prepared staging file in TEST mode) with their personal
// numbers. A host that cannot give its people fails the run.
void selectAllPeople(RunContext& run, const QSqlDatabase& source);

// The monthly closure check of the wanted people on the host: people whose
// month is closed go into run.peopleUids, the others into
// run.excludedPeople unless their employment keeps them out of the period.
// False (with "errorString" in `result`) when the list cannot be read.
bool checkClosure(RunContext& run, const QSqlDatabase& host, QHash<QString, QVariant>& result);

// A warning for selected ids (`wanted`) that no person of the host has.
void reportUnknownSelectedIds(RunContext& run, const QSqlDatabase& host, const QString& wanted);

// Warnings for personal numbers shared by several people of the run, or that
// payroll may not match.
void reportPersonalNumbers(RunContext& run);

#endif // PEOPLESTAGE_H
