#include "report/reporttableflow.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace Report
{

namespace
{

constexpr int ObjectType = QTextFormat::UserObject + 1;
// Which table, its rows [first, last), and whether it still stands whole.
constexpr int TableProperty = QTextFormat::UserProperty + 1;
constexpr int FirstRowProperty = QTextFormat::UserProperty + 2;
constexpr int LastRowProperty = QTextFormat::UserProperty + 3;
constexpr int WholeProperty = QTextFormat::UserProperty + 4;

QTextCharFormat objectFormat(int table, int first, int last, bool whole)
{
    QTextCharFormat format;
    format.setObjectType(ObjectType);
    format.setProperty(TableProperty, table);
    format.setProperty(FirstRowProperty, first);
    format.setProperty(LastRowProperty, last);
    format.setProperty(WholeProperty, whole);
    return format;
}

// The object's format, when the block holds one of ours.
bool objectOf(const QTextBlock &block, QTextCharFormat &format)
{
    if (block.length() != 2 || block.text().front() != QChar::ObjectReplacementCharacter)
        return false;
    const QTextBlock::iterator it = block.begin();
    if (it.atEnd())
        return false;
    format = it.fragment().charFormat();
    return format.objectType() == ObjectType;
}

} // namespace

TableFlow::TableFlow(const QMap<QString, Table> &tables, qreal width, QPaintDevice *device)
    : m_tables(tables), m_width(width), m_text(device)
{
}

TableFlow::~TableFlow() = default;

int TableFlow::layoutOf(const QString &name)
{
    const auto known = m_layoutIndex.constFind(name);
    if (known != m_layoutIndex.cend())
        return known.value();
    const auto table = m_tables.constFind(name);
    if (table == m_tables.cend())
        return -1;
    m_layouts.emplace_back(table.value(), m_width, m_text);
    m_layoutIndex.insert(name, int(m_layouts.size()) - 1);
    return int(m_layouts.size()) - 1;
}

bool TableFlow::place(QTextDocument &document)
{
    document.documentLayout()->registerHandler(ObjectType, this);
    bool placed = false;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString name = tablePlaceName(block.text());
        if (name.isEmpty())
            continue;
        QTextCursor place(block);
        place.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        const int table = layoutOf(name);
        if (table < 0) {
            place.removeSelectedText();
            continue;
        }
        place.insertText(QString(QChar::ObjectReplacementCharacter),
                         objectFormat(table, 0, std::min(1, m_layouts.at(table).rowCount()), true));
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(0);
        format.setBottomMargin(0);
        format.setTextIndent(0);
        place.setBlockFormat(format);
        // A table stands right below what leads to it, as an HTML table does.
        const QTextBlock previous = block.previous();
        if (previous.isValid() && !QTextCursor(previous).currentTable()) {
            QTextBlockFormat above = previous.blockFormat();
            above.setBottomMargin(0);
            QTextCursor(previous).setBlockFormat(above);
        }
        placed = true;
    }
    cursor.endEditBlock();
    return placed;
}

bool TableFlow::spread(QTextDocument &document, qreal pageHeight)
{
    bool changed = false;
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCharFormat format;
        if (!objectOf(block, format) || !format.property(WholeProperty).toBool())
            continue;
        const int table = format.property(TableProperty).toInt();
        const TableLayout &rows = m_layouts.at(table);
        const QTextLayout *lines = block.layout();
        const qreal top = layout->blockBoundingRect(block).top() + (lines->lineCount() ? lines->lineAt(0).y() : 0);
        qreal onPage = top - std::floor(top / pageHeight) * pageHeight;
        if (pageHeight - onPage < 0.5) // at the head of the next page
            onPage = 0;
        const QVector<int> slices = rows.slices(onPage, pageHeight);
        QTextCursor cursor(block);
        cursor.beginEditBlock();
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        cursor.setCharFormat(objectFormat(table, slices.at(0), slices.at(1), false));
        cursor.clearSelection();
        for (int s = 1; s + 1 < slices.size(); ++s) {
            cursor.insertBlock(block.blockFormat(), QTextCharFormat());
            cursor.insertText(QString(QChar::ObjectReplacementCharacter),
                              objectFormat(table, slices.at(s), slices.at(s + 1), false));
        }
        cursor.endEditBlock();
        changed = true;
    }
    return changed;
}

QSizeF TableFlow::intrinsicSize(QTextDocument *, int, const QTextFormat &format)
{
    const int table = format.property(TableProperty).toInt();
    if (table < 0 || table >= int(m_layouts.size()))
        return QSizeF();
    return QSizeF(m_width, m_layouts.at(table).sliceHeight(format.property(FirstRowProperty).toInt(),
                                                          format.property(LastRowProperty).toInt()));
}

void TableFlow::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int, const QTextFormat &format)
{
    const int table = format.property(TableProperty).toInt();
    if (table < 0 || table >= int(m_layouts.size()))
        return;
    m_layouts.at(table).paint(*painter, rect.topLeft(), format.property(FirstRowProperty).toInt(),
                              format.property(LastRowProperty).toInt());
}

} // namespace Report
