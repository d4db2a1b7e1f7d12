// Staging schema and its lookups.
#include "orvexuniversal.h"

void Orvexuniversal::createSQLiteTables(QSqlQuery, bool) {}
int Orvexuniversal::getPidByUid(int) { return 0; }
double Orvexuniversal::getRefFundForUid(unsigned) { return 0.0; }
void Orvexuniversal::getHolidaysMap() {}
