#ifndef VALUEKINDS_H
#define VALUEKINDS_H

#include <QString>

// Value kinds of interruption and work rows (choice "1" of a row setting).
enum RecordValueKind {
    ValueNone = 0,    // "Bez hodnoty": computed in seconds for the row test, then emptied
    ValueDays = 1,    // seconds divided by the day fund
    ValueHours = 2,   // seconds divided by 3600, hours code
    ValueAuto = 3,    // days or hours, chosen per record
    ValueSeconds = 4  // whole seconds
};

// The value of one record (day, span or month) before its row is written.
struct RecordValue
{
    QString text;          // number text; empty or not above 0: no row
    bool inHours = false;  // the row takes the hours code of the code pair
    // A value in days was asked for a positive amount, but there is no fund
    // (or day total) to divide by: the value is left empty and the caller
    // reports the skipped record.
    bool noFund = false;
};

// One record of `seconds` on a day whose fund is `dayFund`.
// Automatic kind: days when the record fills the fund exactly, hours when it
// is shorter, nothing when it is longer (as on a day without fund).
RecordValue dailyRecordValue(double seconds, double dayFund, int kind);

// One span of `hours` over `days` days (days below 1 for a partial day).
// Automatic kind: days when the span has at least one day, else hours.
RecordValue spanRecordValue(double hours, double days, int kind);

// One month: `seconds` in total, `days` the sum of the records' day fractions.
// The automatic kind is always days.
RecordValue summaryRecordValue(double seconds, double days, int kind);

// Weekends and holidays left out of a span (sick leave and family care): the
// value counted again over the span's `workingDays`. A span without any
// amount keeps its empty value.
void spanWorkingDaysValue(RecordValue& value, double hours, double days, int workingDays, int kind);

// The same for a month total, over the working days between its first and
// last day; applies only to a positive value.
void summaryWorkingDaysValue(RecordValue& value, double seconds, double days, int workingDays, int kind);

// A row is written only when its value text, read as a number, is above 0
// (an empty text reads 0).
bool isPositiveValue(const QString& text);

// The text of the value column: empty for "Bez hodnoty".
QString valueColumnText(const RecordValue& value, int kind);

#endif // VALUEKINDS_H
