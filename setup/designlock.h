#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QLockFile;

// Marks a design file as open in this run of the program, so that another
// run opening it can say so. The mark is a lock file in the per-user data
// folder named after the design's path; it names the process, its host and
// (by its time) since when. A mark whose process is gone is taken over.
class DesignLock
{
public:
    // folder: where the marks live (created when needed).
    explicit DesignLock(const QString &folder = defaultFolder());
    ~DesignLock();
    DesignLock(const DesignLock &) = delete;
    DesignLock &operator=(const DesignLock &) = delete;

    // "locks" in the per-user data folder.
    static QString defaultFolder();

    // Who holds a design open.
    struct Holder {
        qint64 pid = 0;
        QString host;
        QDateTime since;
    };

    // Marks `designFile` as open here, letting go of the design marked
    // before. False when another live run holds it; `holder` then says who.
    bool acquire(const QString &designFile, Holder *holder = nullptr);
    void release();
    QString lockedFile() const { return m_file; }

    // The mark's file for a design.
    QString lockPath(const QString &designFile) const;

private:
    QString m_folder;
    QString m_file;
    QString m_lockPath;
    QLockFile *m_lock = nullptr;
};

// What a design file held when it was last read or written here, to tell
// whether someone else changed it since.
namespace DiskState
{
// The file's contents fingerprint; empty when it cannot be read.
QByteArray fingerprint(const QString &fileName);
} // namespace DiskState
