#include "report/reportpdf.h"

#include "report/reportpaginator.h"
#include "report/reporttableflow.h"

#include "core/safewrite.h"

#include "core/constants.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDebug>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{

// Qt writes the title and the creator; the author and the subject go into an
// incremental update that replaces the document information dictionary.
QByteArray pdfText(const QString &text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper();
    return hex + '>';
}

bool addDocumentInformation(QByteArray &pdf, const Report::DocumentInfo &info)
{
    const int startXref = pdf.lastIndexOf("startxref");
    const int trailer = pdf.lastIndexOf("trailer");
    if (startXref < 0 || trailer < 0 || trailer > startXref)
        return false;
    const QByteArray trailerText = pdf.mid(trailer, startXref - trailer);
    const QRegularExpression sizeRx(QStringLiteral("/Size\\s+(\\d+)"));
    const QRegularExpression rootRx(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)"));
    const QRegularExpression infoRx(QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R"));
    const QString trailerString = QString::fromLatin1(trailerText);
    const QRegularExpressionMatch size = sizeRx.match(trailerString);
    const QRegularExpressionMatch root = rootRx.match(trailerString);
    const QRegularExpressionMatch oldInfo = infoRx.match(trailerString);
    const QRegularExpressionMatch previous = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)"))
                                                 .match(QString::fromLatin1(pdf.mid(startXref)));
    if (!size.hasMatch() || !root.hasMatch() || !previous.hasMatch())
        return false;

    // Keep what Qt wrote (title, creator, producer, date) and add the rest.
    QByteArray entries;
    if (oldInfo.hasMatch()) {
        const QByteArray head = "\n" + oldInfo.captured(1).toLatin1() + " 0 obj";
        const int at = pdf.indexOf(head);
        const int open = at < 0 ? -1 : pdf.indexOf("<<", at);
        const int close = open < 0 ? -1 : pdf.indexOf(">>", open);
        if (close > open && open >= 0)
            entries = pdf.mid(open + 2, close - open - 2);
    }
    const auto drop = [&entries](const QByteArray &key) {
        const int at = entries.indexOf(key);
        if (at < 0)
            return;
        int end = entries.indexOf('\n', at);
        entries.remove(at, (end < 0 ? entries.size() : end) - at);
    };
    drop("/Title");
    drop("/Author");
    drop("/Subject");
    QByteArray dictionary = "<<\n/Title " + pdfText(info.title) + "\n";
    if (!info.author.isEmpty())
        dictionary += "/Author " + pdfText(info.author) + "\n";
    if (!info.subject.isEmpty())
        dictionary += "/Subject " + pdfText(info.subject) + "\n";
    dictionary += entries.trimmed() + "\n>>";

    const int number = size.captured(1).toInt();
    if (!pdf.endsWith('\n'))
        pdf += '\n';
    const int objectAt = pdf.size();
    pdf += QByteArray::number(number) + " 0 obj\n" + dictionary + "\nendobj\n";
    const int xrefAt = pdf.size();
    pdf += "xref\n" + QByteArray::number(number) + " 1\n" +
           QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<<\n/Size " + QByteArray::number(number + 1) + "\n/Root " + root.captured(1).toLatin1() +
           "\n/Info " + QByteArray::number(number) + " 0 R\n/Prev " + previous.captured(1).toLatin1() +
           "\n>>\nstartxref\n" + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return true;
}

// Every section of the report starts a page, so each is laid out as a
// document of its own: moving a heading or a table row then lays out only
// its own section again, not the whole report.
QStringList sectionsOf(const QString &html)
{
    const QString marker = QStringLiteral("<div class='page-break'></div>");
    const int bodyAt = html.indexOf(QStringLiteral("<body>"));
    const int endAt = html.lastIndexOf(QStringLiteral("</body>"));
    if (bodyAt < 0 || endAt < bodyAt)
        return {html};
    const QString head = html.left(bodyAt + 6);
    const QString tail = html.mid(endAt);
    QStringList sections;
    const QStringList parts = html.mid(bodyAt + 6, endAt - bodyAt - 6).split(marker);
    for (const QString &part : parts) {
        if (!part.isEmpty() || sections.isEmpty())
            sections << head + part + tail;
    }
    return sections;
}

// The text of a section's first heading: what its continuation pages repeat.
QString sectionTitle(const QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() > 0 && !block.text().trimmed().isEmpty())
            return block.text().simplified();
    return QString();
}

} // namespace

bool writeReportPdf(const QString &fileName, const QString &html, const Report::DocumentInfo &info,
                    const QMap<QString, QImage> &pictures, const QMap<QString, Report::Table> &tables)
{
    // The PDF goes to a temporary file beside the target and replaces it only
    // once complete, so a failed run never leaves a half-written report.
    const QString refused = SafeWrite::refusalReason(fileName);
    if (!refused.isEmpty()) {
        qWarning().noquote() << "Failed to write file:" << fileName << "-" << refused;
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(7, 4, 17, 6), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setCreator(Constants::ApplicationName);
        writer.setTitle(info.title);

        const QRect points = writer.pageLayout().paintRect(QPageLayout::Point).toRect();
        const QRect pixels = writer.pageLayout().paintRectPixels(writer.resolution());
        const qreal W = points.width();
        const qreal H = points.height();
        // The band above the body holds the page header of a section's
        // continuation pages, the band below it the footer.
        const qreal headerHeight = 16;
        const qreal bodyHeight = H - headerHeight - 16;

        // Laid out at screen resolution, whatever the printer's.
        QImage screen(1, 1, QImage::Format_ARGB32);
        screen.setDotsPerMeterX(3780);
        screen.setDotsPerMeterY(3780);
        // Before the documents that draw its tables, so it outlives them.
        Report::TableFlow flow(tables, W, &screen);
        std::vector<std::unique_ptr<QTextDocument>> documents;
        QStringList titles; // each section's first heading
        int pageCount = 0;
        const QStringList sections = sectionsOf(html);
        for (int i = 0; i < sections.size(); ++i) {
            auto document = std::make_unique<QTextDocument>();
            document->setDocumentMargin(0);
            document->documentLayout()->setPaintDevice(&screen);
            document->setPageSize(QSizeF(W, bodyHeight));
            for (auto it = pictures.cbegin(); it != pictures.cend(); ++it)
                if (sections.at(i).contains(it.key()))
                    document->addResource(QTextDocument::ImageResource, QUrl(it.key()), it.value());
            document->setHtml(sections.at(i));
            // A table is laid out where its start (header and first row)
            // stands once the text before it is settled; then it takes its
            // pages, and the text after it is settled in turn.
            const bool placed = !tables.isEmpty() && flow.place(*document);
            Report::paginate(*document, bodyHeight, i == 0);
            if (placed && flow.spread(*document, bodyHeight))
                Report::paginate(*document, bodyHeight, false);
            titles << sectionTitle(*document);
            pageCount += std::max(1, document->pageCount());
            documents.push_back(std::move(document));
        }
        pageCount = std::max(1, pageCount);

        QPainter painter;
        if (!painter.begin(&writer)) {
            qWarning() << "Failed to start PDF painter" << fileName;
            return false;
        }
        const qreal sx = pixels.width() / W;
        const qreal sy = pixels.height() / H;
        const qreal footerY = (headerHeight + bodyHeight) * sy + pixels.top();
        const qreal footerHeight = 16 * sy;
        QFont footerFont = painter.font();
        footerFont.setPointSize(8);
        QFont headerFont = footerFont;
        headerFont.setBold(true);
        const qreal headerY = pixels.top();

        int page = 0;
        for (std::size_t d = 0; d < documents.size(); ++d) {
            const auto &document = documents.at(d);
            const int pages = std::max(1, document->pageCount());
            for (int p = 0; p < pages; ++p) {
                ++page;
                // A section that runs onto more pages names itself at the
                // head of each, so a loose page still says what it continues.
                if (p > 0 && !titles.at(int(d)).isEmpty()) {
                    painter.save();
                    painter.setFont(headerFont);
                    painter.setPen(QColor(QStringLiteral("#2c3e50")));
                    const QRectF header(pixels.left(), headerY, pixels.width(), (headerHeight - 4) * sy);
                    painter.drawText(header, Qt::AlignLeft | Qt::AlignVCenter,
                                     Exporter::tr("%1 (continued)").arg(titles.at(int(d))));
                    painter.setPen(QColor(QStringLiteral("#3498db")));
                    painter.drawLine(header.bottomLeft(), header.bottomRight());
                    painter.restore();
                }
                painter.save();
                painter.scale(sx, sy);
                painter.translate(points.left(), points.top() + headerHeight - p * bodyHeight);
                const QRectF pageRect(0, p * bodyHeight, W, bodyHeight);
                // The painter's clip keeps everything on its own page and off
                // the footer. The layout also writes the line just above its
                // clip of any paragraph that reaches into the clip, so the
                // clip starts a little inside the page: a paragraph that
                // ends at (or a point past) the break is written only on its
                // own page, never again hidden at the top of the next.
                painter.setClipRect(pageRect);
                QAbstractTextDocumentLayout::PaintContext context;
                context.clip = pageRect.adjusted(0, 2, 0, -0.5);
                document->documentLayout()->draw(&painter, context);
                painter.restore();

                painter.save();
                painter.setFont(footerFont);
                painter.setPen(QColor(QStringLiteral("#666666")));
                painter.drawLine(QPointF(pixels.left(), footerY),
                                 QPointF(pixels.left() + pixels.width(), footerY));
                const QRectF footer(pixels.left(), footerY, pixels.width(), footerHeight);
                painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter,
                                 info.footer.isEmpty() ? Constants::ApplicationName : info.footer);
                painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                                 QStringLiteral("%1 / %2").arg(page).arg(pageCount));
                painter.restore();
                if (page < pageCount)
                    writer.newPage();
            }
        }
        painter.end();
    }
    QByteArray pdf = buffer.data();
    if (!info.author.isEmpty() || !info.subject.isEmpty())
        addDocumentInformation(pdf, info);
    return SafeWrite::writeFileSafely(fileName, pdf);
}
