#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class Catalogue;

// Fixed texts of the report and its dialog share one translation context.
class Exporter
{
    Q_DECLARE_TR_FUNCTIONS(Exporter)
};

namespace Report
{

// One loop as the report shows it, read from its editor.
struct LoopInfo {
    QString cableType;
    QString topologyCode; // "A" or "B"
    double distributionFactor = 0;
    int loopLength = 0;
    int startDistance = 0;
    int endDistance = 0;
    QVector<QPair<QString, int>> devices; // name order
    QString faultText;
    QString noteText;
    bool degradedModeOk = true;
};

// A panel or an expansion box with its active loops.
struct PanelInfo {
    QString model;
    QString internalBattery; // "-" for none
    int batteryDegradation = 0;
    int soundersActive = 0;
    QString idleTime;
    QString alarmTime;
    QStringList cards; // a loop card once per installed card
    QString source1;
    QString battery1;
    QString source2;
    QString battery2;
    QString powerNotes;
    QString externalPowerNotes;
    QVector<LoopInfo> loops;
};

struct ReportData {
    QString facility;
    QString address;
    QString installer;
    QDate date;
    PanelInfo mainPanel;
    QVector<PanelInfo> expansionBoxes; // expansion box n is entry n - 1
};

// The whole report document as HTML. Every text that comes from the user or
// the product data is escaped, so a name such as "<b>&" shows literally.
QString composeReportHtml(const ReportData &data, const Catalogue &catalogue);

// The external battery box that source `sourceName` needs for `batteryName`,
// or an empty text when the source holds the battery itself or no box fits.
QString batteryBoxFor(const QString &sourceName, const QString &batteryName, const Catalogue &catalogue);

// Plain text as HTML: escaped, line breaks as <br>.
QString htmlText(const QString &text);

} // namespace Report
