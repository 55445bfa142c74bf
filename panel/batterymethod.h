#pragma once

#include "catalogue/records.h"

#include <QString>
#include <QStringList>
#include <QVector>

// How a panel's battery is sized. The maker's method is the default and is
// never written to a file, so designs that use it stay format 2.0.
enum class BatteryMethod { Maker, Bs5839, Nfpa72Edition2019, Nfpa72Edition2022, En54Part14 };

// The required battery capacity by each sizing method, with the formula
// written out and the notes a reviewer needs, and the smallest selection of
// catalogue batteries that meets it. Texts are translated in the context
// "BatterySizing".
namespace BatterySizing
{

// BS 5839-1 Annex E: ageing allowance, de-rating for a high alarm current
// and the discharge rate a battery's capacity is stated at (C/20).
constexpr double bs5839AgeingFactor = 1.25;
constexpr double bs5839Derating = 1.75;
constexpr double bs5839RatedDischargeHours = 20.0;
// NFPA 72 safety factor on the calculated capacity, by edition.
constexpr double nfpa72SafetyFactor2019 = 1.20;
constexpr double nfpa72SafetyFactor2022 = 1.25;
constexpr int nfpa72StandbyHours = 24;
constexpr int nfpa72AlarmMinutes = 5;
constexpr int nfpa72VoiceAlarmMinutes = 15;
constexpr int en54StandbyHours = 72;
constexpr int en54AlarmMinutes = 30;

// Figures as the panel page shows them.
struct Input {
    double totalIdleCurrent = 0;
    double totalAlarmCurrent = 0;
    QString idleTime;  // "72 h"
    QString alarmTime; // "30 min"
    int degradationPercent = 0;
};

struct Result {
    BatteryMethod method = BatteryMethod::Maker;
    double requiredCapacity = 0; // Ah, as displayed (2 decimals)
    // Maker and EN 54-14: 1 / (1 - degradation); BS 5839-1: D; NFPA 72: SF.
    double factor = 1;
    bool derated = false;   // BS 5839-1 with D = 1.75
    QString formula;        // the general formula ("C = ...")
    QString substituted;    // the formula with the values, ending in the result
    QStringList timeNotes;  // the times differ from what the method expects
    QString degradationNote; // the degradation setting does not apply
    QStringList notes() const;
};

// The required capacity by `method`. The maker's method is the panel's own
// formula, figure for figure.
Result size(BatteryMethod method, const Input &input);

// "BS 5839-1 (Annex E)" ... (translated).
QString name(BatteryMethod method);
// The edition and clause the figures follow (translated).
QString reference(BatteryMethod method);
// The factor's name as the standard calls it ("D", "SF"); empty when none.
QString factorSymbol(BatteryMethod method);
// One sentence per method: what it computes and where it comes from.
QString source(BatteryMethod method);
QList<BatteryMethod> methods();

// The batteries a panel is given: its internal battery and the additional
// battery of each external power source. Empty names are none.
struct BatterySet {
    QString internalBattery;
    QString battery1;
    QString battery2;
    double capacity = 0; // the sum, as displayed
    int count() const;
    // "A + B" in the order internal, 1, 2.
    QString names() const;
    bool operator==(const BatterySet &o) const
    {
        return internalBattery == o.internalBattery && battery1 == o.battery1 && battery2 == o.battery2;
    }
    bool operator!=(const BatterySet &o) const { return !(*this == o); }
};

// What the design lets the panel hold.
struct BatteryRoom {
    QVector<Battery> batteries;      // the catalogue's
    double internalMaxCapacity = 0;  // the model's room for its own battery
    // An external power source chosen (and usable) for supply N, with the
    // largest battery its enclosure holds.
    bool source1 = false;
    double source1MaxCapacity = 0;
    bool source2 = false;
    double source2MaxCapacity = 0;
};

struct Suggestion {
    bool found = false;
    BatterySet set;
};

// The smallest selection that meets `required`: the fewest batteries, then
// the least capacity. A model with room for an internal battery always has
// one; the additional batteries join it.
Suggestion nearestBattery(double required, const BatteryRoom &room);
// The status's recommendation for a suggestion (translated).
QString suggestionText(const Suggestion &suggestion);

} // namespace BatterySizing
