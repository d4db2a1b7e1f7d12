#include "comparisonoptions.h"

#include "commandline.h"
#include "exporttext.h"

#include <QDir>
#include <QFileInfo>

ComparisonOptions::ComparisonOptions()
    : compare(QStringLiteral("compare"),
              OrvexExport::tr("Compare with this payroll file (any month, any folder) instead of the month before's "
                              "file of the same settings record in the output folder."),
              QStringLiteral("file"))
    , noCompare(QStringLiteral("no-compare"), OrvexExport::tr("Do not compare with an earlier month."))
    , variance(QStringLiteral("variance"),
               OrvexExport::tr("Flag an amount of a person and code that changed by more than this percentage of "
                               "the earlier one, and by at least 8 (default 50)."),
               QStringLiteral("percent"), QStringLiteral("50"))
    , report(QStringLiteral("report"),
             OrvexExport::tr("Write the control sheet to sign before the import: a PDF (A4) or, for a name ending "
                             "in .html, an HTML page."),
             QStringLiteral("file.pdf"))
{
}

void ComparisonOptions::addTo(QCommandLineParser& parser) const
{
    parser.addOptions({compare, noCompare, variance, report});
}

bool ComparisonOptions::read(const QCommandLineParser& parser, ExportRequest& request, QString& errorText) const
{
    request.noCompare = parser.isSet(noCompare);
    if (request.noCompare && parser.isSet(compare)) {
        errorText = OrvexExport::tr("--compare and --no-compare exclude each other");
        return false;
    }
    if (parser.isSet(compare)) {
        request.compareFile = QFileInfo(parser.value(compare)).absoluteFilePath();
        if (!QFileInfo(request.compareFile).isFile()) {
            errorText = OrvexExport::tr("the file to compare with, \"%1\", does not exist").arg(parser.value(compare));
            return false;
        }
    }
    bool ok = false;
    request.variancePercent = parser.value(variance).toDouble(&ok);
    if (!ok || request.variancePercent < 0) {
        errorText =
            OrvexExport::tr("--variance needs a percentage of 0 or more, not \"%1\"").arg(parser.value(variance));
        return false;
    }
    if (parser.isSet(report)) {
        const QFileInfo sheet(parser.value(report));
        const QString suffix = sheet.suffix().toLower();
        if (suffix != QLatin1String("pdf") && suffix != QLatin1String("html") && suffix != QLatin1String("htm")) {
            errorText = OrvexExport::tr("--report needs a file name ending in .pdf or .html");
            return false;
        }
        if (!sheet.absoluteDir().exists()) {
            errorText =
                OrvexExport::tr("the folder of the control sheet \"%1\" does not exist").arg(parser.value(report));
            return false;
        }
        request.reportFile = sheet.absoluteFilePath();
    }
    return true;
}
