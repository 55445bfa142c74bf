#pragma once

#include "design/design.h"
#include "design/designevaluation.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class Catalogue;

// Fixed texts of the exported tables.
class ExportTables
{
    Q_DECLARE_TR_FUNCTIONS(ExportTables)
};

namespace Exports
{

// One line of the bill of materials, in the report's order and with the
// report's texts. Cables are counted in metres, everything else in pieces.
struct BomRow {
    QString category;
    QString item;
    double quantity = 0;
    bool metres = false;
    QString description;
    // The record's picture name (Catalogue::imagePath finds its file); for
    // cables the cable picture's resource path.
    QString image;
};

// One unit as wired (from a loop schedule) or, for a loop without one, one
// device with its quantity.
struct DeviceRow {
    QString system;
    int loop = 0; // from 1
    bool scheduled = false;
    int position = 0; // scheduled only: metres from the OUT terminal
    QString address;  // scheduled only: the first address or "-"
    QString device;
    QString description;
    QString zone;
    QString location;
    int quantity = 0;
};

// One loop cable in use, with the loop's figures as its status shows them.
struct CableRow {
    QString system;
    int loop = 0; // from 1
    QString cableType;
    QString topology;
    int length = 0;
    int startDistance = 0;
    int endDistance = 0;
    int devices = 0;
    int addresses = 0;
    double alarmCurrent = 0;
    double voltageDrop = 0;
    double maxVoltageDrop = 0;
};

// The name of system -1 (the main panel) or box 0.. in the tables.
QString systemName(const Design &design, int system);

QVector<BomRow> billOfMaterials(const Design &design, const Catalogue &catalogue);
// The same from an evaluation already made of the design.
QVector<BomRow> billOfMaterials(const DesignEvaluation &evaluation, const Catalogue &catalogue);
QVector<DeviceRow> deviceSchedule(const Design &design);
// Loops with a length and devices, as the bill of materials counts cables.
QVector<CableRow> cableSchedule(const Design &design, const DesignEvaluation &evaluation);

// A table as a file holds it: texts stay texts, numbers stay numbers (int or
// double cells), and units are named in the headers.
struct Table {
    QString key;   // "bom", "devices" or "cables"
    QString title; // the sheet's name
    QStringList headers;
    QVector<QVariantList> rows;
};

enum class Kind { BillOfMaterials, DeviceSchedule, CableSchedule };
QString keyOf(Kind kind);
// False for a key no table has.
bool kindOf(const QString &key, Kind &kind);
QList<Kind> allKinds();

Table billOfMaterialsTable(const QVector<BomRow> &rows);
Table deviceScheduleTable(const QVector<DeviceRow> &rows);
Table cableScheduleTable(const QVector<CableRow> &rows);
// The table of `kind` for a design.
Table table(Kind kind, const Design &design, const DesignEvaluation &evaluation, const Catalogue &catalogue);

} // namespace Exports
