#include "panel/panelevaluation.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"

using PanelCalculation::CurrentPair;
using PanelCalculation::ModelRecord;

namespace
{

constexpr int CurrentDecimals = 7;
constexpr int CapacityDecimals = 2;

} // namespace

PanelInput PanelInput::fromConfig(const PanelConfig &config, const Catalogue &catalogue)
{
    PanelInput input;
    input.config = config;
    const ModelRecord model = PanelEvaluation::modelRecord(config, catalogue);
    input.loopCount = PanelCalculation::loopCount(model.baseLoops, config.loopCards());
    // The power card counts only where the model's card list offers it.
    if (config.cards.contains(PanelCalculation::powerCardName)) {
        for (const AuxiliaryCard &card : catalogue.compatibleAuxiliaryCards(config.model)) {
            if (PanelCalculation::isPowerCard(card.name))
                input.externalPowerSourcesEnabled = true;
        }
    }
    input.loopCurrents.resize(input.loopCount);
    input.loopFaults.resize(input.loopCount);
    return input;
}

QString PanelEvaluation::totalIdleCurrentText() const
{
    return Display::amperes(figures.totalIdleCurrent);
}

QString PanelEvaluation::totalAlarmCurrentText() const
{
    return Display::amperes(figures.totalAlarmCurrent);
}

QString PanelEvaluation::minimumBatteryRequiredText() const
{
    return Display::ampereHours(figures.minimumBatteryRequired);
}

QString PanelEvaluation::selectedTotalBatteryText() const
{
    return Display::ampereHours(figures.selectedTotalBattery);
}

QString PanelEvaluation::loopIdleCurrentText(int loop) const
{
    return Display::amperes(loopCurrents.value(loop).idle);
}

QString PanelEvaluation::loopAlarmCurrentText(int loop) const
{
    return Display::amperes(loopCurrents.value(loop).alarm);
}

ModelRecord PanelEvaluation::modelRecord(const PanelConfig &config, const Catalogue &catalogue)
{
    return config.modelRecord(catalogue);
}

CurrentPair PanelEvaluation::totals(const PanelInput &input, const ModelRecord &model,
                                    const Catalogue &catalogue)
{
    const PanelConfig &config = input.config;
    PanelCalculation::TotalsInput totals;
    totals.loopCurrents = input.loopCurrents;
    totals.loopCount = input.loopCount;
    // One row per card the model offers, in catalogue order: a loop card row
    // counts every installed loop card, any other row counts once if installed.
    const int loopCards = config.loopCards();
    for (const AuxiliaryCard &offered : catalogue.compatibleAuxiliaryCards(config.model)) {
        PanelCalculation::CardRow row;
        row.count = PanelCalculation::isLoopCard(offered.name)
                        ? loopCards
                        : (config.cards.contains(offered.name) ? 1 : 0);
        if (row.count > 0)
            row.current = catalogue.findAuxiliaryCard(offered.name).current;
        totals.cards.append(row);
    }
    if (!config.expansionBox)
        totals.outputs = config.outputs;
    totals.modelIdleCurrent = model.idleCurrent;
    totals.modelAlarmCurrent = model.alarmCurrent;
    const CurrentPair sum = PanelCalculation::totals(totals);
    return {Display::asDisplayed(sum.idle, CurrentDecimals),
            Display::asDisplayed(sum.alarm, CurrentDecimals)};
}

double PanelEvaluation::minimumBatteryRequired(const PanelConfig &config, double totalIdleCurrent,
                                               double totalAlarmCurrent)
{
    return Display::asDisplayed(PanelCalculation::minimumBatteryRequired(
                                    totalIdleCurrent, totalAlarmCurrent,
                                    PanelCalculation::timeValue(config.idleTime),
                                    PanelCalculation::timeValue(config.alarmTime), config.batteryDegradation),
                                CapacityDecimals);
}

BatterySizing::Result PanelEvaluation::sizeBattery(BatteryMethod method, const PanelConfig &config,
                                                    double totalIdleCurrent, double totalAlarmCurrent)
{
    BatterySizing::Input in;
    in.totalIdleCurrent = totalIdleCurrent;
    in.totalAlarmCurrent = totalAlarmCurrent;
    in.idleTime = config.idleTime;
    in.alarmTime = config.alarmTime;
    in.degradationPercent = config.batteryDegradation;
    return BatterySizing::size(method, in);
}

BatterySizing::BatteryRoom PanelEvaluation::batteryRoom(const PanelInput &input, const ModelRecord &model,
                                                       const Catalogue &catalogue)
{
    BatterySizing::BatteryRoom room;
    room.batteries = catalogue.batteries();
    room.internalMaxCapacity = model.maxBatteryCapacity;
    // An additional battery needs its source; it is offered in sizes its
    // enclosure holds.
    if (input.externalPowerSourcesEnabled) {
        const PanelConfig &c = input.config;
        room.source1 = !c.source1.isEmpty();
        room.source2 = !c.source2.isEmpty();
        if (room.source1)
            room.source1MaxCapacity = catalogue.findExternalPowerSource(c.source1).maxBatteryCapacity;
        if (room.source2)
            room.source2MaxCapacity = catalogue.findExternalPowerSource(c.source2).maxBatteryCapacity;
    }
    return room;
}

double PanelEvaluation::selectedTotalBattery(const PanelConfig &config, const Catalogue &catalogue)
{
    QVector<double> capacities;
    for (const QString *battery : {&config.internalBattery, &config.battery1, &config.battery2}) {
        if (!battery->isEmpty())
            capacities.append(catalogue.findBattery(*battery).capacity);
    }
    return Display::asDisplayed(PanelCalculation::selectedTotalBattery(capacities), CapacityDecimals);
}

PanelMessages::PanelState PanelEvaluation::state(const PanelInput &input, const ModelRecord &model,
                                                 const PanelFigures &figures, const Catalogue &catalogue)
{
    const PanelConfig &config = input.config;
    PanelMessages::PanelState state;
    state.noBatterySelected =
        config.internalBattery.isEmpty() && config.battery1.isEmpty() && config.battery2.isEmpty();
    state.minimumBatteryRequired = figures.minimumBatteryRequired;
    state.selectedTotalBattery = figures.selectedTotalBattery;
    state.totalAlarmCurrent = figures.totalAlarmCurrent;
    state.maxCurrent = model.maxCurrent;
    state.maxLoops = model.maxLoops;
    state.loopCount = input.loopCount;
    state.idleTimeText = config.idleTime;
    state.loopFaults = input.loopFaults;
    state.externalPowerSourcesEnabled = input.externalPowerSourcesEnabled;
    state.batterySizing = sizeBattery(input.batteryMethod, config, figures.totalIdleCurrent,
                                        figures.totalAlarmCurrent);
    if (input.batteryMethod != BatteryMethod::Maker)
        state.nearestBattery = BatterySizing::nearestBattery(figures.minimumBatteryRequired,
                                                             batteryRoom(input, model, catalogue));
    if (!input.externalPowerSourcesEnabled)
        return state;
    const QString *sources[] = {&config.source1, &config.source2};
    const QString *batteries[] = {&config.battery1, &config.battery2};
    bool anyChosen = false;
    for (int i = 0; i < 2; ++i) {
        PanelMessages::ExternalPowerChoice &c = state.external[i];
        c.sourceSelected = !sources[i]->isEmpty();
        c.batterySelected = !batteries[i]->isEmpty();
        if (!c.sourceSelected || !c.batterySelected)
            continue;
        anyChosen = true;
        c.sourceName = *sources[i];
        c.batteryName = *batteries[i];
        c.sourceMaxBatteryCapacity = catalogue.findExternalPowerSource(c.sourceName).maxBatteryCapacity;
        c.batteryCapacity = catalogue.findBattery(c.batteryName).capacity;
    }
    if (anyChosen)
        state.batteryBoxes = catalogue.externalBatteryBoxes();
    return state;
}

PanelEvaluation PanelEvaluation::evaluate(const PanelInput &input, const Catalogue &catalogue)
{
    PanelEvaluation e;
    e.model = modelRecord(input.config, catalogue);
    e.loopCount = input.loopCount;
    e.loopCurrents = input.loopCurrents.mid(0, input.loopCount);
    e.loopCurrents.resize(input.loopCount);
    e.loopFaults = input.loopFaults.mid(0, input.loopCount);
    e.loopFaults.resize(input.loopCount);

    // Totals, minimum battery, selected battery: each later stage reads the
    // earlier figures as displayed.
    const CurrentPair total = totals(input, e.model, catalogue);
    e.figures.totalIdleCurrent = total.idle;
    e.figures.totalAlarmCurrent = total.alarm;
    e.batterySizing = sizeBattery(input.batteryMethod, input.config, total.idle, total.alarm);
    e.figures.minimumBatteryRequired = e.batterySizing.requiredCapacity;
    e.figures.selectedTotalBattery = selectedTotalBattery(input.config, catalogue);

    const PanelMessages::PanelState s = state(input, e.model, e.figures, catalogue);
    e.nearestBattery = BatterySizing::nearestBattery(e.figures.minimumBatteryRequired,
                                                     batteryRoom(input, e.model, catalogue));
    e.battery = PanelMessages::batteryStatus(s);
    e.powerLoad = PanelMessages::powerLoadStatus(s);
    e.externalPowerNotes = PanelMessages::externalPowerNotes(s);
    e.flags = PanelMessages::faultFlags(s);
    e.powerReportNotes = PanelMessages::powerReportNotes(s);
    e.externalPowerReportNotes = PanelMessages::externalPowerReportNotes(s);
    return e;
}
