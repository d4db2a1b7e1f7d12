#include "toollanguage.h"

#include <QCoreApplication>
#include <QTranslator>

// The resource lives in this static library: it must be registered by name.
static void registerToolTranslations()
{
    Q_INIT_RESOURCE(orvextooltranslations);
}

QCommandLineOption languageOption()
{
    return QCommandLineOption(QStringLiteral("language"),
                              QCoreApplication::translate("OrvexTools", "The language of the output: sk or en "
                                                                        "(default: Slovak in a Slovak locale, "
                                                                        "else English)."),
                              QStringLiteral("sk|en"));
}

QString languageArgument(const QStringList& arguments)
{
    const QString option = QStringLiteral("--language");
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--"))
            break;
        if (arguments[i] == option && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(option + QLatin1Char('=')))
            return arguments[i].mid(option.size() + 1);
    }
    return QString();
}

bool chooseToolLanguage(const QString& given, const QStringList& systemLanguages, QString& language)
{
    if (given.isEmpty()) {
        const QString first = systemLanguages.value(0);
        language = first.startsWith(QLatin1String("sk")) ? QStringLiteral("sk") : QStringLiteral("en");
        return true;
    }
    language = given;
    return given == QLatin1String("sk") || given == QLatin1String("en");
}

bool installToolTranslation(const QString& language)
{
    registerToolTranslations();
    // They live as long as the application: the tools print until they end.
    static QTranslator tools, parser;
    if (!tools.load(QStringLiteral(":/translations/orvextools_%1.qm").arg(language)))
        return false;
    // Qt's parser speaks English on its own.
    if (language == QLatin1String("sk") && parser.load(QStringLiteral(":/translations/qcommandlineparser_sk.qm")))
        QCoreApplication::installTranslator(&parser);
    return QCoreApplication::installTranslator(&tools);
}
