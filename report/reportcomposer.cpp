#include "report/reportcomposer.h"

#include "app/constants.h"
#include "catalogue/catalogue.h"

#include <QMap>
#include <QUrl>

#include <algorithm>

namespace Report
{

namespace
{

const char *const StyleRules[] = {
    "body { font-family: Arial, sans-serif; font-size: 10pt; margin: 0; padding: 0; }",
    "h0 { font-size: 32pt; font-weight: bold; text-align: center; margin-top: 20px; margin-bottom: 10px; "
    "color: "
    "#2c3e50; }",
    "h1 { font-size: 24pt; font-weight: bold; text-align: center; margin-bottom: 30px; color: #2c3e50; }",
    "h2 { font-size: 20pt; font-weight: bold; margin-top: 20px; margin-bottom: 15px; color: #34495e; "
    "border-bottom: 2px solid #3498db; padding-bottom: 5px; }",
    "h3 { font-size: 16pt; font-weight: bold; margin-top: 30px; margin-bottom: 10px; color: #2c3e50; }",
    ".title-page { text-align: center; margin-top: 100px; }",
    ".title-logo { margin-top: 40px; }",
    ".title-subtitle { font-size: 16pt; margin-top: 20px; margin-bottom: 50px; color: #7f8c8d; font-style: "
    "italic; }",
    ".title-info { margin-top: 150px; padding: 20px; border-radius: 8px; display: inline-block; }",
    ".info-row { text-align: right; margin: 8px 0; font-size: 11pt; }",
    ".info-label { font-weight: bold; color: #2c3e50; }",
    ".info-value { color: #34495e; }",
    ".section { margin-bottom: 30px; }",
    ".page-break { page-break-before: always; }",
    "ul { margin: 10px 0; padding-left: 25px; }",
    "li { margin: 8px 0; line-height: 1.4; }",
    ".config-item { margin: 12px 0; padding: 8px; background-color: #f8f9fa; border-left: 4px solid #3498db; "
    "border-radius: 4px; }",
    ".config-label { font-weight: bold; color: #2c3e50; display: inline-block; min-width: 180px; }",
    ".config-value { color: #34495e; }",
    ".fault-box { background-color: #fee; border: 2px solid #e74c3c; border-radius: 5px; padding: 15px; "
    "margin: "
    "20px 0; }",
    ".fault-title { color: #c0392b; font-weight: bold; font-size: 12pt; margin-bottom: 10px; }",
    ".fault-content { color: #e74c3c; line-height: 1.5; }",
    ".note-box { background-color: #f0f8ff; border: 2px solid #3498db; border-radius: 5px; padding: 15px; "
    "margin: "
    "20px 0; }",
    ".note-title { color: #2980b9; font-weight: bold; font-size: 12pt; margin-bottom: 10px; }",
    ".note-content { color: #34495e; line-height: 1.5; }",
    ".shopping-table { width: 100%; border-collapse: collapse; margin: 20px 0; }",
    ".shopping-table th { background-color: #3498db; color: white; padding: 12px; text-align: left; "
    "font-weight: "
    "bold; }",
    ".shopping-table td { padding: 15px 12px; border-bottom: 1px solid #ecf0f1; vertical-align: top; height: "
    "50px; "
    "}",
    ".shopping-table tr:nth-child(even) { background-color: #f8f9fa; }",
    ".category-header { background-color: #e8f4f8 !important; font-weight: bold; color: #2c3e50; }",
    ".total-row { background-color: #d5dbdb !important; font-weight: bold; }",
    ".item-text { line-height: 1.2; padding: 8px 0; }",
};

const QString CableImage = QStringLiteral(":/resources/icons/cable.png");

QString general(double value)
{
    return QString::number(value, 'g', 6);
}

bool isSet(const QString &value)
{
    return !value.isEmpty() && value != QLatin1String("-");
}

QString sectionStart()
{
    return QStringLiteral("<div class='page-break'></div><div class='section'>");
}

QString infoRow(const QString &label, const QString &value)
{
    return QStringLiteral("<div class='info-row'><span class='info-label'>") + label +
           QStringLiteral("</span> <span class='info-value'>") + value + QStringLiteral("</span></div>");
}

QString settingRow(const QString &label, const QString &value)
{
    return QStringLiteral("<div class='config-item'><span class='config-label'>") + label +
           QStringLiteral("</span> <span class='config-value'>") + value + QStringLiteral("</span></div>");
}

QString box(const char *kind, const QString &title, const QString &text)
{
    const QString k = QString::fromLatin1(kind);
    return QStringLiteral("<div class='%1-box'><div class='%1-title'>").arg(k) + title +
           QStringLiteral("</div><div class='%1-content'>").arg(k) + text + QStringLiteral("</div></div>");
}

// A picture's path as the source of an <img>: the rich-text reader takes an
// attribute's text as it stands (no entities), so a folder such as
// /home/o'neil would end the quoted attribute. The path is written as a
// percent-encoded URL path, which the layout decodes when it loads it.
QString pictureSource(const QString &path)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/:"));
}

QString summaryRow(const QString &image, const QString &item, const QString &quantity,
                   const QString &description)
{
    return QStringLiteral("<tr><td><img src='") + pictureSource(image) +
           QStringLiteral("' width='50' height='50' style='display: block;'></td>") +
           QStringLiteral("<td><div class='item-text'>") + item.toHtmlEscaped() +
           QStringLiteral("</div></td><td><div class='item-text'>") + quantity +
           QStringLiteral("</div></td><td><div class='item-text'>") + description.toHtmlEscaped() +
           QStringLiteral("</div></td></tr>");
}

QString categoryRow(const QString &category)
{
    return QStringLiteral("<tr class='category-header'><td colspan='4'><div class='item-text'>") + category +
           QStringLiteral("</div></td></tr>");
}

// Classification lookups: asking "is this a battery?" is not a failure, so
// these walk the lists instead of logging a missing record.
template <typename Record> const Record *recordNamed(const QVector<Record> &records, const QString &name)
{
    for (const Record &record : records)
        if (record.name == name)
            return &record;
    return nullptr;
}

QString panelAnalysis(const PanelInfo &panel, const QString &heading)
{
    if (panel.powerNotes.isEmpty() && panel.externalPowerNotes.isEmpty())
        return QString();
    QString html = QStringLiteral("<h3>") + heading + QStringLiteral("</h3>");
    if (!panel.powerNotes.isEmpty())
        html += box("fault", Exporter::tr("SYSTEM FAULTS DETECTED"), htmlText(panel.powerNotes));
    if (!panel.externalPowerNotes.isEmpty())
        html +=
            box("note", Exporter::tr("SYSTEM NOTES & RECOMMENDATIONS"), htmlText(panel.externalPowerNotes));
    return html;
}

QString loopAnalysis(const LoopInfo &loop, const QString &heading)
{
    if (loop.faultText.isEmpty() && loop.noteText.isEmpty())
        return QString();
    QString html = heading;
    if (!loop.faultText.isEmpty())
        html += box("fault", Exporter::tr("LOOP FAULTS DETECTED"), htmlText(loop.faultText));
    if (!loop.noteText.isEmpty())
        html += box("note", Exporter::tr("LOOP NOTES & RECOMMENDATIONS"), htmlText(loop.noteText));
    return html;
}

// Settings shared by the main panel and the boxes, from "Internal Battery:" on.
QString panelSettings(const PanelInfo &panel, const Catalogue &catalogue)
{
    QString html;
    html += settingRow(Exporter::tr("Internal Battery:"), htmlText(panel.internalBattery));
    html += settingRow(Exporter::tr("Battery Degradation:"), QString::number(panel.batteryDegradation) + '%');
    html += settingRow(Exporter::tr("Maximum Sounders Active:"), QString::number(panel.soundersActive) + '%');
    html += settingRow(Exporter::tr("Idle Time:"), htmlText(panel.idleTime));
    html += settingRow(Exporter::tr("Alarm Time:"), htmlText(panel.alarmTime));
    if (!panel.cards.isEmpty()) {
        html += QStringLiteral("<h3>") + Exporter::tr("Auxiliary Cards") + QStringLiteral("</h3>");
        for (const QString &card : panel.cards)
            html += settingRow(Exporter::tr("Card:"), htmlText(card));
    }
    if (isSet(panel.source1) || isSet(panel.battery1) || isSet(panel.source2) || isSet(panel.battery2)) {
        html += QStringLiteral("<h3>") + Exporter::tr("External Power Sources") + QStringLiteral("</h3>");
        const auto source = [&](const QString &name, const QString &battery, const QString &sourceLabel,
                                const QString &batteryLabel, const QString &boxLabel) {
            if (isSet(name))
                html += settingRow(sourceLabel, htmlText(name));
            if (isSet(battery)) {
                html += settingRow(batteryLabel, htmlText(battery));
                const QString chosen = batteryBoxFor(name, battery, catalogue);
                if (!chosen.isEmpty())
                    html += settingRow(boxLabel, htmlText(chosen));
            }
        };
        source(panel.source1, panel.battery1, Exporter::tr("External Power Source 1:"),
               Exporter::tr("Additional Battery 1:"), Exporter::tr("External Battery Box 1:"));
        source(panel.source2, panel.battery2, Exporter::tr("External Power Source 2:"),
               Exporter::tr("Additional Battery 2:"), Exporter::tr("External Battery Box 2:"));
    }
    return html;
}

QString loopSection(const LoopInfo &loop, const QString &heading)
{
    QString html = sectionStart() + heading;
    html += settingRow(Exporter::tr("Cable Type:"), htmlText(loop.cableType));
    if (loop.topologyCode != QLatin1String("B")) {
        html += settingRow(Exporter::tr("Topology:"), Exporter::tr("Class A"));
        if (!loop.degradedModeOk)
            html += box(
                "fault", Exporter::tr("TOPOLOGY WARNING"),
                Exporter::tr("The current loop configuration may experience operational issues if a cable "
                             "cut occurs. The loop parameters exceed the limits that would allow proper "
                             "Degraded mode operation as backup. Consider reducing device count, cable "
                             "length, or using higher cable sections to improve fault tolerance."));
    } else {
        html += settingRow(Exporter::tr("Topology:"), Exporter::tr("Degraded mode"));
        html +=
            box("note", Exporter::tr("TOPOLOGY RECOMMENDATION"),
                Exporter::tr("The loop is configured for Degraded mode topology. Degraded mode installation "
                             "should only be used for testing purposes. For production installations, "
                             "configure the loop in Class A topology to ensure proper fire safety compliance "
                             "and system reliability."));
    }
    const QString percent = QStringLiteral("<div class='config-item'><span class='config-label'>%1</span> "
                                           "<span class='config-value'>%2%</span></div>");
    const QString metres = QStringLiteral("<div class='config-item'><span class='config-label'>%1</span> "
                                          "<span class='config-value'>%2 m</span></div>");
    html += percent.arg(Exporter::tr("Distribution Factor:"), general(loop.distributionFactor));
    html += metres.arg(Exporter::tr("Loop Length:"), QString::number(loop.loopLength));
    html += metres.arg(Exporter::tr("Distance to First Device:"), QString::number(loop.startDistance));
    html += metres.arg(Exporter::tr("Distance to Last Device:"), QString::number(loop.endDistance));
    html += QStringLiteral("<h2>") + Exporter::tr("Devices in Loop") + QStringLiteral("</h2>");
    if (loop.devices.isEmpty()) {
        html += QStringLiteral("<div class='config-item'>") + Exporter::tr("No devices configured") +
                QStringLiteral("</div>");
    } else {
        const QString row = QStringLiteral("<div class='config-item'><span class='config-label'>%1:</span> "
                                           "<span class='config-value'>%2 %3</span></div>");
        for (const auto &device : loop.devices)
            html += row.arg(htmlText(device.first), QString::number(device.second), Exporter::tr("units"));
    }
    return html + QStringLiteral("</div>");
}

// The bill of materials of one panel or box: cards, sources, batteries and
// battery boxes, each in its own list so the categories can be laid out.
struct PanelEquipment {
    QString cards;
    QString sources;
    QString batteries;
    QString boxes;
};

QString imageOf(const QString &image, const Catalogue &catalogue)
{
    return catalogue.imagePath(image);
}

// `box` is 0 for the main panel, else the expansion box's number.
PanelEquipment equipmentOf(const PanelInfo &panel, int box, const Catalogue &catalogue)
{
    PanelEquipment out;
    const QString n = QString::number(box);
    QMap<QString, int> cardCounts;
    for (const QString &card : panel.cards)
        ++cardCounts[card];
    for (auto it = cardCounts.cbegin(); it != cardCounts.cend(); ++it) {
        const auto cards = catalogue.auxiliaryCards();
        const AuxiliaryCard *record = recordNamed(cards, it.key());
        out.cards += summaryRow(
            imageOf(record ? record->image : QString(), catalogue), it.key(), QString::number(it.value()),
            box == 0 ? Exporter::tr("Auxiliary Card - Panel expansion")
                     : Exporter::tr("Auxiliary Card - Expansion Box %1 expansion").arg(n));
    }
    for (const QString &source : {panel.source1, panel.source2}) {
        if (!isSet(source))
            continue;
        out.sources += summaryRow(
            imageOf(catalogue.findExternalPowerSource(source).image, catalogue), source, QStringLiteral("1"),
            box == 0
                ? Exporter::tr("External Power Supply - Additional power source")
                : Exporter::tr("External Power Supply - Expansion Box %1 additional power source").arg(n));
    }
    if (isSet(panel.internalBattery)) {
        const Battery battery = catalogue.findBattery(panel.internalBattery);
        out.batteries += summaryRow(
            imageOf(battery.image, catalogue), panel.internalBattery, QStringLiteral("1"),
            box == 0 ? Exporter::tr("Internal Battery - Standby power (%1 Ah)").arg(general(battery.capacity))
                     : Exporter::tr("Internal Battery - Expansion Box %1 standby power (%2 Ah)")
                           .arg(n, general(battery.capacity)));
    }
    const auto batteries = catalogue.batteries();
    const auto batteryBoxes = catalogue.externalBatteryBoxes();
    for (const QString &name : {panel.battery1, panel.battery2}) {
        if (!isSet(name))
            continue;
        if (const Battery *battery = recordNamed(batteries, name)) {
            out.batteries += summaryRow(
                imageOf(battery->image, catalogue), name, QStringLiteral("1"),
                box == 0 ? Exporter::tr("External Battery - Extended standby power (%1 Ah)")
                               .arg(general(battery->capacity))
                         : Exporter::tr("External Battery - Expansion Box %1 extended standby power (%2 Ah)")
                               .arg(n, general(battery->capacity)));
        } else if (const ExternalBatteryBox *batteryBox = recordNamed(batteryBoxes, name)) {
            out.batteries += summaryRow(
                imageOf(batteryBox->image, catalogue), name, QStringLiteral("1"),
                box == 0
                    ? Exporter::tr("External Battery Box - Extended standby power (%1 Ah)")
                          .arg(general(batteryBox->maxBatteryCapacity))
                    : Exporter::tr("External Battery Box - Expansion Box %1 extended standby power (%2 Ah)")
                          .arg(n, general(batteryBox->maxBatteryCapacity)));
        } else {
            out.batteries += summaryRow(QString(), name, QStringLiteral("1"), QString());
        }
    }
    const QPair<QString, QString> pairs[] = {{panel.source1, panel.battery1},
                                             {panel.source2, panel.battery2}};
    for (const auto &pair : pairs) {
        if (!isSet(pair.second))
            continue;
        const QString chosen = batteryBoxFor(pair.first, pair.second, catalogue);
        if (chosen.isEmpty())
            continue;
        const ExternalBatteryBox *record = recordNamed(batteryBoxes, chosen);
        const double capacity = record ? record->maxBatteryCapacity : 0;
        out.boxes += summaryRow(
            imageOf(record ? record->image : QString(), catalogue), chosen, QStringLiteral("1"),
            box == 0 ? Exporter::tr("External Battery Box - For additional battery support (%1 Ah)")
                           .arg(general(capacity))
                     : Exporter::tr("External Battery Box - Expansion Box %1 battery support (%2 Ah)")
                           .arg(n, general(capacity)));
    }
    return out;
}

QString deviceDescription(const QString &name)
{
    const QString translated = QCoreApplication::translate("DeviceDescriptions", name.toUtf8().constData());
    return translated == name ? Exporter::tr("No description available for this device.") : translated;
}

// A loop without devices needs no cable.
bool inUse(const LoopInfo &loop)
{
    return loop.loopLength > 0 && !loop.devices.isEmpty();
}

QString equipmentSummary(const ReportData &data, const Catalogue &catalogue)
{
    QString html = sectionStart() + QStringLiteral("<h1>") + Exporter::tr("Equipment Summary List") +
                   QStringLiteral("</h1><table class='shopping-table'><tr><th>") + Exporter::tr("Image") +
                   QStringLiteral("</th><th>") + Exporter::tr("Item") + QStringLiteral("</th><th>") +
                   Exporter::tr("Quantity") + QStringLiteral("</th><th>") + Exporter::tr("Description") +
                   QStringLiteral("</th></tr><tbody>");

    const PanelInfo &main = data.mainPanel;
    html += categoryRow(Exporter::tr("PANEL"));
    html += summaryRow(imageOf(catalogue.findPanel(main.model).image, catalogue), main.model,
                       QStringLiteral("1"), Exporter::tr("Fire Alarm Control Panel - Main control unit"));

    const PanelEquipment equipment = equipmentOf(main, 0, catalogue);
    if (!equipment.cards.isEmpty())
        html += categoryRow(Exporter::tr("AUXILIARY CARDS")) + equipment.cards;
    if (!equipment.sources.isEmpty())
        html += categoryRow(Exporter::tr("EXTERNAL POWER SOURCES")) + equipment.sources;
    if (!equipment.batteries.isEmpty())
        html += categoryRow(Exporter::tr("BATTERIES")) + equipment.batteries;
    if (!equipment.boxes.isEmpty())
        html += categoryRow(Exporter::tr("EXTERNAL BATTERY BOXES")) + equipment.boxes;

    if (!data.expansionBoxes.isEmpty()) {
        html += categoryRow(Exporter::tr("EXPANSION BOXES"));
        for (int i = 0; i < data.expansionBoxes.size(); ++i) {
            const PanelInfo &box = data.expansionBoxes.at(i);
            const QString n = QString::number(i + 1);
            html += summaryRow(imageOf(catalogue.findExpansionBox(box.model).image, catalogue), box.model,
                               QStringLiteral("1"),
                               Exporter::tr("Expansion Box %1 - Additional control unit").arg(n));
            const PanelEquipment boxEquipment = equipmentOf(box, i + 1, catalogue);
            html += boxEquipment.cards + boxEquipment.sources + boxEquipment.batteries + boxEquipment.boxes;
        }
    }

    QMap<QString, qint64> devices;
    const auto countDevices = [&devices](const PanelInfo &panel) {
        for (const LoopInfo &loop : panel.loops)
            for (const auto &device : loop.devices)
                devices[device.first] += device.second;
    };
    countDevices(main);
    for (const PanelInfo &box : data.expansionBoxes)
        countDevices(box);
    if (!devices.isEmpty()) {
        html += categoryRow(Exporter::tr("LOOP DEVICES"));
        for (auto it = devices.cbegin(); it != devices.cend(); ++it)
            html += summaryRow(imageOf(catalogue.findDevice(it.key()).image, catalogue), it.key(),
                               QString::number(it.value()), deviceDescription(it.key()));
    }

    html += categoryRow(Exporter::tr("CABLES"));
    for (int l = 0; l < main.loops.size(); ++l) {
        const LoopInfo &loop = main.loops.at(l);
        if (inUse(loop))
            html += summaryRow(CableImage, loop.cableType,
                               QString::number(loop.loopLength) + QStringLiteral(" m"),
                               Exporter::tr("Loop Cable - For Loop %1 wiring").arg(l + 1));
    }
    for (int b = 0; b < data.expansionBoxes.size(); ++b) {
        const PanelInfo &box = data.expansionBoxes.at(b);
        for (int l = 0; l < box.loops.size(); ++l) {
            const LoopInfo &loop = box.loops.at(l);
            if (inUse(loop))
                html += summaryRow(CableImage, loop.cableType,
                                   QString::number(loop.loopLength) + QStringLiteral(" m"),
                                   Exporter::tr("Loop Cable - For Expansion Box %1 Loop %2 wiring")
                                       .arg(QString::number(b + 1), QString::number(l + 1)));
        }
    }
    return html + QStringLiteral("</tbody></table></div>");
}

} // namespace

DocumentInfo documentInfo(const ReportData &data)
{
    DocumentInfo info;
    // A reviewer files the report under its project and revision; without a
    // reference the report's own title and the facility name it.
    if (!data.projectReference.isEmpty())
        info.title = data.projectReference;
    else
        info.title = Exporter::tr("Kalvix Report");
    if (!data.revision.isEmpty())
        info.title += QStringLiteral(" - ") + Exporter::tr("Revision %1").arg(data.revision);
    info.author = data.preparedBy.isEmpty() ? data.installer : data.preparedBy;
    info.subject = Exporter::tr("Fire Alarm System Configuration & Analysis");
    if (!data.facility.isEmpty())
        info.subject += QStringLiteral(": ") + data.facility;
    return info;
}

QStringList boxTitles()
{
    return {Exporter::tr("SYSTEM FAULTS DETECTED"), Exporter::tr("SYSTEM NOTES & RECOMMENDATIONS"),
            Exporter::tr("LOOP FAULTS DETECTED"),   Exporter::tr("LOOP NOTES & RECOMMENDATIONS"),
            Exporter::tr("TOPOLOGY WARNING"),       Exporter::tr("TOPOLOGY RECOMMENDATION")};
}

QString htmlText(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

QString batteryBoxFor(const QString &sourceName, const QString &batteryName, const Catalogue &catalogue)
{
    if (!isSet(batteryName))
        return QString();
    const auto sources = catalogue.externalPowerSources();
    const auto batteries = catalogue.batteries();
    const ExternalPowerSource *source = recordNamed(sources, sourceName);
    const Battery *battery = recordNamed(batteries, batteryName);
    const double sourceCapacity = source ? source->maxBatteryCapacity : 0;
    const double batteryCapacity = battery ? battery->capacity : 0;
    if (!(sourceCapacity < batteryCapacity))
        return QString();
    const ExternalBatteryBox *best = nullptr;
    const auto boxes = catalogue.externalBatteryBoxes();
    for (const ExternalBatteryBox &box : boxes) {
        if (box.maxBatteryCapacity >= batteryCapacity &&
            (!best || box.maxBatteryCapacity < best->maxBatteryCapacity))
            best = &box;
    }
    return best ? best->name : QString();
}

QString composeReportHtml(const ReportData &data, const Catalogue &catalogue)
{
    QString html = QStringLiteral("<html><head><style>");
    for (const char *rule : StyleRules)
        html += QString::fromLatin1(rule);
    html += QStringLiteral("</style></head><body>");

    // Title page.
    html += QStringLiteral("<br><div class='title-page'><h0>") + Exporter::tr("Kalvix Report") +
            QStringLiteral("</h0><div class='title-subtitle'>") +
            Exporter::tr("Fire Alarm System Configuration & Analysis") +
            QStringLiteral("</div><div class='title-logo'><img src=':/resources/icons/tarvex_logo.png' "
                           "style='max-width: 300px; height: auto;'></div><div class='title-info'>");
    if (!data.facility.isEmpty())
        html += infoRow(Exporter::tr("Facility:"), data.facility.toHtmlEscaped());
    if (!data.address.isEmpty())
        html += infoRow(Exporter::tr("Address:"), data.address.toHtmlEscaped());
    if (!data.installer.isEmpty())
        html += infoRow(Exporter::tr("Installer:"), data.installer.toHtmlEscaped());
    if (!data.projectReference.isEmpty())
        html += infoRow(Exporter::tr("Project reference:"), data.projectReference.toHtmlEscaped());
    if (!data.revision.isEmpty())
        html += infoRow(Exporter::tr("Revision:"), data.revision.toHtmlEscaped());
    if (!data.preparedBy.isEmpty())
        html += infoRow(Exporter::tr("Prepared by:"), data.preparedBy.toHtmlEscaped());
    html += infoRow(Exporter::tr("Generated on:"), data.date.toString(QStringLiteral("dd-MM-yyyy")));
    html += infoRow(Exporter::tr("Software:"),
                    Constants::ApplicationName + QStringLiteral(" v") + Constants::Version);
    html += infoRow(Exporter::tr("Company:"), Constants::OrganisationName);
    html += infoRow(Exporter::tr("Website:"), Constants::WebAddress);
    html += QStringLiteral("</div></div>");

    // Analysis blocks gather while the configuration is written, in the
    // same order: the main panel, its loops, then each box and its loops.
    QString analysis;
    QString configuration;
    const PanelInfo &main = data.mainPanel;
    analysis += panelAnalysis(main, Exporter::tr("General System Analysis"));
    for (int l = 0; l < main.loops.size(); ++l)
        analysis += loopAnalysis(main.loops.at(l), QStringLiteral("<h3>%1 %2 %3</h3>")
                                                       .arg(Exporter::tr("Loop"), QString::number(l + 1),
                                                            Exporter::tr("Analysis")));

    configuration += sectionStart() + QStringLiteral("<h2>") + Exporter::tr("Panel Configuration") +
                     QStringLiteral("</h2><h3>") + Exporter::tr("General Settings") + QStringLiteral("</h3>");
    configuration += settingRow(Exporter::tr("Panel:"), htmlText(main.model));
    configuration += panelSettings(main, catalogue) + QStringLiteral("</div>");
    for (int l = 0; l < main.loops.size(); ++l)
        configuration += loopSection(main.loops.at(l), QStringLiteral("<h1>%1 %2 - %3</h1>")
                                                           .arg(Exporter::tr("Loop"), QString::number(l + 1),
                                                                Exporter::tr("Configuration")));

    for (int b = 0; b < data.expansionBoxes.size(); ++b) {
        const PanelInfo &box = data.expansionBoxes.at(b);
        const QString n = QString::number(b + 1);
        configuration += sectionStart() + QStringLiteral("<h2>") +
                         Exporter::tr("Expansion Box Configuration") + QLatin1Char(' ') + n +
                         QStringLiteral("</h2><h3>") + Exporter::tr("General Settings") +
                         QStringLiteral("</h3>");
        configuration += settingRow(Exporter::tr("Expansion Box:"), htmlText(box.model));
        configuration += panelSettings(box, catalogue) + QStringLiteral("</div>");
        analysis += panelAnalysis(box, Exporter::tr("Expansion Box") + QLatin1Char(' ') + n +
                                           QLatin1Char(' ') + Exporter::tr("Analysis"));
        for (int l = 0; l < box.loops.size(); ++l) {
            const QString m = QString::number(l + 1);
            configuration +=
                loopSection(box.loops.at(l), QStringLiteral("<h1>%1 %2 - %3 %4 - %5</h1>")
                                                 .arg(Exporter::tr("Expansion Box"), n, Exporter::tr("Loop"),
                                                      m, Exporter::tr("Configuration")));
            analysis +=
                loopAnalysis(box.loops.at(l), QStringLiteral("<h3>%1 %2 - %3 %4 %5</h3>")
                                                  .arg(Exporter::tr("Expansion Box"), n, Exporter::tr("Loop"),
                                                       m, Exporter::tr("Analysis")));
        }
    }

    if (!analysis.isEmpty())
        html += sectionStart() + QStringLiteral("<h2>") + Exporter::tr("System Faults & Notes Analysis") +
                QStringLiteral("</h2>") + analysis + QStringLiteral("</div>");
    html += configuration;
    html += equipmentSummary(data, catalogue);
    html += composeCalculationSheet(data, catalogue);
    return html + QStringLiteral("</body></html>");
}

} // namespace Report
