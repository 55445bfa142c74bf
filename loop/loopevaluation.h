#pragma once

#include "loop/loopcalculation.h"
#include "loop/loopconfig.h"
#include "loop/loopmessages.h"

#include <QString>

class Catalogue;

// One loop evaluated from its configuration alone: what its tab shows, what
// it reports to its panel and what the report prints. The loop tab shows
// exactly these texts; the command line and the report use them directly.
struct LoopEvaluation {
    // Stage A unrounded: the currents the loop hands to its panel.
    LoopCalc::LoopTotals totals;
    // The six figures as the loop status shows them.
    LoopCalc::LoopResults results;
    // What the cable alone lets the loop draw, before the panel's limit caps it.
    double cableMaxCurrent = 0;
    LoopMessages::Faults faults;
    QString faultsText;
    QString notesText;
    QString faultReportText;
    QString noteReportText;
    bool degradedModeOk = true;

    bool hasFault() const { return faults.any(); }

    // The texts of the six result labels.
    QString addressesText() const;
    QString idleCurrentText() const;
    QString alarmCurrentText() const;
    QString voltageDropText() const;
    QString maxVoltageDropText() const;
    QString maxCurrentText() const;

    static LoopEvaluation evaluate(const LoopConfig &config, const LoopLimits &limits,
                                   double soundersActiveFraction, const Catalogue &catalogue);
    // The same for devices already looked up (the loop tab keeps them).
    static LoopEvaluation evaluate(const LoopConfig &config, const QVector<LoopCalc::LoopDevice> &devices,
                                   const LoopLimits &limits, double soundersActiveFraction,
                                   const Catalogue &catalogue);
};
