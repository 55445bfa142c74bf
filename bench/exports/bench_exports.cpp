// The exports of the largest design the controls allow, with every loop
// scheduled unit by unit (the longest device schedule there can be). Prints
// the medians of building the tables and of writing the XLSX workbook and
// the three CSV files; the workbook should stay under 500 ms.
// Usage: bench_exports DATAFILE [runs, default 5]
#include "bench/common/benchstats.h"
#include "bench/common/largestdesign.h"
#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "design/designevaluation.h"
#include "exports/exporttables.h"
#include "exports/tablefiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace
{

using Bench::median;

// One unit per metre step along the loop, addresses counted up.
void scheduleEveryLoop(Design &design)
{
    for (int s = -1; s < design.boxes.size(); ++s) {
        SystemDesign &system = *design.system(s);
        for (int l = 0; l < system.loops.size(); ++l) {
            LoopSchedule schedule;
            int address = 1;
            for (auto it = system.loops.at(l).devices.cbegin(); it != system.loops.at(l).devices.cend(); ++it)
                for (int q = 0; q < it.value(); ++q)
                    schedule.units.append({0, it.key(), QString::number(address++), "Z1", "Corridor"});
            system.schedules.insert(l, schedule);
        }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("KALVIX_XLSX_WRITER"))
        qputenv("KALVIX_XLSX_WRITER", KALVIX_XLSX_WRITER);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "Usage: bench_exports DATAFILE [runs]\n";
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    CatalogueData data;
    if (!file.open(QIODevice::ReadOnly) || !DataFile::read(file, data)) {
        out << "Cannot read " << argv[1] << "\n";
        return 2;
    }
    const Catalogue catalogue(data);
    const int runs = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    bool pass = true;
    for (bool scheduled : {false, true}) {
        Design design = Design::fromSetupData(BenchDesign::largestDesign(catalogue));
        if (scheduled)
            scheduleEveryLoop(design);
        const DesignEvaluation evaluation = DesignEvaluation::evaluate(design, catalogue);
        QTemporaryDir dir;
        std::vector<double> build, xlsx, csv;
        int rows = 0;
        for (int r = 0; r < runs; ++r) {
            QElapsedTimer timer;
            timer.start();
            QVector<Exports::Table> tables;
            for (Exports::Kind kind : Exports::allKinds())
                tables.append(Exports::table(kind, design, evaluation, catalogue));
            build.push_back(timer.nsecsElapsed() / 1e6);
            rows = 0;
            for (const Exports::Table &t : tables)
                rows += t.rows.size();
            timer.restart();
            if (!TableFiles::writeXlsx(dir.filePath("largest.xlsx"), tables))
                return 1;
            xlsx.push_back(timer.nsecsElapsed() / 1e6 + build.back());
            timer.restart();
            for (const Exports::Table &t : tables)
                if (!TableFiles::writeCsv(dir.filePath(t.key + ".csv"), t))
                    return 1;
            csv.push_back(timer.nsecsElapsed() / 1e6 + build.back());
        }
        out << "largest design" << (scheduled ? ", every unit scheduled" : "") << ": " << rows << " rows\n";
        out << "  tables:             " << median(build) << " ms\n";
        out << "  XLSX (with tables): " << median(xlsx) << " ms" << (scheduled ? "" : " (limit 500 ms)")
            << "\n";
        out << "  CSV (with tables):  " << median(csv) << " ms\n";
        out.flush();
        pass = pass && (scheduled || median(xlsx) < 500);
    }
    return pass ? 0 : 1;
}
