#include "changedvaluebinder.h"

#include <cstring>

ChangedValueBinder::ChangedValueBinder(QSqlQuery& statement, int positions) : statement(statement), bound(positions)
{
}

void ChangedValueBinder::bindInteger(int position, qint64 value)
{
    Bound& last = bound[position];
    if (last.kind == Integer && last.integer == value)
        return;
    statement.bindValue(position, value);
    last.kind = Integer;
    last.integer = value;
}

void ChangedValueBinder::bindReal(int position, double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Bound& last = bound[position];
    if (last.kind == Real && last.realBits == bits)
        return;
    statement.bindValue(position, value);
    last.kind = Real;
    last.realBits = bits;
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
