#ifndef WORKSPANS_H
#define WORKSPANS_H

#include <QDate>
#include <QString>
#include <QVector>

class ExportProgress;
class StagingDatabase;

// Work spans of `people` in the month of `periodDate`: stretches of
// consecutive days worked at least to the day's fund, and the days worked
// below the planned fund, appended to lintersSpans as rows of type 1 with the
// payroll code `workCode`. A cancel in `progress` stops the calculation
// before the next person.
void calculateWorkSpans(StagingDatabase& staging, const QDate& periodDate, const QVector<unsigned>& people,
                        const QString& workCode, const ExportProgress* progress = nullptr);

#endif // WORKSPANS_H
