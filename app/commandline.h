#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class Catalogue;
class QTextStream;
struct Design;

// What the program was asked to do on its command line. Everything but
// starting the window runs without a display.
namespace CommandLine
{

enum class Action { RunGui, ImportDataPack, Check, Report, Diff, Export, ShowHelp, ShowVersion, UsageError };

struct Request {
    Action action = Action::RunGui;
    QString file;      // the data pack of ImportDataPack, the setup file of Report;
                       // for RunGui, a file to open (may be empty)
    QStringList files; // the setup files of Check; old and new of Diff
    bool json = false; // Check, Diff: JSON instead of lines
    QString output;    // Report: the PDF to write; Export: the .xlsx or .csv
    QString facility;  // Report: the report information
    QString address;
    QString installer;
    QString compareWith; // Report: an earlier revision whose changes it lists
    // Report and Export: the language (empty: the remembered one, else
    // English) and project fields in place of the design's (null: not given).
    QString language;
    QString projectReference;
    QString revision;
    QString preparedBy;
    QString what;  // Export: "bom", "devices" or "cables"; empty: all three
    QString error; // what was wrong, for UsageError (one line)
};

// The arguments as the application object gives them, program name first.
Request parse(const QStringList &arguments);

// True when the raw arguments ask for something other than the window (or
// are wrong), so that no windowing system is needed. The toolkit's own
// options (-platform, -style ...) are left to the window.
bool isConsoleRequest(int argc, char **argv);
// The request the raw arguments make, with the toolkit's own options left out.
Request parseRaw(int argc, char **argv);

// Only the report paints (fonts, PDF): it needs a (possibly offscreen)
// graphical application object; everything else a plain one.
bool needsGuiApplication(const Request &request);

QString usage(const QString &program);

// Carries out a console request and returns the process exit code:
// 0 done (every design sound), 1 failed (a design has a fault), 2 a usage
// error or a file that cannot be read.
int run(const Request &request, const QString &program, QTextStream &out, QTextStream &err);

// Installs a data pack into the per-user data folder the window reads.
int importDataPack(const QString &file, QTextStream &out, QTextStream &err);

// Checks setup files against the installed product data.
int checkDesigns(const QStringList &files, bool json, QTextStream &out, QTextStream &err);

// The product data the window would use; false with the reason when there is none.
bool loadCatalogue(std::unique_ptr<Catalogue> &catalogue, QString &reason);
// Reads a design file; false with the warnings the reader logged as the reason.
bool readDesign(const QString &file, const Catalogue &catalogue, Design &design, QString &reason);

// Writes the PDF report of a setup file without a window.
int writeReport(const Request &request, QTextStream &out, QTextStream &err);

} // namespace CommandLine
