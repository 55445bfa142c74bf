// The report of the largest design the controls allow (the demo range's
// largest panel at its maximum loops and two of its largest expansion boxes
// at theirs, every loop holding 20 device types at 250 units each) and of a
// typical one (one panel, two loops of a few dozen devices). Prints the
// medians of reading the editors, composing the HTML and writing the PDF.
// Usage: bench_report [runs, default 3] [folder to keep the two PDFs in]
#include "catalogue/catalogue.h"
#include "loop/systemcontainerwidget.h"
#include "panel/panelwidget.h"
#include "report/reportcomposer.h"
#include "report/reportgenerator.h"
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

using LoopSetup = QPair<QStringList, QMap<QString, int>>;

QStringList repeated(const QString &text, int times)
{
    QStringList list;
    for (int i = 0; i < times; ++i)
        list << text;
    return list;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Design {
    std::unique_ptr<SystemContainerWidget> main;
    std::vector<std::unique_ptr<SystemContainerWidget>> boxes;
};

double threadCpuMs()
{
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Reads the editors, composes and writes; returns the milliseconds taken
// (wall clock) and the processor time in `cpuMs`.
double writeReport(const Design &design, const Catalogue &catalogue, const QString &path, double &cpuMs)
{
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = threadCpuMs();
    Report::ReportData data;
    data.facility = QStringLiteral("Benchmark");
    data.date = QDate::currentDate();
    data.mainPanel = reportPanelInfo(design.main.get());
    for (const auto &box : design.boxes)
        data.expansionBoxes.append(reportPanelInfo(box.get()));
    const QString html = Report::composeReportHtml(data, catalogue);
    QFile htmlFile(QString(path).replace(QStringLiteral(".pdf"), QStringLiteral(".html")));
    if (htmlFile.open(QIODevice::WriteOnly))
        htmlFile.write(html.toUtf8());
    if (!writeReportPdf(path, html, Report::documentInfo(data)))
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

    Catalogue catalogue;
#ifdef KALVIX_DEMO_PACK
    if (!catalogue.installDataPack(QStringLiteral(KALVIX_DEMO_PACK)))
        qFatal("cannot install the demo pack");
#endif

    Panel panel;
    for (const Panel &p : catalogue.panels()) {
        if (p.maxLoops > panel.maxLoops && p.maxExpansionBoxes >= 2)
            panel = p;
    }
    ExpansionBox box;
    for (const ExpansionBox &b : catalogue.compatibleExpansionBoxes(panel.name)) {
        if (b.maxLoops > box.maxLoops)
            box = b;
    }
    const QString loopCard = QStringLiteral("VRAL-2");
    const int panelCards = (panel.maxLoops - panel.baseLoops) / 2;
    const int boxCards = (box.maxLoops - box.baseLoops) / 2;
    QMap<QString, int> devices;
    for (const Device &d : catalogue.devices()) {
        if (!d.hidden && devices.size() < 20)
            devices.insert(d.name, 250);
    }
    const QStringList loopValues = {QStringLiteral("2,5 mm2 (14 AWG)"),
                                    QStringLiteral("A"),
                                    QStringLiteral("100"),
                                    QStringLiteral("1500"),
                                    QStringLiteral("0"),
                                    QStringLiteral("0")};
    const QStringList panelValues = {panel.name,
                                     QStringLiteral("TVB 12-38"),
                                     "0.1",
                                     "0.05",
                                     "0.2",
                                     "0.01",
                                     "0",
                                     "0",
                                     repeated(loopCard, panelCards).join(QLatin1Char(',')),
                                     "-",
                                     "-",
                                     "-",
                                     "-",
                                     "20",
                                     "100",
                                     "72 h",
                                     "30 min"};
    const QStringList boxValues = {box.name,
                                   QStringLiteral("TVB 12-26"),
                                   repeated(loopCard, boxCards).join(QLatin1Char(',')),
                                   "-",
                                   "-",
                                   "-",
                                   "-",
                                   "20",
                                   "100",
                                   "72 h",
                                   "30 min"};

    Design largest;
    largest.main.reset(new SystemContainerWidget(false, &catalogue, QString()));
    largest.main->applySetup(
        panelValues, QVector<LoopSetup>(panel.baseLoops + 2 * panelCards, LoopSetup(loopValues, devices)));
    for (int b = 0; b < 2; ++b) {
        largest.boxes.emplace_back(new SystemContainerWidget(true, &catalogue, box.name));
        largest.boxes.back()->applySetup(
            boxValues, QVector<LoopSetup>(box.baseLoops + 2 * boxCards, LoopSetup(loopValues, devices)));
    }

    Design typical;
    typical.main.reset(new SystemContainerWidget(false, &catalogue, QString()));
    QMap<QString, int> few;
    for (const Device &d : catalogue.devices()) {
        if (!d.hidden && few.size() < 4)
            few.insert(d.name, 10);
    }
    typical.main->applySetup({panel.name, QStringLiteral("TVB 12-38"), "0", "0", "0", "0", "0", "0", "", "-",
                              "-", "-", "-", "20", "100", "72 h", "30 min"},
                             QVector<LoopSetup>(panel.baseLoops, LoopSetup(loopValues, few)));

    out << "largest: " << panel.name << " with " << largest.main->loopCount() << " loops, 2 x " << box.name
        << " with " << largest.boxes.front()->loopCount() << " loops; " << devices.size()
        << " device types x 250 units per loop\n";
    out << "typical: " << panel.name << " with " << typical.main->loopCount() << " loops of " << few.size()
        << " device types x 10 units\n";
    out.flush();

    QTemporaryDir scratch;
    const QString folder = keep.isEmpty() ? scratch.path() : keep;
    QDir().mkpath(folder);
    for (const auto &[name, design] :
         {std::pair<const char *, const Design *>{"largest", &largest}, {"typical", &typical}}) {
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
