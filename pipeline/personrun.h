#ifndef PERSONRUN_H
#define PERSONRUN_H

class ExportRowSink;
class StagingDatabase;
struct RunContext;

// The per-person run: for each person of the run, the rows of the selected
// interruptions and bonus items into `sink`, reading `staging`. Stops at the
// first failure or cancel of the run; a staging read that fails fails the run
// (not in TEST mode, where the prepared file is read as it is and what it
// lacks is logged). The number of people handled goes to run.progress.
void runPeople(RunContext& run, StagingDatabase& staging, ExportRowSink& sink);

#endif // PERSONRUN_H
