#include "app/commandline.h"

#include "app/constants.h"
#include "catalogue/catalogue.h"

#include <QFileInfo>
#include <QTextStream>

namespace CommandLine
{

namespace
{
const QString ImportOption = QStringLiteral("--import-data-pack");

bool isHelp(const QString &arg)
{
    return arg == QLatin1String("--help") || arg == QLatin1String("-h") || arg == QLatin1String("-?");
}

bool isVersion(const QString &arg)
{
    return arg == QLatin1String("--version") || arg == QLatin1String("-v");
}
} // namespace

Request parse(const QStringList &arguments)
{
    Request request;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (isHelp(arg)) {
            request = Request();
            request.action = Action::ShowHelp;
            return request; // asking for help wins over any mistake
        }
        if (request.action == Action::UsageError)
            continue;
        if (request.action != Action::RunGui) {
            request.action = Action::UsageError;
            request.error = QStringLiteral("unexpected argument %1").arg(arg);
        } else if (isVersion(arg)) {
            request.action = Action::ShowVersion;
        } else if (arg == ImportOption || arg.startsWith(ImportOption + QLatin1Char('='))) {
            if (arg == ImportOption)
                request.file = i + 1 < arguments.size() ? arguments.at(++i) : QString();
            else
                request.file = arg.mid(ImportOption.size() + 1);
            request.action = request.file.isEmpty() ? Action::UsageError : Action::ImportDataPack;
            if (request.file.isEmpty())
                request.error = QStringLiteral("%1 needs the data pack file").arg(ImportOption);
        } else {
            request.action = Action::UsageError;
            request.error = arg.startsWith(QLatin1Char('-'))
                                ? QStringLiteral("unknown option %1").arg(arg)
                                : QStringLiteral("unexpected argument %1").arg(arg);
        }
    }
    return request;
}

bool isConsoleRequest(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (isHelp(arg) || isVersion(arg) || arg == ImportOption ||
            arg.startsWith(ImportOption + QLatin1Char('=')))
            return true;
    }
    return false;
}

QString usage(const QString &program)
{
    const QString name =
        QFileInfo(program).fileName().isEmpty() ? Constants::ApplicationName : QFileInfo(program).fileName();
    return QStringLiteral("Usage: %1 [--import-data-pack FILE]\n"
                          "\n"
                          "Without options, %2 opens its window.\n"
                          "\n"
                          "  --import-data-pack FILE  verify and install a .tarvex data pack for this user,\n"
                          "                           without opening any window\n"
                          "  -h, --help               show this help\n"
                          "  -v, --version            show the version\n")
        .arg(name, Constants::ApplicationName);
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

int run(const Request &request, const QString &program, QTextStream &out, QTextStream &err)
{
    switch (request.action) {
    case Action::ImportDataPack:
        return importDataPack(request.file, out, err);
    case Action::ShowHelp:
        out << usage(program);
        out.flush();
        return 0;
    case Action::ShowVersion:
        out << Constants::ApplicationName << " " << Constants::Version << "\n";
        out.flush();
        return 0;
    case Action::UsageError:
        err << QFileInfo(program).fileName() << ": " << request.error << "\n\n" << usage(program);
        err.flush();
        return 2;
    case Action::RunGui:
        break;
    }
    return 0;
}

} // namespace CommandLine
