#include "exports/xlsxrequest.h"

#include <QDataStream>
#include <QIODevice>

namespace XlsxRequest
{

namespace
{

const quint32 Magic = 0x4b584c53; // "KXLS"
const quint32 Version = 1;

} // namespace

QByteArray encode(const Workbook &workbook)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_5_15);
    out << Magic << Version << workbook.title << workbook.author << qint32(workbook.sheets.size());
    for (const Sheet &sheet : workbook.sheets) {
        out << sheet.name << sheet.headers << qint32(sheet.rows.size());
        for (const QVariantList &row : sheet.rows)
            out << row;
    }
    return bytes;
}

bool decode(const QByteArray &bytes, Workbook &workbook)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_5_15);
    quint32 magic = 0;
    quint32 version = 0;
    qint32 sheets = 0;
    in >> magic >> version;
    if (magic != Magic || version != Version)
        return false;
    Workbook read;
    in >> read.title >> read.author >> sheets;
    if (in.status() != QDataStream::Ok || sheets < 0)
        return false;
    for (qint32 s = 0; s < sheets; ++s) {
        Sheet sheet;
        qint32 rows = 0;
        in >> sheet.name >> sheet.headers >> rows;
        if (in.status() != QDataStream::Ok || rows < 0)
            return false;
        for (qint32 r = 0; r < rows && in.status() == QDataStream::Ok; ++r) {
            QVariantList row;
            in >> row;
            sheet.rows.append(row);
        }
        read.sheets.append(sheet);
    }
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return false;
    workbook = read;
    return true;
}

} // namespace XlsxRequest
