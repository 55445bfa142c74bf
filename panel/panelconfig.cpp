#include "panel/panelconfig.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"

namespace
{

const QString None = QStringLiteral("-");

QString noneAsDash(const QString &value)
{
    return value.isEmpty() ? None : value;
}

QString dashAsNone(const QString &value)
{
    return value == None ? QString() : value;
}

} // namespace

QStringList PanelConfig::toTexts() const
{
    QStringList values{model, noneAsDash(internalBattery)};
    if (!expansionBox) {
        values << Display::general(outputs.aux24VAlarm) << Display::general(outputs.aux24VIdle)
               << Display::general(outputs.snd1Alarm) << Display::general(outputs.snd1Idle)
               << Display::general(outputs.snd2Alarm) << Display::general(outputs.snd2Idle);
    }
    values << cards.join(QLatin1Char(',')) << noneAsDash(source1) << noneAsDash(battery1)
           << noneAsDash(source2) << noneAsDash(battery2) << QString::number(batteryDegradation)
           << QString::number(soundersActive) << idleTime << alarmTime;
    return values;
}

bool PanelConfig::fromTexts(const QStringList &values, bool expansionBox, PanelConfig &config)
{
    if (values.size() != (expansionBox ? ExpansionBoxValueCount : MainPanelValueCount))
        return false;
    PanelConfig c;
    c.expansionBox = expansionBox;
    int i = 0;
    c.model = values.at(i++);
    c.internalBattery = dashAsNone(values.at(i++));
    if (!expansionBox) {
        double *const currents[] = {&c.outputs.aux24VAlarm, &c.outputs.aux24VIdle, &c.outputs.snd1Alarm,
                                    &c.outputs.snd1Idle,    &c.outputs.snd2Alarm,  &c.outputs.snd2Idle};
        // As the editor's spin boxes hold them: 4 decimals within their range.
        for (double *current : currents)
            *current =
                qBound(0.0, Display::asDisplayed(values.at(i++).toDouble(), OutputDecimals), MaxOutput);
    }
    c.cards = values.at(i++).split(QLatin1Char(','), Qt::SkipEmptyParts);
    c.source1 = dashAsNone(values.at(i++));
    c.battery1 = dashAsNone(values.at(i++));
    c.source2 = dashAsNone(values.at(i++));
    c.battery2 = dashAsNone(values.at(i++));
    c.batteryDegradation = int(values.at(i++).toDouble());
    c.soundersActive = int(values.at(i++).toDouble());
    c.idleTime = values.at(i++);
    c.alarmTime = values.at(i++);
    config = c;
    return true;
}

int PanelConfig::loopCards() const
{
    int count = 0;
    for (const QString &card : cards) {
        if (PanelCalculation::isLoopCard(card))
            ++count;
    }
    return count;
}

bool PanelConfig::operator==(const PanelConfig &o) const
{
    const auto &a = outputs;
    const auto &b = o.outputs;
    return expansionBox == o.expansionBox && model == o.model && internalBattery == o.internalBattery &&
           a.aux24VIdle == b.aux24VIdle && a.aux24VAlarm == b.aux24VAlarm && a.snd1Idle == b.snd1Idle &&
           a.snd1Alarm == b.snd1Alarm && a.snd2Idle == b.snd2Idle && a.snd2Alarm == b.snd2Alarm &&
           cards == o.cards && source1 == o.source1 && battery1 == o.battery1 && source2 == o.source2 &&
           battery2 == o.battery2 && batteryDegradation == o.batteryDegradation &&
           soundersActive == o.soundersActive && idleTime == o.idleTime && alarmTime == o.alarmTime;
}

PanelConfig PanelConfig::shownByEditor(const Catalogue &catalogue) const
{
    PanelConfig shown = *this;
    static const QStringList idleTimes = {"72 h", "48 h", "30 h", "24 h", "4 h"};
    static const QStringList alarmTimes = {"60 min", "30 min", "15 min", "5 min", "0 min"};
    if (!idleTimes.contains(idleTime))
        shown.idleTime = idleTimes.first();
    if (!alarmTimes.contains(alarmTime))
        shown.alarmTime = alarmTimes.at(1);
    shown.batteryDegradation = qBound(0, batteryDegradation, 99);
    shown.soundersActive = qBound(0, soundersActive, 100);

    const double room = expansionBox ? catalogue.findExpansionBox(model).maxBatteryCapacity
                                     : catalogue.findPanel(model).maxBatteryCapacity;
    bool internalOffered = false;
    for (const Battery &battery : PanelCalculation::internalBatteryChoices(catalogue.batteries(), room))
        internalOffered = internalOffered || battery.name == internalBattery;
    if (!internalOffered)
        shown.internalBattery.clear();
    const auto known = [&catalogue](const QString &name, bool source) {
        if (name.isEmpty())
            return false;
        if (source) {
            for (const ExternalPowerSource &s : catalogue.externalPowerSources()) {
                if (s.name == name)
                    return true;
            }
            return false;
        }
        for (const Battery &b : catalogue.batteries()) {
            if (b.name == name)
                return true;
        }
        return false;
    };
    // A battery without its source is taken off with it.
    if (!known(source1, true))
        shown.source1.clear();
    if (shown.source1.isEmpty() || !known(battery1, false))
        shown.battery1.clear();
    if (!known(source2, true))
        shown.source2.clear();
    if (shown.source2.isEmpty() || !known(battery2, false))
        shown.battery2.clear();
    return shown;
}
