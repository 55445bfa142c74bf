#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

// Signing catalogue data files and writing data packs. Used by the
// kalvix-packbuilder program, the build of the demo pack and the tests
// (which also craft hostile packs with it).
namespace PackTool
{

struct Entry {
    enum Kind { File, Folder, SymbolicLink };
    QString name;
    QByteArray content; // a symbolic link's target for SymbolicLink
    Kind kind = File;
    bool encrypted = true; // protected with the data pack password
};

// RSA (at least 2048 bits), SHA-256, PKCS#1 v1.5: the raw signature bytes,
// or an empty array with `error` set.
QByteArray sign(const QByteArray &data, const QByteArray &privateKeyPem, QString *error = nullptr);

// Writes the entries, in order, into a new zip archive at `path` (replacing
// any file there only once the archive is complete).
bool writePack(const QString &path, const QVector<Entry> &entries, QString *error = nullptr);

// The entries of a data pack: the data file, its signature (same base name
// with ".sig") and every file of `imagesFolder` (may be empty) under "images/".
bool packEntries(const QString &dataFile, const QString &imagesFolder, const QByteArray &privateKeyPem,
                 QVector<Entry> &entries, QString *error = nullptr);

// packEntries and writePack in one step, reading the key from `keyFile`.
bool buildPack(const QString &dataFile, const QString &imagesFolder, const QString &keyFile,
               const QString &output, QString *error = nullptr);

} // namespace PackTool
