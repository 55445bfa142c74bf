#include "core/safewrite.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{

QString folderForTesting;
std::function<void(const QString &)> stageHook;
bool forceDirectWrite = false;

const QString CopySuffix = QStringLiteral(".old");
const QString MarkerSuffix = QStringLiteral(".target");

void stage(const QString &name)
{
    if (stageHook)
        stageHook(name);
}

bool fail(QString *error, const QString &fileName, const QString &reason)
{
    qWarning().noquote() << "Failed to write file:" << fileName << "-" << reason;
    if (error)
        *error = reason;
    return false;
}

// Reads a file whole; `limit` bounds what a file of ours may hold.
bool readAll(const QString &fileName, QByteArray &bytes, QString *error, qint64 limit)
{
    if (SafeWrite::isSpecialFile(fileName)) {
        if (error)
            *error = QStringLiteral("Not a regular file");
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > limit) {
        if (error)
            *error =
                file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("File too large");
        return false;
    }
    return true;
}

// What went wrong with `file`. A short write sets no error of the file's: the
// system's errno names it then.
QString failure(const QFileDevice &file)
{
    const int code = errno;
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return code != 0 ? QString::fromLocal8Bit(strerror(code)) : QStringLiteral("Short write");
}

// The usual atomic replacement. The buffered bytes are flushed and checked
// before commit(): commit() alone reports success on a full disk.
bool writeThroughTemporary(QSaveFile &file, const QByteArray &bytes, QString *reason)
{
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        *reason = failure(file);
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

// Writes `bytes` over the file in place and reads them back.
bool overwrite(const QString &fileName, const QByteArray &bytes, QString *reason, bool withStages)
{
    QFile file(fileName);
    // Not truncated on opening: until the first byte goes out the file is
    // whole, and it is cut to length only once everything is written.
    if (!file.open(QIODevice::ReadWrite)) {
        *reason = file.errorString();
        return false;
    }
    const auto failed = [&file, reason] {
        *reason = failure(file);
        return false;
    };
    errno = 0;
    const int half = bytes.size() / 2;
    if (file.write(bytes.constData(), half) != half || !file.flush())
        return failed();
    if (withStages)
        stage(QStringLiteral("writing"));
    if (file.write(bytes.constData() + half, bytes.size() - half) != bytes.size() - half || !file.flush() ||
        !file.resize(bytes.size()))
        return failed();
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0) {
        *reason = QString::fromLocal8Bit(strerror(errno));
        return false;
    }
#endif
    file.close();
    if (withStages)
        stage(QStringLiteral("written"));
    QByteArray back;
    if (!readAll(fileName, back, reason, bytes.size()) || back != bytes) {
        if (reason->isEmpty())
            *reason = QStringLiteral("The file did not read back as written");
        return false;
    }
    return true;
}

bool writeSmallFile(const QString &fileName, const QByteArray &bytes, QString *reason)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *reason = file.errorString();
        return false;
    }
    return writeThroughTemporary(file, bytes, reason);
}

// Keeps the old contents of `fileName` aside, writes it in place, and keeps
// the old contents until the new ones read back.
bool writeInPlace(const QString &fileName, const QByteArray &bytes, QString *reason)
{
    QByteArray old;
    if (!readAll(fileName, old, reason, qint64(1) << 30))
        return false;
    const QString folder = SafeWrite::unfinishedFolder();
    if (!QDir().mkpath(folder)) {
        *reason = QStringLiteral("Cannot create the folder %1").arg(folder);
        return false;
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString base = folder + QLatin1Char('/') +
                         QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmsszzz")) +
                         QLatin1Char('-') + QString::number(QCoreApplication::applicationPid());
    SafeWrite::UnfinishedWrite kept{QFileInfo(fileName).absoluteFilePath(), base + CopySuffix,
                                    base + MarkerSuffix};
    // The copy first: a name without a copy beside it is never offered.
    QString keepError;
    if (!writeSmallFile(kept.copy, old, &keepError) ||
        !writeSmallFile(kept.marker, kept.target.toUtf8(), &keepError)) {
        QFile::remove(kept.copy);
        QFile::remove(kept.marker);
        *reason = QStringLiteral("Cannot keep a copy of the old contents: %1").arg(keepError);
        return false;
    }
    stage(QStringLiteral("copy kept"));
    if (overwrite(fileName, bytes, reason, true)) {
        SafeWrite::forgetUnfinishedWrite(kept, false);
        return true;
    }
    // Put the old contents back; if that fails too, the copy waits to be
    // offered at the next start.
    QString restoreError;
    if (overwrite(fileName, old, &restoreError, false))
        SafeWrite::forgetUnfinishedWrite(kept, false);
    else
        *reason += QStringLiteral(" (its previous contents are kept in %1)")
                       .arg(QDir::toNativeSeparators(kept.copy));
    return false;
}

} // namespace

namespace SafeWrite
{

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

bool isSameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (!first.exists() || !second.exists())
        return false;
#ifdef Q_OS_UNIX
    // Hard links share the file without sharing a name.
    struct stat sa;
    struct stat sb;
    if (::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
        ::stat(QFile::encodeName(b).constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
#endif
    return first.canonicalFilePath() == second.canonicalFilePath();
}

bool removeDeadLockFile(const QString &lockFile)
{
#ifdef Q_OS_UNIX
    struct stat info;
    const QByteArray name = QFile::encodeName(lockFile);
    if (::lstat(name.constData(), &info) != 0)
        return false;
    if (!S_ISREG(info.st_mode)) {
        // A pipe or a link in its place would block or mislead the lock.
        qWarning().noquote() << "Removed a lock that is not a regular file:" << lockFile;
        return ::unlink(name.constData()) == 0;
    }
    // A holder creates the file and locks it at once; a second's grace keeps
    // us from removing one being made.
    if (QFileInfo(lockFile).lastModified().msecsTo(QDateTime::currentDateTime()) < 1000)
        return false;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    // A live holder keeps the file locked by the system as long as it lives.
    const bool dead = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    bool removed = false;
    if (dead) {
        removed = ::unlink(name.constData()) == 0;
        if (removed)
            qWarning().noquote() << "Took over a lock left by a process that is gone:" << lockFile;
    }
    ::close(fd);
    return removed;
#else
    Q_UNUSED(lockFile)
    return false;
#endif
}

QString refusalReason(const QString &fileName, const QStringList &inputs)
{
    if (fileName.isEmpty())
        return QStringLiteral("No file name");
    const QFileInfo info(fileName);
    if (info.isDir())
        return QStringLiteral("Is a directory");
    if (info.exists() && !info.isFile())
        return QStringLiteral("Not a regular file");
    for (const QString &input : inputs) {
        if (isSameFile(fileName, input))
            return QStringLiteral("It is the file being read");
    }
    return QString();
}

bool writeFileSafely(const QString &fileName, const QByteArray &bytes, QString *error)
{
    QString reason = refusalReason(fileName);
    if (!reason.isEmpty())
        return fail(error, fileName, reason);
    if (!forceDirectWrite) {
        // No direct-write fallback: it would empty the file on opening.
        QSaveFile file(fileName);
        if (file.open(QIODevice::WriteOnly)) {
            if (writeThroughTemporary(file, bytes, &reason))
                return true;
            return fail(error, fileName, reason);
        }
        reason = file.errorString();
    }
    // No temporary file beside it (a folder the user may not create files
    // in): only a file that is there and writable can be written in place.
    const QFileInfo info(fileName);
    if (!info.isFile() || !info.isWritable())
        return fail(error, fileName, reason);
    QString inPlace;
    if (!writeInPlace(fileName, bytes, &inPlace))
        return fail(error, fileName, inPlace);
    return true;
}

QString unfinishedFolder()
{
    if (!folderForTesting.isEmpty())
        return folderForTesting;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/unfinished-writes");
}

QList<UnfinishedWrite> unfinishedWrites()
{
    QList<UnfinishedWrite> writes;
    const QString folder = unfinishedFolder();
    const QStringList markers =
        QDir(folder).entryList({QLatin1Char('*') + MarkerSuffix}, QDir::Files, QDir::Name);
    for (const QString &name : markers) {
        UnfinishedWrite write;
        write.marker = folder + QLatin1Char('/') + name;
        write.copy = write.marker.left(write.marker.size() - MarkerSuffix.size()) + CopySuffix;
        QByteArray target;
        // Only our own regular files: a link could name anything.
        if (QFileInfo(write.marker).isSymLink() || QFileInfo(write.copy).isSymLink() ||
            !QFileInfo(write.copy).isFile() || !readAll(write.marker, target, nullptr, 64 * 1024))
            continue;
        write.target = QString::fromUtf8(target).trimmed();
        if (!write.target.isEmpty())
            writes.append(write);
    }
    return writes;
}

bool restoreUnfinishedWrite(const UnfinishedWrite &write, QString *error)
{
    QByteArray old;
    QString reason;
    if (!readAll(write.copy, old, &reason, qint64(1) << 30) || !writeFileSafely(write.target, old, &reason)) {
        if (error)
            *error = reason;
        return false;
    }
    forgetUnfinishedWrite(write, false);
    return true;
}

void forgetUnfinishedWrite(const UnfinishedWrite &write, bool keepCopy)
{
    QFile::remove(write.marker);
    if (!keepCopy)
        QFile::remove(write.copy);
}

void setUnfinishedFolderForTesting(const QString &folder)
{
    folderForTesting = folder;
}

void setStageHookForTesting(std::function<void(const QString &stage)> hook)
{
    stageHook = std::move(hook);
}

void setForceDirectWriteForTesting(bool on)
{
    forceDirectWrite = on;
}

} // namespace SafeWrite
