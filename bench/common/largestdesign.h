#pragma once

// The largest design the controls allow, shared by the benchmarks: the demo
// range's panel with the most loops at its maximum, two of its largest
// compatible expansion boxes at theirs, and every loop holding 20 device
// types x 250 units on 1500 m of 2.5 mm2 cable.

#include "catalogue/catalogue.h"
#include "loop/loopconfig.h"
#include "setup/setupfile.h"

#include <QMap>
#include <QStringList>
#include <QVector>

namespace BenchDesign
{

inline LoopConfig loop(const QMap<QString, int> &devices, int length = 1000)
{
    return LoopConfig::fromTexts(QStringList{QStringLiteral("2,5 mm2 (14 AWG)"), QStringLiteral("A"),
                                             QStringLiteral("100"), QString::number(length),
                                             QStringLiteral("0"), QStringLiteral("0")},
                                 devices);
}

inline QStringList repeated(const QString &text, int times)
{
    QStringList list;
    for (int i = 0; i < times; ++i)
        list << text;
    return list;
}

inline SetupFile::SetupData largestDesign(const Catalogue &catalogue)
{
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
    const int panelCards = (panel.maxLoops - panel.baseLoops) / 2;
    const int boxCards = (box.maxLoops - box.baseLoops) / 2;
    QMap<QString, int> devices;
    for (const Device &d : catalogue.devices()) {
        if (!d.hidden && devices.size() < 20)
            devices.insert(d.name, 250);
    }
    SetupFile::SetupData d;
    d.panel = QStringList{panel.name, "TVB 12-38", "0.1",
                          "0.05",     "0.2",       "0.01",
                          "0",        "0",         repeated("VRAL-2", panelCards).join(','),
                          "-",        "-",         "-",
                          "-",        "20",        "100",
                          "72 h",     "30 min"};
    d.loops = QVector<LoopConfig>(panel.baseLoops + 2 * panelCards, loop(devices, 1500));
    SetupFile::ExpansionBoxConfig boxConfig;
    boxConfig.panel = QStringList{
        box.name, "TVB 12-26", repeated("VRAL-2", boxCards).join(','), "-", "-", "-", "-", "20", "100",
        "72 h",   "30 min"};
    boxConfig.loops = QVector<LoopConfig>(box.baseLoops + 2 * boxCards, loop(devices, 1500));
    d.boxes = {boxConfig, boxConfig};
    return d;
}

} // namespace BenchDesign
