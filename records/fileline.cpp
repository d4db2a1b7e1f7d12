#include "fileline.h"

#include <QDebug>
#include <algorithm>

namespace {

// Characters below the blank but the tab: line breaks, and characters such as
// NUL or the DOS end-of-file mark that make an import stop reading its line
// or its file.
bool isControl(QChar c)
{
    return c.unicode() < 0x20 && c != QLatin1Char('\t');
}

} // namespace

QChar fileSeparator(bool given, const QString& option)
{
    if (!given)
        return QLatin1Char('|');
    if (option.isEmpty()) {
        qWarning() << "Orvexuniversal::createCSVfile() ::: separator is empty, using \"|\"";
        return QLatin1Char('|');
    }
    if (option.size() > 1)
        qWarning() << "Orvexuniversal::createCSVfile() ::: separator" << option
                   << "is longer than one character, using" << QString(option.at(0));
    // A line break between the fields would cut every line into its fields.
    if (isControl(option.at(0))) {
        qWarning() << "Orvexuniversal::createCSVfile() ::: separator" << option
                   << "is a line break or a control character, using \"|\"";
        return QLatin1Char('|');
    }
    return option.at(0);
}

bool breaksFileLine(QChar c, QChar separator)
{
    return c == separator || isControl(c);
}

bool cleanFileField(QString& field, QChar separator)
{
    const QChar* const begin = field.constData();
    const QChar* const end = begin + field.size();
    if (std::none_of(begin, end, [separator](QChar c) { return breaksFileLine(c, separator); }))
        return false;
    for (QChar& c : field)
        if (breaksFileLine(c, separator))
            c = QLatin1Char(' ');
    return true;
}

QString fileLineText(const QStringList& fields, QChar separator, bool separatorOnEnd)
{
    QString line;
    for (const QString& field : fields)
        line += field + separator;
    line.chop(1); // the separator after the last field
    if (separatorOnEnd) {
        if (!line.endsWith(separator))
            line += separator;
    } else if (line.endsWith(separator)) {
        line.chop(1);
    }
    return line;
}
