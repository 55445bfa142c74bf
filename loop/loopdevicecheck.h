#pragma once

#include "loop/loopschedule.h"
#include "loop/devicecheck.h"
#include "loop/loopcalculation.h"
#include "loop/loopconfig.h"
#include "loop/schedulerules.h"

#include <QString>
#include <QVector>

class Catalogue;

// The device-level check of one scheduled loop: the drops at every unit in
// each scenario, the isolator sections and the schedule's own faults, with
// the texts the schedule view, the command line and the report show. Texts
// are translated in the context "LoopDeviceCheck".
struct LoopDeviceCheck {
    // Schedule faults told in words; the rest are counted.
    static constexpr int MaxScheduleFaultTexts = 10;

    double limit = 0; // the loop's maximum voltage drop as shown
    bool degradedMode = false;
    DeviceCheck::Electrical electrical;
    QVector<DeviceCheck::IsolatorSection> sections;
    QVector<ScheduleRules::Fault> scheduleFaults;
    // A fault mark per unit, for the rows of the schedule table.
    QVector<bool> unitFaults;
    QString faultsText; // items separated by a blank line; empty when all is well

    // The worst drop of a scenario is above the limit (as displayed).
    bool exceeds(const DeviceCheck::Scenario &scenario) const;
    bool hasVoltageFault() const;
    bool hasSectionFault() const;
    bool hasFault() const { return hasVoltageFault() || hasSectionFault() || !scheduleFaults.isEmpty(); }
    // The largest drop at a unit over the scenarios the loop has.
    double worstDropAt(int unit) const;

    static LoopDeviceCheck evaluate(const LoopConfig &config, const LoopSchedule &schedule,
                                    const QVector<LoopCalc::LoopDevice> &devices, double limit,
                                    int maxAddresses, double soundersActiveFraction);
    static LoopDeviceCheck evaluate(const LoopConfig &config, const LoopSchedule &schedule, double limit,
                                    int maxAddresses, double soundersActiveFraction, const Catalogue &catalogue);
};

namespace LoopDeviceCheckTexts
{
// A panel or box with more than 512 detectors and call points: the note, or
// an empty text.
QString systemNote(int detectorsAndCallPoints);
// Detectors and call points on loops with these devices.
int detectorsAndCallPoints(const QVector<LoopCalc::LoopDevice> &devices);
} // namespace LoopDeviceCheckTexts
