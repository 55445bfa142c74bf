#include "app/recentfiles.h"

#include "core/constants.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace RecentFiles
{

namespace
{
const QString FilesKey = QStringLiteral("recentFiles");
const QString FolderGroup = QStringLiteral("lastFolders");

// One settings file in the user's configuration folder, named after the
// program (no organisation name is set).
std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       Constants::ApplicationName, Constants::ApplicationName);
}

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
} // namespace

QStringList added(const QStringList &files, const QString &path)
{
    const QString absolute = RecentFiles::absolute(path);
    QStringList result{absolute};
    for (const QString &file : files) {
        if (result.size() >= MaxFiles)
            break;
        if (!file.isEmpty() && RecentFiles::absolute(file) != absolute)
            result.append(file);
    }
    return result;
}

QStringList existing(const QStringList &files, QStringList *missing)
{
    QStringList result;
    for (const QString &file : files) {
        if (QFileInfo(file).isFile())
            result.append(file);
        else if (missing)
            missing->append(file);
    }
    return result;
}

QStringList load()
{
    return settings()->value(FilesKey).toStringList().mid(0, MaxFiles);
}

void store(const QStringList &files)
{
    settings()->setValue(FilesKey, QVariant(files.mid(0, MaxFiles)));
}

QString lastFolder(const QString &kind, const QString &fallback)
{
    const QString folder = settings()->value(FolderGroup + QLatin1Char('/') + kind).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

void rememberFolder(const QString &kind, const QString &file)
{
    if (file.isEmpty())
        return;
    settings()->setValue(FolderGroup + QLatin1Char('/') + kind, QFileInfo(file).absolutePath());
}

QString withDefaultSuffix(const QString &fileName, const QString &suffix)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    // "name." has an empty suffix too; do not make it "name..csv".
    if (fileName.endsWith(QLatin1Char('.')))
        return fileName + suffix;
    return fileName + QLatin1Char('.') + suffix;
}

} // namespace RecentFiles
