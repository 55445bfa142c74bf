#include "panel/expansionboxwidget.h"

#include "ui_panelwidget.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QList>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace
{

// Number of entries an expansion box configuration holds.
constexpr int expansionBoxValueCount = 11;

} // namespace

ExpansionBoxWidget::ExpansionBoxWidget(const Catalogue *catalogue, const QString &modelName, QWidget *parent)
    : PanelWidget(catalogue, parent)
{
    currentModelName = modelName;

    // The model of a box never changes, so the selector runs no model change.
    disconnect(ui->panelComboBox, &QComboBox::currentTextChanged, nullptr, nullptr);
    ui->panelComboBox->clear();
    ui->panelComboBox->addItem(modelName);
    ui->panelComboBox->setEnabled(false);
    setBoxTexts();

    // From here on modelRecord() is the box's record.
    rebuildAuxCardList();
    fillBatterySelectors();
    fillExternalPowerSourceSelectors();

    // A box has no outputs of its own (they stay 0 in its totals) and no boxes.
    const QList<QWidget *> hidden = {
        ui->panelOutputLabel,    ui->idleCurrentLabel,      ui->alarmCurrentLabel,
        ui->aux24VLabel,         ui->aux24VIdleDSpinBox,    ui->aux24VAlarmDSpinBox,
        ui->snd1Label,           ui->snd1IdleDSpinBox,      ui->snd1AlarmDSpinBox,
        ui->snd2Label,           ui->snd2IdleDSpinBox,      ui->snd2AlarmDSpinBox,
        ui->expansionBoxesLabel, ui->addExpansionBoxButton, ui->expansionBoxesListWidget};
    for (QWidget *w : hidden)
        w->hide();
    // Without their sections the gaps around them would leave a hole.
    ui->sectionSpacer2->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui->sectionSpacer4->changeSize(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui->leftColumnLayout->invalidate();

    rebuildLoopList();
    refreshTotals();
}

bool ExpansionBoxWidget::isExpansionBox() const
{
    return true;
}

void ExpansionBoxWidget::applyConfiguration(const QStringList &values)
{
    if (values.size() < expansionBoxValueCount) {
        // Indexing past the end would crash; a short list changes nothing.
        qWarning().noquote() << "Expansion box configuration needs 11 values, got" << values.size();
        return;
    }
    // The selector holds only this box's model, so the model stays.
    selectValue(ui->panelComboBox, values.at(0));
    applyInternalBattery(values.at(1));
    applyCards(values.at(2));
    rebuildLoopList();
    refreshTotals();
    applyExternalPower(values.at(3), values.at(4), values.at(5), values.at(6));
    applyAdvancedSettings(values.at(7), values.at(8), values.at(9), values.at(10));
}

void ExpansionBoxWidget::setBoxTexts()
{
    ui->sysGeneralLabel->setText(tr("Expansion Box Configuration"));
    ui->panelLabel->setText(tr("Expansion Box"));
}

void ExpansionBoxWidget::retranslate()
{
    PanelWidget::retranslate();
    setBoxTexts();
}
