#include "loop/loopevaluation.h"

#include "catalogue/displayformat.h"

#include <limits>

QString LoopEvaluation::addressesText() const
{
    return QString::number(results.addresses);
}

QString LoopEvaluation::idleCurrentText() const
{
    return Display::amperes(results.idleCurrent);
}

QString LoopEvaluation::alarmCurrentText() const
{
    return Display::amperes(results.alarmCurrent);
}

QString LoopEvaluation::voltageDropText() const
{
    return Display::volts(results.voltageDrop);
}

QString LoopEvaluation::maxVoltageDropText() const
{
    return Display::volts(results.maxVoltageDrop);
}

QString LoopEvaluation::maxCurrentText() const
{
    return Display::amperes(results.maxCurrent);
}

LoopEvaluation LoopEvaluation::evaluate(const LoopConfig &config, const LoopLimits &limits,
                                        double soundersActiveFraction, const Catalogue &catalogue)
{
    return evaluate(config, LoopCalc::resolveDevices(config.devices, catalogue), limits,
                    soundersActiveFraction, catalogue);
}

LoopEvaluation LoopEvaluation::evaluate(const LoopConfig &config,
                                        const QVector<LoopCalc::LoopDevice> &devices,
                                        const LoopLimits &limits, double soundersActiveFraction,
                                        const Catalogue &catalogue)
{
    using namespace LoopCalc;
    LoopEvaluation e;
    // Stages A to D, each reading the figures before it as displayed.
    e.totals = loopTotals(devices, soundersActiveFraction);
    LoopResults &r = e.results;
    r.addresses = e.totals.addresses;
    r.idleCurrent = displayed(e.totals.idleCurrent);
    r.alarmCurrent = displayed(e.totals.alarmCurrent);
    const Circuit c = circuit(config, devices, catalogue);
    r.voltageDrop = displayed(voltageDrop(config.topology, c, r.alarmCurrent));
    r.maxVoltageDrop =
        displayed(maxVoltageDrop(config.topology, limits.supportsOverboost, r.alarmCurrent, r.voltageDrop));
    r.maxCurrent = displayed(maxCurrent(config.topology, c, r.maxVoltageDrop, limits.maxCurrent));
    e.cableMaxCurrent =
        maxCurrent(config.topology, c, r.maxVoltageDrop, std::numeric_limits<double>::infinity());

    // Notes, then faults.
    const LoopMessages::DeviceFacts facts = LoopMessages::deviceFacts(devices);
    e.notesText = LoopMessages::notesText(r, limits, facts);
    e.faults = LoopMessages::checkFaults(r, limits);
    e.faultsText = LoopMessages::faultsText(e.faults, limits, facts);
    e.faultReportText = LoopMessages::faultReportText(r, limits, facts);
    e.noteReportText = LoopMessages::noteReportText(r, limits, facts);
    e.degradedModeOk = isDegradedModeOk(c, r.alarmCurrent, limits);
    return e;
}
