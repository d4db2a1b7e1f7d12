#ifndef ORVEX_EXPORT_SHEETPDF_H
#define ORVEX_EXPORT_SHEETPDF_H

#include <QString>
#include <QStringList>

// Prints HTML parts one after the other on A4 pages of a PDF, with "page 2
// of 5" and `footer` at the foot of every page. A part that does not fit on
// what is left of a page starts on the next one, so that a person's block is
// not split; a part longer than a page starts on a page of its own and runs
// on over as many pages as it needs. Each part is laid out on its own, so the
// time grows with the number of parts, not with its square.
bool writeSheetPdf(const QStringList& parts, const QString& footer, const QString& path, QString& errorText);

#endif // ORVEX_EXPORT_SHEETPDF_H
