// Feeds arbitrary bytes to the setup file reader. A file it accepts must be
// written and read back unchanged.

#include "catalogue/catalogue.h"
#include "fuzzsupport.h"
#include "setup/setupfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace
{
std::unique_ptr<Catalogue> catalogue;
std::unique_ptr<QTemporaryDir> folder;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(FuzzSupport::quiet);
    catalogue = std::make_unique<Catalogue>(FuzzSupport::demoData());
    folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid())
        FuzzSupport::fail("no temporary folder");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = folder->filePath(QStringLiteral("input.csv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
            FuzzSupport::fail("cannot write the input");
    }
    SetupFile::SetupData read;
    if (!SetupFile::readSetupData(path, read, *catalogue))
        return 0;

    const QString again = folder->filePath(QStringLiteral("again.csv"));
    if (!SetupFile::writeSetupData(again, read))
        FuzzSupport::fail("an accepted setup cannot be written");
    SetupFile::SetupData reread;
    if (!SetupFile::readSetupData(again, reread, *catalogue))
        FuzzSupport::fail("a written setup is refused");
    if (!(reread == read))
        FuzzSupport::fail("a setup changed on writing and reading back");
    return 0;
}
