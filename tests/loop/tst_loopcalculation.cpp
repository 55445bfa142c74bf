#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"
#include "loop/loopcalculation.h"
#include "loopfixtures.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace LoopCalc;
using namespace Fixtures;

namespace
{

QString f7(double value)
{
    return Display::fixed(value, 7);
}

Circuit bareCircuit(double crossSection, int length, int start, int end, int detectors)
{
    Circuit c;
    c.crossSection = crossSection;
    c.loopLength = length;
    c.startDistance = start;
    c.endDistance = end;
    c.resistiveDetectors = detectors;
    c.distributionFactor = 1;
    c.classAFactor = 1;
    c.degradedModeFactor = 1;
    return c;
}

LoopResults compute(const CatalogueData &data, const QMap<QString, int> &devices, double fraction = 1.0,
                    LoopConfig config = LoopConfig(), LoopLimits limits = LoopLimits())
{
    const Catalogue catalogue(data);
    config.devices = devices;
    return computeLoop(config, resolveDevices(devices, catalogue), limits, fraction, catalogue);
}

} // namespace

class TestLoopCalculation : public QObject
{
    Q_OBJECT

private slots:
    void workedExampleClassA();
    void workedExampleDegradedMode();
    void workedExampleThroughTheWholeChain();
    void emptyLoop();
    void singleDevice();
    void alarmSetTakesSixteenUnits();
    void alarmSetPopFollowsTheTieRules();
    void alarmSetTiesDecideTheAlarmCurrent();
    void equalAlarmCurrentNeverReplacesTheTop();
    void sounderRounding_data();
    void sounderRounding();
    void soundersAndBeamsStayOutOfTheAlarmSet();
    void beamIsCaseSensitive();
    void overboostThresholds_data();
    void overboostThresholds();
    void maxCurrentLimits();
    void distributionFactorInterpolates();
    void crossSectionFromCableText_data();
    void crossSectionFromCableText();
    void translatedCableTextFallsBackToItsEntry();
    void unreadableCableText();
    void degradedModeCheck_data();
    void degradedModeCheck();
    void unknownDeviceCountsAsNothing();
};

// Worked by hand: Rdev = 2*0.0172*500/1.5 = 11.4666667, plus 10 detectors * 0.1 ohm.
void TestLoopCalculation::workedExampleClassA()
{
    const Circuit c = bareCircuit(crossSection(QStringLiteral("1,5 mm2 (16 AWG)")), 500, 0, 0, 10);
    QCOMPARE(f7(loopResistance(Topology::ClassA, c)), QStringLiteral("12.4666667"));
    const double drop = displayed(voltageDrop(Topology::ClassA, c, 0.5));
    QCOMPARE(f7(drop), QStringLiteral("6.2333333"));
    const double maxDrop = displayed(maxVoltageDrop(Topology::ClassA, false, 0.5, drop));
    QCOMPARE(f7(maxDrop), QStringLiteral("6.9000000"));
    QCOMPARE(f7(maxCurrent(Topology::ClassA, c, maxDrop, 1.5)), QStringLiteral("0.5534759"));
}

// r(50) = 1.1466667; Rdev = 17.2 * (420/500) / 1.5 = 9.632; plus 1 ohm of detectors.
void TestLoopCalculation::workedExampleDegradedMode()
{
    const Circuit c = bareCircuit(1.5, 500, 30, 50, 10);
    QCOMPARE(f7(loopResistance(Topology::DegradedMode, c)), QStringLiteral("11.7786667"));
    QCOMPARE(f7(voltageDrop(Topology::DegradedMode, c, 0.5)), QStringLiteral("5.8893333"));
    // Only the longer lead counts: swapping the leads changes nothing.
    const Circuit swapped = bareCircuit(1.5, 500, 50, 30, 10);
    QCOMPARE(loopResistance(Topology::DegradedMode, swapped), loopResistance(Topology::DegradedMode, c));
}

// Ten flagged detectors of 0.0474 A in alarm plus the base current make 0.5 A.
void TestLoopCalculation::workedExampleThroughTheWholeChain()
{
    CatalogueData data = unitFactors();
    data.devices = {detector(QStringLiteral("OPT-1"), 0.0001, 0.0474, true)};
    LoopLimits limits;
    limits.maxCurrent = 1.2;
    limits.maxAddresses = 250;
    const LoopResults r = compute(data, {{QStringLiteral("OPT-1"), 10}}, 1.0, LoopConfig(), limits);
    QCOMPARE(r.addresses, 10);
    QCOMPARE(f7(r.alarmCurrent), QStringLiteral("0.5000000"));
    QCOMPARE(f7(r.idleCurrent), QStringLiteral("0.0270000"));
    QCOMPARE(f7(r.voltageDrop), QStringLiteral("6.2333333"));
    QCOMPARE(f7(r.maxVoltageDrop), QStringLiteral("6.9000000"));
    QCOMPARE(f7(r.maxCurrent), QStringLiteral("0.5534759"));

    LoopConfig degraded;
    degraded.topology = Topology::DegradedMode;
    degraded.startDistance = 30;
    degraded.endDistance = 50;
    QCOMPARE(f7(compute(data, {{QStringLiteral("OPT-1"), 10}}, 1.0, degraded, limits).voltageDrop),
             QStringLiteral("5.8893333"));
}

void TestLoopCalculation::emptyLoop()
{
    const LoopResults r = compute(unitFactors(), {});
    QCOMPARE(r.addresses, 0);
    QCOMPARE(Display::amperes(r.idleCurrent), QStringLiteral("0.0000000 A"));
    QCOMPARE(Display::amperes(r.alarmCurrent), QStringLiteral("0.0000000 A"));
    QCOMPARE(Display::volts(r.voltageDrop), QStringLiteral("0.0000000 V"));
    // No panel limits yet: the maximum current is the panel's 0.
    QCOMPARE(Display::amperes(r.maxCurrent), QStringLiteral("0.0000000 A"));
}

void TestLoopCalculation::singleDevice()
{
    CatalogueData data = unitFactors();
    data.devices = {detector(QStringLiteral("D"), 0.0003, 0.005)};
    const LoopResults r = compute(data, {{QStringLiteral("D"), 1}});
    QCOMPARE(r.addresses, 1);
    QCOMPARE(f7(r.idleCurrent), QStringLiteral("0.0263000"));
    QCOMPARE(f7(r.alarmCurrent), QStringLiteral("0.0310000"));
}

// 20 units: 20 * 0.0003 + 16 * (0.005 - 0.0003) + 0.026 = 0.1072.
void TestLoopCalculation::alarmSetTakesSixteenUnits()
{
    CatalogueData data = unitFactors();
    data.devices = {detector(QStringLiteral("D"), 0.0003, 0.005)};
    const LoopResults r = compute(data, {{QStringLiteral("D"), 20}});
    QCOMPARE(r.addresses, 20);
    QCOMPARE(f7(r.alarmCurrent), QStringLiteral("0.1072000"));
    QCOMPARE(f7(r.idleCurrent), QStringLiteral("0.0320000"));
}

// Traced by hand: 16 equal entries lie in push order (nothing rises on a
// tie). Pop 1 takes tag 1, the hole runs down the right children 2 -> 6 ->
// 14 and tag 16 fills it. Pop 2 then takes tag 3 (the right child that rose
// to the top), not tag 2 as a left-child rule would.
void TestLoopCalculation::alarmSetPopFollowsTheTieRules()
{
    AlarmSet set;
    for (int tag = 1; tag <= 16; ++tag)
        QVERIFY(set.offer({0.01, double(tag)}));
    QCOMPARE(set.size(), 16);
    QVERIFY(!set.offer({0.01, 99.0}));
    QCOMPARE(set.pop().idleCurrent, 1.0);
    set.push({0.02, 100.0});
    QCOMPARE(set.pop().idleCurrent, 3.0);
    set.push({0.02, 101.0});
    // The rest comes out smallest alarm first; the two 0.02 entries last.
    QVector<double> tags;
    while (!set.isEmpty())
        tags.append(set.pop().idleCurrent);
    QCOMPARE(tags.size(), 16);
    std::sort(tags.begin() + 14, tags.end());
    QCOMPARE(tags.mid(14), (QVector<double>{100.0, 101.0}));
    std::sort(tags.begin(), tags.begin() + 14);
    QCOMPARE(tags.mid(0, 14), (QVector<double>{2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
}

// Same trace through stage A: units D01..D16 (alarm 0.01, idle i * 0.0001)
// fill the set, then two units of E (alarm 0.02) push out D01 and D03, which
// stay at their idle current. Alarm = 14 * 0.01 + (0.0001 + 0.0003)
// + 2 * 0.02 + 0.026 = 0.2064 (a left-child rule would drop D02: 0.2063).
void TestLoopCalculation::alarmSetTiesDecideTheAlarmCurrent()
{
    CatalogueData data = unitFactors();
    QMap<QString, int> devices;
    for (int i = 1; i <= 16; ++i) {
        const QString name = QStringLiteral("D%1").arg(i, 2, 10, QLatin1Char('0'));
        data.devices.append(detector(name, i * 0.0001, 0.01));
        devices.insert(name, 1);
    }
    data.devices.append(detector(QStringLiteral("E"), 0.0005, 0.02));
    devices.insert(QStringLiteral("E"), 2);
    QCOMPARE(f7(compute(data, devices).alarmCurrent), QStringLiteral("0.2064000"));
}

// 16 units of D (alarm 0.01, idle 0.001) fill the set; Z has the same alarm
// current but a higher idle current and must not get in:
// 16 * 0.01 + 0.005 + 0.026 = 0.191 (0.187 if Z replaced a D).
void TestLoopCalculation::equalAlarmCurrentNeverReplacesTheTop()
{
    CatalogueData data = unitFactors();
    data.devices = {detector(QStringLiteral("D"), 0.001, 0.01), detector(QStringLiteral("Z"), 0.005, 0.01)};
    const LoopResults r = compute(data, {{QStringLiteral("D"), 16}, {QStringLiteral("Z"), 1}});
    QCOMPARE(f7(r.alarmCurrent), QStringLiteral("0.1910000"));
}

void TestLoopCalculation::sounderRounding_data()
{
    QTest::addColumn<int>("quantity");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("active");
    QTest::addColumn<QString>("alarm");
    // alarm = active * 0.01 + (q - active) * 0.0002 + 0.026
    QTest::newRow("none at 0") << 3 << 0.0 << 0 << QStringLiteral("0.0266000");
    QTest::newRow("half of 3 rounds up") << 3 << 0.5 << 2 << QStringLiteral("0.0462000");
    QTest::newRow("all at 1") << 3 << 1.0 << 3 << QStringLiteral("0.0560000");
    QTest::newRow("quarter of 4") << 4 << 0.25 << 1 << QStringLiteral("0.0366000");
}

void TestLoopCalculation::sounderRounding()
{
    QFETCH(int, quantity);
    QFETCH(double, fraction);
    QFETCH(int, active);
    QFETCH(QString, alarm);
    QCOMPARE(activeSounders(quantity, fraction), active);
    CatalogueData data = unitFactors();
    data.devices = {sounder(QStringLiteral("S"), 0.0002, 0.01)};
    QCOMPARE(f7(compute(data, {{QStringLiteral("S"), quantity}}, fraction).alarmCurrent), alarm);
}

// 20 sounders and 20 beams, then 16 detectors: the detectors still fill the
// whole set. 20 * 0.01 + 20 * 0.002 + 16 * 0.001 + 0.026 = 0.282.
void TestLoopCalculation::soundersAndBeamsStayOutOfTheAlarmSet()
{
    CatalogueData data = unitFactors();
    data.devices = {sounder(QStringLiteral("A-SND"), 0.0001, 0.01),
                    beam(QStringLiteral("B-BEAM"), 0.001, 0.002),
                    detector(QStringLiteral("C-DET"), 0.0002, 0.001)};
    const LoopResults r = compute(
        data, {{QStringLiteral("A-SND"), 20}, {QStringLiteral("B-BEAM"), 20}, {QStringLiteral("C-DET"), 16}});
    QCOMPARE(f7(r.alarmCurrent), QStringLiteral("0.2820000"));
    // Every beam counts in alarm, even beyond 16.
    QCOMPARE(f7(compute(data, {{QStringLiteral("B-BEAM"), 40}}).alarmCurrent), QStringLiteral("0.1060000"));
}

// "beam" is not "BEAM": such units compete for the 16 places like any other.
void TestLoopCalculation::beamIsCaseSensitive()
{
    CatalogueData data = unitFactors();
    data.devices = {
        device(QStringLiteral("b"), {QStringLiteral("DET"), QStringLiteral("beam"), 0.001, 0.002})};
    // 20 * 0.001 + 16 * 0.001 + 0.026
    QCOMPARE(f7(compute(data, {{QStringLiteral("b"), 20}}).alarmCurrent), QStringLiteral("0.0620000"));
}

void TestLoopCalculation::overboostThresholds_data()
{
    QTest::addColumn<bool>("classA");
    QTest::addColumn<bool>("overboost");
    QTest::addColumn<double>("alarm");
    QTest::addColumn<double>("drop");
    QTest::addColumn<double>("expected");
    QTest::newRow("A, drop exactly 1 V") << true << true << 0.05 << 1.0 << 7.9;
    QTest::newRow("A, drop just below 1 V") << true << true << 0.05 << 0.9999999 << 6.9;
    QTest::newRow("A, no overboost") << true << false << 0.5 << 6.0 << 6.9;
    QTest::newRow("A ignores the current") << true << true << 0.5 << 0.5 << 6.9;
    QTest::newRow("degraded, exactly 0.1 A") << false << true << 0.1 << 3.0 << 6.9;
    QTest::newRow("degraded, above 0.1 A") << false << true << 0.1000001 << 0.1 << 7.9;
    QTest::newRow("degraded, no overboost") << false << false << 0.5 << 3.0 << 6.9;
}

void TestLoopCalculation::overboostThresholds()
{
    QFETCH(bool, classA);
    QFETCH(bool, overboost);
    QFETCH(double, alarm);
    QFETCH(double, drop);
    QFETCH(double, expected);
    QCOMPARE(maxVoltageDrop(classA ? Topology::ClassA : Topology::DegradedMode, overboost, alarm, drop),
             expected);
}

void TestLoopCalculation::maxCurrentLimits()
{
    const Circuit c = bareCircuit(1.5, 500, 0, 0, 10);
    // Without panel limits the maximum is the panel's 0.
    QCOMPARE(maxCurrent(Topology::ClassA, c, 6.9, 0), 0.0);
    // The panel limit caps the cable's figure.
    QCOMPARE(maxCurrent(Topology::ClassA, c, 6.9, 0.25), 0.25);
    // A resistance of 0 (factors of 0) leaves the panel limit.
    Circuit free = c;
    free.classAFactor = 0;
    QCOMPARE(loopResistance(Topology::ClassA, free), 0.0);
    QCOMPARE(maxCurrent(Topology::ClassA, free, 6.9, 0.7), 0.7);
}

// D at 50 % between 1.5 and 1.0 is 1.25; with T = 2 Class A R = 2 * 1.25 * Rdev.
void TestLoopCalculation::distributionFactorInterpolates()
{
    CatalogueData data;
    data.topologyFactors = {2.0, 3.0};
    data.distributionFactors = {1.5, 1.0};
    const Catalogue catalogue(data);
    LoopConfig config;
    config.distributionFactor = 50;
    const Circuit c = circuit(config, {}, catalogue);
    QCOMPARE(c.distributionFactor, 1.25);
    QCOMPARE(c.classAFactor, 2.0);
    QCOMPARE(c.degradedModeFactor, 3.0);
    QCOMPARE(f7(loopResistance(Topology::ClassA, c)), f7(2.5 * (0.0344 * 500 / 1.5)));
    QCOMPARE(f7(loopResistance(Topology::DegradedMode, c)), f7(3.75 * (0.0344 * 500 / 1.5)));
}

void TestLoopCalculation::crossSectionFromCableText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("section");
    const QStringList texts = LoopCable::sourceTexts();
    const double sections[] = {4, 2.5, 1.5, 1, 0.75, 0.5};
    for (int i = 0; i < texts.size(); ++i)
        QTest::newRow(qPrintable(texts.at(i))) << texts.at(i) << sections[i];
    QTest::newRow("no blank") << QStringLiteral("2,5") << 2.5;
}

void TestLoopCalculation::crossSectionFromCableText()
{
    QFETCH(QString, text);
    QFETCH(double, section);
    QCOMPARE(crossSection(text), section);
}

namespace
{
// A translation whose cable entry lost the decimal comma.
class PointTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (QLatin1String(context) == QLatin1String("LoopWidget") &&
            QLatin1String(source) == QLatin1String("2,5 mm2 (14 AWG)"))
            return QStringLiteral("2.5 mm\u00B2 (14 AWG)");
        return QString();
    }
};
} // namespace

// The translated entry still names the 2,5 mm2 cable.
void TestLoopCalculation::translatedCableTextFallsBackToItsEntry()
{
    PointTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const double section = crossSection(QStringLiteral("2.5 mm\u00B2 (14 AWG)"));
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(section, 2.5);
}

// A text without a readable number gives no figures that look valid.
void TestLoopCalculation::unreadableCableText()
{
    QTest::ignoreMessage(QtWarningMsg, "Unknown cable type: thick cable");
    QCOMPARE(crossSection(QStringLiteral("thick cable")), 0.0);
    const Circuit c = bareCircuit(0, 500, 0, 0, 0);
    QVERIFY(std::isinf(loopResistance(Topology::ClassA, c)));
    QVERIFY(voltageDrop(Topology::ClassA, c, 0.1) > 1e300);
    QCOMPARE(voltageDrop(Topology::ClassA, c, 0), 0.0);
}

void TestLoopCalculation::degradedModeCheck_data()
{
    QTest::addColumn<double>("alarm");
    QTest::addColumn<bool>("overboost");
    QTest::addColumn<double>("panelMax");
    QTest::addColumn<bool>("ok");
    // Rdeg = 11.7786667 (worked example): Vdeg = I * Rdeg, Imax = Vmax / Rdeg.
    QTest::newRow("within") << 0.5 << false << 1.0 << true;
    QTest::newRow("panel limit below I") << 0.5 << false << 0.4 << false;
    QTest::newRow("drop above 6.9 V") << 0.6 << false << 1.0 << false;
    QTest::newRow("overboost lifts it to 7.9 V") << 0.6 << true << 1.0 << true;
    QTest::newRow("above 7.9 V") << 0.68 << true << 1.0 << false;
}

void TestLoopCalculation::degradedModeCheck()
{
    QFETCH(double, alarm);
    QFETCH(bool, overboost);
    QFETCH(double, panelMax);
    QFETCH(bool, ok);
    LoopLimits limits;
    limits.supportsOverboost = overboost;
    limits.maxCurrent = panelMax;
    Circuit c = bareCircuit(1.5, 500, 30, 50, 10);
    // The check uses the degraded-mode factor whatever the loop's topology.
    c.classAFactor = 100;
    QCOMPARE(isDegradedModeOk(c, alarm, limits), ok);
}

void TestLoopCalculation::unknownDeviceCountsAsNothing()
{
    QTest::ignoreMessage(QtWarningMsg, "Device not found: GHOST");
    const LoopResults r = compute(unitFactors(), {{QStringLiteral("GHOST"), 5}});
    QCOMPARE(r.addresses, 0);
    QCOMPARE(r.alarmCurrent, 0.0);
    QCOMPARE(r.idleCurrent, 0.0);
}

QTEST_GUILESS_MAIN(TestLoopCalculation)
#include "tst_loopcalculation.moc"
