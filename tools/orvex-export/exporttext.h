#ifndef ORVEX_EXPORT_EXPORTTEXT_H
#define ORVEX_EXPORT_EXPORTTEXT_H

#include <QCoreApplication>

// The context of orvex-export's translatable texts: OrvexExport::tr("...")
// (and with a count, tr("%n people", nullptr, n) for the plural forms).
class OrvexExport
{
    Q_DECLARE_TR_FUNCTIONS(OrvexExport)
};

#endif // ORVEX_EXPORT_EXPORTTEXT_H
