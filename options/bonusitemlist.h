#ifndef BONUSITEMLIST_H
#define BONUSITEMLIST_H

#include <QStringList>

// The fixed list of 13 bonus items. The position of a name is the item's index
// everywhere: in "items", "itemsDefaults", the export run and the generators.
// `context` is the translation context of the class that shows the names
// ("Orvexuniversal" or "OrvexOptWidget"); untranslated, both give the same names.
QStringList bonusItemNames(const char* context);

// The 13 names untranslated, as the Slovak page shows and stores them.
QStringList bonusItemSourceNames();

// Default payroll code of each bonus item, index-aligned with the names.
QStringList bonusItemDefaultCodes();

enum { BonusItemCount = 13 };

#endif // BONUSITEMLIST_H
