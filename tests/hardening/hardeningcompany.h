// The company of the hardening tests: March 2024, interruption types 1 Práca,
// 7 Dovolenka, 14 OČR, 15 PN, a person per personal number (uid 1, 2, ..., pid
// 100 + uid) who works the weekdays (8 h fund and work, an hour of night work on
// Mondays), is on leave on 4 March, sick 11-13 March, and has closed the month.
#ifndef HARDENINGCOMPANY_H
#define HARDENINGCOMPANY_H

#include "hostdatabase.h"

#include <QFile>
#include <QStringList>

enum { HardeningLinesPerPerson = 6 }; // with hardeningOptions()
const QString hardeningFileName = QStringLiteral("ds032024_ID-1.txt");
const QString peopleListFailure = QStringLiteral("Zoznam zamestnancov pre export nebolo možné načítať z databázy");

inline void buildHardeningCompany(TestHostDb& db, const QVariantList& personalNumbers)
{
    db.setVar("advancedOvertime", "0");
    db.addGroup(1, QStringLiteral("Výroba"));
    db.addInterruptionType(1, QStringLiteral("Práca"));
    db.addInterruptionType(7, "Dovolenka");
    db.addInterruptionType(14, QStringLiteral("OČR"));
    db.addInterruptionType(15, "PN");
    for (int i = 0; i < personalNumbers.size(); ++i) {
        const unsigned uid = unsigned(i + 1);
        db.addPerson(uid, int(100 + uid),
                     {{"pamId", personalNumbers.at(i)}, {"surname", QStringLiteral("Osoba %1").arg(uid)}, {"gid", 1}});
        for (QDate day(2024, 3, 1); day.month() == 3; day = day.addDays(1)) {
            const unsigned absence = day.day() == 4 ? 7 : day.day() >= 11 && day.day() <= 13 ? 15 : 0;
            if (day.dayOfWeek() > 5)
                continue;
            const int work = absence ? 0 : 28800;
            db.addDay(uid, day, {{"fond", 28800}, {"work", work}, {"night", work && day.dayOfWeek() == 1 ? 3600 : 0}});
            if (absence)
                db.addInterruption(uid, absence, QDateTime(day, QTime(7, 0)), 28800);
        }
        db.closeMonth(uid, 202403, 21, 21, 0);
    }
}

// Settings of an options row: export type, value kind, date-from and date-to choices.
inline QVariantMap hardeningRow(int type, int value, int from, int to)
{
    return {{"0", type}, {"1", value}, {"2", from}, {"3", to}};
}

// Work and the full fund as month totals, leave per day, sick leave in spans, night work per day.
inline QVariantMap hardeningOptions(const QVariant& separator = QStringLiteral("|"))
{
    return {{"comboIntPN", "PN"}, {"comboIntOCR", QStringLiteral("OČR")}, {"dateFormat", "dd.MM.yyyy"},
            {"separator", separator}, {"isSeparatorOnEnd", false},
            {QStringLiteral("Práca"), hardeningRow(2, 2, 2, 2)}, {"Dovolenka", hardeningRow(0, 1, 1, 1)},
            {"PN", hardeningRow(1, 1, 3, 3)}, {QStringLiteral("Práca v noci"), hardeningRow(0, 2, 1, 1)},
            {QStringLiteral("Plný fond"), hardeningRow(1, 1, 2, 2)}};
}

// The March 2024 export of `people` ("all" or ids). Codes: work `workCode`, leave 9, care 10,
// sick leave 11; items: night work (3) 85, the full fund (12) `fullFundCode`.
inline QHash<QString, QVariant> hardeningParameters(const QString& people, const QString& exportPath,
                                                    const QVariantMap& options = hardeningOptions(),
                                                    const QString& workCode = QStringLiteral("1"),
                                                    const QString& fullFundCode = QStringLiteral("-1"))
{
    QHash<QString, QVariant> parameters{
        {"pamSettingsId", 1}, {"allPeople", people == "all"}, {"selPeople", people == "all" ? QString() : people},
        {"inters", QVariantMap{{"1", workCode}, {"7", "9"}, {"14", "10"}, {"15", "11"}}},
        {"items", QVariantList{"", "", "", "85", "", "", "", "", "", "", "", "", fullFundCode}},
        {"optWidget", options}, {"exportPath", exportPath}};
    return parameters.unite(monthPeriod(2024, 3));
}

inline QByteArray textFileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? file.readAll() : QByteArray("<no file>");
}

// The lines of a file without their line breaks (NUL characters kept); none for no file.
inline QStringList fileLines(const QString& path)
{
    const QByteArray bytes = QFile::exists(path) ? textFileBytes(path) : QByteArray();
    QStringList lines = QString::fromLocal8Bit(bytes.constData(), bytes.size()).split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

#endif // HARDENINGCOMPANY_H
