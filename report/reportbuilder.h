#pragma once

#include "report/reportcomposer.h"
#include "report/reporttable.h"
#include "design/design.h"

#include <QDate>
#include <QString>

class Catalogue;
struct DesignEvaluation;
struct SystemEvaluation;

// The one way from an evaluated design to its report: the window (from what
// its editors hold) and the command line (from a setup file) both come here.
namespace Report
{

// One panel or expansion box with its loops, as its editors show them.
PanelInfo panelInfo(const SystemEvaluation &system);

// `design` with its project fields replaced by the report's information, for
// a report whose information was given for this one report.
Design withInformation(Design design, const ReportInformation &information);

// The whole report's values: the information as given, the main panel and
// every expansion box in the design's order.
ReportData reportData(const DesignEvaluation &design, const ReportInformation &information,
                      const QDate &date);
// The same with what only the design holds: its project information (which
// takes the place of the information's fields it fills) and battery methods.
ReportData reportData(const Design &design, const DesignEvaluation &evaluation,
                      const ReportInformation &information, const QDate &date);

// The loops' voltage profiles, by the names the report's HTML gives them.
// Drawing needs a graphical application object (fonts).
QMap<QString, QImage> profilePictures(const ReportData &data);

// A loop's schedule with the drops of each scenario, its margin and its
// status, as its page shows it (texts in the context "Exporter").
Table scheduleTable(const LoopSchedule &schedule, const LoopDeviceCheck &check);
// The loops' device schedules, by the names the report's HTML gives them.
QMap<QString, Table> scheduleTables(const ReportData &data);

// Composes today's report of `design` and writes it as a PDF. False when the
// file cannot be written; an existing file is then left as it was.
// `changesSection`, when given, is placed after the title page.
bool writeDesignReport(const QString &fileName, const DesignEvaluation &design, const Catalogue &catalogue,
                       const ReportInformation &information);
bool writeDesignReport(const QString &fileName, const Design &design, const DesignEvaluation &evaluation,
                       const Catalogue &catalogue, const ReportInformation &information,
                       const QString &changesSection = QString());

} // namespace Report
