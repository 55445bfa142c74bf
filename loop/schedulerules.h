#pragma once

#include "catalogue/records.h"
#include "loop/loopschedule.h"
#include "loop/loopcalculation.h"
#include "loop/loopconfig.h"

#include <QHash>
#include <QString>
#include <QVector>

// The commands that make and rearrange a loop's schedule, and the rules its
// addresses and positions keep. Free of widgets: the schedule view sends the
// results to the document.
namespace ScheduleRules
{

// Device name -> record, looked up once per loop.
using Records = QHash<QString, Device>;
Records records(const QVector<LoopCalc::LoopDevice> &devices);

// The first address of a unit, 0 for "-" or a text that is no address.
int firstAddress(const ScheduleUnit &unit);

// The loop's units in device-list order, evenly spread from the start
// distance to the loop length less the end distance, addressed 1, 2, ... in
// cable order (a unit of several addresses takes consecutive ones).
LoopSchedule fromQuantities(const LoopConfig &config, const Records &records);
// The same for units in a given order (an imported loop as the export lists it).
LoopSchedule fromOrder(const LoopConfig &config, const QStringList &devices, const Records &records);

// Addresses given anew in cable order, from 1.
void renumber(LoopSchedule &schedule, const Records &records);

// Moves the unit at `index` by `delta` places along the cable; the
// positions stay where they are, the units change places. False when the
// unit cannot go there.
bool moveUnit(LoopSchedule &schedule, int index, int delta);

struct Fault {
    enum Kind { AddressCollision, AddressBeyondMaximum, NoAddress, PositionBackwards, PositionBeyondLoop };
    Kind kind = AddressCollision;
    int unit = 0;   // from 0 in cable order
    int other = -1; // the unit it collides with, or the one before it
};

// Addresses that collide, exceed `maxAddresses` or are missing, and
// positions that go backwards or past the loop length, in cable order.
QVector<Fault> faults(const LoopSchedule &schedule, const Records &records, int loopLength, int maxAddresses);

} // namespace ScheduleRules
