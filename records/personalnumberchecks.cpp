#include "personalnumberchecks.h"

#include <QSet>

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

} // namespace

PersonalNumberFaults personalNumberFaults(const QString& number)
{
    PersonalNumberFaults faults;
    if (number.isEmpty()) {
        faults.empty = true;
        return faults;
    }
    faults.blankAtEnd = number.at(0).isSpace() || number.at(number.size() - 1).isSpace();
    for (const QChar c : number) {
        faults.control = faults.control || isControl(c);
        faults.quote = faults.quote || c == QLatin1Char('"') || c == QLatin1Char('\'');
    }
    return faults;
}

QMap<QString, QVector<unsigned>> sharedPersonalNumbers(const QVector<unsigned>& uids,
                                                       const QHash<unsigned, QString>& numbers)
{
    QMap<QString, QVector<unsigned>> byNumber;
    QSet<unsigned> seen;
    for (const unsigned uid : uids) {
        if (seen.contains(uid))
            continue;
        seen.insert(uid);
        byNumber[numbers.value(uid)].append(uid);
    }
    for (auto it = byNumber.begin(); it != byNumber.end();)
        it = it.value().size() > 1 ? it + 1 : byNumber.erase(it);
    return byNumber;
}

bool isOddPersonalNumber(const QString& number)
{
    return personalNumberFaults(number).any();
}

namespace {

// `text` with control characters written as escapes; the tab and DEL only
// when `allControls`.
QString visibleText(const QString& text, bool allControls)
{
    QString shown;
    for (const QChar c : text) {
        if (c == QLatin1Char('\r'))
            shown += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            shown += QLatin1String("\\n");
        else if (allControls && c == QLatin1Char('\t'))
            shown += QLatin1String("\\t");
        else if (allControls ? isControl(c) : c.unicode() < 0x20 && c != QLatin1Char('\t'))
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

} // namespace

QString visiblePersonalNumber(const QString& number)
{
    return visibleText(number, true);
}

QString visibleLineBreaks(const QString& value)
{
    return visibleText(value, false);
}
