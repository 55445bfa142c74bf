// Lookups, selections, factors, images and the start-up load of the Catalogue.

#include "cataloguetestsupport.h"

#include <QtTest>

using namespace CatalogueTest;

namespace
{

Panel panel(const QString &name, int maxExpansionBoxes = 0)
{
    Panel p;
    p.name = name;
    p.maxExpansionBoxes = maxExpansionBoxes;
    return p;
}

AuxiliaryCard card(const QString &name, const QStringList &prefixes)
{
    AuxiliaryCard c;
    c.name = name;
    c.compatiblePanels = prefixes;
    return c;
}

ExpansionBox box(const QString &name, const QStringList &prefixes)
{
    ExpansionBox b;
    b.name = name;
    b.compatiblePanels = prefixes;
    return b;
}

template <typename Record> QStringList names(const QVector<Record> &records)
{
    QStringList result;
    for (const Record &r : records)
        result.append(r.name);
    return result;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    void lookupsAreExactAndWarn();
    void duplicatesFindTheFirst();
    void compatibleAuxiliaryCards_data();
    void compatibleAuxiliaryCards();
    void compatibleExpansionBoxes();
    void distributionFactorAt();
    void imagePath();
    void startWithoutDataFailsIntegrity();
    void startLoadsVerifiedData();
    void startRefusesSignedAbsurdData();
    void startRefusesHandEditedData();
};

void TestCatalogue::lookupsAreExactAndWarn()
{
    CatalogueData data;
    data.panels.append(panel("TXP 408"));
    data.expansionBoxes.append(box("TXE 2", {"TXP"}));
    data.batteries.append(Battery{"TVB 12-7", 7.2, "b.png"});
    data.externalPowerSources.append(ExternalPowerSource{"KSP900 EN", 26, "s.png"});
    data.externalBatteryBoxes.append(ExternalBatteryBox{"EBX-26", 26, "x.png"});
    Device device;
    device.name = "SD-500 (loop)";
    device.addresses = 1;
    data.devices.append(device);
    data.auxiliaryCards.append(card("VRAL-2", {"TXP"}));
    const Catalogue catalogue(data);

    WarningRecorder warnings;
    QCOMPARE(catalogue.findPanel("TXP 408").name, QStringLiteral("TXP 408"));
    QCOMPARE(catalogue.findBattery("TVB 12-7").capacity, 7.2);
    QCOMPARE(catalogue.findDevice("SD-500 (loop)").addresses, 1);
    QCOMPARE(warnings.take(), QStringList());

    // A name that differs only in case, or by a blank, is another name.
    const Panel missing = catalogue.findPanel("txp 408");
    QVERIFY(missing.name.isEmpty());
    QCOMPARE(missing.maxLoops, 0);
    QVERIFY(missing.image.isEmpty());
    QVERIFY(catalogue.findExpansionBox("TXE 2 ").compatiblePanels.isEmpty());
    QCOMPARE(catalogue.findBattery("tvb 12-7").capacity, 0.0);
    QVERIFY(catalogue.findExternalPowerSource("KSP900").name.isEmpty());
    QVERIFY(catalogue.findExternalBatteryBox("EBX-38").name.isEmpty());
    const Device unknown = catalogue.findDevice("SD-500 (LOOP)");
    QCOMPARE(unknown.addresses, 0);
    QCOMPARE(unknown.alarmCurrent, 0.0);
    QVERIFY(!unknown.isSounder);
    QVERIFY(catalogue.findAuxiliaryCard("VRAL").compatiblePanels.isEmpty());
    QCOMPARE(warnings.take(),
             (QStringList{"Panel not found: txp 408", "Expansion box not found: TXE 2 ",
                          "Battery not found: tvb 12-7", "External Power Source not found: KSP900",
                          "External Battery Box not found: EBX-38", "Device not found: SD-500 (LOOP)",
                          "Auxiliary Card not found: VRAL"}));
}

void TestCatalogue::duplicatesFindTheFirst()
{
    CatalogueData data;
    data.panels.append(panel("TXS 202", 1));
    data.panels.append(panel("TXS 202", 3));
    data.batteries.append(Battery{"B", 7, "first.png"});
    data.batteries.append(Battery{"B", 12, "second.png"});
    const Catalogue catalogue(data);
    QCOMPARE(catalogue.findPanel("TXS 202").maxExpansionBoxes, 1);
    QCOMPARE(catalogue.findBattery("B").image, QStringLiteral("first.png"));
    // Both stay in the lists, in file order.
    QCOMPARE(catalogue.panels().size(), 2);
    QCOMPARE(catalogue.batteries().at(1).capacity, 12.0);
}

void TestCatalogue::compatibleAuxiliaryCards_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("cards");
    QTest::newRow("first three characters") << "TXP 408" << QStringList{"three", "any", "exact", "listed"};
    QTest::newRow("prefix longer than the name") << "TXP" << QStringList{"three", "any"};
    QTest::newRow("other model") << "TXS 202" << QStringList{"any", "listed"};
    QTest::newRow("case matters") << "txp 408" << QStringList{"any"};
    QTest::newRow("empty name") << "" << QStringList{"any"};
}

void TestCatalogue::compatibleAuxiliaryCards()
{
    QFETCH(QString, model);
    QFETCH(QStringList, cards);
    CatalogueData data;
    data.auxiliaryCards = {card("three", {"TXP"}),
                           card("longer", {"TXP 4080"}),
                           card("any", {""}),
                           card("exact", {"TXP 408"}),
                           card("listed", {"TXM", "TXS", "TXP 4"}),
                           card("none", {})};
    const Catalogue catalogue(data);
    QCOMPARE(names(catalogue.compatibleAuxiliaryCards(model)), cards);
}

void TestCatalogue::compatibleExpansionBoxes()
{
    CatalogueData data;
    data.expansionBoxes = {box("TXE 2", {"TXP"}), box("TXE 4", {"TXS", "TXP 8"}), box("TXE X", {"TXP 8160"})};
    const Catalogue catalogue(data);
    QCOMPARE(names(catalogue.compatibleExpansionBoxes("TXP 816")), (QStringList{"TXE 2", "TXE 4"}));
    QCOMPARE(names(catalogue.compatibleExpansionBoxes("TXP 408")), QStringList{"TXE 2"});
    QCOMPARE(names(catalogue.compatibleExpansionBoxes("TXS 202")), QStringList{"TXE 4"});
    QVERIFY(catalogue.compatibleExpansionBoxes("TXM 204 Marine").isEmpty());
}

void TestCatalogue::distributionFactorAt()
{
    CatalogueData data;
    data.distributionFactors = {1.0, 0.5};
    const Catalogue catalogue(data);
    QCOMPARE(catalogue.distributionFactorAt(0), 1.0);
    QCOMPARE(catalogue.distributionFactorAt(1), 0.5);
    QCOMPARE(catalogue.distributionFactorAt(0.5), 0.75);
    // 1 - 0.3 * (1 - 0.5)
    QCOMPARE(catalogue.distributionFactorAt(0.3), 0.85);
    QCOMPARE(Catalogue(CatalogueData()).distributionFactorAt(0.5), 0.0);
}

void TestCatalogue::imagePath()
{
    const Catalogue catalogue{CatalogueData()};
    const QString present = dataFolder() + "/images/od-210.png";
    QVERIFY(writeFile(present, pictureBytes(4, 4)));

    WarningRecorder warnings;
    QCOMPARE(catalogue.imagePath("od-210.png"), present);
    QCOMPARE(warnings.take(), QStringList());
    // Pictures are not signed: what is no PNG or JPEG never reaches a decoder.
    const QString forged = dataFolder() + "/images/forged.png";
    QVERIFY(writeFile(forged, pictureBytes(4, 4, "BMP")));
    QCOMPARE(catalogue.imagePath("forged.png"), QStringLiteral(":/resources/icons/missing_resource.png"));
    QCOMPARE(warnings.take(), QStringList{"Image refused: " + forged + " (neither PNG nor JPEG)"});
    QCOMPARE(catalogue.imagePath("missing.png"), QStringLiteral(":/resources/icons/missing_resource.png"));
    QCOMPARE(warnings.take(), QStringList{"Image not found: " + dataFolder() + "/images/missing.png"});
    // An empty image field names the folder, not a picture.
    QCOMPARE(catalogue.imagePath(""), QStringLiteral(":/resources/icons/missing_resource.png"));
    QCOMPARE(warnings.take().size(), 1);
}

void TestCatalogue::startWithoutDataFailsIntegrity()
{
    WarningRecorder warnings;
    const Catalogue catalogue;
    QVERIFY(catalogue.integrityFailed());
    // Nothing installed is a first start: no warning that would read as a fault.
    QCOMPARE(warnings.take(), QStringList());
    QVERIFY(catalogue.panels().isEmpty());
    QVERIFY(catalogue.expansionBoxes().isEmpty());
    QVERIFY(catalogue.batteries().isEmpty());
    QVERIFY(catalogue.externalPowerSources().isEmpty());
    QVERIFY(catalogue.externalBatteryBoxes().isEmpty());
    QVERIFY(catalogue.devices().isEmpty());
    QVERIFY(catalogue.auxiliaryCards().isEmpty());
    QCOMPARE(catalogue.distributionFactors().atZero, 0.0);
    QCOMPARE(catalogue.topologyFactors().degradedMode, 0.0);
}

void TestCatalogue::startLoadsVerifiedData()
{
    const QByteArray data = smallCatalogue();
    QVERIFY(writeFile(dataFolder() + "/catalogue.csv", data));
    QVERIFY(writeFile(dataFolder() + "/catalogue.sig", sign(data)));

    WarningRecorder warnings;
    const Catalogue catalogue;
    QCOMPARE(warnings.take(), QStringList());
    QVERIFY(!catalogue.integrityFailed());
    QCOMPARE(names(catalogue.panels()), QStringList{"TXP 408"});
    QCOMPARE(catalogue.topologyFactors().classA, 0.5);
}

void TestCatalogue::startRefusesSignedAbsurdData()
{
    // Signed by the maker, but a negative current would turn a battery fault
    // into "Battery autonomy OK".
    const QByteArray data = smallCatalogue().replace("0,18", "-0,18");
    QVERIFY(writeFile(dataFolder() + "/catalogue.csv", data));
    QVERIFY(writeFile(dataFolder() + "/catalogue.sig", sign(data)));

    WarningRecorder warnings;
    const Catalogue catalogue;
    QVERIFY(catalogue.integrityFailed());
    QCOMPARE(warnings.take(), (QStringList{"Refused the data file: line 4: value out of range in column 2: -0,18",
                                           "Data integrity verification failed!"}));
    QVERIFY(catalogue.panels().isEmpty());
}

void TestCatalogue::startRefusesHandEditedData()
{
    QByteArray data = smallCatalogue();
    const QByteArray signature = sign(data);
    data.replace("0,26", "0,16"); // a "small correction" after signing
    QVERIFY(writeFile(dataFolder() + "/catalogue.csv", data));
    QVERIFY(writeFile(dataFolder() + "/catalogue.sig", signature));

    WarningRecorder warnings;
    const Catalogue catalogue;
    QVERIFY(catalogue.integrityFailed());
    QCOMPARE(warnings.take(),
             (QStringList{"DigestVerifyFinal failed (invalid signature)", "Signature verification failed!",
                          "Data integrity verification failed!"}));
    QVERIFY(catalogue.panels().isEmpty());
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
