#ifndef CHANGEDVALUEBINDER_H
#define CHANGEDVALUEBINDER_H

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVector>

// Binds the values of a prepared statement that runs once per row, binding a
// position again only when its value differs from the one bound for the row
// before. A bound value stays bound across exec() until it is replaced, so the
// statement sees the same values either way; binding through Qt costs more
// than the insert itself, and most columns of consecutive day records repeat
// (zeros, the same fund, the same person).
//
// Values keep their kind: integers are bound as qlonglong, real numbers as
// double (compared bit for bit, so -0.0 and NaN are bound as they come), text
// as QString. The binder must be the only one binding the statement.
class ChangedValueBinder
{
public:
    ChangedValueBinder(QSqlQuery& statement, int positions);

    void bindInteger(int position, qint64 value);
    void bindReal(int position, double value);
    void bindText(int position, const QString& value);

private:
    enum Kind { Unbound, Integer, Real, Text };
    struct Bound {
        Kind kind = Unbound;
        quint64 bits = 0; // an integer, or the bits of a real number
        QString text;
    };

    // Whether `position` holds other than a number of `kind` with `bits`;
    // it holds that number from now on.
    bool numberChanges(int position, Kind kind, quint64 bits);

    QSqlQuery& statement;
    QVector<Bound> bound;
};

#endif // CHANGEDVALUEBINDER_H
