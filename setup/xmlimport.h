#pragma once

#include "catalogue/records.h"

#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;

// Reading the configuration software's XML export and turning its device
// types into catalogue devices. Widget-free; failures write their fixed log
// lines and return false.
namespace XmlImport
{

// Larger files are refused unread: a real export is far smaller.
constexpr qint64 MaxFileSize = 32 * 1024 * 1024;

// Bounds far above any real export (a network of a few dozen panels, loops
// of at most a few hundred addresses); beyond them a file is refused instead
// of filling the panel choice with millions of entries or megabytes of text.
constexpr int MaxPanels = 1000;
constexpr int MaxLoopsPerPanel = 256;
constexpr int MaxDevicesPerLoop = 2000;
constexpr int MaxDevices = 200000;
constexpr int MaxTextLength = 256;

struct XmlDevice {
    int type = 0;
    int extType = 0;
};

struct XmlPanel {
    QString name;
    // loop number text -> the loop's devices in document order
    QMap<QString, QVector<XmlDevice>> loops;
};

enum class ReadResult {
    Ok,
    Failed,
    // The version check found another version (in `foundVersion`); the
    // caller warns the user, and the import stops.
    UnsupportedVersion,
};

// Opens and reads the whole file: the version check when asked for, then the
// panels. Nothing is kept on failure.
ReadResult readFile(const QString &fileName, bool checkVersion, QVector<XmlPanel> &panels,
                    QString &foundVersion);

// The version of the first "CONFIG" element carrying one; false when there
// is none before the end or an XML error.
bool readVersion(QIODevice &device, QString &version);
// Every named "Panel" in document order. False (with the log line) on an XML
// error, a document type declaration, a count or text beyond the bounds
// above, or no named panel at all.
bool readPanels(QIODevice &device, QVector<XmlPanel> &panels);

// Entries of the two choice lists, in the context "Exporter".
QString panelEntry(const XmlPanel &panel);
QString modelEntry(const Panel &panel);

// The catalogue model that an XML panel's name names ("TXP 408", "Site 2 -
// txp-408"), ignoring case, blanks and hyphens between the words of the model
// name; the longest such model name, or -1 when none is named.
int modelNamedBy(const QString &panelName, const QVector<Panel> &models);

// Loop numbers ordered by integer value (non-integers count as 0); equal
// values keep text order.
QStringList orderedLoopNumbers(const XmlPanel &panel);

// Extra loops to ask for so that `loops` fit on a model with `baseLoops`:
// the difference rounded up to an even count (loop cards add two loops).
int extraLoopsFor(int loops, int baseLoops);

// Among devices of the category and subcategory, the one whose address count
// is closest; then the greater alarm current; then catalogue order. Empty
// record when none fits.
Device bestDeviceMatch(const QVector<Device> &devices, const QString &category, const QString &subcategory,
                       int addressCount);

// What one XML loop becomes: the catalogue devices it is imported as, and
// what of it finds no place, with the reason.
struct LoopSummary {
    int xmlDevices = 0;         // devices the export lists for the loop
    QMap<QString, int> devices; // catalogue device name -> count
    QStringList order;          // the matched devices in the export's order
    int modules = 0;            // modules spread over several XML devices, each counted once
    int moduleDevices = 0;      // the XML devices those modules cover
    // (type, ext_type) -> XML devices of a type the import has no device for
    QMap<QPair<int, int>, int> unknownTypes;
    // (category, subcategory) -> XML devices the catalogue has no device of
    QMap<QPair<QString, QString>, int> unmatched;
};

LoopSummary summariseLoop(const QVector<XmlDevice> &xmlDevices, const QVector<Device> &devices);

// Catalogue device name -> count for one XML loop. A multi-address module
// spread over consecutive XML devices counts once.
QMap<QString, int> loopDeviceMap(const QVector<XmlDevice> &xmlDevices, const QVector<Device> &devices);
// The same units one by one, in the export's order: the loop as wired.
QStringList loopDeviceOrder(const QVector<XmlDevice> &xmlDevices, const QVector<Device> &devices);

} // namespace XmlImport
