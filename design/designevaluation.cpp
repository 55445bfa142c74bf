#include "design/designevaluation.h"

#include "catalogue/catalogue.h"

bool SystemEvaluation::hasFault() const
{
    if (panel.flags.any())
        return true;
    for (const LoopEvaluation &loop : loopResults) {
        if (loop.hasFault())
            return true;
    }
    return hasDeviceCheckFault();
}

bool SystemEvaluation::hasDeviceCheckFault() const
{
    for (const LoopDeviceCheck &check : deviceChecks) {
        if (check.hasFault())
            return true;
    }
    return false;
}

bool DesignEvaluation::hasFault() const
{
    if (main.hasFault())
        return true;
    for (const SystemEvaluation &box : boxes) {
        if (box.hasFault())
            return true;
    }
    return false;
}

const SystemEvaluation *DesignEvaluation::system(int index) const
{
    if (index < 0)
        return &main;
    return index < boxes.size() ? &boxes.at(index) : nullptr;
}

QString DesignEvaluation::boxStatusText(int box) const
{
    return boxes.value(box).panel.flags.any() ? QStringLiteral("FAULT") : QStringLiteral("OK");
}

LoopLimits DesignEvaluation::limitsOf(const PanelConfig &config, const Catalogue &catalogue)
{
    if (config.expansionBox) {
        const ExpansionBox box = catalogue.findExpansionBox(config.model);
        return {box.loopMaxAddresses, box.loopMinCurrent, box.loopMaxCurrent, box.supportsOverboost};
    }
    const Panel panel = catalogue.findPanel(config.model);
    return {panel.loopMaxAddresses, panel.loopMinCurrent, panel.loopMaxCurrent, panel.supportsOverboost};
}

std::optional<LoopDeviceCheck> DesignEvaluation::evaluateDeviceCheck(const Design &design, int systemIndex, int loop,
                                                                     const Catalogue &catalogue)
{
    const SystemDesign *system = design.system(systemIndex);
    if (!system || loop < 0 || loop >= system->loops.size() || !system->schedules.contains(loop))
        return std::nullopt;
    const PanelConfig config = system->config;
    const LoopConfig loopConfig = system->loops.at(loop);
    const LoopLimits limits = limitsOf(config, catalogue);
    const double fraction = config.soundersActiveFraction();
    const QVector<LoopCalc::LoopDevice> devices = LoopCalc::resolveDevices(loopConfig.devices, catalogue);
    const LoopEvaluation evaluation = LoopEvaluation::evaluate(loopConfig, devices, limits, fraction, catalogue);
    return LoopDeviceCheck::evaluate(loopConfig, system->schedules.value(loop), devices,
                                     evaluation.results.maxVoltageDrop, limits.maxAddresses, fraction);
}

SystemEvaluation DesignEvaluation::evaluateSystem(const PanelConfig &read,
                                                  const QVector<LoopConfig> &readLoops,
                                                  const Catalogue &catalogue, BatteryMethod batteryMethod,
                                                  const QMap<int, LoopSchedule> &schedules)
{
    // A design read is normalised already (Design::normalised).
    const PanelConfig &config = read;
    const QVector<LoopConfig> &loops = readLoops;
    SystemEvaluation system;
    system.isExpansionBox = config.expansionBox;
    system.displayName = config.model;
    system.config = config;
    system.loops = loops;
    system.schedules = schedules;
    system.limits = limitsOf(config, catalogue);

    PanelInput input = PanelInput::fromConfig(config, catalogue);
    input.batteryMethod = batteryMethod;
    const double fraction = config.soundersActiveFraction();
    int detectorsAndCallPoints = 0;
    for (int i = 0; i < loops.size(); ++i) {
        const QVector<LoopCalc::LoopDevice> devices = LoopCalc::resolveDevices(loops.at(i).devices, catalogue);
        const LoopEvaluation loop =
            LoopEvaluation::evaluate(loops.at(i), devices, system.limits, fraction, catalogue);
        system.loopResults.append(loop);
        detectorsAndCallPoints += LoopDeviceCheckTexts::detectorsAndCallPoints(devices);
        const auto schedule = schedules.constFind(i);
        if (schedule != schedules.constEnd())
            system.deviceChecks.insert(i, LoopDeviceCheck::evaluate(loops.at(i), schedule.value(), devices,
                                                                    loop.results.maxVoltageDrop,
                                                                    system.limits.maxAddresses, fraction));
        if (i < input.loopCurrents.size()) {
            input.loopCurrents[i] =
                PanelCalculation::scaledLoopCurrents(loop.totals.idleCurrent, loop.totals.alarmCurrent);
            input.loopFaults[i] = loop.hasFault();
        }
    }
    system.panel = PanelEvaluation::evaluate(input, catalogue);
    system.deviceCheckNote = LoopDeviceCheckTexts::systemNote(detectorsAndCallPoints);
    return system;
}

DesignEvaluation DesignEvaluation::evaluate(const SetupFile::SetupData &data, const Catalogue &catalogue)
{
    return evaluate(Design::fromSetupData(data).normalised(catalogue), catalogue);
}

namespace
{
SystemEvaluation evaluateDesigned(const SystemDesign &system, const Catalogue &catalogue, bool box)
{
    SystemEvaluation result = DesignEvaluation::evaluateSystem(system.config, system.loops, catalogue,
                                                               system.batteryMethod, system.schedules);
    if (box)
        result.displayName = system.name;
    return result;
}
} // namespace

DesignEvaluation DesignEvaluation::evaluate(const Design &design, const Catalogue &catalogue)
{
    DesignEvaluation result;
    result.main = evaluateDesigned(design.main, catalogue, false);
    for (const SystemDesign &box : design.boxes)
        result.boxes.append(evaluateDesigned(box, catalogue, true));
    return result;
}

DesignEvaluation DesignEvaluation::evaluate(const Design &design, const Catalogue &catalogue, const Design &before,
                                            const DesignEvaluation &evaluatedBefore)
{
    // A system's figures depend on that system alone, so an edit of one loop
    // evaluates one panel with its loops instead of the whole design.
    DesignEvaluation result;
    result.main = design.main == before.main ? evaluatedBefore.main : evaluateDesigned(design.main, catalogue, false);
    for (const SystemDesign &box : design.boxes) {
        int same = -1;
        for (int i = 0; same < 0 && i < before.boxes.size() && i < evaluatedBefore.boxes.size(); ++i) {
            if (before.boxes.at(i) == box)
                same = i;
        }
        result.boxes.append(same >= 0 ? evaluatedBefore.boxes.at(same) : evaluateDesigned(box, catalogue, true));
    }
    return result;
}
