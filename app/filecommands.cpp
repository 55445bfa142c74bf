#include "app/filecommands.h"

#include "app/projectdialog.h"
#include "app/recentfiles.h"
#include "design/designdocument.h"
#include "exports/tablefiles.h"
#include "widgets/messagebox.h"

#include <QDir>

namespace
{
const QString ExportFiles = QStringLiteral("export");
}

void FileCommands::editProject(QWidget *parent, DesignDocument *document)
{
    ProjectDialog::edit(parent, document);
}

bool FileCommands::writeTables(const QString &fileName, const Design &design,
                               const DesignEvaluation &evaluation, const Catalogue &catalogue,
                               std::optional<Exports::Kind> kind)
{
    if (kind)
        return TableFiles::writeCsv(fileName, Exports::table(*kind, design, evaluation, catalogue));
    QVector<Exports::Table> tables;
    for (Exports::Kind k : Exports::allKinds())
        tables.append(Exports::table(k, design, evaluation, catalogue));
    const ProjectInfo project = design.project.value_or(ProjectInfo());
    return TableFiles::writeXlsx(fileName, tables, project.reference, project.preparedBy);
}

void FileCommands::exportTables(QWidget *parent, const DesignDocument *document, const Catalogue *catalogue,
                                std::optional<Exports::Kind> kind)
{
    if (!document || !catalogue)
        return;
    const QString suffix = kind ? QStringLiteral("csv") : QStringLiteral("xlsx");
    const QString filter = kind ? tr("CSV files (*.csv)") : tr("Excel workbooks (*.xlsx)");
    QString fileName = FileDialog::getSaveFileName(
        parent, tr("Export"), RecentFiles::lastFolder(ExportFiles, QDir::homePath()), filter, suffix);
    if (fileName.isEmpty())
        return;
    fileName = RecentFiles::withDefaultSuffix(fileName, suffix);
    RecentFiles::rememberFolder(ExportFiles, fileName);
    if (!writeTables(fileName, document->design(), document->evaluation(), *catalogue, kind)) {
        MessageBox::critical(
            parent, tr("Error"),
            tr("Failed to export.\nIf overwriting an existing file, make sure the file is not "
               "open by another process."));
        return;
    }
    MessageBox::information(parent, tr("Success"), tr("Exported successfully!"));
}

ReportInformation FileCommands::reportInformation(const std::optional<ProjectInfo> &project,
                                                  const ReportInformation &lastAnswers)
{
    if (!project)
        return lastAnswers;
    ReportInformation info;
    info.facility = project->facility;
    info.address = project->address;
    info.installer = project->installer;
    info.projectReference = project->reference;
    info.revision = project->revision;
    info.preparedBy = project->preparedBy;
    return info;
}

std::optional<ProjectInfo> FileCommands::withReportAnswers(const std::optional<ProjectInfo> &project,
                                                           const ReportInformation &answers)
{
    ProjectInfo p = project.value_or(ProjectInfo());
    // The dialog's texts go into a design file, which separates values with ';'.
    const auto storable = [](QString text) {
        return text.replace(QLatin1Char(';'), QLatin1Char(',')).trimmed();
    };
    p.facility = storable(answers.facility);
    p.address = storable(answers.address);
    p.installer = storable(answers.installer);
    p.reference = storable(answers.projectReference);
    p.revision = storable(answers.revision);
    p.preparedBy = storable(answers.preparedBy);
    if (!project && p == ProjectInfo())
        return std::nullopt;
    return p;
}
