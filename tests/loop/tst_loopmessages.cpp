#include "catalogue/displayformat.h"
#include "loop/figureexplanations.h"
#include "loop/loopcalculation.h"
#include "loop/loopmessages.h"
#include "loopfixtures.h"

#include <QtTest>

#include <limits>

using namespace LoopMessages;
using LoopCalc::LoopResults;

namespace
{

// A loop whose figures pass every check of a panel with 127 addresses and 0.5 A.
LoopResults healthy()
{
    LoopResults r;
    r.addresses = 10;
    r.idleCurrent = 0.05;
    r.alarmCurrent = 0.2;
    r.voltageDrop = 2.0;
    r.maxVoltageDrop = 6.9;
    r.maxCurrent = 0.5;
    return r;
}

LoopLimits panel()
{
    LoopLimits limits;
    limits.maxAddresses = 127;
    limits.maxCurrent = 0.5;
    return limits;
}

DeviceFacts factsOf(const QVector<Device> &records, const QMap<QString, int> &devices)
{
    CatalogueData data;
    data.devices = records;
    const Catalogue catalogue(data);
    return deviceFacts(LoopCalc::resolveDevices(devices, catalogue));
}

const QString AddressFault = QStringLiteral(
    "Total addresses exceed the maximum of 127.\nRecommendation: Reduce total addresses by removing devices, "
    "replacing them with devices that use fewer addresses or by splitting devices across multiple loops.");
const QString DropFault =
    QStringLiteral("Voltage drop exceeds loop's maximum.\nRecommendation: Increase cable section, increase "
                   "distribution factor, "
                   "decrease loop length, or redistribute devices to reduce voltage drop.");
const QString CurrentFault =
    QStringLiteral("Alarm current exceeds loop's maximum.\nRecommendation: Reduce the number of devices or "
                   "replace devices with lower idle/alarm current to lower total consumption.");

} // namespace

class TestLoopMessages : public QObject
{
    Q_OBJECT

private slots:
    void figuresExplained_data();
    void figuresExplained();
    void comparedFiguresShowWhereTheyDiffer_data();
    void comparedFiguresShowWhereTheyDiffer();
    void limitsAtAndOneOver_data();
    void limitsAtAndOneOver();
    void faultTextsInOrder();
    void loopSounderRecommendation();
    void loopSounderSuffix_data();
    void loopSounderSuffix();
    void beamNotes_data();
    void beamNotes();
    void externalSupplyNote();
    void idleMinimumNote_data();
    void idleMinimumNote();
    void nothingToNote();
    void reportTexts();
};

void TestLoopMessages::limitsAtAndOneOver_data()
{
    QTest::addColumn<int>("addresses");
    QTest::addColumn<double>("drop");
    QTest::addColumn<double>("alarm");
    QTest::addColumn<bool>("addressFault");
    QTest::addColumn<bool>("dropFault");
    QTest::addColumn<bool>("currentFault");
    QTest::newRow("all within") << 10 << 2.0 << 0.2 << false << false << false;
    QTest::newRow("addresses at the maximum") << 127 << 2.0 << 0.2 << false << false << false;
    QTest::newRow("one address over") << 128 << 2.0 << 0.2 << true << false << false;
    QTest::newRow("drop at the maximum") << 10 << 6.9 << 0.2 << false << false << false;
    QTest::newRow("drop one step over") << 10 << 6.9000001 << 0.2 << false << true << false;
    QTest::newRow("current at the maximum") << 10 << 2.0 << 0.5 << false << false << false;
    QTest::newRow("current one step over") << 10 << 2.0 << 0.5000001 << false << false << true;
}

// Each check marks its own label only.
void TestLoopMessages::limitsAtAndOneOver()
{
    QFETCH(int, addresses);
    QFETCH(double, drop);
    QFETCH(double, alarm);
    QFETCH(bool, addressFault);
    QFETCH(bool, dropFault);
    QFETCH(bool, currentFault);
    LoopResults r = healthy();
    r.addresses = addresses;
    r.voltageDrop = drop;
    r.alarmCurrent = alarm;
    const Faults faults = checkFaults(r, panel());
    QCOMPARE(faults.addresses, addressFault);
    QCOMPARE(faults.voltageDrop, dropFault);
    QCOMPARE(faults.current, currentFault);
    QCOMPARE(faults.any(), addressFault || dropFault || currentFault);
    if (!faults.any())
        QCOMPARE(faultsText(faults, panel(), {}), QStringLiteral("Loop setup OK."));
}

void TestLoopMessages::faultTextsInOrder()
{
    Faults all;
    all.addresses = all.voltageDrop = all.current = true;
    QCOMPARE(faultsText(all, panel(), {}), AddressFault + "\n\n" + DropFault + "\n\n" + CurrentFault);
    Faults dropOnly;
    dropOnly.voltageDrop = true;
    QCOMPARE(faultsText(dropOnly, panel(), {}), DropFault);
}

void TestLoopMessages::loopSounderRecommendation()
{
    const DeviceFacts facts = factsOf({Fixtures::sounder(QStringLiteral("SND-B (loop)"), 0.001, 0.01),
                                       Fixtures::sounder(QStringLiteral("SND-A (Loop)"), 0.001, 0.01),
                                       Fixtures::sounder(QStringLiteral("SND-EXT"), 0.001, 0.01)},
                                      {{QStringLiteral("SND-B (loop)"), 1},
                                       {QStringLiteral("SND-A (Loop)"), 2},
                                       {QStringLiteral("SND-EXT"), 1}});
    QCOMPARE(facts.loopSounders,
             (QStringList{QStringLiteral("SND-A (Loop)"), QStringLiteral("SND-B (loop)")}));
    Faults current;
    current.current = true;
    QCOMPARE(
        faultsText(current, panel(), facts),
        CurrentFault +
            "\nRecommendation: Consider changing these sounders to external PSU connection to reduce loop "
            "load: SND-A (Loop), SND-B (loop).");
}

void TestLoopMessages::loopSounderSuffix_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("loopSounder");
    QTest::newRow("lower case") << QStringLiteral("WS-1 (loop)") << true;
    QTest::newRow("capitals") << QStringLiteral("WS-1 (LOOP)") << true;
    QTest::newRow("just the suffix") << QStringLiteral("(loop)") << true;
    QTest::newRow("inside the name") << QStringLiteral("WS-1 (loop) red") << false;
    QTest::newRow("without bracket") << QStringLiteral("WS-1 loop)") << false;
    QTest::newRow("empty") << QString() << false;
}

void TestLoopMessages::loopSounderSuffix()
{
    QFETCH(QString, name);
    QFETCH(bool, loopSounder);
    QCOMPARE(isLoopSounderName(name), loopSounder);
}

void TestLoopMessages::beamNotes_data()
{
    QTest::addColumn<int>("beams");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("report");
    const QString align = QStringLiteral("Beam detectors should be aligned one by one.");
    const QString alignReport =
        QStringLiteral("INSTALLATION NOTE: Beam detectors must be aligned individually "
                       "during installation to ensure proper operation.");
    QTest::newRow("20 beams") << 20 << align << alignReport;
    QTest::newRow("21 beams") << 21
                              << align + "\nWarning: using more than 20 beam detectors is highly discouraged."
                              << alignReport +
                                     " WARNING: Using more than 20 beam detectors (21 configured) in a "
                                     "single loop is highly discouraged and may cause operational "
                                     "issues.";
}

void TestLoopMessages::beamNotes()
{
    QFETCH(int, beams);
    QFETCH(QString, note);
    QFETCH(QString, report);
    // Two beam models add up.
    const DeviceFacts facts = factsOf({Fixtures::beam(QStringLiteral("BEAM-1"), 0.001, 0.002),
                                       Fixtures::beam(QStringLiteral("BEAM-2"), 0.001, 0.002)},
                                      {{QStringLiteral("BEAM-1"), beams - 5}, {QStringLiteral("BEAM-2"), 5}});
    QCOMPARE(facts.beamCount, beams);
    QCOMPARE(notesText(healthy(), panel(), facts), note);
    QCOMPARE(noteReportText(healthy(), panel(), facts), report);
}

void TestLoopMessages::externalSupplyNote()
{
    Fixtures::DeviceTraits traits;
    traits.category = QStringLiteral("MOD");
    traits.external24V = true;
    const DeviceFacts facts = factsOf({Fixtures::device(QStringLiteral("MOD-Z"), traits),
                                       Fixtures::device(QStringLiteral("MOD-A"), traits)},
                                      {{QStringLiteral("MOD-Z"), 1}, {QStringLiteral("MOD-A"), 3}});
    QCOMPARE(
        notesText(healthy(), panel(), facts),
        QStringLiteral("The following devices require a 24V external power source:\n - MOD-A, MOD-Z\nPlease "
                       "note the panel has a port to provide 24V, as long as the max 0.500 A have not been "
                       "reached"));
    QCOMPARE(
        noteReportText(healthy(), panel(), facts),
        QStringLiteral("POWER REQUIREMENT: The following devices require external 24V power supply: MOD-A, "
                       "MOD-Z. The panel provides a 24V output port with maximum capacity of 0.500 A. Ensure "
                       "total external power consumption does not exceed this limit."));
}

void TestLoopMessages::idleMinimumNote_data()
{
    QTest::addColumn<double>("minCurrent");
    QTest::addColumn<double>("idle");
    QTest::addColumn<int>("addresses");
    QTest::addColumn<bool>("note");
    // The report prints the figure it compared: the devices' own idle current.
    QTest::addColumn<QString>("printed");
    QTest::newRow("no minimum") << 0.0 << 0.0 << 0 << false << QString();
    // The base current is left out: of 0.036 A the devices' own is 0.010 A.
    QTest::newRow("devices' idle above the minimum") << 0.0099 << 0.036 << 10 << false << QString();
    QTest::newRow("devices' idle below the minimum") << 0.0101 << 0.036 << 10 << true << "(0.0100 A)"; // 0.0100 against 0.0101: told apart
    // 0.036 - 0.026 and 0.030 - 0.026 are a hair below 0.010 and 0.004 in
    // binary; a devices' idle current exactly at the minimum is no shortfall.
    QTest::newRow("devices' idle exactly at the minimum") << 0.010 << 0.036 << 10 << false << QString();
    QTest::newRow("exactly at a small minimum") << 0.004 << 0.030 << 1 << false << QString();
    QTest::newRow("whole idle above, devices' own below") << 0.02 << 0.036 << 10 << true << "(0.010 A)";
    // Without an address the loop has no base current to leave out.
    QTest::newRow("empty loop") << 0.005 << 0.0 << 0 << true << "(0.000 A)";
}

void TestLoopMessages::idleMinimumNote()
{
    QFETCH(double, minCurrent);
    QFETCH(double, idle);
    QFETCH(int, addresses);
    QFETCH(bool, note);
    QFETCH(QString, printed);
    LoopLimits limits = panel();
    limits.minCurrent = minCurrent;
    LoopResults r = healthy();
    r.idleCurrent = idle;
    r.addresses = addresses;
    const QString text = QStringLiteral(
        "Idle current is below minimum. To ensure correct supervision of the negative loop line, install a "
        "1.8kohm (minimum 2W) resistor between the S+ and S- terminals or increase idle current.");
    QCOMPARE(notesText(r, limits, {}), note ? text : QStringLiteral("No information to note."));
    const QString report = noteReportText(r, limits, {});
    QCOMPARE(report.startsWith(QStringLiteral("NOTE: The idle current")), note);
    if (note)
        QVERIFY2(report.startsWith(QStringLiteral("NOTE: The idle current ") + printed), qPrintable(report));
}

void TestLoopMessages::nothingToNote()
{
    QCOMPARE(notesText(healthy(), panel(), {}), QStringLiteral("No information to note."));
    QCOMPARE(noteReportText(healthy(), panel(), {}), QString());
    QCOMPARE(faultReportText(healthy(), panel(), {}), QString());
}

// Figures in the report carry 3 decimals; the checks are the loop tab's.
void TestLoopMessages::reportTexts()
{
    LoopResults r = healthy();
    r.addresses = 130;
    r.voltageDrop = 7.1234567;
    r.alarmCurrent = 0.6125;
    r.maxCurrent = 0.4444444;
    r.idleCurrent = 0.0306;
    LoopLimits limits = panel();
    limits.minCurrent = 0.0126;
    DeviceFacts facts;
    facts.loopSounders = QStringList{QStringLiteral("WS (loop)")};
    QCOMPARE(
        faultReportText(r, limits, facts),
        QStringLiteral(
            "CRITICAL: Address limit exceeded. Current addresses: 130, Maximum allowed: 127. Reduce the "
            "number of devices or use multiple loops.\n\n"
            "CRITICAL: Voltage drop exceeded. Current drop: 7.123 V, Maximum allowed: 6.900 V. Consider "
            "using "
            "higher cable section, reducing loop length, or redistributing devices.\n\n"
            "CRITICAL: Current consumption exceeded. Current consumption: 0.613 A, Maximum allowed: 0.444 A. "
            "Reduce device count or use devices with lower current consumption. Consider changing these "
            "sounders to external PSU connection to reduce loop load: WS (loop)."));
    QCOMPARE(noteReportText(r, limits, facts),
             QStringLiteral(
                 "NOTE: The idle current (0.005 A) is below the minimum required (0.013 A). To ensure "
                 "correct supervision of the negative loop line, install a 1.8kohm (minimum 2W) resistor "
                 "between the S+ and S- terminals or increase the idle current."));
}

void TestLoopMessages::figuresExplained_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("holds");
    using namespace FigureExplanations;
    QTest::newRow("drop, no overboost")
        << maxVoltageDrop(false, Topology::ClassA, 6.9)
        << QStringList{"6.9 V", "7.9 V", "This panel has no overboost."};
    QTest::newRow("drop, Class A, boosted")
        << maxVoltageDrop(true, Topology::ClassA, 7.9)
        << QStringList{"once the drop reaches 1.0 V", "It is on for this loop."};
    QTest::newRow("drop, degraded, not boosted")
        << maxVoltageDrop(true, Topology::DegradedMode, 6.9)
        << QStringList{"alarm current is above 0.100 A", "It is off for this loop."};
    QTest::newRow("current, the cable limits")
        << maxCurrent(0.3125, 0.5) << QStringList{"(0.313 A)", "(0.500 A): the cable."};
    // 0.4001 and 0.4 read alike at 3 decimals: told apart at the 4th.
    QTest::newRow("current, the panel limits, close")
        << maxCurrent(0.4001, 0.4) << QStringList{"(0.4001 A)", "(0.4000 A): the panel."};
    QTest::newRow("current, empty loop") << maxCurrent(std::numeric_limits<double>::infinity(), 0.4)
                                         << QStringList{"0.400 A", "sets no limit"};
    QTest::newRow("loop row") << panelLoopRow(3, 0.036, 0.1) << QStringList{"Loop 3", "0.0360000 A idle",
                                                                            "0.1000000 A in alarm", "55/36"};
    QTest::newRow("no boxes") << addExpansionBoxDisabled(0, 0)
                              << QStringList{"This panel model takes no expansion boxes."};
    QTest::newRow("boxes full") << addExpansionBoxDisabled(2, 2) << QStringList{"at most 2 expansion box"};
    QTest::newRow("room for a box") << addExpansionBoxDisabled(1, 2) << QStringList{};
}

void TestLoopMessages::figuresExplained()
{
    QFETCH(QString, text);
    QFETCH(QStringList, holds);
    QCOMPARE(text.isEmpty(), holds.isEmpty());
    for (const QString &part : holds)
        QVERIFY2(text.contains(part), qPrintable(text + QStringLiteral(" | lacks: ") + part));
}

void TestLoopMessages::comparedFiguresShowWhereTheyDiffer_data()
{
    QTest::addColumn<double>("devicesIdle");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<QString>("shown");
    QTest::newRow("apart at 3 decimals") << 0.005 << 0.0126 << "(0.005 A) is below the minimum required (0.013 A)";
    // 0.0042 and 0.0045 both read 0.004 at 3 decimals.
    QTest::newRow("apart at the 4th") << 0.0042 << 0.0045
                                      << "(0.0042 A) is below the minimum required (0.0045 A)";
    QTest::newRow("apart at the 6th") << 0.004499 << 0.0045
                                      << "(0.004499 A) is below the minimum required (0.004500 A)";
}

void TestLoopMessages::comparedFiguresShowWhereTheyDiffer()
{
    QFETCH(double, devicesIdle);
    QFETCH(double, minimum);
    QFETCH(QString, shown);
    LoopResults r = healthy();
    r.idleCurrent = LoopCalc::BaseCurrent + devicesIdle;
    LoopLimits limits = panel();
    limits.minCurrent = minimum;
    QVERIFY2(noteReportText(r, limits, {}).contains(shown), qPrintable(noteReportText(r, limits, {})));
    QCOMPARE(Display::decimalsToTell(1.5, 1.5, 3), 7); // equal figures: the most there is
}

QTEST_GUILESS_MAIN(TestLoopMessages)
#include "tst_loopmessages.moc"
