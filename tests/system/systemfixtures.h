#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "catalogue/records.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

// A small product range for the container and the tabs, with round figures
// so that the expected results can be worked out by hand.
namespace SystemFixtures
{

inline Panel panel(const char *name, int baseLoops, int maxLoops, int maxBoxes)
{
    Panel p;
    p.name = QString::fromLatin1(name);
    p.idleCurrent = 0.2;
    p.alarmCurrent = 0.3;
    p.maxCurrent = 0.35; // the first loop device tips it over
    p.maxBatteryCapacity = 24;
    p.baseLoops = baseLoops;
    p.maxLoops = maxLoops;
    p.loopMaxAddresses = 250;
    p.loopMinCurrent = 0.004;
    p.loopMaxCurrent = 0.5;
    p.supportsOverboost = true;
    p.maxExpansionBoxes = maxBoxes;
    return p;
}

inline Device device(const char *name, const char *category, const char *subcategory, double idle,
                     double alarm, bool sounder = false)
{
    Device d;
    d.name = QString::fromLatin1(name);
    d.category = QString::fromLatin1(category);
    d.subcategory = QString::fromLatin1(subcategory);
    d.idleCurrent = idle;
    d.alarmCurrent = alarm;
    d.addresses = 1;
    d.isSounder = sounder;
    return d;
}

inline CatalogueData catalogueData()
{
    CatalogueData d;
    Panel p7 = panel("KX-7000", 2, 6, 2);
    p7.loopMaxAddresses = 200;
    p7.loopMaxCurrent = 0.4;
    p7.supportsOverboost = false;
    d.panels = {panel("KX-8000", 2, 8, 3), p7, panel("KX-1", 1, 1, 0)};

    ExpansionBox e2;
    e2.name = QStringLiteral("KXE-2");
    e2.idleCurrent = 0.08;
    e2.alarmCurrent = 0.1;
    e2.maxCurrent = 2.0;
    e2.maxBatteryCapacity = 24;
    e2.baseLoops = 2;
    e2.maxLoops = 4;
    e2.loopMaxAddresses = 120;
    e2.loopMinCurrent = 0.003;
    e2.loopMaxCurrent = 0.6;
    e2.supportsOverboost = false;
    e2.compatiblePanels = QStringList{QStringLiteral("KX-8"), QStringLiteral("KX-7")};
    ExpansionBox e4 = e2;
    e4.name = QStringLiteral("KXE-4");
    e4.baseLoops = 4;
    e4.maxLoops = 8;
    e4.loopMaxAddresses = 250;
    e4.compatiblePanels = QStringList{QStringLiteral("KX-8")};
    d.expansionBoxes = {e2, e4};

    d.batteries = {{QStringLiteral("BAT-7"), 7, {}}, {QStringLiteral("BAT-24"), 24, {}}};
    AuxiliaryCard loopCard;
    loopCard.name = QStringLiteral("VRAL-2");
    loopCard.current = 0.05;
    loopCard.compatiblePanels = QStringList{QStringLiteral("KX")};
    d.auxiliaryCards = {loopCard};

    d.devices = {device("OPT-100", "DET", "OPT", 0.0003, 0.005), device("MCP-1", "MCP", "-", 0.0001, 0.003),
                 device("WS-1 (loop)", "SND", "-", 0.0005, 0.012, true)};
    d.topologyFactors = {0.5, 1.0};
    d.distributionFactors = {1.0, 0.5};
    return d;
}

// The demo product range, read straight from its data file.
inline CatalogueData demoData()
{
    CatalogueData data;
    QFile file(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    if (!file.open(QIODevice::ReadOnly) || !DataFile::read(file, data))
        qFatal("cannot read the demo catalogue");
    return data;
}

template <typename T> T *child(QObject *parent, const char *name)
{
    // A loop tab not shown yet builds its form when asked for it.
    if (auto *loop = qobject_cast<LoopWidget *>(parent))
        loop->page();
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

// The loop tab's own status label, not the one of the same name in its device view.
inline QLabel *loopStatusLabel(LoopWidget *loop, const char *name)
{
    loop->page();
    for (QLabel *label : loop->findChildren<QLabel *>(QString::fromLatin1(name))) {
        bool inDetailedView = false;
        for (QObject *p = label->parent(); p && p != loop; p = p->parent())
            inDetailedView = inDetailedView || p->inherits("DetailedViewWidget");
        if (!inDetailedView)
            return label;
    }
    qFatal("no loop status label %s", name);
    return nullptr;
}

inline QTabWidget *tabsOf(SystemContainerWidget *container)
{
    return child<QTabWidget>(container, "containerTabWidget");
}

// The row widgets of a panel list, read through the list: rebuilt lists
// leave their old rows behind until the event loop deletes them.
inline QWidget *listRow(PanelWidget *panel, const char *listName, int row)
{
    auto *list = child<QListWidget>(panel, listName);
    return row < list->count() ? list->itemWidget(list->item(row)) : nullptr;
}

inline QString loopRowText(PanelWidget *panel, int row, const char *labelName)
{
    QWidget *widget = listRow(panel, "individualLoopCurrentsList", row);
    return widget ? child<QLabel>(widget, labelName)->text() : QString();
}

inline QPushButton *loopCardButton(PanelWidget *panel, const char *name)
{
    auto *list = child<QListWidget>(panel, "auxCardsListWidget");
    for (int i = 0; i < list->count(); ++i) {
        if (auto *button =
                list->itemWidget(list->item(i))->findChild<QPushButton *>(QString::fromLatin1(name)))
            return button;
    }
    qFatal("no loop card button %s", name);
    return nullptr;
}

inline QString panelText(PanelWidget *panel, const char *labelName)
{
    return child<QLabel>(panel, labelName)->text();
}

// A device dragged from the loop's own tree into its device view: the tree
// item becomes current and the loop adds the device, as its drop does. (The
// offscreen platform runs no real drag.)
inline void dragIntoLoop(LoopWidget *loop, const QString &deviceName)
{
    auto *tree = child<QTreeWidget>(loop, "devAvailableTree");
    const QList<QTreeWidgetItem *> items = tree->findItems(deviceName, Qt::MatchExactly | Qt::MatchRecursive);
    if (items.size() != 1)
        qFatal("no tree item %s", qPrintable(deviceName));
    tree->setCurrentItem(items.first());
    emit loop->addDevice(deviceName);
}

// Runs `answer` on every modal dialog that opens while it lives (polled), so
// a dialog the test drives cannot hang the test.
class ModalAnswerer
{
public:
    explicit ModalAnswerer(std::function<void(QDialog *)> answer) : m_answer(std::move(answer))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialog && dialog->isVisible())
                m_answer(dialog);
        });
        m_timer.start();
    }

private:
    std::function<void(QDialog *)> m_answer;
    QTimer m_timer;
};

inline QAbstractButton *dialogButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    return box ? box->button(which) : nullptr;
}

} // namespace SystemFixtures
