#include "logcapture.h"

#include <QMutex>

namespace {
QStringList captured;
QMutex capturedLock;

void captureMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    const char* level = "debug";
    switch (type) {
    case QtDebugMsg: level = "debug"; break;
    case QtInfoMsg: level = "info"; break;
    case QtWarningMsg: level = "warning"; break;
    case QtCriticalMsg: level = "critical"; break;
    case QtFatalMsg: level = "fatal"; break;
    }
    QMutexLocker lock(&capturedLock);
    captured << QString::fromLatin1(level) + QLatin1Char(' ') + message;
}
} // namespace

LogCapture::LogCapture() : previous(qInstallMessageHandler(captureMessage))
{
    clear();
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previous);
}

QStringList LogCapture::lines() const
{
    QMutexLocker lock(&capturedLock);
    return captured;
}

QStringList LogCapture::matching(const QString& level, const QString& part) const
{
    QStringList found;
    for (const QString& line : lines())
        if (line.startsWith(level + QLatin1Char(' ')) && line.contains(part))
            found << line;
    return found;
}

void LogCapture::clear()
{
    QMutexLocker lock(&capturedLock);
    captured.clear();
}
