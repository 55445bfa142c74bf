#pragma once

#include "catalogue/records.h"

#include <QByteArray>
#include <QString>
#include <QVector>

// The one in-memory store of the maker's product data. It is filled only
// from a verified data file in the per-user data folder, or (tests, tools)
// from data handed to the constructor.
class Catalogue
{
public:
    // Verifies and reads the installed data; sets integrityFailed on failure.
    Catalogue();
    // Holds the given data without touching the disk.
    explicit Catalogue(const CatalogueData &data);

    Panel findPanel(const QString &name) const;
    ExpansionBox findExpansionBox(const QString &name) const;
    Battery findBattery(const QString &name) const;
    ExternalPowerSource findExternalPowerSource(const QString &name) const;
    ExternalBatteryBox findExternalBatteryBox(const QString &name) const;
    Device findDevice(const QString &name) const;
    AuxiliaryCard findAuxiliaryCard(const QString &name) const;

    QVector<Panel> panels() const { return m_data.panels; }
    QVector<ExpansionBox> expansionBoxes() const { return m_data.expansionBoxes; }
    QVector<Battery> batteries() const { return m_data.batteries; }
    QVector<ExternalPowerSource> externalPowerSources() const { return m_data.externalPowerSources; }
    QVector<ExternalBatteryBox> externalBatteryBoxes() const { return m_data.externalBatteryBoxes; }
    QVector<Device> devices() const { return m_data.devices; }
    QVector<AuxiliaryCard> auxiliaryCards() const { return m_data.auxiliaryCards; }
    DistributionFactorTable distributionFactors() const { return m_data.distributionFactors; }
    TopologyFactorTable topologyFactors() const { return m_data.topologyFactors; }

    QVector<ExpansionBox> compatibleExpansionBoxes(const QString &panelName) const;
    QVector<AuxiliaryCard> compatibleAuxiliaryCards(const QString &modelName) const;

    // x in 0..1: the distribution factor percent divided by 100.
    double distributionFactorAt(double x) const;

    QString imagePath(const QString &imageName) const;

    bool integrityFailed() const { return m_integrityFailed; }

    bool verifyDataFolder(const QString &folder) const;
    // The same, handing back the verified bytes of the data file.
    bool verifyDataFolder(const QString &folder, QByteArray &data) const;
    bool parseDataFile();
    bool installDataPack(const QString &path);
    // True when the last installDataPack failed because another installation
    // held the lock for longer than it waits; nothing was changed then.
    bool lastInstallWasBusy() const { return m_installBusy; }
    // Why the last installDataPack could not write its files (a full disk, a
    // read-only folder), in the system's words; empty when it failed for
    // another reason or did not fail.
    QString lastInstallError() const { return m_installError; }
    void removeTemporaryFolder() const;

    // Per-user application data location ("/data" and "/tmp_data" live below it).
    static QString dataLocation();

    // The key resource that verifyDataFolder checks; tests point it elsewhere
    // to prove that a replaced key is refused.
    static QString publicKeyPath();
    static void setPublicKeyPath(const QString &path);

private:
    CatalogueData m_data;
    bool m_integrityFailed = false;
    bool m_installBusy = false;
    QString m_installError;
};
