#include "changedvaluebinder.h"

#include <cstring>

ChangedValueBinder::ChangedValueBinder(QSqlQuery& statement, int positions) : statement(statement), bound(positions)
{
}

bool ChangedValueBinder::numberChanges(int position, Kind kind, quint64 bits)
{
    Bound& last = bound[position];
    if (last.kind == kind && last.bits == bits)
        return false;
    last.kind = kind;
    last.bits = bits;
    return true;
}

void ChangedValueBinder::bindInteger(int position, qint64 value)
{
    if (numberChanges(position, Integer, quint64(value)))
        statement.bindValue(position, value);
}

void ChangedValueBinder::bindReal(int position, double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    if (numberChanges(position, Real, bits))
        statement.bindValue(position, value);
}

void ChangedValueBinder::bindText(int position, const QString& value)
{
    Bound& last = bound[position];
    // isNull() takes part: a null and an empty text bind differently (NULL, '').
    if (last.kind == Text && last.text == value && last.text.isNull() == value.isNull())
        return;
    statement.bindValue(position, value);
    last.kind = Text;
    last.text = value;
}
