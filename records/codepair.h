#ifndef CODEPAIR_H
#define CODEPAIR_H

#include <QString>
#include <QStringList>

// A payroll code text: one code for every row, or a days code and an hours
// code joined by "/" ("10/20"). The text is split at "/" keeping empty parts,
// so "/20" has an empty days code and "10/" an empty hours code.
class CodePair
{
public:
    explicit CodePair(const QString& text = QString());

    QString text() const { return whole; }
    // The text before "/": the code of every row that is not in hours.
    QString daysCode() const;
    // The second piece of the split at "/" ("1/2/3" gives "2"), or the
    // whole text when it has no "/".
    QString hoursCode() const;
    QString codeFor(bool inHours) const { return inHours ? hoursCode() : daysCode(); }

private:
    QString whole;
    QStringList parts;
};

#endif // CODEPAIR_H
