#include "numbertext.h"

QString numberText(double value)
{
    // QString::number always uses the C locale, so a decimal comma of the
    // user's locale never reaches the file.
    return QString::number(value, 'g', 6);
}

double roundedToSixDigits(double value)
{
    return numberText(value).toDouble();
}
