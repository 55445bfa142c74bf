#include "setup/xmlimport.h"

#include "core/constants.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdlib>

namespace XmlImport
{

namespace
{

int decimalAttribute(const QXmlStreamAttributes &attributes, const QString &name)
{
    bool ok = false;
    const int value = attributes.value(name).toString().toInt(&ok, 10);
    return ok ? value : 0;
}

// Reads at most one byte more than allowed, so an endless device cannot make
// us read forever and an oversized file is recognised without reading it all.
bool readBounded(QFile &file, QByteArray &bytes)
{
    // In pieces: reading the limit at once would allocate all of it.
    bytes.clear();
    QByteArray piece(64 * 1024, Qt::Uninitialized);
    qint64 n = 0;
    while (bytes.size() <= MaxFileSize && (n = file.read(piece.data(), piece.size())) > 0)
        bytes.append(piece.constData(), int(n));
    if (bytes.size() > MaxFileSize) {
        qWarning().noquote() << "XML file too large:" << file.fileName();
        return false;
    }
    return true;
}

// A document type declaration can define entities that expand without bound;
// an export never has one.
void refuseDtd(QXmlStreamReader &reader)
{
    if (reader.tokenType() == QXmlStreamReader::DTD) {
        qWarning().noquote() << "XML document type declaration refused";
        reader.raiseError(QStringLiteral("Document type declarations are not accepted"));
    }
}

// Raises a reader error when `count` passes `limit`; true while within it.
bool withinLimit(QXmlStreamReader &reader, int count, int limit, const char *what)
{
    if (count <= limit)
        return true;
    reader.raiseError(QStringLiteral("More than %1 %2").arg(limit).arg(QLatin1String(what)));
    return false;
}

// An attribute we keep, refused (with a reader error) when longer than any
// export writes it.
QString boundedAttribute(QXmlStreamReader &reader, const QString &name)
{
    const QStringRef value = reader.attributes().value(name);
    if (value.size() > MaxTextLength) {
        reader.raiseError(
            QStringLiteral("Attribute %1 longer than %2 characters").arg(name).arg(MaxTextLength));
        return QString();
    }
    return value.toString();
}

// Reads the loop whose start element is current: its devices until its end.
QVector<XmlDevice> readLoop(QXmlStreamReader &reader, int &totalDevices)
{
    QVector<XmlDevice> devices;
    int depth = 1;
    while (depth > 0 && !reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            if (reader.name() == QLatin1String("Device")) {
                if (!withinLimit(reader, devices.size() + 1, MaxDevicesPerLoop, "devices in a loop") ||
                    !withinLimit(reader, ++totalDevices, MaxDevices, "devices"))
                    break;
                const QXmlStreamAttributes attributes = reader.attributes();
                devices.append({decimalAttribute(attributes, QStringLiteral("type")),
                                decimalAttribute(attributes, QStringLiteral("ext_type"))});
            }
        } else if (reader.isEndElement()) {
            --depth;
        }
    }
    return devices;
}

// Reads the panel whose start element is current: its loops until its end.
void readPanel(QXmlStreamReader &reader, XmlPanel &panel, int &totalDevices)
{
    int depth = 1;
    int loops = 0;
    while (depth > 0 && !reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == QLatin1String("loop")) {
                if (!withinLimit(reader, ++loops, MaxLoopsPerPanel, "loops in a panel"))
                    return;
                const QString number = boundedAttribute(reader, QStringLiteral("number"));
                if (reader.hasError())
                    return;
                // A repeated number replaces the earlier loop.
                panel.loops.insert(number, readLoop(reader, totalDevices));
            } else {
                ++depth;
            }
        } else if (reader.isEndElement()) {
            --depth;
        }
    }
}

enum class TypeRow { None, Single, Run };

struct Mapping {
    TypeRow row = TypeRow::None;
    QString category;
    QString subcategory;
};

Mapping mapType(int type, int extType)
{
    const auto single = [](const char *category, const char *subcategory) {
        return Mapping{TypeRow::Single, QString::fromLatin1(category), QString::fromLatin1(subcategory)};
    };
    const auto run = [](const char *category, const char *subcategory) {
        return Mapping{TypeRow::Run, QString::fromLatin1(category), QString::fromLatin1(subcategory)};
    };
    const bool low = extType <= 19;
    const bool high = extType >= 71;
    switch (type) {
    case 1:
        return single("DET", "OPT");
    case 2:
        return single("DET", "TERM");
    case 3:
        return single("DET", "OPT-TERM");
    case 4:
        return single("MCP", "-");
    case 5:
        return low ? single("MOD", "ZONE") : high ? run("MOD", "ZONE") : Mapping{};
    case 6:
        // Whether the run also switches outputs is decided over the whole run.
        return low ? single("MOD", "IN") : high ? run("MOD", "IN") : Mapping{};
    case 7:
        if (low)
            return extType == 18   ? single("MOD", "230V-OUT")
                   : extType == 14 ? single("MOD", "24V-OUT")
                                   : single("MOD", "OUT");
        if (high)
            return extType == 83   ? run("MOD", "230V-OUT")
                   : extType == 79 ? run("MOD", "24V-OUT")
                                   : run("MOD", "OUT");
        return {};
    case 8:
        return single("SND", "-");
    case 9:
        return run("SPECIAL", "CON");
    case 10:
        return single("DET", "GAS");
    case 11:
        return single("SPECIAL", "PIL");
    case 12:
        return single("DET", "BEAM");
    default:
        return {};
    }
}

} // namespace

ReadResult readFile(const QString &fileName, bool checkVersion, QVector<XmlPanel> &panels,
                    QString &foundVersion)
{
    panels.clear();
    foundVersion.clear();

    // Bytes, not text mode: dropping 0x0D bytes would corrupt UTF-16, and
    // the XML reader handles line ends itself. A named pipe or a device
    // would block or never end, so only a regular file is opened.
    QFile file(fileName);
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile()) {
        qWarning().noquote() << "Failed to open XML file for reading:"
                             << "Not a regular file";
        return ReadResult::Failed;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "Failed to open XML file for reading:" << file.errorString();
        return ReadResult::Failed;
    }
    QByteArray bytes;
    if (!readBounded(file, bytes))
        return ReadResult::Failed;

    if (checkVersion) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QString version;
        if (!readVersion(buffer, version)) {
            qWarning().noquote() << "No version information found in VXA XML file";
            return ReadResult::Failed;
        }
        if (version != Constants::SupportedXmlVersion) {
            qWarning().noquote() << "Unsupported VXA XML version:" << version
                                 << "Version supported:" << Constants::SupportedXmlVersion;
            foundVersion = version;
            return ReadResult::UnsupportedVersion;
        }

        // Read the panels from the file as it is now, from the start.
        file.close();
        if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) {
            qWarning().noquote() << "Failed to reopen XML file for reading:" << file.errorString();
            return ReadResult::Failed;
        }
        if (!readBounded(file, bytes))
            return ReadResult::Failed;
    }
    file.close();

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QVector<XmlPanel> read;
    if (!readPanels(buffer, read))
        return ReadResult::Failed;
    panels = read;
    return ReadResult::Ok;
}

bool readVersion(QIODevice &device, QString &version)
{
    QXmlStreamReader reader(&device);
    while (!reader.atEnd()) {
        reader.readNext();
        refuseDtd(reader);
        if (reader.isStartElement() && reader.name() == QLatin1String("CONFIG") &&
            reader.attributes().hasAttribute(QStringLiteral("Version"))) {
            version = boundedAttribute(reader, QStringLiteral("Version"));
            return !reader.hasError();
        }
    }
    return false;
}

bool readPanels(QIODevice &device, QVector<XmlPanel> &panels)
{
    QVector<XmlPanel> read;
    int totalDevices = 0;
    QXmlStreamReader reader(&device);
    while (!reader.atEnd()) {
        reader.readNext();
        refuseDtd(reader);
        if (!reader.isStartElement() || reader.name() != QLatin1String("Panel"))
            continue;
        if (!reader.attributes().hasAttribute(QStringLiteral("name"))) {
            reader.skipCurrentElement();
            continue;
        }
        if (!withinLimit(reader, read.size() + 1, MaxPanels, "panels"))
            break;
        XmlPanel panel;
        panel.name = boundedAttribute(reader, QStringLiteral("name"));
        if (reader.hasError())
            break;
        readPanel(reader, panel, totalDevices);
        read.append(panel);
    }
    if (reader.hasError()) {
        qWarning().noquote() << "XML parsing error:" << reader.errorString();
        return false;
    }
    if (read.isEmpty()) {
        qWarning().noquote() << "No panels found in XML file";
        return false;
    }
    panels = read;
    return true;
}

QString panelEntry(const XmlPanel &panel)
{
    return QCoreApplication::translate("Exporter", "%1 (%2 loops)").arg(panel.name).arg(panel.loops.size());
}

QString modelEntry(const Panel &panel)
{
    return QCoreApplication::translate("Exporter", "%1 (%2-%3 loops)")
        .arg(panel.name)
        .arg(panel.baseLoops)
        .arg(panel.maxLoops);
}

int modelNamedBy(const QString &panelName, const QVector<Panel> &models)
{
    int best = -1;
    for (int i = 0; i < models.size(); ++i) {
        const QString &name = models.at(i).name;
        const QStringList words =
            name.split(QRegularExpression(QStringLiteral("[\\s_-]+")), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        // "TXP 408", "TXP-408", "txp408" and "Building A - TXP 408" name the
        // same model; "TXP 4080" does not.
        QStringList escaped;
        for (const QString &word : words)
            escaped << QRegularExpression::escape(word);
        const QRegularExpression pattern(
            QStringLiteral("(?<![[:alnum:]])") + escaped.join(QStringLiteral("[\\s_-]*")) +
                QStringLiteral("(?![[:alnum:]])"),
            QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
        // The longest name wins: "TXP 816 Plus" over "TXP 816".
        if (pattern.match(panelName).hasMatch() && (best < 0 || name.size() > models.at(best).name.size()))
            best = i;
    }
    return best;
}

QStringList orderedLoopNumbers(const XmlPanel &panel)
{
    QStringList numbers = panel.loops.keys();
    const auto value = [](const QString &number) {
        bool ok = false;
        const int n = number.toInt(&ok, 10);
        return ok ? n : 0;
    };
    std::stable_sort(numbers.begin(), numbers.end(),
                     [&](const QString &a, const QString &b) { return value(a) < value(b); });
    return numbers;
}

int extraLoopsFor(int loops, int baseLoops)
{
    return std::max(0, ((loops - baseLoops + 1) / 2) * 2);
}

Device bestDeviceMatch(const QVector<Device> &devices, const QString &category, const QString &subcategory,
                       int addressCount)
{
    const Device *best = nullptr;
    long long bestDistance = 0;
    for (const Device &device : devices) {
        if (device.category != category || device.subcategory != subcategory)
            continue;
        const long long distance = std::llabs(static_cast<long long>(device.addresses) - addressCount);
        if (!best || distance < bestDistance ||
            (distance == bestDistance && device.alarmCurrent > best->alarmCurrent)) {
            best = &device;
            bestDistance = distance;
        }
    }
    return best ? *best : Device();
}

QMap<QString, int> loopDeviceMap(const QVector<XmlDevice> &xmlDevices, const QVector<Device> &devices)
{
    return summariseLoop(xmlDevices, devices).devices;
}

QStringList loopDeviceOrder(const QVector<XmlDevice> &xmlDevices, const QVector<Device> &devices)
{
    return summariseLoop(xmlDevices, devices).order;
}

LoopSummary summariseLoop(const QVector<XmlDevice> &xmlDevices, const QVector<Device> &devices)
{
    LoopSummary summary;
    summary.xmlDevices = xmlDevices.size();
    int i = 0;
    while (i < xmlDevices.size()) {
        const XmlDevice &first = xmlDevices.at(i);
        Mapping mapping = mapType(first.type, first.extType);
        int covered = 1;
        if (mapping.row == TypeRow::Run) {
            // The run ends with the first device, this one included, whose
            // ext_type is above 190. One cut short by the end of the list
            // covers what is left and counts only the addresses it has.
            int end = i;
            while (end < xmlDevices.size() - 1 && xmlDevices.at(end).extType <= 190)
                ++end;
            covered = end - i + 1;
            if (first.type == 6) {
                for (int k = i; k <= end; ++k) {
                    if (xmlDevices.at(k).type == 7) {
                        mapping.subcategory = QStringLiteral("IN-OUT");
                        break;
                    }
                }
            }
        }
        if (mapping.row == TypeRow::None) {
            summary.unknownTypes[qMakePair(first.type, first.extType)] += 1;
        } else {
            const Device match = bestDeviceMatch(devices, mapping.category, mapping.subcategory,
                                                 mapping.row == TypeRow::Run ? covered : 1);
            if (match.name.isEmpty()) {
                summary.unmatched[qMakePair(mapping.category, mapping.subcategory)] += covered;
            } else {
                ++summary.devices[match.name];
                summary.order.append(match.name);
                if (mapping.row == TypeRow::Run && covered > 1) {
                    ++summary.modules;
                    summary.moduleDevices += covered;
                }
            }
        }
        i += covered;
    }
    return summary;
}

} // namespace XmlImport
