#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <vector>

class QPaintDevice;
class QPainter;
class QTextLayout;

namespace Report
{

// A long table of plain texts (a loop's device schedule) that the PDF writer
// lays out and paints itself: as HTML the text layout would measure,
// paginate and draw every cell as a paragraph of its own, which for some
// thousand rows takes far longer than the whole rest of the report.
struct Table {
    QStringList header;
    QVector<QStringList> rows;
    qreal fontPoints = 7;
};

// Where the report's HTML places a table: the PDF writer puts the table of
// that name there. Whatever follows it flows on below its last row.
QString tablePlace(const QString &name);
// The name a place of tablePlace() holds, or an empty text for any other text.
QString tablePlaceName(const QString &text);

class TableText;

// A table measured at one width, as an HTML table with collapsed one-unit
// borders, a padding of two and the header row in bold would stand: every
// column at least as wide as the longest word of its header and of its cells,
// so no word breaks while the table fits; texts wider than their column wrap
// at spaces. Sizes are in the units of the paint device the text is measured
// on.
class TableLayout
{
public:
    TableLayout(const Table &table, qreal width, TableText &text);
    ~TableLayout();
    TableLayout(TableLayout &&) noexcept;
    TableLayout &operator=(TableLayout &&) noexcept;

    int rowCount() const { return m_rowTops.size() - 1; }
    qreal width() const { return m_width; }
    const QVector<qreal> &columnWidths() const { return m_columns; }
    qreal headerHeight() const { return m_headerHeight; }
    qreal rowHeight(int row) const { return m_rowTops.at(row + 1) - m_rowTops.at(row); }
    // The header and rows [first, last), closed by the bottom border.
    qreal sliceHeight(int first, int last) const;

    // The rows split over pages: each slice starts a page, but the first,
    // which starts `top` down its page; each repeats the header, holds at
    // least one row and never splits one. The slices' first rows, with
    // rowCount() closing the last.
    QVector<int> slices(qreal top, qreal pageHeight) const;

    // Paints the header and rows [first, last) with the top left corner at
    // `at`, in the painter's coordinates (those of the measuring device).
    void paint(QPainter &painter, const QPointF &at, int first, int last) const;

private:
    // The room for text in a column, and the lines a text takes there.
    qreal textWidth(int column) const;
    int lineCount(int face, const QString &text, qreal width) const;
    void paintRow(QPainter &painter, const QStringList &texts, qreal top, bool header) const;

    Table m_table;
    TableText *m_text = nullptr;
    int m_plain = 0;
    int m_bold = 0;
    qreal m_width = 0;
    QVector<qreal> m_columns;     // each column's width, borders and padding included
    QVector<qreal> m_columnLefts; // where each column starts
    qreal m_headerHeight = 0;
    QVector<qreal> m_rowTops; // below the header, with the end of the last row
};

// The fonts and the measured texts that every table of one report shares:
// most cells repeat ("OK", a zone, a number), so each text is shaped once.
class TableText
{
public:
    explicit TableText(QPaintDevice *device);
    ~TableText();

    QPaintDevice *device() const { return m_device; }
    // The report's table font at `points`, plain (0) or bold (1).
    int face(qreal points, bool bold);
    const QFont &font(int face) const { return m_faces.at(face)->font; }
    qreal lineHeight(int face) const { return m_faces.at(face)->lineHeight; }
    // The text on one line, shaped once and kept.
    const QTextLayout &line(int face, const QString &text);
    // Draws that line with its top left corner at `at`.
    void draw(QPainter &painter, int face, const QString &text, const QPointF &at);
    qreal width(int face, const QString &text);
    // The widest of its words (the texts between spaces).
    qreal longestWord(int face, const QString &text);

private:
    struct Face {
        QFont font;
        qreal lineHeight = 0;
        QHash<QString, QTextLayout *> lines;
        QHash<QString, QList<QGlyphRun>> glyphs;
    };
    QPaintDevice *m_device;
    std::vector<std::unique_ptr<Face>> m_faces;
    std::vector<std::unique_ptr<QTextLayout>> m_owned;
};

} // namespace Report
