// The options page as the host uses it: rows and first choices come from the
// stored settings (read through the application's default connection, here
// the private MariaDB), the host's record is loaded with setOptionsData and
// every change lands in the record under its key.

#include "hostdatabase.h"
#include "logcapture.h"
#include "orvexoptwidget.h"
#include "pluginhost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSqlError>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <QWheelEvent>
#include <QtTest>

namespace {

const QString notUsed = QStringLiteral("- nepoužíva sa -");

QVariantMap catalogue(const QList<int>& ids)
{
    static const QHash<int, QString> names{{1, "Práca"}, {2, "Služobná cesta"}, {3, "Dovolenka"}, {4, "Lekár"},
                                           {5, "PN"}, {6, "OČR"}, {7, "Karanténa"}, {8, "Absencia"},
                                           {9, "Školenie"}, {10, "Prekážka v práci"}};
    QVariantMap map;
    for (int id : ids)
        map.insert(QString::number(id), names.value(id, QStringLiteral("Prerušenie %1").arg(id)));
    return map;
}

QVariantMap range(int first, int last)
{
    QList<int> ids;
    for (int id = first; id <= last; ++id)
        ids << id;
    return catalogue(ids);
}

QHash<QString, QVariant> record(const QByteArray& json)
{
    return QJsonDocument::fromJson(json).object().toVariantHash();
}

QJsonObject asJson(const QHash<QString, QVariant>& hash)
{
    return QJsonObject::fromVariantHash(hash);
}

QStringList rowNames(const QTableWidget* table)
{
    QStringList names;
    for (int row = 0; row < table->rowCount(); ++row)
        names << table->verticalHeaderItem(row)->text();
    return names;
}

QStringList comboTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QComboBox* cell(QTableWidget* table, const QString& rowName, int col)
{
    const int row = rowNames(table).indexOf(rowName);
    return row < 0 ? nullptr : qobject_cast<QComboBox*>(table->cellWidget(row, col));
}

// Shows the page on the tab of `table` so that the cell combos have their
// places in the table, as when the user works with it.
void showTableOf(OrvexOptWidget& page, QTableWidget* table)
{
    page.show();
    QTabWidget* tabs = page.findChild<QTabWidget*>(QStringLiteral("tabWidget"));
    tabs->setCurrentIndex(tabs->indexOf(table->parentWidget()));
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCoreApplication::processEvents();
}

} // namespace

class TestOptionsWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void rowsShown_data();
    void rowsShown();
    void initialChoices_data();
    void initialChoices();
    void loadingWritesBack_data();
    void loadingWritesBack();
    void wheelOverCellComboLeavesTheChoice();
    void cellChoiceLandsInRowMap_data();
    void cellChoiceLandsInRowMap();
    void formControlsWriteTheirKeys_data();
    void formControlsWriteTheirKeys();
    void englishPageFromTheModule();

private:
    void storeSettings(const QByteArray& json, const QVariantMap& names);
    QScopedPointer<TestHostDb> host;
};

void TestOptionsWidget::initTestCase()
{
    host.reset(new TestHostDb(QStringLiteral("t_options_widget")));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    // The page reads the stored settings through the application's default
    // connection, as it does inside the host.
    QSqlDatabase defaultDb = QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"));
    defaultDb.setConnectOptions(TestHostDb::connectOptions());
    defaultDb.setUserName(QStringLiteral("root"));
    defaultDb.setDatabaseName(host->name());
    QVERIFY2(defaultDb.open(), qPrintable(defaultDb.lastError().text()));
}

void TestOptionsWidget::storeSettings(const QByteArray& json, const QVariantMap& names)
{
    QVERIFY(host->exec(QStringLiteral("DELETE FROM pamsettings")));
    QVERIFY(host->exec(QStringLiteral("DELETE FROM inters")));
    for (auto it = names.constBegin(); it != names.constEnd(); ++it)
        host->addInterruptionType(it.key().toUInt(), it.value().toString());
    if (!json.isEmpty())
        host->addPamSettings(json);
}

void TestOptionsWidget::rowsShown_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QVariantMap>("names");
    QTest::addColumn<QStringList>("interRows");
    QTest::addColumn<QStringList>("itemRows");

    QTest::newRow("empty code not shown") << QByteArray(R"({"inters": {"1": "1", "3": ""}})") << range(1, 3)
                                          << QStringList{"Práca"} << QStringList();
    QTest::newRow("padded id order") << QByteArray(R"({"inters": {"2": "4", "10": "25", "9": "8"}})")
                                     << range(1, 10) << QStringList{"Služobná cesta", "Školenie", "Prekážka v práci"}
                                     << QStringList();
    QTest::newRow("id above the count of names") << QByteArray(R"({"inters": {"7": "97", "2": "4"}})")
                                                 << catalogue({1, 2, 3, 7}) << QStringList{"Služobná cesta"}
                                                 << QStringList();
    QTest::newRow("combined code") << QByteArray(R"({"inters": {"4": "20/21"}})") << range(1, 5)
                                   << QStringList{"Lekár"} << QStringList();
    QTest::newRow("items with codes") << QByteArray(R"({"items": ["15", "", "83"]})") << range(1, 2)
                                      << QStringList() << QStringList{"Záporné saldo (Absencia)", "Práca v nedeľu"};
    QTest::newRow("no stored settings") << QByteArray() << range(1, 5) << QStringList() << QStringList();
}

void TestOptionsWidget::rowsShown()
{
    QFETCH(QByteArray, settings);
    QFETCH(QVariantMap, names);
    QFETCH(QStringList, interRows);
    QFETCH(QStringList, itemRows);
    storeSettings(settings, names);

    OrvexOptWidget page;
    QCOMPARE(rowNames(page.findChild<QTableWidget*>(QStringLiteral("tableSetInters"))), interRows);
    QCOMPARE(rowNames(page.findChild<QTableWidget*>(QStringLiteral("tableSetItems"))), itemRows);
    for (const char* name : {"cbIntPN", "cbIntOCR", "cbIntKarPN", "cbIntKarOCR"})
        QCOMPARE(comboTexts(page.findChild<QComboBox*>(QLatin1String(name))), QStringList(notUsed) + interRows);
}

void TestOptionsWidget::initialChoices_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("rowName");
    QTest::addColumn<QByteArray>("rowMap");
    QTest::addColumn<QList<int>>("indexes");

    QTest::newRow("one stored column") << "tableSetInters" << "Dovolenka" << QByteArray(R"({"0": 1})")
                                       << QList<int>{1, 2, 1, 1};
    QTest::newRow("no stored map") << "tableSetInters" << "Dovolenka" << QByteArray() << QList<int>{0, 0, 0, 0};
    QTest::newRow("empty stored map") << "tableSetInters" << "Dovolenka" << QByteArray("{}") << QList<int>{0, 0, 0, 0};
    QTest::newRow("all columns") << "tableSetInters" << "Dovolenka" << QByteArray(R"({"0":2,"1":4,"2":3,"3":3})")
                                 << QList<int>{2, 4, 3, 3};
    QTest::newRow("index out of range") << "tableSetInters" << "Dovolenka" << QByteArray(R"({"1": 7})")
                                        << QList<int>{0, -1, 1, 1};
    QTest::newRow("bonus item seconds") << "tableSetItems" << "Práca v noci" << QByteArray(R"({"1": 3})")
                                        << QList<int>{0, 3, 1, 1};
    QTest::newRow("bonus item has two types") << "tableSetItems" << "Práca v noci" << QByteArray(R"({"0": 2})")
                                              << QList<int>{-1, 2, 1, 1};
}

void TestOptionsWidget::initialChoices()
{
    QFETCH(QString, table);
    QFETCH(QString, rowName);
    QFETCH(QByteArray, rowMap);
    QFETCH(QList<int>, indexes);
    const QByteArray optWidget = rowMap.isEmpty() ? QByteArray("{}") : "{\"" + rowName.toUtf8() + "\": " + rowMap + "}";
    storeSettings(R"({"inters": {"1": "1", "3": "3"}, "items": ["15", "", "", "85"], "optWidget": )" + optWidget + "}",
                  range(1, 3));

    OrvexOptWidget page;
    QTableWidget* view = page.findChild<QTableWidget*>(table);
    for (int col = 0; col < 4; ++col) {
        QComboBox* combo = cell(view, rowName, col);
        QVERIFY(combo);
        QCOMPARE(combo->currentIndex(), indexes.at(col));
    }
    // Building the tables writes no row map; only the special combos have stored their first entry.
    QCOMPARE(asJson(page.optionsData()),
             QJsonObject({{"comboIntPN", notUsed}, {"comboIntOCR", notUsed}, {"comboIntKarPN", notUsed},
                          {"comboIntKarOCR", notUsed}}));
}

void TestOptionsWidget::loadingWritesBack_data()
{
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QString>("separatorShown");
    QTest::addColumn<QString>("maskShown");
    QTest::addColumn<QString>("pnShown");

    const QByteArray complete = R"({"isNoPNstartDate": true, "isNoPNendDate": false, "isNoPNWeekendsAndHolidays": true,
        "isSeparatorOnEnd": true, "separator": "|", "dateFormat": "dd.MM.yyyy", "comboIntPN": "PN",
        "comboIntOCR": "OČR", "comboIntKarPN": "Karanténa", "comboIntKarOCR": "- nepoužíva sa -",
        "Dovolenka": {"0": 1}})";
    QTest::newRow("empty record") << QByteArray("{}")
                                  << QByteArray(R"({"comboIntPN": "PN", "comboIntOCR": "OČR",
                                       "isNoPNWeekendsAndHolidays": false, "separator": "", "dateFormat": "ddMMyyyy"})")
                                  << "" << "ddMMyyyy" << "PN";
    QTest::newRow("complete record unchanged") << complete << complete << "|" << "dd.MM.yyyy" << "PN";
    QTest::newRow("two-character separator")
        << QByteArray(R"({"separator": ";;", "dateFormat": "d.M.yyyy", "isNoPNWeekendsAndHolidays": true})")
        << QByteArray(R"({"separator": ";", "dateFormat": "d.M.yyyy", "isNoPNWeekendsAndHolidays": true,
                          "comboIntPN": "PN", "comboIntOCR": "OČR"})")
        << ";" << "d.M.yyyy" << "PN";
    QTest::newRow("special name no longer offered")
        << QByteArray(R"({"separator": "|", "dateFormat": "dd.MM.yyyy", "isNoPNWeekendsAndHolidays": true,
                          "comboIntPN": "Choroba", "comboIntKarOCR": "Karanténa"})")
        << QByteArray(R"({"separator": "|", "dateFormat": "dd.MM.yyyy", "isNoPNWeekendsAndHolidays": true,
                          "comboIntPN": "Choroba", "comboIntOCR": "OČR", "comboIntKarOCR": "Karanténa"})")
        << "|" << "dd.MM.yyyy" << notUsed;
}

void TestOptionsWidget::loadingWritesBack()
{
    QFETCH(QByteArray, given);
    QFETCH(QByteArray, expected);
    QFETCH(QString, separatorShown);
    QFETCH(QString, maskShown);
    QFETCH(QString, pnShown);
    storeSettings(R"({"inters": {"3": "3", "5": "11", "6": "10", "7": "97"}})", range(1, 7));

    OrvexOptWidget page;
    page.setOptionsData(record(given));
    QCOMPARE(asJson(page.optionsData()), QJsonDocument::fromJson(expected).object());
    QCOMPARE(page.findChild<QLineEdit*>(QStringLiteral("editSeparator"))->text(), separatorShown);
    QCOMPARE(page.findChild<QLineEdit*>(QStringLiteral("editDateMask"))->text(), maskShown);
    QCOMPARE(page.findChild<QComboBox*>(QStringLiteral("cbIntPN"))->currentText(), pnShown);
}

void TestOptionsWidget::wheelOverCellComboLeavesTheChoice()
{
    storeSettings(R"({"inters": {"1": "1", "3": "3"}, "optWidget": {"Dovolenka": {"0": 1, "1": 2}}})", range(1, 3));
    OrvexOptWidget page;
    page.setOptionsData(record(R"({"Dovolenka": {"0": 1, "1": 2}})"));
    QTableWidget* table = page.findChild<QTableWidget*>(QStringLiteral("tableSetInters"));
    showTableOf(page, table);
    QComboBox* combo = cell(table, QStringLiteral("Dovolenka"), 1);
    const QHash<QString, QVariant> before = page.optionsData();

    const QPointF centre = QRectF(combo->rect()).center();
    for (int delta : {-120, 120, 120}) {
#if QT_VERSION >= QT_VERSION_CHECK(5, 12, 0)
        QWheelEvent wheel(centre, combo->mapToGlobal(centre.toPoint()), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
#else
        QWheelEvent wheel(centre, combo->mapToGlobal(centre.toPoint()), QPoint(), QPoint(0, delta), delta,
                          Qt::Vertical, Qt::NoButton, Qt::NoModifier);
#endif
        QApplication::sendEvent(combo, &wheel);
        // Ignored, so that Qt hands a real wheel turn on to the table, which scrolls.
        QVERIFY(!wheel.isAccepted());
    }
    QCOMPARE(combo->currentIndex(), 2);
    QCOMPARE(asJson(page.optionsData()), asJson(before));
}

void TestOptionsWidget::cellChoiceLandsInRowMap_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("rowName");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<QByteArray>("rowMap");
    QTest::addColumn<QString>("debugLine");

    QTest::newRow("value of Dovolenka merged") << "tableSetInters" << "Dovolenka" << 1 << 3
                                               << QByteArray(R"({"Dovolenka": {"0": 1, "2": 3, "3": 3}})")
                                               << QByteArray(R"({"0": 1, "1": 3, "2": 3, "3": 3})") << "";
    QTest::newRow("row without map") << "tableSetInters" << "Lekár" << 3 << 2 << QByteArray("{}")
                                     << QByteArray(R"({"3": 2})") << "";
    QTest::newRow("bonus item date from") << "tableSetItems" << "Práca v noci" << 2 << 2
                                          << QByteArray(R"({"Práca v noci": {"0": 1}})")
                                          << QByteArray(R"({"0": 1, "2": 2})")
                                          << "Zmena comboBoxItems: Row: 2 , Col: 2  Index: 2";
}

void TestOptionsWidget::cellChoiceLandsInRowMap()
{
    QFETCH(QString, table);
    QFETCH(QString, rowName);
    QFETCH(int, col);
    QFETCH(int, index);
    QFETCH(QByteArray, given);
    QFETCH(QByteArray, rowMap);
    QFETCH(QString, debugLine);
    storeSettings(R"({"inters": {"1": "1", "3": "3", "4": "20/21"}, "items": ["15", "", "83", "85"]})", range(1, 4));

    OrvexOptWidget page;
    page.setOptionsData(record(given));
    QTableWidget* view = page.findChild<QTableWidget*>(table);
    showTableOf(page, view);
    const QHash<QString, QVariant> before = page.optionsData();

    LogCapture log;
    cell(view, rowName, col)->setCurrentIndex(index);

    QHash<QString, QVariant> after = page.optionsData();
    QCOMPARE(QJsonObject::fromVariantMap(after.take(rowName).toMap()), QJsonDocument::fromJson(rowMap).object());
    QHash<QString, QVariant> others = before;
    others.remove(rowName);
    QCOMPARE(asJson(after), asJson(others));
    if (!debugLine.isEmpty())
        QCOMPARE(log.matching(QStringLiteral("debug"), QStringLiteral("Zmena comboBoxItems")),
                 QStringList(QStringLiteral("debug ") + debugLine));
}

void TestOptionsWidget::formControlsWriteTheirKeys_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("separator at line end") << "cbSeparatorOnEnd" << "check" << "isSeparatorOnEnd" << QVariant(true);
    QTest::newRow("partly ticked counts") << "cbNoPNstartDate" << "partial" << "isNoPNstartDate" << QVariant(true);
    QTest::newRow("end date") << "cbNoPNendDate" << "check" << "isNoPNendDate" << QVariant(true);
    QTest::newRow("weekends untick") << "cbPNnoWeekendsAndHolidays" << "uncheck" << "isNoPNWeekendsAndHolidays"
                                     << QVariant(false);
    QTest::newRow("separator one character") << "editSeparator" << ";x" << "separator" << QVariant(";");
    QTest::newRow("date mask") << "editDateMask" << "yyyy-MM-dd" << "dateFormat" << QVariant("yyyy-MM-dd");
    QTest::newRow("sick leave off") << "cbIntPN" << notUsed << "comboIntPN" << QVariant(notUsed);
    QTest::newRow("family care") << "cbIntOCR" << "Karanténa" << "comboIntOCR" << QVariant("Karanténa");
    QTest::newRow("quarantine PN") << "cbIntKarPN" << "Karanténa" << "comboIntKarPN" << QVariant("Karanténa");
    QTest::newRow("quarantine OCR") << "cbIntKarOCR" << "OČR" << "comboIntKarOCR" << QVariant("OČR");
}

void TestOptionsWidget::formControlsWriteTheirKeys()
{
    QFETCH(QString, control);
    QFETCH(QString, input);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    storeSettings(R"({"inters": {"5": "11", "6": "10", "7": "97"}})", range(1, 7));

    OrvexOptWidget page;
    page.setOptionsData(record(R"({"isNoPNWeekendsAndHolidays": true, "separator": "|", "dateFormat": "dd.MM.yyyy",
                                   "comboIntPN": "PN", "comboIntOCR": "OČR"})"));
    QWidget* widget = page.findChild<QWidget*>(control);
    QVERIFY(widget);
    if (QCheckBox* box = qobject_cast<QCheckBox*>(widget)) {
        box->setCheckState(input == QLatin1String("check") ? Qt::Checked
                           : input == QLatin1String("partial") ? Qt::PartiallyChecked : Qt::Unchecked);
    } else if (QLineEdit* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, input);
    } else if (QComboBox* combo = qobject_cast<QComboBox*>(widget)) {
        QVERIFY(combo->findText(input) >= 0);
        combo->setCurrentIndex(combo->findText(input));
    }
    QCOMPARE(page.optionsData().value(key), value);
}

void TestOptionsWidget::englishPageFromTheModule()
{
    storeSettings(R"({"inters": {"3": "3"}, "items": ["", "", "83"]})", range(1, 3));
    PluginHost pluginHost;
    QVERIFY2(pluginHost.loaded(), qPrintable(pluginHost.errorText()));
    // The module carries its translations and images as resources.
    QCOMPARE(QImage(QStringLiteral(":/images/locked.png")).size(), QSize(32, 32));
    QTranslator english;
    QVERIFY(english.load(QStringLiteral(":/translations/orvexuniversal_en.qm")));
    QCoreApplication::installTranslator(&english);
    QScopedPointer<PamOptionsWidget> page(pluginHost.exporter()->getOptionsWidget());
    QCoreApplication::removeTranslator(&english);

    QCOMPARE(page->findChild<QTabWidget*>(QStringLiteral("tabWidget"))->tabText(1), QStringLiteral("Bonus items"));
    QTableWidget* items = page->findChild<QTableWidget*>(QStringLiteral("tableSetItems"));
    QCOMPARE(rowNames(items), QStringList{"Work on Sunday"});
    QCOMPARE(items->horizontalHeaderItem(0)->text(), QStringLiteral("Export type"));
    QCOMPARE(qobject_cast<QComboBox*>(items->cellWidget(0, 1))->itemText(3), QStringLiteral("Seconds (whole number)"));
    QCOMPARE(page->findChild<QComboBox*>(QStringLiteral("cbIntPN"))->itemText(0), QStringLiteral("- not used -"));
}

QTEST_MAIN(TestOptionsWidget)
#include "test_optionswidget.moc"
