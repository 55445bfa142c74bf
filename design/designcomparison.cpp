#include "design/designcomparison.h"

#include "catalogue/displayformat.h"

#include <QSet>

#include <algorithm>
#include <cmath>
#include <functional>

namespace
{

using Kind = DesignDifference::Kind;

const QStringList MainPanelKeys = {"model",
                                   "internalBattery",
                                   "aux24VAlarmCurrent",
                                   "aux24VIdleCurrent",
                                   "sounder1AlarmCurrent",
                                   "sounder1IdleCurrent",
                                   "sounder2AlarmCurrent",
                                   "sounder2IdleCurrent",
                                   "cards",
                                   "source1",
                                   "battery1",
                                   "source2",
                                   "battery2",
                                   "batteryDegradation",
                                   "soundersActive",
                                   "idleTime",
                                   "alarmTime"};
const QStringList BoxKeys = {"model",          "internalBattery", "cards",    "source1",
                             "battery1",       "source2",         "battery2", "batteryDegradation",
                             "soundersActive", "idleTime",        "alarmTime"};
const QStringList LoopKeys = {"cableType",  "topology",      "distributionFactor",
                              "loopLength", "startDistance", "endDistance"};
const QStringList ProjectKeys = {"reference", "revision",   "facility",  "address",
                                 "installer", "preparedBy", "checkedBy", "dateOfIssue"};

QString verdict(bool fault)
{
    return fault ? QStringLiteral("FAULT") : QStringLiteral("OK");
}

// A difference of two figures as their labels show them, in the same form.
QString margin(double limit, double value, const std::function<QString(double)> &format)
{
    double difference = limit - value;
    if (std::abs(difference) < 5e-8)
        difference = 0; // no "-0.0000000"
    return format(difference);
}

QStringList projectValues(const ProjectInfo &p)
{
    return {p.reference, p.revision,   p.facility,  p.address,
            p.installer, p.preparedBy, p.checkedBy, p.dateOfIssue};
}

QString revisionText(const RevisionEntry &entry)
{
    return QStringList{entry.date, entry.description, entry.by}.join(QStringLiteral(" | "));
}

QString unitText(const ScheduleUnit &unit)
{
    return QStringList{QString::number(unit.position), unit.address, unit.zone, unit.location}.join(
        QStringLiteral(" | "));
}

// Pairs the items of two lists whose keys are equal, in list order, over
// several passes from the strictest key to the loosest; what stays unpaired
// is -1 on the other side.
template <typename T>
QVector<QPair<int, int>> matchInPasses(const QVector<T> &before, const QVector<T> &after,
                                       const QVector<std::function<QString(const T &)>> &keys)
{
    QVector<int> partner(before.size(), -1);
    QVector<bool> taken(after.size(), false);
    // Most items of a revision stay as and where they were: those pair
    // without building a key.
    for (int i = 0; i < before.size() && i < after.size(); ++i) {
        if (before.at(i) == after.at(i)) {
            partner[i] = i;
            taken[i] = true;
        }
    }
    for (const auto &key : keys) {
        QHash<QString, QVector<int>> free; // key -> new items not yet paired, in order
        for (int j = 0; j < after.size(); ++j) {
            if (!taken.at(j))
                free[key(after.at(j))].append(j);
        }
        for (int i = 0; i < before.size(); ++i) {
            if (partner.at(i) >= 0)
                continue;
            auto it = free.find(key(before.at(i)));
            if (it == free.end() || it->isEmpty())
                continue;
            partner[i] = it->takeFirst();
            taken[partner.at(i)] = true;
        }
    }
    QVector<QPair<int, int>> pairs;
    for (int i = 0; i < before.size(); ++i)
        pairs.append({i, partner.at(i)});
    for (int j = 0; j < after.size(); ++j) {
        if (!taken.at(j))
            pairs.append({-1, j});
    }
    return pairs;
}

class Comparer
{
public:
    explicit Comparer(QVector<DesignDifference> &out) : m_out(out) {}

    void compareProject(const ProjectInfo &before, const ProjectInfo &after);
    void compareSystem(const SystemDesign &before, const SystemEvaluation &oldResult,
                       const SystemDesign &after, const SystemEvaluation &newResult, int system);
    void addBox(const SystemDesign &box, int system, bool removed);

private:
    DesignDifference &add(Kind kind, const QString &subject, const QString &oldValue, const QString &newValue,
                          int loop = -1);
    void compareLoop(const SystemDesign &before, const SystemEvaluation &oldResult, const SystemDesign &after,
                     const SystemEvaluation &newResult, int loop);
    void compareSchedules(const SystemDesign &before, const SystemDesign &after, int loop);
    // A figure (and, judged against a limit, its margin) when its text changed.
    void figure(const QString &key, const QString &oldText, const QString &newText, const QString &oldMargin,
                const QString &newMargin, int loop);
    void verdictOf(const QString &key, bool oldFault, bool newFault, const QString &oldMargin,
                   const QString &newMargin, int loop);

    QVector<DesignDifference> &m_out;
    bool m_project = false;
    int m_system = -1;
    bool m_inOld = false;
    QString m_boxName;
};

DesignDifference &Comparer::add(Kind kind, const QString &subject, const QString &oldValue,
                                const QString &newValue, int loop)
{
    DesignDifference d;
    d.kind = kind;
    d.project = m_project;
    d.system = m_system;
    d.inOldDesign = m_inOld;
    d.boxName = m_boxName;
    d.loop = loop;
    d.subject = subject;
    d.oldValue = oldValue;
    d.newValue = newValue;
    m_out.append(d);
    return m_out.last();
}

void Comparer::compareProject(const ProjectInfo &before, const ProjectInfo &after)
{
    m_project = true;
    const QStringList oldValues = projectValues(before);
    const QStringList newValues = projectValues(after);
    for (int i = 0; i < ProjectKeys.size(); ++i) {
        if (oldValues.at(i) != newValues.at(i))
            add(Kind::ProjectField, ProjectKeys.at(i), oldValues.at(i), newValues.at(i));
    }
    const auto byRevision = [](const RevisionEntry &e) { return e.revision; };
    for (const auto &pair : matchInPasses<RevisionEntry>(before.revisions, after.revisions, {byRevision})) {
        if (pair.second < 0) {
            const RevisionEntry &e = before.revisions.at(pair.first);
            add(Kind::RevisionRemoved, e.revision, revisionText(e), QString()).oldRevision = e;
        } else if (pair.first < 0) {
            const RevisionEntry &e = after.revisions.at(pair.second);
            add(Kind::RevisionAdded, e.revision, QString(), revisionText(e)).newRevision = e;
        } else if (before.revisions.at(pair.first) != after.revisions.at(pair.second)) {
            const RevisionEntry &was = before.revisions.at(pair.first);
            const RevisionEntry &is = after.revisions.at(pair.second);
            DesignDifference &d =
                add(Kind::RevisionChanged, is.revision, revisionText(was), revisionText(is));
            d.oldRevision = was;
            d.newRevision = is;
        }
    }
    m_project = false;
}

void Comparer::addBox(const SystemDesign &box, int system, bool removed)
{
    m_system = system;
    m_inOld = removed;
    m_boxName = box.name;
    add(removed ? Kind::BoxRemoved : Kind::BoxAdded, box.config.model, removed ? box.name : QString(),
        removed ? QString() : box.name);
    m_inOld = false;
}

void Comparer::compareSystem(const SystemDesign &before, const SystemEvaluation &oldResult,
                             const SystemDesign &after, const SystemEvaluation &newResult, int system)
{
    m_system = system;
    m_inOld = false;
    m_boxName = after.name;

    const QStringList oldTexts = before.config.toTexts();
    const QStringList newTexts = after.config.toTexts();
    const QStringList &keys = after.config.expansionBox ? BoxKeys : MainPanelKeys;
    if (oldTexts.size() == newTexts.size() && newTexts.size() == keys.size()) {
        for (int i = 0; i < keys.size(); ++i) {
            if (oldTexts.at(i) != newTexts.at(i))
                add(Kind::Setting, keys.at(i), oldTexts.at(i), newTexts.at(i));
        }
    }
    if (before.batteryMethod != after.batteryMethod)
        add(Kind::BatteryMethod, QStringLiteral("batteryMethod"),
            BatteryMethods::storedName(before.batteryMethod),
            BatteryMethods::storedName(after.batteryMethod));

    // The panel's figures and checks.
    const PanelEvaluation &o = oldResult.panel;
    const PanelEvaluation &n = newResult.panel;
    const auto alarmMargin = [](const PanelEvaluation &p) {
        return margin(p.model.maxCurrent, Display::figure(p.totalAlarmCurrentText()), Display::amperes);
    };
    const auto batteryMargin = [](const PanelEvaluation &p) {
        return margin(Display::figure(p.selectedTotalBatteryText()),
                      Display::figure(p.minimumBatteryRequiredText()), Display::ampereHours);
    };
    verdictOf(QStringLiteral("battery"), o.flags.hasBatteryFault, n.flags.hasBatteryFault, batteryMargin(o),
              batteryMargin(n), -1);
    verdictOf(QStringLiteral("powerLoad"), o.flags.hasPowerLoadFault, n.flags.hasPowerLoadFault,
              alarmMargin(o), alarmMargin(n), -1);
    figure(QStringLiteral("totalIdleCurrent"), o.totalIdleCurrentText(), n.totalIdleCurrentText(), QString(),
           QString(), -1);
    figure(QStringLiteral("totalAlarmCurrent"), o.totalAlarmCurrentText(), n.totalAlarmCurrentText(),
           alarmMargin(o), alarmMargin(n), -1);
    figure(QStringLiteral("minimumBatteryRequired"), o.minimumBatteryRequiredText(),
           n.minimumBatteryRequiredText(), batteryMargin(o), batteryMargin(n), -1);
    figure(QStringLiteral("selectedTotalBattery"), o.selectedTotalBatteryText(), n.selectedTotalBatteryText(),
           batteryMargin(o), batteryMargin(n), -1);

    const int common = std::min(before.loops.size(), after.loops.size());
    for (int i = 0; i < common; ++i)
        compareLoop(before, oldResult, after, newResult, i);
    for (int i = common; i < after.loops.size(); ++i)
        add(Kind::LoopAdded, QString::number(i + 1), QString(),
            QString::number(after.loops.at(i).devices.size()), i);
    for (int i = common; i < before.loops.size(); ++i)
        add(Kind::LoopRemoved, QString::number(i + 1), QString::number(before.loops.at(i).devices.size()),
            QString(), i);
}

void Comparer::compareLoop(const SystemDesign &before, const SystemEvaluation &oldResult,
                           const SystemDesign &after, const SystemEvaluation &newResult, int loop)
{
    const LoopConfig &oldLoop = before.loops.at(loop);
    const LoopConfig &newLoop = after.loops.at(loop);
    const QStringList oldTexts = oldLoop.toTexts();
    const QStringList newTexts = newLoop.toTexts();
    for (int i = 0; i < LoopKeys.size() && i < oldTexts.size() && i < newTexts.size(); ++i) {
        if (oldTexts.at(i) != newTexts.at(i))
            add(Kind::Setting, LoopKeys.at(i), oldTexts.at(i), newTexts.at(i), loop);
    }

    // Devices in name order, as the loop lists them.
    QStringList names = oldLoop.devices.keys() + newLoop.devices.keys();
    names.removeDuplicates();
    std::sort(names.begin(), names.end());
    for (const QString &name : names) {
        const int was = oldLoop.devices.value(name, 0);
        const int is = newLoop.devices.value(name, 0);
        if (was == is)
            continue;
        const Kind kind = was == 0 ? Kind::DeviceAdded : is == 0 ? Kind::DeviceRemoved : Kind::Quantity;
        add(kind, name, was == 0 ? QString() : QString::number(was),
            is == 0 ? QString() : QString::number(is), loop);
    }

    compareSchedules(before, after, loop);

    if (loop >= oldResult.loopResults.size() || loop >= newResult.loopResults.size())
        return;
    const LoopEvaluation &o = oldResult.loopResults.at(loop);
    const LoopEvaluation &n = newResult.loopResults.at(loop);
    const auto addressMargin = [](const LoopEvaluation &l, const LoopLimits &limits) {
        return QString::number(limits.maxAddresses - l.results.addresses);
    };
    const auto dropMargin = [](const LoopEvaluation &l) {
        return margin(Display::figure(l.maxVoltageDropText()), Display::figure(l.voltageDropText()),
                      Display::volts);
    };
    const auto currentMargin = [](const LoopEvaluation &l) {
        return margin(Display::figure(l.maxCurrentText()), Display::figure(l.alarmCurrentText()),
                      Display::amperes);
    };
    const QString oldAddresses = addressMargin(o, oldResult.limits);
    const QString newAddresses = addressMargin(n, newResult.limits);
    verdictOf(QStringLiteral("addresses"), o.faults.addresses, n.faults.addresses, oldAddresses, newAddresses,
              loop);
    verdictOf(QStringLiteral("voltageDrop"), o.faults.voltageDrop, n.faults.voltageDrop, dropMargin(o),
              dropMargin(n), loop);
    verdictOf(QStringLiteral("current"), o.faults.current, n.faults.current, currentMargin(o),
              currentMargin(n), loop);
    figure(QStringLiteral("addresses"), o.addressesText(), n.addressesText(), oldAddresses, newAddresses,
           loop);
    figure(QStringLiteral("idleCurrent"), o.idleCurrentText(), n.idleCurrentText(), QString(), QString(),
           loop);
    figure(QStringLiteral("alarmCurrent"), o.alarmCurrentText(), n.alarmCurrentText(), currentMargin(o),
           currentMargin(n), loop);
    figure(QStringLiteral("voltageDrop"), o.voltageDropText(), n.voltageDropText(), dropMargin(o),
           dropMargin(n), loop);
    figure(QStringLiteral("maxVoltageDrop"), o.maxVoltageDropText(), n.maxVoltageDropText(), dropMargin(o),
           dropMargin(n), loop);
    figure(QStringLiteral("maxCurrent"), o.maxCurrentText(), n.maxCurrentText(), currentMargin(o),
           currentMargin(n), loop);
}

void Comparer::compareSchedules(const SystemDesign &before, const SystemDesign &after, int loop)
{
    const bool had = before.schedules.contains(loop);
    const bool has = after.schedules.contains(loop);
    if (!had && !has)
        return;
    if (!had || !has) {
        const LoopSchedule &schedule = has ? after.schedules.value(loop) : before.schedules.value(loop);
        const QString units = QString::number(schedule.units.size());
        add(has ? Kind::ScheduleAdded : Kind::ScheduleRemoved, QStringLiteral("schedule"),
            has ? QString() : units, has ? units : QString(), loop);
        return;
    }
    const LoopSchedule oldSchedule = before.schedules.value(loop);
    const LoopSchedule newSchedule = after.schedules.value(loop);
    for (const auto &pair : DesignComparison::matchUnits(oldSchedule, newSchedule)) {
        if (pair.second < 0) {
            const ScheduleUnit &u = oldSchedule.units.at(pair.first);
            add(Kind::UnitRemoved, u.device, unitText(u), QString(), loop).oldUnit = u;
            continue;
        }
        if (pair.first < 0) {
            const ScheduleUnit &u = newSchedule.units.at(pair.second);
            add(Kind::UnitAdded, u.device, QString(), unitText(u), loop).newUnit = u;
            continue;
        }
        const ScheduleUnit &u = oldSchedule.units.at(pair.first);
        const ScheduleUnit &v = newSchedule.units.at(pair.second);
        const int changes = (u.position != v.position ? DesignDifference::Moved : 0) |
                            (u.address != v.address ? DesignDifference::Readdressed : 0) |
                            (u.zone != v.zone ? DesignDifference::Rezoned : 0) |
                            (u.location != v.location ? DesignDifference::Relocated : 0);
        if (changes != 0) {
            DesignDifference &d = add(Kind::UnitChanged, v.device, unitText(u), unitText(v), loop);
            d.unitChanges = changes;
            d.oldUnit = u;
            d.newUnit = v;
        }
    }
}

void Comparer::figure(const QString &key, const QString &oldText, const QString &newText,
                      const QString &oldMargin, const QString &newMargin, int loop)
{
    if (oldText == newText)
        return;
    DesignDifference &d = add(Kind::Figure, key, oldText, newText, loop);
    d.oldMargin = oldMargin;
    d.newMargin = newMargin;
}

void Comparer::verdictOf(const QString &key, bool oldFault, bool newFault, const QString &oldMargin,
                         const QString &newMargin, int loop)
{
    if (oldFault == newFault)
        return;
    DesignDifference &d = add(Kind::Verdict, key, verdict(oldFault), verdict(newFault), loop);
    d.oldMargin = oldMargin;
    d.newMargin = newMargin;
}

bool sameContent(const SystemDesign &a, const SystemDesign &b)
{
    return a.config == b.config && a.loops == b.loops && a.batteryMethod == b.batteryMethod &&
           a.schedules == b.schedules;
}

} // namespace

bool DesignDifference::isAddition() const
{
    switch (kind) {
    case Kind::BoxAdded:
    case Kind::LoopAdded:
    case Kind::DeviceAdded:
    case Kind::ScheduleAdded:
    case Kind::UnitAdded:
    case Kind::RevisionAdded:
        return true;
    default:
        return false;
    }
}

bool DesignDifference::isRemoval() const
{
    switch (kind) {
    case Kind::BoxRemoved:
    case Kind::LoopRemoved:
    case Kind::DeviceRemoved:
    case Kind::ScheduleRemoved:
    case Kind::UnitRemoved:
    case Kind::RevisionRemoved:
        return true;
    default:
        return false;
    }
}

int DesignComparison::verdictCount() const
{
    return int(std::count_if(differences.cbegin(), differences.cend(),
                             [](const DesignDifference &d) { return d.isVerdict(); }));
}

QVector<BoxMatch> DesignComparison::matchBoxes(const Design &oldDesign, const Design &newDesign)
{
    const int oldCount = oldDesign.boxes.size();
    const int newCount = newDesign.boxes.size();
    QVector<int> partner(newCount, -1); // new box -> old box
    QVector<bool> taken(oldCount, false);
    const auto pass = [&](const std::function<bool(const SystemDesign &, const SystemDesign &)> &fits) {
        for (int j = 0; j < newCount; ++j) {
            if (partner.at(j) >= 0)
                continue;
            for (int i = 0; i < oldCount; ++i) {
                const SystemDesign &a = oldDesign.boxes.at(i);
                const SystemDesign &b = newDesign.boxes.at(j);
                if (!taken.at(i) && a.config.model == b.config.model && fits(a, b)) {
                    partner[j] = i;
                    taken[i] = true;
                    break;
                }
            }
        }
    };
    // An unchanged box keeps its pair even when a box before it went (and the
    // names moved up on reopening); identical boxes of one model pair by name.
    pass([](const SystemDesign &a, const SystemDesign &b) { return sameContent(a, b) && a.name == b.name; });
    pass([](const SystemDesign &a, const SystemDesign &b) { return sameContent(a, b); });
    pass([](const SystemDesign &a, const SystemDesign &b) { return a.name == b.name; });
    pass([](const SystemDesign &, const SystemDesign &) { return true; });

    QVector<BoxMatch> matches;
    for (int j = 0; j < newCount; ++j)
        matches.append({partner.at(j), j});
    for (int i = 0; i < oldCount; ++i) {
        if (!taken.at(i))
            matches.append({i, -1});
    }
    return matches;
}

QVector<QPair<int, int>> DesignComparison::matchUnits(const LoopSchedule &oldSchedule,
                                                      const LoopSchedule &newSchedule)
{
    using Key = std::function<QString(const ScheduleUnit &)>;
    const QChar sep(0x1f);
    const QVector<Key> keys = {
        [sep](const ScheduleUnit &u) {
            return QStringList{QString::number(u.position), u.device, u.address, u.zone, u.location}.join(
                sep);
        },
        [sep](const ScheduleUnit &u) {
            return QStringList{u.device, u.address, u.location}.join(sep);
        },
        [sep](const ScheduleUnit &u) {
            return QStringList{u.device, u.location}.join(sep);
        },
        [sep](const ScheduleUnit &u) {
            return QStringList{u.device, u.address}.join(sep);
        },
    };
    return matchInPasses<ScheduleUnit>(oldSchedule.units, newSchedule.units, keys);
}

DesignComparison DesignComparison::compare(const Design &oldDesign, const DesignEvaluation &oldEvaluation,
                                           const Design &newDesign, const DesignEvaluation &newEvaluation)
{
    DesignComparison result;
    result.oldFault = oldEvaluation.hasFault();
    result.newFault = newEvaluation.hasFault();
    QVector<DesignDifference> all;
    Comparer comparer(all);
    comparer.compareProject(oldDesign.project.value_or(ProjectInfo()),
                            newDesign.project.value_or(ProjectInfo()));
    comparer.compareSystem(oldDesign.main, oldEvaluation.main, newDesign.main, newEvaluation.main, -1);
    result.boxes = matchBoxes(oldDesign, newDesign);
    for (const BoxMatch &match : result.boxes) {
        if (match.oldBox < 0) {
            comparer.addBox(newDesign.boxes.at(match.newBox), match.newBox, false);
        } else if (match.newBox < 0) {
            comparer.addBox(oldDesign.boxes.at(match.oldBox), match.oldBox, true);
        } else if (match.oldBox < oldEvaluation.boxes.size() && match.newBox < newEvaluation.boxes.size()) {
            comparer.compareSystem(oldDesign.boxes.at(match.oldBox), oldEvaluation.boxes.at(match.oldBox),
                                   newDesign.boxes.at(match.newBox), newEvaluation.boxes.at(match.newBox),
                                   match.newBox);
        }
    }
    // Verdicts that moved to FAULT, then those that moved back, then the rest
    // as found (by place).
    const auto rank = [](const DesignDifference &d) { return d.worsened() ? 0 : d.isVerdict() ? 1 : 2; };
    std::stable_sort(all.begin(), all.end(), [&rank](const DesignDifference &a, const DesignDifference &b) {
        return rank(a) < rank(b);
    });
    result.differences = all;
    return result;
}

DesignComparison DesignComparison::compare(const Design &oldDesign, const Design &newDesign,
                                           const Catalogue &catalogue)
{
    return compare(oldDesign, DesignEvaluation::evaluate(oldDesign, catalogue), newDesign,
                   DesignEvaluation::evaluate(newDesign, catalogue));
}
