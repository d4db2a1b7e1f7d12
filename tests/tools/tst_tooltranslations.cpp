// The tools' translations (tools/translations): every text the tools can
// print has a finished Slovak translation with the placeholders of its
// source, plural forms in the numbers of each language, no Slovak word
// written without its diacritics; the compiled-in translation gives the three
// forms of "zamestnanec"; orvex-export speaks the language asked for.

#include "toollanguage.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context, source;
    bool numerus = false;
    bool unfinished = false;
    QStringList translations; // one, or the plural forms
};

QVector<Message> readTs(const QString& path, QString& errorText)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            message = Message{context, QString(), xml.attributes().value("numerus") == QLatin1String("yes"), false, {}};
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            message.unfinished = !xml.attributes().value("type").isEmpty();
            if (!message.numerus) {
                message.translations << xml.readElementText();
                messages << message;
            }
        } else if (xml.name() == QLatin1String("numerusform")) {
            message.translations << xml.readElementText();
            if (messages.isEmpty() || messages.last().source != message.source || messages.last().context != message.context)
                messages << message;
            else
                messages.last() = message;
        }
    }
    if (xml.hasError())
        errorText = xml.errorString();
    return messages;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%(\\d+|n)")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(0);
    found.sort();
    return found;
}

const QString translations = QStringLiteral(ORVEX_SOURCE_DIR "/tools/translations/");

} // namespace

class TestToolTranslations : public QObject
{
    Q_OBJECT

private slots:
    void finished_data();
    void finished();
    void everySourceTextTranslated();
    void pluralForms_data();
    void pluralForms();
    void exportSpeaksTheLanguage_data();
    void exportSpeaksTheLanguage();
};

void TestToolTranslations::finished_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("forms"); // plural forms of the language
    QTest::newRow("Slovak") << "orvextools_sk.ts" << 3;
    QTest::newRow("English") << "orvextools_en.ts" << 2;
    QTest::newRow("Qt's parser in Slovak") << "qcommandlineparser_sk.ts" << 3;
}

void TestToolTranslations::finished()
{
    QFETCH(QString, file);
    QFETCH(int, forms);
    QString errorText;
    const QVector<Message> messages = readTs(translations + file, errorText);
    QVERIFY2(errorText.isEmpty(), qPrintable(errorText));
    QVERIFY(!messages.isEmpty());
    // Slovak words that lost their diacritics.
    const QRegularExpression plain(QStringLiteral("\\b(subor|suboru|datum|datumom|cislo|kod|kody|dovod|dovodu|uz|"
                                                  "moze|mozne|ziadn\\w*|zaznam|nastaveni|pocet|hodnot)\\b"),
                                   QRegularExpression::CaseInsensitiveOption
                                       | QRegularExpression::UseUnicodePropertiesOption);
    for (const Message& message : messages) {
        const QString what = message.context + ": " + message.source;
        QVERIFY2(!message.unfinished, qPrintable("unfinished: " + what));
        QCOMPARE(message.translations.size(), message.numerus ? forms : 1);
        for (const QString& translation : message.translations) {
            QVERIFY2(!translation.trimmed().isEmpty(), qPrintable("empty: " + what));
            QVERIFY2(placeholders(translation) == placeholders(message.source), qPrintable("placeholders: " + what));
            if (forms == 3)
                QVERIFY2(!plain.match(translation).hasMatch(), qPrintable("diacritics: " + translation));
        }
    }
}

// lupdate over the tools' sources into a copy of the Slovak file: a text
// added to the code without a translation comes out unfinished.
void TestToolTranslations::everySourceTextTranslated()
{
    QTemporaryDir work;
    const QString copy = work.filePath("orvextools_sk.ts");
    QVERIFY(QFile::copy(translations + "orvextools_sk.ts", copy));
    QStringList arguments{"-no-obsolete", "-locations", "none", "-source-language", "en", "-silent"};
    for (const char* folder : {"common", "orvex-export", "orvex-prepare-test", "orvex-settings"}) {
        QDirIterator it(QStringLiteral(ORVEX_SOURCE_DIR "/tools/") + folder, {"*.cpp", "*.h"}, QDir::Files);
        while (it.hasNext())
            arguments << it.next();
    }
    QProcess lupdate;
    lupdate.start(QStringLiteral(ORVEX_LUPDATE), arguments << "-ts" << copy);
    QVERIFY(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0);
    QString errorText;
    for (const Message& message : readTs(copy, errorText))
        QVERIFY2(!message.unfinished, qPrintable("not translated: " + message.context + ": " + message.source));
    QVERIFY2(errorText.isEmpty(), qPrintable(errorText));
}

void TestToolTranslations::pluralForms_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");
    QTest::newRow("sk 1") << "sk" << 1 << QString::fromUtf8("1 zamestnanec");
    QTest::newRow("sk 2") << "sk" << 2 << QString::fromUtf8("2 zamestnanci");
    QTest::newRow("sk 4") << "sk" << 4 << QString::fromUtf8("4 zamestnanci");
    QTest::newRow("sk 5") << "sk" << 5 << QString::fromUtf8("5 zamestnancov");
    QTest::newRow("sk 0") << "sk" << 0 << QString::fromUtf8("0 zamestnancov");
    QTest::newRow("sk 22") << "sk" << 22 << QString::fromUtf8("22 zamestnancov");
    QTest::newRow("en 1") << "en" << 1 << "1 person";
    QTest::newRow("en 3") << "en" << 3 << "3 people";
}

void TestToolTranslations::pluralForms()
{
    QFETCH(QString, language);
    QFETCH(int, count);
    QVERIFY(installToolTranslation(language));
    QTEST(QCoreApplication::translate("OrvexExport", "%n people", nullptr, count), "text");
}

void TestToolTranslations::exportSpeaksTheLanguage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("messages"); // LANGUAGE, when set
    QTest::addColumn<QString>("expected");
    const QString slovak = QString::fromUtf8("Porovnať s týmto mzdovým súborom");
    const QString english = QStringLiteral("Compare with this payroll file");
    QTest::newRow("--language sk") << QStringList{"--language", "sk", "--help"} << "C" << "" << slovak;
    QTest::newRow("Qt's parser in Slovak") << QStringList{"--language", "sk", "--help"} << "C" << ""
                                           << QString::fromUtf8("Zobrazí pomoc k voľbám príkazového riadku.");
    QTest::newRow("--language en in a Slovak locale") << QStringList{"--language=en", "--help"} << "sk_SK.UTF-8"
                                                      << "" << english;
    QTest::newRow("a Slovak locale") << QStringList{"--help"} << "sk_SK.UTF-8" << "" << slovak;
    QTest::newRow("English messages in a Slovak locale") << QStringList{"--help"} << "sk_SK.UTF-8" << "en" << english;
    QTest::newRow("Slovak messages in another locale") << QStringList{"--help"} << "C" << "sk" << slovak;
    QTest::newRow("another locale") << QStringList{"--help"} << "C" << "" << english;
}

void TestToolTranslations::exportSpeaksTheLanguage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LANGUAGE");
    env.insert("LC_ALL", locale);
    env.insert("LANG", locale);
    QFETCH(QString, messages);
    if (!messages.isEmpty())
        env.insert("LANGUAGE", messages);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ORVEX_EXPORT_PROGRAM), arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QFETCH(QString, expected);
    QVERIFY2(out.contains(expected), qPrintable(out));
}

QTEST_GUILESS_MAIN(TestToolTranslations)
#include "tst_tooltranslations.moc"
