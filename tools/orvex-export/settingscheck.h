#ifndef ORVEX_EXPORT_SETTINGSCHECK_H
#define ORVEX_EXPORT_SETTINGSCHECK_H

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What orvex-export checks of the stored settings before it calls the
// plug-in. The plug-in takes a key it cannot use as missing and exports with
// its defaults: a record without "optWidget" gives other rows than the
// clerk's settings, and "inters" or "items" of another type give no rows.

// The keys of the stored record that cannot be used, one text each:
// "optWidget" missing, not an object or empty; "inters" missing, not an
// object, or a code that is not a text; "items" missing, not a list, or a
// code that is not a text.
QStringList storedRecordProblems(const QJsonObject& record);

// Why the separator the plug-in writes for the stored text `stored` can be
// mistaken for part of a value (a digit, a letter, ".", ",", "-", "+", a blank)
// or is not one character of the Basic Multilingual Plane; empty when it is
// usable. `written` is the separator the plug-in writes for it.
QString separatorProblem(const QString& stored, const QString& written);

#endif // ORVEX_EXPORT_SETTINGSCHECK_H
