#pragma once

#include "loop/loopconfig.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class Catalogue;

// The setup file: a whole design (main panel, its loops, every expansion box
// with its loops) as plain texts. Nothing here knows a widget; the editors
// are read and written by the glue in setupio.h.
namespace SetupFile
{

// An expansion box: its 11 panel texts and its loops.
struct ExpansionBoxConfig {
    QStringList panel;
    QVector<LoopConfig> loops;
    bool operator==(const ExpansionBoxConfig &o) const { return panel == o.panel && loops == o.loops; }
};

// A whole design: the main panel's 17 texts, its loops, its boxes in order.
struct SetupData {
    QStringList panel;
    QVector<LoopConfig> loops;
    QVector<ExpansionBoxConfig> boxes;
    bool operator==(const SetupData &o) const
    {
        return panel == o.panel && loops == o.loops && boxes == o.boxes;
    }
};

// A setup file is a few kilobytes; anything far bigger is not one of ours.
constexpr qint64 MaxFileSize = 8 * 1024 * 1024;

// The value checks; each logs its own warning on the first failure.
bool validatePanelConfig(const QStringList &values, const Catalogue &catalogue);
bool validateExpansionBoxConfig(const QStringList &values, const Catalogue &catalogue);
bool validateLoopConfig(const QStringList &values);
bool validateLoopDevices(const QMap<QString, int> &devices, const Catalogue &catalogue);

// Parses the blocks that follow the version block.
bool parseSetupBlocks(const QStringList &blocks, QStringList &panel, QVector<LoopConfig> &loops,
                      QVector<ExpansionBoxConfig> &boxes, const Catalogue &catalogue);

// The version written on the first line and the blocks that follow it.
bool splitBlocks(const QString &text, QString &version, QStringList &blocks);
// The same as views into `text` (large files are read without copies).
bool splitBlocks(const QString &text, QString &version, QVector<QStringRef> &blocks);

// The whole text of a 2.0 file (line breaks as "\n"), checked from top to bottom.
// `data` is only filled when everything passed.
bool parseSetupText(const QString &text, SetupData &data, const Catalogue &catalogue);
// Reads and checks a file; `data` is untouched on failure.
bool readSetupData(const QString &fileName, SetupData &data, const Catalogue &catalogue);

// Reads a setup file's text as written (UTF-8 unless a byte-order mark says
// otherwise), line breaks as "\n"; refuses special and oversized files.
bool readSetupText(const QString &fileName, QString &text);

// The file's text for a design; lines end in "\n".
QString composeSetupText(const SetupData &data);
// The same blocks under another version line (the extended format).
QString composeSetupText(const SetupData &data, const QString &version);
// Writes the design as UTF-8 with SafeWrite::writeFileSafely(), so a failure
// never leaves a half-written setup behind; `error` then says why.
bool writeSetupData(const QString &fileName, const SetupData &data, QString *error = nullptr);
bool writeSetupText(const QString &fileName, const QString &text, QString *error = nullptr);

// What the editors show differently from what a file holds (`read`), so the
// user is told instead of values changing silently: one line per value,
// "Loop 3: Loop length 0 m shown as 100 m". Numbers are compared as numbers,
// auxiliary cards as a set. Empty when everything shows as read.
QStringList adjustedValues(const SetupData &read, const SetupData &held);
// The same for one loop's devices; `place` names the loop ("Loop 2").
QStringList adjustedDevices(const QString &place, const QMap<QString, int> &read,
                            const QMap<QString, int> &held);

} // namespace SetupFile
