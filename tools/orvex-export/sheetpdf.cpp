#include "sheetpdf.h"

#include "exporttext.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QVector>

#include <memory>

namespace {

// Where a part goes: its first page and its top on that page, and how many
// pages it runs over.
struct Placement
{
    int page = 0;
    qreal top = 0;
    int pages = 1;
};

std::unique_ptr<QTextDocument> laidOut(const QString& html, QPaintDevice* device, const QSizeF& body)
{
    std::unique_ptr<QTextDocument> doc(new QTextDocument);
    doc->documentLayout()->setPaintDevice(device);
    doc->setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    doc->setDocumentMargin(0);
    doc->setHtml(html);
    doc->setTextWidth(body.width());
    if (doc->size().height() > body.height())
        doc->setPageSize(body); // a long part: its own pagination keeps table rows whole
    return doc;
}

// Places the parts one below the other; `pages` is the number of pages they take.
QVector<Placement> placeParts(const QStringList& parts, QPaintDevice* device, const QSizeF& body, qreal gap,
                              int& pages)
{
    QVector<Placement> placements;
    int page = 0;
    qreal top = 0;
    for (const QString& html : parts) {
        const std::unique_ptr<QTextDocument> doc = laidOut(html, device, body);
        Placement place;
        const qreal height = doc->size().height();
        if (top > 0 && (top + height > body.height() || height > body.height())) {
            ++page;
            top = 0;
        }
        place.page = page;
        place.top = top;
        if (height > body.height()) {
            place.pages = doc->pageCount();
            page += place.pages;
        } else {
            top += height + gap;
        }
        placements << place;
    }
    pages = top > 0 || page == 0 ? page + 1 : page;
    return placements;
}

void drawFooter(QPainter& painter, const QRect& foot, const QString& footer, int page, int pages)
{
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignBottom, footer);
    painter.drawText(foot, Qt::AlignRight | Qt::AlignBottom, OrvexExport::tr("page %1 of %2").arg(page + 1).arg(pages));
}

} // namespace

bool writeSheetPdf(const QStringList& parts, const QString& footer, const QString& path, QString& errorText)
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
    const QSizeF body(writer.width(), writer.height() - footerHeight);
    const QRect foot(0, writer.height() - footerHeight, writer.width(), footerHeight);
    int pages = 1;
    const QVector<Placement> placements = placeParts(parts, &writer, body, writer.logicalDpiY() / 10.0, pages);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));

    // The parts are laid out again as they are drawn: only one is held at a time.
    int page = 0;
    for (int i = 0; i < parts.size(); ++i) {
        const Placement& place = placements[i];
        const std::unique_ptr<QTextDocument> doc = laidOut(parts[i], &writer, body);
        for (int part = 0; part < place.pages; ++part) {
            for (; page < place.page + part; ++page) {
                drawFooter(painter, foot, footer, page, pages);
                writer.newPage();
            }
            painter.save();
            painter.translate(0, place.top - part * body.height());
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = QRectF(0, part * body.height(), body.width(), body.height());
            painter.setClipRect(context.clip);
            doc->documentLayout()->draw(&painter, context);
            painter.restore();
        }
    }
    drawFooter(painter, foot, footer, page, pages);
    if (!painter.end()) {
        errorText = OrvexExport::tr("cannot write the PDF file \"%1\"").arg(path);
        return false;
    }
    return true;
}
