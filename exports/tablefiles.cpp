#include "exports/tablefiles.h"

#include "exports/xlsxrequest.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>

namespace TableFiles
{

namespace
{

using XlsxRequest::isNumber;

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

// The workbook writer: named by the environment (tests, benchmarks), beside
// the program (the build tree), or where the package installs it.
QString xlsxWriterProgram()
{
    const QString named = qEnvironmentVariable("KALVIX_XLSX_WRITER");
    if (!named.isEmpty())
        return named;
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString &candidate : {programDir.filePath(QStringLiteral("kalvix-xlsx")),
                                     QDir::cleanPath(programDir.filePath(
                                         QStringLiteral(KALVIX_XLSX_WRITER_FROM_BINDIR "/kalvix-xlsx")))}) {
        if (QFileInfo(candidate).isExecutable())
            return candidate;
    }
    return QString();
}

} // namespace

QByteArray xlsx(const QVector<Exports::Table> &tables, const QString &title, const QString &author)
{
    XlsxRequest::Workbook workbook{title, author, {}};
    QStringList names;
    for (const Exports::Table &table : tables) {
        names.append(sheetName(table.title, names));
        workbook.sheets.append({names.last(), table.headers, table.rows});
    }

    const QString program = xlsxWriterProgram();
    if (program.isEmpty()) {
        qWarning().noquote() << "The workbook writer kalvix-xlsx was not found beside"
                             << QCoreApplication::applicationDirPath();
        return QByteArray();
    }
    QTemporaryDir dir;
    if (!dir.isValid()) {
        qWarning().noquote() << "Failed to create a temporary folder:" << dir.errorString();
        return QByteArray();
    }
    const QString requestName = dir.filePath(QStringLiteral("request"));
    const QString workbookName = dir.filePath(QStringLiteral("workbook.xlsx"));
    QFile request(requestName);
    const QByteArray requestBytes = XlsxRequest::encode(workbook);
    if (!request.open(QIODevice::WriteOnly) || request.write(requestBytes) != requestBytes.size()) {
        qWarning().noquote() << "Failed to write file:" << requestName << request.errorString();
        return QByteArray();
    }
    request.close();

    QProcess writer;
    writer.setProcessChannelMode(QProcess::SeparateChannels);
    writer.start(program, {requestName, workbookName}, QIODevice::ReadOnly);
    // A large workbook takes well under a second; a minute means it hangs.
    if (!writer.waitForFinished(60000) || writer.exitStatus() != QProcess::NormalExit ||
        writer.exitCode() != 0) {
        if (writer.state() != QProcess::NotRunning) {
            writer.kill();
            writer.waitForFinished();
        }
        qWarning().noquote() << "The workbook writer failed:" << program << writer.errorString()
                             << QString::fromLocal8Bit(writer.readAllStandardError()).trimmed();
        return QByteArray();
    }
    QFile result(workbookName);
    if (!result.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "Failed to read file:" << workbookName << result.errorString();
        return QByteArray();
    }
    return result.readAll();
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
