#include "report/reportbuilder.h"

#include "design/comparisontext.h"

#include "report/reportpdf.h"
#include "design/designevaluation.h"

namespace Report
{

PanelInfo panelInfo(const SystemEvaluation &system)
{
    const PanelConfig &c = system.config;
    // The editors show "-" for a selector left at none.
    const auto dash = [](const QString &value) { return value.isEmpty() ? QStringLiteral("-") : value; };
    PanelInfo info;
    info.model = c.model;
    info.internalBattery = dash(c.internalBattery);
    info.batteryDegradation = c.batteryDegradation;
    info.soundersActive = c.soundersActive;
    info.idleTime = c.idleTime;
    info.alarmTime = c.alarmTime;
    info.cards = c.cards;
    info.source1 = dash(c.source1);
    info.battery1 = dash(c.battery1);
    info.source2 = dash(c.source2);
    info.battery2 = dash(c.battery2);
    info.powerNotes = system.panel.powerReportNotes;
    info.externalPowerNotes = system.panel.externalPowerReportNotes;
    info.totalIdleCurrent = system.panel.figures.totalIdleCurrent;
    info.totalAlarmCurrent = system.panel.figures.totalAlarmCurrent;
    info.minimumBatteryRequired = system.panel.figures.minimumBatteryRequired;
    info.selectedTotalBattery = system.panel.figures.selectedTotalBattery;
    info.batterySizing = system.panel.batterySizing;
    info.loopCurrents = system.panel.loopCurrents.mid(0, system.panel.loopCount);
    info.outputs = c.outputs;
    for (int i = 0; i < system.loops.size() && i < system.loopResults.size(); ++i) {
        const LoopConfig &loop = system.loops.at(i);
        const LoopEvaluation &result = system.loopResults.at(i);
        LoopInfo l;
        l.cableType = loop.cableType;
        l.topologyCode = LoopConfig::topologyCode(loop.topology);
        l.distributionFactor = loop.distributionFactor;
        l.loopLength = loop.loopLength;
        l.startDistance = loop.startDistance;
        l.endDistance = loop.endDistance;
        // The map's order is the name order the report lists devices in.
        for (auto it = loop.devices.cbegin(); it != loop.devices.cend(); ++it)
            l.devices.append({it.key(), it.value()});
        l.faultText = result.faultReportText;
        l.noteText = result.noteReportText;
        l.degradedModeOk = result.degradedModeOk;
        l.figures = result.results;
        l.limits = system.limits;
        info.loops.append(l);
    }
    return info;
}

ReportData reportData(const DesignEvaluation &design, const ReportInformation &information, const QDate &date)
{
    ReportData data;
    static_cast<ReportInformation &>(data) = information;
    data.date = date;
    data.mainPanel = panelInfo(design.main);
    for (const SystemEvaluation &box : design.boxes)
        data.expansionBoxes.append(panelInfo(box));
    return data;
}

bool writeDesignReport(const QString &fileName, const DesignEvaluation &design, const Catalogue &catalogue,
                       const ReportInformation &information, const QString &changesSection)
{
    const ReportData data = reportData(design, information, QDate::currentDate());
    QString html = composeReportHtml(data, catalogue);
    if (!changesSection.isEmpty())
        html = ComparisonText::withSection(html, changesSection);
    return writeReportPdf(fileName, html, documentInfo(data));
}

} // namespace Report
