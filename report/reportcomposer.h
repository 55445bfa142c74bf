#pragma once

#include "design/design.h"
#include "loop/loopcalculation.h"
#include "loop/loopconfig.h"
#include "loop/loopdevicecheck.h"
#include "panel/batterymethod.h"
#include "loop/loopmessages.h"
#include "panel/panelcalculation.h"
#include "panel/panelmessages.h"

#include <QCoreApplication>
#include <QDate>
#include <QImage>
#include <QMap>
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

// What the report information dialog asks (the command line takes the first
// three as options). The main window keeps the last answers, so the next
// report offers them again.
struct ReportInformation {
    QString facility;
    QString address;
    QString installer;
    // Optional; shown on the title page only when filled.
    QString projectReference;
    QString revision;
    QString preparedBy;
};

namespace Report
{

// One loop as the report shows it: as its editor shows it.
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
    // The loop status as the editor shows it, and the panel's limits for it.
    LoopCalc::LoopResults figures;
    LoopLimits limits;
    LoopMessages::Faults faults;
    // The name of the loop's device schedule among the report's tables
    // (empty when the loop has no schedule): the loop page ends with it,
    // followed by the device check's faults.
    QString scheduleTable;
    // The name of the loop's voltage profile among the report's pictures
    // (empty when the loop has no schedule), and what it is drawn from.
    QString profilePicture;
    LoopSchedule schedule;
    LoopDeviceCheck deviceCheck;
    bool scheduled = false; // the design holds a schedule for this loop
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
    // The power figures as the editor shows them.
    double totalIdleCurrent = 0;
    double totalAlarmCurrent = 0;
    double minimumBatteryRequired = 0;
    double selectedTotalBattery = 0;
    // Each active loop's currents as the panel holds them (already scaled).
    QVector<PanelCalculation::CurrentPair> loopCurrents;
    PanelCalculation::OutputCurrents outputs;
    // How minimumBatteryRequired was found (the maker's method unless a
    // standard was chosen).
    BatterySizing::Result batterySizing;
    PanelMessages::FaultFlags flags;
    BatteryMethod batteryMethod = BatteryMethod::Maker;
};

// The report information with the date and the design's values.
struct ReportData : ReportInformation {
    QDate date;
    // From the design's project information, when it has one.
    QString checkedBy;
    QString dateOfIssue;
    QVector<RevisionEntry> revisions;
    // The installed product data, as far as it names itself.
    QString dataPackName;
    QString dataPackVersion;
    PanelInfo mainPanel;
    QVector<PanelInfo> expansionBoxes; // expansion box n is entry n - 1
};

// The place a loop's voltage profile takes on its page, in the report's
// layout units (the page's body is about 527 wide); its picture is drawn at
// ProfileScale times that.
constexpr QSize ProfileSize(520, 230);
constexpr int ProfileScale = 2;

// The whole report document as HTML. Every text that comes from the user or
// the product data is escaped, so a name such as "<b>&" shows literally.
QString composeReportHtml(const ReportData &data, const Catalogue &catalogue);

// The PDF's title, author and subject, from the report information.
struct DocumentInfo {
    QString title;
    QString author;
    QString subject;
    // The middle of every page's footer: the project reference and revision.
    QString footer;
};
DocumentInfo documentInfo(const ReportData &data);

// The calculation sheet: per panel the battery and power load calculation
// written out, per loop one row of figures against their limits, and the
// method. Part of composeReportHtml, after the equipment summary.
QString composeCalculationSheet(const ReportData &data, const Catalogue &catalogue);

// How close a figure is to its limit: (limit - value) / limit in percent.
// Negative when over; not defined for a limit of 0 or less.
bool marginPercent(double value, double limit, double &percent);

// The external battery box that source `sourceName` needs for `batteryName`,
// or an empty text when the source holds the battery itself or no box fits.
QString batteryBoxFor(const QString &sourceName, const QString &batteryName, const Catalogue &catalogue);

// The titles of the fault and note boxes, which belong with the text below them.
QStringList boxTitles();

// Plain text as HTML: escaped, line breaks as <br>.
QString htmlText(const QString &text);

// The overall verdict: every fault of the design and where it is.
struct Verdict {
    QStringList faults; // "Main panel: Loop 2", "Expansion Box 1: battery" ...
    // The same, one line per panel: "Main panel: battery, Loops 2, 5".
    QStringList summary;
    bool pass() const { return faults.isEmpty(); }
};
Verdict verdictOf(const ReportData &data);

// A date as the report's language writes it ("9 December 2026", "9 de
// diciembre de 2026").
QString reportDate(const QDate &date);

// The cover: title, verdict, project information, data pack and sign-off.
QString composeCover(const ReportData &data);
// The revision history and the basis of design, on the page after the cover.
QString composeRevisionsAndBasis(const ReportData &data);
// Per loop of every panel: cable, section, lengths, loop resistance, topology.
QString composeCableSchedule(const ReportData &data, const Catalogue &catalogue);
// A loop's results against its limits, for its configuration page.
QString loopResultsTable(const LoopInfo &loop);
// A panel's output currents, for its configuration page.
QString outputCurrentsTable(const PanelInfo &panel);

// One row of the bill of materials: the quantity on each panel (main panel
// first, then every expansion box) and over the whole design.
struct MaterialRow {
    QString item;
    QString description;
    QString image; // a picture path, or empty
    QVector<qint64> perSystem;
    qint64 total = 0;
    QString unit; // " m" for cable, else empty
    // For a loop device: its category and subcategory as the device tree
    // names them ("Detectors, Optical smoke"); else empty.
    QString kind;
};
struct MaterialCategory {
    QString title; // "PANEL", "LOOP DEVICES" ...
    QVector<MaterialRow> rows;
};
QVector<MaterialCategory> billOfMaterials(const ReportData &data, const Catalogue &catalogue);
// The equipment summary section from the bill of materials.
QString composeEquipmentSummary(const ReportData &data, const Catalogue &catalogue);

// Table pieces shared by the report's sections (inline styles keep the
// described style sheet untouched).
QString tableStart(int fontPoints = 9);
QString headerCells(const QStringList &cells, int fontPoints = 9, const QList<int> &widths = {});
QString cells(const QStringList &cells, int fontPoints = 9, bool boldFirst = false);
QString verdictText(bool ok);

} // namespace Report
