#pragma once

#include "design/design.h"

#include <QString>

class Catalogue;

// The setup file of a whole design. A design without optional data is
// written as format 2.0, byte for byte as it always was; optional data makes
// it format 2.1: the same blocks, then extension blocks, each opened by a
// line naming what it extends:
//
//   Project information            the project fields, then its revisions
//   Battery method;Main panel      or ";Expansion box <j>" (j: its place in the file, from 1)
//   Loop schedule;Main panel;<n>   or ";Expansion box <j>;<n>": the loop's units in cable order
//
// The reader accepts 2.0 and 2.1 and refuses a newer version or a block it
// does not know, naming it; it checks everything before it fills `design`.
namespace DesignFile
{

inline const QString ExtendedVersion = QStringLiteral("2.1");
// Zone and location texts never hold these: they separate the file's values.
bool isStorableText(const QString &text);
constexpr int MaxLocationLength = 80;

QString compose(const Design &design);
// The design read is normalised (Design::normalised); `adjusted`, when
// given, receives one line per value that differs from the file's
// (SetupFile::adjustedValues).
bool parse(const QString &text, Design &design, const Catalogue &catalogue, QStringList *adjusted = nullptr);
bool read(const QString &fileName, Design &design, const Catalogue &catalogue, QStringList *adjusted = nullptr);
// Through a temporary file that replaces the target only once all is on disk.
bool write(const QString &fileName, const Design &design, QString *error = nullptr);

// Every stored rule a schedule must keep against its loop; logs the first
// broken one, naming `place` ("loop 2", "loop 1 of expansion box 2").
bool validateSchedule(const LoopSchedule &schedule, const LoopConfig &loop, const QString &place);

} // namespace DesignFile
