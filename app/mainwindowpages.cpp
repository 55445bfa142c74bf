// The window's pages: the main panel's container first, then one per
// expansion box, kept in step with the design.
#include "app/mainwindow.h"

#include "app/busycursor.h"
#include "app/designsession.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "app/setupio.h"
#include "ui_mainwindow.h"
#include "widgets/widgetfunctions.h"

#include <QDebug>
#include <QTabBar>

#include <limits>

void MainWindow::initContainers()
{
    QList<QWidget *> previous;
    for (int i = 0; i < m_ui->externalTabWidget->count(); ++i)
        previous.append(m_ui->externalTabWidget->widget(i));
    m_ui->externalTabWidget->clear();
    for (QWidget *page : previous) {
        // Gone from the tabs and deaf from now on; deleted once the event
        // that brought us here is over.
        page->disconnect(this);
        if (page != m_ui->tab)
            page->deleteLater();
    }
    m_expansionBoxContainers.clear();
    dropParkedBoxes();

    m_mainContainer = new SystemContainerWidget(false, m_catalogue, QString(), this);
    m_ui->externalTabWidget->addTab(m_mainContainer, tr("Main Panel"));
    showFaultMark(m_mainContainer);
    if (m_mainContainer->panelWidget()) {
        connect(m_mainContainer, &SystemContainerWidget::expansionBoxAdded, this,
                &MainWindow::onExpansionBoxAdded);
        connect(m_mainContainer, &SystemContainerWidget::expansionBoxRemoved, this,
                &MainWindow::onExpansionBoxRemoved);
    }
    if (m_session) {
        m_session->watch(m_mainContainer);
        if (m_mainContainer->panelWidget())
            m_mainContainer->panelWidget()->setDocument(m_session->document());
    }
    attachDocument(m_mainContainer);
}

void MainWindow::onExpansionBoxAdded(QString baseName, QString displayName)
{
    if (m_expansionBoxContainers.contains(displayName)) {
        qWarning().noquote() << "Expansion box container already exists for:" << displayName;
        return;
    }
    // A box added is a fresh one, whatever a page of that name held before.
    dropParkedBoxes(displayName);
    auto *container = new SystemContainerWidget(true, m_catalogue, baseName, this);
    connect(container, &SystemContainerWidget::expansionBoxFaultChanged, this,
            [this, displayName](bool hasBatteryFault, bool hasPowerLoadFault, bool hasLoopFault) {
                onExpansionBoxFaultChanged(displayName, hasBatteryFault, hasPowerLoadFault, hasLoopFault);
            });
    m_ui->externalTabWidget->addTab(container, displayName);
    m_expansionBoxContainers.insert(displayName, container);
    if (m_session) {
        m_session->watch(container);
        if (PanelWidget *panel = container->panelWidget())
            panel->setDocument(m_session->document(), displayName);
    }
    attachDocument(container);
    showFaultMark(container);

    // The box told its state while it was being built, before anyone listened.
    const PanelMessages::FaultFlags flags = container->faultStates();
    onExpansionBoxFaultChanged(displayName, flags.hasBatteryFault, flags.hasPowerLoadFault,
                               flags.hasLoopFault);
}

void MainWindow::showFaultMark(SystemContainerWidget *container)
{
    // The page's tab follows its panel and loops into and out of fault.
    const auto mark = [this, container] {
        setTabFault(m_ui->externalTabWidget, m_ui->externalTabWidget->indexOf(container), container->hasFault(),
                    container->faultSummary());
    };
    connect(container, &SystemContainerWidget::faultSummaryChanged, this, mark);
    mark();
}

void MainWindow::onExpansionBoxRemoved(QString displayName)
{
    SystemContainerWidget *container = m_expansionBoxContainers.value(displayName);
    if (!container) {
        qWarning().noquote() << "Expansion box container not found:" << displayName;
        return;
    }
    m_ui->externalTabWidget->removeTab(m_ui->externalTabWidget->indexOf(container));
    m_expansionBoxContainers.remove(displayName);
    parkBox(displayName, container);
}

void MainWindow::parkBox(const QString &name, SystemContainerWidget *container)
{
    // A few pages are enough for the undo steps at hand.
    constexpr int MaxParked = 16;
    container->disconnect(this);
    container->hide();
    dropParkedBoxes(name);
    m_parkedBoxes.prepend({name, container});
    while (m_parkedBoxes.size() > MaxParked)
        delete m_parkedBoxes.takeLast().second;
}

SystemContainerWidget *MainWindow::unparkBox(const QString &name, const QString &model)
{
    SystemContainerWidget *container = nullptr;
    for (int i = 0; i < m_parkedBoxes.size() && !container; ++i) {
        if (m_parkedBoxes.at(i).first == name && m_parkedBoxes.at(i).second->containerName() == model)
            container = m_parkedBoxes.takeAt(i).second;
    }
    if (!container)
        return nullptr;
    // Still followed by the session and the document; only the window's own
    // connections went when it was parked.
    connect(container, &SystemContainerWidget::expansionBoxFaultChanged, this,
            [this, name](bool hasBatteryFault, bool hasPowerLoadFault, bool hasLoopFault) {
                onExpansionBoxFaultChanged(name, hasBatteryFault, hasPowerLoadFault, hasLoopFault);
            });
    m_ui->externalTabWidget->addTab(container, name);
    m_expansionBoxContainers.insert(name, container);
    showFaultMark(container);
    return container;
}

void MainWindow::dropParkedBoxes(const QString &name)
{
    for (int i = m_parkedBoxes.size() - 1; i >= 0; --i) {
        if (name.isEmpty() || m_parkedBoxes.at(i).first == name)
            delete m_parkedBoxes.takeAt(i).second;
    }
}

void MainWindow::onExpansionBoxFaultChanged(QString expansionBoxName, bool hasBatteryFault,
                                            bool hasPowerLoadFault, bool hasLoopFault)
{
    if (m_mainContainer && m_mainContainer->panelWidget())
        m_mainContainer->panelWidget()->onExpansionBoxFaultChanged(expansionBoxName, hasBatteryFault,
                                                                   hasPowerLoadFault, hasLoopFault);
}

void MainWindow::attachDocument(SystemContainerWidget *container)
{
    if (!m_session)
        return;
    container->setDocument(m_session->document(), [this, container] {
        if (container == m_mainContainer)
            return -1;
        // A container not (or no longer) among the pages has no place in the design.
        const int page = expansionBoxPages().indexOf(container);
        return page < 0 ? std::numeric_limits<int>::max() : page;
    });
}

QList<SystemContainerWidget *> MainWindow::expansionBoxPages() const
{
    QList<SystemContainerWidget *> pages;
    for (int i = 0; i < m_ui->externalTabWidget->count(); ++i) {
        auto *page = qobject_cast<SystemContainerWidget *>(m_ui->externalTabWidget->widget(i));
        if (page && page != m_mainContainer && m_expansionBoxContainers.values().contains(page))
            pages.append(page);
    }
    return pages;
}

Design MainWindow::snapshot() const
{
    Design design;
    if (!m_mainContainer || !m_mainContainer->panelWidget())
        return design;
    design.main.config = m_mainContainer->panelWidget()->configuration();
    design.main.loops = loopConfigs(m_mainContainer);
    for (SystemContainerWidget *page : expansionBoxPages()) {
        SystemDesign box;
        box.config = page->panelWidget()->configuration();
        box.loops = loopConfigs(page);
        box.name = m_expansionBoxContainers.key(page);
        design.boxes.append(box);
    }
    return design;
}

void MainWindow::showDesign(const Design &state)
{
    if (!m_mainContainer || !m_catalogue)
        return;
    BusyCursor busy;
    // A change of model takes the boxes with it, through the usual signals.
    updateContainerSetup(m_mainContainer, state.main.config, state.main.loops);

    QMap<QString, const SystemDesign *> boxes;
    QStringList names;
    for (const SystemDesign &box : state.boxes) {
        boxes.insert(box.name, &box);
        names.append(box.name);
    }
    const QStringList current = m_expansionBoxContainers.keys();
    for (const QString &name : current) {
        SystemContainerWidget *container = m_expansionBoxContainers.value(name);
        if (!boxes.contains(name) || boxes.value(name)->config.model != container->containerName()) {
            m_ui->externalTabWidget->removeTab(m_ui->externalTabWidget->indexOf(container));
            m_expansionBoxContainers.remove(name);
            parkBox(name, container);
        }
    }
    for (int i = 0; i < state.boxes.size(); ++i) {
        const SystemDesign &box = state.boxes.at(i);
        if (!m_expansionBoxContainers.contains(box.name) && !unparkBox(box.name, box.config.model))
            onExpansionBoxAdded(box.config.model, box.name);
        SystemContainerWidget *container = m_expansionBoxContainers.value(box.name);
        if (!container)
            continue;
        updateContainerSetup(container, box.config, box.loops);
        const int from = m_ui->externalTabWidget->indexOf(container);
        if (from != i + 1)
            m_ui->externalTabWidget->tabBar()->moveTab(from, i + 1);
    }
    if (m_mainContainer->panelWidget()) {
        m_mainContainer->panelWidget()->setExpansionBoxNames(names);
        for (const QString &name : names) {
            const PanelMessages::FaultFlags flags = m_expansionBoxContainers.value(name)->faultStates();
            onExpansionBoxFaultChanged(name, flags.hasBatteryFault, flags.hasPowerLoadFault,
                                       flags.hasLoopFault);
        }
    }
}

void MainWindow::rebuildExpansionBoxTabs(const QList<SystemContainerWidget *> &newContainers,
                                         const Design &design)
{
    for (SystemContainerWidget *container : qAsConst(m_expansionBoxContainers)) {
        container->disconnect(this);
        m_ui->externalTabWidget->removeTab(m_ui->externalTabWidget->indexOf(container));
        delete container;
    }
    m_expansionBoxContainers.clear();
    dropParkedBoxes();

    QStringList names;
    for (int i = 0; i < newContainers.size(); ++i) {
        SystemContainerWidget *container = newContainers.at(i);
        const QString name = design.boxes.value(i).name;

        container->setParent(this);
        connect(container, &SystemContainerWidget::expansionBoxFaultChanged, this,
                [this, name](bool hasBatteryFault, bool hasPowerLoadFault, bool hasLoopFault) {
                    onExpansionBoxFaultChanged(name, hasBatteryFault, hasPowerLoadFault, hasLoopFault);
                });
        m_ui->externalTabWidget->addTab(container, name);
        m_expansionBoxContainers.insert(name, container);
        if (m_session) {
            m_session->watch(container);
            if (PanelWidget *panel = container->panelWidget())
                panel->setDocument(m_session->document(), name);
        }
        attachDocument(container);
        showFaultMark(container);

        const PanelMessages::FaultFlags flags = container->faultStates();
        onExpansionBoxFaultChanged(name, flags.hasBatteryFault, flags.hasPowerLoadFault, flags.hasLoopFault);
        names.append(name);
    }
    if (m_mainContainer && m_mainContainer->panelWidget())
        m_mainContainer->panelWidget()->setExpansionBoxNames(names);
}
