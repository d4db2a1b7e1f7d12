#include "childprocess.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdio>

void result(const QString& key, const QVariant& value)
{
    std::printf("RESULT %s=%s\n", qPrintable(key), qPrintable(value.toString()));
    std::fflush(stdout);
}

int fail(const QString& text)
{
    std::fprintf(stderr, "orvex-bench-company: %s\n", qPrintable(text));
    return 1;
}

ChildFigures runChild(const QStringList& arguments)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    ChildFigures values;
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (!line.startsWith("RESULT "))
            continue;
        const int equals = line.indexOf('=');
        values.insert(QString::fromUtf8(line.mid(7, equals - 7)), QString::fromUtf8(line.mid(equals + 1)));
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        values.insert(QStringLiteral("failed"), child.exitStatus() == QProcess::NormalExit
                                                    ? QStringLiteral("exit code %1").arg(child.exitCode())
                                                    : QStringLiteral("crashed"));
    return values;
}
