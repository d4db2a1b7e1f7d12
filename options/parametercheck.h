#ifndef PARAMETERCHECK_H
#define PARAMETERCHECK_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

// The host stores the export settings as JSON and hands them back as
// variants; a damaged or hand-edited record can hold values of the wrong
// type. The export converts every value all the same (a missing or unusable
// value reads as empty, zero or false; a choice outside its list produces
// nothing for its part of the row), so such a value must at least be named in
// the log.

// One text per export parameter or option that cannot be used as it stands:
// a number that is not a whole number of its range, a flag that is no yes/no
// value, a text that is a list or a map, option sets that are not a map or a
// list, a row-settings map that is none, or a choice outside its list.
// `itemNames` are the bonus item names (their row settings have shorter
// choice lists than those of interruptions). Keys that are absent, and
// values that are null, are not named: they read as the export's defaults.
QStringList unusableParameterValues(const QHash<QString, QVariant>& parameters, const QStringList& itemNames);

#endif // PARAMETERCHECK_H
