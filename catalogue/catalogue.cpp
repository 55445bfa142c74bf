#include "catalogue/catalogue.h"

#include "catalogue/datafile.h"
#include "catalogue/datapack.h"

#include <QBuffer>
#include <QDebug>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{

template <typename Record>
Record findByName(const QVector<Record> &list, const QString &name, const char *warning)
{
    for (const Record &record : list) {
        if (record.name == name)
            return record;
    }
    qWarning().noquote() << QString::fromLatin1(warning) + name;
    return Record();
}

bool beginsWithAny(const QString &name, const QStringList &prefixes)
{
    for (const QString &prefix : prefixes) {
        if (name.startsWith(prefix, Qt::CaseSensitive))
            return true;
    }
    return false;
}

QString &keyPathStorage()
{
    static QString path = QStringLiteral(":/resources/keys/Kalvix-public_key.pem");
    return path;
}

} // namespace

Catalogue::Catalogue()
{
    DataPack::restoreInterruptedInstallation(dataLocation());
    const QString folder = dataLocation() + QStringLiteral("/data");
    QByteArray bytes;
    if (!QFileInfo::exists(folder)) {
        // Nothing installed yet is a first start, not a failed verification.
        m_integrityFailed = true;
        qInfo().noquote() << "No data pack installed yet";
        return;
    }
    if (verifyDataFolder(folder, bytes)) {
        // The bytes read are the bytes verified: the file may change meanwhile.
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly | QIODevice::Text);
        // Signed yet refused (absurd figures): no data is safer than wrong data.
        if (!DataFile::read(buffer, m_data)) {
            m_integrityFailed = true;
            qWarning().noquote() << "Data integrity verification failed!";
        }
    } else {
        m_integrityFailed = true;
        qWarning().noquote() << "Data integrity verification failed!";
    }
}

Catalogue::Catalogue(const CatalogueData &data) : m_data(data) {}

Panel Catalogue::findPanel(const QString &name) const
{
    return findByName(m_data.panels, name, "Panel not found: ");
}

ExpansionBox Catalogue::findExpansionBox(const QString &name) const
{
    return findByName(m_data.expansionBoxes, name, "Expansion box not found: ");
}

Battery Catalogue::findBattery(const QString &name) const
{
    return findByName(m_data.batteries, name, "Battery not found: ");
}

ExternalPowerSource Catalogue::findExternalPowerSource(const QString &name) const
{
    return findByName(m_data.externalPowerSources, name, "External Power Source not found: ");
}

ExternalBatteryBox Catalogue::findExternalBatteryBox(const QString &name) const
{
    return findByName(m_data.externalBatteryBoxes, name, "External Battery Box not found: ");
}

Device Catalogue::findDevice(const QString &name) const
{
    return findByName(m_data.devices, name, "Device not found: ");
}

AuxiliaryCard Catalogue::findAuxiliaryCard(const QString &name) const
{
    return findByName(m_data.auxiliaryCards, name, "Auxiliary Card not found: ");
}

QVector<ExpansionBox> Catalogue::compatibleExpansionBoxes(const QString &panelName) const
{
    QVector<ExpansionBox> result;
    for (const ExpansionBox &box : m_data.expansionBoxes) {
        if (beginsWithAny(panelName, box.compatiblePanels))
            result.append(box);
    }
    return result;
}

QVector<AuxiliaryCard> Catalogue::compatibleAuxiliaryCards(const QString &modelName) const
{
    QVector<AuxiliaryCard> result;
    for (const AuxiliaryCard &card : m_data.auxiliaryCards) {
        if (beginsWithAny(modelName, card.compatiblePanels))
            result.append(card);
    }
    return result;
}

double Catalogue::distributionFactorAt(double x) const
{
    const DistributionFactorTable &t = m_data.distributionFactors;
    return t.atZero - x * (t.atZero - t.atFull);
}

QString Catalogue::imagePath(const QString &imageName) const
{
    const QString path = dataLocation() + QStringLiteral("/data/images/") + imageName;
    if (!QFileInfo(path).isFile()) {
        qWarning().noquote() << QStringLiteral("Image not found: ") + path;
        return QStringLiteral(":/resources/icons/missing_resource.png");
    }
    // Pictures are not signed: whatever sits there now is checked before
    // an image plugin decodes it.
    QString reason;
    if (!DataPack::isAcceptablePictureFile(path, &reason)) {
        qWarning().noquote() << QStringLiteral("Image refused: ") + path + QStringLiteral(" (") + reason +
                                    QLatin1Char(')');
        return QStringLiteral(":/resources/icons/missing_resource.png");
    }
    return path;
}

QString Catalogue::dataLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

// The key resource sits in a static library; nothing would pull it in otherwise.
static void initKeyResource()
{
    Q_INIT_RESOURCE(keys);
}

QString Catalogue::publicKeyPath()
{
    static const bool initialised = (initKeyResource(), true);
    Q_UNUSED(initialised)
    return keyPathStorage();
}

void Catalogue::setPublicKeyPath(const QString &path)
{
    keyPathStorage() = path;
}
