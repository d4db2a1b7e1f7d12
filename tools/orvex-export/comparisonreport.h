#ifndef ORVEX_EXPORT_COMPARISONREPORT_H
#define ORVEX_EXPORT_COMPARISONREPORT_H

#include "monthcomparison.h"

#include <QJsonObject>
#include <QTextStream>

// The comparison with the earlier month as a section of the text summary:
// the counts first, then the flags; the longest lists cut with "... and N more".
void printComparison(QTextStream& out, const MonthComparison& comparison);

// The comparison as the object "comparison" of --json (every item, uncut).
QJsonObject comparisonJson(const MonthComparison& comparison);

#endif // ORVEX_EXPORT_COMPARISONREPORT_H
