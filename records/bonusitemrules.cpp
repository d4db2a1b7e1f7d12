#include "bonusitemrules.h"

#include "codepair.h"

#include <cmath>

namespace {

BonusItemSource source(const char* column, const char* condition, int valueColumns = 1)
{
    BonusItemSource result;
    result.valid = true;
    result.column = QLatin1String(column);
    result.condition = QLatin1String(condition);
    result.valueColumns = valueColumns;
    return result;
}

} // namespace

BonusItemSource bonusItemSource(int itemIndex, bool advancedOvertime, bool daily)
{
    switch (itemIndex) {
    case BonusNegativeBalance: return source("diff", "AND diff < 0");
    case BonusSaturdayWork: return source("work", "AND work > 0 AND dow = 6");
    case BonusSundayWork: return source("work", "AND work > 0 AND dow = 7");
    case BonusNightWork: return source("night", "AND night > 0");
    case BonusOvertime:
        return advancedOvertime ? source("saldo_p", "AND saldo_p > 0 AND hid = 0")
                                : source("diff", "AND diff > 0 AND hid = 0");
    case BonusPaidHolidays:
        return daily ? source("expFund", "AND hid > 0 AND dow < 6")
                     : source("expFund", "AND work = 0 AND hid > 0 AND dow < 6");
    case BonusWorkedHolidays: return source("work", "AND work > 0 AND hid > 0 AND dow < 6");
    case BonusShiftAllowance: return source("bonus", "AND bonus > 0");
    case BonusOnCall: return source("readBegin, readEnd", "AND readBegin > 0", 2);
    case BonusMealTickets: return source("vouchers", "AND vouchers > 0 AND tom = 0");
    case BonusMealContribution: return source("vouchers", "AND vouchers > 0 AND tom = 1");
    case BonusHolidayOvertime:
        return advancedOvertime ? source("saldo_p", "AND saldo_p > 0 AND hid > 0")
                                : source("diff", "AND diff > 0 AND hid > 0");
    case BonusFullFund: return source("dow", "AND fond > 0 AND hid = 0 AND dow < 6");
    default: return BonusItemSource();
    }
}

QString bonusItemStatement(const BonusItemSource& source)
{
    return QStringLiteral("SELECT %1, dom, fond, expFund FROM latten WHERE uid=? %2 ORDER BY dom")
        .arg(source.column, source.condition);
}

double onCallLength(double readBegin, double readEnd)
{
    const double begin = std::trunc(readBegin);
    const double end = std::trunc(readEnd);
    if (begin < end)
        return end - begin;
    if (begin > end)
        return end + 86400.0 - begin;
    return 0.0;
}

double bonusDayValue(int itemIndex, double firstColumn, double secondColumn, double dayFund)
{
    switch (itemIndex) {
    case BonusNegativeBalance: return 0.0;
    case BonusPaidHolidays:
    case BonusFullFund: return dayFund;
    case BonusOnCall: return onCallLength(firstColumn, secondColumn);
    default: return firstColumn;
    }
}

BonusDayResult bonusDayResult(int itemIndex, double dayValue, double dayFund, int valueKind)
{
    BonusDayResult result;
    if (itemIndex == BonusNegativeBalance)
        return result;
    if (itemIndex == BonusMealTickets || itemIndex == BonusMealContribution) {
        result.value = dayValue;
        return result;
    }
    switch (valueKind) {
    case BonusValueDays:
        if (dayFund != 0.0)
            result.value = dayValue / dayFund;
        else
            result.noFund = dayValue > 0.0;
        break;
    case BonusValueHours: result.value = dayValue / 3600.0; break;
    case BonusValueSeconds: result.value = dayValue; break;
    default: break;
    }
    return result;
}

QString bonusItemCode(const QString& codeText, int valueKind)
{
    const CodePair code(codeText);
    switch (valueKind) {
    case BonusValueNone:
    case BonusValueDays:
    case BonusValueSeconds: return code.daysCode();
    case BonusValueHours: return code.hoursCode();
    default: return codeText;
    }
}

QString bonusDayColumns()
{
    return QStringLiteral("dom, fond, expFund, work, diff, dow, night, saldo_p, hid, bonus, readBegin, readEnd, "
                          "vouchers, tom");
}

// One case per item of bonusItemSource(), condition for condition.
bool bonusRowColumns(int itemIndex, bool advancedOvertime, bool daily, const BonusDayRow& row, double* first,
                     double* second)
{
    *second = 0.0;
    const double overtime = advancedOvertime ? row.saldoP : row.diff;
    switch (itemIndex) {
    case BonusNegativeBalance: *first = row.diff; return row.diff < 0;
    case BonusSaturdayWork: *first = row.work; return row.work > 0 && row.dow == 6;
    case BonusSundayWork: *first = row.work; return row.work > 0 && row.dow == 7;
    case BonusNightWork: *first = row.night; return row.night > 0;
    case BonusOvertime: *first = overtime; return overtime > 0 && row.hid == 0;
    case BonusPaidHolidays: *first = row.expFund; return (daily || row.work == 0) && row.hid > 0 && row.dow < 6;
    case BonusWorkedHolidays: *first = row.work; return row.work > 0 && row.hid > 0 && row.dow < 6;
    case BonusShiftAllowance: *first = row.bonus; return row.bonus > 0;
    case BonusOnCall:
        *first = row.readBegin;
        *second = row.readEnd;
        return row.readBegin > 0;
    case BonusMealTickets: *first = row.vouchers; return row.vouchers > 0 && row.tom == 0;
    case BonusMealContribution: *first = row.vouchers; return row.vouchers > 0 && row.tom == 1;
    case BonusHolidayOvertime: *first = overtime; return overtime > 0 && row.hid > 0;
    case BonusFullFund: *first = row.dow; return row.fond > 0 && row.hid == 0 && row.dow < 6;
    default: return false;
    }
}
