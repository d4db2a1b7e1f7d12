#ifndef EXPORTROW_H
#define EXPORTROW_H

#include <QString>
#include <QStringList>

// One row of the payroll file as the record generators make it: the period,
// the person, the payroll code, the value and the two dates. The file has
// eight item columns; the last one stays empty.
struct ExportRow
{
    QString year;
    QString month;
    QString personalNumber;
    QString code;
    QString value;
    QString dateFrom;
    QString dateTo;
    int pid = 0; // the person's pid in staging: the file is sorted by it

    enum { ItemCount = 8 };

    // item0 .. item7
    QStringList items() const
    {
        return {year, month, personalNumber, code, value, dateFrom, dateTo, QString(QLatin1String(""))};
    }
};

#endif // EXPORTROW_H
