// The main panel's expansion box list: boxes added and removed by the user,
// their names and their fault states.
#include "editors/panelwidget.h"

#include "catalogue/catalogue.h"
#include "design/design.h"
#include "editors/expansionboxlist.h"
#include "widgets/widgetfunctions.h"

#include "ui_panelwidget.h"

#include <QPointer>
#include <QPushButton>

namespace
{
constexpr int hintDurationMs = 3000;
} // namespace

void PanelWidget::showBoxes()
{
    // A box editor has no boxes of its own, and without a model there is
    // nothing to look up.
    const int max = m_config.expansionBox || m_config.model.isEmpty()
                        ? 0
                        : m_catalogue->findPanel(m_config.model).maxExpansionBoxes;
    m_boxList->show(m_boxNames, max);
}

void PanelWidget::setExpansionBoxNames(const QStringList &names)
{
    m_boxNames = names;
    showBoxes();
}

void PanelWidget::removeAllExpansionBoxes()
{
    // One by one, as the user's "Remove" does, so every box's page goes too.
    const QStringList names = m_boxNames;
    for (const QString &name : names)
        onRemoveExpansionBox(name);
    m_boxNames.clear();
}

void PanelWidget::onAddExpansionBoxButtonClicked()
{
    QStringList candidates;
    for (const ExpansionBox &box : m_catalogue->compatibleExpansionBoxes(m_config.model))
        candidates << box.name;
    if (candidates.isEmpty()) {
        showToolTip(m_ui->addExpansionBoxButton,
                    tr("No compatible expansion boxes available for this panel."),
                    QPoint(0, m_ui->addExpansionBoxButton->height()), hintDurationMs);
        return;
    }
    QPointer<PanelWidget> self(this);
    const QString baseName = selectExpansionBox(this, candidates);
    // The editor may have gone while the dialog was open (its page was rebuilt).
    if (!self || baseName.isEmpty())
        return;
    const QString displayName = BoxNames::next(baseName, m_boxNames);
    m_boxNames.append(displayName);
    showBoxes();
    emit expansionBoxAdded(baseName, displayName);
}

void PanelWidget::onRemoveExpansionBox(const QString &expansionBoxName)
{
    m_boxNames.removeOne(expansionBoxName);
    showBoxes();
    emit expansionBoxRemoved(expansionBoxName);
}

void PanelWidget::onExpansionBoxFaultChanged(const QString &expansionBoxName, bool hasBatteryFault,
                                             bool hasPowerLoadFault, bool hasLoopFault)
{
    PanelMessages::FaultFlags flags;
    flags.hasBatteryFault = hasBatteryFault;
    flags.hasPowerLoadFault = hasPowerLoadFault;
    flags.hasLoopFault = hasLoopFault;
    m_boxList->setFault(expansionBoxName, flags);
}
