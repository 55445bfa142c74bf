#include "loop/devicecheck.h"

#include "loop/loopcalculation.h"

#include <QHash>

#include <algorithm>
#include <functional>
#include <vector>

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

namespace
{

// What every scenario of one loop shares.
struct Shared {
    QVector<double> stretches;
    LoadGroups groups;
};

Scenario scenario(const Wiring &wiring, Feed feed, const Shared &shared)
{
    Scenario result;
    const int n = wiring.units.size();
    if (n == 0 || !(wiring.crossSection > 0))
        return result;
    const QVector<double> &stretches = shared.stretches;
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

    // The resistance unit i's current shares with tap j on the way to the
    // feed splits into a factor of the unit and one of the tap:
    //   i < j: near[i] * scaleNear[j]      i >= j: far[i] * scaleFar[j]
    // (fed from OUT: fromOut(min); from IN: toIn(max); from both ends:
    // fromOut(min) * toIn(max) / total), so the drop at every tap follows
    // from sums over the units before and after it.
    QVector<double> near(n, 1.0), far(n, 1.0), scaleNear(n, 1.0), scaleFar(n, 1.0);
    for (int i = 0; i < n; ++i) {
        switch (feed) {
        case Feed::OutOnly:
            near[i] = fromOut.at(i);
            scaleFar[i] = fromOut.at(i);
            break;
        case Feed::InOnly:
            scaleNear[i] = toIn.at(i);
            far[i] = toIn.at(i);
            break;
        case Feed::BothEnds:
            near[i] = fromOut.at(i);
            far[i] = toIn.at(i);
            scaleNear[i] = total > 0 ? toIn.at(i) / total : 0;
            scaleFar[i] = total > 0 ? fromOut.at(i) / total : 0;
            break;
        }
    }

    const LoadGroups &groups = shared.groups;
    // Loads every tap sees the same way: idle currents, and alarm currents
    // of groups whose units are all (or, for the others, all that add) in alarm.
    QVector<double> fixed(n), extra(n);
    for (int i = 0; i < n; ++i) {
        fixed[i] = wiring.units.at(i).record.idleCurrent;
        extra[i] = wiring.units.at(i).record.alarmCurrent - fixed.at(i);
    }
    for (int i : groups.always)
        fixed[i] += extra.at(i);
    struct Choice {
        const QVector<int> *units;
        int count;
        bool positiveOnly;
    };
    QVector<Choice> choices;
    for (int g = 0; g < groups.sounders.size(); ++g) {
        const QVector<int> &units = groups.sounders.at(g);
        if (groups.sounderCounts.at(g) >= units.size()) {
            for (int i : units)
                fixed[i] += extra.at(i);
        } else if (groups.sounderCounts.at(g) > 0) {
            choices.append({&units, groups.sounderCounts.at(g), false});
        }
    }
    if (groups.otherCount >= groups.others.size()) {
        for (int i : groups.others)
            fixed[i] += std::max(0.0, extra.at(i));
    } else {
        choices.append({&groups.others, groups.otherCount, true});
    }

    QVector<double> before(n + 1, 0.0), after(n + 1, 0.0);
    for (int i = 0; i < n; ++i)
        before[i + 1] = before.at(i) + fixed.at(i) * near.at(i);
    for (int i = n - 1; i >= 0; --i)
        after[i] = after.at(i + 1) + fixed.at(i) * far.at(i);
    result.drops.resize(n);
    for (int j = 0; j < n; ++j)
        result.drops[j] = scaleNear.at(j) * before.at(j) + scaleFar.at(j) * after.at(j);

    // A group that sounds only some of its units: at each tap, the `count`
    // largest of the units before it (scaled one way) and after it (the
    // other); each side's largest are kept as the tap walks along the cable.
    QVector<int> groupOf(n, -1);
    for (int c = 0; c < choices.size(); ++c) {
        for (int i : *choices.at(c).units)
            groupOf[i] = c;
    }
    // The k largest values, in descending order, taken from two sorted lists.
    const auto mergeTop = [](const double *nearBegin, const double *nearEnd, double nearScale, const double *farBegin,
                             const double *farEnd, double farScale, int count, bool positiveOnly) {
        double added = 0;
        for (int taken = 0; taken < count; ++taken) {
            const bool hasNear = nearBegin != nearEnd;
            const bool hasFar = farBegin != farEnd;
            if (!hasNear && !hasFar)
                break;
            const double fromNear = hasNear ? *nearBegin * nearScale : 0;
            const double fromFar = hasFar ? *farBegin * farScale : 0;
            const bool takeNear = hasNear && (!hasFar || fromNear >= fromFar);
            const double value = takeNear ? fromNear : fromFar;
            if (positiveOnly && value <= 0)
                break;
            added += value;
            if (takeNear)
                ++nearBegin;
            else
                ++farBegin;
        }
        return added;
    };
    // Inserts into a descending list that keeps at most `count` values.
    const auto keepTop = [](QVector<double> &top, double value, int count) {
        auto at = std::upper_bound(top.begin(), top.end(), value, std::greater<double>());
        if (at - top.begin() >= count)
            return;
        top.insert(at, value);
        if (top.size() > count)
            top.removeLast();
    };
    for (int c = 0; c < choices.size(); ++c) {
        const Choice &choice = choices.at(c);
        const int k = choice.count;
        // The k largest of the units after each tap, built from the IN end
        // (in memory kept from one call to the next: with thousands of
        // units it is large, and fresh memory costs more than the work).
        static thread_local std::vector<double> farTops;
        farTops.resize(std::size_t(n + 1) * k);
        QVector<int> farSizes(n + 1, 0);
        QVector<double> running;
        running.reserve(k + 1);
        for (int j = n - 1; j >= 0; --j) {
            if (groupOf.at(j) == c)
                keepTop(running, extra.at(j) * far.at(j), k);
            std::copy(running.cbegin(), running.cend(), farTops.begin() + std::size_t(j) * k);
            farSizes[j] = running.size();
        }
        // ... and of the units before it, built along the way from OUT.
        running.clear();
        for (int j = 0; j < n; ++j) {
            if (j > 0 && groupOf.at(j - 1) == c)
                keepTop(running, extra.at(j - 1) * near.at(j - 1), k);
            const double *farBegin = farTops.data() + std::size_t(j) * k;
            result.drops[j] += mergeTop(running.constData(), running.constData() + running.size(), scaleNear.at(j),
                                        farBegin, farBegin + farSizes.at(j), scaleFar.at(j), k, choice.positiveOnly);
        }
    }
    for (int j = 0; j < n; ++j) {
        if (result.worstUnit < 0 || result.drops.at(j) > result.worstDrop) {
            result.worstDrop = result.drops.at(j);
            result.worstUnit = j;
        }
    }
    return result;
}

Shared shared(const Wiring &wiring)
{
    Shared result;
    if (!wiring.units.isEmpty() && wiring.crossSection > 0) {
        result.stretches = stretchResistances(wiring);
        result.groups = loadGroups(wiring);
    }
    return result;
}

} // namespace

Scenario scenario(const Wiring &wiring, Feed feed)
{
    return scenario(wiring, feed, shared(wiring));
}

Electrical electrical(const Wiring &wiring)
{
    Electrical e;
    const Shared common = shared(wiring);
    if (wiring.topology == Topology::DegradedMode) {
        e.intact = scenario(wiring, Feed::OutOnly, common);
        return e;
    }
    e.intact = scenario(wiring, Feed::BothEnds, common);
    // A break at the OUT terminal leaves the IN terminal feeding, and the other way round.
    e.breakAtOut = scenario(wiring, Feed::InOnly, common);
    e.breakAtIn = scenario(wiring, Feed::OutOnly, common);
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
