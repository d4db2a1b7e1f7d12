// The export as it behaves inside the host's window: a generated company
// exported through the plug-in interface on a widget application, with the
// host's progress dialogs. Cancel at every step writes nothing and the next
// export is whole; the event loop keeps running; a password account of the
// host's server sees no failed login; a person's month reopened while the
// export runs is never left out without a word.

#include "companygenerator.h"
#include "hostdatabase.h"
#include "logcapture.h"
#include "pluginhost.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressDialog>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString cancelled = QString::fromUtf8(
    "Export prerušil používateľ! \nVýstupný súbor nebol zapísaný, predchádzajúci súbor zostal nezmenený.");
const QString loadingLabel = QString::fromUtf8("Príprava dát pre export do Orvexuniversal ...");
const QString runLabel = QStringLiteral("Exportujem Orvexuniversal...");

// The plug-in's progress dialog on screen, if any.
QProgressDialog* visibleDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QProgressDialog*>(widget);
        if (dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// Calls `look` with the visible dialog whenever the export lets events through.
class DialogWatch
{
public:
    explicit DialogWatch(const std::function<void(QProgressDialog&)>& look)
    {
        QObject::connect(&timer, &QTimer::timeout, [look]() {
            if (QProgressDialog* dialog = visibleDialog())
                look(*dialog);
        });
        timer.start(0);
    }

private:
    QTimer timer;
};

// The threads of this process (Linux; elsewhere 0).
int threadCount()
{
#ifdef Q_OS_LINUX
    return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
#else
    return 0;
#endif
}

// The threads of this process once a thread that has returned has also left
// the system's list: the least seen over a fifth of a second.
int settledThreadCount()
{
    int least = threadCount();
    for (int i = 0; i < 20; ++i) {
        QTest::qWait(10);
        least = qMin(least, threadCount());
    }
    return least;
}

QByteArray fileOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The lines of `file` whose personal number is `number`.
QList<QByteArray> linesOf(const QByteArray& file, const QByteArray& number)
{
    QList<QByteArray> lines;
    for (const QByteArray& line : file.split('\n'))
        if (line.split('|').value(2) == number)
            lines << line;
    return lines;
}

qint64 accessDenied(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SHOW GLOBAL STATUS LIKE 'Access_denied_errors'")) || !query.next())
        return -1;
    return query.value(1).toLongLong();
}

} // namespace

class TestInsideHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cancelAtEachStep_data();
    void cancelAtEachStep();
    void eventLoopKeepsRunning();
    void passwordAccount_data();
    void passwordAccount();
    void monthReopenedWhileExporting_data();
    void monthReopenedWhileExporting();

private:
    int exportTo(const QString& folder, const QSqlDatabase& db);

    std::unique_ptr<TestHostDb> host;
    std::unique_ptr<PluginHost> plugin;
    CompanyProfile profile;
    QHash<QString, QVariant> parameters;
    QHash<QString, QVariant> result;
    QByteArray whole;
    QString fileName;
};

void TestInsideHost::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_insidehost")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    profile.people = 300;
    profile.seed = 5;
    CompanyGenerator generator(host->db(), profile);
    QVERIFY2(generator.generate(), qPrintable(generator.errorText()));
    QString error;
    parameters = companyExportParameters(host->db(), profile, QString(), &error);
    QVERIFY2(!parameters.isEmpty(), qPrintable(error));
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
    QTemporaryDir out;
    const int lines = exportTo(out.path(), host->db());
    QVERIFY2(lines > 1000, qPrintable(result.value("errorString").toString()));
    fileName = result.value("fileName").toString();
    whole = fileOf(out.filePath(fileName));
    QCOMPARE(whole.count('\n'), lines);
}

int TestInsideHost::exportTo(const QString& folder, const QSqlDatabase& db)
{
    parameters.insert(QStringLiteral("exportPath"), folder);
    result.clear();
    plugin->exporter()->setDatabase(db);
    return plugin->exporter()->makeExport(parameters, &result);
}

void TestInsideHost::cancelAtEachStep_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("at"); // the dialog's value; -1: its maximum
    QTest::newRow("reading the month") << loadingLabel << 0;
    QTest::newRow("spans") << loadingLabel << 100;
    QTest::newRow("per-person run") << runLabel << 0;
    QTest::newRow("writing the file") << runLabel << -1;
}

// Each step waits until its dialog has been shown: a press there stops the
// export in that step.
void TestInsideHost::cancelAtEachStep()
{
    QFETCH(QString, label);
    QFETCH(int, at);
    QTemporaryDir out;
    const QString path = out.filePath(fileName);
    const QByteArray earlier("2024|02|1|1|8||\n");
    QFile earlierFile(path);
    QVERIFY(earlierFile.open(QIODevice::WriteOnly) && earlierFile.write(earlier) == earlier.size());
    earlierFile.close();
    const int threads = settledThreadCount();

    QElapsedTimer sincePress;
    {
        DialogWatch watch([&](QProgressDialog& dialog) {
            if (!sincePress.isValid() && dialog.labelText() == label
                && dialog.value() >= (at < 0 ? dialog.maximum() : at)) {
                sincePress.start();
                dialog.cancel();
            }
        });
        QCOMPARE(exportTo(out.path(), host->db()), -1);
    }
    QVERIFY2(sincePress.isValid(), "the step's dialog was never shown");
    qInfo("stopped %lld ms after the press", sincePress.elapsed());
    QVERIFY(sincePress.elapsed() < 2000);
    QCOMPARE(result.keys(), QStringList{"errorString"});
    QCOMPARE(result.value("errorString").toString(), cancelled);
    QCOMPARE(fileOf(path), earlier);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList(fileName));
    // No thread of the export is left (one that has returned may still be
    // leaving the system's list for a moment).
    QTRY_VERIFY_WITH_TIMEOUT(threadCount() <= threads, 2000);
    QVERIFY(!visibleDialog());

    // The same plug-in object right after: the whole file.
    QCOMPARE(exportTo(out.path(), host->db()), whole.count('\n'));
    QCOMPARE(fileOf(path), whole);
}

// A 5 ms timer of this (the host's GUI) thread must keep firing while the
// export runs; a thread that stops answering for seconds fails it.
void TestInsideHost::eventLoopKeepsRunning()
{
    QTemporaryDir out;
    QElapsedTimer sinceTick;
    qint64 longest = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, [&]() {
        if (sinceTick.isValid())
            longest = qMax(longest, sinceTick.elapsed());
        sinceTick.start();
    });
    tick.start(5);
    QCOMPARE(exportTo(out.path(), host->db()), whole.count('\n'));
    tick.stop();
    qInfo("longest time without the event loop: %lld ms", longest);
    QVERIFY2(longest < 1000, qPrintable(QString::number(longest)));
    QCOMPARE(fileOf(out.filePath(fileName)), whole);
}

void TestInsideHost::passwordAccount_data()
{
    QTest::addColumn<bool>("passwordKept");
    QTest::newRow("setPassword, then open()") << true;
    QTest::newRow("open(user, password)") << false;
}

// The host's account reads only and has a password; whichever way the host
// opened its connection, the export makes no login of its own.
void TestInsideHost::passwordAccount()
{
    QFETCH(bool, passwordKept);
    const QString user = QStringLiteral("orvex_payroll");
    const QString password = QStringLiteral("Mzdy'2024");
    QVERIFY(host->exec(QStringLiteral("CREATE USER IF NOT EXISTS '%1'@'localhost' IDENTIFIED BY '%2'")
                           .arg(user, QString(password).replace("'", "''"))));
    QVERIFY(host->exec(QStringLiteral("GRANT SELECT ON `%1`.* TO '%2'@'localhost'").arg(host->name(), user)));
    const QString name = QStringLiteral("orvex_payroll_account");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), name);
        db.setConnectOptions(TestHostDb::connectOptions());
        db.setDatabaseName(host->name());
        db.setUserName(user);
        if (passwordKept) {
            db.setPassword(password);
            QVERIFY2(db.open(), qPrintable(db.lastError().text()));
        } else {
            QVERIFY2(db.open(user, password), qPrintable(db.lastError().text()));
        }
        const qint64 deniedBefore = accessDenied(host->db());
        QTemporaryDir out;
        QCOMPARE(exportTo(out.path(), db), whole.count('\n'));
        QCOMPARE(fileOf(out.filePath(fileName)), whole);
        QCOMPARE(accessDenied(host->db()), deniedBefore);
        plugin->exporter()->setDatabase(host->db());
    }
    QSqlDatabase::removeDatabase(name);
}

void TestInsideHost::monthReopenedWhileExporting_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("at");
    QTest::newRow("as the export starts") << loadingLabel << 0;
    QTest::newRow("while the month is read") << loadingLabel << 20;
    QTest::newRow("spans") << loadingLabel << 100;
    QTest::newRow("per-person run") << runLabel << 0;
    QTest::newRow("writing the file") << runLabel << -1;
}

// A person's March rows deleted and the month reopened (committed on another
// connection) at a point of the export: the person is in the file in full,
// or left out with the message, or the export fails; never missing silently.
void TestInsideHost::monthReopenedWhileExporting()
{
    QFETCH(QString, label);
    QFETCH(int, at);
    QSqlQuery pick(host->db());
    QVERIFY(pick.exec("SELECT p.uid, IF(pamId IS NULL OR pamId = '' OR pamId = '0', pid, pamId) FROM people p JOIN "
                      "atten_month am ON am.uid = p.uid AND am.month = 202403 WHERE p.status > 0 AND am.days > 0 AND "
                      "am.checks + am.oks >= am.days ORDER BY p.uid DESC"));
    QByteArray number;
    unsigned uid = 0;
    while (pick.next() && number.isEmpty()) {
        const QByteArray candidate = pick.value(1).toString().toUtf8();
        if (linesOf(whole, candidate).size() >= 3) {
            number = candidate;
            uid = pick.value(0).toUInt();
        }
    }
    QVERIFY(uid > 0);
    const QList<QByteArray> expected = linesOf(whole, number);
    const QVariantList person = {uid};
    for (const char* sql : {"CREATE TABLE kept_atten AS SELECT * FROM atten WHERE uid = ?",
                            "CREATE TABLE kept_atten_data AS SELECT * FROM atten_data WHERE uid = ?",
                            "CREATE TABLE kept_atten_month AS SELECT * FROM atten_month WHERE uid = ?"})
        QVERIFY2(host->exec(QString::fromLatin1(sql), person), qPrintable(host->errorText()));

    // The host's other client: a connection of its own.
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), QStringLiteral("orvex_other_client"));
    other.setConnectOptions(TestHostDb::connectOptions());
    other.setDatabaseName(host->name());
    other.setUserName(QStringLiteral("root"));
    QVERIFY(other.open());
    bool changed = false;
    QTemporaryDir out;
    int lines = 0;
    {
        DialogWatch watch([&](QProgressDialog& dialog) {
            if (changed || dialog.labelText() != label || dialog.value() < (at < 0 ? dialog.maximum() : at))
                return;
            changed = true;
            QSqlQuery edit(other);
            edit.exec("START TRANSACTION");
            for (const char* sql : {"DELETE FROM atten_data WHERE uid = ? AND `from` >= 1709247600",
                                    "DELETE FROM atten WHERE uid = ? AND `date` >= 1709247600 AND `date` < 1711922400",
                                    "UPDATE atten_month SET checks = 0, oks = 0 WHERE uid = ? AND month = 202403"}) {
                edit.prepare(QString::fromLatin1(sql));
                edit.addBindValue(uid);
                edit.exec();
            }
            edit.exec("COMMIT");
        });
        lines = exportTo(out.path(), host->db());
    }
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("orvex_other_client"));
    for (const char* sql : {"DELETE FROM atten WHERE uid = ?", "DELETE FROM atten_data WHERE uid = ?",
                            "DELETE FROM atten_month WHERE uid = ?"})
        QVERIFY(host->exec(QString::fromLatin1(sql), person));
    for (const char* sql : {"INSERT INTO atten SELECT * FROM kept_atten", "INSERT INTO atten_data SELECT * FROM kept_atten_data",
                            "INSERT INTO atten_month SELECT * FROM kept_atten_month", "DROP TABLE kept_atten",
                            "DROP TABLE kept_atten_data", "DROP TABLE kept_atten_month"})
        QVERIFY2(host->exec(QString::fromLatin1(sql)), qPrintable(host->errorText()));
    QVERIFY2(changed, "the step's dialog was never shown");

    if (lines < 0) {
        QVERIFY2(result.value("errorString").toString().contains(QString::fromUtf8("uzávierka mesiaca sa počas exportu zmenila")),
                 qPrintable(result.value("errorString").toString()));
        QVERIFY(!QFile::exists(out.filePath(fileName)));
        return;
    }
    const QList<QByteArray> exported = linesOf(fileOf(out.filePath(fileName)), number);
    if (exported.isEmpty())
        QVERIFY2(result.value("doneString").toString().contains(QString::fromUtf8(number)),
                 qPrintable(result.value("doneString").toString()));
    else
        QCOMPARE(exported, expected);
}

QTEST_MAIN(TestInsideHost)
#include "tst_insidehost.moc"
