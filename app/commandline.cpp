#include "app/commandline.h"

#include "core/constants.h"
#include "app/diffcommand.h"
#include "app/exportcommand.h"
#include "catalogue/catalogue.h"
#include "core/safewrite.h"
#include "catalogue/datapackinfo.h"
#include "design/comparisontext.h"
#include "design/designcomparison.h"
#include "catalogue/displayformat.h"
#include "design/designevaluation.h"
#include "design/designfile.h"
#include "design/designjson.h"
#include "report/reportbuilder.h"
#include "setup/setupfile.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace CommandLine
{

namespace
{

const QString ImportOption = QStringLiteral("import-data-pack");

// Options of the toolkit itself, which the window's application object takes
// out of the arguments; those followed by a value take the next argument too.
const QStringList ToolkitOptionsWithValue = {"-platform",
                                             "-platformpluginpath",
                                             "-platformtheme",
                                             "-plugin",
                                             "-qmljsdebugger",
                                             "-style",
                                             "-stylesheet",
                                             "-session",
                                             "-display",
                                             "-geometry",
                                             "-qwindowgeometry",
                                             "-qwindowicon",
                                             "-qwindowtitle",
                                             "-title",
                                             "-name",
                                             "-font",
                                             "-fn",
                                             "-background",
                                             "-bg",
                                             "-foreground",
                                             "-fg",
                                             "-button",
                                             "-btn",
                                             "-im",
                                             "-inputstyle",
                                             "-visual",
                                             "-ncols",
                                             "-cmap",
                                             "-dpi"};
const QStringList ToolkitFlags = {"-reverse", "-widgetcount",    "-nograb",     "-dograb",
                                  "-sync",    "-graphicssystem", "-testability"};

// Collects the warnings a reader logs, to tell the user why a file failed.
class WarningRecorder
{
public:
    WarningRecorder()
    {
        s_messages = &m_messages;
        m_previous = qInstallMessageHandler(record);
    }
    ~WarningRecorder()
    {
        qInstallMessageHandler(m_previous);
        s_messages = nullptr;
    }
    QStringList messages() const { return m_messages; }

private:
    static void record(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        if (s_messages && type != QtDebugMsg && type != QtInfoMsg)
            s_messages->append(message);
    }
    static QStringList *s_messages;
    QStringList m_messages;
    QtMessageHandler m_previous = nullptr;
};
QStringList *WarningRecorder::s_messages = nullptr;

// A text of several lines on one line.
QString oneLine(const QString &text)
{
    QStringList parts;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            parts.append(trimmed);
    }
    return parts.join(QLatin1Char(' '));
}

QString programName(const QString &program)
{
    const QString name = QFileInfo(program).fileName();
    return name.isEmpty() ? Constants::ApplicationName : name;
}

QString statusWord(bool fault)
{
    return DesignJson::statusWord(fault);
}

QString panelFaults(const SystemEvaluation &system)
{
    const PanelEvaluation &p = system.panel;
    QStringList texts;
    if (p.flags.hasBatteryFault) {
        QString text = oneLine(p.battery.text);
        if (p.batterySizing.method != BatteryMethod::Maker)
            text += QStringLiteral(" (battery method: %1)").arg(BatterySizing::name(p.batterySizing.method));
        texts << text;
    }
    if (p.flags.hasPowerLoadFault)
        texts << oneLine(p.powerLoad.text);
    if (p.flags.hasLoopFault) {
        QStringList loops;
        for (int i = 0; i < p.loopFaults.size(); ++i) {
            if (p.loopFaults.at(i))
                loops << QString::number(i + 1);
        }
        texts << QStringLiteral("Faults in loop(s) %1.").arg(loops.join(QStringLiteral(", ")));
    }
    return texts.join(QLatin1Char(' '));
}

void writeSystemLines(const SystemEvaluation &system, QTextStream &out)
{
    const QString title = system.isExpansionBox ? QStringLiteral("Expansion box ") + system.displayName
                                                : QStringLiteral("Panel ") + system.config.model;
    const bool panelFault = system.panel.flags.any();
    out << "  " << title << ": " << statusWord(panelFault);
    if (panelFault)
        out << ": " << panelFaults(system);
    out << "\n";
    // The figures each verdict rests on, so a log is readable without --json.
    const PanelEvaluation &panel = system.panel;
    const int ah = Display::decimalsToTell(panel.figures.minimumBatteryRequired, panel.figures.selectedTotalBattery, 2, 4);
    out << "  " << title << " battery: " << statusWord(panel.flags.hasBatteryFault) << ": required "
        << Display::fixed(panel.figures.minimumBatteryRequired, ah) << " Ah, selected "
        << Display::fixed(panel.figures.selectedTotalBattery, ah) << " Ah\n";
    for (int i = 0; i < system.loopResults.size(); ++i) {
        const LoopEvaluation &loop = system.loopResults.at(i);
        const auto check = system.deviceChecks.constFind(i);
        const bool checkFault = check != system.deviceChecks.constEnd() && check->hasFault();
        const LoopCalc::LoopResults &r = loop.results;
        const int v = Display::decimalsToTell(r.voltageDrop, r.maxVoltageDrop, 3);
        const int a = Display::decimalsToTell(r.alarmCurrent, r.maxCurrent, 3);
        out << "  " << title << " loop " << i + 1 << ": " << statusWord(loop.hasFault() || checkFault) << ": drop "
            << Display::fixed(r.voltageDrop, v) << " V of max " << Display::fixed(r.maxVoltageDrop, v)
            << " V, alarm current " << Display::fixed(r.alarmCurrent, a) << " A of max "
            << Display::fixed(r.maxCurrent, a) << " A";
        QStringList faults;
        if (loop.hasFault())
            faults << oneLine(loop.faultsText);
        if (checkFault)
            faults << oneLine(check->faultsText);
        if (!faults.isEmpty())
            out << ": " << faults.join(QLatin1Char(' '));
        out << "\n";
    }
}

// Parses with the toolkit's own options taken out (see isConsoleRequest).
Request parseArguments(const QStringList &arguments)
{
    if (DiffCommand::isDiffRequest(arguments))
        return DiffCommand::parse(arguments);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help", "?"}, "Show this help.");
    const QCommandLineOption version({"v", "version"}, "Show the version.");
    const QCommandLineOption import(ImportOption, "Install a data pack.", "file");
    const QCommandLineOption check("check", "Check setup files.");
    const QCommandLineOption json("json", "Check setup files, as JSON.");
    const QCommandLineOption report("report", "Write the report of a setup file.", "file");
    const QCommandLineOption output("output", "The report's PDF file, the export's .xlsx or .csv.", "file");
    const QCommandLineOption exportTables("export", "Write the bill of materials and schedules.", "file");
    const QCommandLineOption what("what", "The one table to export: bom, devices or cables.", "table");
    const QCommandLineOption language("language", "The language of the report or export.", "code");
    const QCommandLineOption projectRef("project-ref", "Project reference of the report or export.", "text");
    const QCommandLineOption revision("revision", "Revision of the report or export.", "text");
    const QCommandLineOption preparedBy("prepared-by", "Prepared by, of the report or export.", "text");
    const QCommandLineOption facility("facility", "Facility name of the report.", "text");
    const QCommandLineOption address("address", "Address of the report.", "text");
    const QCommandLineOption installer("installer", "Installer company of the report.", "text");
    const QCommandLineOption compareWith("compare-with",
                                         "An earlier revision the report lists changes since.", "file");
    parser.addOptions({help, version, import, check, json, report, output, facility, address, installer,
                       compareWith, exportTables, what, language, projectRef, revision, preparedBy});

    Request request;
    const auto fail = [&request](const QString &error) {
        request = Request();
        request.action = Action::UsageError;
        request.error = error;
        return request;
    };
    const bool parsed = parser.parse(arguments);
    // Asking for help wins over any mistake.
    if (arguments.mid(1).contains("--help") || arguments.mid(1).contains("-h") ||
        arguments.mid(1).contains("-?") || (parsed && parser.isSet(help))) {
        request.action = Action::ShowHelp;
        return request;
    }
    if (!parsed)
        return fail(parser.errorText());
    for (const QCommandLineOption *option :
         {&import, &report, &output, &facility, &address, &installer, &compareWith, &exportTables, &what,
          &language, &projectRef, &revision, &preparedBy}) {
        if (parser.values(*option).size() > 1)
            return fail(QStringLiteral("--%1 given more than once").arg(option->names().constLast()));
    }
    const bool checking = parser.isSet(check) || parser.isSet(json);
    const int actions = int(parser.isSet(version)) + int(parser.isSet(import)) + int(checking) +
                        int(parser.isSet(report)) + int(parser.isSet(exportTables));
    if (actions > 1)
        return fail(QStringLiteral(
            "--version, --import-data-pack, --check, --report and --export cannot be combined"));
    for (const QCommandLineOption *option : {&facility, &address, &installer, &compareWith}) {
        if (parser.isSet(*option) && !parser.isSet(report))
            return fail(QStringLiteral("--%1 belongs to --report").arg(option->names().constLast()));
    }
    const bool writing = parser.isSet(report) || parser.isSet(exportTables);
    for (const QCommandLineOption *option : {&output, &language, &projectRef, &revision, &preparedBy}) {
        if (parser.isSet(*option) && !writing)
            return fail(
                QStringLiteral("--%1 belongs to --report or --export").arg(option->names().constLast()));
    }
    if (parser.isSet(what) && !parser.isSet(exportTables))
        return fail(QStringLiteral("--what belongs to --export"));
    // Null when not given, so an empty value can still clear the design's.
    const auto given = [&parser](const QCommandLineOption &option) {
        if (!parser.isSet(option))
            return QString();
        const QString value = parser.value(option);
        return value.isNull() ? QStringLiteral("") : value;
    };
    request.language = parser.value(language);
    request.projectReference = given(projectRef);
    request.revision = given(revision);
    request.preparedBy = given(preparedBy);
    request.what = parser.value(what);
    const QStringList positional = parser.positionalArguments();
    const bool otherAction =
        parser.isSet(version) || parser.isSet(import) || parser.isSet(report) || parser.isSet(exportTables);
    // Without a command, one file for the window to open (a design or a data
    // pack, as a file manager hands it over); nothing may follow it.
    const int allowed = checking ? positional.size() : (otherAction ? 0 : 1);
    if (positional.size() > allowed)
        return fail(QStringLiteral("unexpected argument %1").arg(positional.at(allowed)));

    if (parser.isSet(version)) {
        request.action = Action::ShowVersion;
    } else if (parser.isSet(import)) {
        request.file = parser.value(import);
        if (request.file.isEmpty())
            return fail(QStringLiteral("--%1 needs the data pack file").arg(ImportOption));
        request.action = Action::ImportDataPack;
    } else if (checking) {
        if (positional.isEmpty())
            return fail(QStringLiteral("--check needs at least one setup file"));
        request.action = Action::Check;
        request.files = positional;
        request.json = parser.isSet(json);
    } else if (parser.isSet(report)) {
        request.file = parser.value(report);
        request.output = parser.value(output);
        if (request.file.isEmpty())
            return fail(QStringLiteral("--report needs the setup file"));
        if (request.output.isEmpty())
            return fail(QStringLiteral("--report needs --output OUT.pdf"));
        request.facility = parser.value(facility);
        request.address = parser.value(address);
        request.installer = parser.value(installer);
        request.compareWith = parser.value(compareWith);
        request.action = Action::Report;
    } else if (parser.isSet(exportTables)) {
        request.file = parser.value(exportTables);
        request.output = parser.value(output);
        if (request.file.isEmpty())
            return fail(QStringLiteral("--export needs the setup file"));
        if (request.output.isEmpty())
            return fail(QStringLiteral("--export needs --output OUT.xlsx or OUT.csv"));
        QString reason;
        if (exportTargets(request.output, request.what, reason).isEmpty())
            return fail(reason);
        request.action = Action::Export;
    } else if (!positional.isEmpty()) {
        if (positional.first().isEmpty())
            return fail(QStringLiteral("unexpected argument \"\""));
        request.file = positional.first();
    }
    return request;
}

} // namespace

bool loadCatalogue(std::unique_ptr<Catalogue> &catalogue, QString &reason)
{
    WarningRecorder warnings;
    catalogue.reset(new Catalogue);
    if (catalogue->integrityFailed() || catalogue->panels().isEmpty()) {
        reason =
            QStringLiteral("no valid product data installed (install a data pack with --import-data-pack)");
        if (!warnings.messages().isEmpty())
            reason += QStringLiteral(": ") + warnings.messages().join(QStringLiteral("; "));
        return false;
    }
    return true;
}

bool readDesign(const QString &file, const Catalogue &catalogue, Design &data, QString &reason)
{
    WarningRecorder warnings;
    if (DesignFile::read(file, data, catalogue))
        return true;
    reason = warnings.messages().isEmpty() ? QStringLiteral("not a valid setup file")
                                           : warnings.messages().join(QStringLiteral("; "));
    return false;
}

Request parse(const QStringList &arguments)
{
    return parseArguments(arguments);
}

Request parseRaw(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (i > 0 && ToolkitOptionsWithValue.contains(arg)) {
            ++i; // and its value
            continue;
        }
        if (i > 0 && ToolkitFlags.contains(arg))
            continue;
        arguments << arg;
    }
    return parseArguments(arguments);
}

bool isConsoleRequest(int argc, char **argv)
{
    return parseRaw(argc, argv).action != Action::RunGui;
}

bool needsGuiApplication(const Request &request)
{
    return request.action == Action::Report;
}

QString usage(const QString &program)
{
    return QStringLiteral(
               "Usage: %1 [FILE]\n"
               "       %1 --import-data-pack FILE\n"
               "       %1 --check [--json] SETUP.csv...\n"
               "       %1 --report SETUP.csv --output OUT.pdf [--facility TEXT] [--address TEXT]\n"
               "                  [--installer TEXT] [--compare-with OLD.csv] [PROJECT OPTIONS]\n"
               "       %1 --diff [--json] OLD.csv NEW.csv\n"
               "       %1 --export SETUP.csv --output OUT.xlsx|OUT.csv [--what bom|devices|cables]\n"
               "                  [PROJECT OPTIONS]\n"
               "\n"
               "Without options, %2 opens its window; given a design (.csv) or a data pack\n"
               "(.tarvex), the window opens it. The other commands need no display.\n"
               "\n"
               "  --import-data-pack FILE  verify and install a .tarvex data pack for this user\n"
               "  --check FILE...          check setup files against the installed data: one line\n"
               "                           per panel, expansion box and loop, OK or FAULT with the\n"
               "                           fault texts; exit code 0 when every design is sound,\n"
               "                           1 when any has a fault, 2 when any cannot be read\n"
               "  --json                   with --check (or alone): every figure and text as JSON;\n"
               "                           with --diff: the changes as JSON\n"
               "  --diff OLD NEW           what changed between two revisions of a design, by panel,\n"
               "                           box and loop, verdicts that moved first; exit code 0 when\n"
               "                           they are the same, 1 when they differ, 2 when either\n"
               "                           cannot be read\n"
               "  --report FILE            write the PDF report of a setup file to --output\n"
               "  --output FILE            the PDF the report is written to\n"
               "  --facility, --address, --installer TEXT\n"
               "                           the report information\n"
               "  --compare-with FILE      with --report: add \"Changes since revision <r>\" against an\n"
               "                           earlier revision of the design\n"
               "  --export FILE            write the bill of materials, device schedule and cable\n"
               "                           schedule of a setup file to --output: one .xlsx workbook\n"
               "                           with a sheet each, or .csv files (OUT-bom.csv,\n"
               "                           OUT-devices.csv, OUT-cables.csv)\n"
               "  --what TABLE             with --export: only bom, devices or cables\n"
               "PROJECT OPTIONS (--report and --export):\n"
               "  --language CODE          en or es (default: the language last chosen, else en)\n"
               "  --project-ref, --revision, --prepared-by TEXT\n"
               "                           in place of the design's project information\n"
               "  -h, --help               show this help\n"
               "  -v, --version            show the version\n")
        .arg(programName(program), Constants::ApplicationName);
}

int importDataPack(const QString &file, QTextStream &out, QTextStream &err)
{
    // An empty catalogue: installing does not need the data installed now,
    // and checking it would only log a warning.
    Catalogue catalogue{CatalogueData()};
    if (!catalogue.installDataPack(file)) {
        if (catalogue.lastInstallWasBusy())
            err << "Another data pack installation is running; nothing was changed. Try again when it has "
                   "finished.\n";
        else if (!catalogue.lastInstallError().isEmpty())
            err << "Cannot write the product data: " << catalogue.lastInstallError()
                << "; nothing was changed.\n";
        err << "Failed to install data pack: " << file << "\n";
        err.flush();
        return 1;
    }
    out << "Data pack installed: " << file << "\n";
    out.flush();
    return 0;
}

int checkDesigns(const QStringList &files, bool json, QTextStream &out, QTextStream &err)
{
    std::unique_ptr<Catalogue> catalogue;
    QString reason;
    if (!loadCatalogue(catalogue, reason)) {
        err << "Cannot check: " << reason << "\n";
        err.flush();
        return 2;
    }
    bool anyFault = false;
    bool anyUnreadable = false;
    QJsonArray designs;
    for (const QString &file : files) {
        Design data;
        if (!readDesign(file, *catalogue, data, reason)) {
            anyUnreadable = true;
            if (json)
                designs.append(QJsonObject{{"file", file}, {"status", "ERROR"}, {"error", reason}});
            else
                out << file << ": ERROR: " << reason << "\n";
            continue;
        }
        const DesignEvaluation design = DesignEvaluation::evaluate(data, *catalogue);
        anyFault = anyFault || design.hasFault();
        if (json) {
            designs.append(DesignJson::designObject(file, data, design));
        } else {
            out << file << ": " << statusWord(design.hasFault()) << "\n";
            writeSystemLines(design.main, out);
            for (const SystemEvaluation &box : design.boxes)
                writeSystemLines(box, out);
        }
    }
    if (json)
        out << QJsonDocument(QJsonObject{{"schemaVersion", DesignJson::SchemaVersion},
                                         {"dataPack", DesignJson::dataPackObject(DataPackInfo::installed())},
                                         {"designs", designs}})
                   .toJson(QJsonDocument::Indented);
    out.flush();
    return anyUnreadable ? 2 : anyFault ? 1 : 0;
}

int writeReport(const Request &request, QTextStream &out, QTextStream &err)
{
    // Refused before anything is read: the design itself, a folder, a named
    // pipe or a device is no place for a PDF.
    QString reason = SafeWrite::refusalReason(request.output, {request.file});
    if (!reason.isEmpty()) {
        err << "Failed to write the report: " << request.output << ": " << reason << "\n";
        err.flush();
        return 2;
    }
    std::unique_ptr<Catalogue> catalogue;
    Design data;
    if (!loadCatalogue(catalogue, reason) || !readDesign(request.file, *catalogue, data, reason)) {
        err << request.file << ": ERROR: " << reason << "\n";
        err.flush();
        return 2;
    }
    if (!installLanguage(request.language, reason)) {
        err << reason << "\n";
        err.flush();
        return 2;
    }
    // The design's project information, unless the command line says otherwise.
    const ProjectInfo project =
        projectWith(data.project, {request.projectReference, request.revision, request.preparedBy});
    ReportInformation information;
    information.facility = request.facility.isEmpty() ? project.facility : request.facility.trimmed();
    information.address = request.address.isEmpty() ? project.address : request.address.trimmed();
    information.installer = request.installer.isEmpty() ? project.installer : request.installer.trimmed();
    information.projectReference = project.reference;
    information.revision = project.revision;
    information.preparedBy = project.preparedBy;
    // What the command line gives wins over the design's own record.
    const Design reported = Report::withInformation(data, information);
    QString changes;
    if (!request.compareWith.isEmpty()) {
        Design previous;
        if (!readDesign(request.compareWith, *catalogue, previous, reason)) {
            err << request.compareWith << ": ERROR: " << reason << "\n";
            err.flush();
            return 2;
        }
        changes = ComparisonText::htmlSection(DesignComparison::compare(previous, data, *catalogue),
                                              ComparisonText::revisionName(previous, request.compareWith));
    }
    if (!Report::writeDesignReport(request.output, reported, DesignEvaluation::evaluate(data, *catalogue),
                                   *catalogue, information, changes)) {
        err << "Failed to write the report: " << request.output << "\n";
        err.flush();
        return 1;
    }
    out << "Report written: " << request.output << "\n";
    out.flush();
    return 0;
}

int run(const Request &request, const QString &program, QTextStream &out, QTextStream &err)
{
    switch (request.action) {
    case Action::ImportDataPack:
        return importDataPack(request.file, out, err);
    case Action::Check:
        return checkDesigns(request.files, request.json, out, err);
    case Action::Report:
        return writeReport(request, out, err);
    case Action::Diff:
        return DiffCommand::run(request.files, request.json, out, err);
    case Action::Export:
        return writeExport(request, out, err);
    case Action::ShowHelp:
        out << usage(program);
        out.flush();
        return 0;
    case Action::ShowVersion:
        out << Constants::ApplicationName << " " << Constants::Version << "\n";
        out.flush();
        return 0;
    case Action::UsageError:
        // One line: what was wrong and where to look.
        err << programName(program) << ": " << request.error << " (see --help)\n";
        err.flush();
        return 2;
    case Action::RunGui:
        break;
    }
    return 0;
}

} // namespace CommandLine
