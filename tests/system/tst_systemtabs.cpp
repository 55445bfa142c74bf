#include "app/mainwindow.h"
#include "systemfixtures.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"
#include "widgets/widgetfunctions.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

using namespace SystemFixtures;

namespace
{

QTabWidget *pages(MainWindow &window)
{
    return child<QTabWidget>(&window, "externalTabWidget");
}

QStringList pageTitles(MainWindow &window)
{
    QStringList titles;
    for (int i = 0; i < pages(window)->count(); ++i)
        titles << pages(window)->tabText(i);
    return titles;
}

SystemContainerWidget *page(MainWindow &window, int index)
{
    return qobject_cast<SystemContainerWidget *>(pages(window)->widget(index));
}

PanelWidget *mainPanel(MainWindow &window)
{
    return page(window, 0)->panelWidget();
}

// Adds a box as the user does: the button, then the selection dialog.
void addBox(MainWindow &window, const QString &model)
{
    int answered = 0;
    ModalAnswerer answerer([&](QDialog *dialog) {
        auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("expansionBoxComboBox"));
        if (!combo)
            qFatal("not the expansion box dialog");
        combo->setCurrentText(model);
        dialogButton(dialog, QDialogButtonBox::Ok)->click();
        ++answered;
    });
    child<QPushButton>(mainPanel(window), "addExpansionBoxButton")->click();
    QCOMPARE(answered, 1);
}

QWidget *boxRow(MainWindow &window, const QString &name)
{
    auto *list = child<QListWidget>(mainPanel(window), "expansionBoxesListWidget");
    for (int i = 0; i < list->count(); ++i) {
        QWidget *row = list->itemWidget(list->item(i));
        if (child<QLabel>(row, "expansionBoxNameLabel")->text() == name)
            return row;
    }
    qFatal("no expansion box row %s", qPrintable(name));
    return nullptr;
}

QString boxStatus(MainWindow &window, const QString &name)
{
    QLabel *status = child<QLabel>(boxRow(window, name), "expansionBoxStatusLabel");
    return status->text() + QLatin1Char(' ') + status->styleSheet();
}

void removeBox(MainWindow &window, const QString &name)
{
    child<QPushButton>(boxRow(window, name), "expansionBoxRemoveButton")->click();
}

} // namespace

class TestSystemTabs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithTheMainPanelPage();
    void typicalRequestEndToEnd();
    void boxPagesFollowTheBoxList();
    void duplicateOrUnknownNamesOnlyWarn();
    void boxAddedWhileFaultyShowsFaultAtOnce();
    void boxAndMainPanelTotalsStayApart();
    void mainModelChangeRemovesEveryBoxPage();
    void demoRangeFillsTheTabs();
    void deviceTreeSelectionIsOneLightBand();
    void newDataRebuildsEveryPage();
    void tabFaultMarksFollowTheFaults_data();
    void tabFaultMarksFollowTheFaults();
    void healthyTabsCarryNoFaultColour();
    void findGoesToTheLoopOnScreen();

private:
    Catalogue *m_catalogue = nullptr;
};

void TestSystemTabs::initTestCase()
{
    // The style sheet and pictures, as the program has them.
    initGuiResources();
}

void TestSystemTabs::init()
{
    MessageBox::setTestMode(true);
    m_catalogue = new Catalogue(catalogueData());
}

void TestSystemTabs::cleanup()
{
    MessageBox::setTestMode(false);
    delete m_catalogue;
}

void TestSystemTabs::startsWithTheMainPanelPage()
{
    MainWindow window(m_catalogue);
    QVERIFY(MessageBox::takeShown().isEmpty());
    QCOMPARE(pageTitles(window), QStringList{"Main Panel"});
    SystemContainerWidget *main = page(window, 0);
    QVERIFY(main);
    QVERIFY(!main->isExpansionBox());
    QCOMPARE(tabsOf(main)->count(), 3);
    QCOMPARE(tabsOf(main)->tabText(0), QStringLiteral("Panel"));
    QCOMPARE(tabsOf(main)->tabText(2), QStringLiteral("Loop 2"));
    QVERIFY(!window.findChild<QWidget *>(QStringLiteral("mainPanelPendingLabel")));
}

// A sounder dragged into loop 2 of the main panel: the loop, its row in the
// panel's list, the totals, the minimum battery and the power load follow.
void TestSystemTabs::typicalRequestEndToEnd()
{
    MainWindow window(m_catalogue);
    SystemContainerWidget *main = page(window, 0);
    PanelWidget *panel = main->panelWidget();
    LoopWidget *loop2 = main->loopWidgets().at(1);
    const QString batteryBefore = panelText(panel, "minBattRequiredValueLabel");
    QVERIFY(
        panelText(panel, "totalPwrLoadStatusLabel").startsWith(QStringLiteral("System's power load OK.")));
    QVERIFY(!main->faultStates().hasPowerLoadFault);

    dragIntoLoop(loop2, QStringLiteral("WS-1 (loop)"));

    QCOMPARE(loopStatusLabel(loop2, "totalAddressesValueLabel")->text(), QStringLiteral("1"));
    // The sounder plus the 0.026 A a loop draws once it has a device.
    QCOMPARE(loopStatusLabel(loop2, "idleCurrentValueLabel")->text(), QStringLiteral("0.0265000 A"));
    QCOMPARE(loopStatusLabel(loop2, "alarmCurrentValueLabel")->text(), QStringLiteral("0.0380000 A"));
    QCOMPARE(loop2->deviceList(), (QVector<QPair<QString, int>>{{QStringLiteral("WS-1 (loop)"), 1}}));

    // Row 2 holds loop 2's currents times 55/36: 0.0265 -> 0.0404861...,
    // 0.038 -> 0.0580555...; row 1 is untouched.
    QCOMPARE(loopRowText(panel, 1, "loopLabel"), QStringLiteral("Loop 2"));
    QCOMPARE(loopRowText(panel, 1, "idleCurrentLabel"), QStringLiteral("0.0404861 A"));
    QCOMPARE(loopRowText(panel, 1, "alarmCurrentLabel"), QStringLiteral("0.0580556 A"));
    QCOMPARE(loopRowText(panel, 0, "idleCurrentLabel"), QStringLiteral("0.0000000 A"));

    // Totals: the panel's own 0.2 / 0.3 A plus the scaled loop.
    QCOMPARE(panelText(panel, "totalIdleCurrentValueLabel"), QStringLiteral("0.2404861 A"));
    QCOMPARE(panelText(panel, "totalAlarmCurrentValueLabel"), QStringLiteral("0.3580556 A"));
    // 72 h at 0.2404861 A plus 30 min at 0.3580556 A, with 20 % degradation:
    // (17.3149992 + 0.1790278) / 0.8 = 21.8675338
    QCOMPARE(panelText(panel, "minBattRequiredValueLabel"), QStringLiteral("21.87 Ah"));
    QVERIFY(batteryBefore != panelText(panel, "minBattRequiredValueLabel"));

    // 0.3580556 A is more than the model's 0.35 A.
    QVERIFY(panelText(panel, "totalPwrLoadStatusLabel")
                .startsWith(QStringLiteral("System current is higher than the one supported by the panel.")));
    QVERIFY(child<QLabel>(panel, "totalPwrLoadStatusLabel")->property("fault").toBool());
    QVERIFY(child<QLabel>(panel, "totalAlarmCurrentValueLabel")->property("fault").toBool());
    QVERIFY(main->faultStates().hasPowerLoadFault);
}

void TestSystemTabs::boxPagesFollowTheBoxList()
{
    MainWindow window(m_catalogue);
    addBox(window, QStringLiteral("KXE-2"));
    addBox(window, QStringLiteral("KXE-4"));
    addBox(window, QStringLiteral("KXE-2"));
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2", "KXE-4", "KXE-2 (2)"}));

    QPointer<SystemContainerWidget> first = page(window, 1);
    QPointer<SystemContainerWidget> middle = page(window, 2);
    QPointer<SystemContainerWidget> last = page(window, 3);
    for (SystemContainerWidget *box : {first.data(), middle.data(), last.data()})
        QVERIFY(box && box->isExpansionBox());
    QCOMPARE(first->containerName(), QStringLiteral("KXE-2"));
    QCOMPARE(middle->containerName(), QStringLiteral("KXE-4"));
    // A second box of a model is built from the model, not from its display name.
    QCOMPARE(last->containerName(), QStringLiteral("KXE-2"));
    QCOMPARE(last->loopCount(), 2);
    QCOMPARE(tabsOf(middle)->count(), 5);

    removeBox(window, QStringLiteral("KXE-4"));
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2", "KXE-2 (2)"}));
    // Gone from the pages (kept hidden for an undo that brings the box back).
    QVERIFY(middle.isNull() || (pages(window)->indexOf(middle) < 0 && middle->isHidden()));
    QCOMPARE(page(window, 1), first.data());
    QCOMPARE(page(window, 2), last.data());

    // The freed name comes back at the end.
    addBox(window, QStringLiteral("KXE-4"));
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2", "KXE-2 (2)", "KXE-4"}));
    removeBox(window, QStringLiteral("KXE-2"));
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2 (2)", "KXE-4"}));
    QVERIFY(first.isNull() || (pages(window)->indexOf(first) < 0 && first->isHidden()));
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestSystemTabs::duplicateOrUnknownNamesOnlyWarn()
{
    MainWindow window(m_catalogue);
    addBox(window, QStringLiteral("KXE-2"));
    SystemContainerWidget *box = page(window, 1);
    const QStringList titles = pageTitles(window);
    const int children = window.findChildren<SystemContainerWidget *>().size();

    QTest::ignoreMessage(QtWarningMsg, "Expansion box container already exists for: KXE-2");
    emit mainPanel(window)->expansionBoxAdded(QStringLiteral("KXE-4"), QStringLiteral("KXE-2"));
    QCOMPARE(pageTitles(window), titles);
    QCOMPARE(page(window, 1), box);
    QCOMPARE(box->containerName(), QStringLiteral("KXE-2"));
    QCOMPARE(window.findChildren<SystemContainerWidget *>().size(), children);

    QTest::ignoreMessage(QtWarningMsg, "Expansion box container not found: KXE-9");
    emit mainPanel(window)->expansionBoxRemoved(QStringLiteral("KXE-9"));
    QCOMPARE(pageTitles(window), titles);
    QCOMPARE(page(window, 1), box);
}

void TestSystemTabs::boxAddedWhileFaultyShowsFaultAtOnce()
{
    MainWindow window(m_catalogue);
    // A new box has no battery yet: a battery fault from its first moment,
    // before anything could hear it say so.
    addBox(window, QStringLiteral("KXE-2"));
    QCOMPARE(boxStatus(window, QStringLiteral("KXE-2")), QStringLiteral("FAULT color: red;"));
    QVERIFY(boxRow(window, QStringLiteral("KXE-2"))->property("fault").toBool());

    SystemContainerWidget *box = page(window, 1);
    child<QComboBox>(box->panelWidget(), "battComboBox")->setCurrentText(QStringLiteral("BAT-24"));
    QCOMPARE(boxStatus(window, QStringLiteral("KXE-2")), QStringLiteral("OK color: green;"));
    QVERIFY(!boxRow(window, QStringLiteral("KXE-2"))->property("fault").toBool());

    // A loop fault in the box reaches the main panel's list too.
    box->loopWidgets().at(0)->applyDevices({{QStringLiteral("OPT-100"), 130}});
    QVERIFY(box->faultStates().hasLoopFault);
    QCOMPARE(boxStatus(window, QStringLiteral("KXE-2")), QStringLiteral("FAULT color: red;"));
    // The main panel's own flags are not the box's.
    QVERIFY(!page(window, 0)->faultStates().hasLoopFault);
}

void TestSystemTabs::boxAndMainPanelTotalsStayApart()
{
    MainWindow window(m_catalogue);
    addBox(window, QStringLiteral("KXE-2"));
    PanelWidget *main = mainPanel(window);
    SystemContainerWidget *box = page(window, 1);
    const QString mainIdle = panelText(main, "totalIdleCurrentValueLabel");
    const QString mainAlarm = panelText(main, "totalAlarmCurrentValueLabel");
    // The box's own consumption only.
    QCOMPARE(panelText(box->panelWidget(), "totalIdleCurrentValueLabel"), QStringLiteral("0.0800000 A"));

    box->loopWidgets().at(1)->applyDevices({{QStringLiteral("OPT-100"), 10}});
    // (10 x 0.0003 A + 0.026 A) x 55/36 + 0.08 A
    QCOMPARE(panelText(box->panelWidget(), "totalIdleCurrentValueLabel"), QStringLiteral("0.1243056 A"));
    QCOMPARE(panelText(main, "totalIdleCurrentValueLabel"), mainIdle);
    QCOMPARE(panelText(main, "totalAlarmCurrentValueLabel"), mainAlarm);

    page(window, 0)->loopWidgets().at(0)->applyDevices({{QStringLiteral("MCP-1"), 20}});
    // (20 x 0.0001 A + 0.026 A) x 55/36 + 0.2 A
    QCOMPARE(panelText(main, "totalIdleCurrentValueLabel"), QStringLiteral("0.2427778 A"));
    QCOMPARE(panelText(box->panelWidget(), "totalIdleCurrentValueLabel"), QStringLiteral("0.1243056 A"));
}

void TestSystemTabs::mainModelChangeRemovesEveryBoxPage()
{
    MainWindow window(m_catalogue);
    addBox(window, QStringLiteral("KXE-2"));
    addBox(window, QStringLiteral("KXE-4"));
    QPointer<SystemContainerWidget> first = page(window, 1);
    QPointer<SystemContainerWidget> second = page(window, 2);
    // The boxes are one step; the model change is the next.
    QCoreApplication::processEvents();

    child<QComboBox>(mainPanel(window), "panelComboBox")->setCurrentText(QStringLiteral("KX-7000"));
    QCOMPARE(pageTitles(window), QStringList{"Main Panel"});
    for (const QPointer<SystemContainerWidget> &gone : {first, second})
        QVERIFY(gone.isNull() || (pages(window)->indexOf(gone) < 0 && gone->isHidden()));

    // Undone, the same pages come back as they were, not built anew.
    QCoreApplication::processEvents();
    window.findChild<QAction *>(QStringLiteral("actionUndo"))->trigger();
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2", "KXE-4"}));
    QCOMPARE(page(window, 1), first.data());
    QCOMPARE(page(window, 2), second.data());
    QCOMPARE(child<QComboBox>(mainPanel(window), "panelComboBox")->currentText(), QStringLiteral("KX-8000"));
    window.findChild<QAction *>(QStringLiteral("actionRedo"))->trigger();
    QCOMPARE(pageTitles(window), QStringList{"Main Panel"});

    // Boxes of the new model come in as before.
    addBox(window, QStringLiteral("KXE-2"));
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2"}));
}

void TestSystemTabs::demoRangeFillsTheTabs()
{
    Catalogue demo(demoData());
    MainWindow window(&demo);
    SystemContainerWidget *main = page(window, 0);
    const Panel first = demo.panels().first();
    QCOMPARE(main->panelWidget()->modelName(), first.name);
    QCOMPARE(main->loopCount(), first.baseLoops);

    // The largest demo panel takes boxes; each box page brings its own loops.
    const Panel largest = demo.findPanel(QStringLiteral("TXP 816"));
    child<QComboBox>(main->panelWidget(), "panelComboBox")->setCurrentText(largest.name);
    QCOMPARE(main->loopCount(), largest.baseLoops);
    const QVector<ExpansionBox> boxes = demo.compatibleExpansionBoxes(largest.name);
    QVERIFY(boxes.size() >= 2);
    for (const ExpansionBox &box : boxes)
        addBox(window, box.name);
    QCOMPARE(pages(window)->count(), 1 + boxes.size());
    for (int i = 0; i < boxes.size(); ++i) {
        QCOMPARE(pageTitles(window).at(i + 1), boxes.at(i).name);
        QCOMPARE(page(window, i + 1)->loopCount(), boxes.at(i).baseLoops);
        QCOMPARE(page(window, i + 1)->loopWidgets().first()->limits().maxCurrent, boxes.at(i).loopMaxCurrent);
    }
}

// With the program's style sheet, a picked device is one light band: the
// branch area beside it is not painted in the dark accent colour.
void TestSystemTabs::deviceTreeSelectionIsOneLightBand()
{
    MainWindow window(m_catalogue);
    window.resize(1400, 900);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SystemContainerWidget *main = page(window, 0);
    LoopWidget *loop = main->loopWidgets().first();
    tabsOf(main)->setCurrentWidget(loop);
    auto *tree = child<QTreeWidget>(loop, "devAvailableTree");
    QTreeWidgetItem *item =
        tree->findItems(QStringLiteral("OPT-100"), Qt::MatchExactly | Qt::MatchRecursive).first();
    tree->setCurrentItem(item);
    QVERIFY(item->isSelected());

    const QRect row = tree->visualItemRect(item);
    QVERIFY(row.left() > 10); // a device sits below its category and subcategory
    const QImage shot = tree->viewport()->grab().toImage();
    const QColor branch = shot.pixelColor(4, row.center().y());
    const QColor itemBackground = shot.pixelColor(row.right() - 4, row.center().y());
    QVERIFY2(branch.lightness() > 200, qPrintable(branch.name()));
    QCOMPARE(branch.name(), itemBackground.name());
    // Nothing else is painted as selected.
    QVERIFY(shot.pixelColor(4, row.top() - 6).lightness() > 240);
}

void TestSystemTabs::newDataRebuildsEveryPage()
{
#ifndef KALVIX_DEMO_PACK
    QSKIP("this build has no signing key, so no demo pack");
#else
    MainWindow window(m_catalogue);
    addBox(window, QStringLiteral("KXE-2"));
    QPointer<SystemContainerWidget> oldMain = page(window, 0);
    QPointer<SystemContainerWidget> oldBox = page(window, 1);

    // The box is an unsaved change: the new data may throw it away.
    MessageBox::takeShown();
    MessageBox::setNextAnswer(QMessageBox::Discard);
    FileDialog::setNextFileName(QStringLiteral(KALVIX_DEMO_PACK));
    child<QAction>(&window, "actionImport_data_pack")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.first().kind, MessageBox::Kind::SaveQuestion);
    QCOMPARE(shown.last().title, QStringLiteral("Success"));

    QCOMPARE(pageTitles(window), QStringList{"Main Panel"});
    QVERIFY(page(window, 0) != oldMain.data());
    QCOMPARE(page(window, 0)->panelWidget()->modelName(), m_catalogue->panels().first().name);
    // Until they are gone, the old pages no longer reach the window.
    QVERIFY(oldMain && oldBox);
    emit oldMain->panelWidget()->expansionBoxAdded(QStringLiteral("KXE-2"), QStringLiteral("KXE-2 (2)"));
    QCOMPARE(pageTitles(window), QStringList{"Main Panel"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(oldMain.isNull());
    QVERIFY(oldBox.isNull());

    // The new main panel takes boxes of the new range.
    child<QComboBox>(mainPanel(window), "panelComboBox")->setCurrentText(QStringLiteral("TXP 408"));
    addBox(window, QStringLiteral("TXE 2"));
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "TXE 2"}));
    QCOMPARE(page(window, 1)->loopCount(), m_catalogue->findExpansionBox(QStringLiteral("TXE 2")).baseLoops);
#endif
}

// Loop 1 of the main panel or of a box goes into fault (too many addresses)
// and out again: its tab, and the page's tab, carry the mark only meanwhile.
void TestSystemTabs::tabFaultMarksFollowTheFaults_data()
{
    QTest::addColumn<bool>("inBox");
    QTest::newRow("main panel") << false;
    QTest::newRow("expansion box") << true;
}

void TestSystemTabs::tabFaultMarksFollowTheFaults()
{
    QFETCH(bool, inBox);
    MainWindow window(m_catalogue);
    if (inBox)
        addBox(window, QStringLiteral("KXE-2"));
    const int pageIndex = inBox ? 1 : 0;
    SystemContainerWidget *container = page(window, pageIndex);
    QTabWidget *tabs = tabsOf(container);
    LoopWidget *loop = container->loopWidgets().at(0);

    const auto pageMarkMatchesFlags = [&] {
        const PanelMessages::FaultFlags flags = container->faultStates();
        QCOMPARE(tabHasFault(pages(window), pageIndex), flags.any());
        QCOMPARE(tabHasFault(tabs, 0), flags.hasBatteryFault || flags.hasPowerLoadFault);
        QCOMPARE(tabs->tabIcon(0).isNull(), !tabHasFault(tabs, 0));
    };
    QVERIFY(!tabHasFault(tabs, 1));
    QVERIFY(tabs->tabIcon(1).isNull());
    QCOMPARE(tabs->tabToolTip(1), QString());
    pageMarkMatchesFlags();

    loop->applyDevices({{QStringLiteral("OPT-100"), 250}, {QStringLiteral("MCP-1"), 10}});
    QVERIFY(tabHasFault(tabs, 1));
    QVERIFY(!tabs->tabIcon(1).isNull());
    // The tooltip names the fault as the faults box does.
    QVERIFY(!tabs->tabToolTip(1).isEmpty());
    QCOMPARE(tabs->tabToolTip(1), loopStatusLabel(loop, "faultsLabel")->text());
    QVERIFY(!tabHasFault(tabs, 2));
    QVERIFY(tabHasFault(pages(window), pageIndex));
    QVERIFY2(pages(window)->tabToolTip(pageIndex).contains(QStringLiteral("Loop 1 in fault")),
             qPrintable(pages(window)->tabToolTip(pageIndex)));
    pageMarkMatchesFlags();

    loop->applyDevices({});
    QVERIFY(!tabHasFault(tabs, 1));
    QVERIFY(tabs->tabIcon(1).isNull());
    QCOMPARE(tabs->tabToolTip(1), QString());
    QVERIFY(!pages(window)->tabToolTip(pageIndex).contains(QStringLiteral("Loop 1 in fault")));
    pageMarkMatchesFlags();
    if (inBox) // the main panel's page is untouched by the box's loop
        QVERIFY(!pages(window)->tabToolTip(0).contains(QStringLiteral("Loop 1 in fault")));
}

// The fault colour is for faults: no tab rule of the style sheet uses it.
void TestSystemTabs::healthyTabsCarryNoFaultColour()
{
    MainWindow window(m_catalogue);
    const QString sheet = qApp->styleSheet();
    QVERIFY(!sheet.isEmpty());
    const QStringList faultColours = {QStringLiteral("#c62828"), QStringLiteral("#b71c1c"),
                                      QStringLiteral("#ef9a9a"), QStringLiteral("#fdecea")};
    int tabRules = 0;
    for (const QString &rule : sheet.split(QLatin1Char('}'))) {
        const QString selector = rule.section(QLatin1Char('{'), 0, 0);
        if (!selector.contains(QStringLiteral("QTabBar")) && !selector.contains(QStringLiteral("QTabWidget")))
            continue;
        ++tabRules;
        for (const QString &colour : faultColours)
            QVERIFY2(!rule.contains(colour, Qt::CaseInsensitive), qPrintable(rule));
    }
    QVERIFY(tabRules >= 3);
}

// Ctrl+F from anywhere in the window reaches the filter of the loop shown.
void TestSystemTabs::findGoesToTheLoopOnScreen()
{
    MainWindow window(m_catalogue);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    SystemContainerWidget *main = page(window, 0);
    LoopWidget *loop2 = main->loopWidgets().at(1);
    tabsOf(main)->setCurrentWidget(loop2);
    tabsOf(main)->tabBar()->setFocus();
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(loop2->deviceFilterField()));

    tabsOf(main)->setCurrentWidget(main->loopWidgets().at(0));
    tabsOf(main)->tabBar()->setFocus();
    QTest::keyClick(tabsOf(main)->tabBar(), Qt::Key_F, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::focusWidget(),
                 static_cast<QWidget *>(main->loopWidgets().at(0)->deviceFilterField()));
}

QTEST_MAIN(TestSystemTabs)
#include "tst_systemtabs.moc"
