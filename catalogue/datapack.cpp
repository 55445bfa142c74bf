#include "catalogue/datapack.h"

#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "catalogue/verification.h"

#include <QBuffer>
#include <QImageReader>
#include <QLockFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

namespace
{

bool failNextMove = false;
int lockWaitForTesting = -1;

void warn(const QString &text)
{
    qWarning().noquote() << text;
}

bool isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        // A colon makes a drive letter or a stream name on some systems.
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20)
            return false;
    }
    return true;
}

// Unix file type bits in the high half of the external attributes.
constexpr quint32 UnixTypeMask = 0170000;
constexpr quint32 UnixDirectory = 0040000;
constexpr quint32 UnixSymbolicLink = 0120000;
constexpr quint32 DosDirectory = 0x10;

bool isFolderEntry(const QuaZipFileInfo64 &info)
{
    return info.name.endsWith(QLatin1Char('/')) || (info.externalAttr & DosDirectory) != 0 ||
           ((info.externalAttr >> 16) & UnixTypeMask) == UnixDirectory;
}

bool isSymbolicLinkEntry(const QuaZipFileInfo64 &info)
{
    return info.isSymbolicLink() || ((info.externalAttr >> 16) & UnixTypeMask) == UnixSymbolicLink;
}

// Removes a folder and everything below it. A symbolic link is removed
// itself: following it would empty a folder that is not ours.
bool removeFolder(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return QFile::remove(path);
    if (!info.exists())
        return true;
    if (!info.isDir())
        return QFile::remove(path);
    return QDir(path).removeRecursively();
}

bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString zipErrorText(int code)
{
    return QStringLiteral("Error opening zip file: ") + QString::number(code);
}

// Checks every entry before anything is written.
bool checkEntries(QuaZip &zip, const QString &path)
{
    QSet<QString> seen;
    qint64 declared = 0;
    int count = 0;
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!zip.getCurrentFileInfo(&info))
            break;
        if (++count > DataPack::MaximumEntries) {
            warn(QStringLiteral("Data pack holds more than %1 entries: ").arg(DataPack::MaximumEntries) +
                 path);
            return false;
        }
        if (isSymbolicLinkEntry(info)) {
            warn(QStringLiteral("Data pack symbolic links are not allowed: ") + info.name);
            return false;
        }
        if (isFolderEntry(info)) {
            warn(QStringLiteral("Data pack folder entries are not allowed: ") + info.name);
            return false;
        }
        if (!DataPack::isAllowedEntryName(info.name)) {
            warn(QStringLiteral("Data pack entry outside the allowed folders: ") + info.name);
            return false;
        }
        // Case-insensitive: two such names are one file on some file systems.
        if (!seen.contains(info.name.toLower())) {
            seen.insert(info.name.toLower());
        } else {
            warn(QStringLiteral("Data pack entry appears twice: ") + info.name);
            return false;
        }
        declared += qint64(qMin<quint64>(info.uncompressedSize, quint64(DataPack::MaximumExpandedBytes) + 1));
        if (declared > DataPack::MaximumExpandedBytes) {
            warn(QStringLiteral("Data pack expands beyond the size limit of %1 bytes: ")
                     .arg(DataPack::MaximumExpandedBytes) +
                 path);
            return false;
        }
    }
    if (zip.getZipError() != UNZ_OK) {
        warn(zipErrorText(zip.getZipError()));
        return false;
    }
    return true;
}

// Reads every entry into memory, counting the bytes as they come: the sizes
// an archive declares can lie. What is checked, parsed and written later are
// these very bytes.
bool readEntries(QuaZip &zip, QMap<QString, QByteArray> &files, const QString &path)
{
    qint64 total = 0;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = zip.getCurrentFileName();
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly, DataPack::Password)) {
            warn(QStringLiteral("Could not open file for reading ") + name);
            return false;
        }
        QByteArray content;
        for (;;) {
            const qint64 n = entry.read(buffer.data(), buffer.size());
            if (n == 0)
                break;
            if (n < 0) {
                warn(QStringLiteral("Could not read file ") + name);
                return false;
            }
            total += n;
            if (total > DataPack::MaximumExpandedBytes) {
                warn(QStringLiteral("Data pack expands beyond the size limit of %1 bytes: ")
                         .arg(DataPack::MaximumExpandedBytes) +
                     path);
                return false;
            }
            content.append(buffer.constData(), int(n));
        }
        entry.close();
        // A wrong checksum (damaged entry or wrong password) shows here.
        if (entry.getZipError() != UNZ_OK) {
            warn(zipErrorText(entry.getZipError()));
            return false;
        }
        files.insert(name, content);
    }
    if (zip.getZipError() != UNZ_OK) {
        warn(zipErrorText(zip.getZipError()));
        return false;
    }
    return true;
}

// Why nothing can be written in `folder`, in the system's words: a lock file
// that cannot be made says only that it failed.
QString writeProblem(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/write-probe-XXXXXX"));
    if (!probe.open())
        return probe.errorString();
    const QByteArray bytes(4096, 'x');
    if (probe.write(bytes) != bytes.size() || !probe.flush())
        return probe.errorString();
    return QString();
}

bool writeFiles(const QMap<QString, QByteArray> &files, const QString &scratch, QString &error)
{
    if (!QDir().mkpath(scratch + QStringLiteral("/images"))) {
        error = writeProblem(scratch);
        warn(QStringLiteral("Could not create folder ") + scratch);
        return false;
    }
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QFile out(scratch + QLatin1Char('/') + it.key());
        if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            error = out.errorString();
            warn(QStringLiteral("Could not open file for writting ") + out.fileName());
            return false;
        }
        if (out.write(it.value()) != it.value().size() || !out.flush() || out.error() != QFileDevice::NoError) {
            error = out.errorString();
            warn(QStringLiteral("Could not write file ") + out.fileName() + QStringLiteral(": ") + error);
            return false;
        }
        out.close();
    }
    return true;
}

// Reads the pack file whole, refusing anything but a regular file before
// opening it: a named pipe or a device would block or never end.
bool readPackFile(const QString &path, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        warn(QStringLiteral("Data pack is not a regular file: ") + path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        warn(zipErrorText(UNZ_OPENERROR));
        return false;
    }
    // In pieces: reading the limit at once would allocate all of it.
    bytes.clear();
    QByteArray piece(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(piece.data(), piece.size());
        if (n < 0) {
            warn(zipErrorText(UNZ_ERRNO) + QStringLiteral(" (") + file.errorString() + QLatin1Char(')'));
            return false;
        }
        if (n == 0)
            return true;
        if (bytes.size() + n > DataPack::MaximumPackBytes) {
            warn(QStringLiteral("Data pack is larger than %1 bytes: ").arg(DataPack::MaximumPackBytes) +
                 path);
            return false;
        }
        bytes.append(piece.constData(), int(n));
    }
}

// The scratch folders of earlier attempts: the fixed one of older versions
// and the per-attempt ones.
bool isScratchName(const QString &name)
{
    return name == QLatin1String("tmp_data") || name.startsWith(QLatin1String("tmp_data-"));
}

// Only called with the lock held: no other attempt is running, so every
// scratch folder found is left over from one that was killed.
void removeStaleScratchFolders(const QString &location)
{
    const QStringList names =
        QDir(location).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (isScratchName(name))
            removeFolder(location + QLatin1Char('/') + name);
    }
}

// Brings the installed data back to one folder: an attempt interrupted
// between its two renames left the old data aside; an attempt interrupted
// after them left a backup that is no longer needed.
bool settleBackup(const QString &target, const QString &backup)
{
    if (!exists(backup))
        return true;
    if (exists(target))
        return removeFolder(backup);
    return QDir().rename(backup, target);
}

// Removes a scratch folder however an attempt ends.
class ScratchGuard
{
public:
    explicit ScratchGuard(const QString &path) : m_path(path) {}
    ~ScratchGuard()
    {
        if (!m_path.isEmpty())
            removeFolder(m_path);
    }
    ScratchGuard(const ScratchGuard &) = delete;
    ScratchGuard &operator=(const ScratchGuard &) = delete;

private:
    QString m_path;
};

bool moveFolder(const QString &from, const QString &to)
{
    if (failNextMove) {
        failNextMove = false;
        return false;
    }
    return QDir().rename(from, to);
}

bool hasPictureSignature(const QByteArray &head, QByteArray &format)
{
    static const QByteArray png("\x89PNG\r\n\x1a\n", 8);
    static const QByteArray jpeg("\xff\xd8\xff", 3);
    if (head.startsWith(png))
        format = "png";
    else if (head.startsWith(jpeg))
        format = "jpeg";
    else
        return false;
    return true;
}

// Checks the header of a picture on `device`; with `decode` also decodes it.
bool checkPicture(QIODevice &device, qint64 size, bool decode, QString *reason)
{
    const auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (size > DataPack::MaximumPictureBytes)
        return refuse(QStringLiteral("larger than %1 bytes").arg(DataPack::MaximumPictureBytes));
    QByteArray format;
    if (!hasPictureSignature(device.peek(8), format))
        return refuse(QStringLiteral("neither PNG nor JPEG"));
    QImageReader reader(&device, format);
    // The content decides, not a name or a guess by another plugin.
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false);
    const QSize dimensions = reader.size();
    if (!dimensions.isValid() || dimensions.isEmpty())
        return refuse(QStringLiteral("no readable dimensions"));
    // Decoding allocates by these dimensions, so bounding them bounds it.
    if (dimensions.width() > DataPack::MaximumPictureSide ||
        dimensions.height() > DataPack::MaximumPictureSide ||
        qint64(dimensions.width()) * dimensions.height() > DataPack::MaximumPicturePixels)
        return refuse(QStringLiteral("%1 x %2 pixels is beyond the limit")
                          .arg(dimensions.width())
                          .arg(dimensions.height()));
    if (decode && reader.read().isNull())
        return refuse(QStringLiteral("cannot be decoded: ") + reader.errorString());
    return true;
}

} // namespace

bool DataPack::isAllowedEntryName(const QString &name)
{
    static const QString imagesFolder = QStringLiteral("images/");
    if (name.startsWith(imagesFolder))
        return isPlainFileName(name.mid(imagesFolder.size()));
    return isPlainFileName(name);
}

bool DataPack::isAcceptablePicture(const QByteArray &bytes, QString *reason)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return checkPicture(buffer, bytes.size(), true, reason);
}

bool DataPack::isAcceptablePictureFile(const QString &path, QString *reason)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        if (reason)
            *reason = QStringLiteral("not a regular file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (reason)
            *reason = file.errorString();
        return false;
    }
    return checkPicture(file, info.size(), false, reason);
}

QString DataPack::lockFilePath(const QString &location)
{
    return location + QStringLiteral("/install.lock");
}

void DataPack::restoreInterruptedInstallation(const QString &location)
{
    const QString target = location + QStringLiteral("/data");
    const QString backup = location + QStringLiteral("/data_previous");
    if (!exists(backup))
        return;
    QLockFile lock(lockFilePath(location));
    lock.setStaleLockTime(StaleLockMilliseconds);
    // A running installation owns the backup for now; it restores it itself.
    if (!lock.tryLock(0))
        return;
    if (!exists(target) && QDir().rename(backup, target))
        warn(QStringLiteral("Restored the data of an interrupted installation from ") + backup);
    else if (exists(target))
        removeFolder(backup);
}

void DataPack::failNextMoveForTesting()
{
    failNextMove = true;
}

void DataPack::setLockWaitForTesting(int milliseconds)
{
    lockWaitForTesting = milliseconds;
}

bool Catalogue::installDataPack(const QString &path)
{
    const QString location = dataLocation();
    const QString target = location + QStringLiteral("/data");
    const QString backup = location + QStringLiteral("/data_previous");
    m_installBusy = false;
    m_installError.clear();

    QByteArray packBytes;
    if (!readPackFile(path, packBytes))
        return false;

    if (!QDir().mkpath(location)) {
        m_installError = QStringLiteral("Cannot create the folder %1").arg(location);
        warn(QStringLiteral("Could not create folder ") + location);
        return false;
    }
    // Held from extraction to the last rename: two installations (a window
    // and the command line, or two windows) would otherwise mix their files.
    // A holder that is alive keeps its lock whatever its age (the lock file
    // is also locked by the system while it lives); the short stale time
    // only lets a lock file that a killed attempt left half-written be
    // taken over, which naming a dead process alone would not.
    QLockFile lock(DataPack::lockFilePath(location));
    lock.setStaleLockTime(DataPack::StaleLockMilliseconds);
    if (!lock.tryLock(lockWaitForTesting >= 0 ? lockWaitForTesting : DataPack::LockWaitMilliseconds)) {
        // Only a lock held by another installation means "busy": a lock file
        // that cannot be written (a full disk, a read-only folder) is said so.
        if (lock.error() != QLockFile::LockFailedError) {
            m_installError = writeProblem(location);
            if (m_installError.isEmpty())
                m_installError = QStringLiteral("Cannot create the lock file %1").arg(DataPack::lockFilePath(location));
            warn(QStringLiteral("Cannot install the data pack: ") + m_installError);
            return false;
        }
        warn(QStringLiteral("Another data pack installation is running; try again when it has finished: ") +
             path);
        m_installBusy = true;
        return false;
    }
    removeStaleScratchFolders(location);
    if (!settleBackup(target, backup)) {
        warn(QStringLiteral("Failed to remove old data files from ") + backup);
        return false;
    }

    // Every attempt extracts into a folder of its own.
    QTemporaryDir scratchDir(location + QStringLiteral("/tmp_data-XXXXXX"));
    if (!scratchDir.isValid()) {
        m_installError = scratchDir.errorString();
        warn(QStringLiteral("Could not create folder ") + location + QStringLiteral("/tmp_data-XXXXXX"));
        return false;
    }
    scratchDir.setAutoRemove(false);
    const QString scratch = scratchDir.path();
    ScratchGuard guard(scratch);

    // Extracting and verifying: nothing installed is touched.
    QMap<QString, QByteArray> files;
    {
        QBuffer packBuffer(&packBytes);
        QuaZip zip(&packBuffer);
        if (!zip.open(QuaZip::mdUnzip)) {
            warn(zipErrorText(zip.getZipError()));
            return false;
        }
        if (!checkEntries(zip, path) || !readEntries(zip, files, path))
            return false;
        zip.close();
    }
    QStringList rootNames;
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        if (!it.key().contains(QLatin1Char('/')))
            rootNames.append(it.key());
    }
    QString dataName;
    QString signatureName;
    const bool verified =
        Verification::pickDataFiles(rootNames, scratch, dataName, signatureName) &&
        Verification::verifyCatalogueData(files.value(dataName), files.value(signatureName));
    if (!verified) {
        warn(QStringLiteral("Data integrity verification failed!"));
        return false;
    }
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        QString reason;
        if (it.key().startsWith(QLatin1String("images/")) &&
            !DataPack::isAcceptablePicture(it.value(), &reason)) {
            warn(QStringLiteral("Data pack picture refused: ") + it.key() + QStringLiteral(" (") + reason +
                 QLatin1Char(')'));
            return false;
        }
    }

    // Read the new data before replacing anything, so a pack that installs is
    // also a pack that loads; as a start-up would, in text mode.
    CatalogueData loaded = m_data;
    {
        QByteArray dataBytes = files.value(dataName);
        QBuffer buffer(&dataBytes);
        buffer.open(QIODevice::ReadOnly | QIODevice::Text);
        if (!DataFile::read(buffer, loaded)) {
            warn(QStringLiteral("Error reading data from new files!"));
            return false;
        }
    }
    if (!writeFiles(files, scratch, m_installError))
        return false;
    // What installs is what runs: the extracted folder must give a start-up
    // these very bytes (a hidden ".catalogue.csv" is found by the check above
    // but by no start).
    {
        QByteArray startBytes;
        if (!verifyDataFolder(scratch, startBytes) || startBytes != files.value(dataName)) {
            warn(QStringLiteral("Data pack data file is not the one a start reads: ") + dataName);
            return false;
        }
    }

    // Replacing: the old data is set aside, not deleted, until the new data is
    // in place. A kill between the two renames leaves it aside, and the next
    // start or installation puts it back.
    const bool hadData = exists(target);
    if (hadData && !QDir().rename(target, backup)) {
        warn(QStringLiteral("Failed to remove old data files from ") + target);
        return false;
    }
    if (!moveFolder(scratch, target)) {
        warn(QStringLiteral("Failed to move extracted files from ") + scratch + QStringLiteral(" to ") +
             target);
        if (hadData && !QDir().rename(backup, target))
            warn(QStringLiteral("Failed to restore old data files from ") + backup);
        return false;
    }
    if (hadData && !removeFolder(backup))
        warn(QStringLiteral("Failed to remove old data files from ") + backup);

    m_data = std::move(loaded);
    m_integrityFailed = false;
    return true;
}

void Catalogue::removeTemporaryFolder() const
{
    removeFolder(dataLocation() + QStringLiteral("/tmp_data"));
}
