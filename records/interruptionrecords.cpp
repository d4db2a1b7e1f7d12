// Interruption records: per day, per span, per month.
#include "orvexuniversal.h"

void Orvexuniversal::exportIntersDaily(const QHash<QString, QVariant>&, unsigned, unsigned, QHash<QString, QVariant>) {}
void Orvexuniversal::exportIntersBySpans(const QHash<QString, QVariant>&, unsigned, unsigned, QHash<QString, QVariant>) {}
void Orvexuniversal::exportIntersSummary(const QHash<QString, QVariant>&, unsigned, unsigned, QHash<QString, QVariant>) {}
