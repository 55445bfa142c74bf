// Comparing two revisions of the largest design the controls allow (as
// bench_system builds it), every loop of the main panel with a full schedule.
// Writes both revisions to <folder> (old.csv, new.csv), and the same design
// with every loop of the boxes scheduled too (scheduled.csv), so that the
// whole commands can be timed from outside, for example
//   /usr/bin/time -v Kalvix --diff <folder>/old.csv <folder>/new.csv
//   /usr/bin/time -v Kalvix --check <folder>/scheduled.csv
// (on the data installed by `Kalvix --import-data-pack`), and prints the
// median in-process times of reading both, evaluating both and comparing.
// Usage: bench_diff <folder> [runs, default 5]
#include "bench/common/benchstats.h"
#include "bench/common/largestdesign.h"
#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "design/designcomparison.h"
#include "design/designfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace
{

using Bench::median;

CatalogueData demoData()
{
    CatalogueData data;
    QFile file(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    if (!file.open(QIODevice::ReadOnly) || !DataFile::read(file, data))
        qFatal("cannot read the demo catalogue");
    return data;
}

// Every device of the loop as a unit, spread evenly along its cable.
LoopSchedule fullSchedule(const LoopConfig &loop)
{
    LoopSchedule schedule;
    int total = 0;
    for (int quantity : loop.devices)
        total += quantity;
    int n = 0;
    for (auto it = loop.devices.cbegin(); it != loop.devices.cend(); ++it) {
        for (int i = 0; i < it.value(); ++i, ++n) {
            const int span = loop.loopLength - loop.startDistance - loop.endDistance;
            const int position = loop.startDistance + (total > 1 ? span * n / (total - 1) : 0);
            schedule.units.append({position, it.key(), QString::number(n + 1),
                                   QStringLiteral("Z%1").arg(n / 32 + 1), QStringLiteral("Room %1").arg(n)});
        }
    }
    return schedule;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2)
        qFatal("usage: bench_diff <folder> [runs]");
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int runs = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 5;
    const Catalogue catalogue(demoData());

    Design before = Design::fromSetupData(BenchDesign::largestDesign(catalogue));
    for (int i = 0; i < before.main.loops.size(); ++i)
        before.main.schedules.insert(i, fullSchedule(before.main.loops.at(i)));
    before.project =
        ProjectInfo{"P-1", "A", "Depot", "", "", "", "", "", {{"A", "2026-01-10", "First issue", "JD"}}};
    // The next revision: a quantity, a cable, a box's battery, units moved and
    // readdressed, a revision row.
    Design after = before;
    const QString first = after.main.loops.at(0).devices.firstKey();
    after.main.loops[1].cableType = QStringLiteral("4 mm2 (12 AWG)");
    after.boxes[1].loops[2].devices[first] = 200;
    after.boxes[0].config.internalBattery = QStringLiteral("TVB 12-17");
    for (int i = 10; i < 60; ++i) {
        ScheduleUnit &unit = after.main.schedules[0].units[i];
        unit.position += 1;
        unit.address = QString::number(9000 + i);
    }
    after.project->revision = QStringLiteral("B");
    after.project->revisions.append({"B", "2026-02-01", "Cable sizes", "JD"});

    const QString oldFile = folder.filePath(QStringLiteral("old.csv"));
    const QString newFile = folder.filePath(QStringLiteral("new.csv"));
    Design everyLoop = before;
    for (SystemDesign &box : everyLoop.boxes) {
        for (int i = 0; i < box.loops.size(); ++i)
            box.schedules.insert(i, fullSchedule(box.loops.at(i)));
    }
    if (!DesignFile::write(oldFile, before) || !DesignFile::write(newFile, after) ||
        !DesignFile::write(folder.filePath(QStringLiteral("scheduled.csv")), everyLoop))
        qFatal("cannot write the designs");

    std::vector<double> readMs, evaluateMs, compareMs;
    int changes = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        Design a, b;
        if (!DesignFile::read(oldFile, a, catalogue) || !DesignFile::read(newFile, b, catalogue))
            qFatal("cannot read the designs back");
        readMs.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        const DesignEvaluation ea = DesignEvaluation::evaluate(a, catalogue);
        const DesignEvaluation eb = DesignEvaluation::evaluate(b, catalogue);
        evaluateMs.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        changes = DesignComparison::compare(a, ea, b, eb).differences.size();
        compareMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    out << "wrote " << oldFile << " and " << newFile << " (" << changes << " changes)\n";
    out << "median of " << runs << " runs: read both " << median(readMs) << " ms, evaluate both "
        << median(evaluateMs) << " ms, compare " << median(compareMs) << " ms\n";
    return 0;
}
