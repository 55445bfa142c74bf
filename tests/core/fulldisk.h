#pragma once

// A small file system that a test fills to the last byte, so that writes
// fail as they do on a full disk or over quota. Mounting needs the superuser
// (CI runs as root); elsewhere isValid() is false and skipReason() says why.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

class FullDisk
{
public:
    // `options` as for mount -o (size=64k; nr_inodes=N limits new files).
    explicit FullDisk(const QByteArray &options = "size=64k")
    {
        if (::geteuid() != 0) {
            m_reason = QStringLiteral("needs root to mount a small tmpfs");
            return;
        }
        if (!m_dir.isValid()) {
            m_reason = QStringLiteral("no temporary folder");
            return;
        }
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0, options.constData()) !=
            0) {
            m_reason =
                QStringLiteral("cannot mount a tmpfs here: ") + QString::fromLocal8Bit(strerror(errno));
            return;
        }
        m_mounted = true;
    }
    ~FullDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool isValid() const { return m_mounted; }
    QString skipReason() const { return m_reason; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // From now on nothing below path() may be written.
    bool remountReadOnly()
    {
        return ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_REMOUNT | MS_RDONLY,
                       nullptr) == 0;
    }

    // Fills every byte left with a filler file.
    bool fill()
    {
        QFile filler(filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        // Byte by byte for the last partial page.
        filler.unsetError();
        while (filler.write("f", 1) == 1 && filler.flush()) {
        }
        return true;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_reason;
};

// Skips the test with the reason when no full disk can be had.
#define REQUIRE_FULL_DISK(disk)                                                                              \
    do {                                                                                                     \
        if (!(disk).isValid())                                                                               \
        {                                                                                                    \
            QTest::qSkip(qPrintable(QStringLiteral("Full-disk test skipped: ") + (disk).skipReason()),       \
                         __FILE__, __LINE__);                                                                \
            return;                                                                                          \
        }                                                                                                    \
    } while (false)
