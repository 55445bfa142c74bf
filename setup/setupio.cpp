#include "setup/setupio.h"

#include "loop/loopwidget.h"
#include "loop/systemcontainerwidget.h"
#include "panel/panelwidget.h"
#include "setup/setupfile.h"

#include <QDebug>

namespace
{

QString current(double value)
{
    return QString::number(value, 'g', 6);
}

QStringList panelValues(const PanelWidget *panel, bool expansionBox)
{
    QStringList values{panel->modelName(), panel->internalBattery()};
    if (!expansionBox) {
        values << current(panel->aux24VAlarmCurrent()) << current(panel->aux24VIdleCurrent())
               << current(panel->sounder1AlarmCurrent()) << current(panel->sounder1IdleCurrent())
               << current(panel->sounder2AlarmCurrent()) << current(panel->sounder2IdleCurrent());
    }
    values << panel->installedCards().join(QLatin1Char(',')) << panel->externalPowerSource1()
           << panel->additionalBattery1() << panel->externalPowerSource2() << panel->additionalBattery2()
           << QString::number(panel->batteryDegradation()) << QString::number(panel->soundersActive())
           << panel->idleTime() << panel->alarmTime();
    return values;
}

QVector<SetupFile::LoopConfig> loopValues(const SystemContainerWidget *container)
{
    QVector<SetupFile::LoopConfig> loops;
    const QVector<LoopWidget *> widgets = container->loopWidgets();
    const int active = std::min(container->loopCount(), int(widgets.size()));
    for (int i = 0; i < active; ++i) {
        const LoopWidget *loop = widgets.at(i);
        SetupFile::LoopConfig config;
        config.values = QStringList{loop->cableTypeText(),
                                    loop->topologyCode(),
                                    QString::number(loop->distributionFactorValue(), 'g', 6),
                                    QString::number(loop->loopLengthValue()),
                                    QString::number(loop->startDistanceValue()),
                                    QString::number(loop->endDistanceValue())};
        const auto devices = loop->deviceList();
        for (const auto &device : devices)
            config.devices.insert(device.first, device.second);
        loops.append(config);
    }
    return loops;
}

QVector<QPair<QStringList, QMap<QString, int>>> asLoopPairs(const QVector<SetupFile::LoopConfig> &loops)
{
    QVector<QPair<QStringList, QMap<QString, int>>> pairs;
    for (const SetupFile::LoopConfig &loop : loops)
        pairs.append(qMakePair(loop.values, loop.devices));
    return pairs;
}

SetupFile::SetupData heldSetup(const SystemContainerWidget *mainContainer,
                               const QList<SystemContainerWidget *> &expansionBoxContainers)
{
    SetupFile::SetupData data;
    data.panel = panelValues(mainContainer->panelWidget(), false);
    data.loops = loopValues(mainContainer);
    for (const SystemContainerWidget *container : expansionBoxContainers) {
        if (!container || !container->panelWidget())
            continue;
        SetupFile::ExpansionBoxConfig box;
        box.panel = panelValues(container->panelWidget(), true);
        box.loops = loopValues(container);
        data.boxes.append(box);
    }
    return data;
}

} // namespace

bool writeSetupFile(const QString &fileName, SystemContainerWidget *mainContainer,
                    const QList<SystemContainerWidget *> &expansionBoxContainers)
{
    if (!mainContainer || !mainContainer->panelWidget()) {
        qWarning().noquote() << "No panel to write to" << fileName;
        return false;
    }
    return SetupFile::writeSetupData(fileName, heldSetup(mainContainer, expansionBoxContainers));
}

bool readSetupFile(const QString &fileName, SystemContainerWidget *mainContainer,
                   QList<SystemContainerWidget *> &newContainers, const Catalogue *catalogue,
                   QStringList *adjusted)
{
    newContainers.clear();
    if (!mainContainer || !mainContainer->panelWidget() || !catalogue) {
        qWarning().noquote() << "No panel to read into from" << fileName;
        return false;
    }
    SetupFile::SetupData data;
    if (!SetupFile::readSetupData(fileName, data, *catalogue))
        return false;

    mainContainer->applySetup(data.panel, asLoopPairs(data.loops));
    for (const SetupFile::ExpansionBoxConfig &box : qAsConst(data.boxes)) {
        auto *container =
            new SystemContainerWidget(true, catalogue, box.panel.value(0), mainContainer->parentWidget());
        container->applySetup(box.panel, asLoopPairs(box.loops));
        newContainers.append(container);
    }
    if (adjusted)
        *adjusted = SetupFile::adjustedValues(data, heldSetup(mainContainer, newContainers));
    return true;
}
