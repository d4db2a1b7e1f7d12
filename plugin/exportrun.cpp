// The per-person export run.
#include "orvexuniversal.h"

int Orvexuniversal::runExport(const QHash<QString, QVariant>& parameters, QHash<QString, QVariant>& result)
{
    return testMode ? 0 : createCSVfile(parameters, result);
}
