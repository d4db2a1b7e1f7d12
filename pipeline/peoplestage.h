#ifndef PEOPLESTAGE_H
#define PEOPLESTAGE_H

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

class HostReads;
struct RunContext;

// The people stage: who the run exports. With `reads` the host is read by
// the host connection's thread for the calling one (hostreads.h).

// The selected people of run.selectedUids, or all people of `source` (the
// host, or the prepared staging file in TEST mode) with their personal
// numbers. A host that cannot give its people fails the run.
void selectAllPeople(RunContext& run, const QSqlDatabase& source, HostReads* reads = nullptr);

// The monthly closure check of the wanted people on the host: people whose
// month is closed go into run.peopleUids, the others into
// run.excludedPeople unless their employment keeps them out of the period.
// False (with "errorString" in `result`) when the list cannot be read.
bool checkClosure(RunContext& run, const QSqlDatabase& host, QHash<QString, QVariant>& result,
                  HostReads* reads = nullptr);

// A warning for selected ids (`wanted`) that no person of the host has.
void reportUnknownSelectedIds(RunContext& run, const QSqlDatabase& host, const QString& wanted,
                              HostReads* reads = nullptr);

// Once the month is read: the closure check again, on what the host holds
// now. A person whose month was reopened (or closed) while the export read
// it might be in the file with part of the month: the run fails instead.
void recheckClosure(RunContext& run, const QSqlDatabase& host, const QString& wanted, HostReads* reads = nullptr);

// Warnings for personal numbers shared by several people of the run, or that
// payroll may not match.
void reportPersonalNumbers(RunContext& run);

#endif // PEOPLESTAGE_H
