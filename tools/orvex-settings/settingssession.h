#ifndef ORVEX_SETTINGS_SETTINGSSESSION_H
#define ORVEX_SETTINGS_SETTINGSSESSION_H

#include "hostconnection.h"

#include <QSize>
#include <QString>
#include <QStringList>

// What the command line asks for.
struct SettingsRequest
{
    QString pluginPath;
    HostConnection connection;
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

#endif // ORVEX_SETTINGS_SETTINGSSESSION_H
