#ifndef ORVEX_TOOLS_TOOLLANGUAGE_H
#define ORVEX_TOOLS_TOOLLANGUAGE_H

#include <QCommandLineOption>
#include <QLocale>
#include <QString>
#include <QStringList>

// The language of what the tools print: Slovak or English, compiled into the
// tools (tools/translations). The source texts are English; the English
// translation gives their plural forms.

// --language sk|en, for the tools' parsers (they read it before parsing: the
// help itself is translated).
QCommandLineOption languageOption();

// The value of --language (or --language=) among `arguments`; empty when not given.
QString languageArgument(const QStringList& arguments);

// "sk" or "en": `given` when it is one of them, else the language the system
// gives messages in, QLocale::system().uiLanguages(): Slovak when the first is
// Slovak, English otherwise. On Unix that is LANGUAGE, else LC_ALL,
// LC_MESSAGES or LANG, as gettext reads them (sk_SK.UTF-8 gives Slovak); on
// Windows the user's display language. False for another given language.
bool chooseToolLanguage(const QString& given, const QStringList& systemLanguages, QString& language);

// Installs the tools' translation of `language` into the application.
bool installToolTranslation(const QString& language);

#endif // ORVEX_TOOLS_TOOLLANGUAGE_H
