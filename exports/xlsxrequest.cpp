#include "exports/xlsxrequest.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace XlsxRequest
{

namespace
{

const char Magic[4] = {'K', 'X', 'L', 'S'};
const quint32 Version = 2;
const int MaxCellText = 32767;

enum Tag : char { EmptyTag = 0, NumberTag = 1, TextTag = 2 };

void putCount(QByteArray &out, int value)
{
    const quint32 v = quint32(value);
    out.append(reinterpret_cast<const char *>(&v), sizeof v);
}

void putText(QByteArray &out, const QByteArray &utf8)
{
    putCount(out, utf8.size());
    out.append(utf8);
    out.append('\0');
}

void putCell(QByteArray &out, const QVariant &cell)
{
    if (isNumber(cell)) {
        const double value = cell.toDouble();
        out.append(char(NumberTag));
        out.append(reinterpret_cast<const char *>(&value), sizeof value);
        return;
    }
    const QByteArray text = cellText(cell.toString());
    if (text.isEmpty()) {
        out.append(char(EmptyTag));
        return;
    }
    out.append(char(TextTag));
    putText(out, text);
}

// Reads what the put functions wrote, never past the end.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_at(bytes.constData()), m_end(bytes.constData() + bytes.size())
    {
    }

    bool integer(int &value)
    {
        quint32 v = 0;
        if (m_end - m_at < qint64(sizeof v) || (std::memcpy(&v, m_at, sizeof v), v > quint32(INT_MAX)))
            return false;
        m_at += sizeof v;
        value = int(v);
        return true;
    }
    // A number of things that follow: each takes at least a byte.
    bool count(int &value) { return integer(value) && value <= m_end - m_at; }
    bool text(const char *&value)
    {
        int size = 0;
        if (!count(size) || m_end - m_at < size + 1 || m_at[size] != '\0')
            return false;
        value = m_at;
        m_at += size + 1;
        return true;
    }
    bool cell(Cell &value)
    {
        if (m_at == m_end)
            return false;
        const char tag = *m_at++;
        switch (tag) {
        case EmptyTag:
            value = Cell();
            return true;
        case NumberTag:
            if (m_end - m_at < qint64(sizeof(double)))
                return false;
            value.kind = Cell::Number;
            std::memcpy(&value.number, m_at, sizeof(double));
            m_at += sizeof(double);
            return true;
        case TextTag:
            value.kind = Cell::Text;
            return text(value.text);
        default:
            return false;
        }
    }
    bool magic()
    {
        if (m_end - m_at < qint64(sizeof Magic) || std::memcmp(m_at, Magic, sizeof Magic) != 0)
            return false;
        m_at += sizeof Magic;
        int version = 0;
        return integer(version) && quint32(version) == Version;
    }
    bool atEnd() const { return m_at == m_end; }

private:
    const char *m_at;
    const char *m_end;
};

} // namespace

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

QByteArray cellText(const QString &text)
{
    // Nearly every text is clean already: converted as it stands.
    const auto control = [](QChar c) {
        return c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r');
    };
    if (text.size() <= MaxCellText && std::none_of(text.cbegin(), text.cend(), control))
        return text.toUtf8();
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

QByteArray encode(const Workbook &workbook)
{
    // One buffer for the whole request, sized once for the usual cells.
    int cells = 0;
    for (const Sheet &sheet : workbook.sheets)
        for (const QVariantList &row : sheet.rows)
            cells += row.size() + 1;
    QByteArray out;
    out.reserve(1024 + cells * 24);
    out.append(Magic, sizeof Magic);
    putCount(out, int(Version));
    putText(out, cellText(workbook.title));
    putText(out, cellText(workbook.author));
    putCount(out, workbook.sheets.size());
    for (const Sheet &sheet : workbook.sheets) {
        putText(out, sheet.name.toUtf8());
        // Columns as wide as their texts (numbers excepted), within reason.
        QVector<int> widths(sheet.headers.size(), 8);
        for (int c = 0; c < sheet.headers.size(); ++c)
            widths[c] = std::max(widths[c], int(sheet.headers.at(c).size()));
        for (const QVariantList &row : sheet.rows)
            for (int c = 0; c < row.size() && c < widths.size(); ++c)
                if (!isNumber(row.at(c)))
                    widths[c] = std::max(widths[c], std::min(60, int(row.at(c).toString().size())));
        putCount(out, widths.size());
        for (int width : qAsConst(widths))
            putCount(out, width);
        putCount(out, sheet.headers.size());
        for (const QString &header : sheet.headers)
            putCell(out, header);
        putCount(out, sheet.rows.size());
        for (const QVariantList &row : sheet.rows) {
            putCount(out, row.size());
            for (const QVariant &cell : row)
                putCell(out, cell);
        }
    }
    return out;
}

bool decode(const QByteArray &bytes, WorkbookView &view)
{
    Reader in(bytes);
    WorkbookView read;
    int sheets = 0;
    if (!in.magic() || !in.text(read.title) || !in.text(read.author) || !in.count(sheets))
        return false;
    read.sheets.resize(sheets);
    for (SheetView &sheet : read.sheets) {
        int columns = 0;
        if (!in.text(sheet.name) || !in.count(columns))
            return false;
        sheet.widths.resize(columns);
        for (int &width : sheet.widths) {
            if (!in.integer(width))
                return false;
        }
        int headers = 0;
        if (!in.count(headers))
            return false;
        sheet.headers.resize(headers);
        for (Cell &cell : sheet.headers) {
            if (!in.cell(cell))
                return false;
        }
        int rows = 0;
        if (!in.count(rows))
            return false;
        sheet.rows.resize(rows);
        for (QVector<Cell> &row : sheet.rows) {
            int cells = 0;
            if (!in.count(cells))
                return false;
            row.resize(cells);
            for (Cell &cell : row) {
                if (!in.cell(cell))
                    return false;
            }
        }
    }
    if (!in.atEnd())
        return false;
    view = read;
    return true;
}

} // namespace XlsxRequest
