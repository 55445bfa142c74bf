#include "editors/expansionboxlist.h"

#include "loop/figureexplanations.h"
#include "editors/panellists.h"
#include "widgets/widgetfunctions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

constexpr int expansionBoxListMaxHeight = 200;
constexpr int expansionBoxRowPadding = 10;

} // namespace

ExpansionBoxList::ExpansionBoxList(QListWidget *list, QPushButton *addButton, QObject *parent)
    : QObject(parent), m_list(list), m_addButton(addButton)
{
}

void ExpansionBoxList::show(const QStringList &names, int maxBoxes)
{
    const int n = names.size();
    m_addButton->setEnabled(n < maxBoxes);
    m_addButton->setText(
        QCoreApplication::translate("PanelWidget", "Add expansion box (%1/%2)").arg(n).arg(maxBoxes));
    // A disabled button says why; the wrapper shows the tip while disabled.
    m_addButton->setToolTip(FigureExplanations::addExpansionBoxDisabled(n, maxBoxes));
    if (names == m_names && maxBoxes == m_maxBoxes && m_list->count() == n)
        return;
    m_names = names;
    m_maxBoxes = maxBoxes;
    m_rows.clear();
    m_list->clear();
    for (const QString &name : names) {
        auto *row = new QWidget;
        row->setObjectName(QStringLiteral("listItem"));
        auto *layout = new QHBoxLayout(row);
        layout->setContentsMargins(20, 0, 20, 0);

        Row widgets;
        widgets.row = row;
        widgets.nameLabel = new QLabel(name, row);
        widgets.nameLabel->setObjectName(QStringLiteral("expansionBoxNameLabel"));
        widgets.statusLabel = new QLabel(row);
        widgets.statusLabel->setObjectName(QStringLiteral("expansionBoxStatusLabel"));
        widgets.statusLabel->setContentsMargins(20, 0, 20, 0);
        auto *removeButton = new QPushButton(QCoreApplication::translate("PanelWidget", "Remove"), row);
        removeButton->setObjectName(QStringLiteral("expansionBoxRemoveButton"));
        removeButton->setFixedSize(80, 25);
        removeButton->setStyleSheet(QStringLiteral("padding: 0px; margin: 0px; font-size: 14px;"));
        // The row (and this button) is deleted later by the list, not while
        // the click is still being delivered.
        connect(removeButton, &QPushButton::clicked, this, [this, name] { emit removeRequested(name); });

        layout->addWidget(widgets.nameLabel);
        layout->addStretch(1);
        layout->addWidget(widgets.statusLabel);
        layout->addWidget(removeButton);
        for (QWidget *w :
             {row, static_cast<QWidget *>(widgets.nameLabel), static_cast<QWidget *>(widgets.statusLabel)})
            setTransparent(w);
        showStatus(widgets, m_faults.value(name).any());

        // A little air around the 25 px button, as the loop rows have.
        layout->activate();
        PanelLists::addRow(m_list, row, row->sizeHint() + QSize(0, expansionBoxRowPadding));
        m_rows.append(widgets);
    }
    PanelLists::fitHeightToRows(m_list, PanelLists::emptyListHeight, expansionBoxListMaxHeight);
}

void ExpansionBoxList::setFault(const QString &name, const PanelMessages::FaultFlags &flags)
{
    m_faults.insert(name, flags);
    for (const Row &row : qAsConst(m_rows)) {
        if (row.nameLabel->text() == name)
            showStatus(row, flags.any());
    }
}

void ExpansionBoxList::showStatus(const Row &row, bool faulty)
{
    row.statusLabel->setText(faulty ? QCoreApplication::translate("PanelWidget", "FAULT")
                                    : QCoreApplication::translate("PanelWidget", "OK"));
    row.statusLabel->setStyleSheet(
        QStringLiteral("color: %1;").arg(faulty ? QStringLiteral("red") : QStringLiteral("green")));
    ::setFault(row.row, faulty);
}

QString selectExpansionBox(QWidget *parent, const QStringList &candidates)
{
    // On the heap: if the editor is destroyed during exec(), the dialog goes
    // with it and must not be destroyed a second time here.
    QPointer<QDialog> dialog = new QDialog(parent);
    dialog->setObjectName(QStringLiteral("selectExpansionBoxDialog"));
    dialog->setWindowTitle(QCoreApplication::translate("PanelWidget", "Select Expansion Box"));
    dialog->setWindowFlags(dialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog->setMinimumSize(300, 150);

    auto *layout = new QVBoxLayout(dialog);
    auto *label = new QLabel(QCoreApplication::translate("PanelWidget", "Select an expansion box:"), dialog);
    auto *combo = new QComboBox(dialog);
    combo->setObjectName(QStringLiteral("expansionBoxComboBox"));
    combo->addItems(candidates);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName(QStringLiteral("expansionBoxButtonBox"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(combo);
    layout->addStretch(1);
    layout->addWidget(buttons);

    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return QString();
    const QString chosen = accepted ? combo->currentText() : QString();
    delete dialog;
    return chosen;
}
