#ifndef EXPORTOPTIONS_H
#define EXPORTOPTIONS_H

#include <QHash>
#include <QString>
#include <QVariant>

// The export settings record ("optWidget") read once into typed values. Every
// key of the record and every default lives here; the export and the options
// page read the record through this type.
//
// Row settings (what to export for one interruption or bonus item) stay maps
// of choice indexes keyed "0".."3", looked up by the row's name.
struct ExportOptions
{
    // Keys of the record.
    static const char* const separatorKey;
    static const char* const separatorOnEndKey;
    static const char* const dateFormatKey;
    static const char* const noSickLeaveStartDateKey;
    static const char* const noSickLeaveEndDateKey;
    static const char* const noSickLeaveWeekendsKey;
    static const char* const sickLeaveKey;
    static const char* const familyCareKey;
    static const char* const sickLeaveOfKeeperKey;
    static const char* const familyCareOfKeeperKey;

    // Defaults.
    static QString defaultDateFormatShown();  // what the page shows for no mask
    static QString defaultSickLeaveName();    // what the page offers for no choice
    static QString defaultFamilyCareName();

    QHash<QString, QVariant> record; // the record as stored

    bool separatorGiven = false; // the record has a separator (which may be empty)
    QString separator;
    bool separatorOnEnd = false;
    QString dateFormat;          // never empty: "dd.MM.yyyy" for a missing or empty mask
    bool noSickLeaveStartDate = false;
    bool noSickLeaveEndDate = false;
    bool noSickLeaveWeekendsAndHolidays = false;
    // The host names of the four interruptions that follow the sick-leave
    // rules; empty when not chosen.
    QString sickLeaveName;
    QString familyCareName;
    QString sickLeaveOfKeeperName;
    QString familyCareOfKeeperName;

    static ExportOptions fromRecord(const QHash<QString, QVariant>& record);

    // The row settings of an interruption (by the host's name) or of a bonus
    // item (by its displayed name, then by its Slovak name).
    QHash<QString, QVariant> rowSettings(const QString& displayedName, const QString& sourceName) const;
    QHash<QString, QVariant> rowSettings(const QString& name) const { return rowSettings(name, name); }
};

#endif // EXPORTOPTIONS_H
