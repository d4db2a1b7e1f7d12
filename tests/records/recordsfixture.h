#ifndef RECORDSFIXTURE_H
#define RECORDSFIXTURE_H

// A plug-in on a fresh in-memory staging database, set up for one person
// (uid 1, pid 7, payroll number "P12") in a chosen month. Staged rows are
// given as short texts:
//   interruption "dom duration fund kod"        (fund "-" for NULL)
//   span         "begDay endDay sum sumDays kod"
//   day          "dom column=value ..."         (other columns 0, fond 28800)

#include "orvexuniversal.h"

#include <QScopedPointer>

class RecordsFixture
{
public:
    explicit RecordsFixture(const QDate& period = QDate(2024, 3, 1), double refFund = 0.0);
    ~RecordsFixture();

    Orvexuniversal& plugin() { return *object; }
    void exec(const QString& sql, const QVariantList& values = QVariantList()) const;
    void addInterruption(unsigned iid, const QString& record);
    void addSpan(const QString& table, unsigned iid, int month, const QString& span);
    void addDay(const QString& day);
    // Rows of `export` in insertion order: "code|value|from|to", or with
    // `full` every column "item0|...|item7|pid" (NULL for a missing item).
    QStringList rows(bool full = false) const;

private:
    QString name;
    QSqlDatabase db;
    QScopedPointer<Orvexuniversal> object;
};

// Row settings: value kind, date-from and date-to choice, export type.
QVariantHash rowSettings(int kind, int from, int to, int exportType = 0);

#endif // RECORDSFIXTURE_H
