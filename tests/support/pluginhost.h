#ifndef PLUGINHOST_H
#define PLUGINHOST_H

#include "pamexportinterface.h"
#include "verinfointerface.h"

#include <QHash>
#include <QObject>
#include <QVariant>

// Plays the host's part: loads the built plug-in file through QPluginLoader
// and reaches it only through the host interfaces.
class PluginHost
{
public:
    PluginHost();

    bool loaded() const { return instance != nullptr; }
    QString errorText() const { return loadError; }
    QObject* object() const { return instance; }
    PamExportInterface* exporter() const;
    VerInfoInterface* versionInfo() const;

private:
    QObject* instance = nullptr;
    QString loadError;
};

// Path of the built plug-in file.
QString pluginFilePath();

// The bytes of a file (one the plug-in wrote, an expected one), or a marker
// naming it when it cannot be read.
QByteArray fileBytes(const QString& path);
// Text with this system's line ends, as the plug-in writes its file in text mode.
QByteArray nativeLines(QByteArray text);

#endif // PLUGINHOST_H
