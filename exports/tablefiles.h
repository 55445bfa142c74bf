#pragma once

#include "exports/exporttables.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// Tables as files: CSV (RFC 4180, UTF-8, a header row, CRLF line ends) and
// XLSX (one sheet per table, numbers as numbers, written by libxlsxwriter in
// the program kalvix-xlsx). A failed write logs why and leaves any existing
// file as it was.
namespace TableFiles
{

// One cell as CSV text: numbers with a decimal point and no more digits than
// they need; texts quoted when they hold ',', '"' or a line break. A text a
// spreadsheet would run as a formula (=, +, -, @ first) gets a leading "'".
QString csvCell(const QVariant &cell);
QByteArray csv(const Exports::Table &table);
bool writeCsv(const QString &fileName, const Exports::Table &table);

// The workbook as bytes (empty when it cannot be made): a bold header row
// that stays in view and an autofilter on each sheet, columns as wide as
// their texts. `author` and `title` go into its document properties. The
// writer program is found through the environment's KALVIX_XLSX_WRITER,
// beside this program, or where the package installs it.
QByteArray xlsx(const QVector<Exports::Table> &tables, const QString &title = QString(),
                const QString &author = QString());
bool writeXlsx(const QString &fileName, const QVector<Exports::Table> &tables,
               const QString &title = QString(), const QString &author = QString());

// A valid sheet name: at most 31 characters, none of []:*?/\, unique in
// `taken`.
QString sheetName(const QString &title, const QStringList &taken);

// Writes `bytes` through a temporary file that takes the target's place only
// once all is on disk.
bool writeFileSafely(const QString &fileName, const QByteArray &bytes);

} // namespace TableFiles
