#ifndef LOGCAPTURE_H
#define LOGCAPTURE_H

#include <QStringList>
#include <QtGlobal>

// Collects the messages logged while it lives, as "<level> <text>" lines
// ("debug", "warning", "critical", "info"), and restores the earlier handler.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();

    // Lines of one level whose text contains `part`.
    QStringList matching(const QString& level, const QString& part) const;
    bool contains(const QString& level, const QString& part) const { return !matching(level, part).isEmpty(); }

private:
    QtMessageHandler previous;
};

#endif // LOGCAPTURE_H
