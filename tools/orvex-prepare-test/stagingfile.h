#ifndef ORVEX_PREPARE_STAGINGFILE_H
#define ORVEX_PREPARE_STAGINGFILE_H

#include <QHash>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

// What the preparation found, for the summary printed to the integrator.
struct PreparedStaging
{
    int peopleCount = 0;
    QStringList excludedPeople;               // payroll numbers left out for unclosed days
    QString hostError;                        // the closure check's message, if any
    QList<QPair<QString, int>> tableRows;     // staging table and its number of rows
};

// Fills the staging tables and span tables of one month exactly as a normal
// export does (people, closure check, loading, spans of the neighbouring
// months and of work), adds the host's interruption names in the table
// `linters (iid INTEGER, name TEXT)`, and writes all of it into the SQLite
// file `path`. The file is replaced only when it is complete.
// The stages read the host through `host`.
bool writeStagingFile(const QSqlDatabase& host, const QHash<QString, QVariant>& parameters, const QString& path,
                      PreparedStaging& prepared, QString& errorText);

#endif // ORVEX_PREPARE_STAGINGFILE_H
