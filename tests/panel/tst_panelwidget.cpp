#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"
#include "editors/panelwidget.h"
#include "panelfixture.h"
#include "widgets/messagebox.h"
#include "widgets/widgetfunctions.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

// The selector text of a name: "-" for none.
static QString orDash(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("-") : name;
}

namespace
{

template <typename T> T *child(QWidget &w, const char *name)
{
    T *found = w.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QString text(QWidget &w, const char *labelName)
{
    return child<QLabel>(w, labelName)->text();
}

QStringList comboItems(QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

// Row widgets are found through the list, not by name: rebuilt lists leave
// their old rows behind until the event loop deletes them.
QWidget *listRow(QWidget &w, const char *listName, int row)
{
    auto *list = child<QListWidget>(w, listName);
    return row < list->count() ? list->itemWidget(list->item(row)) : nullptr;
}

QWidget *cardRow(QWidget &w, const QString &name)
{
    auto *list = child<QListWidget>(w, "auxCardsListWidget");
    for (int i = 0; i < list->count(); ++i) {
        QWidget *row = list->itemWidget(list->item(i));
        if (row->findChild<QLabel *>(QStringLiteral("auxCardNameLabel"))->text() == name)
            return row;
    }
    qFatal("no card row %s", qPrintable(name));
    return nullptr;
}

QCheckBox *cardBox(QWidget &w, const QString &name)
{
    return cardRow(w, name)->findChild<QCheckBox *>(QStringLiteral("auxCardCheckBox"));
}

QPushButton *loopCardButton(QWidget &w, const char *name)
{
    return cardRow(w, QStringLiteral("VRAL-2"))->findChild<QPushButton *>(QString::fromLatin1(name));
}

QStringList toolTipTexts(QWidget &w)
{
    QStringList texts;
    for (MyToolTip *tip : w.findChildren<MyToolTip *>())
        texts << tip->text();
    return texts;
}

void typeInto(QDoubleSpinBox *spin, const QString &value)
{
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, value);
    QTest::keyClick(spin, Qt::Key_Enter);
}

QList<bool> lastFlags(const QSignalSpy &spy)
{
    const QList<QVariant> args = spy.last();
    return {args.at(0).toBool(), args.at(1).toBool(), args.at(2).toBool()};
}

} // namespace

class TestPanelWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void startsOnFirstPanel();
    void loopCardLimits_data();
    void loopCardLimits();
    void addLoopCards();
    void oneOnlyCards();
    void powerCardUncheckResetsSources();
    void outputCurrentsClampAndAdjust();
    void loopCurrentsAndTotals();
    void batteryFaultAndOverload();
    void drawsItsEvaluation();
    void applyConfig();
    void modelChange();
    void reset();
    void disabledSelectorHint();
    void loopRowsSurviveLoopCountChange();
    void loopReportsOutsideTheLoopsInUse();
    void soundersActive();
    void emptyCatalogue();

private:
    CatalogueData data;
};

void TestPanelWidget::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    data = panelTestCatalogue();
}

void TestPanelWidget::init()
{
    MessageBox::setTestMode(true);
}

void TestPanelWidget::startsOnFirstPanel()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QCOMPARE(w.modelName(), QStringLiteral("KX-8000"));
    QCOMPARE(w.currentLoopCount(), 2);
    // 7, 12 and 17 Ah under a 12 Ah model: the internal list stops at 12 Ah,
    // the additional lists hold all three, smallest first.
    QCOMPARE(comboItems(child<QComboBox>(w, "battComboBox")),
             QStringList({"No internal battery", "BAT-7", "BAT-12"}));
    for (const char *name : {"additionalBatt1ComboBox", "additionalBatt2ComboBox"}) {
        QCOMPARE(comboItems(child<QComboBox>(w, name)),
                 QStringList({"No additional battery", "BAT-7", "BAT-12", "BAT-17"}));
        QVERIFY(!child<QComboBox>(w, name)->isEnabled());
    }
    QCOMPARE(comboItems(child<QComboBox>(w, "externalPowerSource1ComboBox")),
             QStringList({"No external power source", "PSU-12", "PSU-7"}));
    QVERIFY(!child<QComboBox>(w, "externalPowerSource1ComboBox")->isEnabled());
    QCOMPARE(w.configuration().idleTime, QStringLiteral("72 h"));
    QCOMPARE(w.configuration().alarmTime, QStringLiteral("30 min"));
    QCOMPARE(w.configuration().batteryDegradation, 20);
    QCOMPARE(w.configuration().soundersActive, 100);
    QCOMPARE(orDash(w.configuration().internalBattery), QStringLiteral("-"));
    QCOMPARE(w.configuration().cards, QStringList());

    // Own consumption only: 0.2 A idle, 0.3 A alarm; 1.25 x (0.5 x 0.3 + 72 x 0.2) = 18.1875
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2000000 A"));
    QCOMPARE(text(w, "totalAlarmCurrentValueLabel"), QStringLiteral("0.3000000 A"));
    QCOMPARE(text(w, "minBattRequiredValueLabel"), QStringLiteral("18.19 Ah"));
    QCOMPARE(text(w, "currentSelectedBattValueLabel"), QStringLiteral("0.00 Ah"));
    QCOMPARE(text(w, "battStatusLabel"),
             QStringLiteral("System needs at least one battery (either internal or external)."));
    QCOMPARE(child<QLabel>(w, "battStatusLabel")->property("fault").toBool(), true);
    QVERIFY(text(w, "totalPwrLoadStatusLabel")
                .endsWith(QStringLiteral("INFO: 6 more loop(s) available. You can "
                                         "install 3 more VRAL card(s) to expand the "
                                         "system.")));
    QCOMPARE(text(w, "externalPowerSourceInfoNotesLabel"),
             QStringLiteral("To use external power sources, install the ORN-PSLINK auxiliary card."));
    // The family card of KX-8 models is offered, in catalogue order.
    QCOMPARE(child<QListWidget>(w, "auxCardsListWidget")->count(), 5);
}

void TestPanelWidget::loopCardLimits_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("loops");
    QTest::newRow("max 8") << "KX-8000" << 3 << 8;
    QTest::newRow("max 7") << "KX-7000" << 2 << 6;
}

void TestPanelWidget::loopCardLimits()
{
    QFETCH(QString, model);
    QFETCH(int, cards);
    QFETCH(int, loops);
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    child<QComboBox>(w, "panelComboBox")->setCurrentText(model);
    QSignalSpy loopsSpy(&w, &PanelWidget::loopsChanged);

    QVERIFY(!loopCardButton(w, "auxCardRemoveButton")->isEnabled());
    for (int i = 1; i <= cards; ++i) {
        QVERIFY(loopCardButton(w, "auxCardAddButton")->isEnabled());
        QTest::mouseClick(loopCardButton(w, "auxCardAddButton"), Qt::LeftButton);
        QCOMPARE(loopsSpy.last().at(0).toInt(), 2 + 2 * i);
    }
    QVERIFY(!loopCardButton(w, "auxCardAddButton")->isEnabled());
    QVERIFY(loopCardButton(w, "auxCardRemoveButton")->isEnabled());
    QCOMPARE(w.currentLoopCount(), loops);
    QCOMPARE(cardRow(w, "VRAL-2")->findChild<QLabel *>("auxCardCountLabel")->text(), QString::number(cards));
    QCOMPARE(child<QListWidget>(w, "individualLoopCurrentsList")->count(), loops);
    QCOMPARE(w.configuration().cards, QVector<QString>(cards, QStringLiteral("VRAL-2")).toList());
    // Each card draws 0.05 A in both states.
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), Display::amperes(0.2 + cards * 0.05));

    QTest::mouseClick(loopCardButton(w, "auxCardRemoveButton"), Qt::LeftButton);
    QCOMPARE(w.currentLoopCount(), loops - 2);
    QVERIFY(loopCardButton(w, "auxCardAddButton")->isEnabled());
}

void TestPanelWidget::addLoopCards()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QSignalSpy loopsSpy(&w, &PanelWidget::loopsChanged);
    QVERIFY(!w.addLoopCards(8)); // 2 + 8 > 8
    QVERIFY(!w.addLoopCards(-2));
    QCOMPARE(loopsSpy.count(), 0);
    QCOMPARE(w.currentLoopCount(), 2);

    QVERIFY(w.addLoopCards(3)); // one card: 3 / 2
    QCOMPARE(w.currentLoopCount(), 4);
    QCOMPARE(loopsSpy.count(), 1);
    QCOMPARE(loopsSpy.last().at(0).toInt(), 4);
    QCOMPARE(w.configuration().cards, QStringList({"VRAL-2"}));
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2500000 A"));
}

void TestPanelWidget::oneOnlyCards()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    w.show();
    QCheckBox *zep1 = cardBox(w, "ZEP-1");
    QCheckBox *zep2 = cardBox(w, "ZEP-2");
    zep1->setChecked(true);
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2300000 A"));

    zep2->setChecked(true); // undone once the change has been processed
    QTRY_VERIFY(!zep2->isChecked());
    QVERIFY(zep1->isChecked());
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2300000 A"));
    QCOMPARE(
        toolTipTexts(w),
        QStringList({"ZEP card already inserted.\nTo insert a new one, please remove the old one first."}));
    QCOMPARE(w.configuration().cards, QStringList({"ZEP-1"}));

    // The undo is silent: the first card still counts as installed, so a
    // second attempt is refused as well.
    zep2->setChecked(true);
    QTRY_VERIFY(!zep2->isChecked());
    QVERIFY(zep1->isChecked());
    QCOMPARE(w.configuration().cards, QStringList({"ZEP-1"}));
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2300000 A"));

    const int hints = w.findChildren<MyToolTip *>().size();
    QCOMPARE(hints, 2);
    zep1->setChecked(false);
    zep2->setChecked(true);
    QTest::qWait(10);
    QVERIFY(zep2->isChecked());
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2400000 A"));
    QCOMPARE(w.findChildren<MyToolTip *>().size(), hints);
}

void TestPanelWidget::powerCardUncheckResetsSources()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    auto *source1 = child<QComboBox>(w, "externalPowerSource1ComboBox");
    auto *source2 = child<QComboBox>(w, "externalPowerSource2ComboBox");
    auto *batt1 = child<QComboBox>(w, "additionalBatt1ComboBox");
    auto *batt2 = child<QComboBox>(w, "additionalBatt2ComboBox");

    cardBox(w, "ORN-PSLINK")->setChecked(true);
    QVERIFY(source1->isEnabled() && source2->isEnabled());
    QVERIFY(!batt1->isEnabled());
    QCOMPARE(text(w, "externalPowerSourceInfoNotesLabel"),
             QStringLiteral("No external power sources information to note."));
    source1->setCurrentText("PSU-7");
    QVERIFY(batt1->isEnabled());
    batt1->setCurrentText("BAT-12"); // does not fit a 7 Ah enclosure
    source2->setCurrentText("PSU-12");
    batt2->setCurrentText("BAT-7");
    QCOMPARE(text(w, "currentSelectedBattValueLabel"), QStringLiteral("19.00 Ah"));
    QCOMPARE(text(w, "externalPowerSourceInfoNotesLabel"),
             QStringLiteral(
                 "The selected external power source 1 (PSU-7) does not fit the selected additional "
                 "battery 1 (BAT-12).\nRecommended external battery boxes to fit the battery:\n - EBB-40, "
                 "EBB-12"));

    cardBox(w, "ORN-PSLINK")->setChecked(false);
    for (QComboBox *combo : {source1, batt1, source2, batt2}) {
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(!combo->isEnabled());
    }
    QCOMPARE(text(w, "currentSelectedBattValueLabel"), QStringLiteral("0.00 Ah"));
    QCOMPARE(orDash(w.configuration().source1), QStringLiteral("-"));
    QCOMPARE(text(w, "externalPowerSourceInfoNotesLabel"),
             QStringLiteral("To use external power sources, install the ORN-PSLINK auxiliary card."));
}

void TestPanelWidget::outputCurrentsClampAndAdjust()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    w.show();
    auto *auxIdle = child<QDoubleSpinBox>(w, "aux24VIdleDSpinBox");
    auto *auxAlarm = child<QDoubleSpinBox>(w, "aux24VAlarmDSpinBox");
    typeInto(auxAlarm, "0.2");
    QCOMPARE(auxAlarm->value(), 0.2);
    QVERIFY(w.findChildren<MyToolTip *>().isEmpty());

    typeInto(auxIdle, "0.6");
    QCOMPARE(auxIdle->value(), 0.5);
    QCOMPARE(auxAlarm->value(), 0.5);
    QCOMPARE(toolTipTexts(w).size(), 2);
    QVERIFY(toolTipTexts(w).contains("Value too high!\nLimited to 0.5000 A by the fuse."));
    QVERIFY(toolTipTexts(w).contains("Alarm value adjusted to match idle current."));
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.7000000 A"));
    QCOMPARE(text(w, "totalAlarmCurrentValueLabel"), QStringLiteral("0.8000000 A"));

    auto *sndIdle = child<QDoubleSpinBox>(w, "snd2IdleDSpinBox");
    auto *sndAlarm = child<QDoubleSpinBox>(w, "snd2AlarmDSpinBox");
    typeInto(sndAlarm, "0.4");
    typeInto(sndIdle, "0.3");
    typeInto(sndAlarm, "0.1");
    QCOMPARE(sndIdle->value(), 0.1);
    QVERIFY(toolTipTexts(w).contains("Idle value adjusted to match alarm current."));
    QCOMPARE(w.configuration().outputs.snd2Alarm, 0.1);
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.8000000 A"));
}

void TestPanelWidget::loopCurrentsAndTotals()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    w.onUpdateLoopCurrents(0, 0.036, 0.072);
    QWidget *row = listRow(w, "individualLoopCurrentsList", 0);
    QCOMPARE(row->findChild<QLabel *>("loopLabel")->text(), QStringLiteral("Loop 1"));
    QCOMPARE(row->findChild<QLabel *>("idleCurrentLabel")->text(), QStringLiteral("0.0550000 A"));
    QCOMPARE(row->findChild<QLabel *>("alarmCurrentLabel")->text(), QStringLiteral("0.1100000 A"));
    // 0.05499999999999999 + 0.2 own consumption
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2550000 A"));
    QCOMPARE(w.evaluation().figures.totalAlarmCurrent, 0.41);
}

void TestPanelWidget::batteryFaultAndOverload()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QSignalSpy faults(&w, &PanelWidget::faultStateChanged);
    w.onUpdateLoopCurrents(0, 0.2, 1.2); // 1.8333333 A alarm on top of 0.3 A: above 2 A
    QCOMPARE(lastFlags(faults), QList<bool>({true, true, false}));
    QCOMPARE(child<QLabel>(w, "totalAlarmCurrentValueLabel")->property("fault").toBool(), true);
    QCOMPARE(child<QLabel>(w, "totalPwrLoadStatusLabel")->property("fault").toBool(), true);
    QCOMPARE(w.powerReportNotes(),
             QStringLiteral(
                 "CRITICAL: No battery configuration detected. The system requires at least one battery "
                 "(internal or external) to provide standby power during mains failure.\n\n"
                 "CRITICAL: Power consumption exceeds panel capacity. System alarm current: 2.13333 A, "
                 "Panel maximum capacity: 2 A. This configuration may cause system malfunction or "
                 "damage."));

    w.onLoopFaultChanged(1, true);
    QCOMPARE(lastFlags(faults), QList<bool>({true, true, true}));
    QCOMPARE(listRow(w, "individualLoopCurrentsList", 1)->property("fault").toBool(), true);

    // 12 Ah inside and 12 Ah outside cover the 21.47 Ah that 72 h need now.
    w.onUpdateLoopCurrents(0, 0.01, 0.1);
    child<QComboBox>(w, "battComboBox")->setCurrentText("BAT-12");
    cardBox(w, "ORN-PSLINK")->setChecked(true);
    child<QComboBox>(w, "externalPowerSource1ComboBox")->setCurrentText("PSU-12");
    child<QComboBox>(w, "additionalBatt1ComboBox")->setCurrentText("BAT-12");
    w.onLoopFaultChanged(1, false);
    QCOMPARE(lastFlags(faults), QList<bool>({false, false, false}));
    QCOMPARE(w.powerReportNotes(), QString());
    QCOMPARE(text(w, "battStatusLabel"), QStringLiteral("Battery autonomy OK."));

    // "48 h" stays sufficient here but no longer follows EN 54.
    child<QComboBox>(w, "idleTimeComboBox")->setCurrentText("48 h");
    QCOMPARE(text(w, "battStatusLabel"),
             QStringLiteral(
                 "Battery autonomy OK.\n\nPlease note the current selected idle time does not follow EN "
                 "54."));
    QVERIFY(w.externalPowerReportNotes().startsWith("COMPLIANCE NOTE: The selected idle time (48 h)"));

    // Overloaded, then a model without loops: its total (0.3 A of its own) is
    // not judged, and the old overload mark goes with the old loops.
    w.onUpdateLoopCurrents(0, 0.2, 1.2);
    QCOMPARE(child<QLabel>(w, "totalAlarmCurrentValueLabel")->property("fault").toBool(), true);
    faults.clear();
    child<QComboBox>(w, "panelComboBox")->setCurrentText("KX-0100");
    QCOMPARE(text(w, "totalAlarmCurrentValueLabel"), QStringLiteral("0.3000000 A"));
    QCOMPARE(text(w, "totalPwrLoadStatusLabel"),
             QStringLiteral("No loops available. Install VRAL cards to add loops to the panel."));
    QCOMPARE(child<QLabel>(w, "totalPwrLoadStatusLabel")->property("fault").toBool(), true);
    QCOMPARE(child<QLabel>(w, "totalAlarmCurrentValueLabel")->property("fault").toBool(), false);
    QCOMPARE(lastFlags(faults).at(1), true);
}

void TestPanelWidget::drawsItsEvaluation()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    const auto drawsEvaluation = [&] {
        const PanelEvaluation e = PanelEvaluation::evaluate(w.input(), catalogue);
        QCOMPARE(text(w, "totalIdleCurrentValueLabel"), e.totalIdleCurrentText());
        QCOMPARE(text(w, "totalAlarmCurrentValueLabel"), e.totalAlarmCurrentText());
        QCOMPARE(text(w, "minBattRequiredValueLabel"), e.minimumBatteryRequiredText());
        QCOMPARE(text(w, "currentSelectedBattValueLabel"), e.selectedTotalBatteryText());
        QCOMPARE(text(w, "battStatusLabel"), e.battery.text);
        QCOMPARE(text(w, "totalPwrLoadStatusLabel"), e.powerLoad.text);
        QCOMPARE(w.computeFaultFlags().any(), e.flags.any());
    };
    drawsEvaluation();
    // Degradation, a battery, a loop report, a card: each edit draws the evaluation anew.
    child<QSpinBox>(w, "battDegradationSpinBox")->setValue(0);
    QCOMPARE(text(w, "minBattRequiredValueLabel"), QStringLiteral("14.55 Ah")); // 0.5 x 0.3 + 72 x 0.2
    drawsEvaluation();
    child<QComboBox>(w, "battComboBox")->setCurrentText("BAT-12");
    QCOMPARE(w.configuration().internalBattery, QStringLiteral("BAT-12"));
    QVERIFY(text(w, "battStatusLabel").startsWith("Total battery of the setup does not reach"));
    drawsEvaluation();
    w.onUpdateLoopCurrents(0, 0.1, 0.2);
    drawsEvaluation();
    loopCardButton(w, "auxCardAddButton")->click();
    QCOMPARE(w.configuration().loopCards(), 1);
    drawsEvaluation();

    // Offered the design's evaluation of what it holds, the page draws that.
    PanelEvaluation designed = PanelEvaluation::evaluate(w.input(), catalogue);
    designed.battery.text = QStringLiteral("As the design says.");
    PanelInput asked;
    w.setEvaluationSource([&](const PanelInput &input) {
        asked = input;
        return &designed;
    });
    w.onUpdateLoopCurrents(1, 0.05, 0.07);
    QCOMPARE(asked.loopCurrents.value(1), PanelCalculation::scaledLoopCurrents(0.05, 0.07));
    QCOMPARE(asked.config, w.configuration());
    QCOMPARE(text(w, "battStatusLabel"), designed.battery.text);
    w.setEvaluationSource([](const PanelInput &) { return nullptr; });
    w.onUpdateLoopCurrents(1, 0.05, 0.07);
    drawsEvaluation();
}

void TestPanelWidget::applyConfig()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QSignalSpy loopsSpy(&w, &PanelWidget::loopsChanged);
    PanelConfig config;
    config.model = QStringLiteral("KX-7000");
    config.internalBattery = QStringLiteral("BAT-17");
    config.outputs = {0.1, 0.3, 0.25, 0.5, 0, 0};
    config.cards = QStringList{"VRAL-2", "ORN-PSLINK", "VRAL-2"};
    config.source1 = QStringLiteral("PSU-12");
    config.battery1 = QStringLiteral("BAT-7");
    config.source2 = QStringLiteral("PSU-7");
    config.battery2 = QStringLiteral("BAT-12");
    config.batteryDegradation = 35;
    config.soundersActive = 55;
    config.idleTime = QStringLiteral("30 h");
    config.alarmTime = QStringLiteral("15 min");
    w.applyConfig(config);
    QCOMPARE(w.currentLoopCount(), 6);
    QCOMPARE(loopsSpy.last().at(0).toInt(), 6);
    QVERIFY(cardBox(w, "ORN-PSLINK")->isChecked());
    QVERIFY(child<QComboBox>(w, "externalPowerSource2ComboBox")->isEnabled());

    QCOMPARE(w.modelName(), config.model);
    QCOMPARE(orDash(w.configuration().internalBattery), config.internalBattery);
    QCOMPARE(w.configuration().outputs.aux24VAlarm, 0.3);
    QCOMPARE(w.configuration().outputs.aux24VIdle, 0.1);
    QCOMPARE(w.configuration().outputs.snd1Alarm, 0.5);
    QCOMPARE(w.configuration().outputs.snd1Idle, 0.25);
    QCOMPARE(w.configuration().outputs.snd2Idle, 0.0);
    QCOMPARE(w.configuration().cards, QStringList({"VRAL-2", "VRAL-2", "ORN-PSLINK"}));
    QCOMPARE(orDash(w.configuration().source1), QStringLiteral("PSU-12"));
    QCOMPARE(orDash(w.configuration().battery1), QStringLiteral("BAT-7"));
    QCOMPARE(orDash(w.configuration().source2), QStringLiteral("PSU-7"));
    QCOMPARE(orDash(w.configuration().battery2), QStringLiteral("BAT-12"));
    QCOMPARE(w.configuration().batteryDegradation, 35);
    QCOMPARE(w.configuration().soundersActive, 55);
    QCOMPARE(w.configuration().idleTime, QStringLiteral("30 h"));
    QCOMPARE(w.configuration().alarmTime, QStringLiteral("15 min"));
    QCOMPARE(text(w, "currentSelectedBattValueLabel"), QStringLiteral("36.00 Ah"));
    // 0.2 own + 0.1 aux + 0.25 snd1 + 2 x 0.05 + 0.02 cards
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.6700000 A"));

    // Entries the catalogue does not offer are shown normalised: none, the default time.
    PanelConfig unknown = config;
    unknown.internalBattery = QStringLiteral("BAT-99");
    unknown.idleTime = QStringLiteral("12 h");
    w.applyConfig(unknown);
    QCOMPARE(orDash(w.configuration().internalBattery), QStringLiteral("-"));
    QCOMPARE(w.configuration().idleTime, QStringLiteral("72 h"));
    QCOMPARE(child<QComboBox>(w, "idleTimeComboBox")->currentText(), QStringLiteral("72 h"));
    QCOMPARE(w.configuration(), unknown.normalised(catalogue));
}

void TestPanelWidget::modelChange()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QVERIFY(w.addLoopCards(4));
    child<QComboBox>(w, "battComboBox")->setCurrentText("BAT-12");
    cardBox(w, "ORN-PSLINK")->setChecked(true);
    child<QComboBox>(w, "externalPowerSource1ComboBox")->setCurrentText("PSU-12");
    child<QComboBox>(w, "additionalBatt1ComboBox")->setCurrentText("BAT-7");
    child<QSpinBox>(w, "battDegradationSpinBox")->setValue(30);

    QStringList order;
    connect(&w, &PanelWidget::loopsChanged, this, [&](int n) { order << QStringLiteral("loops %1").arg(n); });
    connect(&w, &PanelWidget::panelChanged, this, [&](const QString &name) { order << name; });
    child<QComboBox>(w, "panelComboBox")->setCurrentText("KX-7000");

    QCOMPARE(order, QStringList({"loops 2", "KX-7000"}));
    QCOMPARE(w.currentLoopCount(), 2);
    QCOMPARE(w.configuration().cards, QStringList());
    QCOMPARE(orDash(w.configuration().internalBattery), QStringLiteral("-"));
    QCOMPARE(orDash(w.configuration().source1), QStringLiteral("-"));
    QCOMPARE(orDash(w.configuration().battery1), QStringLiteral("-"));
    QVERIFY(!child<QComboBox>(w, "externalPowerSource1ComboBox")->isEnabled());
    QCOMPARE(text(w, "currentSelectedBattValueLabel"), QStringLiteral("0.00 Ah"));
    QCOMPARE(w.configuration().batteryDegradation, 30); // kept
    // The 17 Ah model takes every battery inside.
    QCOMPARE(child<QComboBox>(w, "battComboBox")->count(), 4);
    // The KX-8 family card is gone.
    QCOMPARE(child<QListWidget>(w, "auxCardsListWidget")->count(), 4);

    // A model without base loops: the power load says so and flags it.
    QSignalSpy faults(&w, &PanelWidget::faultStateChanged);
    child<QComboBox>(w, "panelComboBox")->setCurrentText("KX-0100");
    QCOMPARE(w.currentLoopCount(), 0);
    QCOMPARE(text(w, "totalPwrLoadStatusLabel"),
             QStringLiteral("No loops available. Install VRAL cards to add loops to the panel."));
    QVERIFY(w.computeFaultFlags().hasPowerLoadFault);
    QVERIFY(lastFlags(faults).at(1));
}

void TestPanelWidget::reset()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QVERIFY(w.addLoopCards(4));
    child<QComboBox>(w, "battComboBox")->setCurrentText("BAT-7");
    cardBox(w, "ORN-PSLINK")->setChecked(true);
    child<QComboBox>(w, "externalPowerSource1ComboBox")->setCurrentText("PSU-12");
    child<QComboBox>(w, "additionalBatt1ComboBox")->setCurrentText("BAT-7");
    child<QDoubleSpinBox>(w, "snd1AlarmDSpinBox")->setValue(0.4);
    child<QSpinBox>(w, "sndActiveSpinBox")->setValue(50);
    child<QComboBox>(w, "alarmTimeComboBox")->setCurrentText("60 min");
    QSignalSpy loopsSpy(&w, &PanelWidget::loopsChanged);
    const QString title = QStringLiteral("Reset Panel Values");

    MessageBox::setNextAnswer(QMessageBox::No);
    QTest::mouseClick(child<QPushButton>(w, "resetPanelButton"), Qt::LeftButton);
    const QList<MessageBox::Shown> asked = MessageBox::takeShown();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().title, title);
    QVERIFY(asked.first().text.startsWith("Are you sure you want to reset all panel values to default?"));
    QCOMPARE(w.currentLoopCount(), 6);
    QCOMPARE(orDash(w.configuration().internalBattery), QStringLiteral("BAT-7"));
    QCOMPARE(orDash(w.configuration().battery1), QStringLiteral("BAT-7"));
    QCOMPARE(loopsSpy.count(), 0);

    QSignalSpy soundersSpy(&w, &PanelWidget::soundersActiveChanged);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    QTest::mouseClick(child<QPushButton>(w, "resetPanelButton"), Qt::LeftButton);
    QCOMPARE(MessageBox::takeShown().size(), 1);
    QCOMPARE(loopsSpy.last().at(0).toInt(), 2);
    QCOMPARE(w.modelName(), QStringLiteral("KX-8000"));
    QCOMPARE(w.configuration().cards, QStringList());
    QCOMPARE(orDash(w.configuration().internalBattery), QStringLiteral("-"));
    QCOMPARE(orDash(w.configuration().source1), QStringLiteral("-"));
    QCOMPARE(orDash(w.configuration().battery1), QStringLiteral("-"));
    QVERIFY(!child<QComboBox>(w, "externalPowerSource1ComboBox")->isEnabled());
    QCOMPARE(w.configuration().outputs.snd1Alarm, 0.0);
    QCOMPARE(w.configuration().soundersActive, 100);
    QCOMPARE(soundersSpy.last().at(0).toDouble(), 1.0);
    QCOMPARE(w.configuration().alarmTime, QStringLiteral("30 min"));
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2000000 A"));
}

void TestPanelWidget::disabledSelectorHint()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *source1 = child<QComboBox>(w, "externalPowerSource1ComboBox");
    auto *batt2 = child<QComboBox>(w, "additionalBatt2ComboBox");

    QTest::mouseClick(source1, Qt::LeftButton);
    QCOMPARE(toolTipTexts(w),
             QStringList({"Install ORN-PSLINK auxiliary card to add external power sources."}));
    QVERIFY(!source1->view()->isVisible());
    QTest::mouseClick(batt2, Qt::LeftButton);
    QVERIFY(toolTipTexts(w).contains("Select an external power source to enable this battery."));

    // Enabled, the selector opens as usual and no hint is added.
    cardBox(w, "ORN-PSLINK")->setChecked(true);
    QTest::mouseClick(source1, Qt::LeftButton);
    QTRY_VERIFY(source1->view()->isVisible());
    source1->hidePopup();
    QCOMPARE(w.findChildren<MyToolTip *>().size(), 2);
}

void TestPanelWidget::loopRowsSurviveLoopCountChange()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QVERIFY(w.addLoopCards(4)); // 6 loops
    w.onUpdateLoopCurrents(4, 0.036, 0.036);
    w.onUpdateLoopCurrents(5, 0.072, 0.072);
    w.onLoopFaultChanged(4, true);
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.4650000 A"));

    QTest::mouseClick(loopCardButton(w, "auxCardRemoveButton"), Qt::LeftButton); // 4 loops
    QCOMPARE(child<QListWidget>(w, "individualLoopCurrentsList")->count(), 4);
    // Loops 5 and 6 no longer count; neither does loop 5's fault.
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2500000 A"));
    QVERIFY(!w.computeFaultFlags().hasLoopFault);

    QTest::mouseClick(loopCardButton(w, "auxCardAddButton"), Qt::LeftButton); // 6 again
    QWidget *row5 = listRow(w, "individualLoopCurrentsList", 4);
    QCOMPARE(row5->property("fault").toBool(), true);
    QCOMPARE(row5->findChild<QLabel *>("idleCurrentLabel")->text(), QStringLiteral("0.0550000 A"));
    QCOMPARE(listRow(w, "individualLoopCurrentsList", 5)->findChild<QLabel *>("alarmCurrentLabel")->text(),
             QStringLiteral("0.1100000 A"));
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.4650000 A"));
    QVERIFY(w.computeFaultFlags().hasLoopFault);
}

void TestPanelWidget::loopReportsOutsideTheLoopsInUse()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    // A hidden loop (index 7 of 2 in use) may still report: no crash, no effect on the totals...
    w.onUpdateLoopCurrents(7, 0.036, 0.036);
    w.onLoopFaultChanged(7, true);
    w.onUpdateLoopCurrents(-1, 1, 1);
    w.onLoopFaultChanged(-1, true);
    QCOMPARE(text(w, "totalIdleCurrentValueLabel"), QStringLiteral("0.2000000 A"));
    QVERIFY(!w.computeFaultFlags().hasLoopFault);
    // ...and its figures are there when it comes into use.
    QVERIFY(w.addLoopCards(6));
    QCOMPARE(listRow(w, "individualLoopCurrentsList", 7)->findChild<QLabel *>("idleCurrentLabel")->text(),
             QStringLiteral("0.0550000 A"));
    QVERIFY(w.computeFaultFlags().hasLoopFault);
}

void TestPanelWidget::soundersActive()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QSignalSpy spy(&w, &PanelWidget::soundersActiveChanged);
    auto *spin = child<QSpinBox>(w, "sndActiveSpinBox");
    QCOMPARE(spin->singleStep(), 5);
    spin->stepDown();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().at(0).toDouble(), 0.95);
}

namespace
{
QStringList loggedWarnings;
void recordWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg)
        loggedWarnings << message;
}
} // namespace

void TestPanelWidget::emptyCatalogue()
{
    // No model, so no model change: selectors and lists stay empty, and
    // nothing is looked up (which would log "not found" warnings).
    const Catalogue catalogue{CatalogueData()};
    loggedWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    PanelWidget w(&catalogue);
    qInstallMessageHandler(previous);
    QCOMPARE(loggedWarnings, QStringList());
    QCOMPARE(child<QComboBox>(w, "panelComboBox")->count(), 0);
    QCOMPARE(child<QComboBox>(w, "battComboBox")->count(), 0);
    QCOMPARE(child<QListWidget>(w, "auxCardsListWidget")->count(), 0);
    QCOMPARE(child<QListWidget>(w, "individualLoopCurrentsList")->count(), 0);
    QCOMPARE(w.currentLoopCount(), 0);
    QCOMPARE(orDash(w.configuration().internalBattery), QStringLiteral("-"));
}

QTEST_MAIN(TestPanelWidget)
#include "tst_panelwidget.moc"
