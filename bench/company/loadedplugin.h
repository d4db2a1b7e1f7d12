#ifndef LOADEDPLUGIN_H
#define LOADEDPLUGIN_H

#include "pamexportinterface.h"

#include <QPluginLoader>
#include <QString>

// The plug-in loaded from its file as the host loads it; `exporter` is null
// when it did not load (loader.errorString() says why).
struct LoadedPlugin
{
    explicit LoadedPlugin(const QString& path)
        : loader(path), exporter(qobject_cast<PamExportInterface*>(loader.instance()))
    {
    }
    QPluginLoader loader;
    PamExportInterface* exporter;
};

#endif // LOADEDPLUGIN_H
