#include "report/reportpaginator.h"

#include "report/reportcomposer.h"

#include <QAbstractTextDocumentLayout>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Report
{

namespace
{

// Keeps the layout's coordinates and the page arithmetic in one place.
class Paginator
{
public:
    Paginator(QTextDocument &document, qreal pageHeight)
        : m_document(document), m_layout(document.documentLayout()), m_pageHeight(pageHeight)
    {
        const QStringList titles = Report::boxTitles();
        for (const QString &title : titles)
            m_boxTitles.insert(title);
    }

    void run(bool titlePage)
    {
        repeatTableHeaders();
        if (titlePage)
            fitTitlePage();
        // Headings first, from a full layout: moving one moves the tables
        // below it, whose rows are then kept together where they end up.
        m_rows = false;
        const bool headings = walk(m_document.rootFrame());
        if (headings)
            relayout();
        m_rows = true;
        if (walk(m_document.rootFrame()))
            relayout();
        m_rows = false;
        if (walk(m_document.rootFrame()))
            relayout();
        // The cuts change the text of most pages at once, which lays the
        // whole document out again. The first line of a paragraph may fit
        // where the same line inside one did not, so after a cut the text
        // can move up a line: cut again until nothing moves, then see that
        // no heading or row was left at a page's foot by the move.
        for (int round = 0; round < 4; ++round) {
            bool cut = false;
            for (int pass = 0; pass < 4 && splitBlocksAtPageBreaks(); ++pass)
                cut = true;
            if (!cut)
                break;
            m_rows = true;
            bool moved = walk(m_document.rootFrame());
            if (moved)
                relayout();
            m_rows = false;
            if (walk(m_document.rootFrame())) {
                moved = true;
                relayout();
            }
            if (!moved)
                break;
        }
    }

private:
    int pageOf(qreal y) const { return int(std::floor(y / m_pageHeight)); }
    QRectF rect(const QTextBlock &block) const { return m_layout->blockBoundingRect(block); }

    // A table whose first row is all bold (the <th> row of the summary)
    // repeats that row on every page it continues onto.
    void repeatTableHeaders()
    {
        // One layout for all the tables, not one per table.
        QTextCursor batch(&m_document);
        batch.beginEditBlock();
        for (QTextFrame *frame : m_document.rootFrame()->childFrames()) {
            auto *table = qobject_cast<QTextTable *>(frame);
            if (!table || table->rows() < 2 || table->format().headerRowCount() > 0)
                continue;
            bool header = true;
            for (int column = 0; column < table->columns() && header; ++column) {
                const QTextTableCell cell = table->cellAt(0, column);
                header =
                    cell.isValid() && cell.firstCursorPosition().charFormat().fontWeight() >= QFont::Bold;
            }
            if (!header)
                continue;
            QTextTableFormat format = table->format();
            format.setHeaderRowCount(1);
            table->setFormat(format);
        }
        batch.endEditBlock();
    }

    // A long facility name must not push the last rows of the title page
    // onto a page of their own: the title page's generous spacing gives way.
    void fitTitlePage()
    {
        QVector<QTextBlock> blocks;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
                break;
            blocks.append(block);
        }
        if (blocks.isEmpty())
            return;
        // Adjacent margins collapse, so a cut may gain less than its size:
        // measure again after each pass.
        for (int pass = 0; pass < 6; ++pass) {
            qreal overflow = rect(blocks.last()).bottom() - m_pageHeight;
            if (overflow <= 0)
                return;
            overflow += 2; // clear of the page's edge
            QTextCursor cursor(&m_document);
            cursor.beginEditBlock();
            // The largest gaps first, each down to a small one.
            for (int round = 0; round < 2 && overflow > 0; ++round) {
                for (const QTextBlock &block : qAsConst(blocks)) {
                    QTextBlockFormat format = block.blockFormat();
                    const qreal top = format.topMargin();
                    const qreal bottom = format.bottomMargin();
                    const qreal limit = round == 0 && pass < 2 ? 40 : 4;
                    const qreal cutTop = std::max<qreal>(0, std::min(overflow, top - limit));
                    overflow -= cutTop;
                    const qreal cutBottom = std::max<qreal>(0, std::min(overflow, bottom - limit));
                    overflow -= cutBottom;
                    if (cutTop > 0 || cutBottom > 0) {
                        format.setTopMargin(top - cutTop);
                        format.setBottomMargin(bottom - cutBottom);
                        QTextCursor(block).setBlockFormat(format);
                    }
                    if (overflow <= 0)
                        break;
                }
            }
            cursor.endEditBlock();
            relayout();
        }
    }

    bool keepsWithNext(const QTextBlock &block) const
    {
        if (block.blockFormat().headingLevel() > 0)
            return true;
        return m_boxTitles.contains(block.text().trimmed());
    }

    static bool isEmpty(const QTextBlock &block)
    {
        return block.text().trimmed().isEmpty() && !block.layout()->lineCount();
    }

    void relayout() { m_document.markContentsDirty(0, m_document.characterCount()); }

    // Document order: the blocks of a frame, and the rows of its tables.
    // True when something moved.
    bool walk(QTextFrame *frame)
    {
        bool changed = false;
        for (QTextFrame::iterator it = frame->begin(); !it.atEnd(); ++it) {
            if (QTextFrame *child = it.currentFrame()) {
                if (auto *table = qobject_cast<QTextTable *>(child)) {
                    if (m_rows)
                        changed |= keepRowsTogether(table);
                } else
                    changed |= walk(child);
            } else {
                const QTextBlock block = it.currentBlock();
                if (!m_rows && keepsWithNext(block))
                    changed |= keepWithNext(block);
            }
        }
        return changed;
    }

    // The layout draws, besides the lines inside the clip, the last line of a
    // block above it, so a paragraph that continues onto the next page would
    // be written on both pages (hidden by the clip, but there for search and
    // copy). Each such paragraph is cut in two where the page breaks it.
    bool splitBlocksAtPageBreaks()
    {
        QVector<int> cuts;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            const QTextLayout *layout = block.layout();
            // Table rows are kept whole instead.
            if (!layout || layout->lineCount() < 2 || QTextCursor(block).currentTable())
                continue;
            // Where the layout's own coordinates start on the page.
            const qreal top = rect(block).top() - layout->boundingRect().top();
            int page = pageOf(top + layout->lineAt(0).y() + 0.5);
            for (int i = 1; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const int linePage = pageOf(top + line.y() + 0.5);
                if (linePage != page)
                    cuts.append(block.position() + line.textStart());
                page = linePage;
            }
        }
        if (cuts.isEmpty())
            return false;
        QTextCursor cursor(&m_document);
        cursor.beginEditBlock();
        for (int i = cuts.size() - 1; i >= 0; --i) {
            cursor.setPosition(cuts.at(i));
            // A line break right before the cut becomes the paragraph break.
            if (m_document.characterAt(cuts.at(i) - 1) == QChar::LineSeparator)
                cursor.deletePreviousChar();
            QTextBlockFormat before = cursor.blockFormat();
            cursor.insertBlock();
            QTextBlockFormat after = before;
            after.setTopMargin(0);
            cursor.setBlockFormat(after);
            before.setBottomMargin(0);
            QTextCursor(cursor.block().previous()).setBlockFormat(before);
        }
        cursor.endEditBlock();
        return true;
    }

    // A heading or box title whose next text starts on a later page moves
    // to that page, and takes the headings right above it along.
    bool keepWithNext(const QTextBlock &block)
    {
        QTextBlock next = block.next();
        while (next.isValid() && next.text().trimmed().isEmpty() && !keepsWithNext(next) &&
               next.blockFormat().pageBreakPolicy() == QTextFormat::PageBreak_Auto && !next.textList() &&
               !containsObject(next))
            next = next.next();
        if (!next.isValid() || next.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            return false;
        const QRectF here = rect(block);
        const QRectF there = rect(next);
        const int page = pageOf(here.top());
        // The first line of what follows must share the page.
        qreal firstLineBottom = there.top();
        if (QTextLayout *layout = next.layout(); layout && layout->lineCount() > 0) {
            const QTextLine line = layout->lineAt(0);
            firstLineBottom = there.top() + line.y() + line.height();
        } else {
            firstLineBottom = there.bottom();
        }
        if (pageOf(firstLineBottom - 0.5) == page && pageOf(here.bottom() - 0.5) == page)
            return false;
        // Walk up the chain of headings that would be left behind.
        QTextBlock head = block;
        for (QTextBlock previous = block.previous(); previous.isValid(); previous = previous.previous()) {
            if (previous.text().trimmed().isEmpty() && !keepsWithNext(previous) && !containsObject(previous))
                continue;
            if (keepsWithNext(previous) && pageOf(rect(previous).top()) == page)
                head = previous;
            break;
        }
        // Already the first thing on its page: moving it would not help.
        if (rect(head).top() - page * m_pageHeight < 60)
            return false;
        QTextBlockFormat format = head.blockFormat();
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        // The new format lays the document out again from the heading on.
        QTextCursor(head).setBlockFormat(format);
        return true;
    }

    static bool containsObject(const QTextBlock &block)
    {
        return block.text().contains(QChar::ObjectReplacementCharacter);
    }

    // The layout splits a table row at a page break cell by cell, so a
    // picture lands on one page and its text on the next. A row that would
    // straddle a break is moved down to start the next page instead, by the
    // least top padding that moves it. Laying the table out again after each
    // move would cost a layout per page: only the first move of a table is
    // measured; the later ones reuse its padding and the offset the layout
    // gave the moved row, from the positions of the one layout before.
    bool keepRowsTogether(QTextTable *table)
    {
        bool changed = false;
        bool measured = false;
        qreal slack = 0;  // padding beyond the distance to the break that moved the row
        qreal offset = 0; // where the moved row starts, below the break
        qreal shift = 0;  // how far the rows below the moves have gone down
        QTextCursor batch(&m_document);
        bool batching = false;
        // A cell's row() and column() search the whole table: a cell that
        // starts in a row is told instead by its position, not yet seen in
        // the rows above nor to its left.
        QSet<int> seen;
        for (int row = 0; row < table->format().headerRowCount(); ++row)
            for (int column = 0; column < table->columns(); ++column)
                seen.insert(table->cellAt(row, column).firstPosition());
        for (int row = table->format().headerRowCount(); row < table->rows(); ++row) {
            QList<QTextTableCell> cells;
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                if (cell.isValid() && !seen.contains(cell.firstPosition())) {
                    seen.insert(cell.firstPosition());
                    cells.append(cell);
                }
            }
            if (cells.isEmpty())
                continue;
            const auto rowTop = [&]() {
                qreal value = std::numeric_limits<qreal>::max();
                for (const QTextTableCell &cell : qAsConst(cells))
                    value = std::min(value, rect(cell.firstCursorPosition().block()).top());
                return value;
            };
            qreal bottom = std::numeric_limits<qreal>::lowest();
            qreal padding = 0;
            for (const QTextTableCell &cell : qAsConst(cells)) {
                bottom = std::max(bottom, rect(cell.lastCursorPosition().block()).bottom());
                padding = std::max(padding, cell.format().toTableCellFormat().bottomPadding());
            }
            // A row that spans the whole table is a category's title: it
            // goes where the first row below it goes.
            if (cells.size() == 1 && table->columns() > 1 && cells.first().columnSpan() == table->columns() &&
                row + 1 < table->rows()) {
                for (int column = 0; column < table->columns(); ++column) {
                    const QTextTableCell next = table->cellAt(row + 1, column);
                    if (next.isValid())
                        bottom = std::max(bottom, rect(next.lastCursorPosition().block()).bottom());
                }
            }
            const qreal top = rowTop() + shift;
            bottom += shift;
            if (bottom - top + padding >= m_pageHeight)
                continue;
            const qreal nextPage = (std::floor(top / m_pageHeight) + 1) * m_pageHeight;
            // The layout pushes a cell's last line down when it comes closer
            // to the break than the cell's bottom padding and the table's
            // margin, so a row that ends that close counts as straddling.
            if (bottom + 2 * padding + 10 <= nextPage)
                continue;
            const auto addPadding = [&](qreal extra) {
                for (QTextTableCell cell : qAsConst(cells)) {
                    QTextTableCellFormat format = cell.format().toTableCellFormat();
                    format.setTopPadding(format.topPadding() + extra);
                    cell.setFormat(format);
                }
            };
            if (measured) {
                if (!batching) {
                    batch.beginEditBlock();
                    batching = true;
                }
                addPadding(nextPage - top + slack);
                shift += nextPage + offset - top;
                changed = true;
                continue;
            }
            // Each change of a cell's format lays the table out again.
            const auto setExtra = [&](qreal extra) {
                QTextCursor cursor(&m_document);
                cursor.beginEditBlock();
                addPadding(extra);
                cursor.endEditBlock();
            };
            // Once a row is pushed past a break the layout adds its own top
            // offset (below a repeated header), so the least padding that
            // moves the row is wanted: more leaves a gap above it. The
            // layout pushes a cell on once its first line, with the table's
            // padding and border below it, would cross the break; that
            // padding is tried first, as each try lays the document out
            // from the table on, and searched for only when it fails.
            const qreal below = table->format().cellPadding() + table->format().border();
            qreal least = 0;
            for (const QTextTableCell &cell : qAsConst(cells)) {
                const QTextBlock first = cell.firstCursorPosition().block();
                const QTextLayout *lines = first.layout();
                const qreal line = lines && lines->lineCount() ? lines->lineAt(0).height() : 0;
                least = std::max(least, nextPage - rect(first).top() - line - below + 0.5);
            }
            if (least > 0 && least < nextPage - top + padding) {
                setExtra(least);
                if (rowTop() >= nextPage) {
                    measured = true;
                    slack = least - (nextPage - top);
                    offset = rowTop() - nextPage;
                    shift = 0;
                    changed = true;
                    continue;
                }
                setExtra(-least);
            }
            qreal moved = nextPage - top + padding;
            qreal current = moved;
            setExtra(current);
            if (rowTop() < nextPage) {
                setExtra(-current); // cannot be moved: leave it as it was
                continue;
            }
            qreal stays = 0;
            for (int step = 0; step < 3; ++step) {
                const qreal middle = (stays + moved) / 2;
                setExtra(middle - current);
                current = middle;
                if (rowTop() >= nextPage)
                    moved = middle;
                else
                    stays = middle;
            }
            if (moved != current)
                setExtra(moved - current);
            // The rows below now stand where this layout put them.
            measured = true;
            slack = moved - (nextPage - top);
            offset = rowTop() - nextPage;
            shift = 0;
            changed = true;
        }
        if (batching) {
            batch.endEditBlock();
        }
        return changed;
    }

    QTextDocument &m_document;
    QAbstractTextDocumentLayout *m_layout;
    qreal m_pageHeight;
    QSet<QString> m_boxTitles;
    bool m_rows = false; // this pass keeps table rows together, not headings
};

} // namespace

void paginate(QTextDocument &document, qreal pageHeight, bool titlePage)
{
    Paginator(document, pageHeight).run(titlePage);
}

} // namespace Report
