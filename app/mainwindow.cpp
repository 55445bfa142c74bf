#include "app/mainwindow.h"
#include "loop/schedulerules.h"

#include <limits>

#include "app/comparisonview.h"
#include "app/constants.h"
#include "app/designsession.h"
#include "app/firststart.h"
#include "app/languages.h"
#include "app/recentfiles.h"
#include "app/translationfile.h"
#include "app/unfinishedwrites.h"
#include "catalogue/catalogue.h"
#include "app/systemcontainerwidget.h"
#include "panel/panelwidget.h"
#include "app/filecommands.h"
#include "design/designevaluation.h"
#include "design/designhistory.h"
#include "report/reportdialog.h"
#include "core/safewrite.h"
#include "setup/recoveryfile.h"
#include "setup/setupfile.h"
#include "design/designfile.h"
#include "setup/setupio.h"
#include "setup/xmlimportio.h"
#include "ui_mainwindow.h"
#include "widgets/about.h"
#include "widgets/distributionfactor.h"
#include "widgets/manualwindow.h"
#include "widgets/messagebox.h"
#include "widgets/powersources.h"
#include "widgets/widgetfunctions.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

#include <algorithm>

namespace
{

// Shows the busy cursor for as long as it lives.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// Clears the window's pointer and open flag once that very window is gone;
// a window closed and reopened quickly must not clear its successor's state.
template <typename Window>
void forgetWhenDestroyed(MainWindow *owner, Window *window, Window *&pointer, bool &open)
{
    QObject::connect(window, &QObject::destroyed, owner, [window, &pointer, &open] {
        if (pointer == window) {
            pointer = nullptr;
            open = false;
        }
    });
}

// Each help command toggles its own window: the first use opens it, the next
// closes it. The window deletes itself when closed.
template <typename Window, typename Create, typename Size>
void toggleHelpWindow(MainWindow *owner, Window *&pointer, bool &open, Create create, Size size)
{
    if (open) {
        if (pointer)
            pointer->close();
    } else {
        pointer = create();
        pointer->setAttribute(Qt::WA_DeleteOnClose);
        forgetWhenDestroyed(owner, pointer, pointer, open);
        size(pointer);
        pointer->show();
    }
    open = !open;
}

const QString SetupFiles = QStringLiteral("setup");
const QString XmlFiles = QStringLiteral("xml");
const QString ReportFiles = QStringLiteral("report");
const QString DataPacks = QStringLiteral("datapack");

QString homeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
}

// The platform's keys for a command, or `fallback` where it names none.
QList<QKeySequence> keys(QKeySequence::StandardKey key, const QKeySequence &fallback)
{
    QList<QKeySequence> list = QKeySequence::keyBindings(key);
    if (list.isEmpty())
        list.append(fallback);
    return list;
}

} // namespace

MainWindow::MainWindow(Catalogue *catalogue, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), catalogue(catalogue)
{
    ui->setupUi(this);
    ui->actionNew->setShortcuts(keys(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)));
    ui->actionOpen->setShortcuts(keys(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    ui->actionSave->setShortcuts(keys(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)));
    ui->actionSave_as->setShortcuts(
        keys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    ui->actionQuit->setShortcuts(keys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    ui->actionUndo->setShortcuts(keys(QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)));
    ui->actionRedo->setShortcuts(keys(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));

    m_session = new DesignSession(
        this, [this] { return snapshot(); }, [this](const Design &state) { showDesign(state); }, catalogue,
        RecoveryFile::defaultFolder());
    connect(m_session, &DesignSession::stateChanged, this, [this] {
        // Only the untitled design an import made is named after its file.
        if (!m_session->fileName().isEmpty() || !m_session->isModified())
            m_importedFrom.clear();
        updateTitle();
        updateEditActions();
    });
    connect(m_session, &DesignSession::edited, this, &MainWindow::noteDroppedParts);

    QFile styleSheet(QStringLiteral(":/resources/styles_blue.qss"));
    if (styleSheet.open(QIODevice::ReadOnly))
        qApp->setStyleSheet(QString::fromLatin1(styleSheet.readAll()));

    // The start's language, before any text is made: the shipped translations
    // are brought up to date in the user's folder first, so a fresh install
    // starts translated. Without any translation the program runs as written.
    const QString folder = Languages::translationsFolder();
    Languages::installShipped(Languages::shippedFolder(), folder);
    const QString startLanguage = Languages::startLanguage(Languages::rememberedLanguage(), QLocale::system(),
                                                           Languages::availableCodes(folder));
    if (startLanguage.isEmpty())
        qWarning().noquote() << "No translation file found; running untranslated.";
    applyLanguage(startLanguage, false);

    // Nothing installed yet is a first start, not an error: say what a data
    // pack is and offer the ways to get one.
    const QDir installed(Catalogue::dataLocation() + QStringLiteral("/data"));
    const bool nothingInstalled =
        !installed.exists() || installed.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    ui->externalTabWidget->clear();
    if (catalogue->integrityFailed() && nothingInstalled) {
        auto *page = new NoDataPage(NoDataPage::shippedDemoPack(), this);
        connect(page, &NoDataPage::importRequested, this, &MainWindow::onLoadNewData);
        connect(page, &NoDataPage::installDemoRequested, this,
                [this] { loadDataPack(NoDataPage::shippedDemoPack()); });
        ui->externalTabWidget->addTab(page, tr("Welcome"));
    } else {
        auto *errorLabel =
            new QLabel(tr("Functionalities disabled until a valid .tarvex data file is loaded."), this);
        errorLabel->setObjectName(QStringLiteral("errorLabel"));
        errorLabel->setAlignment(Qt::AlignCenter);
        errorLabel->setWordWrap(true);
        ui->externalTabWidget->addTab(errorLabel, tr("Error"));
    }

    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::onAbout);
    connect(ui->actionUser_manual, &QAction::triggered, this, &MainWindow::onManualButtonClicked);
    connect(ui->actionImport_data_pack, &QAction::triggered, this, &MainWindow::onLoadNewData);
    connect(ui->actionQuit, &QAction::triggered, this, &QWidget::close);
    // Success messages silenced with their check box come back from here.
    ui->menuEdit->addSeparator();
    QAction *messagesAgain = ui->menuEdit->addAction(tr("Show all messages again"));
    messagesAgain->setObjectName(QStringLiteral("actionShow_messages_again"));
    connect(messagesAgain, &QAction::triggered, this, [this] {
        MessageBox::showSilencedAgain();
        statusBar()->showMessage(tr("Messages silenced with \"Do not show this again\" will show again."), 5000);
    });
    connect(ui->menuRecent_files, &QMenu::aboutToShow, this, &MainWindow::fillRecentFilesMenu);
    fillRecentFilesMenu();

    if (!catalogue->integrityFailed()) {
        initContainers();
        fillLanguageMenu();
        connectCommands();
        m_session->setEnabled(true);
        m_session->start(QString());
    } else if (!nothingInstalled) {
        MessageBox::critical(this, tr("Error"),
                             tr("Failed to load data!\nThe saved data is missing or it has been corrupted or "
                                "modified.\n\nThe application will not work until a new proper data file is "
                                "loaded."));
    }
    updateTitle();
    updateEditActions();
}

MainWindow::~MainWindow()
{
    // The session listens to the application; it goes first.
    delete m_session;
    m_session = nullptr;
    // Open help windows report their end to this window's members, so they go
    // while those members still exist.
    delete aboutWindow;
    delete powerSourcesWindow;
    delete distributionFactorWindow;
    delete manualWindow;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    // The containers outlive this destructor as children; none may reach back
    // into a window that is half gone.
    for (SystemContainerWidget *container : qAsConst(expansionBoxContainers))
        container->disconnect(this);
    if (mainContainer)
        mainContainer->disconnect(this);
    delete ui;
}

void MainWindow::initContainers()
{
    QList<QWidget *> previous;
    for (int i = 0; i < ui->externalTabWidget->count(); ++i)
        previous.append(ui->externalTabWidget->widget(i));
    ui->externalTabWidget->clear();
    for (QWidget *page : previous) {
        // Gone from the tabs and deaf from now on; deleted once the event
        // that brought us here is over.
        page->disconnect(this);
        if (page != ui->tab)
            page->deleteLater();
    }
    expansionBoxContainers.clear();

    mainContainer = new SystemContainerWidget(false, catalogue, QString(), this);
    ui->externalTabWidget->addTab(mainContainer, tr("Main Panel"));
    showFaultMark(mainContainer);
    if (mainContainer->panelWidget()) {
        connect(mainContainer, &SystemContainerWidget::expansionBoxAdded, this,
                &MainWindow::onExpansionBoxAdded);
        connect(mainContainer, &SystemContainerWidget::expansionBoxRemoved, this,
                &MainWindow::onExpansionBoxRemoved);
    }
    if (m_session) {
        m_session->watch(mainContainer);
        if (mainContainer->panelWidget())
            mainContainer->panelWidget()->setDocument(m_session->document());
    }
    attachDocument(mainContainer);
}

void MainWindow::onExpansionBoxAdded(QString baseName, QString displayName)
{
    if (expansionBoxContainers.contains(displayName)) {
        qWarning().noquote() << "Expansion box container already exists for:" << displayName;
        return;
    }
    auto *container = new SystemContainerWidget(true, catalogue, baseName, this);
    connect(container, &SystemContainerWidget::expansionBoxFaultChanged, this,
            [this, displayName](bool hasBatteryFault, bool hasPowerLoadFault, bool hasLoopFault) {
                onExpansionBoxFaultChanged(displayName, hasBatteryFault, hasPowerLoadFault, hasLoopFault);
            });
    ui->externalTabWidget->addTab(container, displayName);
    expansionBoxContainers.insert(displayName, container);
    if (m_session) {
        m_session->watch(container);
        if (PanelWidget *panel = container->panelWidget())
            panel->setDocument(m_session->document(), displayName);
    }
    attachDocument(container);
    showFaultMark(container);

    // The box told its state while it was being built, before anyone listened.
    const PanelMessages::FaultFlags flags = container->faultStates();
    onExpansionBoxFaultChanged(displayName, flags.hasBatteryFault, flags.hasPowerLoadFault,
                               flags.hasLoopFault);
}

void MainWindow::showFaultMark(SystemContainerWidget *container)
{
    // The page's tab follows its panel and loops into and out of fault.
    const auto mark = [this, container] {
        setTabFault(ui->externalTabWidget, ui->externalTabWidget->indexOf(container), container->hasFault(),
                    container->faultSummary());
    };
    connect(container, &SystemContainerWidget::faultSummaryChanged, this, mark);
    mark();
}

void MainWindow::onExpansionBoxRemoved(QString displayName)
{
    SystemContainerWidget *container = expansionBoxContainers.value(displayName);
    if (!container) {
        qWarning().noquote() << "Expansion box container not found:" << displayName;
        return;
    }
    ui->externalTabWidget->removeTab(ui->externalTabWidget->indexOf(container));
    expansionBoxContainers.remove(displayName);
    delete container;
}

void MainWindow::onExpansionBoxFaultChanged(QString expansionBoxName, bool hasBatteryFault,
                                            bool hasPowerLoadFault, bool hasLoopFault)
{
    if (mainContainer && mainContainer->panelWidget())
        mainContainer->panelWidget()->onExpansionBoxFaultChanged(expansionBoxName, hasBatteryFault,
                                                                 hasPowerLoadFault, hasLoopFault);
}

void MainWindow::connectCommands()
{
    // Unique connections: connecting twice would run a command twice.
    const auto unique = Qt::UniqueConnection;
    connect(ui->actionNew_language, &QAction::triggered, this, &MainWindow::onNewLanguageButtonClicked,
            unique);
    connect(ui->actionSave_as, &QAction::triggered, this, &MainWindow::onExportSetup, unique);
    connect(ui->actionOpen, &QAction::triggered, this, &MainWindow::onImportSetup, unique);
    connect(ui->actionImport_VXA310_XML, &QAction::triggered, this, &MainWindow::onImportVxa310Xml, unique);
    connect(ui->actionImport_VXA620_XML, &QAction::triggered, this, &MainWindow::onImportVxa620Xml, unique);
    connect(ui->actionGenerate_report, &QAction::triggered, this, &MainWindow::onGenerateReport, unique);
    connect(ui->actionCompare_with, &QAction::triggered, this, &MainWindow::onCompareWith, unique);
    connect(ui->actionProject, &QAction::triggered, this, &MainWindow::onProject, unique);
    connect(ui->actionExport_workbook, &QAction::triggered, this, &MainWindow::onExportWorkbook, unique);
    connect(ui->actionExport_bill_of_materials, &QAction::triggered, this, &MainWindow::onExportBillOfMaterials,
            unique);
    connect(ui->actionExport_device_schedule, &QAction::triggered, this, &MainWindow::onExportDeviceSchedule,
            unique);
    connect(ui->actionExport_cable_schedule, &QAction::triggered, this, &MainWindow::onExportCableSchedule,
            unique);
    connect(ui->actionPower_sources, &QAction::triggered, this, &MainWindow::onPowerSourcesButtonClicked,
            unique);
    connect(ui->actionDistribution_factor, &QAction::triggered, this,
            &MainWindow::onDistributionFactorButtonClicked, unique);
    connect(ui->actionNew, &QAction::triggered, this, &MainWindow::onNew, unique);
    connect(ui->actionSave, &QAction::triggered, this, &MainWindow::onSave, unique);
    connect(ui->actionUndo, &QAction::triggered, m_session, &DesignSession::undo, unique);
    connect(ui->actionRedo, &QAction::triggered, m_session, &DesignSession::redo, unique);
}

void MainWindow::onLoadNewData()
{
    // A new data pack replaces the design.
    if (!catalogue->integrityFailed() && !maybeSave())
        return;
    const QString path = FileDialog::getOpenFileName(
        this, tr("Select Data File"),
        RecentFiles::lastFolder(DataPacks,
                                QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)),
        tr("Tarvex Data Files (*.tarvex)"));
    if (path.isEmpty())
        return;
    RecentFiles::rememberFolder(DataPacks, path);
    loadDataPack(path);
}

void MainWindow::loadDataPack(const QString &path)
{
    const bool wasDisabled = catalogue->integrityFailed();
    bool installed = false;
    {
        BusyCursor busy;
        installed = catalogue->installDataPack(path);
    }
    if (!installed && catalogue->lastInstallWasBusy()) {
        MessageBox::critical(this, tr("Error"),
                             tr("Another data pack installation is running.\nTry again when it has finished; "
                                "nothing was changed."));
        return;
    }
    if (!installed && !catalogue->lastInstallError().isEmpty()) {
        MessageBox::critical(this, tr("Error"),
                             tr("The data pack could not be installed:\n%1\nNothing was changed.")
                                 .arg(catalogue->lastInstallError()));
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
    MessageBox::success(this, QStringLiteral("dataPackInstalled"), tr("Success"), tr("New data loaded successfully!"));
}

void MainWindow::showInternalError()
{
    MessageBox::critical(
        this, tr("Error"),
        tr("Internal error happened.\nTry again. If the problem persists after restarting the "
           "application, contact support."));
}

void MainWindow::onExportSetup()
{
    onSaveAs();
}

bool MainWindow::onSaveAs()
{
    const QString start = !m_session->fileName().isEmpty()
                              ? m_session->fileName()
                              : RecentFiles::lastFolder(SetupFiles, homeFolder());
    QString fileName = FileDialog::getSaveFileName(
        this, tr("Export Setup"), start, tr("Comma separated values (*.csv)"), QStringLiteral("csv"));
    if (fileName.isEmpty())
        return false;
    // A name typed without ".csv" would be hidden from the Open dialog.
    fileName = RecentFiles::withDefaultSuffix(fileName, QStringLiteral("csv"));
    RecentFiles::rememberFolder(SetupFiles, fileName);
    if (!mainContainer) {
        showInternalError();
        return false;
    }
    if (!saveTo(fileName))
        return false;
    MessageBox::success(this, QStringLiteral("setupExported"), tr("Success"), tr("Setup exported successfully!"));
    return true;
}

bool MainWindow::onSave()
{
    if (m_session->fileName().isEmpty())
        return onSaveAs();
    if (!mainContainer) {
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
    const QString fileName = FileDialog::getOpenFileName(this, tr("Import Setup"),
                                                         RecentFiles::lastFolder(SetupFiles, homeFolder()),
                                                         tr("Comma separated values (*.csv)"));
    if (fileName.isEmpty())
        return;
    RecentFiles::rememberFolder(SetupFiles, fileName);
    loadSetup(fileName);
}

void MainWindow::onCompareWith()
{
    const QString fileName = FileDialog::getOpenFileName(this, tr("Compare with"),
                                                         RecentFiles::lastFolder(SetupFiles, homeFolder()),
                                                         tr("Comma separated values (*.csv)"));
    if (fileName.isEmpty() || !m_session)
        return;
    Design other;
    if (!DesignFile::read(fileName, other, *catalogue)) {
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
        SystemContainerWidget *page = system < 0 ? mainContainer : expansionBoxPages().value(system);
        if (!page)
            return;
        ui->externalTabWidget->setCurrentWidget(page);
        page->tabWidget()->setCurrentIndex(loop + 1);
        activateWindow();
    });
    view->show();
}

void MainWindow::openFile(const QString &fileName)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("tarvex"), Qt::CaseInsensitive) == 0) {
        // A new data pack replaces the design.
        if (!catalogue->integrityFailed() && !maybeSave())
            return;
        loadDataPack(fileName);
        return;
    }
    // A design needs the product data it was made with.
    if (catalogue->integrityFailed())
        return;
    if (maybeSave())
        loadSetup(fileName);
}

bool MainWindow::loadSetup(const QString &fileName, bool announce)
{
    if (!mainContainer || !mainContainer->panelWidget()) {
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
        read = readSetupFile(fileName, mainContainer, newContainers, catalogue, &adjusted, &design);
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
        MessageBox::success(this, QStringLiteral("setupOpened"), tr("Success"), tr("Setup imported successfully!"));
    return true;
}

void MainWindow::startSession(const QString &fileName)
{
    UnfinishedWrites::offer(this);
    if (m_session->recovery().slot() > 1)
        MessageBox::information(this, tr("Information"),
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
    if (!m_session->isEnabled() || GettingStartedPanel::wasDismissed() ||
        findChild<GettingStartedPanel *>())
        return;
    ui->verticalLayout->insertWidget(0, new GettingStartedPanel(this));
}

bool MainWindow::offerRecovery()
{
    RecoveryFile &recovery = m_session->recovery();
    if (!m_session->isEnabled() || !recovery.isClaimed() || !recovery.exists())
        return false;
    // Checked whole before anything is offered: a damaged copy is never shown
    // half loaded, and it is kept aside rather than lost.
    Design design;
    if (!DesignFile::read(recovery.path(), design, *catalogue)) {
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
        applyDesign(design, mainContainer, newContainers, catalogue);
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
    QMenu *menu = ui->menuRecent_files;
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

QString MainWindow::documentName() const
{
    const QString file = m_session ? m_session->fileName() : QString();
    if (!file.isEmpty())
        return QFileInfo(file).fileName();
    return m_importedFrom.isEmpty() ? tr("Untitled") : tr("Untitled (imported from %1)").arg(m_importedFrom);
}

void MainWindow::updateTitle()
{
    // The form's title is a placeholder; the window shows the design's name.
    setWindowTitle(tr("%1[*] - %2").arg(documentName(), Constants::ApplicationName));
    setWindowModified(m_session && m_session->isModified());
}

void MainWindow::updateEditActions()
{
    ui->actionUndo->setEnabled(m_session && m_session->canUndo());
    ui->actionRedo->setEnabled(m_session && m_session->canRedo());
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // A new translation puts the form's texts back, the title among them.
    if (event->type() == QEvent::LanguageChange) {
        updateTitle();
        QTimer::singleShot(0, this, &MainWindow::updateTitle);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    m_session->finish();
    event->accept();
}

void MainWindow::attachDocument(SystemContainerWidget *container)
{
    if (!m_session)
        return;
    container->setDocument(m_session->document(), [this, container] {
        if (container == mainContainer)
            return -1;
        // A container not (or no longer) among the pages has no place in the design.
        const int page = expansionBoxPages().indexOf(container);
        return page < 0 ? std::numeric_limits<int>::max() : page;
    });
}

QList<SystemContainerWidget *> MainWindow::expansionBoxPages() const
{
    QList<SystemContainerWidget *> pages;
    for (int i = 0; i < ui->externalTabWidget->count(); ++i) {
        auto *page = qobject_cast<SystemContainerWidget *>(ui->externalTabWidget->widget(i));
        if (page && page != mainContainer && expansionBoxContainers.values().contains(page))
            pages.append(page);
    }
    return pages;
}

Design MainWindow::snapshot() const
{
    Design design;
    if (!mainContainer || !mainContainer->panelWidget())
        return design;
    design.main.config = mainContainer->panelWidget()->configuration();
    design.main.loops = loopConfigs(mainContainer);
    for (SystemContainerWidget *page : expansionBoxPages()) {
        SystemDesign box;
        box.config = page->panelWidget()->configuration();
        box.loops = loopConfigs(page);
        box.name = expansionBoxContainers.key(page);
        design.boxes.append(box);
    }
    return design;
}

void MainWindow::showDesign(const Design &state)
{
    if (!mainContainer || !catalogue)
        return;
    BusyCursor busy;
    // A change of model takes the boxes with it, through the usual signals.
    updateContainerSetup(mainContainer, state.main.config.toTexts(), state.main.loops);

    QMap<QString, const SystemDesign *> boxes;
    QStringList names;
    for (const SystemDesign &box : state.boxes) {
        boxes.insert(box.name, &box);
        names.append(box.name);
    }
    const QStringList current = expansionBoxContainers.keys();
    for (const QString &name : current) {
        SystemContainerWidget *container = expansionBoxContainers.value(name);
        if (!boxes.contains(name) || boxes.value(name)->config.model != container->containerName()) {
            container->disconnect(this);
            ui->externalTabWidget->removeTab(ui->externalTabWidget->indexOf(container));
            expansionBoxContainers.remove(name);
            delete container;
        }
    }
    for (int i = 0; i < state.boxes.size(); ++i) {
        const SystemDesign &box = state.boxes.at(i);
        if (!expansionBoxContainers.contains(box.name))
            onExpansionBoxAdded(box.config.model, box.name);
        SystemContainerWidget *container = expansionBoxContainers.value(box.name);
        if (!container)
            continue;
        updateContainerSetup(container, box.config.toTexts(), box.loops);
        const int from = ui->externalTabWidget->indexOf(container);
        if (from != i + 1)
            ui->externalTabWidget->tabBar()->moveTab(from, i + 1);
    }
    if (mainContainer->panelWidget()) {
        mainContainer->panelWidget()->setExpansionBoxNames(names);
        for (const QString &name : names) {
            const PanelMessages::FaultFlags flags = expansionBoxContainers.value(name)->faultStates();
            onExpansionBoxFaultChanged(name, flags.hasBatteryFault, flags.hasPowerLoadFault,
                                       flags.hasLoopFault);
        }
    }
}

void MainWindow::noteDroppedParts(const Design &before, const Design &after)
{
    const DroppedParts dropped = droppedByModelChange(before, after);
    if (dropped.isEmpty())
        return;
    const QString separator = QStringLiteral(", ");
    QStringList parts;
    if (!dropped.battery.isEmpty())
        parts << tr("battery %1").arg(dropped.battery);
    if (!dropped.cards.isEmpty())
        parts << tr("cards %1").arg(dropped.cards.join(separator));
    if (!dropped.powerSupplies.isEmpty())
        parts << tr("external power %1").arg(dropped.powerSupplies.join(separator));
    if (!dropped.loops.isEmpty())
        parts << tr("loops %1").arg(dropped.loops.join(separator));
    if (!dropped.boxes.isEmpty())
        parts << tr("expansion boxes %1 with their loops").arg(dropped.boxes.join(separator));
    statusBar()->showMessage(tr("Panel changed to %1; removed %2. %3 brings them back.")
                                 .arg(dropped.newModel, parts.join(QStringLiteral("; ")),
                                      ui->actionUndo->shortcut().toString(QKeySequence::NativeText)));
}

void MainWindow::warnAdjustedValues(const QStringList &adjusted)
{
    if (adjusted.isEmpty())
        return;
    // Listed in full would not fit a screen; the count says how many more.
    constexpr int Shown = 20;
    QStringList lines = adjusted.mid(0, Shown);
    if (adjusted.size() > Shown)
        lines.append(tr("... and %n more", nullptr, int(adjusted.size() - Shown)));
    MessageBox::warning(this, tr("Values adjusted"),
                        tr("The file holds values the editors cannot show as they are. They were "
                           "adjusted:\n\n%1")
                            .arg(lines.join(QLatin1Char('\n'))));
}

void MainWindow::rebuildExpansionBoxTabs(const QList<SystemContainerWidget *> &newContainers,
                                         const Design &design)
{
    for (SystemContainerWidget *container : qAsConst(expansionBoxContainers)) {
        container->disconnect(this);
        ui->externalTabWidget->removeTab(ui->externalTabWidget->indexOf(container));
        delete container;
    }
    expansionBoxContainers.clear();

    QStringList names;
    for (int i = 0; i < newContainers.size(); ++i) {
        SystemContainerWidget *container = newContainers.at(i);
        const QString name = design.boxes.value(i).name;

        container->setParent(this);
        connect(container, &SystemContainerWidget::expansionBoxFaultChanged, this,
                [this, name](bool hasBatteryFault, bool hasPowerLoadFault, bool hasLoopFault) {
                    onExpansionBoxFaultChanged(name, hasBatteryFault, hasPowerLoadFault, hasLoopFault);
                });
        ui->externalTabWidget->addTab(container, name);
        expansionBoxContainers.insert(name, container);
        if (m_session) {
            m_session->watch(container);
            if (PanelWidget *panel = container->panelWidget())
                panel->setDocument(m_session->document(), name);
        }
        attachDocument(container);
        showFaultMark(container);

        const PanelMessages::FaultFlags flags = container->faultStates();
        onExpansionBoxFaultChanged(name, flags.hasBatteryFault, flags.hasPowerLoadFault, flags.hasLoopFault);
        names.append(name);
    }
    if (mainContainer && mainContainer->panelWidget())
        mainContainer->panelWidget()->setExpansionBoxNames(names);
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
        RecentFiles::lastFolder(XmlFiles, homeFolder()), tr("XML files (*.xml)"));
    if (fileName.isEmpty())
        return;
    RecentFiles::rememberFolder(XmlFiles, fileName);
    const QString variant = vxa310 ? tr("VXA310 XML") : tr("VXA620 XML");
    QStringList adjusted;
    QMap<int, QStringList> unitOrders;
    m_session->flush();
    if (!importConfigurationXml(fileName, mainContainer, catalogue, vxa310, &adjusted, &unitOrders)) {
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
            it.key(), ScheduleRules::fromOrder(loop, it.value(),
                                               ScheduleRules::records(LoopCalc::resolveDevices(loop.devices, *catalogue))));
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

void MainWindow::onGenerateReport()
{
    QString fileName = FileDialog::getSaveFileName(this, tr("Generate Report"),
                                                   RecentFiles::lastFolder(ReportFiles, homeFolder()),
                                                   tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (fileName.isEmpty())
        return;
    fileName = RecentFiles::withDefaultSuffix(fileName, QStringLiteral("pdf"));
    RecentFiles::rememberFolder(ReportFiles, fileName);
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
    reportInformation = FileCommands::reportInformation(document->design().project, reportInformation);
    // The report lists the boxes as the file holds them, in the order of their names.
    Design ordered = document->design();
    ordered.boxes.clear();
    for (int i : document->design().boxFileOrder())
        ordered.boxes.append(document->design().boxes.at(i));
    if (!mainContainer || !catalogue ||
        !generateReport(this, fileName, ordered, DesignEvaluation::evaluate(ordered, *catalogue), *catalogue,
                        reportInformation)) {
        MessageBox::critical(this, tr("Error"),
                             tr("Failed to generate report.\nIf overwriting an existing file, make sure the "
                                "file is not open by another process."));
        return;
    }
    const std::optional<ProjectInfo> answered =
        FileCommands::withReportAnswers(document->design().project, reportInformation);
    if (answered != document->design().project)
        document->setProjectInfo(answered);
    MessageBox::success(this, QStringLiteral("reportGenerated"), tr("Success"), tr("Report generated successfully!"));
}

void MainWindow::onProject()
{
    m_session->flush();
    FileCommands::editProject(this, m_session->document());
}

void MainWindow::exportTables(std::optional<Exports::Kind> kind)
{
    m_session->flush();
    FileCommands::exportTables(this, m_session->document(), catalogue, kind);
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

void MainWindow::fillLanguageMenu()
{
    auto *menu = new QMenu(this);
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    QMenu *previous = ui->actionChange_language->menu();
    ui->actionChange_language->setMenu(menu);
    if (previous)
        previous->deleteLater();
    languageMenu = menu;

    const QStringList codes = Languages::availableCodes(Languages::translationsFolder());
    for (const QString &code : codes) {
        if (currentLanguage.isEmpty())
            currentLanguage = code;
        QAction *entry = menu->addAction(Languages::menuText(code));
        entry->setCheckable(true);
        entry->setData(code);
        group->addAction(entry);
        entry->setChecked(code == currentLanguage);
        connect(entry, &QAction::triggered, this, [this, code] { onLanguageChanged(code); });
    }
    applyLanguage(currentLanguage, false);
}

void MainWindow::checkLanguageEntry(const QString &code)
{
    if (!languageMenu)
        return;
    for (QAction *entry : languageMenu->actions())
        entry->setChecked(entry->data().toString() == code);
}

void MainWindow::closeHelpWindows()
{
    // Each deletes itself once closed; the flags are cleared now so that the
    // next Help command opens a window in the new language.
    const auto close = [](QWidget *window) {
        if (window)
            window->close();
    };
    close(aboutWindow);
    close(powerSourcesWindow);
    close(distributionFactorWindow);
    close(manualWindow);
    aboutWindow = nullptr;
    powerSourcesWindow = nullptr;
    distributionFactorWindow = nullptr;
    manualWindow = nullptr;
    aboutWindowOpen = powerSourcesWindowOpen = distributionFactorWindowOpen = manualWindowOpen = false;
}

void MainWindow::onLanguageChanged(QString language)
{
    applyLanguage(Languages::codeOf(language), true);
}

void MainWindow::applyLanguage(const QString &code, bool fromMenu)
{
    if (code.isEmpty())
        return;
    const QString folder = Languages::translationsFolder();
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + Languages::fileName(code);

    // Re-applying the very file in force (the menu refresh, the entry already
    // checked) has nothing to change.
    const QFileInfo file(path);
    const QString signature = path + QLatin1Char('|') + file.lastModified().toString(Qt::ISODateWithMs) +
                              QLatin1Char('|') + QString::number(file.size());
    if (translator && file.isFile() && signature == loadedTranslation) {
        currentLanguage = code;
        if (fromMenu)
            Languages::rememberLanguage(code);
        checkLanguageEntry(code);
        return;
    }

    // Nothing changes until the new translation has loaded.
    auto *next = new QTranslator(this);
    QString refused;
    if (!TranslationFile::load(*next, path, &refused)) {
        delete next;
        qWarning().noquote() << "Failed to load language file:" << path << "-" << refused;
        checkLanguageEntry(currentLanguage);
        if (fromMenu)
            MessageBox::critical(
                this, tr("Error"),
                tr("Failed to load language file.\nMake sure the file exists and is valid."));
        else
            m_startLanguageRefused = path;
        return;
    }

    BusyCursor busy;
    // The views are rebuilt from the document, which holds the whole design.
    if (m_session)
        m_session->flush();
    const Design kept = m_session ? m_session->document()->design() : Design();

    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    translator = next;
    loadedTranslation = signature;
    QCoreApplication::installTranslator(translator);
    currentLanguage = code;
    if (fromMenu)
        Languages::rememberLanguage(code);
    checkLanguageEntry(code);

    ui->retranslateUi(this);
    updateTitle(); // the form's placeholder came back with its texts
    fillRecentFilesMenu(); // its entries are made in code, not by the form
    if (auto *messagesAgain = findChild<QAction *>(QStringLiteral("actionShow_messages_again")))
        messagesAgain->setText(tr("Show all messages again"));
    closeHelpWindows();
    if (!mainContainer)
        return;
    initContainers();
    QList<SystemContainerWidget *> newContainers;
    applyDesign(kept, mainContainer, newContainers, catalogue);
    rebuildExpansionBoxTabs(newContainers, kept);
    // The same design in other words: no edit, no step to undo.
    m_session->refresh();
}

void MainWindow::onNewLanguageButtonClicked()
{
    const QString chosen = FileDialog::getOpenFileName(
        this, tr("Select Language File"), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
        tr("Translation files (*.qm)"));
    if (chosen.isEmpty())
        return;

    const QString folder = Languages::translationsFolder();
    QDir().mkpath(folder);
    const QString target = Languages::newLanguageTarget(chosen, folder);
    const QFileInfo chosenInfo(chosen);
    const QFileInfo targetInfo(target);
    // A file picked from the folder itself is already in place: deleting the
    // target first would delete the very file to be copied.
    const bool alreadyThere = targetInfo.exists() && chosenInfo.exists() &&
                              chosenInfo.canonicalFilePath() == targetInfo.canonicalFilePath();
    if (!alreadyThere) {
        if (targetInfo.exists() &&
            MessageBox::question(this, tr("Warning"),
                                 tr("That language file already exists.\nDo you want to overwrite it?")) !=
                QMessageBox::Yes)
            return;
        // A damaged translation is refused before it is copied or loaded.
        QTranslator probe;
        QString refused;
        if (chosenInfo.exists() && !TranslationFile::load(probe, chosen, &refused)) {
            qWarning().noquote() << "Failed to load language file:" << chosen << "-" << refused;
            MessageBox::critical(this, tr("Error"),
                                 tr("Failed to load language file.\nMake sure the file exists and is valid."));
            return;
        }
        // Written whole or not at all: a failed copy keeps the old file.
        QFile source(chosen);
        QString error;
        if (!source.open(QIODevice::ReadOnly))
            error = source.errorString();
        else if (SafeWrite::writeFileSafely(target, source.read(TranslationFile::MaximumBytes), &error))
            QFile::setPermissions(target,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        if (!error.isEmpty()) {
            qWarning().noquote() << "Failed to copy the language file:" << error;
            MessageBox::critical(
                this, tr("Error"),
                tr("Failed to copy the language file.\nMake sure the file is valid and not open by another "
                   "process."));
            return;
        }
    }
    fillLanguageMenu();
    MessageBox::success(
        this, QStringLiteral("languageAdded"), tr("Success"),
        tr("Language file loaded successfully!\nYou can now select it from the language combo box."));
}

void MainWindow::onAbout()
{
    toggleHelpWindow(
        this, aboutWindow, aboutWindowOpen, [this] { return new About(this); },
        [](About *window) { window->adjustSize(); });
}

void MainWindow::onPowerSourcesButtonClicked()
{
    toggleHelpWindow(
        this, powerSourcesWindow, powerSourcesWindowOpen,
        [this] { return new PowerSources(catalogue, this); },
        [](PowerSources *window) { window->adjustSize(); });
}

void MainWindow::onDistributionFactorButtonClicked()
{
    toggleHelpWindow(
        this, distributionFactorWindow, distributionFactorWindowOpen,
        [this] { return new DistributionFactor(this); },
        [](DistributionFactor *window) { window->adjustSize(); });
}

void MainWindow::onManualButtonClicked()
{
    toggleHelpWindow(
        this, manualWindow, manualWindowOpen, [this] { return new ManualWindow(currentLanguage, this); },
        [this](ManualWindow *window) {
            window->resize(std::max(900, 3 * width() / 4), std::max(650, 3 * height() / 4));
        });
    if (manualWindowOpen && manualWindow) {
        manualWindow->raise();
        manualWindow->activateWindow();
    }
}
