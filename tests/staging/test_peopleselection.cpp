// Choosing the people of an export: the closure and employment check against
// the host, the host's selection text, and the interruption, bonus item and
// people selections.

#include "hostdatabase.h"
#include "logcapture.h"
#include "personids.h"
#include "stagingtestkit.h"

#include <QtTest>

class TestPeopleSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void closure_data();
    void closure();
    void selectedInterruptionsAndItems_data();
    void selectedInterruptionsAndItems();
    void testModeSelection_data();
    void testModeSelection();

private:
    QScopedPointer<TestHostDb> host;
};

void TestPeopleSelection::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_staging_people")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    const QHash<QString, QVariant> march = monthPeriod(2024, 3);
    const unsigned begin = march.value("beginDay").toUInt();
    const unsigned end = march.value("endDay").toUInt();
    // uid: closed (days, checks, oks) or not, and the person's columns; pid = 100 + uid.
    struct Person {
        unsigned uid;
        int days, checks, oks;
        QVariantHash columns;
    };
    const QList<Person> people = {
        {1, 20, 20, 0, {}},
        {2, 20, 15, 5, {}},
        {3, 20, 15, 4, {{"pamId", "O'3"}}},
        {4, -1, 0, 0, {}},
        {5, 0, 0, 0, {}},
        {6, -1, 0, 0, {{"status", 0}}},
        {7, -1, 0, 0, {{"end", begin - 1}}},
        {8, -1, 0, 0, {{"end", begin}}},
        {9, -1, 0, 0, {{"rsBegin", begin - 1}}},
        {10, -1, 0, 0, {{"rsBegin", begin - 1}, {"rsEnd", end}}},
        {11, 20, 20, 0, {{"end", begin - 1}}},
        {12, -1, 0, 0, {{"rsBegin", begin}}},
        {13, -1, 0, 0, {{"pamId", "0"}}},
        {14, 20, 20, 0, {{"pamId", "0"}, {"name", "<anonym>"}}},
    };
    for (const Person& person : people) {
        QVariantHash columns = person.columns;
        if (!columns.contains("name"))
            columns.insert("name", "N");
        host->addPerson(person.uid, int(100 + person.uid), columns);
        if (person.days >= 0)
            host->closeMonth(person.uid, 202403, person.days, person.checks, person.oks);
    }
    host->closeMonth(13, 202402, 20, 20, 0);
}

void TestPeopleSelection::closure_data()
{
    QTest::addColumn<bool>("allPeople");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("exported");
    QTest::addColumn<QStringList>("reported");
    QTest::newRow("all people") << true << "" << true << "1,2,11,14"
                                << QStringList{"O'3", "104", "105", "108", "110", "112", "113"};
    QTest::newRow("selection with blanks") << false << " 1 , 3,7 " << true << "1" << QStringList{"O'3"};
    QTest::newRow("nobody closed") << false << "4,5" << true << "" << QStringList{"104", "105"};
    QTest::newRow("not a list of ids") << false << "1) OR (1=1" << false << "1) OR (1=1" << QStringList();
    QTest::newRow("empty selection") << false << "" << false << "" << QStringList();
}

void TestPeopleSelection::closure()
{
    QFETCH(bool, allPeople);
    QFETCH(QString, selection);
    QFETCH(bool, ok);
    QFETCH(QString, exported);
    QFETCH(QStringList, reported);
    Orvexuniversal plugin;
    plugin.setDatabase(host->db());
    plugin.initExportVariables(monthPeriod(2024, 3));
    plugin.allPeople = allPeople;
    plugin.peopleUids = {99};
    plugin.excludedPeople = QStringList{"old"};
    QString selected = selection;
    if (allPeople) {
        // As the export does: every person but "<anonym>", pamId "0" listed under the pid.
        plugin.getAllPeopleSelected();
        QCOMPARE(plugin.selectedUids, QStringLiteral("1,2,3,4,5,6,7,8,9,10,11,12,13"));
        QCOMPARE(plugin.pamPidByUid.value(13), QStringLiteral("113"));
        QVERIFY(!plugin.pamPidByUid.contains(14));
    }
    QHash<QString, QVariant> result;
    LogCapture log;
    QCOMPARE(plugin.checkPeople(selected, monthPeriod(2024, 3), QSqlQuery(host->db()), result), ok);
    QCOMPARE(selected, exported);
    QCOMPARE(plugin.excludedPeople, reported);
    QCOMPARE(personIdsText(plugin.peopleUids), ok ? exported : QString());
    if (ok) {
        QVERIFY(!result.contains("errorString"));
        for (const unsigned uid : plugin.peopleUids)
            QCOMPARE(plugin.pamPidByUid.value(uid), QString::number(100 + uid));
        return;
    }
    QVERIFY(log.contains("critical", "Orvexuniversal::checkPeople() - SQL ERROR ["));
    QVERIFY(result.value("errorString").toString().startsWith(
        QString::fromUtf8("Zoznam zamestnancov pre export nebolo možné načítať z databázy (interná chyba SQL: ")));
}

void TestPeopleSelection::selectedInterruptionsAndItems_data()
{
    QTest::addColumn<QVariantHash>("inters");
    QTest::addColumn<QVariantList>("items");
    QTest::addColumn<QStringList>("iids");
    QTest::addColumn<QList<int>>("itemIndexes");
    QTest::newRow("empty codes not selected")
        << QVariantHash{{"1", "1"}, {"2", ""}, {"14", "10"}, {"3", "3"}}
        << QVariantList{"A", "", "", "", "B", "", "", "", "", "", "", "", "C"} << QStringList{"01", "03", "14"}
        << QList<int>{0, 4, 12};
    QTest::newRow("three digits sort as text") << QVariantHash{{"120", "x"}, {"12", "y"}, {"13", "z"}}
                                               << QVariantList{} << QStringList{"12", "120", "13"} << QList<int>{};
}

void TestPeopleSelection::selectedInterruptionsAndItems()
{
    QFETCH(QVariantHash, inters);
    QFETCH(QVariantList, items);
    QFETCH(QStringList, iids);
    QFETCH(QList<int>, itemIndexes);
    Orvexuniversal plugin;
    const QHash<QString, QVariant> parameters{{"inters", inters}, {"items", items}};
    QCOMPARE(plugin.getSelectedIIDlist(parameters), iids);
    QCOMPARE(plugin.getSelectedItemsList(parameters), itemIndexes);
}

void TestPeopleSelection::testModeSelection_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QVector<unsigned>>("uids");
    QTest::newRow("duplicates and order kept") << "12,7,12" << QVector<unsigned>{12, 7, 12};
    QTest::newRow("empty selection is id 0") << "" << QVector<unsigned>{0};
}

void TestPeopleSelection::testModeSelection()
{
    QFETCH(QString, selection);
    QFETCH(QVector<unsigned>, uids);
    Orvexuniversal plugin;
    openStaging(plugin, QStringLiteral("people_") + QTest::currentDataTag());
    QSqlQuery(plugin.stagingDb).exec("INSERT INTO lpeople (uid, pid, pamId) VALUES (7, 107, '0'), (12, 112, 'P12')");
    plugin.testMode = true;
    plugin.allPeople = false;
    plugin.selectedUids = selection;
    plugin.getAllPeopleSelected();
    QCOMPARE(plugin.peopleUids, uids);
    QCOMPARE(plugin.pamPidByUid.value(7), QStringLiteral("107"));
    QCOMPARE(plugin.pamPidByUid.value(12), QStringLiteral("P12"));
}

QTEST_MAIN(TestPeopleSelection)
#include "test_peopleselection.moc"
