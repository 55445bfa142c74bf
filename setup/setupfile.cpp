#include "setup/setupfile.h"

#include "core/safewrite.h"

#include "app/constants.h"
#include "catalogue/catalogue.h"
#include "loop/loopconfig.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

#include <algorithm>
#include <cmath>

namespace SetupFile
{

namespace
{

const QString VersionLabel = QStringLiteral("Setup format version:;");
const QString PanelTitle = QStringLiteral("Panel configuration");
const QString BoxTitle = QStringLiteral("Expansion box configuration");
const QString LoopCardPrefix = QStringLiteral("VRAL");
const QString PowerCard = QStringLiteral("ORN-PSLINK");
const QString None = QStringLiteral("-");

const QStringList PanelLabels = {
    QStringLiteral("Panel:;"),
    QStringLiteral("Battery:;"),
    QStringLiteral("Auxiliary 24V alarm current:;"),
    QStringLiteral("Auxiliary 24V idle current:;"),
    QStringLiteral("Sounder 1 alarm current:;"),
    QStringLiteral("Sounder 1 idle current:;"),
    QStringLiteral("Sounder 2 alarm current:;"),
    QStringLiteral("Sounder 2 idle current:;"),
    QStringLiteral("Auxiliary cards:;"),
    QStringLiteral("External power source 1:;"),
    QStringLiteral("Additional battery 1:;"),
    QStringLiteral("External power source 2:;"),
    QStringLiteral("Additional battery 2:;"),
    QStringLiteral("Battery degradation:;"),
    QStringLiteral("Max sounders active:;"),
    QStringLiteral("Idle time:;"),
    QStringLiteral("Alarm time:;"),
};

const QStringList BoxLabels = {
    QStringLiteral("Expansion box:;"),        QStringLiteral("Battery:;"),
    QStringLiteral("Auxiliary cards:;"),      QStringLiteral("External power source 1:;"),
    QStringLiteral("Additional battery 1:;"), QStringLiteral("External power source 2:;"),
    QStringLiteral("Additional battery 2:;"), QStringLiteral("Battery degradation:;"),
    QStringLiteral("Max sounders active:;"),  QStringLiteral("Idle time:;"),
    QStringLiteral("Alarm time:;"),
};

const QStringList LoopLabels = {
    QStringLiteral("Cable type:;"),          QStringLiteral("Topology type:;"),
    QStringLiteral("Distribution factor:;"), QStringLiteral("Loop length:;"),
    QStringLiteral("Start distance:;"),      QStringLiteral("End distance:;"),
    QStringLiteral("Devices in loop:"),
};

// Units written after each value; a reader cuts at the unit's first character.
enum class Unit { None, Amperes, Percent, Metres };

const QVector<Unit> PanelUnits = {Unit::None,    Unit::None,    Unit::Amperes, Unit::Amperes, Unit::Amperes,
                                  Unit::Amperes, Unit::Amperes, Unit::Amperes, Unit::None,    Unit::None,
                                  Unit::None,    Unit::None,    Unit::None,    Unit::Percent, Unit::Percent,
                                  Unit::None,    Unit::None};
const QVector<Unit> BoxUnits = {Unit::None, Unit::None,    Unit::None,    Unit::None, Unit::None, Unit::None,
                                Unit::None, Unit::Percent, Unit::Percent, Unit::None, Unit::None};
const QVector<Unit> LoopUnits = {Unit::None,   Unit::None,   Unit::Percent,
                                 Unit::Metres, Unit::Metres, Unit::Metres};

QString unitText(Unit unit)
{
    switch (unit) {
    case Unit::Amperes:
        return QStringLiteral(" A");
    case Unit::Percent:
        return QStringLiteral("%");
    case Unit::Metres:
        return QStringLiteral(" m");
    case Unit::None:
        break;
    }
    return QString();
}

QString cutValue(const QString &line, Unit unit)
{
    const QString value = line.section(QLatin1Char(';'), 1, 1);
    switch (unit) {
    case Unit::Amperes:
    case Unit::Metres:
        return value.section(QLatin1Char(' '), 0, 0);
    case Unit::Percent:
        return value.section(QLatin1Char('%'), 0, 0);
    case Unit::None:
        break;
    }
    return value;
}

bool headersMatch(const QStringList &lines, const QString &title, const QStringList &labels)
{
    if (lines.at(0) != title)
        return false;
    for (int i = 0; i < labels.size(); ++i) {
        if (!lines.at(i + 1).startsWith(labels.at(i)))
            return false;
    }
    return true;
}

QStringList cutValues(const QStringList &lines, const QVector<Unit> &units)
{
    QStringList values;
    for (int i = 0; i < units.size(); ++i)
        values.append(cutValue(lines.at(i + 1), units.at(i)));
    return values;
}

// Text that is no number is refused rather than read as 0: a damaged file
// must not quietly become a different design.
bool readNumber(const QString &text, double &value)
{
    bool ok = false;
    value = text.toDouble(&ok);
    return ok && std::isfinite(value);
}

bool readInteger(const QString &text, int &value)
{
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

void warn(const QString &text, const QString &value)
{
    qWarning().noquote() << text << value;
}

void warn(const QString &text)
{
    qWarning().noquote() << text;
}

// The card, power and advanced checks that panels and boxes share.
// model: the panel or box name; kind: "panel" or "expansion box".
struct Model {
    QString name;
    double maxBatteryCapacity = 0;
    int baseLoops = 0;
    int maxLoops = 0;
};

bool validateCommon(const Model &model, const QString &kind, const QString &cards, const QString &source1,
                    const QString &battery1, const QString &source2, const QString &battery2,
                    const QString &degradation, const QString &soundersActive, const Catalogue &catalogue)
{
    QStringList entries;
    if (!cards.isEmpty())
        entries = cards.split(QLatin1Char(','));
    const QVector<AuxiliaryCard> compatible = catalogue.compatibleAuxiliaryCards(model.name);
    int onlyOneCount = 0;
    int loopCards = 0;
    for (const QString &entry : qAsConst(entries)) {
        // An empty entry inside a list is damage, not "no more cards": what
        // follows it would count for the loops but never be installed.
        AuxiliaryCard card = catalogue.findAuxiliaryCard(entry);
        if (entry.isEmpty() || card.name.isEmpty()) {
            warn(QStringLiteral("Auxiliary card not found:"), entry);
            return false;
        }
        // A card the model cannot take would be dropped by the editor, and
        // with it the loops it brings.
        const bool fits = std::any_of(compatible.cbegin(), compatible.cend(),
                                      [&](const AuxiliaryCard &c) { return c.name == entry; });
        if (!fits) {
            warn(QStringLiteral("Auxiliary card not compatible with selected %1:").arg(kind), entry);
            return false;
        }
        if (card.onlyOne && ++onlyOneCount > 1) {
            warn(QStringLiteral("Only one ZEP card can be installed at once."));
            return false;
        }
        if (entry.startsWith(LoopCardPrefix))
            ++loopCards;
    }
    const int loopTotal = model.baseLoops + 2 * loopCards;
    if (loopTotal > model.maxLoops) {
        qWarning().noquote() << "Too many VRAL cards installed. VRAL count:" << loopCards << "would result in"
                             << loopTotal << QStringLiteral("loops, but %1 max is").arg(kind)
                             << model.maxLoops;
        return false;
    }
    const bool powerCard = entries.contains(PowerCard);
    const QString sources[] = {source1, source2};
    const QString batteries[] = {battery1, battery2};
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i + 1);
        if (sources[i] != None && !powerCard) {
            warn(QStringLiteral(
                     "Cannot set external power source %1 if the corresponding card is not installed.")
                     .arg(n));
            return false;
        }
        if (sources[i] != None && catalogue.findExternalPowerSource(sources[i]).name.isEmpty()) {
            warn(QStringLiteral("External power source %1 not found in combo box:").arg(n), sources[i]);
            return false;
        }
        if (sources[i] == None && batteries[i] != None) {
            warn(QStringLiteral("Cannot set additional battery %1 if no external power source is selected.")
                     .arg(n));
            return false;
        }
        if (batteries[i] != None && catalogue.findBattery(batteries[i]).name.isEmpty()) {
            warn(QStringLiteral("Additional battery %1 not found in combo box:").arg(n), batteries[i]);
            return false;
        }
    }
    int value = 0;
    if (!readInteger(degradation, value) || value < 0 || value > 99) {
        warn(QStringLiteral("Invalid value for battery degradation:"), degradation);
        return false;
    }
    if (!readInteger(soundersActive, value) || value < 0 || value > 100) {
        warn(QStringLiteral("Invalid value for maximum sounders active:"), soundersActive);
        return false;
    }
    return true;
}

bool validateBattery(const QString &battery, double maxCapacity, const QString &kind,
                     const Catalogue &catalogue)
{
    if (battery == None)
        return true;
    const Battery record = catalogue.findBattery(battery);
    if (record.name.isEmpty() || record.capacity > maxCapacity) {
        warn(QStringLiteral("Battery not compatible with selected %1:").arg(kind), battery);
        return false;
    }
    return true;
}

int countLoopCards(const QString &cards)
{
    int count = 0;
    for (const QString &entry : cards.split(QLatin1Char(','))) {
        if (entry.startsWith(LoopCardPrefix))
            ++count;
    }
    return count;
}

// suffix: "" for the main panel, " of expansion box j" for a box.
bool parseLoop(const QString &block, int n, const QString &suffix, LoopConfig &loop,
               const Catalogue &catalogue)
{
    const QStringList lines = block.split(QLatin1Char('\n'));
    if (lines.size() < 8) {
        warn(QStringLiteral("Invalid loop configuration: not enough lines in loop %1%2").arg(n).arg(suffix));
        return false;
    }
    if (!headersMatch(lines, QStringLiteral("Loop %1 configuration").arg(n), LoopLabels)) {
        qWarning().noquote() << "Invalid loop headers:" << lines;
        return false;
    }
    QStringList values = cutValues(lines, LoopUnits);
    // Files are written with source texts; one written translated still reads.
    values[0] = LoopCable::sourceText(values.at(0));
    if (!validateLoopConfig(values)) {
        warn(QStringLiteral("Invalid loop configuration values in loop %1%2").arg(n).arg(suffix));
        return false;
    }
    loop = LoopConfig::fromTexts(values);
    for (int i = 8; i < lines.size(); ++i) {
        const QStringList parts = lines.at(i).split(QLatin1Char(';'));
        if (parts.size() != 2) {
            warn(QStringLiteral("Invalid device line:"), lines.at(i));
            return false;
        }
        loop.devices.insert(parts.at(0), parts.at(1).toInt());
    }
    if (!validateLoopDevices(loop.devices, catalogue)) {
        warn(QStringLiteral("Invalid devices in loop %1%2").arg(n).arg(suffix));
        return false;
    }
    return true;
}

} // namespace

bool validatePanelConfig(const QStringList &values, const Catalogue &catalogue)
{
    if (values.size() != PanelLabels.size()) {
        warn(QStringLiteral("Invalid panel configuration: wrong number of values:"),
             QString::number(values.size()));
        return false;
    }
    const Panel panel = catalogue.findPanel(values.at(0));
    if (panel.name.isEmpty()) {
        warn(QStringLiteral("Panel name not found in data:"), values.at(0));
        return false;
    }
    const QString kind = QStringLiteral("panel");
    if (!validateBattery(values.at(1), panel.maxBatteryCapacity, kind, catalogue))
        return false;

    static const char *const names[] = {"auxiliary 24V", "sounder 1", "sounder 2"};
    for (int i = 0; i < 3; ++i) {
        const QString alarmText = values.at(2 + 2 * i);
        const QString idleText = values.at(3 + 2 * i);
        double alarm = 0;
        double idle = 0;
        // Written positively, so that nothing that is not a number passes.
        if (!(readNumber(alarmText, alarm) && alarm >= 0 && alarm <= 0.5)) {
            warn(QStringLiteral("Invalid value for %1 alarm current:").arg(QLatin1String(names[i])),
                 alarmText);
            return false;
        }
        if (!(readNumber(idleText, idle) && idle >= 0 && idle <= 0.5 && idle <= alarm)) {
            warn(QStringLiteral("Invalid value for %1 idle current:").arg(QLatin1String(names[i])), idleText);
            return false;
        }
    }
    const Model model{panel.name, panel.maxBatteryCapacity, panel.baseLoops, panel.maxLoops};
    return validateCommon(model, kind, values.at(8), values.at(9), values.at(10), values.at(11),
                          values.at(12), values.at(13), values.at(14), catalogue);
}

bool validateExpansionBoxConfig(const QStringList &values, const Catalogue &catalogue)
{
    if (values.size() != BoxLabels.size()) {
        warn(QStringLiteral("Invalid expansion box configuration: wrong number of values:"),
             QString::number(values.size()));
        return false;
    }
    const ExpansionBox box = catalogue.findExpansionBox(values.at(0));
    if (box.name.isEmpty()) {
        warn(QStringLiteral("Expansion box name not found in data:"), values.at(0));
        return false;
    }
    const QString kind = QStringLiteral("expansion box");
    if (!validateBattery(values.at(1), box.maxBatteryCapacity, kind, catalogue))
        return false;
    const Model model{box.name, box.maxBatteryCapacity, box.baseLoops, box.maxLoops};
    return validateCommon(model, kind, values.at(2), values.at(3), values.at(4), values.at(5), values.at(6),
                          values.at(7), values.at(8), catalogue);
}

bool validateLoopConfig(const QStringList &values)
{
    if (values.size() != 6) {
        warn(QStringLiteral("Invalid loop configuration: wrong number of values:"),
             QString::number(values.size()));
        return false;
    }
    if (values.at(1) != QLatin1String("A") && values.at(1) != QLatin1String("B")) {
        warn(QStringLiteral("Invalid topology type:"), values.at(1));
        return false;
    }
    int factor = 0;
    if (!readInteger(values.at(2), factor) || factor < 0 || factor > 100) {
        warn(QStringLiteral("Invalid value for distribution factor:"), values.at(2));
        return false;
    }
    int length = 0;
    if (!readInteger(values.at(3), length) || length < 0 || length > 2500) {
        warn(QStringLiteral("Invalid value for loop length:"), values.at(3));
        return false;
    }
    int start = 0;
    if (!readInteger(values.at(4), start) || start < 0) {
        warn(QStringLiteral("Invalid value for start distance:"), values.at(4));
        return false;
    }
    int end = 0;
    if (!readInteger(values.at(5), end) || end < 0) {
        warn(QStringLiteral("Invalid value for end distance:"), values.at(5));
        return false;
    }
    // In 64 bits: two large distances must not wrap round to a small sum.
    if (qint64(start) + qint64(end) > length) {
        warn(QStringLiteral("Start distance + end distance is greater than loop length"));
        return false;
    }
    return true;
}

bool validateLoopDevices(const QMap<QString, int> &devices, const Catalogue &catalogue)
{
    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        if (catalogue.findDevice(it.key()).name.isEmpty()) {
            warn(QStringLiteral("Device not found in data:"), it.key());
            return false;
        }
        if (it.value() <= 0) {
            warn(QStringLiteral("Invalid value for device quantity:"), QString::number(it.value()));
            return false;
        }
    }
    return true;
}

bool parseSetupBlocks(const QStringList &blocks, QStringList &panel, QVector<LoopConfig> &loops,
                      QVector<ExpansionBoxConfig> &boxes, const Catalogue &catalogue)
{
    if (blocks.isEmpty()) {
        warn(QStringLiteral("Invalid panel configuration: not enough lines"));
        return false;
    }
    const QStringList lines = blocks.at(0).split(QLatin1Char('\n'));
    const QString panelName = lines.size() > 1 ? lines.at(1).section(QLatin1Char(';'), 1, 1) : QString();
    const Panel panelRecord = catalogue.findPanel(panelName);
    if (panelRecord.name.isEmpty()) {
        warn(QStringLiteral("Panel name not found:"), panelName);
        return false;
    }
    if (lines.size() < 18) {
        warn(QStringLiteral("Invalid panel configuration: not enough lines"));
        return false;
    }
    if (!headersMatch(lines, PanelTitle, PanelLabels)) {
        qWarning().noquote() << "Invalid panel headers:" << lines;
        return false;
    }
    QStringList panelValues = cutValues(lines, PanelUnits);
    if (!validatePanelConfig(panelValues, catalogue)) {
        warn(QStringLiteral("Invalid panel configuration values"));
        return false;
    }

    int firstBox = 1;
    while (firstBox < blocks.size() && !blocks.at(firstBox).startsWith(BoxTitle))
        ++firstBox;
    const int loopBlocks = firstBox - 1;
    int loopCards = countLoopCards(panelValues.at(8));
    int expected = panelRecord.baseLoops + 2 * loopCards;
    if (loopBlocks != expected) {
        qWarning().noquote() << "Loop count mismatch: found" << loopBlocks << "loops in file, but panel"
                             << panelRecord.name << "with" << loopCards << "VRAL card(s) expects exactly"
                             << expected << "loops";
        return false;
    }
    QVector<LoopConfig> panelLoops(loopBlocks);
    for (int i = 0; i < loopBlocks; ++i) {
        if (!parseLoop(blocks.at(1 + i), i + 1, QString(), panelLoops[i], catalogue))
            return false;
    }

    QVector<int> boxStarts;
    for (int i = firstBox; i < blocks.size(); ++i) {
        if (blocks.at(i).startsWith(BoxTitle))
            boxStarts.append(i);
    }
    // More boxes than the panel takes could never be shown as they were saved.
    if (boxStarts.size() > panelRecord.maxExpansionBoxes) {
        qWarning().noquote() << "Too many expansion boxes for panel" << panelRecord.name << "- found"
                             << boxStarts.size() << "but panel max is" << panelRecord.maxExpansionBoxes;
        return false;
    }
    const QVector<ExpansionBox> compatibleBoxes = catalogue.compatibleExpansionBoxes(panelRecord.name);
    QVector<ExpansionBoxConfig> boxConfigs(boxStarts.size());
    for (int b = 0; b < boxStarts.size(); ++b) {
        const int j = b + 1;
        const int start = boxStarts.at(b);
        const int end = b + 1 < boxStarts.size() ? boxStarts.at(b + 1) : blocks.size();
        const QStringList boxLines = blocks.at(start).split(QLatin1Char('\n'));
        if (boxLines.size() < 12) {
            warn(QStringLiteral("Invalid expansion box configuration: not enough lines"));
            return false;
        }
        if (!headersMatch(boxLines, BoxTitle, BoxLabels)) {
            qWarning().noquote() << "Invalid expansion box headers:" << boxLines;
            return false;
        }
        ExpansionBoxConfig &config = boxConfigs[b];
        config.panel = cutValues(boxLines, BoxUnits);
        if (!validateExpansionBoxConfig(config.panel, catalogue)) {
            warn(QStringLiteral("Invalid expansion box configuration values in expansion box %1").arg(j));
            return false;
        }
        const ExpansionBox box = catalogue.findExpansionBox(config.panel.at(0));
        const bool fits = std::any_of(compatibleBoxes.cbegin(), compatibleBoxes.cend(),
                                      [&](const ExpansionBox &c) { return c.name == box.name; });
        if (!fits) {
            warn(QStringLiteral("Expansion box not compatible with selected panel:"), box.name);
            return false;
        }
        const int boxLoops = end - start - 1;
        loopCards = countLoopCards(config.panel.at(2));
        expected = box.baseLoops + 2 * loopCards;
        if (boxLoops != expected) {
            qWarning().noquote() << QStringLiteral("Loop count mismatch in expansion box %1: found").arg(j)
                                 << boxLoops << "loops in file, but expansion box" << box.name << "with"
                                 << loopCards << "VRAL card(s) expects exactly" << expected << "loops";
            return false;
        }
        config.loops.resize(boxLoops);
        const QString suffix = QStringLiteral(" of expansion box %1").arg(j);
        for (int i = 0; i < boxLoops; ++i) {
            if (!parseLoop(blocks.at(start + 1 + i), i + 1, suffix, config.loops[i], catalogue))
                return false;
        }
    }

    panel = panelValues;
    loops = panelLoops;
    boxes = boxConfigs;
    return true;
}

bool splitBlocks(const QString &text, QString &version, QVector<QStringRef> &blocks)
{
    blocks = text.splitRef(QStringLiteral("\n\n"));
    if (blocks.last().endsWith(QLatin1Char('\n')))
        blocks.last().chop(1);
    if (!blocks.first().startsWith(VersionLabel)) {
        warn(QStringLiteral("Invalid file format: missing version information."));
        return false;
    }
    version = blocks.first().toString().remove(VersionLabel);
    blocks.removeFirst();
    return true;
}

bool splitBlocks(const QString &text, QString &version, QStringList &blocks)
{
    QVector<QStringRef> refs;
    if (!splitBlocks(text, version, refs))
        return false;
    blocks.clear();
    blocks.reserve(refs.size());
    for (const QStringRef &block : qAsConst(refs))
        blocks.append(block.toString());
    return true;
}

bool parseSetupText(const QString &text, SetupData &data, const Catalogue &catalogue)
{
    QString version;
    QStringList blocks;
    if (!splitBlocks(text, version, blocks))
        return false;
    if (version != Constants::SetupFormatVersion) {
        warn(QStringLiteral(
                 "The file version (%1) is not compatible with the current setup format version (%2).")
                 .arg(version, Constants::SetupFormatVersion));
        return false;
    }
    SetupData parsed;
    if (!parseSetupBlocks(blocks, parsed.panel, parsed.loops, parsed.boxes, catalogue))
        return false;
    data = parsed;
    return true;
}

bool readSetupData(const QString &fileName, SetupData &data, const Catalogue &catalogue)
{
    QString text;
    return readSetupText(fileName, text) && parseSetupText(text, data, catalogue);
}

bool readSetupText(const QString &fileName, QString &text)
{
    QFile file(fileName);
    // A named pipe or a device would block or never end: refused unopened.
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile()) {
        warn(QStringLiteral("Failed to open file for reading:"), QStringLiteral("Not a regular file"));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        warn(QStringLiteral("Failed to open file for reading:"), file.errorString());
        return false;
    }
    // Read one byte past the limit to tell "at the limit" from "beyond it";
    // the declared size of a special file can lie.
    // In pieces: reading the limit at once would allocate all of it.
    QByteArray bytes;
    QByteArray piece(64 * 1024, Qt::Uninitialized);
    qint64 n = 0;
    while (bytes.size() <= MaxFileSize && (n = file.read(piece.data(), piece.size())) > 0)
        bytes.append(piece.constData(), int(n));
    file.close();
    if (bytes.size() > MaxFileSize) {
        warn(QStringLiteral("Setup file too large:"), fileName);
        return false;
    }
    // Written as UTF-8 whatever the platform's locale; a byte-order mark still
    // selects its own encoding.
    QTextCodec *codec = QTextCodec::codecForUtfText(bytes, QTextCodec::codecForName("UTF-8"));
    text = codec->toUnicode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    // As text mode reads it: every CR goes, wherever it stands, so CR CR LF
    // and stray CRs read like plain line ends.
    text.remove(QLatin1Char('\r'));
    return true;
}

namespace
{

QString adjustedLine(const QString &place, const QString &what, const QString &read, const QString &held)
{
    return QCoreApplication::translate("SetupFile", "%1: %2 %3 shown as %4").arg(place, what, read, held);
}

bool sameValue(const QString &read, const QString &held, bool isCardList)
{
    if (read == held)
        return true;
    if (isCardList) {
        QStringList a = read.split(QLatin1Char(','), Qt::SkipEmptyParts);
        QStringList b = held.split(QLatin1Char(','), Qt::SkipEmptyParts);
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        return a == b;
    }
    bool readIsNumber = false;
    bool heldIsNumber = false;
    const double r = read.trimmed().toDouble(&readIsNumber);
    const double h = held.trimmed().toDouble(&heldIsNumber);
    // The editors keep six significant digits of a current.
    return readIsNumber && heldIsNumber && std::abs(r - h) <= 1e-6 * std::max(1.0, std::abs(r));
}

void compareValues(const QString &place, const QStringList &labels, const QVector<Unit> &units,
                   const QStringList &read, const QStringList &held, int cardIndex, QStringList &lines)
{
    for (int i = 0; i < labels.size() && i < units.size(); ++i) {
        const QString r = read.value(i);
        const QString h = held.value(i);
        if (sameValue(r, h, i == cardIndex))
            continue;
        QString label = labels.at(i);
        label.remove(QStringLiteral(":;"));
        const QString unit = unitText(units.at(i));
        lines.append(adjustedLine(place, label, r + unit, h + unit));
    }
}

void compareLoops(const QString &boxPlace, const QVector<LoopConfig> &read, const QVector<LoopConfig> &held,
                  QStringList &lines)
{
    for (int n = 0; n < read.size(); ++n) {
        const QString place =
            boxPlace.isEmpty()
                ? QCoreApplication::translate("SetupFile", "Loop %1").arg(n + 1)
                : QCoreApplication::translate("SetupFile", "%1, loop %2").arg(boxPlace).arg(n + 1);
        if (n >= held.size()) {
            lines.append(QCoreApplication::translate("SetupFile", "%1: left out").arg(place));
            continue;
        }
        QStringList labels = LoopLabels;
        labels.removeLast(); // the devices heading
        // The editors show a cable entry in the current language; the file holds its source text.
        QStringList heldValues = held.at(n).toTexts();
        if (!heldValues.isEmpty())
            heldValues[0] = LoopCable::sourceText(heldValues.at(0));
        compareValues(place, labels, LoopUnits, read.at(n).toTexts(), heldValues, -1, lines);
        lines.append(adjustedDevices(place, read.at(n).devices, held.at(n).devices));
    }
}

} // namespace

QStringList adjustedDevices(const QString &place, const QMap<QString, int> &read,
                            const QMap<QString, int> &held)
{
    QStringList lines;
    QStringList names = read.keys() + held.keys();
    names.removeDuplicates();
    std::sort(names.begin(), names.end());
    for (const QString &name : qAsConst(names)) {
        const int r = read.value(name);
        const int h = held.value(name);
        if (r != h) {
            lines.append(adjustedLine(place,
                                      QCoreApplication::translate("SetupFile", "%1 quantity").arg(name),
                                      QString::number(r), QString::number(h)));
        }
    }
    return lines;
}

QStringList adjustedValues(const SetupData &read, const SetupData &held)
{
    QStringList lines;
    compareValues(QCoreApplication::translate("SetupFile", "Panel"), PanelLabels, PanelUnits, read.panel,
                  held.panel, 8, lines);
    compareLoops(QString(), read.loops, held.loops, lines);
    for (int b = 0; b < read.boxes.size(); ++b) {
        const QString place = QCoreApplication::translate("SetupFile", "Expansion box %1").arg(b + 1);
        if (b >= held.boxes.size()) {
            lines.append(QCoreApplication::translate("SetupFile", "%1: left out").arg(place));
            continue;
        }
        compareValues(place, BoxLabels, BoxUnits, read.boxes.at(b).panel, held.boxes.at(b).panel, 2, lines);
        compareLoops(place, read.boxes.at(b).loops, held.boxes.at(b).loops, lines);
    }
    return lines;
}

QString composeSetupText(const SetupData &data)
{
    return composeSetupText(data, Constants::SetupFormatVersion);
}

QString composeSetupText(const SetupData &data, const QString &version)
{
    QStringList lines;
    auto addBlock = [&lines](const QString &title, const QStringList &labels, const QVector<Unit> &units,
                             const QStringList &values) {
        lines.append(QString());
        lines.append(title);
        for (int i = 0; i < labels.size(); ++i)
            lines.append(labels.at(i) + values.value(i) + unitText(units.value(i)));
    };
    auto addLoops = [&](const QVector<LoopConfig> &loops) {
        for (int n = 0; n < loops.size(); ++n) {
            const LoopConfig &loop = loops.at(n);
            const QStringList values = loop.toTexts();
            lines.append(QString());
            lines.append(QStringLiteral("Loop %1 configuration").arg(n + 1));
            for (int i = 0; i < LoopUnits.size(); ++i) {
                // The untranslated entry, so that the file reads alike in every language.
                const QString value = i == 0 ? LoopCable::sourceText(values.value(i)) : values.value(i);
                lines.append(LoopLabels.at(i) + value + unitText(LoopUnits.at(i)));
            }
            lines.append(LoopLabels.last());
            for (auto it = loop.devices.cbegin(); it != loop.devices.cend(); ++it)
                lines.append(it.key() + QLatin1Char(';') + QString::number(it.value()));
        }
    };
    lines.append(VersionLabel + version);
    addBlock(PanelTitle, PanelLabels, PanelUnits, data.panel);
    addLoops(data.loops);
    for (const ExpansionBoxConfig &box : data.boxes) {
        addBlock(BoxTitle, BoxLabels, BoxUnits, box.panel);
        addLoops(box.loops);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

bool writeSetupData(const QString &fileName, const SetupData &data, QString *error)
{
    return writeSetupText(fileName, composeSetupText(data), error);
}

bool writeSetupText(const QString &fileName, const QString &text, QString *error)
{
    // The whole text is composed before the file is touched.
    return SafeWrite::writeFileSafely(fileName, text.toUtf8(), error);
}

} // namespace SetupFile
