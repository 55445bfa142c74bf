#include "../setup/setupfixtures.h"
#include "reportreadback.h"

#include "report/reportbuilder.h"
#include "report/reportpdf.h"
#include "design/designevaluation.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// A TXP 816 without cards (4 loops) holding `panel` from the internal
// battery on, in the order of a setup file's main panel line.
QStringList mainPanel(const QString &internal, const QString &source1, const QString &battery1,
                      const QString &source2, const QString &battery2)
{
    return {"TXP 816", internal, "0",     "0",      "0",  "0",   "0",    "0",     "",
            source1,   battery1, source2, battery2, "20", "100", "72 h", "30 min"};
}

} // namespace

class TestReportBuilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void selectorsAsTheEditorsHoldThem_data();
    void selectorsAsTheEditorsHoldThem();
    void loopsAsTheEditorsHoldThem();
    void boxesInTheDesignsOrder();
    void informationAndDate();
    void faultsReachTheAnalysis();
    void writesTheReport();
    void onePageHasItsFooter();
    void unwritablePlaceFails();

private:
    Catalogue catalogue{demoData()};
    QTemporaryDir dir;
};

void TestReportBuilder::initTestCase()
{
    QVERIFY(dir.isValid());
}

void TestReportBuilder::selectorsAsTheEditorsHoldThem_data()
{
    QTest::addColumn<QStringList>("panel");
    // Internal battery, source 1, battery 1, source 2, battery 2.
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("all at none") << mainPanel("-", "-", "-", "-", "-")
                                 << QStringList{"-", "-", "-", "-", "-"};
    QTest::newRow("empty texts") << mainPanel("", "", "", "", "") << QStringList{"-", "-", "-", "-", "-"};
    QTest::newRow("all chosen") << mainPanel("TVB 12-26", "KSP900 EN", "TVB 12-38", "KSP900 EN", "TVB 12-7")
                                << QStringList{"TVB 12-26", "KSP900 EN", "TVB 12-38", "KSP900 EN",
                                               "TVB 12-7"};
    // The editors offer neither an unknown battery nor one without its source.
    QTest::newRow("unknown battery") << mainPanel("NO-SUCH", "-", "-", "-", "-")
                                     << QStringList{"-", "-", "-", "-", "-"};
    QTest::newRow("battery without source") << mainPanel("TVB 12-26", "-", "TVB 12-38", "KSP900 EN", "-")
                                            << QStringList{"TVB 12-26", "-", "-", "KSP900 EN", "-"};
}

void TestReportBuilder::selectorsAsTheEditorsHoldThem()
{
    QFETCH(QStringList, panel);
    QFETCH(QStringList, shown);
    SetupFile::SetupData data;
    data.panel = panel;
    for (int i = 0; i < 4; ++i)
        data.loops.append(loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0));
    const Report::PanelInfo info = Report::panelInfo(DesignEvaluation::evaluate(data, catalogue).main);
    QCOMPARE((QStringList{info.internalBattery, info.source1, info.battery1, info.source2, info.battery2}),
             shown);
    QCOMPARE(info.model, QStringLiteral("TXP 816"));
    QCOMPARE(info.batteryDegradation, 20);
    QCOMPARE(info.soundersActive, 100);
    QCOMPARE(info.idleTime, QStringLiteral("72 h"));
    QCOMPARE(info.alarmTime, QStringLiteral("30 min"));
    QVERIFY(info.cards.isEmpty());
}

void TestReportBuilder::loopsAsTheEditorsHoldThem()
{
    SetupFile::SetupData data;
    data.panel = mainPanel("TVB 12-26", "-", "-", "-", "-");
    // Values beyond what the controls take: the report shows them as clamped.
    data.loops = {loop("9 mm2", "A", 150, 9999, -5, 20000, {{"ZM-401", 2}, {"CP-300", 0}, {"HD-220", 300}}),
                  loop("1 mm2 (18 AWG)", "B", 50, 300, 10, 20, {{"SD-500 (loop)", 3}, {"CP-300", 1}}),
                  loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0),
                  loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0)};
    const DesignEvaluation design = DesignEvaluation::evaluate(data, catalogue);
    const Report::PanelInfo info = Report::panelInfo(design.main);
    QCOMPARE(info.loops.size(), 4);

    const Report::LoopInfo &first = info.loops.at(0);
    QCOMPARE(first.cableType, QStringLiteral("1,5 mm2 (16 AWG)")); // the selector's default
    QCOMPARE(first.topologyCode, QStringLiteral("A"));
    QCOMPARE(first.distributionFactor, 100.0);
    QCOMPARE(first.loopLength, 2500);
    QCOMPARE(first.startDistance, 0);
    QCOMPARE(first.endDistance, 10000);
    // Name order; a quantity of 0 is no device, more than 250 is 250.
    const QVector<QPair<QString, int>> firstDevices{{"HD-220", 250}, {"ZM-401", 2}};
    QCOMPARE(first.devices, firstDevices);

    const Report::LoopInfo &second = info.loops.at(1);
    QCOMPARE(second.topologyCode, QStringLiteral("B"));
    QCOMPARE(second.distributionFactor, 50.0);
    const QVector<QPair<QString, int>> secondDevices{{"CP-300", 1}, {"SD-500 (loop)", 3}};
    QCOMPARE(second.devices, secondDevices);
    QVERIFY(info.loops.at(2).devices.isEmpty());

    // Every loop against its panel's limits; the panel's loop currents are
    // the loops' own scaled by 55/36.
    const Panel panel = catalogue.findPanel(QStringLiteral("TXP 816"));
    QCOMPARE(info.loopCurrents.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(info.loops.at(i).limits.maxAddresses, panel.loopMaxAddresses);
        QCOMPARE(info.loops.at(i).limits.maxCurrent, panel.loopMaxCurrent);
        const LoopCalc::LoopTotals &totals = design.main.loopResults.at(i).totals;
        QVERIFY(qAbs(info.loopCurrents.at(i).idle - totals.idleCurrent * 55 / 36) < 1e-6);
        QVERIFY(qAbs(info.loopCurrents.at(i).alarm - totals.alarmCurrent * 55 / 36) < 1e-6);
    }
    QVERIFY(info.loopCurrents.at(1).alarm > 0);
    QCOMPARE(info.loopCurrents.at(2).alarm, 0.0);
}

void TestReportBuilder::boxesInTheDesignsOrder()
{
    const Report::ReportData data =
        Report::reportData(DesignEvaluation::evaluate(fullDesign(), catalogue), {}, QDate(2026, 1, 2));
    const Report::PanelInfo &main = data.mainPanel;
    QCOMPARE(main.model, QStringLiteral("TXP 816"));
    QCOMPARE(main.loops.size(), 6); // a loop card adds two
    QCOMPARE(main.cards.count(QStringLiteral("VRAL-2")), 1);
    QCOMPARE(main.cards.size(), 3);
    QCOMPARE((QStringList{main.source1, main.battery1, main.source2}),
             (QStringList{"KSP900 EN", "TVB 12-26", "-"}));
    // The main panel's outputs as set; a box has none.
    QCOMPARE(main.outputs.aux24VAlarm, 0.1);
    QCOMPARE(main.outputs.aux24VIdle, 0.05);
    QCOMPARE(main.outputs.snd1Alarm, 0.2);
    QCOMPARE(main.outputs.snd1Idle, 0.01);
    QCOMPARE(main.outputs.snd2Alarm, 0.0125);
    QCOMPARE(main.outputs.snd2Idle, 0.0);

    QCOMPARE(data.expansionBoxes.size(), 2);
    const Report::PanelInfo &first = data.expansionBoxes.at(0);
    const Report::PanelInfo &second = data.expansionBoxes.at(1);
    QCOMPARE(first.model, QStringLiteral("TXE 2"));
    QCOMPARE(first.internalBattery, QStringLiteral("TVB 12-17"));
    QCOMPARE(first.loops.size(), 2);
    QCOMPARE(first.batteryDegradation, 0);
    QCOMPARE(second.internalBattery, QStringLiteral("TVB 12-7"));
    QCOMPARE(second.cards, QStringList{"VRAL-2"});
    QCOMPARE(second.loops.size(), 4);
    QCOMPARE(second.loops.at(1).topologyCode, QStringLiteral("B"));
    QCOMPARE(second.idleTime, QStringLiteral("4 h"));
    for (const Report::PanelInfo &box : data.expansionBoxes) {
        QCOMPARE(box.outputs.aux24VIdle + box.outputs.aux24VAlarm + box.outputs.snd1Idle +
                     box.outputs.snd1Alarm + box.outputs.snd2Idle + box.outputs.snd2Alarm,
                 0.0);
        QCOMPARE(box.loopCurrents.size(), box.loops.size());
    }
}

void TestReportBuilder::informationAndDate()
{
    const ReportInformation information{"Mall", "Main St 1", "Acme", "P-17", "B", "J. Ray"};
    const Report::ReportData data = Report::reportData(DesignEvaluation::evaluate(fullDesign(), catalogue),
                                                       information, QDate(2026, 1, 2));
    QCOMPARE((QStringList{data.facility, data.address, data.installer, data.projectReference, data.revision,
                          data.preparedBy}),
             (QStringList{"Mall", "Main St 1", "Acme", "P-17", "B", "J. Ray"}));
    QCOMPARE(data.date, QDate(2026, 1, 2));
    const QString html = Report::composeReportHtml(data, catalogue);
    QVERIFY(html.contains(QStringLiteral("2 January 2026")));
    const Report::DocumentInfo info = Report::documentInfo(data);
    QCOMPARE(info.title, QStringLiteral("P-17 - Revision B"));
    QCOMPARE(info.author, QStringLiteral("J. Ray"));
}

void TestReportBuilder::faultsReachTheAnalysis()
{
    const DesignEvaluation design = DesignEvaluation::evaluate(faultyDesign(), catalogue);
    const Report::ReportData data = Report::reportData(design, {}, QDate::currentDate());
    QVERIFY(!data.mainPanel.powerNotes.isEmpty()); // no battery
    QVERIFY(!data.mainPanel.loops.at(0).faultText.isEmpty());
    QVERIFY(!data.mainPanel.loops.at(1).faultText.isEmpty());
    QVERIFY(data.mainPanel.loops.at(2).faultText.isEmpty());
    QVERIFY(!data.mainPanel.loops.at(0).degradedModeOk);

    const QString html = Report::composeReportHtml(data, catalogue);
    QVERIFY(html.contains(QStringLiteral("<h2>System Faults & Notes Analysis</h2>")));
    QVERIFY(html.contains(QStringLiteral("SYSTEM FAULTS DETECTED")));
    // Each loop's block holds a fault box only when the loop has a fault.
    const auto block = [&html](int loop) {
        const int from = html.indexOf(QStringLiteral("<h3>Loop %1 Analysis</h3>").arg(loop));
        return from < 0 ? QString() : html.mid(from, html.indexOf(QStringLiteral("<h3>"), from + 4) - from);
    };
    QVERIFY(block(1).contains(QStringLiteral("LOOP FAULTS DETECTED")));
    QVERIFY(block(2).contains(QStringLiteral("LOOP FAULTS DETECTED")));
    QVERIFY(!block(3).contains(QStringLiteral("LOOP FAULTS DETECTED")));
    QVERIFY(html.contains(QStringLiteral("TOPOLOGY WARNING")));
}

void TestReportBuilder::writesTheReport()
{
    // Overwrites a file that is already there, and leaves nothing else behind.
    QTemporaryDir folder;
    const QString path = folder.filePath("full.pdf");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    const ReportInformation information{"<b>& Mall (north)", "Main St 1", "Acme",
                                        "P-17 Ñandú",        "B",         "J. O'Ray"};
    QVERIFY(Report::writeDesignReport(path, DesignEvaluation::evaluate(fullDesign(), catalogue), catalogue,
                                      information));
    QVERIFY(bytesOf(path).startsWith("%PDF"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"full.pdf"});
    if (!havePoppler())
        QSKIP("poppler's tools are not installed");

    const QString info = pdfInfo(path);
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+P-17 Ñandú - Revision B\\n"))),
             qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Author:\\s+J\\. O'Ray\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral(
                 "Subject:\\s+Fire Alarm System Configuration & Analysis: <b>& Mall \\(north\\)\\n"))),
             qPrintable(info));
    QVERIFY(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Kalvix\\n"))));

    // Title page, panel, six main loops, two boxes with 2 + 4 loops and the
    // summary each start a page; the analysis and the summary may run longer.
    const int pages = pdfPages(path);
    QVERIFY2(pages >= 1 + 1 + 6 + 2 + 6 + 1, qPrintable(QString::number(pages)));
    const QString text = pdfText(path);
    QVERIFY(text.contains(QStringLiteral("Facility: <b>& Mall (north)")));
    QVERIFY(text.contains(QStringLiteral("Project reference: P-17 Ñandú")));
    QVERIFY(text.contains(QStringLiteral("Prepared by: J. O'Ray")));
    QVERIFY(text.contains(QStringLiteral("Expansion Box 2 - Loop 4 Analysis")));
    // Every page carries its footer, numbered against the real page count.
    for (int p = 1; p <= pages; ++p)
        QVERIFY2(
            text.contains(QRegularExpression(QStringLiteral("Kalvix[^\\n]*\\s+%1\\s*/\\s*%2\\b").arg(p).arg(pages))),
            qPrintable(QString::number(p)));
}

void TestReportBuilder::onePageHasItsFooter()
{
    const QString path = dir.filePath("one.pdf");
    QVERIFY(writeReportPdf(path, QStringLiteral("<html><body><p>Short</p></body></html>")));
    QVERIFY(bytesOf(path).startsWith("%PDF"));
    QCOMPARE(pdfPages(path), 1);
    const QString text = pdfText(path);
    if (!text.isEmpty())
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Kalvix\\s+1\\s*/\\s*1\\b"))),
                 qPrintable(text));
}

void TestReportBuilder::unwritablePlaceFails()
{
    const QString path = dir.filePath("missing/folder/report.pdf");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write file:"));
    QVERIFY(!writeReportPdf(path, QStringLiteral("<p>x</p>")));
    QVERIFY(!QFile::exists(path));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write file:"));
    QVERIFY(
        !Report::writeDesignReport(path, DesignEvaluation::evaluate(fullDesign(), catalogue), catalogue, {}));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestReportBuilder)
#include "tst_reportbuilder.moc"
