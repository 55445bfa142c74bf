#include "setup/xmlimportsummary.h"

#include "panel/panelcalculation.h"

#include <QCoreApplication>

namespace XmlImport
{

int ImportPlan::importedLoops() const
{
    int n = 0;
    for (const LoopPlan &loop : loops)
        n += loop.targetLoop > 0 ? 1 : 0;
    return n;
}

int ImportPlan::ignoredDevices() const
{
    int n = 0;
    for (const LoopPlan &loop : loops) {
        if (loop.targetLoop == 0)
            continue;
        for (int count : loop.summary.unknownTypes)
            n += count;
        for (int count : loop.summary.unmatched)
            n += count;
    }
    return n;
}

ImportPlan planImport(const XmlPanel &panel, const Panel &model, const QVector<Device> &devices)
{
    ImportPlan plan;
    plan.panelName = panel.name;
    plan.modelName = model.name;
    plan.loopsReached = PanelCalculation::loopCount(
        model.baseLoops, PanelCalculation::maxLoopCards(model.baseLoops, model.maxLoops));
    const QStringList numbers = orderedLoopNumbers(panel);
    for (int i = 0; i < numbers.size(); ++i) {
        LoopPlan loop;
        loop.number = numbers.at(i);
        loop.summary = summariseLoop(panel.loops.value(loop.number), devices);
        if (i < plan.loopsReached)
            loop.targetLoop = i + 1;
        else if (i >= model.maxLoops)
            loop.leftOutBecause = QCoreApplication::translate("Exporter", "%1 takes at most %n loop(s)",
                                                              nullptr, model.maxLoops)
                                      .arg(model.name);
        else
            loop.leftOutBecause =
                QCoreApplication::translate("Exporter", "loop cards bring %1 to %n loop(s) at most", nullptr,
                                            plan.loopsReached)
                    .arg(model.name);
        plan.loops.append(loop);
    }
    return plan;
}

QString planHeadline(const ImportPlan &plan)
{
    QString text = QCoreApplication::translate("Exporter",
                                               "Panel \"%1\" of the file into %2: %3 of %n loop(s) imported.",
                                               nullptr, plan.loops.size())
                       .arg(plan.panelName, plan.modelName, QString::number(plan.importedLoops()));
    const int ignored = plan.ignoredDevices();
    if (ignored > 0)
        text += QLatin1Char(' ') + QCoreApplication::translate(
                                       "Exporter",
                                       "%n device(s) of the imported loops have no match and are left out.",
                                       nullptr, ignored);
    return text;
}

QString loopTitle(const LoopPlan &loop)
{
    return QCoreApplication::translate("Exporter", "Loop %1 of the file (%n device(s))", nullptr,
                                       loop.summary.xmlDevices)
        .arg(loop.number);
}

QString loopOutcome(const LoopPlan &loop)
{
    return loop.targetLoop > 0 ? QCoreApplication::translate("Exporter", "Loop %1").arg(loop.targetLoop)
                               : QCoreApplication::translate("Exporter", "Not imported");
}

QStringList loopDetails(const LoopPlan &loop)
{
    QStringList lines;
    if (loop.targetLoop == 0) {
        lines << QCoreApplication::translate("Exporter", "Left out: %1").arg(loop.leftOutBecause);
        return lines;
    }
    for (auto it = loop.summary.devices.cbegin(); it != loop.summary.devices.cend(); ++it)
        lines << QCoreApplication::translate("Exporter", "%1 x %2").arg(it.value()).arg(it.key());
    if (loop.summary.modules > 0)
        lines << QCoreApplication::translate(
                     "Exporter",
                     "%n module(s) over several addresses, each counted once (%1 devices of the file)",
                     nullptr, loop.summary.modules)
                     .arg(loop.summary.moduleDevices);
    for (auto it = loop.summary.unknownTypes.cbegin(); it != loop.summary.unknownTypes.cend(); ++it)
        lines << QCoreApplication::translate(
                     "Exporter",
                     "Left out: %n device(s) of type %1, extended type %2: no such device is imported",
                     nullptr, it.value())
                     .arg(it.key().first)
                     .arg(it.key().second);
    for (auto it = loop.summary.unmatched.cbegin(); it != loop.summary.unmatched.cend(); ++it)
        lines << QCoreApplication::translate(
                     "Exporter", "Left out: %n device(s) of %1 / %2: the catalogue has no such device",
                     nullptr, it.value())
                     .arg(it.key().first, it.key().second);
    if (loop.summary.xmlDevices == 0)
        lines << QCoreApplication::translate("Exporter", "Empty in the file");
    return lines;
}

} // namespace XmlImport
