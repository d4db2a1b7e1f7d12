#ifndef ORVEX_TOOLS_DEFAULTPLUGIN_H
#define ORVEX_TOOLS_DEFAULTPLUGIN_H

#include <QString>

// The plug-in file a program loads when it is not told one: the installed
// plug-in, ../plugins/<file name of builtPluginFile> beside the program's own
// folder, when that file exists (an installed tree, or the build tree whose
// bin/ and plugins/ lie side by side); otherwise builtPluginFile, the plug-in
// built with the program, when that exists; otherwise the installed path again,
// so that the error names the file an installation lacks. Needs the
// application object; without one it returns builtPluginFile.
QString defaultPluginFile(const QString& builtPluginFile);

#endif // ORVEX_TOOLS_DEFAULTPLUGIN_H
