#include "app/xmlimportsummarydialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

XmlImportSummaryDialog::XmlImportSummaryDialog(const XmlImport::ImportPlan &plan, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("xmlImportSummaryDialog"));
    setWindowTitle(QCoreApplication::translate("Exporter", "Import summary"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowModality(Qt::WindowModal);

    auto *headline = new QLabel(XmlImport::planHeadline(plan), this);
    headline->setObjectName(QStringLiteral("summaryHeadline"));
    headline->setWordWrap(true);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("summaryTree"));
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({QCoreApplication::translate("Exporter", "In the file"),
                             QCoreApplication::translate("Exporter", "In the design")});
    m_tree->setRootIsDecorated(true);
    m_tree->setSelectionMode(QAbstractItemView::NoSelection);
    for (const XmlImport::LoopPlan &loop : plan.loops) {
        auto *item = new QTreeWidgetItem(m_tree, {XmlImport::loopTitle(loop), XmlImport::loopOutcome(loop)});
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        item->setFont(1, bold);
        for (const QString &line : XmlImport::loopDetails(loop))
            (new QTreeWidgetItem(item, {line}))->setToolTip(0, line);
        item->setFirstColumnSpanned(false);
    }
    m_tree->expandAll();
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        for (int c = 0; c < m_tree->topLevelItem(i)->childCount(); ++c)
            m_tree->topLevelItem(i)->child(c)->setFirstColumnSpanned(true);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *import =
        buttons->addButton(QCoreApplication::translate("Exporter", "Import"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("importButton"));
    import->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(headline);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    resize(760, 480);
}
