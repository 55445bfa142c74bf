#include "panel/batterymethod.h"
#include "panel/panelmessages.h"

#include <QtTest>

using namespace BatterySizing;

Q_DECLARE_METATYPE(BatteryMethod)
Q_DECLARE_METATYPE(BatterySizing::BatteryRoom)

namespace
{

Input input(double idle, double alarm, const char *idleTime, const char *alarmTime, int degradation = 20)
{
    Input in;
    in.totalIdleCurrent = idle;
    in.totalAlarmCurrent = alarm;
    in.idleTime = QString::fromLatin1(idleTime);
    in.alarmTime = QString::fromLatin1(alarmTime);
    in.degradationPercent = degradation;
    return in;
}

Battery battery(const char *name, double capacity)
{
    return Battery{QString::fromLatin1(name), capacity, QString()};
}

// 7.2, 12, 17, 26 and 38 Ah, listed out of order as a catalogue may hold them.
QVector<Battery> batteries()
{
    return {battery("B26", 26), battery("B7", 7.2), battery("B17", 17), battery("B12", 12), battery("B38", 38)};
}

BatteryRoom room(double internal, double source1 = -1, double source2 = -1)
{
    BatteryRoom r;
    r.batteries = batteries();
    r.internalMaxCapacity = internal;
    r.source1 = source1 >= 0;
    r.source1MaxCapacity = qMax(0.0, source1);
    r.source2 = source2 >= 0;
    r.source2MaxCapacity = qMax(0.0, source2);
    return r;
}

} // namespace

class TestBatteryMethod : public QObject
{
    Q_OBJECT
private slots:
    void requiredCapacity_data();
    void requiredCapacity();
    void formulaText_data();
    void formulaText();
    void notes_data();
    void notes();
    void nearestBattery_data();
    void nearestBattery();
    void statusByStandard();
    void reportNotesByStandard();
};

// Hand-worked figures; the currents are those the panel page shows.
void TestBatteryMethod::requiredCapacity_data()
{
    QTest::addColumn<BatteryMethod>("method");
    QTest::addColumn<double>("idle");
    QTest::addColumn<double>("alarm");
    QTest::addColumn<QString>("idleTime");
    QTest::addColumn<QString>("alarmTime");
    QTest::addColumn<int>("degradation");
    QTest::addColumn<double>("required");
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("derated");

    // 1 / 0.8 × (0.5 × 2 + 72 × 0.5) = 46.25
    QTest::newRow("maker") << BatteryMethod::Maker << 0.5 << 2.0 << "72 h" << "30 min" << 20 << 46.25 << 1.25
                           << false;
    QTest::newRow("maker, degradation 99") << BatteryMethod::Maker << 0.1 << 0.0 << "4 h" << "0 min" << 99
                                           << 40.0 << 100.0 << false;
    // The same formula, named.
    QTest::newRow("EN 54-14") << BatteryMethod::En54Part14 << 0.5 << 2.0 << "72 h" << "30 min" << 20 << 46.25
                              << 1.25 << false;
    // C(D=1) = 1.25 × (30 × 0.5 + 1 × 1) = 20; C/20 = 1 = I2: not above, D = 1.
    QTest::newRow("BS 5839-1, I2 exactly C/20")
        << BatteryMethod::Bs5839 << 0.5 << 1.0 << "30 h" << "60 min" << 20 << 20.0 << 1.0 << false;
    // I2 just above: 1.25 × (15 + 1.75 × 1.0000001) = 20.9375002 -> 20.94.
    QTest::newRow("BS 5839-1, I2 just above C/20")
        << BatteryMethod::Bs5839 << 0.5 << 1.0000001 << "30 h" << "60 min" << 20 << 20.94 << 1.75 << true;
    // C(D=1) = 1.25 × (6 + 0.375) = 7.97; 0.75 > 0.398: 1.25 × (6 + 1.75 × 0.375) = 8.3203 -> 8.32.
    QTest::newRow("BS 5839-1, high alarm load")
        << BatteryMethod::Bs5839 << 0.25 << 0.75 << "24 h" << "30 min" << 0 << 8.32 << 1.75 << true;
    // Degradation has no say: 1.25 × (72 × 0.5 + 0.5 × 0.1) = 45.0625 -> 45.06.
    QTest::newRow("BS 5839-1, low alarm load, degradation ignored")
        << BatteryMethod::Bs5839 << 0.5 << 0.1 << "72 h" << "30 min" << 50 << 45.06 << 1.0 << false;
    // (0.42 × 24 + 3.8 × 5/60) × 1.2 = 12.476 -> 12.48.
    QTest::newRow("NFPA 72 2019") << BatteryMethod::Nfpa72Edition2019 << 0.42 << 3.8 << "24 h" << "5 min" << 20
                                  << 12.48 << 1.2 << false;
    // × 1.25 = 12.9958 -> 13.00.
    QTest::newRow("NFPA 72 2022") << BatteryMethod::Nfpa72Edition2022 << 0.42 << 3.8 << "24 h" << "5 min" << 20
                                  << 13.0 << 1.25 << false;
    // Voice evacuation: (0.5 × 24 + 2 × 0.25) × 1.25 = 15.625 -> 15.63.
    QTest::newRow("NFPA 72 2022, 15 min") << BatteryMethod::Nfpa72Edition2022 << 0.5 << 2.0 << "24 h"
                                          << "15 min" << 0 << 15.63 << 1.25 << false;
}

void TestBatteryMethod::requiredCapacity()
{
    QFETCH(BatteryMethod, method);
    QFETCH(double, idle);
    QFETCH(double, alarm);
    QFETCH(QString, idleTime);
    QFETCH(QString, alarmTime);
    QFETCH(int, degradation);
    QFETCH(double, required);
    QFETCH(double, factor);
    QFETCH(bool, derated);
    Input in = input(idle, alarm, "", "", degradation);
    in.idleTime = idleTime;
    in.alarmTime = alarmTime;
    const Result r = size(method, in);
    QCOMPARE(r.method, method);
    QCOMPARE(r.requiredCapacity, required);
    QCOMPARE(r.factor, factor);
    QCOMPARE(r.derated, derated);
}

void TestBatteryMethod::formulaText_data()
{
    QTest::addColumn<BatteryMethod>("method");
    QTest::addColumn<QString>("substituted");
    QTest::newRow("maker") << BatteryMethod::Maker
                           << "C = 1 / (1 − 20 / 100) × (30 / 60 h × 2.0000000 A + 72 h × 0.5000000 A) = 46.25 Ah";
    QTest::newRow("BS 5839-1")
        << BatteryMethod::Bs5839
        << "C = 1.25 × (72 h × 0.5000000 A + 1 × 30 / 60 h × 2.0000000 A) = 46.25 Ah";
    QTest::newRow("NFPA 72 2019") << BatteryMethod::Nfpa72Edition2019
                                  << "C = (0.5000000 A × 72 h + 2.0000000 A × 30 / 60 h) × 1.20 = 44.40 Ah";
    QTest::newRow("NFPA 72 2022") << BatteryMethod::Nfpa72Edition2022
                                  << "C = (0.5000000 A × 72 h + 2.0000000 A × 30 / 60 h) × 1.25 = 46.25 Ah";
}

void TestBatteryMethod::formulaText()
{
    QFETCH(BatteryMethod, method);
    QFETCH(QString, substituted);
    QCOMPARE(size(method, input(0.5, 2.0, "72 h", "30 min")).substituted, substituted);
}

void TestBatteryMethod::notes_data()
{
    QTest::addColumn<BatteryMethod>("method");
    QTest::addColumn<QString>("idleTime");
    QTest::addColumn<QString>("alarmTime");
    QTest::addColumn<QStringList>("timeNoteStarts");
    QTest::addColumn<bool>("degradationNote");

    const QString nfpaStandby = "NFPA 72 requires 24 h of standby; the selected idle time is";
    const QString nfpaAlarm = "NFPA 72 requires 5 min of alarm";
    const QString enStandby = "EN 54-14 practice expects 72 h of standby";
    const QString enAlarm = "EN 54-14 practice expects 30 min of alarm";
    QTest::newRow("maker: no notes") << BatteryMethod::Maker << "48 h" << "60 min" << QStringList() << false;
    QTest::newRow("BS: degradation only") << BatteryMethod::Bs5839 << "48 h" << "60 min" << QStringList() << true;
    QTest::newRow("NFPA 2019 at its times") << BatteryMethod::Nfpa72Edition2019 << "24 h" << "5 min"
                                            << QStringList() << true;
    QTest::newRow("NFPA 2022 voice alarm") << BatteryMethod::Nfpa72Edition2022 << "24 h" << "15 min"
                                           << QStringList() << true;
    QTest::newRow("NFPA standby") << BatteryMethod::Nfpa72Edition2022 << "72 h" << "5 min"
                                  << QStringList{nfpaStandby} << true;
    QTest::newRow("NFPA both") << BatteryMethod::Nfpa72Edition2019 << "30 h" << "30 min"
                               << QStringList{nfpaStandby, nfpaAlarm} << true;
    QTest::newRow("EN at its times") << BatteryMethod::En54Part14 << "72 h" << "30 min" << QStringList()
                                     << false;
    QTest::newRow("EN 30 h") << BatteryMethod::En54Part14 << "30 h" << "30 min" << QStringList{enStandby}
                             << false;
    QTest::newRow("EN both") << BatteryMethod::En54Part14 << "24 h" << "5 min"
                             << QStringList{enStandby, enAlarm} << false;
}

void TestBatteryMethod::notes()
{
    QFETCH(BatteryMethod, method);
    QFETCH(QString, idleTime);
    QFETCH(QString, alarmTime);
    QFETCH(QStringList, timeNoteStarts);
    QFETCH(bool, degradationNote);
    Input in = input(0.2, 1.0, "", "");
    in.idleTime = idleTime;
    in.alarmTime = alarmTime;
    const Result r = size(method, in);
    QCOMPARE(r.timeNotes.size(), timeNoteStarts.size());
    for (int i = 0; i < timeNoteStarts.size(); ++i) {
        QVERIFY2(r.timeNotes.at(i).startsWith(timeNoteStarts.at(i)), qPrintable(r.timeNotes.at(i)));
        // Each note names the time the user chose.
        const bool standby = timeNoteStarts.at(i).contains("standby");
        QVERIFY(r.timeNotes.at(i).endsWith((standby ? idleTime : alarmTime) + "."));
    }
    QCOMPARE(!r.degradationNote.isEmpty(), degradationNote);
    QCOMPARE(r.notes().size(), timeNoteStarts.size() + int(degradationNote));
}

void TestBatteryMethod::nearestBattery_data()
{
    QTest::addColumn<double>("required");
    QTest::addColumn<BatteryRoom>("room");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("names");
    QTest::addColumn<double>("capacity");

    QTest::newRow("smallest that meets") << 10.0 << room(26) << true << "B12" << 12.0;
    QTest::newRow("equal meets") << 17.0 << room(26) << true << "B17" << 17.0;
    QTest::newRow("nothing needed: smallest") << 0.0 << room(26) << true << "B7" << 7.2;
    QTest::newRow("internal room limits, no source") << 20.0 << room(17) << false << "" << 0.0;
    // Internal room 17, source 1 holds up to 26: the least pair over 30 is 7.2 + 26.
    QTest::newRow("only a pair meets") << 30.0 << room(17, 26) << true << "B7 + B26" << 33.2;
    // A single battery wins over a pair when it fits.
    QTest::newRow("single before pair") << 20.0 << room(26, 26) << true << "B26" << 26.0;
    // Both sources: 17 + 17 + 26 = 60 is the least triple that meets 60 (7.2 + 26 + 26 = 59.2 is short).
    QTest::newRow("three batteries") << 60.0 << room(17, 26, 26) << true << "B17 + B17 + B26" << 60.0;
    QTest::newRow("nothing meets") << 200.0 << room(17, 26, 38) << false << "" << 0.0;
    // A box with no room of its own takes its supply's battery alone.
    QTest::newRow("no internal room") << 10.0 << room(0, 38) << true << "B12" << 12.0;
}

void TestBatteryMethod::nearestBattery()
{
    QFETCH(double, required);
    QFETCH(BatteryRoom, room);
    QFETCH(bool, found);
    QFETCH(QString, names);
    QFETCH(double, capacity);
    const Suggestion s = BatterySizing::nearestBattery(required, room);
    QCOMPARE(s.found, found);
    if (!found) {
        QVERIFY(suggestionText(s).startsWith("No battery in the catalogue"));
        return;
    }
    QCOMPARE(s.set.names(), names);
    QCOMPARE(s.set.capacity, capacity);
    QVERIFY(suggestionText(s).contains(names));
}

void TestBatteryMethod::statusByStandard()
{
    PanelMessages::PanelState state;
    state.noBatterySelected = false;
    state.idleTimeText = "48 h"; // not EN 54: the standard's own notes take over
    state.batterySizing = size(BatteryMethod::Bs5839, input(0.5, 2.0, "48 h", "30 min"));
    state.minimumBatteryRequired = state.batterySizing.requiredCapacity;
    state.nearestBattery = BatterySizing::nearestBattery(state.minimumBatteryRequired, room(17, 38));

    state.selectedTotalBattery = state.minimumBatteryRequired - 0.01;
    PanelMessages::BatteryStatus status = PanelMessages::batteryStatus(state);
    QVERIFY(status.fault);
    QVERIFY(status.text.startsWith("Total battery of the setup does not reach the capacity BS 5839-1 (Annex E) "
                                   "requires.\nRecommendation: Smallest selection that meets it: B7 + B26"));
    QVERIFY(status.text.contains(state.batterySizing.degradationNote));
    QVERIFY(!status.text.contains("EN 54"));
    QVERIFY(PanelMessages::faultFlags(state).hasBatteryFault);

    state.selectedTotalBattery = state.minimumBatteryRequired;
    status = PanelMessages::batteryStatus(state);
    QVERIFY(!status.fault);
    QVERIFY(status.text.startsWith("Battery autonomy OK by BS 5839-1 (Annex E)."));
    QVERIFY(!PanelMessages::faultFlags(state).hasBatteryFault);
}

void TestBatteryMethod::reportNotesByStandard()
{
    PanelMessages::PanelState state;
    state.noBatterySelected = false;
    state.externalPowerSourcesEnabled = true;
    state.idleTimeText = "72 h";
    state.batterySizing = size(BatteryMethod::Nfpa72Edition2022, input(0.5, 2.0, "72 h", "30 min"));
    state.minimumBatteryRequired = state.batterySizing.requiredCapacity;
    state.selectedTotalBattery = 12;
    QCOMPARE(PanelMessages::powerReportNotes(state),
             QStringLiteral("WARNING: Insufficient battery capacity. Current capacity: 12 Ah, Required capacity "
                            "by NFPA 72, 2022: 46.25 Ah. The system will not meet the specified autonomy "
                            "requirements."));
    // 72 h follows EN 54 but not NFPA 72: the two time notes, no EN 54 line.
    const QStringList lines = PanelMessages::externalPowerReportNotes(state).split("\n\n");
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).startsWith("COMPLIANCE NOTE: NFPA 72 requires 24 h of standby"));
    QVERIFY(lines.at(1).startsWith("COMPLIANCE NOTE: NFPA 72 requires 5 min of alarm"));
}

QTEST_GUILESS_MAIN(TestBatteryMethod)
#include "tst_batterymethod.moc"
