#ifndef ORVEX_PREPARE_REQUEST_H
#define ORVEX_PREPARE_REQUEST_H

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

// What one run of orvex-prepare-test was asked to do.
struct PrepareRequest
{
    int year = 0;
    int month = 0;
    QString socket;
    QString host;
    int port = 0; // 0: the driver's default
    QString user;
    QString database;
    int settingsId = 0; // 0: the first stored settings record of type "Orvexuniversal"
    bool allPeople = true;
    QStringList peopleIds;
    QString outFile;
    QString parametersFile; // optional: the TEST-mode parameters as JSON
    QByteArray timeZone;    // IANA name given with --time-zone; empty: the system's zone
};

// Reads the arguments (program name first). Returns false with a one-line
// reason in `errorText` on a usage error; --help prints and sets `helpShown`.
bool parsePrepareArguments(const QStringList& arguments, PrepareRequest& request, QString& errorText,
                           bool& helpShown);

// Opens the host database (QMYSQL); the password comes from ORVEX_DB_PASSWORD.
bool openHostDatabase(const PrepareRequest& request, QSqlDatabase& db, QString& errorText);

// The stored export settings: "inters", "items", "optWidget" and the record id.
struct StoredSettings
{
    int id = 0;
    QVariantHash inters;
    QVariantList items;
    QVariantHash optWidget;
};

bool readStoredSettings(const QSqlDatabase& db, int settingsId, StoredSettings& settings, QString& errorText);

// The export parameters of the month, as the host passes them to makeExport.
QHash<QString, QVariant> exportParameters(const PrepareRequest& request, const StoredSettings& settings);

#endif // ORVEX_PREPARE_REQUEST_H
