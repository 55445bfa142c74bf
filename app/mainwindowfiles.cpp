// The file commands: new, open, save, recent files, recovery, data packs and
// the XML imports.
#include "app/mainwindow.h"

#include "app/busycursor.h"
#include "app/commandfolders.h"
#include "app/designsession.h"
#include "app/firststart.h"
#include "app/languages.h"
#include "app/recentfiles.h"
#include "editors/systemcontainerwidget.h"
#include "app/unfinishedwrites.h"
#include "catalogue/catalogue.h"
#include "design/designfile.h"
#include "loop/schedulerules.h"
#include "setup/recoveryfile.h"
#include "app/setupio.h"
#include "app/xmlimportio.h"
#include "ui_mainwindow.h"
#include "widgets/messagebox.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>

void MainWindow::onLoadNewData()
{
    // A new data pack replaces the design.
    if (!m_catalogue->integrityFailed() && !maybeSave())
        return;
    const QString path = FileDialog::getOpenFileName(
        this, tr("Select Data File"),
        RecentFiles::lastFolder(CommandFolders::DataPack,
                                QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)),
        tr("Tarvex Data Files (*.tarvex)"));
    if (path.isEmpty())
        return;
    RecentFiles::rememberFolder(CommandFolders::DataPack, path);
    loadDataPack(path);
}

void MainWindow::loadDataPack(const QString &path)
{
    const bool wasDisabled = m_catalogue->integrityFailed();
    bool installed = false;
    {
        BusyCursor busy;
        installed = m_catalogue->installDataPack(path);
    }
    if (!installed && m_catalogue->lastInstallWasBusy()) {
        MessageBox::critical(this, tr("Error"),
                             tr("Another data pack installation is running.\nTry again when it has finished; "
                                "nothing was changed."));
        return;
    }
    if (!installed && !m_catalogue->lastInstallError().isEmpty()) {
        MessageBox::critical(this, tr("Error"),
                             tr("The data pack could not be installed:\n%1\nNothing was changed.")
                                 .arg(m_catalogue->lastInstallError()));
        return;
    }
    if (!installed) {
        qWarning().noquote() << "Failed to load new data!";
        MessageBox::critical(this, tr("Error"),
                             tr("Failed to load new data!\nThe input file may not have the correct format or "
                                "it may be corrupted."));
        return;
    }
    initContainers();
    if (wasDisabled) {
        // The language entries were held back while nothing could be shown.
        fillLanguageMenu();
        connectCommands();
        m_session->setEnabled(true);
    }
    m_session->start(QString());
    MessageBox::success(this, QStringLiteral("dataPackInstalled"), tr("Success"),
                        tr("New data loaded successfully!"));
}

void MainWindow::onExportSetup()
{
    onSaveAs();
}

bool MainWindow::onSaveAs()
{
    const QString start = !m_session->fileName().isEmpty()
                              ? m_session->fileName()
                              : RecentFiles::lastFolder(CommandFolders::Setup, CommandFolders::home());
    QString fileName = FileDialog::getSaveFileName(
        this, tr("Export Setup"), start, tr("Comma separated values (*.csv)"), QStringLiteral("csv"));
    if (fileName.isEmpty())
        return false;
    // A name typed without ".csv" would be hidden from the Open dialog.
    fileName = RecentFiles::withDefaultSuffix(fileName, QStringLiteral("csv"));
    RecentFiles::rememberFolder(CommandFolders::Setup, fileName);
    if (!m_mainContainer) {
        showInternalError();
        return false;
    }
    if (!saveTo(fileName))
        return false;
    MessageBox::success(this, QStringLiteral("setupExported"), tr("Success"),
                        tr("Setup exported successfully!"));
    return true;
}

bool MainWindow::onSave()
{
    if (m_session->fileName().isEmpty())
        return onSaveAs();
    if (!m_mainContainer) {
        showInternalError();
        return false;
    }
    if (!saveTo(m_session->fileName()))
        return false;
    statusBar()->showMessage(tr("Saved %1").arg(documentName()), 5000);
    return true;
}

bool MainWindow::saveTo(const QString &fileName)
{
    m_session->flush();
    switch (m_session->confirmOverwrite(fileName)) {
    case DesignSession::DiskAnswer::SaveAs:
        return onSaveAs();
    case DesignSession::DiskAnswer::Cancel:
        return false;
    case DesignSession::DiskAnswer::Overwrite:
        break;
    }
    QString error;
    if (!m_session->document()->save(QFileInfo(fileName).absoluteFilePath(), &error)) {
        // The system's own words name the cause ("No space left on device").
        MessageBox::critical(
            this, tr("Error"),
            tr("Failed to open file for writing.\nIf overwriting an existing file, make sure "
               "it is not open by another process.") +
                (error.isEmpty() ? QString() : QStringLiteral("\n\n") + error));
        return false;
    }
    m_session->markSaved(QFileInfo(fileName).absoluteFilePath());
    addRecentFile(fileName);
    return true;
}

bool MainWindow::maybeSave()
{
    if (!m_session->isEnabled())
        return true;
    m_session->flush();
    if (!m_session->isModified())
        return true;
    switch (
        MessageBox::saveDiscardCancel(this, tr("Warning"), tr("Save changes to %1?").arg(documentName()))) {
    case QMessageBox::Save:
        return onSave();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool MainWindow::confirmReplace()
{
    m_session->flush();
    // One question, never two: with changes at stake, the one that can save them.
    if (m_session->isModified())
        return maybeSave();
    // An untouched untitled design holds nothing to lose.
    if (m_session->fileName().isEmpty())
        return true;
    return MessageBox::question(
               this, tr("Warning"),
               tr("The current setup will be overwritten.\nAre you sure you want to continue?")) ==
           QMessageBox::Yes;
}

void MainWindow::onImportSetup()
{
    if (!confirmReplace())
        return;
    const QString fileName = FileDialog::getOpenFileName(
        this, tr("Import Setup"), RecentFiles::lastFolder(CommandFolders::Setup, CommandFolders::home()),
        tr("Comma separated values (*.csv)"));
    if (fileName.isEmpty())
        return;
    RecentFiles::rememberFolder(CommandFolders::Setup, fileName);
    loadSetup(fileName);
}

void MainWindow::openFile(const QString &fileName)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("tarvex"), Qt::CaseInsensitive) == 0) {
        // A new data pack replaces the design.
        if (!m_catalogue->integrityFailed() && !maybeSave())
            return;
        loadDataPack(fileName);
        return;
    }
    // A design needs the product data it was made with.
    if (m_catalogue->integrityFailed())
        return;
    if (maybeSave())
        loadSetup(fileName);
}

bool MainWindow::loadSetup(const QString &fileName, bool announce)
{
    if (!m_mainContainer || !m_mainContainer->panelWidget()) {
        showInternalError();
        return false;
    }
    // Open in another running copy: said before anything is read.
    if (!m_session->confirmOpen(fileName))
        return false;
    QList<SystemContainerWidget *> newContainers;
    QStringList adjusted;
    Design design;
    bool read = false;
    {
        BusyCursor busy;
        read = readSetupFile(fileName, m_mainContainer, newContainers, m_catalogue, &adjusted, &design);
    }
    if (!read) {
        MessageBox::critical(
            this, tr("Error"),
            tr("Failed to import setup.\nThe file may not have the correct format, it may be "
               "corrupted or it may be from a newer version of the application.\n"));
        return false;
    }
    rebuildExpansionBoxTabs(newContainers, design);
    m_session->start(QFileInfo(fileName).absoluteFilePath(), design);
    // What the editors show is not what the file holds: saving would change it.
    if (!adjusted.isEmpty())
        m_session->markUnsaved();
    addRecentFile(fileName);
    statusBar()->clearMessage();
    warnAdjustedValues(adjusted);
    if (announce)
        MessageBox::success(this, QStringLiteral("setupOpened"), tr("Success"),
                            tr("Setup imported successfully!"));
    return true;
}

void MainWindow::startSession(const QString &fileName)
{
    UnfinishedWrites::offer(this);
    if (m_session->recovery().slot() > 1)
        MessageBox::information(
            this, tr("Information"),
            tr("Another Kalvix keeps its copy of unsaved work in the usual place; this one "
               "keeps its own in %1.")
                .arg(QDir::toNativeSeparators(m_session->recovery().folder())));
    if (!m_startLanguageRefused.isEmpty()) {
        // Told once: English is remembered instead of the refused file.
        MessageBox::warning(this, tr("Warning"),
                            tr("The language file %1 could not be loaded; the program runs in English.")
                                .arg(QDir::toNativeSeparators(m_startLanguageRefused)));
        Languages::rememberLanguage(QStringLiteral("en"));
        m_startLanguageRefused.clear();
    }
    const bool restored = offerRecovery();
    if (!fileName.isEmpty())
        openFile(fileName);
    else if (!restored)
        showGettingStarted();
}

void MainWindow::showGettingStarted()
{
    // Above the empty first design, until the user closes it for good.
    if (!m_session->isEnabled() || GettingStartedPanel::wasDismissed() || findChild<GettingStartedPanel *>())
        return;
    m_ui->verticalLayout->insertWidget(0, new GettingStartedPanel(this));
}

bool MainWindow::offerRecovery()
{
    RecoveryFile &recovery = m_session->recovery();
    if (!m_session->isEnabled() || !recovery.isClaimed() || !recovery.exists())
        return false;
    // Checked whole before anything is offered: a damaged copy is never shown
    // half loaded, and it is kept aside rather than lost.
    Design design;
    if (!DesignFile::read(recovery.path(), design, *m_catalogue)) {
        const QString aside = recovery.setAside();
        qWarning().noquote() << "The recovery file does not read back; set aside as" << aside;
        MessageBox::warning(this, tr("Warning"),
                            tr("The unsaved design of an earlier session could not be read back.\nIt has "
                               "been set aside as %1.")
                                .arg(QDir::toNativeSeparators(aside)));
        return false;
    }
    const QDateTime written = recovery.lastWritten();
    const QString when = written.date() == QDate::currentDate()
                             ? written.toString(QStringLiteral("HH:mm"))
                             : written.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    if (MessageBox::question(this, tr("Warning"), tr("Restore the unsaved design from %1?").arg(when)) !=
        QMessageBox::Yes) {
        recovery.remove();
        return false;
    }
    QList<SystemContainerWidget *> newContainers;
    {
        BusyCursor busy;
        applyDesign(design, m_mainContainer, newContainers, m_catalogue);
    }
    rebuildExpansionBoxTabs(newContainers, design);
    // The copy stays until the design is saved or discarded.
    m_session->markRestored(recovery.trustedSourceFile(RecentFiles::load()), design);
    statusBar()->showMessage(tr("Restored the unsaved design from %1.").arg(when));
    return true;
}

void MainWindow::onNew()
{
    if (!maybeSave())
        return;
    initContainers();
    m_session->start(QString());
    statusBar()->clearMessage();
}

void MainWindow::onOpenRecentFile(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile()) {
        QStringList missing;
        RecentFiles::store(RecentFiles::existing(RecentFiles::load(), &missing));
        MessageBox::warning(this, tr("Warning"),
                            tr("%1 no longer exists.\nIt has been removed from the recent files.")
                                .arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    if (!maybeSave())
        return;
    if (loadSetup(fileName, false))
        statusBar()->showMessage(tr("Opened %1").arg(documentName()), 5000);
}

void MainWindow::fillRecentFilesMenu()
{
    QMenu *menu = m_ui->menuRecent_files;
    menu->clear();
    const QStringList files = RecentFiles::load();
    for (int i = 0; i < files.size(); ++i) {
        const QString file = files.at(i);
        QAction *entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(file).fileName()));
        entry->setData(file);
        entry->setStatusTip(QDir::toNativeSeparators(file));
        entry->setToolTip(QDir::toNativeSeparators(file));
        connect(entry, &QAction::triggered, this, [this, file] {
            if (m_session->isEnabled())
                onOpenRecentFile(file);
        });
    }
    if (files.isEmpty()) {
        menu->addAction(tr("No recent files"))->setEnabled(false);
        return;
    }
    menu->addSeparator();
    connect(menu->addAction(tr("Clear recent files")), &QAction::triggered, this,
            [] { RecentFiles::store(QStringList()); });
}

void MainWindow::addRecentFile(const QString &fileName)
{
    RecentFiles::store(RecentFiles::added(RecentFiles::load(), fileName));
}

void MainWindow::onImportVxa310Xml()
{
    importXml(true);
}

void MainWindow::onImportVxa620Xml()
{
    importXml(false);
}

void MainWindow::importXml(bool vxa310)
{
    if (!confirmReplace())
        return;
    const QString fileName = FileDialog::getOpenFileName(
        this, vxa310 ? tr("Import from VXA310 XML") : tr("Import from VXA620 XML"),
        RecentFiles::lastFolder(CommandFolders::Xml, CommandFolders::home()), tr("XML files (*.xml)"));
    if (fileName.isEmpty())
        return;
    RecentFiles::rememberFolder(CommandFolders::Xml, fileName);
    const QString variant = vxa310 ? tr("VXA310 XML") : tr("VXA620 XML");
    QStringList adjusted;
    QMap<int, QStringList> unitOrders;
    m_session->flush();
    if (!importConfigurationXml(fileName, m_mainContainer, m_catalogue, vxa310, &adjusted, &unitOrders)) {
        MessageBox::critical(this, tr("Error"),
                             tr("Failed to import %1.\nThe file may not have the correct format, it may be "
                                "corrupted or may not contain compatible device configuration.")
                                 .arg(variant));
        return;
    }
    // Its loops arrive scheduled and addressed in the export's order.
    m_session->flush();
    Design imported = m_session->document()->design();
    imported.main.schedules.clear();
    for (auto it = unitOrders.cbegin(); it != unitOrders.cend(); ++it) {
        if (it.key() >= imported.main.loops.size())
            continue;
        const LoopConfig &loop = imported.main.loops.at(it.key());
        imported.main.schedules.insert(
            it.key(), ScheduleRules::fromOrder(
                          loop, it.value(),
                          ScheduleRules::records(LoopCalc::resolveDevices(loop.devices, *m_catalogue))));
    }
    // The import is a new design that no file holds yet: Save asks for a
    // name, so the file the previous design came from is never overwritten.
    m_session->start(QString(), imported);
    m_session->markUnsaved();
    m_importedFrom = QFileInfo(fileName).fileName();
    updateTitle();
    warnAdjustedValues(adjusted);
    MessageBox::success(this, QStringLiteral("xmlImported"), tr("Success"),
                        vxa310 ? tr("VXA310 XML imported successfully!")
                               : tr("VXA620 XML imported successfully!"));
}
