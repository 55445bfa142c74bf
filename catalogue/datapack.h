#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The data pack: a zip archive whose entries are password-protected, holding
// the catalogue data file, its signature and the product images.
namespace DataPack
{

// The password every entry is protected with.
inline constexpr char Password[] = "mAqLuR731";

// The extracted pack may not grow beyond this (bytes counted while
// streaming, whatever the entries declare), nor hold more entries. The
// archive itself is read whole into memory, so it is bounded too.
constexpr qint64 MaximumExpandedBytes = qint64(256) * 1024 * 1024;
constexpr qint64 MaximumPackBytes = qint64(256) * 1024 * 1024;
constexpr int MaximumEntries = 10000;

// Pictures are not covered by the signature: only PNG and JPEG by content,
// no larger than this on disk, and with dimensions that bound what decoding
// them may allocate (4 bytes a pixel).
constexpr qint64 MaximumPictureBytes = qint64(8) * 1024 * 1024;
constexpr qint64 MaximumPicturePixels = qint64(4096) * 4096;
constexpr int MaximumPictureSide = 8192;

// How long an installation waits for another one to finish before it gives up.
constexpr int LockWaitMilliseconds = 10000;
// A lock file older than this whose holder is gone, or unreadable, is taken over.
constexpr int StaleLockMilliseconds = 2000;

// True for the names a pack may hold: a plain file name at the root, or
// "images/" followed by a plain file name. Absolute paths, drive letters,
// "..", backslashes and other folders are refused before anything is written.
bool isAllowedEntryName(const QString &name);

// Checks picture bytes: PNG or JPEG by their signature, within the limits
// above, and decodable. `reason` says why not.
bool isAcceptablePicture(const QByteArray &bytes, QString *reason = nullptr);
// The same check for an installed file, reading only its header: a regular
// file of the right kind and dimensions.
bool isAcceptablePictureFile(const QString &path, QString *reason = nullptr);

// Run once at start-up, before the installed data is verified: an
// installation killed between setting the old data aside and moving the new
// data in left only the set-aside copy; it is put back. Does nothing while
// another installation holds the lock.
void restoreInterruptedInstallation(const QString &location);

// The lock file that serialises installations below `location`.
QString lockFilePath(const QString &location);

// Tests only: the next move of the extracted folder into place fails, to
// prove that the previously installed data comes back.
void failNextMoveForTesting();
// Tests only: how long an installation waits for the lock (negative: the
// normal LockWaitMilliseconds).
void setLockWaitForTesting(int milliseconds);

} // namespace DataPack
