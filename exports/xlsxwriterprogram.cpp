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
#include <xlsxwriter/packager.h>

#include <dlfcn.h>

#include <cstdio>

// libxlsxwriter compresses every part at zlib's default level. A sheet of a
// large design is tens of megabytes of repetitive XML that the fastest level
// shrinks nearly as well in a fraction of the time, so this program takes
// the call (it binds to the program before the zip library) and passes it
// on with that level.
extern "C" int zipOpenNewFileInZip4_64(zipFile file, const char *filename, const zip_fileinfo *zipfi,
                                       const void *extrafieldLocal, uInt sizeExtrafieldLocal,
                                       const void *extrafieldGlobal, uInt sizeExtrafieldGlobal,
                                       const char *comment, int method, int level, int raw, int windowBits,
                                       int memLevel, int strategy, const char *password, uLong crcForCrypting,
                                       uLong versionMadeBy, uLong flagBase, int zip64)
{
    using Open = decltype(&zipOpenNewFileInZip4_64);
    static const Open next = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "zipOpenNewFileInZip4_64"));
    if (!next)
        return ZIP_INTERNALERROR;
    return next(file, filename, zipfi, extrafieldLocal, sizeExtrafieldLocal, extrafieldGlobal,
                sizeExtrafieldGlobal, comment, method, level == Z_DEFAULT_COMPRESSION ? Z_BEST_SPEED : level,
                raw, windowBits, memLevel, strategy, password, crcForCrypting, versionMadeBy, flagBase,
                zip64);
}

namespace
{

bool failed(lxw_error error, const char *what)
{
    if (error == LXW_NO_ERROR)
        return false;
    std::fprintf(stderr, "kalvix-xlsx: %s: %s\n", what, lxw_strerror(error));
    return true;
}

bool writeRow(lxw_worksheet *worksheet, lxw_row_t r, const QVector<XlsxRequest::Cell> &cells,
              lxw_format *format)
{
    for (int c = 0; c < cells.size(); ++c) {
        const XlsxRequest::Cell &cell = cells.at(c);
        lxw_error error = LXW_NO_ERROR;
        if (cell.kind == XlsxRequest::Cell::Number)
            error = worksheet_write_number(worksheet, r, lxw_col_t(c), cell.number, nullptr);
        else if (cell.kind == XlsxRequest::Cell::Text)
            error = worksheet_write_string(worksheet, r, lxw_col_t(c), cell.text, format);
        if (failed(error, "cell"))
            return false;
    }
    return true;
}

bool writeSheet(lxw_workbook *workbook, const XlsxRequest::SheetView &sheet, lxw_format *bold)
{
    lxw_worksheet *worksheet = workbook_add_worksheet(workbook, sheet.name);
    if (!worksheet) {
        std::fprintf(stderr, "kalvix-xlsx: cannot add the sheet %s\n", sheet.name);
        return false;
    }
    for (int c = 0; c < sheet.widths.size(); ++c) {
        if (failed(
                worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c), sheet.widths.at(c) + 2, nullptr),
                "column width"))
            return false;
    }
    // The header row stays in view.
    worksheet_freeze_panes(worksheet, 1, 0);
    if (!writeRow(worksheet, 0, sheet.headers, bold))
        return false;
    for (int r = 0; r < sheet.rows.size(); ++r) {
        if (!writeRow(worksheet, lxw_row_t(r + 1), sheet.rows.at(r), nullptr))
            return false;
    }
    if (!sheet.headers.isEmpty() && failed(worksheet_autofilter(worksheet, 0, 0, lxw_row_t(sheet.rows.size()),
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
    QByteArray bytes;
    if (requestFile.open(QIODevice::ReadOnly))
        bytes = requestFile.readAll();
    XlsxRequest::WorkbookView request;
    if (!XlsxRequest::decode(bytes, request)) {
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
    lxw_doc_properties properties = {};
    properties.title = const_cast<char *>(request.title);
    properties.author = const_cast<char *>(request.author);
    bool written = !failed(workbook_set_properties(workbook, &properties), "properties");

    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    for (const XlsxRequest::SheetView &sheet : qAsConst(request.sheets)) {
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
