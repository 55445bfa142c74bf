#include "panel/panelcalculation.h"

#include <algorithm>

namespace PanelCalculation
{

// Panels and expansion boxes share the fields the power figures use.
template <typename Model> ModelRecord modelRecordOf(const Model &model)
{
    ModelRecord r;
    r.name = model.name;
    r.idleCurrent = model.idleCurrent;
    r.alarmCurrent = model.alarmCurrent;
    r.maxCurrent = model.maxCurrent;
    r.maxBatteryCapacity = model.maxBatteryCapacity;
    r.baseLoops = model.baseLoops;
    r.maxLoops = model.maxLoops;
    return r;
}

ModelRecord ModelRecord::fromPanel(const Panel &panel)
{
    return modelRecordOf(panel);
}

ModelRecord ModelRecord::fromExpansionBox(const ExpansionBox &box)
{
    return modelRecordOf(box);
}

CurrentPair scaledLoopCurrents(double idleCurrent, double alarmCurrent)
{
    return {idleCurrent * loopCurrentFactor, alarmCurrent * loopCurrentFactor};
}

CurrentPair totals(const TotalsInput &input)
{
    // The order of the additions is part of the result (the 7th decimal).
    double idle = 0;
    double alarm = 0;
    const int loops = std::min(input.loopCount, int(input.loopCurrents.size()));
    for (int i = 0; i < loops; ++i) {
        idle += input.loopCurrents.at(i).idle;
        alarm += input.loopCurrents.at(i).alarm;
    }
    for (const CardRow &card : input.cards) {
        if (card.count <= 0)
            continue;
        const double current = card.count * card.current;
        idle += current;
        alarm += current;
    }
    const OutputCurrents &o = input.outputs;
    CurrentPair total;
    total.idle = idle + o.aux24VIdle + o.snd1Idle + o.snd2Idle + input.modelIdleCurrent;
    total.alarm = alarm + o.aux24VAlarm + o.snd1Alarm + o.snd2Alarm + input.modelAlarmCurrent;
    return total;
}

int timeValue(const QString &timeText)
{
    const int blank = timeText.indexOf(QLatin1Char(' '));
    return (blank < 0 ? timeText : timeText.left(blank)).toInt();
}

double minimumBatteryRequired(double totalIdle, double totalAlarm, int idleHours, int alarmMinutes,
                              int degradationPercent)
{
    return (1.0 / (1.0 - degradationPercent / percent)) *
           ((alarmMinutes / minutesPerHour) * totalAlarm + idleHours * totalIdle);
}

double selectedTotalBattery(const QVector<double> &capacities)
{
    double sum = 0;
    for (double c : capacities)
        sum += c;
    return sum;
}

int loopCount(int baseLoops, int loopCards)
{
    return baseLoops + 2 * loopCards;
}

int maxLoopCards(int baseLoops, int maxLoops)
{
    return std::max(0, (maxLoops - baseLoops) / 2);
}

bool isLoopCard(const QString &cardName)
{
    return cardName.startsWith(loopCardPrefix);
}

bool isPowerCard(const QString &cardName)
{
    return cardName == powerCardName;
}

QVector<Battery> sortedByCapacity(QVector<Battery> batteries)
{
    std::stable_sort(batteries.begin(), batteries.end(),
                     [](const Battery &a, const Battery &b) { return a.capacity < b.capacity; });
    return batteries;
}

QVector<Battery> internalBatteryChoices(const QVector<Battery> &batteries, double maxBatteryCapacity)
{
    QVector<Battery> result;
    for (const Battery &b : sortedByCapacity(batteries)) {
        if (b.capacity > maxBatteryCapacity)
            break;
        result.append(b);
    }
    return result;
}

bool batteryFits(double batteryCapacity, double sourceMaxBatteryCapacity)
{
    return batteryCapacity <= sourceMaxBatteryCapacity;
}

QVector<ExternalBatteryBox> recommendedBatteryBoxes(double batteryCapacity,
                                                    const QVector<ExternalBatteryBox> &boxes)
{
    QVector<ExternalBatteryBox> result;
    for (const ExternalBatteryBox &box : boxes) {
        if (box.maxBatteryCapacity >= batteryCapacity)
            result.append(box);
    }
    return result;
}

OutputCorrection correctOutput(double idle, double alarm, bool editedIdle)
{
    OutputCorrection c;
    c.idle = idle;
    c.alarm = alarm;
    double &edited = editedIdle ? c.idle : c.alarm;
    if (edited > outputFuseLimit) {
        edited = outputFuseLimit;
        c.clamped = true;
    }
    // An output never draws less in alarm than at rest: the value just typed wins.
    if (c.idle > c.alarm) {
        if (editedIdle) {
            c.alarm = c.idle;
            c.adjusted = OutputCorrection::Adjusted::AlarmRaised;
        } else {
            c.idle = c.alarm;
            c.adjusted = OutputCorrection::Adjusted::IdleLowered;
        }
    }
    return c;
}

} // namespace PanelCalculation
