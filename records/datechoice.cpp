#include "datechoice.h"

unsigned dateChoiceDay(int index, unsigned begin, unsigned end, bool isEnd, int daysInMonth)
{
    switch (index) {
    case 1:
        return begin;
    case 2:
        return isEnd ? unsigned(qMax(daysInMonth, 0)) : 1u;
    case 3:
        return isEnd ? end : begin;
    default:
        return 0;
    }
}

QString dateChoiceText(const QDate& period, unsigned begin, unsigned end, int index, bool isEnd,
                       const QString& format)
{
    return MonthDateTexts(period, format).text(begin, end, index, isEnd);
}

MonthDateTexts::MonthDateTexts(const QDate& period, const QString& format)
    : period(period), format(format), texts(period.isValid() ? period.daysInMonth() + 1 : 0)
{
}

QString MonthDateTexts::text(unsigned begin, unsigned end, int index, bool isEnd) const
{
    const unsigned day = dateChoiceDay(index, begin, end, isEnd, period.daysInMonth());
    if (!period.isValid() || day < 1 || day > unsigned(period.daysInMonth()))
        return QString();
    DayText& known = texts[int(day)];
    if (!known.made) {
        known.text = QDate(period.year(), period.month(), int(day)).toString(format);
        known.made = true;
    }
    return known.text;
}

QString dateFormatOption(const QHash<QString, QVariant>& options)
{
    // An empty mask would silently drop every date of the file.
    const QString format = options.value(QStringLiteral("dateFormat")).toString();
    return format.isEmpty() ? QStringLiteral("dd.MM.yyyy") : format;
}
