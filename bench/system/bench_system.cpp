// The largest design the controls allow, in the real main window: the demo
// range's largest panel at its maximum loops and two of its largest expansion
// boxes at theirs, every loop holding 20 device types at 250 units each.
// Prints medians of
//  - opening the design's setup file with the Open command until the window
//    has painted it (file read and checked, every page applied; a loop tab
//    builds its form when first shown, measured next),
//  - checking the file as `Kalvix --check` does (installed data verified and
//    read, file read, whole design evaluated),
//  - applying the whole design (panel and loops, the two box pages with
//    theirs) until every figure is on screen, and
//  - one edit: a device quantity changed through its row's spin box, with the
//    loop's and its panel's recomputation (and, in a box, the relay of the
//    box's state to the main panel), until painted.
//  - switching the language (Spanish, then back), which retranslates every
//    page in place, keeping the whole design, until shown.
// Usage: bench_system [runs of the whole design, default 3] [design file to open]
#include "bench/common/benchstats.h"
#include "app/commandline.h"
#include "bench/common/typedsetup.h"
#include "app/mainwindow.h"
#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "setup/setupfile.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace
{

using Bench::median;
using Bench::threadCpuMs;

using LoopSetup = QPair<QStringList, QMap<QString, int>>;

struct Sample {
    double cpuMs = 0;
    double wallMs = 0;
};

Sample measure(const std::function<void()> &body)
{
    QElapsedTimer wall;
    wall.start();
    const double cpu = threadCpuMs();
    body();
    return {threadCpuMs() - cpu, wall.nsecsElapsed() / 1e6};
}

QString report(const std::vector<Sample> &samples, int decimals)
{
    std::vector<double> cpu, wall;
    for (const Sample &s : samples) {
        cpu.push_back(s.cpuMs);
        wall.push_back(s.wallMs);
    }
    return QStringLiteral("median %1 ms CPU, %2 ms wall (%3 runs)")
        .arg(median(cpu), 0, 'f', decimals)
        .arg(median(wall), 0, 'f', decimals)
        .arg(samples.size());
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

QStringList repeated(const QString &text, int times)
{
    QStringList list;
    for (int i = 0; i < times; ++i)
        list << text;
    return list;
}

// Processes events until nothing is pending, so the window has painted.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QSpinBox *quantitySpinBox(LoopWidget *loop, int row)
{
    auto *list = loop->findChild<QListWidget *>(QStringLiteral("devInLoopListWidget"));
    return list->itemWidget(list->item(row))->findChild<QSpinBox *>(QStringLiteral("quantitySpinBox"));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The demo pack goes into a throw-away home, so that the device pictures
    // are loaded and scaled as they are for a user.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/share")).toLocal8Bit());
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

#ifdef KALVIX_DEMO_PACK
    Catalogue catalogue;
    if (!catalogue.installDataPack(QStringLiteral(KALVIX_DEMO_PACK)))
        qFatal("cannot install the demo pack");
    out << "demo pack installed (with pictures)\n";
#else
    // No pack in this build: the data file alone, without pictures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtWarningMsg || !message.startsWith(QStringLiteral("Image not found")))
            fprintf(stderr, "%s\n", qPrintable(message));
    });
    Catalogue catalogue(demoData());
    out << "demo data file read (no pictures)\n";
#endif

    // The panel with the most loops, and the compatible box with the most.
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
    const int panelLoops = panel.baseLoops + 2 * panelCards;
    const int boxLoops = box.baseLoops + 2 * boxCards;

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
    const QVector<LoopSetup> mainLoops(panelLoops, LoopSetup(loopValues, devices));
    const QVector<LoopSetup> boxLoopSetups(boxLoops, LoopSetup(loopValues, devices));
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
    const QStringList boxNames = {box.name, box.name + QStringLiteral(" (2)")};

    out << "design: " << panel.name << " with " << panelLoops << " loops, 2 x " << box.name << " with "
        << boxLoops << " loops each; " << devices.size() << " device types x 250 units per loop\n";
    out.flush();

    std::unique_ptr<MainWindow> window;
    const auto freshWindow = [&] {
        window.reset();
        window.reset(new MainWindow(&catalogue));
        window->resize(1600, 1000);
        window->show();
        settle();
    };
    const auto tabs = [&] { return window->findChild<QTabWidget *>(QStringLiteral("externalTabWidget")); };
    const auto container = [&](int page) {
        return qobject_cast<SystemContainerWidget *>(tabs()->widget(page));
    };

    // The same design as a setup file.
    // (or the file given, for example one with every loop scheduled as
    // bench_diff writes it, for the open and check measures).
    QTemporaryDir files;
    const QString setupPath =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : files.filePath(QStringLiteral("largest.csv"));
    if (argc <= 2) {
        SetupFile::SetupData data;
        data.panel = panelValues;
        for (const LoopSetup &loop : mainLoops)
            data.loops.append(LoopConfig::fromTexts(loop.first, loop.second));
        for (int b = 0; b < boxNames.size(); ++b) {
            SetupFile::ExpansionBoxConfig boxConfig;
            boxConfig.panel = boxValues;
            for (const LoopSetup &loop : boxLoopSetups)
                boxConfig.loops.append(LoopConfig::fromTexts(loop.first, loop.second));
            data.boxes.append(boxConfig);
        }
        if (!SetupFile::writeSetupData(setupPath, data))
            qFatal("cannot write the setup file");
    }

    // Opening the file as the user does, until the window has painted it.
    MessageBox::setTestMode(true);
    std::vector<Sample> opened;
    for (int run = 0; run < runs; ++run) {
        freshWindow();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        FileDialog::setNextFileName(setupPath);
        opened.push_back(measure([&] {
            window->findChild<QAction *>(QStringLiteral("actionOpen"))->trigger();
            settle();
        }));
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        if (shown.isEmpty() || shown.last().title != QStringLiteral("Success"))
            qFatal("the setup file was not opened");
    }
    out << "open the largest design's file until shown: " << report(opened, 0) << "\n";
    // Loop tabs build their forms when first shown: what the first click on
    // each costs, until painted.
    {
        auto *loopTabs = container(0)->findChild<QTabWidget *>(QStringLiteral("containerTabWidget"));
        std::vector<Sample> firstShown;
        for (int tab = 1; tab < loopTabs->count(); ++tab)
            firstShown.push_back(measure([&] {
                loopTabs->setCurrentIndex(tab);
                settle();
            }));
        out << "a loop tab shown for the first time, until painted: " << report(firstShown, 1) << "\n";
    }
    out.flush();
    // For profiling the opening alone.
    if (qEnvironmentVariableIsSet("KALVIX_BENCH_OPEN_ONLY")) {
        window.reset();
        return 0;
    }

    // The command-line check of the same file.
    std::vector<Sample> checked;
    for (int run = 0; run < std::max(runs, 5); ++run) {
        QString text;
        QTextStream checkOut(&text);
        QTextStream checkErr(&text);
        int code = -1;
        checked.push_back(
            measure([&] { code = CommandLine::checkDesigns({setupPath}, false, checkOut, checkErr); }));
        if (code != 0 && code != 1)
            qFatal("the check failed: %s", qPrintable(text));
    }
    out << "--check of the largest design: " << report(checked, 1) << "\n";
    out.flush();

    // The whole design, as opening a setup file applies it.
    std::vector<Sample> whole;
    for (int run = 0; run < runs; ++run) {
        freshWindow();
        whole.push_back(measure([&] {
            container(0)->applySetup(BenchSetup::panel(panelValues), BenchSetup::loops(mainLoops));
            for (const QString &name : boxNames) {
                QMetaObject::invokeMethod(window.get(), "onExpansionBoxAdded", Q_ARG(QString, box.name),
                                          Q_ARG(QString, name));
            }
            for (int page = 1; page <= boxNames.size(); ++page)
                container(page)->applySetup(BenchSetup::panel(boxValues), BenchSetup::loops(boxLoopSetups));
            container(0)->panelWidget()->setExpansionBoxNames(boxNames);
            settle();
        }));
        out << "  run " << run + 1 << ": " << QString::number(whole.back().wallMs / 1000.0, 'f', 2) << " s\n";
        out.flush();
    }
    out << "apply the whole design until shown: " << report(whole, 0) << "\n";

    // Check the design is what it claims to be before timing edits in it.
    SystemContainerWidget *main = container(0);
    if (main->loopCount() != panelLoops || container(2)->loopCount() != boxLoops ||
        main->loopWidgets().last()->deviceList().size() != devices.size())
        qFatal("the design was not applied in full");

    const auto editIn = [&](SystemContainerWidget *target, int loopIndex) {
        QTabWidget *pageTabs = tabs();
        pageTabs->setCurrentWidget(target);
        LoopWidget *loop = target->loopWidgets().at(loopIndex);
        target->findChild<QTabWidget *>(QStringLiteral("containerTabWidget"))->setCurrentWidget(loop);
        settle();
        QSpinBox *spin = quantitySpinBox(loop, 3);
        std::vector<Sample> computed, painted;
        for (int i = 0; i < 201; ++i) {
            const int value = spin->value() == 250 ? 249 : 250;
            computed.push_back(measure([&] { spin->setValue(value); }));
            settle();
        }
        for (int i = 0; i < 51; ++i) {
            const int value = spin->value() == 250 ? 249 : 250;
            painted.push_back(measure([&] {
                spin->setValue(value);
                settle();
            }));
        }
        return std::make_pair(computed, painted);
    };
    const auto mainEdit = editIn(main, panelLoops / 2);
    out << "one quantity edit in a main panel loop, recomputed: " << report(mainEdit.first, 3) << "\n";
    out << "one quantity edit in a main panel loop, until painted: " << report(mainEdit.second, 3) << "\n";
    const auto boxEdit = editIn(container(2), boxLoops - 1);
    out << "one quantity edit in an expansion box loop, recomputed: " << report(boxEdit.first, 3) << "\n";
    out << "one quantity edit in an expansion box loop, until painted: " << report(boxEdit.second, 3) << "\n";

    std::vector<Sample> switches;
    QMenu *languages = window->findChild<QAction *>(QStringLiteral("actionChange_language"))->menu();
    for (int run = 0; run < runs; ++run) {
        for (const QString &code : {QStringLiteral("es"), QStringLiteral("en")}) {
            for (QAction *entry : languages->actions()) {
                if (entry->data().toString() == code)
                    switches.push_back(measure([&] {
                        entry->trigger();
                        settle();
                    }));
            }
        }
    }
    if (switches.empty() || container(0)->loopWidgets().last()->deviceList().size() != devices.size())
        qFatal("the language switch lost the design");
    out << "switch the language of the whole design until shown: " << report(switches, 0) << "\n";
    window.reset();
    return 0;
}
