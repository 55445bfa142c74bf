#include "report/reportcomposer.h"

#include "catalogue/catalogue.h"
#include "catalogue/devicecategories.h"
#include "catalogue/displayformat.h"

#include <QCoreApplication>
#include <QMap>
#include <QUrl>

#include <algorithm>

namespace Report
{

namespace
{

const QString CableImage = QStringLiteral(":/resources/icons/cable.png");

bool isSet(const QString &value)
{
    return !value.isEmpty() && value != QLatin1String("-");
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

// A category's rows gathered over every panel, one row per item and
// description, in the order they first appear.
class Category
{
public:
    Category(const QString &title, int systems) : m_systems(systems) { m_category.title = title; }

    void add(int system, const QString &item, const QString &description, const QString &image, qint64 quantity,
             const QString &unit = QString(), const QString &kind = QString())
    {
        const QString key = item + QChar(0) + description;
        auto found = m_index.constFind(key);
        int at = 0;
        if (found == m_index.cend()) {
            MaterialRow row;
            row.item = item;
            row.description = description;
            row.image = image;
            row.unit = unit;
            row.kind = kind;
            row.perSystem = QVector<qint64>(m_systems, 0);
            at = m_category.rows.size();
            m_category.rows.append(row);
            m_index.insert(key, at);
        } else {
            at = found.value();
        }
        MaterialRow &row = m_category.rows[at];
        row.perSystem[system] += quantity;
        row.total += quantity;
    }
    void sortByItem()
    {
        std::stable_sort(m_category.rows.begin(), m_category.rows.end(),
                         [](const MaterialRow &a, const MaterialRow &b) { return a.item < b.item; });
    }
    void appendTo(QVector<MaterialCategory> &out) const
    {
        if (!m_category.rows.isEmpty())
            out.append(m_category);
    }
    // Always listed, even empty (cables).
    void appendAlwaysTo(QVector<MaterialCategory> &out) const { out.append(m_category); }

private:
    int m_systems;
    MaterialCategory m_category;
    QMap<QString, int> m_index;
};

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

// A picture's path as the source of an <img>: the rich-text reader takes an
// attribute's text as it stands (no entities), so a folder such as
// /home/o'neil would end the quoted attribute. The path is written as a
// percent-encoded URL path, which the layout decodes when it loads it.
QString pictureSource(const QString &path)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/:"));
}

} // namespace

QVector<MaterialCategory> billOfMaterials(const ReportData &data, const Catalogue &catalogue)
{
    const int systems = 1 + data.expansionBoxes.size();
    Category panels(Exporter::tr("PANEL"), systems);
    Category cards(Exporter::tr("AUXILIARY CARDS"), systems);
    Category sources(Exporter::tr("EXTERNAL POWER SOURCES"), systems);
    Category batteries(Exporter::tr("BATTERIES"), systems);
    Category batteryBoxes(Exporter::tr("EXTERNAL BATTERY BOXES"), systems);
    Category boxes(Exporter::tr("EXPANSION BOXES"), systems);
    Category devices(Exporter::tr("LOOP DEVICES"), systems);
    Category cables(Exporter::tr("CABLES"), systems);

    const auto batteryRecords = catalogue.batteries();
    const auto batteryBoxRecords = catalogue.externalBatteryBoxes();
    const auto cardRecords = catalogue.auxiliaryCards();
    const auto image = [&catalogue](const QString &name) { return catalogue.imagePath(name); };

    // Devices are looked up once per device, not once per loop: their
    // pictures and what kind of device each is, in the tree's words.
    struct DeviceLook {
        QString picture;
        QString kind;
    };
    QMap<QString, DeviceLook> deviceLooks;
    const auto deviceLook = [&](const QString &name) {
        auto found = deviceLooks.find(name);
        if (found == deviceLooks.end()) {
            const Device record = catalogue.findDevice(name);
            DeviceLook look{image(record.image), DeviceCategories::categoryName(record.category)};
            if (isSet(record.subcategory))
                look.kind += QStringLiteral(", ") + DeviceCategories::subcategoryName(record.subcategory);
            found = deviceLooks.insert(name, look);
        }
        return found.value();
    };
    const auto panelEquipment = [&](const PanelInfo &panel, int system) {
        for (const QString &card : panel.cards) {
            const AuxiliaryCard *record = recordNamed(cardRecords, card);
            cards.add(system, card, Exporter::tr("Auxiliary Card - Panel expansion"),
                      image(record ? record->image : QString()), 1);
        }
        for (const QString &source : {panel.source1, panel.source2})
            if (isSet(source))
                sources.add(system, source, Exporter::tr("External Power Supply - Additional power source"),
                            image(catalogue.findExternalPowerSource(source).image), 1);
        if (isSet(panel.internalBattery)) {
            const Battery battery = catalogue.findBattery(panel.internalBattery);
            batteries.add(system, panel.internalBattery,
                          Exporter::tr("Internal Battery - Standby power (%1 Ah)").arg(Display::general(battery.capacity)),
                          image(battery.image), 1);
        }
        for (const QString &name : {panel.battery1, panel.battery2}) {
            if (!isSet(name))
                continue;
            if (const Battery *battery = recordNamed(batteryRecords, name))
                batteries.add(system, name,
                              Exporter::tr("External Battery - Extended standby power (%1 Ah)")
                                  .arg(Display::general(battery->capacity)),
                              image(battery->image), 1);
            else if (const ExternalBatteryBox *box = recordNamed(batteryBoxRecords, name))
                batteries.add(system, name,
                              Exporter::tr("External Battery Box - Extended standby power (%1 Ah)")
                                  .arg(Display::general(box->maxBatteryCapacity)),
                              image(box->image), 1);
            else
                batteries.add(system, name, QString(), QString(), 1);
        }
        const QPair<QString, QString> pairs[] = {{panel.source1, panel.battery1}, {panel.source2, panel.battery2}};
        for (const auto &pair : pairs) {
            const QString chosen = batteryBoxFor(pair.first, pair.second, catalogue);
            if (chosen.isEmpty())
                continue;
            const ExternalBatteryBox *record = recordNamed(batteryBoxRecords, chosen);
            batteryBoxes.add(system, chosen,
                             Exporter::tr("External Battery Box - For additional battery support (%1 Ah)")
                                 .arg(Display::general(record ? record->maxBatteryCapacity : 0)),
                             image(record ? record->image : QString()), 1);
        }
        for (const LoopInfo &loop : panel.loops) {
            for (const auto &device : loop.devices) {
                const DeviceLook look = deviceLook(device.first);
                devices.add(system, device.first, deviceDescription(device.first), look.picture, device.second,
                            QString(), look.kind);
            }
            if (inUse(loop))
                cables.add(system, loop.cableType, Exporter::tr("Loop Cable - loop wiring"), CableImage,
                           loop.loopLength, QStringLiteral(" m"));
        }
    };

    panels.add(0, data.mainPanel.model, Exporter::tr("Fire Alarm Control Panel - Main control unit"),
               image(catalogue.findPanel(data.mainPanel.model).image), 1);
    panelEquipment(data.mainPanel, 0);
    for (int b = 0; b < data.expansionBoxes.size(); ++b) {
        const PanelInfo &box = data.expansionBoxes.at(b);
        boxes.add(b + 1, box.model, Exporter::tr("Expansion Box - Additional control unit"),
                  image(catalogue.findExpansionBox(box.model).image), 1);
        panelEquipment(box, b + 1);
    }
    cards.sortByItem();
    devices.sortByItem();
    QVector<MaterialCategory> out;
    panels.appendTo(out);
    cards.appendTo(out);
    sources.appendTo(out);
    batteries.appendTo(out);
    batteryBoxes.appendTo(out);
    boxes.appendTo(out);
    devices.appendTo(out);
    cables.appendAlwaysTo(out);
    return out;
}

QString composeEquipmentSummary(const ReportData &data, const Catalogue &catalogue)
{
    const int systems = 1 + data.expansionBoxes.size();
    // The pictures are small enough to need no heading of their own.
    QStringList header = {QString(), Exporter::tr("Item"), Exporter::tr("Description")};
    if (systems == 1) {
        header << Exporter::tr("Quantity");
    } else {
        header << Exporter::tr("Main panel");
        for (int b = 1; b < systems; ++b)
            header << Exporter::tr("Box %1").arg(b);
        header << Exporter::tr("Total");
    }
    QString html = QStringLiteral("<div class='page-break'></div><div class='section'><h1>") +
                   Exporter::tr("Equipment Summary List") + QStringLiteral("</h1>") + tableStart(8) +
                   headerCells(header, 8, {5, 19, systems == 1 ? 64 : std::max(30, 76 - 11 * (systems + 1))});
    const QString cell = QStringLiteral("<td style='font-size: 8pt; border-bottom: 1px solid #ecf0f1;%1'>%2</td>");
    const QString number = QStringLiteral(" text-align: right;");
    for (const MaterialCategory &category : billOfMaterials(data, catalogue)) {
        html += QStringLiteral("<tr class='category-header'><td colspan='%1' style='font-size: 8pt; font-weight: "
                               "bold; background-color: #e8f4f8; color: #2c3e50;'>%2</td></tr>")
                    .arg(header.size())
                    .arg(category.title);
        for (const MaterialRow &row : category.rows) {
            html += QStringLiteral("<tr>");
            html += cell.arg(QString(), row.image.isEmpty() ? QString()
                                                            : QStringLiteral("<img src='") + pictureSource(row.image) +
                                                                  QStringLiteral("' width='18' height='18'>"));
            html += cell.arg(QString(), row.item.toHtmlEscaped());
            html += cell.arg(QString(), row.kind.isEmpty() ? row.description.toHtmlEscaped()
                                                           : row.description.toHtmlEscaped() +
                                                                 QStringLiteral("<br><span style='font-size: 8pt; color: #7f8c8d;'>") +
                                                                 row.kind.toHtmlEscaped() +
                                                                 QStringLiteral("</span>"));
            if (systems > 1)
                for (const qint64 quantity : row.perSystem)
                    html += cell.arg(number, quantity ? QString::number(quantity) + row.unit : QString());
            html += cell.arg(number + (systems > 1 ? QStringLiteral(" font-weight: bold;") : QString()),
                             QString::number(row.total) + row.unit);
            html += QStringLiteral("</tr>");
        }
    }
    return html + QStringLiteral("</table></div>");
}

} // namespace Report
