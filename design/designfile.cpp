#include "design/designfile.h"

#include "core/constants.h"
#include "catalogue/catalogue.h"

#include <QDebug>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <limits>

namespace DesignFile
{

namespace
{

const QString ProjectHeader = QStringLiteral("Project information");
const QString BatteryHeader = QStringLiteral("Battery method");
const QString ScheduleHeader = QStringLiteral("Loop schedule");
const QString MainPanelName = QStringLiteral("Main panel");
const QString BoxPrefix = QStringLiteral("Expansion box ");
const QString MethodLabel = QStringLiteral("Method:;");
const QString UnitLabel = QStringLiteral("Unit:;");
const QString RevisionLabel = QStringLiteral("Revision entry:;");

const QStringList ProjectLabels = {
    QStringLiteral("Project reference:;"), QStringLiteral("Revision:;"),  QStringLiteral("Facility:;"),
    QStringLiteral("Address:;"),           QStringLiteral("Installer:;"), QStringLiteral("Prepared by:;"),
    QStringLiteral("Checked by:;"),        QStringLiteral("Date of issue:;"),
};

QStringList projectValues(const ProjectInfo &p)
{
    return {p.reference, p.revision, p.facility, p.address, p.installer, p.preparedBy, p.checkedBy, p.dateOfIssue};
}

void warn(const QString &text, const QString &value = QString())
{
    if (value.isNull())
        qWarning().noquote() << text;
    else
        qWarning().noquote() << text << value;
}

bool isCoreBlock(const QStringRef &block)
{
    static const QRegularExpression loopTitle(QStringLiteral("^Loop [0-9]+ configuration$"));
    const QStringRef first = block.left(block.indexOf(QLatin1Char('\n')));
    return first == QLatin1String("Panel configuration") || first == QLatin1String("Expansion box configuration") ||
           loopTitle.match(first).hasMatch();
}

QString systemText(int fileIndex)
{
    return fileIndex < 0 ? MainPanelName : BoxPrefix + QString::number(fileIndex + 1);
}

// "Main panel" -> -1, "Expansion box <j>" -> j - 1 (file order).
bool readSystem(const QString &text, int boxCount, int &fileIndex)
{
    if (text == MainPanelName) {
        fileIndex = -1;
        return true;
    }
    if (!text.startsWith(BoxPrefix))
        return false;
    bool ok = false;
    const int j = text.mid(BoxPrefix.size()).toInt(&ok);
    if (!ok || j < 1 || j > boxCount || QString::number(j) != text.mid(BoxPrefix.size()))
        return false;
    fileIndex = j - 1;
    return true;
}

QString placeText(int fileIndex, int loop)
{
    return fileIndex < 0 ? QStringLiteral("loop %1").arg(loop + 1)
                         : QStringLiteral("loop %1 of expansion box %2").arg(loop + 1).arg(fileIndex + 1);
}

bool parseProject(const QStringList &lines, ProjectInfo &project)
{
    if (lines.size() < 1 + ProjectLabels.size()) {
        warn(QStringLiteral("Invalid project information: not enough lines"));
        return false;
    }
    QStringList values;
    for (int i = 0; i < ProjectLabels.size(); ++i) {
        const QString &line = lines.at(1 + i);
        if (!line.startsWith(ProjectLabels.at(i)) || line.indexOf(QLatin1Char(';'), ProjectLabels.at(i).size()) >= 0) {
            warn(QStringLiteral("Invalid project information line:"), line);
            return false;
        }
        values.append(line.mid(ProjectLabels.at(i).size()));
    }
    project.reference = values.at(0);
    project.revision = values.at(1);
    project.facility = values.at(2);
    project.address = values.at(3);
    project.installer = values.at(4);
    project.preparedBy = values.at(5);
    project.checkedBy = values.at(6);
    project.dateOfIssue = values.at(7);
    for (int i = 1 + ProjectLabels.size(); i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QStringList parts = line.mid(RevisionLabel.size()).split(QLatin1Char(';'));
        if (!line.startsWith(RevisionLabel) || parts.size() != 4) {
            warn(QStringLiteral("Invalid revision line:"), line);
            return false;
        }
        project.revisions.append({parts.at(0), parts.at(1), parts.at(2), parts.at(3)});
    }
    return true;
}

// An integer written as QString::number writes it: an optional minus sign,
// no leading zeros or blanks, within int.
bool readCanonicalInt(const QStringRef &text, int &value)
{
    const int size = text.size();
    const bool negative = size > 0 && text.at(0) == QLatin1Char('-');
    const int first = negative ? 1 : 0;
    if (size == first || size - first > 10 || (text.at(first) == QLatin1Char('0') && (size - first > 1 || negative)))
        return false;
    qint64 magnitude = 0;
    for (int i = first; i < size; ++i) {
        const ushort c = text.at(i).unicode();
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
    }
    const qint64 signedValue = negative ? -magnitude : magnitude;
    if (signedValue < std::numeric_limits<int>::min() || signedValue > std::numeric_limits<int>::max())
        return false;
    value = int(signedValue);
    return true;
}

// Schedules repeat a few device names and zones thousands of times: each
// read text shares one copy with its equals instead of holding its own.
class SharedTexts
{
public:
    QString take(const QStringRef &text)
    {
        if (m_last == text)
            return m_last;
        for (const QString &known : qAsConst(m_known)) {
            if (known == text) {
                m_last = known;
                return known;
            }
        }
        m_last = text.toString();
        if (m_known.size() < MaxKnown)
            m_known.append(m_last);
        return m_last;
    }

private:
    static constexpr int MaxKnown = 32;
    QVector<QString> m_known;
    QString m_last;
};

bool parseUnit(const QStringRef &line, ScheduleUnit &unit, SharedTexts &devices, SharedTexts &zones)
{
    if (!line.startsWith(UnitLabel))
        return false;
    // Exactly five fields, split at ';' without copying them.
    QStringRef parts[5];
    int count = 0;
    for (int from = UnitLabel.size();; ++count) {
        if (count == 5)
            return false;
        const int at = line.indexOf(QLatin1Char(';'), from);
        parts[count] = line.mid(from, at < 0 ? -1 : at - from);
        if (at < 0)
            break;
        from = at + 1;
    }
    if (count != 4)
        return false;
    if (!readCanonicalInt(parts[0], unit.position))
        return false;
    if (parts[2] != QLatin1String("-")) {
        int address = 0;
        if (!readCanonicalInt(parts[2], address) || address < 1)
            return false;
    }
    if (parts[1].isEmpty())
        return false;
    unit.device = devices.take(parts[1]);
    unit.address = parts[2].toString();
    unit.zone = zones.take(parts[3]);
    unit.location = parts[4].toString();
    return true;
}

} // namespace

bool isStorableText(const QString &text)
{
    return std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == QLatin1Char(';') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    });
}

bool validateSchedule(const LoopSchedule &schedule, const LoopConfig &loop, const QString &place)
{
    // Lines are counted from the block's header, as the reader names them.
    const auto line = [](int unit) { return QString::number(unit + 2); };
    // Units per device; units mostly come in runs of one device, so the
    // device is looked up only where a run starts.
    QHash<QString, int> counts;
    auto last = counts.end();
    for (int i = 0; i < schedule.units.size(); ++i) {
        const ScheduleUnit &unit = schedule.units.at(i);
        if (last == counts.end() || last.key() != unit.device) {
            last = counts.find(unit.device);
            if (last == counts.end())
                last = counts.insert(unit.device, 0);
        }
        ++last.value();
        if (unit.position < 0 || unit.position > LoopConfig::MaxDistance) {
            warn(QStringLiteral("Schedule position outside the loop in %1, line %2:").arg(place, line(i)),
                 QString::number(unit.position));
            return false;
        }
        if (unit.location.size() > MaxLocationLength) {
            warn(QStringLiteral("Schedule location longer than %1 characters in %2, line %3:")
                     .arg(MaxLocationLength)
                     .arg(place, line(i)),
                 unit.location);
            return false;
        }
        if (!isStorableText(unit.zone) || !isStorableText(unit.location) || !isStorableText(unit.device)) {
            warn(QStringLiteral("Schedule text with a separator or line break in %1, line %2").arg(place, line(i)));
            return false;
        }
    }
    QMap<QString, int> countsByName;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        countsByName.insert(it.key(), it.value());
    if (countsByName != loop.devices) {
        QStringList names = countsByName.keys() + loop.devices.keys();
        names.removeDuplicates();
        std::sort(names.begin(), names.end());
        for (const QString &name : names) {
            if (countsByName.value(name) != loop.devices.value(name)) {
                warn(QStringLiteral("Schedule units do not match the devices of %1: %2 has %3 units in the "
                                    "schedule and %4 in the loop")
                         .arg(place, name)
                         .arg(countsByName.value(name))
                         .arg(loop.devices.value(name)));
                break;
            }
        }
        return false;
    }
    if (!schedule.units.isEmpty() && schedule.units.first().position != loop.startDistance) {
        warn(QStringLiteral("Schedule position does not match the start distance of %1, line %2:")
                 .arg(place, line(0)),
             QString::number(schedule.units.first().position));
        return false;
    }
    if (!schedule.units.isEmpty() &&
        std::max(0, loop.loopLength - schedule.units.last().position) != loop.endDistance) {
        warn(QStringLiteral("Schedule position does not match the end distance of %1, line %2:")
                 .arg(place, line(schedule.units.size() - 1)),
             QString::number(schedule.units.last().position));
        return false;
    }
    return true;
}

QString compose(const Design &design)
{
    const SetupFile::SetupData data = design.toSetupData();
    if (!design.usesExtensions())
        return SetupFile::composeSetupText(data);

    QStringList lines;
    const auto newBlock = [&lines](const QString &header) {
        lines.append(QString());
        lines.append(header);
    };
    if (design.project) {
        newBlock(ProjectHeader);
        const QStringList values = projectValues(*design.project);
        for (int i = 0; i < ProjectLabels.size(); ++i)
            lines.append(ProjectLabels.at(i) + values.at(i));
        for (const RevisionEntry &r : design.project->revisions)
            lines.append(RevisionLabel + QStringList{r.revision, r.date, r.description, r.by}.join(QLatin1Char(';')));
    }
    const QVector<int> order = design.boxFileOrder();
    for (int f = -1; f < order.size(); ++f) {
        const SystemDesign &system = f < 0 ? design.main : design.boxes.at(order.at(f));
        if (system.batteryMethod != BatteryMethod::Maker) {
            newBlock(BatteryHeader + QLatin1Char(';') + systemText(f));
            lines.append(MethodLabel + BatteryMethods::storedName(system.batteryMethod));
        }
        for (auto it = system.schedules.cbegin(); it != system.schedules.cend(); ++it) {
            newBlock(ScheduleHeader + QLatin1Char(';') + systemText(f) + QLatin1Char(';') + QString::number(it.key() + 1));
            for (const ScheduleUnit &u : it.value().units)
                lines.append(UnitLabel + QStringList{QString::number(u.position), u.device, u.address, u.zone, u.location}
                                             .join(QLatin1Char(';')));
        }
    }
    // The leading empty entry is the blank line that closes the last 2.0 block.
    return SetupFile::composeSetupText(data, ExtendedVersion) + lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool parse(const QString &text, Design &design, const Catalogue &catalogue, QStringList *adjusted)
{
    QString version;
    QVector<QStringRef> blocks;
    if (!SetupFile::splitBlocks(text, version, blocks))
        return false;
    if (version != Constants::SetupFormatVersion && version != ExtendedVersion) {
        warn(QStringLiteral("The file version (%1) is not compatible with the current setup format version (%2).")
                 .arg(version, ExtendedVersion));
        return false;
    }
    // A 2.0 file is nothing but the blocks it always had.
    int core = 0;
    if (version == Constants::SetupFormatVersion) {
        core = blocks.size();
    } else {
        while (core < blocks.size() && isCoreBlock(blocks.at(core)))
            ++core;
    }
    QStringList coreBlocks;
    for (int b = 0; b < core; ++b)
        coreBlocks.append(blocks.at(b).toString());
    SetupFile::SetupData data;
    if (!SetupFile::parseSetupBlocks(coreBlocks, data.panel, data.loops, data.boxes, catalogue))
        return false;
    Design read = Design::fromSetupData(data);

    // Boxes are named in file order, so the file's place j is box j - 1.
    QSet<QString> seen;
    for (int b = core; b < blocks.size(); ++b) {
        // Lines as views into the block: a schedule holds thousands.
        const QVector<QStringRef> lines = blocks.at(b).split(QLatin1Char('\n'));
        const QString header = lines.first().toString();
        if (seen.contains(header)) {
            warn(QStringLiteral("Extension block given twice:"), header);
            return false;
        }
        seen.insert(header);
        const QStringList parts = header.split(QLatin1Char(';'));
        int f = -1;
        if (header == ProjectHeader) {
            ProjectInfo project;
            if (!parseProject(blocks.at(b).toString().split(QLatin1Char('\n')), project))
                return false;
            read.project = project;
        } else if (parts.size() == 2 && parts.at(0) == BatteryHeader &&
                   readSystem(parts.at(1), read.boxes.size(), f)) {
            BatteryMethod method = BatteryMethod::Maker;
            if (lines.size() != 2 || !lines.at(1).startsWith(MethodLabel) ||
                !BatteryMethods::fromStoredName(lines.at(1).mid(MethodLabel.size()).toString(), method) ||
                method == BatteryMethod::Maker) {
                warn(QStringLiteral("Invalid battery method in block:"), header);
                return false;
            }
            read.system(f)->batteryMethod = method;
        } else if (parts.size() == 3 && parts.at(0) == ScheduleHeader &&
                   readSystem(parts.at(1), read.boxes.size(), f)) {
            SystemDesign *system = read.system(f);
            bool ok = false;
            const int loop = parts.at(2).toInt(&ok) - 1;
            if (!ok || loop < 0 || loop >= system->loops.size() || QString::number(loop + 1) != parts.at(2)) {
                warn(QStringLiteral("Loop schedule for a loop the design does not have:"), header);
                return false;
            }
            LoopSchedule schedule;
            schedule.units.resize(lines.size() - 1);
            SharedTexts devices;
            SharedTexts zones;
            for (int i = 1; i < lines.size(); ++i) {
                if (!parseUnit(lines.at(i), schedule.units[i - 1], devices, zones)) {
                    warn(QStringLiteral("Invalid schedule line %1 in %2:").arg(i + 1).arg(placeText(f, loop)),
                         lines.at(i).toString());
                    return false;
                }
            }
            if (!validateSchedule(schedule, system->loops.at(loop), placeText(f, loop)))
                return false;
            system->schedules.insert(loop, schedule);
        } else {
            warn(QStringLiteral("Unknown extension block:"), header);
            return false;
        }
    }
    // Read once into the values the design keeps: the editors, the
    // evaluation and the command line all see the same design.
    design = read.normalised(catalogue);
    if (adjusted) {
        // Compared in file order, as the file holds the boxes.
        SetupFile::SetupData held;
        held.panel = design.main.config.toTexts();
        held.loops = design.main.loops;
        for (const SystemDesign &box : design.boxes)
            held.boxes.append({box.config.toTexts(), box.loops});
        *adjusted = SetupFile::adjustedValues(data, held);
    }
    return true;
}

bool read(const QString &fileName, Design &design, const Catalogue &catalogue, QStringList *adjusted)
{
    QString text;
    return SetupFile::readSetupText(fileName, text) && parse(text, design, catalogue, adjusted);
}

bool write(const QString &fileName, const Design &design, QString *error)
{
    return SetupFile::writeSetupText(fileName, compose(design), error);
}

} // namespace DesignFile
