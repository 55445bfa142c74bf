#include "setup/designevaluation.h"

#include "catalogue/catalogue.h"

bool SystemEvaluation::hasFault() const
{
    if (panel.flags.any())
        return true;
    for (const LoopEvaluation &loop : loopResults) {
        if (loop.hasFault())
            return true;
    }
    return false;
}

bool DesignEvaluation::hasFault() const
{
    if (main.hasFault())
        return true;
    for (const SystemEvaluation &box : boxes) {
        if (box.hasFault())
            return true;
    }
    return false;
}

QString DesignEvaluation::boxStatusText(int box) const
{
    return boxes.value(box).panel.flags.any() ? QStringLiteral("FAULT") : QStringLiteral("OK");
}

QStringList DesignEvaluation::boxDisplayNames(const QStringList &models)
{
    QStringList names;
    for (const QString &model : models) {
        QString name = model;
        for (int k = 2; names.contains(name); ++k)
            name = QStringLiteral("%1 (%2)").arg(model).arg(k);
        names.append(name);
    }
    return names;
}

SystemEvaluation DesignEvaluation::evaluateSystem(const PanelConfig &read,
                                                  const QVector<LoopConfig> &readLoops,
                                                  const Catalogue &catalogue)
{
    // The values as the editors hold them once the design is opened.
    const PanelConfig config = read.shownByEditor(catalogue);
    QVector<LoopConfig> loops;
    for (const LoopConfig &loop : readLoops)
        loops.append(loop.shownByEditor());
    SystemEvaluation system;
    system.isExpansionBox = config.expansionBox;
    system.displayName = config.model;
    system.config = config;
    system.loops = loops;
    if (config.expansionBox) {
        const ExpansionBox box = catalogue.findExpansionBox(config.model);
        system.limits = {box.loopMaxAddresses, box.loopMinCurrent, box.loopMaxCurrent, box.supportsOverboost};
    } else {
        const Panel panel = catalogue.findPanel(config.model);
        system.limits = {panel.loopMaxAddresses, panel.loopMinCurrent, panel.loopMaxCurrent,
                         panel.supportsOverboost};
    }

    PanelInput input = PanelInput::fromConfig(config, catalogue);
    const double fraction = config.soundersActiveFraction();
    for (int i = 0; i < loops.size(); ++i) {
        const LoopEvaluation loop = LoopEvaluation::evaluate(loops.at(i), system.limits, fraction, catalogue);
        system.loopResults.append(loop);
        if (i < input.loopCurrents.size()) {
            input.loopCurrents[i] =
                PanelCalculation::scaledLoopCurrents(loop.totals.idleCurrent, loop.totals.alarmCurrent);
            input.loopFaults[i] = loop.hasFault();
        }
    }
    system.panel = PanelEvaluation::evaluate(input, catalogue);
    return system;
}

DesignEvaluation DesignEvaluation::evaluate(const SetupFile::SetupData &data, const Catalogue &catalogue)
{
    DesignEvaluation design;
    PanelConfig mainConfig;
    PanelConfig::fromTexts(data.panel, false, mainConfig);
    design.main = evaluateSystem(mainConfig, data.loops, catalogue);
    QStringList models;
    for (const SetupFile::ExpansionBoxConfig &box : data.boxes) {
        PanelConfig config;
        PanelConfig::fromTexts(box.panel, true, config);
        design.boxes.append(evaluateSystem(config, box.loops, catalogue));
        models.append(config.model);
    }
    const QStringList names = boxDisplayNames(models);
    for (int i = 0; i < design.boxes.size(); ++i)
        design.boxes[i].displayName = names.at(i);
    return design;
}
