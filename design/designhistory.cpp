#include "design/designhistory.h"

DesignHistory::DesignHistory(int limit) : m_limit(std::max(2, limit))
{
    m_states.append(Design());
}

void DesignHistory::reset(const Design &state)
{
    m_states = {state};
    m_index = 0;
    m_savedIndex = 0;
    m_openKey = 0;
}

bool DesignHistory::record(const Design &state, quintptr mergeKey)
{
    if (state == current())
        return false;
    // Only the newest step may grow, and never the one the file holds: the
    // saved state must stay reachable by undo.
    const bool merge = mergeKey != 0 && mergeKey == m_openKey && m_index > 0 &&
                       m_index + 1 == m_states.size() && m_index != m_savedIndex;
    if (merge) {
        if (state == m_states.at(m_index - 1)) {
            // Typed back to where the step began: no step at all.
            m_states.removeLast();
            --m_index;
            m_openKey = 0;
        } else {
            m_states[m_index] = state;
        }
        return true;
    }
    m_states.resize(m_index + 1);
    if (m_savedIndex > m_index)
        m_savedIndex = -1; // the saved state was undone and is now overwritten
    m_states.append(state);
    ++m_index;
    m_openKey = mergeKey;
    if (m_states.size() > m_limit) {
        m_states.removeFirst();
        --m_index;
        m_savedIndex = m_savedIndex > 0 ? m_savedIndex - 1 : -1;
    }
    return true;
}

void DesignHistory::closeStep()
{
    m_openKey = 0;
}

const Design &DesignHistory::undo()
{
    m_openKey = 0;
    if (canUndo())
        --m_index;
    return current();
}

const Design &DesignHistory::redo()
{
    m_openKey = 0;
    if (canRedo())
        ++m_index;
    return current();
}

namespace
{

bool isSet(const QString &value)
{
    return !value.isEmpty() && value != QLatin1String("-");
}

} // namespace

DroppedParts droppedByModelChange(const Design &before, const Design &after)
{
    DroppedParts dropped;
    const PanelConfig &old = before.main.config;
    const PanelConfig &now = after.main.config;
    if (old.model == now.model)
        return dropped;
    dropped.newModel = now.model;
    if (isSet(old.internalBattery) && old.internalBattery != now.internalBattery)
        dropped.battery = old.internalBattery;
    QStringList remaining = now.cards;
    for (const QString &card : old.cards) {
        // Cards may be installed more than once (loop cards): count them off.
        if (!remaining.removeOne(card))
            dropped.cards.append(card);
    }
    const QStringList supplies[2] = {{old.source1, old.battery1, old.source2, old.battery2},
                                     {now.source1, now.battery1, now.source2, now.battery2}};
    for (int i = 0; i < 4; ++i) {
        if (isSet(supplies[0][i]) && supplies[0][i] != supplies[1][i])
            dropped.powerSupplies.append(supplies[0][i]);
    }
    for (int n = after.main.loops.size(); n < before.main.loops.size(); ++n)
        dropped.loops.append(QString::number(n + 1));
    QStringList namesAfter;
    for (const SystemDesign &box : after.boxes)
        namesAfter.append(box.name);
    for (const SystemDesign &box : before.boxes) {
        if (!namesAfter.contains(box.name))
            dropped.boxes.append(box.name);
    }
    return dropped;
}
