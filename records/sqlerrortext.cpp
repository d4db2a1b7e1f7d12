#include "sqlerrortext.h"

QString sqliteErrorText(const char* operation, const QString& statement)
{
    return QStringLiteral("Orvexuniversal::%1() ::: SQLite ERROR: (%2) :: ").arg(QLatin1String(operation), statement);
}
