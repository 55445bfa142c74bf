#include "exports/exporttables.h"

#include "catalogue/catalogue.h"
#include "report/reportcomposer.h"

#include <QHash>
#include <QMap>

namespace Exports
{

namespace
{

const QString CableImage = QStringLiteral(":/resources/icons/cable.png");

QString general(double value)
{
    return QString::number(value, 'g', 6);
}

bool isSet(const QString &value)
{
    return !value.isEmpty() && value != QLatin1String("-");
}

// Asking whether a name is a battery is no failure: walk the list instead
// of logging a missing record.
template <typename Record> const Record *recordNamed(const QVector<Record> &records, const QString &name)
{
    for (const Record &record : records)
        if (record.name == name)
            return &record;
    return nullptr;
}

QString deviceDescription(const QString &name)
{
    const QString translated = QCoreApplication::translate("DeviceDescriptions", name.toUtf8().constData());
    return translated == name ? Exporter::tr("No description available for this device.") : translated;
}

// The report's equipment of one panel or box (`box` 0 the main panel, else
// the box's number), each group in its own list so the categories can be
// laid out as the report lays them out.
struct PanelEquipment {
    QVector<BomRow> cards;
    QVector<BomRow> sources;
    QVector<BomRow> batteries;
    QVector<BomRow> boxes;
};

BomRow piece(const QString &image, const QString &item, int quantity, const QString &description)
{
    BomRow row;
    row.item = item;
    row.quantity = quantity;
    row.description = description;
    row.image = image;
    return row;
}

PanelEquipment equipmentOf(const PanelConfig &panel, int box, const Catalogue &catalogue)
{
    PanelEquipment out;
    const QString n = QString::number(box);
    QMap<QString, int> cardCounts;
    for (const QString &card : panel.cards)
        ++cardCounts[card];
    const auto cards = catalogue.auxiliaryCards();
    for (auto it = cardCounts.cbegin(); it != cardCounts.cend(); ++it) {
        const AuxiliaryCard *record = recordNamed(cards, it.key());
        out.cards.append(piece(record ? record->image : QString(), it.key(), it.value(),
                               box == 0
                                   ? Exporter::tr("Auxiliary Card - Panel expansion")
                                   : Exporter::tr("Auxiliary Card - Expansion Box %1 expansion").arg(n)));
    }
    for (const QString &source : {panel.source1, panel.source2}) {
        if (!isSet(source))
            continue;
        out.sources.append(piece(
            catalogue.findExternalPowerSource(source).image, source, 1,
            box == 0
                ? Exporter::tr("External Power Supply - Additional power source")
                : Exporter::tr("External Power Supply - Expansion Box %1 additional power source").arg(n)));
    }
    if (isSet(panel.internalBattery)) {
        const Battery battery = catalogue.findBattery(panel.internalBattery);
        out.batteries.append(piece(
            battery.image, panel.internalBattery, 1,
            box == 0 ? Exporter::tr("Internal Battery - Standby power (%1 Ah)").arg(general(battery.capacity))
                     : Exporter::tr("Internal Battery - Expansion Box %1 standby power (%2 Ah)")
                           .arg(n, general(battery.capacity))));
    }
    const auto batteries = catalogue.batteries();
    const auto batteryBoxes = catalogue.externalBatteryBoxes();
    for (const QString &name : {panel.battery1, panel.battery2}) {
        if (!isSet(name))
            continue;
        if (const Battery *battery = recordNamed(batteries, name)) {
            out.batteries.append(piece(
                battery->image, name, 1,
                box == 0 ? Exporter::tr("External Battery - Extended standby power (%1 Ah)")
                               .arg(general(battery->capacity))
                         : Exporter::tr("External Battery - Expansion Box %1 extended standby power (%2 Ah)")
                               .arg(n, general(battery->capacity))));
        } else if (const ExternalBatteryBox *batteryBox = recordNamed(batteryBoxes, name)) {
            out.batteries.append(piece(
                batteryBox->image, name, 1,
                box == 0
                    ? Exporter::tr("External Battery Box - Extended standby power (%1 Ah)")
                          .arg(general(batteryBox->maxBatteryCapacity))
                    : Exporter::tr("External Battery Box - Expansion Box %1 extended standby power (%2 Ah)")
                          .arg(n, general(batteryBox->maxBatteryCapacity))));
        } else {
            out.batteries.append(piece(QString(), name, 1, QString()));
        }
    }
    const QPair<QString, QString> pairs[] = {{panel.source1, panel.battery1},
                                             {panel.source2, panel.battery2}};
    for (const auto &pair : pairs) {
        if (!isSet(pair.second))
            continue;
        const QString chosen = Report::batteryBoxFor(pair.first, pair.second, catalogue);
        if (chosen.isEmpty())
            continue;
        const ExternalBatteryBox *record = recordNamed(batteryBoxes, chosen);
        const double capacity = record ? record->maxBatteryCapacity : 0;
        out.boxes.append(
            piece(record ? record->image : QString(), chosen, 1,
                  box == 0 ? Exporter::tr("External Battery Box - For additional battery support (%1 Ah)")
                                 .arg(general(capacity))
                           : Exporter::tr("External Battery Box - Expansion Box %1 battery support (%2 Ah)")
                                 .arg(n, general(capacity))));
    }
    return out;
}

void appendCategory(QVector<BomRow> &rows, const QString &category, const QVector<BomRow> &entries)
{
    for (BomRow row : entries) {
        row.category = category;
        rows.append(row);
    }
}

// A loop without devices needs no cable.
bool inUse(const LoopConfig &loop)
{
    return loop.loopLength > 0 && !loop.devices.isEmpty();
}

QString cableDescription(int system, int loop)
{
    return system < 0 ? Exporter::tr("Loop Cable - For Loop %1 wiring").arg(loop + 1)
                      : Exporter::tr("Loop Cable - For Expansion Box %1 Loop %2 wiring")
                            .arg(QString::number(system + 1), QString::number(loop + 1));
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
    QVector<BomRow> rows;
    const PanelConfig &main = design.main.config;
    appendCategory(rows, Exporter::tr("PANEL"),
                   {piece(catalogue.findPanel(main.model).image, main.model, 1,
                          Exporter::tr("Fire Alarm Control Panel - Main control unit"))});
    const PanelEquipment equipment = equipmentOf(main, 0, catalogue);
    appendCategory(rows, Exporter::tr("AUXILIARY CARDS"), equipment.cards);
    appendCategory(rows, Exporter::tr("EXTERNAL POWER SOURCES"), equipment.sources);
    appendCategory(rows, Exporter::tr("BATTERIES"), equipment.batteries);
    appendCategory(rows, Exporter::tr("EXTERNAL BATTERY BOXES"), equipment.boxes);

    const QString boxesCategory = Exporter::tr("EXPANSION BOXES");
    for (int i = 0; i < design.boxes.size(); ++i) {
        const PanelConfig &box = design.boxes.at(i).config;
        appendCategory(rows, boxesCategory,
                       {piece(catalogue.findExpansionBox(box.model).image, box.model, 1,
                              Exporter::tr("Expansion Box %1 - Additional control unit").arg(i + 1))});
        const PanelEquipment boxEquipment = equipmentOf(box, i + 1, catalogue);
        appendCategory(rows, boxesCategory,
                       boxEquipment.cards + boxEquipment.sources + boxEquipment.batteries +
                           boxEquipment.boxes);
    }

    QMap<QString, qint64> devices;
    for (int s = -1; s < design.boxes.size(); ++s) {
        for (const LoopConfig &loop : design.system(s)->loops)
            for (auto it = loop.devices.cbegin(); it != loop.devices.cend(); ++it)
                devices[it.key()] += it.value();
    }
    const QString devicesCategory = Exporter::tr("LOOP DEVICES");
    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        BomRow row = piece(catalogue.findDevice(it.key()).image, it.key(), 0, deviceDescription(it.key()));
        row.quantity = double(it.value());
        appendCategory(rows, devicesCategory, {row});
    }

    const QString cablesCategory = Exporter::tr("CABLES");
    for (int s = -1; s < design.boxes.size(); ++s) {
        const QVector<LoopConfig> &loops = design.system(s)->loops;
        for (int l = 0; l < loops.size(); ++l) {
            if (!inUse(loops.at(l)))
                continue;
            BomRow row =
                piece(CableImage, loops.at(l).cableType, loops.at(l).loopLength, cableDescription(s, l));
            row.metres = true;
            appendCategory(rows, cablesCategory, {row});
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
        return billOfMaterialsTable(billOfMaterials(design, catalogue));
    case Kind::DeviceSchedule:
        return deviceScheduleTable(deviceSchedule(design));
    case Kind::CableSchedule:
        return cableScheduleTable(cableSchedule(design, evaluation));
    }
    return Table();
}

} // namespace Exports
