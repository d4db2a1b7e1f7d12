#ifndef CHILDPROCESS_H
#define CHILDPROCESS_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

// Each step of the benchmark runs in a child process of its own (the same
// program with --child): it prints its figures as "RESULT key=value" lines
// on standard output, its notes on standard error, and ends with 0.

// The child's side: one figure; a failure's one line (returns the exit code).
void result(const QString& key, const QVariant& value);
int fail(const QString& text);

// The parent's side: runs this program with `arguments` (its standard error
// passed through) and returns the figures; "failed" says why when the child
// did not end with 0.
using ChildFigures = QHash<QString, QString>;
ChildFigures runChild(const QStringList& arguments);

#endif // CHILDPROCESS_H
