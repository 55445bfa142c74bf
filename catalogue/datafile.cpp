#include "catalogue/datafile.h"

#include "core/constants.h"
#include "catalogue/catalogue.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cmath>

namespace
{

enum class Section {
    Panel,
    ExpansionBox,
    Battery,
    ExternalPowerSource,
    ExternalBatteryBox,
    Device,
    AuxiliaryCard,
    DistributionFactor,
    TopologyFactor
};

struct Title {
    QLatin1String prefix;
    Section section;
    int cells; // cells a row of the section needs
};

// Tested in this order against the start of a line.
const Title titles[] = {
    {QLatin1String("Panel"), Section::Panel, 13},
    {QLatin1String("Expansion box"), Section::ExpansionBox, 13},
    {QLatin1String("Battery"), Section::Battery, 3},
    {QLatin1String("External power source"), Section::ExternalPowerSource, 3},
    {QLatin1String("External battery box"), Section::ExternalBatteryBox, 3},
    {QLatin1String("Device"), Section::Device, 11},
    {QLatin1String("Auxiliary cards"), Section::AuxiliaryCard, 5},
    {QLatin1String("Distribution factor"), Section::DistributionFactor, 2},
    {QLatin1String("Topology factor"), Section::TopologyFactor, 2},
};

const Title *titleOf(const QString &line)
{
    for (const Title &title : titles) {
        if (line.startsWith(title.prefix))
            return &title;
    }
    return nullptr;
}

// Hands out the trimmed lines of the decoded text with their line numbers.
class LineReader
{
public:
    LineReader(const QString &text, int firstLineNumber) : m_text(text), m_number(firstLineNumber - 1) {}

    bool next(QString &line)
    {
        if (m_pos >= m_text.size())
            return false;
        int end = m_text.indexOf(QLatin1Char('\n'), m_pos);
        if (end < 0)
            end = m_text.size();
        line = m_text.mid(m_pos, end - m_pos).trimmed();
        m_pos = end + 1;
        ++m_number;
        return true;
    }

    int number() const { return m_number; }

private:
    const QString &m_text;
    int m_pos = 0;
    int m_number;
};

// Panels and expansion boxes share their first eleven cells.
template <typename Model> void readModelCells(Model &m, const QStringList &c)
{
    m.name = c.at(0);
    m.idleCurrent = DataFile::toDecimal(c.at(1));
    m.alarmCurrent = DataFile::toDecimal(c.at(2));
    m.maxCurrent = DataFile::toDecimal(c.at(3));
    m.maxBatteryCapacity = DataFile::toDecimal(c.at(4));
    m.baseLoops = DataFile::toInteger(c.at(5));
    m.maxLoops = DataFile::toInteger(c.at(6));
    m.loopMaxAddresses = DataFile::toInteger(c.at(7));
    m.loopMinCurrent = DataFile::toDecimal(c.at(8));
    m.loopMaxCurrent = DataFile::toDecimal(c.at(9));
    m.supportsOverboost = DataFile::toFlag(c.at(10));
}

Panel panelFrom(const QStringList &c)
{
    Panel p;
    readModelCells(p, c);
    p.maxExpansionBoxes = DataFile::toInteger(c.at(11));
    p.image = c.at(12);
    return p;
}

ExpansionBox expansionBoxFrom(const QStringList &c)
{
    ExpansionBox b;
    readModelCells(b, c);
    b.compatiblePanels = DataFile::toList(c.at(11));
    b.image = c.at(12);
    return b;
}

Device deviceFrom(const QStringList &c)
{
    Device d;
    d.name = c.at(0);
    d.category = c.at(1);
    d.subcategory = c.at(2);
    d.idleCurrent = DataFile::toDecimal(c.at(3));
    d.alarmCurrent = DataFile::toDecimal(c.at(4));
    d.requiresExternal24V = DataFile::toFlag(c.at(5));
    d.addresses = DataFile::toInteger(c.at(6));
    d.addsLoopResistance = DataFile::toFlag(c.at(7));
    d.isSounder = DataFile::toFlag(c.at(8));
    d.hidden = DataFile::toFlag(c.at(9));
    d.image = c.at(10);
    return d;
}

AuxiliaryCard auxiliaryCardFrom(const QStringList &c)
{
    AuxiliaryCard a;
    a.name = c.at(0);
    a.current = DataFile::toDecimal(c.at(1));
    a.onlyOne = DataFile::toFlag(c.at(2));
    a.compatiblePanels = DataFile::toList(c.at(3));
    a.image = c.at(4);
    return a;
}

// Battery, external power source and external battery box rows share one shape.
template <typename Record> Record nameCapacityImageFrom(const QStringList &c, double Record::*capacity)
{
    Record r;
    r.name = c.at(0);
    r.*capacity = DataFile::toDecimal(c.at(1));
    r.image = c.at(2);
    return r;
}

void appendRecord(CatalogueData &data, Section section, const QStringList &c)
{
    switch (section) {
    case Section::Panel:
        data.panels.append(panelFrom(c));
        break;
    case Section::ExpansionBox:
        data.expansionBoxes.append(expansionBoxFrom(c));
        break;
    case Section::Battery:
        data.batteries.append(nameCapacityImageFrom(c, &Battery::capacity));
        break;
    case Section::ExternalPowerSource:
        data.externalPowerSources.append(nameCapacityImageFrom(c, &ExternalPowerSource::maxBatteryCapacity));
        break;
    case Section::ExternalBatteryBox:
        data.externalBatteryBoxes.append(nameCapacityImageFrom(c, &ExternalBatteryBox::maxBatteryCapacity));
        break;
    case Section::Device:
        data.devices.append(deviceFrom(c));
        break;
    case Section::AuxiliaryCard:
        data.auxiliaryCards.append(auxiliaryCardFrom(c));
        break;
    case Section::DistributionFactor:
        data.distributionFactors = {DataFile::toDecimal(c.at(0)), DataFile::toDecimal(c.at(1))};
        break;
    case Section::TopologyFactor:
        data.topologyFactors = {DataFile::toDecimal(c.at(0)), DataFile::toDecimal(c.at(1))};
        break;
    }
}

// The cells of a row that hold figures and counts, by section.
struct Cells {
    QVector<int> figures;
    QVector<int> counts;
};

Cells numericCells(Section section)
{
    switch (section) {
    case Section::Panel:
        return {{1, 2, 3, 4, 8, 9}, {5, 6, 7, 11}};
    case Section::ExpansionBox:
        return {{1, 2, 3, 4, 8, 9}, {5, 6, 7}};
    case Section::Battery:
    case Section::ExternalPowerSource:
    case Section::ExternalBatteryBox:
    case Section::AuxiliaryCard:
        return {{1}, {}};
    case Section::Device:
        return {{3, 4}, {6}};
    case Section::DistributionFactor:
    case Section::TopologyFactor:
        return {{0, 1}, {}};
    }
    return {};
}

// Why a row cannot be a product's (empty when it can). Cells that are no
// number at all read as 0, as they always did; a number that is negative,
// not finite or absurdly large is refused.
QString rowProblem(Section section, const QStringList &c)
{
    static const QLocale spanish(QLocale::Spanish);
    const Cells cells = numericCells(section);
    for (const int i : cells.figures) {
        bool ok = false;
        const double value = spanish.toDouble(c.at(i), &ok);
        if (ok && (!std::isfinite(value) || value < 0 || value > DataFile::MaximumFigure))
            return QStringLiteral("value out of range in column %1: %2").arg(i + 1).arg(c.at(i));
    }
    for (const int i : cells.counts) {
        bool ok = false;
        const qlonglong value = c.at(i).toLongLong(&ok, 10);
        if (ok && (value < 0 || value > DataFile::MaximumCount))
            return QStringLiteral("count out of range in column %1: %2").arg(i + 1).arg(c.at(i));
    }
    return QString();
}

int recordCount(const CatalogueData &data, Section section)
{
    switch (section) {
    case Section::Panel:
        return data.panels.size();
    case Section::ExpansionBox:
        return data.expansionBoxes.size();
    case Section::Battery:
        return data.batteries.size();
    case Section::ExternalPowerSource:
        return data.externalPowerSources.size();
    case Section::ExternalBatteryBox:
        return data.externalBatteryBoxes.size();
    case Section::Device:
        return data.devices.size();
    case Section::AuxiliaryCard:
        return data.auxiliaryCards.size();
    case Section::DistributionFactor:
    case Section::TopologyFactor:
        return 0;
    }
    return 0;
}

void warnShortRow(int lineNumber)
{
    qWarning().noquote() << QStringLiteral("Skipped a row with too few cells at line ") +
                                QString::number(lineNumber);
}

} // namespace

double DataFile::toDecimal(const QString &cell)
{
    static const QLocale spanish(QLocale::Spanish);
    bool ok = false;
    const double value = spanish.toDouble(cell, &ok);
    // "nan" and "inf" are not figures a product can have.
    return ok && std::isfinite(value) ? value : 0.0;
}

int DataFile::toInteger(const QString &cell)
{
    bool ok = false;
    const int value = cell.toInt(&ok, 10);
    return ok ? value : 0;
}

bool DataFile::toFlag(const QString &cell)
{
    return cell.toUpper() == QLatin1String("YES");
}

QStringList DataFile::toList(const QString &cell)
{
    QStringList parts = cell.split(QLatin1Char(','), Qt::KeepEmptyParts);
    for (QString &part : parts)
        part = part.trimmed();
    return parts;
}

QStringList DataFile::dataFileNames(const QString &folder)
{
    const QStringList candidates =
        QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QString &name : candidates) {
        if (name.endsWith(QLatin1String(".csv"), Qt::CaseSensitive))
            names.append(name);
    }
    return names;
}

bool DataFile::read(QIODevice &device, CatalogueData &data)
{
    // The version line is Latin-1 up to the first NUL byte, so a byte-order
    // mark or stray bytes fall harmlessly into its first cell.
    QByteArray versionLine = device.readLine().trimmed();
    const int nul = versionLine.indexOf('\0');
    if (nul >= 0)
        versionLine.truncate(nul);
    const QStringList version = QString::fromLatin1(versionLine).split(QLatin1Char(';'), Qt::KeepEmptyParts);
    if (version.size() < 2 || version.at(1) != Constants::DataFormatVersion) {
        qWarning().noquote()
            << "Read data format version is not compatible with current data format version!";
        return false;
    }

    // Names must compare equal with setup files and imports, so the body is
    // UTF-8 whatever the platform's codec.
    const QString text = QString::fromUtf8(device.readAll());
    LineReader lines(text, 2);

    CatalogueData result;
    result.distributionFactors = data.distributionFactors;
    result.topologyFactors = data.topologyFactors;

    QString line;
    while (lines.next(line)) {
        const Title *title = titleOf(line);
        if (!title)
            continue;
        if (!lines.next(line)) // the column header line
            break;
        const bool factorSection =
            title->section == Section::DistributionFactor || title->section == Section::TopologyFactor;
        while (lines.next(line)) {
            // A record section ends at a line whose first cell is empty, or
            // at the end of the file with every row read kept.
            if (!factorSection && line.startsWith(QLatin1Char(';')))
                break;
            const QStringList cells = line.split(QLatin1Char(';'), Qt::KeepEmptyParts);
            if (cells.size() < title->cells) {
                warnShortRow(lines.number());
            } else {
                const QString problem = rowProblem(title->section, cells);
                if (!problem.isEmpty()) {
                    qWarning().noquote() << QStringLiteral("Refused the data file: line %1: %2")
                                                .arg(lines.number())
                                                .arg(problem);
                    return false;
                }
                if (recordCount(result, title->section) >= DataFile::MaximumRecords) {
                    qWarning().noquote()
                        << QStringLiteral("Refused the data file: line %1: more than %2 rows of one kind")
                               .arg(lines.number())
                               .arg(DataFile::MaximumRecords);
                    return false;
                }
                appendRecord(result, title->section, cells);
            }
            if (factorSection) // exactly one row
                break;
        }
    }

    data = std::move(result);
    return true;
}

bool Catalogue::parseDataFile()
{
    const QString folder = dataLocation() + QStringLiteral("/data");
    const QString path = folder + QLatin1Char('/') + DataFile::dataFileNames(folder).value(0);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qWarning().noquote() << QStringLiteral("Could not open file ") + path;
        return false;
    }
    return DataFile::read(file, m_data);
}
