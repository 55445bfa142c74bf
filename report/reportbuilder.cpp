#include "report/reportbuilder.h"

#include "catalogue/displayformat.h"
#include "design/comparisontext.h"
#include "loop/voltageprofile.h"

#include "report/reportpdf.h"
#include "catalogue/datapackinfo.h"
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
    info.flags = system.panel.flags;
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
        l.faults = result.faults;
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

ReportData reportData(const Design &design, const DesignEvaluation &evaluation,
                      const ReportInformation &information, const QDate &date)
{
    ReportData data = reportData(evaluation, information, date);
    const auto systemOf = [&](int index) -> PanelInfo * {
        return index < 0 ? &data.mainPanel
                         : index < data.expansionBoxes.size() ? &data.expansionBoxes[index] : nullptr;
    };
    for (int s = -1; s + 1 < design.systemCount(); ++s) {
        PanelInfo *panel = systemOf(s);
        if (!panel)
            continue;
        const SystemDesign *system = design.system(s);
        panel->batteryMethod = system->batteryMethod;
        const SystemEvaluation &evaluated = s < 0 ? evaluation.main : evaluation.boxes.at(s);
        for (int l = 0; l < panel->loops.size(); ++l) {
            panel->loops[l].scheduled = system->schedules.contains(l);
            if (!evaluated.deviceChecks.contains(l))
                continue;
            const LoopSchedule schedule = evaluated.schedules.value(l);
            const LoopDeviceCheck check = evaluated.deviceChecks.value(l);
            LoopInfo &loop = panel->loops[l];
            // Names of plain letters and digits: the <img> takes it as it stands.
            loop.profilePicture = QStringLiteral("profile-%1-%2").arg(s + 1).arg(l + 1);
            loop.scheduleTable = QStringLiteral("schedule-%1-%2").arg(s + 1).arg(l + 1);
            loop.schedule = schedule;
            loop.deviceCheck = check;
        }
    }
    if (design.project) {
        // The design's own project information is the one record of it; the
        // report's information only fills what the design leaves open.
        const ProjectInfo &p = *design.project;
        const auto take = [](QString &field, const QString &value) {
            if (!value.trimmed().isEmpty())
                field = value.trimmed();
        };
        take(data.facility, p.facility);
        take(data.address, p.address);
        take(data.installer, p.installer);
        take(data.projectReference, p.reference);
        take(data.revision, p.revision);
        take(data.preparedBy, p.preparedBy);
        data.checkedBy = p.checkedBy.trimmed();
        data.dateOfIssue = p.dateOfIssue.trimmed();
        data.revisions = p.revisions;
    }
    return data;
}

Design withInformation(Design design, const ReportInformation &information)
{
    if (design.project) {
        design.project->facility = information.facility;
        design.project->address = information.address;
        design.project->installer = information.installer;
        design.project->reference = information.projectReference;
        design.project->revision = information.revision;
        design.project->preparedBy = information.preparedBy;
    }
    return design;
}

QMap<QString, QImage> profilePictures(const ReportData &data)
{
    QMap<QString, QImage> pictures;
    const auto add = [&pictures](const PanelInfo &panel) {
        for (const LoopInfo &loop : panel.loops)
            if (!loop.profilePicture.isEmpty())
                // Opaque, so the PDF holds no transparency mask for it.
                pictures.insert(loop.profilePicture,
                                VoltageProfile::picture(loop.schedule, loop.deviceCheck, loop.loopLength,
                                                        ProfileSize * ProfileScale)
                                    .convertToFormat(QImage::Format_RGB32));
    };
    add(data.mainPanel);
    for (const PanelInfo &box : data.expansionBoxes)
        add(box);
    return pictures;
}

Table scheduleTable(const LoopSchedule &schedule, const LoopDeviceCheck &check)
{
    Table table;
    table.header = QStringList{Exporter::tr("Unit"),    Exporter::tr("Position (m)"), Exporter::tr("Device"),
                               Exporter::tr("Address"), Exporter::tr("Zone"),         Exporter::tr("Location")};
    if (check.degradedMode)
        table.header << Exporter::tr("Drop fed from OUT (V)");
    else
        table.header << Exporter::tr("Drop intact (V)") << Exporter::tr("Drop, break at OUT (V)")
                     << Exporter::tr("Drop, break at IN (V)");
    table.header << Exporter::tr("Margin (V)") << Exporter::tr("Status");
    const auto drop = [](const DeviceCheck::Scenario &s, int i) { return Display::fixed(s.drops.value(i), 3); };
    const QString fault = Exporter::tr("FAULT");
    const QString ok = Exporter::tr("OK");
    table.rows.reserve(schedule.units.size());
    for (int i = 0; i < schedule.units.size(); ++i) {
        const ScheduleUnit &unit = schedule.units.at(i);
        QStringList row{QString::number(i + 1), QString::number(unit.position), unit.device, unit.address,
                        unit.zone, unit.location, drop(check.electrical.intact, i)};
        if (!check.degradedMode)
            row << drop(check.electrical.breakAtOut, i) << drop(check.electrical.breakAtIn, i);
        row << Display::fixed(check.limit - check.worstDropAt(i), 3) << (check.unitFaults.value(i) ? fault : ok);
        table.rows.append(row);
    }
    return table;
}

QMap<QString, Table> scheduleTables(const ReportData &data)
{
    QMap<QString, Table> tables;
    const auto add = [&tables](const PanelInfo &panel) {
        for (const LoopInfo &loop : panel.loops)
            if (!loop.scheduleTable.isEmpty())
                tables.insert(loop.scheduleTable, scheduleTable(loop.schedule, loop.deviceCheck));
    };
    add(data.mainPanel);
    for (const PanelInfo &box : data.expansionBoxes)
        add(box);
    return tables;
}

namespace
{

bool writeData(const QString &fileName, ReportData data, const Catalogue &catalogue,
               const QString &changesSection = QString())
{
    const DataPackInfo pack = DataPackInfo::installed();
    data.dataPackName = pack.name;
    data.dataPackVersion = pack.versionText();
    QString html = composeReportHtml(data, catalogue);
    if (!changesSection.isEmpty())
        html = ComparisonText::withSection(html, changesSection);
    return writeReportPdf(fileName, html, documentInfo(data), profilePictures(data), scheduleTables(data));
}

} // namespace

bool writeDesignReport(const QString &fileName, const DesignEvaluation &design, const Catalogue &catalogue,
                       const ReportInformation &information)
{
    return writeData(fileName, reportData(design, information, QDate::currentDate()), catalogue);
}

bool writeDesignReport(const QString &fileName, const Design &design, const DesignEvaluation &evaluation,
                       const Catalogue &catalogue, const ReportInformation &information,
                       const QString &changesSection)
{
    return writeData(fileName, reportData(design, evaluation, information, QDate::currentDate()), catalogue,
                     changesSection);
}

} // namespace Report
