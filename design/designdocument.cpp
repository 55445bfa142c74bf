#include "design/designdocument.h"

#include "design/designfile.h"

#include <algorithm>

DesignDocument::DesignDocument(const Catalogue *catalogue, const QString &recoveryFolder, QObject *parent)
    : QObject(parent), m_catalogue(catalogue), m_recovery(recoveryFolder)
{
    setObjectName(QStringLiteral("designDocument"));
}

const DesignEvaluation &DesignDocument::evaluation() const
{
    if (!m_evaluation)
        m_evaluation = DesignEvaluation::evaluate(design(), *m_catalogue);
    return *m_evaluation;
}

void DesignDocument::reset(const Design &design, const QString &fileName)
{
    m_fileName = fileName;
    m_history.reset(design);
    m_evaluation.reset();
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
    m_evaluation.reset();
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
    m_evaluation.reset();
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
    m_evaluation.reset();
    emit changed({DesignChange::Whole});
    emit stateChanged();
}

void DesignDocument::replaceCurrent(const Design &design)
{
    m_history.replaceCurrent(design);
    m_evaluation.reset();
    emit stateChanged();
}

void DesignDocument::edit(Design design, const DesignChange &change, quintptr mergeKey)
{
    // A step without a key is never open, so it stands alone.
    record(design, mergeKey, change);
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

void DesignDocument::undo()
{
    if (!canUndo())
        return;
    m_history.undo();
    m_evaluation.reset();
    emit designReplaced();
    emit stateChanged();
}

void DesignDocument::redo()
{
    if (!canRedo())
        return;
    m_history.redo();
    m_evaluation.reset();
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
