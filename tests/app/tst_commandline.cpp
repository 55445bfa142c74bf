#include "../core/fulldisk.h"
#include "../setup/setupfixtures.h"

#include "app/commandline.h"
#include "app/languages.h"
#include "catalogue/displayformat.h"
#include "design/designevaluation.h"
#include "design/designfile.h"
#include "loop/schedulerules.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "app/reportdialog.h"
#include "design/designevaluation.h"
#include "app/setupio.h"
#include "widgets/guiresources.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTimer>
#include <QTranslator>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using CommandLine::Action;

Q_DECLARE_METATYPE(CommandLine::Action)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void importIntoTheWindowsDataFolder();
    void importOfBadFileFails();
    void usageErrorsAndHelp_data();
    void usageErrorsAndHelp();
    void checkExitCodesAndLines_data();
    void checkExitCodesAndLines();
    void checkWithoutProductData();
    void jsonShowsWhatTheEditorsShow();
    void jsonAndCheckCarryTheDeviceCheck();
    void reportEqualsTheWindowsReport();
    void batteryMethodOnTheCommandLine();
    void diffExitCodesAndLines_data();
    void diffExitCodesAndLines();
    void diffAsJson();
    void reportListsChangesSinceARevision();
    void exportWritesEveryTable();
    void exportSpeaksTheLanguage_data();
    void exportSpeaksTheLanguage();
    void jsonHasProjectDataPackAndTwins();
    void reportTakesTheDesignsProject_data();
    void reportTakesTheDesignsProject();
    void reportGoesOnlyWhereItShould_data();
    void reportGoesOnlyWhereItShould();
    void fullDiskIsToldAndChangesNothing();

private:
    // A home with the demo pack installed and a few setup files; false when
    // this build has no pack.
    bool prepareDesigns();
    QString design(const QString &name) const { return m_designs.filePath(name); }
    QTemporaryDir m_designs;
    bool m_prepared = false;

    struct Run {
        int exitCode = -1;
        QString out;
        QString err;
    };
    static Run runProgram(const QStringList &arguments, const QString &dataHome);
    static QString kalvixDataFolder(const QString &dataHome)
    {
        return dataHome + QStringLiteral("/Kalvix/data");
    }
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("file");

    const QString p = QStringLiteral("Kalvix");
    QTest::newRow("nothing") << QStringList{p} << Action::RunGui << "";
    QTest::newRow("import") << QStringList{p, "--import-data-pack", "a.tarvex"} << Action::ImportDataPack
                            << "a.tarvex";
    QTest::newRow("import with =") << QStringList{p, "--import-data-pack=/x/b c.tarvex"}
                                   << Action::ImportDataPack << "/x/b c.tarvex";
    QTest::newRow("import without file") << QStringList{p, "--import-data-pack"} << Action::UsageError << "";
    QTest::newRow("import empty file") << QStringList{p, "--import-data-pack="} << Action::UsageError << "";
    QTest::newRow("import twice") << QStringList{p, "--import-data-pack", "a", "--import-data-pack", "b"}
                                  << Action::UsageError << "";
    QTest::newRow("unknown option") << QStringList{p, "--frobnicate"} << Action::UsageError << "";
    // A file manager hands over the file to open.
    QTest::newRow("file to open") << QStringList{p, "/x/setup 1.csv"} << Action::RunGui << "/x/setup 1.csv";
    QTest::newRow("two files") << QStringList{p, "a.csv", "b.csv"} << Action::UsageError << "";
    QTest::newRow("file then import")
        << QStringList{p, "a.csv", "--import-data-pack", "b.tarvex"} << Action::UsageError << "";
    QTest::newRow("help") << QStringList{p, "--help"} << Action::ShowHelp << "";
    QTest::newRow("help wins over mistakes") << QStringList{p, "--bogus", "-h"} << Action::ShowHelp << "";
    QTest::newRow("version") << QStringList{p, "--version"} << Action::ShowVersion << "";
    QTest::newRow("check") << QStringList{p, "--check", "a.csv", "b.csv"} << Action::Check << "";
    QTest::newRow("json") << QStringList{p, "--json", "a.csv"} << Action::Check << "";
    QTest::newRow("check without files") << QStringList{p, "--check"} << Action::UsageError << "";
    QTest::newRow("check and import")
        << QStringList{p, "--check", "a.csv", "--import-data-pack", "x"} << Action::UsageError << "";
    QTest::newRow("report") << QStringList{p, "--report", "a.csv", "--output", "a.pdf", "--facility", "F"}
                            << Action::Report << "a.csv";
    QTest::newRow("report without output") << QStringList{p, "--report", "a.csv"} << Action::UsageError << "";
    QTest::newRow("output without report") << QStringList{p, "--output", "a.pdf"} << Action::UsageError << "";
    QTest::newRow("report with a stray file")
        << QStringList{p, "--report", "a.csv", "--output", "a.pdf", "b.csv"} << Action::UsageError << "";
    QTest::newRow("report and check")
        << QStringList{p, "--report", "a.csv", "--output", "a.pdf", "--check"} << Action::UsageError << "";
    QTest::newRow("report compared with a revision")
        << QStringList{p,   "--report",       "a.csv", "--output", "a.pdf", "--facility",
                       "F", "--compare-with", "o.csv"}
        << Action::Report << "a.csv";
    QTest::newRow("compare-with without report")
        << QStringList{p, "--compare-with", "o.csv"} << Action::UsageError << "";
    QTest::newRow("diff") << QStringList{p, "--diff", "a.csv", "b.csv"} << Action::Diff << "";
    QTest::newRow("diff as json") << QStringList{p, "--json", "--diff", "a.csv", "b.csv"} << Action::Diff
                                  << "";
    QTest::newRow("diff of one file") << QStringList{p, "--diff", "a.csv"} << Action::UsageError << "";
    QTest::newRow("diff of three files")
        << QStringList{p, "--diff", "a.csv", "b.csv", "c.csv"} << Action::UsageError << "";
    QTest::newRow("diff and check") << QStringList{p, "--diff", "a.csv", "b.csv", "--check"}
                                    << Action::UsageError << "";
    QTest::newRow("help wins over diff")
        << QStringList{p, "--diff", "a.csv", "--help"} << Action::ShowHelp << "";
    QTest::newRow("report with project options")
        << QStringList{p,   "--report",      "a.csv", "--output",      "a.pdf", "--facility",
                       "F", "--language",    "es",    "--project-ref", "R-1",   "--revision",
                       "",  "--prepared-by", "Me"}
        << Action::Report << "a.csv";
    QTest::newRow("export workbook") << QStringList{p, "--export", "a.csv", "--output", "a.xlsx"}
                                     << Action::Export << "a.csv";
    QTest::newRow("export one table as csv")
        << QStringList{p, "--export", "a.csv", "--output", "b.CSV", "--what", "cables"} << Action::Export
        << "a.csv";
    QTest::newRow("export without output") << QStringList{p, "--export", "a.csv"} << Action::UsageError << "";
    QTest::newRow("export to pdf") << QStringList{p, "--export", "a.csv", "--output", "a.pdf"}
                                   << Action::UsageError << "";
    QTest::newRow("export unknown table")
        << QStringList{p, "--export", "a.csv", "--output", "a.xlsx", "--what", "lamps"} << Action::UsageError
        << "";
    QTest::newRow("what without export")
        << QStringList{p, "--report", "a.csv", "--output", "a.pdf", "--what", "bom"} << Action::UsageError
        << "";
    QTest::newRow("facility belongs to the report")
        << QStringList{p, "--export", "a.csv", "--output", "a.xlsx", "--facility", "F"} << Action::UsageError
        << "";
    QTest::newRow("language alone") << QStringList{p, "--language", "es"} << Action::UsageError << "";
    QTest::newRow("export and report")
        << QStringList{p, "--export", "a.csv", "--report", "b.csv", "--output", "a.pdf"} << Action::UsageError
        << "";
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, file);
    const CommandLine::Request request = CommandLine::parse(arguments);
    QCOMPARE(request.action, action);
    QCOMPARE(request.file, file);
    QCOMPARE(request.error.isEmpty(), action != Action::UsageError);
    // An error is one line.
    QVERIFY(!request.error.contains(QLatin1Char('\n')));
    if (action == Action::Check) {
        QCOMPARE(request.files, arguments.mid(arguments.indexOf(QRegularExpression("--check|--json")) + 1));
        QCOMPARE(request.json, arguments.contains("--json"));
    }
    if (action == Action::Report) {
        QCOMPARE(request.output, QStringLiteral("a.pdf"));
        QCOMPARE(request.facility, QStringLiteral("F"));
        // Not given is null; given empty clears the design's field.
        QCOMPARE(request.projectReference.isNull(), !arguments.contains("--project-ref"));
        QCOMPARE(request.revision.isNull(), !arguments.contains("--revision"));
        QCOMPARE(request.language, arguments.contains("--language") ? QStringLiteral("es") : QString());
        QCOMPARE(request.compareWith, QString(arguments.contains("--compare-with") ? "o.csv" : ""));
    }
    if (action == Action::Diff) {
        QCOMPARE(request.files, (QStringList{"a.csv", "b.csv"}));
        QCOMPARE(request.json, arguments.contains("--json"));
    }
    if (action == Action::Export)
        QCOMPARE(request.what, arguments.contains("--what") ? QStringLiteral("cables") : QString());
}

TestCommandLine::Run TestCommandLine::runProgram(const QStringList &arguments, const QString &dataHome)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    // No display at all: the command line must not need one.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    environment.remove(QStringLiteral("DISPLAY"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KALVIX_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

void TestCommandLine::importIntoTheWindowsDataFolder()
{
#ifndef KALVIX_DEMO_PACK
    QSKIP("this build has no signing key, so no demo pack");
#else
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString pack = QStringLiteral(KALVIX_DEMO_PACK);
    const Run run = runProgram({QStringLiteral("--import-data-pack"), pack}, home.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("Data pack installed: %1\n").arg(pack));
    // The window reads the folder named after the program, not after the test.
    const QDir data(kalvixDataFolder(home.path()));
    QCOMPARE(data.entryList({QStringLiteral("*.csv")}, QDir::Files).size(), 1);
    QCOMPARE(data.entryList({QStringLiteral("*.sig")}, QDir::Files).size(), 1);
#endif
}

void TestCommandLine::importOfBadFileFails()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QString bad = home.filePath(QStringLiteral("broken.tarvex"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("PK not really");
    file.close();

    const Run run = runProgram({QStringLiteral("--import-data-pack"), bad}, home.path());
    QCOMPARE(run.exitCode, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(QStringLiteral("Failed to install data pack: %1\n").arg(bad)),
             qPrintable(run.err));
    QVERIFY(!QFile::exists(kalvixDataFolder(home.path())));

    const Run missing =
        runProgram({QStringLiteral("--import-data-pack"), home.filePath("none.tarvex")}, home.path());
    QCOMPARE(missing.exitCode, 1);
}

void TestCommandLine::usageErrorsAndHelp_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("usageOnStdout");
    QTest::newRow("missing file") << QStringList{"--import-data-pack"} << 2 << false;
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << false;
    QTest::newRow("report without output") << QStringList{"--report", "a.csv"} << 2 << false;
    QTest::newRow("help") << QStringList{"--help"} << 0 << true;
    QTest::newRow("unknown option with help") << QStringList{"--bogus", "--help"} << 0 << true;
}

void TestCommandLine::usageErrorsAndHelp()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(bool, usageOnStdout);
    QTemporaryDir home;
    const Run run = runProgram(arguments, home.path());
    QCOMPARE(run.exitCode, exitCode);
    if (usageOnStdout) {
        QVERIFY2(run.out.contains(QStringLiteral("Usage: Kalvix [FILE]")), qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("--check")));
        QVERIFY(run.out.contains(QStringLiteral("--report")));
    } else {
        // A mistake is told in one line, pointing at the help.
        QVERIFY(run.out.isEmpty());
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(run.err.startsWith(QStringLiteral("Kalvix: ")) &&
                     run.err.endsWith(QStringLiteral(" (see --help)\n")),
                 qPrintable(run.err));
    }
}

bool TestCommandLine::prepareDesigns()
{
#ifndef KALVIX_DEMO_PACK
    return false;
#else
    if (m_prepared)
        return true;
    if (!m_designs.isValid())
        return false;
    const Run run = runProgram({QStringLiteral("--import-data-pack"), QStringLiteral(KALVIX_DEMO_PACK)},
                               m_designs.path());
    if (run.exitCode != 0)
        return false;
    const QString golden = QStringLiteral(KALVIX_TEST_DATA_DIR "/setup/txc101-one-loop/setup.csv");
    QFile faulty(golden);
    if (!faulty.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(faulty.readAll());
    const auto write = [this](const QString &name, const QString &content) {
        QFile file(design(name));
        return file.open(QIODevice::WriteOnly) && file.write(content.toUtf8()) == content.toUtf8().size();
    };
    // The golden one-loop design lacks battery; with 12 Ah it is sound.
    m_prepared = write("faulty.csv", text) &&
                 write("sound.csv", replacedOnce(text, "TVB 12-7", "TVB 12-12")) &&
                 write("unknown-device.csv", replacedOnce(text, "CP-300;2", "NOPE-1;2")) &&
                 write("not-a-setup.csv", "Name;Value\nx;1\n") &&
                 SetupFile::writeSetupData(design("full.csv"), fullDesign());
    return m_prepared;
#endif
}

void TestCommandLine::checkExitCodesAndLines_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines"); // each must appear as a whole line

    // Each verdict carries its figures: the battery line its required and
    // selected capacity, a loop line its drop and current against their limits.
    const QString soundLines = "sound.csv: OK|  Panel TXC 101: OK|"
                               "  Panel TXC 101 battery: OK: required 11.30 Ah, selected 12.00 Ah|"
                               "  Panel TXC 101 loop 1: OK: drop 0.310 V of max 6.900 V, alarm current "
                               "0.084 A of max 0.400 A";
    QTest::newRow("sound") << QStringList{"sound.csv"} << 0 << soundLines.split('|');
    const QStringList faultyLines = {
        "faulty.csv: FAULT",
        "  Panel TXC 101: FAULT: Total battery of the setup does not reach the wanted autonomy. "
        "Recommendation: "
        "Install a suitably sized internal or external battery (larger capacity), consider replacing with a "
        "newer battery to reduce degradation, add an external power source, reduce the target autonomy "
        "times, "
        "or reduce overall system current consumption.",
        "  Panel TXC 101 battery: FAULT: required 11.30 Ah, selected 7.20 Ah",
        "  Panel TXC 101 loop 1: OK: drop 0.310 V of max 6.900 V, alarm current 0.084 A of max 0.400 A"};
    QTest::newRow("faulty") << QStringList{"faulty.csv"} << 1 << faultyLines;
    QTest::newRow("sound and faulty")
        << QStringList{"sound.csv", "faulty.csv"} << 1 << (soundLines.split('|') + faultyLines);
    QTest::newRow("not a setup file")
        << QStringList{"not-a-setup.csv"} << 2
        << QStringList{"not-a-setup.csv: ERROR: Invalid file format: missing version information."};
    QTest::newRow("missing file") << QStringList{"missing.csv"} << 2
                                  << QStringList{
                                         "missing.csv: ERROR: Failed to open file for reading: No such "
                                         "file or directory"};
    QTest::newRow("unknown device")
        << QStringList{"unknown-device.csv"} << 2
        << QStringList{
               "unknown-device.csv: ERROR: Device not found: NOPE-1; Device not found in data: NOPE-1; "
               "Invalid devices in loop 1"};
    QTest::newRow("faulty and unreadable")
        << QStringList{"faulty.csv", "missing.csv"} << 2 << QStringList{"faulty.csv: FAULT"};
    QTest::newRow("a whole design with boxes")
        << QStringList{"full.csv"} << 0
        << QStringList{"full.csv: OK", "  Panel TXP 816: OK",
                       "  Panel TXP 816 battery: OK: required 25.98 Ah, selected 52.00 Ah",
                       // Overboost raises this loop's limit to 7.9 V.
                       "  Panel TXP 816 loop 4: OK: drop 1.613 V of max 7.900 V, alarm current 0.150 A of max "
                       "0.735 A",
                       "  Expansion box TXE 2: OK",
                       "  Expansion box TXE 2 battery: OK: required 8.88 Ah, selected 17.00 Ah"};
}

void TestCommandLine::checkExitCodesAndLines()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    QFETCH(QStringList, files);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);
    QDir::setCurrent(m_designs.path());
    const Run run = runProgram(QStringList{"--check"} + files, m_designs.path());
    QCOMPARE(run.exitCode, exitCode);
    const QStringList out = run.out.split('\n');
    for (const QString &line : lines)
        QVERIFY2(out.contains(line),
                 qPrintable(QStringLiteral("missing line: %1\nin:\n%2").arg(line, run.out)));
    // Every design is told about, each line OK, FAULT or ERROR.
    for (const QString &file : files)
        QVERIFY(run.out.contains(file + ": "));
    for (const QString &line : out) {
        if (!line.isEmpty())
            QVERIFY2(line.contains(": OK") || line.contains(": FAULT") || line.contains(": ERROR: "),
                     qPrintable(line));
    }
}

void TestCommandLine::checkWithoutProductData()
{
    QTemporaryDir home;
    QFile::copy(QStringLiteral(KALVIX_TEST_DATA_DIR "/setup/txc101-one-loop/setup.csv"),
                home.filePath("a.csv"));
    const Run run = runProgram({"--check", home.filePath("a.csv")}, home.path());
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains("Cannot check: no valid product data installed"), qPrintable(run.err));
}

void TestCommandLine::jsonShowsWhatTheEditorsShow()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    const Run run = runProgram({"--json", design("full.csv")}, m_designs.path());
    QCOMPARE(run.exitCode, 0);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject designJson = document.object().value("designs").toArray().at(0).toObject();
    QCOMPARE(designJson.value("status").toString(), QStringLiteral("OK"));

    // The same file in the editors, on the same product data.
    initGuiResources();
    const Catalogue catalogue(demoData());
    SystemContainerWidget main(false, &catalogue, QString());
    QList<SystemContainerWidget *> boxes;
    QVERIFY(readSetupFile(design("full.csv"), &main, boxes, &catalogue));
    QList<const SystemContainerWidget *> containers{&main};
    for (const SystemContainerWidget *box : boxes)
        containers.append(box);
    const QJsonArray boxJson = designJson.value("expansionBoxes").toArray();
    QCOMPARE(boxJson.size(), boxes.size());
    for (int c = 0; c < containers.size(); ++c) {
        const QJsonObject system =
            c == 0 ? designJson.value("panel").toObject() : boxJson.at(c - 1).toObject();
        const PanelWidget *panel = containers.at(c)->panelWidget();
        const auto label = [panel](const char *name) {
            return panel->findChild<QLabel *>(QLatin1String(name))->text();
        };
        QCOMPARE(system.value("totalIdleCurrent").toString(), label("totalIdleCurrentValueLabel"));
        QCOMPARE(system.value("totalAlarmCurrent").toString(), label("totalAlarmCurrentValueLabel"));
        QCOMPARE(system.value("minimumBatteryRequired").toString(), label("minBattRequiredValueLabel"));
        QCOMPARE(system.value("selectedTotalBattery").toString(), label("currentSelectedBattValueLabel"));
        QCOMPARE(system.value("batteryStatus").toString(), label("battStatusLabel"));
        QCOMPARE(system.value("powerLoadStatus").toString(), label("totalPwrLoadStatusLabel"));
        QCOMPARE(system.value("externalPowerNotes").toString(), label("externalPowerSourceInfoNotesLabel"));
        QCOMPARE(system.value("powerReportNotes").toString(), panel->powerReportNotes());
        QCOMPARE(system.value("externalPowerReportNotes").toString(), panel->externalPowerReportNotes());
        const PanelMessages::FaultFlags flags = panel->computeFaultFlags();
        const QJsonObject flagJson = system.value("faultFlags").toObject();
        QCOMPARE(flagJson.value("battery").toBool(), flags.hasBatteryFault);
        QCOMPARE(flagJson.value("powerLoad").toBool(), flags.hasPowerLoadFault);
        QCOMPARE(flagJson.value("loop").toBool(), flags.hasLoopFault);
        QCOMPARE(system.value("configuration").toVariant().toStringList(), panel->configuration().toTexts());

        const QJsonArray loops = system.value("loops").toArray();
        QCOMPARE(loops.size(), containers.at(c)->loopCount());
        for (int i = 0; i < loops.size(); ++i) {
            const QJsonObject loopJson = loops.at(i).toObject();
            LoopWidget *loop = containers.at(c)->loopWidgets().at(i);
            const auto loopLabel = [loop](const char *name) {
                return loop->page()->findChild<QLabel *>(QLatin1String(name))->text();
            };
            QCOMPARE(loopJson.value("totalAddresses").toString(), loopLabel("totalAddressesValueLabel"));
            QCOMPARE(loopJson.value("idleCurrent").toString(), loopLabel("idleCurrentValueLabel"));
            QCOMPARE(loopJson.value("alarmCurrent").toString(), loopLabel("alarmCurrentValueLabel"));
            QCOMPARE(loopJson.value("voltageDrop").toString(), loopLabel("voltageDropValueLabel"));
            QCOMPARE(loopJson.value("maxVoltageDrop").toString(), loopLabel("maxVoltageDropValueLabel"));
            QCOMPARE(loopJson.value("maxCurrent").toString(), loopLabel("maxCurrentValueLabel"));
            QCOMPARE(loopJson.value("faults").toString(), loopLabel("faultsLabel"));
            QCOMPARE(loopJson.value("notes").toString(), loopLabel("notesLabel"));
            QCOMPARE(loopJson.value("faultReport").toString(), loop->faultReportText());
            QCOMPARE(loopJson.value("noteReport").toString(), loop->noteReportText());
            QCOMPARE(loopJson.value("degradedModeOk").toBool(), loop->isDegradedModeOk());
            QCOMPARE(loopJson.value("settings").toVariant().toStringList(), loop->config().toTexts());
        }
    }
    qDeleteAll(boxes);
}

void TestCommandLine::jsonAndCheckCarryTheDeviceCheck()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    const Catalogue catalogue(demoData());
    Design scheduled = Design::fromSetupData(fullDesign());
    const LoopConfig &first = scheduled.main.loops.at(0);
    LoopSchedule schedule = ScheduleRules::fromQuantities(
        first, ScheduleRules::records(LoopCalc::resolveDevices(first.devices, catalogue)));
    schedule.units[2].location = QStringLiteral("Stair 1");
    scheduled.main.schedules.insert(0, schedule);
    // The degraded-mode loop 2, with two units on one address.
    const LoopConfig &second = scheduled.main.loops.at(1);
    LoopSchedule clash = ScheduleRules::fromQuantities(
        second, ScheduleRules::records(LoopCalc::resolveDevices(second.devices, catalogue)));
    clash.units[1].address = clash.units[0].address;
    scheduled.main.schedules.insert(1, clash);
    QVERIFY(DesignFile::write(design("scheduled.csv"), scheduled));
    const DesignEvaluation expected = DesignEvaluation::evaluate(scheduled, catalogue);

    const Run run = runProgram({"--json", design("scheduled.csv")}, m_designs.path());
    QCOMPARE(run.exitCode, 1);
    const QJsonObject panel = QJsonDocument::fromJson(run.out.toUtf8())
                                  .object()
                                  .value("designs")
                                  .toArray()
                                  .at(0)
                                  .toObject()
                                  .value("panel")
                                  .toObject();
    const QJsonArray loops = panel.value("loops").toArray();
    const QJsonObject loop1 = loops.at(0).toObject();
    const QJsonArray units = loop1.value("schedule").toArray();
    QCOMPARE(units.size(), schedule.units.size());
    QCOMPARE(units.at(2).toObject(), (QJsonObject{{"position", schedule.units.at(2).position},
                                                  {"device", schedule.units.at(2).device},
                                                  {"address", "3"},
                                                  {"zone", ""},
                                                  {"location", "Stair 1"}}));
    const LoopDeviceCheck &check = expected.main.deviceChecks.value(0);
    const QJsonObject checkJson = loop1.value("deviceCheck").toObject();
    QCOMPARE(checkJson.value("status").toString(), QStringLiteral("OK"));
    QCOMPARE(checkJson.value("limit").toString(), loop1.value("maxVoltageDrop").toString());
    const QJsonObject breakAtIn = checkJson.value("breakAtIn").toObject();
    QCOMPARE(breakAtIn.value("worstUnit").toInt(), check.electrical.breakAtIn.worstUnit);
    QCOMPARE(breakAtIn.value("worstDrop").toString(), Display::volts(check.electrical.breakAtIn.worstDrop));
    QCOMPARE(breakAtIn.value("drops").toArray().size(), schedule.units.size());
    QCOMPARE(checkJson.value("isolatorSections").toArray().size(), check.sections.size());

    const QJsonObject loop2 = loops.at(1).toObject().value("deviceCheck").toObject();
    QCOMPARE(loop2.value("status").toString(), QStringLiteral("FAULT"));
    QVERIFY(loop2.contains("intact"));
    QVERIFY(!loop2.contains("breakAtOut"));
    QVERIFY(!loop2.contains("breakAtIn"));
    QVERIFY(!loops.at(2).toObject().contains("deviceCheck"));

    const Run text = runProgram({"--check", design("scheduled.csv")}, m_designs.path());
    QCOMPARE(text.exitCode, 1);
    QVERIFY2(text.out.contains(QRegularExpression("loop 2: FAULT: .*overlaps the addresses of")),
             qPrintable(text.out));
}

void TestCommandLine::reportEqualsTheWindowsReport()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    const QString facility = "Hall <A> & B", address = "Main Street 1", installer = "Installer Ltd";

    const Run run = runProgram({"--report", design("full.csv"), "--output", design("cli.pdf"), "--facility",
                                facility, "--address", address, "--installer", installer},
                               m_designs.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("Report written: %1\n").arg(design("cli.pdf")));

    // The window's side reads the very data the program installed, pictures
    // included, since they take their room on the pages.
    initGuiResources();
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    const QString name = QCoreApplication::applicationName();
    qputenv("XDG_DATA_HOME", m_designs.path().toLocal8Bit());
    QCoreApplication::setApplicationName("Kalvix");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_DATA_HOME", dataHome);
        QCoreApplication::setApplicationName(name);
    });
    const Catalogue catalogue;
    QVERIFY(!catalogue.integrityFailed());
    SystemContainerWidget main(false, &catalogue, QString());
    QList<SystemContainerWidget *> boxes;
    QVERIFY(readSetupFile(design("full.csv"), &main, boxes, &catalogue));
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        dialog->findChild<QLineEdit *>("facilityNameLineEdit")->setText(facility);
        dialog->findChild<QLineEdit *>("addressLineEdit")->setText(address);
        dialog->findChild<QLineEdit *>("installerCompanyLineEdit")->setText(installer);
        qobject_cast<QDialog *>(dialog)->accept();
    });
    ReportInformation information;
    // The command line speaks English unless told otherwise, as the window does in English.
    QTranslator english;
    QVERIFY(english.load(Languages::shippedFolder() + "/" + Languages::fileName("en")));
    QCoreApplication::installTranslator(&english);
    // What the window hands over: the design its editors hold.
    QVERIFY(generateReport(&main, design("window.pdf"),
                           DesignEvaluation::evaluate(collectSetupData(&main, boxes), catalogue), catalogue,
                           information));
    QCoreApplication::removeTranslator(&english);
    qDeleteAll(boxes);

    // The lines of text in reading order, without the page footers: where
    // a page breaks may move by a line with the fonts the process has
    // settled on, the text does not.
    const auto textOf = [&pdftotext](const QString &pdf) {
        QProcess process;
        process.start(pdftotext, {"-layout", pdf, "-"});
        process.waitForFinished(30000);
        const QRegularExpression footer(QStringLiteral("^Kalvix\\s+\\d+ / \\d+$"));
        QStringList lines;
        for (QString line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
            line = line.remove(QLatin1Char('\f')).simplified();
            if (!line.isEmpty() && !footer.match(line).hasMatch())
                lines << line;
        }
        return lines;
    };
    const QStringList windowText = textOf(design("window.pdf"));
    QVERIFY(windowText.contains("Facility: Hall <A> & B"));
    const QStringList cliText = textOf(design("cli.pdf"));
    for (int w = 0; w < std::min(windowText.size(), cliText.size()); ++w)
        QCOMPARE(cliText.at(w), windowText.at(w));
    QCOMPARE(cliText.size(), windowText.size());
}

// A design sized by standards shows the method and its formula, as the core
// evaluates them, and names the method beside a battery fault.
void TestCommandLine::batteryMethodOnTheCommandLine()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    const Catalogue catalogue(demoData());
    SetupFile::SetupData data;
    QVERIFY(SetupFile::readSetupData(design("faulty.csv"), data, catalogue));
    Design sized = Design::fromSetupData(data);
    sized.main.batteryMethod = BatteryMethod::Bs5839;
    QVERIFY(DesignFile::write(design("bs5839.csv"), sized));
    const DesignEvaluation expected = DesignEvaluation::evaluate(sized, catalogue);
    const PanelEvaluation &panel = expected.main.panel;
    QVERIFY(panel.flags.hasBatteryFault);

    const Run json = runProgram({"--json", design("bs5839.csv")}, m_designs.path());
    QCOMPARE(json.exitCode, 1);
    const QJsonObject system = QJsonDocument::fromJson(json.out.toUtf8())
                                   .object()
                                   .value("designs")
                                   .toArray()
                                   .at(0)
                                   .toObject()
                                   .value("panel")
                                   .toObject();
    QCOMPARE(system.value("batteryMethod").toString(), QStringLiteral("BS 5839-1 (Annex E)"));
    QCOMPARE(system.value("batteryFormula").toString(), panel.batterySizing.substituted);
    QVERIFY(system.value("batteryFormula").toString().startsWith("C = 1.25 × ("));
    QCOMPARE(system.value("minimumBatteryRequired").toString(), panel.minimumBatteryRequiredText());
    QCOMPARE(system.value("batteryStatus").toString(), panel.battery.text);

    const Run check = runProgram({"--check", design("bs5839.csv")}, m_designs.path());
    QCOMPARE(check.exitCode, 1);
    QVERIFY2(check.out.contains("(battery method: BS 5839-1 (Annex E))"), qPrintable(check.out));
    // The maker's method keeps its lines as they were.
    const Run maker = runProgram({"--check", design("faulty.csv")}, m_designs.path());
    QVERIFY(!maker.out.contains("battery method"));
}

void TestCommandLine::diffExitCodesAndLines_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines"); // each must appear as a whole line

    QTest::newRow("the same design") << QStringList{"sound.csv", "sound.csv"} << 0
                                     << QStringList{"sound.csv -> sound.csv: no changes"};
    QTest::newRow("a battery added") << QStringList{"faulty.csv", "sound.csv"} << 1
                                     << QStringList{"Verdicts:", "Main panel:",
                                                    "  Internal battery: TVB 12-7 -> TVB 12-12"};
    QTest::newRow("an unreadable old revision")
        << QStringList{"not-a-setup.csv", "sound.csv"} << 2 << QStringList{};
    QTest::newRow("a missing new revision") << QStringList{"sound.csv", "missing.csv"} << 2 << QStringList{};
}

void TestCommandLine::diffExitCodesAndLines()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    QFETCH(QStringList, files);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);
    QDir::setCurrent(m_designs.path());
    const Run run = runProgram(QStringList{"--diff"} + files, m_designs.path());
    QCOMPARE(run.exitCode, exitCode);
    const QStringList out = run.out.split('\n');
    for (const QString &line : lines)
        QVERIFY2(out.contains(line),
                 qPrintable(QStringLiteral("missing line: %1\nin:\n%2").arg(line, run.out)));
    if (exitCode == 2) {
        // The reason, naming the file that cannot be read.
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(": ERROR: "), qPrintable(run.err));
    } else if (exitCode == 1) {
        // The battery's verdict, which moved to OK, comes before the settings.
        QVERIFY2(run.out.indexOf("Main panel: Battery autonomy: FAULT -> OK") <
                     run.out.indexOf("Main panel:\n"),
                 qPrintable(run.out));
    }
}

void TestCommandLine::diffAsJson()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    QDir::setCurrent(m_designs.path());
    const Run run = runProgram({"--diff", "--json", "sound.csv", "faulty.csv"}, m_designs.path());
    QCOMPARE(run.exitCode, 1);
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(root.value("old").toString(), QString("sound.csv"));
    QCOMPARE(root.value("same").toBool(), false);
    QCOMPARE(root.value("oldStatus").toString(), QString("OK"));
    QCOMPARE(root.value("newStatus").toString(), QString("FAULT"));
    const QJsonArray changes = root.value("changes").toArray();
    QVERIFY(!changes.isEmpty());
    const QJsonObject first = changes.first().toObject();
    QCOMPARE(first.value("kind").toString(), QString("verdict"));
    QCOMPARE(first.value("subject").toString(), QString("battery"));
    QCOMPARE(first.value("new").toString(), QString("FAULT"));
    QCOMPARE(first.value("system").toString(), QString("main"));
    QVERIFY(first.contains("oldMargin"));
    int batteries = 0;
    for (const QJsonValue &value : changes) {
        const QJsonObject change = value.toObject();
        if (change.value("subject").toString() == "internalBattery") {
            ++batteries;
            QCOMPARE(change.value("kind").toString(), QString("setting"));
            QCOMPARE(change.value("old").toString(), QString("TVB 12-12"));
            QCOMPARE(change.value("new").toString(), QString("TVB 12-7"));
            QCOMPARE(change.value("place").toString(), QString("panel"));
        }
    }
    QCOMPARE(batteries, 1);
}

void TestCommandLine::reportListsChangesSinceARevision()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    const QString pdf = design("changes.pdf");
    Run run =
        runProgram({"--report", design("sound.csv"), "--output", pdf, "--compare-with", design("faulty.csv")},
                   m_designs.path());
    QCOMPARE(run.exitCode, 0);
    QProcess process;
    process.start(pdftotext, {pdf, "-"});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(text.contains("Changes since revision faulty.csv"), qPrintable(text));
    QVERIFY(text.contains("Internal battery: TVB 12-7 -> TVB 12-12"));
    QVERIFY(text.contains("Battery autonomy: FAULT -> OK"));

    // An earlier revision that cannot be read: no report, and why.
    QFile::remove(pdf);
    run = runProgram(
        {"--report", design("sound.csv"), "--output", pdf, "--compare-with", design("missing.csv")},
        m_designs.path());
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(design("missing.csv") + ": ERROR: "), qPrintable(run.err));
    QVERIFY(!QFile::exists(pdf));
}

void TestCommandLine::exportWritesEveryTable()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    Run run =
        runProgram({"--export", design("full.csv"), "--output", design("tables.csv")}, m_designs.path());
    QCOMPARE(run.exitCode, 0);
    for (const QString &table : {QStringLiteral("bom"), QStringLiteral("devices"), QStringLiteral("cables")}) {
        const QString file = design("tables-" + table + ".csv");
        QVERIFY2(run.out.contains("Export written: " + file), qPrintable(run.out));
        QVERIFY(QFileInfo(file).size() > 0);
    }
    run = runProgram({"--export", design("full.csv"), "--output", design("only.csv"), "--what", "cables"},
                     m_designs.path());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("Export written: %1\n").arg(design("only.csv")));
    QFile only(design("only.csv"));
    QVERIFY(only.open(QIODevice::ReadOnly));
    QVERIFY(only.readLine().startsWith("System,Loop,Cable,Topology,Length (m)"));

    run = runProgram({"--export", design("full.csv"), "--output", design("tables.xlsx")}, m_designs.path());
    QCOMPARE(run.exitCode, 0);
    QFile workbook(design("tables.xlsx"));
    QVERIFY(workbook.open(QIODevice::ReadOnly));
    QCOMPARE(workbook.read(2), QByteArray("PK")); // a zip container

    // An unreadable design writes nothing.
    run =
        runProgram({"--export", design("not-a-setup.csv"), "--output", design("bad.xlsx")}, m_designs.path());
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!QFile::exists(design("bad.xlsx")));
}

void TestCommandLine::exportSpeaksTheLanguage_data()
{
    QTest::addColumn<QStringList>("language");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("header");
    QTest::newRow("default English") << QStringList() << 0 << "Category,Item,Quantity,Unit,Description";
    QTest::newRow("English") << QStringList{"--language", "en"} << 0
                             << "Category,Item,Quantity,Unit,Description";
    QTest::newRow("Spanish") << QStringList{"--language", "es"} << 0
                             << QString::fromUtf8("Categoría,Artículo,Cantidad,Unidad,Descripción");
    QTest::newRow("no such language") << QStringList{"--language", "xx"} << 2 << "";
}

void TestCommandLine::exportSpeaksTheLanguage()
{
    QFETCH(QStringList, language);
    QFETCH(int, exitCode);
    QFETCH(QString, header);
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    const QString output = design(QStringLiteral("bom-%1.csv").arg(QTest::currentDataTag()));
    const Run run = runProgram(
        QStringList{"--export", design("full.csv"), "--output", output, "--what", "bom"} + language,
        m_designs.path());
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0) {
        QVERIFY2(run.err.contains("no translation for language \"xx\""), qPrintable(run.err));
        QVERIFY(!QFile::exists(output));
        return;
    }
    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readLine()).trimmed(), header);
    // The device descriptions and categories come in the same language.
    const QString body = QString::fromUtf8(file.readAll());
    QVERIFY(body.startsWith(language.contains("es") ? QStringLiteral("CENTRAL,") : QStringLiteral("PANEL,")));
    QCOMPARE(body.contains(QString::fromUtf8("Cable de lazo")), language.contains("es"));
}

void TestCommandLine::jsonHasProjectDataPackAndTwins()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    Design withProject = Design::fromSetupData(fullDesign());
    ProjectInfo project;
    project.reference = "P-7";
    project.revision = "B";
    project.revisions = {{"A", "2026-01-01", "First issue", "Me"}};
    withProject.project = project;
    QVERIFY(DesignFile::write(design("project.csv"), withProject));

    const Run run = runProgram({"--json", design("project.csv"), design("full.csv")}, m_designs.path());
    QCOMPARE(run.exitCode, 0);
    const QJsonObject top = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(top.value("schemaVersion").toInt(), 2);
    const QJsonObject pack = top.value("dataPack").toObject();
    QVERIFY(!pack.value("name").toString().isEmpty());
    QCOMPARE(pack.value("version").toString(), QStringLiteral("2.0"));
    QCOMPARE(pack.value("sha256").toString().size(), 64);
    const QJsonArray designs = top.value("designs").toArray();
    const QJsonObject projectJson = designs.at(0).toObject().value("project").toObject();
    QCOMPARE(projectJson.value("reference").toString(), QStringLiteral("P-7"));
    QCOMPARE(projectJson.value("revisions").toArray().at(0).toObject().value("description").toString(),
             QStringLiteral("First issue"));
    QVERIFY(designs.at(1).toObject().value("project").isNull());
    const QJsonObject loop =
        designs.at(0).toObject().value("panel").toObject().value("loops").toArray().at(0).toObject();
    QCOMPARE(loop.value("idleCurrentValue").toDouble(),
             loop.value("idleCurrent").toString().section(' ', 0, 0).toDouble());
    QVERIFY(loop.value("idleCurrentValue").toDouble() > 0);
}

void TestCommandLine::reportTakesTheDesignsProject_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("the design's fields")
        << QStringList() << QStringList{"Facility: North Hall", "Project reference: P-7", "Revision: B"};
    QTest::newRow("fields given on the command line")
        << QStringList{"--project-ref", "P-8", "--facility", "South Hall"}
        << QStringList{"Facility: South Hall", "Project reference: P-8", "Revision: B"};
    QTest::newRow("in Spanish") << QStringList{"--language", "es"}
                                << QStringList{QString::fromUtf8("Instalación: North Hall"),
                                               QString::fromUtf8("Referencia del proyecto: P-7")};
}

void TestCommandLine::reportTakesTheDesignsProject()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, lines);
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    Design withProject = Design::fromSetupData(fullDesign());
    ProjectInfo project;
    project.reference = "P-7";
    project.revision = "B";
    project.facility = "North Hall";
    withProject.project = project;
    QVERIFY(DesignFile::write(design("report-project.csv"), withProject));
    const QString pdf = design(QStringLiteral("project-%1.pdf").arg(QTest::currentDataTag()));
    const Run run = runProgram(
        QStringList{"--report", design("report-project.csv"), "--output", pdf} + options, m_designs.path());
    QCOMPARE(run.exitCode, 0);
    QProcess process;
    process.start(pdftotext, {"-layout", pdf, "-"});
    QVERIFY(process.waitForFinished(30000));
    QStringList text;
    for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        text << line.simplified();
    for (const QString &line : lines)
        QVERIFY2(text.contains(line), qPrintable(line));
}

void TestCommandLine::reportGoesOnlyWhereItShould_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    // The design read would have been overwritten by its own report.
    QTest::newRow("the design itself") << "design"
                                       << "It is the file being read";
    QTest::newRow("a folder") << "folder"
                              << "Is a directory";
    QTest::newRow("a named pipe") << "fifo"
                                  << "Not a regular file";
    // As root a temporary file renamed over it would replace the device.
    QTest::newRow("a device node") << "device"
                                   << "Not a regular file";
}

void TestCommandLine::reportGoesOnlyWhereItShould()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    QTemporaryDir dir;
    QString output = dir.filePath("out.pdf");
    if (kind == "design") {
        output = design("full.csv");
    } else if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir("out.pdf"));
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(output).constData(), 0600), 0);
    } else if (::mknod(QFile::encodeName(output).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        QSKIP("cannot create a device node here (needs root)");
    }
    const QByteArray designBefore = [this] {
        QFile file(design("full.csv"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    const Run run = runProgram({"--report", design("full.csv"), "--output", output}, m_designs.path());
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err, QStringLiteral("Failed to write the report: %1: %2\n").arg(output, reason));
    QFile file(design("full.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), designBefore);
    if (kind != "design") {
        QVERIFY(!QFileInfo(output).isFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"out.pdf"});
    }
}

void TestCommandLine::fullDiskIsToldAndChangesNothing()
{
    if (!prepareDesigns())
        QSKIP("this build has no signing key, so no demo pack");
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    QFile old(disk.filePath("report.pdf"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("%PDF old report");
    old.close();
    QVERIFY(disk.fill());

    const Run report =
        runProgram({"--report", design("full.csv"), "--output", disk.filePath("report.pdf")}, m_designs.path());
    QCOMPARE(report.exitCode, 1);
    QVERIFY2(report.err.contains("No space left on device"), qPrintable(report.err));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("%PDF old report"));
    old.close();

#ifdef KALVIX_DEMO_PACK
    // A pack installed into a full per-user folder says why, not that
    // another installation is running.
    const Run install = runProgram({"--import-data-pack", QStringLiteral(KALVIX_DEMO_PACK)}, disk.path());
    QCOMPARE(install.exitCode, 1);
    QVERIFY2(install.err.contains("Cannot write the product data: No space left on device"), qPrintable(install.err));
    QVERIFY2(!install.err.contains("Another data pack installation"), qPrintable(install.err));
    QVERIFY(!QFileInfo::exists(kalvixDataFolder(disk.path())));
#endif
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
