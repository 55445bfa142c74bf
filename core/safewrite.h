#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Writing a file so that no failure costs what it held. Every writer of the
// program (designs, the recovery copy, reports, exports, settings we write
// ourselves) goes through writeFileSafely().
namespace SafeWrite
{

// True for something that exists but is neither a regular file nor a folder
// (a named pipe, a device, a socket): opening it could block for ever or
// never end, so nothing of ours reads or writes one.
bool isSpecialFile(const QString &path);

// True when both names lead to one existing file (links and other spellings
// included).
bool isSameFile(const QString &a, const QString &b);

// Removes the lock file `lockFile` (as QLockFile makes them) when no live
// process holds it and it is not being made right now: one left by a killed
// run, empty or garbage, would otherwise hold everyone back for its stale
// time (30 s). True when it was removed.
bool removeDeadLockFile(const QString &lockFile);

// Why `fileName` may not be written as an output: it exists and is not a
// regular file (a folder, a named pipe, a device), or it is one of `inputs`.
// Empty when it may be written.
QString refusalReason(const QString &fileName, const QStringList &inputs = {});

// Writes `bytes` as the whole content of `fileName`.
//
// Normally through a temporary file beside the target that replaces it only
// once every byte is on disk, so a full disk, a kill or a crash leaves the
// old file as it was. Where no new file may be created beside it but the file
// itself is writable, the file is written in place: its old contents are
// kept first in the per-user data folder (see unfinishedWrites()) until what
// was written has been read back. A target that refusalReason() refuses is
// never opened.
//
// On failure `error` (when given) says why in the system's words ("No space
// left on device"), and the old file is as it was.
bool writeFileSafely(const QString &fileName, const QByteArray &bytes, QString *error = nullptr);

// A write in place that did not finish (the program was killed, or putting
// the old contents back failed too): the old contents wait in `copy`.
struct UnfinishedWrite {
    QString target; // the file that was being written
    QString copy;   // its contents before the write
    QString marker; // the small file that names `target`
};

// Where the old contents wait: "unfinished-writes" in the per-user data folder.
QString unfinishedFolder();
QList<UnfinishedWrite> unfinishedWrites();
// Puts the old contents back into the target and forgets the write.
bool restoreUnfinishedWrite(const UnfinishedWrite &write, QString *error = nullptr);
// Forgets the write; with `keepCopy` the copy stays where it is as a plain
// file, else it is removed.
void forgetUnfinishedWrite(const UnfinishedWrite &write, bool keepCopy);

// Tests only: another folder for the old contents (empty: the usual one).
void setUnfinishedFolderForTesting(const QString &folder);
// Tests only: called at each step of a write in place ("copy kept",
// "writing", "written"), so that a test can stop the process there.
void setStageHookForTesting(std::function<void(const QString &stage)> hook);
// Tests only: write in place even where a temporary file could be created.
void setForceDirectWriteForTesting(bool on);

} // namespace SafeWrite
