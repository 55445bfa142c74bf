// Feeds arbitrary bytes to the catalogue data file reader.

#include "catalogue/datafile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace
{
void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Warnings about short rows are expected here; keep the output readable.
    qInstallMessageHandler(quiet);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CatalogueData catalogue;
    DataFile::read(buffer, catalogue);
    return 0;
}
