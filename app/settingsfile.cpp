#include "app/settingsfile.h"

#include "core/constants.h"
#include "core/safewrite.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace SettingsFile
{

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           Constants::ApplicationName + QLatin1Char('/') + Constants::ApplicationName +
           QStringLiteral(".conf");
}

QString prepare()
{
    const QString settings = path();
    SafeWrite::removeDeadLockFile(settings + QStringLiteral(".lock"));
    if (!SafeWrite::isSpecialFile(settings))
        return QString();
    const QString aside = settings + QStringLiteral(".not-a-file-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    if (!QFile::rename(settings, aside)) {
        qWarning().noquote() << "The settings file is not a regular file and cannot be set aside:"
                             << settings;
        return QString();
    }
    qWarning().noquote() << "The settings file is not a regular file; it was set aside as" << aside;
    return aside;
}

} // namespace SettingsFile
