#ifndef NUMBERTEXT_H
#define NUMBERTEXT_H

#include <QString>

// The number text of every amount in the payroll file and of every real number
// stored in staging: general notation with 6 significant digits, "." as the
// decimal point whatever the user's locale, no digit grouping, trailing zeros
// dropped (1, 7.5, 0.666667, 1.0008e+06, 1e-05).
QString numberText(double value);

// The value that numberText() writes, read back: `value` rounded to 6
// significant digits. What a real number spliced into a statement would store.
double roundedToSixDigits(double value);

#endif // NUMBERTEXT_H
