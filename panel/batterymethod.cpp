#include "panel/batterymethod.h"

#include "catalogue/displayformat.h"
#include "panel/panelcalculation.h"

#include <QCoreApplication>

#include <tuple>

namespace BatterySizing
{

namespace
{

constexpr int CapacityDecimals = 2;

QString tr(const char *text)
{
    return QCoreApplication::translate("BatterySizing", text);
}

QString hours(int value)
{
    return QString::number(value) + QStringLiteral(" h");
}

// Minutes written as the fraction of an hour the formula uses ("30 / 60 h").
QString minutesAsHours(int minutes)
{
    return QStringLiteral("%1 / 60 h").arg(minutes);
}

Result makersFormula(BatteryMethod method, const Input &in, int idleHours, int alarmMinutes)
{
    Result r;
    r.method = method;
    r.factor = 1.0 / (1.0 - in.degradationPercent / PanelCalculation::percent);
    r.requiredCapacity = Display::asDisplayed(
        PanelCalculation::minimumBatteryRequired(in.totalIdleCurrent, in.totalAlarmCurrent, idleHours,
                                                 alarmMinutes, in.degradationPercent),
        CapacityDecimals);
    r.formula = QStringLiteral("C = 1 / (1 − D / 100) × (M / 60 × Ia + H × Iq)");
    r.substituted = QStringLiteral("C = 1 / (1 − %1 / 100) × (%2 × %3 + %4 × %5) = %6")
                        .arg(QString::number(in.degradationPercent), minutesAsHours(alarmMinutes),
                             Display::amperes(in.totalAlarmCurrent), hours(idleHours),
                             Display::amperes(in.totalIdleCurrent), Display::ampereHours(r.requiredCapacity));
    return r;
}

Result bs5839(const Input &in, int idleHours, int alarmMinutes)
{
    Result r;
    r.method = BatteryMethod::Bs5839;
    const double i1 = in.totalIdleCurrent;
    const double i2 = in.totalAlarmCurrent;
    const double t2 = alarmMinutes / PanelCalculation::minutesPerHour;
    const auto capacity = [&](double d) { return bs5839AgeingFactor * (idleHours * i1 + d * t2 * i2); };
    // The battery's capacity is stated at the C/20 rate; an alarm load above
    // it discharges the battery faster than rated, and it then delivers less.
    r.derated = i2 > capacity(1.0) / bs5839RatedDischargeHours;
    r.factor = r.derated ? bs5839Derating : 1.0;
    r.requiredCapacity = Display::asDisplayed(capacity(r.factor), CapacityDecimals);
    r.formula = QStringLiteral("C = 1.25 × (T1 × I1 + D × T2 × I2)");
    r.substituted = QStringLiteral("C = 1.25 × (%1 × %2 + %3 × %4 × %5) = %6")
                        .arg(hours(idleHours), Display::amperes(i1), Display::general(r.factor),
                             minutesAsHours(alarmMinutes), Display::amperes(i2),
                             Display::ampereHours(r.requiredCapacity));
    r.degradationNote = tr("The battery degradation setting does not apply: the factor 1.25 of BS 5839-1 is "
                           "its allowance for ageing.");
    return r;
}

Result nfpa72(BatteryMethod method, const Input &in, int idleHours, int alarmMinutes)
{
    Result r;
    r.method = method;
    r.factor = method == BatteryMethod::Nfpa72Edition2022 ? nfpa72SafetyFactor2022 : nfpa72SafetyFactor2019;
    const double alarmHours = alarmMinutes / PanelCalculation::minutesPerHour;
    r.requiredCapacity = Display::asDisplayed(
        (in.totalIdleCurrent * idleHours + in.totalAlarmCurrent * alarmHours) * r.factor, CapacityDecimals);
    r.formula = QStringLiteral("C = (I_standby × T_standby + I_alarm × T_alarm) × SF");
    r.substituted = QStringLiteral("C = (%1 × %2 + %3 × %4) × %5 = %6")
                        .arg(Display::amperes(in.totalIdleCurrent), hours(idleHours),
                             Display::amperes(in.totalAlarmCurrent), minutesAsHours(alarmMinutes),
                             Display::fixed(r.factor, 2), Display::ampereHours(r.requiredCapacity));
    r.degradationNote = tr("The battery degradation setting does not apply: the safety factor of NFPA 72 is "
                           "its allowance for ageing.");
    if (idleHours != nfpa72StandbyHours)
        r.timeNotes << tr("NFPA 72 requires 24 h of standby; the selected idle time is %1.").arg(in.idleTime);
    if (alarmMinutes != nfpa72AlarmMinutes && alarmMinutes != nfpa72VoiceAlarmMinutes)
        r.timeNotes << tr("NFPA 72 requires 5 min of alarm (15 min for emergency voice/alarm "
                          "communication); the selected alarm time is %1.")
                           .arg(in.alarmTime);
    return r;
}

} // namespace

QStringList Result::notes() const
{
    QStringList all;
    if (!degradationNote.isEmpty())
        all << degradationNote;
    return all + timeNotes;
}

Result size(BatteryMethod method, const Input &input)
{
    const int idleHours = PanelCalculation::timeValue(input.idleTime);
    const int alarmMinutes = PanelCalculation::timeValue(input.alarmTime);
    switch (method) {
    case BatteryMethod::Bs5839:
        return bs5839(input, idleHours, alarmMinutes);
    case BatteryMethod::Nfpa72Edition2019:
    case BatteryMethod::Nfpa72Edition2022:
        return nfpa72(method, input, idleHours, alarmMinutes);
    case BatteryMethod::En54Part14: {
        Result r = makersFormula(method, input, idleHours, alarmMinutes);
        if (idleHours != en54StandbyHours)
            r.timeNotes << tr("EN 54-14 practice expects 72 h of standby; a shorter time is accepted only in "
                              "the cases it names, such as 30 h where a standby generator backs the mains or "
                              "the site is staffed at all times. The selected idle time is %1.")
                               .arg(input.idleTime);
        if (alarmMinutes != en54AlarmMinutes)
            r.timeNotes << tr("EN 54-14 practice expects 30 min of alarm; the selected alarm time is %1.")
                               .arg(input.alarmTime);
        return r;
    }
    case BatteryMethod::Maker:
        break;
    }
    return makersFormula(BatteryMethod::Maker, input, idleHours, alarmMinutes);
}

QList<BatteryMethod> methods()
{
    return {BatteryMethod::Maker, BatteryMethod::Bs5839, BatteryMethod::Nfpa72Edition2019,
            BatteryMethod::Nfpa72Edition2022, BatteryMethod::En54Part14};
}

QString name(BatteryMethod method)
{
    switch (method) {
    case BatteryMethod::Bs5839:
        return tr("BS 5839-1 (Annex E)");
    case BatteryMethod::Nfpa72Edition2019:
        return tr("NFPA 72, 2019 and earlier");
    case BatteryMethod::Nfpa72Edition2022:
        return tr("NFPA 72, 2022");
    case BatteryMethod::En54Part14:
        return tr("EN 54-14 practice");
    case BatteryMethod::Maker:
        break;
    }
    return tr("Maker's method");
}

QString reference(BatteryMethod method)
{
    switch (method) {
    case BatteryMethod::Bs5839:
        return tr("BS 5839-1:2017, Annex E (standby battery capacity)");
    case BatteryMethod::Nfpa72Edition2019:
        return tr("NFPA 72, 2010 to 2019 editions, 10.6.7 (secondary power supply): 24 h of standby, then "
                  "5 min of alarm (15 min for voice evacuation), 20 % safety margin");
    case BatteryMethod::Nfpa72Edition2022:
        return tr("NFPA 72, 2022 edition, 10.6.7 (secondary power supply): 24 h of standby, then 5 min of "
                  "alarm (15 min for voice evacuation), 25 % safety margin");
    case BatteryMethod::En54Part14:
        return tr("CEN/TS 54-14 (EN 54-14 practice), standby power supply: 72 h of standby, then 30 min of "
                  "alarm");
    case BatteryMethod::Maker:
        break;
    }
    return tr("The panel maker's battery formula");
}

QString factorSymbol(BatteryMethod method)
{
    switch (method) {
    case BatteryMethod::Bs5839:
        return QStringLiteral("D");
    case BatteryMethod::Nfpa72Edition2019:
    case BatteryMethod::Nfpa72Edition2022:
        return QStringLiteral("SF");
    case BatteryMethod::Maker:
    case BatteryMethod::En54Part14:
        break;
    }
    return QString();
}

int BatterySet::count() const
{
    return int(!internalBattery.isEmpty()) + int(!battery1.isEmpty()) + int(!battery2.isEmpty());
}

QString BatterySet::names() const
{
    QStringList parts;
    for (const QString &name : {internalBattery, battery1, battery2}) {
        if (!name.isEmpty())
            parts << name;
    }
    return parts.join(QStringLiteral(" + "));
}

Suggestion nearestBattery(double required, const BatteryRoom &room)
{
    const QVector<Battery> sorted = PanelCalculation::sortedByCapacity(room.batteries);
    const auto upTo = [&sorted](bool usable, double maxCapacity) {
        // The first entry is "none".
        QVector<const Battery *> choices{nullptr};
        if (!usable)
            return choices;
        for (const Battery &b : sorted) {
            if (b.capacity <= maxCapacity)
                choices.append(&b);
        }
        return choices;
    };
    QVector<const Battery *> internal = upTo(true, room.internalMaxCapacity);
    // A panel with room for its own battery keeps one; supply batteries add to it.
    if (internal.size() > 1)
        internal.removeFirst();
    const QVector<const Battery *> first = upTo(room.source1, room.source1MaxCapacity);
    const QVector<const Battery *> second = upTo(room.source2, room.source2MaxCapacity);

    Suggestion best;
    for (const Battery *a : internal) {
        for (const Battery *b : first) {
            for (const Battery *c : second) {
                BatterySet set;
                double sum = 0;
                if (a) {
                    set.internalBattery = a->name;
                    sum += a->capacity;
                }
                if (b) {
                    set.battery1 = b->name;
                    sum += b->capacity;
                }
                if (c) {
                    set.battery2 = c->name;
                    sum += c->capacity;
                }
                set.capacity = Display::asDisplayed(sum, CapacityDecimals);
                if (set.count() == 0 || set.capacity < required)
                    continue;
                const auto rank = [](const BatterySet &s) {
                    return std::make_tuple(s.count(), s.capacity);
                };
                if (!best.found || rank(set) < rank(best.set)) {
                    best.found = true;
                    best.set = set;
                }
            }
        }
    }
    return best;
}

QString suggestionText(const Suggestion &suggestion)
{
    if (!suggestion.found)
        return tr("No battery in the catalogue, alone or with the additional batteries the design allows, "
                  "meets the required capacity.");
    return tr("Smallest selection that meets it: %1 (%2 Ah).")
        .arg(suggestion.set.names(), Display::general(suggestion.set.capacity));
}

} // namespace BatterySizing
