// The plug-in as the host sees it, loaded from the built file: metadata,
// interface lookups, identity, options defaults, version record, build stamp.

#include "buildstamp.h"
#include "pamoptionswidget.h"
#include "pluginhost.h"

#include <QJsonObject>
#include <QLocale>
#include <QPluginLoader>
#include <QtTest>

class TestPluginFrame : public QObject
{
    Q_OBJECT

private slots:
    void loadsOnceWithItsMetadata();
    void interfaceLookup_data();
    void interfaceLookup();
    void identityAndVersionRecord();
    void optionsWidgetIsNewEachTime();
    void optionsDefaults();
    void buildStampParsing_data();
    void buildStampParsing();
};

void TestPluginFrame::loadsOnceWithItsMetadata()
{
    QPluginLoader loader(pluginFilePath());
    QCOMPARE(loader.metaData().value("IID").toString(),
             QStringLiteral("com.halvik.tenra.PamExportInterface.Orvexuniversal"));
    QCOMPARE(loader.metaData().value("className").toString(), QStringLiteral("Orvexuniversal"));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    PluginHost first, second;
    QVERIFY2(first.loaded(), qPrintable(first.errorText()));
    QCOMPARE(first.object(), second.object());
}

// qt_metacast answers the host's interface ids and names, nothing else.
void TestPluginFrame::interfaceLookup_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::newRow("class") << "Orvexuniversal" << "object";
    QTest::newRow("export id") << "com.halvik.tenra.PamExportInterface" << "export";
    QTest::newRow("export name") << "PamExportInterface" << "export";
    QTest::newRow("version id") << "com.halvik.VerInfoInterface" << "version";
    QTest::newRow("version name") << "VerInfoInterface" << "version";
    QTest::newRow("QObject") << "QObject" << "object";
    QTest::newRow("other") << "com.halvik.Other" << "null";
}

void TestPluginFrame::interfaceLookup()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    PluginHost host;
    QObject* object = host.object();
    QVERIFY(object);
    const QHash<QString, void*> answers{{"object", object}, {"null", nullptr},
                                        {"export", host.exporter()}, {"version", host.versionInfo()}};
    QCOMPARE(object->qt_metacast(name.toLatin1().constData()), answers.value(expected));
    QCOMPARE(object->qt_metacast(nullptr), static_cast<void*>(nullptr));
}

void TestPluginFrame::identityAndVersionRecord()
{
    PluginHost host;
    PamExportInterface* exporter = host.exporter();
    QVERIFY(exporter);
    QCOMPARE(exporter->getType(), QStringLiteral("Orvexuniversal"));
    QCOMPARE(exporter->getVersion(), QStringLiteral("1.0.2.0"));
    QCOMPARE(int(exporter->debugLevel), 3);
    const QMap<QString, QString> info = host.versionInfo()->getVerInfo();
    QCOMPARE(info.keys(), QStringList({"BUILD", "TENRADB", "VER", "sarovType"}));
    QCOMPARE(info.value("VER") + ' ' + info.value("sarovType") + ' ' + info.value("TENRADB"),
             QStringLiteral("1.0.2.0 PLG.PAM.Orvexuniversal 21.07.09"));
    QCOMPARE(info.value("BUILD").size(), 10);
}

// A new parentless page per call, whose meta-object sits directly on
// QWidget: the host's base class has none of its own.
void TestPluginFrame::optionsWidgetIsNewEachTime()
{
    PluginHost host;
    QScopedPointer<PamOptionsWidget> first(host.exporter()->getOptionsWidget());
    QScopedPointer<PamOptionsWidget> second(host.exporter()->getOptionsWidget());
    QVERIFY(first && second && first.data() != second.data() && !first->parentWidget());
    QCOMPARE(QString::fromLatin1(first->metaObject()->className()), QStringLiteral("OrvexOptWidget"));
    QCOMPARE(QString::fromLatin1(first->metaObject()->superClass()->className()), QStringLiteral("QWidget"));
}

void TestPluginFrame::optionsDefaults()
{
    PluginHost host;
    const QHash<QString, QVariant> defaults = host.exporter()->getOptionsData();
    QCOMPARE(defaults.size(), 6);
    const QStringList items = defaults.value("items").toStringList();
    const QStringList codes = defaults.value("itemsDefaults").toStringList();
    QCOMPARE(items.size(), 13);
    QCOMPARE(items.at(12), QStringLiteral("Plný fond"));
    QCOMPARE(codes, QStringList({"15", "84", "83", "85", "2", "5", "7", "", "", "192", "192", "82", "-1"}));
    const QHash<QString, QVariant> inters = defaults.value("intersDefaults").toHash();
    QCOMPARE(inters.size(), 14);
    QVERIFY(!inters.contains("2"));
    QCOMPARE(inters.value("15").toString(), QStringLiteral("11"));
    for (const char* flag : {"needIid_PN", "needIid_OCR", "CI_TEST_COMPATIBLE"})
        QCOMPARE(defaults.value(QLatin1String(flag)), QVariant(true));
}

// The compiler's stamp is read with English month names under a Slovak locale.
void TestPluginFrame::buildStampParsing_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("stamp");
    QTest::newRow("two-digit day") << "Feb 25 2025" << "10:03:41" << "2502251003";
    QTest::newRow("one-digit day") << "Mar  4 2024" << "23:59:59" << "2403042359";
    QTest::newRow("bad month") << "Foo 25 2025" << "10:03:41" << "";
    QTest::newRow("bad time") << "Feb 25 2025" << "25:03:41" << "";
}

void TestPluginFrame::buildStampParsing()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    QFETCH(QString, stamp);
    QLocale::setDefault(QLocale("sk_SK"));
    const QDateTime parsed = parseBuildStamp(date, time);
    QCOMPARE(parsed.isValid() ? parsed.toString("yyMMddhhmm") : QString(), stamp);
}

QTEST_MAIN(TestPluginFrame)
#include "tst_pluginframe.moc"
