#ifndef DEMO_SQLWRITER_H
#define DEMO_SQLWRITER_H

#include <QString>
#include <QStringList>
#include <QTextStream>
#include <QVariant>

// Writes INSERT statements, one per line, with values as SQL literals.
class SqlWriter
{
public:
    explicit SqlWriter(QTextStream& out) : out(out) {}

    void statement(const QString& sql) { out << sql << ";\n"; }
    void insert(const QString& table, const QStringList& columns, const QVariantList& values);

    // A value as a MariaDB literal: NULL, a number, or quoted text.
    static QString literal(const QVariant& value);

private:
    QTextStream& out;
};

#endif // DEMO_SQLWRITER_H
