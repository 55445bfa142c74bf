// Feeds arbitrary bytes to the catalogue data file reader.

#include "catalogue/datafile.h"
#include "fuzzsupport.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Warnings about short rows are expected here; keep the output readable.
    qInstallMessageHandler(FuzzSupport::quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    // Both ways a file reaches the reader: the start-up in text mode, and
    // bytes as stored.
    for (const QIODevice::OpenMode mode : {QIODevice::OpenMode(QIODevice::ReadOnly | QIODevice::Text),
                                           QIODevice::OpenMode(QIODevice::ReadOnly)}) {
        QBuffer buffer(&bytes);
        buffer.open(mode);
        CatalogueData catalogue;
        DataFile::read(buffer, catalogue);
    }
    return 0;
}
