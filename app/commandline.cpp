#include "app/commandline.h"

#include "app/constants.h"
#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"
#include "report/reportcomposer.h"
#include "report/reportgenerator.h"
#include "setup/designevaluation.h"
#include "setup/setupfile.h"

#include <QCommandLineParser>
#include <QDate>
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
    return fault ? QStringLiteral("FAULT") : QStringLiteral("OK");
}

// The product data the window would use; false with the reason when there is none.
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

bool readDesign(const QString &file, const Catalogue &catalogue, SetupFile::SetupData &data, QString &reason)
{
    WarningRecorder warnings;
    if (SetupFile::readSetupData(file, data, catalogue))
        return true;
    reason = warnings.messages().isEmpty() ? QStringLiteral("not a valid setup file")
                                           : warnings.messages().join(QStringLiteral("; "));
    return false;
}

QString panelFaults(const SystemEvaluation &system)
{
    const PanelEvaluation &p = system.panel;
    QStringList texts;
    if (p.flags.hasBatteryFault)
        texts << oneLine(p.battery.text);
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
        const LoopCalc::LoopResults &r = loop.results;
        const int v = Display::decimalsToTell(r.voltageDrop, r.maxVoltageDrop, 3);
        const int a = Display::decimalsToTell(r.alarmCurrent, r.maxCurrent, 3);
        out << "  " << title << " loop " << i + 1 << ": " << statusWord(loop.hasFault()) << ": drop "
            << Display::fixed(r.voltageDrop, v) << " V of max " << Display::fixed(r.maxVoltageDrop, v)
            << " V, alarm current " << Display::fixed(r.alarmCurrent, a) << " A of max "
            << Display::fixed(r.maxCurrent, a) << " A";
        if (loop.hasFault())
            out << ": " << oneLine(loop.faultsText);
        out << "\n";
    }
}

QJsonObject loopJson(int index, const LoopEvaluation &loop, const LoopConfig &config,
                     const PanelEvaluation &panel)
{
    QJsonObject flags{{"addresses", loop.faults.addresses},
                      {"voltageDrop", loop.faults.voltageDrop},
                      {"current", loop.faults.current}};
    QJsonObject devices;
    for (auto it = config.devices.cbegin(); it != config.devices.cend(); ++it)
        devices.insert(it.key(), it.value());
    return QJsonObject{{"loop", index + 1},
                       {"status", statusWord(loop.hasFault())},
                       {"settings", QJsonArray::fromStringList(config.toTexts())},
                       {"devices", devices},
                       {"totalAddresses", loop.addressesText()},
                       {"idleCurrent", loop.idleCurrentText()},
                       {"alarmCurrent", loop.alarmCurrentText()},
                       {"voltageDrop", loop.voltageDropText()},
                       {"maxVoltageDrop", loop.maxVoltageDropText()},
                       {"maxCurrent", loop.maxCurrentText()},
                       {"panelIdleCurrent", panel.loopIdleCurrentText(index)},
                       {"panelAlarmCurrent", panel.loopAlarmCurrentText(index)},
                       {"faults", loop.faultsText},
                       {"notes", loop.notesText},
                       {"faultReport", loop.faultReportText},
                       {"noteReport", loop.noteReportText},
                       {"degradedModeOk", loop.degradedModeOk},
                       {"faultFlags", flags}};
}

QJsonObject systemJson(const SystemEvaluation &system, const DesignEvaluation &design)
{
    const PanelEvaluation &p = system.panel;
    QJsonObject flags{{"battery", p.flags.hasBatteryFault},
                      {"powerLoad", p.flags.hasPowerLoadFault},
                      {"loop", p.flags.hasLoopFault}};
    QJsonArray loops;
    for (int i = 0; i < system.loopResults.size(); ++i)
        loops.append(loopJson(i, system.loopResults.at(i), system.loops.at(i), p));
    QJsonObject object{{"name", system.displayName},
                       {"model", system.config.model},
                       {"status", statusWord(system.hasFault())},
                       {"configuration", QJsonArray::fromStringList(system.config.toTexts())},
                       {"totalIdleCurrent", p.totalIdleCurrentText()},
                       {"totalAlarmCurrent", p.totalAlarmCurrentText()},
                       {"minimumBatteryRequired", p.minimumBatteryRequiredText()},
                       {"selectedTotalBattery", p.selectedTotalBatteryText()},
                       {"batteryStatus", p.battery.text},
                       {"powerLoadStatus", p.powerLoad.text},
                       {"externalPowerNotes", p.externalPowerNotes},
                       {"powerReportNotes", p.powerReportNotes},
                       {"externalPowerReportNotes", p.externalPowerReportNotes},
                       {"faultFlags", flags},
                       {"loops", loops}};
    if (!system.isExpansionBox) {
        QJsonArray boxes;
        for (int i = 0; i < design.boxes.size(); ++i)
            boxes.append(
                QJsonObject{{"name", design.boxes.at(i).displayName}, {"status", design.boxStatusText(i)}});
        object.insert("expansionBoxList", boxes);
    }
    return object;
}

Report::PanelInfo reportInfo(const SystemEvaluation &system)
{
    const PanelConfig &c = system.config;
    const auto dash = [](const QString &value) { return value.isEmpty() ? QStringLiteral("-") : value; };
    Report::PanelInfo info;
    info.model = c.model;
    info.internalBattery = dash(c.internalBattery);
    info.batteryDegradation = c.batteryDegradation;
    info.soundersActive = c.soundersActive;
    info.idleTime = c.idleTime;
    info.alarmTime = c.alarmTime;
    info.cards = c.cards;
    info.source1 = dash(c.source1);
    info.battery1 = dash(c.battery1);
    info.source2 = dash(c.source2);
    info.battery2 = dash(c.battery2);
    info.powerNotes = system.panel.powerReportNotes;
    info.externalPowerNotes = system.panel.externalPowerReportNotes;
    // The calculation sheet's figures, as the editors would show them.
    info.totalIdleCurrent = system.panel.figures.totalIdleCurrent;
    info.totalAlarmCurrent = system.panel.figures.totalAlarmCurrent;
    info.minimumBatteryRequired = system.panel.figures.minimumBatteryRequired;
    info.selectedTotalBattery = system.panel.figures.selectedTotalBattery;
    info.loopCurrents = system.panel.loopCurrents.mid(0, system.panel.loopCount);
    info.outputs = c.outputs;
    for (int i = 0; i < system.loops.size(); ++i) {
        const LoopConfig &loop = system.loops.at(i);
        const LoopEvaluation &result = system.loopResults.at(i);
        Report::LoopInfo l;
        l.cableType = loop.cableType;
        l.topologyCode = LoopConfig::topologyCode(loop.topology);
        l.distributionFactor = loop.distributionFactor;
        l.loopLength = loop.loopLength;
        l.startDistance = loop.startDistance;
        l.endDistance = loop.endDistance;
        for (auto it = loop.devices.cbegin(); it != loop.devices.cend(); ++it)
            l.devices.append({it.key(), it.value()});
        l.faultText = result.faultReportText;
        l.noteText = result.noteReportText;
        l.degradedModeOk = result.degradedModeOk;
        l.figures = result.results;
        l.limits = system.limits;
        info.loops.append(l);
    }
    return info;
}

// Parses with the toolkit's own options taken out (see isConsoleRequest).
Request parseArguments(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({"h", "help", "?"}, "Show this help.");
    const QCommandLineOption version({"v", "version"}, "Show the version.");
    const QCommandLineOption import(ImportOption, "Install a data pack.", "file");
    const QCommandLineOption check("check", "Check setup files.");
    const QCommandLineOption json("json", "Check setup files, as JSON.");
    const QCommandLineOption report("report", "Write the report of a setup file.", "file");
    const QCommandLineOption output("output", "The report's PDF file.", "file");
    const QCommandLineOption facility("facility", "Facility name of the report.", "text");
    const QCommandLineOption address("address", "Address of the report.", "text");
    const QCommandLineOption installer("installer", "Installer company of the report.", "text");
    parser.addOptions({help, version, import, check, json, report, output, facility, address, installer});

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
    for (const QCommandLineOption *option : {&import, &report, &output, &facility, &address, &installer}) {
        if (parser.values(*option).size() > 1)
            return fail(QStringLiteral("--%1 given more than once").arg(option->names().constLast()));
    }
    const bool checking = parser.isSet(check) || parser.isSet(json);
    const int actions =
        int(parser.isSet(version)) + int(parser.isSet(import)) + int(checking) + int(parser.isSet(report));
    if (actions > 1)
        return fail(QStringLiteral("--version, --import-data-pack, --check and --report cannot be combined"));
    for (const QCommandLineOption *option : {&output, &facility, &address, &installer}) {
        if (parser.isSet(*option) && !parser.isSet(report))
            return fail(QStringLiteral("--%1 belongs to --report").arg(option->names().constLast()));
    }
    const QStringList positional = parser.positionalArguments();
    const bool otherAction = parser.isSet(version) || parser.isSet(import) || parser.isSet(report);
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
        request.action = Action::Report;
    } else if (!positional.isEmpty()) {
        if (positional.first().isEmpty())
            return fail(QStringLiteral("unexpected argument \"\""));
        request.file = positional.first();
    }
    return request;
}

} // namespace

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
               "                  [--installer TEXT]\n"
               "\n"
               "Without options, %2 opens its window; given a design (.csv) or a data pack\n"
               "(.tarvex), the window opens it. The other commands need no display.\n"
               "\n"
               "  --import-data-pack FILE  verify and install a .tarvex data pack for this user\n"
               "  --check FILE...          check setup files against the installed data: one line\n"
               "                           per panel, expansion box and loop, OK or FAULT with the\n"
               "                           fault texts; exit code 0 when every design is sound,\n"
               "                           1 when any has a fault, 2 when any cannot be read\n"
               "  --json                   with --check (or alone): every figure and text as JSON\n"
               "  --report FILE            write the PDF report of a setup file to --output\n"
               "  --output FILE            the PDF the report is written to\n"
               "  --facility, --address, --installer TEXT\n"
               "                           the report information\n"
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
        SetupFile::SetupData data;
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
            QJsonArray boxes;
            for (const SystemEvaluation &box : design.boxes)
                boxes.append(systemJson(box, design));
            designs.append(QJsonObject{{"file", file},
                                       {"status", statusWord(design.hasFault())},
                                       {"panel", systemJson(design.main, design)},
                                       {"expansionBoxes", boxes}});
        } else {
            out << file << ": " << statusWord(design.hasFault()) << "\n";
            writeSystemLines(design.main, out);
            for (const SystemEvaluation &box : design.boxes)
                writeSystemLines(box, out);
        }
    }
    if (json)
        out << QJsonDocument(QJsonObject{{"designs", designs}}).toJson(QJsonDocument::Indented);
    out.flush();
    return anyUnreadable ? 2 : anyFault ? 1 : 0;
}

int writeReport(const Request &request, QTextStream &out, QTextStream &err)
{
    std::unique_ptr<Catalogue> catalogue;
    QString reason;
    SetupFile::SetupData data;
    if (!loadCatalogue(catalogue, reason) || !readDesign(request.file, *catalogue, data, reason)) {
        err << request.file << ": ERROR: " << reason << "\n";
        err.flush();
        return 2;
    }
    const DesignEvaluation design = DesignEvaluation::evaluate(data, *catalogue);
    Report::ReportData report;
    report.facility = request.facility.trimmed();
    report.address = request.address.trimmed();
    report.installer = request.installer.trimmed();
    report.date = QDate::currentDate();
    report.mainPanel = reportInfo(design.main);
    for (const SystemEvaluation &box : design.boxes)
        report.expansionBoxes.append(reportInfo(box));
    if (!writeReportPdf(request.output, Report::composeReportHtml(report, *catalogue),
                        Report::documentInfo(report))) {
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
