#pragma once

#include "design/design.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The undo history of one design as whole values: an undo puts back
// exactly the state that was recorded, whatever the edit was. It also knows
// which state the design's file holds, so it can tell unsaved changes.
class DesignHistory
{
public:
    explicit DesignHistory(int limit = 200);

    // A fresh history that starts at `state`, which is what the file holds.
    void reset(const Design &state);

    // The design after an edit. False when it equals the current state.
    // A non-zero `mergeKey` equal to that of the step on top, while that step
    // is still open, folds the edit into it: the steps a value passes through
    // while it is typed or spun make one step.
    bool record(const Design &state, quintptr mergeKey = 0);
    // The same design shown anew: `state` takes the current state's place.
    void replaceCurrent(const Design &state) { m_states[m_index] = state; }
    // The value settled: the next edit starts a step of its own.
    void closeStep();

    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index + 1 < m_states.size(); }
    // Move one step and return the state to show. Only when canUndo/canRedo.
    const Design &undo();
    const Design &redo();
    const Design &current() const { return m_states.at(m_index); }
    int size() const { return m_states.size(); }

    bool isModified() const { return m_index != m_savedIndex; }
    // The current state is now what the file holds.
    void markSaved() { m_savedIndex = m_index; }
    // No state of the history is what a file holds (a restored design).
    void markUnsaved() { m_savedIndex = -1; }

private:
    int m_limit;
    QVector<Design> m_states;
    int m_index = 0;
    int m_savedIndex = 0;
    quintptr m_openKey = 0;
};

// What a change of the main panel's model took away with it.
struct DroppedParts {
    QString newModel;
    QString battery;           // the internal battery, empty when kept
    QStringList cards;         // auxiliary cards no longer installed
    QStringList powerSupplies; // external power sources and their batteries
    QStringList loops;         // numbers of the loops no longer in use
    QStringList boxes;         // expansion boxes, by page name
    bool isEmpty() const
    {
        return battery.isEmpty() && cards.isEmpty() && powerSupplies.isEmpty() && loops.isEmpty() &&
               boxes.isEmpty();
    }
};

// Empty unless the main panel's model differs between the two states.
DroppedParts droppedByModelChange(const Design &before, const Design &after);
