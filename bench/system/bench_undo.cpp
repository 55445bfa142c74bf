// Undo and redo in the real main window, on a typical design (a TXP 408
// with one loop card, 4 loops, and one TXE 2 box) and on the largest design
// the controls allow (as bench_system builds it). Prints medians of
//  - Undo and Redo of one device quantity changed in a loop,
//  - Undo of an expansion box removed (the box comes back with its loops),
//  - Undo of a change of the main panel's model (every box and loop back),
//  - the check that follows every edit: the design taken and compared,
// each until the window has painted.
// Usage: bench_undo [runs, default 5]
#include "bench/common/benchstats.h"
#include "app/designsession.h"
#include "app/mainwindow.h"
#include "bench/common/largestdesign.h"
#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "setup/setupfile.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace
{

using Bench::median;

double wallMs(const std::function<void()> &body)
{
    QElapsedTimer timer;
    timer.start();
    body();
    return timer.nsecsElapsed() / 1e6;
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

#ifndef KALVIX_DEMO_PACK
CatalogueData demoData()
{
    CatalogueData data;
    QFile file(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    if (!file.open(QIODevice::ReadOnly) || !DataFile::read(file, data))
        qFatal("cannot read the demo catalogue");
    return data;
}
#endif

using BenchDesign::largestDesign;
using BenchDesign::loop;

SetupFile::SetupData typicalDesign()
{
    SetupFile::SetupData d;
    d.panel = QStringList{"TXP 408", "TVB 12-26", "0.1", "0.05", "0.2", "0.01", "0",    "0",     "VRAL-2",
                          "-",       "-",         "-",   "-",    "20",  "100",  "72 h", "30 min"};
    d.loops = {loop({{"OD-210", 60}, {"CP-300", 12}, {"SD-500 (loop)", 10}}),
               loop({{"HD-220", 25}, {"OD-210", 40}, {"CP-300", 8}}), loop({{"OD-210", 80}, {"IOM-424", 4}}),
               loop({{"MD-230", 30}, {"VAD-520 (loop)", 12}})};
    SetupFile::ExpansionBoxConfig box;
    box.panel = QStringList{"TXE 2", "TVB 12-17", "", "-", "-", "-", "-", "20", "100", "72 h", "30 min"};
    box.loops = {loop({{"OD-210", 50}, {"CP-300", 6}}), loop({{"HD-220", 20}})};
    d.boxes = {box};
    return d;
}

template <typename T> T *child(QObject *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/share")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit());
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 5;
    MessageBox::setTestMode(true);

#ifdef KALVIX_DEMO_PACK
    Catalogue catalogue;
    if (!catalogue.installDataPack(QStringLiteral(KALVIX_DEMO_PACK)))
        qFatal("cannot install the demo pack");
#else
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtWarningMsg || !message.startsWith(QStringLiteral("Image not found")))
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    Catalogue catalogue(demoData());
#endif

    const auto benchmark = [&](const QString &title, const SetupFile::SetupData &design) {
        const QString path = home.filePath(QStringLiteral("design.csv"));
        if (!SetupFile::writeSetupData(path, design))
            qFatal("cannot write the design");
        MainWindow window(&catalogue);
        window.resize(1600, 1000);
        window.show();
        settle();
        const double openMs = wallMs([&] {
            window.openFile(path);
            if (window.windowTitle() != QStringLiteral("design.csv[*] - Kalvix"))
                qFatal("cannot open the design");
            settle();
        });
        auto *pages = child<QTabWidget>(&window, "externalTabWidget");
        auto *main = qobject_cast<SystemContainerWidget *>(pages->widget(0));
        QAction *undo = child<QAction>(&window, "actionUndo");
        QAction *redo = child<QAction>(&window, "actionRedo");
        out << title << ": " << main->loopCount() << " loops in the main panel, " << pages->count() - 1
            << " box(es); opened in " << QString::number(openMs, 'f', 0) << " ms\n";
        out.flush();

        // One quantity in the second loop of the main panel, on screen as the user edits it.
        LoopWidget *loop = main->loopWidgets().at(1);
        main->tabWidget()->setCurrentWidget(loop);
        settle();
        auto *list = child<QListWidget>(loop, "devInLoopListWidget");
        auto *spin = child<QSpinBox>(list->itemWidget(list->item(0)), "quantitySpinBox");
        spin->setValue(spin->value() - 1);
        settle();
        std::vector<double> undos, redos;
        for (int i = 0; i < runs; ++i) {
            undos.push_back(wallMs([&] {
                undo->trigger();
                settle();
            }));
            redos.push_back(wallMs([&] {
                redo->trigger();
                settle();
            }));
        }
        // What every edit costs on top: the design taken and compared.
        auto *watcher = child<DesignSession>(&window, "designSession");
        std::vector<double> checks;
        for (int i = 0; i < 21; ++i) {
            watcher->scheduleCheck();
            checks.push_back(wallMs([&] { watcher->flush(); }));
        }
        out << "  noticing an edit (the design taken and compared): median "
            << QString::number(median(checks), 'f', 2) << " ms\n";
        out << "  undo of a quantity: median " << QString::number(median(undos), 'f', 1) << " ms, redo "
            << QString::number(median(redos), 'f', 1) << " ms\n";
        out.flush();

        // An expansion box removed, and brought back.
        std::vector<double> boxUndos;
        for (int i = 0; i < std::min(runs, 3); ++i) {
            auto *boxes = child<QListWidget>(main->panelWidget(), "expansionBoxesListWidget");
            child<QPushButton>(boxes->itemWidget(boxes->item(0)), "expansionBoxRemoveButton")->click();
            settle();
            boxUndos.push_back(wallMs([&] {
                undo->trigger();
                settle();
            }));
        }
        out << "  undo of a box removal: median " << QString::number(median(boxUndos), 'f', 1) << " ms\n";
        out.flush();

        // The main panel's model changed to the smallest: cards, loops and
        // boxes go; undo brings all of it back.
        const Design whole = watcher->history().current();
        std::vector<double> modelUndos;
        for (int i = 0; i < std::min(runs, 3); ++i) {
            child<QComboBox>(main->panelWidget(), "panelComboBox")->setCurrentIndex(0);
            settle();
            modelUndos.push_back(wallMs([&] {
                undo->trigger();
                settle();
            }));
        }
        out << "  undo of a model change: median " << QString::number(median(modelUndos), 'f', 1) << " ms\n";
        if (watcher->history().current() != whole)
            out << "  (the design after the undos differs from the one before the model change!)\n";

        // What the undo waits for: one loop given its devices again, as the
        // editors do it.
        const auto devices = main->loopWidgets().at(2)->deviceList();
        QMap<QString, int> map;
        for (const auto &entry : devices)
            map.insert(entry.first, entry.second);
        const double applyMs = wallMs([&] {
            main->loopWidgets().at(2)->applyDevices({});
            main->loopWidgets().at(2)->applyDevices(map);
            settle();
        });
        out << "  (one loop's devices cleared and applied again: " << QString::number(applyMs, 'f', 1)
            << " ms)\n";
        out.flush();
    };
    benchmark(QStringLiteral("typical design"), typicalDesign());
    benchmark(QStringLiteral("largest design"), largestDesign(catalogue));
    return 0;
}
