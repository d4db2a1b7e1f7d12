#ifndef SQLERRORTEXT_H
#define SQLERRORTEXT_H

#include <QString>

// The fixed text that leads the log line of a failed SQLite statement:
// "Orvexuniversal::<operation>() ::: SQLite ERROR: (<statement>) :: ". The
// driver's error text follows it. Support reads these lines: the shape stays.
QString sqliteErrorText(const char* operation, const QString& statement);

#endif // SQLERRORTEXT_H
