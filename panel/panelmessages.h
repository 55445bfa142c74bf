#pragma once

#include "catalogue/records.h"
#include "panel/batterymethod.h"

#include <QString>
#include <QVector>
#include <array>

// Status texts, notes, fault flags and report texts of one panel, from plain
// values. Every text is translated in the context "PanelWidget".
namespace PanelMessages
{

struct FaultFlags {
    bool hasBatteryFault = false;
    bool hasPowerLoadFault = false;
    bool hasLoopFault = false;

    bool any() const { return hasBatteryFault || hasPowerLoadFault || hasLoopFault; }
    bool operator==(const FaultFlags &o) const
    {
        return hasBatteryFault == o.hasBatteryFault && hasPowerLoadFault == o.hasPowerLoadFault &&
               hasLoopFault == o.hasLoopFault;
    }
};

// External power source N with its additional battery N. Names are the
// selectors' texts, capacities those of the catalogue records.
struct ExternalPowerChoice {
    bool sourceSelected = false;
    bool batterySelected = false;
    QString sourceName;
    double sourceMaxBatteryCapacity = 0;
    QString batteryName;
    double batteryCapacity = 0;

    // Both chosen and the battery does not fit the source's enclosure.
    bool batteryDoesNotFit() const;
};

// What the texts and flags are made from. Figures are as their labels show them.
struct PanelState {
    bool noBatterySelected = true; // all three battery selectors on "none"
    double minimumBatteryRequired = 0;
    double selectedTotalBattery = 0;
    double totalAlarmCurrent = 0;
    double maxCurrent = 0;
    int loopCount = 0;
    int maxLoops = 0;
    QString idleTimeText;
    QVector<bool> loopFaults; // only the first loopCount entries count
    bool externalPowerSourcesEnabled = false;
    std::array<ExternalPowerChoice, 2> external;
    QVector<ExternalBatteryBox> batteryBoxes; // catalogue order
    // How minimumBatteryRequired was found; the maker's method keeps the
    // panel's own texts, any other names itself and its notes.
    BatterySizing::Result batterySizing;
    BatterySizing::Suggestion nearestBattery;
};

struct BatteryStatus {
    QString text;
    bool fault = false;
};
BatteryStatus batteryStatus(const PanelState &state);

struct PowerLoadStatus {
    QString text;
    bool noLoops = false;  // only the status label is marked; no flags are emitted
    bool overload = false; // status label and total alarm current marked
};
PowerLoadStatus powerLoadStatus(const PanelState &state);

QString externalPowerNotes(const PanelState &state);

bool insufficientBattery(const PanelState &state);
bool overload(const PanelState &state);
bool followsEn54(const QString &idleTimeText);

FaultFlags faultFlags(const PanelState &state);

QString powerReportNotes(const PanelState &state);
QString externalPowerReportNotes(const PanelState &state);

} // namespace PanelMessages
