// Loop benchmarks: one full recomputation in the core, and applying a full
// device map to a fresh loop tab. Prints medians.
#include "bench/common/benchstats.h"
#include "catalogue/catalogue.h"
#include "loop/loopcalculation.h"
#include "loop/loopmessages.h"
#include "editors/loopwidget.h"

#include <QApplication>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace
{

using Bench::median;
using Bench::threadCpuMs;

Device makeDevice(int i)
{
    Device d;
    d.name = QStringLiteral("DEV-%1").arg(i, 2, 10, QLatin1Char('0'));
    d.addresses = 1;
    d.idleCurrent = 0.0002 + 0.00001 * i;
    d.alarmCurrent = 0.003 + 0.0005 * (i % 7);
    switch (i % 5) {
    case 0: // loop sounder
        d.category = QStringLiteral("SND");
        d.subcategory = QStringLiteral("-");
        d.isSounder = true;
        d.name += QStringLiteral(" (loop)");
        break;
    case 1: // beam
        d.category = QStringLiteral("DET");
        d.subcategory = QStringLiteral("BEAM");
        d.addsLoopResistance = true;
        break;
    case 2: // module with its own supply
        d.category = QStringLiteral("MOD");
        d.subcategory = QStringLiteral("IO");
        d.requiresExternal24V = true;
        break;
    default: // detectors
        d.category = QStringLiteral("DET");
        d.subcategory = i % 2 ? QStringLiteral("OPT") : QStringLiteral("TERM");
        d.addsLoopResistance = true;
        break;
    }
    return d;
}

CatalogueData benchData()
{
    CatalogueData data;
    data.topologyFactors = {1.1, 1.3};
    data.distributionFactors = {1.0, 0.5};
    for (int i = 0; i < 20; ++i)
        data.devices.append(makeDevice(i));
    return data;
}

// Runs `body` `runs` times (after `setup`, untimed) and returns the median in
// ms of the thread's CPU time, which a busy machine does not inflate the way
// it inflates wall time.
double medianMs(int runs, const std::function<void()> &setup, const std::function<void()> &body)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        setup();
        const double start = threadCpuMs();
        body();
        samples.push_back(threadCpuMs() - start);
    }
    return median(samples);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);

    const Catalogue catalogue(benchData());
    QMap<QString, int> devices;
    for (const Device &d : catalogue.devices())
        devices.insert(d.name, 250);
    LoopConfig config;
    config.devices = devices;
    LoopLimits limits;
    limits.maxAddresses = 250;
    limits.minCurrent = 0.01;
    limits.maxCurrent = 0.5;
    limits.supportsOverboost = true;

    // Keeps the optimiser from dropping the work.
    volatile int sink = 0;
    const double core = medianMs(
        2001, [] {},
        [&] {
            const QVector<LoopCalc::LoopDevice> resolved =
                LoopCalc::resolveDevices(config.devices, catalogue);
            const LoopCalc::LoopResults r = LoopCalc::computeLoop(config, resolved, limits, 0.5, catalogue);
            const LoopMessages::DeviceFacts facts = LoopMessages::deviceFacts(resolved);
            const LoopMessages::Faults faults = LoopMessages::checkFaults(r, limits);
            const QString text = LoopMessages::faultsText(faults, limits, facts) +
                                 LoopMessages::notesText(r, limits, facts) +
                                 LoopMessages::faultReportText(r, limits, facts) +
                                 LoopMessages::noteReportText(r, limits, facts);
            sink = sink + text.size() +
                   (LoopCalc::isDegradedModeOk(LoopCalc::circuit(config, resolved, catalogue), r.alarmCurrent,
                                               limits)
                        ? 1
                        : 0);
        });
    out << "full recomputation (A-D + messages, 20 x 250 units): median "
        << QString::number(core * 1000, 'f', 1) << " us\n";

    LoopWidget *loop = nullptr;
    const auto freshLoop = [&] {
        delete loop;
        loop = new LoopWidget(&catalogue);
        loop->onPanelChanged(limits.maxAddresses, limits.minCurrent, limits.maxCurrent,
                             limits.supportsOverboost);
        loop->onSoundersActiveChanged(0.5);
    };
    int recomputations = 0;
    const double apply = medianMs(9, freshLoop, [&] {
        QObject::connect(loop, &LoopWidget::updateLoopCurrents, [&recomputations] { ++recomputations; });
        loop->applyDevices(devices);
    });
    out << "applyDevices into a fresh LoopWidget (20 x 250 units): median " << QString::number(apply, 'f', 1)
        << " ms (" << recomputations / 9 << " recomputations each)\n";

    // The same with the tab on screen, as when a setup file is opened.
    const double shown = medianMs(
        5,
        [&] {
            freshLoop();
            loop->resize(1280, 760);
            loop->show();
            QCoreApplication::processEvents();
        },
        [&] {
            loop->applyDevices(devices);
            QCoreApplication::processEvents();
        });
    out << "applyDevices into a fresh, visible LoopWidget, until painted: median "
        << QString::number(shown, 'f', 1) << " ms\n";

    // Where the time goes: one widget recomputation on the full loop.
    const double widgetStep = medianMs(
        201, [] {}, [&] { loop->computeLoopTotals(); });
    out << "one LoopWidget recomputation on the full loop: median "
        << QString::number(widgetStep * 1000, 'f', 1) << " us\n";
    delete loop;
    return sink < 0;
}
