#include "catalogue/packidentity.h"

#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace
{

// The section titles of the data file: a line starting with one is data.
bool isSectionTitle(const QString &line)
{
    static const char *const titles[] = {"Panel",  "Expansion box", "Battery",
                                         "External power source", "External battery box", "Device",
                                         "Auxiliary cards", "Distribution factor", "Topology factor"};
    for (const char *title : titles)
        if (line.startsWith(QLatin1String(title)))
            return true;
    return false;
}

} // namespace

QString PackIdentity::versionText() const
{
    QString text = formatVersion;
    if (!fingerprint.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("SHA-256 ") + fingerprint;
    return text;
}

PackIdentity PackIdentity::fromData(const QByteArray &data, const QString &fileName)
{
    PackIdentity identity;
    identity.fingerprint =
        QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex().left(12));
    const QList<QByteArray> lines = data.left(4096).split('\n');
    if (!lines.isEmpty()) {
        const QStringList version = QString::fromLatin1(lines.first().trimmed()).split(QLatin1Char(';'));
        identity.formatVersion = version.value(1).trimmed();
    }
    if (lines.size() > 1) {
        const QString line = QString::fromUtf8(lines.at(1)).trimmed();
        const QString description = line.section(QLatin1Char(';'), 0, 0).trimmed();
        if (!description.isEmpty() && !isSectionTitle(line))
            identity.name = description;
    }
    if (identity.name.isEmpty())
        identity.name = QFileInfo(fileName).completeBaseName();
    return identity;
}

PackIdentity PackIdentity::installed()
{
    const QString folder = Catalogue::dataLocation() + QStringLiteral("/data");
    const QString name = DataFile::dataFileNames(folder).value(0);
    if (name.isEmpty())
        return {};
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return fromData(file.readAll(), name);
}
