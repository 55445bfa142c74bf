#pragma once

#include "loop/loopconfig.h"
#include "panel/panelconfig.h"
#include "panel/panelmessages.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <functional>

class Catalogue;
class DesignDocument;
class LoopWidget;
class PanelWidget;
class QTabWidget;

// One panel with its loops: the panel editor as the first tab, one loop tab
// per loop. It keeps the loop tabs in step with the panel's loop count and
// joins every loop to its panel (currents, faults, limits, sounders active).
// Loop tabs beyond the count are hidden, never destroyed, so a loop that comes
// back keeps what the user gave it.
class SystemContainerWidget : public QWidget
{
    Q_OBJECT
public:
    // name: empty for the main panel, the box's model name for an expansion box.
    SystemContainerWidget(bool isExpansionBox, const Catalogue *catalogue, const QString &name,
                          QWidget *parent = nullptr);

    // The panel editor; an ExpansionBoxWidget in an expansion box container.
    PanelWidget *panelWidget() const { return m_panelWidget; }
    // Every loop created so far, hidden ones included, in loop order.
    QVector<LoopWidget *> loopWidgets() const { return m_loopWidgets; }
    int loopCount() const { return m_loopCount; }
    QString containerName() const { return m_name; }
    bool isExpansionBox() const { return m_isExpansionBox; }
    PanelMessages::FaultFlags faultStates() const;
    // Whether the panel or a loop in use is in fault, and what the faults
    // are, one per line, for the mark on this container's own tab.
    bool hasFault() const { return m_hasFault; }
    QString faultSummary() const { return m_faultSummary; }
    QTabWidget *tabWidget() const;

    // Applies a setup that has already been checked: the panel first, then
    // each loop's values and devices.
    void applySetup(const PanelConfig &panel, const QVector<LoopConfig> &loops);

    // Rewrites only the given loops (by index, among those in use), with
    // their currents handed to the panel once at the end.
    void applyLoopSetups(const QMap<int, LoopConfig> &loops);

    // Gives every loop tab, now and later, a schedule view on `document`;
    // `system` tells where this container sits in the design (-1 the main
    // panel, 0.. the boxes in page order).
    void setDocument(DesignDocument *document, std::function<int()> system);
    // Where this container sits in the design as setDocument was told.
    int systemIndex() const { return m_systemIndex ? m_systemIndex() : -1; }
    // Loops the user rewrote at once (a loop duplicated), by index, as they
    // now stand: recorded as one edit of the design the page shows.
    using LoopsEditTarget = std::function<void(const QMap<int, LoopConfig> &)>;
    void setLoopsEditTarget(LoopsEditTarget target) { m_loopsEditTarget = std::move(target); }

signals:
    void expansionBoxAdded(const QString &baseName, const QString &displayName);
    void expansionBoxRemoved(const QString &displayName);
    void expansionBoxFaultChanged(bool hasBatteryFault, bool hasPowerLoadFault, bool hasLoopFault);
    void faultSummaryChanged();

private slots:
    void onLoopsChanged(int loops);
    void onDuplicateLoopRequested(int sourceLoopIndex);

protected:
    // After its pages have put their texts in a new language, the tabs take
    // theirs and the fault summary is told again in the new words.
    bool event(QEvent *event) override;
    // The "Duplicate Loop" dialog: the loops chosen (their indexes, in the
    // order they were selected), or none when cancelled. `candidates` holds at
    // least one loop. Tests may answer here instead of driving the dialog.
    virtual QList<int> chooseTargetLoops(int sourceLoopIndex, const QList<int> &candidates);

private:
    void addLoop();
    // Marks the panel and loop tabs that are in fault, and keeps the summary.
    void refreshFaultMarks();
    void applyPanelLimits(LoopWidget *loop, const QString &modelName) const;

    const bool m_isExpansionBox;
    const Catalogue *m_catalogue;
    const QString m_name;
    int m_loopCount = 0;
    QVector<LoopWidget *> m_loopWidgets;
    QTabWidget *m_tabWidget = nullptr;
    PanelWidget *m_panelWidget = nullptr;
    bool m_holdFaultMarks = false; // while the pages retranslate
    bool m_hasFault = false;
    QString m_faultSummary;
    DesignDocument *m_document = nullptr;
    std::function<int()> m_systemIndex;
    LoopsEditTarget m_loopsEditTarget;
    void addScheduleView(int loop);
};
