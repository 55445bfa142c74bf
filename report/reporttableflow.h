#pragma once

#include "report/reporttable.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QTextObjectInterface>

#include <vector>

class QTextDocument;

namespace Report
{

// Puts the report's tables into the documents its sections are laid out in.
// Each place of tablePlace() becomes an object of the text layout: a line as
// tall as the part of the table it stands for, which the layout moves to the
// next page whole when it would cross a page's foot, and which paints that
// part of the table itself. The text around it flows as around any line.
class TableFlow : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    // `width` is the page body's, in the units of `device` (the device the
    // documents are laid out for).
    TableFlow(const QMap<QString, Table> &tables, qreal width, QPaintDevice *device);
    ~TableFlow() override;

    // Takes the document's table places: each becomes one object of the
    // header and the first row, so what leads to a table (its heading) is
    // kept with where it starts. A place of no known table is dropped.
    // True when the document holds a table.
    bool place(QTextDocument &document);
    // Once the document is paginated: each table placed whole becomes one
    // object per page it runs over, each with the header and the rows that
    // fit. True when anything changed.
    bool spread(QTextDocument &document, qreal pageHeight);

    QSizeF intrinsicSize(QTextDocument *document, int position, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int position,
                    const QTextFormat &format) override;

private:
    int layoutOf(const QString &name);

    QMap<QString, Table> m_tables;
    qreal m_width;
    TableText m_text;
    QHash<QString, int> m_layoutIndex;
    std::vector<TableLayout> m_layouts;
};

} // namespace Report
