#include "catalogue/datapackinfo.h"

#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

DataPackInfo DataPackInfo::installed(const QString &folder)
{
    const QString dir = folder.isEmpty() ? Catalogue::dataLocation() + QStringLiteral("/data") : folder;
    DataPackInfo info;
    const QString name = DataFile::dataFileNames(dir).value(0);
    if (name.isEmpty())
        return info;
    QFile file(dir + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return info;
    const QByteArray bytes = file.readAll();
    info.file = name;
    info.sha256 = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    const QList<QByteArray> lines = bytes.left(4096).split('\n');
    const QStringList version = QString::fromLatin1(lines.value(0).trimmed()).split(QLatin1Char(';'));
    info.version =
        version.value(2).trimmed().isEmpty() ? version.value(1).trimmed() : version.value(2).trimmed();
    info.name = QString::fromUtf8(lines.value(1).trimmed()).section(QLatin1Char(';'), 0, 0).trimmed();
    if (info.name.isEmpty())
        info.name = QFileInfo(name).completeBaseName();
    return info;
}
