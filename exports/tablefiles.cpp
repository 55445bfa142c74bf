#include "exports/tablefiles.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <zlib.h>

#include <functional>

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
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
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

namespace
{

const char *const MainNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
const char *const RelationshipNamespace =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
const char *const PackageRelationships = "http://schemas.openxmlformats.org/package/2006/relationships";

// XML 1.0 cannot hold most control characters, not even escaped.
QString xmlText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            clean.append(c);
    }
    return clean;
}

// "A", "B", ... "Z", "AA" ...
QString columnName(int column)
{
    QString name;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QLatin1Char(char('A' + (n - 1) % 26)));
    return name;
}

QByteArray xml(const std::function<void(QXmlStreamWriter &)> &body)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.writeStartDocument(QStringLiteral("1.0"), true);
    body(writer);
    writer.writeEndDocument();
    return bytes;
}

// Appends `text` escaped for XML character data or a quoted attribute.
void appendEscaped(QByteArray &out, const QString &text)
{
    const QByteArray bytes = xmlText(text).toUtf8();
    for (const char c : bytes) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
}

// Written by hand rather than through a stream writer: a sheet can hold a
// hundred thousand rows, and this is several times faster.
QByteArray sheetXml(const Exports::Table &table)
{
    QByteArray out;
    out.reserve(64 * (table.rows.size() + 1) * std::max(1, int(table.headers.size())));
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<worksheet xmlns=\"";
    out += MainNamespace;
    // The header row stays in view.
    out += "\"><sheetViews><sheetView workbookViewId=\"0\"><pane ySplit=\"1\" topLeftCell=\"A2\" "
           "activePane=\"bottomLeft\" state=\"frozen\"/></sheetView></sheetViews>";

    QVector<int> widths(table.headers.size(), 8);
    for (int c = 0; c < table.headers.size(); ++c)
        widths[c] = std::max(widths[c], int(table.headers.at(c).size()));
    for (const QVariantList &row : table.rows)
        for (int c = 0; c < row.size() && c < widths.size(); ++c)
            if (!isNumber(row.at(c)))
                widths[c] = std::max(widths[c], std::min(60, int(row.at(c).toString().size())));
    if (!widths.isEmpty()) {
        out += "<cols>";
        for (int c = 0; c < widths.size(); ++c) {
            const QByteArray n = QByteArray::number(c + 1);
            out += "<col min=\"" + n + "\" max=\"" + n + "\" width=\"" +
                   QByteArray::number(widths.at(c) + 2) + "\" customWidth=\"1\"/>";
        }
        out += "</cols>";
    }

    QVector<QByteArray> columns;
    const int columnCount = std::max<int>(table.headers.size(), 1);
    for (int c = 0; c < columnCount; ++c)
        columns.append(columnName(c).toLatin1());
    for (const QVariantList &row : table.rows)
        while (columns.size() < row.size())
            columns.append(columnName(columns.size()).toLatin1());

    out += "<sheetData>";
    const auto writeRow = [&out, &columns](int r, const QVariantList &cells, bool header) {
        const QByteArray number = QByteArray::number(r + 1);
        out += "<row r=\"" + number + "\">";
        for (int c = 0; c < cells.size(); ++c) {
            const QVariant &cell = cells.at(c);
            if (isNumber(cell)) {
                out +=
                    "<c r=\"" + columns.at(c) + number + "\"><v>" + numberText(cell).toLatin1() + "</v></c>";
                continue;
            }
            const QString text = cell.toString();
            if (text.isEmpty())
                continue;
            out += "<c r=\"" + columns.at(c) + number + "\" t=\"inlineStr\"";
            if (header)
                out += " s=\"1\"";
            out += text.trimmed() != text ? "><is><t xml:space=\"preserve\">" : "><is><t>";
            appendEscaped(out, text);
            out += "</t></is></c>";
        }
        out += "</row>";
    };
    QVariantList headers;
    for (const QString &header : table.headers)
        headers.append(header);
    writeRow(0, headers, true);
    for (int r = 0; r < table.rows.size(); ++r)
        writeRow(r + 1, table.rows.at(r), false);
    out += "</sheetData>";
    if (!table.headers.isEmpty())
        out += "<autoFilter ref=\"A1:" + columns.at(table.headers.size() - 1) +
               QByteArray::number(table.rows.size() + 1) + "\"/>";
    out += "</worksheet>";
    return out;
}

const char StylesXml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
    "<fonts count=\"2\"><font><sz val=\"11\"/><name val=\"Calibri\"/></font>"
    "<font><b/><sz val=\"11\"/><name val=\"Calibri\"/></font></fonts>"
    "<fills count=\"2\"><fill><patternFill patternType=\"none\"/></fill>"
    "<fill><patternFill patternType=\"gray125\"/></fill></fills>"
    "<borders count=\"1\"><border><left/><right/><top/><bottom/><diagonal/></border></borders>"
    "<cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\"/></cellStyleXfs>"
    "<cellXfs count=\"2\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"
    "<xf numFmtId=\"0\" fontId=\"1\" fillId=\"0\" borderId=\"0\" xfId=\"0\" applyFont=\"1\"/></cellXfs>"
    "<cellStyles count=\"1\"><cellStyle name=\"Normal\" xfId=\"0\" builtinId=\"0\"/></cellStyles>"
    "</styleSheet>";

} // namespace

QByteArray xlsx(const QVector<Exports::Table> &tables, const QString &title, const QString &author)
{
    QStringList names;
    for (const Exports::Table &table : tables)
        names.append(sheetName(table.title, names));
    const int n = tables.size();

    QVector<QPair<QString, QByteArray>> parts;
    parts.append({QStringLiteral("[Content_Types].xml"), xml([n](QXmlStreamWriter &w) {
                      w.writeStartElement(QLatin1String("Types"));
                      w.writeDefaultNamespace(
                          QLatin1String("http://schemas.openxmlformats.org/package/2006/content-types"));
                      const auto byDefault = [&w](const char *extension, const char *type) {
                          w.writeEmptyElement(QLatin1String("Default"));
                          w.writeAttribute(QLatin1String("Extension"), QLatin1String(extension));
                          w.writeAttribute(QLatin1String("ContentType"), QLatin1String(type));
                      };
                      const auto part = [&w](const QString &name, const char *type) {
                          w.writeEmptyElement(QLatin1String("Override"));
                          w.writeAttribute(QLatin1String("PartName"), name);
                          w.writeAttribute(QLatin1String("ContentType"), QLatin1String(type));
                      };
                      byDefault("rels", "application/vnd.openxmlformats-package.relationships+xml");
                      byDefault("xml", "application/xml");
                      part(QStringLiteral("/xl/workbook.xml"),
                           "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
                      for (int i = 1; i <= n; ++i)
                          part(QStringLiteral("/xl/worksheets/sheet%1.xml").arg(i),
                               "application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml");
                      part(QStringLiteral("/xl/styles.xml"),
                           "application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml");
                      part(QStringLiteral("/docProps/core.xml"),
                           "application/vnd.openxmlformats-package.core-properties+xml");
                      w.writeEndElement();
                  })});
    const auto relationships = [](const QVector<QPair<QString, QString>> &entries) {
        return xml([&entries](QXmlStreamWriter &w) {
            w.writeStartElement(QLatin1String("Relationships"));
            w.writeDefaultNamespace(QLatin1String(PackageRelationships));
            for (int i = 0; i < entries.size(); ++i) {
                w.writeEmptyElement(QLatin1String("Relationship"));
                w.writeAttribute(QLatin1String("Id"), QStringLiteral("rId%1").arg(i + 1));
                w.writeAttribute(QLatin1String("Type"), entries.at(i).first);
                w.writeAttribute(QLatin1String("Target"), entries.at(i).second);
            }
            w.writeEndElement();
        });
    };
    const QString officeDocument = QLatin1String(RelationshipNamespace);
    parts.append(
        {QStringLiteral("_rels/.rels"),
         relationships(
             {{officeDocument + QStringLiteral("/officeDocument"), QStringLiteral("xl/workbook.xml")},
              {QLatin1String(PackageRelationships) + QStringLiteral("/metadata/core-properties"),
               QStringLiteral("docProps/core.xml")}})});
    parts.append(
        {QStringLiteral("docProps/core.xml"), xml([&](QXmlStreamWriter &w) {
             w.writeStartElement(QLatin1String("cp:coreProperties"));
             w.writeNamespace(
                 QLatin1String("http://schemas.openxmlformats.org/package/2006/metadata/core-properties"),
                 QLatin1String("cp"));
             w.writeNamespace(QLatin1String("http://purl.org/dc/elements/1.1/"), QLatin1String("dc"));
             w.writeTextElement(QLatin1String("dc:title"), xmlText(title));
             w.writeTextElement(QLatin1String("dc:creator"), xmlText(author));
             w.writeEndElement();
         })});
    parts.append({QStringLiteral("xl/workbook.xml"), xml([&names](QXmlStreamWriter &w) {
                      w.writeStartElement(QLatin1String("workbook"));
                      w.writeDefaultNamespace(QLatin1String(MainNamespace));
                      w.writeNamespace(QLatin1String(RelationshipNamespace), QLatin1String("r"));
                      w.writeStartElement(QLatin1String("sheets"));
                      for (int i = 0; i < names.size(); ++i) {
                          w.writeEmptyElement(QLatin1String("sheet"));
                          w.writeAttribute(QLatin1String("name"), xmlText(names.at(i)));
                          w.writeAttribute(QLatin1String("sheetId"), QString::number(i + 1));
                          w.writeAttribute(QLatin1String(RelationshipNamespace), QLatin1String("id"),
                                           QStringLiteral("rId%1").arg(i + 1));
                      }
                      w.writeEndElement();
                      w.writeEndElement();
                  })});
    QVector<QPair<QString, QString>> workbookParts;
    for (int i = 1; i <= n; ++i)
        workbookParts.append(
            {officeDocument + QStringLiteral("/worksheet"), QStringLiteral("worksheets/sheet%1.xml").arg(i)});
    workbookParts.append({officeDocument + QStringLiteral("/styles"), QStringLiteral("styles.xml")});
    parts.append({QStringLiteral("xl/_rels/workbook.xml.rels"), relationships(workbookParts)});
    parts.append({QStringLiteral("xl/styles.xml"), QByteArray(StylesXml)});
    for (int i = 0; i < n; ++i)
        parts.append({QStringLiteral("xl/worksheets/sheet%1.xml").arg(i + 1), sheetXml(tables.at(i))});

    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    if (!zip.open(QuaZip::mdCreate))
        return QByteArray();
    for (const auto &part : parts) {
        QuaZipFile file(&zip);
        // The fastest deflate: sheets are large and repetitive, and shrink well at any level.
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(part.first), nullptr, 0, Z_DEFLATED,
                       Z_BEST_SPEED) ||
            file.write(part.second) != part.second.size()) {
            return QByteArray();
        }
        file.close();
        if (file.getZipError() != ZIP_OK)
            return QByteArray();
    }
    zip.close();
    return zip.getZipError() == ZIP_OK ? bytes : QByteArray();
}

bool writeXlsx(const QString &fileName, const QVector<Exports::Table> &tables, const QString &title,
               const QString &author)
{
    const QByteArray bytes = xlsx(tables, title, author);
    if (bytes.isEmpty()) {
        qWarning().noquote() << "Failed to compose the workbook:" << fileName;
        return false;
    }
    return writeFileSafely(fileName, bytes);
}

} // namespace TableFiles
