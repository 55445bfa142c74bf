#include "app/comparisonview.h"

#include "design/comparisontext.h"
#include "design/designdocument.h"

#include <QBrush>
#include <QColor>
#include <QEvent>
#include <QFileInfo>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

// The mark of an entry: what it is, its symbol and its shade.
struct Mark {
    const char *name;
    const char *symbol;
    QColor colour;
};

Mark markOf(const DesignDifference &d)
{
    if (d.isVerdict()) {
        return d.worsened() ? Mark{"fault", "!", QColor(0xf2, 0xc4, 0xc4)}
                            : Mark{"ok", "\u2713", QColor(0xcf, 0xe8, 0xcf)};
    }
    if (d.isAddition())
        return {"added", "+", QColor(0xdf, 0xf0, 0xd8)};
    if (d.isRemoval())
        return {"removed", "\u2212", QColor(0xf2, 0xde, 0xde)};
    return {"changed", "~", QColor(0xfc, 0xf8, 0xe3)};
}

} // namespace

ComparisonView::ComparisonView(DesignDocument *document, const Design &oldDesign, const QString &oldFileName,
                               QWidget *parent)
    : QWidget(parent, Qt::Window), m_document(document), m_oldDesign(oldDesign), m_oldFileName(oldFileName),
      m_summary(new QLabel(this)), m_tree(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("comparisonView"));
    m_oldEvaluation = DesignEvaluation::evaluate(oldDesign, *document->catalogue());
    m_summary->setObjectName(QStringLiteral("comparisonSummaryLabel"));
    m_summary->setWordWrap(true);
    m_tree->setObjectName(QStringLiteral("comparisonTree"));
    m_tree->setColumnCount(2);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_tree);
    resize(720, 520);

    // One redraw per edit, however many signals it makes.
    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &ComparisonView::refresh);
    const auto later = [this] { m_refreshTimer.start(); };
    connect(document, &DesignDocument::changed, this, later);
    connect(document, &DesignDocument::designReplaced, this, later);
    connect(m_tree, &QTreeWidget::itemActivated, this, &ComparisonView::onItemActivated);
    retranslate();
    refresh();
}

QString ComparisonView::summary() const
{
    return m_summary->text();
}

void ComparisonView::refresh()
{
    m_refreshTimer.stop();
    m_comparison = DesignComparison::compare(m_oldDesign, m_oldEvaluation, m_document->design(),
                                             m_document->evaluation());
    m_tree->clear();
    if (m_comparison.isEmpty()) {
        m_summary->setText(tr("No changes since %1.").arg(QFileInfo(m_oldFileName).fileName()));
        return;
    }
    m_summary->setText(tr("%1 change(s) since %2; %3 verdict(s) moved.")
                           .arg(m_comparison.differences.size())
                           .arg(QFileInfo(m_oldFileName).fileName())
                           .arg(m_comparison.verdictCount()));
    for (const ComparisonText::Group &group : ComparisonText::groups(m_comparison)) {
        auto *top = new QTreeWidgetItem(m_tree, {group.title});
        QFont bold = top->font(0);
        bold.setBold(true);
        top->setFont(0, bold);
        top->setFirstColumnSpanned(true);
        for (const DesignDifference &d : group.differences) {
            const Mark mark = markOf(d);
            QString text = ComparisonText::describe(d);
            if (group.verdicts)
                text = ComparisonText::placeTitle(d) + QStringLiteral(": ") + text;
            auto *item = new QTreeWidgetItem(top, {QString::fromUtf8(mark.symbol), text});
            for (int column = 0; column < 2; ++column)
                item->setBackground(column, QBrush(mark.colour));
            if (d.worsened())
                item->setFont(1, bold);
            // Removed boxes are nowhere in the open design; a removed loop's
            // panel still is.
            const bool navigable = !d.project && !d.inOldDesign;
            item->setData(0, SystemRole, d.system);
            item->setData(0, LoopRole, d.kind == DesignDifference::Kind::LoopRemoved ? -1 : d.loop);
            item->setData(0, MarkRole, QString::fromLatin1(mark.name));
            item->setData(0, NavigableRole, navigable);
            item->setToolTip(1, navigable ? tr("Activate to show it.") : QString());
        }
    }
    m_tree->expandAll();
}

void ComparisonView::onItemActivated(QTreeWidgetItem *item)
{
    if (!item || !item->data(0, NavigableRole).toBool())
        return;
    emit placeActivated(item->data(0, SystemRole).toInt(), item->data(0, LoopRole).toInt());
}

void ComparisonView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refresh();
    }
    QWidget::changeEvent(event);
}

void ComparisonView::retranslate()
{
    setWindowTitle(tr("Compare with %1").arg(QFileInfo(m_oldFileName).fileName()));
}
