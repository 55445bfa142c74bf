#include "../setup/setupfixtures.h"

#include "catalogue/displayformat.h"
#include "design/designevaluation.h"
#include "design/designfile.h"
#include "report/batterymethodsheet.h"
#include "report/reportcomposer.h"

#include <QDir>
#include <QTextDocument>
#include <QtTest>

Q_DECLARE_METATYPE(BatteryMethod)

namespace
{

Design designOf(const SetupFile::SetupData &data)
{
    return Design::fromSetupData(data);
}

// The full demo design with a larger standby, so the main panel needs more
// than its largest internal battery.
Design longStandby(const char *idleTime)
{
    SetupFile::SetupData data = fullDesign();
    data.panel[15] = QString::fromLatin1(idleTime);
    return designOf(data);
}

} // namespace

class TestBatteryMethods : public QObject
{
    Q_OBJECT
private slots:
    void makersMethodIsTheGoldenFigures_data();
    void makersMethodIsTheGoldenFigures();
    void roundTripThroughTheFile_data();
    void roundTripThroughTheFile();
    void methodDrivesStatusAndFlags();
    void onlyAPairMeetsTheNeed();
    void nothingInTheCatalogueMeetsIt();
    void sheetShowsTheMethod();

private:
    Catalogue catalogue{demoData()};
};

void TestBatteryMethods::makersMethodIsTheGoldenFigures_data()
{
    QTest::addColumn<QString>("folder");
    const QDir root(QStringLiteral(KALVIX_TEST_DATA_DIR "/setup"));
    for (const QString &name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        QTest::newRow(qPrintable(name)) << root.filePath(name);
}

// The default method is the panel's own formula, text for text: a design
// that names no method evaluates, and is written, exactly as before.
void TestBatteryMethods::makersMethodIsTheGoldenFigures()
{
    QFETCH(QString, folder);
    SetupFile::SetupData data;
    QVERIFY(SetupFile::readSetupData(folder + "/setup.csv", data, catalogue));
    const Design design = designOf(data);
    QVERIFY(!design.usesExtensions());
    QCOMPARE(DesignFile::compose(design), SetupFile::composeSetupText(design.toSetupData()));

    const SystemEvaluation main = DesignEvaluation::evaluate(design, catalogue).main;
    const PanelConfig &c = main.config;
    const PanelEvaluation &p = main.panel;
    const double legacy = Display::asDisplayed(
        PanelCalculation::minimumBatteryRequired(p.figures.totalIdleCurrent, p.figures.totalAlarmCurrent,
                                                 PanelCalculation::timeValue(c.idleTime),
                                                 PanelCalculation::timeValue(c.alarmTime), c.batteryDegradation),
        2);
    QCOMPARE(p.batterySizing.method, BatteryMethod::Maker);
    QCOMPARE(p.figures.minimumBatteryRequired, legacy);
    QVERIFY(p.batterySizing.notes().isEmpty());
    // The status texts are the panel's own ones.
    QVERIFY(!p.battery.text.contains("Maker"));
    QVERIFY(p.battery.text.startsWith("Battery autonomy OK.") ||
            p.battery.text.startsWith("Total battery of the setup does not reach the wanted autonomy.") ||
            p.battery.text.startsWith("System needs at least one battery"));
}

void TestBatteryMethods::roundTripThroughTheFile_data()
{
    QTest::addColumn<BatteryMethod>("mainMethod");
    QTest::addColumn<BatteryMethod>("boxMethod");
    QTest::addColumn<QString>("block");
    const QList<BatteryMethod> methods = BatterySizing::methods();
    for (int i = 1; i < methods.size(); ++i) {
        const BatteryMethod method = methods.at(i);
        const QString stored = BatteryMethods::storedName(method);
        QTest::newRow(qPrintable("main " + stored))
            << method << BatteryMethod::Maker << "Battery method;Main panel\nMethod:;" + stored + "\n";
        // The second box sorts second in the file: its place is 2.
        QTest::newRow(qPrintable("box " + stored))
            << BatteryMethod::Maker << method << "Battery method;Expansion box 2\nMethod:;" + stored + "\n";
    }
}

void TestBatteryMethods::roundTripThroughTheFile()
{
    QFETCH(BatteryMethod, mainMethod);
    QFETCH(BatteryMethod, boxMethod);
    QFETCH(QString, block);
    Design design = designOf(fullDesign());
    design.main.batteryMethod = mainMethod;
    design.boxes[1].batteryMethod = boxMethod;
    const QString text = DesignFile::compose(design);
    QVERIFY(text.startsWith("Setup format version:;2.1"));
    QVERIFY2(text.contains(block), qPrintable(text.right(200)));

    Design read;
    QVERIFY(DesignFile::parse(text, read, catalogue));
    QCOMPARE(read, design);

    // The file's method is the one the figures follow.
    const DesignEvaluation evaluation = DesignEvaluation::evaluate(read, catalogue);
    QCOMPARE(evaluation.main.panel.batterySizing.method, mainMethod);
    QCOMPARE(evaluation.boxes.at(1).panel.batterySizing.method, boxMethod);
    QCOMPARE(evaluation.boxes.at(0).panel.batterySizing.method, BatteryMethod::Maker);
    for (const SystemEvaluation &system : {evaluation.main, evaluation.boxes.at(1)}) {
        const PanelEvaluation &p = system.panel;
        BatterySizing::Input in{p.figures.totalIdleCurrent, p.figures.totalAlarmCurrent, system.config.idleTime,
                                system.config.alarmTime, system.config.batteryDegradation};
        QCOMPARE(p.figures.minimumBatteryRequired,
                 BatterySizing::size(p.batterySizing.method, in).requiredCapacity);
    }
}

// The chosen method's requirement decides the fault, and the texts say which.
void TestBatteryMethods::methodDrivesStatusAndFlags()
{
    // 30 h, 15 min: the maker's method is met; NFPA 72 notes both times.
    Design design = designOf(fullDesign());
    const SystemEvaluation maker = DesignEvaluation::evaluate(design, catalogue).main;
    QVERIFY(!maker.panel.flags.hasBatteryFault);

    design.main.batteryMethod = BatteryMethod::Nfpa72Edition2022;
    const SystemEvaluation nfpa = DesignEvaluation::evaluate(design, catalogue).main;
    QCOMPARE(nfpa.panel.figures.totalIdleCurrent, maker.panel.figures.totalIdleCurrent);
    QVERIFY(nfpa.panel.battery.text.contains("NFPA 72, 2022"));
    QVERIFY(nfpa.panel.battery.text.contains("NFPA 72 requires 24 h of standby; the selected idle time is 30 h."));
    QVERIFY(!nfpa.panel.battery.text.contains("NFPA 72 requires 5 min of alarm"));
    QCOMPARE(nfpa.panel.flags.hasBatteryFault,
             nfpa.panel.figures.selectedTotalBattery < nfpa.panel.figures.minimumBatteryRequired);
}

void TestBatteryMethods::onlyAPairMeetsTheNeed()
{
    // 72 h at the full design's idle current needs more than the panel's
    // largest internal battery (38 Ah); its power card and KSP900 EN (26 Ah
    // room) allow an additional battery.
    Design design = longStandby("72 h");
    design.main.batteryMethod = BatteryMethod::Bs5839;
    const PanelEvaluation p = DesignEvaluation::evaluate(design, catalogue).main.panel;
    const double required = p.figures.minimumBatteryRequired;
    QVERIFY2(required > 38 && required <= 38 + 26, qPrintable(QString::number(required)));
    QVERIFY(p.nearestBattery.found);
    const BatterySizing::BatterySet &set = p.nearestBattery.set;
    QCOMPARE(set.count(), 2);
    QVERIFY(!set.internalBattery.isEmpty() && !set.battery1.isEmpty() && set.battery2.isEmpty());
    QVERIFY(set.capacity >= required);
    QVERIFY(catalogue.findBattery(set.battery1).capacity <= 26);
    // No lesser pair the design allows meets it.
    for (const Battery &a : catalogue.batteries()) {
        for (const Battery &b : catalogue.batteries()) {
            if (a.capacity <= 38 && b.capacity <= 26 && a.capacity + b.capacity >= required)
                QVERIFY(a.capacity + b.capacity >= set.capacity);
        }
    }
    if (p.flags.hasBatteryFault)
        QVERIFY(p.battery.text.contains(set.names()));
}

void TestBatteryMethods::nothingInTheCatalogueMeetsIt()
{
    // The same need without the power card: only the internal battery is left.
    SetupFile::SetupData data = fullDesign();
    data.panel[15] = "72 h";
    data.panel[8] = "VRAL-2,ZEP-NET";
    data.panel[9] = "-";
    data.panel[10] = "-";
    Design design = designOf(data);
    design.main.batteryMethod = BatteryMethod::Bs5839;
    const PanelEvaluation p = DesignEvaluation::evaluate(design, catalogue).main.panel;
    QVERIFY(p.figures.minimumBatteryRequired > 38);
    QVERIFY(!p.nearestBattery.found);
    QVERIFY(p.flags.hasBatteryFault);
    QVERIFY2(p.battery.text.contains("Recommendation: No battery in the catalogue, alone or with the additional "
                                     "batteries the design allows, meets the required capacity."),
             qPrintable(p.battery.text));
}

void TestBatteryMethods::sheetShowsTheMethod()
{
    Design design = designOf(fullDesign());
    design.main.batteryMethod = BatteryMethod::Bs5839;
    const SystemEvaluation main = DesignEvaluation::evaluate(design, catalogue).main;
    QTextDocument document;
    document.setHtml(Report::batteryMethodSheetHtml(main, catalogue));
    const QString text = document.toPlainText();
    QVERIFY(text.contains("BS 5839-1 (Annex E)"));
    QVERIFY(text.contains("BS 5839-1:2017, Annex E"));
    QVERIFY(text.contains(main.panel.batterySizing.substituted));
    QVERIFY(text.contains(main.panel.batterySizing.derated ? "1.75: the alarm current I2 is above C/20"
                                                           : "1: the alarm current I2 is not above C/20"));
    const double margin = main.panel.figures.selectedTotalBattery - main.panel.figures.minimumBatteryRequired;
    QVERIFY(text.contains(Display::ampereHours(margin)));
    QVERIFY(text.contains("TVB 12-26 (26 Ah) + TVB 12-26 (26 Ah) = 52.00 Ah"));

    // The sheet of a report shows it in place of the maker's calculation.
    Report::ReportData data;
    data.mainPanel.model = main.config.model;
    data.mainPanel.batterySizing = main.panel.batterySizing;
    const QString sheet = Report::composeCalculationSheet(data, catalogue);
    QVERIFY(sheet.contains("Edition and clause"));
    QVERIFY(sheet.contains(Report::batteryMethodsStatement()));
    data.mainPanel.batterySizing = {};
    QVERIFY(!Report::composeCalculationSheet(data, catalogue).contains("Edition and clause"));
}

QTEST_MAIN(TestBatteryMethods)
#include "tst_batterymethods.moc"
