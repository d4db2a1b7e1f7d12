#include "pluginhost.h"

#include <QFile>
#include <QPluginLoader>

QString pluginFilePath()
{
    return QStringLiteral(ORVEX_PLUGIN_PATH);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file " + path.toUtf8() + ">");
}

QByteArray nativeLines(QByteArray text)
{
#ifdef Q_OS_WIN
    text.replace("\n", "\r\n");
#endif
    return text;
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
