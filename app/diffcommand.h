#pragma once

#include "app/commandline.h"

#include <QString>
#include <QStringList>

class QJsonObject;
class QTextStream;
struct DesignComparison;

// `--diff OLD.csv NEW.csv [--json]`: what changed from one revision of a
// design to the next, without a display.
namespace DiffCommand
{

// True when the arguments (program name first) ask for a comparison.
bool isDiffRequest(const QStringList &arguments);
// The request of such arguments: Diff with the two files, or a usage error.
CommandLine::Request parse(const QStringList &arguments);

// Prints the changes grouped by panel, box and loop (verdicts first); 0 when
// the designs are the same, 1 when they differ, 2 when either cannot be read.
int run(const QStringList &files, bool json, QTextStream &out, QTextStream &err);

// The comparison as the lines and the JSON document `run` prints.
QString text(const DesignComparison &comparison, const QString &oldFile, const QString &newFile);
QJsonObject json(const DesignComparison &comparison, const QString &oldFile, const QString &newFile);

} // namespace DiffCommand
