#pragma once

#include "catalogue/records.h"

#include <QString>
#include <QStringList>

class QIODevice;

// The catalogue data file: semicolon-separated text with a version line and
// titled sections. These functions are the reader behind
// Catalogue::parseDataFile(); benchmarks and the fuzzer call them directly.
namespace DataFile
{

// What a product range can hold: a file beyond these is damage or an
// attack (a million device rows take half a gigabyte and seconds a start).
constexpr int MaximumRecords = 10000; // rows of one kind
constexpr int MaximumCount = 100000;  // loops, addresses, boxes of a product
constexpr double MaximumFigure = 1e6; // currents in A, capacities in Ah, factors

// Reads a whole data file from an open device. When the version line is not
// the supported one, warns and returns false with `data` untouched.
// Otherwise the seven record lists of `data` are replaced by the file's
// records, and each factor table is replaced only when the file has its
// section. Rows with too few cells are skipped with a warning naming the line.
// A negative, infinite or absurd figure or count, or more rows of one kind
// than MaximumRecords, refuses the whole file with a warning naming the line;
// `data` is then untouched.
bool read(QIODevice &device, CatalogueData &data);

// Cell conversions of the data file.
double toDecimal(const QString &cell);   // "0,5" -> 0.5; "0.5" -> 0 (a point groups thousands)
int toInteger(const QString &cell);      // "+12" -> 12; "1.000" -> 0
bool toFlag(const QString &cell);        // "yes" in any case -> true
QStringList toList(const QString &cell); // "A, B" -> {"A", "B"}; "" -> {""}

// Names of the catalogue data files in a folder: files whose name ends with
// ".csv" exactly, in case-insensitive name order. The signature check and the
// reader both pick the data file from this list, so they always agree on it.
QStringList dataFileNames(const QString &folder);

} // namespace DataFile
