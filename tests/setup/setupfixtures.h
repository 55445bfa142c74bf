#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "setup/setupfile.h"

#include <QFile>

// The demo product range, read straight from its data file.
inline CatalogueData demoData()
{
    CatalogueData data;
    QFile file(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    if (!file.open(QIODevice::ReadOnly) || !DataFile::read(file, data))
        qFatal("cannot read the demo catalogue");
    return data;
}

inline LoopConfig loop(const char *cable, const char *topology, int factor, int length, int start, int end,
                       const QMap<QString, int> &devices = {})
{
    return LoopConfig::fromTexts({QString::fromUtf8(cable), QString::fromLatin1(topology),
                                  QString::number(factor), QString::number(length), QString::number(start),
                                  QString::number(end)},
                                 devices);
}

// A full design of the demo range: a TXP 816 with a loop card (6 loops),
// the power card with one external source and its battery, a network card,
// and two TXE 2 boxes, the second with a loop card of its own.
inline SetupFile::SetupData fullDesign()
{
    SetupFile::SetupData d;
    d.panel = QStringList{"TXP 816",   "TVB 12-26", "0.1",
                          "0.05",      "0.2",       "0.01",
                          "0.0125",    "0",         "VRAL-2,ORN-PSLINK,ZEP-NET",
                          "KSP900 EN", "TVB 12-26", "-",
                          "-",         "20",        "50",
                          "30 h",      "15 min"};
    d.loops = {loop("2,5 mm2 (14 AWG)", "A", 100, 1000, 0, 0,
                    {{"OD-210", 40}, {"CP-300", 8}, {"SD-500 (loop)", 12}}),
               loop("1,5 mm2 (16 AWG)", "B", 50, 800, 100, 150, {{"HD-220", 10}, {"ZM-401", 2}}),
               loop("2,5 mm2 (14 AWG)", "A", 100, 1000, 0, 0),
               loop("4 mm2 (12 AWG)", "A", 0, 2500, 500, 500, {{"VAD-520 (loop)", 20}}),
               loop("1 mm2 (18 AWG)", "B", 75, 300, 0, 0, {{"CP-310 IP67", 3}}),
               loop("2,5 mm2 (14 AWG)", "A", 100, 1000, 0, 0, {{"IOM-424", 1}})};
    SetupFile::ExpansionBoxConfig first;
    first.panel = QStringList{"TXE 2", "TVB 12-17", "", "-", "-", "-", "-", "0", "100", "72 h", "30 min"};
    first.loops = {loop("2,5 mm2 (14 AWG)", "A", 100, 600, 0, 0, {{"OD-210", 5}}),
                   loop("2,5 mm2 (14 AWG)", "A", 100, 1000, 0, 0)};
    SetupFile::ExpansionBoxConfig second;
    second.panel =
        QStringList{"TXE 2", "TVB 12-7", "VRAL-2", "-", "-", "-", "-", "10", "30", "4 h", "60 min"};
    second.loops = {loop("2,5 mm2 (14 AWG)", "A", 100, 1000, 0, 0),
                    loop("0,75 mm2 (19 AWG)", "B", 20, 200, 10, 20, {{"SB-510 (loop)", 4}}),
                    loop("2,5 mm2 (14 AWG)", "A", 100, 1000, 0, 0, {{"MD-230", 7}}),
                    loop("2,5 mm2 (14 AWG)", "A", 100, 1000, 0, 0)};
    d.boxes = {first, second};
    return d;
}

// Every kind of fault on a TXP 816: loop 1 over its addresses and current,
// loop 2 in degraded mode with too much drop, no battery at all, the outputs
// over the panel's limit.
inline SetupFile::SetupData faultyDesign()
{
    SetupFile::SetupData faulty;
    faulty.panel = QStringList{"TXP 816", "-", "0.5", "0.5", "0.5", "0.5", "0.5",  "0.5",   "",
                               "-",       "-", "-",   "-",   "20",  "100", "72 h", "30 min"};
    faulty.loops = {loop("0,5 mm2 (21 AWG)", "A", 100, 2500, 0, 0, {{"OD-210", 300}, {"SD-500 (loop)", 60}}),
                    loop("0,5 mm2 (21 AWG)", "B", 100, 2500, 300, 400, {{"VAD-520 (loop)", 40}}),
                    loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0),
                    loop("2,5 mm2 (14 AWG)", "A", 100, 500, 0, 0)};
    return faulty;
}

// Replaces the first occurrence only, so a mutation hits one place.
inline QString replacedOnce(QString text, const QString &from, const QString &to)
{
    const int at = text.indexOf(from);
    if (at < 0)
        qFatal("mutation does not apply: %s", qPrintable(from));
    return text.replace(at, from.size(), to);
}
