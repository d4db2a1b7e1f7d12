#ifndef ORVEX_TOOLS_SQLSCRIPT_H
#define ORVEX_TOOLS_SQLSCRIPT_H

#include <QString>
#include <QStringList>

// The statements of an SQL script file (such as the host schema), in file
// order: comment lines ("--") are left out and a statement ends with the line
// that ends with ";". Empty when the file cannot be read.
QStringList sqlScriptStatements(const QString& path);

#endif // ORVEX_TOOLS_SQLSCRIPT_H
