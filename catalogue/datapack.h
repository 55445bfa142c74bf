#pragma once

#include <QString>
#include <QtGlobal>

// The data pack: a zip archive whose entries are password-protected, holding
// the catalogue data file, its signature and the product images.
namespace DataPack
{

// The password every entry is protected with.
inline constexpr char Password[] = "mAqLuR731";

// The extracted pack may not grow beyond this (bytes counted while
// streaming, whatever the entries declare), nor hold more entries.
constexpr qint64 MaximumExpandedBytes = qint64(256) * 1024 * 1024;
constexpr int MaximumEntries = 10000;

// True for the names a pack may hold: a plain file name at the root, or
// "images/" followed by a plain file name. Absolute paths, drive letters,
// "..", backslashes and other folders are refused before anything is written.
bool isAllowedEntryName(const QString &name);

// Tests only: the next move of the extracted folder into place fails, to
// prove that the previously installed data comes back.
void failNextMoveForTesting();

} // namespace DataPack
