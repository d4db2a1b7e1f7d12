#ifndef ORVEX_EXPORT_SHEETPDF_H
#define ORVEX_EXPORT_SHEETPDF_H

#include <QString>

// Prints an HTML page as an A4 PDF with page numbers ("page 2 of 5" and
// `footer`) at the foot of every page. A table that would be cut by a page
// break starts on a new page when it fits on one page, so that a person's
// block stays together.
bool writeSheetPdf(const QString& html, const QString& footer, const QString& path, QString& errorText);

#endif // ORVEX_EXPORT_SHEETPDF_H
