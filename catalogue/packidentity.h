#pragma once

#include <QByteArray>
#include <QString>

// What names the installed product data. A data file carries no pack name or
// version field: its first line holds the data format version and the line
// after it, by the maker's habit, a free description of the range. The
// fingerprint (the data file's SHA-256) tells two packs of one format apart.
struct PackIdentity {
    QString name;          // the description line, else the data file's name
    QString formatVersion; // "2.0"
    QString fingerprint;   // the first 12 hex digits of the data file's SHA-256

    bool isEmpty() const { return name.isEmpty() && fingerprint.isEmpty(); }
    // "2.0, SHA-256 1a2b3c4d5e6f"
    QString versionText() const;

    // From the bytes of a data file and its file name.
    static PackIdentity fromData(const QByteArray &data, const QString &fileName);
    // The data file installed in the per-user data folder; empty when none.
    static PackIdentity installed();
};
