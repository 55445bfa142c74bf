#include "../setup/setupfixtures.h"
#include "reportreadback.h"

#include "app/mainwindow.h"
#include "bench/common/largestdesign.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "app/reportdialog.h"
#include "report/reportpdf.h"
#include "design/designevaluation.h"
#include "design/designfile.h"
#include "app/setupio.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

// The selector text of a name: "-" for none.
static QString orDash(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("-") : name;
}

namespace
{

struct DialogSeen {
    bool found = false;
    QString title;
    bool helpButton = true;
    QStringList labels;
    QStringList initial;
};

// Answers the next report information dialog: types the texts (when given)
// and presses OK or Cancel, recording what the dialog showed.
void answerDialog(bool accept, const QStringList &texts, DialogSeen *seen)
{
    QTimer::singleShot(0, [=]() {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->objectName() != QLatin1String("reportInformationDialog")) {
            answerDialog(accept, texts, seen); // not open yet
            return;
        }
        seen->found = true;
        seen->title = dialog->windowTitle();
        seen->helpButton = dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint);
        const QStringList names = {"facilityNameLineEdit",     "addressLineEdit",  "installerCompanyLineEdit",
                                   "projectReferenceLineEdit", "revisionLineEdit", "preparedByLineEdit"};
        for (int i = 0; i < names.size(); ++i) {
            auto *edit = dialog->findChild<QLineEdit *>(names[i]);
            if (!edit)
                continue;
            seen->initial << edit->text();
            if (auto *form = qobject_cast<QFormLayout *>(edit->parentWidget()->layout()->itemAt(0)->layout()))
                if (auto *label = qobject_cast<QLabel *>(form->labelForField(edit)))
                    seen->labels << label->text();
            if (i < texts.size())
                edit->setText(texts[i]);
        }
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        buttons->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
}

QString labelText(const QWidget *widget, const char *name)
{
    // A loop tab not shown yet builds its form when asked for it.
    if (const auto *loop = qobject_cast<const LoopWidget *>(widget))
        const_cast<LoopWidget *>(loop)->page();
    const auto *label = widget->findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

// The number of a figure label without its unit.
QString figureOf(const QWidget *widget, const char *name)
{
    return labelText(widget, name).section(QLatin1Char(' '), 0, 0);
}

// The report's values of one panel and its loops against what its editors
// show: settings, report texts and the figures the calculation sheet uses.
void checkPanelValues(const Report::PanelInfo &info, const SystemContainerWidget *container)
{
    const PanelWidget *panel = container->panelWidget();
    QCOMPARE(info.model, panel->modelName());
    QCOMPARE(info.internalBattery, orDash(panel->configuration().internalBattery));
    QCOMPARE(info.batteryDegradation, panel->configuration().batteryDegradation);
    QCOMPARE(info.soundersActive, panel->configuration().soundersActive);
    QCOMPARE(info.idleTime, panel->configuration().idleTime);
    QCOMPARE(info.alarmTime, panel->configuration().alarmTime);
    QCOMPARE(info.cards, panel->configuration().cards);
    QCOMPARE((QStringList{info.source1, info.battery1, info.source2, info.battery2}),
             (QStringList{orDash(panel->configuration().source1), orDash(panel->configuration().battery1),
                          orDash(panel->configuration().source2), orDash(panel->configuration().battery2)}));
    QCOMPARE(info.powerNotes, panel->powerReportNotes());
    QCOMPARE(info.externalPowerNotes, panel->externalPowerReportNotes());
    QCOMPARE(info.outputs.aux24VIdle, panel->configuration().outputs.aux24VIdle);
    QCOMPARE(info.outputs.aux24VAlarm, panel->configuration().outputs.aux24VAlarm);
    QCOMPARE(info.outputs.snd1Idle, panel->configuration().outputs.snd1Idle);
    QCOMPARE(info.outputs.snd1Alarm, panel->configuration().outputs.snd1Alarm);
    QCOMPARE(info.outputs.snd2Idle, panel->configuration().outputs.snd2Idle);
    QCOMPARE(info.outputs.snd2Alarm, panel->configuration().outputs.snd2Alarm);
    QCOMPARE(info.totalIdleCurrent, panel->evaluation().figures.totalIdleCurrent);
    QCOMPARE(info.totalAlarmCurrent, panel->evaluation().figures.totalAlarmCurrent);
    QCOMPARE(info.minimumBatteryRequired, panel->evaluation().figures.minimumBatteryRequired);
    QCOMPARE(info.selectedTotalBattery, panel->evaluation().figures.selectedTotalBattery);
    const QVector<PanelCalculation::CurrentPair> currents = panel->activeLoopCurrents();
    QCOMPARE(info.loopCurrents.size(), currents.size());
    for (int i = 0; i < currents.size(); ++i) {
        QCOMPARE(info.loopCurrents.at(i).idle, currents.at(i).idle);
        QCOMPARE(info.loopCurrents.at(i).alarm, currents.at(i).alarm);
    }

    QCOMPARE(info.loops.size(), container->loopCount());
    const QVector<LoopWidget *> loops = container->loopWidgets();
    for (int l = 0; l < info.loops.size(); ++l) {
        const Report::LoopInfo &shown = info.loops.at(l);
        const LoopWidget *loop = loops.at(l);
        QCOMPARE(shown.cableType, loop->cableTypeText());
        QCOMPARE(shown.topologyCode, loop->topologyCode());
        QCOMPARE(shown.distributionFactor, loop->distributionFactorValue());
        QCOMPARE(shown.loopLength, loop->loopLengthValue());
        QCOMPARE(shown.startDistance, loop->startDistanceValue());
        QCOMPARE(shown.endDistance, loop->endDistanceValue());
        QCOMPARE(shown.devices, loop->deviceList());
        QCOMPARE(shown.faultText, loop->faultReportText());
        QCOMPARE(shown.noteText, loop->noteReportText());
        QCOMPARE(shown.degradedModeOk, loop->isDegradedModeOk());
    }
}

} // namespace

class TestReportDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dialogShowsAndTrims();
    void cancelWritesNothing();
    void compareWithAnEarlierRevision();
    void reportWithChangesSinceAnEarlierRevision();
    void fullDesignReport();
    void mainWindowCommand();
    void reportShowsWhatTheEditorsShow_data();
    void reportShowsWhatTheEditorsShow();
    void largestReportPagesCleanly();

private:
    // What the window hands to the report: the design its editors hold.
    DesignEvaluation heldBy(const SystemContainerWidget *main,
                            const QList<SystemContainerWidget *> &boxes) const
    {
        return DesignEvaluation::evaluate(collectSetupData(main, boxes), catalogue);
    }
    Catalogue catalogue{demoData()};
    QTemporaryDir dir;
};

void TestReportDialog::initTestCase()
{
    initGuiResources();
    QVERIFY(dir.isValid());
    QVERIFY(SetupFile::writeSetupData(dir.filePath("full.csv"), fullDesign()));
}

void TestReportDialog::init()
{
    MessageBox::setTestMode(true);
}

void TestReportDialog::cleanup()
{
    MessageBox::takeShown();
    MessageBox::setTestMode(false);
}

void TestReportDialog::dialogShowsAndTrims()
{
    DialogSeen seen;
    answerDialog(true, {"  Mall  ", "\tMain St 1 ", "", " P-17 ", "B ", " J. Ray"}, &seen);
    ReportInformation initial{"f0", "a0", "i0", "r0", "v0", "p0"};
    ReportInformation answer;
    answer.installer = QStringLiteral("old");
    QVERIFY(askReportInformation(nullptr, initial, answer));
    QVERIFY(seen.found);
    QCOMPARE(seen.title, QStringLiteral("Report Information"));
    QVERIFY(!seen.helpButton);
    // The described three first, then the optional project fields.
    QCOMPARE(seen.labels, (QStringList{"Facility name", "Address", "Installer company", "Project reference",
                                       "Revision", "Prepared by"}));
    QCOMPARE(seen.initial, (QStringList{"f0", "a0", "i0", "r0", "v0", "p0"}));
    QCOMPARE(answer.facility, QStringLiteral("Mall"));
    QCOMPARE(answer.address, QStringLiteral("Main St 1"));
    QCOMPARE(answer.installer, QString()); // empty texts are allowed
    QCOMPARE(answer.projectReference, QStringLiteral("P-17"));
    QCOMPARE(answer.revision, QStringLiteral("B"));
    QCOMPARE(answer.preparedBy, QStringLiteral("J. Ray"));

    DialogSeen cancelled;
    answerDialog(false, {"typed"}, &cancelled);
    answer.facility = QStringLiteral("kept");
    QVERIFY(!askReportInformation(nullptr, initial, answer));
    QVERIFY(cancelled.found);
    QCOMPARE(answer.facility, QStringLiteral("kept"));
}

void TestReportDialog::cancelWritesNothing()
{
    SystemContainerWidget main(false, &catalogue, QString());
    const QString path = dir.filePath("cancelled.pdf");
    ReportInformation information;
    information.facility = QStringLiteral("Mall");
    DialogSeen seen;
    answerDialog(false, {"Other"}, &seen);
    QVERIFY(!generateReport(nullptr, path, heldBy(&main, {}), catalogue, information));
    QVERIFY(seen.found);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(information.facility, QStringLiteral("Mall"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"full.csv"});
}

void TestReportDialog::compareWithAnEarlierRevision()
{
    // Driven without exec(): the file dialog's answers are queued.
    ReportInformationDialog dialog(ReportInformation{"f0", "a0", "i0", "r0", "v0", "p0"}, &catalogue, dir.path());
    auto *shown = dialog.findChild<QLineEdit *>(QStringLiteral("compareWithLineEdit"));
    auto *choose = dialog.findChild<QPushButton *>(QStringLiteral("compareWithButton"));
    auto *clear = dialog.findChild<QPushButton *>(QStringLiteral("clearCompareWithButton"));
    QVERIFY(shown && choose && clear);
    QVERIFY(shown->isReadOnly());
    QVERIFY(!clear->isEnabled());
    QVERIFY(!dialog.compareWith());

    FileDialog::setNextFileName(dir.filePath("full.csv"));
    choose->click();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Compare with an Earlier Revision"));
    QCOMPARE(FileDialog::lastDirectory(), dir.path());
    QVERIFY(dialog.compareWith());
    QCOMPARE(dialog.compareWith()->boxes.size(), 2);
    QCOMPARE(dialog.compareWithFile(), dir.filePath("full.csv"));
    QCOMPARE(shown->text(), QDir::toNativeSeparators(dir.filePath("full.csv")));
    QVERIFY(clear->isEnabled());
    QVERIFY(MessageBox::takeShown().isEmpty());

    // A file that is no design is refused with a message; the choice stays.
    QTemporaryDir own;
    const QString broken = own.filePath("broken.csv");
    {
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a design\n");
    }
    FileDialog::setNextFileName(broken);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
    QVERIFY(!dialog.chooseCompareWith());
    const QList<MessageBox::Shown> messages = MessageBox::takeShown();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().title, QStringLiteral("Error"));
    QVERIFY(messages.first().text.startsWith(QStringLiteral("Failed to read the design to compare with.")));
    QCOMPARE(dialog.compareWithFile(), dir.filePath("full.csv"));
    // No file chosen: nothing changes either.
    FileDialog::setNextFileName(QString());
    QVERIFY(!dialog.chooseCompareWith());
    QCOMPARE(dialog.compareWithFile(), dir.filePath("full.csv"));

    clear->click();
    QVERIFY(!dialog.compareWith());
    QVERIFY(shown->text().isEmpty());
    QVERIFY(!clear->isEnabled());
    // The information is the typed texts, trimmed, whatever the comparison.
    dialog.findChild<QLineEdit *>(QStringLiteral("facilityNameLineEdit"))->setText(QStringLiteral("  Mall "));
    QCOMPARE(dialog.information().facility, QStringLiteral("Mall"));
    QCOMPARE(dialog.information().preparedBy, QStringLiteral("p0"));

    // The information-only dialog offers no comparison.
    ReportInformationDialog plain(ReportInformation{}, nullptr);
    QVERIFY(!plain.findChild<QPushButton *>(QStringLiteral("compareWithButton")));
}

void TestReportDialog::reportWithChangesSinceAnEarlierRevision()
{
    // Revision A had one optical detector less on the main panel's first loop.
    Design earlier = Design::fromSetupData(fullDesign());
    const QString device = earlier.main.loops[0].devices.firstKey();
    earlier.main.loops[0].devices[device] -= 1;
    ProjectInfo project;
    project.revision = QStringLiteral("A");
    earlier.project = project;
    QTemporaryDir own;
    QVERIFY(DesignFile::write(own.filePath("revision-a.csv"), earlier));
    const Design current = Design::fromSetupData(fullDesign());

    const QString path = own.filePath("changes.pdf");
    const QString earlierFile = own.filePath("revision-a.csv");
    bool chosen = false;
    std::function<void()> answer;
    answer = [&]() {
        auto *dialog = qobject_cast<ReportInformationDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(0, answer);
            return;
        }
        FileDialog::setNextFileName(earlierFile);
        dialog->findChild<QPushButton *>(QStringLiteral("compareWithButton"))->click();
        chosen = dialog->compareWith().has_value();
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    };
    QTimer::singleShot(0, answer);
    ReportInformation information;
    QVERIFY(generateReport(nullptr, path, current, DesignEvaluation::evaluate(current, catalogue), catalogue,
                           information));
    QVERIFY(chosen);
    if (!havePoppler())
        QSKIP("pdftotext is not installed");
    const QString text = pdfText(path);
    // After the cover, before the revision history, naming the changed device.
    const int changes = text.indexOf(QStringLiteral("Changes since revision A"));
    QVERIFY2(changes > 0, qPrintable(text.left(2000)));
    QVERIFY(changes < text.indexOf(QStringLiteral("Revision History")));
    QVERIFY(text.mid(changes, 3000).contains(device));
}

void TestReportDialog::fullDesignReport()
{
    SystemContainerWidget main(false, &catalogue, QString());
    QList<SystemContainerWidget *> boxes;
    QVERIFY(readSetupFile(dir.filePath("full.csv"), &main, boxes, &catalogue));
    QCOMPARE(boxes.size(), 2);

    // Overwrites a file that is already there, and leaves nothing else behind.
    const QString path = dir.filePath("full.pdf");
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents");
    }
    ReportInformation information;
    DialogSeen seen;
    answerDialog(true, {"<b>& Mall", "Main St 1", "Acme", "P-17 Ñandú", "B", "J. O'Ray"}, &seen);
    QVERIFY(generateReport(&main, path, heldBy(&main, boxes), catalogue, information));
    QVERIFY(QGuiApplication::overrideCursor() == nullptr); // the busy cursor is gone again
    const QByteArray keep = qgetenv("KALVIX_REPORT_KEEP");
    if (!keep.isEmpty()) {
        QFile::remove(QString::fromLocal8Bit(keep));
        QFile::copy(path, QString::fromLocal8Bit(keep));
    }
    QCOMPARE(information.facility, QStringLiteral("<b>& Mall"));
    QCOMPARE(information.installer, QStringLiteral("Acme"));
    QVERIFY(bytesOf(path).startsWith("%PDF"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"full.csv", "full.pdf"}));

    // Title page, panel, six main loops, two boxes with 2 + 4 loops and the
    // summary each start a page; the analysis and the summary may run longer.
    const int pages = pdfPages(path);
    QVERIFY2(pages >= 1 + 1 + 6 + 2 + 6 + 1, qPrintable(QString::number(pages)));
    const QString text = pdfText(path);
    if (!text.isEmpty()) {
        QVERIFY(text.contains(QStringLiteral("<b>& Mall")));
        QVERIFY(text.contains(QStringLiteral("Project reference: P-17 Ñandú")));
        QVERIFY(text.contains(QStringLiteral("Prepared by: J. O'Ray")));
        QVERIFY(text.contains(QStringLiteral("Expansion Box 2 - Loop 4 Analysis")));
        // Every page carries its footer, numbered against the real page count.
        for (int p = 1; p <= pages; ++p)
            QVERIFY2(text.contains(
                         QRegularExpression(QStringLiteral("Kalvix[^\\n]*\\s+%1\\s*/\\s*%2\\b").arg(p).arg(pages))),
                     qPrintable(QString::number(p)));
    }
    qDeleteAll(boxes);
}

void TestReportDialog::mainWindowCommand()
{
    MainWindow window(&catalogue);
    MessageBox::takeShown();
    QAction *generate = window.findChild<QAction *>(QStringLiteral("actionGenerate_report"));
    QVERIFY(generate);

    // No file chosen: nothing happens.
    FileDialog::setNextFileName(QString());
    generate->trigger();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Generate Report"));
    QCOMPARE(FileDialog::lastFilter(), QStringLiteral("PDF files (*.pdf)"));
    QCOMPARE(FileDialog::lastDirectory(), QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
    QVERIFY(MessageBox::takeShown().isEmpty());

    const QString error =
        QStringLiteral("Failed to generate report.\nIf overwriting an existing file, make sure the "
                       "file is not open by another process.");
    // Cancelling the dialog counts as a failed report.
    const QString path = dir.filePath("window.pdf");
    DialogSeen cancelled;
    answerDialog(false, {}, &cancelled);
    FileDialog::setNextFileName(path);
    generate->trigger();
    QVERIFY(cancelled.found);
    QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Error"));
    QCOMPARE(shown.first().text, error);
    QVERIFY(!QFile::exists(path));

    DialogSeen first;
    answerDialog(true, {"Mall", "Main St 1", "Acme", "P-17", "C", "J. Ray"}, &first);
    FileDialog::setNextFileName(path);
    generate->trigger();
    QCOMPARE(first.initial, (QStringList{"", "", "", "", "", ""}));
    shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Success"));
    QCOMPARE(shown.first().text, QStringLiteral("Report generated successfully!"));
    QVERIFY(bytesOf(path).startsWith("%PDF"));

    // The next report offers the last answers; a file that cannot be written fails.
    DialogSeen second;
    answerDialog(true, {}, &second);
    FileDialog::setNextFileName(dir.filePath("missing/folder/window.pdf"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write file:"));
    generate->trigger();
    // The project fields are kept like the other three.
    QCOMPARE(second.initial, (QStringList{"Mall", "Main St 1", "Acme", "P-17", "C", "J. Ray"}));
    shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Error"));
    QCOMPARE(shown.first().text, error);
}

void TestReportDialog::reportShowsWhatTheEditorsShow_data()
{
    QTest::addColumn<QString>("design");
    // A panel and a loop of a few detectors with a large battery: everything OK.
    SetupFile::SetupData healthy;
    healthy.panel = QStringList{"TXP 816", "TVB 12-38", "0", "0", "0",  "0",   "0",    "0",     "",
                                "-",       "-",         "-", "-", "20", "100", "72 h", "30 min"};
    healthy.loops = {loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0, {{"OD-210", 10}, {"CP-300", 2}}),
                     loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0, {{"HD-220", 5}}),
                     loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0),
                     loop("1 mm2 (18 AWG)", "B", 50, 300, 0, 0)};
    QTest::newRow("healthy") << "healthy";
    QTest::newRow("every fault") << "faulty";
    QTest::newRow("boxes") << "full";
    QVERIFY(SetupFile::writeSetupData(dir.filePath("healthy.csv"), healthy));
    QVERIFY(SetupFile::writeSetupData(dir.filePath("faulty.csv"), faultyDesign()));
}

void TestReportDialog::reportShowsWhatTheEditorsShow()
{
    QFETCH(QString, design);
    SystemContainerWidget main(false, &catalogue, QString());
    QList<SystemContainerWidget *> boxes;
    QVERIFY(readSetupFile(dir.filePath(design + ".csv"), &main, boxes, &catalogue));
    const Report::ReportData data = Report::reportData(heldBy(&main, boxes), {}, QDate::currentDate());
    QCOMPARE(data.expansionBoxes.size(), boxes.size());
    const QString html = Report::composeCalculationSheet(data, catalogue);

    QList<const SystemContainerWidget *> containers{&main};
    for (const SystemContainerWidget *box : qAsConst(boxes))
        containers.append(box);
    int faults = 0;
    for (int c = 0; c < containers.size(); ++c) {
        const SystemContainerWidget *container = containers.at(c);
        const PanelWidget *panel = container->panelWidget();
        const Report::PanelInfo &info = c == 0 ? data.mainPanel : data.expansionBoxes.at(c - 1);
        checkPanelValues(info, container);
        if (QTest::currentTestFailed())
            return;
        const QString heading =
            c == 0 ? QStringLiteral("<h2>Main Panel: ") : QStringLiteral("<h2>Expansion Box %1: ").arg(c);
        const int start = html.indexOf(heading);
        QVERIFY2(start >= 0, qPrintable(heading));
        const int end = c + 1 < containers.size()
                            ? html.indexOf(QStringLiteral("<h2>Expansion Box %1: ").arg(c + 1))
                            : html.indexOf(QStringLiteral("<h2>Method"));
        const QString part = html.mid(start, end - start);

        // Battery and power load: the panel's own texts.
        QCOMPARE(rowCells(part, "Battery Calculation", "Total idle current (Iq)").value(1),
                 labelText(panel, "totalIdleCurrentValueLabel"));
        QCOMPARE(rowCells(part, "Battery Calculation", "Total alarm current (Ia)").value(1),
                 labelText(panel, "totalAlarmCurrentValueLabel"));
        QVERIFY(rowCells(part, "Battery Calculation", "Required capacity")
                    .value(1)
                    .endsWith(QStringLiteral(" = ") + labelText(panel, "minBattRequiredValueLabel")));
        QVERIFY(rowCells(part, "Battery Calculation", "Selected batteries")
                    .value(1)
                    .endsWith(QStringLiteral(" = ") + labelText(panel, "currentSelectedBattValueLabel")));
        const PanelMessages::FaultFlags flags = panel->computeFaultFlags();
        QCOMPARE(rowCells(part, "Battery Calculation", "Result").value(1),
                 flags.hasBatteryFault ? QStringLiteral("FAULT") : QStringLiteral("OK"));
        QCOMPARE(rowCells(part, "Power Load", "Total"),
                 (QStringList{"Total", labelText(panel, "totalIdleCurrentValueLabel"),
                              labelText(panel, "totalAlarmCurrentValueLabel")}));
        QCOMPARE(rowCells(part, "Power Load", "Result").value(2).startsWith(QStringLiteral("FAULT")),
                 flags.hasPowerLoadFault);

        // One row per active loop, with the loop tab's figures and verdict.
        const QVector<LoopWidget *> loops = container->loopWidgets();
        for (int l = 0; l < container->loopCount(); ++l) {
            const LoopWidget *loop = loops.at(l);
            const QStringList cells = rowCells(part, "<h3>Loops</h3>", QString::number(l + 1));
            QCOMPARE(cells.size(), 8);
            QCOMPARE(cells.at(1), labelText(loop, "totalAddressesValueLabel") + QStringLiteral(" / ") +
                                      QString::number(loop->limits().maxAddresses));
            QCOMPARE(cells.at(2), figureOf(loop, "idleCurrentValueLabel"));
            QCOMPARE(cells.at(3), figureOf(loop, "alarmCurrentValueLabel") + QStringLiteral(" / ") +
                                      figureOf(loop, "maxCurrentValueLabel"));
            QCOMPARE(cells.at(4), figureOf(loop, "voltageDropValueLabel") + QStringLiteral(" / ") +
                                      figureOf(loop, "maxVoltageDropValueLabel"));
            const bool faulty =
                loop->findChild<QLabel *>(QStringLiteral("faultsLabel"))->property("fault").toBool();
            QCOMPARE(cells.at(7), faulty ? QStringLiteral("FAULT") : QStringLiteral("OK"));
            QCOMPARE(cells.at(6).endsWith(QStringLiteral("exceeded")), !loop->isDegradedModeOk());
            faults += faulty;
        }
    }
    if (design == QLatin1String("healthy"))
        QCOMPARE(faults, 0);
    if (design == QLatin1String("faulty"))
        QCOMPARE(faults, 2);
    qDeleteAll(boxes);
}

void TestReportDialog::largestReportPagesCleanly()
{
    if (!havePoppler())
        QSKIP("pdftotext is not installed");
    // The largest design the controls allow, as the benchmarks write it.
    const DesignEvaluation design =
        DesignEvaluation::evaluate(BenchDesign::largestDesign(catalogue), catalogue);
    QCOMPARE(design.main.loops.size(), 16);

    ReportInformation information;
    // A name that wraps over many lines, and every optional field filled:
    // without the title page giving way, its last rows would go to page 2.
    information.facility =
        QStringLiteral("Regional logistics centre, warehouses A to F with the cold stores, the "
                       "loading docks, the workshop, the canteen, the office wing and the car park "
                       "levels -1 and -2, including the extension built in the second phase of "
                       "the project and the gatehouse at the northern entrance of the site");
    information.address = QStringLiteral("Industrial estate, plot 14, north access road");
    information.installer = QStringLiteral("Acme Fire Installations");
    information.projectReference = QStringLiteral("P-2026-017");
    information.revision = QStringLiteral("C");
    information.preparedBy = QStringLiteral("J. Ray");
    const QString path = dir.filePath("largest.pdf");
    QElapsedTimer timer;
    timer.start();
    QVERIFY(Report::writeDesignReport(path, design, catalogue, information));
    qInfo() << "largest report written in" << timer.elapsed() << "ms";
    const QByteArray keep = qgetenv("KALVIX_REPORT_KEEP_LARGEST");
    if (!keep.isEmpty()) {
        QFile::remove(QString::fromLocal8Bit(keep));
        QFile::copy(path, QString::fromLocal8Bit(keep));
    }

    // The body of a page lies between the top margin (4 mm) and the footer
    // band, 16 points above the bottom margin (6 mm).
    const qreal top = 4 / 25.4 * 72;
    const qreal bodyBottom = 841.89 - 6 / 25.4 * 72 - 16;
    const QVector<PdfWord> words = pdfWords(path);
    QVERIFY(!words.isEmpty());
    const int pages = pdfPages(path);
    QStringList hidden;
    QMap<int, QVector<PdfWord>> byPage;
    for (const PdfWord &word : words) {
        byPage[word.page].append(word);
        // Text painted outside the page's body is clipped away on paper but
        // still found by search and copy.
        const bool footer = word.box.top() >= bodyBottom - 1;
        if (word.box.bottom() <= top + 1 ||
            (footer && !QRegularExpression(QStringLiteral("^(Kalvix|\\d+|/|–|P-2026-017|Revision|C)$")).match(word.text).hasMatch()))
            hidden << QStringLiteral("page %1: %2").arg(word.page).arg(word.text);
    }
    QVERIFY2(hidden.isEmpty(), qPrintable(hidden.mid(0, 10).join(QStringLiteral("; "))));

    // No heading or box title is the last line of a page.
    QStringList headings = Report::boxTitles();
    headings << QStringLiteral("Battery Calculation") << QStringLiteral("Power Load")
             << QStringLiteral("Loops") << QStringLiteral("Method and Assumptions")
             << QStringLiteral("Devices in Loop");
    const QRegularExpression headingLine(
        QStringLiteral("(Analysis|Configuration|^Main Panel: .*|^Expansion Box \\d+: .*)$"));
    for (int p = 1; p <= pages; ++p) {
        QVector<PdfWord> body;
        for (const PdfWord &word : byPage.value(p))
            if (word.box.top() < bodyBottom - 1)
                body.append(word);
        if (body.isEmpty())
            continue;
        qreal lastTop = body.first().box.top();
        for (const PdfWord &word : qAsConst(body))
            lastTop = std::max(lastTop, word.box.top());
        QStringList line;
        for (const PdfWord &word : qAsConst(body))
            if (std::abs(word.box.top() - lastTop) < 2)
                line << word.text;
        const QString last = line.join(QLatin1Char(' '));
        if (p < pages)
            QVERIFY2(!headings.contains(last) && !headingLine.match(last).hasMatch(),
                     qPrintable(QStringLiteral("page %1 ends with %2").arg(p).arg(last)));
    }

    // The long facility name keeps the title page on one page.
    const QString first = pdfText(path).section(QLatin1Char('\f'), 0, 0);
    QVERIFY(first.contains(QStringLiteral("Website:")));
    // The summary's header row heads every page the table continues onto.
    const QString all = pdfText(path);
    const QStringList pageTexts = all.split(QLatin1Char('\f'));
    int summaryPages = 0;
    for (const QString &pageText : pageTexts)
        if (pageText.contains(QRegularExpression(QStringLiteral("Loop\\s+Cable\\s+-\\s+loop\\s+wiring"))) ||
            pageText.contains(QStringLiteral("Equipment Summary List")))
            summaryPages += pageText.contains(
                QRegularExpression(QStringLiteral("Item\\s+Description\\s+Main")));
    QVERIFY2(summaryPages >= 2, qPrintable(QString::number(summaryPages)));
}

QTEST_MAIN(TestReportDialog)
#include "tst_reportdialog.moc"
