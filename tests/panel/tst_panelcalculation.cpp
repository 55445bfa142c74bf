#include "catalogue/displayformat.h"
#include "panel/panelcalculation.h"
#include "panel/modelchange.h"
#include "panel/panelmessages.h"

#include <QtTest>

using namespace PanelCalculation;
using namespace PanelMessages;

namespace
{

// A panel whose figures raise no fault and no note of their own.
PanelState healthyState()
{
    PanelState s;
    s.noBatterySelected = false;
    s.minimumBatteryRequired = 10;
    s.selectedTotalBattery = 12;
    s.totalAlarmCurrent = 1.0;
    s.maxCurrent = 2.0;
    s.loopCount = 8;
    s.maxLoops = 8;
    s.idleTimeText = QStringLiteral("72 h");
    s.loopFaults = QVector<bool>(8, false);
    return s;
}

ExternalPowerChoice choice(const char *source, double room, const char *battery, double capacity)
{
    ExternalPowerChoice c;
    c.sourceSelected = c.batterySelected = true;
    c.sourceName = QString::fromLatin1(source);
    c.sourceMaxBatteryCapacity = room;
    c.batteryName = QString::fromLatin1(battery);
    c.batteryCapacity = capacity;
    return c;
}

} // namespace

class TestPanelCalculation : public QObject
{
    Q_OBJECT
private slots:
    void modelChangeLoss_data();
    void modelChangeLoss();
    void loopCurrentScaling();
    void totalsOrderAndLimits();
    void minimumBattery_data();
    void minimumBattery();
    void timeValues_data();
    void timeValues();
    void loopCards_data();
    void loopCards();
    void batteryChoices();
    void batteryBoxes();
    void outputCorrection_data();
    void outputCorrection();

    void batteryStatus_data();
    void batteryStatus();
    void powerLoad_data();
    void powerLoad();
    void externalNotes();
    void flags_data();
    void flags();
    void reportNotes();
    void externalReportNotes();
};

void TestPanelCalculation::loopCurrentScaling()
{
    // 0.036 A x 55/36 is 0.055 A, held as the double just below it.
    const CurrentPair p = scaledLoopCurrents(0.036, 0.072);
    QCOMPARE(p.idle, 0.05499999999999999);
    QCOMPARE(Display::amperes(p.idle), QStringLiteral("0.0550000 A"));
    QCOMPARE(Display::amperes(p.alarm), QStringLiteral("0.1100000 A"));
}

void TestPanelCalculation::totalsOrderAndLimits()
{
    TotalsInput in;
    in.loopCurrents = {{0.1, 0.2}, {0.01, 0.02}, {5, 5}};
    in.loopCount = 2; // the third loop is hidden and must not count
    in.cards = {{0.05, 2}, {0.02, 1}, {0.03, 0}};
    in.outputs.aux24VIdle = 0.1;
    in.outputs.aux24VAlarm = 0.2;
    in.outputs.snd1Alarm = 0.3;
    in.outputs.snd2Idle = 0.04;
    in.outputs.snd2Alarm = 0.4;
    in.modelIdleCurrent = 0.2;
    in.modelAlarmCurrent = 0.3;
    const CurrentPair t = totals(in);
    // idle: 0.1 + 0.01 + 2 x 0.05 + 0.02 + 0.1 + 0.04 + 0.2 = 0.57
    QCOMPARE(Display::amperes(t.idle), QStringLiteral("0.5700000 A"));
    // alarm: 0.2 + 0.02 + 0.1 + 0.02 + 0.2 + 0.3 + 0.4 + 0.3 = 1.54
    QCOMPARE(Display::amperes(t.alarm), QStringLiteral("1.5400000 A"));
    // Sums left to right, as written: a regrouping would differ in the last bits.
    QCOMPARE(t.idle, ((((((0.0 + 0.1) + 0.01) + 2 * 0.05) + 0.02) + 0.1) + 0.0 + 0.04) + 0.2);

    // A panel without loops still counts its cards, outputs and own consumption.
    in.loopCount = 0;
    QCOMPARE(Display::amperes(totals(in).idle), QStringLiteral("0.4600000 A"));
    // A loop count beyond the stored entries is no reason to read past them.
    in.loopCount = 10;
    QCOMPARE(Display::amperes(totals(in).idle), QStringLiteral("5.5700000 A"));
}

void TestPanelCalculation::minimumBattery_data()
{
    QTest::addColumn<double>("idle");
    QTest::addColumn<double>("alarm");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("degradation");
    QTest::addColumn<QString>("shown");
    // 1/0.8 x (0.5 x 2.0 + 72 x 0.5) = 1.25 x 37 = 46.25
    QTest::newRow("72 h, 30 min, 20 %") << 0.5 << 2.0 << 72 << 30 << 20 << "46.25 Ah";
    // 0 min leaves the idle term alone; 99 % multiplies by 100: 100 x 4 x 0.1
    QTest::newRow("0 min, 99 %") << 0.1 << 3.0 << 4 << 0 << 99 << "40.00 Ah";
    QTest::newRow("no degradation") << 0.25 << 1.2 << 24 << 60 << 0 << "7.20 Ah";
    QTest::newRow("nothing drawn") << 0.0 << 0.0 << 72 << 30 << 20 << "0.00 Ah";
}

void TestPanelCalculation::minimumBattery()
{
    QFETCH(double, idle);
    QFETCH(double, alarm);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, degradation);
    QFETCH(QString, shown);
    QCOMPARE(Display::ampereHours(minimumBatteryRequired(idle, alarm, hours, minutes, degradation)), shown);
}

void TestPanelCalculation::timeValues_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("hours") << "72 h" << 72;
    QTest::newRow("single digit") << "4 h" << 4;
    QTest::newRow("minutes") << "30 min" << 30;
    QTest::newRow("zero") << "0 min" << 0;
    QTest::newRow("no blank") << "15" << 15;
    QTest::newRow("not a number") << "x h" << 0;
}

void TestPanelCalculation::timeValues()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(timeValue(text), value);
}

void TestPanelCalculation::loopCards_data()
{
    QTest::addColumn<int>("baseLoops");
    QTest::addColumn<int>("maxLoops");
    QTest::addColumn<int>("cards");
    QTest::newRow("2 of 8") << 2 << 8 << 3;
    QTest::newRow("2 of 7 rounds down") << 2 << 7 << 2;
    QTest::newRow("no room") << 4 << 4 << 0;
    QTest::newRow("inconsistent record") << 8 << 2 << 0;
}

void TestPanelCalculation::loopCards()
{
    QFETCH(int, baseLoops);
    QFETCH(int, maxLoops);
    QFETCH(int, cards);
    QCOMPARE(maxLoopCards(baseLoops, maxLoops), cards);
    QVERIFY(loopCount(baseLoops, cards) <= std::max(baseLoops, maxLoops));
    QVERIFY(isLoopCard(QStringLiteral("VRAL-2")));
    QVERIFY(!isLoopCard(QStringLiteral("vral-2")));
    QVERIFY(isPowerCard(QStringLiteral("ORN-PSLINK")));
    QVERIFY(!isPowerCard(QStringLiteral("ORN-PSLINK2")));
}

void TestPanelCalculation::batteryChoices()
{
    const QVector<Battery> batteries = {{"B17", 17, {}}, {"B7", 7, {}}, {"B12", 12, {}}, {"B12b", 12, {}}};
    auto names = [](const QVector<Battery> &list) {
        QStringList n;
        for (const Battery &b : list)
            n << b.name;
        return n;
    };
    QCOMPARE(names(sortedByCapacity(batteries)), QStringList({"B7", "B12", "B12b", "B17"}));
    QCOMPARE(names(internalBatteryChoices(batteries, 12)), QStringList({"B7", "B12", "B12b"}));
    QCOMPARE(names(internalBatteryChoices(batteries, 6.9)), QStringList());
    QCOMPARE(names(internalBatteryChoices(batteries, 100)).size(), 4);
}

void TestPanelCalculation::batteryBoxes()
{
    const QVector<ExternalBatteryBox> boxes = {{"E40", 40, {}}, {"E12", 12, {}}, {"E17", 17, {}}};
    QVERIFY(batteryFits(12, 12));
    QVERIFY(!batteryFits(12.01, 12));
    QStringList names;
    for (const ExternalBatteryBox &b : recommendedBatteryBoxes(17, boxes))
        names << b.name;
    QCOMPARE(names, QStringList({"E40", "E17"})); // catalogue order, boundary included
    QVERIFY(recommendedBatteryBoxes(41, boxes).isEmpty());
}

void TestPanelCalculation::outputCorrection_data()
{
    QTest::addColumn<double>("idle");
    QTest::addColumn<double>("alarm");
    QTest::addColumn<bool>("editedIdle");
    QTest::addColumn<double>("newIdle");
    QTest::addColumn<double>("newAlarm");
    QTest::addColumn<bool>("clamped");
    QTest::addColumn<int>("adjusted");
    using A = OutputCorrection::Adjusted;
    QTest::newRow("idle 0.6 clamps and lifts alarm")
        << 0.6 << 0.2 << true << 0.5 << 0.5 << true << int(A::AlarmRaised);
    QTest::newRow("alarm under idle lowers idle")
        << 0.3 << 0.1 << false << 0.1 << 0.1 << false << int(A::IdleLowered);
    QTest::newRow("alarm clamped only") << 0.2 << 0.7 << false << 0.2 << 0.5 << true << int(A::None);
    QTest::newRow("alarm clamped below idle")
        << 0.6 << 0.7 << false << 0.5 << 0.5 << true << int(A::IdleLowered);
    QTest::newRow("limit itself is allowed") << 0.5 << 0.5 << true << 0.5 << 0.5 << false << int(A::None);
    QTest::newRow("idle raised above alarm")
        << 0.3 << 0.2 << true << 0.3 << 0.3 << false << int(A::AlarmRaised);
}

void TestPanelCalculation::outputCorrection()
{
    QFETCH(double, idle);
    QFETCH(double, alarm);
    QFETCH(bool, editedIdle);
    const OutputCorrection c = correctOutput(idle, alarm, editedIdle);
    QTEST(c.idle, "newIdle");
    QTEST(c.alarm, "newAlarm");
    QTEST(c.clamped, "clamped");
    QTEST(int(c.adjusted), "adjusted");
}

void TestPanelCalculation::batteryStatus_data()
{
    QTest::addColumn<bool>("noBattery");
    QTest::addColumn<double>("selected");
    QTest::addColumn<double>("required");
    QTest::addColumn<QString>("idleTime");
    QTest::addColumn<bool>("fault");
    QTest::addColumn<QString>("text");
    const QString ok = QStringLiteral("Battery autonomy OK.");
    const QString en54 =
        QStringLiteral("\n\nPlease note the current selected idle time does not follow EN 54.");
    const QString insufficient =
        QStringLiteral("Total battery of the setup does not reach the wanted autonomy.\n"
                       "Recommendation: Install a suitably sized internal or external "
                       "battery (larger capacity), consider replacing with a newer battery "
                       "to reduce degradation, add an external power source, reduce the "
                       "target autonomy times, or reduce overall system current "
                       "consumption.");
    QTest::newRow("equal is sufficient") << false << 46.25 << 46.25 << "72 h" << false << ok;
    QTest::newRow("one hundredth short") << false << 46.24 << 46.25 << "72 h" << true << insufficient;
    QTest::newRow("no battery") << true << 0.0 << 0.0 << "30 h" << true
                                << "System needs at least one battery (either internal or external).";
    QTest::newRow("48 h adds EN 54") << false << 50.0 << 46.25 << "48 h" << false << ok + en54;
    QTest::newRow("24 h after fault") << false << 1.0 << 2.0 << "24 h" << true << insufficient + en54;
    QTest::newRow("4 h follows EN 54") << false << 50.0 << 1.0 << "4 h" << false << ok;
}

void TestPanelCalculation::batteryStatus()
{
    PanelState s = healthyState();
    QFETCH(bool, noBattery);
    s.noBatterySelected = noBattery;
    QFETCH(double, selected);
    s.selectedTotalBattery = selected;
    QFETCH(double, required);
    s.minimumBatteryRequired = required;
    QFETCH(QString, idleTime);
    s.idleTimeText = idleTime;
    const BatteryStatus status = PanelMessages::batteryStatus(s);
    QTEST(status.fault, "fault");
    QTEST(status.text, "text");
}

void TestPanelCalculation::powerLoad_data()
{
    QTest::addColumn<int>("loops");
    QTest::addColumn<int>("maxLoops");
    QTest::addColumn<double>("alarm");
    QTest::addColumn<bool>("overload");
    QTest::addColumn<QString>("text");
    const QString ok = QStringLiteral("System's power load OK.");
    QTest::newRow("3 of 8")
        << 3 << 8 << 1.0 << false
        << ok + "\n\nINFO: 5 more loop(s) available. You can install 2 more VRAL card(s) to "
                "expand the system.";
    QTest::newRow("8 of 8") << 8 << 8 << 1.0 << false << ok;
    QTest::newRow("at the limit") << 8 << 8 << 2.0 << false << ok;
    QTest::newRow("above the limit")
        << 8 << 8 << 2.0000001 << true
        << "System current is higher than the one supported by the panel.\nRecommendation: Reduce overall "
           "current "
           "consumption by removing or replacing devices in loops, removing or replacing auxiliary cards, or "
           "lowering panel output currents. Alternatively consider using a panel with a higher current "
           "rating.";
    QTest::newRow("no loops") << 0 << 2 << 5.0 << false
                              << "No loops available. Install VRAL cards to add loops to the panel.";
}

void TestPanelCalculation::powerLoad()
{
    PanelState s = healthyState();
    QFETCH(int, loops);
    QFETCH(int, maxLoops);
    QFETCH(double, alarm);
    s.loopCount = loops;
    s.maxLoops = maxLoops;
    s.totalAlarmCurrent = alarm;
    const PowerLoadStatus status = powerLoadStatus(s);
    QTEST(status.overload, "overload");
    QTEST(status.text, "text");
    QCOMPARE(status.noLoops, loops == 0);
}

void TestPanelCalculation::externalNotes()
{
    PanelState s = healthyState();
    QCOMPARE(externalPowerNotes(s),
             QStringLiteral("To use external power sources, install the ORN-PSLINK auxiliary card."));
    s.externalPowerSourcesEnabled = true;
    QCOMPARE(externalPowerNotes(s), QStringLiteral("No external power sources information to note."));
    s.external[0] = choice("PSU-7", 7, "BAT-12", 12);   // boxes exist for 12 Ah
    s.external[1] = choice("PSU-12", 12, "BAT-65", 65); // nothing holds 65 Ah
    s.batteryBoxes = {{"EBB-40", 40, {}}, {"EBB-12", 12, {}}};
    QCOMPARE(externalPowerNotes(s),
             QStringLiteral(
                 "The selected external power source 1 (PSU-7) does not fit the selected additional "
                 "battery 1 (BAT-12).\nRecommended external battery boxes to fit the battery:\n - EBB-40, "
                 "EBB-12\n\nThe selected external power source 2 (PSU-12) does not fit the selected "
                 "additional battery 2 (BAT-65).\nAdditional battery will have to be kept outside the "
                 "external power source box."));
    // A fitting pair, or a source without a battery, says nothing.
    s.external[0] = choice("PSU-12", 12, "BAT-12", 12);
    s.external[1].batterySelected = false;
    QCOMPARE(externalPowerNotes(s), QStringLiteral("No external power sources information to note."));
}

void TestPanelCalculation::flags_data()
{
    QTest::addColumn<bool>("noBattery");
    QTest::addColumn<double>("selected");
    QTest::addColumn<int>("loops");
    QTest::addColumn<double>("alarm");
    QTest::addColumn<int>("faultyLoop");
    QTest::addColumn<bool>("battery");
    QTest::addColumn<bool>("power");
    QTest::addColumn<bool>("loop");
    QTest::newRow("healthy") << false << 12.0 << 8 << 1.0 << -1 << false << false << false;
    QTest::newRow("no battery") << true << 12.0 << 8 << 1.0 << -1 << true << false << false;
    QTest::newRow("short battery") << false << 9.99 << 8 << 1.0 << -1 << true << false << false;
    QTest::newRow("no loops is a power fault") << false << 12.0 << 0 << 0.1 << -1 << false << true << false;
    QTest::newRow("overload") << false << 12.0 << 8 << 2.5 << -1 << false << true << false;
    QTest::newRow("faulty loop") << false << 12.0 << 8 << 1.0 << 7 << false << false << true;
    QTest::newRow("hidden faulty loop") << false << 12.0 << 4 << 1.0 << 5 << false << false << false;
}

void TestPanelCalculation::flags()
{
    PanelState s = healthyState();
    QFETCH(bool, noBattery);
    QFETCH(double, selected);
    QFETCH(int, loops);
    QFETCH(double, alarm);
    QFETCH(int, faultyLoop);
    s.noBatterySelected = noBattery;
    s.selectedTotalBattery = selected;
    s.loopCount = loops;
    s.totalAlarmCurrent = alarm;
    if (faultyLoop >= 0)
        s.loopFaults[faultyLoop] = true;
    const FaultFlags f = faultFlags(s);
    QTEST(f.hasBatteryFault, "battery");
    QTEST(f.hasPowerLoadFault, "power");
    QTEST(f.hasLoopFault, "loop");
}

void TestPanelCalculation::reportNotes()
{
    PanelState s = healthyState();
    QCOMPARE(powerReportNotes(s), QString());

    s.noBatterySelected = true;
    s.totalAlarmCurrent = 2.1234567;
    s.maxCurrent = 2;
    QCOMPARE(powerReportNotes(s),
             QStringLiteral(
                 "CRITICAL: No battery configuration detected. The system requires at least one battery "
                 "(internal or external) to provide standby power during mains failure.\n\n"
                 "CRITICAL: Power consumption exceeds panel capacity. System alarm current: 2.12346 A, "
                 "Panel maximum capacity: 2 A. This configuration may cause system malfunction or "
                 "damage."));

    s = healthyState();
    s.selectedTotalBattery = 12;
    s.minimumBatteryRequired = 46.25;
    QCOMPARE(
        powerReportNotes(s),
        QStringLiteral("WARNING: Insufficient battery capacity. Current capacity: 12 Ah, Required capacity: "
                       "46.25 Ah. The system will not meet the specified autonomy requirements."));
}

void TestPanelCalculation::externalReportNotes()
{
    PanelState s = healthyState();
    const QString notInstalled =
        QStringLiteral("INSTALLATION NOTE: External power sources are not available with the current "
                       "configuration. To enable "
                       "external power sources, install the ORN-PSLINK auxiliary card.");
    QCOMPARE(externalPowerReportNotes(s), notInstalled);

    s.idleTimeText = QStringLiteral("48 h");
    QCOMPARE(
        externalPowerReportNotes(s),
        QStringLiteral("COMPLIANCE NOTE: The selected idle time (48 h) does not comply with EN 54 standard "
                       "requirements. Standard compliant options are: 72 h, 30 h, 4 h.\n\n") +
            notInstalled);

    s.idleTimeText = QStringLiteral("30 h");
    s.externalPowerSourcesEnabled = true;
    QCOMPARE(externalPowerReportNotes(s), QString());
    s.external[0] = choice("PSU-7", 7.5, "BAT-12", 12);
    s.external[1] = choice("PSU-12", 12, "BAT-65", 65);
    s.batteryBoxes = {{"EBB-40", 40, {}}, {"EBB-12", 12, {}}};
    QCOMPARE(externalPowerReportNotes(s),
             QStringLiteral(
                 "COMPATIBILITY WARNING: External Power Source 1 (PSU-7, 7.5 Ah capacity) cannot "
                 "accommodate Additional Battery 1 (BAT-12, 12 Ah capacity).\nRECOMMENDATION: Consider "
                 "using one of the following compatible external battery boxes: EBB-40 (40 Ah), EBB-12 "
                 "(12 Ah).\n\nCOMPATIBILITY WARNING: External Power Source 2 (PSU-12, 12 Ah capacity) "
                 "cannot accommodate Additional Battery 2 (BAT-65, 65 Ah capacity).\nINSTALLATION NOTE: "
                 "The additional battery will need to be installed outside the external power source "
                 "enclosure."));
}

void TestPanelCalculation::modelChangeLoss_data()
{
    QTest::addColumn<QStringList>("cards");
    QTest::addColumn<QStringList>("power");
    QTest::addColumn<int>("loopCount");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("newBase");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("nothing to lose") << QStringList() << QStringList{"", "", "", ""} << 2 << QStringList() << 2
                                     << QStringList();
    QTest::newRow("two loop cards counted once, loops beyond the new base")
        << QStringList{"VRAL-2", "VRAL-2", "ORN-PSLINK"} << QStringList{"PS-5", "BAT-12", "", ""} << 6
        << QStringList() << 2
        << QStringList{"Loops 3 to 6 and their devices", "Auxiliary cards: VRAL-2 (2), ORN-PSLINK",
                       "External power: PS-5, BAT-12"};
    QTest::newRow("one loop goes, boxes go") << QStringList() << QStringList{"", "", "", ""} << 2
                                             << QStringList{"KXE-2", "KXE-2 (2)"} << 1
                                             << QStringList{"Loop 2 and its devices",
                                                            "Expansion boxes: KXE-2, KXE-2 (2), with their loops"};
    QTest::newRow("a larger base keeps every loop") << QStringList() << QStringList{"", "", "", ""} << 2
                                                    << QStringList() << 4 << QStringList();
}

void TestPanelCalculation::modelChangeLoss()
{
    QFETCH(QStringList, cards);
    QFETCH(QStringList, power);
    QFETCH(int, loopCount);
    QFETCH(QStringList, boxes);
    QFETCH(int, newBase);
    QFETCH(QStringList, lines);
    PanelConfig config;
    config.cards = cards;
    config.source1 = power.at(0);
    config.battery1 = power.at(1);
    config.source2 = power.at(2);
    config.battery2 = power.at(3);
    Panel model;
    model.baseLoops = newBase;
    model.maxLoops = 8;
    const ModelChangeLoss loss = ::modelChangeLoss(config, loopCount, boxes, model);
    QCOMPARE(loss.lines(), lines);
    QCOMPARE(loss.isEmpty(), lines.isEmpty());
}

QTEST_APPLESS_MAIN(TestPanelCalculation)
#include "tst_panelcalculation.moc"
