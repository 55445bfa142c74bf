// The commands that produce something from the design: the report, the
// exported tables, the project information and the comparison.
#include "app/mainwindow.h"

#include "app/commandfolders.h"
#include "app/comparisonview.h"
#include "app/designsession.h"
#include "app/filecommands.h"
#include "app/recentfiles.h"
#include "editors/systemcontainerwidget.h"
#include "catalogue/catalogue.h"
#include "core/safewrite.h"
#include "design/designevaluation.h"
#include "design/designfile.h"
#include "app/reportdialog.h"
#include "ui_mainwindow.h"
#include "widgets/messagebox.h"

#include <QTabWidget>

void MainWindow::onCompareWith()
{
    const QString fileName = FileDialog::getOpenFileName(
        this, tr("Compare with"), RecentFiles::lastFolder(CommandFolders::Setup, CommandFolders::home()),
        tr("Comma separated values (*.csv)"));
    if (fileName.isEmpty() || !m_session)
        return;
    Design other;
    if (!DesignFile::read(fileName, other, *m_catalogue)) {
        MessageBox::critical(
            this, tr("Error"),
            tr("Failed to read the design to compare with.\nThe file may not have the correct "
               "format, it may be corrupted or it may be from a newer version of the "
               "application."));
        return;
    }
    m_session->flush();
    auto *view = new ComparisonView(m_session->document(), other, fileName, this);
    view->setAttribute(Qt::WA_DeleteOnClose);
    connect(view, &ComparisonView::placeActivated, this, [this](int system, int loop) {
        SystemContainerWidget *page = system < 0 ? m_mainContainer : expansionBoxPages().value(system);
        if (!page)
            return;
        m_ui->externalTabWidget->setCurrentWidget(page);
        page->tabWidget()->setCurrentIndex(loop + 1);
        activateWindow();
    });
    view->show();
}

void MainWindow::onGenerateReport()
{
    QString fileName = FileDialog::getSaveFileName(
        this, tr("Generate Report"), RecentFiles::lastFolder(CommandFolders::Report, CommandFolders::home()),
        tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (fileName.isEmpty())
        return;
    fileName = RecentFiles::withDefaultSuffix(fileName, QStringLiteral("pdf"));
    RecentFiles::rememberFolder(CommandFolders::Report, fileName);
    // Never over the design itself, a folder or a device.
    const QString refused = SafeWrite::refusalReason(fileName, {m_session->fileName()});
    if (!refused.isEmpty()) {
        MessageBox::critical(this, tr("Error"),
                             tr("Failed to generate report.\nIf overwriting an existing file, make sure the "
                                "file is not open by another process.") +
                                 QStringLiteral("\n\n") + refused);
        return;
    }
    // The dialog offers the design's project information and keeps its answers in the design.
    m_session->flush();
    DesignDocument *document = m_session->document();
    m_reportInformation = FileCommands::reportInformation(document->design().project, m_reportInformation);
    // The report lists the boxes as the file holds them, in the order of their names.
    Design ordered = document->design();
    ordered.boxes.clear();
    for (int i : document->design().boxFileOrder())
        ordered.boxes.append(document->design().boxes.at(i));
    if (!m_mainContainer || !m_catalogue ||
        !generateReport(this, fileName, ordered, DesignEvaluation::evaluate(ordered, *m_catalogue),
                        *m_catalogue, m_reportInformation)) {
        MessageBox::critical(this, tr("Error"),
                             tr("Failed to generate report.\nIf overwriting an existing file, make sure the "
                                "file is not open by another process."));
        return;
    }
    const std::optional<ProjectInfo> answered =
        FileCommands::withReportAnswers(document->design().project, m_reportInformation);
    if (answered != document->design().project)
        document->setProjectInfo(answered);
    MessageBox::success(this, QStringLiteral("reportGenerated"), tr("Success"),
                        tr("Report generated successfully!"));
}

void MainWindow::onProject()
{
    m_session->flush();
    FileCommands::editProject(this, m_session->document());
}

void MainWindow::exportTables(std::optional<Exports::Kind> kind)
{
    m_session->flush();
    FileCommands::exportTables(this, m_session->document(), m_catalogue, kind);
}

void MainWindow::onExportWorkbook()
{
    exportTables(std::nullopt);
}

void MainWindow::onExportBillOfMaterials()
{
    exportTables(Exports::Kind::BillOfMaterials);
}

void MainWindow::onExportDeviceSchedule()
{
    exportTables(Exports::Kind::DeviceSchedule);
}

void MainWindow::onExportCableSchedule()
{
    exportTables(Exports::Kind::CableSchedule);
}
