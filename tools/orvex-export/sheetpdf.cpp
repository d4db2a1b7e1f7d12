#include "sheetpdf.h"

#include "exporttext.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

// Moves every table that a page break would cut, and that fits on a page, to
// the start of the next page. The tables are taken in order: each move shifts
// the ones after it.
void keepTablesTogether(QTextDocument& doc)
{
    const qreal pageHeight = doc.pageSize().height();
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        if (!qobject_cast<QTextTable*>(frame))
            continue;
        const QRectF box = layout->frameBoundingRect(frame);
        const int firstPage = int(box.top() / pageHeight);
        const int lastPage = int((box.bottom() - 1) / pageHeight);
        if (firstPage == lastPage || box.height() > pageHeight * 0.95)
            continue;
        QTextFrameFormat format = frame->frameFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        frame->setFrameFormat(format);
        doc.pageCount(); // lays the document out again before the next table is measured
    }
}

} // namespace

bool writeSheetPdf(const QString& html, const QString& footer, const QString& path, QString& errorText)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
    writer.setResolution(300);
    writer.setTitle(QFileInfo(path).completeBaseName());
    writer.setCreator(QStringLiteral("orvex-export"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        errorText = OrvexExport::tr("cannot write the PDF file \"%1\"").arg(path);
        return false;
    }
    const int footerHeight = writer.logicalDpiY() / 3; // a third of an inch
    QTextDocument doc;
    doc.documentLayout()->setPaintDevice(&writer);
    doc.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    doc.setDocumentMargin(0);
    doc.setHtml(html);
    doc.setPageSize(QSizeF(writer.width(), writer.height() - footerHeight));
    keepTablesTogether(doc);

    const int pages = doc.pageCount();
    const qreal pageHeight = doc.pageSize().height();
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -page * pageHeight);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * pageHeight, writer.width(), pageHeight);
        painter.setClipRect(context.clip);
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
        const QRect foot(0, writer.height() - footerHeight, writer.width(), footerHeight);
        painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, footer);
        painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom,
                         OrvexExport::tr("page %1 of %2").arg(page + 1).arg(pages));
    }
    if (!painter.end()) {
        errorText = OrvexExport::tr("cannot write the PDF file \"%1\"").arg(path);
        return false;
    }
    return true;
}
