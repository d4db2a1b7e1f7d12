#ifndef ORVEX_SETTINGS_SETTINGSTEXT_H
#define ORVEX_SETTINGS_SETTINGSTEXT_H

#include <QCoreApplication>

// The context of orvex-settings' translatable texts: OrvexSettings::tr("...").
class OrvexSettings
{
    Q_DECLARE_TR_FUNCTIONS(OrvexSettings)
};

#endif // ORVEX_SETTINGS_SETTINGSTEXT_H
