#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Plain product records, copied freely. A default-constructed record is the
// "empty record" that lookups return for unknown names.

struct Panel {
    QString name;
    double idleCurrent = 0;
    double alarmCurrent = 0;
    double maxCurrent = 0;
    double maxBatteryCapacity = 0;
    int baseLoops = 0;
    int maxLoops = 0;
    int loopMaxAddresses = 0;
    double loopMinCurrent = 0;
    double loopMaxCurrent = 0;
    bool supportsOverboost = false;
    int maxExpansionBoxes = 0;
    QString image;
};

struct ExpansionBox {
    QString name;
    double idleCurrent = 0;
    double alarmCurrent = 0;
    double maxCurrent = 0;
    double maxBatteryCapacity = 0;
    int baseLoops = 0;
    int maxLoops = 0;
    int loopMaxAddresses = 0;
    double loopMinCurrent = 0;
    double loopMaxCurrent = 0;
    bool supportsOverboost = false;
    QStringList compatiblePanels;
    QString image;
};

struct Battery {
    QString name;
    double capacity = 0;
    QString image;
};

struct ExternalPowerSource {
    QString name;
    double maxBatteryCapacity = 0;
    QString image;
};

struct ExternalBatteryBox {
    QString name;
    double maxBatteryCapacity = 0;
    QString image;
};

struct Device {
    QString name;
    QString category;
    QString subcategory;
    double idleCurrent = 0;
    double alarmCurrent = 0;
    bool requiresExternal24V = false;
    int addresses = 0;
    bool addsLoopResistance = false;
    bool isSounder = false;
    bool hidden = false;
    QString image;
};

struct AuxiliaryCard {
    QString name;
    double current = 0;
    bool onlyOne = false;
    QStringList compatiblePanels;
    QString image;
};

struct DistributionFactorTable {
    double atZero = 0;
    double atFull = 0;
};

struct TopologyFactorTable {
    double classA = 0;
    double degradedMode = 0;
};

// Everything a catalogue data file holds.
struct CatalogueData {
    QVector<Panel> panels;
    QVector<ExpansionBox> expansionBoxes;
    QVector<Battery> batteries;
    QVector<ExternalPowerSource> externalPowerSources;
    QVector<ExternalBatteryBox> externalBatteryBoxes;
    QVector<Device> devices;
    QVector<AuxiliaryCard> auxiliaryCards;
    DistributionFactorTable distributionFactors;
    TopologyFactorTable topologyFactors;
};
