#include "hardeningcompany.h"

#include <QDateTime>
#include <QFile>

namespace {

QVariantMap rowSettings(int type, int value, int from, int to)
{
    return {{"0", type}, {"1", value}, {"2", from}, {"3", to}};
}

bool onLeave(const QDate& day)
{
    return day.day() == 4;
}

bool onSickLeave(const QDate& day)
{
    return day.day() >= 11 && day.day() <= 13;
}

} // namespace

void buildHardeningCompany(TestHostDb& db, const QVariantList& personalNumbers)
{
    db.setVar(QStringLiteral("advancedOvertime"), QStringLiteral("0"));
    db.addGroup(1, QStringLiteral("Výroba"));
    db.addInterruptionType(1, QStringLiteral("Práca"));
    db.addInterruptionType(7, QStringLiteral("Dovolenka"));
    db.addInterruptionType(14, QStringLiteral("OČR"));
    db.addInterruptionType(15, QStringLiteral("PN"));

    for (int i = 0; i < personalNumbers.size(); ++i) {
        const unsigned uid = unsigned(i + 1);
        db.addPerson(uid, int(100 + uid),
                     {{"pamId", personalNumbers.at(i)}, {"surname", QStringLiteral("Osoba %1").arg(uid)}, {"gid", 1}});
        for (QDate day(2024, 3, 1); day.month() == 3; day = day.addDays(1)) {
            if (day.dayOfWeek() > 5)
                continue;
            QVariantHash columns{{"fond", 28800}};
            if (!onLeave(day) && !onSickLeave(day)) {
                columns.insert("work", 28800);
                if (day.dayOfWeek() == 1)
                    columns.insert("night", 3600);
            }
            db.addDay(uid, day, columns);
            if (onLeave(day))
                db.addInterruption(uid, 7, QDateTime(day, QTime(7, 0)), 28800);
            if (onSickLeave(day))
                db.addInterruption(uid, 15, QDateTime(day, QTime(7, 0)), 28800);
        }
        db.closeMonth(uid, 202403, 21, 21, 0);
    }
}

QVariantMap hardeningInters(const QString& workCode)
{
    return {{"1", workCode}, {"7", "9"}, {"14", "10"}, {"15", "11"}};
}

QVariantList hardeningItems(const QString& fullFundCode)
{
    return {"", "", "", "85", "", "", "", "", "", "", "", "", fullFundCode};
}

QVariantMap hardeningOptions(const QVariant& separator)
{
    QVariantMap options{{"comboIntPN", "PN"},
                        {"comboIntOCR", QStringLiteral("OČR")},
                        {"dateFormat", "dd.MM.yyyy"},
                        {"separator", separator},
                        {"isSeparatorOnEnd", false}};
    options.insert(QStringLiteral("Práca"), rowSettings(2, 2, 2, 2));
    options.insert(QStringLiteral("Dovolenka"), rowSettings(0, 1, 1, 1));
    options.insert(QStringLiteral("PN"), rowSettings(1, 1, 3, 3));
    options.insert(QStringLiteral("Práca v noci"), rowSettings(0, 2, 1, 1));
    options.insert(QStringLiteral("Plný fond"), rowSettings(1, 1, 2, 2));
    return options;
}

QHash<QString, QVariant> hardeningParameters(const QString& people, const QString& exportPath,
                                             const QVariantMap& options, const QVariant& inters,
                                             const QVariant& items)
{
    QHash<QString, QVariant> parameters = monthPeriod(2024, 3);
    parameters.insert(QStringLiteral("pamSettingsId"), 1);
    parameters.insert(QStringLiteral("allPeople"), people == QLatin1String("all"));
    parameters.insert(QStringLiteral("selPeople"), people == QLatin1String("all") ? QString() : people);
    parameters.insert(QStringLiteral("inters"), inters);
    parameters.insert(QStringLiteral("items"), items);
    parameters.insert(QStringLiteral("optWidget"), options);
    parameters.insert(QStringLiteral("exportPath"), exportPath);
    return parameters;
}

QString hardeningFileName()
{
    return QStringLiteral("ds032024_ID-1.txt");
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<no file>");
}

QStringList fileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QStringList();
    const QByteArray bytes = file.readAll(); // read whole, NUL characters included
    QStringList lines = QString::fromLocal8Bit(bytes.constData(), bytes.size()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}
