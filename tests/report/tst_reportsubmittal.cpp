#include "../setup/setupfixtures.h"
#include "bench/common/largestdesign.h"
#include "reportreadback.h"

#include "catalogue/datapackinfo.h"
#include "design/design.h"
#include "design/designfile.h"
#include "loop/schedulerules.h"
#include "design/designevaluation.h"
#include "report/reportbuilder.h"
#include "report/reportpdf.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QTextDocument>
#include <QtTest>

namespace
{

QStringList panelLine(const QString &internal)
{
    return {"TXP 816", internal, "0", "0", "0", "0", "0", "0", "", "-", "-", "-", "-", "20", "100", "30 h", "30 min"};
}

// A TXP 816 on its largest battery with two light loops: within every limit.
SetupFile::SetupData soundDesign()
{
    SetupFile::SetupData d;
    d.panel = panelLine("TVB 12-38");
    d.loops = {loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0, {{"OD-210", 10}, {"CP-300", 2}}),
               loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0, {{"HD-220", 5}}),
               loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0), loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0)};
    return d;
}

// The cover as plain text: everything before the first page break.
QString coverText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html.left(html.indexOf(QStringLiteral("<div class='page-break'>"))) +
                     QStringLiteral("</body></html>"));
    return document.toPlainText().simplified();
}

// The full design with loops 1 and 3 of the main panel and loop 2 of its
// first box scheduled from their quantities.
Design scheduledDesign(const Catalogue &catalogue)
{
    Design design = Design::fromSetupData(fullDesign());
    const auto schedule = [&](SystemDesign &system, int loop) {
        const LoopConfig &config = system.loops.at(loop);
        system.schedules.insert(loop, ScheduleRules::fromQuantities(
                                          config, ScheduleRules::records(LoopCalc::resolveDevices(config.devices, catalogue))));
    };
    schedule(design.main, 0);
    schedule(design.main, 2);
    schedule(design.boxes[0], 1);
    return design;
}

Report::ReportData dataOf(const Design &design, const Catalogue &catalogue, const ReportInformation &info = {})
{
    return Report::reportData(design, DesignEvaluation::evaluate(design, catalogue), info, QDate(2026, 3, 4));
}

} // namespace

Q_DECLARE_METATYPE(Design)

class TestReportSubmittal : public QObject
{
    Q_OBJECT

private slots:
    void verdictOnTheCover_data();
    void verdictOnTheCover();
    void projectInformationOfTheDesign();
    void revisionsAndBasisOfDesign();
    void loopPageShowsResultsAndSchedulePlace();
    void scheduledLoopShowsItsProfile();
    void cableScheduleAndOutputCurrents();
    void billOfMaterialsRows();
    void spanishCover();
    void packIdentity_data();
    void packIdentity();
    void footerOnEveryPageOfTheLargestDesign();

private:
    Catalogue catalogue{demoData()};
};

void TestReportSubmittal::verdictOnTheCover_data()
{
    QTest::addColumn<Design>("design");
    QTest::addColumn<QStringList>("faults");

    QTest::newRow("sound") << Design::fromSetupData(soundDesign()) << QStringList();

    SetupFile::SetupData loopFault = soundDesign();
    loopFault.loops[1] = loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0, {{"OD-210", 250}, {"HD-220", 10}});
    QTest::newRow("loop fault") << Design::fromSetupData(loopFault) << QStringList{"Main panel: Loop 2"};

    // A box without any battery: the box's battery is at fault, and the
    // main panel, which only lists its boxes, is not.
    SetupFile::SetupData boxFault = soundDesign();
    boxFault.panel[8] = "ZEP-NET";
    SetupFile::ExpansionBoxConfig box;
    box.panel = QStringList{"TXE 2", "-", "", "-", "-", "-", "-", "0", "100", "72 h", "30 min"};
    box.loops = {loop("2,5 mm2 (14 AWG)", "A", 100, 600, 0, 0, {{"OD-210", 5}}),
                 loop("2,5 mm2 (14 AWG)", "A", 100, 600, 0, 0)};
    boxFault.boxes = {box};
    QTest::newRow("box fault") << Design::fromSetupData(boxFault) << QStringList{"Expansion Box 1: battery"};
}

void TestReportSubmittal::verdictOnTheCover()
{
    QFETCH(Design, design);
    QFETCH(QStringList, faults);
    const DesignEvaluation evaluation = DesignEvaluation::evaluate(design, catalogue);
    const Report::ReportData data = Report::reportData(design, evaluation, {}, QDate(2026, 3, 4));
    QVERIFY2(Report::verdictOf(data).faults == faults, qPrintable(Report::verdictOf(data).faults.join("|")));
    QCOMPARE(Report::verdictOf(data).pass(), !evaluation.hasFault());

    const QString cover = coverText(Report::composeReportHtml(data, catalogue));
    QVERIFY2(cover.contains(QStringLiteral("Overall verdict")), qPrintable(cover));
    if (faults.isEmpty()) {
        QVERIFY2(cover.contains(QStringLiteral("Overall verdict PASS No faults")), qPrintable(cover));
        QVERIFY(!cover.contains(QStringLiteral("FAULT")));
    } else {
        const QString expected = QStringLiteral("Overall verdict FAULT 1 fault: ") + faults.join(" ");
        QVERIFY2(cover.contains(expected), qPrintable(cover));
        QVERIFY(!cover.contains(QStringLiteral("PASS")));
    }
}

void TestReportSubmittal::projectInformationOfTheDesign()
{
    Design design = Design::fromSetupData(soundDesign());
    const ReportInformation typed{"Typed facility", "Typed address", "Typed installer", "", "", ""};
    // Without project information the typed fields are the report's.
    Report::ReportData data = dataOf(design, catalogue, typed);
    QCOMPARE(data.facility, QStringLiteral("Typed facility"));
    QVERIFY(data.checkedBy.isEmpty());

    ProjectInfo project;
    project.reference = "P-204";
    project.revision = "C";
    project.facility = "North Mall";
    project.preparedBy = "A. Díaz";
    project.checkedBy = "B. Ng";
    project.dateOfIssue = "2026-03-01";
    design.project = project;
    data = dataOf(design, catalogue, typed);
    QCOMPARE(data.facility, QStringLiteral("North Mall"));
    QCOMPARE(data.address, QStringLiteral("Typed address")); // left open by the design
    QCOMPARE(data.projectReference, QStringLiteral("P-204"));
    QCOMPARE(data.checkedBy, QStringLiteral("B. Ng"));

    const QString cover = coverText(Report::composeReportHtml(data, catalogue));
    for (const char *text : {"Facility: North Mall", "Project reference: P-204", "Revision: C",
                             "Date of issue: 2026-03-01", "Generated on: 4 March 2026"})
        QVERIFY2(cover.contains(QString::fromUtf8(text)), qPrintable(cover));
    // Sign-off: who prepared and checked it, with the date of issue; approval left to sign.
    QVERIFY2(cover.contains(QStringLiteral("Name Signature Date Prepared A. Díaz 2026-03-01 Checked B. Ng 2026-03-01 "
                                           "Approved")),
             qPrintable(cover));
    QCOMPARE(Report::documentInfo(data).footer, QStringLiteral("Kalvix – P-204 – Revision C"));
    QCOMPARE(Report::documentInfo(Report::ReportData()).footer, QStringLiteral("Kalvix"));
}

void TestReportSubmittal::revisionsAndBasisOfDesign()
{
    Design design = Design::fromSetupData(fullDesign());
    design.boxes[0].batteryMethod = BatteryMethod::En54Part14;
    design.main.schedules.insert(1, LoopSchedule{});
    design.boxes[1].schedules.insert(0, LoopSchedule{});
    design.boxes[1].schedules.insert(2, LoopSchedule{});
    Report::ReportData data = dataOf(design, catalogue);
    QString html = Report::composeRevisionsAndBasis(data);
    QVERIFY(html.contains(QStringLiteral("No revisions recorded.")));
    QVERIFY(html.contains(QStringLiteral("EN 54-2 and EN 54-4")));
    QVERIFY(html.contains(QStringLiteral(
        "Battery capacity: Main panel: the maker's method; Expansion Box 1: EN 54-14; Expansion Box 2: the "
        "maker's method.")));
    QVERIFY(html.contains(QStringLiteral("from each loop's device schedule: Main panel: Loop 2; Expansion Box 2: Loops 1, 3.")));

    ProjectInfo project;
    project.revisions = {{"A", "2026-01-10", "First issue", "A. Díaz"}, {"B", "2026-02-02", "<Loop 3> moved", "B. Ng"}};
    design.project = project;
    design.main.schedules.clear();
    design.boxes[1].schedules.clear();
    data = dataOf(design, catalogue);
    html = Report::composeRevisionsAndBasis(data);
    QCOMPARE(rowCells(html, "Revision History", "B"),
             (QStringList{"B", "2026-02-02", "&lt;Loop 3&gt; moved", "B. Ng"}));
    QVERIFY(html.contains(QStringLiteral("Device-level check: not used")));
    // The section sits between the cover and the analysis.
    const QString report = Report::composeReportHtml(data, catalogue);
    QVERIFY(report.indexOf("Overall verdict") < report.indexOf("Revision History"));
    QVERIFY(report.indexOf("Basis of Design") < report.indexOf("Panel Configuration"));
}

void TestReportSubmittal::loopPageShowsResultsAndSchedulePlace()
{
    SetupFile::SetupData setup = soundDesign();
    setup.loops[1] = loop("0,5 mm2 (21 AWG)", "A", 100, 2500, 0, 0, {{"OD-210", 250}, {"SD-500 (loop)", 60}});
    Report::ReportData data = dataOf(Design::fromSetupData(setup), catalogue);
    const Report::LoopInfo &faulty = data.mainPanel.loops.at(1);
    data.mainPanel.loops[0].scheduleTable = QStringLiteral("SCHEDULE-OF-LOOP-1");
    const QString html = Report::composeReportHtml(data, catalogue);

    const QString loop2 = html.mid(html.indexOf("<h1>Loop 2 - Configuration</h1>"));
    const QStringList addresses = rowCells(loop2, "Loop Results", "Addresses");
    QCOMPARE(addresses.value(1), QString::number(faulty.figures.addresses));
    QCOMPARE(addresses.value(2), QString::number(faulty.limits.maxAddresses));
    const QStringList drop = rowCells(loop2, "Loop Results", "Voltage drop");
    QCOMPARE(drop.value(1), QString::number(faulty.figures.voltageDrop, 'f', 7) + " V");
    QCOMPARE(drop.value(2), QString::number(faulty.figures.maxVoltageDrop, 'f', 7) + " V");
    QCOMPARE(rowCells(loop2, "Loop Results", "Verdict").value(1), QStringLiteral("FAULT"));
    QCOMPARE(rowCells(html.mid(html.indexOf("<h1>Loop 1 - Configuration</h1>")), "Loop Results", "Verdict").value(1),
             QStringLiteral("OK"));
    // The schedule's place closes its own loop's page and no other.
    const QString place = Report::tablePlace(QStringLiteral("SCHEDULE-OF-LOOP-1"));
    const int schedule = html.indexOf(place);
    QVERIFY(schedule > html.indexOf("<h1>Loop 1 - Configuration</h1>"));
    QVERIFY(schedule < html.indexOf("<h1>Loop 2 - Configuration</h1>"));
    QCOMPARE(html.count(place), 1);
    QCOMPARE(html.count("SCHEDULE-OF-LOOP"), 1);
}

void TestReportSubmittal::scheduledLoopShowsItsProfile()
{
    const Design design = scheduledDesign(catalogue);
    const Report::ReportData data = dataOf(design, catalogue);
    const QString html = Report::composeReportHtml(data, catalogue);
    // Each scheduled loop's page holds its own profile, above its schedule;
    // a loop without a schedule has neither.
    const QStringList pages = html.split(QStringLiteral("<div class='page-break'></div>"));
    const auto pageOf = [&](const QString &heading) {
        for (const QString &page : pages)
            if (page.contains(heading))
                return page;
        return QString();
    };
    const QStringList names{"profile-0-1", "profile-0-3", "profile-1-2"};
    const QStringList headings{"<h1>Loop 1 - Configuration</h1>", "<h1>Loop 3 - Configuration</h1>",
                               "<h1>Expansion Box 1 - Loop 2 - Configuration</h1>"};
    const QMap<QString, QImage> pictures = Report::profilePictures(data);
    QCOMPARE(pictures.keys(), names);
    for (int i = 0; i < names.size(); ++i) {
        const QString page = pageOf(headings[i]);
        const int picture = page.indexOf(QStringLiteral("<img src='%1'").arg(names[i]));
        QVERIFY2(picture > 0, qPrintable(headings[i]));
        QVERIFY(page.indexOf(Report::tablePlace(QString(names[i]).replace("profile", "schedule"))) > picture);
        QCOMPARE(pictures.value(names[i]).size(), Report::ProfileSize * Report::ProfileScale);
    }
    QCOMPARE(html.count(QStringLiteral("<img src='profile-")), names.size());
    QVERIFY(!pageOf(QStringLiteral("<h1>Loop 2 - Configuration</h1>")).contains(QStringLiteral("Voltage Profile")));

    // In the PDF: one embedded picture of the profile's size per scheduled loop.
    if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
        QSKIP("poppler's pdfimages is not installed");
    QTemporaryDir dir;
    const QString keep = qEnvironmentVariable("KALVIX_KEEP_SCHEDULED_REPORT");
    const QString path = keep.isEmpty() ? dir.filePath("scheduled.pdf") : keep;
    QVERIFY(Report::writeDesignReport(path, design, DesignEvaluation::evaluate(design, catalogue), catalogue, {}));
    QProcess tool;
    tool.start(QStringLiteral("pdfimages"), {"-list", path});
    QVERIFY(tool.waitForFinished(30000));
    const QSize size = Report::ProfileSize * Report::ProfileScale;
    const QRegularExpression profile(QStringLiteral("^\\s*\\d+\\s+\\d+\\s+image\\s+%1\\s+%2\\s")
                                         .arg(size.width())
                                         .arg(size.height()));
    int found = 0;
    for (const QString &line : QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\n')))
        found += profile.match(line).hasMatch();
    QCOMPARE(found, names.size());
}

void TestReportSubmittal::cableScheduleAndOutputCurrents()
{
    const Report::ReportData data = dataOf(Design::fromSetupData(fullDesign()), catalogue);
    const QString html = Report::composeReportHtml(data, catalogue);
    const QString schedule = html.mid(html.indexOf("<h1>Cable Schedule</h1>"));
    // Main loop 2: 1.5 mm2, 800 m, leads 100 / 150 m, degraded mode.
    QStringList row = rowCells(schedule, "Cable Schedule", "Main panel");
    QCOMPARE(row.mid(1, 7), (QStringList{"1", "2,5 mm2 (14 AWG)", "2.5", "1000", "0", "0", row.value(7)}));
    const QRegularExpression loop2(QStringLiteral(
        "<td[^>]*>Main panel</td><td[^>]*>2</td><td[^>]*>1,5 mm2 \\(16 AWG\\)</td><td[^>]*>1.5</td>"
        "<td[^>]*>800</td><td[^>]*>100</td><td[^>]*>150</td><td[^>]*>([0-9.]+)</td><td[^>]*>Degraded mode</td>"));
    const QRegularExpressionMatch match = loop2.match(schedule);
    QVERIFY(match.hasMatch());
    // The resistance the voltage drop of that loop uses.
    const LoopConfig second = fullDesign().loops.at(1);
    const double resistance = LoopCalc::loopResistance(
        second.topology,
        LoopCalc::circuit(second, LoopCalc::resolveDevices(second.devices, catalogue), catalogue));
    QCOMPARE(match.captured(1), QString::number(resistance, 'f', 2));
    QVERIFY(resistance > 2 * 0.0172 * 150 / 1.5);
    QVERIFY(schedule.contains(QRegularExpression("<td[^>]*>Box 2</td><td[^>]*>4</td>")));

    // The main panel's page lists the outputs as set (24 V: 0.05 A idle, 0.1 A in alarm ...).
    const QString panel = html.mid(html.indexOf("Panel Configuration"));
    QCOMPARE(rowCells(panel, "Output Currents", "24 V auxiliary output"),
             (QStringList{"24 V auxiliary output", "0.0500000 A", "0.1000000 A"}));
    QCOMPARE(rowCells(panel, "Output Currents", "Sounder output 1"),
             (QStringList{"Sounder output 1", "0.0100000 A", "0.2000000 A"}));
}

void TestReportSubmittal::billOfMaterialsRows()
{
    const Report::ReportData data = dataOf(Design::fromSetupData(fullDesign()), catalogue);
    const QVector<Report::MaterialCategory> bom = Report::billOfMaterials(data, catalogue);
    QStringList titles;
    for (const auto &category : bom)
        titles << category.title;
    QCOMPARE(titles, (QStringList{"PANEL", "AUXILIARY CARDS", "EXTERNAL POWER SOURCES", "BATTERIES",
                                  "EXPANSION BOXES", "LOOP DEVICES", "CABLES"}));
    const auto find = [&bom](const QString &title, const QString &item, const QString &description = QString()) {
        for (const auto &category : bom)
            if (category.title == title)
                for (const auto &row : category.rows)
                    if (row.item == item && (description.isEmpty() || row.description.startsWith(description)))
                        return row;
        return Report::MaterialRow();
    };
    using Q = QVector<qint64>;
    // Per panel and box, then the total.
    QCOMPARE(find("PANEL", "TXP 816").perSystem, (Q{1, 0, 0}));
    QCOMPARE(find("EXPANSION BOXES", "TXE 2").perSystem, (Q{0, 1, 1}));
    QCOMPARE(find("EXPANSION BOXES", "TXE 2").total, 2);
    QCOMPARE(find("AUXILIARY CARDS", "VRAL-2").perSystem, (Q{1, 0, 1}));
    QCOMPARE(find("AUXILIARY CARDS", "ZEP-NET").total, 1);
    // Batteries: the internal ones of all three and the source's additional one.
    QCOMPARE(find("BATTERIES", "TVB 12-26", "Internal").perSystem, (Q{1, 0, 0}));
    QCOMPARE(find("BATTERIES", "TVB 12-26", "External").perSystem, (Q{1, 0, 0}));
    QCOMPARE(find("BATTERIES", "TVB 12-17").perSystem, (Q{0, 1, 0}));
    QCOMPARE(find("BATTERIES", "TVB 12-7").perSystem, (Q{0, 0, 1}));
    QCOMPARE(find("EXTERNAL POWER SOURCES", "KSP900 EN").total, 1);
    // A device in two main loops and a box: its quantities summed per panel.
    QCOMPARE(find("LOOP DEVICES", "OD-210").perSystem, (Q{40, 5, 0}));
    QCOMPARE(find("LOOP DEVICES", "OD-210").total, 45);
    // A device says what kind it is in the device tree's words; other items do not.
    QCOMPARE(find("LOOP DEVICES", "OD-210").kind, QStringLiteral("Detectors, Optical smoke"));
    QCOMPARE(find("LOOP DEVICES", "CP-300").kind, QStringLiteral("Manual call points"));
    QVERIFY(find("PANEL", "TXP 816").kind.isEmpty());
    // Cable per type in metres, only for loops with devices.
    const Report::MaterialRow cable = find("CABLES", "2,5 mm2 (14 AWG)");
    QCOMPARE(cable.perSystem, (Q{2000, 600, 1000}));
    QCOMPARE(cable.unit, QStringLiteral(" m"));

    // The table: one row per item, the category titles spanning it.
    const QString html = Report::composeEquipmentSummary(data, catalogue);
    QVERIFY(html.contains("<h1>Equipment Summary List</h1>"));
    QCOMPARE(rowCells(html, "Equipment Summary List", "").mid(1),
             (QStringList{"TXP 816", "Fire Alarm Control Panel - Main control unit", "1", "", "", "1"}));
    QCOMPARE(rowCells(html, "LOOP DEVICES", "").mid(1, 1), QStringList{"CP-300"});
    QVERIFY(rowCells(html, "LOOP DEVICES", "").value(2).endsWith(QStringLiteral(" Manual call points")));
    QVERIFY(html.contains(QRegularExpression("<td[^>]*>2000 m</td><td[^>]*>600 m</td><td[^>]*>1000 m</td>"
                                             "<td[^>]*>3600 m</td>")));
}

void TestReportSubmittal::spanishCover()
{
    Q_INIT_RESOURCE(translations);
    QTranslator spanish;
    QVERIFY(spanish.load(QStringLiteral(":/translations/Kalvix_es.qm")));
    QCoreApplication::installTranslator(&spanish);
    const Design design = Design::fromSetupData(soundDesign());
    const QString cover = coverText(Report::composeReportHtml(dataOf(design, catalogue), catalogue));
    const QString date = Report::reportDate(QDate(2026, 3, 4));
    QString kinds;
    for (const Report::MaterialCategory &category : Report::billOfMaterials(dataOf(design, catalogue), catalogue))
        for (const Report::MaterialRow &row : category.rows)
            kinds += row.kind + QLatin1Char('|');
    QCoreApplication::removeTranslator(&spanish);
    // The devices' kinds in the device tree's Spanish words.
    QVERIFY2(kinds.contains(QStringLiteral("Detectores, Humo óptico|")), qPrintable(kinds));
    QVERIFY2(kinds.contains(QStringLiteral("Pulsadores manuales|")), qPrintable(kinds));
    QCOMPARE(date, QStringLiteral("4 de marzo de 2026"));
    QVERIFY2(cover.contains(QStringLiteral("Resultado global CORRECTO Sin averías")), qPrintable(cover));
    QVERIFY2(cover.contains(QStringLiteral("4 de marzo de 2026")), qPrintable(cover));
    QVERIFY2(cover.contains(QStringLiteral("Nombre Firma Fecha Elaborado")), qPrintable(cover));
    // Back in English once the translation is gone.
    QCOMPARE(Report::reportDate(QDate(2026, 3, 4)), QStringLiteral("4 March 2026"));
}

void TestReportSubmittal::packIdentity_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("formatVersion");
    QTest::newRow("described") << QByteArray("Version;2.0;;\nDemo range 2026;;;\nPanel;;\n") << "Demo range 2026"
                               << "2.0" << "2.0";
    // The third cell of the version line is the pack's own version.
    QTest::newRow("pack version") << QByteArray("Version;2.0;2026.3\nRange;;\n") << "Range" << "2026.3" << "2.0";
    // A section title is data, not a description.
    QTest::newRow("no description") << QByteArray("Version;2.0\nPanel;;\nName;x\n") << "catalogue_v7" << "2.0"
                                    << "2.0";
    QTest::newRow("empty line") << QByteArray("Version;2.0\n;;;\n") << "catalogue_v7" << "2.0" << "2.0";
}

void TestReportSubmittal::packIdentity()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, name);
    QFETCH(QString, version);
    QFETCH(QString, formatVersion);
    const DataPackInfo identity = DataPackInfo::fromData(data, QStringLiteral("catalogue_v7.csv"));
    QCOMPARE(identity.name, name);
    QCOMPARE(identity.version, version);
    QCOMPARE(identity.formatVersion, formatVersion);
    QCOMPARE(identity.file, QStringLiteral("catalogue_v7.csv"));
    QCOMPARE(identity.sha256.size(), 64);
    QCOMPARE(identity.fingerprint(), identity.sha256.left(12));
    QVERIFY(identity.versionText().startsWith(version + QStringLiteral(", SHA-256 ")));
    // One changed byte is another pack.
    QVERIFY(DataPackInfo::fromData(data + ' ', QString()).fingerprint() != identity.fingerprint());

    // The installed file reads the same as its bytes; no file, no identity.
    QTemporaryDir folder;
    QVERIFY(DataPackInfo::installed(folder.path()).isEmpty());
    QFile file(folder.filePath(QStringLiteral("catalogue_v7.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
    file.close();
    const DataPackInfo installed = DataPackInfo::installed(folder.path());
    QCOMPARE(installed.name, identity.name);
    QCOMPARE(installed.version, identity.version);
    QCOMPARE(installed.sha256, identity.sha256);
}

void TestReportSubmittal::footerOnEveryPageOfTheLargestDesign()
{
    if (!havePoppler())
        QSKIP("poppler's tools are not installed");
    Design design = Design::fromSetupData(BenchDesign::largestDesign(catalogue));
    ProjectInfo project;
    project.reference = "P-9000";
    project.revision = "D";
    design.project = project;
    QTemporaryDir dir;
    const QString keep = qEnvironmentVariable("KALVIX_KEEP_REPORT");
    const QString path = keep.isEmpty() ? dir.filePath("largest.pdf") : keep;
    QVERIFY(Report::writeDesignReport(path, design, DesignEvaluation::evaluate(design, catalogue), catalogue, {}));
    const int pages = pdfPages(path);
    QVERIFY(pages > 30);
    // A section's continuation pages open with its heading, marked as
    // continued; every other page after the cover opens with a heading of
    // its own.
    QString section;
    int continued = 0;
    for (int p = 1; p <= pages; ++p) {
        QProcess tool;
        tool.start(QStringLiteral("pdftotext"), {"-f", QString::number(p), "-l", QString::number(p), path, "-"});
        QVERIFY(tool.waitForFinished(30000));
        const QString text = QString::fromUtf8(tool.readAllStandardOutput());
        const QString first = text.trimmed().section(QLatin1Char('\n'), 0, 0).simplified();
        if (p > 1 && first.endsWith(QStringLiteral(" (continued)"))) {
            // The text reader joins a heading wrapped after a dash.
            const QRegularExpression dashes(QStringLiteral("[\\s-]"));
            QCOMPARE(first.chopped(12).remove(dashes), QString(section).remove(dashes));
            ++continued;
        } else if (p > 1) {
            section = first;
        }
        // The footer's two ends, wherever the text extraction puts them.
        QVERIFY2(text.contains(QStringLiteral("Kalvix – P-9000 – Revision D")) &&
                     text.contains(QRegularExpression(QStringLiteral("\\b%1 / %2\\b").arg(p).arg(pages))),
                 qPrintable(QStringLiteral("page %1: %2").arg(p).arg(text.right(200))));
    }
    // The analysis, the cable schedule and the equipment summary run long.
    QVERIFY2(continued >= 10, qPrintable(QString::number(continued)));
    // Each loop's note paragraphs are read once: a paragraph broken by a
    // page is not written again, hidden, at the head of the next page.
    const QString html = Report::composeReportHtml(dataOf(design, catalogue), catalogue);
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {path, "-"});
    QVERIFY(tool.waitForFinished(30000));
    const QString all = QString::fromUtf8(tool.readAllStandardOutput());
    for (const QString &word : {QStringLiteral("discouraged"), QStringLiteral("REQUIREMENT:"),
                                QStringLiteral("redistributing"), QStringLiteral("CRITICAL:")}) {
        QVERIFY2(html.count(word) > 0, qPrintable(word));
        QCOMPARE(all.count(word), html.count(word));
    }
}

QTEST_MAIN(TestReportSubmittal)
#include "tst_reportsubmittal.moc"
