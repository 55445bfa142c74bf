#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// What the program was asked to do on its command line. Everything but
// starting the window runs without a display.
namespace CommandLine
{

enum class Action { RunGui, ImportDataPack, ShowHelp, ShowVersion, UsageError };

struct Request {
    Action action = Action::RunGui;
    QString file;  // the data pack of ImportDataPack, or the setup file RunGui opens
    QString error; // what was wrong, for UsageError
};

// The arguments as the application object gives them, program name first.
Request parse(const QStringList &arguments);

// True when the raw arguments ask for something other than the window, so
// that no windowing system is needed.
bool isConsoleRequest(int argc, char **argv);

QString usage(const QString &program);

// Carries out a console request and returns the process exit code: 0 done,
// 1 the data pack was not installed, 2 a usage error.
int run(const Request &request, const QString &program, QTextStream &out, QTextStream &err);

// Installs a data pack into the per-user data folder the window reads.
int importDataPack(const QString &file, QTextStream &out, QTextStream &err);

} // namespace CommandLine
