#include "setup/xmlimport.h"
#include "setup/xmlimportsummary.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <sys/stat.h>

using namespace XmlImport;

Q_DECLARE_METATYPE(XmlImport::XmlDevice)
Q_DECLARE_METATYPE(Device)

namespace
{

// "name[number:type/ext,type/ext;number:]|..." for comparing whole readings.
QString describe(const QVector<XmlPanel> &panels)
{
    QStringList out;
    for (const XmlPanel &panel : panels) {
        QStringList loops;
        for (auto it = panel.loops.cbegin(); it != panel.loops.cend(); ++it) {
            QStringList devices;
            for (const XmlDevice &d : it.value())
                devices.append(QStringLiteral("%1/%2").arg(d.type).arg(d.extType));
            loops.append(it.key() + QLatin1Char(':') + devices.join(QLatin1Char(',')));
        }
        out.append(panel.name + QLatin1Char('[') + loops.join(QLatin1Char(';')) + QLatin1Char(']'));
    }
    return out.join(QLatin1Char('|'));
}

Device device(const char *name, const char *category, const char *subcategory, int addresses, double alarm)
{
    Device d;
    d.name = QString::fromLatin1(name);
    d.category = QString::fromLatin1(category);
    d.subcategory = QString::fromLatin1(subcategory);
    d.addresses = addresses;
    d.alarmCurrent = alarm;
    return d;
}

// A small range with one or two sizes per kind, so each case has one right answer.
QVector<Device> range()
{
    return {device("OPT-A", "DET", "OPT", 1, 0.005),     device("OPT-B", "DET", "OPT", 1, 0.006),
            device("IN-1", "MOD", "IN", 1, 0.001),       device("IN-8", "MOD", "IN", 8, 0.002),
            device("IO-1", "MOD", "IN-OUT", 1, 0.003),   device("IO-4", "MOD", "IN-OUT", 4, 0.009),
            device("OUT-1", "MOD", "OUT", 1, 0.003),     device("R230-4", "MOD", "230V-OUT", 4, 0.011),
            device("S24-2", "MOD", "24V-OUT", 2, 0.004), device("ZONE-1", "MOD", "ZONE", 1, 0.012),
            device("ZONE-4", "MOD", "ZONE", 4, 0.024),   device("CON-2", "SPECIAL", "CON", 2, 0.011),
            device("CON-3", "SPECIAL", "CON", 3, 0.011), device("SND", "SND", "-", 1, 0.009),
            device("CP", "MCP", "-", 1, 0.004)};
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("export.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file");
    return path;
}

const QByteArray onePanel = "<Panels><Panel name=\"P\"><loop number=\"1\"><Device type=\"1\" ext_type=\"0\"/>"
                            "</loop></Panel></Panels>";

} // namespace

class TestXmlImport : public QObject
{
    Q_OBJECT
private slots:
    void readsPanels_data();
    void readsPanels();
    void refusesBadDocuments_data();
    void refusesBadDocuments();
    void checksVersion_data();
    void checksVersion();
    void refusesMissingAndOversizedFiles();
    void ordersLoopNumbers_data();
    void ordersLoopNumbers();
    void findsTheNamedModel_data();
    void findsTheNamedModel();
    void countsExtraLoops_data();
    void countsExtraLoops();
    void choosesBestDevice_data();
    void choosesBestDevice();
    void mapsLoopDevices_data();
    void mapsLoopDevices();
    void summarisesLoops_data();
    void summarisesLoops();
    void plansWhichLoopsGoWhere_data();
    void plansWhichLoopsGoWhere();
    void survivesDamagedDocuments();
    void boundsCountsAndTexts_data();
    void boundsCountsAndTexts();
    void readsUtf16WithWindowsLineEnds();
    void logsRefusedDocumentTypes();
    void refusesSpecialFiles();
};

void TestXmlImport::readsPanels_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("expected");
    QTest::newRow("any depth, document order")
        << QByteArray(
               "<?xml version=\"1.0\"?><Root><Site><Panel name=\"B\"><x><loop number=\"2\">"
               "<y><Device type=\"1\" ext_type=\"5\"/></y><Device type=\"6\" ext_type=\"200\"/></loop></x>"
               "</Panel></Site><Panel name=\"A\"/></Root>")
        << "B[2:1/5,6/200]|A[]";
    QTest::newRow("nameless panel skipped with its loops")
        << QByteArray("<R><Panel><loop number=\"1\"><Device type=\"1\"/></loop></Panel>"
                      "<Panel name=\"N\"><loop number=\"3\"/></Panel></R>")
        << "N[3:]";
    QTest::newRow("second loop of a number replaces the first")
        << QByteArray("<Panel name=\"P\"><loop number=\"1\"><Device type=\"1\"/></loop>"
                      "<loop number=\"1\"><Device type=\"8\" ext_type=\"3\"/></loop></Panel>")
        << "P[1:8/3]";
    QTest::newRow("absent and non-numeric attributes read 0")
        << QByteArray("<Panel name=\"P\"><loop number=\"x\"><Device/><Device type=\"1.5\" ext_type=\"abc\"/>"
                      "<Device type=\"-7\" ext_type=\"0x10\"/></loop></Panel>")
        << "P[x:0/0,0/0,-7/0]";
    QTest::newRow("names are case-sensitive; loops outside panels ignored")
        << QByteArray(
               "<R><loop number=\"9\"><Device type=\"1\"/></loop><Panel name=\"P\"><Loop number=\"1\"/>"
               "<loop number=\"2\"><device type=\"1\"/></loop></Panel></R>")
        << "P[2:]";
    QTest::newRow("same name twice stays two panels")
        << QByteArray(
               "<R><Panel name=\"P\"><loop number=\"1\"/></Panel><Panel name=\"P\"><loop number=\"2\"/>"
               "</Panel></R>")
        << "P[1:]|P[2:]";
}

void TestXmlImport::readsPanels()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, expected);
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    QVector<XmlPanel> panels;
    QVERIFY(readPanels(buffer, panels));
    QCOMPARE(describe(panels), expected);
}

void TestXmlImport::refusesBadDocuments_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("warning");
    QTest::newRow("unclosed element")
        << QByteArray("<R><Panel name=\"P\"><loop number=\"1\"></R>") << "^XML parsing error: ";
    QTest::newRow("empty file") << QByteArray() << "^XML parsing error: ";
    QTest::newRow("not XML") << QByteArray("Panel;1;2\n") << "^XML parsing error: ";
    QTest::newRow("entity declarations")
        << QByteArray(
               "<?xml version=\"1.0\"?><!DOCTYPE R [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>"
               "<R><Panel name=\"&b;\"/></R>")
        << "^XML parsing error: Document type declarations are not accepted$";
    QTest::newRow("no named panel") << QByteArray("<R><panel name=\"P\"/><Panel/></R>")
                                    << "^No panels found in XML file$";
}

void TestXmlImport::refusesBadDocuments()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, warning);
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    QVector<XmlPanel> panels{XmlPanel{QStringLiteral("kept"), {}}};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    QVERIFY(!readPanels(buffer, panels));
    QCOMPARE(describe(panels), QStringLiteral("kept[]"));
}

void TestXmlImport::checksVersion_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("checkVersion");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("warnings");
    const int ok = int(ReadResult::Ok), failed = int(ReadResult::Failed),
              unsupported = int(ReadResult::UnsupportedVersion);
    QTest::newRow("620 without CONFIG") << onePanel << false << ok << "" << QStringList();
    QTest::newRow("310 without CONFIG")
        << onePanel << true << failed << "" << QStringList{"^No version information found in VXA XML file$"};
    QTest::newRow("310 first CONFIG with a Version counts")
        << QByteArray("<R><CONFIG/><CONFIG Version=\"v2.32\"/><CONFIG Version=\"v1\"/>" + onePanel + "</R>")
        << true << ok << "" << QStringList();
    QTest::newRow("310 other version")
        << QByteArray("<CONFIG Version=\"v2.31\">" + onePanel + "</CONFIG>") << true << unsupported << "v2.31"
        << QStringList{"^Unsupported VXA XML version: v2\\.31 Version supported: v2\\.32$"};
    QTest::newRow("310 version is compared exactly")
        << QByteArray("<CONFIG Version=\" v2.32\">" + onePanel + "</CONFIG>") << true << unsupported
        << " v2.32" << QStringList{"^Unsupported VXA XML version:  v2\\.32 Version supported: v2\\.32$"};
    QTest::newRow("620 ignores the version") << QByteArray("<CONFIG Version=\"v9\">" + onePanel + "</CONFIG>")
                                             << false << ok << "" << QStringList();
    QTest::newRow("310 version before an XML error is still read, the panels are not")
        << QByteArray("<CONFIG Version=\"v2.32\">" + onePanel) << true << failed << ""
        << QStringList{"^XML parsing error: \\S"};
}

void TestXmlImport::checksVersion()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, checkVersion);
    QFETCH(int, result);
    QFETCH(QString, version);
    QFETCH(QStringList, warnings);
    QTemporaryDir dir;
    const QString path = writeFile(dir, xml);
    for (const QString &w : warnings)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(w));
    QVector<XmlPanel> panels;
    QString found;
    QCOMPARE(int(readFile(path, checkVersion, panels, found)), result);
    QCOMPARE(found, version);
    QCOMPARE(describe(panels), result == int(ReadResult::Ok) ? QStringLiteral("P[1:1/0]") : QString());
}

void TestXmlImport::refusesMissingAndOversizedFiles()
{
    QTemporaryDir dir;
    QVector<XmlPanel> panels;
    QString found;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to open XML file for reading: "));
    QCOMPARE(readFile(dir.filePath("none.xml"), false, panels, found), ReadResult::Failed);

    // A valid document padded with white space beyond the limit.
    QByteArray big = onePanel;
    big.append(QByteArray(int(MaxFileSize) - big.size() + 1, ' '));
    const QString path = writeFile(dir, big);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^XML file too large: "));
    QCOMPARE(readFile(path, false, panels, found), ReadResult::Failed);
    QVERIFY(panels.isEmpty());

    big.chop(1);
    writeFile(dir, big);
    QCOMPARE(readFile(path, false, panels, found), ReadResult::Ok);
    QCOMPARE(describe(panels), QStringLiteral("P[1:1/0]"));
}

void TestXmlImport::ordersLoopNumbers_data()
{
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("by value, not text") << QStringList{"10", "2", "1"} << QStringList{"1", "2", "10"};
    QTest::newRow("gaps kept in order") << QStringList{"4", "1", "3"} << QStringList{"1", "3", "4"};
    // Non-integers count as 0; equal values keep text order.
    QTest::newRow("non-integers first")
        << QStringList{"3", "b", "-1", "a", "0"} << QStringList{"-1", "0", "a", "b", "3"};
}

void TestXmlImport::ordersLoopNumbers()
{
    QFETCH(QStringList, numbers);
    QFETCH(QStringList, expected);
    XmlPanel panel;
    for (const QString &n : numbers)
        panel.loops.insert(n, {});
    QCOMPARE(orderedLoopNumbers(panel), expected);
}

void TestXmlImport::countsExtraLoops_data()
{
    QTest::addColumn<int>("loops");
    QTest::addColumn<int>("baseLoops");
    QTest::addColumn<int>("extra");
    QTest::newRow("5 on 2: odd rounds up") << 5 << 2 << 4;
    QTest::newRow("4 on 2") << 4 << 2 << 2;
    QTest::newRow("8 on 2") << 8 << 2 << 6;
    QTest::newRow("base exactly") << 2 << 2 << 0;
    QTest::newRow("fewer than base") << 1 << 2 << 0;
    QTest::newRow("none") << 0 << 4 << 0;
}

void TestXmlImport::findsTheNamedModel_data()
{
    QTest::addColumn<QString>("panelName");
    QTest::addColumn<int>("index");
    QTest::newRow("exact") << "AB 10" << 0;
    QTest::newRow("case, hyphen, no blank") << "ab-10" << 0;
    QTest::newRow("joined") << "AB10" << 0;
    QTest::newRow("inside other words") << "Site 3: AB 10 (east)" << 0;
    QTest::newRow("longer name wins") << "AB 10 Plus" << 2;
    QTest::newRow("digits continue") << "AB 100" << 1;
    QTest::newRow("letters continue") << "XAB 10" << -1;
    QTest::newRow("none") << "Central A" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestXmlImport::findsTheNamedModel()
{
    QFETCH(QString, panelName);
    QFETCH(int, index);
    QVector<Panel> models(4);
    models[0].name = QStringLiteral("AB 10");
    models[1].name = QStringLiteral("AB 100");
    models[2].name = QStringLiteral("AB 10 Plus");
    models[3].name = QString(); // an unnamed record names nothing
    QCOMPARE(XmlImport::modelNamedBy(panelName, models), index);
}

void TestXmlImport::countsExtraLoops()
{
    QFETCH(int, loops);
    QFETCH(int, baseLoops);
    QFETCH(int, extra);
    QCOMPARE(extraLoopsFor(loops, baseLoops), extra);
}

void TestXmlImport::choosesBestDevice_data()
{
    QTest::addColumn<QVector<Device>>("devices");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    const QVector<Device> sizes{device("M2", "MOD", "IN", 2, 0.001), device("M4", "MOD", "IN", 4, 0.001),
                                device("M8", "MOD", "IN", 8, 0.001), device("X3", "MOD", "OUT", 3, 0.5)};
    QTest::newRow("exact") << sizes << 4 << "M4";
    QTest::newRow("closest below") << sizes << 5 << "M4";
    QTest::newRow("closest above") << sizes << 7 << "M8";
    QTest::newRow("far beyond") << sizes << 100 << "M8";
    QTest::newRow("other subcategory never") << sizes << 3 << "M2";
    QTest::newRow("equal distance: greater alarm current")
        << QVector<Device>{device("L", "MOD", "IN", 2, 0.001), device("H", "MOD", "IN", 4, 0.002)} << 3
        << "H";
    QTest::newRow("equal current: catalogue order")
        << QVector<Device>{device("F", "MOD", "IN", 4, 0.002), device("S", "MOD", "IN", 2, 0.002)} << 3
        << "F";
    QTest::newRow("none") << QVector<Device>{device("X3", "MOD", "OUT", 3, 0.5)} << 1 << "";
}

void TestXmlImport::choosesBestDevice()
{
    QFETCH(QVector<Device>, devices);
    QFETCH(int, count);
    QFETCH(QString, expected);
    QCOMPARE(bestDeviceMatch(devices, "MOD", "IN", count).name, expected);
}

void TestXmlImport::mapsLoopDevices_data()
{
    QTest::addColumn<QVector<XmlDevice>>("xml");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two type 1: one entry, count 2") << QVector<XmlDevice>{{1, 0}, {1, 99}} << "OPT-B:2";
    QTest::newRow("6/80 + 7/200: IN-OUT of 2") << QVector<XmlDevice>{{6, 80}, {7, 200}} << "IO-1:1";
    QTest::newRow("6/80 + 6/200: IN of 2") << QVector<XmlDevice>{{6, 80}, {6, 200}} << "IN-1:1";
    QTest::newRow("230 V run of 4 by its first ext_type")
        << QVector<XmlDevice>{{7, 83}, {7, 80}, {7, 80}, {7, 255}} << "R230-4:1";
    QTest::newRow("190 goes on, 191 ends")
        << QVector<XmlDevice>{{5, 80}, {5, 190}, {5, 190}, {5, 191}, {4, 0}} << "CP:1;ZONE-4:1";
    QTest::newRow("a run consumes what it covers")
        << QVector<XmlDevice>{{6, 80}, {1, 0}, {6, 200}, {8, 0}} << "IN-1:1;SND:1";
    QTest::newRow("single modules by ext_type")
        << QVector<XmlDevice>{{7, 18}, {7, 14}, {7, -5}, {6, 19}, {5, 0}}
        << "IN-1:1;OUT-1:1;R230-4:1;S24-2:1;ZONE-1:1";
    QTest::newRow("ext_type 20 to 70 and other types give nothing")
        << QVector<XmlDevice>{{5, 20}, {6, 70}, {7, 45}, {0, 0}, {13, 0}, {-1, 200}} << "";
    QTest::newRow("no catalogue device of that kind: skipped")
        << QVector<XmlDevice>{{10, 0}, {12, 0}, {11, 0}, {3, 0}, {1, 0}} << "OPT-B:1";
    // A run cut short by the end of the list counts the devices it has.
    QTest::newRow("run reaching the end") << QVector<XmlDevice>{{9, 80}, {9, 80}} << "CON-2:1";
    QTest::newRow("type 9 runs at any ext_type") << QVector<XmlDevice>{{9, 0}, {9, 0}, {9, 300}} << "CON-3:1";
    QTest::newRow("empty") << QVector<XmlDevice>{} << "";
}

void TestXmlImport::mapsLoopDevices()
{
    QFETCH(QVector<XmlDevice>, xml);
    QFETCH(QString, expected);
    const QMap<QString, int> map = loopDeviceMap(xml, range());
    QStringList entries;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        entries.append(it.key() + QLatin1Char(':') + QString::number(it.value()));
    QCOMPARE(entries.join(QLatin1Char(';')), expected);
}

void TestXmlImport::summarisesLoops_data()
{
    QTest::addColumn<QVector<XmlDevice>>("xml");
    QTest::addColumn<QString>("expected");
    // devices | modules/covered | unknown types | no catalogue device
    QTest::newRow("all matched, no modules") << QVector<XmlDevice>{{1, 0}, {1, 0}, {8, 0}} << "3|0/0||";
    QTest::newRow("a run of 4 is one module over 4 devices")
        << QVector<XmlDevice>{{7, 83}, {7, 80}, {7, 80}, {7, 255}, {4, 0}} << "5|1/4||";
    // A single-address row is no module even when ext_type ends a run at once.
    QTest::newRow("run of one is no module") << QVector<XmlDevice>{{5, 200}} << "1|0/0||";
    QTest::newRow("unknown types grouped by type and ext_type")
        << QVector<XmlDevice>{{13, 0}, {13, 0}, {5, 40}, {1, 0}} << "4|0/0|5/40:1,13/0:2|";
    // The demo-like range lacks beams and gas detectors; a run of 2 counts 2.
    QTest::newRow("kinds the catalogue lacks, by devices covered")
        << QVector<XmlDevice>{{12, 0}, {10, 0}, {12, 0}, {7, 79}, {7, 200}}
        << "5|0/0||DET/BEAM:2,DET/GAS:1,MOD/24V-OUT:2";
}

void TestXmlImport::summarisesLoops()
{
    QFETCH(QVector<XmlDevice>, xml);
    QFETCH(QString, expected);
    QVector<Device> devices = range();
    // No 24 V output module of two, so the run above has no match.
    devices.erase(std::remove_if(devices.begin(), devices.end(),
                                 [](const Device &d) { return d.subcategory == QLatin1String("24V-OUT"); }),
                  devices.end());
    const LoopSummary summary = summariseLoop(xml, devices);
    QStringList unknown;
    for (auto it = summary.unknownTypes.cbegin(); it != summary.unknownTypes.cend(); ++it)
        unknown << QStringLiteral("%1/%2:%3").arg(it.key().first).arg(it.key().second).arg(it.value());
    QStringList unmatched;
    for (auto it = summary.unmatched.cbegin(); it != summary.unmatched.cend(); ++it)
        unmatched << QStringLiteral("%1/%2:%3").arg(it.key().first, it.key().second).arg(it.value());
    QCOMPARE(QStringLiteral("%1|%2/%3|%4|%5")
                 .arg(summary.xmlDevices)
                 .arg(summary.modules)
                 .arg(summary.moduleDevices)
                 .arg(unknown.join(','), unmatched.join(',')),
             expected);
    // Every device of the file is either imported, part of a module or left out.
    int accounted = summary.moduleDevices;
    for (int n : summary.devices)
        accounted += n;
    accounted -= summary.modules;
    for (int n : summary.unknownTypes)
        accounted += n;
    for (int n : summary.unmatched)
        accounted += n;
    QCOMPARE(accounted, summary.xmlDevices);
    QCOMPARE(summary.devices, loopDeviceMap(xml, devices));
}

void TestXmlImport::plansWhichLoopsGoWhere_data()
{
    QTest::addColumn<int>("baseLoops");
    QTest::addColumn<int>("maxLoops");
    QTest::addColumn<int>("fileLoops");
    QTest::addColumn<QString>("expected");
    // Loop numbers 1..n; each entry: target loop, or x for left out.
    QTest::newRow("fits") << 2 << 8 << 3 << "1,2,3";
    QTest::newRow("beyond the maximum") << 2 << 4 << 6 << "1,2,3,4,x,x";
    // 2 base loops, maximum 7: cards reach 6, the seventh loop has no place.
    QTest::newRow("odd maximum") << 2 << 7 << 8 << "1,2,3,4,5,6,x,x";
    QTest::newRow("odd maximum, within it") << 2 << 7 << 7 << "1,2,3,4,5,6,x";
}

void TestXmlImport::plansWhichLoopsGoWhere()
{
    QFETCH(int, baseLoops);
    QFETCH(int, maxLoops);
    QFETCH(int, fileLoops);
    QFETCH(QString, expected);
    XmlPanel panel;
    panel.name = QStringLiteral("P");
    for (int n = fileLoops; n >= 1; --n)
        panel.loops.insert(QString::number(n), QVector<XmlDevice>{{1, 0}, {13, 0}});
    Panel model;
    model.name = QStringLiteral("M");
    model.baseLoops = baseLoops;
    model.maxLoops = maxLoops;
    const ImportPlan plan = planImport(panel, model, range());
    QStringList targets;
    for (const LoopPlan &loop : plan.loops) {
        targets << (loop.targetLoop ? QString::number(loop.targetLoop) : QStringLiteral("x"));
        QCOMPARE(loop.leftOutBecause.isEmpty(), loop.targetLoop > 0);
    }
    QCOMPARE(targets.join(','), expected);
    const int imported = expected.count(QRegularExpression("\\d+"));
    QCOMPARE(plan.importedLoops(), imported);
    // One unknown device per imported loop; left-out loops do not count.
    QCOMPARE(plan.ignoredDevices(), imported);
    QCOMPARE(loopOutcome(plan.loops.first()), QStringLiteral("Loop 1"));
    QCOMPARE(loopDetails(plan.loops.first()),
             (QStringList{"1 x OPT-B",
                          "Left out: 1 device(s) of type 13, extended type 0: no such device is imported"}));
    if (fileLoops == maxLoops && plan.loops.last().targetLoop == 0) {
        QCOMPARE(plan.loops.last().leftOutBecause, QStringLiteral("loop cards bring M to 6 loop(s) at most"));
    } else if (plan.loops.last().targetLoop == 0) {
        QCOMPARE(loopOutcome(plan.loops.last()), QStringLiteral("Not imported"));
        QCOMPARE(loopDetails(plan.loops.last()),
                 QStringList{QStringLiteral("Left out: %1").arg(plan.loops.last().leftOutBecause)});
        QCOMPARE(plan.loops.last().leftOutBecause,
                 QStringLiteral("M takes at most %1 loop(s)").arg(maxLoops));
    }
}

// Cut a real document at every length and flip bytes: the reader must either
// refuse with a log line or return panels, never crash or hang.
void TestXmlImport::survivesDamagedDocuments()
{
    QFile file(QStringLiteral(KALVIX_TEST_DATA_DIR "/xml/two_panels.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    QVERIFY(original.size() > 100);
    // QtTest's own handler comes back afterwards, so later tests can still
    // expect their warnings.
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    int refused = 0;
    for (int i = 0; i < original.size(); ++i) {
        for (const QByteArray &damaged : {original.left(i), QByteArray(original).replace(i, 1, "\x01")}) {
            QByteArray bytes = damaged;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            QVector<XmlPanel> panels;
            const bool read = readPanels(buffer, panels);
            refused += read ? 0 : 1;
            QCOMPARE(panels.isEmpty(), !read);
            for (const XmlPanel &panel : panels)
                for (const QVector<XmlDevice> &loop : panel.loops)
                    loopDeviceMap(loop, range());
        }
    }
    qInstallMessageHandler(previous);
    QVERIFY(refused > original.size());
}

void TestXmlImport::boundsCountsAndTexts_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("error"); // empty: accepted
    const auto panels = [](int count, const QByteArray &inside = QByteArray()) {
        QByteArray xml = "<R>";
        for (int i = 0; i < count; ++i)
            xml += "<Panel name=\"P\">" + inside + "</Panel>";
        return xml + "</R>";
    };
    const auto loops = [](int count, const QByteArray &inside = QByteArray()) {
        QByteArray xml;
        for (int i = 0; i < count; ++i)
            xml += "<loop number=\"" + QByteArray::number(i) + "\">" + inside + "</loop>";
        return xml;
    };
    const auto devices = [](int count) {
        QByteArray xml;
        for (int i = 0; i < count; ++i)
            xml += "<Device type=\"1\" ext_type=\"0\"/>";
        return xml;
    };
    QTest::newRow("panels at the bound") << panels(MaxPanels) << "";
    QTest::newRow("one panel too many") << panels(MaxPanels + 1) << "More than 1000 panels";
    QTest::newRow("loops at the bound") << panels(1, loops(MaxLoopsPerPanel)) << "";
    QTest::newRow("one loop too many")
        << panels(1, loops(MaxLoopsPerPanel + 1)) << "More than 256 loops in a panel";
    QTest::newRow("devices at the bound") << panels(1, loops(1, devices(MaxDevicesPerLoop))) << "";
    QTest::newRow("one device too many in a loop")
        << panels(1, loops(1, devices(MaxDevicesPerLoop + 1))) << "More than 2000 devices in a loop";
    // 101 loops of 1981 devices: each loop within its bound, the file not.
    QTest::newRow("too many devices in all")
        << panels(1, loops(101, devices(1981))) << "More than 200000 devices";
    const QByteArray longest(MaxTextLength, 'n');
    QTest::newRow("name at the bound") << "<R><Panel name=\"" + longest + "\"/></R>"
                                       << "";
    QTest::newRow("name too long") << "<R><Panel name=\"" + longest + "n\"/></R>"
                                   << "Attribute name longer than 256 characters";
    QTest::newRow("loop number too long")
        << "<R><Panel name=\"P\"><loop number=\"" + longest + "1\"/></Panel></R>"
        << "Attribute number longer than 256 characters";
}

void TestXmlImport::boundsCountsAndTexts()
{
    // Far above real exports, but a file with millions of panels or a name of
    // megabytes is refused before the panel choice has to show it.
    QFETCH(QByteArray, xml);
    QFETCH(QString, error);
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    QVector<XmlPanel> panels;
    if (!error.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, ("XML parsing error: " + error).toUtf8().constData());
    QCOMPARE(readPanels(buffer, panels), error.isEmpty());
    QCOMPARE(panels.isEmpty(), !error.isEmpty());
}

void TestXmlImport::readsUtf16WithWindowsLineEnds()
{
    // Every 0x0D byte matters in UTF-16: the file is read as bytes.
    const QString text =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
                       "<R>\r\n<CONFIG Version=\"v2.32\"/>\r\n<Panel name=\"Zentrale \u00c4\">\r\n"
                       "<loop number=\"\u010d1\"><Device type=\"1\" ext_type=\"0\"/></loop>\r\n"
                       "</Panel>\r\n</R>\r\n");
    for (const char *codec : {"UTF-16LE", "UTF-16BE"}) {
        // The codec writes the byte-order mark itself.
        const QByteArray bytes = QTextCodec::codecForName(codec)->fromUnicode(text);
        QVERIFY(bytes.contains(QByteArray(codec == QByteArray("UTF-16LE") ? "\r\0\n\0" : "\0\r\0\n", 4)));
        QTemporaryDir dir;
        const QString path = writeFile(dir, bytes);
        QVector<XmlPanel> panels;
        QString found;
        QCOMPARE(readFile(path, true, panels, found), ReadResult::Ok);
        QCOMPARE(describe(panels), QString::fromUtf8("Zentrale Ä[č1:1/0]"));
    }
}

void TestXmlImport::logsRefusedDocumentTypes()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "<!DOCTYPE R [<!ENTITY a \"x\">]><R><Panel name=\"&a;\"/></R>");
    QVector<XmlPanel> panels;
    QString found;
    QTest::ignoreMessage(QtWarningMsg, "XML document type declaration refused");
    QTest::ignoreMessage(QtWarningMsg, "XML parsing error: Document type declarations are not accepted");
    QCOMPARE(readFile(path, false, panels, found), ReadResult::Failed);
}

void TestXmlImport::refusesSpecialFiles()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.xml");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(QDir(dir.path()).mkdir("folder.xml"));
    for (const QString &path : {pipe, dir.filePath("folder.xml")}) {
        QVector<XmlPanel> panels;
        QString found;
        QElapsedTimer timer;
        timer.start();
        QTest::ignoreMessage(QtWarningMsg, "Failed to open XML file for reading: Not a regular file");
        QCOMPARE(readFile(path, true, panels, found), ReadResult::Failed);
        QVERIFY(timer.elapsed() < 5000);
    }
}

QTEST_GUILESS_MAIN(TestXmlImport)
#include "tst_xmlimport.moc"
