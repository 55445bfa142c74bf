#include "editors/expansionboxwidget.h"

#include "ui_panelwidget.h"

#include <QComboBox>
#include <QLabel>
#include <QList>
#include <QSpacerItem>
#include <QVBoxLayout>

ExpansionBoxWidget::ExpansionBoxWidget(const Catalogue *catalogue, const QString &modelName, QWidget *parent)
    : PanelWidget(catalogue, modelName, parent)
{
    setBoxTexts();

    // A box has no outputs of its own (they stay 0 in its totals) and no boxes.
    const QList<QWidget *> hidden = {
        m_ui->panelOutputLabel,    m_ui->idleCurrentLabel,      m_ui->alarmCurrentLabel,
        m_ui->aux24VLabel,         m_ui->aux24VIdleDSpinBox,    m_ui->aux24VAlarmDSpinBox,
        m_ui->snd1Label,           m_ui->snd1IdleDSpinBox,      m_ui->snd1AlarmDSpinBox,
        m_ui->snd2Label,           m_ui->snd2IdleDSpinBox,      m_ui->snd2AlarmDSpinBox,
        m_ui->expansionBoxesLabel, m_ui->addExpansionBoxButton, m_ui->expansionBoxesListWidget};
    for (QWidget *w : hidden)
        w->hide();
    // Without their sections the gaps around them would leave a hole.
    m_ui->sectionSpacer2->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_ui->sectionSpacer4->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_ui->leftColumnLayout->invalidate();
}

bool ExpansionBoxWidget::isExpansionBox() const
{
    return true;
}

void ExpansionBoxWidget::setBoxTexts()
{
    m_ui->sysGeneralLabel->setText(tr("Expansion Box Configuration"));
    m_ui->panelLabel->setText(tr("Expansion Box"));
}

void ExpansionBoxWidget::retranslate()
{
    PanelWidget::retranslate();
    setBoxTexts();
}
