#include "codepair.h"

CodePair::CodePair(const QString& text)
    : whole(text), parts(text.split(QLatin1Char('/'), QString::KeepEmptyParts))
{
}

QString CodePair::daysCode() const
{
    return parts.value(0);
}

QString CodePair::hoursCode() const
{
    return parts.size() >= 2 ? parts.at(1) : parts.value(0);
}
