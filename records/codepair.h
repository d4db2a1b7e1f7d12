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
    // Part 0: the code of every row that is not in hours.
    QString daysCode() const;
    // Part 1 when the text has a "/", else part 0.
    QString hoursCode() const;
    QString codeFor(bool inHours) const { return inHours ? hoursCode() : daysCode(); }

private:
    QString whole;
    QStringList parts;
};

#endif // CODEPAIR_H
