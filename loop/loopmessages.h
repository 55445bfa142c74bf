#pragma once

#include "loop/loopcalculation.h"
#include "loop/loopconfig.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The loop's faults and notes, for the loop tab and for the report. All texts
// are translated in the context "LoopWidget".
namespace LoopMessages
{

constexpr int BeamLimit = 20;

// What the messages need to know about the devices on the loop, in name order.
struct DeviceFacts {
    int beamCount = 0;
    QStringList externalSupply; // devices that need an external 24 V supply
    QStringList loopSounders;   // loop-powered sounders ("(loop)" at the end)
};
DeviceFacts deviceFacts(const QVector<LoopCalc::LoopDevice> &devices);

// A sounder powered from the loop: its name ends with "(loop)", in any case.
bool isLoopSounderName(const QString &name);

// The three checks; each marks its own result label.
struct Faults {
    bool addresses = false;
    bool voltageDrop = false;
    bool current = false;
    bool any() const { return addresses || voltageDrop || current; }
};
Faults checkFaults(const LoopCalc::LoopResults &results, const LoopLimits &limits);

// The devices' own idle current (base current left out) is below the panel's minimum.
bool idleBelowMinimum(const LoopCalc::LoopResults &results, const LoopLimits &limits);

// The idle current of the devices alone, as the idle note compares and prints it.
double devicesIdleCurrent(const LoopCalc::LoopResults &results);

// Texts of the fault and notes boxes of the loop tab.
QString faultsText(const Faults &faults, const LoopLimits &limits, const DeviceFacts &facts);
QString notesText(const LoopCalc::LoopResults &results, const LoopLimits &limits, const DeviceFacts &facts);

// The report's wording: a severity word first, the figures with 3 decimals,
// items separated by a blank line; empty when there is nothing to say.
QString faultReportText(const LoopCalc::LoopResults &results, const LoopLimits &limits,
                        const DeviceFacts &facts);
QString noteReportText(const LoopCalc::LoopResults &results, const LoopLimits &limits,
                       const DeviceFacts &facts);

} // namespace LoopMessages
