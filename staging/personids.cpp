#include "personids.h"

#include <QStringList>

namespace {

bool isDecimalDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

bool parsePersonIds(const QString& text, QVector<unsigned>* ids, QString* badPart)
{
    QVector<unsigned> parsed;
    for (const QString& rawPart : text.split(QLatin1Char(','))) {
        const QString part = rawPart.trimmed();
        bool ok = false;
        const unsigned id = isDecimalDigits(part) ? part.toUInt(&ok) : 0;
        if (!ok) {
            if (badPart)
                *badPart = rawPart;
            return false;
        }
        parsed.append(id);
    }
    if (ids)
        *ids = parsed;
    return true;
}

QString personIdsText(const QVector<unsigned>& ids)
{
    QStringList parts;
    parts.reserve(ids.size());
    for (const unsigned id : ids)
        parts << QString::number(id);
    return parts.join(QLatin1Char(','));
}
