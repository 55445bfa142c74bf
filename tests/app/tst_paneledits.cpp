// The panel and box editors of the real window as views of the document:
// each control's change is one typed edit of the right system, recorded
// once, undone to the identical design, and the editors draw what the
// document's evaluation says.
#include "../system/systemfixtures.h"

#include "app/designsession.h"
#include "app/mainwindow.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QDoubleSpinBox>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <functional>
#include <memory>

using namespace SystemFixtures;

namespace
{

QTabWidget *pages(MainWindow &window)
{
    return child<QTabWidget>(&window, "externalTabWidget");
}

SystemContainerWidget *page(MainWindow &window, int index)
{
    return qobject_cast<SystemContainerWidget *>(pages(window)->widget(index));
}

PanelWidget *panelOf(MainWindow &window, int page)
{
    return ::page(window, page)->panelWidget();
}

DesignSession *session(MainWindow &window)
{
    return child<DesignSession>(&window, "designSession");
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void addBox(MainWindow &window, const QString &model)
{
    ModalAnswerer answerer([&](QDialog *dialog) {
        child<QComboBox>(dialog, "expansionBoxComboBox")->setCurrentText(model);
        dialogButton(dialog, QDialogButtonBox::Ok)->click();
    });
    child<QPushButton>(panelOf(window, 0), "addExpansionBoxButton")->click();
}

void removeBox(MainWindow &window, const QString &name)
{
    auto *list = child<QListWidget>(panelOf(window, 0), "expansionBoxesListWidget");
    for (int i = 0; i < list->count(); ++i) {
        QWidget *row = list->itemWidget(list->item(i));
        if (child<QLabel>(row, "expansionBoxNameLabel")->text() == name) {
            child<QPushButton>(row, "expansionBoxRemoveButton")->click();
            return;
        }
    }
    qFatal("no box row %s", qPrintable(name));
}

// What a page shows against what the document evaluates for its system.
void compareWithDocument(MainWindow &window)
{
    const DesignDocument *document = session(window)->document();
    const DesignEvaluation &evaluation = document->evaluation();
    QCOMPARE(pages(window)->count(), document->design().systemCount());
    for (int p = 0; p < pages(window)->count(); ++p) {
        PanelWidget *panel = panelOf(window, p);
        const SystemEvaluation *system = evaluation.system(p - 1);
        QVERIFY(system);
        QCOMPARE(panel->configuration(), document->design().system(p - 1)->config);
        const PanelEvaluation &e = system->panel;
        QCOMPARE(panelText(panel, "totalIdleCurrentValueLabel"), e.totalIdleCurrentText());
        QCOMPARE(panelText(panel, "totalAlarmCurrentValueLabel"), e.totalAlarmCurrentText());
        QCOMPARE(panelText(panel, "minBattRequiredValueLabel"), e.minimumBatteryRequiredText());
        QCOMPARE(panelText(panel, "currentSelectedBattValueLabel"), e.selectedTotalBatteryText());
        QCOMPARE(panelText(panel, "battStatusLabel"), e.battery.text);
        QCOMPARE(panelText(panel, "totalPwrLoadStatusLabel"), e.powerLoad.text);
        QCOMPARE(panelText(panel, "externalPowerSourceInfoNotesLabel"), e.externalPowerNotes);
        QCOMPARE(panel->currentLoopCount(), system->loops.size());
        for (int l = 0; l < system->loops.size(); ++l) {
            QCOMPARE(loopRowText(panel, l, "idleCurrentLabel"), e.loopIdleCurrentText(l));
            QCOMPARE(loopRowText(panel, l, "alarmCurrentLabel"), e.loopAlarmCurrentText(l));
        }
    }
}

} // namespace

using WindowEdit = std::function<void(MainWindow &)>;
using DesignEdit = std::function<void(Design &)>;
Q_DECLARE_METATYPE(WindowEdit)
Q_DECLARE_METATYPE(DesignEdit)

class TestPanelEdits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void oneTypedStep_data();
    void oneTypedStep();
    void loopsThatComeBackKeepTheirDevices();
    void typedValueIsOneStep();

private:
    // Two boxes and a device in a loop of each kind of system.
    void prepare(MainWindow &window);

    std::unique_ptr<Catalogue> m_catalogue;
};

void TestPanelEdits::initTestCase()
{
    initGuiResources();
    m_catalogue = std::make_unique<Catalogue>(catalogueData());
}

void TestPanelEdits::init()
{
    MessageBox::setTestMode(true);
}

void TestPanelEdits::cleanup()
{
    MessageBox::takeShown();
    MessageBox::setTestMode(false);
}

void TestPanelEdits::prepare(MainWindow &window)
{
    addBox(window, QStringLiteral("KXE-2"));
    addBox(window, QStringLiteral("KXE-2"));
    settle();
    dragIntoLoop(page(window, 0)->loopWidgets().at(0), QStringLiteral("OPT-100"));
    dragIntoLoop(page(window, 2)->loopWidgets().at(1), QStringLiteral("MCP-1"));
    child<QComboBox>(panelOf(window, 0), "battComboBox")->setCurrentText(QStringLiteral("BAT-7"));
    settle();
}

void TestPanelEdits::oneTypedStep_data()
{
    QTest::addColumn<WindowEdit>("edit");
    QTest::addColumn<DesignEdit>("expected");

    QTest::newRow("main battery degradation")
        << WindowEdit([](MainWindow &w) {
               child<QSpinBox>(panelOf(w, 0), "battDegradationSpinBox")->setValue(35);
           })
        << DesignEdit([](Design &d) { d.main.config.batteryDegradation = 35; });
    QTest::newRow("main output raised with its alarm")
        << WindowEdit([](MainWindow &w) {
               auto *idle = child<QDoubleSpinBox>(panelOf(w, 0), "aux24VIdleDSpinBox");
               idle->setValue(0.2);
               emit idle->editingFinished();
           })
        << DesignEdit([](Design &d) {
               d.main.config.outputs.aux24VIdle = 0.2;
               d.main.config.outputs.aux24VAlarm = 0.2;
           });
    const Catalogue *catalogue = m_catalogue.get();
    QTest::newRow("main loop card")
        << WindowEdit([](MainWindow &w) { loopCardButton(panelOf(w, 0), "auxCardAddButton")->click(); })
        << DesignEdit([catalogue](Design &d) {
               d.main.config = d.main.config.withLoopCards(1, *catalogue);
               d.main.loops.resize(4);
           });
    QTest::newRow("second box sounders active")
        << WindowEdit([](MainWindow &w) { child<QSpinBox>(panelOf(w, 2), "sndActiveSpinBox")->setValue(40); })
        << DesignEdit([](Design &d) { d.boxes[1].config.soundersActive = 40; });
    QTest::newRow("first box internal battery")
        << WindowEdit([](MainWindow &w) {
               child<QComboBox>(panelOf(w, 1), "battComboBox")->setCurrentText(QStringLiteral("BAT-24"));
           })
        << DesignEdit([](Design &d) { d.boxes[0].config.internalBattery = QStringLiteral("BAT-24"); });
    QTest::newRow("box added") << WindowEdit([](MainWindow &w) { addBox(w, QStringLiteral("KXE-4")); })
                               << DesignEdit([](Design &d) {
                                      SystemDesign box;
                                      box.name = QStringLiteral("KXE-4");
                                      box.config.expansionBox = true;
                                      box.config.model = QStringLiteral("KXE-4");
                                      box.loops.resize(4);
                                      d.boxes.append(box);
                                  });
    QTest::newRow("box removed") << WindowEdit([](MainWindow &w) { removeBox(w, QStringLiteral("KXE-2")); })
                                 << DesignEdit([](Design &d) { d.boxes.remove(0); });
    QTest::newRow("model changed")
        << WindowEdit([](MainWindow &w) {
               MessageBox::setNextAnswer(QMessageBox::Ok);
               child<QComboBox>(panelOf(w, 0), "panelComboBox")->setCurrentText(QStringLiteral("KX-7000"));
           })
        << DesignEdit([](Design &d) {
               d.main.config = d.main.config.withModel(QStringLiteral("KX-7000"));
               d.boxes.clear();
           });
    QTest::newRow("main reset") << WindowEdit([](MainWindow &w) {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QPushButton>(panelOf(w, 0), "resetPanelButton")->click();
    }) << DesignEdit([](Design &d) {
        PanelConfig fresh;
        fresh.model = d.main.config.model;
        d.main.config = fresh;
    });
}

void TestPanelEdits::oneTypedStep()
{
    QFETCH(WindowEdit, edit);
    QFETCH(DesignEdit, expected);
    MainWindow window(m_catalogue.get());
    prepare(window);
    DesignDocument *document = session(window)->document();
    const Design before = document->design();
    Design after = before;
    expected(after);
    QVERIFY(after != before);
    const int steps = document->history().size();
    QVector<QPair<Design, Design>> recorded;
    connect(session(window), &DesignSession::edited, this,
            [&recorded](const Design &from, const Design &to) { recorded.append({from, to}); });

    edit(window);
    // Recorded as the edit happened, before the event loop ran.
    QCOMPARE(recorded.size(), 1);
    QVERIFY(recorded.first().first == before);
    QVERIFY(recorded.first().second == after);
    settle();
    // The window's own check finds nothing more to record.
    QCOMPARE(recorded.size(), 1);
    QCOMPARE(document->history().size(), steps + 1);
    QVERIFY(document->design() == after);
    compareWithDocument(window);

    child<QAction>(&window, "actionUndo")->trigger();
    settle();
    QVERIFY(document->design() == before);
    compareWithDocument(window);
    child<QAction>(&window, "actionRedo")->trigger();
    settle();
    QVERIFY(document->design() == after);
    compareWithDocument(window);
    QCOMPARE(recorded.size(), 1);
}

void TestPanelEdits::loopsThatComeBackKeepTheirDevices()
{
    MainWindow window(m_catalogue.get());
    PanelWidget *panel = panelOf(window, 0);
    DesignDocument *document = session(window)->document();
    loopCardButton(panel, "auxCardAddButton")->click();
    dragIntoLoop(page(window, 0)->loopWidgets().at(3), QStringLiteral("MCP-1"));
    settle();
    const int steps = document->history().size();
    const LoopConfig fourth = document->design().main.loops.at(3);
    QCOMPARE(fourth.devices.value(QStringLiteral("MCP-1")), 1);

    loopCardButton(panel, "auxCardRemoveButton")->click();
    settle();
    QCOMPARE(document->design().main.loops.size(), 2);
    // The hidden tab kept the loop: it comes back as it was, in the same step as its card.
    loopCardButton(panel, "auxCardAddButton")->click();
    QCOMPARE(document->design().main.loops.size(), 4);
    QVERIFY(document->design().main.loops.at(3) == fourth);
    settle();
    QCOMPARE(document->history().size(), steps + 2);
    compareWithDocument(window);
}

void TestPanelEdits::typedValueIsOneStep()
{
    MainWindow window(m_catalogue.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    DesignDocument *document = session(window)->document();
    const Design before = document->design();
    const int steps = document->history().size();
    auto *spin = child<QSpinBox>(panelOf(window, 0), "battDegradationSpinBox");
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "45");
    settle();
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(spin, Qt::Key_Up);
        settle();
    }
    QCOMPARE(document->design().main.config.batteryDegradation, 47);
    // Leaving the box settles the value: one step for all of it.
    child<QSpinBox>(panelOf(window, 0), "sndActiveSpinBox")->setFocus();
    settle();
    QCOMPARE(document->history().size(), steps + 1);
    child<QAction>(&window, "actionUndo")->trigger();
    QVERIFY(document->design() == before);
    QCOMPARE(spin->value(), before.main.config.batteryDegradation);

    // Another value after it settled is a step of its own.
    child<QAction>(&window, "actionRedo")->trigger();
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    settle();
    QCOMPARE(document->history().size(), steps + 2);
    QCOMPARE(document->design().main.config.batteryDegradation, 48);
}

QTEST_MAIN(TestPanelEdits)
#include "tst_paneledits.moc"
