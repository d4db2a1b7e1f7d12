// A generated company of 40 people (the scale benchmark's generator, small)
// exported through the built plug-in as the host does. The file must equal,
// byte for byte, the expected file checked in next to this test: whatever is
// done to make the export faster (indexes, prepared statements, transactions,
// caches) must not change a single line. A second export on the same plug-in
// object must write the same file again (nothing carried over between exports).
//
// The expected file was produced by this test and checked line by line against
// the generated host data. After an intended change of the export, or of the
// generator, write it again with ORVEX_WRITE_EXPECTED=1 and review the diff.

#include "companygenerator.h"
#include "hostdatabase.h"
#include "logcapture.h"
#include "pluginhost.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString expectedPath()
{
    return QStringLiteral(ORVEX_SOURCE_DIR "/tests/endtoend-scale/expected/company40-2024-03.txt");
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The first line that differs, for the failure message.
QString firstDifference(const QByteArray& actual, const QByteArray& expected)
{
    const QList<QByteArray> a = actual.split('\n'), e = expected.split('\n');
    for (int i = 0; i < qMax(a.size(), e.size()); ++i)
        if (a.value(i) != e.value(i))
            return QStringLiteral("line %1: got \"%2\", expected \"%3\" (%4 and %5 lines)")
                .arg(i + 1)
                .arg(QString::fromUtf8(a.value(i)), QString::fromUtf8(e.value(i)))
                .arg(a.size() - 1)
                .arg(e.size() - 1);
    return QString();
}

} // namespace

class TestScaleExport : public QObject
{
    Q_OBJECT

private slots:
    void generatedCompanyExportsTheExpectedFile();
};

void TestScaleExport::generatedCompanyExportsTheExpectedFile()
{
    TestHostDb host(QStringLiteral("t_scale_company40"));
    QVERIFY2(host.isOpen(), qPrintable(host.errorText()));
    CompanyProfile profile;
    // With this seed and the rarer events four times as likely, 40 people
    // meet sick leave and family care across both month ends, quarantine, an
    // unclosed month, missing payroll numbers and groups, hires and leavers.
    profile.people = 40;
    profile.seed = 2;
    profile.eventScale = 4;
    CompanyGenerator generator(host.db(), profile);
    QVERIFY2(generator.generate(), qPrintable(generator.errorText()));

    QTemporaryDir first, second;
    QString error;
    QHash<QString, QVariant> parameters = companyExportParameters(host.db(), profile, first.path(), &error);
    QVERIFY2(!parameters.isEmpty(), qPrintable(error));

    PluginHost plugin;
    QVERIFY2(plugin.loaded(), qPrintable(plugin.errorText()));
    plugin.exporter()->setDatabase(host.db());

    LogCapture log;
    QHash<QString, QVariant> result;
    const int lines = plugin.exporter()->makeExport(parameters, &result);
    QVERIFY2(lines > 400, qPrintable(QString::number(lines)));
    const QByteArray exported = readFile(first.path() + QLatin1Char('/') + result.value(QStringLiteral("fileName")).toString());
    QCOMPARE(exported.count('\n'), lines);
    // No statement may fail on this data: a failed statement is a lost row.
    QCOMPARE(log.matching(QStringLiteral("warning"), QStringLiteral("SQLite ERROR")), QStringList());
    QCOMPARE(log.matching(QStringLiteral("warning"), QStringLiteral("ERROR (SELECT")), QStringList());

    parameters.insert(QStringLiteral("exportPath"), second.path());
    QHash<QString, QVariant> again;
    QCOMPARE(plugin.exporter()->makeExport(parameters, &again), lines);
    const QByteArray exportedAgain = readFile(second.path() + QLatin1Char('/') + again.value(QStringLiteral("fileName")).toString());
    QVERIFY2(exportedAgain == exported, qPrintable(firstDifference(exportedAgain, exported)));

    if (qEnvironmentVariableIsSet("ORVEX_WRITE_EXPECTED")) {
        QFile file(expectedPath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(exported);
        QSKIP("expected file written");
    }
    const QByteArray expected = readFile(expectedPath());
    QVERIFY2(!expected.isEmpty(), qPrintable(expectedPath()));
    QVERIFY2(exported == expected, qPrintable(firstDifference(exported, expected)));
}

QTEST_MAIN(TestScaleExport)
#include "test_scaleexport.moc"
