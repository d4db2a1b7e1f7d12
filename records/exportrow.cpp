// Export rows and their date rules.
#include "orvexuniversal.h"

void Orvexuniversal::insertToExport(QSqlQuery, QString, QString, int) {}
QString Orvexuniversal::getValidDateByComboIndex(unsigned, unsigned, int, bool) { return {}; }
int Orvexuniversal::getNumOfWorkDaysForInterval(int, int) { return 0; }
void Orvexuniversal::getListDaysOfPN(unsigned) {}
bool Orvexuniversal::isPNcontFromPrevMonth(unsigned, unsigned) { return false; }
bool Orvexuniversal::isPNcontToNextMonth(unsigned, unsigned) { return false; }
