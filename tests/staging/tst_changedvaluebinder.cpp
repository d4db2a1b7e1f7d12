// The binder of per-row statements must store exactly what binding every value
// anew stores: each sequence is inserted both ways and the stored values
// (type and text as SQLite quotes them) compared row by row.

#include "changedvaluebinder.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QtTest>

#include <limits>

namespace {
// One value of a row: "i:<n>", "r:<x>" ("r:-0", "r:nan"), "t:<text>", "t:" (empty) or "null" (a null text).
QVariant valueOf(const QString& text)
{
    if (text.startsWith("i:"))
        return text.mid(2).toLongLong();
    if (text.startsWith("r:"))
        return text == "r:-0" ? -0.0 : text == "r:nan" ? std::numeric_limits<double>::quiet_NaN() : text.mid(2).toDouble();
    return text == "null" ? QString() : text.mid(2);
}

void bindChanged(ChangedValueBinder& binder, int position, const QVariant& value)
{
    if (value.type() == QVariant::LongLong)
        binder.bindInteger(position, value.toLongLong());
    else if (value.type() == QVariant::Double)
        binder.bindReal(position, value.toDouble());
    else
        binder.bindText(position, value.toString());
}

QStringList stored(QSqlDatabase& db, const char* table)
{
    QSqlQuery read(db);
    read.exec(QString("SELECT typeof(a) || ' ' || quote(a), typeof(b) || ' ' || quote(b) FROM %1 ORDER BY rowid")
                  .arg(table));
    QStringList rows;
    while (read.next())
        rows << read.value(0).toString() + " | " + read.value(1).toString();
    return rows;
}
} // namespace

class TestChangedValueBinder : public QObject
{
    Q_OBJECT

private slots:
    void storesWhatPlainBindingStores_data();
    void storesWhatPlainBindingStores();
};

void TestChangedValueBinder::storesWhatPlainBindingStores_data()
{
    QTest::addColumn<QStringList>("rows"); // "<column a>,<column b>" per row
    QTest::newRow("repeats and changes") << QStringList{"i:1,i:0", "i:1,i:0", "i:2,i:0", "i:2,i:5", "i:1,i:5"};
    QTest::newRow("kind changes with equal numbers") << QStringList{"i:0,r:0", "r:0,i:0", "t:0,i:0", "i:0,t:0"};
    QTest::newRow("negative zero and NaN") << QStringList{"r:0,r:nan", "r:-0,r:nan", "r:0,r:1.5", "r:-0,r:nan"};
    QTest::newRow("empty and null text") << QStringList{"t:,null", "null,t:", "t:,t:", "t:x,null", "t:x,t:x"};
    QTest::newRow("apostrophes and large integers")
        << QStringList{"t:O'Neil,i:9223372036854775807", "t:O'Neil,i:-9223372036854775807", "t:O'Neil,i:0"};
}

void TestChangedValueBinder::storesWhatPlainBindingStores()
{
    QFETCH(QStringList, rows);
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "binder");
    db.setDatabaseName(":memory:");
    QVERIFY(db.open());
    QSqlQuery setup(db);
    QVERIFY(setup.exec("CREATE TABLE plain (a, b)"));
    QVERIFY(setup.exec("CREATE TABLE changed (a, b)"));
    QSqlQuery plain(db), changed(db);
    QVERIFY(plain.prepare("INSERT INTO plain (a, b) VALUES (?, ?)"));
    QVERIFY(changed.prepare("INSERT INTO changed (a, b) VALUES (?, ?)"));
    ChangedValueBinder binder(changed, 2);
    for (const QString& row : rows) {
        const QStringList values = row.split(',');
        for (int position = 0; position < 2; ++position) {
            const QVariant value = valueOf(values.at(position));
            plain.bindValue(position, value);
            bindChanged(binder, position, value);
        }
        QVERIFY2(plain.exec(), qPrintable(plain.lastError().text()));
        QVERIFY2(changed.exec(), qPrintable(changed.lastError().text()));
    }
    QCOMPARE(stored(db, "changed"), stored(db, "plain"));
    QCOMPARE(stored(db, "changed").size(), rows.size());
    plain = QSqlQuery();
    changed = QSqlQuery();
    setup = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("binder");
}

QTEST_GUILESS_MAIN(TestChangedValueBinder)
#include "tst_changedvaluebinder.moc"
