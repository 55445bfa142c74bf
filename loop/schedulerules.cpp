#include "loop/schedulerules.h"

#include <QMap>

#include <algorithm>
#include <cmath>
#include <vector>

namespace ScheduleRules
{

Records records(const QVector<LoopCalc::LoopDevice> &devices)
{
    Records result;
    for (const LoopCalc::LoopDevice &device : devices)
        result.insert(device.name, device.record);
    return result;
}

int firstAddress(const ScheduleUnit &unit)
{
    // Plain digits, as addresses are written, need no number parser.
    const QString &text = unit.address;
    if (!text.isEmpty() && text.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (const QChar c : text) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                digits = false;
                break;
            }
            value = value * 10 + (c.unicode() - '0');
        }
        if (digits)
            return value;
    }
    bool ok = false;
    const int address = unit.address.toInt(&ok);
    return ok && address > 0 ? address : 0;
}

void renumber(LoopSchedule &schedule, const Records &records)
{
    int next = 1;
    for (ScheduleUnit &unit : schedule.units) {
        const int count = records.value(unit.device).addresses;
        if (count <= 0) {
            unit.address = QStringLiteral("-");
            continue;
        }
        unit.address = QString::number(next);
        next += count;
    }
}

LoopSchedule fromQuantities(const LoopConfig &config, const Records &records)
{
    QStringList devices;
    for (auto it = config.devices.cbegin(); it != config.devices.cend(); ++it) {
        for (int i = 0; i < it.value(); ++i)
            devices.append(it.key());
    }
    return fromOrder(config, devices, records);
}

LoopSchedule fromOrder(const LoopConfig &config, const QStringList &devices, const Records &records)
{
    LoopSchedule schedule;
    for (const QString &device : devices)
        schedule.units.append({0, device, QStringLiteral("-"), QString(), QString()});
    const int n = schedule.units.size();
    const int first = config.startDistance;
    const int last = std::max(first, config.loopLength - config.endDistance);
    for (int i = 0; i < n; ++i) {
        // Whole metres; the first and last units sit exactly at the ends.
        const double step = n > 1 ? double(last - first) / (n - 1) : 0;
        schedule.units[i].position = i == n - 1 && n > 1 ? last : int(std::lround(first + i * step));
    }
    renumber(schedule, records);
    return schedule;
}

bool moveUnit(LoopSchedule &schedule, int index, int delta)
{
    const int target = index + delta;
    if (index < 0 || index >= schedule.units.size() || target < 0 || target >= schedule.units.size() ||
        delta == 0)
        return false;
    ScheduleUnit moved = schedule.units.at(index);
    const int step = delta > 0 ? 1 : -1;
    // The units in between shift by one place; every place keeps its position.
    for (int i = index; i != target; i += step) {
        const int position = schedule.units.at(i).position;
        schedule.units[i] = schedule.units.at(i + step);
        schedule.units[i].position = position;
    }
    moved.position = schedule.units.at(target).position;
    schedule.units[target] = moved;
    return true;
}

QVector<Fault> faults(const LoopSchedule &schedule, const Records &records, int loopLength, int maxAddresses)
{
    QVector<Fault> found;
    // Address -> the unit that holds it: a table for the usual addresses
    // (grown as far as the addresses go), a hash for the few far beyond any
    // loop's (a file may hold any number).
    constexpr qint64 TableSize = 1 << 16;
    std::vector<int> table;
    QHash<qint64, int> beyond;
    const auto holder = [&](qint64 address) {
        if (address < TableSize)
            return address < qint64(table.size()) ? table[std::size_t(address)] : -1;
        return beyond.value(address, -1);
    };
    const auto hold = [&](qint64 address, int unit) {
        if (address < TableSize) {
            if (address >= qint64(table.size()))
                table.resize(
                    std::size_t(std::min(TableSize, std::max<qint64>(address + 1, 2 * table.size()))), -1);
            table[std::size_t(address)] = unit;
        } else {
            beyond.insert(address, unit);
        }
    };
    for (int i = 0; i < schedule.units.size(); ++i) {
        const ScheduleUnit &unit = schedule.units.at(i);
        if (i > 0 && unit.position < schedule.units.at(i - 1).position)
            found.append({Fault::PositionBackwards, i, i - 1});
        if (unit.position > loopLength)
            found.append({Fault::PositionBeyondLoop, i});
        const auto record = records.constFind(unit.device);
        const qint64 count = record == records.cend() ? 0 : record->addresses;
        if (count <= 0)
            continue;
        const qint64 first = firstAddress(unit);
        if (first == 0) {
            found.append({Fault::NoAddress, i});
            continue;
        }
        if (first + count - 1 > maxAddresses)
            found.append({Fault::AddressBeyondMaximum, i});
        for (qint64 a = first; a < first + count; ++a) {
            if (holder(a) >= 0) {
                found.append({Fault::AddressCollision, i, holder(a)});
                break;
            }
        }
        for (qint64 a = first; a < first + count; ++a)
            hold(a, i);
    }
    return found;
}

} // namespace ScheduleRules
