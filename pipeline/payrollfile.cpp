// The payroll import file: one line per row of the staging table `export`,
// sorted by person and date-from, fields joined by the chosen separator.
//
// The file is written through QSaveFile: payroll finds either the complete new
// file or the file of an earlier export, never a half-written one. A file
// that cannot be opened, written or put in place is reported to the clerk
// with its cause, and the earlier file stays.

#include "payrollfile.h"

#include "exportrowsink.h"
#include "fileline.h"
#include "personalnumberchecks.h"
#include "runcontext.h"
#include "sqlerrortext.h"
#include "stagingdatabase.h"
#include "stagingsql.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QSqlError>
#include <QTextStream>
#include <algorithm>

namespace {

const int firstItemColumn = 1; // column 0 is `id`
const int itemCount = 8;       // item0 .. item7
const int personalNumberItem = 2;                  // item2
const int pidColumn = firstItemColumn + itemCount; // after item7

// item0 .. item7 of a row (item2 the personal number), each made safe to
// write. The clerk is told once per person and value (`reported` holds the
// messages given so far), not once for every line that carries the value.
QStringList rowFields(const QStringList& items, int pid, QChar separator, QStringList& warnings,
                      QSet<QString>& reported)
{
    QStringList fields;
    for (const QString& value : items) {
        QString field = value;
        if (cleanFileField(field, separator)) {
            const QString personalNumber = items.at(personalNumberItem);
            qWarning() << "Orvexuniversal::createCSVfile() ::: a value of person" << personalNumber << "(pid"
                       << pid << ") holds the separator" << QString(separator)
                       << "or a line break, written with blanks instead:" << value;
            const QString warning =
                QCoreApplication::translate("Orvexuniversal", "Osobné číslo %1: hodnota \"%2\" obsahuje oddeľovač položiek alebo "
                                   "koniec riadku; tieto znaky sú v súbore nahradené medzerou.")
                    .arg(visibleLineBreaks(personalNumber), visibleLineBreaks(value));
            if (!reported.contains(warning)) {
                reported.insert(warning);
                warnings << warning;
            }
        }
        fields << field;
    }
    return fields;
}

QString excludedPeopleMessage(const QStringList& excluded)
{
    if (excluded.isEmpty())
        return QString();
    const bool one = excluded.size() == 1;
    return QStringLiteral("\n")
           + QCoreApplication::translate("Orvexuniversal", "%1 s ID: %2 %3 z dôvodu neuzavretých dní.")
                 .arg(one ? QStringLiteral("Zamestnanec") : QStringLiteral("Zamestnanci"),
                      excluded.join(QLatin1Char(',')),
                      one ? QStringLiteral("bol vyradený") : QStringLiteral("boli vyradení"));
}

QString withWarnings(const QString& message, const QStringList& warnings)
{
    if (warnings.isEmpty())
        return message;
    return message + QLatin1Char('\n') + warnings.join(QLatin1Char('\n'));
}

// Why the file cannot be opened, when it can be told: the folder is missing,
// is a file, or a folder stands where the file should be. Otherwise the
// message of an open failure, with the system's reason.
QString openFailureMessage(const QString& path, const QString& systemReason)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const QString lead = QCoreApplication::translate("Orvexuniversal", "Výstupný súbor sa nepodarilo otvoriť pre zápis! \n");
    if (!folder.exists())
        return lead + QCoreApplication::translate("Orvexuniversal", "Priečinok %1 neexistuje.").arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isDir())
        return lead + QCoreApplication::translate("Orvexuniversal", "Cesta %1 nie je priečinok, ale súbor.")
                          .arg(QDir::toNativeSeparators(folder.filePath()));
    if (file.isDir())
        return lead + QCoreApplication::translate("Orvexuniversal", "Na mieste súboru %1 je priečinok.")
                          .arg(QDir::toNativeSeparators(file.absoluteFilePath()));
    const QString message = QCoreApplication::translate("Orvexuniversal", "Výstupný súbor sa nepodarilo otvoriť pre zápis! \nUistite sa, či nie je "
                                               "otvorený v inom programe.");
    return systemReason.isEmpty() ? message
                                  : message + QStringLiteral(" \n") + QCoreApplication::translate("Orvexuniversal", "Príčina: %1").arg(systemReason);
}

void reportOpenFailure(QHash<QString, QVariant>& result, const QString& path, const QString& systemReason)
{
    result.insert(QStringLiteral("errorString"), openFailureMessage(path, systemReason));
    qCritical() << "Vystupny subor sa nepodarilo otvorit!" << systemReason;
}

// A write or the final rename failed (a full disk, a quota): the temporary
// file is dropped and the earlier file stays.
void reportWriteFailure(QHash<QString, QVariant>& result, const QString& systemReason)
{
    result.clear();
    result.insert(QStringLiteral("errorString"),
                  QCoreApplication::translate("Orvexuniversal", "Výstupný súbor sa nepodarilo zapísať (%1)! \nPredchádzajúci súbor zostal "
                                     "nezmenený.")
                      .arg(systemReason));
    qCritical() << "Vystupny subor sa nepodarilo zapisat!" << systemReason;
}

// Puts the written file in place of the earlier one, unless a write failed
// on the way: QSaveFile does not learn of a failed flush of its buffer and
// would put a cut-off file in place. On failure the temporary file is
// dropped and `reason` holds the system's reason, which the device gives
// only when asked to flush again.
bool commitFile(QSaveFile& file, QTextStream& out, QString& reason)
{
    out.flush();
    const bool written = out.status() == QTextStream::Ok && file.flush() && file.error() == QFileDevice::NoError;
    if (written && file.commit())
        return true;
    if (!written) {
        // A write cut short (a full disk, a quota) sets no error of its own;
        // the next write fails and gives the system's reason.
        if (file.error() == QFileDevice::NoError)
            file.write("\n", 1);
        file.flush();
    }
    reason = file.errorString();
    file.cancelWriting();
    return false;
}

// Writes the rows of `export`, sorted by person and date-from, one line each.
// Returns the number of lines, or -1 when the rows cannot be read all
// (`error` says why).
int writeExportRows(const QSqlDatabase& staging, QTextStream& out, const ExportOptions& options,
                    QStringList& warnings, QString& error)
{
    const QChar separator = fileSeparator(options.separatorGiven, options.separator);
    const bool separatorOnEnd = options.separatorOnEnd;
    QSqlQuery query(staging);

    // Forward only: the rows are read once and need not all be held in memory.
    query.setForwardOnly(true);
    int lines = -1;
    if (query.exec(QStringLiteral("SELECT * FROM export ORDER BY pid, item5"))) {
        lines = 0;
        QSet<QString> reported;
        while (query.next()) {
            QStringList items;
            for (int column = firstItemColumn; column < firstItemColumn + itemCount; ++column)
                items << query.value(column).toString();
            out << fileLineText(rowFields(items, query.value(pidColumn).toInt(), separator, warnings, reported),
                                separator, separatorOnEnd)
                << '\n';
            ++lines;
        }
        if (query.lastError().isValid()) {
            // The walk ended on an error: rows after it would be missing.
            error = query.lastError().text();
            logSqlFailure(sqliteErrorText("createCSVfile", QStringLiteral("SELECT * FROM export ")), error);
            lines = -1;
        }
    } else {
        error = query.lastError().text();
        logSqlFailure(sqliteErrorText("createCSVfile", QStringLiteral("SELECT * FROM export ")), error);
    }
    return lines;
}

// Writes `rows` in the order of `order`, one line each; the number of lines.
int writeRows(const QVector<ExportRow>& rows, const QVector<int>& order, QTextStream& out,
              const ExportOptions& options, QStringList& warnings)
{
    const QChar separator = fileSeparator(options.separatorGiven, options.separator);
    QSet<QString> reported;
    for (const int index : order) {
        const ExportRow& row = rows.at(index);
        out << fileLineText(rowFields(row.items(), row.pid, separator, warnings, reported), separator,
                            options.separatorOnEnd)
            << '\n';
    }
    return order.size();
}

} // namespace

int writePayrollFile(RunContext& run, StagingDatabase& staging, QHash<QString, QVariant>& result)
{
    return writePayrollFile(run, result, [&staging, &run](QTextStream& out, QString& readError) {
        return writeExportRows(staging.db(), out, run.options, run.warnings, readError);
    });
}

int writePayrollFile(RunContext& run, const ExportRowSink& rows, QHash<QString, QVariant>& result)
{
    return writePayrollFile(run, result, [&rows, &run](QTextStream& out, QString&) {
        return writeRows(rows.keptRows(), rows.fileOrder(), out, run.options, run.warnings);
    });
}

int writePayrollFile(RunContext& run, QHash<QString, QVariant>& result,
                     const std::function<int(QTextStream&, QString&)>& writeLines)
{
    // An export that failed on the way writes no file.
    if (run.failed()) {
        result.insert(QStringLiteral("errorString"), runFailureMessage(run.failure));
        return -1;
    }
    const QString path = run.exportPath + QLatin1Char('/') + run.exportFileName;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        reportOpenFailure(result, path, file.errorString());
        return -1;
    }
    QTextStream out(&file);

    if (run.peopleUids.isEmpty()) {
        QString reason;
        if (!commitFile(file, out, reason)) {
            reportWriteFailure(result, reason);
            return -1;
        }
        result.insert(QStringLiteral("doneString"),
                      withWarnings(QCoreApplication::translate("Orvexuniversal", "Export neprebehol, pretože zoznam ľudí je prázdny!  \nVšetci požadovaní ľudia "
                                      "boli možno vyradení z dôvodu neuzavretých dní.   \nPrekontrolujte prosím "
                                      "nastavenia a spustite export znovu."),
                                   run.warnings));
        return 0;
    }

    QString readError;
    const int lines = writeLines(out, readError);
    if (lines < 0) {
        // The rows were not all read back: the earlier file stays.
        file.cancelWriting();
        run.fail(QCoreApplication::translate("Orvexuniversal", "čítanie riadkov exportu pre súbor"), readError);
        result.insert(QStringLiteral("errorString"), runFailureMessage(run.failure));
        return -1;
    }
    QString reason;
    if (!commitFile(file, out, reason)) {
        reportWriteFailure(result, reason);
        return -1;
    }

    const QString message = lines == 0 ? QCoreApplication::translate("Orvexuniversal", "Export neprebehol, pretože neexistujú žiadne data pre export! \n"
                                            "Prekontrolujte prosím nastavenia a spustite export znovu.")
                                       : excludedPeopleMessage(run.excludedPeople);
    result.insert(QStringLiteral("doneString"), withWarnings(message, run.warnings));
    result.insert(QStringLiteral("peopleCount"), run.peopleUids.size());
    result.insert(QStringLiteral("fileName"), run.exportFileName);
    return lines;
}
