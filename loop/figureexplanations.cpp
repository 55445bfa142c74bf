#include "loop/figureexplanations.h"

#include "catalogue/displayformat.h"

#include <QCoreApplication>

#include <cmath>

namespace FigureExplanations
{

QString maxVoltageDrop(bool supportsOverboost, Topology topology, double shownMaxDrop)
{
    QString text =
        QCoreApplication::translate(
            "LoopWidget", "The largest voltage drop the loop's devices work with: %1 V, or %2 V while "
                          "the panel's overboost is on.")
            .arg(Display::fixed(LoopCalc::MaxVoltageDrop, 1),
                 Display::fixed(LoopCalc::MaxVoltageDropBoost, 1));
    if (!supportsOverboost)
        return text + QLatin1Char('\n') +
               QCoreApplication::translate("LoopWidget", "This panel has no overboost.");
    text += QLatin1Char('\n');
    text +=
        topology == Topology::ClassA
            ? QCoreApplication::translate("LoopWidget",
                                          "In Class A overboost comes on once the drop reaches %1 V.")
                  .arg(Display::fixed(LoopCalc::OverboostVoltageDrop, 1))
            : QCoreApplication::translate(
                  "LoopWidget", "In degraded mode overboost comes on once the alarm current is above %1 A.")
                  .arg(Display::fixed(LoopCalc::OverboostCurrent, 3));
    text += QLatin1Char(' ');
    text += shownMaxDrop > LoopCalc::MaxVoltageDrop
                ? QCoreApplication::translate("LoopWidget", "It is on for this loop.")
                : QCoreApplication::translate("LoopWidget", "It is off for this loop.");
    return text;
}

QString maxCurrent(double cableLimit, double panelLimit)
{
    const QString panel = Display::fixed(panelLimit, 3);
    if (!std::isfinite(cableLimit))
        return QCoreApplication::translate(
                   "LoopWidget", "The panel's loop limit, %1 A: without devices the cable sets no limit.")
            .arg(panel);
    const int decimals = Display::decimalsToTell(cableLimit, panelLimit, 3);
    const QString cable = Display::fixed(cableLimit, decimals);
    return QCoreApplication::translate("LoopWidget",
                                       "The lower of the current at which the cable reaches the maximum "
                                       "voltage drop (%1 A) and the panel's loop limit (%2 A): %3.")
        .arg(cable, Display::fixed(panelLimit, decimals),
             cableLimit < panelLimit ? QCoreApplication::translate("LoopWidget", "the cable")
                                     : QCoreApplication::translate("LoopWidget", "the panel"));
}

QString panelLoopRow(int loop, double loopIdle, double loopAlarm)
{
    return QCoreApplication::translate("PanelWidget",
                                       "Loop %1 on its own: %2 A idle, %3 A in alarm.\nThe panel counts a "
                                       "loop's currents multiplied by 55/36: its loop output draws that "
                                       "much more.")
        .arg(loop)
        .arg(Display::fixed(loopIdle, 7), Display::fixed(loopAlarm, 7));
}

QString addExpansionBoxDisabled(int added, int maximum)
{
    if (added < maximum)
        return QString();
    if (maximum <= 0)
        return QCoreApplication::translate("PanelWidget", "This panel model takes no expansion boxes.");
    return QCoreApplication::translate("PanelWidget", "This panel model takes at most %1 expansion box(es).")
        .arg(maximum);
}

} // namespace FigureExplanations
