// Spans of consecutive days worked to the fund.
#include "orvexuniversal.h"

void Orvexuniversal::spansCalcWork(QSqlQuery, QHash<QString, QVariant>) {}
