#pragma once

#include "report/reportcomposer.h"
#include "report/reporttable.h"

#include <QImage>
#include <QMap>
#include <QString>

// Lays the HTML out on A4 pages and paints it with a footer on every page.
// Each section starts a page; within it, table rows and lines are never split
// by a page, a heading or a box title never ends a page, table headers repeat
// on every page a table continues onto, and the title page stays on one page.
// `info` gives the PDF's title, author and subject; `pictures` the images the
// HTML names that no file holds, by name; `tables` the tables the HTML places
// with Report::tablePlace(), by name, each of them continuing over as many
// pages as it needs with its header on each. Needs a graphical application
// object (fonts), but no widgets.
bool writeReportPdf(const QString &fileName, const QString &html, const Report::DocumentInfo &info = {},
                    const QMap<QString, QImage> &pictures = {}, const QMap<QString, Report::Table> &tables = {});
