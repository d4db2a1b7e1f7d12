#ifndef ORVEX_PREPARE_REQUEST_H
#define ORVEX_PREPARE_REQUEST_H

#include "commandoptions.h"
#include "hostconnection.h"

#include <QString>
#include <QStringList>

// What one run of orvex-prepare-test was asked to do.
struct PrepareRequest
{
    MonthSelection selection; // the month as given: read once the zone is in use
    int year = 0;
    int month = 0;
    HostConnection connection;
    int settingsId = 0; // 0: the first stored settings record of type "Orvexuniversal"
    QString outFile;
    QString parametersFile; // optional: the TEST-mode parameters as JSON
};

// Reads the arguments (program name first). Returns false with a one-line
// reason in `errorText` on a usage error; --help prints and sets `helpShown`.
bool parsePrepareArguments(const QStringList& arguments, PrepareRequest& request, QString& errorText,
                           bool& helpShown);

#endif // ORVEX_PREPARE_REQUEST_H
