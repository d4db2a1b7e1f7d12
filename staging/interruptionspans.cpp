// Spans of consecutive interruption days.
#include "orvexuniversal.h"

void Orvexuniversal::spansCalc(QSqlQuery, bool) {}
