#include "../setup/setupfixtures.h"

#include "catalogue/displayformat.h"

#include "design/comparisontext.h"
#include "design/designcomparison.h"
#include "design/designfile.h"

#include <QTemporaryDir>
#include <QtTest>

using Kind = DesignDifference::Kind;
Q_DECLARE_METATYPE(DesignDifference::Kind)

namespace
{

// The full demo design with the optional data a resubmittal carries: a
// project with one revision row and a schedule on the main panel's loop 2
// (10 HD-220 and 2 ZM-401 between 100 m and 650 m of its 800 m).
Design revisionA()
{
    Design design = Design::fromSetupData(fullDesign());
    ProjectInfo project;
    project.reference = "P-100";
    project.revision = "A";
    project.facility = "Depot";
    project.revisions = {{"A", "2026-01-10", "First issue", "JD"}};
    design.project = project;
    LoopSchedule schedule;
    for (int i = 0; i < 12; ++i) {
        const QString device = i < 10 ? "HD-220" : "ZM-401";
        schedule.units.append(
            {100 + 50 * i, device, QString::number(i + 1), "Z1", QStringLiteral("Room %1").arg(i)});
    }
    design.main.schedules.insert(1, schedule);
    return design;
}

// The differences the user made, leaving out the figures and verdicts that follow.
QVector<DesignDifference> edits(const DesignComparison &comparison)
{
    QVector<DesignDifference> result;
    for (const DesignDifference &d : comparison.differences) {
        if (d.kind != Kind::Figure && d.kind != Kind::Verdict)
            result.append(d);
    }
    return result;
}

QString listed(const DesignComparison &comparison)
{
    QStringList lines;
    for (const DesignDifference &d : comparison.differences)
        lines << ComparisonText::placeTitle(d) + ": " + ComparisonText::describe(d);
    return lines.join('\n');
}

} // namespace

class TestDesignComparison : public QObject
{
    Q_OBJECT
private slots:
    void oneChangeNamedOnce_data();
    void oneChangeNamedOnce();
    void sameDesignComparesEqual();
    void equalAfterSaveAndReopen();
    void equalAsFormat20And21();
    void verdictToFaultComesFirst();
    void figuresCarryTheirMargins();
    void boxesMatchedByModelAndPlace();
    void unitsMatchedByDeviceAddressAndLocation_data();
    void unitsMatchedByDeviceAddressAndLocation();
    void reportSectionNamesTheRevision();

private:
    Catalogue catalogue{demoData()};
};

void TestDesignComparison::oneChangeNamedOnce_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("system");
    QTest::addColumn<int>("loop");
    QTest::addColumn<QString>("oldValue");
    QTest::addColumn<QString>("newValue");

    QTest::newRow("a quantity") << "quantity" << Kind::Quantity << "OD-210" << -1 << 0 << "40"
                                << "41";
    QTest::newRow("a device added") << "device" << Kind::DeviceAdded << "CP-300" << -1 << 2 << ""
                                    << "3";
    QTest::newRow("a device removed") << "device gone" << Kind::DeviceRemoved << "IOM-424" << -1 << 5 << "1"
                                      << "";
    QTest::newRow("a loop's cable") << "cable" << Kind::Setting << "cableType" << -1 << 2
                                    << "2,5 mm2 (14 AWG)"
                                    << "4 mm2 (12 AWG)";
    QTest::newRow("a box's battery") << "box battery" << Kind::Setting << "internalBattery" << 1 << -1
                                     << "TVB 12-7"
                                     << "TVB 12-17";
    QTest::newRow("a box removed") << "box" << Kind::BoxRemoved << "TXE 2" << 0 << -1 << "TXE 2"
                                   << "";
    QTest::newRow("a box removed, names moved up on reopening")
        << "box renamed" << Kind::BoxRemoved << "TXE 2" << 0 << -1 << "TXE 2"
        << "";
    QTest::newRow("a unit moved and readdressed")
        << "unit" << Kind::UnitChanged << "HD-220" << -1 << 1 << "150 | 2 | Z1 | Room 1"
        << "170 | 40 | Z1 | Room 1";
    QTest::newRow("the battery method")
        << "method" << Kind::BatteryMethod << "batteryMethod" << -1 << -1 << "Maker"
        << "BS 5839-1";
    QTest::newRow("a revision row") << "revision" << Kind::RevisionAdded << "B" << -1 << -1 << ""
                                    << "2026-02-01 | Cable sizes | JD";
    QTest::newRow("a project field") << "facility" << Kind::ProjectField << "facility" << -1 << -1 << "Depot"
                                     << "North depot";
}

void TestDesignComparison::oneChangeNamedOnce()
{
    QFETCH(QString, change);
    QFETCH(Kind, kind);
    QFETCH(QString, subject);
    QFETCH(int, system);
    QFETCH(int, loop);
    QFETCH(QString, oldValue);
    QFETCH(QString, newValue);

    const Design before = revisionA();
    Design after = before;
    if (change == "quantity") {
        after.main.loops[0].devices["OD-210"] = 41;
    } else if (change == "device") {
        after.main.loops[2].devices["CP-300"] = 3;
    } else if (change == "device gone") {
        after.main.loops[5].devices.remove("IOM-424");
    } else if (change == "cable") {
        after.main.loops[2].cableType = "4 mm2 (12 AWG)";
    } else if (change == "box battery") {
        after.boxes[1].config.internalBattery = "TVB 12-17";
    } else if (change == "box") {
        after.boxes.removeFirst();
    } else if (change == "box renamed") {
        after.boxes.removeFirst();
        after.boxes[0].name = "TXE 2";
    } else if (change == "unit") {
        ScheduleUnit &unit = after.main.schedules[1].units[1];
        unit.position = 170;
        unit.address = "40";
    } else if (change == "method") {
        after.main.batteryMethod = BatteryMethod::Bs5839;
    } else if (change == "revision") {
        after.project->revisions.append({"B", "2026-02-01", "Cable sizes", "JD"});
    } else if (change == "facility") {
        after.project->facility = "North depot";
    }

    const DesignComparison comparison = DesignComparison::compare(before, after, catalogue);
    const QVector<DesignDifference> found = edits(comparison);
    QVERIFY2(found.size() == 1, qPrintable(listed(comparison)));
    const DesignDifference &d = found.first();
    QCOMPARE(d.kind, kind);
    QCOMPARE(d.subject, subject);
    QCOMPARE(d.system, system);
    QCOMPARE(d.loop, loop);
    QCOMPARE(d.oldValue, oldValue);
    QCOMPARE(d.newValue, newValue);
    if (change == "unit")
        QCOMPARE(d.unitChanges, int(DesignDifference::Moved | DesignDifference::Readdressed));
    // The description names the subject itself.
    QVERIFY(ComparisonText::describe(d).contains(ComparisonText::subjectName(d)));

    // The other way round the same change reads backwards.
    const QVector<DesignDifference> back = edits(DesignComparison::compare(after, before, catalogue));
    QCOMPARE(back.size(), 1);
    QCOMPARE(back.first().subject, subject);
    if (kind != Kind::BoxRemoved && kind != Kind::RevisionAdded && kind != Kind::DeviceAdded &&
        kind != Kind::DeviceRemoved) {
        QCOMPARE(back.first().oldValue, newValue);
        QCOMPARE(back.first().newValue, oldValue);
    }
}

void TestDesignComparison::sameDesignComparesEqual()
{
    const Design design = revisionA();
    const DesignComparison comparison = DesignComparison::compare(design, design, catalogue);
    QVERIFY2(comparison.isEmpty(), qPrintable(listed(comparison)));
    QCOMPARE(comparison.boxes.size(), 2);
    QCOMPARE(comparison.boxes.at(1).oldBox, 1);
    QCOMPARE(comparison.boxes.at(1).newBox, 1);
}

void TestDesignComparison::equalAfterSaveAndReopen()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("design.csv");
    const Design design = revisionA();
    QVERIFY(DesignFile::write(file, design));
    Design reopened;
    QVERIFY(DesignFile::read(file, reopened, catalogue));
    const DesignComparison comparison = DesignComparison::compare(design, reopened, catalogue);
    QVERIFY2(comparison.isEmpty(), qPrintable(listed(comparison)));
}

void TestDesignComparison::equalAsFormat20And21()
{
    const Design design = Design::fromSetupData(fullDesign());
    const QString text20 = DesignFile::compose(design);
    QVERIFY(text20.startsWith("Setup format version:;2.0\n"));
    const QString text21 = replacedOnce(text20, "version:;2.0", "version:;2.1");
    Design read20;
    Design read21;
    QVERIFY(DesignFile::parse(text20, read20, catalogue));
    QVERIFY(DesignFile::parse(text21, read21, catalogue));
    const DesignComparison comparison = DesignComparison::compare(read20, read21, catalogue);
    QVERIFY2(comparison.isEmpty(), qPrintable(listed(comparison)));
    // An empty project is no project information to compare.
    read21.project = ProjectInfo();
    QVERIFY(DesignComparison::compare(read20, read21, catalogue).isEmpty());
}

void TestDesignComparison::verdictToFaultComesFirst()
{
    const Design before = revisionA();
    Design after = before;
    // Box 2's degraded loop 2 on thin cable gets far longer and far fuller:
    // its voltage drop goes over.
    after.boxes[1].loops[1].loopLength = 2500;
    after.boxes[1].loops[1].devices["SB-510 (loop)"] = 60;
    QVERIFY(!DesignEvaluation::evaluate(before, catalogue).boxes.at(1).loopResults.at(1).faults.voltageDrop);
    QVERIFY(DesignEvaluation::evaluate(after, catalogue).boxes.at(1).loopResults.at(1).faults.voltageDrop);
    const DesignComparison comparison = DesignComparison::compare(before, after, catalogue);
    QVERIFY(comparison.verdictCount() > 0);
    const DesignDifference &first = comparison.differences.first();
    QVERIFY2(first.worsened(), qPrintable(listed(comparison)));
    QCOMPARE(first.system, 1);
    QCOMPARE(first.oldValue, QString("OK"));
    QCOMPARE(first.newValue, QString("FAULT"));
    const auto drop = std::find_if(
        comparison.differences.cbegin(), comparison.differences.cend(),
        [](const DesignDifference &d) { return d.isVerdict() && d.loop == 1 && d.subject == "voltageDrop"; });
    QVERIFY(drop != comparison.differences.cend());
    QVERIFY(drop->worsened());
    QVERIFY(Display::figure(drop->newMargin) < 0);
    QVERIFY(Display::figure(drop->oldMargin) >= 0);
    // Every verdict before anything else, the worsened ones first.
    bool seenOther = false;
    bool seenImproved = false;
    for (const DesignDifference &d : comparison.differences) {
        if (!d.isVerdict())
            seenOther = true;
        else
            QVERIFY(!seenOther);
        if (d.isVerdict() && !d.worsened())
            seenImproved = true;
        else if (d.worsened())
            QVERIFY(!seenImproved);
    }
    // The reverse is an improvement, listed before the rest but not as a fault.
    const DesignComparison back = DesignComparison::compare(after, before, catalogue);
    QVERIFY(back.differences.first().isVerdict());
    QVERIFY(!back.differences.first().worsened());
    // Verdicts lead the groups as their own.
    const auto groups = ComparisonText::groups(comparison);
    QVERIFY(groups.first().verdicts);
    QCOMPARE(groups.first().differences.size(), comparison.verdictCount());
}

void TestDesignComparison::figuresCarryTheirMargins()
{
    const Design before = revisionA();
    Design after = before;
    after.main.loops[0].devices["OD-210"] = 41;
    const DesignComparison comparison = DesignComparison::compare(before, after, catalogue);
    const DesignEvaluation oldResult = DesignEvaluation::evaluate(before, catalogue);
    const DesignEvaluation newResult = DesignEvaluation::evaluate(after, catalogue);
    QHash<QString, DesignDifference> figures;
    for (const DesignDifference &d : comparison.differences) {
        if (d.kind == Kind::Figure)
            figures.insert(QString::number(d.loop) + d.subject, d);
    }
    // One more detector: one more address, one less to spare.
    const DesignDifference addresses = figures.value("0addresses");
    QCOMPARE(addresses.oldValue, oldResult.main.loopResults.at(0).addressesText());
    QCOMPARE(addresses.newValue, QString::number(addresses.oldValue.toInt() + 1));
    QCOMPARE(addresses.newMargin.toInt(), addresses.oldMargin.toInt() - 1);
    QCOMPARE(addresses.oldMargin.toInt(),
             oldResult.main.limits.maxAddresses - oldResult.main.loopResults.at(0).results.addresses);
    // The loop's alarm current margin is the maximum current less the alarm current.
    const DesignDifference alarm = figures.value("0alarmCurrent");
    QCOMPARE(alarm.newValue, newResult.main.loopResults.at(0).alarmCurrentText());
    const LoopEvaluation &loop = newResult.main.loopResults.at(0);
    QCOMPARE(Display::figure(alarm.newMargin),
             Display::asDisplayed(
                 Display::figure(loop.maxCurrentText()) - Display::figure(loop.alarmCurrentText()), 7));
    // The panel's totals moved with it; the battery margin follows the requirement.
    QVERIFY(figures.contains("-1totalIdleCurrent"));
    QVERIFY(figures.contains("-1totalAlarmCurrent"));
    const DesignDifference required = figures.value("-1minimumBatteryRequired");
    QCOMPARE(required.newValue, newResult.main.panel.minimumBatteryRequiredText());
    QVERIFY(Display::figure(required.newMargin) < Display::figure(required.oldMargin));
    // Nothing in another loop or box changed.
    for (const DesignDifference &d : comparison.differences)
        QVERIFY(d.system == -1 && d.loop <= 0);
    QVERIFY(ComparisonText::describe(alarm).contains(alarm.newMargin));
}

void TestDesignComparison::boxesMatchedByModelAndPlace()
{
    Design before = revisionA();
    // A third box of the same model, and one of them removed in the middle.
    Design after = before;
    SystemDesign third = after.boxes.at(0);
    third.name = "TXE 2 (3)";
    third.loops[0].devices["OD-210"] = 9;
    after.boxes.append(third);
    const DesignComparison added = DesignComparison::compare(before, after, catalogue);
    QVector<DesignDifference> found = edits(added);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().kind, Kind::BoxAdded);
    QCOMPARE(found.first().newValue, QString("TXE 2 (3)"));
    QCOMPARE(found.first().system, 2);

    // Two boxes swapped on reopening keep their pairs: nothing changed.
    Design swapped = before;
    std::swap(swapped.boxes[0], swapped.boxes[1]);
    QVERIFY(DesignComparison::compare(before, swapped, catalogue).isEmpty());

    // A box of another model in place of one: one removed, one added.
    Design other = before;
    SystemDesign box;
    PanelConfig::fromTexts({"TXE 4", "-", "", "-", "-", "-", "-", "20", "100", "72 h", "30 min"}, true,
                           box.config);
    box.name = "TXE 4";
    box.loops = QVector<LoopConfig>(4, loop("2,5 mm2 (14 AWG)", "A", 100, 1000, 0, 0));
    other.boxes[1] = box;
    found = edits(DesignComparison::compare(before, other, catalogue));
    QCOMPARE(found.size(), 2);
    QCOMPARE(found.at(0).kind, Kind::BoxAdded);
    QCOMPARE(found.at(1).kind, Kind::BoxRemoved);
    QCOMPARE(found.at(1).oldValue, QString("TXE 2 (2)"));
    QVERIFY(found.at(1).inOldDesign);
}

void TestDesignComparison::unitsMatchedByDeviceAddressAndLocation_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("expected"); // kind:changes per entry

    QTest::newRow("moved") << "moved" << QStringList{"changed:moved"};
    QTest::newRow("readdressed") << "readdressed" << QStringList{"changed:readdressed"};
    QTest::newRow("relocated") << "relocated" << QStringList{"changed:location"};
    QTest::newRow("rezoned and moved") << "rezoned" << QStringList{"changed:moved,zone"};
    QTest::newRow("another device in its place") << "replaced" << QStringList{"removed", "added"};
    QTest::newRow("two units swap places") << "swap" << QStringList{"changed:moved", "changed:moved"};
}

void TestDesignComparison::unitsMatchedByDeviceAddressAndLocation()
{
    QFETCH(QString, change);
    QFETCH(QStringList, expected);
    LoopSchedule before;
    before.units = {{0, "OD-210", "1", "Z1", "Hall"},
                    {20, "OD-210", "2", "Z1", "Office"},
                    {40, "CP-300", "3", "Z2", "Door"}};
    LoopSchedule after = before;
    if (change == "moved") {
        after.units[1].position = 25;
    } else if (change == "readdressed") {
        after.units[1].address = "7";
    } else if (change == "relocated") {
        after.units[1].location = "Office 2";
    } else if (change == "rezoned") {
        after.units[1].zone = "Z3";
        after.units[1].position = 30;
    } else if (change == "replaced") {
        after.units[2].device = "MD-230";
    } else if (change == "swap") {
        std::swap(after.units[0].position, after.units[1].position);
        std::swap(after.units[0], after.units[1]);
    }
    Design a = revisionA();
    a.main.schedules.insert(3, before);
    Design b = a;
    b.main.schedules.insert(3, after);
    QStringList found;
    for (const DesignDifference &d : edits(DesignComparison::compare(a, b, catalogue))) {
        QCOMPARE(d.loop, 3);
        if (d.kind == Kind::UnitChanged)
            found << "changed:" + ComparisonText::unitChangeKeys(d.unitChanges).join(',');
        else
            found << (d.kind == Kind::UnitAdded     ? "added"
                      : d.kind == Kind::UnitRemoved ? "removed"
                                                    : "other");
    }
    QCOMPARE(found, expected);
}

void TestDesignComparison::reportSectionNamesTheRevision()
{
    const Design before = revisionA();
    Design after = before;
    after.main.loops[0].devices["OD-210"] = 41;
    after.main.loops[0].devices["<b>&"] = 1; // user text shows literally
    const DesignComparison comparison = DesignComparison::compare(before, after, catalogue);
    const QString revision = ComparisonText::revisionName(before, "/tmp/old.csv");
    QCOMPARE(revision, QString("A"));
    QCOMPARE(ComparisonText::revisionName(Design(), "/tmp/old.csv"), QString("old.csv"));
    const QString html = ComparisonText::htmlSection(comparison, revision);
    QVERIFY(html.contains("Changes since revision A"));
    QVERIFY(html.contains("OD-210: quantity 40 -&gt; 41"));
    QVERIFY(html.contains("&lt;b&gt;&amp;"));
    QVERIFY(!html.contains("<b>&"));
    QVERIFY(html.contains("Main panel, loop 1"));
    QVERIFY(ComparisonText::htmlSection(DesignComparison(), "A").contains("No changes."));
}

QTEST_GUILESS_MAIN(TestDesignComparison)
#include "tst_designcomparison.moc"
