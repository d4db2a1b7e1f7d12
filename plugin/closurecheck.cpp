// Monthly closure and employment check of the wanted people.
#include "orvexuniversal.h"

bool Orvexuniversal::checkPeople(QString&, QHash<QString, QVariant>, QSqlQuery, QHash<QString, QVariant>&)
{
    return true;
}
