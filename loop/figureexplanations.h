#pragma once

#include "loop/loopcalculation.h"
#include "loop/loopconfig.h"

#include <QString>

// Where a figure of the loop and panel pages comes from, said where it
// appears (tool tips). Texts in the contexts of the pages that show them.
// Widget-free.
namespace FigureExplanations
{

// The maximum voltage drop: 6.9 V, or 7.9 V with overboost, and when
// overboost applies to this loop.
QString maxVoltageDrop(bool supportsOverboost, Topology topology, double shownMaxDrop);

// The maximum current: the lower of the cable's limit at the maximum drop
// (infinite for a loop without resistance) and the panel's loop limit.
QString maxCurrent(double cableLimit, double panelLimit);

// A row of the panel's individual loops: the loop's own figures and the
// factor the panel counts them with.
QString panelLoopRow(int loop, double loopIdle, double loopAlarm);

// Why "Add expansion box" is disabled, or an empty text when it is not.
QString addExpansionBoxDisabled(int added, int maximum);

} // namespace FigureExplanations
