// Work records: per day, per span, per month.
#include "orvexuniversal.h"

void Orvexuniversal::exportWorkDaily(const QHash<QString, QVariant>&, unsigned) {}
void Orvexuniversal::exportWorkSpans(const QHash<QString, QVariant>&, unsigned) {}
void Orvexuniversal::exportWorkSummary(const QHash<QString, QVariant>&, unsigned) {}
