#include "loopfixtures.h"

#include "design/designdocument.h"
#include "design/designfile.h"
#include "loop/devicecheck.h"
#include "loop/loopdevicecheck.h"
#include "loop/schedulerules.h"

#include <QtTest>

using namespace DeviceCheck;

namespace
{

// 2 x 0.0172 x l / 0.0344 = l: one ohm per metre of loop, so the drops
// below are worked by hand as current x metres.
constexpr double OhmPerMetre = 0.0344;

Device plain(double idle, double alarm, const QString &name = QStringLiteral("P"))
{
    return Fixtures::detector(name, idle, alarm);
}

Wiring wiring(int length, const QVector<Unit> &units, Topology topology = Topology::ClassA, double fraction = 1)
{
    Wiring w;
    w.crossSection = OhmPerMetre;
    w.loopLength = length;
    w.topology = topology;
    w.soundersActiveFraction = fraction;
    w.units = units;
    return w;
}

using Drops = QVector<double>;

void compareDrops(const Scenario &s, const Drops &expected)
{
    QCOMPARE(s.drops.size(), expected.size());
    double worst = 0;
    for (int i = 0; i < expected.size(); ++i) {
        QVERIFY2(qAbs(s.drops.at(i) - expected.at(i)) < 1e-9,
                 qPrintable(QStringLiteral("unit %1: %2 instead of %3").arg(i).arg(s.drops.at(i)).arg(expected.at(i))));
        worst = std::max(worst, expected.at(i));
    }
    // Equal drops may name either unit; the one named has the worst drop.
    QVERIFY(qAbs(s.worstDrop - worst) < 1e-9);
    QVERIFY(qAbs(expected.value(s.worstUnit) - worst) < 1e-9);
}

QVector<Unit> evenUnits(int count, const Device &device, int first = 1)
{
    QVector<Unit> units;
    for (int i = 0; i < count; ++i)
        units.append({first + i, device});
    return units;
}

} // namespace

Q_DECLARE_METATYPE(Wiring)
Q_DECLARE_METATYPE(QVector<Unit>)

class TestDeviceCheck : public QObject
{
    Q_OBJECT
private slots:
    void handWorkedLoops_data();
    void handWorkedLoops();
    void degradedModeHasOnlyTheOutFeed();
    void matchesTheDirectSum();
    void isolatorSections_data();
    void isolatorSections();
    void scheduleFromQuantities();
    void scheduleFaults_data();
    void scheduleFaults();
    void moveKeepsPositions();
    void loopFaultTexts();
};

void TestDeviceCheck::handWorkedLoops_data()
{
    QTest::addColumn<Wiring>("loop");
    QTest::addColumn<Drops>("intact");
    QTest::addColumn<Drops>("breakAtOut");
    QTest::addColumn<Drops>("breakAtIn");

    // 10 m to the unit, 20 m back: 0.011 A in alarm.
    QTest::newRow("one unit") << wiring(30, {{10, plain(0.001, 0.011)}}) << Drops{0.011 * 10 * 20 / 30.0}
                              << Drops{0.011 * 20} << Drops{0.011 * 10};
    // Each tap sees 10 x 20 / 30 of its own current and 10 x 10 / 30 of the other's.
    QTest::newRow("two units fed from both ends")
        << wiring(30, {{10, plain(0, 0.01)}, {20, plain(0, 0.01)}}) << Drops{0.1, 0.1} << Drops{0.3, 0.2}
        << Drops{0.2, 0.3};
    QTest::newRow("heavy unit at the far end")
        << wiring(100, {{10, plain(0, 0.01)}, {90, plain(0, 0.1)}}) << Drops{0.01 * 9 + 0.1 * 1, 0.01 * 1 + 0.1 * 9}
        << Drops{0.01 * 90 + 0.1 * 10, 0.01 * 10 + 0.1 * 10} << Drops{0.01 * 10 + 0.1 * 10, 0.01 * 10 + 0.1 * 90};

    // 17 units at 1..17 m of an 18 m loop; 16 in alarm, the one nearest the
    // feed idle. Fed from OUT, unit k sees min(i, k) + 1 ohm of unit i.
    {
        const QVector<Unit> units = evenUnits(17, plain(0.001, 0.011));
        Drops fromOut(17), fromIn(17);
        for (int k = 0; k < 17; ++k) {
            QVector<double> sharedOut, sharedIn;
            for (int i = 0; i < 17; ++i) {
                sharedOut.append(std::min(i, k) + 1);
                sharedIn.append(17 - std::max(i, k));
            }
            const auto drop = [](QVector<double> shared) {
                std::sort(shared.begin(), shared.end());
                double sum = 0;
                for (int i = 0; i < 17; ++i)
                    sum += 0.001 * shared.at(i) + (i > 0 ? 0.01 * shared.at(i) : 0);
                return sum;
            };
            fromOut[k] = drop(sharedOut);
            fromIn[k] = drop(sharedIn);
        }
        // The far ends, worked out: 0.001 x 153 + 0.01 x (153 - 1).
        QVERIFY(qAbs(fromOut.last() - 1.673) < 1e-9);
        QVERIFY(qAbs(fromOut.first() - 0.177) < 1e-9);
        Drops intact(17);
        for (int k = 0; k < 17; ++k) {
            QVector<double> shared;
            for (int i = 0; i < 17; ++i)
                shared.append((std::min(i, k) + 1) * (17 - std::max(i, k)) / 18.0);
            std::sort(shared.begin(), shared.end());
            double sum = 0;
            for (int i = 0; i < 17; ++i)
                sum += 0.001 * shared.at(i) + (i > 0 ? 0.01 * shared.at(i) : 0);
            intact[k] = sum;
        }
        QTest::newRow("17 equal units, 16 in alarm") << wiring(18, units) << intact << fromIn << fromOut;
    }

    // Three sounders at 50 %: two sound, the two that hurt the tap most.
    {
        const Device s = Fixtures::sounder(QStringLiteral("S"), 0, 0.02);
        const QVector<Unit> units{{10, s}, {20, s}, {30, s}};
        QTest::newRow("sounders at 50 %")
            << wiring(40, units, Topology::ClassA, 0.5)
            << Drops{0.02 * (7.5 + 5), 0.02 * (10 + 5), 0.02 * (7.5 + 5)}
            << Drops{0.02 * (30 + 20), 0.02 * (20 + 20), 0.02 * (10 + 10)}
            << Drops{0.02 * (10 + 10), 0.02 * (20 + 20), 0.02 * (30 + 20)};
    }

    // A flagged detector's 0.1 ohm sits before its tap, so every unit past it sees it.
    {
        const QVector<Unit> units{{10, Fixtures::detector(QStringLiteral("F"), 0, 0.1, true)},
                                  {15, plain(0, 0.1)}};
        // Stretches 10.1, 5, 5; total 20.1.
        QTest::newRow("flagged detector")
            << wiring(20, units)
            << Drops{0.1 * 10.1 * 10 / 20.1 + 0.1 * 10.1 * 5 / 20.1, 0.1 * 10.1 * 5 / 20.1 + 0.1 * 15.1 * 5 / 20.1}
            << Drops{0.1 * 10 + 0.1 * 5, 0.1 * 5 + 0.1 * 5} << Drops{0.1 * 10.1 + 0.1 * 10.1, 0.1 * 10.1 + 0.1 * 15.1};
    }
}

void TestDeviceCheck::handWorkedLoops()
{
    QFETCH(Wiring, loop);
    QFETCH(Drops, intact);
    QFETCH(Drops, breakAtOut);
    QFETCH(Drops, breakAtIn);
    const Electrical e = electrical(loop);
    compareDrops(e.intact, intact);
    compareDrops(e.breakAtOut, breakAtOut);
    compareDrops(e.breakAtIn, breakAtIn);
    // A break never helps: each unit's drop with either break bounds the intact one.
    for (int i = 0; i < intact.size(); ++i)
        QVERIFY(e.intact.drops.at(i) <= std::min(e.breakAtOut.drops.at(i), e.breakAtIn.drops.at(i)) + 1e-12);
}

// The drops worked out directly: for every tap, every unit's share of the
// resistance to the feed, and the units in alarm picked by sorting.
static Drops directDrops(const Wiring &w, Feed feed)
{
    const QVector<double> r = stretchResistances(w);
    const int n = w.units.size();
    QVector<double> a(n);
    double total = 0;
    for (int i = 0; i < n; ++i)
        a[i] = (total += r.at(i));
    total += r.at(n);
    const auto shared = [&](int i, int j) {
        const double out = a.at(std::min(i, j)), in = total - a.at(std::max(i, j));
        return feed == Feed::OutOnly ? out : feed == Feed::InOnly ? in : out * in / total;
    };
    Drops drops(n);
    for (int j = 0; j < n; ++j) {
        QMap<QString, QVector<double>> sounders;
        QVector<double> others;
        for (int i = 0; i < n; ++i) {
            const Device &d = w.units.at(i).record;
            const double g = shared(i, j), extra = (d.alarmCurrent - d.idleCurrent) * g;
            drops[j] += d.idleCurrent * g;
            if (d.isSounder)
                sounders[d.name].append(extra);
            else if (d.subcategory == QLatin1String("BEAM"))
                drops[j] += extra;
            else
                others.append(extra);
        }
        for (QVector<double> &values : sounders) {
            std::sort(values.rbegin(), values.rend());
            const int active = LoopCalc::activeSounders(values.size(), w.soundersActiveFraction);
            for (int k = 0; k < active && k < values.size(); ++k)
                drops[j] += values.at(k);
        }
        std::sort(others.rbegin(), others.rend());
        for (int k = 0; k < 16 && k < others.size() && others.at(k) > 0; ++k)
            drops[j] += others.at(k);
    }
    return drops;
}

void TestDeviceCheck::matchesTheDirectSum()
{
    // Mixed loops: two sounder devices at 50 %, beams, flagged and plain
    // detectors, a unit that draws less in alarm, over 16 others.
    const QVector<Device> kinds{plain(0.0003, 0.005, QStringLiteral("A")), plain(0.0005, 0.009, QStringLiteral("B")),
                                Fixtures::detector(QStringLiteral("F"), 0.0002, 0.006, true),
                                Fixtures::sounder(QStringLiteral("S1"), 0.0004, 0.02),
                                Fixtures::sounder(QStringLiteral("S2"), 0.0003, 0.012),
                                Fixtures::beam(QStringLiteral("BM"), 0.002, 0.004), plain(0.004, 0.001, QStringLiteral("L"))};
    quint32 seed = 7;
    const auto next = [&seed](int bound) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % quint32(bound));
    };
    for (int round = 0; round < 20; ++round) {
        QVector<Unit> units;
        int position = next(30);
        const int count = 1 + next(60);
        for (int i = 0; i < count; ++i) {
            units.append({position, kinds.at(next(kinds.size()))});
            position += next(25);
        }
        const Wiring w = wiring(position + next(40), units, Topology::ClassA, round % 2 ? 0.5 : 0.3);
        for (Feed feed : {Feed::BothEnds, Feed::OutOnly, Feed::InOnly}) {
            const Scenario s = scenario(w, feed);
            const Drops expected = directDrops(w, feed);
            for (int j = 0; j < count; ++j)
                QVERIFY2(qAbs(s.drops.at(j) - expected.at(j)) < 1e-9,
                         qPrintable(QStringLiteral("round %1 feed %2 unit %3").arg(round).arg(int(feed)).arg(j)));
        }
    }
}

void TestDeviceCheck::degradedModeHasOnlyTheOutFeed()
{
    const Electrical e = electrical(wiring(100, {{10, plain(0, 0.01)}, {90, plain(0, 0.1)}}, Topology::DegradedMode));
    compareDrops(e.intact, {0.01 * 10 + 0.1 * 10, 0.01 * 10 + 0.1 * 90});
    QVERIFY(e.breakAtOut.drops.isEmpty());
    QVERIFY(e.breakAtIn.drops.isEmpty());
    QCOMPARE(e.breakAtOut.worstUnit, -1);
}

void TestDeviceCheck::isolatorSections_data()
{
    QTest::addColumn<QVector<Unit>>("units");
    QTest::addColumn<QVector<int>>("expected"); // first, last, count per section

    const Device det = plain(0, 0);
    const Device iso = Fixtures::device(QStringLiteral("ISO"), {QStringLiteral("SPECIAL"), QStringLiteral("ISO")});
    const Device mcp = Fixtures::device(QStringLiteral("CP"), {QStringLiteral("MCP"), QStringLiteral("-")});
    const Device module = Fixtures::device(QStringLiteral("M"), {QStringLiteral("MOD"), QStringLiteral("IN")});
    const Device flagged = Fixtures::detector(QStringLiteral("F"), 0, 0, true);

    QVector<Unit> at32{{1, iso}};
    at32 += evenUnits(31, det, 2);
    at32 += Unit{40, mcp};
    at32 += Unit{41, iso};
    QTest::newRow("32 between isolators") << at32 << QVector<int>{1, 32, 32};

    QVector<Unit> at33 = at32;
    at33.insert(5, Unit{5, det});
    QTest::newRow("33 between isolators") << at33 << QVector<int>{1, 33, 33};

    // The terminals isolate too; modules are in the section but not counted.
    QVector<Unit> terminals = evenUnits(3, det);
    terminals += Unit{10, module};
    terminals += Unit{11, flagged};
    terminals += Unit{12, det};
    QTest::newRow("terminals and a flagged detector")
        << terminals << QVector<int>{0, 3, 3, 5, 5, 1};
    QTest::newRow("adjacent isolators leave no section") << QVector<Unit>{{1, iso}, {2, flagged}} << QVector<int>{};
}

void TestDeviceCheck::isolatorSections()
{
    QFETCH(QVector<Unit>, units);
    QFETCH(QVector<int>, expected);
    const QVector<IsolatorSection> sections = DeviceCheck::isolatorSections(units);
    QCOMPARE(sections.size() * 3, expected.size());
    for (int s = 0; s < sections.size(); ++s) {
        QCOMPARE(sections.at(s).firstUnit, expected.at(3 * s));
        QCOMPARE(sections.at(s).lastUnit, expected.at(3 * s + 1));
        QCOMPARE(sections.at(s).detectorsAndCallPoints, expected.at(3 * s + 2));
        QCOMPARE(sections.at(s).hasFault(), expected.at(3 * s + 2) > MaxPerSection);
    }
}

void TestDeviceCheck::scheduleFromQuantities()
{
    ScheduleRules::Records records;
    records.insert(QStringLiteral("A"), plain(0, 0, QStringLiteral("A")));
    Device twin = plain(0, 0, QStringLiteral("B"));
    twin.addresses = 2;
    records.insert(QStringLiteral("B"), twin);
    Device silent = plain(0, 0, QStringLiteral("C"));
    silent.addresses = 0;
    records.insert(QStringLiteral("C"), silent);

    LoopConfig config;
    config.loopLength = 500;
    config.startDistance = 20;
    config.endDistance = 35;
    config.devices = {{QStringLiteral("A"), 3}, {QStringLiteral("B"), 2}, {QStringLiteral("C"), 1}};
    const LoopSchedule schedule = ScheduleRules::fromQuantities(config, records);
    QStringList seen;
    for (const ScheduleUnit &unit : schedule.units)
        seen << QStringLiteral("%1 %2 %3").arg(unit.position).arg(unit.device, unit.address);
    // 445 m over five gaps of 89 m; consecutive addresses for the twin.
    QCOMPARE(seen, QStringList({"20 A 1", "109 A 2", "198 A 3", "287 B 4", "376 B 6", "465 C -"}));

    // The document takes the distances and counts back from it unchanged.
    Design design;
    design.main.loops = {config};
    design.main.schedules.insert(0, schedule);
    Design after = design;
    DesignDocument::reconcile(design, after);
    QCOMPARE(after.main.loops.at(0), config);
    QCOMPARE(after.main.schedules.value(0), schedule);
    QVERIFY(DesignFile::validateSchedule(schedule, config, QStringLiteral("loop 1")));
    QVERIFY(ScheduleRules::faults(schedule, records, config.loopLength, 250).isEmpty());
}

void TestDeviceCheck::scheduleFaults_data()
{
    QTest::addColumn<QStringList>("units"); // position device address
    QTest::addColumn<int>("maxAddresses");
    QTest::addColumn<QStringList>("expected"); // kind unit other

    QTest::newRow("clean") << QStringList{"10 A 1", "20 B 2", "30 C -"} << 3 << QStringList{};
    QTest::newRow("collision inside a twin")
        << QStringList{"10 B 1", "20 A 2"} << 10 << QStringList{"0 1 0"};
    QTest::newRow("beyond the maximum") << QStringList{"10 A 1", "20 B 3"} << 3 << QStringList{"1 1 -1"};
    QTest::newRow("addresses far beyond any loop")
        << QStringList{"10 B 2147483647", "20 A 70000", "30 A 70000"} << 3
        << QStringList{"1 0 -1", "1 1 -1", "1 2 -1", "0 2 1"};
    QTest::newRow("no address") << QStringList{"10 A -", "20 C -"} << 3 << QStringList{"2 0 -1"};
    QTest::newRow("backwards and past the loop")
        << QStringList{"30 A 1", "20 A 2", "600 C -"} << 3 << QStringList{"3 1 0", "4 2 -1"};
}

void TestDeviceCheck::scheduleFaults()
{
    QFETCH(QStringList, units);
    QFETCH(int, maxAddresses);
    QFETCH(QStringList, expected);
    ScheduleRules::Records records;
    records.insert(QStringLiteral("A"), plain(0, 0, QStringLiteral("A")));
    Device twin = plain(0, 0, QStringLiteral("B"));
    twin.addresses = 2;
    records.insert(QStringLiteral("B"), twin);
    Device silent = plain(0, 0, QStringLiteral("C"));
    silent.addresses = 0;
    records.insert(QStringLiteral("C"), silent);
    LoopSchedule schedule;
    for (const QString &line : units) {
        const QStringList p = line.split(QLatin1Char(' '));
        schedule.units.append({p.at(0).toInt(), p.at(1), p.at(2), QString(), QString()});
    }
    QStringList found;
    for (const ScheduleRules::Fault &f : ScheduleRules::faults(schedule, records, 500, maxAddresses))
        found << QStringLiteral("%1 %2 %3").arg(int(f.kind)).arg(f.unit).arg(f.other);
    QCOMPARE(found, expected);
}

void TestDeviceCheck::moveKeepsPositions()
{
    LoopSchedule schedule;
    for (int i = 0; i < 4; ++i)
        schedule.units.append({10 * (i + 1), QStringLiteral("D%1").arg(i), QString::number(i + 1), {}, {}});
    QVERIFY(ScheduleRules::moveUnit(schedule, 0, 2));
    QStringList seen;
    for (const ScheduleUnit &u : schedule.units)
        seen << QStringLiteral("%1 %2").arg(u.position).arg(u.device);
    QCOMPARE(seen, QStringList({"10 D1", "20 D2", "30 D0", "40 D3"}));
    QVERIFY(!ScheduleRules::moveUnit(schedule, 3, 1));
    QVERIFY(!ScheduleRules::moveUnit(schedule, 0, -1));
}

void TestDeviceCheck::loopFaultTexts()
{
    CatalogueData data = Fixtures::unitFactors();
    data.devices = {plain(0.001, 0.3, QStringLiteral("H"))};
    const Catalogue catalogue(data);
    LoopConfig config;
    config.cableType = QStringLiteral("1 mm2 (18 AWG)");
    config.loopLength = 1000;
    config.devices = {{QStringLiteral("H"), 2}};
    LoopSchedule schedule;
    schedule.units = {{100, QStringLiteral("H"), QStringLiteral("1"), QString(), QStringLiteral("Hall")},
                      {900, QStringLiteral("H"), QStringLiteral("2"), QString(), QString()}};
    const LoopDeviceCheck check = LoopDeviceCheck::evaluate(config, schedule, 6.9, 250, 1, catalogue);
    // Fed from IN only, the unit at 100 m sees 900 m of its own 0.3 A and 100 m of the other's.
    QVERIFY(qAbs(check.electrical.breakAtOut.worstDrop - 0.0344 * (900 + 100) * 0.3) < 1e-9);
    QCOMPARE(check.electrical.breakAtOut.worstUnit, 0);
    QVERIFY(check.hasVoltageFault());
    QVERIFY(!check.exceeds(check.electrical.intact));
    QVERIFY(check.faultsText.contains(
        QStringLiteral("Voltage at H (address 1, Hall) drops 10.320 V with a break at the OUT terminal; "
                       "the loop allows 6.9 V.")));
    QVERIFY(check.faultsText.contains(
        QStringLiteral("Voltage at H (address 2) drops 10.320 V with a break at the IN terminal;")));
    QCOMPARE(check.unitFaults, QVector<bool>({true, true}));
    QVERIFY(LoopDeviceCheckTexts::systemNote(512).isEmpty());
    QVERIFY(LoopDeviceCheckTexts::systemNote(513).contains(QStringLiteral("513")));
}

QTEST_GUILESS_MAIN(TestDeviceCheck)
#include "tst_devicecheck.moc"
