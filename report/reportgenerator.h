#pragma once

#include "report/reportcomposer.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class Catalogue;
class PanelWidget;
class QWidget;
class SystemContainerWidget;

// What the report information dialog asks. The main window keeps the last
// answers, so the next report offers them again.
struct ReportInformation {
    QString facility;
    QString address;
    QString installer;
    // Optional project fields.
    QString projectReference;
    QString revision;
    QString preparedBy;
};

// The report information dialog. True on OK with every text trimmed; false on
// Cancel or close. Its line edits are named facilityNameLineEdit,
// addressLineEdit, installerCompanyLineEdit, projectReferenceLineEdit,
// revisionLineEdit and preparedByLineEdit, so tests can drive it through
// activeModalWidget().
bool askReportInformation(QWidget *parent, const ReportInformation &initial, ReportInformation &answer);

// The plain values of one editor and its active loops.
Report::PanelInfo reportPanelInfo(const SystemContainerWidget *container);

// Asks for the report information, then writes the PDF. `information` holds
// the dialog's initial values and receives the accepted ones. False when the
// dialog is cancelled (nothing is written) or the file cannot be written (an
// existing file is left as it was).
bool generateReport(const QString &fileName, SystemContainerWidget *mainContainer,
                    const QList<SystemContainerWidget *> &expansionBoxContainers, const Catalogue *catalogue,
                    ReportInformation &information);

// Lays the HTML out on A4 pages and paints it with a footer on every page.
// Each section starts a page; within it, table rows and lines are never split
// by a page, a heading or a box title never ends a page, table headers repeat
// on every page a table continues onto, and the title page stays on one page.
// `info` gives the PDF's title, author and subject.
bool writeReportPdf(const QString &fileName, const QString &html, const Report::DocumentInfo &info = {});
