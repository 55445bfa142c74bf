#pragma once

#include "design/design.h"

#include "report/reportbuilder.h"

#include <QString>

class Catalogue;
class QWidget;
struct DesignEvaluation;

// The report information dialog. True on OK with every text trimmed; false on
// Cancel or close. Its line edits are named facilityNameLineEdit,
// addressLineEdit, installerCompanyLineEdit, projectReferenceLineEdit,
// revisionLineEdit and preparedByLineEdit, so tests can drive it through
// activeModalWidget().
bool askReportInformation(QWidget *parent, const ReportInformation &initial, ReportInformation &answer);

// Asks for the report information, then writes the PDF of `design` (what the
// editors hold) under a busy cursor. `information` holds the dialog's initial
// values and receives the accepted ones. False when the dialog is cancelled
// (nothing is written) or the file cannot be written (an existing file is
// left as it was).
bool generateReport(QWidget *parent, const QString &fileName, const DesignEvaluation &design,
                    const Catalogue &catalogue, ReportInformation &information);
// The same for a whole design: its project information, battery methods and
// schedules reach the report.
bool generateReport(QWidget *parent, const QString &fileName, const Design &design,
                    const DesignEvaluation &evaluation, const Catalogue &catalogue, ReportInformation &information);
