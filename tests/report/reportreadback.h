#pragma once

// Reading back what the report writes: the rows of its HTML tables, and its
// PDFs through poppler's tools when the machine has them.

#include <QFile>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QVector>

// The cells of the table row that starts with `first`, after `heading`, as
// plain text.
inline QStringList rowCells(const QString &html, const QString &heading, const QString &first)
{
    const int from = html.indexOf(heading);
    if (from < 0)
        return {};
    const QRegularExpression row(QStringLiteral("<tr>(<td[^>]*>(?:(?!</tr>).)*)</tr>"));
    for (auto it = row.globalMatch(html, from); it.hasNext();) {
        const QString cells = it.next().captured(1);
        QStringList texts;
        const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"));
        for (auto c = cell.globalMatch(cells); c.hasNext();) {
            QString text = c.next().captured(1);
            text.replace(QStringLiteral("<br>"), QStringLiteral(" "));
            text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
            texts << text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
        }
        if (!texts.isEmpty() && texts.first() == first)
            return texts;
    }
    return {};
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool havePoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

inline QString pdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What pdfinfo says of the file, empty without poppler.
inline QString pdfInfo(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pdfPages(const QString &path)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pdfInfo(path));
    if (m.hasMatch())
        return m.captured(1).toInt();
    // Without poppler: count the page objects.
    const QByteArray bytes = bytesOf(path);
    return bytes.count("/Type /Page\n") + bytes.count("/Type /Page ");
}

// Every word of the text layer with its page and place, in points.
struct PdfWord {
    int page = 0;
    QRectF box;
    QString text;
};

inline QVector<PdfWord> pdfWords(const QString &path)
{
    QVector<PdfWord> words;
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000))
        return words;
    const QString xml = QString::fromUtf8(process.readAllStandardOutput());
    const QRegularExpression item(QStringLiteral("<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                                 "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    int page = 0;
    for (auto it = item.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        PdfWord word;
        word.page = page;
        word.box = QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                          QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        word.text = m.captured(5);
        words.append(word);
    }
    return words;
}
