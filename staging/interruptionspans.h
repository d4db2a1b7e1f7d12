#ifndef INTERRUPTIONSPANS_H
#define INTERRUPTIONSPANS_H

#include <QDate>
#include <QVector>

class ExportProgress;
class StagingDatabase;

// Spans of consecutive interruption days of `people`: for the month of
// `periodDate` from latten_data into lintersSpans (with the partial days), or
// (`around`) for the neighbouring months from latten_data_around into
// lintersSpansAround, only the spans that touch a month's first or last day.
// The target table is created anew. Failed statements go to the staging log.
// A cancel in `progress` stops the calculation before the next person.
void calculateInterruptionSpans(StagingDatabase& staging, const QDate& periodDate, const QVector<unsigned>& people,
                                bool around, const ExportProgress* progress = nullptr);

#endif // INTERRUPTIONSPANS_H
