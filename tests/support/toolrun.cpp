#include "toolrun.h"

#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>

QJsonObject Run::json() const
{
    return QJsonDocument::fromJson(out).object();
}

Run runProgram(const QString& program, const QStringList& arguments, const QStringList& environment)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ORVEX_DB_PASSWORD"));
    for (const QString& setting : environment)
        env.insert(setting.section('=', 0, 0), setting.section('=', 1));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run run;
    if (process.waitForFinished(300000) && process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput();
        run.err = QString::fromLocal8Bit(process.readAllStandardError());
    }
    return run;
}
