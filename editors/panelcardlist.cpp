#include "editors/panelcardlist.h"

#include "panel/panelcalculation.h"
#include "editors/panellists.h"
#include "widgets/widgetfunctions.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpacerItem>
#include <QTimer>

#include <algorithm>

namespace
{

// Card rows: "-", count and "+" of the loop card take this much, and every
// card name starts at the same place, under the "Card's name" header.
constexpr int cardRowSpacing = 6;
constexpr int loopCardControlsWidth = 20 + cardRowSpacing + 30 + cardRowSpacing + 20;
constexpr int cardNameIndent = loopCardControlsWidth + 20;
constexpr int hintDurationMs = 3000;

QPushButton *smallButton(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setFixedSize(20, 20);
    button->setStyleSheet(QStringLiteral("padding: 0px; margin: 0px;"));
    return button;
}

} // namespace

PanelCardList::PanelCardList(QListWidget *list, QObject *parent) : QObject(parent), m_list(list) {}

void PanelCardList::rebuild(const QVector<AuxiliaryCard> &cards, const QStringList &installed,
                            int maxLoopCards)
{
    m_rows.clear();
    m_list->clear();
    for (const AuxiliaryCard &card : cards)
        addRow(card);
    PanelLists::fitHeightToRows(m_list, PanelLists::emptyListHeight);
    show(installed, maxLoopCards);
}

void PanelCardList::addRow(const AuxiliaryCard &card)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(20, 0, 20, 0);
    layout->setSpacing(cardRowSpacing);

    Row widgets;
    widgets.name = card.name;
    widgets.onlyOne = card.onlyOne;
    widgets.loopCard = PanelCalculation::isLoopCard(card.name);
    auto *nameLabel = new QLabel(card.name, row);
    nameLabel->setObjectName(QStringLiteral("auxCardNameLabel"));
    // What the card does, from the device descriptions.
    const QByteArray cardKey = card.name.toUtf8();
    const QString what = QCoreApplication::translate("DeviceDescriptions", cardKey.constData());
    if (what != card.name)
        nameLabel->setToolTip(what);

    if (widgets.loopCard) {
        widgets.removeButton = smallButton(QStringLiteral("-"), QStringLiteral("auxCardRemoveButton"), row);
        widgets.countLabel = new QLabel(row);
        widgets.countLabel->setObjectName(QStringLiteral("auxCardCountLabel"));
        widgets.countLabel->setAlignment(Qt::AlignCenter);
        widgets.countLabel->setFixedWidth(30);
        widgets.addButton = smallButton(QStringLiteral("+"), QStringLiteral("auxCardAddButton"), row);
        layout->addWidget(widgets.removeButton);
        layout->addWidget(widgets.countLabel);
        layout->addWidget(widgets.addButton);
        layout->addSpacerItem(new QSpacerItem(cardNameIndent - loopCardControlsWidth, 0, QSizePolicy::Minimum,
                                              QSizePolicy::Minimum));
        connect(widgets.addButton, &QPushButton::clicked, this, [this] { emit loopCardsRequested(+1); });
        connect(widgets.removeButton, &QPushButton::clicked, this, [this] { emit loopCardsRequested(-1); });
        for (QWidget *w :
             {static_cast<QWidget *>(widgets.removeButton), static_cast<QWidget *>(widgets.addButton),
              static_cast<QWidget *>(widgets.countLabel)})
            setTransparent(w);
    } else {
        auto *box = new QCheckBox(row);
        box->setObjectName(QStringLiteral("auxCardCheckBox"));
        widgets.checkBox = box;
        layout->addWidget(box);
        const int indent = std::max(65, cardNameIndent - box->sizeHint().width());
        layout->addSpacerItem(new QSpacerItem(indent, 0, QSizePolicy::Minimum, QSizePolicy::Minimum));
        const int index = m_rows.size();
        connect(box, &QCheckBox::toggled, this, [this, index](bool checked) { onChecked(index, checked); });
        setTransparent(box);
    }
    layout->addWidget(nameLabel);
    layout->addStretch(1);
    setTransparent(nameLabel);
    setTransparent(row);

    PanelLists::addRow(m_list, row, row->sizeHint());
    m_rows.append(widgets);
}

void PanelCardList::show(const QStringList &installed, int maxLoopCards)
{
    m_loopCards = 0;
    for (const QString &card : installed) {
        if (PanelCalculation::isLoopCard(card))
            ++m_loopCards;
    }
    m_maxLoopCards = maxLoopCards;
    for (const Row &row : qAsConst(m_rows)) {
        if (row.loopCard) {
            row.countLabel->setText(QString::number(m_loopCards));
            row.addButton->setEnabled(m_loopCards < maxLoopCards);
            row.removeButton->setEnabled(m_loopCards > 0);
        } else {
            const QSignalBlocker blocker(row.checkBox);
            row.checkBox->setChecked(installed.contains(row.name));
        }
    }
}

QStringList PanelCardList::installedCards() const
{
    QStringList cards;
    for (const Row &row : m_rows) {
        if (row.loopCard) {
            for (int i = 0; i < m_loopCards; ++i)
                cards << row.name;
        } else if (row.checkBox->isChecked()) {
            cards << row.name;
        }
    }
    return cards;
}

bool PanelCardList::oneOnlyInstalledBesides(int row) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (i != row && m_rows.at(i).onlyOne && m_rows.at(i).checkBox->isChecked())
            return true;
    }
    return false;
}

void PanelCardList::onChecked(int row, bool checked)
{
    const Row &r = m_rows.at(row);
    if (checked && r.onlyOne && oneOnlyInstalledBesides(row)) {
        // A second one-only card: undo the check once this click is over.
        QPointer<QCheckBox> box(r.checkBox);
        QTimer::singleShot(0, this, [box] {
            if (!box)
                return;
            {
                const QSignalBlocker blocker(box);
                box->setChecked(false);
            }
            showToolTip(
                box,
                QCoreApplication::translate(
                    "PanelWidget",
                    "ZEP card already inserted.\nTo insert a new one, please remove the old one first."),
                QPoint(0, box->height()), hintDurationMs);
        });
        return;
    }
    emit cardToggled(r.name, checked);
}
