#include "dayfund.h"

#include "bonusitemrules.h"

double interruptionDayFund(double recordFund, double refFund)
{
    return recordFund != 0.0 ? recordFund : refFund;
}

double workDailyFund(double fond, double expFund, double refFund)
{
    if (fond != 0.0)
        return fond;
    return expFund != 0.0 ? expFund : refFund;
}

double workSummaryFund(double fond, double expFund)
{
    return fond != 0.0 ? fond : expFund;
}

double bonusMonthlyFund(double fond, double expFund, double refFund)
{
    if (fond > 0.0)
        return fond;
    return expFund > 0.0 ? expFund : refFund;
}

double bonusDailyFund(int itemIndex, double fond, double expFund, double refFund)
{
    if (itemIndex == BonusPaidHolidays && refFund > 0.0)
        return refFund;
    return fond > 0.0 ? fond : expFund;
}
