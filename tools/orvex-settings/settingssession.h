#ifndef ORVEX_SETTINGS_SETTINGSSESSION_H
#define ORVEX_SETTINGS_SETTINGSSESSION_H

#include <QHash>
#include <QSize>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

// What the command line asks for.
struct SettingsRequest
{
    QString pluginPath;
    QString socket;
    QString host;
    int port = 0;
    QString user;
    QString database;
    int settingsId = 0;       // 0: the first record of the plug-in's type
    QString screenshotDir;    // set: save one PNG per tab and quit
    int autoCloseMs = -1;     // >= 0: close the page after this many milliseconds
    QString language;         // empty: the Slovak source texts
    QSize size;               // invalid: the page's own size
};

// Parses the arguments (the program name first). False with errorText on a
// usage error; `helpText` is filled when --help was asked for.
bool parseSettingsArguments(const QStringList& arguments, SettingsRequest& request, QString& helpText,
                            QString& errorText);

// Opens the host's database as the application's default connection: the
// options page reads the stored settings through that one.
bool openDefaultHostDatabase(const SettingsRequest& request, const QString& password, QString& errorText);

// The options record ("optWidget") of the stored settings record `id`, or
// with id 0 of the first record of `type`. `found` is false when there is
// no record of the type at all (the page then starts from an empty record).
bool readOptionsRecord(const QString& type, int id, QHash<QString, QVariant>& record, bool& found,
                       QString& errorText);

#endif // ORVEX_SETTINGS_SETTINGSSESSION_H
