#include "design/designdocument.h"

#include "design/designfile.h"

#include "catalogue/catalogue.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

DesignDocument::DesignDocument(const Catalogue *catalogue, const QString &recoveryFolder, QObject *parent)
    : QObject(parent), m_catalogue(catalogue), m_recovery(recoveryFolder)
{
    setObjectName(QStringLiteral("designDocument"));
    // The evaluation holds texts in the language it was made in.
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

bool DesignDocument::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
        m_evaluation.reset();
    return QObject::eventFilter(watched, event);
}

const DesignEvaluation &DesignDocument::evaluation() const
{
    if (!m_evaluation || m_evaluationStale) {
        m_evaluation = m_evaluation ? DesignEvaluation::evaluate(design(), *m_catalogue, m_evaluated, *m_evaluation)
                                    : DesignEvaluation::evaluate(design(), *m_catalogue);
        m_evaluated = design();
        m_evaluationStale = false;
    }
    return *m_evaluation;
}

void DesignDocument::reset(const Design &design, const QString &fileName)
{
    m_fileName = fileName;
    m_history.reset(design);
    m_evaluationStale = true;
    // The copy of the design that was replaced goes; a copy a crashed run
    // left behind stays until it has been offered.
    dropRecovery();
    emit designReplaced();
    emit stateChanged();
}

void DesignDocument::restore(const Design &design, const QString &fileName)
{
    m_fileName = fileName;
    m_history.reset(design);
    m_history.markUnsaved();
    m_evaluationStale = true;
    m_ownsRecovery = true;
    emit designReplaced();
    emit stateChanged();
}

bool DesignDocument::record(const Design &next, quintptr mergeKey, const DesignChange &change)
{
    const Design before = design();
    Design after = next;
    reconcile(before, after);
    if (!m_history.record(after, mergeKey))
        return false;
    m_evaluationStale = true;
    emit changed(change);
    emit edited(before, after);
    emit stateChanged();
    return true;
}

void DesignDocument::amend(const Design &next)
{
    Design after = next;
    reconcile(design(), after);
    if (after == design())
        return;
    m_history.replaceCurrent(after);
    m_evaluationStale = true;
    emit changed({DesignChange::Whole});
    emit stateChanged();
}

void DesignDocument::replaceCurrent(const Design &design)
{
    m_history.replaceCurrent(design);
    m_evaluationStale = true;
    emit stateChanged();
}

bool DesignDocument::edit(Design design, const DesignChange &change, quintptr mergeKey)
{
    // A step without a key is never open, so it stands alone.
    return record(design, mergeKey, change);
}

void DesignDocument::setProjectInfo(const std::optional<ProjectInfo> &project)
{
    Design next = design();
    next.project = project;
    edit(next, {DesignChange::Project});
}

void DesignDocument::setBatteryMethod(int system, BatteryMethod method)
{
    Design next = design();
    if (SystemDesign *target = next.system(system)) {
        target->batteryMethod = method;
        edit(next, {DesignChange::BatteryMethod, system});
    }
}

void DesignDocument::setLoopSchedule(int system, int loop, const std::optional<LoopSchedule> &schedule)
{
    Design next = design();
    SystemDesign *target = next.system(system);
    if (!target || loop < 0 || loop >= target->loops.size())
        return;
    if (schedule)
        target->schedules.insert(loop, *schedule);
    else
        target->schedules.remove(loop);
    edit(next, {DesignChange::Schedule, system, loop});
}

void DesignDocument::setLoopConfig(int system, int loop, const LoopConfig &config, quintptr mergeKey)
{
    Design next = design();
    SystemDesign *target = next.system(system);
    if (!target || loop < 0 || loop >= target->loops.size())
        return;
    target->loops[loop] = config;
    edit(next, {DesignChange::Loop, system, loop}, mergeKey);
}

void DesignDocument::setQuantity(int system, int loop, const QString &device, int quantity)
{
    const SystemDesign *current = design().system(system);
    if (!current || loop < 0 || loop >= current->loops.size())
        return;
    LoopConfig config = current->loops.at(loop);
    if (quantity > 0)
        config.devices.insert(device, quantity);
    else
        config.devices.remove(device);
    setLoopConfig(system, loop, config);
}

namespace
{

// A system's loops as many as its cards give: loops that go take their
// schedules with them (reconcile), new ones start fresh unless `returning`
// holds their values.
void fitLoops(SystemDesign &system, const Catalogue &catalogue, const QMap<int, LoopConfig> &returning = {})
{
    const int count = system.config.loopCount(catalogue);
    const int kept = system.loops.size();
    system.loops.resize(count);
    for (int i = kept; i < count; ++i)
        system.loops[i] = returning.value(i);
}

} // namespace

bool DesignDocument::setPanelConfig(int system, const PanelConfig &config, quintptr mergeKey,
                                    const QMap<int, LoopConfig> &returning)
{
    Design next = design();
    SystemDesign *target = next.system(system);
    if (!target)
        return false;
    PanelConfig normalised = config;
    // A system is what it is: its kind and (for a box) its model stay.
    normalised.expansionBox = target->config.expansionBox;
    if (normalised.expansionBox)
        normalised.model = target->config.model;
    else if (m_catalogue->findPanel(normalised.model).name != normalised.model)
        return false;
    // Boxes belong to the model of the main panel that took them.
    const bool modelChanged = normalised.model != target->config.model;
    target->config = normalised.normalised(*m_catalogue);
    fitLoops(*target, *m_catalogue, returning);
    if (modelChanged)
        next.boxes.clear();
    return edit(next, {modelChanged ? DesignChange::Whole : DesignChange::Panel, system}, mergeKey);
}

void DesignDocument::changeModel(const QString &model)
{
    if (model == design().main.config.model || m_catalogue->findPanel(model).name != model)
        return;
    Design next = design();
    next.main.config = next.main.config.withModel(model);
    fitLoops(next.main, *m_catalogue);
    next.boxes.clear();
    edit(next, {DesignChange::Whole});
}

void DesignDocument::setInternalBattery(int system, const QString &battery)
{
    if (const SystemDesign *current = design().system(system)) {
        PanelConfig config = current->config;
        config.internalBattery = battery;
        setPanelConfig(system, config);
    }
}

void DesignDocument::setOutputs(const PanelCalculation::OutputCurrents &outputs)
{
    PanelConfig config = design().main.config;
    config.outputs = outputs;
    setPanelConfig(-1, config);
}

void DesignDocument::setCards(int system, const QStringList &cards)
{
    if (const SystemDesign *current = design().system(system)) {
        PanelConfig config = current->config;
        config.cards = cards;
        setPanelConfig(system, config);
    }
}

void DesignDocument::setExternalPower(int system, const QString &source1, const QString &battery1,
                                      const QString &source2, const QString &battery2)
{
    if (const SystemDesign *current = design().system(system)) {
        PanelConfig config = current->config;
        config.source1 = source1;
        config.battery1 = battery1;
        config.source2 = source2;
        config.battery2 = battery2;
        setPanelConfig(system, config);
    }
}

void DesignDocument::setAdvancedSettings(int system, int batteryDegradation, int soundersActive,
                                         const QString &idleTime, const QString &alarmTime, quintptr mergeKey)
{
    if (const SystemDesign *current = design().system(system)) {
        PanelConfig config = current->config;
        config.batteryDegradation = batteryDegradation;
        config.soundersActive = soundersActive;
        config.idleTime = idleTime;
        config.alarmTime = alarmTime;
        setPanelConfig(system, config, mergeKey);
    }
}

bool DesignDocument::addBox(const QString &model)
{
    const PanelConfig &main = design().main.config;
    if (design().boxes.size() >= m_catalogue->findPanel(main.model).maxExpansionBoxes)
        return false;
    bool compatible = false;
    for (const ExpansionBox &box : m_catalogue->compatibleExpansionBoxes(main.model))
        compatible = compatible || box.name == model;
    if (!compatible)
        return false;
    Design next = design();
    QStringList taken;
    for (const SystemDesign &box : next.boxes)
        taken.append(box.name);
    SystemDesign box;
    box.config.expansionBox = true;
    box.config.model = model;
    box.name = BoxNames::next(model, taken);
    fitLoops(box, *m_catalogue);
    next.boxes.append(box);
    edit(next, {DesignChange::Whole});
    return true;
}

void DesignDocument::removeBox(const QString &name)
{
    Design next = design();
    for (int i = 0; i < next.boxes.size(); ++i) {
        if (next.boxes.at(i).name == name) {
            next.boxes.remove(i);
            edit(next, {DesignChange::Whole});
            return;
        }
    }
}

void DesignDocument::undo()
{
    if (!canUndo())
        return;
    m_history.undo();
    m_evaluationStale = true;
    emit designReplaced();
    emit stateChanged();
}

void DesignDocument::redo()
{
    if (!canRedo())
        return;
    m_history.redo();
    m_evaluationStale = true;
    emit designReplaced();
    emit stateChanged();
}

void DesignDocument::markSaved(const QString &fileName)
{
    m_fileName = fileName;
    m_history.markSaved();
    dropRecovery();
    emit stateChanged();
}

void DesignDocument::markUnsaved()
{
    m_history.markUnsaved();
    emit stateChanged();
}

bool DesignDocument::save(const QString &fileName, QString *error)
{
    if (!DesignFile::write(fileName, design(), error))
        return false;
    markSaved(fileName);
    return true;
}

void DesignDocument::writeRecovery()
{
    if (!m_recovery.isClaimed())
        return;
    if (!isModified()) {
        dropRecovery();
        return;
    }
    const QString text = DesignFile::compose(design());
    if (text == m_recoveryWritten && m_recovery.exists())
        return;
    if (m_recovery.write(text, m_fileName)) {
        m_recoveryWritten = text;
        m_ownsRecovery = true;
    }
}

void DesignDocument::dropRecovery()
{
    if (m_ownsRecovery)
        m_recovery.remove();
    m_ownsRecovery = false;
    m_recoveryWritten.clear();
}

namespace
{

void reconcileSystem(SystemDesign &after)
{
    for (auto it = after.schedules.begin(); it != after.schedules.end();) {
        const int loop = it.key();
        if (loop >= after.loops.size()) {
            it = after.schedules.erase(it);
            continue;
        }
        LoopSchedule &schedule = it.value();
        LoopConfig &config = after.loops[loop];
        // Removed units go from the end of the cable, added ones join it.
        QMap<QString, int> counts;
        for (const ScheduleUnit &unit : schedule.units)
            ++counts[unit.device];
        for (int i = schedule.units.size() - 1; i >= 0; --i) {
            const QString &device = schedule.units.at(i).device;
            if (counts.value(device) > config.devices.value(device)) {
                --counts[device];
                schedule.units.remove(i);
            }
        }
        const int last = schedule.units.isEmpty() ? config.startDistance : schedule.units.last().position;
        for (auto d = config.devices.cbegin(); d != config.devices.cend(); ++d) {
            for (int n = counts.value(d.key()); n < d.value(); ++n)
                schedule.units.append({last, d.key(), QStringLiteral("-"), QString(), QString()});
        }
        // The schedule is the authority on where the cable meets the devices.
        if (!schedule.units.isEmpty()) {
            config.startDistance = schedule.units.first().position;
            config.endDistance = std::max(0, config.loopLength - schedule.units.last().position);
        }
        ++it;
    }
}

} // namespace

void DesignDocument::reconcile(const Design &before, Design &after)
{
    Q_UNUSED(before)
    reconcileSystem(after.main);
    for (SystemDesign &box : after.boxes)
        reconcileSystem(box);
}
