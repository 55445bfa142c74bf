#pragma once

#include "catalogue/records.h"
#include "setup/xmlimport.h"

#include <QString>
#include <QStringList>
#include <QVector>

// What an XML import will make of the chosen panel, loop by loop, before
// anything changes: so the user sees what is imported and what is left out,
// and why, and can still cancel. Widget-free.
namespace XmlImport
{

struct LoopPlan {
    QString number;     // the loop's number in the file
    int targetLoop = 0; // the design's loop it fills (from 1), 0 when left out
    QString leftOutBecause;
    LoopSummary summary;
};

struct ImportPlan {
    QString panelName;
    QString modelName;
    int loopsReached = 0; // loops the model reaches with all the loop cards it takes
    QVector<LoopPlan> loops;

    int importedLoops() const;
    // XML devices of imported loops that become nothing.
    int ignoredDevices() const;
};

// The loops in the order they fill the design (by number value); those
// beyond what the model reaches are left out with the reason.
ImportPlan planImport(const XmlPanel &panel, const Panel &model, const QVector<Device> &devices);

// Texts for the user, in the context "Exporter".
QString planHeadline(const ImportPlan &plan);
// "Loop 3 of the file (32 devices)"
QString loopTitle(const LoopPlan &loop);
// "Loop 2" or "Not imported"
QString loopOutcome(const LoopPlan &loop);
// One line per device imported, module count and group of ignored devices.
QStringList loopDetails(const LoopPlan &loop);

} // namespace XmlImport
