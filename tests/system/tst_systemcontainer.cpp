#include "editors/expansionboxwidget.h"
#include "systemfixtures.h"
#include "widgets/messagebox.h"

#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

// The selector text of a name: "-" for none.
static QString orDash(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("-") : name;
}

using namespace SystemFixtures;

namespace
{

using LoopSetup = QPair<QStringList, QMap<QString, int>>;

// Everything the user can set on a loop, in one comparable text.
QString loopSummary(const LoopWidget *loop)
{
    QStringList parts = {loop->cableTypeText(),
                         loop->topologyCode(),
                         QString::number(loop->distributionFactorValue()),
                         QString::number(loop->loopLengthValue()),
                         QString::number(loop->startDistanceValue()),
                         QString::number(loop->endDistanceValue())};
    for (const QPair<QString, int> &entry : loop->deviceList())
        parts << entry.first + QLatin1Char('x') + QString::number(entry.second);
    return parts.join(QLatin1Char('|'));
}

QStringList visibleTabTitles(SystemContainerWidget *container)
{
    QTabWidget *tabs = tabsOf(container);
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->isTabVisible(i))
            titles << tabs->tabText(i);
    }
    return titles;
}

PanelConfig mainPanel(const QString &model, const QStringList &cards, int soundersActive = 100)
{
    PanelConfig config;
    config.model = model;
    config.internalBattery = QStringLiteral("BAT-24");
    config.cards = cards;
    config.soundersActive = soundersActive;
    return config;
}

QVector<LoopConfig> loopConfigs(const QVector<LoopSetup> &loops)
{
    QVector<LoopConfig> configs;
    for (const LoopSetup &loop : loops)
        configs.append(LoopConfig::fromTexts(loop.first, loop.second));
    return configs;
}

// Answers the "Duplicate Loop" dialog: selects the loops titled in `picks`
// (in that order) and presses OK, or presses Cancel when `picks` is empty.
// Records what the dialog offered.
struct DuplicateAnswer {
    QStringList picks;
    int shown = 0;
    QString title;
    QStringList labels;
    QStringList items;
    QList<int> itemLoops;
    QSize minimumSize;
    bool contextHelp = true;
    bool multiSelection = false;
    QWidget *parent = nullptr;

    void operator()(QDialog *dialog)
    {
        ++shown;
        title = dialog->windowTitle();
        labels.clear();
        for (QLabel *label : dialog->findChildren<QLabel *>())
            labels << label->text();
        auto *list = dialog->findChild<QListWidget *>(QStringLiteral("targetLoopsListWidget"));
        items.clear();
        itemLoops.clear();
        for (int i = 0; list && i < list->count(); ++i) {
            items << list->item(i)->text();
            itemLoops << list->item(i)->data(Qt::UserRole).toInt();
        }
        minimumSize = dialog->minimumSize();
        contextHelp = dialog->windowFlags().testFlag(Qt::WindowContextHelpButtonHint);
        multiSelection = list && list->selectionMode() == QAbstractItemView::MultiSelection;
        parent = dialog->parentWidget();
        if (picks.isEmpty() || !list) {
            dialogButton(dialog, QDialogButtonBox::Cancel)->click();
            return;
        }
        for (const QString &pick : qAsConst(picks)) {
            const QList<QListWidgetItem *> found = list->findItems(pick, Qt::MatchExactly);
            if (found.size() == 1)
                found.first()->setSelected(true);
        }
        dialogButton(dialog, QDialogButtonBox::Ok)->click();
    }
};

} // namespace

class TestSystemContainer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mainContainerStartsWithTheFirstModel();
    void expansionBoxContainerUsesTheBoxRecord();
    void loopTabsFollowLoopCards();
    void modelChangeGivesEveryLoopTheNewLimits();
    void loopsReportUnderTheirOwnIndex();
    void loopFaultsReachThePanel_data();
    void loopFaultsReachThePanel();
    void loopCreatedAtFiftyPercentWeightsItsSounders();
    void applySetupWithFewerLoopsHidesTheExtraTabsFirst();
    void applySetupWithMoreLoopsCreatesThem();
    void duplicateWithOneLoopHasNoTargets();
    void duplicateLoopTwoOntoOneAndThree();
    void duplicateOkWithNothingSelectedKeepsTheDialogOpen();
    void duplicateCancelledChangesNothing();
    void duplicateRequestOfAHiddenLoopDoesNothing();

private:
    Catalogue *m_catalogue = nullptr;
};

void TestSystemContainer::init()
{
    MessageBox::setTestMode(true);
    m_catalogue = new Catalogue(catalogueData());
}

void TestSystemContainer::cleanup()
{
    QVERIFY(MessageBox::takeShown().isEmpty());
    MessageBox::setTestMode(false);
    delete m_catalogue;
}

void TestSystemContainer::mainContainerStartsWithTheFirstModel()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    QVERIFY(!container.isExpansionBox());
    QCOMPARE(container.containerName(), QString());
    QVERIFY(container.panelWidget());
    QVERIFY(!qobject_cast<ExpansionBoxWidget *>(container.panelWidget()));
    QCOMPARE(container.panelWidget()->modelName(), QStringLiteral("KX-8000"));
    QCOMPARE(container.loopCount(), 2);
    QCOMPARE(container.loopWidgets().size(), 2);
    QCOMPARE(visibleTabTitles(&container), (QStringList{"Panel", "Loop 1", "Loop 2"}));
    QCOMPARE(tabsOf(&container)->widget(0), container.panelWidget());
    QCOMPARE(container.layout()->contentsMargins(), QMargins());
    for (int i = 0; i < 2; ++i) {
        LoopWidget *loop = container.loopWidgets().at(i);
        QCOMPARE(tabsOf(&container)->widget(i + 1), loop);
        QCOMPARE(loop->limits().maxAddresses, 250);
        QCOMPARE(loop->limits().maxCurrent, 0.5);
        QCOMPARE(loop->limits().minCurrent, 0.004);
        QVERIFY(loop->limits().supportsOverboost);
        QCOMPARE(loop->soundersActiveFraction(), 1.0);
    }
    // A fresh panel has no battery: the flags say so.
    QVERIFY(container.faultStates().hasBatteryFault);
    QCOMPARE(container.faultStates(), container.panelWidget()->computeFaultFlags());
}

void TestSystemContainer::expansionBoxContainerUsesTheBoxRecord()
{
    SystemContainerWidget container(true, m_catalogue, QStringLiteral("KXE-4"));
    QVERIFY(container.isExpansionBox());
    QCOMPARE(container.containerName(), QStringLiteral("KXE-4"));
    QVERIFY(qobject_cast<ExpansionBoxWidget *>(container.panelWidget()));
    QCOMPARE(visibleTabTitles(&container),
             (QStringList{"Expansion Box", "Loop 1", "Loop 2", "Loop 3", "Loop 4"}));
    for (LoopWidget *loop : container.loopWidgets()) {
        QCOMPARE(loop->limits().maxAddresses, 250);
        QCOMPARE(loop->limits().minCurrent, 0.003);
        QCOMPARE(loop->limits().maxCurrent, 0.6);
        QVERIFY(!loop->limits().supportsOverboost);
    }

    // The box editor's state goes out under the container's name for it.
    QSignalSpy faults(&container, &SystemContainerWidget::expansionBoxFaultChanged);
    child<QComboBox>(container.panelWidget(), "battComboBox")->setCurrentText(QStringLiteral("BAT-24"));
    QVERIFY(!faults.isEmpty());
    QCOMPARE(faults.last(), (QVariantList{false, false, false}));
    QCOMPARE(container.faultStates(), PanelMessages::FaultFlags());

    // Only the main panel adds boxes: a box never forwards such requests.
    QSignalSpy added(&container, &SystemContainerWidget::expansionBoxAdded);
    emit container.panelWidget()->expansionBoxAdded(QStringLiteral("KXE-2"), QStringLiteral("KXE-2"));
    QVERIFY(added.isEmpty());

    SystemContainerWidget unknown(true, m_catalogue, QStringLiteral("NO-SUCH-BOX"));
    QCOMPARE(unknown.loopCount(), 0);
    QCOMPARE(visibleTabTitles(&unknown), QStringList{"Expansion Box"});
}

void TestSystemContainer::loopTabsFollowLoopCards()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    PanelWidget *panel = container.panelWidget();
    const QString totalIdleBefore = panelText(panel, "totalIdleCurrentValueLabel");

    loopCardButton(panel, "auxCardAddButton")->click();
    QCOMPARE(container.loopCount(), 4);
    QCOMPARE(visibleTabTitles(&container), (QStringList{"Panel", "Loop 1", "Loop 2", "Loop 3", "Loop 4"}));

    LoopWidget *loop3 = container.loopWidgets().at(2);
    loop3->applyLoopValues({"2,5 mm2 (14 AWG)", "B", "40", "800", "10", "20"});
    dragIntoLoop(loop3, QStringLiteral("OPT-100"));
    dragIntoLoop(loop3, QStringLiteral("OPT-100"));
    const QString settings = loopSummary(loop3);
    QCOMPARE(settings, QStringLiteral("2,5 mm2 (14 AWG)|B|40|800|10|20|OPT-100x2"));
    const QString row3Idle = loopRowText(panel, 2, "idleCurrentLabel");
    // (2 x 0.0003 A + 0.026 A for the loop itself) x 55/36 = 0.0406388...
    QCOMPARE(row3Idle, QStringLiteral("0.0406389 A"));
    const QString totalIdleWithLoop3 = panelText(panel, "totalIdleCurrentValueLabel");

    loopCardButton(panel, "auxCardRemoveButton")->click();
    QCOMPARE(container.loopCount(), 2);
    QCOMPARE(tabsOf(&container)->count(), 5);
    QCOMPARE(container.loopWidgets().size(), 4);
    QCOMPARE(visibleTabTitles(&container), (QStringList{"Panel", "Loop 1", "Loop 2"}));
    // The hidden loop no longer counts, but it is still there.
    QCOMPARE(panelText(panel, "totalIdleCurrentValueLabel"), totalIdleBefore);
    QCOMPARE(container.loopWidgets().at(2), loop3);

    loopCardButton(panel, "auxCardAddButton")->click();
    QCOMPARE(visibleTabTitles(&container), (QStringList{"Panel", "Loop 1", "Loop 2", "Loop 3", "Loop 4"}));
    QCOMPARE(container.loopWidgets().size(), 4);
    QCOMPARE(container.loopWidgets().at(2), loop3);
    QCOMPARE(loopSummary(loop3), settings);
    QCOMPARE(loopRowText(panel, 2, "idleCurrentLabel"), row3Idle);
    QCOMPARE(panelText(panel, "totalIdleCurrentValueLabel"), totalIdleWithLoop3);
}

void TestSystemContainer::modelChangeGivesEveryLoopTheNewLimits()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    PanelWidget *panel = container.panelWidget();
    loopCardButton(panel, "auxCardAddButton")->click();
    QCOMPARE(container.loopWidgets().size(), 4);

    // A model change drops the cards: two loops stay in use, four exist.
    child<QComboBox>(panel, "panelComboBox")->setCurrentText(QStringLiteral("KX-7000"));
    QCOMPARE(container.loopCount(), 2);
    QCOMPARE(visibleTabTitles(&container), (QStringList{"Panel", "Loop 1", "Loop 2"}));
    for (LoopWidget *loop : container.loopWidgets()) {
        QCOMPARE(loop->limits().maxAddresses, 200);
        QCOMPARE(loop->limits().maxCurrent, 0.4);
        QVERIFY(!loop->limits().supportsOverboost);
    }

    child<QComboBox>(panel, "panelComboBox")->setCurrentText(QStringLiteral("KX-1"));
    QCOMPARE(container.loopCount(), 1);
    QCOMPARE(visibleTabTitles(&container), (QStringList{"Panel", "Loop 1"}));
    QCOMPARE(container.loopWidgets().first()->limits().maxAddresses, 250);
}

void TestSystemContainer::loopsReportUnderTheirOwnIndex()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    PanelWidget *panel = container.panelWidget();
    loopCardButton(panel, "auxCardAddButton")->click();

    // A loop added later reports under its own index too.
    dragIntoLoop(container.loopWidgets().at(3), QStringLiteral("WS-1 (loop)"));
    // (0.012 A + 0.026 A for the loop itself) x 55/36 = 0.0580555...
    QCOMPARE(loopRowText(panel, 3, "alarmCurrentLabel"), QStringLiteral("0.0580556 A"));
    for (int row = 0; row < 3; ++row)
        QCOMPARE(loopRowText(panel, row, "alarmCurrentLabel"), QStringLiteral("0.0000000 A"));
    // 0.0580556 A + card 0.05 A + model 0.3 A.
    QCOMPARE(panelText(panel, "totalAlarmCurrentValueLabel"), QStringLiteral("0.4080556 A"));
}

void TestSystemContainer::loopFaultsReachThePanel_data()
{
    QTest::addColumn<bool>("isExpansionBox");
    QTest::newRow("main panel") << false;
    QTest::newRow("expansion box") << true;
}

void TestSystemContainer::loopFaultsReachThePanel()
{
    QFETCH(bool, isExpansionBox);
    SystemContainerWidget container(isExpansionBox, m_catalogue,
                                    isExpansionBox ? QStringLiteral("KXE-2") : QString());
    PanelWidget *panel = container.panelWidget();
    QSignalSpy boxFaults(&container, &SystemContainerWidget::expansionBoxFaultChanged);
    QVERIFY(!container.faultStates().hasLoopFault);

    // 260 addresses on a loop that takes 250 (120 in the box).
    LoopWidget *loop2 = container.loopWidgets().at(1);
    loop2->applyDevices({{QStringLiteral("OPT-100"), 200}, {QStringLiteral("MCP-1"), 60}});
    QVERIFY(container.faultStates().hasLoopFault);
    QCOMPARE(listRow(panel, "individualLoopCurrentsList", 1)->property("fault").toBool(), true);
    QCOMPARE(listRow(panel, "individualLoopCurrentsList", 0)->property("fault").toBool(), false);
    if (isExpansionBox) {
        QVERIFY(!boxFaults.isEmpty());
        QCOMPARE(boxFaults.last().at(2).toBool(), true);
    } else {
        QVERIFY(boxFaults.isEmpty());
    }

    loop2->applyDevices({{QStringLiteral("OPT-100"), 10}});
    QVERIFY(!container.faultStates().hasLoopFault);
    if (isExpansionBox)
        QCOMPARE(boxFaults.last().at(2).toBool(), false);
}

void TestSystemContainer::loopCreatedAtFiftyPercentWeightsItsSounders()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    PanelWidget *panel = container.panelWidget();
    child<QSpinBox>(panel, "sndActiveSpinBox")->setValue(50);
    QCOMPARE(container.loopWidgets().first()->soundersActiveFraction(), 0.5);

    loopCardButton(panel, "auxCardAddButton")->click();
    LoopWidget *loop3 = container.loopWidgets().at(2);
    QCOMPARE(loop3->soundersActiveFraction(), 0.5);
    loop3->applyDevices({{QStringLiteral("WS-1 (loop)"), 4}});
    // 50 % of 4 sounders: 2 in alarm (2 x 0.012 A), 2 at rest (2 x 0.0005 A),
    // plus the loop's own 0.026 A.
    QCOMPARE(loopStatusLabel(loop3, "alarmCurrentValueLabel")->text(), QStringLiteral("0.0510000 A"));

    // Later changes reach it as they reach every loop, hidden ones included.
    loopCardButton(panel, "auxCardRemoveButton")->click();
    child<QSpinBox>(panel, "sndActiveSpinBox")->setValue(100);
    QCOMPARE(loop3->soundersActiveFraction(), 1.0);
    QCOMPARE(loopStatusLabel(loop3, "alarmCurrentValueLabel")->text(), QStringLiteral("0.0740000 A"));
}

void TestSystemContainer::applySetupWithFewerLoopsHidesTheExtraTabsFirst()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    loopCardButton(container.panelWidget(), "auxCardAddButton")->click();
    QCOMPARE(container.loopCount(), 4);
    const QString loop4Before = loopSummary(container.loopWidgets().at(3));

    // What the tabs looked like when the first loop was being written.
    QStringList tabsWhileApplying;
    connect(container.loopWidgets().first(), &LoopWidget::updateLoopCurrents, &container, [&] {
        if (tabsWhileApplying.isEmpty())
            tabsWhileApplying = visibleTabTitles(&container);
    });

    const QVector<LoopSetup> loops = {
        {{"1 mm2 (18 AWG)", "B", "50", "300", "0", "0"}, {{QStringLiteral("MCP-1"), 3}}},
        {{"4 mm2 (12 AWG)", "A", "75", "1200", "5", "5"}, {{QStringLiteral("OPT-100"), 2}}}};
    container.applySetup(mainPanel("KX-8000", {}), loopConfigs(loops));

    QCOMPARE(tabsWhileApplying, (QStringList{"Panel", "Loop 1", "Loop 2"}));
    QCOMPARE(container.loopCount(), 2);
    QCOMPARE(visibleTabTitles(&container), (QStringList{"Panel", "Loop 1", "Loop 2"}));
    QCOMPARE(loopSummary(container.loopWidgets().at(0)),
             QStringLiteral("1 mm2 (18 AWG)|B|50|300|0|0|MCP-1x3"));
    QCOMPARE(loopSummary(container.loopWidgets().at(1)),
             QStringLiteral("4 mm2 (12 AWG)|A|75|1200|5|5|OPT-100x2"));
    QCOMPARE(loopSummary(container.loopWidgets().at(3)), loop4Before);
    QCOMPARE(orDash(container.panelWidget()->configuration().internalBattery), QStringLiteral("BAT-24"));
}

void TestSystemContainer::applySetupWithMoreLoopsCreatesThem()
{
    SystemContainerWidget container(true, m_catalogue, QStringLiteral("KXE-2"));
    const QVector<LoopSetup> loops = {
        {{"1 mm2 (18 AWG)", "A", "100", "500", "0", "0"}, {}},
        {{"1 mm2 (18 AWG)", "A", "100", "500", "0", "0"}, {}},
        {{"0,5 mm2 (21 AWG)", "B", "20", "250", "0", "0"}, {{QStringLiteral("WS-1 (loop)"), 2}}},
        {{"1 mm2 (18 AWG)", "A", "100", "700", "0", "0"}, {}}};
    PanelConfig box;
    box.expansionBox = true;
    box.model = QStringLiteral("KXE-2");
    box.internalBattery = QStringLiteral("BAT-7");
    box.cards = QStringList{QStringLiteral("VRAL-2")};
    container.applySetup(box, loopConfigs(loops));
    QCOMPARE(container.loopCount(), 4);
    QCOMPARE(visibleTabTitles(&container),
             (QStringList{"Expansion Box", "Loop 1", "Loop 2", "Loop 3", "Loop 4"}));
    QCOMPARE(loopSummary(container.loopWidgets().at(2)),
             QStringLiteral("0,5 mm2 (21 AWG)|B|20|250|0|0|WS-1 (loop)x2"));
    QCOMPARE(container.loopWidgets().at(3)->loopLengthValue(), 700);
    // The new loops have the box's limits, as the first ones do.
    QCOMPARE(container.loopWidgets().at(3)->limits().maxAddresses, 120);
    // (2 x 0.012 A + 0.026 A) x 55/36 = 0.0763888...
    QCOMPARE(loopRowText(container.panelWidget(), 2, "alarmCurrentLabel"), QStringLiteral("0.0763889 A"));
}

void TestSystemContainer::duplicateWithOneLoopHasNoTargets()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    child<QComboBox>(container.panelWidget(), "panelComboBox")->setCurrentText(QStringLiteral("KX-1"));
    QCOMPARE(container.loopCount(), 1);

    DuplicateAnswer answer;
    ModalAnswerer answerer(std::ref(answer));
    child<QPushButton>(container.loopWidgets().first(), "duplicateLoopButton")->click();

    QCOMPARE(answer.shown, 0);
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Information);
    QCOMPARE(shown.first().title, QStringLiteral("No Target Loops"));
    QCOMPARE(shown.first().text, QStringLiteral("There are no other existing loops available to copy into."));
}

void TestSystemContainer::duplicateLoopTwoOntoOneAndThree()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    PanelWidget *panel = container.panelWidget();
    // Six loops exist, four are in use: the hidden two are no targets.
    loopCardButton(panel, "auxCardAddButton")->click();
    loopCardButton(panel, "auxCardAddButton")->click();
    loopCardButton(panel, "auxCardRemoveButton")->click();
    QCOMPARE(container.loopWidgets().size(), 6);
    QCOMPARE(container.loopCount(), 4);

    const QVector<LoopWidget *> loops = container.loopWidgets();
    loops.at(1)->applyLoopValues({"0,75 mm2 (19 AWG)", "B", "35", "900", "15", "25"});
    loops.at(1)->applyDevices({{QStringLiteral("OPT-100"), 12}, {QStringLiteral("WS-1 (loop)"), 3}});
    loops.at(0)->applyDevices({{QStringLiteral("MCP-1"), 7}});
    loops.at(3)->applyLoopValues({"4 mm2 (12 AWG)", "A", "90", "400", "0", "0"});
    const QString source = loopSummary(loops.at(1));
    const QString fourth = loopSummary(loops.at(3));
    const QString sourceAlarm = loopStatusLabel(loops.at(1), "alarmCurrentValueLabel")->text();
    const QString sourceDrop = loopStatusLabel(loops.at(1), "voltageDropValueLabel")->text();

    DuplicateAnswer answer;
    answer.picks = QStringList{"Loop 3", "Loop 1"};
    ModalAnswerer answerer(std::ref(answer));
    child<QPushButton>(loops.at(1), "duplicateLoopButton")->click();

    QCOMPARE(answer.shown, 1);
    QCOMPARE(answer.title, QStringLiteral("Duplicate Loop"));
    QCOMPARE(answer.labels, (QStringList{"Select the target loops for Loop 2:",
                                         "WARNING: selected loops will be overwritten."}));
    QCOMPARE(answer.items, (QStringList{"Loop 1", "Loop 3", "Loop 4"}));
    QCOMPARE(answer.itemLoops, (QList<int>{0, 2, 3}));
    QCOMPARE(answer.minimumSize, QSize(360, 260));
    QVERIFY(!answer.contextHelp);
    QVERIFY(answer.multiSelection);
    QCOMPARE(answer.parent, &container);

    QCOMPARE(loopSummary(loops.at(0)), source);
    QCOMPARE(loopSummary(loops.at(2)), source);
    QCOMPARE(loopSummary(loops.at(1)), source);
    QCOMPARE(loopSummary(loops.at(3)), fourth);
    // The copies are computed, not only configured: same figures as the source.
    for (int i : {0, 2}) {
        QCOMPARE(loopStatusLabel(loops.at(i), "alarmCurrentValueLabel")->text(), sourceAlarm);
        QCOMPARE(loopStatusLabel(loops.at(i), "voltageDropValueLabel")->text(), sourceDrop);
        QCOMPARE(loopRowText(panel, i, "alarmCurrentLabel"), loopRowText(panel, 1, "alarmCurrentLabel"));
    }

    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Information);
    QCOMPARE(shown.first().title, QStringLiteral("Loop Duplicated"));
    QCOMPARE(shown.first().text, QStringLiteral("Loop duplication successful!"));
}

void TestSystemContainer::duplicateOkWithNothingSelectedKeepsTheDialogOpen()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    const QVector<LoopWidget *> loops = container.loopWidgets();
    loops.at(0)->applyDevices({{QStringLiteral("MCP-1"), 5}});
    const QString target = loopSummary(loops.at(1));

    int step = 0;
    bool openAfterWarning = false;
    QList<MessageBox::Shown> warnings;
    ModalAnswerer answerer([&](QDialog *dialog) {
        if (step == 0) {
            dialogButton(dialog, QDialogButtonBox::Ok)->click();
            warnings = MessageBox::takeShown();
            openAfterWarning = dialog->isVisible() && QApplication::activeModalWidget() == dialog;
            step = 1;
        } else if (step == 1) {
            dialogButton(dialog, QDialogButtonBox::Cancel)->click();
            step = 2;
        }
    });
    child<QPushButton>(loops.at(0), "duplicateLoopButton")->click();

    QCOMPARE(step, 2);
    QVERIFY(openAfterWarning);
    QCOMPARE(warnings.size(), 1);
    QCOMPARE(warnings.first().kind, MessageBox::Kind::Warning);
    QCOMPARE(warnings.first().title, QStringLiteral("No Loop Selected"));
    QCOMPARE(warnings.first().text, QStringLiteral("Please select at least one target loop."));
    QCOMPARE(loopSummary(loops.at(1)), target);
}

void TestSystemContainer::duplicateCancelledChangesNothing()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    const QVector<LoopWidget *> loops = container.loopWidgets();
    loops.at(0)->applyDevices({{QStringLiteral("MCP-1"), 5}});
    const QString target = loopSummary(loops.at(1));

    DuplicateAnswer answer; // no picks: Cancel
    ModalAnswerer answerer(std::ref(answer));
    child<QPushButton>(loops.at(0), "duplicateLoopButton")->click();
    QCOMPARE(answer.shown, 1);
    QCOMPARE(answer.items, QStringList{"Loop 2"});
    QCOMPARE(loopSummary(loops.at(1)), target);
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestSystemContainer::duplicateRequestOfAHiddenLoopDoesNothing()
{
    SystemContainerWidget container(false, m_catalogue, QString());
    PanelWidget *panel = container.panelWidget();
    loopCardButton(panel, "auxCardAddButton")->click();
    loopCardButton(panel, "auxCardRemoveButton")->click();
    QCOMPARE(container.loopWidgets().size(), 4);

    DuplicateAnswer answer;
    ModalAnswerer answerer(std::ref(answer));
    emit container.loopWidgets().at(3)->duplicateLoopRequested();
    QCOMPARE(answer.shown, 0);
    QVERIFY(MessageBox::takeShown().isEmpty());
}

QTEST_MAIN(TestSystemContainer)
#include "tst_systemcontainer.moc"
