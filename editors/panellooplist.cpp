#include "editors/panellooplist.h"

#include "loop/figureexplanations.h"
#include "editors/panellists.h"
#include "widgets/widgetfunctions.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>

void PanelLoopList::resize(int loops)
{
    if (m_rows.size() == loops)
        return;
    m_rows.clear();
    m_list->clear();
    for (int i = 1; i <= loops; ++i) {
        auto *row = new QWidget;
        row->setObjectName(QStringLiteral("listItem"));
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(12, 10, 0, 10);
        auto *loopLabel =
            new QLabel(QCoreApplication::translate("PanelWidget", "Loop ") + QString::number(i), row);
        loopLabel->setObjectName(QStringLiteral("loopLabel"));
        auto *idleLabel = new QLabel(row);
        idleLabel->setObjectName(QStringLiteral("idleCurrentLabel"));
        auto *alarmLabel = new QLabel(row);
        alarmLabel->setObjectName(QStringLiteral("alarmCurrentLabel"));
        // Equal thirds, whatever the texts, keep the columns under their headers.
        for (QLabel *label : {loopLabel, idleLabel, alarmLabel}) {
            label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            layout->addWidget(label, 1);
            setTransparent(label);
        }
        setTransparent(row);
        layout->activate();
        PanelLists::addRow(m_list, row, row->sizeHint() + QSize(0, 5));
        m_rows.append({row, idleLabel, alarmLabel});
    }
    PanelLists::fitHeightToRows(m_list, PanelLists::emptyListHeight);
}

void PanelLoopList::show(const PanelEvaluation &e)
{
    for (int i = 0; i < m_rows.size() && i < e.loopCount; ++i) {
        const Row &row = m_rows.at(i);
        row.idleLabel->setText(e.loopIdleCurrentText(i));
        row.alarmLabel->setText(e.loopAlarmCurrentText(i));
        row.row->setToolTip(FigureExplanations::panelLoopRow(
            i + 1, e.loopCurrents.at(i).idle / PanelCalculation::loopCurrentFactor,
            e.loopCurrents.at(i).alarm / PanelCalculation::loopCurrentFactor));
        PanelLists::showFault(row.row, e.loopFaults.at(i));
    }
}
