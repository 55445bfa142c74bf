#pragma once

// Shared by the fuzz targets: silence for expected warnings, the demo range.

#include "catalogue/datafile.h"

#include <QFile>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

namespace FuzzSupport
{

inline void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    // Refusals are expected by the thousand; anything fatal still ends the run.
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
        std::abort();
    }
}

// The demo product range, read straight from its data file.
inline CatalogueData demoData()
{
    CatalogueData data;
    QFile file(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text) || !DataFile::read(file, data))
        qFatal("cannot read the demo catalogue");
    return data;
}

// Stops the run with a message libFuzzer reports as a crash.
[[noreturn]] inline void fail(const char *what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

// Bytes that end right before a page nobody may read: the toolkit's own code
// is not instrumented, so a read past the end would go unseen without it;
// with it, it stops the run at once.
class GuardedBytes
{
public:
    explicit GuardedBytes(const QByteArray &bytes)
    {
        const size_t page = size_t(::sysconf(_SC_PAGESIZE));
        m_size = size_t(bytes.size());
        m_mapped = ((m_size + page - 1) / page + 1) * page;
        void *memory = ::mmap(nullptr, m_mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory == MAP_FAILED) {
            m_mapped = 0;
            return;
        }
        m_base = static_cast<uchar *>(memory);
        ::mprotect(m_base + m_mapped - page, page, PROT_NONE);
        m_data = m_base + m_mapped - page - m_size;
        std::memcpy(m_data, bytes.constData(), m_size);
    }
    ~GuardedBytes()
    {
        if (m_base)
            ::munmap(m_base, m_mapped);
    }
    GuardedBytes(const GuardedBytes &) = delete;
    GuardedBytes &operator=(const GuardedBytes &) = delete;

    const uchar *data() const { return m_data; }
    int size() const { return int(m_size); }
    bool isValid() const { return m_base != nullptr; }

private:
    uchar *m_base = nullptr;
    uchar *m_data = nullptr;
    size_t m_size = 0;
    size_t m_mapped = 0;
};

} // namespace FuzzSupport
