#include "numbertext.h"

#include <cmath>

QString numberText(double value)
{
    // QString::number always uses the C locale, so a decimal comma of the
    // user's locale never reaches the file.
    return QString::number(value, 'g', 6);
}

double roundedToSixDigits(double value)
{
    // A whole number below a million has at most six digits: its text is
    // exact. Most day values are such numbers. Zero goes the long way, as
    // whether the text of -0 keeps its sign is up to Qt.
    if (value != 0.0 && std::fabs(value) < 1e6 && value == std::trunc(value))
        return value;
    if (value == 0.0 && !std::signbit(value))
        return value;
    return numberText(value).toDouble();
}
