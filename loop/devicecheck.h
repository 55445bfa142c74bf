#pragma once

#include "catalogue/records.h"
#include "loop/loopconfig.h"

#include <QString>
#include <QVector>

// The voltage at every unit of a scheduled loop, from where it sits on the
// cable, and the units a short between two isolators would take out. It
// stands beside the maker's method and changes none of its figures.
namespace DeviceCheck
{

constexpr int MaxPerSection = 32;    // detectors and call points between two isolating points
constexpr int SystemNoteLimit = 512; // detectors and call points on one panel or box

// One unit as the check sees it, in cable order.
struct Unit {
    int position = 0; // metres from the OUT terminal
    Device record;
};

// The loop as wired: the cable, its length and its units.
struct Wiring {
    double crossSection = 0; // mm2
    int loopLength = 0;      // metres, OUT terminal to IN terminal
    Topology topology = Topology::ClassA;
    double soundersActiveFraction = 1;
    QVector<Unit> units;
};

// How the loop is fed in one scenario.
enum class Feed { BothEnds, OutOnly, InOnly };

struct Scenario {
    double worstDrop = 0;
    int worstUnit = -1; // from 0 in cable order; -1 without units
    QVector<double> drops; // per unit, volts at its tap
};

struct IsolatorSection {
    int firstUnit = 0;
    int lastUnit = 0;
    int detectorsAndCallPoints = 0;
    bool hasFault() const { return detectorsAndCallPoints > MaxPerSection; }
};

struct Electrical {
    // Class A: both terminals feed. Degraded mode: the OUT terminal alone.
    Scenario intact;
    // Class A only: the loop broken at a terminal, fed from the other one.
    Scenario breakAtOut;
    Scenario breakAtIn;
};

// Series resistance of each stretch: from the OUT terminal to the first
// unit, between consecutive units, and from the last unit to the IN
// terminal (units + 1 values). A flagged detector's 0.1 ohm sits on the OUT
// side of its tap.
QVector<double> stretchResistances(const Wiring &wiring);

// The drops at every tap for one feed, each with the units in alarm chosen
// worst for that tap.
Scenario scenario(const Wiring &wiring, Feed feed);
Electrical electrical(const Wiring &wiring);

// Units that stop a short from spreading: "ISO" units and units of devices
// that add loop resistance (they carry their own isolator).
bool isIsolating(const Device &device);
bool isDetectorOrCallPoint(const Device &device);
// The runs of units between consecutive isolating points (terminals
// included); runs without units are left out.
QVector<IsolatorSection> isolatorSections(const QVector<Unit> &units);

} // namespace DeviceCheck
