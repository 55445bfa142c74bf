#include "panel/modelchange.h"

#include <QCoreApplication>

ModelChangeLoss modelChangeLoss(const PanelConfig &current, int loopCount, const QStringList &boxes,
                                const Panel &newModel)
{
    ModelChangeLoss loss;
    // Cards in the order they are listed; a loop card once, with its count.
    for (const QString &card : current.cards) {
        const int count = current.cards.count(card);
        const QString entry = count > 1 ? QStringLiteral("%1 (%2)").arg(card).arg(count) : card;
        if (!loss.cards.contains(entry))
            loss.cards.append(entry);
    }
    for (const QString &part : {current.source1, current.battery1, current.source2, current.battery2})
        if (!part.isEmpty())
            loss.supplies.append(part);
    if (loopCount > newModel.baseLoops) {
        loss.firstLoop = newModel.baseLoops + 1;
        loss.lastLoop = loopCount;
    }
    loss.boxes = boxes;
    return loss;
}

QStringList ModelChangeLoss::lines() const
{
    const QString separator = QStringLiteral(", ");
    QStringList out;
    if (firstLoop > 0)
        out << (firstLoop == lastLoop
                    ? QCoreApplication::translate("PanelWidget", "Loop %1 and its devices").arg(firstLoop)
                    : QCoreApplication::translate("PanelWidget", "Loops %1 to %2 and their devices")
                          .arg(firstLoop)
                          .arg(lastLoop));
    if (!cards.isEmpty())
        out << QCoreApplication::translate("PanelWidget", "Auxiliary cards: %1").arg(cards.join(separator));
    if (!supplies.isEmpty())
        out << QCoreApplication::translate("PanelWidget", "External power: %1").arg(supplies.join(separator));
    if (!boxes.isEmpty())
        out << QCoreApplication::translate("PanelWidget", "Expansion boxes: %1, with their loops")
                   .arg(boxes.join(separator));
    return out;
}
