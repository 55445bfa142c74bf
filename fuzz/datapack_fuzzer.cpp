// Feeds arbitrary bytes to the data pack installer, as a pack file. After
// every attempt nothing may exist outside the data folder, and a failed
// attempt must leave the installed data byte-identical.

#include "catalogue/catalogue.h"
#include "fuzzsupport.h"
#include "tools/packbuilder/packtool.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace
{
std::unique_ptr<QTemporaryDir> root;
QString packPath;
QMap<QString, QByteArray> installed;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), it.fileInfo().isFile() ? readAll(path) : "<not a file>");
    }
    return files;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

QByteArray picture()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void installKnownPack()
{
    QVector<PackTool::Entry> pack;
    QString error;
    QFile keyFile(QStringLiteral(KALVIX_SIGNING_KEY));
    if (!keyFile.open(QIODevice::ReadOnly))
        FuzzSupport::fail("no signing key");
    const QByteArray data = readAll(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    const QByteArray signature = PackTool::sign(data, keyFile.readAll(), &error);
    pack.append({QStringLiteral("catalogue.csv"), data, PackTool::Entry::File, true});
    pack.append({QStringLiteral("catalogue.sig"), signature, PackTool::Entry::File, true});
    pack.append({QStringLiteral("images/panel.png"), picture(), PackTool::Entry::File, true});
    const QString known = root->filePath(QStringLiteral("packs/known.tarvex"));
    if (signature.isEmpty() || !PackTool::writePack(known, pack, &error))
        FuzzSupport::fail("cannot build the known pack");
    Catalogue catalogue{CatalogueData()};
    if (!catalogue.installDataPack(known))
        FuzzSupport::fail("the known pack does not install");
    installed = contents(Catalogue::dataLocation() + QStringLiteral("/data"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(FuzzSupport::quiet);
    root = std::make_unique<QTemporaryDir>();
    if (!root->isValid())
        FuzzSupport::fail("no temporary folder");
    // Everything the installer touches lives below this folder.
    qputenv("XDG_DATA_HOME", root->filePath(QStringLiteral("share")).toLocal8Bit());
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("kalvix-fuzz"));
    QDir().mkpath(root->filePath(QStringLiteral("packs")));
    QDir().mkpath(Catalogue::dataLocation());
    packPath = root->filePath(QStringLiteral("packs/input.tarvex"));
    installKnownPack();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(packPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            FuzzSupport::fail("cannot write the input");
    }
    Catalogue catalogue{CatalogueData()};
    const bool ok = catalogue.installDataPack(packPath);

    if (entries(root->path()) != QStringList({QStringLiteral("packs"), QStringLiteral("share")}) ||
        entries(root->filePath(QStringLiteral("packs"))).size() > 2 ||
        entries(Catalogue::dataLocation()) != QStringList{QStringLiteral("data")})
        FuzzSupport::fail("something was left outside the data folder");
    if (!ok) {
        if (contents(Catalogue::dataLocation() + QStringLiteral("/data")) != installed)
            FuzzSupport::fail("a failed installation changed the installed data");
        return 0;
    }
    // A mutation that still verifies installed: it must also load, and the
    // known data comes back for the next input.
    if (Catalogue().integrityFailed())
        FuzzSupport::fail("an installed pack does not verify at start-up");
    installKnownPack();
    return 0;
}
