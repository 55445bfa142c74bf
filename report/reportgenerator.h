#pragma once

#include "report/reportcomposer.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class Catalogue;
class PanelWidget;
class QWidget;
class SystemContainerWidget;

// The report information dialog: facility name, address and installer
// company. True on OK with the three texts trimmed; false on Cancel or close.
// Its line edits are named facilityNameLineEdit, addressLineEdit and
// installerCompanyLineEdit, so tests can drive it through activeModalWidget().
bool askReportInformation(QWidget *parent, const QString &initialFacility, const QString &initialAddress,
                          const QString &initialInstaller, QString &facility, QString &address,
                          QString &installer);

// The plain values of one editor and its active loops.
Report::PanelInfo reportPanelInfo(const SystemContainerWidget *container);

// Asks for the report information, then writes the PDF. The three texts are
// the dialog's initial values and receive the accepted ones. False when the
// dialog is cancelled (nothing is written) or the file cannot be written (an
// existing file is left as it was).
bool generateReport(const QString &fileName, SystemContainerWidget *mainContainer,
                    const QList<SystemContainerWidget *> &expansionBoxContainers, const Catalogue *catalogue,
                    QString &facility, QString &address, QString &installer);

class QTextDocument;
// Moves every table row that would straddle a page break to the next page.
void keepTableRowsTogether(QTextDocument &document, qreal pageHeight);

// Lays the HTML out on A4 pages and paints it with a footer on every page.
bool writeReportPdf(const QString &fileName, const QString &html);
