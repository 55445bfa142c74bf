#include "exports/exporttables.h"

#include "catalogue/catalogue.h"
#include "design/designevaluation.h"
#include "report/reportbuilder.h"
#include "report/reportcomposer.h"

#include <QHash>
#include <QMap>

namespace Exports
{

namespace
{

QString deviceDescription(const QString &name)
{
    const QString translated = QCoreApplication::translate("DeviceDescriptions", name.toUtf8().constData());
    return translated == name ? Exporter::tr("No description available for this device.") : translated;
}

// A loop without devices needs no cable.
bool inUse(const LoopConfig &loop)
{
    return loop.loopLength > 0 && !loop.devices.isEmpty();
}

QVariant addressCell(const QString &address)
{
    bool ok = false;
    const int number = address.toInt(&ok);
    return ok ? QVariant(number) : QVariant(address);
}

} // namespace

QString systemName(const Design &design, int system)
{
    if (system < 0)
        return ExportTables::tr("Main panel");
    const SystemDesign *box = design.system(system);
    return ExportTables::tr("Expansion Box %1 (%2)").arg(system + 1).arg(box ? box->config.model : QString());
}

QVector<BomRow> billOfMaterials(const Design &design, const Catalogue &catalogue)
{
    return billOfMaterials(DesignEvaluation::evaluate(design, catalogue), catalogue);
}

QVector<BomRow> billOfMaterials(const DesignEvaluation &evaluation, const Catalogue &catalogue)
{
    // The report's bill of materials is the one count of what a design needs;
    // it counts from the evaluation alone, so the schedules' tables and
    // pictures are not drawn for it.
    const Report::ReportData data = Report::reportData(evaluation, ReportInformation(), QDate());
    QVector<BomRow> rows;
    for (const Report::MaterialCategory &category : Report::billOfMaterials(data, catalogue)) {
        for (const Report::MaterialRow &material : category.rows) {
            BomRow row;
            row.category = category.title;
            row.item = material.item;
            row.quantity = double(material.total);
            row.metres = !material.unit.isEmpty();
            row.description = material.description;
            row.image = material.image;
            rows.append(row);
        }
    }
    return rows;
}

QVector<DeviceRow> deviceSchedule(const Design &design)
{
    QVector<DeviceRow> rows;
    // A schedule names the same few devices thousands of times.
    QHash<QString, QString> descriptions;
    const auto describe = [&descriptions](const QString &device) {
        auto it = descriptions.find(device);
        if (it == descriptions.end())
            it = descriptions.insert(device, deviceDescription(device));
        return it.value();
    };
    for (int s = -1; s < design.boxes.size(); ++s) {
        const SystemDesign &system = *design.system(s);
        const QString name = systemName(design, s);
        for (int l = 0; l < system.loops.size(); ++l) {
            DeviceRow row;
            row.system = name;
            row.loop = l + 1;
            const auto schedule = system.schedules.constFind(l);
            if (schedule != system.schedules.cend()) {
                row.scheduled = true;
                row.quantity = 1;
                for (const ScheduleUnit &unit : schedule->units) {
                    row.position = unit.position;
                    row.address = unit.address;
                    row.device = unit.device;
                    row.description = describe(unit.device);
                    row.zone = unit.zone;
                    row.location = unit.location;
                    rows.append(row);
                }
                continue;
            }
            const QMap<QString, int> &devices = system.loops.at(l).devices;
            for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
                row.device = it.key();
                row.description = describe(it.key());
                row.quantity = it.value();
                rows.append(row);
            }
        }
    }
    return rows;
}

QVector<CableRow> cableSchedule(const Design &design, const DesignEvaluation &evaluation)
{
    QVector<CableRow> rows;
    for (int s = -1; s < design.boxes.size(); ++s) {
        const QVector<LoopConfig> &loops = design.system(s)->loops;
        const SystemEvaluation *evaluated =
            s < 0 ? &evaluation.main : (s < evaluation.boxes.size() ? &evaluation.boxes.at(s) : nullptr);
        for (int l = 0; l < loops.size(); ++l) {
            const LoopConfig &loop = loops.at(l);
            if (!inUse(loop))
                continue;
            CableRow row;
            row.system = systemName(design, s);
            row.loop = l + 1;
            row.cableType = loop.cableType;
            row.topology =
                loop.topology == Topology::ClassA ? Exporter::tr("Class A") : Exporter::tr("Degraded mode");
            row.length = loop.loopLength;
            row.startDistance = loop.startDistance;
            row.endDistance = loop.endDistance;
            for (int quantity : loop.devices)
                row.devices += quantity;
            if (evaluated && l < evaluated->loopResults.size()) {
                const LoopCalc::LoopResults &r = evaluated->loopResults.at(l).results;
                row.addresses = r.addresses;
                row.alarmCurrent = r.alarmCurrent;
                row.voltageDrop = r.voltageDrop;
                row.maxVoltageDrop = r.maxVoltageDrop;
            }
            rows.append(row);
        }
    }
    return rows;
}

QString keyOf(Kind kind)
{
    switch (kind) {
    case Kind::BillOfMaterials:
        return QStringLiteral("bom");
    case Kind::DeviceSchedule:
        return QStringLiteral("devices");
    case Kind::CableSchedule:
        return QStringLiteral("cables");
    }
    return QString();
}

bool kindOf(const QString &key, Kind &kind)
{
    for (Kind k : allKinds()) {
        if (keyOf(k) == key) {
            kind = k;
            return true;
        }
    }
    return false;
}

QList<Kind> allKinds()
{
    return {Kind::BillOfMaterials, Kind::DeviceSchedule, Kind::CableSchedule};
}

Table billOfMaterialsTable(const QVector<BomRow> &rows)
{
    Table table;
    table.key = keyOf(Kind::BillOfMaterials);
    table.title = ExportTables::tr("Bill of materials");
    table.headers =
        QStringList{ExportTables::tr("Category"), ExportTables::tr("Item"), ExportTables::tr("Quantity"),
                    ExportTables::tr("Unit"), ExportTables::tr("Description")};
    for (const BomRow &row : rows) {
        const QVariant quantity = row.quantity == double(qint64(row.quantity))
                                      ? QVariant(qint64(row.quantity))
                                      : QVariant(row.quantity);
        table.rows.append({row.category, row.item, quantity,
                           row.metres ? ExportTables::tr("m") : ExportTables::tr("pcs"), row.description});
    }
    return table;
}

Table deviceScheduleTable(const QVector<DeviceRow> &rows)
{
    Table table;
    table.key = keyOf(Kind::DeviceSchedule);
    table.title = ExportTables::tr("Device schedule");
    table.headers = QStringList{
        ExportTables::tr("System"),  ExportTables::tr("Loop"),     ExportTables::tr("Position (m)"),
        ExportTables::tr("Address"), ExportTables::tr("Device"),   ExportTables::tr("Description"),
        ExportTables::tr("Zone"),    ExportTables::tr("Location"), ExportTables::tr("Quantity")};
    for (const DeviceRow &row : rows) {
        table.rows.append({row.system, row.loop, row.scheduled ? QVariant(row.position) : QVariant(QString()),
                           row.scheduled ? addressCell(row.address) : QVariant(QString()), row.device,
                           row.description, row.zone, row.location, row.quantity});
    }
    return table;
}

Table cableScheduleTable(const QVector<CableRow> &rows)
{
    Table table;
    table.key = keyOf(Kind::CableSchedule);
    table.title = ExportTables::tr("Cable schedule");
    table.headers = QStringList{ExportTables::tr("System"),
                                ExportTables::tr("Loop"),
                                ExportTables::tr("Cable"),
                                ExportTables::tr("Topology"),
                                ExportTables::tr("Length (m)"),
                                ExportTables::tr("Distance to first device (m)"),
                                ExportTables::tr("Distance to last device (m)"),
                                ExportTables::tr("Devices"),
                                ExportTables::tr("Addresses"),
                                ExportTables::tr("Alarm current (A)"),
                                ExportTables::tr("Voltage drop (V)"),
                                ExportTables::tr("Maximum voltage drop (V)")};
    for (const CableRow &row : rows) {
        table.rows.append({row.system, row.loop, row.cableType, row.topology, row.length, row.startDistance,
                           row.endDistance, row.devices, row.addresses, row.alarmCurrent, row.voltageDrop,
                           row.maxVoltageDrop});
    }
    return table;
}

Table table(Kind kind, const Design &design, const DesignEvaluation &evaluation, const Catalogue &catalogue)
{
    switch (kind) {
    case Kind::BillOfMaterials:
        return billOfMaterialsTable(billOfMaterials(evaluation, catalogue));
    case Kind::DeviceSchedule:
        return deviceScheduleTable(deviceSchedule(design));
    case Kind::CableSchedule:
        return cableScheduleTable(cableSchedule(design, evaluation));
    }
    return Table();
}

} // namespace Exports
