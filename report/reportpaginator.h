#pragma once

#include <QtGlobal>

class QTextDocument;

namespace Report
{

// Moves what the text layout would break badly over the pages of a report
// section's document of pages `pageHeight` tall: table rows are never split
// by a page, a heading or a box title never ends a page, the header row of a
// table whose first row is all bold repeats on every page it continues onto,
// a paragraph broken by a page is cut in two there, and (`titlePage`) the
// title page's spacing gives way so it stays on one page. Safe to run again
// once more text has been added after what it settled.
void paginate(QTextDocument &document, qreal pageHeight, bool titlePage);

} // namespace Report
