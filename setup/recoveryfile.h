#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class Catalogue;
class QLockFile;

namespace SetupFile
{
struct SetupData;
}

// The copy of a design with unsaved changes that the window keeps in the
// per-user data folder, so that a crash loses at most a few minutes of work.
// The copy is a setup file; a small file beside it names the design's own
// file, if it had one.
class RecoveryFile
{
public:
    // folder: where the copy lives (created when needed).
    explicit RecoveryFile(const QString &folder);
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile &) = delete;
    RecoveryFile &operator=(const RecoveryFile &) = delete;

    // The usual folder: "recovery" in the per-user data folder.
    static QString defaultFolder();

    // How many runs side by side keep a copy each.
    static constexpr int MaximumSlots = 8;

    // Claims a folder for this run of the program: the usual one, or when a
    // run that is still alive holds it (its copy is none of ours), one of its
    // own beside it. False when none is free.
    bool claim();
    bool isClaimed() const;
    // Which folder was claimed: 1 the usual one, 2 and on those beside it.
    int slot() const { return m_slot; }
    QString folder() const { return m_folder; }

    // Writes the copy atomically: a crash while writing leaves the previous
    // copy (or none), never half of one.
    bool write(const QString &setupText, const QString &sourceFile);
    bool exists() const;
    // When the copy was last written.
    QDateTime lastWritten() const;
    // The design's own file as it was when the copy was written; empty for an
    // untitled design (or when the name beside the copy is not this user's
    // regular file).
    QString sourceFile() const;
    // sourceFile() when it is one of `known` (the designs the user opened or
    // saved), else empty: a planted name would have Save overwrite any file.
    QString trustedSourceFile(const QStringList &known) const;
    // Reads the copy back and checks it whole; `data` is untouched on failure.
    // A copy that is a link or another user's file is refused unread.
    bool read(SetupFile::SetupData &data, const Catalogue &catalogue) const;
    // Moves a copy that does not read back out of the way under a name of its
    // own, and returns that name (empty if it could not be moved).
    QString setAside();
    void remove();

    QString path() const;

private:
    // Creates the folder, private to the user (0700); false when it is a
    // link or someone else's.
    bool preparedFolder() const;
    bool claimFolder();
    QString slotFolder(int slot) const;

    QString m_baseFolder;
    QString m_folder;
    int m_slot = 0;
    QLockFile *m_lock = nullptr;
};
