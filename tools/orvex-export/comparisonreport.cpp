#include "comparisonreport.h"

#include "controlsummary.h"
#include "exporttext.h"
#include "texttable.h"

#include <QFileInfo>
#include <QJsonArray>

#include <cmath>

namespace {

const int listedItems = 15;

QString who(const ComparedPerson& person)
{
    return person.name.isEmpty() ? person.personalNumber
                                 : QStringLiteral("%1 %2").arg(person.personalNumber, person.name);
}

// "1 person", "2 people"; in Slovak the three forms of "zamestnanec".
QString people(int count)
{
    return OrvexExport::tr("%n people", nullptr, count);
}

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QString codeList(const QStringList& codes)
{
    return codes.isEmpty() ? QStringLiteral("-") : codes.join(QStringLiteral(", "));
}

QString signedAmount(double amount)
{
    return (amount > 0 ? QStringLiteral("+") : QString()) + amountText(amount);
}

QString changeText(const AmountChange& change)
{
    QString text = QStringLiteral("%1 -> %2 (%3").arg(amountText(change.before.amount), amountText(change.now.amount),
                                                      signedAmount(change.change()));
    if (change.hasPercent())
        text += QStringLiteral(", %1 %").arg(signedAmount(std::round(change.percent())));
    return text + QLatin1Char(')');
}

// Prints at most `listedItems` lines, then how many more there are.
template <typename List, typename Text>
void printList(QTextStream& out, const QString& title, const List& items, Text text)
{
    if (items.isEmpty())
        return;
    out << "  " << title << '\n';
    for (int i = 0; i < items.size() && i < listedItems; ++i)
        out << "    " << text(items[i]) << '\n';
    if (items.size() > listedItems)
        out << "    " << OrvexExport::tr("… and %1 more").arg(items.size() - listedItems) << '\n';
}

QString outsideText(const LineOutsideEmployment& line)
{
    const QString when = line.afterEnd
                             ? OrvexExport::tr("after the end of employment on %1").arg(dateText(line.end))
                             : OrvexExport::tr("before the start of employment on %1").arg(dateText(line.begin));
    return OrvexExport::tr("line %1: %2, code %3, %4 - %5, %6")
        .arg(line.lineNumber)
        .arg(who(line), line.code, line.dateFrom, line.dateTo, when);
}

void printCodeTable(QTextStream& out, const MonthComparison& comparison)
{
    const QStringList header{OrvexExport::tr("Payroll code"), OrvexExport::tr("Rows before"),
                             OrvexExport::tr("Amount before"), OrvexExport::tr("Rows now"),
                             OrvexExport::tr("Amount now"), OrvexExport::tr("Change")};
    QVector<QStringList> rows;
    for (const CodeComparison& code : comparison.codes)
        rows << QStringList{code.code.isEmpty() ? OrvexExport::tr("(no code)") : code.code,
                            QString::number(code.before.rows), amountText(code.before.amount),
                            QString::number(code.now.rows), amountText(code.now.amount),
                            signedAmount(code.now.amount - code.before.amount)};
    printTable(out, header, rows, QStringLiteral("    "));
}

QJsonObject personJson(const ComparedPerson& person)
{
    return QJsonObject{{QStringLiteral("personalNumber"), person.personalNumber},
                       {QStringLiteral("name"), person.name}};
}

QJsonObject amountsJson(const Amounts& amounts, const QString& prefix)
{
    const bool plain = prefix.isEmpty();
    return QJsonObject{{plain ? QStringLiteral("rows") : prefix + QStringLiteral("Rows"), amounts.rows},
                       {plain ? QStringLiteral("amount") : prefix + QStringLiteral("Amount"),
                        std::round(amounts.amount * 1e6) / 1e6}};
}

QJsonObject merged(QJsonObject object, const QJsonObject& more)
{
    for (auto it = more.constBegin(); it != more.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

} // namespace

void printComparison(QTextStream& out, const MonthComparison& c)
{
    out << '\n';
    if (!c.compared) {
        out << OrvexExport::tr("No comparison with the month before: %1").arg(c.note) << '\n';
        printList(out, OrvexExport::tr("Lines dated outside employment:"), c.outsideEmployment, outsideText);
        out.flush();
        return;
    }
    out << OrvexExport::tr("Comparison with %1 (%2, %n lines)", nullptr, c.previousLines)
               .arg(QFileInfo(c.previousFile).fileName(), c.previousMonth)
        << '\n';
    out << "  "
        << OrvexExport::tr("Paid last month: %1, this month: %2").arg(people(c.peopleBefore), people(c.peopleNow))
        << '\n';
    out << "  " << OrvexExport::tr("Missing now: %1 (without a known reason: %2); new: %3")
                       .arg(people(c.missing.size()))
                       .arg(c.unexplainedMissing())
                       .arg(people(c.newPeople.size()))
        << '\n';
    out << "  " << OrvexExport::tr("Amounts changed by more than %1 % and at least %2: %3")
                       .arg(amountText(c.variancePercent), amountText(c.minimumChange)).arg(c.changes.size())
        << '\n';
    out << "  " << OrvexExport::tr("Codes appeared: %1; vanished: %2; lines dated outside employment: %3")
                       .arg(codeList(c.codesAppeared), codeList(c.codesVanished))
                       .arg(c.outsideEmployment.size())
        << '\n';
    if (c.previousUnreadable > 0)
        out << "  " << OrvexExport::tr("Lines of the earlier file that could not be read: %1").arg(c.previousUnreadable)
            << '\n';
    printList(out, OrvexExport::tr("Missing now:"), c.missing, [](const MissingPerson& p) {
        return QStringLiteral("%1: %2 (%3)").arg(who(p), missingReasonText(p.reason),
                                                 OrvexExport::tr("%n lines before", nullptr, p.before.rows));
    });
    printList(out, OrvexExport::tr("New:"), c.newPeople, [](const NewPerson& p) {
        if (!p.begin.isValid())
            return who(p);
        return QStringLiteral("%1: %2").arg(who(p), OrvexExport::tr("employed from %1").arg(dateText(p.begin)));
    });
    printList(out, OrvexExport::tr("Changed amounts, largest first:"), c.changes, [](const AmountChange& change) {
        return OrvexExport::tr("%1, code %2: %3").arg(who(change), change.code, changeText(change));
    });
    printList(out, OrvexExport::tr("Lines dated outside employment:"), c.outsideEmployment, outsideText);
    out << "  " << OrvexExport::tr("Totals per code:") << '\n';
    printCodeTable(out, c);
    out.flush();
}

QJsonObject comparisonJson(const MonthComparison& c)
{
    QJsonArray missing, newPeople, changes, codes, outside;
    for (const MissingPerson& p : c.missing)
        missing.append(merged(merged(personJson(p), amountsJson(p.before, QStringLiteral("previous"))),
                              {{QStringLiteral("reason"), missingReasonKey(p.reason)},
                               {QStringLiteral("reasonText"), missingReasonText(p.reason)}}));
    for (const NewPerson& p : c.newPeople)
        newPeople.append(merged(merged(personJson(p), amountsJson(p.now, QString())),
                                {{QStringLiteral("employmentBegin"), p.begin.toString(Qt::ISODate)}}));
    for (const AmountChange& change : c.changes) {
        QJsonObject item = merged(merged(personJson(change), amountsJson(change.before, QStringLiteral("previous"))),
                                  amountsJson(change.now, QString()));
        item.insert(QStringLiteral("code"), change.code);
        item.insert(QStringLiteral("change"), std::round(change.change() * 1e6) / 1e6);
        item.insert(QStringLiteral("changePercent"),
                    change.hasPercent() ? QJsonValue(std::round(change.percent() * 10) / 10) : QJsonValue());
        changes.append(item);
    }
    for (const CodeComparison& code : c.codes)
        codes.append(merged(merged(QJsonObject{{QStringLiteral("code"), code.code}},
                                   amountsJson(code.before, QStringLiteral("previous"))),
                            amountsJson(code.now, QString())));
    for (const LineOutsideEmployment& line : c.outsideEmployment)
        outside.append(merged(personJson(line), {{QStringLiteral("line"), line.lineNumber},
                                                 {QStringLiteral("code"), line.code},
                                                 {QStringLiteral("dateFrom"), line.dateFrom},
                                                 {QStringLiteral("dateTo"), line.dateTo},
                                                 {QStringLiteral("employmentBegin"), line.begin.toString(Qt::ISODate)},
                                                 {QStringLiteral("employmentEnd"), line.end.toString(Qt::ISODate)},
                                                 {QStringLiteral("afterEnd"), line.afterEnd}}));
    return QJsonObject{{QStringLiteral("compared"), c.compared},
                       {QStringLiteral("note"), c.note},
                       {QStringLiteral("previousFile"), c.previousFile},
                       {QStringLiteral("previousMonth"), c.previousMonth},
                       {QStringLiteral("previousLines"), c.previousLines},
                       {QStringLiteral("previousUnreadableLines"), c.previousUnreadable},
                       {QStringLiteral("variancePercent"), c.variancePercent},
                       {QStringLiteral("minimumChange"), c.minimumChange},
                       {QStringLiteral("peopleBefore"), c.peopleBefore},
                       {QStringLiteral("peopleNow"), c.peopleNow},
                       {QStringLiteral("missingWithoutReason"), c.unexplainedMissing()},
                       {QStringLiteral("missing"), missing},
                       {QStringLiteral("newPeople"), newPeople},
                       {QStringLiteral("changes"), changes},
                       {QStringLiteral("codesAppeared"), QJsonArray::fromStringList(c.codesAppeared)},
                       {QStringLiteral("codesVanished"), QJsonArray::fromStringList(c.codesVanished)},
                       {QStringLiteral("codes"), codes},
                       {QStringLiteral("outsideEmployment"), outside}};
}
