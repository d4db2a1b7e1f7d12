#ifndef DAYFUND_H
#define DAYFUND_H

// The day fund turns seconds into days. Each kind of record finds it its own
// way; all amounts are seconds.

// Interruption record: its own fund when not 0, else the person's reference fund.
double interruptionDayFund(double recordFund, double refFund);

// Work, per day: fond, else expFund, else the reference fund (each when not 0).
double workDailyFund(double fond, double expFund, double refFund);

// Work, per month: fond when not 0, else expFund; no reference fund.
double workSummaryFund(double fond, double expFund);

// Bonus items, per month: fond when above 0, else expFund when above 0,
// else the reference fund.
double bonusMonthlyFund(double fond, double expFund, double refFund);

// Bonus items, per day: fond when above 0, else expFund. The paid holidays
// item (index 5) takes the reference fund instead whenever that is above 0.
double bonusDailyFund(int itemIndex, double fond, double expFund, double refFund);

#endif // DAYFUND_H
