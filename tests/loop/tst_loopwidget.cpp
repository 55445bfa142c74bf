#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"
#include "loop/figureexplanations.h"
#include "loop/loopcalculation.h"
#include "editors/loopwidget.h"
#include "loopfixtures.h"
#include "widgets/messagebox.h"
#include "widgets/rangeguard.h"

#include <QtTest>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

using namespace Fixtures;

namespace
{

CatalogueData sampleData()
{
    CatalogueData data;
    data.topologyFactors = {1.1, 1.3};
    data.distributionFactors = {1.0, 0.5};
    DeviceTraits module;
    module.category = QStringLiteral("MOD");
    module.subcategory = QStringLiteral("IO");
    module.idle = 0.0004;
    module.alarm = 0.0012;
    module.external24V = true;
    DeviceTraits ghost;
    ghost.category = QStringLiteral("ZZZ");
    ghost.hidden = true;
    data.devices = {
        detector(QStringLiteral("OPT-100"), 0.0003, 0.005, true),
        device(QStringLiteral("HEAT-200"),
               {QStringLiteral("DET"), QStringLiteral("TERM"), 0.0002, 0.004, 1, true}),
        device(QStringLiteral("MCP-1"), {QStringLiteral("DET"), QStringLiteral("-"), 0.0001, 0.003}),
        beam(QStringLiteral("BEAM-50"), 0.002, 0.0035),
        sounder(QStringLiteral("WS-1 (loop)"), 0.0005, 0.012),
        device(QStringLiteral("MOD-IO"), module),
        device(QStringLiteral("HIDDEN-1"), ghost)};
    return data;
}

// Device descriptions arrive with the translations.
class Descriptions : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "DeviceDescriptions") == 0 && qstrcmp(sourceText, "WS-1 (loop)") == 0)
            return QStringLiteral("Wall sounder powered from the loop");
        return QString();
    }
};

// The offscreen platform runs no real drag, so the test names the source.
class DropLoopWidget : public LoopWidget
{
public:
    using LoopWidget::LoopWidget;
    QObject *source = nullptr;

protected:
    QObject *dragSource(const QDropEvent *) const override { return source; }
};

} // namespace

class TestLoopWidget : public QObject
{
    Q_OBJECT

private:
    template <typename T> T *child(const char *name) { return m_loop->findChild<T *>(QLatin1String(name)); }
    QString text(const char *name) { return child<QLabel>(name)->text(); }
    QTreeWidget *tree() { return child<QTreeWidget>("devAvailableTree"); }
    bool drop(const QString &device, QWidget *target, QObject *source);

    Catalogue *m_catalogue = nullptr;
    DropLoopWidget *m_loop = nullptr;

private slots:
    void init();
    void cleanup();
    void startsAsTheEmptyLoop();
    void deviceTreeGroupsAndCounts();
    void subcategoriesCountPerCategory();
    void dropsOnlyOnTheDeviceView();
    void dragFromElsewhereIsRefused();
    void lengthValidationMarksTheSpinBoxes();
    void sliderAndSpinBoxFollowEachOther();
    void typedLengthBeyondItsRangeIsCapped();
    void resetAnsweredNoChangesNothing();
    void resetAnsweredYesRestoresDefaults();
    void applyLoopValues_data();
    void applyLoopValues();
    void applyDevicesWithAnEmptyMapSignalsTheEmptyLoop();
    void faultStateIsSignalledOnceAndBeforeTheCurrents();
    void triggersStartTheRightStage();
    void figuresMatchTheCore();
    void reportTextsAndDegradedCheck();
    void duplicateButtonSignals();
    void keyboardAddsOneUnitLikeADrop_data();
    void keyboardAddsOneUnitLikeADrop();
    void keyboardRespectsTheCapAndTheBeamNote();
    void typedQuantityAndTabToItsRow();
    void filterNarrowsTheTree_data();
    void filterNarrowsTheTree();
    void filterKeys();
    void unbuiltLoopAnswersAsItsForm_data();
    void unbuiltLoopAnswersAsItsForm();
    void lateFormsKeepTheTabOrder();
    void userEditsReachTheEditTargetOnce();
    void drawsTheEvaluationItIsGiven();
};

void TestLoopWidget::init()
{
    MessageBox::setTestMode(true);
    m_catalogue = new Catalogue(sampleData());
    m_loop = new DropLoopWidget(m_catalogue);
    m_loop->resize(1200, 720);
    m_loop->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_loop));
}

void TestLoopWidget::cleanup()
{
    delete m_loop;
    delete m_catalogue;
}

bool TestLoopWidget::drop(const QString &device, QWidget *target, QObject *source)
{
    const QList<QTreeWidgetItem *> items = tree()->findItems(device, Qt::MatchExactly | Qt::MatchRecursive);
    if (items.size() != 1)
        return false;
    tree()->setCurrentItem(items.first());
    m_loop->source = source;
    const QPoint position = target->mapTo(m_loop, target->rect().center());
    QMimeData mime;
    mime.setText(device);
    QDragEnterEvent enter(position, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_loop, &enter);
    QDropEvent dropEvent(position, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_loop, &dropEvent);
    return dropEvent.isAccepted();
}

void TestLoopWidget::startsAsTheEmptyLoop()
{
    QCOMPARE(text("totalAddressesValueLabel"), QStringLiteral("0"));
    QCOMPARE(text("idleCurrentValueLabel"), QStringLiteral("0.0000000 A"));
    QCOMPARE(text("alarmCurrentValueLabel"), QStringLiteral("0.0000000 A"));
    QCOMPARE(text("voltageDropValueLabel"), QStringLiteral("0.0000000 V"));
    QCOMPARE(text("maxVoltageDropValueLabel"), QStringLiteral("6.9000000 V"));
    QCOMPARE(text("maxCurrentValueLabel"), QStringLiteral("0.0000000 A"));
    QCOMPARE(text("faultsLabel"), QStringLiteral("Loop setup OK."));
    QCOMPARE(text("notesLabel"), QStringLiteral("No information to note."));
    QCOMPARE(child<QLabel>("faultsLabel")->property("fault").toBool(), false);
    QCOMPARE(m_loop->cableTypeText(), QStringLiteral("1,5 mm2 (16 AWG)"));
    QCOMPARE(m_loop->topologyCode(), QStringLiteral("A"));
    QCOMPARE(m_loop->distributionFactorValue(), 100.0);
    QCOMPARE(m_loop->loopLengthValue(), 500);
    QCOMPARE(child<QStackedWidget>("stackedWidget")->currentWidget()->objectName(),
             QStringLiteral("DetailedViewWidget"));
    QVERIFY(
        child<QLabel>("topologyTypeLabel")->toolTip().startsWith(QStringLiteral("Class A if closed loop.")));
}

// Categories and subcategories sorted, "-" devices straight under their
// category, hidden ones left out; headers bold and not draggable.
void TestLoopWidget::deviceTreeGroupsAndCounts()
{
    QStringList top;
    for (int i = 0; i < tree()->topLevelItemCount(); ++i)
        top << tree()->topLevelItem(i)->text(0);
    QCOMPARE(top,
             (QStringList{QStringLiteral("Detectors (0)"), QStringLiteral("Modules (0)"), QStringLiteral("Sounders and beacons (0)")}));
    QTreeWidgetItem *det = tree()->topLevelItem(0);
    QStringList detChildren;
    for (int i = 0; i < det->childCount(); ++i)
        detChildren << det->child(i)->text(0);
    QCOMPARE(detChildren, (QStringList{QStringLiteral("MCP-1"), QStringLiteral("Beam (0)"),
                                       QStringLiteral("Optical smoke (0)"), QStringLiteral("Heat (0)")}));
    QVERIFY(det->font(0).bold());
    QVERIFY(!(det->flags() & Qt::ItemIsDragEnabled));
    QVERIFY(!(det->child(1)->flags() & Qt::ItemIsDragEnabled));
    QVERIFY(det->child(0)->flags() & Qt::ItemIsDragEnabled);

    m_loop->applyDevices(
        {{QStringLiteral("OPT-100"), 3}, {QStringLiteral("MCP-1"), 2}, {QStringLiteral("MOD-IO"), 1}});
    QCOMPARE(det->text(0), QStringLiteral("Detectors (5)"));
    QCOMPARE(det->child(2)->text(0), QStringLiteral("Optical smoke (3)"));
    QCOMPARE(det->child(3)->text(0), QStringLiteral("Heat (0)"));
    QCOMPARE(tree()->topLevelItem(1)->text(0), QStringLiteral("Modules (1)"));
    QCOMPARE(tree()->topLevelItem(1)->child(0)->text(0), QStringLiteral("IO (1)"));

    // Choosing a device in the tree shows its details.
    tree()->setCurrentItem(det->child(3)->child(0));
    QCOMPARE(m_loop->findChild<QLabel *>(QStringLiteral("devNameLabel"))->text(), QStringLiteral("HEAT-200"));
}

// The same subcategory name under two categories is two groups.
void TestLoopWidget::subcategoriesCountPerCategory()
{
    CatalogueData data;
    data.devices = {device(QStringLiteral("A"), {QStringLiteral("DET"), QStringLiteral("WALL")}),
                    device(QStringLiteral("B"), {QStringLiteral("SND"), QStringLiteral("WALL")})};
    const Catalogue catalogue(data);
    LoopWidget loop(&catalogue);
    loop.applyDevices({{QStringLiteral("A"), 4}});
    auto *t = loop.page()->findChild<QTreeWidget *>(QStringLiteral("devAvailableTree"));
    QCOMPARE(t->topLevelItem(0)->child(0)->text(0), QStringLiteral("WALL (4)"));
    QCOMPARE(t->topLevelItem(1)->text(0), QStringLiteral("Sounders and beacons (0)"));
    QCOMPARE(t->topLevelItem(1)->child(0)->text(0), QStringLiteral("WALL (0)"));
}

void TestLoopWidget::dropsOnlyOnTheDeviceView()
{
    QSignalSpy added(m_loop, &LoopWidget::addDevice);
    QVERIFY(!drop(QStringLiteral("OPT-100"), child<QComboBox>("cableTypeComboBox"), tree()));
    QVERIFY(!drop(QStringLiteral("OPT-100"), child<QLabel>("faultsLabel"), tree()));
    QCOMPARE(added.count(), 0);
    QVERIFY(m_loop->deviceList().isEmpty());

    // A category is not a device.
    QVERIFY(!drop(QStringLiteral("Detectors (0)"), child<QStackedWidget>("stackedWidget"), tree()));
    QCOMPARE(added.count(), 0);

    QVERIFY(drop(QStringLiteral("OPT-100"), child<QStackedWidget>("stackedWidget"), tree()));
    QVERIFY(drop(QStringLiteral("OPT-100"), child<QStackedWidget>("stackedWidget"), tree()));
    QCOMPARE(added.count(), 2);
    QCOMPARE(m_loop->deviceList(), (QVector<QPair<QString, int>>{{QStringLiteral("OPT-100"), 2}}));
    QCOMPARE(text("totalAddressesValueLabel"), QStringLiteral("2"));
}

void TestLoopWidget::dragFromElsewhereIsRefused()
{
    // Another loop's tree is not ours.
    LoopWidget other(m_catalogue);
    QTreeWidget *foreignTree = other.page()->findChild<QTreeWidget *>(QStringLiteral("devAvailableTree"));
    QVERIFY(!drop(QStringLiteral("OPT-100"), child<QStackedWidget>("stackedWidget"), foreignTree));
    QVERIFY(!drop(QStringLiteral("OPT-100"), child<QStackedWidget>("stackedWidget"), nullptr));
    QVERIFY(m_loop->deviceList().isEmpty());

    QMimeData mime;
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    m_loop->source = foreignTree;
    QApplication::sendEvent(m_loop, &enter);
    QVERIFY(!enter.isAccepted());
    m_loop->source = tree();
    QDragEnterEvent ours(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_loop, &ours);
    QVERIFY(ours.isAccepted());
}

void TestLoopWidget::lengthValidationMarksTheSpinBoxes()
{
    auto *length = child<QSpinBox>("loopLengthSpinBox");
    auto *start = child<QSpinBox>("distStartSpinBox");
    auto *end = child<QSpinBox>("distEndSpinBox");
    const QString tip =
        QStringLiteral("Distance to first device + distance to last device exceeds total loop length.");
    length->setValue(100);
    start->setValue(60);
    end->setValue(50);
    for (QSpinBox *box : {length, start, end}) {
        QCOMPARE(box->property("fault").toBool(), true);
        QCOMPARE(box->toolTip(), tip);
    }
    length->setValue(110);
    for (QSpinBox *box : {length, start, end}) {
        QCOMPARE(box->property("fault").toBool(), false);
        QCOMPARE(box->toolTip(), QString());
    }
}

void TestLoopWidget::typedLengthBeyondItsRangeIsCapped()
{
    m_loop->applyDevices({{QStringLiteral("OPT-100"), 10}});
    auto *length = child<QSpinBox>("loopLengthSpinBox");
    length->setValue(2500);
    const QString at2500 = text("voltageDropValueLabel");
    length->setValue(500);
    length->setFocus();
    length->selectAll();
    QTest::keyClicks(length, QStringLiteral("3000"));
    // Not 300: the last digit is not dropped, the value is capped and said so.
    QCOMPARE(length->value(), 2500);
    QCOMPARE(text("voltageDropValueLabel"), at2500);
    QCOMPARE(RangeGuard::lastMessage(),
             QStringLiteral("3000 m is above the maximum; 2500 m is used.\nAllowed range: 100 m to 2500 m."));
}

void TestLoopWidget::sliderAndSpinBoxFollowEachOther()
{
    m_loop->applyDevices({{QStringLiteral("OPT-100"), 10}});
    auto *slider = child<QSlider>("distrFactorSlider");
    auto *spinBox = child<QSpinBox>("distrFactorSpinBox");
    const QString before = text("voltageDropValueLabel");
    slider->setValue(40);
    QCOMPARE(spinBox->value(), 40);
    const QString at40 = text("voltageDropValueLabel");
    QVERIFY(at40 != before);
    spinBox->setValue(70);
    QCOMPARE(slider->value(), 70);
    QVERIFY(text("voltageDropValueLabel") != at40);
}

void TestLoopWidget::resetAnsweredNoChangesNothing()
{
    m_loop->applyLoopValues({QStringLiteral("0,5 mm2 (21 AWG)"), QStringLiteral("B"), QStringLiteral("30"),
                             QStringLiteral("800"), QStringLiteral("20"), QStringLiteral("40")});
    m_loop->applyDevices({{QStringLiteral("OPT-100"), 4}});
    const QString drop = text("voltageDropValueLabel");
    QSignalSpy currents(m_loop, &LoopWidget::updateLoopCurrents);
    MessageBox::setNextAnswer(QMessageBox::No);
    QTest::mouseClick(child<QPushButton>("resetLoopButton"), Qt::LeftButton);
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Question);
    QCOMPARE(shown.first().title, QStringLiteral("Reset Loop Values"));
    QCOMPARE(shown.first().text,
             QStringLiteral(
                 "Are you sure you want to reset all loop values to default? This will remove all devices "
                 "from the loop and reset all cable and topology settings."));
    QCOMPARE(currents.count(), 0);
    QCOMPARE(m_loop->cableTypeText(), QStringLiteral("0,5 mm2 (21 AWG)"));
    QCOMPARE(m_loop->topologyCode(), QStringLiteral("B"));
    QCOMPARE(m_loop->loopLengthValue(), 800);
    QCOMPARE(m_loop->deviceList().size(), 1);
    QCOMPARE(text("voltageDropValueLabel"), drop);
}

void TestLoopWidget::resetAnsweredYesRestoresDefaults()
{
    m_loop->applyLoopValues({QStringLiteral("0,5 mm2 (21 AWG)"), QStringLiteral("B"), QStringLiteral("30"),
                             QStringLiteral("100"), QStringLiteral("60"), QStringLiteral("50")});
    m_loop->applyDevices({{QStringLiteral("OPT-100"), 4}});
    QSignalSpy currents(m_loop, &LoopWidget::updateLoopCurrents);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>("resetLoopButton"), Qt::LeftButton);
    QCOMPARE(m_loop->cableTypeText(), QStringLiteral("1,5 mm2 (16 AWG)"));
    QCOMPARE(m_loop->topologyCode(), QStringLiteral("A"));
    QCOMPARE(m_loop->distributionFactorValue(), 100.0);
    QCOMPARE(m_loop->loopLengthValue(), 500);
    QCOMPARE(m_loop->startDistanceValue(), 0);
    QCOMPARE(m_loop->endDistanceValue(), 0);
    QVERIFY(m_loop->deviceList().isEmpty());
    QCOMPARE(child<QListWidget>("devInLoopListWidget")->count(), 0);
    QCOMPARE(child<QSpinBox>("distEndSpinBox")->property("fault").toBool(), false);
    QVERIFY(!currents.isEmpty());
    QCOMPARE(currents.last().at(1).toDouble(), 0.0);
    QCOMPARE(text("voltageDropValueLabel"), QStringLiteral("0.0000000 V"));
}

void TestLoopWidget::applyLoopValues_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("cable");
    QTest::addColumn<QString>("topology");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QVector<int>>("lengths");
    QTest::newRow("class A") << QStringList{"2,5 mm2 (14 AWG)", "A", "75", "1200", "30", "40"}
                             << "2,5 mm2 (14 AWG)"
                             << "A" << 75.0 << QVector<int>{1200, 30, 40};
    QTest::newRow("code B") << QStringList{"4 mm2 (12 AWG)", "B", "40", "500", "0", "0"} << "4 mm2 (12 AWG)"
                            << "B" << 40.0 << QVector<int>{500, 0, 0};
    QTest::newRow("any other code is B")
        << QStringList{"4 mm2 (12 AWG)", "a", "40", "500", "0", "0"} << "4 mm2 (12 AWG)"
        << "B" << 40.0 << QVector<int>{500, 0, 0};
    QTest::newRow("unknown cable keeps the selection, factor truncated")
        << QStringList{"9 mm2", "A", "55.9", "600", "10", "20"} << "1,5 mm2 (16 AWG)"
        << "A" << 55.0 << QVector<int>{600, 10, 20};
    QTest::newRow("spin boxes clamp")
        << QStringList{"1 mm2 (18 AWG)", "A", "250", "99999", "-5", "20000"} << "1 mm2 (18 AWG)"
        << "A" << 100.0 << QVector<int>{2500, 0, 10000};
    QTest::newRow("non-finite factor is left alone")
        << QStringList{"1 mm2 (18 AWG)", "A", "inf", "500", "0", "0"} << "1 mm2 (18 AWG)"
        << "A" << 100.0 << QVector<int>{500, 0, 0};
}

void TestLoopWidget::applyLoopValues()
{
    QFETCH(QStringList, values);
    QFETCH(QString, cable);
    QFETCH(QString, topology);
    QFETCH(double, factor);
    QFETCH(QVector<int>, lengths);
    m_loop->applyLoopValues(values);
    QCOMPARE(m_loop->cableTypeText(), cable);
    QCOMPARE(m_loop->topologyCode(), topology);
    QCOMPARE(child<QRadioButton>("topologyTypeBRadioButton")->isChecked(), topology == QLatin1String("B"));
    QCOMPARE(m_loop->distributionFactorValue(), factor);
    QCOMPARE(
        (QVector<int>{m_loop->loopLengthValue(), m_loop->startDistanceValue(), m_loop->endDistanceValue()}),
        lengths);
}

void TestLoopWidget::applyDevicesWithAnEmptyMapSignalsTheEmptyLoop()
{
    m_loop->applyDevices({{QStringLiteral("OPT-100"), 3}, {QStringLiteral("WS-1 (loop)"), 2}});
    QCOMPARE(text("totalAddressesValueLabel"), QStringLiteral("5"));
    QSignalSpy currents(m_loop, &LoopWidget::updateLoopCurrents);
    m_loop->applyDevices({});
    QCOMPARE(currents.count(), 1);
    QCOMPARE(currents.first().at(0).toDouble(), 0.0);
    QCOMPARE(currents.first().at(1).toDouble(), 0.0);
    QCOMPARE(text("totalAddressesValueLabel"), QStringLiteral("0"));
    QVERIFY(m_loop->deviceList().isEmpty());
    // A map whose quantities are all 0 leaves the loop empty just the same.
    m_loop->applyDevices({{QStringLiteral("OPT-100"), 3}});
    currents.clear();
    m_loop->applyDevices({{QStringLiteral("OPT-100"), 0}});
    QCOMPARE(currents.count(), 1);
    QCOMPARE(text("totalAddressesValueLabel"), QStringLiteral("0"));
}

void TestLoopWidget::faultStateIsSignalledOnceAndBeforeTheCurrents()
{
    QStringList events;
    connect(m_loop, &LoopWidget::loopFaultChanged, this,
            [&events](bool fault) { events << (fault ? QStringLiteral("fault") : QStringLiteral("ok")); });
    connect(m_loop, &LoopWidget::updateLoopCurrents, this,
            [&events] { events << QStringLiteral("currents"); });
    // No panel limits yet: any device breaks the address and current checks.
    // The loop computes once, after the device list has been rebuilt.
    m_loop->applyDevices({{QStringLiteral("OPT-100"), 2}});
    QCOMPARE(events, (QStringList{"fault", "currents"}));
    QCOMPARE(child<QLabel>("faultsLabel")->property("fault").toBool(), true);
    QCOMPARE(child<QLabel>("totalAddressesValueLabel")->property("fault").toBool(), true);
    QCOMPARE(child<QLabel>("alarmCurrentValueLabel")->property("fault").toBool(), true);
    QCOMPARE(child<QLabel>("voltageDropValueLabel")->property("fault").toBool(), false);
    events.clear();
    m_loop->onPanelChanged(127, 0.0, 0.5, false);
    QCOMPARE(events, QStringList{"ok"});
    QCOMPARE(child<QLabel>("faultsLabel")->property("fault").toBool(), false);
    QCOMPARE(child<QLabel>("totalAddressesValueLabel")->property("fault").toBool(), false);
    QCOMPARE(text("faultsLabel"), QStringLiteral("Loop setup OK."));
    // Address fault only, which stays through further edits.
    events.clear();
    m_loop->onPanelChanged(1, 0.0, 0.5, false);
    emit m_loop->addDevice(QStringLiteral("OPT-100"));
    child<QComboBox>("cableTypeComboBox")->setCurrentIndex(0);
    QCOMPARE(events, (QStringList{"fault", "currents"}));
    QCOMPARE(child<QLabel>("alarmCurrentValueLabel")->property("fault").toBool(), false);
    QVERIFY(text("faultsLabel").startsWith(QStringLiteral("Total addresses exceed the maximum of 1.")));
}

// Panel limits start at stage C (no currents); the sounder share starts stage
// A once per sounder row.
void TestLoopWidget::triggersStartTheRightStage()
{
    m_loop->applyDevices({{QStringLiteral("OPT-100"), 2}, {QStringLiteral("WS-1 (loop)"), 3}});
    QSignalSpy currents(m_loop, &LoopWidget::updateLoopCurrents);
    m_loop->onPanelChanged(127, 0.0, 0.5, true);
    QCOMPARE(currents.count(), 0);
    m_loop->onSoundersActiveChanged(0.5);
    QCOMPARE(currents.count(), 1);
    // 2 * 0.005 + 2 sounding * 0.012 + 1 idle * 0.0005 + 0.026
    QCOMPARE(text("alarmCurrentValueLabel"), QStringLiteral("0.0605000 A"));
    QCOMPARE(currents.last().at(1).toDouble(), 2 * 0.005 + 2 * 0.012 + 0.0005 + 0.026);
    // Cable and topology edits start at stage B: no currents either.
    child<QComboBox>("cableTypeComboBox")->setCurrentIndex(0);
    QTest::mouseClick(child<QRadioButton>("topologyTypeBRadioButton"), Qt::LeftButton);
    QCOMPARE(m_loop->topologyCode(), QStringLiteral("B"));
    QCOMPARE(currents.count(), 1);
}

// Whatever the order of edits, the labels hold what the core computes in one go.
void TestLoopWidget::figuresMatchTheCore()
{
    m_loop->onPanelChanged(127, 0.01, 0.45, true);
    m_loop->onSoundersActiveChanged(0.3);
    m_loop->applyDevices({{QStringLiteral("OPT-100"), 40},
                          {QStringLiteral("HEAT-200"), 12},
                          {QStringLiteral("BEAM-50"), 4},
                          {QStringLiteral("WS-1 (loop)"), 25},
                          {QStringLiteral("MOD-IO"), 6}});
    m_loop->applyLoopValues({QStringLiteral("0,75 mm2 (19 AWG)"), QStringLiteral("B"), QStringLiteral("60"),
                             QStringLiteral("1200"), QStringLiteral("100"), QStringLiteral("200")});
    m_loop->computeLoopTotals();
    const LoopConfig config = m_loop->config();
    QCOMPARE(config.topology, Topology::DegradedMode);
    const LoopCalc::LoopResults expected = LoopCalc::computeLoop(
        config, LoopCalc::resolveDevices(config.devices, *m_catalogue), m_loop->limits(), 0.3, *m_catalogue);
    const LoopCalc::LoopResults shown = m_loop->displayedResults();
    QCOMPARE(shown.addresses, expected.addresses);
    QCOMPARE(text("idleCurrentValueLabel"), Display::amperes(expected.idleCurrent));
    QCOMPARE(text("alarmCurrentValueLabel"), Display::amperes(expected.alarmCurrent));
    QCOMPARE(text("voltageDropValueLabel"), Display::volts(expected.voltageDrop));
    QCOMPARE(text("maxVoltageDropValueLabel"), Display::volts(expected.maxVoltageDrop));
    QCOMPARE(text("maxCurrentValueLabel"), Display::amperes(expected.maxCurrent));
    // Its tool tip names the cable's own limit beside the panel's 0.45 A.
    const LoopCalc::Circuit circuit =
        LoopCalc::circuit(config, LoopCalc::resolveDevices(config.devices, *m_catalogue), *m_catalogue);
    const double cableLimit = LoopCalc::maxCurrent(config.topology, circuit, expected.maxVoltageDrop, 1e9);
    QVERIFY(cableLimit > 0 && cableLimit < 1e9);
    QCOMPARE(child<QLabel>("maxCurrentValueLabel")->toolTip(), FigureExplanations::maxCurrent(cableLimit, 0.45));
}

void TestLoopWidget::reportTextsAndDegradedCheck()
{
    m_loop->onPanelChanged(127, 0.0, 0.5, false);
    m_loop->applyDevices({{QStringLiteral("MOD-IO"), 1}, {QStringLiteral("BEAM-50"), 1}});
    QCOMPARE(m_loop->faultReportText(), QString());
    QVERIFY(m_loop->noteReportText().startsWith(QStringLiteral("INSTALLATION NOTE:")));
    QVERIFY(
        m_loop->noteReportText().contains(QStringLiteral("POWER REQUIREMENT: The following devices require "
                                                         "external 24V power supply: MOD-IO.")));
    QVERIFY(m_loop->isDegradedModeOk());
    // 250 sounders overload the loop in any topology.
    m_loop->applyDevices({{QStringLiteral("WS-1 (loop)"), 250}});
    QVERIFY(!m_loop->isDegradedModeOk());
    QVERIFY(m_loop->faultReportText().startsWith(QStringLiteral("CRITICAL: Address limit exceeded.")));
    QVERIFY(m_loop->faultReportText().endsWith(QStringLiteral("reduce loop load: WS-1 (loop).")));
}

void TestLoopWidget::duplicateButtonSignals()
{
    QSignalSpy spy(m_loop, &LoopWidget::duplicateLoopRequested);
    QTest::mouseClick(child<QPushButton>("duplicateLoopButton"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

namespace
{
// What a window system sends for a double-click.
void doubleClick(QTreeWidget *tree, QTreeWidgetItem *item)
{
    QWidget *viewport = tree->viewport();
    const QPoint at = tree->visualItemRect(item).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}

QStringList shownTreeTexts(QTreeWidget *tree)
{
    QStringList shown;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        bool visible = !(*it)->isHidden();
        for (QTreeWidgetItem *p = (*it)->parent(); p && visible; p = p->parent())
            visible = !p->isHidden();
        if (visible)
            shown << (*it)->text(0);
    }
    return shown;
}
} // namespace

void TestLoopWidget::keyboardAddsOneUnitLikeADrop_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("double-click") << "double-click";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Return") << "Return";
}

void TestLoopWidget::keyboardAddsOneUnitLikeADrop()
{
    QFETCH(QString, how);
    // What a drop does, as the reference.
    QSignalSpy dropAdds(m_loop, &LoopWidget::addDevice);
    QSignalSpy dropCurrents(m_loop, &LoopWidget::updateLoopCurrents);
    QVERIFY(drop(QStringLiteral("OPT-100"), child<QStackedWidget>("stackedWidget"), tree()));
    const LoopCalc::LoopResults afterDrop = m_loop->displayedResults();
    const QList<QVariant> dropCurrentArgs = dropCurrents.last();
    m_loop->applyDevices({});

    QTreeWidgetItem *item =
        tree()->findItems(QStringLiteral("OPT-100"), Qt::MatchExactly | Qt::MatchRecursive).first();
    const auto add = [&](QTreeWidgetItem *target) {
        tree()->setCurrentItem(target);
        if (how == QLatin1String("double-click")) {
            doubleClick(tree(), target);
        } else {
            tree()->setFocus();
            QTest::keyClick(tree(), how == QLatin1String("Enter") ? Qt::Key_Enter : Qt::Key_Return);
        }
    };
    QSignalSpy adds(m_loop, &LoopWidget::addDevice);
    QSignalSpy currents(m_loop, &LoopWidget::updateLoopCurrents);
    add(item);
    QCOMPARE(adds.count(), 1);
    QCOMPARE(adds.first().first().toString(), QStringLiteral("OPT-100"));
    QCOMPARE(currents.count(), 1);
    QCOMPARE(currents.first(), dropCurrentArgs);
    QCOMPARE(m_loop->displayedResults().addresses, afterDrop.addresses);
    QCOMPARE(m_loop->displayedResults().alarmCurrent, afterDrop.alarmCurrent);
    QCOMPARE(m_loop->deviceList(), (QVector<QPair<QString, int>>{{QStringLiteral("OPT-100"), 1}}));

    add(item);
    QCOMPARE(m_loop->deviceList(), (QVector<QPair<QString, int>>{{QStringLiteral("OPT-100"), 2}}));

    // A category or subcategory is not a device: nothing is added.
    adds.clear();
    add(tree()->topLevelItem(0));
    add(item->parent());
    QCOMPARE(adds.count(), 0);
    QCOMPARE(m_loop->deviceList(), (QVector<QPair<QString, int>>{{QStringLiteral("OPT-100"), 2}}));
}

void TestLoopWidget::keyboardRespectsTheCapAndTheBeamNote()
{
    QTreeWidgetItem *beamItem =
        tree()->findItems(QStringLiteral("BEAM-50"), Qt::MatchExactly | Qt::MatchRecursive).first();
    m_loop->applyDevices({{QStringLiteral("BEAM-50"), 20}});
    QVERIFY(!text("notesLabel").contains(QStringLiteral("more than 20 beam")));
    tree()->setCurrentItem(beamItem);
    tree()->setFocus();
    QTest::keyClick(tree(), Qt::Key_Return);
    QCOMPARE(m_loop->deviceList().value(0).second, 21);
    QVERIFY2(text("notesLabel").contains(QStringLiteral("Warning: using more than 20 beam detectors")),
             qPrintable(text("notesLabel")));

    // At 250 a further unit is refused, as a drop is: nothing is signalled.
    m_loop->applyDevices({{QStringLiteral("BEAM-50"), 250}});
    QSignalSpy currents(m_loop, &LoopWidget::updateLoopCurrents);
    tree()->setCurrentItem(beamItem);
    QTest::keyClick(tree(), Qt::Key_Enter);
    doubleClick(tree(), beamItem);
    QCOMPARE(currents.count(), 0);
    QCOMPARE(m_loop->deviceList().value(0).second, 250);
}

void TestLoopWidget::typedQuantityAndTabToItsRow()
{
    const auto select = [&](const char *name) {
        tree()->setCurrentItem(
            tree()->findItems(QLatin1String(name), Qt::MatchExactly | Qt::MatchRecursive).first());
        tree()->setFocus();
    };
    const auto quantities = [&] {
        QStringList out;
        for (const auto &entry : m_loop->deviceList())
            out << entry.first + QLatin1Char('=') + QString::number(entry.second);
        return out.join(QLatin1Char(','));
    };
    // A first row, so that the row added next is not the first one.
    select("HEAT-200");
    QTest::keyClick(tree(), Qt::Key_Return);
    QCOMPARE(quantities(), QStringLiteral("HEAT-200=1"));

    // Digits then Enter: that many at once, as one change of the row.
    select("OPT-100");
    QSignalSpy changes(m_loop, &LoopWidget::updateLoopCurrents);
    QTest::keyClicks(tree(), QStringLiteral("012"));
    QCOMPARE(m_loop->deviceList().size(), 1); // nothing added while typing
    QTest::keyClick(tree(), Qt::Key_Return);
    QCOMPARE(quantities(), QStringLiteral("HEAT-200=1,OPT-100=12"));
    QVERIFY(changes.count() <= 2); // the new row, then its quantity

    // Tab reaches the quantity of the row just added.
    QTest::keyClick(tree(), Qt::Key_Tab);
    auto *list = child<QListWidget>("devInLoopListWidget");
    QSpinBox *added = nullptr;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toString() == QLatin1String("OPT-100"))
            added = list->itemWidget(list->item(i))->findChild<QSpinBox *>("quantitySpinBox");
    QVERIFY(added);
    QVERIFY2(added == QApplication::focusWidget() || added->isAncestorOf(QApplication::focusWidget()),
             qPrintable(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none"));

    // Onto an existing row; Backspace takes a digit back, Esc drops them all.
    select("OPT-100");
    QTest::keyClicks(tree(), QStringLiteral("39"));
    QTest::keyClick(tree(), Qt::Key_Backspace);
    QTest::keyClick(tree(), Qt::Key_Enter);
    QCOMPARE(quantities(), QStringLiteral("HEAT-200=1,OPT-100=15"));
    QTest::keyClicks(tree(), QStringLiteral("7"));
    QTest::keyClick(tree(), Qt::Key_Escape);
    QTest::keyClick(tree(), Qt::Key_Return);
    QCOMPARE(quantities(), QStringLiteral("HEAT-200=1,OPT-100=16"));
    // More than a row holds stops at its top.
    QTest::keyClicks(tree(), QStringLiteral("9999"));
    QTest::keyClick(tree(), Qt::Key_Return);
    QCOMPARE(quantities(), QStringLiteral("HEAT-200=1,OPT-100=250"));
}

void TestLoopWidget::filterNarrowsTheTree_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("by name, any case") << "heat" << QStringList{"Detectors (0)", "Heat (0)", "HEAT-200"};
    QTest::newRow("by category") << "mod" << QStringList{"Modules (0)", "IO (0)", "MOD-IO"};
    QTest::newRow("by subcategory") << "beam" << QStringList{"Detectors (0)", "Beam (0)", "BEAM-50"};
    QTest::newRow("by description") << "powered from" << QStringList{"Sounders and beacons (0)", "WS-1 (loop)"};
    QTest::newRow("every word must match") << "det 100" << QStringList{"Detectors (0)", "Optical smoke (0)", "OPT-100"};
    QTest::newRow("hidden devices stay hidden") << "hidden" << QStringList{};
    QTest::newRow("no match") << "xyz" << QStringList{};
}

void TestLoopWidget::filterNarrowsTheTree()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);
    Descriptions descriptions;
    QCoreApplication::installTranslator(&descriptions);
    const QStringList everything = shownTreeTexts(tree());
    QCOMPARE(everything.size(), 13); // 3 categories, 4 subcategories, 6 devices

    QLineEdit *field = m_loop->deviceFilterField();
    QVERIFY(field);
    QLabel *noMatch = child<QLabel>("devFilterNoMatchLabel");
    QTest::keyClicks(field, filter);
    QCOMPARE(shownTreeTexts(tree()), shown);
    // An empty tree says why.
    QCOMPARE(noMatch->isVisible(), shown.isEmpty());
    if (shown.isEmpty())
        QCOMPARE(noMatch->text(), QStringLiteral("No device matches \"%1\".").arg(filter));

    field->clear();
    QCOMPARE(shownTreeTexts(tree()), everything);
    QVERIFY(!noMatch->isVisible());
    QCoreApplication::removeTranslator(&descriptions);
}

void TestLoopWidget::filterKeys()
{
    QLineEdit *field = m_loop->deviceFilterField();
    m_loop->activateWindow();
    tree()->setFocus();
    QTest::keyClick(tree(), Qt::Key_F, Qt::ControlModifier);
    QTRY_VERIFY(field->hasFocus());

    QTest::keyClicks(field, QStringLiteral("heat"));
    QCOMPARE(shownTreeTexts(tree()).size(), 3);
    // Enter in the field goes to the first match; Enter there adds it.
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(tree()->hasFocus());
    QCOMPARE(tree()->currentItem()->text(0), QStringLiteral("HEAT-200"));
    QTest::keyClick(tree(), Qt::Key_Return);
    QCOMPARE(m_loop->deviceList(), (QVector<QPair<QString, int>>{{QStringLiteral("HEAT-200"), 1}}));

    // A device hidden by the filter cannot be added by a stray Enter.
    field->setText(QStringLiteral("mod"));
    QVERIFY(!tree()->currentItem() || !tree()->currentItem()->isHidden());

    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    QCOMPARE(field->text(), QString());
    QCOMPARE(shownTreeTexts(tree()).size(), 13);

    // Esc in the tree clears the filter as well.
    field->setText(QStringLiteral("opt"));
    tree()->setFocus();
    QTest::keyClick(tree(), Qt::Key_Escape);
    QCOMPARE(field->text(), QString());
    QCOMPARE(shownTreeTexts(tree()).size(), 13);
    // The clear button fades out with an animation that has no parent; a
    // field destroyed before it ends leaves it behind, which the leak
    // checker of the sanitizer run reports.
    QTest::qWait(400);
}


namespace
{

// The same edits, as the container and the session send them.
void runEdits(LoopWidget *loop, int edits)
{
    LoopConfig config;
    switch (edits) {
    case 0: // a whole loop with values its fields cap, and a cable no entry shows
        loop->onPanelChanged(127, 0.01, 0.45, true);
        config.cableType = QStringLiteral("9 mm2");
        config.topology = Topology::DegradedMode;
        config.distributionFactor = 140;
        config.loopLength = 99999;
        config.startDistance = -3;
        config.endDistance = 20000;
        config.devices = {{QStringLiteral("OPT-100"), 400}, {QStringLiteral("MCP-1"), 0},
                          {QStringLiteral("WS-1 (loop)"), 30}, {QStringLiteral("NOT-IN-CATALOGUE"), 2}};
        loop->applyConfig(config);
        break;
    case 1: // shown texts, a short list, a factor that is no number; then the sounder share
        loop->onPanelChanged(127, 0.0, 0.5, false);
        loop->applyDevices({{QStringLiteral("WS-1 (loop)"), 40}, {QStringLiteral("BEAM-50"), 3}});
        loop->applyLoopValues({QStringLiteral("0,5 mm2 (21 AWG)"), QStringLiteral("B"), QStringLiteral("x")});
        loop->applyLoopValues({QStringLiteral("4 mm2 (12 AWG)"), QStringLiteral("A"), QStringLiteral("37.8"),
                               QStringLiteral("2000"), QStringLiteral("700"), QStringLiteral("1500")});
        loop->onSoundersActiveChanged(0.25);
        break;
    case 2: // faults from the panel's limits, then the same loop once more and settings alone
        loop->onPanelChanged(3, 0.0, 0.05, false);
        config.devices = {{QStringLiteral("OPT-100"), 10}, {QStringLiteral("MOD-IO"), 2}};
        loop->applyConfig(config);
        loop->applyConfig(config);
        config.cableType = QStringLiteral("1 mm2 (18 AWG)");
        config.distributionFactor = 0;
        loop->applySettings(config);
        break;
    default: // a source text given over a shown one, devices cleared
        loop->applyLoopValues({QStringLiteral("0,75 mm2 (19 AWG)")});
        loop->applyDevices({{QStringLiteral("HEAT-200"), 5}});
        loop->applyDevices({});
        break;
    }
}

} // namespace

void TestLoopWidget::unbuiltLoopAnswersAsItsForm_data()
{
    QTest::addColumn<int>("edits");
    QTest::newRow("capped values") << 0;
    QTest::newRow("texts and sounders") << 1;
    QTest::newRow("panel limits and settings") << 2;
    QTest::newRow("cleared") << 3;
}

// A loop tab never shown keeps no form; everything read from it, and the
// form it builds at last, must be what a loop with its form shows.
void TestLoopWidget::unbuiltLoopAnswersAsItsForm()
{
    QFETCH(int, edits);
    LoopWidget unbuilt(m_catalogue);
    QVERIFY(!unbuilt.isPageBuilt());
    QVERIFY(m_loop->isPageBuilt());
    QSignalSpy unbuiltCurrents(&unbuilt, &LoopWidget::updateLoopCurrents);
    QSignalSpy builtCurrents(m_loop, &LoopWidget::updateLoopCurrents);
    runEdits(m_loop, edits);
    runEdits(&unbuilt, edits);
    QVERIFY(!unbuilt.isPageBuilt());

    QCOMPARE(unbuilt.config(), m_loop->config());
    QCOMPARE(unbuilt.deviceList(), m_loop->deviceList());
    QCOMPARE(unbuilt.topologyCode(), m_loop->topologyCode());
    QCOMPARE(unbuilt.distributionFactorValue(), m_loop->distributionFactorValue());
    QCOMPARE(unbuilt.hasFault(), m_loop->hasFault());
    QCOMPARE(unbuilt.faultSummary(), m_loop->faultSummary());
    QCOMPARE(unbuilt.faultReportText(), m_loop->faultReportText());
    QCOMPARE(unbuilt.noteReportText(), m_loop->noteReportText());
    QCOMPARE(unbuilt.isDegradedModeOk(), m_loop->isDegradedModeOk());
    QCOMPARE(unbuiltCurrents.isEmpty(), builtCurrents.isEmpty());
    if (!builtCurrents.isEmpty())
        QCOMPARE(unbuiltCurrents.last(), builtCurrents.last());

    QWidget *page = unbuilt.page();
    QVERIFY(unbuilt.isPageBuilt());
    QCOMPARE(unbuilt.config(), m_loop->config());
    const char *const labels[] = {"totalAddressesValueLabel", "idleCurrentValueLabel", "alarmCurrentValueLabel",
                                  "voltageDropValueLabel",    "maxVoltageDropValueLabel", "maxCurrentValueLabel",
                                  "faultsLabel",              "notesLabel"};
    for (const char *name : labels) {
        const QLabel *built = child<QLabel>(name);
        const QLabel *late = page->findChild<QLabel *>(QLatin1String(name));
        QVERIFY2(late, name);
        QCOMPARE(late->text(), built->text());
        QCOMPARE(late->toolTip(), built->toolTip());
        QCOMPARE(late->property("fault"), built->property("fault"));
    }
    const auto *lengthBox = page->findChild<QSpinBox *>(QStringLiteral("loopLengthSpinBox"));
    QCOMPARE(lengthBox->toolTip(), child<QSpinBox>("loopLengthSpinBox")->toolTip());
    QCOMPARE(lengthBox->property("fault"), child<QSpinBox>("loopLengthSpinBox")->property("fault"));
    QCOMPARE(page->findChild<QSlider *>(QStringLiteral("distrFactorSlider"))->value(),
             child<QSlider>("distrFactorSlider")->value());
    const auto *rows = page->findChild<QListWidget *>(QStringLiteral("devInLoopListWidget"));
    QCOMPARE(rows->count(), child<QListWidget>("devInLoopListWidget")->count());
    // The late form answers edits as any form does.
    unbuiltCurrents.clear();
    page->findChild<QComboBox *>(QStringLiteral("cableTypeComboBox"))->setCurrentIndex(5);
    child<QComboBox>("cableTypeComboBox")->setCurrentIndex(5);
    QCOMPARE(page->findChild<QLabel *>(QStringLiteral("voltageDropValueLabel"))->text(),
             text("voltageDropValueLabel"));
    QCOMPARE(unbuilt.config(), m_loop->config());
}

// A form built when its tab is first shown must not land at the end of the
// window's Tab order: Tab from the tab bar reaches its fields, and from its
// last field the widgets after the tabs.
void TestLoopWidget::lateFormsKeepTheTabOrder()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *tabs = new QTabWidget;
    layout->addWidget(tabs);
    auto *first = new LoopWidget(m_catalogue);
    auto *second = new LoopWidget(m_catalogue);
    tabs->addTab(first, QStringLiteral("Loop 1"));
    tabs->addTab(second, QStringLiteral("Loop 2"));
    auto *after = new QPushButton(QStringLiteral("After"));
    layout->addWidget(after);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    tabs->setCurrentIndex(1); // the second form is built now
    QVERIFY(first->page() && second->page());

    // The widgets that take focus, in Tab order from the tab bar.
    QVector<QWidget *> order;
    QWidget *bar = tabs->tabBar();
    for (QWidget *w = bar->nextInFocusChain(); w != bar; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus && !bar->isAncestorOf(w)) // not its scroll buttons
            order.append(w);
    const auto last = [&](QWidget *owner) {
        int at = -1;
        for (int i = 0; i < order.size(); ++i)
            if (owner->isAncestorOf(order.at(i)))
                at = i;
        return at;
    };
    const auto firstOf = [&](QWidget *owner) {
        for (int i = 0; i < order.size(); ++i)
            if (owner->isAncestorOf(order.at(i)))
                return i;
        return -1;
    };
    QVERIFY(firstOf(first) == 0);
    QVERIFY(last(first) < firstOf(second));
    QVERIFY(firstOf(second) >= 0);
    QCOMPARE(order.indexOf(after), last(second) + 1);

    // And Tab really goes there: from the second form's last field to the button.
    QWidget *lastField = nullptr;
    for (QWidget *w : qAsConst(order))
        if (second->isAncestorOf(w) && w->isVisible() && w->isEnabled())
            lastField = w;
    QVERIFY(lastField);
    lastField->setFocus();
    QTest::keyClick(lastField, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(after));
}

void TestLoopWidget::userEditsReachTheEditTargetOnce()
{
    QVector<LoopConfig> sent;
    LoopConfig held;
    // The design keeps its own end distance, as a schedule's lengths may.
    m_loop->setEditTarget([&sent, &held](const LoopConfig &config) {
        sent.append(config);
        held = config;
        held.endDistance = 40;
        return &held;
    });

    // Values the program gives are no edit.
    LoopConfig given;
    given.cableType = QStringLiteral("2,5 mm2 (14 AWG)");
    given.devices = {{QStringLiteral("WS-1 (loop)"), 3}, {QStringLiteral("OPT-100"), 2}};
    m_loop->applyConfig(given);
    m_loop->applyLoopValues({QStringLiteral("0,5 mm2 (21 AWG)"), QStringLiteral("B"), QStringLiteral("30")});
    m_loop->applyDevices({{QStringLiteral("WS-1 (loop)"), 5}});
    m_loop->onSoundersActiveChanged(0.5);
    m_loop->onPanelChanged(127, 0.1, 0.5, true);
    QVERIFY(sent.isEmpty());

    // A user's change is one edit, and the loop shows what the design holds.
    child<QSpinBox>("loopLengthSpinBox")->setValue(900);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(sent.last().loopLength, 900);
    QCOMPARE(sent.last().devices, (QMap<QString, int>{{QStringLiteral("WS-1 (loop)"), 5}}));
    QCOMPARE(m_loop->config(), held);
    QCOMPARE(m_loop->endDistanceValue(), 40);

    // A reset sets every control and removes the devices: still one edit.
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>("resetLoopButton"), Qt::LeftButton);
    QCOMPARE(sent.size(), 2);
    LoopConfig fresh;
    fresh.cableType = m_loop->cableTypeText();
    QCOMPARE(sent.last(), fresh);
}

void TestLoopWidget::drawsTheEvaluationItIsGiven()
{
    m_loop->onPanelChanged(127, 0.0, 0.5, false);
    // What a design says of the loop, told apart from anything the loop
    // could work out itself.
    LoopEvaluation designed = LoopEvaluation::evaluate(LoopConfig(), {}, m_loop->limits(), 1.0, *m_catalogue);
    designed.results.addresses = 300;
    designed.totals = {300, 0.0123, 0.0456};
    designed.faults.addresses = true;
    designed.faultsText = QStringLiteral("As the design says.");
    designed.faultReportText = QStringLiteral("Reported as the design says.");
    bool offered = false;
    QStringList events;
    m_loop->setEditTarget([&events](const LoopConfig &) {
        events << QStringLiteral("edit");
        return nullptr;
    });
    m_loop->setEvaluationSource([&] {
        events << QStringLiteral("asked");
        return offered ? &designed : nullptr;
    });
    connect(m_loop, &LoopWidget::loopFaultChanged, this, [&events](bool fault) {
        events << (fault ? QStringLiteral("fault") : QStringLiteral("ok"));
    });
    connect(m_loop, &LoopWidget::updateLoopCurrents, this, [&events](double idle, double alarm) {
        events << QStringLiteral("currents %1 %2").arg(idle).arg(alarm);
    });

    // A new source is asked at once.
    QCOMPARE(events, QStringList{"asked"});
    events.clear();
    // None offered: the loop evaluates what it holds.
    child<QSpinBox>("loopLengthSpinBox")->setValue(900);
    QCOMPARE(events, (QStringList{"edit", "asked"}));
    QCOMPARE(text("faultsLabel"), QStringLiteral("Loop setup OK."));

    // Offered: the edit goes first, then the loop draws and signals what it is given.
    events.clear();
    offered = true;
    emit m_loop->addDevice(QStringLiteral("OPT-100"));
    QCOMPARE(events, (QStringList{"edit", "asked", "fault", "currents 0.0123 0.0456"}));
    QCOMPARE(text("faultsLabel"), designed.faultsText);
    QCOMPARE(text("totalAddressesValueLabel"), QStringLiteral("300"));
    QCOMPARE(child<QLabel>("totalAddressesValueLabel")->property("fault").toBool(), true);
    QCOMPARE(m_loop->faultReportText(), designed.faultReportText);
    QCOMPARE(m_loop->faultSummary(), designed.faultsText);
    // Values the program gives are drawn from it too, and sent nowhere.
    events.clear();
    designed.faults.addresses = false;
    designed.faultsText = QStringLiteral("Fine, the design says.");
    m_loop->onPanelChanged(127, 0.0, 0.5, true);
    QCOMPARE(events, (QStringList{"asked", "ok"}));
    QCOMPARE(text("faultsLabel"), designed.faultsText);
}

QTEST_MAIN(TestLoopWidget)
#include "tst_loopwidget.moc"
