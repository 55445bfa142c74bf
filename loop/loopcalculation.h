#pragma once

#include "catalogue/records.h"
#include "loop/loopconfig.h"

#include <QMap>
#include <QString>
#include <QVector>

class Catalogue;

// The loop's electrical figures, free of widgets. Every stage reads the
// figures of the stages before it as they are displayed (7 decimals), so the
// editor, the report and the tests see the same numbers.
namespace LoopCalc
{

constexpr double Resistivity = 0.0172;     // copper, ohm mm2 / m
constexpr double DetectorResistance = 0.1; // ohm per flagged detector
constexpr double BaseCurrent = 0.026;      // A, once the loop uses an address
constexpr double SounderRounding = 0.99;
constexpr int AlarmSetSize = 16;
constexpr double MaxVoltageDrop = 6.9;       // V
constexpr double MaxVoltageDropBoost = 7.9;  // V, overboost
constexpr double OverboostVoltageDrop = 1.0; // V, Class A
constexpr double OverboostCurrent = 0.1;     // A, degraded mode
constexpr int Decimals = 7;

// A figure as its label shows it and a later stage reads it back.
double displayed(double value);

// One entry of the device map with its catalogue record (the empty record
// when the catalogue lacks the name).
struct LoopDevice {
    QString name;
    int quantity = 0;
    Device record;
};

// Looks every device up once, in map order.
QVector<LoopDevice> resolveDevices(const QMap<QString, int> &devices, const Catalogue &catalogue);

bool isBeam(const Device &device);
// Sounders that sound at once: floor(quantity x fraction + 0.99).
int activeSounders(int quantity, double fraction);

// The units counted with their alarm current: a bounded binary min-heap on
// the alarm current. Push and pop follow the usual array heap exactly, so
// that ties between equal alarm currents with different idle currents are
// always resolved the same way.
class AlarmSet
{
public:
    struct Entry {
        double alarmCurrent = 0;
        double idleCurrent = 0;
    };

    int size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }
    const Entry &top() const { return m_entries[0]; }

    // Pushes while there is room; when full, replaces the top only by a unit
    // of strictly greater alarm current. Returns whether the unit was taken.
    bool offer(const Entry &entry);
    void push(const Entry &entry);
    Entry pop();

private:
    void siftUp(int hole, const Entry &entry);

    Entry m_entries[AlarmSetSize];
    int m_size = 0;
};

// Stage A, unrounded.
struct LoopTotals {
    int addresses = 0;
    double idleCurrent = 0;
    double alarmCurrent = 0;
};
LoopTotals loopTotals(const QVector<LoopDevice> &devices, double soundersActiveFraction);

// Cross-section in mm2 from a cable entry: the text before the first blank,
// with a decimal comma. A text that cannot be read is looked up among the
// translated entries; 0 when that fails too.
double crossSection(const QString &cableText);

// Units of "DET" devices that add loop resistance.
int resistiveDetectors(const QVector<LoopDevice> &devices);

// Everything the loop resistance depends on.
struct Circuit {
    double crossSection = 0;
    double loopLength = 0;
    double startDistance = 0;
    double endDistance = 0;
    int resistiveDetectors = 0;
    double distributionFactor = 0; // D
    double classAFactor = 0;       // T for Class A
    double degradedModeFactor = 0; // T for degraded mode
};
Circuit circuit(const LoopConfig &config, const QVector<LoopDevice> &devices, const Catalogue &catalogue);

// Two-wire resistance of a cable run.
double cableResistance(double length, double crossSection);
// Loop resistance for the given topology; +inf when the cross-section is unknown.
double loopResistance(Topology topology, const Circuit &circuit);

// Stage B: voltage drop from the displayed alarm current.
double voltageDrop(Topology topology, const Circuit &circuit, double displayedAlarmCurrent);
// Stage C.
double maxVoltageDrop(Topology topology, bool supportsOverboost, double displayedAlarmCurrent,
                      double displayedVoltageDrop);
// Stage D: min(Vmax / R, panel limit); R = 0 gives the panel limit.
double maxCurrent(Topology topology, const Circuit &circuit, double displayedMaxVoltageDrop,
                  double panelMaxCurrent);
// Stage E: would the loop still work in degraded mode?
bool isDegradedModeOk(const Circuit &circuit, double displayedAlarmCurrent, const LoopLimits &limits);

// The six figures of the loop status, each as displayed.
struct LoopResults {
    int addresses = 0;
    double idleCurrent = 0;
    double alarmCurrent = 0;
    double voltageDrop = 0;
    double maxVoltageDrop = 0;
    double maxCurrent = 0;
};

// Stages A to D in one go.
LoopResults computeLoop(const LoopConfig &config, const QVector<LoopDevice> &devices,
                        const LoopLimits &limits, double soundersActiveFraction, const Catalogue &catalogue);

} // namespace LoopCalc
