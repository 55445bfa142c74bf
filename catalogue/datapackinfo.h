#pragma once

#include <QByteArray>
#include <QString>

// Which product data a result was computed from, as the installed data file
// names it. A data file carries no pack name field: its first line holds the
// data format version (and, when the maker fills it, the pack's own version
// in the third cell), and the line after it, by the maker's habit, a free
// description of the range. The file's SHA-256 pins it exactly.
struct DataPackInfo {
    QString name;          // the description line, else the data file's base name
    QString version;       // the pack's version, else the data format version
    QString formatVersion; // "2.0"
    QString file;          // the data file's name
    QString sha256;        // hex, 64 digits

    bool isEmpty() const { return name.isEmpty() && sha256.isEmpty(); }
    // The first 12 hex digits of the SHA-256: enough to tell two packs apart.
    QString fingerprint() const { return sha256.left(12); }
    // "2.0, SHA-256 1a2b3c4d5e6f"
    QString versionText() const;

    // From the bytes of a data file and its file name.
    static DataPackInfo fromData(const QByteArray &data, const QString &fileName);
    // The data file in `folder` (the per-user "/data" folder when empty);
    // empty fields when there is none.
    static DataPackInfo installed(const QString &folder = QString());
};
