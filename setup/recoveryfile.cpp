#include "setup/recoveryfile.h"

#include "catalogue/catalogue.h"
#include "core/safewrite.h"
#include "setup/setupfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace
{
const QString CopyName = QStringLiteral("unsaved_design.csv");
const QString SourceName = QStringLiteral("unsaved_design.source");
const QString LockName = QStringLiteral("unsaved_design.lock");
} // namespace

RecoveryFile::RecoveryFile(const QString &folder) : m_folder(folder) {}

RecoveryFile::~RecoveryFile()
{
    delete m_lock;
}

QString RecoveryFile::defaultFolder()
{
    return Catalogue::dataLocation() + QStringLiteral("/recovery");
}

QString RecoveryFile::path() const
{
    return m_folder + QLatin1Char('/') + CopyName;
}

bool RecoveryFile::claim()
{
    if (m_lock)
        return true;
    if (!QDir().mkpath(m_folder)) {
        qWarning().noquote() << "Cannot create the recovery folder:" << m_folder;
        return false;
    }
    auto *lock = new QLockFile(m_folder + QLatin1Char('/') + LockName);
    // A lock left by a run that crashed names a process that is gone; the
    // lock file takes it over then.
    if (!lock->tryLock(0)) {
        delete lock;
        return false;
    }
    m_lock = lock;
    return true;
}

bool RecoveryFile::isClaimed() const
{
    return m_lock != nullptr;
}

bool RecoveryFile::write(const QString &setupText, const QString &sourceFile)
{
    if (!QDir().mkpath(m_folder)) {
        qWarning().noquote() << "Cannot create the recovery folder:" << m_folder;
        return false;
    }
    // The name of the design's file first: a copy always has a name beside it
    // that is at least as new.
    const auto writeAtomically = [](const QString &fileName, const QByteArray &bytes) {
        QString error;
        if (!SafeWrite::writeFileSafely(fileName, bytes, &error)) {
            qWarning().noquote() << "Failed to write the recovery file:" << fileName << error;
            return false;
        }
        return true;
    };
    return writeAtomically(m_folder + QLatin1Char('/') + SourceName, sourceFile.toUtf8()) &&
           writeAtomically(path(), setupText.toUtf8());
}

bool RecoveryFile::exists() const
{
    return QFileInfo(path()).isFile();
}

QDateTime RecoveryFile::lastWritten() const
{
    return QFileInfo(path()).lastModified();
}

QString RecoveryFile::sourceFile() const
{
    QFile file(m_folder + QLatin1Char('/') + SourceName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // A file name, not a file: anything longer is damage.
    const QByteArray bytes = file.read(64 * 1024);
    return QString::fromUtf8(bytes).trimmed();
}

bool RecoveryFile::read(SetupFile::SetupData &data, const Catalogue &catalogue) const
{
    return SetupFile::readSetupData(path(), data, catalogue);
}

QString RecoveryFile::setAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_folder + QStringLiteral("/unsaved_design.damaged-%1.csv").arg(stamp);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = m_folder + QStringLiteral("/unsaved_design.damaged-%1-%2.csv").arg(stamp).arg(n);
    if (!QFile::rename(path(), target)) {
        qWarning().noquote() << "Cannot set the damaged recovery file aside:" << path();
        return QString();
    }
    QFile::remove(m_folder + QLatin1Char('/') + SourceName);
    return target;
}

void RecoveryFile::remove()
{
    QFile::remove(path());
    QFile::remove(m_folder + QLatin1Char('/') + SourceName);
}
