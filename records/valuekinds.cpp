#include "valuekinds.h"

#include "numbertext.h"

namespace {

RecordValue valueOf(double amount, bool inHours = false)
{
    RecordValue value;
    value.text = numberText(amount);
    value.inHours = inHours;
    return value;
}

RecordValue withoutFund(double amount)
{
    RecordValue value;
    value.noFund = amount > 0.0;
    return value;
}

} // namespace

RecordValue dailyRecordValue(double seconds, double dayFund, int kind)
{
    switch (kind) {
    case ValueNone:
    case ValueSeconds:
        return valueOf(seconds);
    case ValueDays:
        return dayFund > 0.0 ? valueOf(seconds / dayFund) : withoutFund(seconds);
    case ValueHours:
        return valueOf(seconds / 3600.0, true);
    case ValueAuto:
        // A record longer than its day's fund, or on a day without fund,
        // is neither a full day nor a part of one: no row.
        if (dayFund > 0.0 && seconds == dayFund)
            return valueOf(1.0);
        if (seconds < dayFund)
            return valueOf(seconds / 3600.0, true);
        return RecordValue();
    default:
        return RecordValue();
    }
}

RecordValue spanRecordValue(double hours, double days, int kind)
{
    switch (kind) {
    case ValueNone:
        return valueOf(hours);
    case ValueDays:
        return valueOf(days);
    case ValueHours:
        return valueOf(hours, true);
    case ValueAuto:
        return days >= 1.0 ? valueOf(days) : valueOf(hours, true);
    case ValueSeconds:
        return valueOf(hours * 3600.0);
    default:
        return RecordValue();
    }
}

RecordValue summaryRecordValue(double seconds, double days, int kind)
{
    // The automatic kind of a month is always days.
    switch (kind) {
    case ValueDays:
    case ValueAuto:
        return valueOf(days);
    case ValueHours:
        return valueOf(seconds / 3600.0, true);
    case ValueNone:
    case ValueSeconds:
        return valueOf(seconds);
    default:
        return RecordValue();
    }
}

namespace {

// The value counted again over `workingDays`: in days their number, in hours
// or seconds `amount` per day of `days` times the working days. `amount` is
// in hours (`inHours`) or in seconds.
void countOverWorkingDays(RecordValue& value, double amount, bool inHours, double days, int workingDays, int kind)
{
    switch (kind) {
    case ValueDays:
    case ValueAuto:
        value.text = numberText(workingDays);
        break;
    case ValueHours:
    case ValueSeconds:
        if (days <= 0.0) {
            value.text.clear();
            value.noFund = true;
        } else {
            const double perDay = amount / days * workingDays;
            const bool wantHours = kind == ValueHours;
            value.text = numberText(wantHours == inHours ? perDay : wantHours ? perDay / 3600.0 : perDay * 3600.0);
        }
        break;
    default:
        break;
    }
}

} // namespace

void spanWorkingDaysValue(RecordValue& value, double hours, double days, int workingDays, int kind)
{
    if (hours > 0.0)
        countOverWorkingDays(value, hours, true, days, workingDays, kind);
}

void summaryWorkingDaysValue(RecordValue& value, double seconds, double days, int workingDays, int kind)
{
    if (isPositiveValue(value.text))
        countOverWorkingDays(value, seconds, false, days, workingDays, kind);
}

bool isPositiveValue(const QString& text)
{
    return text.toDouble() > 0.0;
}

QString valueColumnText(const RecordValue& value, int kind)
{
    return kind == ValueNone ? QString() : value.text;
}
