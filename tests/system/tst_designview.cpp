#include "../setup/designgenerator.h"
#include "../setup/setupfixtures.h"

#include "app/mainwindow.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "design/designevaluation.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

// What the editors show for a whole design, opened as a user opens a file,
// against what the widget-free evaluation of the same file gives: every
// figure, status text, fault mark, flag and report text must be the same.
namespace
{

QString mark(bool fault)
{
    return fault ? QStringLiteral("fault") : QStringLiteral("ok");
}

QString markOf(const QWidget *widget)
{
    return mark(widget->property("fault").toBool());
}

QString flagsText(const PanelMessages::FaultFlags &f)
{
    return QStringLiteral("%1 %2 %3").arg(f.hasBatteryFault).arg(f.hasPowerLoadFault).arg(f.hasLoopFault);
}

template <typename T> const T *child(const QWidget *parent, const char *name)
{
    // A loop tab not shown yet builds its form when asked for it.
    if (const auto *loop = qobject_cast<const LoopWidget *>(parent))
        const_cast<LoopWidget *>(loop)->page();
    const T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QString labelText(const QWidget *parent, const char *name)
{
    return child<QLabel>(parent, name)->text();
}

// One system (panel or box with its loops) as the editors show it.
QStringList shownTexts(const SystemContainerWidget *container, const QString &prefix)
{
    const PanelWidget *panel = container->panelWidget();
    QStringList lines;
    const auto add = [&](const QString &key, const QString &value) { lines << prefix + key + ": " + value; };
    for (const char *name : {"totalIdleCurrentValueLabel", "totalAlarmCurrentValueLabel",
                             "minBattRequiredValueLabel", "currentSelectedBattValueLabel", "battStatusLabel",
                             "totalPwrLoadStatusLabel", "externalPowerSourceInfoNotesLabel"})
        add(QLatin1String(name), labelText(panel, name));
    for (const char *name : {"currentSelectedBattValueLabel", "battStatusLabel",
                             "totalAlarmCurrentValueLabel", "totalPwrLoadStatusLabel"})
        add(QLatin1String(name) + QStringLiteral(" mark"), markOf(child<QLabel>(panel, name)));
    const QListWidget *rows = child<QListWidget>(panel, "individualLoopCurrentsList");
    add("loop rows", QString::number(rows->count()));
    for (int i = 0; i < rows->count(); ++i) {
        const QWidget *row = rows->itemWidget(rows->item(i));
        add(QStringLiteral("loop row %1").arg(i + 1), labelText(row, "idleCurrentLabel") + " / " +
                                                          labelText(row, "alarmCurrentLabel") + " " +
                                                          markOf(row));
    }
    add("flags", flagsText(panel->computeFaultFlags()));
    add("power report", panel->powerReportNotes());
    add("external power report", panel->externalPowerReportNotes());
    if (!container->isExpansionBox()) {
        const QListWidget *boxes = child<QListWidget>(panel, "expansionBoxesListWidget");
        for (int i = 0; i < boxes->count(); ++i) {
            const QWidget *row = boxes->itemWidget(boxes->item(i));
            add("box row",
                labelText(row, "expansionBoxNameLabel") + " " + labelText(row, "expansionBoxStatusLabel"));
        }
    }
    for (int i = 0; i < container->loopCount(); ++i) {
        const LoopWidget *loop = container->loopWidgets().at(i);
        const QString key = QStringLiteral("loop %1 ").arg(i + 1);
        for (const char *name :
             {"totalAddressesValueLabel", "idleCurrentValueLabel", "alarmCurrentValueLabel",
              "voltageDropValueLabel", "maxVoltageDropValueLabel", "maxCurrentValueLabel", "faultsLabel",
              "notesLabel"})
            add(key + QLatin1String(name), labelText(loop, name));
        for (const char *name :
             {"totalAddressesValueLabel", "voltageDropValueLabel", "alarmCurrentValueLabel", "faultsLabel"})
            add(key + QLatin1String(name) + " mark", markOf(child<QLabel>(loop, name)));
        add(key + "fault report", loop->faultReportText());
        add(key + "note report", loop->noteReportText());
        add(key + "degraded mode", mark(!loop->isDegradedModeOk()));
    }
    return lines;
}

// The same lines from the evaluation.
QStringList evaluatedTexts(const DesignEvaluation &design, const SystemEvaluation &system,
                           const QString &prefix)
{
    const PanelEvaluation &p = system.panel;
    QStringList lines;
    const auto add = [&](const QString &key, const QString &value) { lines << prefix + key + ": " + value; };
    add("totalIdleCurrentValueLabel", p.totalIdleCurrentText());
    add("totalAlarmCurrentValueLabel", p.totalAlarmCurrentText());
    add("minBattRequiredValueLabel", p.minimumBatteryRequiredText());
    add("currentSelectedBattValueLabel", p.selectedTotalBatteryText());
    add("battStatusLabel", p.battery.text);
    add("totalPwrLoadStatusLabel", p.powerLoad.text);
    add("externalPowerSourceInfoNotesLabel", p.externalPowerNotes);
    add("currentSelectedBattValueLabel mark", mark(p.battery.fault));
    add("battStatusLabel mark", mark(p.battery.fault));
    add("totalAlarmCurrentValueLabel mark", mark(!p.powerLoad.noLoops && p.powerLoad.overload));
    add("totalPwrLoadStatusLabel mark", mark(p.powerLoad.noLoops || p.powerLoad.overload));
    add("loop rows", QString::number(p.loopCount));
    for (int i = 0; i < p.loopCount; ++i) {
        add(QStringLiteral("loop row %1").arg(i + 1),
            p.loopIdleCurrentText(i) + " / " + p.loopAlarmCurrentText(i) + " " + mark(p.loopFaults.at(i)));
    }
    add("flags", flagsText(p.flags));
    add("power report", p.powerReportNotes);
    add("external power report", p.externalPowerReportNotes);
    if (!system.isExpansionBox) {
        for (int i = 0; i < design.boxes.size(); ++i)
            add("box row", design.boxes.at(i).displayName + " " + design.boxStatusText(i));
    }
    for (int i = 0; i < system.loopResults.size(); ++i) {
        const LoopEvaluation &l = system.loopResults.at(i);
        const QString key = QStringLiteral("loop %1 ").arg(i + 1);
        add(key + "totalAddressesValueLabel", l.addressesText());
        add(key + "idleCurrentValueLabel", l.idleCurrentText());
        add(key + "alarmCurrentValueLabel", l.alarmCurrentText());
        add(key + "voltageDropValueLabel", l.voltageDropText());
        add(key + "maxVoltageDropValueLabel", l.maxVoltageDropText());
        add(key + "maxCurrentValueLabel", l.maxCurrentText());
        add(key + "faultsLabel", l.faultsText);
        add(key + "notesLabel", l.notesText);
        add(key + "totalAddressesValueLabel mark", mark(l.faults.addresses));
        add(key + "voltageDropValueLabel mark", mark(l.faults.voltageDrop));
        add(key + "alarmCurrentValueLabel mark", mark(l.faults.current));
        add(key + "faultsLabel mark", mark(l.faults.any()));
        add(key + "fault report", l.faultReportText);
        add(key + "note report", l.noteReportText);
        add(key + "degraded mode", mark(!l.degradedModeOk));
    }
    return lines;
}

} // namespace

class TestDesignView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void editorsShowTheEvaluation_data();
    void editorsShowTheEvaluation();
    void adjustedDesignShownAsEvaluated();
    void applyDevicesEqualsOneDropPerUnit();

private:
    bool open(const QString &path);

    Catalogue catalogue{demoData()};
    QTemporaryDir dir;
    std::unique_ptr<MainWindow> window;
};

void TestDesignView::initTestCase()
{
    initGuiResources();
    QVERIFY(dir.isValid());
    MessageBox::setTestMode(true);
    // One window for every design, as a user opens one file after another:
    // nothing of a design may linger into the next.
    window.reset(new MainWindow(&catalogue));
}

void TestDesignView::cleanup()
{
    MessageBox::takeShown();
}

bool TestDesignView::open(const QString &path)
{
    MessageBox::takeShown();
    // Only a design held in a file (or changed) is asked about first.
    const bool pristine = window->windowTitle().startsWith(QStringLiteral("Untitled[*]"));
    if (!pristine)
        MessageBox::setNextAnswer(QMessageBox::Yes);
    FileDialog::setNextFileName(path);
    window->findChild<QAction *>(QStringLiteral("actionOpen"))->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    return shown.size() == (pristine ? 1 : 2) && shown.last().title == QStringLiteral("Success");
}

void TestDesignView::editorsShowTheEvaluation_data()
{
    QTest::addColumn<QString>("path");
    const QDir golden(QStringLiteral(KALVIX_TEST_DATA_DIR "/setup"));
    for (const QString &name : golden.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        QTest::newRow(qPrintable(name)) << golden.filePath(name + "/setup.csv");
    const QString full = dir.filePath("full.csv");
    QVERIFY(SetupFile::writeSetupData(full, fullDesign()));
    QTest::newRow("full design") << full;
    // Sanitizer builds look for memory faults, not for more designs: they open
    // fewer, so the test takes about as long as in a plain build.
    const quint32 randomDesigns = std::max(40, 200 / KALVIX_TEST_TIME_FACTOR);
    for (quint32 seed = 1; seed <= randomDesigns; ++seed) {
        const QString path = dir.filePath(QStringLiteral("random%1.csv").arg(seed));
        QVERIFY(SetupFile::writeSetupData(path, DesignGenerator(catalogue, seed).design()));
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(seed))) << path;
    }
}

void TestDesignView::editorsShowTheEvaluation()
{
    QFETCH(QString, path);
    SetupFile::SetupData data;
    QVERIFY(SetupFile::readSetupData(path, data, catalogue));
    const DesignEvaluation design = DesignEvaluation::evaluate(data, catalogue);
    QVERIFY(open(path));

    const QTabWidget *tabs = window->findChild<QTabWidget *>(QStringLiteral("externalTabWidget"));
    QCOMPARE(tabs->count(), 1 + design.boxes.size());
    QStringList shown;
    QStringList evaluated = evaluatedTexts(design, design.main, "main ");
    for (int page = 0; page < tabs->count(); ++page) {
        const auto *container = qobject_cast<const SystemContainerWidget *>(tabs->widget(page));
        QVERIFY(container);
        const QString prefix = page == 0 ? QStringLiteral("main ") : tabs->tabText(page) + " ";
        shown << shownTexts(container, prefix);
        if (page > 0)
            evaluated << evaluatedTexts(design, design.boxes.at(page - 1),
                                        design.boxes.at(page - 1).displayName + " ");
    }
    // Line by line, so that a difference names its place.
    for (int i = 0; i < std::min(shown.size(), evaluated.size()); ++i)
        QCOMPARE(shown.at(i), evaluated.at(i));
    QCOMPARE(shown.size(), evaluated.size());
}

// A file with values the editors adjust (accepted by the reader, told to
// the user): a fresh window shows what the evaluation gives.
void TestDesignView::adjustedDesignShownAsEvaluated()
{
    QString text = SetupFile::composeSetupText(fullDesign());
    text = replacedOnce(text, "Loop length:;300 m", "Loop length:;0 m");
    text = replacedOnce(text, "HD-220;10", "HD-220;300");
    text = replacedOnce(text, "Idle time:;4 h", "Idle time:;5 h");
    const QString path = dir.filePath("adjusted.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    file.close();

    SetupFile::SetupData data;
    QVERIFY(SetupFile::readSetupData(path, data, catalogue));
    const DesignEvaluation design = DesignEvaluation::evaluate(data, catalogue);
    MainWindow fresh(&catalogue);
    MessageBox::takeShown();
    FileDialog::setNextFileName(path);
    fresh.findChild<QAction *>(QStringLiteral("actionOpen"))->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 2); // no question over the fresh design
    QCOMPARE(shown.at(0).title, QStringLiteral("Values adjusted"));

    const QTabWidget *tabs = fresh.findChild<QTabWidget *>(QStringLiteral("externalTabWidget"));
    QCOMPARE(tabs->count(), 3);
    for (int page = 0; page < tabs->count(); ++page) {
        const auto *container = qobject_cast<const SystemContainerWidget *>(tabs->widget(page));
        const SystemEvaluation &system = page == 0 ? design.main : design.boxes.at(page - 1);
        const QString prefix = page == 0 ? QStringLiteral("main ") : system.displayName + " ";
        const QStringList editors = shownTexts(container, prefix);
        const QStringList evaluated = evaluatedTexts(design, system, prefix);
        for (int i = 0; i < std::min(editors.size(), evaluated.size()); ++i)
            QCOMPARE(editors.at(i), evaluated.at(i));
        QCOMPARE(editors.size(), evaluated.size());
    }
    QCOMPARE(design.boxes.at(1).config.idleTime, QStringLiteral("72 h"));
    QCOMPARE(design.main.loops.at(4).loopLength, 100);
    QCOMPARE(design.main.loops.at(1).devices.value("HD-220"), 250);
}

// A loop given 20 device types at 250 units at once ends where one drop per
// unit ends: the same rows, figures, texts and marks, and the same last
// currents and fault state told to the panel.
void TestDesignView::applyDevicesEqualsOneDropPerUnit()
{
    QMap<QString, int> devices;
    for (const Device &d : catalogue.devices()) {
        if (devices.size() < 20)
            devices.insert(d.name, 250);
    }
    QCOMPARE(devices.size(), 20);
    devices.insert(devices.firstKey(), 300); // capped at 250 either way

    struct Told {
        QVariantList currents;
        int currentsCount = 0;
        bool fault = false;
    };
    const auto prepare = [this](LoopWidget &loop, Told &told) {
        connect(&loop, &LoopWidget::updateLoopCurrents, this, [&told](double idle, double alarm) {
            told.currents = {idle, alarm};
            ++told.currentsCount;
        });
        connect(&loop, &LoopWidget::loopFaultChanged, this, [&told](bool fault) { told.fault = fault; });
        const Panel panel = catalogue.findPanel("TXP 816");
        loop.onPanelChanged(panel.loopMaxAddresses, panel.loopMinCurrent, panel.loopMaxCurrent,
                            panel.supportsOverboost);
        loop.onSoundersActiveChanged(0.5);
    };
    LoopWidget dropped(&catalogue), applied(&catalogue);
    Told droppedTold, appliedTold;
    prepare(dropped, droppedTold);
    prepare(applied, appliedTold);

    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        for (int i = 0; i < it.value(); ++i)
            emit dropped.addDevice(it.key());
    }
    applied.applyDevices(devices);

    QCOMPARE(applied.deviceList(), dropped.deviceList());
    QCOMPARE(applied.deviceList().first().second, 250);
    QCOMPARE(appliedTold.currents, droppedTold.currents);
    QCOMPARE(appliedTold.fault, droppedTold.fault);
    QCOMPARE(appliedTold.currentsCount, 1); // once, not once per unit
    QCOMPARE(droppedTold.currentsCount, 20 * 250);

    const auto texts = [](const LoopWidget &loop) {
        QStringList lines;
        for (const QLabel *label : loop.findChildren<QLabel *>())
            lines << label->objectName() + ": " + label->text() + " " + markOf(label);
        const QListWidget *rows = loop.findChild<QListWidget *>("devInLoopListWidget");
        for (int i = 0; i < rows->count(); ++i) {
            const QWidget *row = rows->itemWidget(rows->item(i));
            lines << row->findChild<QLabel *>("deviceNameLabel")->text() + " " +
                         QString::number(row->findChild<QSpinBox *>("quantitySpinBox")->value());
        }
        lines << "current row " + QString::number(rows->currentRow());
        return lines;
    };
    applied.page();
    QCOMPARE(texts(applied), texts(dropped));
}

QTEST_MAIN(TestDesignView)
#include "tst_designview.moc"
