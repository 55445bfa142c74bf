#include "../setup/designgenerator.h"
#include "../setup/setupfixtures.h"

#include "catalogue/displayformat.h"
#include "design/designevaluation.h"

#include <QDir>
#include <QtTest>

namespace
{

QString fileText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The same "key value" lines the editors' golden test writes.
QStringList figuresOf(const SystemEvaluation &system)
{
    const PanelFigures &f = system.panel.figures;
    QStringList lines{"panel.totalIdleCurrent " + Display::fixed(f.totalIdleCurrent, 7),
                      "panel.totalAlarmCurrent " + Display::fixed(f.totalAlarmCurrent, 7),
                      "panel.minimumBattery " + Display::fixed(f.minimumBatteryRequired, 2),
                      "panel.loops " + QString::number(system.loops.size())};
    for (int i = 0; i < system.loopResults.size(); ++i) {
        const LoopCalc::LoopResults r = system.loopResults.at(i).results;
        lines << QStringLiteral("loop%1 %2 %3 %4 %5 %6 %7")
                     .arg(i + 1)
                     .arg(r.addresses)
                     .arg(Display::fixed(r.idleCurrent, 7), Display::fixed(r.alarmCurrent, 7),
                          Display::fixed(r.voltageDrop, 7), Display::fixed(r.maxVoltageDrop, 7),
                          Display::fixed(r.maxCurrent, 7));
    }
    return lines;
}

} // namespace

class TestDesignEvaluation : public QObject
{
    Q_OBJECT
private slots:
    void goldenConfigurations_data();
    void goldenConfigurations();
    void panelConfigTexts_data();
    void panelConfigTexts();
    void generatedConfigurationsRoundTrip();
    void loopConfigTexts_data();
    void loopConfigTexts();
    void panelNormalised();
    void loopsReachTheirPanelOnly();
    void boxNamesAndStatus();
    void faultsFlowUp();

private:
    Catalogue catalogue{demoData()};
};

void TestDesignEvaluation::goldenConfigurations_data()
{
    QTest::addColumn<QString>("folder");
    const QDir root(QStringLiteral(KALVIX_TEST_DATA_DIR "/setup"));
    const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(!cases.isEmpty());
    for (const QString &name : cases)
        QTest::newRow(qPrintable(name)) << root.filePath(name);
}

// The folders the editors' golden test reads: the core gives the same lines.
void TestDesignEvaluation::goldenConfigurations()
{
    QFETCH(QString, folder);
    SetupFile::SetupData data;
    QVERIFY(SetupFile::readSetupData(folder + "/setup.csv", data, catalogue));
    const DesignEvaluation design = DesignEvaluation::evaluate(data, catalogue);
    const QStringList expected = fileText(folder + "/expected.txt").split('\n', Qt::SkipEmptyParts);
    QCOMPARE(figuresOf(design.main), expected);
}

void TestDesignEvaluation::panelConfigTexts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<bool>("expansionBox");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("written"); // what toTexts gives back

    const QStringList full = fullDesign().panel;
    QTest::newRow("main panel") << full << false << true << full;
    const QStringList box = fullDesign().boxes.at(1).panel;
    QTest::newRow("expansion box") << box << true << true << box;
    QTest::newRow("a box's 11 texts for a main panel") << box << false << false << QStringList();
    QTest::newRow("a main panel's 17 texts for a box") << full << true << false << QStringList();
    QTest::newRow("too short") << QStringList(full.mid(0, 16)) << false << false << QStringList();

    // What the editor's spin boxes would make of odd numbers.
    QStringList odd = full;
    odd[2] = "abc";      // no number: 0
    odd[3] = "0.123456"; // 4 decimals
    odd[4] = "-1";       // not below 0
    odd[13] = "35.9";    // truncated
    odd[14] = "55";
    QStringList oddWritten = odd;
    oddWritten[2] = "0";
    oddWritten[3] = "0.1235";
    oddWritten[4] = "0";
    oddWritten[13] = "35";
    QTest::newRow("numbers as the controls hold them") << odd << false << true << oddWritten;

    QStringList noCards = full;
    noCards[8] = "";
    QTest::newRow("no cards") << noCards << false << true << noCards;
}

void TestDesignEvaluation::panelConfigTexts()
{
    QFETCH(QStringList, texts);
    QFETCH(bool, expansionBox);
    QFETCH(bool, accepted);
    QFETCH(QStringList, written);
    PanelConfig config;
    config.model = "untouched";
    QCOMPARE(PanelConfig::fromTexts(texts, expansionBox, config), accepted);
    if (!accepted) {
        QCOMPARE(config.model, QStringLiteral("untouched"));
        return;
    }
    QCOMPARE(config.expansionBox, expansionBox);
    QCOMPARE(config.toTexts(), written);
}

void TestDesignEvaluation::generatedConfigurationsRoundTrip()
{
    // Every generated design is one the reader accepts, and its texts and
    // typed values convert into each other without loss.
    for (quint32 seed = 1; seed <= 300; ++seed) {
        DesignGenerator generator(catalogue, seed);
        const SetupFile::SetupData data = generator.design();
        SetupFile::SetupData read;
        QVERIFY2(SetupFile::parseSetupText(SetupFile::composeSetupText(data), read, catalogue),
                 qPrintable(QStringLiteral("seed %1").arg(seed)));
        QCOMPARE(read, data);

        QVector<QPair<QStringList, bool>> panels{{data.panel, false}};
        for (const SetupFile::ExpansionBoxConfig &box : data.boxes)
            panels.append({box.panel, true});
        for (const auto &panel : panels) {
            PanelConfig config;
            QVERIFY(PanelConfig::fromTexts(panel.first, panel.second, config));
            QCOMPARE(config.toTexts(), panel.first);
            PanelConfig again;
            QVERIFY(PanelConfig::fromTexts(config.toTexts(), panel.second, again));
            QVERIFY(again == config);
        }
        for (const LoopConfig &loop : data.loops)
            QVERIFY(LoopConfig::fromTexts(loop.toTexts(), loop.devices) == loop);
    }
}

void TestDesignEvaluation::loopConfigTexts_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("written");
    const QStringList plain = {"2,5 mm2 (14 AWG)", "A", "100", "1000", "0", "0"};
    QTest::newRow("plain") << plain << plain;
    const QStringList degraded = {"0,5 mm2 (21 AWG)", "B", "35", "2500", "100", "2400"};
    QTest::newRow("degraded mode") << degraded << degraded;
    // Within the editor's ranges: length 100 to 2500, distances 0 to 10000.
    QTest::newRow("short loop") << QStringList{"1 mm2 (18 AWG)", "A", "50.7", "50", "0", "0"}
                                << QStringList{"1 mm2 (18 AWG)", "A", "50", "100", "0", "0"};
    QTest::newRow("no numbers") << QStringList{"1 mm2 (18 AWG)", "X", "x", "x", "x", "20000"}
                                << QStringList{"1 mm2 (18 AWG)", "B", "100", "100", "0", "10000"};
    QTest::newRow("a cable the editor does not offer")
        << QStringList{"3 mm2", "A", "100", "1000", "0", "0"}
        << QStringList{"1,5 mm2 (16 AWG)", "A", "100", "1000", "0", "0"};
    QTest::newRow("defaults for missing values")
        << QStringList{"4 mm2 (12 AWG)"} << QStringList{"4 mm2 (12 AWG)", "A", "100", "500", "0", "0"};
}

void TestDesignEvaluation::loopConfigTexts()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, written);
    const QMap<QString, int> devices{{"OD-210", 3}, {"CP-300", 300}};
    const LoopConfig config = LoopConfig::fromTexts(texts, devices);
    // Kept as read, so that the reader can say what the editor adjusts...
    QCOMPARE(config.devices, devices);
    QCOMPARE(config.cableType, texts.at(0));
    // ... and held as the editor holds it.
    const LoopConfig shown = config.normalised();
    QCOMPARE(shown.toTexts(), written);
    QCOMPARE(shown.devices, (QMap<QString, int>{{"OD-210", 3}, {"CP-300", 250}}));
    QVERIFY(shown.normalised() == shown);
}

void TestDesignEvaluation::panelNormalised()
{
    PanelConfig full;
    QVERIFY(PanelConfig::fromTexts(fullDesign().panel, false, full));
    QVERIFY(full.normalised(catalogue) == full);

    // What the selectors and spin boxes cannot hold falls back as they do.
    PanelConfig odd = full;
    odd.idleTime = "5 h";
    odd.alarmTime = "1 min";
    odd.internalBattery = "TVB 12-38"; // 38 Ah: more than a TXC 101 holds
    odd.model = "TXC 101";
    odd.source1 = "NO-SUCH-PSU"; // and its battery goes with it
    odd.batteryDegradation = 120;
    odd.soundersActive = -5;
    const PanelConfig shown = odd.normalised(catalogue);
    QCOMPARE(shown.idleTime, QStringLiteral("72 h"));
    QCOMPARE(shown.alarmTime, QStringLiteral("30 min"));
    QCOMPARE(shown.internalBattery, QString());
    QCOMPARE(shown.source1, QString());
    QCOMPARE(shown.battery1, QString());
    QCOMPARE(shown.batteryDegradation, 99);
    QCOMPARE(shown.soundersActive, 0);
    // Only the new model's cards stay, in its list's order; normalising twice changes nothing.
    QStringList offered;
    for (const AuxiliaryCard &card : catalogue.compatibleAuxiliaryCards(shown.model))
        offered.append(card.name);
    for (const QString &card : shown.cards)
        QVERIFY2(offered.contains(card), qPrintable(card));
    QCOMPARE(shown.loopCards(), offered.contains(QStringLiteral("VRAL-2")) ? full.loopCards() : 0);
    QVERIFY(shown.normalised(catalogue) == shown);

    // A model change keeps outputs, percentages and times, and nothing that belonged to the model.
    const PanelConfig changed = full.withModel(QStringLiteral("TXC 101"));
    QCOMPARE(changed.model, QStringLiteral("TXC 101"));
    QVERIFY(changed.cards.isEmpty() && changed.internalBattery.isEmpty() && changed.source1.isEmpty() &&
            changed.battery2.isEmpty());
    QCOMPARE(changed.outputs.aux24VAlarm, full.outputs.aux24VAlarm);
    QCOMPARE(changed.idleTime, full.idleTime);
    QCOMPARE(changed.batteryDegradation, full.batteryDegradation);
}

void TestDesignEvaluation::loopsReachTheirPanelOnly()
{
    const SetupFile::SetupData data = fullDesign();
    const DesignEvaluation design = DesignEvaluation::evaluate(data, catalogue);
    QCOMPARE(design.main.loopResults.size(), 6);
    QCOMPARE(design.boxes.size(), 2);
    QCOMPARE(design.boxes.at(1).loopResults.size(), 4);

    // Each loop row holds the loop's unrounded currents times 55/36.
    for (int i = 0; i < 6; ++i) {
        const LoopCalc::LoopTotals t = design.main.loopResults.at(i).totals;
        QCOMPARE(design.main.panel.loopCurrents.at(i).idle,
                 t.idleCurrent * PanelCalculation::loopCurrentFactor);
        QCOMPARE(design.main.panel.loopCurrents.at(i).alarm,
                 t.alarmCurrent * PanelCalculation::loopCurrentFactor);
    }
    // The boxes never enter the main panel's figures.
    SetupFile::SetupData withoutBoxes = data;
    withoutBoxes.boxes.clear();
    const DesignEvaluation alone = DesignEvaluation::evaluate(withoutBoxes, catalogue);
    QCOMPARE(alone.main.panel.totalAlarmCurrentText(), design.main.panel.totalAlarmCurrentText());
    QCOMPARE(alone.main.panel.minimumBatteryRequiredText(), design.main.panel.minimumBatteryRequiredText());

    // Sounders active 30 % in the second box weights its loop sounders so.
    const LoopEvaluation &sounders = design.boxes.at(1).loopResults.at(1);
    const LoopEvaluation full =
        LoopEvaluation::evaluate(data.boxes.at(1).loops.at(1), design.boxes.at(1).limits, 1.0, catalogue);
    QVERIFY(sounders.totals.alarmCurrent < full.totals.alarmCurrent);
}

void TestDesignEvaluation::boxNamesAndStatus()
{
    QCOMPARE(BoxNames::forModels({"X", "Y", "X", "X"}),
             (QStringList{"X", "Y", "X (2)", "X (3)"}));
    const DesignEvaluation design = DesignEvaluation::evaluate(fullDesign(), catalogue);
    QCOMPARE(design.boxes.at(0).displayName, QStringLiteral("TXE 2"));
    QCOMPARE(design.boxes.at(1).displayName, QStringLiteral("TXE 2 (2)"));
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(design.boxStatusText(i),
                 design.boxes.at(i).panel.flags.any() ? QStringLiteral("FAULT") : QStringLiteral("OK"));
    }
    QCOMPARE(design.boxStatusText(5), QStringLiteral("OK"));
}

void TestDesignEvaluation::faultsFlowUp()
{
    SetupFile::SetupData data = fullDesign();
    data.boxes.clear();
    DesignEvaluation design = DesignEvaluation::evaluate(data, catalogue);
    const bool loopFaultBefore = design.main.panel.flags.hasLoopFault;

    // 250 call points on loop 3 are more addresses than any panel gives a loop.
    data.loops[2].devices.insert("CP-300", 250);
    data.loops[2].devices.insert("OD-210", 250);
    design = DesignEvaluation::evaluate(data, catalogue);
    QVERIFY(design.main.loopResults.at(2).faults.addresses);
    QVERIFY(design.main.loopResults.at(2).faultsText.startsWith("Total addresses exceed the maximum of "));
    QVERIFY(design.main.panel.loopFaults.at(2));
    QVERIFY(design.main.panel.flags.hasLoopFault);
    QVERIFY(design.hasFault());
    QVERIFY(!loopFaultBefore);

    // No battery at all: the battery status says so and the flag is raised.
    data.panel[1] = "-";
    data.panel[10] = "-";
    design = DesignEvaluation::evaluate(data, catalogue);
    QCOMPARE(design.main.panel.battery.text.section('\n', 0, 0),
             QStringLiteral("System needs at least one battery (either internal or external)."));
    QVERIFY(design.main.panel.flags.hasBatteryFault);
    QVERIFY(design.main.panel.powerReportNotes.startsWith("CRITICAL: No battery configuration detected."));
}

QTEST_GUILESS_MAIN(TestDesignEvaluation)
#include "tst_designevaluation.moc"
