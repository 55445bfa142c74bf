#pragma once

#include "catalogue/datapackinfo.h"
#include "design/design.h"
#include "design/designevaluation.h"

#include <QJsonObject>
#include <QString>

// A design and its evaluation as JSON for build servers. Every figure is
// given twice: as the text its label shows ("idleCurrent": "0.0294000 A") and
// as that text's number ("idleCurrentValue": 0.0294), so a script never has
// to parse units.
namespace DesignJson
{

// Raised when a field changes meaning or goes; new fields keep it.
constexpr int SchemaVersion = 2;

// The number a figure text shows: the part before its unit.
double valueOf(const QString &figureText);

QJsonObject projectObject(const ProjectInfo &project);
QJsonObject dataPackObject(const DataPackInfo &pack);
QJsonObject systemObject(const SystemEvaluation &system, const DesignEvaluation &design);
// One checked design: its file, status, project (null without one), panel
// and expansion boxes.
QJsonObject designObject(const QString &file, const Design &design, const DesignEvaluation &evaluation);

QString statusWord(bool fault);

} // namespace DesignJson
