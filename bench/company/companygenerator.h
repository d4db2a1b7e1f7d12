#ifndef COMPANYGENERATOR_H
#define COMPANYGENERATOR_H

// A generated company in the host database: `people` employees with one day
// record per calendar day of the export month and of the months before and
// after it, interruption records (sick leave and family care that run across
// the month boundaries, quarantine, vacation, doctor, business trips, parental
// leave and more), partial days, overtime, night, weekend and holiday work,
// on-call duty, meal vouchers of both kinds, the monthly closure (a few people
// left open), groups with reference funds, public holidays, host settings and
// the stored export settings of the plug-in.
//
// The same profile always yields the same rows: every person draws from a
// generator of its own, seeded from the profile's seed and the person's id, so
// the first people of a large company are those of a small one.

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

struct CompanyProfile
{
    int people = 1000;
    int year = 2024;
    int month = 3;
    quint64 seed = 20240301;
    // Multiplies the chances of the rarer events (sick leave, family care,
    // quarantine, long leaves, hires and leavers, unclosed months, missing
    // payroll numbers, funds missing from the plan): a small company for a
    // test then still meets every kind of case.
    double eventScale = 1.0;
};

struct CompanyFigures
{
    int employees = 0;       // people rows with status 1 (the anonymous one included)
    int unclosed = 0;        // employees whose export month is not closed
    qint64 dayRecords = 0;   // rows of atten
    qint64 interruptionRecords = 0;  // rows of atten_data
};

class CompanyGenerator
{
public:
    CompanyGenerator(const QSqlDatabase& db, const CompanyProfile& profile);

    // Fills the host tables of an empty host database. False on the first
    // failed statement (errorText() tells which).
    bool generate();
    QString errorText() const { return error; }
    CompanyFigures figures() const { return counts; }

    // The stored export settings: payroll codes of every interruption type
    // and of all 13 bonus items, and an options record with a mix of export
    // types, value kinds, date choices and the four special interruptions.
    static QByteArray storedSettingsJson();

private:
    struct Inserter;
    bool writeCatalogue();
    bool writePeople();
    bool beginChunk();
    bool endChunk();

    QSqlDatabase db;
    CompanyProfile profile;
    QString error;
    CompanyFigures counts;
};

// Export parameters as the host builds them for "all people" of the profile's
// month: period and month key, and "inters", "items" and "optWidget" from the
// stored settings row of the plug-in (empty hash and `error` set on failure).
QHash<QString, QVariant> companyExportParameters(const QSqlDatabase& db, const CompanyProfile& profile,
                                                 const QString& exportPath, QString* error);

// Drops and creates database `name` on the server of `server` (a connection
// without database) and runs the host schema in it through `target`, a
// connection whose database name is `name` (opened here).
bool createHostDatabase(const QSqlDatabase& server, QSqlDatabase& target, const QString& name,
                        const QString& schemaPath, QString* error);

#endif // COMPANYGENERATOR_H
