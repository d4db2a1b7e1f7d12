// The control sheet's PDF printing, read back with poppler's pdftotext page
// by page: a block that fits on a page is never split, a block longer than a
// page runs on over the next pages with every row, and every page is numbered
// "page N of M".

#include "sheetpdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A block of `rows` table rows, each naming its block and row.
QString block(int number, int rows)
{
    QString html = QStringLiteral("<table border=\"1\" width=\"100%\" cellspacing=\"0\">");
    for (int row = 1; row <= rows; ++row)
        html += QStringLiteral("<tr><td>block%1row%2</td><td>x</td></tr>").arg(number).arg(row);
    return html + QStringLiteral("</table>");
}

} // namespace

class TestSheetPdf : public QObject
{
    Q_OBJECT

private slots:
    void blocksKeptTogether_data();
    void blocksKeptTogether();
};

void TestSheetPdf::blocksKeptTogether_data()
{
    QTest::addColumn<QVector<int>>("rows"); // rows of each block
    QTest::addColumn<int>("longBlock");     // the block longer than a page, 0: none
    // Blocks of 9 rows: a page takes a few whole ones, never a part.
    QVector<int> even(40, 9);
    QTest::newRow("blocks alike") << even << 0;
    QVector<int> mixed;
    for (int i = 0; i < 60; ++i)
        mixed << 1 + (i * 7) % 17;
    QTest::newRow("blocks of every size") << mixed << 0;
    QVector<int> withLong = mixed.mid(0, 20);
    withLong[10] = 150;
    QTest::newRow("a block longer than a page") << withLong << 11;
}

void TestSheetPdf::blocksKeptTogether()
{
    QFETCH(QVector<int>, rows);
    QFETCH(int, longBlock);
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("poppler-utils is not installed (scripts/setup-debian.sh installs it)");
    QStringList parts;
    for (int i = 0; i < rows.size(); ++i)
        parts << block(i + 1, rows[i]);
    QTemporaryDir folder;
    const QString path = folder.filePath("blocks.pdf");
    QString errorText;
    QVERIFY2(writeSheetPdf(parts, "footer", path, errorText), qPrintable(errorText));

    QProcess reader;
    reader.start(pdftotext, {"-layout", path, "-"});
    QVERIFY(reader.waitForFinished(60000) && reader.exitCode() == 0);
    const QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split('\f', QString::SkipEmptyParts);
    QMap<int, QSet<int>> pagesOfBlock;
    QMap<int, int> rowsSeen;
    const QRegularExpression cell("block(\\d+)row(\\d+)");
    for (int page = 0; page < pages.size(); ++page) {
        QVERIFY2(pages[page].contains(QString("page %1 of %2").arg(page + 1).arg(pages.size())), qPrintable(pages[page]));
        QRegularExpressionMatchIterator it = cell.globalMatch(pages[page]);
        while (it.hasNext()) {
            const int number = it.next().captured(1).toInt();
            pagesOfBlock[number].insert(page);
            ++rowsSeen[number];
        }
    }
    QCOMPARE(pagesOfBlock.size(), rows.size());
    for (int number = 1; number <= rows.size(); ++number) {
        QCOMPARE(rowsSeen.value(number), rows[number - 1]);
        if (number != longBlock)
            QVERIFY2(pagesOfBlock.value(number).size() == 1, qPrintable(QString("block %1 split").arg(number)));
        else
            QVERIFY(pagesOfBlock.value(number).size() >= 2);
    }
}

QTEST_MAIN(TestSheetPdf)
#include "tst_sheetpdf.moc"
