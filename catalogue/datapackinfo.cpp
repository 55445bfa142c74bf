#include "catalogue/datapackinfo.h"

#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace
{

// The section titles of the data file: a line starting with one is data,
// not a description.
bool isSectionTitle(const QString &line)
{
    static const char *const titles[] = {"Panel",
                                         "Expansion box",
                                         "Battery",
                                         "External power source",
                                         "External battery box",
                                         "Device",
                                         "Auxiliary cards",
                                         "Distribution factor",
                                         "Topology factor"};
    for (const char *title : titles)
        if (line.startsWith(QLatin1String(title)))
            return true;
    return false;
}

} // namespace

QString DataPackInfo::versionText() const
{
    QString text = version;
    if (!sha256.isEmpty())
        text +=
            (text.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("SHA-256 ") + fingerprint();
    return text;
}

DataPackInfo DataPackInfo::fromData(const QByteArray &data, const QString &fileName)
{
    DataPackInfo info;
    info.file = fileName;
    info.sha256 = QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
    const QList<QByteArray> lines = data.left(4096).split('\n');
    const QStringList version = QString::fromLatin1(lines.value(0).trimmed()).split(QLatin1Char(';'));
    info.formatVersion = version.value(1).trimmed();
    info.version = version.value(2).trimmed().isEmpty() ? info.formatVersion : version.value(2).trimmed();
    if (lines.size() > 1) {
        const QString line = QString::fromUtf8(lines.at(1)).trimmed();
        const QString description = line.section(QLatin1Char(';'), 0, 0).trimmed();
        if (!description.isEmpty() && !isSectionTitle(line))
            info.name = description;
    }
    if (info.name.isEmpty())
        info.name = QFileInfo(fileName).completeBaseName();
    return info;
}

DataPackInfo DataPackInfo::installed(const QString &folder)
{
    const QString dir = folder.isEmpty() ? Catalogue::dataLocation() + QStringLiteral("/data") : folder;
    const QString name = DataFile::dataFileNames(dir).value(0);
    if (name.isEmpty())
        return {};
    QFile file(dir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromData(file.readAll(), name);
}
