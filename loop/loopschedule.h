#pragma once

// A loop's schedule: its units in the order the cable reaches them, each
// with the address, zone and location the installer gives it.

#include <QString>
#include <QVector>

// One unit of a loop as wired, from the loop's OUT terminal towards IN.
struct ScheduleUnit {
    int position = 0; // whole metres of cable from the OUT terminal
    QString device;
    QString address; // the first address, or "-" for a device without addresses
    QString zone;
    QString location; // up to 80 characters
    bool operator==(const ScheduleUnit &o) const
    {
        return position == o.position && device == o.device && address == o.address && zone == o.zone &&
               location == o.location;
    }
    bool operator!=(const ScheduleUnit &o) const { return !(*this == o); }
};

struct LoopSchedule {
    QVector<ScheduleUnit> units; // in cable order
    bool operator==(const LoopSchedule &o) const { return units == o.units; }
    bool operator!=(const LoopSchedule &o) const { return !(*this == o); }
};
