#include "app/setupio.h"

#include "design/designfile.h"

#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "setup/setupfile.h"

#include <QDebug>

QVector<LoopConfig> loopConfigs(const SystemContainerWidget *container)
{
    QVector<LoopConfig> loops;
    const QVector<LoopWidget *> widgets = container->loopWidgets();
    const int active = std::min(container->loopCount(), int(widgets.size()));
    for (int i = 0; i < active; ++i) {
        loops.append(widgets.at(i)->config());
        // The design holds the untranslated entry, as its file does.
        loops.last().cableType = LoopCable::sourceText(loops.last().cableType);
    }
    return loops;
}

SetupFile::SetupData collectSetupData(const SystemContainerWidget *mainContainer,
                                      const QList<SystemContainerWidget *> &expansionBoxContainers)
{
    SetupFile::SetupData data;
    if (!mainContainer || !mainContainer->panelWidget())
        return data;
    data.panel = mainContainer->panelWidget()->configuration().toTexts();
    data.loops = loopConfigs(mainContainer);
    for (const SystemContainerWidget *container : expansionBoxContainers) {
        if (!container || !container->panelWidget())
            continue;
        SetupFile::ExpansionBoxConfig box;
        box.panel = container->panelWidget()->configuration().toTexts();
        box.loops = loopConfigs(container);
        data.boxes.append(box);
    }
    return data;
}

bool writeSetupFile(const QString &fileName, SystemContainerWidget *mainContainer,
                    const QList<SystemContainerWidget *> &expansionBoxContainers, QString *error)
{
    if (!mainContainer || !mainContainer->panelWidget()) {
        qWarning().noquote() << "No panel to write to" << fileName;
        return false;
    }
    return SetupFile::writeSetupData(fileName, collectSetupData(mainContainer, expansionBoxContainers), error);
}

bool readSetupFile(const QString &fileName, SystemContainerWidget *mainContainer,
                   QList<SystemContainerWidget *> &newContainers, const Catalogue *catalogue,
                   QStringList *adjusted, Design *read)
{
    newContainers.clear();
    if (!mainContainer || !mainContainer->panelWidget() || !catalogue) {
        qWarning().noquote() << "No panel to read into from" << fileName;
        return false;
    }
    Design design;
    if (!DesignFile::read(fileName, design, *catalogue, adjusted))
        return false;
    applyDesign(design, mainContainer, newContainers, catalogue);
    if (read)
        *read = design;
    return true;
}

void applyDesign(const Design &design, SystemContainerWidget *mainContainer,
                 QList<SystemContainerWidget *> &newContainers, const Catalogue *catalogue)
{
    newContainers.clear();
    mainContainer->applySetup(design.main.config, design.main.loops);
    for (const SystemDesign &box : design.boxes) {
        auto *container =
            new SystemContainerWidget(true, catalogue, box.config.model, mainContainer->parentWidget());
        container->applySetup(box.config, box.loops);
        newContainers.append(container);
    }
}

void updateContainerSetup(SystemContainerWidget *container, const PanelConfig &panel,
                          const QVector<LoopConfig> &loops)
{
    if (!container || !container->panelWidget())
        return;
    if (container->panelWidget()->configuration() != panel)
        container->panelWidget()->applyConfig(panel);
    // The panel brings its loop count with its cards; loops that come back
    // from hiding hold what they held, so compare with what is on screen.
    const QVector<LoopConfig> onScreen = loopConfigs(container);
    if (onScreen.size() != loops.size()) {
        container->applySetup(panel, loops);
        return;
    }
    QMap<int, LoopConfig> changed;
    for (int i = 0; i < loops.size(); ++i) {
        if (onScreen.at(i) != loops.at(i))
            changed.insert(i, loops.at(i));
    }
    if (!changed.isEmpty())
        container->applyLoopSetups(changed);
}
