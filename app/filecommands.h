#pragma once

#include "design/design.h"
#include "exports/exporttables.h"
#include "app/reportdialog.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class Catalogue;
class DesignDocument;
class QWidget;

// The File menu's project and export commands, on the open document.
class FileCommands
{
    Q_DECLARE_TR_FUNCTIONS(FileCommands)
public:
    // File > Project: the dialog on the document's project; OK is one step.
    static void editProject(QWidget *parent, DesignDocument *document);

    // File > Export: asks for the file and writes the workbook (all tables)
    // or, with `kind`, that table as CSV; says how it went.
    static void exportTables(QWidget *parent, const DesignDocument *document, const Catalogue *catalogue,
                             std::optional<Exports::Kind> kind);
    // The same once the file is chosen; false when it could not be written.
    static bool writeTables(const QString &fileName, const Design &design, const DesignEvaluation &evaluation,
                            const Catalogue &catalogue, std::optional<Exports::Kind> kind);

    // The report dialog offers the design's project fields (the last answers
    // where the design has none) ...
    static ReportInformation reportInformation(const std::optional<ProjectInfo> &project,
                                               const ReportInformation &lastAnswers);
    // ... and its answers become the design's.
    static std::optional<ProjectInfo> withReportAnswers(const std::optional<ProjectInfo> &project,
                                                        const ReportInformation &answers);
};
