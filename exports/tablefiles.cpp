#include "exports/tablefiles.h"

#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace TableFiles
{

namespace
{

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

QString numberText(const QVariant &cell)
{
    if (cell.userType() == QMetaType::Double)
        return QString::number(cell.toDouble(), 'g', QLocale::FloatingPointShortest);
    return QString::number(cell.toLongLong());
}

} // namespace

QString csvCell(const QVariant &cell)
{
    if (isNumber(cell))
        return numberText(cell);
    QString text = cell.toString();
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    if (text.size() > 1 && formulaStarts.contains(text.at(0)))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n')) ||
        text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

QByteArray csv(const Exports::Table &table)
{
    QString text;
    const auto line = [&text](const QVariantList &cells) {
        QStringList parts;
        for (const QVariant &cell : cells)
            parts.append(csvCell(cell));
        text += parts.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QVariantList headers;
    for (const QString &header : table.headers)
        headers.append(header);
    line(headers);
    for (const QVariantList &row : table.rows)
        line(row);
    return text.toUtf8();
}

bool writeFileSafely(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        qWarning().noquote() << "Failed to open file for writing:" << fileName << file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        qWarning().noquote() << "Failed to write file:" << fileName << file.errorString();
        return false;
    }
    return true;
}

bool writeCsv(const QString &fileName, const Exports::Table &table)
{
    return writeFileSafely(fileName, csv(table));
}

QString sheetName(const QString &title, const QStringList &taken)
{
    QString base = title;
    for (const QChar c : QStringLiteral("[]:*?/\\"))
        base.replace(c, QLatin1Char('_'));
    base = base.left(31);
    if (base.isEmpty())
        base = QStringLiteral("Sheet");
    QString name = base;
    for (int k = 2; taken.contains(name, Qt::CaseInsensitive); ++k) {
        const QString suffix = QStringLiteral(" (%1)").arg(k);
        name = base.left(31 - suffix.size()) + suffix;
    }
    return name;
}

bool writeXlsx(const QString &fileName, const QVector<Exports::Table> &tables, const QString &title,
               const QString &author)
{
    // The library writes to a path of its own; the workbook is made in a
    // private folder and then put in place like any other file.
    QTemporaryDir folder;
    if (!folder.isValid()) {
        qWarning().noquote() << "Failed to create a temporary folder:" << folder.errorString();
        return false;
    }
    const QByteArray path = QFile::encodeName(folder.filePath(QStringLiteral("workbook.xlsx")));
    const QByteArray tmp = QFile::encodeName(folder.path());
    lxw_workbook_options options = {};
    options.constant_memory = LXW_FALSE;
    options.tmpdir = const_cast<char *>(tmp.constData());
    lxw_workbook *workbook = workbook_new_opt(path.constData(), &options);
    if (!workbook) {
        qWarning().noquote() << "Failed to create the workbook for:" << fileName;
        return false;
    }
    const QByteArray titleBytes = title.toUtf8();
    const QByteArray authorBytes = author.toUtf8();
    lxw_doc_properties properties = {};
    properties.title = const_cast<char *>(titleBytes.constData());
    properties.author = const_cast<char *>(authorBytes.constData());
    workbook_set_properties(workbook, &properties);

    lxw_format *bold = workbook_add_format(workbook);
    format_set_bold(bold);
    QStringList taken;
    bool ok = true;
    for (const Exports::Table &table : tables) {
        const QString name = sheetName(table.title, taken);
        taken.append(name);
        const QByteArray nameBytes = name.toUtf8();
        lxw_worksheet *sheet = workbook_add_worksheet(workbook, nameBytes.constData());
        if (!sheet) {
            ok = false;
            break;
        }
        QVector<int> widths(table.headers.size(), 8);
        for (int c = 0; c < table.headers.size(); ++c) {
            const QByteArray text = table.headers.at(c).toUtf8();
            ok = ok && worksheet_write_string(sheet, 0, lxw_col_t(c), text.constData(), bold) == LXW_NO_ERROR;
            widths[c] = std::max(widths[c], int(table.headers.at(c).size()));
        }
        for (int r = 0; r < table.rows.size() && ok; ++r) {
            const QVariantList &row = table.rows.at(r);
            for (int c = 0; c < row.size(); ++c) {
                const QVariant &cell = row.at(c);
                const lxw_row_t at = lxw_row_t(r + 1);
                if (isNumber(cell)) {
                    ok = ok && worksheet_write_number(sheet, at, lxw_col_t(c), cell.toDouble(), nullptr) ==
                                   LXW_NO_ERROR;
                    continue;
                }
                const QString text = cell.toString();
                if (text.isEmpty())
                    continue;
                const QByteArray bytes = text.toUtf8();
                ok = ok && worksheet_write_string(sheet, at, lxw_col_t(c), bytes.constData(), nullptr) ==
                               LXW_NO_ERROR;
                if (c < widths.size())
                    widths[c] = std::max(widths[c], std::min(60, int(text.size())));
            }
        }
        for (int c = 0; c < widths.size(); ++c)
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), widths.at(c) + 2, nullptr);
        worksheet_freeze_panes(sheet, 1, 0);
        if (!table.headers.isEmpty())
            worksheet_autofilter(sheet, 0, 0, lxw_row_t(table.rows.size()), lxw_col_t(table.headers.size() - 1));
    }
    const lxw_error closed = workbook_close(workbook);
    if (!ok || closed != LXW_NO_ERROR) {
        qWarning().noquote() << "Failed to compose the workbook:" << fileName
                             << (closed != LXW_NO_ERROR ? QString::fromUtf8(lxw_strerror(closed)) : QString());
        return false;
    }
    QFile made(QFile::decodeName(path));
    if (!made.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "Failed to read the composed workbook:" << made.errorString();
        return false;
    }
    return writeFileSafely(fileName, made.readAll());
}

} // namespace TableFiles
