#pragma once

#include "catalogue/records.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// The auxiliary card list of a panel page: one row per card the model takes,
// the loop card with "-", its count and "+", every other card with a check
// box. It shows a configuration's cards and tells which edit the user made;
// it holds no figures.
class PanelCardList : public QObject
{
    Q_OBJECT
public:
    PanelCardList(QListWidget *list, QObject *parent);

    // Rows for `cards` (the model's, in catalogue order), showing `installed`.
    void rebuild(const QVector<AuxiliaryCard> &cards, const QStringList &installed, int maxLoopCards);
    // The same rows showing other installed cards, without rebuilding them.
    void show(const QStringList &installed, int maxLoopCards);
    // A loop card's name once per installed card, then each checked card, in row order.
    QStringList installedCards() const;
    int loopCards() const { return m_loopCards; }

signals:
    // The user asked for one loop card more (+1) or less (-1).
    void loopCardsRequested(int delta);
    // The user checked or unchecked a card (a second one-only card is
    // refused with a note and never reported).
    void cardToggled(const QString &name, bool checked);

private:
    struct Row {
        bool loopCard = false;
        bool onlyOne = false;
        QString name;
        QCheckBox *checkBox = nullptr;    // every row but the loop card's
        QLabel *countLabel = nullptr;     // loop card row
        QPushButton *addButton = nullptr; // loop card row
        QPushButton *removeButton = nullptr;
    };
    void addRow(const AuxiliaryCard &card);
    void onChecked(int row, bool checked);
    bool oneOnlyInstalledBesides(int row) const;

    QListWidget *m_list;
    QVector<Row> m_rows;
    int m_loopCards = 0;
    int m_maxLoopCards = 0;
};
