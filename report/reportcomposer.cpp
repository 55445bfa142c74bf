#include "report/reportcomposer.h"

#include "report/reporttable.h"

#include "core/constants.h"
#include "catalogue/catalogue.h"


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
    html += QStringLiteral("<h3>") + Exporter::tr("Loop Results") + QStringLiteral("</h3>") + loopResultsTable(loop);
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
    // The voltage profile and the device schedule, where the loop has them.
    // The picture is drawn at a multiple of its place's size, so it stays
    // sharp on paper.
    if (!loop.profilePicture.isEmpty())
        html += QStringLiteral("<h2>") + Exporter::tr("Voltage Profile") +
                QStringLiteral("</h2><p><img src='%1' width='%2' height='%3'></p>")
                    .arg(loop.profilePicture)
                    .arg(ProfileSize.width())
                    .arg(ProfileSize.height());
    if (!loop.scheduleTable.isEmpty()) {
        html += QStringLiteral("<h2>") + Exporter::tr("Device Schedule") + QStringLiteral("</h2>") +
                tablePlace(loop.scheduleTable);
        if (!loop.deviceCheck.faultsText.isEmpty())
            html += QStringLiteral("<p class='schedule-faults'>") + htmlText(loop.deviceCheck.faultsText) +
                    QStringLiteral("</p>");
    }
    return html + QStringLiteral("</div>");
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
    // Every page names what it belongs to, so a loose page finds its report.
    info.footer = Constants::ApplicationName;
    if (!data.projectReference.isEmpty())
        info.footer += QStringLiteral(" – ") + data.projectReference;
    if (!data.revision.isEmpty())
        info.footer += QStringLiteral(" – ") + Exporter::tr("Revision %1").arg(data.revision);
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

    html += composeCover(data);
    html += composeRevisionsAndBasis(data);

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
    configuration += panelSettings(main, catalogue) + outputCurrentsTable(main) + QStringLiteral("</div>");
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
        configuration += panelSettings(box, catalogue) + outputCurrentsTable(box) + QStringLiteral("</div>");
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
    html += composeCableSchedule(data, catalogue);
    html += composeEquipmentSummary(data, catalogue);
    html += composeCalculationSheet(data, catalogue);
    return html + QStringLiteral("</body></html>");
}

} // namespace Report
