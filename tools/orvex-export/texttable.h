#ifndef ORVEX_EXPORT_TEXTTABLE_H
#define ORVEX_EXPORT_TEXTTABLE_H

#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVector>

// Small pieces of orvex-export's terminal text shared by its reports.

// A table with a left-aligned first column and right-aligned others, each
// line indented by `indent`.
void printTable(QTextStream& out, const QStringList& header, const QVector<QStringList>& rows,
                const QString& indent = QStringLiteral("  "));

// What a JSON value is, for a message naming a key of the wrong type
// ("a number", "a list", "missing").
QString jsonTypeName(const QJsonValue& value);

#endif // ORVEX_EXPORT_TEXTTABLE_H
