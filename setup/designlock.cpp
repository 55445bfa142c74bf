#include "setup/designlock.h"

#include "core/safewrite.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

DesignLock::DesignLock(const QString &folder) : m_folder(folder) {}

DesignLock::~DesignLock()
{
    release();
}

QString DesignLock::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/locks");
}

QString DesignLock::lockPath(const QString &designFile) const
{
    // One name per file however it is spelled.
    const QFileInfo info(designFile);
    const QString canonical =
        info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    const QByteArray digest =
        QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex();
    return m_folder + QLatin1Char('/') + QString::fromLatin1(digest.left(32)) + QStringLiteral(".lock");
}

bool DesignLock::acquire(const QString &designFile, Holder *holder)
{
    const QString path = lockPath(designFile);
    if (m_lock && m_lockPath == path)
        return true;
    if (!QDir().mkpath(m_folder)) {
        qWarning().noquote() << "Cannot create the folder of the open designs' marks:" << m_folder;
        return true; // nothing to say against opening it
    }
    SafeWrite::removeDeadLockFile(path);
    auto *lock = new QLockFile(path);
    if (!lock->tryLock(0)) {
        if (holder) {
            QString application;
            holder->pid = 0;
            lock->getLockInfo(&holder->pid, &holder->host, &application);
            holder->since = QFileInfo(path).lastModified();
        }
        const bool busy = lock->error() == QLockFile::LockFailedError;
        delete lock;
        if (busy)
            return false;
        qWarning().noquote() << "Cannot mark the design as open:" << designFile;
        return true;
    }
    release();
    m_lock = lock;
    m_lockPath = path;
    m_file = designFile;
    return true;
}

void DesignLock::release()
{
    delete m_lock;
    m_lock = nullptr;
    m_lockPath.clear();
    m_file.clear();
}

namespace DiskState
{

QByteArray fingerprint(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.isFile())
        return QByteArray();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return QByteArray();
    return hash.result();
}

} // namespace DiskState
