#include "warningdigest.h"

#include "exporttext.h"

#include <QRegularExpression>

namespace {

const int shownPerKind = 3;

QString kindKey(const QString& level, const QString& text)
{
    static const QRegularExpression numbers(QStringLiteral("\\d+"));
    return level + QLatin1Char(' ') + QString(text).replace(numbers, QStringLiteral("#"));
}

} // namespace

QString shownLevel(const QString& level)
{
    if (level == QLatin1String("warning"))
        return OrvexExport::tr("warning");
    if (level == QLatin1String("critical"))
        return OrvexExport::tr("critical");
    return level;
}

void WarningDigest::add(const QString& level, const QString& text)
{
    const QString key = kindKey(level, text);
    auto found = indexByKey.constFind(key);
    if (found == indexByKey.constEnd()) {
        found = indexByKey.insert(key, kinds.size());
        Kind kind;
        kind.level = level;
        kinds << kind;
    }
    Kind& kind = kinds[found.value()];
    ++kind.count;
    if (kind.first.size() < shownPerKind)
        kind.first << text;
}

QStringList WarningDigest::lines() const
{
    QStringList lines;
    for (const Kind& kind : kinds) {
        if (kind.count == 1) {
            lines << OrvexExport::tr("plug-in %1: %2").arg(shownLevel(kind.level), kind.first.first());
            continue;
        }
        lines << OrvexExport::tr("plug-in %1, %2 times (the first %3; see --log or --verbose for all):")
                     .arg(shownLevel(kind.level)).arg(kind.count).arg(kind.first.size());
        for (const QString& text : kind.first)
            lines << QStringLiteral("  ") + text;
    }
    return lines;
}

void WarningDigest::clear()
{
    kinds.clear();
    indexByKey.clear();
}
