#ifndef HOSTLOADER_H
#define HOSTLOADER_H

#include <QSqlDatabase>

class HostReads;
class StagingDatabase;
struct RunContext;

// Copies the export's host data into the staging tables of `staging`: the
// people of run.selectedUids, holidays, settings and option sets, the
// period's interruption and day records, the spans of the period, the
// interruption records of the neighbouring windows with their funds, and the
// interruption names (into the run's name maps). A host table not read
// fails the run; a staging row not written is logged and stops the loading.
// With `reads` the host is read by the host connection's thread for the
// calling one (hostreads.h); the loading dialog's value goes to run.progress.
void loadHostData(RunContext& run, StagingDatabase& staging, const QSqlDatabase& host, HostReads* reads = nullptr);

#endif // HOSTLOADER_H
