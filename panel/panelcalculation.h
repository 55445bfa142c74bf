#pragma once

#include "catalogue/records.h"

#include <QString>
#include <QVector>

// Battery autonomy and power load figures of one panel (main panel or
// expansion box), from plain values. The editor shows each figure as a label
// text and later figures read that text back; callers pass figures "as
// displayed" (Display::asDisplayed / Display::figure) where a later stage
// needs them.
namespace PanelCalculation
{

// A loop output of the panel draws more than the loop editor's own figure.
constexpr double loopCurrentFactor = 1.5277777777777777; // 55/36
constexpr double minutesPerHour = 60.0;
constexpr double percent = 100.0;
// Every panel output is protected by a fuse of this rating (A).
constexpr double outputFuseLimit = 0.5;

// Loop cards are recognised by this name prefix, the power card by its name.
inline const QString loopCardPrefix = QStringLiteral("VRAL");
inline const QString powerCardName = QStringLiteral("ORN-PSLINK");

struct CurrentPair {
    double idle = 0;
    double alarm = 0;

    bool operator==(const CurrentPair &o) const { return idle == o.idle && alarm == o.alarm; }
    bool operator!=(const CurrentPair &o) const { return !(*this == o); }
};

// The fields of a Panel or an ExpansionBox record that the power design uses.
struct ModelRecord {
    QString name;
    double idleCurrent = 0;
    double alarmCurrent = 0;
    double maxCurrent = 0;
    double maxBatteryCapacity = 0;
    int baseLoops = 0;
    int maxLoops = 0;

    static ModelRecord fromPanel(const Panel &panel);
    static ModelRecord fromExpansionBox(const ExpansionBox &box);
};

// The six output currents of a main panel (all 0 for an expansion box).
struct OutputCurrents {
    double aux24VIdle = 0;
    double aux24VAlarm = 0;
    double snd1Idle = 0;
    double snd1Alarm = 0;
    double snd2Idle = 0;
    double snd2Alarm = 0;
};

// One row of the auxiliary card list: a loop card row counts its installed
// cards, any other row counts 1 when checked and 0 otherwise.
struct CardRow {
    double current = 0;
    int count = 0;
};

struct TotalsInput {
    QVector<CurrentPair> loopCurrents; // already scaled by loopCurrentFactor
    int loopCount = 0;                 // only the first loopCount entries count
    QVector<CardRow> cards;            // in row order
    OutputCurrents outputs;
    double modelIdleCurrent = 0;
    double modelAlarmCurrent = 0;
};

// A loop's reported currents as the panel stores them.
CurrentPair scaledLoopCurrents(double idleCurrent, double alarmCurrent);

// Total system idle and alarm current (unrounded).
CurrentPair totals(const TotalsInput &input);

// The whole number before the first blank of a time text ("72 h" -> 72,
// "30 min" -> 30); 0 when there is none.
int timeValue(const QString &timeText);

// Ah needed to cover idleHours at totalIdle and alarmMinutes at totalAlarm
// with batteries that have lost degradationPercent of their capacity.
double minimumBatteryRequired(double totalIdle, double totalAlarm, int idleHours, int alarmMinutes,
                              int degradationPercent);

// Sum of the capacities of the selected batteries, in the order given.
double selectedTotalBattery(const QVector<double> &capacities);

int loopCount(int baseLoops, int loopCards);
int maxLoopCards(int baseLoops, int maxLoops);

bool isLoopCard(const QString &cardName);
bool isPowerCard(const QString &cardName);

// Batteries by capacity, smallest first (stable for equal capacities).
QVector<Battery> sortedByCapacity(QVector<Battery> batteries);
// The sorted batteries up to the last one that fits a model with the given room.
QVector<Battery> internalBatteryChoices(const QVector<Battery> &batteries, double maxBatteryCapacity);

bool batteryFits(double batteryCapacity, double sourceMaxBatteryCapacity);
// External battery boxes (catalogue order) that hold a battery of this capacity.
QVector<ExternalBatteryBox> recommendedBatteryBoxes(double batteryCapacity,
                                                    const QVector<ExternalBatteryBox> &boxes);

// What finishing the edit of one output's idle or alarm current does to the pair.
struct OutputCorrection {
    enum class Adjusted { None, AlarmRaised, IdleLowered };
    double idle = 0;
    double alarm = 0;
    bool clamped = false; // the edited value was above the fuse limit
    Adjusted adjusted = Adjusted::None;
};
OutputCorrection correctOutput(double idle, double alarm, bool editedIdle);

} // namespace PanelCalculation
