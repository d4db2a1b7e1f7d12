#include "pluginhost.h"

#include <QPluginLoader>

QString pluginFilePath()
{
    return QStringLiteral(ORVEX_PLUGIN_PATH);
}

PluginHost::PluginHost()
{
    QPluginLoader loader(pluginFilePath());
    instance = loader.instance();
    if (!instance)
        loadError = loader.errorString();
}

PamExportInterface* PluginHost::exporter() const
{
    return qobject_cast<PamExportInterface*>(instance);
}

VerInfoInterface* PluginHost::versionInfo() const
{
    return qobject_cast<VerInfoInterface*>(instance);
}
