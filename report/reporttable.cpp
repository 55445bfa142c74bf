#include "report/reporttable.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace Report
{

namespace
{

// The look of a bordered HTML table of the report: collapsed borders of one
// unit, a padding of two on every side of a cell.
constexpr qreal Border = 1;
constexpr qreal Padding = 2;
// A cell's own left border and its padding; the last column also closes
// the table on the right.
constexpr qreal CellExtra = Border + 2 * Padding;
// Room for the rounding of measured widths.
constexpr qreal Slack = 0.01;

const QColor BorderColour(0x80, 0x80, 0x80);

// The invisible separator opens and closes a table's place, so no text
// written into the report can be taken for one.
const QChar PlaceMark(0x2063);
const QLatin1String PlacePrefix("table:");

// Lays `layout` out in lines of `width`; the number of lines.
int wrap(QTextLayout &layout, qreal width, Qt::Alignment alignment)
{
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
        ++lines;
    }
    layout.endLayout();
    return std::max(1, lines);
}

// A border line on whole device pixels, so every line of the grid is drawn
// alike whatever the table's position on the page.
void fillLine(QPainter &painter, const QRectF &line)
{
    const QTransform device = painter.deviceTransform();
    const QRectF on = device.mapRect(line);
    QRectF snapped(QPointF(std::round(on.left()), std::round(on.top())),
                   QPointF(std::round(on.right()), std::round(on.bottom())));
    if (snapped.width() < 1)
        snapped.setWidth(1);
    if (snapped.height() < 1)
        snapped.setHeight(1);
    painter.fillRect(device.inverted().mapRect(snapped), BorderColour);
}

} // namespace

QString tablePlace(const QString &name)
{
    return QStringLiteral("<p>") + PlaceMark + PlacePrefix + name.toHtmlEscaped() + PlaceMark +
           QStringLiteral("</p>");
}

QString tablePlaceName(const QString &text)
{
    if (text.size() < PlacePrefix.size() + 2 || text.front() != PlaceMark || text.back() != PlaceMark ||
        !text.midRef(1).startsWith(PlacePrefix))
        return QString();
    return text.mid(1 + PlacePrefix.size(), text.size() - 2 - PlacePrefix.size());
}

TableText::TableText(QPaintDevice *device) : m_device(device)
{
}

TableText::~TableText() = default;

int TableText::face(qreal points, bool bold)
{
    for (std::size_t i = 0; i < m_faces.size(); ++i)
        if (m_faces[i]->font.pointSizeF() == points && m_faces[i]->font.bold() == bold)
            return int(i);
    // The report's body font, as its style sheet names it.
    auto face = std::make_unique<Face>();
    face->font = QFont(QStringLiteral("Arial"));
    face->font.setStyleHint(QFont::SansSerif);
    face->font.setPointSizeF(points);
    face->font.setBold(bold);
    face->lineHeight = QFontMetricsF(face->font, m_device).height();
    m_faces.push_back(std::move(face));
    return int(m_faces.size()) - 1;
}

const QTextLayout &TableText::line(int face, const QString &text)
{
    Face &f = *m_faces.at(face);
    if (QTextLayout *known = f.lines.value(text))
        return *known;
    auto layout = std::make_unique<QTextLayout>(text, f.font, m_device);
    // Kept shaped: the same layout is drawn wherever the text recurs.
    layout->setCacheEnabled(true);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    if (line.isValid()) {
        line.setLineWidth(1e6);
        line.setPosition(QPointF(0, 0));
    }
    layout->endLayout();
    QTextLayout *kept = layout.get();
    m_owned.push_back(std::move(layout));
    f.lines.insert(text, kept);
    return *kept;
}

void TableText::draw(QPainter &painter, int face, const QString &text, const QPointF &at)
{
    // The glyphs as they were shaped: drawing a layout would walk its line
    // and items again each time.
    Face &f = *m_faces.at(face);
    auto known = f.glyphs.constFind(text);
    if (known == f.glyphs.cend())
        known = f.glyphs.insert(text, line(face, text).glyphRuns());
    for (const QGlyphRun &run : known.value())
        painter.drawGlyphRun(at, run);
}

qreal TableText::width(int face, const QString &text)
{
    const QTextLayout &layout = line(face, text);
    return layout.lineCount() ? layout.lineAt(0).naturalTextWidth() : 0;
}

qreal TableText::longestWord(int face, const QString &text)
{
    if (!text.contains(QLatin1Char(' ')))
        return width(face, text);
    qreal longest = 0;
    const QVector<QStringRef> words = text.splitRef(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QStringRef &word : words)
        longest = std::max(longest, width(face, word.toString()));
    return longest;
}

TableLayout::TableLayout(const Table &table, qreal width, TableText &text)
    : m_table(table), m_text(&text), m_plain(text.face(table.fontPoints, false)),
      m_bold(text.face(table.fontPoints, true)), m_width(width)
{
    int columns = table.header.size();
    for (const QStringList &row : table.rows)
        columns = std::max(columns, int(row.size()));
    if (columns == 0)
        columns = 1;

    // The narrowest each column may be (its longest word) and the width it
    // would take unbroken, as an HTML table's automatic layout weighs them.
    QVector<qreal> least(columns, 0);
    QVector<qreal> most(columns, 0);
    const auto measure = [&](int face, const QStringList &texts) {
        for (int c = 0; c < texts.size(); ++c) {
            const QString &cell = texts.at(c);
            if (cell.isEmpty())
                continue;
            most[c] = std::max(most[c], text.width(face, cell));
            least[c] = std::max(least[c], text.longestWord(face, cell));
        }
    };
    measure(m_bold, table.header);
    for (const QStringList &row : table.rows)
        measure(m_plain, row);

    const qreal room = std::max<qreal>(0, width - columns * CellExtra - Border);
    const qreal leastSum = std::accumulate(least.cbegin(), least.cend(), qreal(0));
    const qreal mostSum = std::accumulate(most.cbegin(), most.cend(), qreal(0));
    QVector<qreal> texts(columns, 0);
    for (int c = 0; c < columns; ++c) {
        if (mostSum <= room) // all unbroken; the rest shared as the widths are
            texts[c] = mostSum > 0 ? most[c] * room / mostSum : room / columns;
        else if (leastSum <= room) // words whole; wider texts wrap
            texts[c] = least[c] + (room - leastSum) * (most[c] - least[c]) / (mostSum - leastSum);
        else // too many long words: every column gives way
            texts[c] = least[c] * room / leastSum;
    }
    qreal left = 0;
    for (int c = 0; c < columns; ++c) {
        m_columnLefts.append(left);
        m_columns.append(texts[c] + CellExtra + (c + 1 == columns ? Border : 0));
        left += m_columns.last();
    }

    const auto rowHeight = [&](int face, const QStringList &cells) {
        int lines = 1;
        for (int c = 0; c < cells.size() && c < columns; ++c)
            lines = std::max(lines, lineCount(face, cells.at(c), textWidth(c)));
        return Border + 2 * Padding + lines * text.lineHeight(face);
    };
    m_headerHeight = rowHeight(m_bold, table.header);
    m_rowTops.reserve(table.rows.size() + 1);
    qreal top = 0;
    m_rowTops.append(top);
    for (const QStringList &row : table.rows) {
        top += rowHeight(m_plain, row);
        m_rowTops.append(top);
    }
}

TableLayout::~TableLayout() = default;
TableLayout::TableLayout(TableLayout &&) noexcept = default;
TableLayout &TableLayout::operator=(TableLayout &&) noexcept = default;

qreal TableLayout::textWidth(int column) const
{
    return m_columns.at(column) - CellExtra - (column + 1 == m_columns.size() ? Border : 0);
}

int TableLayout::lineCount(int face, const QString &text, qreal width) const
{
    if (text.isEmpty() || m_text->width(face, text) <= width + Slack)
        return 1;
    QTextLayout layout(text, m_text->font(face), m_text->device());
    return wrap(layout, width, Qt::AlignLeft);
}

qreal TableLayout::sliceHeight(int first, int last) const
{
    return m_headerHeight + m_rowTops.at(last) - m_rowTops.at(first) + Border;
}

QVector<int> TableLayout::slices(qreal top, qreal pageHeight) const
{
    QVector<int> firsts{0};
    qreal room = pageHeight - top;
    // Without room for its header and first row the table starts the next
    // page (the text layout moves a line that would cross a page's foot).
    if (sliceHeight(0, std::min(1, rowCount())) > room)
        room = pageHeight;
    int first = 0;
    for (int row = 0; row < rowCount(); ++row) {
        // A page break before this row, unless it opens its slice: a row
        // taller than a page stands alone and is cut by the page.
        if (row > first && sliceHeight(first, row + 1) > room) {
            firsts.append(row);
            first = row;
            room = pageHeight;
        }
    }
    firsts.append(rowCount());
    return firsts;
}

void TableLayout::paint(QPainter &painter, const QPointF &at, int first, int last) const
{
    painter.save();
    painter.translate(at);
    painter.setPen(Qt::black);
    paintRow(painter, m_table.header, 0, true);
    const qreal shift = m_headerHeight - m_rowTops.at(first);
    for (int row = first; row < last; ++row)
        paintRow(painter, m_table.rows.at(row), m_rowTops.at(row) + shift, false);

    // The grid over the cells: a line above every row, one closing the
    // slice, and one left of every column with one closing the right.
    const qreal height = sliceHeight(first, last);
    fillLine(painter, QRectF(0, 0, m_width, Border));
    fillLine(painter, QRectF(0, m_headerHeight, m_width, Border));
    for (int row = first + 1; row < last; ++row)
        fillLine(painter, QRectF(0, m_rowTops.at(row) + shift, m_width, Border));
    fillLine(painter, QRectF(0, height - Border, m_width, Border));
    for (const qreal left : m_columnLefts)
        fillLine(painter, QRectF(left, 0, Border, height));
    fillLine(painter, QRectF(m_width - Border, 0, Border, height));
    painter.restore();
}

void TableLayout::paintRow(QPainter &painter, const QStringList &texts, qreal top, bool header) const
{
    const int face = header ? m_bold : m_plain;
    const qreal y = top + Border + Padding;
    for (int c = 0; c < texts.size() && c < m_columns.size(); ++c) {
        const QString &text = texts.at(c);
        if (text.isEmpty())
            continue;
        const qreal x = m_columnLefts.at(c) + Border + Padding;
        const qreal room = textWidth(c);
        const qreal width = m_text->width(face, text);
        if (width <= room + Slack) {
            // Headers stand centred over their column, cells to the left.
            const qreal indent = header ? (room - width) / 2 : 0;
            m_text->draw(painter, face, text, QPointF(x + indent, y));
            continue;
        }
        QTextLayout layout(text, m_text->font(face), m_text->device());
        wrap(layout, room, header ? Qt::AlignHCenter : Qt::AlignLeft);
        layout.draw(&painter, QPointF(x, y));
    }
}

} // namespace Report
