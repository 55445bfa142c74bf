#include "design/designjson.h"

#include "catalogue/displayformat.h"
#include "panel/batterymethod.h"

#include <QJsonArray>

namespace DesignJson
{

namespace
{

// "name": text and "nameValue": its number, side by side.
void addFigure(QJsonObject &object, const QString &name, const QString &text)
{
    object.insert(name, text);
    object.insert(name + QStringLiteral("Value"), valueOf(text));
}

QJsonObject loopObject(int index, const LoopEvaluation &loop, const LoopConfig &config,
                       const PanelEvaluation &panel)
{
    QJsonObject flags{{"addresses", loop.faults.addresses},
                      {"voltageDrop", loop.faults.voltageDrop},
                      {"current", loop.faults.current}};
    QJsonObject devices;
    for (auto it = config.devices.cbegin(); it != config.devices.cend(); ++it)
        devices.insert(it.key(), it.value());
    QJsonObject object{{"loop", index + 1},
                       {"status", statusWord(loop.hasFault())},
                       {"settings", QJsonArray::fromStringList(config.toTexts())},
                       {"devices", devices},
                       {"faults", loop.faultsText},
                       {"notes", loop.notesText},
                       {"faultReport", loop.faultReportText},
                       {"noteReport", loop.noteReportText},
                       {"degradedModeOk", loop.degradedModeOk},
                       {"faultFlags", flags}};
    addFigure(object, QStringLiteral("totalAddresses"), loop.addressesText());
    addFigure(object, QStringLiteral("idleCurrent"), loop.idleCurrentText());
    addFigure(object, QStringLiteral("alarmCurrent"), loop.alarmCurrentText());
    addFigure(object, QStringLiteral("voltageDrop"), loop.voltageDropText());
    addFigure(object, QStringLiteral("maxVoltageDrop"), loop.maxVoltageDropText());
    addFigure(object, QStringLiteral("maxCurrent"), loop.maxCurrentText());
    addFigure(object, QStringLiteral("panelIdleCurrent"), panel.loopIdleCurrentText(index));
    addFigure(object, QStringLiteral("panelAlarmCurrent"), panel.loopAlarmCurrentText(index));
    return object;
}

} // namespace

QString statusWord(bool fault)
{
    return fault ? QStringLiteral("FAULT") : QStringLiteral("OK");
}

double valueOf(const QString &figureText)
{
    return figureText.trimmed().section(QLatin1Char(' '), 0, 0).toDouble();
}

QJsonObject projectObject(const ProjectInfo &project)
{
    QJsonArray revisions;
    for (const RevisionEntry &r : project.revisions)
        revisions.append(QJsonObject{
            {"revision", r.revision}, {"date", r.date}, {"description", r.description}, {"by", r.by}});
    return QJsonObject{{"reference", project.reference}, {"revision", project.revision},
                       {"facility", project.facility},   {"address", project.address},
                       {"installer", project.installer}, {"preparedBy", project.preparedBy},
                       {"checkedBy", project.checkedBy}, {"dateOfIssue", project.dateOfIssue},
                       {"revisions", revisions}};
}

QJsonObject dataPackObject(const DataPackInfo &pack)
{
    return QJsonObject{
        {"name", pack.name}, {"version", pack.version}, {"file", pack.file}, {"sha256", pack.sha256}};
}

namespace
{

QJsonObject scenarioObject(const DeviceCheck::Scenario &scenario)
{
    QJsonArray drops;
    for (double drop : scenario.drops)
        drops.append(Display::volts(drop));
    return QJsonObject{{"worstDrop", Display::volts(scenario.worstDrop)},
                       {"worstUnit", scenario.worstUnit},
                       {"drops", drops}};
}

QJsonArray scheduleArray(const LoopSchedule &schedule)
{
    QJsonArray units;
    for (const ScheduleUnit &unit : schedule.units)
        units.append(QJsonObject{{"position", unit.position},
                                 {"device", unit.device},
                                 {"address", unit.address},
                                 {"zone", unit.zone},
                                 {"location", unit.location}});
    return units;
}

QJsonObject deviceCheckObject(const LoopDeviceCheck &check)
{
    QJsonArray sections;
    for (const DeviceCheck::IsolatorSection &s : check.sections)
        sections.append(QJsonObject{{"firstUnit", s.firstUnit},
                                    {"lastUnit", s.lastUnit},
                                    {"detectorsAndCallPoints", s.detectorsAndCallPoints},
                                    {"status", statusWord(s.hasFault())}});
    QJsonObject object{{"limit", Display::volts(check.limit)},
                       {"status", statusWord(check.hasFault())},
                       {"intact", scenarioObject(check.electrical.intact)},
                       {"isolatorSections", sections},
                       {"faults", check.faultsText}};
    if (!check.degradedMode) {
        object.insert("breakAtOut", scenarioObject(check.electrical.breakAtOut));
        object.insert("breakAtIn", scenarioObject(check.electrical.breakAtIn));
    }
    return object;
}

} // namespace

QJsonObject systemObject(const SystemEvaluation &system, const DesignEvaluation &design)
{
    const PanelEvaluation &p = system.panel;
    QJsonObject flags{{"battery", p.flags.hasBatteryFault},
                      {"powerLoad", p.flags.hasPowerLoadFault},
                      {"loop", p.flags.hasLoopFault}};
    QJsonArray loops;
    for (int i = 0; i < system.loopResults.size(); ++i) {
        QJsonObject loop = loopObject(i, system.loopResults.at(i), system.loops.at(i), p);
        if (system.deviceChecks.contains(i)) {
            loop.insert("schedule", scheduleArray(system.schedules.value(i)));
            loop.insert("deviceCheck", deviceCheckObject(system.deviceChecks.value(i)));
        }
        loops.append(loop);
    }
    QJsonObject object{{"name", system.displayName},
                       {"model", system.config.model},
                       {"status", statusWord(system.hasFault())},
                       {"configuration", QJsonArray::fromStringList(system.config.toTexts())},
                       {"batteryMethod", BatterySizing::name(p.batterySizing.method)},
                       {"batteryFormula", p.batterySizing.substituted},
                       {"batteryStatus", p.battery.text},
                       {"powerLoadStatus", p.powerLoad.text},
                       {"externalPowerNotes", p.externalPowerNotes},
                       {"powerReportNotes", p.powerReportNotes},
                       {"externalPowerReportNotes", p.externalPowerReportNotes},
                       {"faultFlags", flags},
                       {"loops", loops}};
    addFigure(object, QStringLiteral("totalIdleCurrent"), p.totalIdleCurrentText());
    addFigure(object, QStringLiteral("totalAlarmCurrent"), p.totalAlarmCurrentText());
    addFigure(object, QStringLiteral("minimumBatteryRequired"), p.minimumBatteryRequiredText());
    addFigure(object, QStringLiteral("selectedTotalBattery"), p.selectedTotalBatteryText());
    if (!system.isExpansionBox) {
        QJsonArray boxes;
        for (int i = 0; i < design.boxes.size(); ++i)
            boxes.append(
                QJsonObject{{"name", design.boxes.at(i).displayName}, {"status", design.boxStatusText(i)}});
        object.insert("expansionBoxList", boxes);
    }
    if (!system.deviceCheckNote.isEmpty())
        object.insert("deviceCheckNote", system.deviceCheckNote);
    return object;
}

QJsonObject designObject(const QString &file, const Design &design, const DesignEvaluation &evaluation)
{
    QJsonArray boxes;
    for (const SystemEvaluation &box : evaluation.boxes)
        boxes.append(systemObject(box, evaluation));
    return QJsonObject{
        {"file", file},
        {"status", statusWord(evaluation.hasFault())},
        {"project", design.project ? QJsonValue(projectObject(*design.project)) : QJsonValue()},
        {"panel", systemObject(evaluation.main, evaluation)},
        {"expansionBoxes", boxes}};
}

} // namespace DesignJson
