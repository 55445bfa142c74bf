#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVector>

// What the workbook writer (the separate program kalvix-xlsx) is asked to
// write: sheets in order, each with a header row and rows of texts and
// numbers. Shared by the program that asks and the writer, QtCore only.
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

QByteArray encode(const Workbook &workbook);
// False when `bytes` are not a whole request of this version.
bool decode(const QByteArray &bytes, Workbook &workbook);

} // namespace XlsxRequest
