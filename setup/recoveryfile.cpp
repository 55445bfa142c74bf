#include "setup/recoveryfile.h"

#include "catalogue/catalogue.h"
#include "core/safewrite.h"
#include "setup/setupfile.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{
const QString CopyName = QStringLiteral("unsaved_design.csv");
const QString SourceName = QStringLiteral("unsaved_design.source");
const QString LockName = QStringLiteral("unsaved_design.lock");
// A file of ours: a regular file (not a link to one) owned by this user.
// Anything else in the folder was put there by someone else.
bool isOwnRegularFile(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode) &&
           info.st_uid == ::geteuid();
#else
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink();
#endif
}

bool isOwnFolder(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid();
#else
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
#endif
}

bool lexists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Moves what is not ours out of the way, without following it.
QString moveAside(const QString &folder, const QString &path, const QString &kind)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = folder + QStringLiteral("/unsaved_design.%1-%2.csv").arg(kind, stamp);
    for (int n = 2; lexists(target); ++n)
        target = folder + QStringLiteral("/unsaved_design.%1-%2-%3.csv").arg(kind, stamp).arg(n);
    if (!QFile::rename(path, target)) {
        qWarning().noquote() << "Cannot set the recovery file aside:" << path;
        return QString();
    }
    return target;
}

} // namespace

RecoveryFile::RecoveryFile(const QString &folder) : m_baseFolder(folder), m_folder(folder) {}

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

bool RecoveryFile::preparedFolder() const
{
    if (!QDir().mkpath(m_folder)) {
        qWarning().noquote() << "Cannot create the recovery folder:" << m_folder;
        return false;
    }
    // Private: the copy holds the user's design, and only what the user's
    // own runs put there is trusted.
    if (!isOwnFolder(m_folder)) {
        qWarning().noquote() << "The recovery folder is not a folder of this user:" << m_folder;
        return false;
    }
    QFile::setPermissions(m_folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return true;
}

QString RecoveryFile::slotFolder(int slot) const
{
    return slot <= 1 ? m_baseFolder : m_baseFolder + QStringLiteral("-%1").arg(slot);
}

bool RecoveryFile::claim()
{
    if (m_lock)
        return true;
    // Runs side by side each keep a copy of their own: the usual folder, else
    // "recovery-2" and on. A free one with a copy a crashed run left comes
    // first, so that the copy is offered.
    for (int pass = 0; pass < 2; ++pass) {
        for (int slot = 1; slot <= MaximumSlots; ++slot) {
            const QString folder = slotFolder(slot);
            if (pass == 0 && !lexists(folder + QLatin1Char('/') + CopyName))
                continue;
            m_folder = folder;
            if (claimFolder()) {
                m_slot = slot;
                return true;
            }
        }
    }
    m_folder = m_baseFolder;
    return false;
}

bool RecoveryFile::claimFolder()
{
    if (!preparedFolder())
        return false;
    const QString lockPath = m_folder + QLatin1Char('/') + LockName;
    // A lock left by a run that crashed (or garbage in its place) would hold
    // recovery back for half a minute: taken over at once when no live
    // process holds it.
    SafeWrite::removeDeadLockFile(lockPath);
    auto *lock = new QLockFile(lockPath);
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
    if (!preparedFolder())
        return false;
    // Never written through a link or into another user's file.
    for (const QString &file : {path(), m_folder + QLatin1Char('/') + SourceName}) {
        if (lexists(file) && !isOwnRegularFile(file) &&
            moveAside(m_folder, file, QStringLiteral("refused")).isEmpty())
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
    // A link counts: it is there to be set aside, not followed.
    return lexists(path());
}

QDateTime RecoveryFile::lastWritten() const
{
    return QFileInfo(path()).lastModified();
}

QString RecoveryFile::sourceFile() const
{
    const QString name = m_folder + QLatin1Char('/') + SourceName;
    QFile file(name);
    if (!isOwnRegularFile(name) || !file.open(QIODevice::ReadOnly))
        return QString();
    // A file name, not a file: anything longer is damage.
    const QByteArray bytes = file.read(64 * 1024);
    return QString::fromUtf8(bytes).trimmed();
}

QString RecoveryFile::trustedSourceFile(const QStringList &known) const
{
    const QString source = sourceFile();
    if (source.isEmpty())
        return source;
    // Saving the restored design would write over that file: only a design
    // the user opened or saved here qualifies.
    const QString clean = QDir::cleanPath(source);
    for (const QString &file : known) {
        if (QDir::cleanPath(file) == clean && (!lexists(clean) || QFileInfo(clean).isFile()))
            return clean;
    }
    qWarning().noquote() << "The recovery file names a design that was never opened here:" << source;
    return QString();
}

bool RecoveryFile::read(SetupFile::SetupData &data, const Catalogue &catalogue) const
{
    if (!isOwnRegularFile(path())) {
        qWarning().noquote() << "The recovery file is not a regular file of this user:" << path();
        return false;
    }
    return SetupFile::readSetupData(path(), data, catalogue);
}

QString RecoveryFile::setAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_folder + QStringLiteral("/unsaved_design.damaged-%1.csv").arg(stamp);
    for (int n = 2; lexists(target); ++n)
        target = m_folder + QStringLiteral("/unsaved_design.damaged-%1-%2.csv").arg(stamp).arg(n);
    if (!QFile::rename(path(), target)) {
        qWarning().noquote() << "Cannot set the damaged recovery file aside:" << path();
        return QString();
    }
    // What is not ours goes aside too, unfollowed.
    const QString source = m_folder + QLatin1Char('/') + SourceName;
    if (lexists(source) && !isOwnRegularFile(source)) {
        moveAside(m_folder, source, QStringLiteral("refused"));
        return target;
    }
    QFile::remove(m_folder + QLatin1Char('/') + SourceName);
    return target;
}

void RecoveryFile::remove()
{
    QFile::remove(path());
    QFile::remove(m_folder + QLatin1Char('/') + SourceName);
}
