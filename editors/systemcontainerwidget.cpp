#include "editors/systemcontainerwidget.h"

#include "editors/scheduleview.h"

#include "catalogue/catalogue.h"
#include "editors/loopwidget.h"
#include "editors/expansionboxwidget.h"
#include "editors/panelwidget.h"
#include "widgets/messagebox.h"
#include "widgets/widgetfunctions.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

SystemContainerWidget::SystemContainerWidget(bool isExpansionBox, const Catalogue *catalogue,
                                             const QString &name, QWidget *parent)
    : QWidget(parent), m_isExpansionBox(isExpansionBox), m_catalogue(catalogue), m_name(name)
{
    Q_ASSERT(catalogue);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabWidget = new QTabWidget(this);
    m_tabWidget->setObjectName(QStringLiteral("containerTabWidget"));
    layout->addWidget(m_tabWidget);

    // The editor announced its first loop count while it was being built,
    // before anything could listen, so the first loops come from its record.
    int baseLoops = 0;
    if (!isExpansionBox) {
        m_panelWidget = new PanelWidget(catalogue, this);
        m_tabWidget->addTab(m_panelWidget, tr("Panel"));
        connect(m_panelWidget, &PanelWidget::loopsChanged, this, &SystemContainerWidget::onLoopsChanged);
        connect(m_panelWidget, &PanelWidget::expansionBoxAdded, this,
                &SystemContainerWidget::expansionBoxAdded);
        connect(m_panelWidget, &PanelWidget::expansionBoxRemoved, this,
                &SystemContainerWidget::expansionBoxRemoved);
        // An empty catalogue shows no model, and there is nothing to look up.
        if (!m_panelWidget->modelName().isEmpty())
            baseLoops = catalogue->findPanel(m_panelWidget->modelName()).baseLoops;
    } else {
        m_panelWidget = new ExpansionBoxWidget(catalogue, name, this);
        m_tabWidget->addTab(m_panelWidget, tr("Expansion Box"));
        connect(m_panelWidget, &PanelWidget::loopsChanged, this, &SystemContainerWidget::onLoopsChanged);
        connect(m_panelWidget, &PanelWidget::faultStateChanged, this,
                &SystemContainerWidget::expansionBoxFaultChanged);
        baseLoops = catalogue->findExpansionBox(name).baseLoops;
    }

    // The tabs carry the fault marks; the panel reports after every refresh.
    connect(m_panelWidget, &PanelWidget::faultStateChanged, this, &SystemContainerWidget::refreshFaultMarks);

    m_loopCount = std::max(0, baseLoops);
    for (int d = 0; d < m_loopCount; ++d)
        addLoop();
    refreshFaultMarks();
}

bool SystemContainerWidget::event(QEvent *event)
{
    const bool languageChange = event->type() == QEvent::LanguageChange;
    // Every loop tells its new words; the marks are made once, at the end.
    if (languageChange)
        m_holdFaultMarks = true;
    const bool handled = QWidget::event(event);
    if (languageChange) {
        m_holdFaultMarks = false;
        m_tabWidget->setTabText(0, m_isExpansionBox ? tr("Expansion Box") : tr("Panel"));
        for (int i = 0; i < m_loopWidgets.size(); ++i)
            m_tabWidget->setTabText(i + 1, tr("Loop ") + QString::number(i + 1));
        refreshFaultMarks();
    }
    return handled;
}

QTabWidget *SystemContainerWidget::tabWidget() const
{
    return m_tabWidget;
}

void SystemContainerWidget::refreshFaultMarks()
{
    if (m_holdFaultMarks)
        return;
    const PanelMessages::FaultFlags flags = faultStates();
    QStringList panelFaults;
    if (m_panelWidget) {
        // The panel's status texts, as its evaluation words them.
        const PanelEvaluation &panel = m_panelWidget->evaluation();
        if (flags.hasBatteryFault)
            panelFaults << panel.battery.text.trimmed();
        if (flags.hasPowerLoadFault)
            panelFaults << panel.powerLoad.text.trimmed();
    }
    panelFaults.removeAll(QString());
    setTabFault(m_tabWidget, 0, flags.hasBatteryFault || flags.hasPowerLoadFault,
                panelFaults.join(QLatin1Char('\n')));

    QStringList summary = panelFaults;
    for (int i = 0; i < m_loopWidgets.size(); ++i) {
        const LoopWidget *loop = m_loopWidgets.at(i);
        setTabFault(m_tabWidget, i + 1, loop->hasFault(), loop->faultSummary());
        if (i < m_loopCount && loop->hasFault())
            summary << tr("Loop %1 in fault").arg(i + 1);
    }
    const bool fault = flags.any();
    const QString text = fault ? summary.join(QLatin1Char('\n')) : QString();
    if (fault != m_hasFault || text != m_faultSummary) {
        m_hasFault = fault;
        m_faultSummary = text;
        emit faultSummaryChanged();
    }
}

PanelMessages::FaultFlags SystemContainerWidget::faultStates() const
{
    PanelMessages::FaultFlags flags;
    if (m_panelWidget)
        flags = m_panelWidget->computeFaultFlags();
    return flags;
}

void SystemContainerWidget::addLoop()
{
    const int d = m_loopWidgets.size();
    auto *loop = new LoopWidget(m_catalogue, this);
    m_loopWidgets.append(loop);
    m_tabWidget->addTab(loop, tr("Loop ") + QString::number(d + 1));

    connect(loop, &LoopWidget::duplicateLoopRequested, this, [this, d] { onDuplicateLoopRequested(d); });
    if (m_document)
        addScheduleView(d);

    PanelWidget *panel = m_panelWidget;
    connect(loop, &LoopWidget::updateLoopCurrents, panel,
            [panel, d](double idle, double alarm) { panel->onUpdateLoopCurrents(d, idle, alarm); });
    connect(loop, &LoopWidget::loopFaultChanged, panel,
            [panel, d](bool hasFault) { panel->onLoopFaultChanged(d, hasFault); });
    connect(loop, &LoopWidget::faultSummaryChanged, this, &SystemContainerWidget::refreshFaultMarks);

    connect(panel, &PanelWidget::soundersActiveChanged, loop, &LoopWidget::onSoundersActiveChanged);
    loop->onSoundersActiveChanged(panel->configuration().soundersActiveFraction());

    if (!m_isExpansionBox) {
        connect(panel, &PanelWidget::panelChanged, loop,
                [this, loop](const QString &text) { applyPanelLimits(loop, text); });
        applyPanelLimits(loop, panel->modelName());
    } else {
        // A box's model never changes: its limits are given once.
        const ExpansionBox box = m_catalogue->findExpansionBox(panel->modelName());
        loop->onPanelChanged(box.loopMaxAddresses, box.loopMinCurrent, box.loopMaxCurrent,
                             box.supportsOverboost);
    }
}

void SystemContainerWidget::setDocument(DesignDocument *document, std::function<int()> system)
{
    const bool first = !m_document;
    m_document = document;
    m_systemIndex = std::move(system);
    if (first) {
        for (int i = 0; i < m_loopWidgets.size(); ++i)
            addScheduleView(i);
    }
}

void SystemContainerWidget::addScheduleView(int loop)
{
    // Made with the loop's page, when the tab is first shown.
    m_loopWidgets.at(loop)->setScheduleViewFactory([this, loop]() -> QWidget * {
        auto *view = new ScheduleView;
        view->setDocument(m_document, [this] { return m_systemIndex ? m_systemIndex() : -1; }, loop);
        return view;
    });
}

void SystemContainerWidget::applyPanelLimits(LoopWidget *loop, const QString &modelName) const
{
    const Panel panel = m_catalogue->findPanel(modelName);
    loop->onPanelChanged(panel.loopMaxAddresses, panel.loopMinCurrent, panel.loopMaxCurrent,
                         panel.supportsOverboost);
}

void SystemContainerWidget::onLoopsChanged(int loops)
{
    const int n = std::max(0, loops);
    const int c = m_loopCount;
    if (n < c) {
        for (int tab = c; tab >= n + 1; --tab)
            m_tabWidget->setTabVisible(tab, false);
    } else if (n > c) {
        const int existing = std::min(n, int(m_loopWidgets.size()));
        for (int i = c; i < existing; ++i)
            m_tabWidget->setTabVisible(i + 1, true);
        while (m_loopWidgets.size() < n)
            addLoop();
    }
    m_loopCount = n;
    refreshFaultMarks();
}

void SystemContainerWidget::applySetup(const PanelConfig &panel, const QVector<LoopConfig> &loops)
{
    m_panelWidget->applyConfig(panel);
    const int n = loops.size();
    if (n != m_loopCount)
        onLoopsChanged(n);
    for (int i = 0; i < n && i < m_loopWidgets.size(); ++i)
        m_loopWidgets.at(i)->applyConfig(loops.at(i));
}

void SystemContainerWidget::applyLoopSetups(const QMap<int, LoopConfig> &loops)
{
    for (auto it = loops.cbegin(); it != loops.cend(); ++it) {
        if (it.key() >= 0 && it.key() < m_loopCount && it.key() < m_loopWidgets.size())
            m_loopWidgets.at(it.key())->applyConfig(it.value());
    }
}

// ---- loop duplication ---------------------------------------------------------------

void SystemContainerWidget::onDuplicateLoopRequested(int sourceLoopIndex)
{
    const int s = sourceLoopIndex;
    const int inUse = std::min(m_loopCount, int(m_loopWidgets.size()));
    if (s < 0 || s >= inUse)
        return;

    QList<int> candidates;
    for (int j = 0; j < inUse; ++j) {
        if (j != s)
            candidates.append(j);
    }
    if (candidates.isEmpty()) {
        MessageBox::information(this, tr("No Target Loops"),
                                tr("There are no other existing loops available to copy into."));
        return;
    }

    QPointer<SystemContainerWidget> self(this);
    const QList<int> targets = chooseTargetLoops(s, candidates);
    if (!self || targets.isEmpty())
        return;

    // The source is read once, so a target that is written first cannot
    // change what the later ones receive.
    const LoopConfig source = m_loopWidgets.at(s)->config();

    QMap<int, LoopConfig> written;
    for (const int j : targets) {
        if (j < 0 || j >= m_loopCount || j >= m_loopWidgets.size() || j == s)
            continue;
        m_loopWidgets.at(j)->applyConfig(source);
        written.insert(j, m_loopWidgets.at(j)->config());
    }
    if (!written.isEmpty() && m_loopsEditTarget) {
        m_loopsEditTarget(written);
        // The design holds the copies now: they show its evaluation.
        for (auto it = written.cbegin(); it != written.cend(); ++it)
            m_loopWidgets.at(it.key())->computeLoopTotals();
    }
    if (!written.isEmpty())
        MessageBox::information(this, tr("Loop Duplicated"), tr("Loop duplication successful!"));
}

QList<int> SystemContainerWidget::chooseTargetLoops(int sourceLoopIndex, const QList<int> &candidates)
{
    // On the heap: should the container go while the dialog runs, the dialog
    // goes with it and must not be deleted a second time here.
    QPointer<QDialog> dialog = new QDialog(this);
    dialog->setObjectName(QStringLiteral("duplicateLoopDialog"));
    dialog->setWindowTitle(tr("Duplicate Loop"));
    dialog->setWindowFlags(dialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    dialog->setModal(true);
    dialog->setMinimumSize(360, 260);

    auto *layout = new QVBoxLayout(dialog);
    auto *prompt = new QLabel(tr("Select the target loops for Loop %1:").arg(sourceLoopIndex + 1), dialog);
    prompt->setObjectName(QStringLiteral("duplicateLoopPromptLabel"));
    prompt->setWordWrap(true);
    auto *warning = new QLabel(tr("WARNING: selected loops will be overwritten."), dialog);
    warning->setObjectName(QStringLiteral("duplicateLoopWarningLabel"));
    warning->setWordWrap(true);
    // What the user is about to lose must not read like small print.
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);
    auto *list = new QListWidget(dialog);
    list->setObjectName(QStringLiteral("targetLoopsListWidget"));
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    for (const int j : candidates) {
        auto *item = new QListWidgetItem(tr("Loop %1").arg(j + 1), list);
        item->setData(Qt::UserRole, j);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->setObjectName(QStringLiteral("duplicateLoopButtonBox"));
    layout->addWidget(prompt);
    layout->addWidget(warning);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);

    // Items in the order the user picked them.
    QList<QListWidgetItem *> picked;
    connect(list, &QListWidget::itemSelectionChanged, dialog, [list, &picked] {
        const QList<QListWidgetItem *> selected = list->selectedItems();
        picked.erase(std::remove_if(picked.begin(), picked.end(),
                                    [&selected](QListWidgetItem *item) { return !selected.contains(item); }),
                     picked.end());
        for (QListWidgetItem *item : selected) {
            if (!picked.contains(item))
                picked.append(item);
        }
    });
    QDialog *raw = dialog;
    connect(buttons, &QDialogButtonBox::accepted, dialog, [raw, list] {
        if (list->selectedItems().isEmpty()) {
            MessageBox::warning(raw, tr("No Loop Selected"), tr("Please select at least one target loop."));
            return;
        }
        raw->accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);

    const bool accepted = dialog->exec() == QDialog::Accepted;
    if (!dialog)
        return {};
    QList<int> targets;
    if (accepted) {
        for (QListWidgetItem *item : qAsConst(picked))
            targets.append(item->data(Qt::UserRole).toInt());
    }
    delete dialog;
    return targets;
}
