#include "../setup/setupfixtures.h"

#include "app/commandline.h"
#include "loop/loopwidget.h"
#include "loop/systemcontainerwidget.h"
#include "panel/panelwidget.h"
#include "report/reportgenerator.h"
#include "setup/setupio.h"
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

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

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
    void reportEqualsTheWindowsReport();

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
    }
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
        QVERIFY2(run.out.contains(QStringLiteral("Usage: Kalvix [FILE]")),
                 qPrintable(run.out));
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
            const LoopWidget *loop = containers.at(c)->loopWidgets().at(i);
            const auto loopLabel = [loop](const char *name) {
                return loop->findChild<QLabel *>(QLatin1String(name))->text();
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
    QVERIFY(generateReport(design("window.pdf"), &main, boxes, &catalogue, information));
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

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
