#include "reportreadback.h"

#include "catalogue/catalogue.h"
#include "report/reportcomposer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QtTest>

using namespace Report;

namespace
{

CatalogueData smallRange()
{
    CatalogueData data;
    Panel panel;
    panel.name = QStringLiteral("TXP 816");
    panel.idleCurrent = 0.25;
    panel.alarmCurrent = 0.5;
    panel.maxCurrent = 3.0;
    data.panels = {panel};
    ExpansionBox box;
    box.name = QStringLiteral("TXE 2");
    data.expansionBoxes = {box};
    const auto battery = [](const char *name, double capacity) {
        Battery b;
        b.name = QString::fromLatin1(name);
        b.capacity = capacity;
        return b;
    };
    data.batteries = {battery("B7", 7.2), battery("B18", 18), battery("B26", 26), battery("B100", 100)};
    ExternalPowerSource source;
    source.name = QStringLiteral("PS20");
    source.maxBatteryCapacity = 20;
    data.externalPowerSources = {source};
    const auto batteryBox = [](const char *name, double capacity) {
        ExternalBatteryBox b;
        b.name = QString::fromLatin1(name);
        b.maxBatteryCapacity = capacity;
        return b;
    };
    // Two boxes of equal size: the first in catalogue order must win.
    data.externalBatteryBoxes = {batteryBox("BOX40", 40), batteryBox("BOX30a", 30), batteryBox("BOX30b", 30),
                                 batteryBox("BOX10", 10)};
    AuxiliaryCard loopCard;
    loopCard.name = QStringLiteral("LOOP-2");
    loopCard.current = 0.02;
    AuxiliaryCard netCard;
    netCard.name = QStringLiteral("NET");
    netCard.current = 0.01;
    data.auxiliaryCards = {netCard, loopCard};
    return data;
}

LoopInfo loopWith(const QVector<QPair<QString, int>> &devices, int length = 1000)
{
    LoopInfo loop;
    loop.cableType = QStringLiteral("2,5 mm2 (14 AWG)");
    loop.topologyCode = QStringLiteral("A");
    loop.distributionFactor = 100;
    loop.loopLength = length;
    loop.devices = devices;
    return loop;
}

// A main panel with two loops (the second faulty) and one expansion box.
ReportData smallDesign()
{
    ReportData data;
    data.date = QDate(2026, 3, 7);
    PanelInfo &main = data.mainPanel;
    main.model = QStringLiteral("TXP 816");
    main.internalBattery = QStringLiteral("B18");
    main.batteryDegradation = 20;
    main.soundersActive = 50;
    main.idleTime = QStringLiteral("30 h");
    main.alarmTime = QStringLiteral("15 min");
    main.cards = QStringList{QStringLiteral("NET"), QStringLiteral("LOOP-2"), QStringLiteral("LOOP-2")};
    main.source1 = QStringLiteral("PS20");
    main.battery1 = QStringLiteral("B26");
    main.source2 = QStringLiteral("-");
    main.battery2 = QStringLiteral("-");
    main.loops = {loopWith({{QStringLiteral("OD-210"), 40}, {QStringLiteral("CP-300"), 2}}),
                  loopWith({{QStringLiteral("OD-210"), 5}}, 0)};
    main.loops[1].faultText = QStringLiteral("Too many devices\nToo long");
    PanelInfo box;
    box.model = QStringLiteral("TXE 2");
    box.internalBattery = QStringLiteral("-");
    box.source1 = box.battery1 = box.source2 = box.battery2 = QStringLiteral("-");
    box.loops = {loopWith({{QStringLiteral("OD-210"), 3}}, 600)};
    box.loops[0].noteText = QStringLiteral("Consider a card");
    data.expansionBoxes = {box};
    return data;
}

// Positions of the markers in the text; -1 when one is missing.
QVector<int> positionsOf(const QString &html, const QStringList &markers)
{
    QVector<int> at;
    for (const QString &marker : markers)
        at.append(html.indexOf(marker));
    return at;
}

int countOf(const QString &html, const QString &text)
{
    return html.count(text);
}

// The text of the calculation sheet only, as a reader sees it.
QString sheetText(const ReportData &data, const Catalogue &catalogue)
{
    QTextDocument document;
    document.setHtml(composeCalculationSheet(data, catalogue));
    return document.toPlainText();
}

} // namespace

class TestReportComposer : public QObject
{
    Q_OBJECT

private slots:
    void sectionsInOrder();
    void titlePageRows_data();
    void titlePageRows();
    void analysisOnlyWhereThereIsSomethingToSay();
    void topologyBoxes_data();
    void topologyBoxes();
    void settingsAndNumbers();
    void equipmentSummary();
    void batteryBoxRule_data();
    void batteryBoxRule();
    void namesAreShownLiterally();
    void projectFields();
    void emptyLoopOrdersNoCable();
    void pictureUnderFolderWithApostrophe();
    void loopRowAgainstLimits_data();
    void loopRowAgainstLimits();
    void batteryCalculationWrittenOut_data();
    void batteryCalculationWrittenOut();
    void powerLoadAgainstModel_data();
    void powerLoadAgainstModel();

private:
    Catalogue catalogue{smallRange()};
};

void TestReportComposer::sectionsInOrder()
{
    const QString html = composeReportHtml(smallDesign(), catalogue);
    QVERIFY(html.startsWith(QStringLiteral("<html><head><style>body { font-family: Arial, sans-serif;")));
    QVERIFY(html.contains(
        QStringLiteral(".item-text { line-height: 1.2; padding: 8px 0; }</style></head><body>")));
    // The calculation sheet follows every described section.
    QVERIFY(html.contains(QStringLiteral("</table></div><div class='page-break'></div><div "
                                         "class='section'><h1>Calculation Sheet</h1>")));
    QVERIFY(html.endsWith(QStringLiteral("</div></body></html>")));

    const QStringList markers = {
        QStringLiteral("<h0>Kalvix Report</h0>"),
        QStringLiteral("Overall verdict"),
        QStringLiteral("<h2>Revision History</h2>"),
        QStringLiteral("<h2>Basis of Design</h2>"),
        QStringLiteral("<h2>System Faults & Notes Analysis</h2>"),
        QStringLiteral("<h3>Loop 2 Analysis</h3>"),
        QStringLiteral("<h3>Expansion Box 1 - Loop 1 Analysis</h3>"),
        QStringLiteral("<h2>Panel Configuration</h2>"),
        QStringLiteral("<h1>Loop 1 - Configuration</h1>"),
        QStringLiteral("<h1>Loop 2 - Configuration</h1>"),
        QStringLiteral("<h2>Expansion Box Configuration 1</h2>"),
        QStringLiteral("<h1>Expansion Box 1 - Loop 1 - Configuration</h1>"),
        QStringLiteral("<h1>Cable Schedule</h1>"),
        QStringLiteral("<h1>Equipment Summary List</h1>"),
        QStringLiteral("<h1>Calculation Sheet</h1>"),
        QStringLiteral("<h2>Main Panel: TXP 816</h2>"),
        QStringLiteral("<h2>Expansion Box 1: TXE 2</h2>"),
        QStringLiteral("<h2>Method and Assumptions</h2>"),
    };
    const QVector<int> at = positionsOf(html, markers);
    for (int i = 0; i < at.size(); ++i) {
        QVERIFY2(at[i] >= 0, qPrintable(markers[i]));
        if (i > 0)
            QVERIFY2(at[i] > at[i - 1], qPrintable(markers[i]));
    }
    // Only the faulty loop and the box loop with a note have analysis blocks.
    QCOMPARE(countOf(html, QStringLiteral("Analysis</h3>")), 2);
    QVERIFY(!html.contains(QStringLiteral("General System Analysis")));
    // One page break per section: revisions, analysis, panel, 2 loops, box, box loop, cables,
    // summary, sheet.
    QCOMPARE(countOf(html, QStringLiteral("<div class='page-break'></div><div class='section'>")), 10);
    QCOMPARE(countOf(html, QStringLiteral("<div")), countOf(html, QStringLiteral("</div>")));
}

void TestReportComposer::titlePageRows_data()
{
    QTest::addColumn<QString>("facility");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("installer");
    QTest::addColumn<QStringList>("labels");

    const QStringList fixed = {QStringLiteral("Generated on:"), QStringLiteral("Software:"),
                               QStringLiteral("Company:"), QStringLiteral("Website:")};
    QTest::newRow("all empty") << QString() << QString() << QString() << fixed;
    QTest::newRow("facility only") << "Mall" << QString() << QString()
                                   << (QStringList{QStringLiteral("Facility:")} + fixed);
    QTest::newRow("all three") << "Mall"
                               << "Main St 1"
                               << "Acme"
                               << (QStringList{QStringLiteral("Facility:"), QStringLiteral("Address:"),
                                               QStringLiteral("Installer:")} +
                                   fixed);
}

void TestReportComposer::titlePageRows()
{
    QFETCH(QString, facility);
    QFETCH(QString, address);
    QFETCH(QString, installer);
    QFETCH(QStringList, labels);
    ReportData data = smallDesign();
    data.facility = facility;
    data.address = address;
    data.installer = installer;
    const QString html = composeReportHtml(data, catalogue);
    QStringList shown;
    const QRegularExpression row(
        QStringLiteral("<div class='info-row'><span class='info-label'>([^<]*)</span>"));
    for (auto it = row.globalMatch(html); it.hasNext();)
        shown << it.next().captured(1);
    QCOMPARE(shown, labels);
    QVERIFY(html.contains(QStringLiteral("<span class='info-label'>Generated on:</span> "
                                         "<span class='info-value'>7 March 2026</span>")));
    QVERIFY(html.contains(QStringLiteral("<span class='info-value'>Kalvix v2.1.2</span>")));
}

void TestReportComposer::analysisOnlyWhereThereIsSomethingToSay()
{
    ReportData data = smallDesign();
    data.mainPanel.loops[1].faultText.clear();
    data.expansionBoxes[0].loops[0].noteText.clear();
    QVERIFY(!composeReportHtml(data, catalogue).contains(QStringLiteral("System Faults & Notes Analysis")));

    // A box's own notes alone still open the section, before the configuration.
    data.expansionBoxes[0].powerNotes = QStringLiteral("Battery too small");
    const QString html = composeReportHtml(data, catalogue);
    QCOMPARE(countOf(html, QStringLiteral("System Faults & Notes Analysis")), 1);
    const int heading =
        html.indexOf(QStringLiteral("<h3>Expansion Box 1 Analysis</h3><div class='fault-box'>"
                                    "<div class='fault-title'>SYSTEM FAULTS DETECTED</div>"
                                    "<div class='fault-content'>Battery too small</div></div>"));
    QVERIFY(heading > 0);
    QVERIFY(heading < html.indexOf(QStringLiteral("Panel Configuration")));
    QVERIFY(!html.contains(QStringLiteral("note-title'>SYSTEM NOTES")));

    // Several items are separated by line breaks.
    data = smallDesign();
    QVERIFY(composeReportHtml(data, catalogue)
                .contains(QStringLiteral("<div class='fault-title'>LOOP FAULTS DETECTED</div>"
                                         "<div class='fault-content'>Too many devices<br>Too long</div>")));
}

void TestReportComposer::topologyBoxes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("degradedOk");
    QTest::addColumn<QString>("topology");
    QTest::addColumn<bool>("warning");
    QTest::addColumn<bool>("recommendation");
    QTest::newRow("class A, holds") << "A" << true << "Class A" << false << false;
    QTest::newRow("class A, fails") << "A" << false << "Class A" << true << false;
    QTest::newRow("degraded") << "B" << true << "Degraded mode" << false << true;
    QTest::newRow("degraded, check fails") << "B" << false << "Degraded mode" << false << true;
}

void TestReportComposer::topologyBoxes()
{
    QFETCH(QString, code);
    QFETCH(bool, degradedOk);
    QFETCH(QString, topology);
    QFETCH(bool, warning);
    QFETCH(bool, recommendation);
    ReportData data = smallDesign();
    data.expansionBoxes.clear();
    data.mainPanel.loops.removeLast();
    data.mainPanel.loops[0].topologyCode = code;
    data.mainPanel.loops[0].degradedModeOk = degradedOk;
    const QString html = composeReportHtml(data, catalogue);
    QVERIFY(html.contains(
        QStringLiteral("<span class='config-label'>Topology:</span> <span class='config-value'>") + topology +
        QStringLiteral("</span>")));
    QCOMPARE(html.contains(
                 QStringLiteral("<div class='fault-title'>TOPOLOGY WARNING</div><div class='fault-content'>"
                                "The current loop configuration may experience operational issues")),
             warning);
    QCOMPARE(html.contains(
                 QStringLiteral("<div class='note-title'>TOPOLOGY RECOMMENDATION</div><div "
                                "class='note-content'>The loop is configured for Degraded mode topology.")),
             recommendation);
}

void TestReportComposer::settingsAndNumbers()
{
    ReportData data = smallDesign();
    data.mainPanel.loops[0].distributionFactor = 7.2;
    data.mainPanel.loops[0].startDistance = 100;
    data.mainPanel.loops[0].endDistance = 150;
    data.mainPanel.loops[1].distributionFactor = 12;
    const QString html = composeReportHtml(data, catalogue);
    const auto row = [](const char *label, const char *value) {
        return QStringLiteral("<div class='config-item'><span class='config-label'>%1</span> "
                              "<span class='config-value'>%2</span></div>")
            .arg(QLatin1String(label), QLatin1String(value));
    };
    const QStringList expected = {
        row("Panel:", "TXP 816"),
        row("Internal Battery:", "B18"),
        row("Battery Degradation:", "20%"),
        row("Maximum Sounders Active:", "50%"),
        row("Idle Time:", "30 h"),
        row("Alarm Time:", "15 min"),
        QStringLiteral("<h3>Auxiliary Cards</h3>") + row("Card:", "NET") + row("Card:", "LOOP-2") +
            row("Card:", "LOOP-2"),
        // Source 1 holds 20 Ah, the battery needs 26: the smallest box of at
        // least 26 Ah, the first of two equal ones.
        QStringLiteral("<h3>External Power Sources</h3>") + row("External Power Source 1:", "PS20") +
            row("Additional Battery 1:", "B26") + row("External Battery Box 1:", "BOX30a") +
            QStringLiteral("<h3>Output Currents</h3>"),
        row("Cable Type:", "2,5 mm2 (14 AWG)"),
        row("Distribution Factor:", "7.2%") + row("Loop Length:", "1000 m") +
            row("Distance to First Device:", "100 m") + row("Distance to Last Device:", "150 m"),
        QStringLiteral("<h2>Devices in Loop</h2>") + row("OD-210:", "40 units") + row("CP-300:", "2 units"),
        row("Distribution Factor:", "12%"),
        row("Expansion Box:", "TXE 2"),
    };
    for (const QString &text : expected)
        QVERIFY2(html.contains(text), qPrintable(text));
    // The box has no sources, so no block for them; a loop without devices says so.
    QCOMPARE(countOf(html, QStringLiteral("<h3>External Power Sources</h3>")), 1);
    data.mainPanel.loops[0].devices.clear();
    QVERIFY(composeReportHtml(data, catalogue)
                .contains(QStringLiteral("<h2>Devices in Loop</h2><div class='config-item'>No devices "
                                         "configured</div>")));
}

void TestReportComposer::equipmentSummary()
{
    const QString html = composeReportHtml(smallDesign(), catalogue);
    QString table = html.mid(html.indexOf(QStringLiteral("<h1>Equipment Summary List</h1>")));
    table.truncate(table.indexOf(QStringLiteral("</table>")));
    // item | description | main panel | box 1 | total, category titles alone, in row order.
    QStringList rows;
    const QRegularExpression row(QStringLiteral("<tr[^>]*>(.*?)</tr>"));
    const QRegularExpression cell(QStringLiteral("<t[dh][^>]*>(.*?)</t[dh]>"));
    for (auto it = row.globalMatch(table); it.hasNext();) {
        QStringList texts;
        for (auto c = cell.globalMatch(it.next().captured(1)); c.hasNext();)
            texts << c.next().captured(1).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        rows << (texts.size() == 1 ? texts.first() : texts.mid(1).join(QStringLiteral(" | ")));
    }
    const QStringList expected = {
        "Item | Description | Main panel | Box 1 | Total",
        "PANEL",
        "TXP 816 | Fire Alarm Control Panel - Main control unit | 1 |  | 1",
        "AUXILIARY CARDS",
        "LOOP-2 | Auxiliary Card - Panel expansion | 2 |  | 2",
        "NET | Auxiliary Card - Panel expansion | 1 |  | 1",
        "EXTERNAL POWER SOURCES",
        "PS20 | External Power Supply - Additional power source | 1 |  | 1",
        "BATTERIES",
        "B18 | Internal Battery - Standby power (18 Ah) | 1 |  | 1",
        "B26 | External Battery - Extended standby power (26 Ah) | 1 |  | 1",
        "EXTERNAL BATTERY BOXES",
        "BOX30a | External Battery Box - For additional battery support (30 Ah) | 1 |  | 1",
        "EXPANSION BOXES",
        "TXE 2 | Expansion Box - Additional control unit |  | 1 | 1",
        "LOOP DEVICES",
        // 2 in loop 1 only; 40 + 5 on the panel and 3 in the box.
        "CP-300 | No description available for this device. | 2 |  | 2",
        "OD-210 | No description available for this device. | 45 | 3 | 48",
        "CABLES",
        // Loop 2 has no length, so no cable.
        "2,5 mm2 (14 AWG) | Loop Cable - loop wiring | 1000 m | 600 m | 1600 m",
    };
    QCOMPARE(rows, expected);
    QVERIFY(table.contains(QStringLiteral("<img src=':/resources/icons/cable.png' width='18' height='18'>")));
}

void TestReportComposer::batteryBoxRule_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("battery");
    QTest::addColumn<QString>("box");
    QTest::newRow("source holds it") << "PS20"
                                     << "B18" << QString();
    QTest::newRow("smallest that fits, first of equals") << "PS20"
                                                         << "B26"
                                                         << "BOX30a";
    QTest::newRow("nothing big enough") << "PS20"
                                        << "B100" << QString();
    QTest::newRow("no battery") << "PS20"
                                << "-" << QString();
    // An unknown source holds 0 Ah, so even a small battery needs a box.
    QTest::newRow("unknown source") << "PSX"
                                    << "B7"
                                    << "BOX10";
}

void TestReportComposer::batteryBoxRule()
{
    QFETCH(QString, source);
    QFETCH(QString, battery);
    QFETCH(QString, box);
    QCOMPARE(batteryBoxFor(source, battery, catalogue), box);
}

void TestReportComposer::namesAreShownLiterally()
{
    ReportData data = smallDesign();
    data.facility = QStringLiteral("<b>&");
    data.address = QStringLiteral("1 < 2 & \"3\"");
    data.installer = QStringLiteral("<img src='x'>");
    data.mainPanel.loops[0].devices = {{QStringLiteral("<i>D&D</i>"), 1}};
    data.mainPanel.loops[0].cableType = QStringLiteral("<u>cable</u>");
    data.mainPanel.loops[1].faultText = QStringLiteral("<script>\nA & B");
    const QString html = composeReportHtml(data, catalogue);
    for (const char *raw : {"<b>&", "<img src='x'>", "<i>D&D</i>", "<u>cable</u>", "<script>"})
        QVERIFY2(!html.contains(QLatin1String(raw)), raw);
    QVERIFY(html.contains(QStringLiteral("<span class='info-value'>&lt;b&gt;&amp;</span>")));
    QVERIFY(html.contains(QStringLiteral("<span class='info-value'>1 &lt; 2 &amp; &quot;3&quot;</span>")));
    QVERIFY(html.contains(QStringLiteral("&lt;i&gt;D&amp;D&lt;/i&gt;:</span>")));
    QVERIFY(html.contains(QStringLiteral("&lt;script&gt;<br>A &amp; B")));

    // And the rich-text layout shows the name as typed.
    QTextDocument document;
    document.setHtml(html);
    QVERIFY(document.toPlainText().contains(QStringLiteral("Facility: <b>&")));
}

void TestReportComposer::projectFields()
{
    ReportData data = smallDesign();
    data.projectReference = QStringLiteral("P-17 <north>");
    data.preparedBy = QStringLiteral("J. Ray");
    const QString html = composeReportHtml(data, catalogue);
    QStringList shown;
    const QRegularExpression row(
        QStringLiteral("<div class='info-row'><span class='info-label'>([^<]*)</span>"));
    for (auto it = row.globalMatch(html); it.hasNext();)
        shown << it.next().captured(1);
    // Filled fields only, after the described three, escaped like them.
    QCOMPARE(shown, (QStringList{"Project reference:", "Prepared by:", "Generated on:", "Software:",
                                 "Company:", "Website:"}));
    QVERIFY(html.contains(QStringLiteral("<span class='info-value'>P-17 &lt;north&gt;</span>")));

    // Title, author and subject of the PDF.
    DocumentInfo info = documentInfo(data);
    QCOMPARE(info.title, QStringLiteral("P-17 <north>"));
    QCOMPARE(info.author, QStringLiteral("J. Ray"));
    QCOMPARE(info.subject, QStringLiteral("Fire Alarm System Configuration & Analysis"));
    data.revision = QStringLiteral("C");
    data.facility = QStringLiteral("Mall");
    data.preparedBy.clear();
    data.installer = QStringLiteral("Acme");
    info = documentInfo(data);
    QCOMPARE(info.title, QStringLiteral("P-17 <north> - Revision C"));
    QCOMPARE(info.author, QStringLiteral("Acme")); // the installer when nobody signed
    QCOMPARE(info.subject, QStringLiteral("Fire Alarm System Configuration & Analysis: Mall"));
    QCOMPARE(documentInfo(ReportData()).title, QStringLiteral("Kalvix Report"));
}

void TestReportComposer::emptyLoopOrdersNoCable()
{
    ReportData data = smallDesign();
    data.mainPanel.loops.append(loopWith({}, 500));
    data.expansionBoxes[0].loops.append(loopWith({}, 700));
    const QString html = composeReportHtml(data, catalogue);
    // Loop 1 and the box's first loop hold devices; the new loops hold none.
    const QVector<MaterialCategory> bom = billOfMaterials(data, catalogue);
    QCOMPARE(bom.last().title, QStringLiteral("CABLES"));
    QCOMPARE(bom.last().rows.size(), 1);
    QCOMPARE(bom.last().rows.first().perSystem, (QVector<qint64>{1000, 600}));
    QCOMPARE(bom.last().rows.first().total, 1600);
    // The empty loop keeps its configuration section.
    QVERIFY(html.contains(QStringLiteral("<h1>Loop 3 - Configuration</h1>")));
}

void TestReportComposer::pictureUnderFolderWithApostrophe()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray oldData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/o'neil/share")).toLocal8Bit());
    const QString images = Catalogue::dataLocation() + QStringLiteral("/data/images");
    QVERIFY(images.contains(QLatin1Char('\'')));
    QVERIFY(QDir().mkpath(images));
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(images + QStringLiteral("/panel.png")));

    CatalogueData range = smallRange();
    range.panels[0].image = QStringLiteral("panel.png");
    const Catalogue pictured(range);
    ReportData data = smallDesign();
    data.expansionBoxes.clear();
    const QString html = composeReportHtml(data, pictured);

    // The picture of the panel row is the real file, and the layout finds it.
    QTextDocument document;
    document.setHtml(html);
    QString source;
    for (QTextBlock block = document.begin(); block.isValid() && source.isEmpty(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat() && format.toImageFormat().name().endsWith(QStringLiteral("panel.png")))
                source = format.toImageFormat().name();
        }
    }
    qputenv("XDG_DATA_HOME", oldData);
    QCOMPARE(QUrl::fromEncoded(source.toUtf8()).path(), images + QStringLiteral("/panel.png"));
    // As the layout loads it for painting.
    const QVariant loaded =
        document.resource(QTextDocument::ImageResource, QUrl::fromEncoded(source.toUtf8()));
    QImage picture = loaded.value<QImage>();
    if (picture.isNull())
        picture = QImage::fromData(loaded.toByteArray());
    QCOMPARE(picture.size(), QSize(8, 8));
    QCOMPARE(picture.pixelColor(4, 4), QColor(Qt::red));
}

void TestReportComposer::loopRowAgainstLimits_data()
{
    QTest::addColumn<int>("addresses");
    QTest::addColumn<double>("alarm");
    QTest::addColumn<double>("drop");
    QTest::addColumn<QString>("margin");
    QTest::addColumn<QString>("result");
    // Limits: 250 addresses, 0.5 A, 6.9 V.
    QTest::newRow("room everywhere") << 125 << 0.25 << 3.45 << "50.0 %"
                                     << "OK";
    QTest::newRow("addresses tightest") << 200 << 0.25 << 3.45 << "20.0 %"
                                        << "OK";
    QTest::newRow("addresses at the limit") << 250 << 0.25 << 3.45 << "0.0 %"
                                            << "OK";
    QTest::newRow("one address over") << 251 << 0.25 << 3.45 << "-0.4 %"
                                      << "FAULT";
    QTest::newRow("current at the limit") << 10 << 0.5 << 3.45 << "0.0 %"
                                          << "OK";
    QTest::newRow("current over") << 10 << 0.5000001 << 3.45 << "-0.0 %"
                                  << "FAULT";
    QTest::newRow("drop at the limit") << 10 << 0.25 << 6.9 << "0.0 %"
                                       << "OK";
    QTest::newRow("drop over") << 10 << 0.25 << 7.245 << "-5.0 %"
                               << "FAULT";
}

void TestReportComposer::loopRowAgainstLimits()
{
    QFETCH(int, addresses);
    QFETCH(double, alarm);
    QFETCH(double, drop);
    QFETCH(QString, margin);
    QFETCH(QString, result);
    ReportData data = smallDesign();
    data.expansionBoxes.clear();
    data.mainPanel.loops.resize(1);
    LoopInfo &loop = data.mainPanel.loops[0];
    loop.limits.maxAddresses = 250;
    loop.figures.addresses = addresses;
    loop.figures.idleCurrent = 0.0456789;
    loop.figures.alarmCurrent = alarm;
    loop.figures.maxCurrent = 0.5;
    loop.figures.voltageDrop = drop;
    loop.figures.maxVoltageDrop = 6.9;
    loop.degradedModeOk = false;
    const QStringList cells = rowCells(composeCalculationSheet(data, catalogue),
                                       QStringLiteral("<h3>Loops</h3>"), QStringLiteral("1"));
    QCOMPARE(cells.size(), 8);
    // The figures as the loop tab shows them (7 decimals), each with its limit.
    QCOMPARE(cells.at(1), QStringLiteral("%1 / 250").arg(addresses));
    QCOMPARE(cells.at(2), QStringLiteral("0.0456789"));
    QCOMPARE(cells.at(3), QString::number(alarm, 'f', 7) + QStringLiteral(" / 0.5000000"));
    QCOMPARE(cells.at(4), QString::number(drop, 'f', 7) + QStringLiteral(" / 6.9000000"));
    QCOMPARE(cells.at(5), margin);
    QCOMPARE(cells.at(6), QStringLiteral("Class A exceeded"));
    QCOMPARE(cells.at(7), result);
}

void TestReportComposer::batteryCalculationWrittenOut_data()
{
    QTest::addColumn<double>("selected");
    QTest::addColumn<QString>("margin");
    QTest::addColumn<QString>("result");
    // 0.5 A idle for 72 h and 2 A alarm for 30 min with 20 % degradation:
    // 1.25 x (1 Ah + 36 Ah) = 46.25 Ah.
    QTest::newRow("exactly enough") << 46.25 << "0.00 Ah (0.0 %)"
                                    << "OK";
    QTest::newRow("one hundredth short") << 46.24 << "-0.01 Ah (-0.0 %)"
                                         << "FAULT";
    QTest::newRow("twice") << 92.5 << "46.25 Ah (100.0 %)"
                           << "OK";
}

void TestReportComposer::batteryCalculationWrittenOut()
{
    QFETCH(double, selected);
    QFETCH(QString, margin);
    QFETCH(QString, result);
    ReportData data = smallDesign();
    data.expansionBoxes.clear();
    PanelInfo &panel = data.mainPanel;
    panel.idleTime = QStringLiteral("72 h");
    panel.alarmTime = QStringLiteral("30 min");
    panel.batteryDegradation = 20;
    panel.totalIdleCurrent = 0.5;
    panel.totalAlarmCurrent = 2.0;
    panel.minimumBatteryRequired = 46.25;
    panel.selectedTotalBattery = selected;
    const QString text = sheetText(data, catalogue);
    QVERIFY2(
        text.contains(QStringLiteral("C = 1 / (1 − D / 100) × (M / 60 × Ia + H × Iq)\n"
                                     "= 1 / (1 − 20 / 100) × (30 / 60 h × 2.0000000 A + 72 h × 0.5000000 A)\n"
                                     "= 1.25 × (1 Ah + 36 Ah) = 46.25 Ah")),
        qPrintable(text));
    // The batteries named in the editor, with their capacities.
    QVERIFY(text.contains(QStringLiteral("B18 (18 Ah) + B26 (26 Ah) = %1 Ah").arg(selected, 0, 'f', 2)));
    const QStringList marginRow =
        rowCells(composeCalculationSheet(data, catalogue), QStringLiteral("Battery Calculation"), "Margin");
    QCOMPARE(marginRow.value(1), margin);
    const QStringList resultRow =
        rowCells(composeCalculationSheet(data, catalogue), QStringLiteral("Battery Calculation"), "Result");
    QCOMPARE(resultRow.value(1), result);

    // No battery at all is a fault whatever the figures say.
    panel.internalBattery = panel.battery1 = QStringLiteral("-");
    panel.minimumBatteryRequired = 0;
    panel.selectedTotalBattery = 0;
    QCOMPARE(
        rowCells(composeCalculationSheet(data, catalogue), QStringLiteral("Battery Calculation"), "Result")
            .value(1),
        QStringLiteral("FAULT"));
}

void TestReportComposer::powerLoadAgainstModel_data()
{
    QTest::addColumn<double>("totalAlarm");
    QTest::addColumn<QString>("margin");
    QTest::addColumn<QString>("result");
    // The model allows 3 A.
    QTest::newRow("at the limit") << 3.0 << "0.0000000 A (0.0 %)"
                                  << "OK";
    QTest::newRow("over") << 3.0000001 << "-0.0000001 A (-0.0 %)"
                          << "FAULT";
    QTest::newRow("three quarters") << 2.25 << "0.7500000 A (25.0 %)"
                                    << "OK";
}

void TestReportComposer::powerLoadAgainstModel()
{
    QFETCH(double, totalAlarm);
    QFETCH(QString, margin);
    QFETCH(QString, result);
    ReportData data = smallDesign();
    data.expansionBoxes.clear();
    PanelInfo &panel = data.mainPanel;
    panel.totalIdleCurrent = 0.3;
    panel.totalAlarmCurrent = totalAlarm;
    panel.loopCurrents = {{0.055, 0.1}, {0.011, 0.02}};
    panel.outputs.aux24VIdle = 0.1;
    panel.outputs.snd1Alarm = 0.25;
    panel.outputs.snd2Alarm = 0.125;
    const QString html = composeCalculationSheet(data, catalogue);
    const QString heading = QStringLiteral("<h3>Power Load</h3>");
    QCOMPARE(rowCells(html, heading, "Loops (each × 55/36)"),
             (QStringList{"Loops (each × 55/36)", "0.0660000 A", "0.1200000 A"}));
    // NET and two loop cards: 0.01 + 0.02 + 0.02.
    QCOMPARE(rowCells(html, heading, "Auxiliary cards"),
             (QStringList{"Auxiliary cards", "0.0500000 A", "0.0500000 A"}));
    QCOMPARE(rowCells(html, heading, "Outputs (24 V, sounder 1, sounder 2)"),
             (QStringList{"Outputs (24 V, sounder 1, sounder 2)", "0.1000000 A", "0.3750000 A"}));
    QCOMPARE(rowCells(html, heading, "Panel's own consumption"),
             (QStringList{"Panel's own consumption", "0.2500000 A", "0.5000000 A"}));
    QCOMPARE(rowCells(html, heading, "Maximum allowed by TXP 816").value(2), QStringLiteral("3.0000000 A"));
    QCOMPARE(rowCells(html, heading, "Margin").value(2), margin);
    QCOMPARE(rowCells(html, heading, "Result").value(2), result);

    // A panel without loops cannot work, whatever its load.
    panel.loops.clear();
    panel.loopCurrents.clear();
    QVERIFY(rowCells(composeCalculationSheet(data, catalogue), heading, "Result")
                .value(2)
                .startsWith(QStringLiteral("FAULT")));
}

QTEST_MAIN(TestReportComposer)
#include "tst_reportcomposer.moc"
