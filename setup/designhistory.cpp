#include "setup/designhistory.h"

DesignHistory::DesignHistory(int limit) : m_limit(std::max(2, limit))
{
    m_states.append(DesignSnapshot());
}

void DesignHistory::reset(const DesignSnapshot &state)
{
    m_states = {state};
    m_index = 0;
    m_savedIndex = 0;
    m_openKey = 0;
}

bool DesignHistory::record(const DesignSnapshot &state, quintptr mergeKey)
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

const DesignSnapshot &DesignHistory::undo()
{
    m_openKey = 0;
    if (canUndo())
        --m_index;
    return current();
}

const DesignSnapshot &DesignHistory::redo()
{
    m_openKey = 0;
    if (canRedo())
        ++m_index;
    return current();
}

namespace
{

QStringList entries(const QString &cards)
{
    return cards.split(QLatin1Char(','), Qt::SkipEmptyParts);
}

bool isSet(const QString &value)
{
    return !value.isEmpty() && value != QLatin1String("-");
}

} // namespace

DroppedParts droppedByModelChange(const SetupFile::SetupData &before, const QStringList &boxesBefore,
                                  const SetupFile::SetupData &after, const QStringList &boxesAfter)
{
    DroppedParts dropped;
    // Main panel values: 0 model, 1 battery, 8 cards, 9..12 power sources and
    // their batteries.
    if (before.panel.size() < 13 || after.panel.size() < 13 || before.panel.at(0) == after.panel.at(0))
        return dropped;
    dropped.newModel = after.panel.at(0);
    if (isSet(before.panel.at(1)) && before.panel.at(1) != after.panel.at(1))
        dropped.battery = before.panel.at(1);
    const QStringList cardsAfter = entries(after.panel.at(8));
    QStringList remaining = cardsAfter;
    for (const QString &card : entries(before.panel.at(8))) {
        // Cards may be installed more than once (loop cards): count them off.
        if (!remaining.removeOne(card))
            dropped.cards.append(card);
    }
    for (int i = 9; i <= 12; ++i) {
        if (isSet(before.panel.at(i)) && before.panel.at(i) != after.panel.at(i))
            dropped.powerSupplies.append(before.panel.at(i));
    }
    for (int n = after.loops.size(); n < before.loops.size(); ++n)
        dropped.loops.append(QString::number(n + 1));
    for (const QString &name : boxesBefore) {
        if (!boxesAfter.contains(name))
            dropped.boxes.append(name);
    }
    return dropped;
}
