#include "loop/loopdevicecheck.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"

#include <QCoreApplication>

#include <algorithm>

namespace
{

void appendItem(QString &box, const QString &item)
{
    if (!box.isEmpty())
        box += QStringLiteral("\n\n");
    box += item;
}

// "<device> (address <n>, <location>)", the location left out when empty.
QString unitText(const ScheduleUnit &unit)
{
    if (unit.location.isEmpty())
        return QCoreApplication::translate("LoopDeviceCheck", "%1 (address %2)").arg(unit.device, unit.address);
    return QCoreApplication::translate("LoopDeviceCheck", "%1 (address %2, %3)").arg(unit.device, unit.address, unit.location);
}

QString metres(int position)
{
    return QString::number(position);
}

QString voltageItem(const ScheduleUnit &unit, const DeviceCheck::Scenario &s, const QString &how, double limit)
{
    return QCoreApplication::translate("LoopDeviceCheck", "Voltage at %1 drops %2 V %3; the loop allows %4 V.")
               .arg(unitText(unit), Display::fixed(s.worstDrop, 3), how, Display::general(limit)) +
           QStringLiteral("\n") +
           QCoreApplication::translate("LoopDeviceCheck", "Recommendation: Increase cable section, move the units that draw most nearer the panel "
              "terminals, or split the loop.");
}

QString scheduleItem(const ScheduleRules::Fault &fault, const LoopSchedule &schedule, int loopLength,
                     int maxAddresses)
{
    using ScheduleRules::Fault;
    const ScheduleUnit &unit = schedule.units.at(fault.unit);
    const ScheduleUnit other = fault.other >= 0 ? schedule.units.at(fault.other) : ScheduleUnit();
    switch (fault.kind) {
    case Fault::AddressCollision:
        return QCoreApplication::translate("LoopDeviceCheck", "Address %1 of %2 at %3 m overlaps the addresses of %4 at %5 m.")
                   .arg(unit.address, unit.device, metres(unit.position), other.device, metres(other.position)) +
               QStringLiteral("\n") + QCoreApplication::translate("LoopDeviceCheck", "Recommendation: Renumber the addresses in cable order.");
    case Fault::AddressBeyondMaximum:
        return QCoreApplication::translate("LoopDeviceCheck", "Address %1 of %2 at %3 m goes beyond the loop's maximum of %4 addresses.")
                   .arg(unit.address, unit.device, metres(unit.position), QString::number(maxAddresses)) +
               QStringLiteral("\n") +
               QCoreApplication::translate("LoopDeviceCheck", "Recommendation: Renumber the addresses in cable order or move devices to another loop.");
    case Fault::NoAddress:
        return QCoreApplication::translate("LoopDeviceCheck", "%1 at %2 m has no address.").arg(unit.device, metres(unit.position)) + QStringLiteral("\n") +
               QCoreApplication::translate("LoopDeviceCheck", "Recommendation: Renumber the addresses in cable order.");
    case Fault::PositionBackwards:
        return QCoreApplication::translate("LoopDeviceCheck", "%1 at %2 m lies before the unit ahead of it in cable order (%3 m).")
                   .arg(unit.device, metres(unit.position), metres(other.position)) +
               QStringLiteral("\n") +
               QCoreApplication::translate("LoopDeviceCheck", "Recommendation: Correct the positions so that they grow from the OUT terminal to the IN "
                  "terminal.");
    case Fault::PositionBeyondLoop:
        return QCoreApplication::translate("LoopDeviceCheck", "%1 at %2 m lies beyond the loop length of %3 m.")
                   .arg(unit.device, metres(unit.position), metres(loopLength)) +
               QStringLiteral("\n") + QCoreApplication::translate("LoopDeviceCheck", "Recommendation: Correct its position or lengthen the loop.");
    }
    return QString();
}

QString sectionAddress(const LoopSchedule &schedule, int from, int to, int step)
{
    for (int i = from; i != to + step; i += step) {
        if (ScheduleRules::firstAddress(schedule.units.at(i)) > 0)
            return schedule.units.at(i).address;
    }
    return QStringLiteral("-");
}

} // namespace

bool LoopDeviceCheck::exceeds(const DeviceCheck::Scenario &scenario) const
{
    return scenario.worstUnit >= 0 && LoopCalc::displayed(scenario.worstDrop) > limit;
}

bool LoopDeviceCheck::hasVoltageFault() const
{
    return exceeds(electrical.intact) || exceeds(electrical.breakAtOut) || exceeds(electrical.breakAtIn);
}

bool LoopDeviceCheck::hasSectionFault() const
{
    return std::any_of(sections.cbegin(), sections.cend(),
                       [](const DeviceCheck::IsolatorSection &s) { return s.hasFault(); });
}

double LoopDeviceCheck::worstDropAt(int unit) const
{
    double worst = electrical.intact.drops.value(unit);
    worst = std::max(worst, electrical.breakAtOut.drops.value(unit));
    return std::max(worst, electrical.breakAtIn.drops.value(unit));
}

LoopDeviceCheck LoopDeviceCheck::evaluate(const LoopConfig &config, const LoopSchedule &schedule,
                                          const QVector<LoopCalc::LoopDevice> &devices, double limit,
                                          int maxAddresses, double soundersActiveFraction)
{
    LoopDeviceCheck check;
    check.limit = limit;
    check.degradedMode = config.topology == Topology::DegradedMode;
    const ScheduleRules::Records records = ScheduleRules::records(devices);

    DeviceCheck::Wiring wiring;
    wiring.crossSection = LoopCalc::crossSection(config.cableType);
    wiring.loopLength = config.loopLength;
    wiring.topology = config.topology;
    wiring.soundersActiveFraction = soundersActiveFraction;
    wiring.units.reserve(schedule.units.size());
    for (const ScheduleUnit &unit : schedule.units) {
        const auto record = records.constFind(unit.device);
        wiring.units.append({unit.position, record == records.cend() ? Device() : record.value()});
    }
    check.electrical = DeviceCheck::electrical(wiring);
    check.sections = DeviceCheck::isolatorSections(wiring.units);
    check.scheduleFaults = ScheduleRules::faults(schedule, records, config.loopLength, maxAddresses);

    check.unitFaults.fill(false, schedule.units.size());
    // Every faulty row is marked; the texts stop after a few, which is
    // enough to see what is wrong and keeps a badly addressed loop readable.
    int told = 0;
    for (const ScheduleRules::Fault &fault : check.scheduleFaults) {
        check.unitFaults[fault.unit] = true;
        if (told++ < MaxScheduleFaultTexts)
            appendItem(check.faultsText, scheduleItem(fault, schedule, config.loopLength, maxAddresses));
    }
    if (told > MaxScheduleFaultTexts)
        appendItem(check.faultsText, QCoreApplication::translate("LoopDeviceCheck", "%1 more schedule faults.")
                                         .arg(told - MaxScheduleFaultTexts));
    const auto voltage = [&](const DeviceCheck::Scenario &s, const QString &how) {
        if (!check.exceeds(s))
            return;
        for (int i = 0; i < s.drops.size(); ++i) {
            // Only a drop near the limit needs the shown rounding (to far
            // less than 1e-6) to decide.
            const double drop = s.drops.at(i);
            if (drop > limit + 1e-6 || (drop > limit - 1e-6 && LoopCalc::displayed(drop) > limit))
                check.unitFaults[i] = true;
        }
        appendItem(check.faultsText, voltageItem(schedule.units.at(s.worstUnit), s, how, limit));
    };
    if (check.degradedMode) {
        voltage(check.electrical.intact, QCoreApplication::translate("LoopDeviceCheck", "fed from the OUT terminal only"));
    } else {
        voltage(check.electrical.intact, QCoreApplication::translate("LoopDeviceCheck", "with the loop intact"));
        voltage(check.electrical.breakAtOut, QCoreApplication::translate("LoopDeviceCheck", "with a break at the OUT terminal"));
        voltage(check.electrical.breakAtIn, QCoreApplication::translate("LoopDeviceCheck", "with a break at the IN terminal"));
    }
    for (const DeviceCheck::IsolatorSection &s : check.sections) {
        if (!s.hasFault())
            continue;
        for (int i = s.firstUnit; i <= s.lastUnit; ++i)
            check.unitFaults[i] = true;
        appendItem(check.faultsText,
                   QCoreApplication::translate("LoopDeviceCheck", "%1 detectors and call points lie between two isolators, from address %2 to address %3; "
                      "a short there would take out more than %4.")
                           .arg(s.detectorsAndCallPoints)
                           .arg(sectionAddress(schedule, s.firstUnit, s.lastUnit, 1),
                                sectionAddress(schedule, s.lastUnit, s.firstUnit, -1))
                           .arg(DeviceCheck::MaxPerSection) +
                       QStringLiteral("\n") + QCoreApplication::translate("LoopDeviceCheck", "Recommendation: Add an isolator within this section."));
    }
    return check;
}

LoopDeviceCheck LoopDeviceCheck::evaluate(const LoopConfig &config, const LoopSchedule &schedule, double limit,
                                          int maxAddresses, double soundersActiveFraction,
                                          const Catalogue &catalogue)
{
    return evaluate(config, schedule, LoopCalc::resolveDevices(config.devices, catalogue), limit, maxAddresses,
                    soundersActiveFraction);
}

namespace LoopDeviceCheckTexts
{

int detectorsAndCallPoints(const QVector<LoopCalc::LoopDevice> &devices)
{
    int count = 0;
    for (const LoopCalc::LoopDevice &device : devices) {
        if (DeviceCheck::isDetectorOrCallPoint(device.record))
            count += device.quantity;
    }
    return count;
}

QString systemNote(int detectorsAndCallPoints)
{
    if (detectorsAndCallPoints <= DeviceCheck::SystemNoteLimit)
        return QString();
    return QCoreApplication::translate("LoopDeviceCheck",
                                       "This panel holds %1 detectors and call points in all, more than %2; "
                                       "consider sharing them with another panel or expansion box.")
        .arg(detectorsAndCallPoints)
        .arg(DeviceCheck::SystemNoteLimit);
}

} // namespace LoopDeviceCheckTexts
