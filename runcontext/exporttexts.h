#ifndef EXPORTTEXTS_H
#define EXPORTTEXTS_H

#include <QCoreApplication>

// The user texts of the export are translated in the context of the plug-in
// class, "Orvexuniversal", wherever the stage that says them lives:
// ExportTexts::tr("...") is what Orvexuniversal::tr("...") was.
class ExportTexts
{
    Q_DECLARE_TR_FUNCTIONS(Orvexuniversal)
};

#endif // EXPORTTEXTS_H
