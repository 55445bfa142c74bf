#pragma once

#include "design/design.h"
#include "design/designcomparison.h"
#include "design/designevaluation.h"

#include <QTimer>
#include <QWidget>

class DesignDocument;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The open design against another revision of it, read from a file: the
// changes grouped by place, verdicts that moved first, additions, removals
// and changes marked apart. It follows the document, so it redraws as the
// design is edited; activating an entry asks to show its panel or loop.
class ComparisonView : public QWidget
{
    Q_OBJECT
public:
    // Roles of an entry's item: where it leads, and how it is marked
    // ("added", "removed", "changed", "fault", "ok").
    enum Role { SystemRole = Qt::UserRole, LoopRole, MarkRole, NavigableRole };

    ComparisonView(DesignDocument *document, const Design &oldDesign, const QString &oldFileName,
                   QWidget *parent = nullptr);

    const DesignComparison &comparison() const { return m_comparison; }
    QTreeWidget *tree() const { return m_tree; }
    QString summary() const;
    // Compares the document's design now (edits otherwise redraw once the
    // event that made them is over).
    void refresh();

signals:
    // system: -1 the main panel, 0.. the boxes in page order; loop -1 its panel page.
    void placeActivated(int system, int loop);

protected:
    void changeEvent(QEvent *event) override;

private:
    void onItemActivated(QTreeWidgetItem *item);
    void retranslate();

    DesignDocument *m_document;
    Design m_oldDesign;
    DesignEvaluation m_oldEvaluation;
    QString m_oldFileName;
    DesignComparison m_comparison;
    QLabel *m_summary;
    QTreeWidget *m_tree;
    QTimer m_refreshTimer;
};
