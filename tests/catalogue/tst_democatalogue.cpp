// The demo product range must exercise every feature of the program; this
// keeps later edits of the demo data file from quietly dropping one.

#include "cataloguetestsupport.h"

#include <QSet>
#include <QtTest>

using namespace CatalogueTest;

class TestDemoCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void panelsAndExpansionBoxes();
    void batteriesAndPower();
    void auxiliaryCards();
    void devicesOfEveryKind_data();
    void devicesOfEveryKind();
    void devicesAreRealistic();
    void everyRecordHasItsPicture();

private:
    CatalogueData m_data;
};

void TestDemoCatalogue::initTestCase()
{
    QFile file(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    WarningRecorder warnings;
    QVERIFY(DataFile::read(file, m_data));
    QCOMPARE(warnings.take(), QStringList());
}

void TestDemoCatalogue::panelsAndExpansionBoxes()
{
    const Catalogue catalogue(m_data);
    QVERIFY(m_data.panels.size() >= 4);
    QSet<QPair<int, int>> loopRanges;
    bool manyBoxes = false, noBoxes = false, noCompatibleBox = false;
    for (const Panel &p : m_data.panels) {
        loopRanges.insert({p.baseLoops, p.maxLoops});
        manyBoxes |= p.maxExpansionBoxes >= 2;
        noBoxes |= p.maxExpansionBoxes == 0;
        noCompatibleBox |= catalogue.compatibleExpansionBoxes(p.name).isEmpty();
        QVERIFY2(p.idleCurrent >= 0.1 && p.alarmCurrent <= 0.3 && p.idleCurrent <= p.alarmCurrent,
                 qPrintable(p.name));
        QVERIFY2(p.maxCurrent >= 2 && p.maxCurrent <= 6, qPrintable(p.name));
        QVERIFY2(p.baseLoops <= p.maxLoops && (p.maxLoops - p.baseLoops) % 2 == 0, qPrintable(p.name));
        QVERIFY(p.loopMaxAddresses > 0 && p.loopMaxCurrent > 0);
    }
    QVERIFY(loopRanges.size() >= 4);
    QVERIFY(manyBoxes);
    QVERIFY(noBoxes);
    QVERIFY(noCompatibleBox);

    QCOMPARE(m_data.expansionBoxes.size(), 2);
    for (const ExpansionBox &b : m_data.expansionBoxes) {
        QVERIFY(!b.compatiblePanels.isEmpty() && !b.compatiblePanels.contains(QString()));
        bool accepted = false;
        for (const Panel &p : m_data.panels) {
            for (const ExpansionBox &candidate : catalogue.compatibleExpansionBoxes(p.name))
                accepted |= p.maxExpansionBoxes > 0 && candidate.name == b.name;
        }
        QVERIFY2(accepted, qPrintable(b.name));
    }
}

void TestDemoCatalogue::batteriesAndPower()
{
    QVERIFY(m_data.batteries.size() >= 6);
    double smallest = 1e9, largest = 0;
    for (const Battery &b : m_data.batteries) {
        smallest = qMin(smallest, b.capacity);
        largest = qMax(largest, b.capacity);
    }
    QVERIFY(smallest >= 7 && smallest < 8);
    QVERIFY(largest >= 38 && largest < 40);

    const Catalogue catalogue(m_data);
    WarningRecorder warnings;
    QCOMPARE(catalogue.findExternalPowerSource("KSP900 EN").name, QStringLiteral("KSP900 EN"));
    QCOMPARE(catalogue.findExternalPowerSource("BQR3105-E").name, QStringLiteral("BQR3105-E"));
    QCOMPARE(warnings.take(), QStringList());
    QVERIFY(m_data.externalBatteryBoxes.size() >= 2);
    // Some battery does not fit some source, and some box takes it.
    bool recommendation = false;
    for (const ExternalPowerSource &s : m_data.externalPowerSources) {
        for (const Battery &b : m_data.batteries) {
            if (b.capacity <= s.maxBatteryCapacity)
                continue;
            for (const ExternalBatteryBox &x : m_data.externalBatteryBoxes)
                recommendation |= x.maxBatteryCapacity >= b.capacity;
        }
    }
    QVERIFY(recommendation);
    QVERIFY(m_data.distributionFactors.atZero > m_data.distributionFactors.atFull);
    QVERIFY(m_data.distributionFactors.atFull > 0);
    QVERIFY(m_data.topologyFactors.classA < m_data.topologyFactors.degradedMode);
    QVERIFY(m_data.topologyFactors.classA > 0);
}

void TestDemoCatalogue::auxiliaryCards()
{
    bool loopCard = false, powerCard = false, emptyPrefix = false;
    int onlyOne = 0;
    for (const AuxiliaryCard &c : m_data.auxiliaryCards) {
        loopCard |= c.name.startsWith("VRAL");
        powerCard |= c.name == "ORN-PSLINK";
        onlyOne += c.onlyOne ? 1 : 0;
        emptyPrefix |= c.compatiblePanels.contains(QString());
    }
    QVERIFY(loopCard);
    QVERIFY(powerCard);
    // Two, so that checking a second one-only card can be refused.
    QVERIFY(onlyOne >= 2);
    QVERIFY(emptyPrefix);
}

void TestDemoCatalogue::devicesOfEveryKind_data()
{
    // Category, subcategory and whether a multi-address variant is needed:
    // the kinds the configuration-software import maps to.
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("subcategory");
    QTest::addColumn<bool>("multiAddress");
    QTest::newRow("DET OPT") << "DET"
                             << "OPT" << false;
    QTest::newRow("DET TERM") << "DET"
                              << "TERM" << false;
    QTest::newRow("DET OPT-TERM") << "DET"
                                  << "OPT-TERM" << false;
    QTest::newRow("DET GAS") << "DET"
                             << "GAS" << false;
    QTest::newRow("DET BEAM") << "DET"
                              << "BEAM" << false;
    QTest::newRow("MCP") << "MCP"
                         << "-" << false;
    QTest::newRow("MOD ZONE") << "MOD"
                              << "ZONE" << true;
    QTest::newRow("MOD IN") << "MOD"
                            << "IN" << true;
    QTest::newRow("MOD IN-OUT") << "MOD"
                                << "IN-OUT" << true;
    QTest::newRow("MOD 230V-OUT") << "MOD"
                                  << "230V-OUT" << true;
    QTest::newRow("MOD 24V-OUT") << "MOD"
                                 << "24V-OUT" << true;
    QTest::newRow("MOD OUT") << "MOD"
                             << "OUT" << true;
    QTest::newRow("SND") << "SND"
                         << "-" << false;
    QTest::newRow("SPECIAL CON") << "SPECIAL"
                                 << "CON" << true;
    QTest::newRow("SPECIAL PIL") << "SPECIAL"
                                 << "PIL" << false;
}

void TestDemoCatalogue::devicesOfEveryKind()
{
    QFETCH(QString, category);
    QFETCH(QString, subcategory);
    QFETCH(bool, multiAddress);
    bool single = false, multi = false;
    for (const Device &d : m_data.devices) {
        if (d.category != category || d.subcategory != subcategory || d.hidden)
            continue;
        single |= d.addresses == 1;
        multi |= d.addresses > 1;
    }
    QVERIFY(single);
    if (multiAddress)
        QVERIFY(multi);
}

void TestDemoCatalogue::devicesAreRealistic()
{
    bool hidden = false, loopSounder = false, externalSounder = false, externalOther = false;
    QSet<QString> names;
    for (const Device &d : m_data.devices) {
        QVERIFY2(!names.contains(d.name), qPrintable(d.name));
        names.insert(d.name);
        QVERIFY2(!d.category.contains(' ') && !d.subcategory.contains(' '), qPrintable(d.name));
        QVERIFY2(d.idleCurrent > 0 && d.idleCurrent <= d.alarmCurrent, qPrintable(d.name));
        hidden |= d.hidden;
        const bool loop = d.name.endsWith("(loop)");
        QCOMPARE(loop && d.category != "SND", false);
        if (d.category == "SND") {
            QVERIFY(d.isSounder);
            loopSounder |= loop && !d.requiresExternal24V;
            externalSounder |= !loop && d.requiresExternal24V;
            // Every sounder, loop-powered or not, draws 5 to 30 mA from the loop in alarm.
            QVERIFY2(d.alarmCurrent >= 0.005 && d.alarmCurrent <= 0.03, qPrintable(d.name));
        } else {
            QVERIFY(!d.isSounder);
            externalOther |= d.requiresExternal24V;
        }
        if (d.category == "DET" && d.subcategory != "BEAM") {
            QVERIFY2(d.addsLoopResistance, qPrintable(d.name));
            QVERIFY2(d.idleCurrent <= 0.0005 && d.alarmCurrent <= 0.007, qPrintable(d.name));
        }
    }
    QVERIFY(hidden);
    QVERIFY(loopSounder);
    QVERIFY(externalSounder);
    QVERIFY(externalOther);
}

void TestDemoCatalogue::everyRecordHasItsPicture()
{
    QStringList used;
    for (const Panel &r : m_data.panels)
        used << r.image;
    for (const ExpansionBox &r : m_data.expansionBoxes)
        used << r.image;
    for (const Battery &r : m_data.batteries)
        used << r.image;
    for (const ExternalPowerSource &r : m_data.externalPowerSources)
        used << r.image;
    for (const ExternalBatteryBox &r : m_data.externalBatteryBoxes)
        used << r.image;
    for (const Device &r : m_data.devices)
        used << r.image;
    for (const AuxiliaryCard &r : m_data.auxiliaryCards)
        used << r.image;
    const QStringList present =
        QDir(QStringLiteral(KALVIX_DEMO_DIR "/images")).entryList(QDir::Files, QDir::Name);
    QStringList sortedUsed = used;
    sortedUsed.sort();
    // One picture per record, none missing and none left over.
    QCOMPARE(sortedUsed, present);
    for (const QString &name : present) {
        const QImage image(QStringLiteral(KALVIX_DEMO_DIR "/images/") + name);
        QCOMPARE(image.size(), QSize(256, 256));
    }
}

QTEST_GUILESS_MAIN(TestDemoCatalogue)
#include "tst_democatalogue.moc"
