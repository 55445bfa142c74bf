// Reading rules of the catalogue data file.

#include "cataloguetestsupport.h"

#include <QtTest>

using namespace CatalogueTest;

namespace
{

const QByteArray header = "Version;2.0\n";

CatalogueData read(const QByteArray &body, bool *ok = nullptr)
{
    CatalogueData data;
    const bool result = readBytes(header + body, data);
    if (ok)
        *ok = result;
    return data;
}

QStringList batteryNames(const CatalogueData &data)
{
    QStringList names;
    for (const Battery &battery : data.batteries)
        names.append(battery.name);
    return names;
}

} // namespace

class TestDataFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    void decimalCells_data();
    void decimalCells();
    void integerCells_data();
    void integerCells();
    void flagCells_data();
    void flagCells();
    void listCells_data();
    void listCells();
    void versionLine_data();
    void versionLine();
    void everyFieldComesFromItsColumn();
    void sectionBoundaries_data();
    void sectionBoundaries();
    void factorSections();
    void namesAreUtf8();
    void absurdValuesRefuseTheFile_data();
    void absurdValuesRefuseTheFile();
    void tooManyRowsRefuseTheFile();
    void parseDataFileReadsTheInstalledFile();
    void parseDataFileFailuresLeaveTheCatalogue();
};

void TestDataFile::decimalCells_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal comma") << "0,5" << 0.5;
    QTest::newRow("small") << "0,0045" << 0.0045;
    QTest::newRow("thousands point") << "1.234,5" << 1234.5;
    QTest::newRow("a point is not a decimal point") << "0.5" << 0.0;
    QTest::newRow("12.34 is no number") << "12.34" << 0.0;
    QTest::newRow("0.500 is five hundred") << "0.500" << 500.0;
    QTest::newRow("integer") << "26" << 26.0;
    QTest::newRow("text") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TestDataFile::decimalCells()
{
    QFETCH(QString, cell);
    QFETCH(double, value);
    const CatalogueData data = read("Battery\nh\nB;" + cell.toUtf8() + ";b.png\n;\n");
    QCOMPARE(data.batteries.size(), 1);
    QCOMPARE(data.batteries.at(0).capacity, value);
}

void TestDataFile::integerCells_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << "12" << 12;
    QTest::newRow("blanks around") << " 12 " << 12;
    QTest::newRow("plus") << "+3" << 3;
    QTest::newRow("minus zero") << "-0" << 0;
    QTest::newRow("thousands point") << "1.000" << 0;
    QTest::newRow("decimal comma") << "2,5" << 0;
    QTest::newRow("hexadecimal") << "0x10" << 0;
    QTest::newRow("exponent") << "1e2" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestDataFile::integerCells()
{
    QFETCH(QString, cell);
    QFETCH(int, value);
    const CatalogueData data =
        read("Panel\nh\nP;0,1;0,2;3;12;" + cell.toUtf8() + ";8;250;0;0,5;NO;1;p.png\n;\n");
    QCOMPARE(data.panels.size(), 1);
    QCOMPARE(data.panels.at(0).baseLoops, value);
    QCOMPARE(data.panels.at(0).maxLoops, 8);
}

void TestDataFile::flagCells_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<bool>("value");
    QTest::newRow("YES") << "YES" << true;
    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("Yes") << "Yes" << true;
    QTest::newRow("yEs") << "yEs" << true;
    QTest::newRow("Y") << "Y" << false;
    QTest::newRow("NO") << "NO" << false;
    QTest::newRow("TRUE") << "TRUE" << false;
    QTest::newRow("1") << "1" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank before") << " yes" << false;
}

void TestDataFile::flagCells()
{
    QFETCH(QString, cell);
    QFETCH(bool, value);
    const QByteArray f = cell.toUtf8();
    const CatalogueData data =
        read("Device\nh\nD;DET;OPT;0,0003;0,005;" + f + ";1;" + f + ";" + f + ";" + f + ";d.png\n;\n");
    QCOMPARE(data.devices.size(), 1);
    const Device d = data.devices.at(0);
    QCOMPARE(d.requiresExternal24V, value);
    QCOMPARE(d.addsLoopResistance, value);
    QCOMPARE(d.isSounder, value);
    QCOMPARE(d.hidden, value);
    QCOMPARE(d.image, QStringLiteral("d.png"));
}

void TestDataFile::listCells_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("prefixes");
    QTest::newRow("trimmed parts") << "A, B,C" << QStringList{"A", "B", "C"};
    QTest::newRow("blank inside a prefix stays") << " TXP 8 ,TXS" << QStringList{"TXP 8", "TXS"};
    QTest::newRow("empty cell gives one empty prefix") << "" << QStringList{""};
    QTest::newRow("empty parts kept") << "A,,B" << QStringList{"A", "", "B"};
}

void TestDataFile::listCells()
{
    QFETCH(QString, cell);
    QFETCH(QStringList, prefixes);
    const QByteArray c = cell.toUtf8();
    const CatalogueData data = read("Auxiliary cards\nh\nK;0,05;YES;" + c +
                                    ";k.png\n;\n"
                                    "Expansion box\nh\nE;0,1;0,1;2;17;2;4;250;0;0,5;NO;" +
                                    c + ";e.png\n;\n");
    QCOMPARE(data.auxiliaryCards.size(), 1);
    QCOMPARE(data.auxiliaryCards.at(0).compatiblePanels, prefixes);
    QCOMPARE(data.expansionBoxes.size(), 1);
    QCOMPARE(data.expansionBoxes.at(0).compatiblePanels, prefixes);
}

void TestDataFile::versionLine_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("word, semicolon, 2.0") << QByteArray("Version;2.0\n") << true;
    QTest::newRow("trailing separators") << QByteArray("Version;2.0;;;;\n") << true;
    QTest::newRow("CR LF") << QByteArray("Version;2.0\r\n") << true;
    QTest::newRow("blank after the version") << QByteArray("Version;2.0 \n") << true;
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFVersion;2.0\n") << true;
    QTest::newRow("Latin-1 label") << QByteArray("Versi\xF3n;2.0\n") << true;
    QTest::newRow("NUL ends the line") << QByteArray("Version;2.0\0;junk\n", 18) << true;
    QTest::newRow("blank before 2.0") << QByteArray("Version; 2.0\n") << false;
    QTest::newRow("2.00") << QByteArray("Version;2.00\n") << false;
    QTest::newRow("1.0") << QByteArray("Version;1.0\n") << false;
    QTest::newRow("no semicolon") << QByteArray("Version 2.0\n") << false;
    QTest::newRow("version in the first cell") << QByteArray("2.0;Version\n") << false;
    QTest::newRow("NUL before the version") << QByteArray("Version\0;2.0\n", 13) << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void TestDataFile::versionLine()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, accepted);
    CatalogueData data;
    data.panels.append(Panel{});
    data.panels[0].name = QStringLiteral("kept");
    data.distributionFactors = {0.9, 0.4};

    WarningRecorder warnings;
    const bool ok = readBytes(line + "Battery\nh\nB;12;b.png\n;\n", data);
    QCOMPARE(ok, accepted);
    if (accepted) {
        QCOMPARE(warnings.take(), QStringList());
        QCOMPARE(batteryNames(data), QStringList{"B"});
        QVERIFY(data.panels.isEmpty());
    } else {
        QCOMPARE(warnings.take(),
                 QStringList{"Read data format version is not compatible with current data format version!"});
        QCOMPARE(data.panels.size(), 1);
        QCOMPARE(data.panels.at(0).name, QStringLiteral("kept"));
        QVERIFY(data.batteries.isEmpty());
    }
    QCOMPARE(data.distributionFactors.atZero, 0.9);
}

void TestDataFile::everyFieldComesFromItsColumn()
{
    // Every cell holds a different value, so a field read from the wrong
    // column shows.
    const CatalogueData data =
        read("Panel;;;;\nh\nP1;0,11;0,16;2,5;12;1;3;128;0,004;0,4;YES;2;p.png\n;\n"
             "Expansion box\nh\nE1;0,08;0,12;2,6;17;2;4;250;0,005;0,5;yes;TXP, TXS;e.png\n;\n"
             "Battery\nh\nB1;7,2;b.png\n;\n"
             "External power source\nh\nS1;26;s.png\n;\n"
             "External battery box\nh\nX1;38;x.png\n;\n"
             "Device\nh\nD1;SND;-;0,0003;0,009;YES;2;NO;YES;NO;d.png\n;\n"
             "Auxiliary cards\nh\nC1;0,06;YES;TX;c.png\n;\n"
             "Distribution factor\nh\n1;0,5\n"
             "Topology factor\nh\n0,5;1\n");

    QCOMPARE(data.panels.size(), 1);
    const Panel p = data.panels.at(0);
    QCOMPARE(p.name, QStringLiteral("P1"));
    QCOMPARE(p.idleCurrent, 0.11);
    QCOMPARE(p.alarmCurrent, 0.16);
    QCOMPARE(p.maxCurrent, 2.5);
    QCOMPARE(p.maxBatteryCapacity, 12.0);
    QCOMPARE(p.baseLoops, 1);
    QCOMPARE(p.maxLoops, 3);
    QCOMPARE(p.loopMaxAddresses, 128);
    QCOMPARE(p.loopMinCurrent, 0.004);
    QCOMPARE(p.loopMaxCurrent, 0.4);
    QCOMPARE(p.supportsOverboost, true);
    QCOMPARE(p.maxExpansionBoxes, 2);
    QCOMPARE(p.image, QStringLiteral("p.png"));

    QCOMPARE(data.expansionBoxes.size(), 1);
    const ExpansionBox e = data.expansionBoxes.at(0);
    QCOMPARE(e.name, QStringLiteral("E1"));
    QCOMPARE(e.idleCurrent, 0.08);
    QCOMPARE(e.alarmCurrent, 0.12);
    QCOMPARE(e.maxCurrent, 2.6);
    QCOMPARE(e.maxBatteryCapacity, 17.0);
    QCOMPARE(e.baseLoops, 2);
    QCOMPARE(e.maxLoops, 4);
    QCOMPARE(e.loopMaxAddresses, 250);
    QCOMPARE(e.loopMinCurrent, 0.005);
    QCOMPARE(e.loopMaxCurrent, 0.5);
    QCOMPARE(e.supportsOverboost, true);
    QCOMPARE(e.compatiblePanels, (QStringList{"TXP", "TXS"}));
    QCOMPARE(e.image, QStringLiteral("e.png"));

    QCOMPARE(data.batteries.size(), 1);
    QCOMPARE(data.batteries.at(0).name, QStringLiteral("B1"));
    QCOMPARE(data.batteries.at(0).capacity, 7.2);
    QCOMPARE(data.batteries.at(0).image, QStringLiteral("b.png"));
    QCOMPARE(data.externalPowerSources.size(), 1);
    QCOMPARE(data.externalPowerSources.at(0).name, QStringLiteral("S1"));
    QCOMPARE(data.externalPowerSources.at(0).maxBatteryCapacity, 26.0);
    QCOMPARE(data.externalPowerSources.at(0).image, QStringLiteral("s.png"));
    QCOMPARE(data.externalBatteryBoxes.size(), 1);
    QCOMPARE(data.externalBatteryBoxes.at(0).name, QStringLiteral("X1"));
    QCOMPARE(data.externalBatteryBoxes.at(0).maxBatteryCapacity, 38.0);
    QCOMPARE(data.externalBatteryBoxes.at(0).image, QStringLiteral("x.png"));

    QCOMPARE(data.devices.size(), 1);
    const Device d = data.devices.at(0);
    QCOMPARE(d.name, QStringLiteral("D1"));
    QCOMPARE(d.category, QStringLiteral("SND"));
    QCOMPARE(d.subcategory, QStringLiteral("-"));
    QCOMPARE(d.idleCurrent, 0.0003);
    QCOMPARE(d.alarmCurrent, 0.009);
    QCOMPARE(d.requiresExternal24V, true);
    QCOMPARE(d.addresses, 2);
    QCOMPARE(d.addsLoopResistance, false);
    QCOMPARE(d.isSounder, true);
    QCOMPARE(d.hidden, false);
    QCOMPARE(d.image, QStringLiteral("d.png"));

    QCOMPARE(data.auxiliaryCards.size(), 1);
    const AuxiliaryCard c = data.auxiliaryCards.at(0);
    QCOMPARE(c.name, QStringLiteral("C1"));
    QCOMPARE(c.current, 0.06);
    QCOMPARE(c.onlyOne, true);
    QCOMPARE(c.compatiblePanels, QStringList{"TX"});
    QCOMPARE(c.image, QStringLiteral("c.png"));

    QCOMPARE(data.distributionFactors.atZero, 1.0);
    QCOMPARE(data.distributionFactors.atFull, 0.5);
    QCOMPARE(data.topologyFactors.classA, 0.5);
    QCOMPARE(data.topologyFactors.degradedMode, 1.0);
}

void TestDataFile::sectionBoundaries_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QStringList>("batteries");
    QTest::addColumn<QStringList>("warnings");
    const QStringList none;
    QTest::newRow("end line") << QByteArray("Battery\nh\nA;1;a\n;;\nB;2;b\n") << QStringList{"A"} << none;
    QTest::newRow("first row begins with a semicolon")
        << QByteArray("Battery\nh\n;7,2;x.png\nA;1;a\n") << none << none;
    QTest::newRow("title with trailing separators")
        << QByteArray("Battery;;;;\nh\nA;1;a\n;\n") << QStringList{"A"} << none;
    QTest::newRow("title is case-sensitive") << QByteArray("battery\nh\nA;1;a\n;\n") << none << none;
    QTest::newRow("header skipped whatever it holds")
        << QByteArray("Battery\nZ;9;z\nA;1;a\n;\n") << QStringList{"A"} << none;
    QTest::newRow("runs to the end of the file")
        << QByteArray("Battery\nh\nA;1;a\nB;2;b\n") << QStringList{"A", "B"} << none;
    QTest::newRow("last line without line break")
        << QByteArray("Battery\nh\nA;1;a\nB;2;b") << QStringList{"A", "B"} << none;
    QTest::newRow("CR LF line ends") << QByteArray("Battery\r\nh\r\nA;1;a\r\nB;2;b\r\n;\r\n")
                                     << QStringList{"A", "B"} << none;
    QTest::newRow("title inside a section is a row")
        << QByteArray("Battery\nh\nPanel;1;p\nA;1;a\n;\n") << QStringList{"Panel", "A"} << none;
    QTest::newRow("repeated section appends")
        << QByteArray("Battery\nh\nA;1;a\n;\nnote\nBattery\nh\nB;2;b\n;\n") << QStringList{"A", "B"} << none;
    QTest::newRow("title on the last line") << QByteArray("Battery") << none << none;
    QTest::newRow("title and header only") << QByteArray("Battery\nh\n") << none << none;
    QTest::newRow("lines outside sections ignored")
        << QByteArray("\nnotes;;\n;;;\nA;1;a\nBattery\nh\nB;2;b\n;\nC;3;c\n") << QStringList{"B"} << none;
    // Line 1 is the version line.
    QTest::newRow("short rows skipped with their line")
        << QByteArray("Battery\nh\nA;1;a\nB;2\n\nC;3;c\n;\n") << QStringList{"A", "C"}
        << QStringList{"Skipped a row with too few cells at line 5",
                       "Skipped a row with too few cells at line 6"};
    QTest::newRow("cells beyond the needed ones ignored")
        << QByteArray("Battery\nh\nA;1;a;extra;;\n;\n") << QStringList{"A"} << none;
}

void TestDataFile::sectionBoundaries()
{
    QFETCH(QByteArray, body);
    QFETCH(QStringList, batteries);
    QFETCH(QStringList, warnings);
    WarningRecorder recorder;
    bool ok = false;
    const CatalogueData data = read(body, &ok);
    QVERIFY(ok);
    QCOMPARE(batteryNames(data), batteries);
    QCOMPARE(recorder.take(), warnings);
    QVERIFY(data.panels.isEmpty());
}

void TestDataFile::factorSections()
{
    // One row, no end line: the next line is read as a line of its own.
    CatalogueData data = read("Distribution factor\nh\n1;0,5\nBattery\nh\nA;1;a\n");
    QCOMPARE(data.distributionFactors.atZero, 1.0);
    QCOMPARE(data.distributionFactors.atFull, 0.5);
    QCOMPARE(batteryNames(data), QStringList{"A"});

    // A repeated factor section replaces the values.
    data = read("Topology factor\nh\n0,5;1\nTopology factor\nh\n0,25;0,75\n");
    QCOMPARE(data.topologyFactors.classA, 0.25);
    QCOMPARE(data.topologyFactors.degradedMode, 0.75);

    // Without their sections the tables keep their values, while the lists
    // are replaced.
    data = CatalogueData();
    data.distributionFactors = {0.9, 0.4};
    data.topologyFactors = {0.6, 1.1};
    data.batteries.append(Battery{QStringLiteral("old"), 1, QString()});
    QVERIFY(readBytes(header + "Topology factor\nh\n0,5;1\n", data));
    QCOMPARE(data.distributionFactors.atZero, 0.9);
    QCOMPARE(data.distributionFactors.atFull, 0.4);
    QCOMPARE(data.topologyFactors.classA, 0.5);
    QVERIFY(data.batteries.isEmpty());

    // A factor row with one cell is skipped like any short row.
    WarningRecorder warnings;
    QVERIFY(readBytes(header + "Distribution factor\nh\n0,7\n", data));
    QCOMPARE(data.distributionFactors.atZero, 0.9);
    QCOMPARE(warnings.take(), QStringList{"Skipped a row with too few cells at line 4"});
}

void TestDataFile::namesAreUtf8()
{
    const CatalogueData data =
        read(QStringLiteral("Battery\nh\nSir\u00e8ne \u00b5 12;12;s.png\n;\n").toUtf8());
    QCOMPARE(batteryNames(data), QStringList{QStringLiteral("Sir\u00e8ne \u00b5 12")});
}

void TestDataFile::absurdValuesRefuseTheFile_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("warning");
    const QByteArray panel = "Panel\nh\n";
    // A negative current would turn a battery fault into "Battery autonomy OK".
    QTest::newRow("negative idle current")
        << panel + "P;-0,1;0,2;3;12;1;8;250;0;0,5;NO;1;p.png\n;\n"
        << "Refused the data file: line 4: value out of range in column 2: -0,1";
    QTest::newRow("negative device alarm current")
        << QByteArray("Device\nh\nD;DET;OPT;0,001;-0,005;NO;1;YES;NO;NO;d.png\n;\n")
        << "Refused the data file: line 4: value out of range in column 5: -0,005";
    QTest::newRow("negative capacity") << QByteArray("Battery\nh\nB;-7,2;b.png\n;\n")
                                       << "Refused the data file: line 4: value out of range in column 2: -7,2";
    QTest::newRow("not a number") << QByteArray("Battery\nh\nB;nan;b.png\n;\n")
                                  << "Refused the data file: line 4: value out of range in column 2: nan";
    QTest::newRow("infinite") << QByteArray("Auxiliary cards\nh\nA;inf;NO;P;a.png\n;\n")
                              << "Refused the data file: line 4: value out of range in column 2: inf";
    QTest::newRow("absurd figure") << QByteArray("Battery\nh\nB;2000000;b.png\n;\n")
                                   << "Refused the data file: line 4: value out of range in column 2: 2000000";
    QTest::newRow("negative factor") << QByteArray("Topology factor\nh\n-1;0,5\n")
                                     << "Refused the data file: line 4: value out of range in column 1: -1";
    QTest::newRow("negative loops") << panel + "P;0,1;0,2;3;12;1;-8;250;0;0,5;NO;1;p.png\n;\n"
                                    << "Refused the data file: line 4: count out of range in column 7: -8";
    QTest::newRow("count beyond 32 bits") << panel + "P;0,1;0,2;3;12;2147483648;8;250;0;0,5;NO;1;p.png\n;\n"
                                          << "Refused the data file: line 4: count out of range in column 6: 2147483648";
    QTest::newRow("absurd addresses")
        << QByteArray("Device\nh\nD;DET;OPT;0,001;0,005;NO;1000000;YES;NO;NO;d.png\n;\n")
        << "Refused the data file: line 4: count out of range in column 7: 1000000";
}

void TestDataFile::absurdValuesRefuseTheFile()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, warning);
    CatalogueData data;
    data.batteries.append(Battery{QStringLiteral("kept"), 1, QString()});
    WarningRecorder recorder;
    QVERIFY(!readBytes(header + body, data));
    QCOMPARE(recorder.take(), QStringList{warning});
    // Nothing of the file is taken.
    QCOMPARE(batteryNames(data), QStringList{"kept"});
    QVERIFY(data.panels.isEmpty() && data.devices.isEmpty());
}

void TestDataFile::tooManyRowsRefuseTheFile()
{
    QByteArray body = "Device\nh\n";
    for (int i = 0; i < DataFile::MaximumRecords; ++i)
        body += "D" + QByteArray::number(i) + ";DET;OPT;0,001;0,005;NO;1;YES;NO;NO;d.png\n";
    bool ok = false;
    QCOMPARE(read(body, &ok).devices.size(), DataFile::MaximumRecords);
    QVERIFY(ok);
    body += "Dmore;DET;OPT;0,001;0,005;NO;1;YES;NO;NO;d.png\n";
    WarningRecorder recorder;
    QVERIFY(read(body, &ok).devices.isEmpty());
    QVERIFY(!ok);
    QCOMPARE(recorder.take(), QStringList{QStringLiteral("Refused the data file: line %1: more than %2 rows of one kind")
                                             .arg(DataFile::MaximumRecords + 4)
                                             .arg(DataFile::MaximumRecords)});
}

void TestDataFile::parseDataFileReadsTheInstalledFile()
{
    Catalogue catalogue{CatalogueData()};
    QVERIFY(writeFile(dataFolder() + "/b.csv", smallCatalogue("TXP 408")));
    // Only names ending in ".csv" exactly are data files.
    QVERIFY(writeFile(dataFolder() + "/A.CSV", smallCatalogue("WRONG")));

    WarningRecorder warnings;
    QVERIFY(catalogue.parseDataFile());
    QVERIFY(catalogue.parseDataFile());
    QCOMPARE(warnings.take(), QStringList());
    // Read twice: the lists hold the file's records once.
    QCOMPARE(catalogue.panels().size(), 1);
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("TXP 408"));
    QCOMPARE(catalogue.expansionBoxes().size(), 1);
    QCOMPARE(catalogue.batteries().size(), 1);
    QCOMPARE(catalogue.externalPowerSources().size(), 1);
    QCOMPARE(catalogue.externalBatteryBoxes().size(), 1);
    QCOMPARE(catalogue.devices().size(), 1);
    QCOMPARE(catalogue.auxiliaryCards().size(), 1);
    QCOMPARE(catalogue.distributionFactorAt(1), 0.5);
}

void TestDataFile::parseDataFileFailuresLeaveTheCatalogue()
{
    CatalogueData initial;
    initial.panels.append(Panel{});
    initial.panels[0].name = QStringLiteral("kept");
    Catalogue catalogue(initial);

    WarningRecorder warnings;
    QVERIFY(!catalogue.parseDataFile());
    QCOMPARE(warnings.take(), QStringList{"Could not open file " + dataFolder() + "/"});
    QCOMPARE(catalogue.panels().size(), 1);

    QVERIFY(writeFile(dataFolder() + "/catalogue.csv", "Version;1.0\nBattery\nh\nB;12;b.png\n"));
    QVERIFY(!catalogue.parseDataFile());
    QCOMPARE(warnings.take(),
             QStringList{"Read data format version is not compatible with current data format version!"});
    QCOMPARE(catalogue.panels().size(), 1);
    QCOMPARE(catalogue.panels().at(0).name, QStringLiteral("kept"));
    QVERIFY(catalogue.batteries().isEmpty());
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "tst_datafile.moc"
