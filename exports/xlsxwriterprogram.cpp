// kalvix-xlsx REQUEST OUT.xlsx: writes the workbook that REQUEST (an encoded
// XlsxRequest::Workbook) describes with libxlsxwriter.
//
// A program of its own because libxlsxwriter's zip calls (zipOpen, ...)
// carry the same names as the zip code that QuaZip exports with other
// signatures: in one process they resolve to QuaZip's and the workbook
// cannot be written. This program links libxlsxwriter but not QuaZip.
#include "exports/xlsxrequest.h"

#include <QDir>
#include <QFile>

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>

namespace
{

const int MaxCellText = 32767;

bool isNumber(const QVariant &cell)
{
    switch (cell.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

// A cell's text as a sheet can hold it: XML cannot carry most control
// characters, and a cell holds at most 32767 characters.
QByteArray cellText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            clean.append(c);
    }
    if (clean.size() > MaxCellText) {
        clean.truncate(MaxCellText);
        if (clean.at(clean.size() - 1).isHighSurrogate())
            clean.chop(1);
    }
    return clean.toUtf8();
}

bool failed(lxw_error error, const char *what)
{
    if (error == LXW_NO_ERROR)
        return false;
    std::fprintf(stderr, "kalvix-xlsx: %s: %s\n", what, lxw_strerror(error));
    return true;
}

bool writeSheet(lxw_workbook *workbook, const XlsxRequest::Sheet &sheet, lxw_format *bold)
{
    lxw_worksheet *worksheet = workbook_add_worksheet(workbook, sheet.name.toUtf8().constData());
    if (!worksheet) {
        std::fprintf(stderr, "kalvix-xlsx: cannot add the sheet %s\n", qPrintable(sheet.name));
        return false;
    }
    // Columns as wide as their texts (numbers excepted), within reason.
    QVector<int> widths(sheet.headers.size(), 8);
    for (int c = 0; c < sheet.headers.size(); ++c)
        widths[c] = std::max(widths[c], int(sheet.headers.at(c).size()));
    for (const QVariantList &row : sheet.rows)
        for (int c = 0; c < row.size() && c < widths.size(); ++c)
            if (!isNumber(row.at(c)))
                widths[c] = std::max(widths[c], std::min(60, int(row.at(c).toString().size())));
    for (int c = 0; c < widths.size(); ++c) {
        if (failed(worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c), widths.at(c) + 2, nullptr),
                   "column width"))
            return false;
    }
    // The header row stays in view.
    worksheet_freeze_panes(worksheet, 1, 0);

    const auto writeRow = [worksheet](lxw_row_t r, const QVariantList &cells, lxw_format *format) {
        for (int c = 0; c < cells.size(); ++c) {
            const QVariant &cell = cells.at(c);
            lxw_error error = LXW_NO_ERROR;
            if (isNumber(cell)) {
                error = worksheet_write_number(worksheet, r, lxw_col_t(c), cell.toDouble(), nullptr);
            } else {
                const QByteArray text = cellText(cell.toString());
                if (text.isEmpty())
                    continue;
                error = worksheet_write_string(worksheet, r, lxw_col_t(c), text.constData(), format);
            }
            if (failed(error, "cell"))
                return false;
        }
        return true;
    };
    QVariantList headers;
    for (const QString &header : sheet.headers)
        headers.append(header);
    if (!writeRow(0, headers, bold))
        return false;
    for (int r = 0; r < sheet.rows.size(); ++r) {
        if (!writeRow(lxw_row_t(r + 1), sheet.rows.at(r), nullptr))
            return false;
    }
    if (!sheet.headers.isEmpty() &&
        failed(worksheet_autofilter(worksheet, 0, 0, lxw_row_t(sheet.rows.size()),
                                    lxw_col_t(sheet.headers.size() - 1)),
               "autofilter"))
        return false;
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kalvix-xlsx REQUEST OUT.xlsx\n");
        return 2;
    }
    QFile requestFile(QString::fromLocal8Bit(argv[1]));
    XlsxRequest::Workbook request;
    if (!requestFile.open(QIODevice::ReadOnly) || !XlsxRequest::decode(requestFile.readAll(), request)) {
        std::fprintf(stderr, "kalvix-xlsx: cannot read the request %s\n", argv[1]);
        return 2;
    }

    // Rows go out as they are written; the temporary files go where the
    // user's temporary folder is, not always to /tmp.
    QByteArray tmpdir = QDir::tempPath().toLocal8Bit();
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = tmpdir.data();
    lxw_workbook *workbook = workbook_new_opt(argv[2], &options);
    if (!workbook) {
        std::fprintf(stderr, "kalvix-xlsx: cannot create %s\n", argv[2]);
        return 1;
    }
    QByteArray title = cellText(request.title);
    QByteArray author = cellText(request.author);
    lxw_doc_properties properties = {};
    properties.title = title.data();
    properties.author = author.data();
    bool written = !failed(workbook_set_properties(workbook, &properties), "properties");

    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    for (const XlsxRequest::Sheet &sheet : request.sheets) {
        if (!written)
            break;
        written = writeSheet(workbook, sheet, bold);
    }
    // Closing writes the file, and frees the workbook in any case.
    const lxw_error closed = workbook_close(workbook);
    if (failed(closed, "write") || !written) {
        QFile::remove(QString::fromLocal8Bit(argv[2]));
        return 1;
    }
    return 0;
}
