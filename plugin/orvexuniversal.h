#ifndef ORVEXUNIVERSAL_H
#define ORVEXUNIVERSAL_H

// The Orvexuniversal export plug-in: turns one closed month of attendance into
// the payroll import file. One object carries the whole export; its member
// functions are the steps, grouped by room:
//   plugin/     identity, driver, parameters, closure check, run, output file
//   staging/    staging schema and lookups, loading, span calculation
//   records/    export rows and the record generators
//   options/    defaults and stored settings
// Pure rules live in free functions next to the steps that use them.

#include <QDate>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>

#include "pamexportinterface.h"
#include "runfailure.h"
#include "verinfointerface.h"

class Orvexuniversal : public QObject, public PamExportInterface, public VerInfoInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.halvik.tenra.PamExportInterface.Orvexuniversal")
    Q_INTERFACES(PamExportInterface VerInfoInterface)

public:
    Orvexuniversal();
    ~Orvexuniversal() override;

    int makeExport(const QHash<QString, QVariant>& parameters,
                   QHash<QString, QVariant>* result) override;
    QHash<QString, QVariant> getOptionsData() const override;
    PamOptionsWidget* getOptionsWidget() const override;
    QString getType() const override;
    QString getVersion() const override;
    void setDatabase(const QSqlDatabase& db) override;
    QMap<QString, QString> getVerInfo() const override;

    // Stored export settings of the host with "intersNames" added (options/).
    QHash<QString, QVariant> getOptionsForWidget();

    // --- plugin/exportparameters.cpp
    void initExportVariables(const QHash<QString, QVariant>& parameters);
    void getAllPeopleSelected();
    QStringList getSelectedIIDlist(const QHash<QString, QVariant>& parameters);
    QList<int> getSelectedItemsList(const QHash<QString, QVariant>& parameters);

    // --- plugin/closurecheck.cpp
    bool checkPeople(QString& selectedUids, QHash<QString, QVariant> parameters,
                     QSqlQuery query, QHash<QString, QVariant>& result);

    // --- plugin/exportrun.cpp
    int runExport(const QHash<QString, QVariant>& parameters, QHash<QString, QVariant>& result);

    // --- plugin/outputfile.cpp
    int createCSVfile(const QHash<QString, QVariant>& parameters, QHash<QString, QVariant>& result);

    // --- staging/stagingschema.cpp
    void createSQLiteTables(QSqlQuery query, bool exportOnly);
    int getPidByUid(int uid);
    double getRefFundForUid(unsigned uid);
    void getHolidaysMap();

    // --- staging/hostloader.cpp
    void loadDataToSQLiteTables(const QHash<QString, QVariant>& parameters);

    // --- staging/interruptionspans.cpp, staging/workspans.cpp
    void spansCalc(QSqlQuery query, bool around);
    void spansCalcWork(QSqlQuery query, QHash<QString, QVariant> parameters);

    // --- records/exportrow.cpp
    void insertToExport(QSqlQuery query, QString data, QString separator, int pid);
    QString getValidDateByComboIndex(unsigned begin, unsigned end, int comboIndex, bool isEnd);
    int getNumOfWorkDaysForInterval(int fromDay, int toDay);
    void getListDaysOfPN(unsigned uid);
    bool isPNcontFromPrevMonth(unsigned iid, unsigned uid);
    bool isPNcontToNextMonth(unsigned iid, unsigned uid);

    // --- records/interruptionrecords.cpp
    void exportIntersDaily(const QHash<QString, QVariant>& parameters, unsigned uid, unsigned iid,
                           QHash<QString, QVariant> settings);
    void exportIntersBySpans(const QHash<QString, QVariant>& parameters, unsigned uid, unsigned iid,
                             QHash<QString, QVariant> settings);
    void exportIntersSummary(const QHash<QString, QVariant>& parameters, unsigned uid, unsigned iid,
                             QHash<QString, QVariant> settings);

    // --- records/workrecords.cpp
    void exportWorkDaily(const QHash<QString, QVariant>& parameters, unsigned uid);
    void exportWorkSpans(const QHash<QString, QVariant>& parameters, unsigned uid);
    void exportWorkSummary(const QHash<QString, QVariant>& parameters, unsigned uid);

    // --- records/bonusitems.cpp
    void exportBonusItems(const QHash<QString, QVariant>& parameters, unsigned uid,
                          QHash<QString, QVariant> settings, int itemIndex);
    double getItemSummary(QSqlQuery query, int itemIndex, int uid, int valueKind);
    QMap<int, double> getItemDaily(QSqlQuery query, int itemIndex, int uid, int valueKind);

    // Per-export state shared by the steps. Public so that the steps can be
    // exercised one by one on staging data set up for a case.
    QDate periodDate;
    int periodMonth;
    unsigned iidPN, iidOCR, iidKarPN, iidKarOCR;
    QString yearText;
    QString exportFileName;
    QString selectedUids;
    QString sqlText;
    QString monthText;
    QVector<unsigned> peopleUids;
    QStringList excludedPeople;
    QHash<unsigned, QString> pamPidByUid;
    bool advancedOvertime;
    unsigned beginDay, endDay;
    QHash<QString, QVariant> intersCodes;
    QHash<QString, QVariant> exportOptions;
    QHash<QDate, bool> holidaysMap;
    QHash<unsigned, QString> iid2NameMap;
    QHash<QString, unsigned> name2iidMap;
    QSqlDatabase stagingDb;
    QSqlDatabase hostDb;
    QSqlDatabase testOutDb;
    QSqlQuery stagingQuery;
    QString rowText;
    int currentPid;
    QString currentPamPid;
    bool testMode;
    QString testInputDbPath, testOutputDbPath;
    QString testWorkPath;
    QVector<int> listDaysOfPN;

    // Warnings about values that could not be exported as they are (a person
    // or a day skipped, a value holding a separator). Emptied at the start of
    // every export; the file writer appends them to "doneString".
    QStringList exportWarnings;

    // The first failure that makes the export's file untrustworthy (host data
    // not read, a staging row lost, the rows not read back). Emptied at the
    // start of every export; once set, the steps stop and no file is written.
    RunFailure runFailure;
    // Records a failure unless an earlier one is recorded already.
    void failRun(const QString& step, const QString& reason, const QString& lead = QString());
    bool runFailed() const { return runFailure.failed(); }

private:
    void runNormalMode(const QHash<QString, QVariant>& parameters, QHash<QString, QVariant>* result,
                       int& returnValue);
    void runTestMode(const QHash<QString, QVariant>& parameters, QHash<QString, QVariant>* result,
                     int& returnValue);
    bool openStaging(const QString& databaseName);
    void runStagingStep(const QString& step, const std::function<void()>& work);
    void reportUnknownSelectedIds(const QString& wanted);
    void reportPersonalNumbers();
    void resolveSpecialInterruptions();
    void readAdvancedOvertimeFromHost();
    void readAdvancedOvertimeFromStaging();

    // --- records helpers (records/*.cpp)
    // Prepared "INSERT INTO export" statements by number of row parts, for the
    // connection whose driver is exportInsertDriver; dropped when that driver
    // is destroyed or another connection is used. exportInsertWatch is the
    // receiver of the driver's destroyed(): declared after the cache, it goes
    // first when the object is destroyed, before the connections are released.
    const QSqlDriver* exportInsertDriver = nullptr;
    QHash<int, QSqlQuery> exportInserts;
    QObject exportInsertWatch;
    const QSqlDriver* exportRowDriver(const QSqlQuery& query);
    QSqlQuery& preparedExportInsert(const QSqlDriver* driver, int partCount);
    bool execExportInsert(const QSqlDriver* driver, const QStringList& parts, int pid, QString& error);
    void writeExportRow(const QString& code, const QString& value, const QString& dateFrom, const QString& dateTo);
    bool isInPNset(unsigned iid) const;
    bool optionFlag(const char* key) const;
    void clearContinuedDates(unsigned iid, unsigned uid, int firstDay, int lastDay, QString& dateFrom,
                             QString& dateTo);
    void reportSkippedValue(const char* operation, unsigned uid, const QString& days, const QString& what);
    QString dayText(int firstDay, int lastDay) const;
    QHash<QString, QVariant> workRowSettings() const;
    QVector<QPair<int, double>> bonusDayResults(QSqlQuery& query, int itemIndex, int uid, int valueKind, bool daily);
    // Staging statements that run once per person, prepared once per staging
    // connection and kept by their text; dropped like the inserts above when
    // the connection's driver goes, and by dropStagingStatements() (start of
    // an export, staging tables created). A user finishes its statement.
    const QSqlDriver* stagingStatementDriver = nullptr;
    QHash<QString, QSqlQuery> stagingStatements;
    QObject stagingStatementWatch;
    QSqlQuery stagingStatement(const QString& sql);
    bool execStagingStatement(QSqlQuery& query, const QString& sql, const QVariantList& values);
    void dropStagingStatements();
    // Reference funds by uid from lpeople, read at the first lookup.
    bool refFundsLoaded = false;
    QHash<unsigned, double> refFundsByUid;
    // --- end of records helpers
};

#endif // ORVEXUNIVERSAL_H
