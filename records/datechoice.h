#ifndef DATECHOICE_H
#define DATECHOICE_H

#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>
#include <QVector>

// Date choices of the "Dátum od" / "Dátum do" columns of a row setting:
//   0 no date, 1 the day of the event (`begin`, in both columns),
//   2 the first day of the month (date from) / its last day (date to),
//   3 the first day of the span (`begin`) / its last day (`end`).
// Returns the chosen day of the month, 0 for no date (any other index too).
unsigned dateChoiceDay(int index, unsigned begin, unsigned end, bool isEnd, int daysInMonth);

// The chosen day of `period`'s month written in `format` (QDate::toString
// notation). Empty for no date and for a day the month does not have.
QString dateChoiceText(const QDate& period, unsigned begin, unsigned end, int index, bool isEnd,
                       const QString& format);

// dateChoiceText() for one month and format, each day's text made once: an
// export writes the same few dozen dates on hundreds of thousands of rows.
class MonthDateTexts
{
public:
    MonthDateTexts(const QDate& period, const QString& format);

    QString text(unsigned begin, unsigned end, int index, bool isEnd) const;

private:
    struct DayText {
        bool made = false;
        QString text;
    };
    QDate period;
    QString format;
    // By day of the month.
    mutable QVector<DayText> texts;
};

// The option "dateFormat"; "dd.MM.yyyy" when it is missing or empty.
QString dateFormatOption(const QHash<QString, QVariant>& options);

#endif // DATECHOICE_H
