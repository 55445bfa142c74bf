#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

// What the workbook writer (the separate program kalvix-xlsx) is asked to
// write: sheets in order, each with a header row and rows of texts and
// numbers. Shared by the program that asks and the writer, QtCore only.
//
// The request is laid out so that the writer reads it without converting
// anything: texts as cleaned UTF-8, each followed by a NUL, numbers as
// doubles in this machine's byte order (both ends run on one machine).
namespace XlsxRequest
{

struct Sheet {
    QString name; // a valid, unique sheet name
    QStringList headers;
    QVector<QVariantList> rows;
};

struct Workbook {
    QString title;
    QString author;
    QVector<Sheet> sheets;
};

// Int, long long and double cells are numbers; anything else is a text.
bool isNumber(const QVariant &cell);
// A text as a sheet can hold it: XML cannot carry most control characters,
// and a cell holds at most 32767 characters.
QByteArray cellText(const QString &text);

QByteArray encode(const Workbook &workbook);

// A view of an encoded request; texts point into its bytes.
struct Cell {
    enum Kind { Empty, Number, Text } kind = Empty;
    double number = 0;
    const char *text = nullptr; // NUL-terminated UTF-8
};
struct SheetView {
    const char *name = nullptr;
    QVector<int> widths; // per column, in characters
    QVector<Cell> headers;
    QVector<QVector<Cell>> rows;
};
struct WorkbookView {
    const char *title = nullptr;
    const char *author = nullptr;
    QVector<SheetView> sheets;
};
// False when `bytes` are not a whole request of this version; `bytes` must
// outlive `view`.
bool decode(const QByteArray &bytes, WorkbookView &view);

} // namespace XlsxRequest
