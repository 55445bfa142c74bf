#include "editors/panelwidget.h"

#include "catalogue/catalogue.h"
#include "editors/expansionboxlist.h"
#include "editors/panelcardlist.h"
#include "editors/panellooplist.h"
#include "widgets/widgetfunctions.h"

#include "ui_panelwidget.h"

#include <QComboBox>
#include <QEvent>
#include <QSignalBlocker>

void PanelWidget::addHelpSymbols()
{
    addHelpSymbol(m_ui->battDegradationLabel,
                  tr("Percentage of battery capacity no longer available.\nThe older the battery, the more "
                     "degraded it becomes and the less actual capacity it has."));
    addHelpSymbol(
        m_ui->sndActiveLabel,
        tr("Percentage of sounders that are estimated to be active at the same time.\nPlease note that "
           "under certain circumstances, such as an evacuation protocol, ALL sounders should be "
           "active."));
}

void PanelWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void PanelWidget::retranslate()
{
    m_ui->retranslateUi(this);
    addHelpSymbols();
    {
        // New words for the "none" entries, not a new choice.
        const QSignalBlocker b0(m_ui->battComboBox);
        const QSignalBlocker b1(m_ui->additionalBatt1ComboBox);
        const QSignalBlocker b2(m_ui->additionalBatt2ComboBox);
        const QSignalBlocker b3(m_ui->externalPowerSource1ComboBox);
        const QSignalBlocker b4(m_ui->externalPowerSource2ComboBox);
        const auto none = [](QComboBox *combo, const QString &text) {
            if (combo->count() > 0)
                combo->setItemText(0, text);
        };
        none(m_ui->battComboBox, tr("No internal battery"));
        none(m_ui->additionalBatt1ComboBox, tr("No additional battery"));
        none(m_ui->additionalBatt2ComboBox, tr("No additional battery"));
        none(m_ui->externalPowerSource1ComboBox, tr("No external power source"));
        none(m_ui->externalPowerSource2ComboBox, tr("No external power source"));
    }
    // The lists' rows carry their words; they are few, so they are made again.
    const PanelCalculation::ModelRecord model = m_config.modelRecord(*m_catalogue);
    m_cardList->rebuild(m_catalogue->compatibleAuxiliaryCards(m_config.model), m_config.cards,
                        PanelCalculation::maxLoopCards(model.baseLoops, model.maxLoops));
    m_loopList->resize(0);
    m_loopList->resize(m_loopCount);
    m_boxList->forgetRows();
    showBoxes();
    // The figures the form put back to their placeholders, and the messages.
    redraw();
}
