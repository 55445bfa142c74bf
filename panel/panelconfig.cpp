#include "panel/panelconfig.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"

#include <algorithm>

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

const QStringList &PanelConfig::idleTimes()
{
    static const QStringList times = {QStringLiteral("72 h"), QStringLiteral("48 h"), QStringLiteral("30 h"),
                                      QStringLiteral("24 h"), QStringLiteral("4 h")};
    return times;
}

const QStringList &PanelConfig::alarmTimes()
{
    static const QStringList times = {QStringLiteral("60 min"), QStringLiteral("30 min"),
                                      QStringLiteral("15 min"), QStringLiteral("5 min"),
                                      QStringLiteral("0 min")};
    return times;
}

PanelCalculation::ModelRecord PanelConfig::modelRecord(const Catalogue &catalogue) const
{
    // No model (an empty catalogue): nothing to look up.
    if (model.isEmpty())
        return PanelCalculation::ModelRecord();
    if (expansionBox)
        return PanelCalculation::ModelRecord::fromExpansionBox(catalogue.findExpansionBox(model));
    return PanelCalculation::ModelRecord::fromPanel(catalogue.findPanel(model));
}

int PanelConfig::loopCount(const Catalogue &catalogue) const
{
    return std::max(0, PanelCalculation::loopCount(modelRecord(catalogue).baseLoops, loopCards()));
}

bool PanelConfig::externalPowerEnabled(const Catalogue &catalogue) const
{
    if (!cards.contains(PanelCalculation::powerCardName))
        return false;
    for (const AuxiliaryCard &card : catalogue.compatibleAuxiliaryCards(model)) {
        if (PanelCalculation::isPowerCard(card.name))
            return true;
    }
    return false;
}

PanelConfig PanelConfig::withModel(const QString &newModel) const
{
    PanelConfig changed = *this;
    changed.model = newModel;
    changed.internalBattery.clear();
    changed.cards.clear();
    changed.source1.clear();
    changed.battery1.clear();
    changed.source2.clear();
    changed.battery2.clear();
    return changed;
}

PanelConfig PanelConfig::withLoopCards(int count, const Catalogue &catalogue) const
{
    PanelConfig changed = *this;
    changed.cards.clear();
    for (const AuxiliaryCard &card : catalogue.compatibleAuxiliaryCards(model)) {
        if (PanelCalculation::isLoopCard(card.name)) {
            for (int i = 0; i < count; ++i)
                changed.cards.append(card.name);
        } else if (cards.contains(card.name)) {
            changed.cards.append(card.name);
        }
    }
    return changed;
}

PanelConfig PanelConfig::normalised(const Catalogue &catalogue) const
{
    PanelConfig shown = *this;
    if (!idleTimes().contains(idleTime))
        shown.idleTime = idleTimes().at(DefaultIdleTime);
    if (!alarmTimes().contains(alarmTime))
        shown.alarmTime = alarmTimes().at(DefaultAlarmTime);
    shown.batteryDegradation = qBound(0, batteryDegradation, 99);
    shown.soundersActive = qBound(0, soundersActive, 100);
    if (expansionBox) {
        shown.outputs = PanelCalculation::OutputCurrents();
    } else {
        double *const currents[] = {&shown.outputs.aux24VAlarm, &shown.outputs.aux24VIdle,
                                    &shown.outputs.snd1Alarm,   &shown.outputs.snd1Idle,
                                    &shown.outputs.snd2Alarm,   &shown.outputs.snd2Idle};
        for (double *current : currents)
            *current = qBound(0.0, Display::asDisplayed(*current, OutputDecimals), MaxOutput);
    }

    const double room = modelRecord(catalogue).maxBatteryCapacity;
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

    // The card list offers the model's cards in catalogue order; of the
    // one-only cards the first one stays.
    shown.cards.clear();
    const int loopCardCount = loopCards();
    bool oneOnlyInstalled = false;
    for (const AuxiliaryCard &card : catalogue.compatibleAuxiliaryCards(model)) {
        if (PanelCalculation::isLoopCard(card.name)) {
            for (int i = 0; i < loopCardCount; ++i)
                shown.cards.append(card.name);
        } else if (cards.contains(card.name)) {
            if (card.onlyOne) {
                if (oneOnlyInstalled)
                    continue;
                oneOnlyInstalled = true;
            }
            shown.cards.append(card.name);
        }
    }
    return shown;
}
