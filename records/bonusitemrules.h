#ifndef BONUSITEMRULES_H
#define BONUSITEMRULES_H

#include <QString>

// Indexes of the fixed bonus item list.
enum BonusItemIndex {
    BonusNegativeBalance = 0,   // "Záporné saldo (Absencia)"
    BonusSaturdayWork = 1,      // "Práca v sobotu"
    BonusSundayWork = 2,        // "Práca v nedeľu"
    BonusNightWork = 3,         // "Práca v noci"
    BonusOvertime = 4,          // "Nadčasové hodiny"
    BonusPaidHolidays = 5,      // "Platené sviatky - hodiny"
    BonusWorkedHolidays = 6,    // "Odpracované sviatky - hodiny"
    BonusShiftAllowance = 7,    // "Príplatky za zmeny - hodiny"
    BonusOnCall = 8,            // "Pohotovosť"
    BonusMealTickets = 9,       // "Stravné jednotky (lístky)"
    BonusMealContribution = 10, // "Stravné jednotky (príspevok)"
    BonusHolidayOvertime = 11,  // "Nadčas vo sviatky"
    BonusFullFund = 12          // "Plný fond"
};

// Value kinds of bonus items (choice "1"); index 3 is seconds here, not the
// automatic kind of interruptions.
enum BonusValueKind { BonusValueNone = 0, BonusValueDays = 1, BonusValueHours = 2, BonusValueSeconds = 3 };

// Where the day values of an item come from: the column text and the extra
// condition of "SELECT <column>, dom, fond, expFund FROM latten WHERE uid=? <condition> ORDER BY dom".
struct BonusItemSource
{
    bool valid = false;     // false for an index outside the list
    QString column;         // one column, or "readBegin, readEnd" for on-call duty
    QString condition;
    int valueColumns = 1;   // columns before dom, fond, expFund
};

// The overtime items read saldo_p when `advancedOvertime` is set, else diff;
// paid holidays count worked holidays only in the daily export.
BonusItemSource bonusItemSource(int itemIndex, bool advancedOvertime, bool daily);

// The statement text of a source, with "?" for the person.
QString bonusItemStatement(const BonusItemSource& source);

// On-call length in seconds from two times of the day (truncated to whole
// seconds); a duty that ends before it begins runs over midnight.
double onCallLength(double readBegin, double readEnd);

// The value of one day before conversion: the selected column, the on-call
// length, the day fund for paid holidays and the full fund, 0 for the
// negative balance.
double bonusDayValue(int itemIndex, double firstColumn, double secondColumn, double dayFund);

struct BonusDayResult
{
    double value = 0.0;    // counts only when above 0
    bool noFund = false;   // days asked for a positive value on a day without fund
};

// The day value by value kind: none, days (over the day fund), hours,
// seconds. Meal vouchers are counted as they are, whatever the kind.
BonusDayResult bonusDayResult(int itemIndex, double dayValue, double dayFund, int valueKind);

// The code of an item's rows: days code for kinds 0, 1 and 3, hours code for
// kind 2, the whole text for any other kind.
QString bonusItemCode(const QString& codeText, int valueKind);

// A person's day record with every column the items read, so that one read
// of the person's days serves all items: bonusDayColumns() is the column list
// of that read (in this order), bonusRowColumns() applies an item's condition
// as its statement would and gives its value columns (false: the day is not
// one of the item's days).
struct BonusDayRow
{
    int dom = 0;
    double fond = 0, expFund = 0, work = 0, diff = 0, dow = 0, night = 0, saldoP = 0, hid = 0, bonus = 0,
           readBegin = 0, readEnd = 0, vouchers = 0, tom = 0;
};
QString bonusDayColumns();
bool bonusRowColumns(int itemIndex, bool advancedOvertime, bool daily, const BonusDayRow& row, double* first,
                     double* second);

#endif // BONUSITEMRULES_H
