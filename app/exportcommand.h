#pragma once

#include "design/design.h"

#include <QString>
#include <QStringList>

class QTextStream;

namespace CommandLine
{

struct Request;

// The project fields given on the command line in place of the design's.
struct ProjectOverrides {
    QString reference;
    QString revision;
    QString preparedBy;
    bool isEmpty() const { return reference.isNull() && revision.isNull() && preparedBy.isNull(); }
};

// The design's project information with the given fields in its place.
ProjectInfo projectWith(const std::optional<ProjectInfo> &project, const ProjectOverrides &overrides);

// The language a console command speaks: `requested` when given, else the
// remembered one, else English. False (with the reason) when no translation
// of it is to be found; on success it is installed for the rest of the run.
bool installLanguage(const QString &requested, QString &reason);
// The codes a console command can speak (shipped or added by the user).
QStringList consoleLanguages();

// The files an export of `output` writes: one workbook for ".xlsx"; for
// ".csv" the named file when one table is asked for, else one file per table
// named "<base>-<table>.csv". Empty (with the reason) for another suffix or
// an unknown table.
QStringList exportTargets(const QString &output, const QString &what, QString &reason);

// Writes the bill of materials, the device and the cable schedule of a
// setup file (or the one table `what` names).
int writeExport(const Request &request, QTextStream &out, QTextStream &err);

} // namespace CommandLine
