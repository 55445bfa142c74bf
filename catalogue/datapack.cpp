#include "catalogue/datapack.h"

#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"

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

// Writes every entry below `scratch`, counting the bytes as they come: the
// sizes an archive declares can lie.
bool extractEntries(QuaZip &zip, const QString &scratch, const QString &path)
{
    qint64 written = 0;
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (bool more = zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        const QString name = zip.getCurrentFileName();
        QuaZipFile entry(&zip);
        if (!entry.open(QIODevice::ReadOnly, DataPack::Password)) {
            warn(QStringLiteral("Could not open file for reading ") + name);
            return false;
        }
        QFile out(scratch + QLatin1Char('/') + name);
        if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            warn(QStringLiteral("Could not open file for writting ") + out.fileName());
            return false;
        }
        for (;;) {
            const qint64 n = entry.read(buffer.data(), buffer.size());
            if (n == 0)
                break;
            if (n < 0) {
                warn(QStringLiteral("Could not read file ") + name);
                return false;
            }
            written += n;
            if (written > DataPack::MaximumExpandedBytes) {
                warn(QStringLiteral("Data pack expands beyond the size limit of %1 bytes: ")
                         .arg(DataPack::MaximumExpandedBytes) +
                     path);
                return false;
            }
            if (out.write(buffer.constData(), n) != n) {
                warn(QStringLiteral("Could not write file ") + out.fileName());
                return false;
            }
        }
        entry.close();
        // A wrong checksum (damaged entry or wrong password) shows here.
        if (entry.getZipError() != UNZ_OK) {
            warn(zipErrorText(entry.getZipError()));
            return false;
        }
        if (!out.flush()) {
            warn(QStringLiteral("Could not write file ") + out.fileName());
            return false;
        }
        out.close();
    }
    if (zip.getZipError() != UNZ_OK) {
        warn(zipErrorText(zip.getZipError()));
        return false;
    }
    return true;
}

// Removes the scratch folder however an attempt ends.
class ScratchGuard
{
public:
    explicit ScratchGuard(const Catalogue &catalogue) : m_catalogue(catalogue) {}
    ~ScratchGuard() { m_catalogue.removeTemporaryFolder(); }
    ScratchGuard(const ScratchGuard &) = delete;
    ScratchGuard &operator=(const ScratchGuard &) = delete;

private:
    const Catalogue &m_catalogue;
};

bool moveFolder(const QString &from, const QString &to)
{
    if (failNextMove) {
        failNextMove = false;
        return false;
    }
    return QDir().rename(from, to);
}

} // namespace

bool DataPack::isAllowedEntryName(const QString &name)
{
    static const QString imagesFolder = QStringLiteral("images/");
    if (name.startsWith(imagesFolder))
        return isPlainFileName(name.mid(imagesFolder.size()));
    return isPlainFileName(name);
}

void DataPack::failNextMoveForTesting()
{
    failNextMove = true;
}

bool Catalogue::installDataPack(const QString &path)
{
    const QString location = dataLocation();
    const QString scratch = location + QStringLiteral("/tmp_data");
    const QString target = location + QStringLiteral("/data");
    const QString backup = location + QStringLiteral("/data_previous");

    // A scratch folder left by an interrupted attempt must not mix in.
    removeTemporaryFolder();
    const ScratchGuard guard(*this);
    if (!QDir().mkpath(scratch + QStringLiteral("/images"))) {
        warn(QStringLiteral("Could not create folder ") + scratch);
        return false;
    }

    // Extracting and verifying: nothing installed is touched.
    {
        QuaZip zip(path);
        if (!zip.open(QuaZip::mdUnzip)) {
            warn(zipErrorText(zip.getZipError()));
            return false;
        }
        if (!checkEntries(zip, path) || !extractEntries(zip, scratch, path))
            return false;
        zip.close();
    }
    if (!verifyDataFolder(scratch)) {
        warn(QStringLiteral("Data integrity verification failed!"));
        return false;
    }

    // Read the new data before replacing anything, so a pack that installs is
    // also a pack that loads.
    CatalogueData loaded = m_data;
    {
        QFile file(scratch + QLatin1Char('/') + DataFile::dataFileNames(scratch).value(0));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || !DataFile::read(file, loaded)) {
            warn(QStringLiteral("Error reading data from new files!"));
            return false;
        }
    }

    // Replacing: the old data is set aside, not deleted, until the new data is
    // in place. An attempt interrupted at this point left it aside; bring it
    // back first so it is the data protected below.
    if (exists(backup)) {
        const bool cleared = exists(target) ? removeFolder(backup) : QDir().rename(backup, target);
        if (!cleared) {
            warn(QStringLiteral("Failed to remove old data files from ") + backup);
            return false;
        }
    }
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
