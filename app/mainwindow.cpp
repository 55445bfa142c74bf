#include "app/mainwindow.h"

#include "app/constants.h"
#include "app/languages.h"
#include "catalogue/catalogue.h"
#include "loop/systemcontainerwidget.h"
#include "panel/panelwidget.h"
#include "report/reportgenerator.h"
#include "setup/setupfile.h"
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
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
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

} // namespace

MainWindow::MainWindow(Catalogue *catalogue, QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow), catalogue(catalogue)
{
    ui->setupUi(this);

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

    auto *errorLabel =
        new QLabel(tr("Functionalities disabled until a valid .tarvex data file is loaded."), this);
    errorLabel->setObjectName(QStringLiteral("errorLabel"));
    errorLabel->setAlignment(Qt::AlignCenter);
    errorLabel->setWordWrap(true);
    ui->externalTabWidget->clear();
    ui->externalTabWidget->addTab(errorLabel, tr("Error"));

    connect(ui->actionAbout, &QAction::triggered, this, &MainWindow::onAbout);
    connect(ui->actionUser_manual, &QAction::triggered, this, &MainWindow::onManualButtonClicked);
    connect(ui->actionImport_data_pack, &QAction::triggered, this, &MainWindow::onLoadNewData);

    if (!catalogue->integrityFailed()) {
        initContainers();
        fillLanguageMenu();
        connectCommands();
    } else {
        MessageBox::critical(this, tr("Error"),
                             tr("Failed to load data!\nThe saved data is missing or it has been corrupted or "
                                "modified.\n\nThe application will not work until a new proper data file is "
                                "loaded."));
    }
}

MainWindow::~MainWindow()
{
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
    connect(ui->actionPower_sources, &QAction::triggered, this, &MainWindow::onPowerSourcesButtonClicked,
            unique);
    connect(ui->actionDistribution_factor, &QAction::triggered, this,
            &MainWindow::onDistributionFactorButtonClicked, unique);
}

void MainWindow::onLoadNewData()
{
    const QString path = FileDialog::getOpenFileName(
        this, tr("Select Data File"), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
        tr("Tarvex Data Files (*.tarvex)"));
    if (path.isEmpty())
        return;
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
    }
    MessageBox::information(this, tr("Success"), tr("New data loaded successfully!"));
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
    const QString fileName = FileDialog::getSaveFileName(
        this, tr("Export Setup"), QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
        tr("Comma separated values (*.csv)"));
    if (fileName.isEmpty())
        return;
    if (!mainContainer) {
        showInternalError();
        return;
    }
    // The map keeps the boxes in the order of their tab names.
    if (!writeSetupFile(fileName, mainContainer, expansionBoxContainers.values())) {
        MessageBox::critical(
            this, tr("Error"),
            tr("Failed to open file for writing.\nIf overwriting an existing file, make sure "
               "it is not open by another process."));
        return;
    }
    MessageBox::information(this, tr("Success"), tr("Setup exported successfully!"));
}

void MainWindow::onImportSetup()
{
    if (MessageBox::question(
            this, tr("Warning"),
            tr("The current setup will be overwritten.\nAre you sure you want to continue?")) !=
        QMessageBox::Yes)
        return;
    const QString fileName = FileDialog::getOpenFileName(
        this, tr("Import Setup"), QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
        tr("Comma separated values (*.csv)"));
    if (fileName.isEmpty())
        return;
    loadSetup(fileName);
}

void MainWindow::openFile(const QString &fileName)
{
    if (QFileInfo(fileName).suffix().compare(QLatin1String("tarvex"), Qt::CaseInsensitive) == 0) {
        loadDataPack(fileName);
        return;
    }
    // A design needs the product data it was made with.
    if (catalogue->integrityFailed())
        return;
    loadSetup(fileName);
}

void MainWindow::loadSetup(const QString &fileName)
{
    if (!mainContainer || !mainContainer->panelWidget()) {
        showInternalError();
        return;
    }
    QList<SystemContainerWidget *> newContainers;
    QStringList adjusted;
    bool read = false;
    {
        BusyCursor busy;
        read = readSetupFile(fileName, mainContainer, newContainers, catalogue, &adjusted);
    }
    if (!read) {
        MessageBox::critical(
            this, tr("Error"),
            tr("Failed to import setup.\nThe file may not have the correct format, it may be "
               "corrupted or it may be from a newer version of the application.\n"));
        return;
    }
    rebuildExpansionBoxTabs(newContainers);
    warnAdjustedValues(adjusted);
    MessageBox::information(this, tr("Success"), tr("Setup imported successfully!"));
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

void MainWindow::rebuildExpansionBoxTabs(const QList<SystemContainerWidget *> &newContainers)
{
    for (SystemContainerWidget *container : qAsConst(expansionBoxContainers)) {
        container->disconnect(this);
        ui->externalTabWidget->removeTab(ui->externalTabWidget->indexOf(container));
        delete container;
    }
    expansionBoxContainers.clear();

    QStringList used;
    for (SystemContainerWidget *container : newContainers) {
        // Two boxes of one model: "X", then "X (2)", "X (3)".
        QString name = container->containerName();
        for (int n = 2; used.contains(name); ++n)
            name = container->containerName() + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')');

        container->setParent(this);
        connect(container, &SystemContainerWidget::expansionBoxFaultChanged, this,
                [this, name](bool hasBatteryFault, bool hasPowerLoadFault, bool hasLoopFault) {
                    onExpansionBoxFaultChanged(name, hasBatteryFault, hasPowerLoadFault, hasLoopFault);
                });
        ui->externalTabWidget->addTab(container, name);
        expansionBoxContainers.insert(name, container);
        showFaultMark(container);

        const PanelMessages::FaultFlags flags = container->faultStates();
        onExpansionBoxFaultChanged(name, flags.hasBatteryFault, flags.hasPowerLoadFault, flags.hasLoopFault);
        used.append(name);
    }
    if (mainContainer && mainContainer->panelWidget())
        mainContainer->panelWidget()->setExpansionBoxNames(used);
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
    if (MessageBox::question(
            this, tr("Warning"),
            tr("The current setup will be overwritten.\nAre you sure you want to continue?")) !=
        QMessageBox::Yes)
        return;
    const QString fileName = FileDialog::getOpenFileName(
        this, vxa310 ? tr("Import from VXA310 XML") : tr("Import from VXA620 XML"),
        QStandardPaths::writableLocation(QStandardPaths::HomeLocation), tr("XML files (*.xml)"));
    if (fileName.isEmpty())
        return;
    const QString variant = vxa310 ? tr("VXA310 XML") : tr("VXA620 XML");
    QStringList adjusted;
    if (!importConfigurationXml(fileName, mainContainer, catalogue, vxa310, &adjusted)) {
        MessageBox::critical(this, tr("Error"),
                             tr("Failed to import %1.\nThe file may not have the correct format, it may be "
                                "corrupted or may not contain compatible device configuration.")
                                 .arg(variant));
        return;
    }
    warnAdjustedValues(adjusted);
    MessageBox::information(this, tr("Success"),
                            vxa310 ? tr("VXA310 XML imported successfully!")
                                   : tr("VXA620 XML imported successfully!"));
}

void MainWindow::onGenerateReport()
{
    const QString fileName = FileDialog::getSaveFileName(
        this, tr("Generate Report"), QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
        tr("PDF files (*.pdf)"));
    if (fileName.isEmpty())
        return;
    // The map keeps the boxes in the order of their tab names.
    if (!mainContainer ||
        !generateReport(fileName, mainContainer, expansionBoxContainers.values(), catalogue, reportInformation)) {
        MessageBox::critical(this, tr("Error"),
                             tr("Failed to generate report.\nIf overwriting an existing file, make sure the "
                                "file is not open by another process."));
        return;
    }
    MessageBox::information(this, tr("Success"), tr("Report generated successfully!"));
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
    if (!next->load(path)) {
        delete next;
        qWarning().noquote() << "Failed to load language file:" << path;
        checkLanguageEntry(currentLanguage);
        if (fromMenu)
            MessageBox::critical(
                this, tr("Error"),
                tr("Failed to load language file.\nMake sure the file exists and is valid."));
        return;
    }

    BusyCursor busy;
    // The design crosses the switch through a setup file of its own in a
    // private folder (owner only, unique name), removed on every way out.
    QTemporaryDir scratch;
    const QString setupPath = scratch.filePath(QStringLiteral("setup.csv"));
    // Checked before anything changes: a design that would not read back
    // stays on screen in the old language rather than being lost.
    SetupFile::SetupData kept;
    if (mainContainer &&
        (!scratch.isValid() || !writeSetupFile(setupPath, mainContainer, expansionBoxContainers.values()) ||
         !SetupFile::readSetupData(setupPath, kept, *catalogue))) {
        delete next;
        qWarning().noquote() << "Failed to keep the current setup for the language change:" << setupPath;
        checkLanguageEntry(currentLanguage);
        if (fromMenu)
            MessageBox::critical(this, tr("Error"),
                                 tr("Failed to change the language.\nThe current setup could not be kept."));
        return;
    }

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
    closeHelpWindows();
    if (!mainContainer)
        return;
    initContainers();
    QList<SystemContainerWidget *> newContainers;
    if (!readSetupFile(setupPath, mainContainer, newContainers, catalogue))
        qWarning().noquote() << "Failed to restore the setup after the language change";
    rebuildExpansionBoxTabs(newContainers);
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
        // Copied beside the target first: a failed copy keeps the old file.
        const QString partial = target + QStringLiteral(".part");
        QFile::remove(partial);
        QFile source(chosen);
        QString error;
        if (!source.copy(partial)) {
            error = source.errorString();
        } else {
            QFile::setPermissions(partial,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
            if ((targetInfo.exists() && !QFile::remove(target)) || !QFile::rename(partial, target))
                error = QStringLiteral("cannot replace ") + target;
        }
        if (!error.isEmpty()) {
            QFile::remove(partial);
            qWarning().noquote() << "Failed to copy the language file:" << error;
            MessageBox::critical(
                this, tr("Error"),
                tr("Failed to copy the language file.\nMake sure the file is valid and not open by another "
                   "process."));
            return;
        }
    }
    fillLanguageMenu();
    MessageBox::information(
        this, tr("Success"),
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
