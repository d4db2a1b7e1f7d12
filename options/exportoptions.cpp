#include "exportoptions.h"

#include "datechoice.h"
#include "rowsettings.h"

const char* const ExportOptions::separatorKey = "separator";
const char* const ExportOptions::separatorOnEndKey = "isSeparatorOnEnd";
const char* const ExportOptions::dateFormatKey = "dateFormat";
const char* const ExportOptions::noSickLeaveStartDateKey = "isNoPNstartDate";
const char* const ExportOptions::noSickLeaveEndDateKey = "isNoPNendDate";
const char* const ExportOptions::noSickLeaveWeekendsKey = "isNoPNWeekendsAndHolidays";
const char* const ExportOptions::sickLeaveKey = "comboIntPN";
const char* const ExportOptions::familyCareKey = "comboIntOCR";
const char* const ExportOptions::sickLeaveOfKeeperKey = "comboIntKarPN";
const char* const ExportOptions::familyCareOfKeeperKey = "comboIntKarOCR";

QString ExportOptions::defaultDateFormatShown()
{
    return QStringLiteral("ddMMyyyy");
}

QString ExportOptions::defaultSickLeaveName()
{
    return QStringLiteral("PN");
}

QString ExportOptions::defaultFamilyCareName()
{
    return QStringLiteral("OČR");
}

ExportOptions ExportOptions::fromRecord(const QHash<QString, QVariant>& record)
{
    const auto text = [&record](const char* key) { return record.value(QLatin1String(key)).toString(); };
    const auto flag = [&record](const char* key) { return record.value(QLatin1String(key)).toBool(); };
    ExportOptions options;
    options.record = record;
    options.separatorGiven = record.contains(QLatin1String(separatorKey));
    options.separator = text(separatorKey);
    options.separatorOnEnd = flag(separatorOnEndKey);
    options.dateFormat = dateFormatOption(record);
    options.noSickLeaveStartDate = flag(noSickLeaveStartDateKey);
    options.noSickLeaveEndDate = flag(noSickLeaveEndDateKey);
    options.noSickLeaveWeekendsAndHolidays = flag(noSickLeaveWeekendsKey);
    options.sickLeaveName = text(sickLeaveKey);
    options.familyCareName = text(familyCareKey);
    options.sickLeaveOfKeeperName = text(sickLeaveOfKeeperKey);
    options.familyCareOfKeeperName = text(familyCareOfKeeperKey);
    return options;
}

QHash<QString, QVariant> ExportOptions::rowSettings(const QString& displayedName, const QString& sourceName) const
{
    return variantHash(rowSettingsEntry(record, displayedName, sourceName));
}
