#include "defaultplugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString defaultPluginFile(const QString& builtPluginFile)
{
    if (!QCoreApplication::instance())
        return builtPluginFile;
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath()
                                              + QStringLiteral("/../plugins/")
                                              + QFileInfo(builtPluginFile).fileName());
    if (QFileInfo(installed).isFile() || !QFileInfo(builtPluginFile).isFile())
        return installed;
    return builtPluginFile;
}
