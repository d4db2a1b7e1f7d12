#ifndef ORVEX_EXPORT_COMPARISONOPTIONS_H
#define ORVEX_EXPORT_COMPARISONOPTIONS_H

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

struct ExportRequest;

// The options of the comparison with the earlier month and of the control
// sheet: --compare FILE, --no-compare, --variance PERCENT, --report FILE.
struct ComparisonOptions
{
    ComparisonOptions();
    void addTo(QCommandLineParser& parser) const;
    bool read(const QCommandLineParser& parser, ExportRequest& request, QString& errorText) const;

    QCommandLineOption compare, noCompare, variance, report;
};

#endif // ORVEX_EXPORT_COMPARISONOPTIONS_H
