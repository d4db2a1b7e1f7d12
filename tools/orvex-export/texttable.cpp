#include "texttable.h"

#include "exporttext.h"

#include <algorithm>

void printTable(QTextStream& out, const QStringList& header, const QVector<QStringList>& rows, const QString& indent)
{
    QVector<int> widths(header.size());
    for (int column = 0; column < header.size(); ++column) {
        widths[column] = header[column].size();
        for (const QStringList& row : rows)
            widths[column] = std::max(widths[column], row[column].size());
    }
    auto printRow = [&](const QStringList& row) {
        QString line = indent + row[0].leftJustified(widths[0]);
        for (int column = 1; column < row.size(); ++column)
            line += QStringLiteral("  ") + row[column].rightJustified(widths[column]);
        out << line << '\n';
    };
    printRow(header);
    for (const QStringList& row : rows)
        printRow(row);
}

QString jsonTypeName(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Null: return QStringLiteral("null");
    case QJsonValue::Bool: return OrvexExport::tr("a true/false value");
    case QJsonValue::Double: return OrvexExport::tr("a number");
    case QJsonValue::String: return OrvexExport::tr("a text");
    case QJsonValue::Array: return OrvexExport::tr("a list");
    case QJsonValue::Object: return OrvexExport::tr("an object");
    case QJsonValue::Undefined: break;
    }
    return OrvexExport::tr("missing");
}
