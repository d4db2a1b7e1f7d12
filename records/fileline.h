#ifndef FILELINE_H
#define FILELINE_H

#include <QChar>
#include <QString>
#include <QStringList>

// One line of the payroll import file: the fields of a row joined by the
// separator. The plug-in's file writer and the tools that read such files back
// use these rules, so that both see the same lines.

// The separator the file really uses. The payroll import knows single
// characters only: a longer option contributes its first character; a missing
// option, an empty one, a line break or another control character gives "|".
// Each replacement but the missing option is logged.
QChar fileSeparator(bool given, const QString& option);

// Characters that cut a line into columns or lines in the payroll import:
// the separator, and control characters but the tab.
bool breaksFileLine(QChar c, QChar separator);

// Replaces such characters of `field` by blanks; true when there were any.
// A clean field is not copied.
bool cleanFileField(QString& field, QChar separator);

// The fields joined by `separator`. With `separatorOnEnd` the line ends in
// the separator (once); without it a trailing separator (the one after an
// empty last field) is dropped.
QString fileLineText(const QStringList& fields, QChar separator, bool separatorOnEnd);

#endif // FILELINE_H
