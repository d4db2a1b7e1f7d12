// The options page as the host uses it: rows and first choices come from the
// stored settings (read through the application's default connection, here
// the private MariaDB), setOptionsData loads the host's record and every
// change lands in the record under its key.

#include "customcombobox.h"
#include "hostdatabase.h"
#include "orvexoptwidget.h"
#include "pluginhost.h"

#include <QSqlError>
#include <QtTest>
#include <QtWidgets>

namespace {
const QString notUsed = QStringLiteral("- nepoužíva sa -");

QHash<QString, QVariant> record(const QByteArray& json)
{
    return QJsonDocument::fromJson(json).object().toVariantHash();
}

QJsonObject asJson(const QHash<QString, QVariant>& hash)
{
    return QJsonObject::fromVariantHash(hash);
}

QStringList itemTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QStringList rowNames(const QTableWidget* table)
{
    QStringList names;
    for (int row = 0; row < table->rowCount(); ++row)
        names << table->verticalHeaderItem(row)->text();
    return names;
}

// Every row of both tables as "name i0 i1 i2 i3" (current index of each
// column's combo), bonus item rows with a leading "+".
QStringList tableRows(const QWidget& page)
{
    QStringList rows;
    for (const QString& name : {QStringLiteral("tableSetInters"), QStringLiteral("tableSetItems")}) {
        const QTableWidget* table = page.findChild<QTableWidget*>(name);
        for (int row = 0; row < table->rowCount(); ++row) {
            QString text = (name.endsWith("Items") ? "+" : "") + table->verticalHeaderItem(row)->text();
            for (int col = 0; col < 4; ++col)
                text += ' ' + QString::number(qobject_cast<QComboBox*>(table->cellWidget(row, col))->currentIndex());
            rows << text;
        }
    }
    return rows;
}
} // namespace

class TestOptionsWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageFromStoredSettings_data();
    void pageFromStoredSettings();
    void loadingWritesBack_data();
    void loadingWritesBack();
    void editLandsInRecord_data();
    void editLandsInRecord();
    void englishPageKeys_data();
    void englishPageKeys();
    void englishPageFromTheModule();

private:
    void storeSettings(const QByteArray& json, const QList<int>& ids = QList<int>());
    QScopedPointer<TestHostDb> host;
};

// Stored export settings `json` (none when empty) and the names of the
// interruption types `ids` (empty: 1 to 10).
void TestOptionsWidget::storeSettings(const QByteArray& json, const QList<int>& ids)
{
    static const QStringList names = {"Práca", "Služobná cesta", "Dovolenka", "Lekár", "PN", "OČR", "Karanténa",
                                      "Absencia", "Školenie", "Prekážka v práci"};
    QVERIFY(host->exec("DELETE FROM pamsettings") && host->exec("DELETE FROM inters"));
    for (int id = 1; id <= names.size(); ++id)
        if (ids.isEmpty() || ids.contains(id))
            host->addInterruptionType(unsigned(id), names.at(id - 1));
    if (!json.isEmpty())
        host->addPamSettings(json);
}

void TestOptionsWidget::initTestCase()
{
    host.reset(new TestHostDb("t_options_widget"));
    QVERIFY2(host->isOpen(), qPrintable(host->errorText()));
    const QSqlDatabase defaultDb = host->openAsDefaultConnection();
    QVERIFY2(defaultDb.isOpen(), qPrintable(defaultDb.lastError().text()));
}

// Rows: interruptions with a code by id padded to two digits (ids up to
// the count of names), bonus items with a code. A stored row map fills
// missing columns with 0, 2, 1, 1; no map or an empty one leaves all at 0.
// The wheel over a cell combo changes nothing; building the page stores
// only the special combos' first entry.
void TestOptionsWidget::pageFromStoredSettings_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QStringList>("rows");
    const auto row = [](const char* name, const QByteArray& settings, const QStringList& rows,
                        const QList<int>& ids = QList<int>()) { QTest::newRow(name) << settings << ids << rows; };
    row("empty code not shown", R"({"inters": {"1": "1", "3": ""}})", {"Práca 0 0 0 0"});
    row("padded id order", R"({"inters": {"2": "4", "10": "25", "9": "8"}})",
        {"Služobná cesta 0 0 0 0", "Školenie 0 0 0 0", "Prekážka v práci 0 0 0 0"});
    row("id above the count of names", R"({"inters": {"7": "97", "2": "4"}})", {"Služobná cesta 0 0 0 0"},
        {1, 2, 3, 7});
    row("combined code", R"({"inters": {"4": "20/21"}})", {"Lekár 0 0 0 0"});
    row("items with codes", R"({"items": ["15", "", "83"]})",
        {"+Záporné saldo (Absencia) 0 0 0 0", "+Práca v nedeľu 0 0 0 0"});
    row("no stored settings", "", {});
    const QString choices = R"({"inters": {"3": "3"}, "items": ["", "", "", "85"], "optWidget": {%1}})";
    const auto stored = [&](const char* maps) { return choices.arg(QString::fromUtf8(maps)).toUtf8(); };
    const QString night = "+Práca v noci 0 0 0 0";
    row("one stored column", stored(R"("Dovolenka": {"0": 1})"), {"Dovolenka 1 2 1 1", night});
    row("no stored map", stored(""), {"Dovolenka 0 0 0 0", night});
    row("empty stored map", stored(R"("Dovolenka": {})"), {"Dovolenka 0 0 0 0", night});
    row("all columns", stored(R"("Dovolenka": {"0": 2, "1": 4, "2": 3, "3": 3})"), {"Dovolenka 2 4 3 3", night});
    row("index out of range", stored(R"("Dovolenka": {"1": 7})"), {"Dovolenka 0 -1 1 1", night});
    row("bonus item seconds", stored(R"("Práca v noci": {"1": 3})"), {"Dovolenka 0 0 0 0", "+Práca v noci 0 3 1 1"});
    row("bonus item has two types", stored(R"("Práca v noci": {"0": 2})"),
        {"Dovolenka 0 0 0 0", "+Práca v noci -1 2 1 1"});
}

void TestOptionsWidget::pageFromStoredSettings()
{
    QFETCH(QByteArray, settings);
    QFETCH(QList<int>, ids);
    QFETCH(QStringList, rows);
    storeSettings(settings, ids);
    OrvexOptWidget page;
    for (CustomComboBox* combo : page.findChildren<CustomComboBox*>()) {
        const QPointF centre = QRectF(combo->rect()).center();
        for (int delta : {-120, 120}) {
#if QT_VERSION >= QT_VERSION_CHECK(5, 12, 0)
            QWheelEvent wheel(centre, combo->mapToGlobal(centre.toPoint()), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
#else
            QWheelEvent wheel(centre, combo->mapToGlobal(centre.toPoint()), QPoint(), QPoint(0, delta), delta,
                              Qt::Vertical, Qt::NoButton, Qt::NoModifier);
#endif
            QApplication::sendEvent(combo, &wheel);
            QVERIFY(!wheel.isAccepted()); // so that Qt hands a real wheel turn on to the table
        }
    }
    QCOMPARE(tableRows(page), rows);
    const QStringList offered = QStringList(notUsed) + rowNames(page.findChild<QTableWidget*>("tableSetInters"));
    for (const char* name : {"cbIntPN", "cbIntOCR", "cbIntKarPN", "cbIntKarOCR"})
        QCOMPARE(itemTexts(page.findChild<QComboBox*>(name)), offered);
    QCOMPARE(asJson(page.optionsData()), QJsonObject({{"comboIntPN", notUsed}, {"comboIntOCR", notUsed},
                                                      {"comboIntKarPN", notUsed}, {"comboIntKarOCR", notUsed}}));
}

// The record after setOptionsData holds what the controls show.
void TestOptionsWidget::loadingWritesBack_data()
{
    QTest::addColumn<QByteArray>("given");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QStringList>("shown"); // separator, date mask, sick leave combo
    const QByteArray complete = R"({"isNoPNstartDate": true, "isNoPNendDate": false,
        "isNoPNWeekendsAndHolidays": true, "isSeparatorOnEnd": true, "separator": "|", "dateFormat": "dd.MM.yyyy",
        "comboIntPN": "PN", "comboIntOCR": "OČR", "comboIntKarPN": "Karanténa",
        "comboIntKarOCR": "- nepoužíva sa -", "Dovolenka": {"0": 1}})";
    QTest::newRow("empty record") << QByteArray("{}")
                                  << QByteArray(R"({"comboIntPN": "PN", "comboIntOCR": "OČR", "separator": "",
                                       "isNoPNWeekendsAndHolidays": false, "dateFormat": "ddMMyyyy"})")
                                  << QStringList{"", "ddMMyyyy", "PN"};
    QTest::newRow("complete record unchanged") << complete << complete << QStringList{"|", "dd.MM.yyyy", "PN"};
    QTest::newRow("two-character separator")
        << QByteArray(R"({"separator": ";;", "dateFormat": "d.M.yyyy", "isNoPNWeekendsAndHolidays": true})")
        << QByteArray(R"({"separator": ";", "dateFormat": "d.M.yyyy", "isNoPNWeekendsAndHolidays": true,
                          "comboIntPN": "PN", "comboIntOCR": "OČR"})")
        << QStringList{";", "d.M.yyyy", "PN"};
    QTest::newRow("special name no longer offered")
        << QByteArray(R"({"separator": "|", "dateFormat": "dd.MM.yyyy", "isNoPNWeekendsAndHolidays": true,
                          "comboIntPN": "Choroba", "comboIntKarOCR": "Karanténa"})")
        << QByteArray(R"({"separator": "|", "dateFormat": "dd.MM.yyyy", "isNoPNWeekendsAndHolidays": true,
                          "comboIntPN": "Choroba", "comboIntOCR": "OČR", "comboIntKarOCR": "Karanténa"})")
        << QStringList{"|", "dd.MM.yyyy", notUsed};
}

void TestOptionsWidget::loadingWritesBack()
{
    QFETCH(QByteArray, given);
    QFETCH(QByteArray, expected);
    QFETCH(QStringList, shown);
    storeSettings(R"({"inters": {"3": "3", "5": "11", "6": "10", "7": "97"}})");
    OrvexOptWidget page;
    page.setOptionsData(record(given));
    QCOMPARE(asJson(page.optionsData()), QJsonDocument::fromJson(expected).object());
    QCOMPARE(QStringList({page.findChild<QLineEdit*>("editSeparator")->text(),
                          page.findChild<QLineEdit*>("editDateMask")->text(),
                          page.findChild<QComboBox*>("cbIntPN")->currentText()}), shown);
}

// One edit changes exactly its key of the record; a cell choice is merged into the row's map.
void TestOptionsWidget::editLandsInRecord_data()
{
    QTest::addColumn<QString>("control"); // object name, or "table:row name:column" of a cell
    QTest::addColumn<QString>("input");   // a check box takes its state: 2 ticked, 1 partly, 0 not
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    const auto map = [](const char* json) { return QJsonDocument::fromJson(json).toVariant(); };
    QTest::newRow("separator at line end") << "cbSeparatorOnEnd" << "2" << "isSeparatorOnEnd" << QVariant(true);
    QTest::newRow("partly ticked counts") << "cbNoPNstartDate" << "1" << "isNoPNstartDate" << QVariant(true);
    QTest::newRow("end date") << "cbNoPNendDate" << "2" << "isNoPNendDate" << QVariant(true);
    QTest::newRow("weekends untick") << "cbPNnoWeekendsAndHolidays" << "0" << "isNoPNWeekendsAndHolidays"
                                     << QVariant(false);
    QTest::newRow("separator one character") << "editSeparator" << ";x" << "separator" << QVariant(";");
    QTest::newRow("date mask") << "editDateMask" << "yyyy-MM-dd" << "dateFormat" << QVariant("yyyy-MM-dd");
    QTest::newRow("sick leave off") << "cbIntPN" << notUsed << "comboIntPN" << QVariant(notUsed);
    QTest::newRow("family care") << "cbIntOCR" << "Karanténa" << "comboIntOCR" << QVariant("Karanténa");
    QTest::newRow("quarantine PN") << "cbIntKarPN" << "Karanténa" << "comboIntKarPN" << QVariant("Karanténa");
    QTest::newRow("quarantine OCR") << "cbIntKarOCR" << "OČR" << "comboIntKarOCR" << QVariant("OČR");
    QTest::newRow("value of Dovolenka merged") << "tableSetInters:Dovolenka:1" << "3" << "Dovolenka"
                                               << map(R"({"0": 1, "1": 3, "2": 3, "3": 3})");
    QTest::newRow("row without map") << "tableSetInters:Lekár:3" << "2" << "Lekár" << map(R"({"3": 2})");
    QTest::newRow("bonus item date from") << "tableSetItems:Práca v noci:2" << "2" << "Práca v noci"
                                          << map(R"({"0": 1, "2": 2})");
}

void TestOptionsWidget::editLandsInRecord()
{
    QFETCH(QString, control);
    QFETCH(QString, input);
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    storeSettings(R"({"inters": {"1": "1", "3": "3", "4": "20/21", "5": "11", "6": "10", "7": "97"},
                      "items": ["15", "", "83", "85"]})");
    OrvexOptWidget page;
    page.setOptionsData(record(R"({"isNoPNWeekendsAndHolidays": true, "separator": "|", "dateFormat":
        "dd.MM.yyyy", "comboIntPN": "PN", "comboIntOCR": "OČR", "Dovolenka": {"0": 1, "2": 3, "3": 3},
        "Práca v noci": {"0": 1}})"));
    QHash<QString, QVariant> expected = page.optionsData();
    expected.insert(key, value);
    const QStringList cell = control.split(':');
    QWidget* widget = page.findChild<QWidget*>(cell.first());
    QVERIFY(widget);
    if (QTableWidget* table = qobject_cast<QTableWidget*>(widget)) {
        // Shown on its tab, so that the cell combos have their places in the table.
        page.show();
        QTabWidget* tabs = page.findChild<QTabWidget*>("tabWidget");
        tabs->setCurrentIndex(tabs->indexOf(table->parentWidget()));
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const int row = rowNames(table).indexOf(cell.at(1)), col = cell.at(2).toInt();
        if (table->objectName() == "tableSetItems")
            QTest::ignoreMessage(QtDebugMsg, qPrintable(QString("Zmena comboBoxItems: Row: %1 , Col: %2  Index: %3")
                                                            .arg(row).arg(col).arg(input)));
        qobject_cast<QComboBox*>(table->cellWidget(row, col))->setCurrentIndex(input.toInt());
    } else if (QCheckBox* box = qobject_cast<QCheckBox*>(widget)) {
        box->setCheckState(Qt::CheckState(input.toInt()));
    } else if (QLineEdit* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, input);
    } else if (QComboBox* combo = qobject_cast<QComboBox*>(widget)) {
        QVERIFY(combo->findText(input) >= 0);
        combo->setCurrentIndex(combo->findText(input));
    }
    QCOMPARE(asJson(page.optionsData()), asJson(expected));
}

// The English page shows a bonus item's choices stored by the Slovak page
// under the Slovak name, unless the record has them under the English
// name; an edit goes under the English name, starting from the choices
// shown, and leaves the Slovak entry as it was.
void TestOptionsWidget::englishPageKeys_data()
{
    QTest::addColumn<QByteArray>("maps"); // entries of the options record
    QTest::addColumn<QString>("shown");   // the row before the edit
    QTest::addColumn<QByteArray>("edited"); // "Night work" after its date to is set to the last day
    QTest::newRow("Slovak name") << QByteArray(R"("Práca v noci": {"0": 1, "1": 3, "2": 2})")
                                 << "+Night work 1 3 2 1" << QByteArray(R"({"0": 1, "1": 3, "2": 2, "3": 2})");
    QTest::newRow("English name first")
        << QByteArray(R"("Práca v noci": {"0": 1, "1": 3}, "Night work": {"1": 1})") << "+Night work 0 1 1 1"
        << QByteArray(R"({"1": 1, "3": 2})");
    QTest::newRow("neither") << QByteArray(R"("Práca v sobotu": {"0": 1})") << "+Night work 0 0 0 0"
                             << QByteArray(R"({"3": 2})");
}

void TestOptionsWidget::englishPageKeys()
{
    QFETCH(QByteArray, maps);
    QFETCH(QString, shown);
    QFETCH(QByteArray, edited);
    storeSettings(R"({"items": ["", "", "", "85"], "optWidget": {)" + maps + "}}");
    PluginHost pluginHost;
    QVERIFY2(pluginHost.loaded(), qPrintable(pluginHost.errorText()));
    QTranslator english;
    QVERIFY(english.load(":/translations/orvexuniversal_en.qm"));
    QCoreApplication::installTranslator(&english);
    OrvexOptWidget page;
    QCoreApplication::removeTranslator(&english);
    page.setOptionsData(record("{" + maps + "}"));
    QCOMPARE(tableRows(page), QStringList(shown));

    page.show();
    QTabWidget* tabs = page.findChild<QTabWidget*>("tabWidget");
    QTableWidget* items = page.findChild<QTableWidget*>("tableSetItems");
    tabs->setCurrentIndex(tabs->indexOf(items->parentWidget()));
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    qobject_cast<QComboBox*>(items->cellWidget(0, 3))->setCurrentIndex(2);
    QHash<QString, QVariant> expected = record("{" + maps + "}");
    expected.insert("Night work", QJsonDocument::fromJson(edited).toVariant());
    for (const char* key : {"Night work", "Práca v noci", "Práca v sobotu"})
        QCOMPARE(QJsonValue::fromVariant(page.optionsData().value(key)),
                 QJsonValue::fromVariant(expected.value(key)));
}

// The module carries its translations and images as resources.
void TestOptionsWidget::englishPageFromTheModule()
{
    storeSettings(R"({"inters": {"3": "3"}, "items": ["", "", "83"]})");
    PluginHost pluginHost;
    QVERIFY2(pluginHost.loaded(), qPrintable(pluginHost.errorText()));
    QCOMPARE(QImage(":/images/locked.png").size(), QSize(32, 32));
    QTranslator english;
    QVERIFY(english.load(":/translations/orvexuniversal_en.qm"));
    QCoreApplication::installTranslator(&english);
    QScopedPointer<PamOptionsWidget> page(pluginHost.exporter()->getOptionsWidget());
    QCoreApplication::removeTranslator(&english);
    QTableWidget* items = page->findChild<QTableWidget*>("tableSetItems");
    QCOMPARE(QStringList({page->findChild<QTabWidget*>("tabWidget")->tabText(1), rowNames(items).join(','),
                          items->horizontalHeaderItem(0)->text(),
                          qobject_cast<QComboBox*>(items->cellWidget(0, 1))->itemText(3),
                          page->findChild<QComboBox*>("cbIntPN")->itemText(0)}),
             QStringList({"Bonus items", "Work on Sunday", "Export type", "Seconds (whole number)",
                          "- not used -"}));
}

QTEST_MAIN(TestOptionsWidget)
#include "tst_optionswidget.moc"
