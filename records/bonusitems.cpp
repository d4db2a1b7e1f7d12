// Bonus item records.
#include "orvexuniversal.h"

void Orvexuniversal::exportBonusItems(const QHash<QString, QVariant>&, unsigned, QHash<QString, QVariant>, int) {}
double Orvexuniversal::getItemSummary(QSqlQuery, int, int, int) { return 0.0; }
QMap<int, double> Orvexuniversal::getItemDaily(QSqlQuery, int, int, int) { return {}; }
