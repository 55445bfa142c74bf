#include "setup/setupfile.h"

#include "core/safewrite.h"

#include "core/constants.h"
#include "catalogue/catalogue.h"
#include "loop/loopconfig.h"
#include "setup/setupfileformat.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>

#include <algorithm>

// Reading and writing the setup file's 2.0 blocks.
namespace SetupFile
{

using namespace Format;

namespace
{

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
