#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QTranslator;

// A compiled translation (.qm) is untrusted input: the toolkit's loader reads
// beyond its buffer, divides by zero or loads further files on damaged ones.
// Every translation is checked whole here before the loader sees it.
namespace TranslationFile
{

// Far beyond any translation of ours.
constexpr qint64 MaximumBytes = qint64(16) * 1024 * 1024;

// Checks the structure the loader and its look-ups rely on: the magic number,
// every block's size, the hash table's offsets, every message record reached
// from it and the context table, all within bounds; no dependencies on other
// files. `reason` says what failed.
bool isSafe(const QByteArray &bytes, QString *reason = nullptr);

// Reads `path` (a regular file only; a pipe or a device would block), checks
// it and loads exactly those bytes into `translator`, which keeps them.
bool load(QTranslator &translator, const QString &path, QString *reason = nullptr);

} // namespace TranslationFile
