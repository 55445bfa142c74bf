#include "loop/devicecheck.h"

#include "loop/loopcalculation.h"

#include <QHash>

#include <algorithm>
#include <functional>

namespace DeviceCheck
{

namespace
{

// Units drawing alarm current come in groups: each sounder device sounds a
// fixed share of its units, every beam detector is in alarm, and at most 16
// of all other units are. Which units of a group are in alarm is left open;
// the worst choice for each tap is taken.
struct LoadGroups {
    QVector<int> always;             // beam detectors
    QVector<QVector<int>> sounders;  // per sounder device
    QVector<int> sounderCounts;      // units in alarm per sounder device
    QVector<int> others;
    int otherCount = 0;
};

LoadGroups loadGroups(const Wiring &wiring)
{
    LoadGroups groups;
    QHash<QString, int> sounderIndex;
    for (int i = 0; i < wiring.units.size(); ++i) {
        const Device &d = wiring.units.at(i).record;
        if (d.isSounder) {
            auto it = sounderIndex.find(d.name);
            if (it == sounderIndex.end()) {
                it = sounderIndex.insert(d.name, groups.sounders.size());
                groups.sounders.append(QVector<int>());
            }
            groups.sounders[it.value()].append(i);
        } else if (LoopCalc::isBeam(d)) {
            groups.always.append(i);
        } else {
            groups.others.append(i);
        }
    }
    for (const QVector<int> &units : groups.sounders)
        groups.sounderCounts.append(
            std::min<int>(units.size(), LoopCalc::activeSounders(units.size(), wiring.soundersActiveFraction)));
    groups.otherCount = std::min<int>(LoopCalc::AlarmSetSize, groups.others.size());
    return groups;
}

// The sum of the `count` largest values (only positive ones when `positiveOnly`).
double largestSum(QVector<double> &values, int count, bool positiveOnly)
{
    if (count <= 0 || values.isEmpty())
        return 0;
    if (count < values.size())
        std::nth_element(values.begin(), values.begin() + count, values.end(), std::greater<double>());
    double sum = 0;
    const int taken = std::min<int>(count, values.size());
    for (int k = 0; k < taken; ++k) {
        if (!positiveOnly || values.at(k) > 0)
            sum += values.at(k);
    }
    return sum;
}

} // namespace

bool isIsolating(const Device &device)
{
    return device.subcategory == QLatin1String("ISO") || device.addsLoopResistance;
}

bool isDetectorOrCallPoint(const Device &device)
{
    return device.category == QLatin1String("DET") || device.category == QLatin1String("MCP");
}

QVector<double> stretchResistances(const Wiring &wiring)
{
    QVector<double> r;
    r.reserve(wiring.units.size() + 1);
    int previous = 0;
    for (const Unit &unit : wiring.units) {
        // A position that goes backwards is a fault of its own; the cable
        // between the two is then taken as none.
        double stretch = LoopCalc::cableResistance(std::max(0, unit.position - previous), wiring.crossSection);
        if (unit.record.category == QLatin1String("DET") && unit.record.addsLoopResistance)
            stretch += LoopCalc::DetectorResistance;
        r.append(stretch);
        previous = std::max(previous, unit.position);
    }
    r.append(LoopCalc::cableResistance(std::max(0, wiring.loopLength - previous), wiring.crossSection));
    return r;
}

Scenario scenario(const Wiring &wiring, Feed feed)
{
    Scenario result;
    const int n = wiring.units.size();
    if (n == 0 || !(wiring.crossSection > 0))
        return result;
    const QVector<double> stretches = stretchResistances(wiring);
    // Resistance from the OUT terminal to each tap, and from each tap to IN.
    QVector<double> fromOut(n), toIn(n);
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        sum += stretches.at(i);
        fromOut[i] = sum;
    }
    const double total = sum + stretches.at(n);
    for (int i = 0; i < n; ++i)
        toIn[i] = total - fromOut.at(i);

    // The voltage a unit's current causes at another tap: the resistance
    // the two share on the way to the feed.
    const auto shared = [&](int i, int j) {
        const int nearOut = std::min(i, j);
        const int nearIn = std::max(i, j);
        switch (feed) {
        case Feed::OutOnly:
            return fromOut.at(nearOut);
        case Feed::InOnly:
            return toIn.at(nearIn);
        case Feed::BothEnds:
            break;
        }
        return total > 0 ? fromOut.at(nearOut) * toIn.at(nearIn) / total : 0.0;
    };

    const LoadGroups groups = loadGroups(wiring);
    QVector<double> idle(n), extra(n);
    for (int i = 0; i < n; ++i) {
        idle[i] = wiring.units.at(i).record.idleCurrent;
        extra[i] = wiring.units.at(i).record.alarmCurrent - idle.at(i);
    }
    QVector<double> scratch;
    scratch.reserve(n);
    result.drops.resize(n);
    for (int j = 0; j < n; ++j) {
        double drop = 0;
        for (int i = 0; i < n; ++i)
            drop += idle.at(i) * shared(i, j);
        for (int i : groups.always)
            drop += extra.at(i) * shared(i, j);
        for (int g = 0; g < groups.sounders.size(); ++g) {
            scratch.clear();
            for (int i : groups.sounders.at(g))
                scratch.append(extra.at(i) * shared(i, j));
            drop += largestSum(scratch, groups.sounderCounts.at(g), false);
        }
        scratch.clear();
        for (int i : groups.others)
            scratch.append(extra.at(i) * shared(i, j));
        drop += largestSum(scratch, groups.otherCount, true);
        result.drops[j] = drop;
        if (result.worstUnit < 0 || drop > result.worstDrop) {
            result.worstDrop = drop;
            result.worstUnit = j;
        }
    }
    return result;
}

Electrical electrical(const Wiring &wiring)
{
    Electrical e;
    if (wiring.topology == Topology::DegradedMode) {
        e.intact = scenario(wiring, Feed::OutOnly);
        return e;
    }
    e.intact = scenario(wiring, Feed::BothEnds);
    // A break at the OUT terminal leaves the IN terminal feeding, and the other way round.
    e.breakAtOut = scenario(wiring, Feed::InOnly);
    e.breakAtIn = scenario(wiring, Feed::OutOnly);
    return e;
}

QVector<IsolatorSection> isolatorSections(const QVector<Unit> &units)
{
    QVector<IsolatorSection> sections;
    int first = -1;
    int count = 0;
    const auto close = [&](int last) {
        if (first >= 0 && last >= first)
            sections.append({first, last, count});
        first = -1;
        count = 0;
    };
    for (int i = 0; i < units.size(); ++i) {
        const Device &d = units.at(i).record;
        if (isIsolating(d)) {
            close(i - 1);
            continue;
        }
        if (first < 0)
            first = i;
        if (isDetectorOrCallPoint(d))
            ++count;
    }
    close(units.size() - 1);
    return sections;
}

} // namespace DeviceCheck
