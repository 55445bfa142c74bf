// The exports of the largest design the controls allow: unscheduled, with
// every loop scheduled to its panel's address limit (the longest schedules a
// sound design holds), and with every one of its device units scheduled
// (a stress case far past any loop's addresses). Prints the medians of
// building the tables and of writing the XLSX workbook and the three CSV
// files; the workbook of the first two should stay under 500 ms.
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
#include <limits>
#include <vector>

namespace
{

using Bench::median;

// Every loop scheduled unit by unit, addresses counted up: every device
// unit of the design (`addressLimit` false), or as many as the loop's panel
// can address, the longest schedule a sound loop can have.
void scheduleEveryLoop(Design &design, const Catalogue &catalogue, bool addressLimit)
{
    for (int s = -1; s < design.boxes.size(); ++s) {
        SystemDesign &system = *design.system(s);
        const int limit = addressLimit ? DesignEvaluation::limitsOf(system.config, catalogue).maxAddresses
                                       : std::numeric_limits<int>::max();
        for (int l = 0; l < system.loops.size(); ++l) {
            LoopSchedule schedule;
            int address = 1;
            for (auto it = system.loops.at(l).devices.cbegin(); it != system.loops.at(l).devices.cend(); ++it)
                for (int q = 0; q < it.value() && address <= limit; ++q)
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
    const QStringList cases = {QString(), QStringLiteral(", every loop scheduled to its address limit"),
                               QStringLiteral(", every unit scheduled")};
    for (int c = 0; c < cases.size(); ++c) {
        const bool scheduled = c > 0;
        Design design = Design::fromSetupData(BenchDesign::largestDesign(catalogue));
        if (scheduled)
            scheduleEveryLoop(design, catalogue, c == 1);
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
        out << "largest design" << cases.at(c) << ": " << rows << " rows\n";
        out << "  tables:             " << median(build) << " ms\n";
        out << "  XLSX (with tables): " << median(xlsx) << " ms" << (c < 2 ? " (limit 500 ms)" : "")
            << "\n";
        out << "  CSV (with tables):  " << median(csv) << " ms\n";
        out.flush();
        pass = pass && (c == 2 || median(xlsx) < 500);
    }
    return pass ? 0 : 1;
}
