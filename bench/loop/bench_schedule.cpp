// Loop schedule benchmarks: the device-level check of a 250-unit loop, one
// edit of it until the schedule view has painted, and the largest design
// with every loop scheduled read and checked as --check does. Prints medians.
#include "bench/common/benchstats.h"
#include "../common/largestdesign.h"

#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "design/designdocument.h"
#include "design/designevaluation.h"
#include "design/designfile.h"
#include "loop/loopdevicecheck.h"
#include "loop/schedulerules.h"
#include "editors/scheduleview.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace
{

using Bench::median;
using Bench::wallMs;

double medianMs(int runs, const std::function<void()> &body)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        const double start = wallMs();
        body();
        samples.push_back(wallMs() - start);
    }
    return median(samples);
}

LoopSchedule scheduled(const LoopConfig &config, const Catalogue &catalogue)
{
    return ScheduleRules::fromQuantities(
        config, ScheduleRules::records(LoopCalc::resolveDevices(config.devices, catalogue)));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    CatalogueData data;
    QFile file(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    if (!file.open(QIODevice::ReadOnly) || !DataFile::read(file, data)) {
        out << "cannot read the demo catalogue\n";
        return 1;
    }
    const Catalogue catalogue(data);

    // 250 units: detectors, call points, loop sounders at 50 %, isolators, modules.
    Design design = Design::fromSetupData(BenchDesign::largestDesign(catalogue));
    LoopConfig &loop = design.main.loops[0];
    loop.loopLength = 2000;
    loop.devices = {{QStringLiteral("OD-210"), 120}, {QStringLiteral("MD-230"), 40}, {QStringLiteral("CP-300"), 30},
                    {QStringLiteral("SD-500 (loop)"), 40}, {QStringLiteral("ISO-700"), 10},
                    {QStringLiteral("ZM-401"), 10}};
    const LoopSchedule schedule = scheduled(loop, catalogue);
    const QVector<LoopCalc::LoopDevice> devices = LoopCalc::resolveDevices(loop.devices, catalogue);
    volatile double sink = 0;
    const double check = medianMs(501, [&] {
        sink = sink + LoopDeviceCheck::evaluate(loop, schedule, devices, 6.9, 250, 0.5).electrical.breakAtIn.worstDrop;
    });
    out << "device-level check, 250 scheduled units: median " << QString::number(check, 'f', 3) << " ms\n";

    // One edit on that loop, through the document, until the view has painted.
    design.main.schedules.insert(0, schedule);
    QTemporaryDir recovery;
    DesignDocument document(&catalogue, recovery.path());
    document.reset(design, QString());
    ScheduleView view;
    view.setDocument(&document, [] { return -1; }, 0);
    view.resize(1280, 600);
    view.show();
    QCoreApplication::processEvents();
    int edit = 0;
    const double painted = medianMs(51, [&] {
        LoopSchedule next = document.design().main.schedules.value(0);
        next.units[100].zone = QStringLiteral("Z%1").arg(++edit);
        next.units[200].position -= edit % 2 ? 1 : -1;
        document.setLoopSchedule(-1, 0, next);
        view.repaint();
    });
    // Where that time goes: the document's step alone, and the paint alone.
    DesignDocument bare(&catalogue, recovery.path());
    bare.reset(design, QString());
    const double step = medianMs(51, [&] {
        LoopSchedule next = bare.design().main.schedules.value(0);
        next.units[100].zone = QStringLiteral("Z%1").arg(++edit);
        bare.setLoopSchedule(-1, 0, next);
    });
    const double paint = medianMs(51, [&] { view.repaint(); });
    out << "  of which the document's step " << QString::number(step, 'f', 2) << " ms, a repaint "
        << QString::number(paint, 'f', 2) << " ms\n";
    out << "one schedule edit on it, evaluated and painted: median " << QString::number(painted, 'f', 2)
        << " ms\n";

    if (argc > 1 && QByteArray(argv[1]) == "--edit-only")
        return 0;
    // The largest design with every loop scheduled, as a file.
    Design largest = Design::fromSetupData(BenchDesign::largestDesign(catalogue));
    int units = 0;
    for (int s = -1; s < largest.boxes.size(); ++s) {
        SystemDesign *system = largest.system(s);
        for (int i = 0; i < system->loops.size(); ++i) {
            system->schedules.insert(i, scheduled(system->loops.at(i), catalogue));
            units += system->schedules.value(i).units.size();
        }
    }
    const QString text = DesignFile::compose(largest);
    const double read = medianMs(5, [&] {
        Design back;
        sink = sink + (DesignFile::parse(text, back, catalogue) ? 1 : 0);
    });
    const double checked = medianMs(5, [&] {
        Design back;
        DesignFile::parse(text, back, catalogue);
        sink = sink + (DesignEvaluation::evaluate(back, catalogue).hasFault() ? 1 : 0);
    });
    const Design plain = Design::fromSetupData(BenchDesign::largestDesign(catalogue));
    const double unscheduled = medianMs(5, [&] { sink = sink + (DesignEvaluation::evaluate(plain, catalogue).hasFault() ? 1 : 0); });
    Design parsed;
    DesignFile::parse(text, parsed, catalogue);
    const double evaluated = medianMs(5, [&] { sink = sink + (DesignEvaluation::evaluate(parsed, catalogue).hasFault() ? 1 : 0); });
    out << "largest design evaluated: without schedules " << QString::number(unscheduled, 'f', 1)
        << " ms, with every loop scheduled " << QString::number(evaluated, 'f', 1) << " ms\n";
    out << "largest design, every loop scheduled (" << units << " units, " << text.size() / 1024
        << " KiB): read " << QString::number(read, 'f', 1) << " ms, read and checked "
        << QString::number(checked, 'f', 1) << " ms\n";
    return sink < 0;
}
