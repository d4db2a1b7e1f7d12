#include "logcapture.h"

#include <QMutex>

namespace {
QStringList captured;
QMutex capturedLock;

void captureMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    static const char* const levels[] = {"debug", "warning", "critical", "fatal", "info"}; // by QtMsgType
    QMutexLocker lock(&capturedLock);
    captured << QString::fromLatin1(levels[type]) + QLatin1Char(' ') + message;
}
} // namespace

LogCapture::LogCapture() : previous(qInstallMessageHandler(captureMessage))
{
    QMutexLocker lock(&capturedLock);
    captured.clear();
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previous);
}

QStringList LogCapture::matching(const QString& level, const QString& part) const
{
    QMutexLocker lock(&capturedLock);
    QStringList found;
    for (const QString& line : captured)
        if (line.startsWith(level + QLatin1Char(' ')) && line.contains(part))
            found << line;
    return found;
}
