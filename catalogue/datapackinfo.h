#pragma once

#include <QString>

// Which product data a result was computed from, as the installed data file
// names it: its title line (the line after the version line) gives the name,
// the version line's third cell the pack's version (the data format version
// when that cell is empty), and the file's SHA-256 pins it exactly.
struct DataPackInfo {
    QString name;
    QString version;
    QString file;
    QString sha256;

    // The data file in `folder` (the per-user "/data" folder when empty);
    // empty fields when there is none.
    static DataPackInfo installed(const QString &folder = QString());
};
