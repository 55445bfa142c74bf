// The report of the largest design the controls allow (the demo range's
// largest panel at its maximum loops and two of its largest expansion boxes
// at theirs, every loop holding 20 device types at 250 units each) and of a
// typical one (one panel, two loops of a few dozen devices). Prints the
// medians of reading the editors, composing the HTML and writing the PDF.
// Every loop of the design carries a device schedule (one unit per device,
// spread along its cable).
// Usage: bench_report [runs, default 3] [folder to keep the two PDFs in]
//                     [units per schedule, default all] [scheduled loops, default all]
#include "bench/common/benchstats.h"
#include "bench/common/largestdesign.h"
#include "bench/common/typedsetup.h"
#include "catalogue/catalogue.h"
#include "catalogue/datapackinfo.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "report/reportbuilder.h"
#include "report/reportcomposer.h"
#include "report/reportpdf.h"
#include "design/design.h"
#include "design/designevaluation.h"
#include "app/setupio.h"
#include "widgets/guiresources.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <memory>
#include <vector>

namespace
{

using Bench::median;
using Bench::threadCpuMs;

using LoopSetup = QPair<QStringList, QMap<QString, int>>;

struct ScreenDesign {
    std::unique_ptr<SystemContainerWidget> main;
    std::vector<std::unique_ptr<SystemContainerWidget>> boxes;
};

// At most `maxUnits` units on each of at most `maxLoops` loops (0: no limit).
int g_maxUnits = 0;
int g_maxLoops = 0;

void scheduleEveryLoop(Design &design)
{
    int scheduled = 0;
    for (int s = -1; s + 1 < design.systemCount(); ++s) {
        SystemDesign *system = design.system(s);
        for (int l = 0; l < system->loops.size(); ++l) {
            if (g_maxLoops > 0 && scheduled++ >= g_maxLoops)
                return;
            const LoopConfig &loop = system->loops.at(l);
            LoopSchedule schedule;
            int count = 0;
            for (auto it = loop.devices.cbegin(); it != loop.devices.cend(); ++it)
                count += it.value();
            int address = 1;
            for (auto it = loop.devices.cbegin(); it != loop.devices.cend(); ++it) {
                for (int unit = 0; unit < it.value(); ++unit) {
                    if (g_maxUnits > 0 && schedule.units.size() >= g_maxUnits)
                        break;
                    const int index = schedule.units.size();
                    schedule.units.append({loop.startDistance + int(qint64(loop.loopLength) * index / std::max(1, count)),
                                           it.key(), QString::number(address++), QStringLiteral("Z1"),
                                           QStringLiteral("Level %1").arg(index / 50 + 1)});
                }
            }
            system->schedules.insert(l, schedule);
        }
    }
}

// Reads the editors, composes and writes; returns the milliseconds taken
// (wall clock) and the processor time in `cpuMs`.
double writeReport(const ScreenDesign &design, const Catalogue &catalogue, const QString &path, double &cpuMs)
{
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = threadCpuMs();
    QList<SystemContainerWidget *> boxes;
    for (const auto &box : design.boxes)
        boxes.append(box.get());
    ReportInformation information;
    information.facility = QStringLiteral("Benchmark");
    Design whole = Design::fromSetupData(collectSetupData(design.main.get(), boxes));
    scheduleEveryLoop(whole);
    ProjectInfo project;
    project.reference = QStringLiteral("BENCH-1");
    project.revision = QStringLiteral("A");
    project.revisions = {{QStringLiteral("A"), QStringLiteral("2026-01-01"), QStringLiteral("First issue"),
                          QStringLiteral("Bench")}};
    whole.project = project;
    Report::ReportData data = Report::reportData(whole, DesignEvaluation::evaluate(whole, catalogue), information,
                                                 QDate::currentDate());
    const DataPackInfo pack = DataPackInfo::installed();
    data.dataPackName = pack.name;
    data.dataPackVersion = pack.versionText();
    const QString html = Report::composeReportHtml(data, catalogue);
    QFile htmlFile(QString(path).replace(QStringLiteral(".pdf"), QStringLiteral(".html")));
    if (htmlFile.open(QIODevice::WriteOnly))
        htmlFile.write(html.toUtf8());
    if (!writeReportPdf(path, html, Report::documentInfo(data), Report::profilePictures(data),
                        Report::scheduleTables(data)))
        qFatal("cannot write %s", qPrintable(path));
    cpuMs = threadCpuMs() - cpuStart;
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/share")).toLocal8Bit());
    QApplication app(argc, argv);
    initGuiResources();
    QTextStream out(stdout);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;
    const QString keep = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    g_maxUnits = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 0;
    g_maxLoops = argc > 4 ? QString::fromLocal8Bit(argv[4]).toInt() : 0;

    Catalogue catalogue;
#ifdef KALVIX_DEMO_PACK
    if (!catalogue.installDataPack(QStringLiteral(KALVIX_DEMO_PACK)))
        qFatal("cannot install the demo pack");
#endif

    const SetupFile::SetupData design = BenchDesign::largestDesign(catalogue);
    const QString panelName = design.panel.value(0);
    const QString boxName = design.boxes.value(0).panel.value(0);
    ScreenDesign largest;
    largest.main.reset(new SystemContainerWidget(false, &catalogue, QString()));
    largest.main->applySetup(BenchSetup::panel(design.panel), BenchSetup::loops(design.loops));
    for (const SetupFile::ExpansionBoxConfig &box : design.boxes) {
        largest.boxes.emplace_back(new SystemContainerWidget(true, &catalogue, boxName));
        largest.boxes.back()->applySetup(BenchSetup::panel(box.panel), BenchSetup::loops(box.loops));
    }
    const QStringList loopValues = {QStringLiteral("2,5 mm2 (14 AWG)"),
                                    QStringLiteral("A"),
                                    QStringLiteral("100"),
                                    QStringLiteral("1500"),
                                    QStringLiteral("0"),
                                    QStringLiteral("0")};

    ScreenDesign typical;
    typical.main.reset(new SystemContainerWidget(false, &catalogue, QString()));
    QMap<QString, int> few;
    for (const Device &d : catalogue.devices()) {
        if (!d.hidden && few.size() < 4)
            few.insert(d.name, 10);
    }
    typical.main->applySetup(BenchSetup::panel({panelName, QStringLiteral("TVB 12-38"), "0", "0", "0", "0", "0", "0", "", "-", "-", "-", "-", "20",
         "100", "72 h", "30 min"}), BenchSetup::loops(QVector<LoopSetup>(catalogue.findPanel(panelName).baseLoops, LoopSetup(loopValues, few))));

    out << "largest: " << panelName << " with " << largest.main->loopCount() << " loops, 2 x " << boxName
        << " with " << largest.boxes.front()->loopCount() << " loops; "
        << design.loops.value(0).devices.size() << " device types x 250 units per loop\n";
    out << "typical: " << panelName << " with " << typical.main->loopCount() << " loops of " << few.size()
        << " device types x 10 units\n";
    out.flush();

    QTemporaryDir scratch;
    const QString folder = keep.isEmpty() ? scratch.path() : keep;
    QDir().mkpath(folder);
    for (const auto &[name, design] :
         {std::pair<const char *, const ScreenDesign *>{"largest", &largest}, {"typical", &typical}}) {
        std::vector<double> times, cpu;
        for (int run = 0; run < runs; ++run) {
            double cpuMs = 0;
            times.push_back(
                writeReport(*design, catalogue, folder + QStringLiteral("/%1.pdf").arg(name), cpuMs));
            cpu.push_back(cpuMs);
        }
        out << name << " report: median " << QString::number(median(times), 'f', 0) << " ms wall, "
            << QString::number(median(cpu), 'f', 0) << " ms CPU (" << runs << " runs)\n";
        out.flush();
    }
    return 0;
}
