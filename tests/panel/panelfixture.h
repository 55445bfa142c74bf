#pragma once

#include "catalogue/records.h"

// A small product range with the cases the panel rules care about: a model
// with room for three loop cards and one for two, a model without loops,
// batteries out of capacity order, sources of different enclosure sizes, two
// one-only cards, a card for one model family only, and expansion boxes for
// the KX-8000 and KX-7000 (none fits the KX-0100).
inline CatalogueData panelTestCatalogue()
{
    CatalogueData d;
    Panel p8;
    p8.name = QStringLiteral("KX-8000");
    p8.idleCurrent = 0.2;
    p8.alarmCurrent = 0.3;
    p8.maxCurrent = 2.0;
    p8.maxBatteryCapacity = 12;
    p8.baseLoops = 2;
    p8.maxLoops = 8;
    p8.loopMaxAddresses = 250;
    p8.loopMinCurrent = 0.01;
    p8.loopMaxCurrent = 0.5;
    p8.supportsOverboost = true;
    p8.maxExpansionBoxes = 3;
    Panel p7 = p8;
    p7.name = QStringLiteral("KX-7000");
    p7.maxLoops = 7;
    p7.maxBatteryCapacity = 17;
    Panel p0 = p8;
    p0.name = QStringLiteral("KX-0100");
    p0.baseLoops = 0;
    p0.maxLoops = 2;
    d.panels = {p8, p7, p0};

    // Box figures differ from every panel's, so a box that kept the first
    // panel's record would show.
    ExpansionBox e4;
    e4.name = QStringLiteral("KXE-4");
    e4.idleCurrent = 0.12;
    e4.alarmCurrent = 0.18;
    e4.maxCurrent = 3.0;
    e4.maxBatteryCapacity = 17;
    e4.baseLoops = 4;
    e4.maxLoops = 8;
    e4.loopMaxAddresses = 250;
    e4.loopMinCurrent = 0.004;
    e4.loopMaxCurrent = 0.6;
    e4.compatiblePanels = QStringList{QStringLiteral("KX-8")};
    ExpansionBox e2 = e4;
    e2.name = QStringLiteral("KXE-2");
    e2.idleCurrent = 0.08;
    e2.alarmCurrent = 0.1;
    e2.baseLoops = 1;
    e2.maxLoops = 3;
    e2.compatiblePanels = QStringList{QStringLiteral("KX-7"), QStringLiteral("KX-8")};
    d.expansionBoxes = {e4, e2};

    d.batteries = {{QStringLiteral("BAT-17"), 17, {}},
                   {QStringLiteral("BAT-7"), 7, {}},
                   {QStringLiteral("BAT-12"), 12, {}}};
    d.externalPowerSources = {{QStringLiteral("PSU-12"), 12, {}}, {QStringLiteral("PSU-7"), 7, {}}};
    d.externalBatteryBoxes = {{QStringLiteral("EBB-40"), 40, {}}, {QStringLiteral("EBB-12"), 12, {}}};

    auto card = [](const char *name, double current, bool onlyOne, QStringList prefixes) {
        AuxiliaryCard c;
        c.name = QString::fromLatin1(name);
        c.current = current;
        c.onlyOne = onlyOne;
        c.compatiblePanels = prefixes;
        return c;
    };
    d.auxiliaryCards = {card("VRAL-2", 0.05, false, {"KX"}), card("ORN-PSLINK", 0.02, false, {"KX"}),
                        card("ZEP-1", 0.03, true, {"KX"}), card("ZEP-2", 0.04, true, {"KX"}),
                        card("NET-1", 0.01, false, {"KX-8"})};
    return d;
}
