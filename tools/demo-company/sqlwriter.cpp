#include "sqlwriter.h"

void SqlWriter::insert(const QString& table, const QStringList& columns, const QVariantList& values)
{
    QStringList names, literals;
    for (const QString& column : columns)
        names << QLatin1Char('`') + column + QLatin1Char('`');
    for (const QVariant& value : values)
        literals << literal(value);
    statement(QStringLiteral("INSERT INTO `%1` (%2) VALUES (%3)")
                  .arg(table, names.join(QStringLiteral(", ")), literals.join(QStringLiteral(", "))));
}

QString SqlWriter::literal(const QVariant& value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    switch (value.type()) {
    case QVariant::Int:
    case QVariant::UInt:
    case QVariant::LongLong:
    case QVariant::ULongLong:
        return value.toString();
    case QVariant::Double:
        return QString::number(value.toDouble(), 'g', 15);
    default: {
        QString text = value.toString();
        text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        text.replace(QLatin1Char('\''), QStringLiteral("''"));
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    }
    }
}
