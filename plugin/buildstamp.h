#ifndef BUILDSTAMP_H
#define BUILDSTAMP_H

#include <QDateTime>
#include <QString>

// Reads the compiler's build date ("Feb 25 2025", a one-digit day padded with
// a blank) and time ("10:03:41") into a local date and time. English month
// names are read whatever the user's locale. Invalid when either text cannot
// be read.
QDateTime parseBuildStamp(const QString& dateText, const QString& timeText);

// The moment this module was built, as parseBuildStamp() reads it.
QDateTime moduleBuildStamp();

#endif // BUILDSTAMP_H
