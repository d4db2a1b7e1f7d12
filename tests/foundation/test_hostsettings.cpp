// Host-wide settings read from the host table `vars` in the private MariaDB.

#include "hostdatabase.h"
#include "logcapture.h"
#include "tenradbsettings.h"

#include <QtTest>

class TestHostSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readsOnlyPresentNames_data();
    void readsOnlyPresentNames();
    void failedQueryGivesEmptyMapAndTwoCriticalLines();

private:
    QScopedPointer<TestHostDb> host;
};

void TestHostSettings::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_hostsettings")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    host->setVar(QStringLiteral("advancedOvertime"), QStringLiteral("1"));
    host->setVar(QStringLiteral("someOther"), QStringLiteral("x"));
    host->setVar(QStringLiteral("it's"), QStringLiteral("quoted"));
    host->setVar(QStringLiteral("twice"), QStringLiteral("first"));
    host->setVar(QStringLiteral("twice"), QStringLiteral("second"));
}

void TestHostSettings::readsOnlyPresentNames_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("expectedKeys");
    QTest::addColumn<QString>("lastValue");
    QTest::newRow("driver's seven names") << QStringList({"advancedOvertime", "groupsPlanEnabled", "iidPN",
                                                          "iidOCR", "iidMD", "iidUr", "iidKar"})
                                          << QStringList({"advancedOvertime"}) << "1";
    QTest::newRow("no names") << QStringList() << QStringList() << "";
    QTest::newRow("apostrophe in a name is bound") << QStringList({"it's"}) << QStringList({"it's"}) << "quoted";
    QTest::newRow("later row wins") << QStringList({"twice"}) << QStringList({"twice"}) << "second";
}

void TestHostSettings::readsOnlyPresentNames()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, expectedKeys);
    QFETCH(QString, lastValue);
    LogCapture log;
    const QMap<QString, QVariant> values = TenraDbSettings::variableGetMultiple(host->db(), names);
    QCOMPARE(values.keys(), expectedKeys);
    if (!expectedKeys.isEmpty())
        QCOMPARE(values.last().toString(), lastValue);
    QVERIFY(log.matching(QStringLiteral("critical"), QString()).isEmpty());
}

void TestHostSettings::failedQueryGivesEmptyMapAndTwoCriticalLines()
{
    TestHostDb broken(QStringLiteral("t_hostsettings_broken"));
    QVERIFY(broken.exec(QStringLiteral("DROP TABLE vars")));
    LogCapture log;
    const QMap<QString, QVariant> values =
        TenraDbSettings::variableGetMultiple(broken.db(), {QStringLiteral("advancedOvertime")});
    QVERIFY(values.isEmpty());
    const QStringList critical = log.matching(QStringLiteral("critical"), QString());
    QCOMPARE(critical.size(), 2);
    QCOMPARE(critical.at(0), QStringLiteral("critical TenraDbSettings::variableGetMultiple - SQL ERROR:"));
    QVERIFY(critical.at(1).contains(QStringLiteral("vars")));
}

QTEST_MAIN(TestHostSettings)
#include "test_hostsettings.moc"
