#pragma once

#include "catalogue/records.h"
#include "panel/panelconfig.h"

#include <QString>
#include <QStringList>

// What changing the main panel's model takes away: a new model starts with
// its base loops, no cards, no external power and no expansion boxes.
// Widget-free.
struct ModelChangeLoss {
    QStringList cards;    // installed cards, a loop card once with its count
    QStringList supplies; // external power sources and their batteries
    int firstLoop = 0;    // loops firstLoop..lastLoop go (0: none)
    int lastLoop = 0;
    QStringList boxes; // expansion boxes by page name

    bool isEmpty() const
    {
        return cards.isEmpty() && supplies.isEmpty() && firstLoop == 0 && boxes.isEmpty();
    }
    // One line per kind of part, in the context "PanelWidget".
    QStringList lines() const;
};

ModelChangeLoss modelChangeLoss(const PanelConfig &current, int loopCount, const QStringList &boxes,
                                const Panel &newModel);
