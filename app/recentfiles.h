#pragma once

#include <QString>
#include <QStringList>

// The design files opened or saved last, newest first, and the folder each
// kind of file dialog was last pointed at; both kept in the user's settings.
namespace RecentFiles
{

constexpr int MaxFiles = 8;

// `files` with `path` put first (once, as an absolute path), at most MaxFiles.
QStringList added(const QStringList &files, const QString &path);
// The entries of `files` that still exist; the others go to `missing`.
QStringList existing(const QStringList &files, QStringList *missing = nullptr);

QStringList load();
void store(const QStringList &files);

// The last folder used for a kind of file ("setup", "xml", "report",
// "datapack", "language"), or `fallback` when none was used yet or it has gone.
QString lastFolder(const QString &kind, const QString &fallback);
// Remembers the folder of `file` for its kind.
void rememberFolder(const QString &kind, const QString &file);

// `fileName` with ".suffix" added when it has no suffix of its own, as a save
// dialog with that default suffix does.
QString withDefaultSuffix(const QString &fileName, const QString &suffix);

} // namespace RecentFiles
