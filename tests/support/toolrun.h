#ifndef TOOLRUN_H
#define TOOLRUN_H

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// One run of a built tool as a process: its exit code (-1 when it did not end
// normally within five minutes), standard output and standard error.
struct Run
{
    int exitCode = -1;
    QByteArray out;
    QString err;
    QJsonObject json() const;
};

// Runs `program` with `arguments` in this process's environment without
// ORVEX_DB_PASSWORD (a password the tool must not pick up from the caller),
// plus the NAME=VALUE settings of `environment`.
Run runProgram(const QString& program, const QStringList& arguments, const QStringList& environment = {});

#endif // TOOLRUN_H
