// The demo company's March 2024 as the host exports it: the company loaded
// from demo-company's SQL, the built plug-in loaded through QPluginLoader and
// driven only through the host interfaces with the stored settings, and the
// file compared with the reviewed expected file (expected/DERIVATION.md).
// The month has Good Friday, the change to summer time, absences running in
// from February and on into April, a person who joins and one who leaves.

#include "hostdatabase.h"
#include "pluginhost.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The export parameters as the host builds them for a month: the period, the
// stored settings record of the plug-in's type, all people, the folder.
QHash<QString, QVariant> hostParameters(const QSqlDatabase& db, int year, int month, const QString& exportPath)
{
    QHash<QString, QVariant> parameters = monthPeriod(year, month);
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT id, data FROM pamsettings WHERE type = 'Orvexuniversal' ORDER BY id"));
    if (!query.next())
        return parameters;
    const QJsonObject stored = QJsonDocument::fromJson(query.value(1).toByteArray()).object();
    parameters.insert(QStringLiteral("pamSettingsId"), query.value(0).toUInt());
    parameters.insert(QStringLiteral("inters"), stored.value(QStringLiteral("inters")).toObject().toVariantHash());
    parameters.insert(QStringLiteral("items"), stored.value(QStringLiteral("items")).toArray().toVariantList());
    parameters.insert(QStringLiteral("optWidget"), stored.value(QStringLiteral("optWidget")).toObject().toVariantHash());
    parameters.insert(QStringLiteral("allPeople"), true);
    parameters.insert(QStringLiteral("selPeople"), QString());
    parameters.insert(QStringLiteral("exportPath"), exportPath);
    return parameters;
}

} // namespace

class TestDemoExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void marchMatchesReviewedFile();

private:
    QScopedPointer<TestHostDb> host;
    QScopedPointer<PluginHost> plugin;
};

void TestDemoExport::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_endtoend_demo")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    QProcess generator;
    generator.start(QStringLiteral(ORVEX_DEMO_COMPANY_PROGRAM), QStringList());
    QVERIFY(generator.waitForFinished(120000));
    QVERIFY2(generator.exitCode() == 0, generator.readAllStandardError().constData());
    for (const QString& line : QString::fromUtf8(generator.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QLatin1String("INSERT")))
            QVERIFY2(host->exec(line.left(line.size() - 1)), qPrintable(host->errorText()));
    plugin.reset(new PluginHost);
    QVERIFY2(plugin->loaded(), qPrintable(plugin->errorText()));
}

// Line by line first, so that a difference names its line; then the bytes
// (line ends, nothing after the last line).
void TestDemoExport::marchMatchesReviewedFile()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    plugin->exporter()->setDatabase(host->db());
    QHash<QString, QVariant> result;
    const int lines = plugin->exporter()->makeExport(hostParameters(host->db(), 2024, 3, directory.path()), &result);

    const QByteArray expected = fileBytes(QStringLiteral(ORVEX_SOURCE_DIR "/tests/endtoend/expected/demo-2024-03.txt"));
    const QByteArray written = fileBytes(directory.filePath(QStringLiteral("ds032024_ID-1.txt")));
    const QStringList expectedLines = QString::fromUtf8(expected).split('\n');
    const QStringList writtenLines = QString::fromUtf8(written).remove('\r').split('\n');
    QCOMPARE(writtenLines, expectedLines);
    QCOMPARE(lines, 213);
    QCOMPARE(written, nativeLines(expected));

    QCOMPARE(result.value("peopleCount").toInt(), 22);
    QCOMPARE(result.value("fileName").toString(), QString("ds032024_ID-1.txt"));
    QCOMPARE(result.value("doneString").toString(),
             QString::fromUtf8("\nZamestnanci s ID: 5019,5020 boli vyradení z dôvodu neuzavretých dní."));
    QVERIFY(!result.contains("errorString"));
}

QTEST_MAIN(TestDemoExport)
#include "tst_demoexport.moc"
