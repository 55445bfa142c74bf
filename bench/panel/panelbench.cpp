// Work behind one edit of the panel page, for the largest configuration the
// controls allow: every loop in use, every card installed. Each figure must
// stay far below a frame (16 ms).
#include "catalogue/catalogue.h"
#include "editors/panelwidget.h"

#include <QComboBox>
#include <QtTest>

namespace
{

CatalogueData largeCatalogue()
{
    CatalogueData d;
    for (int i = 0; i < 2; ++i) {
        Panel p;
        p.name = QStringLiteral("TX-%1").arg(i);
        p.idleCurrent = 0.2;
        p.alarmCurrent = 0.3;
        p.maxCurrent = 6;
        p.maxBatteryCapacity = 38;
        p.baseLoops = 4;
        p.maxLoops = 32;
        d.panels << p;
    }
    for (int i = 0; i < 30; ++i)
        d.batteries << Battery{QStringLiteral("B-%1").arg(i), 5.0 + (i * 7) % 40, {}};
    for (int i = 0; i < 10; ++i)
        d.externalPowerSources << ExternalPowerSource{QStringLiteral("S-%1").arg(i), 7.0 + i * 3, {}};
    for (int i = 0; i < 10; ++i)
        d.externalBatteryBoxes << ExternalBatteryBox{QStringLiteral("E-%1").arg(i), 10.0 + i * 5, {}};
    AuxiliaryCard loop{QStringLiteral("VRAL-2"), 0.06, false, {QStringLiteral("TX")}, {}};
    AuxiliaryCard power{QStringLiteral("ORN-PSLINK"), 0.03, false, {QStringLiteral("TX")}, {}};
    d.auxiliaryCards << loop << power;
    for (int i = 0; i < 20; ++i)
        d.auxiliaryCards << AuxiliaryCard{
            QStringLiteral("C-%1").arg(i), 0.01, false, {QStringLiteral("TX")}, {}};
    return d;
}

} // namespace

class PanelBench : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void loopReport();
    void loopCardAdded();
    void batterySelection();
    void modelChange();
    void applyConfig();

private:
    CatalogueData data;
    PanelConfig config;
};

void PanelBench::initTestCase()
{
    data = largeCatalogue();
    QStringList cards = QVector<QString>(14, QStringLiteral("VRAL-2")).toList();
    cards << QStringLiteral("ORN-PSLINK");
    for (int i = 0; i < 20; ++i)
        cards << QStringLiteral("C-%1").arg(i);
    config.model = QStringLiteral("TX-0");
    config.internalBattery = QStringLiteral("B-3");
    config.outputs = {0.1, 0.2, 0.1, 0.3, 0.2, 0.4};
    config.cards = cards;
    config.source1 = QStringLiteral("S-1");
    config.battery1 = QStringLiteral("B-2");
    config.source2 = QStringLiteral("S-9");
    config.battery2 = QStringLiteral("B-5");
}

void PanelBench::loopReport()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    w.applyConfig(config);
    QCOMPARE(w.currentLoopCount(), 32);
    int loop = 0;
    QBENCHMARK
    {
        w.onUpdateLoopCurrents(loop, 0.05, 0.3);
        loop = (loop + 1) % 32;
    }
}

void PanelBench::loopCardAdded()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    w.applyConfig(config);
    QBENCHMARK
    {
        // One card off and on again: two loop list rebuilds of up to 32 rows.
        QVERIFY(w.addLoopCards(0));
    }
}

void PanelBench::batterySelection()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    w.applyConfig(config);
    auto *battery = w.findChild<QComboBox *>(QStringLiteral("battComboBox"));
    int i = 1;
    QBENCHMARK
    {
        battery->setCurrentIndex(i);
        i = i % (battery->count() - 1) + 1;
    }
}

void PanelBench::modelChange()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    w.applyConfig(config);
    auto *model = w.findChild<QComboBox *>(QStringLiteral("panelComboBox"));
    int i = 0;
    QBENCHMARK
    {
        i = 1 - i;
        model->setCurrentIndex(i);
    }
}

void PanelBench::applyConfig()
{
    Catalogue catalogue(data);
    PanelWidget w(&catalogue);
    QBENCHMARK
    {
        w.applyConfig(config);
    }
}

QTEST_MAIN(PanelBench)
#include "panelbench.moc"
