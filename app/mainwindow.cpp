#include "app/mainwindow.h"

#include "app/busycursor.h"
#include "core/constants.h"
#include "app/designsession.h"
#include "app/firststart.h"
#include "app/helpwindows.h"
#include "app/languages.h"
#include "editors/systemcontainerwidget.h"
#include "catalogue/catalogue.h"
#include "design/designhistory.h"
#include "setup/recoveryfile.h"
#include "ui_mainwindow.h"
#include "widgets/messagebox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>
#include <QTranslator>

namespace
{

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
    : QMainWindow(parent), m_ui(new Ui::MainWindow), m_catalogue(catalogue)
{
    m_ui->setupUi(this);
    m_helpWindows = new HelpWindows(this, catalogue);
    m_ui->actionNew->setShortcuts(keys(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)));
    m_ui->actionOpen->setShortcuts(keys(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    m_ui->actionSave->setShortcuts(keys(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)));
    m_ui->actionSave_as->setShortcuts(
        keys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    m_ui->actionQuit->setShortcuts(keys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    m_ui->actionUndo->setShortcuts(keys(QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z)));
    m_ui->actionRedo->setShortcuts(keys(QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));

    m_session = new DesignSession(
        this, [this] { return snapshot(); }, [this](const Design &state) { showDesign(state); }, m_catalogue,
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
    m_ui->externalTabWidget->clear();
    if (m_catalogue->integrityFailed() && nothingInstalled) {
        auto *page = new NoDataPage(NoDataPage::shippedDemoPack(), this);
        connect(page, &NoDataPage::importRequested, this, &MainWindow::onLoadNewData);
        connect(page, &NoDataPage::installDemoRequested, this,
                [this] { loadDataPack(NoDataPage::shippedDemoPack()); });
        m_ui->externalTabWidget->addTab(page, tr("Welcome"));
    } else {
        auto *errorLabel =
            new QLabel(tr("Functionalities disabled until a valid .tarvex data file is loaded."), this);
        errorLabel->setObjectName(QStringLiteral("errorLabel"));
        errorLabel->setAlignment(Qt::AlignCenter);
        errorLabel->setWordWrap(true);
        m_ui->externalTabWidget->addTab(errorLabel, tr("Error"));
    }

    connect(m_ui->actionAbout, &QAction::triggered, this, &MainWindow::onAbout);
    connect(m_ui->actionUser_manual, &QAction::triggered, this, &MainWindow::onManualButtonClicked);
    connect(m_ui->actionImport_data_pack, &QAction::triggered, this, &MainWindow::onLoadNewData);
    connect(m_ui->actionQuit, &QAction::triggered, this, &QWidget::close);
    // Success messages silenced with their check box come back from here.
    m_ui->menuEdit->addSeparator();
    QAction *messagesAgain = m_ui->menuEdit->addAction(tr("Show all messages again"));
    messagesAgain->setObjectName(QStringLiteral("actionShow_messages_again"));
    connect(messagesAgain, &QAction::triggered, this, [this] {
        MessageBox::showSilencedAgain();
        statusBar()->showMessage(tr("Messages silenced with \"Do not show this again\" will show again."),
                                 5000);
    });
    connect(m_ui->menuRecent_files, &QMenu::aboutToShow, this, &MainWindow::fillRecentFilesMenu);
    fillRecentFilesMenu();

    if (!m_catalogue->integrityFailed()) {
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
    // Open help windows go with their keeper, before anything else of the window.
    delete m_helpWindows;
    m_helpWindows = nullptr;
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
    // The containers outlive this destructor as children; none may reach back
    // into a window that is half gone.
    for (SystemContainerWidget *container : qAsConst(m_expansionBoxContainers))
        container->disconnect(this);
    if (m_mainContainer)
        m_mainContainer->disconnect(this);
    delete m_ui;
}

void MainWindow::connectCommands()
{
    // Unique connections: connecting twice would run a command twice.
    const auto unique = Qt::UniqueConnection;
    connect(m_ui->actionNew_language, &QAction::triggered, this, &MainWindow::onNewLanguageButtonClicked,
            unique);
    connect(m_ui->actionSave_as, &QAction::triggered, this, &MainWindow::onExportSetup, unique);
    connect(m_ui->actionOpen, &QAction::triggered, this, &MainWindow::onImportSetup, unique);
    connect(m_ui->actionImport_VXA310_XML, &QAction::triggered, this, &MainWindow::onImportVxa310Xml, unique);
    connect(m_ui->actionImport_VXA620_XML, &QAction::triggered, this, &MainWindow::onImportVxa620Xml, unique);
    connect(m_ui->actionGenerate_report, &QAction::triggered, this, &MainWindow::onGenerateReport, unique);
    connect(m_ui->actionCompare_with, &QAction::triggered, this, &MainWindow::onCompareWith, unique);
    connect(m_ui->actionProject, &QAction::triggered, this, &MainWindow::onProject, unique);
    connect(m_ui->actionExport_workbook, &QAction::triggered, this, &MainWindow::onExportWorkbook, unique);
    connect(m_ui->actionExport_bill_of_materials, &QAction::triggered, this,
            &MainWindow::onExportBillOfMaterials, unique);
    connect(m_ui->actionExport_device_schedule, &QAction::triggered, this, &MainWindow::onExportDeviceSchedule,
            unique);
    connect(m_ui->actionExport_cable_schedule, &QAction::triggered, this, &MainWindow::onExportCableSchedule,
            unique);
    connect(m_ui->actionPower_sources, &QAction::triggered, this, &MainWindow::onPowerSourcesButtonClicked,
            unique);
    connect(m_ui->actionDistribution_factor, &QAction::triggered, this,
            &MainWindow::onDistributionFactorButtonClicked, unique);
    connect(m_ui->actionNew, &QAction::triggered, this, &MainWindow::onNew, unique);
    connect(m_ui->actionSave, &QAction::triggered, this, &MainWindow::onSave, unique);
    connect(m_ui->actionUndo, &QAction::triggered, m_session, &DesignSession::undo, unique);
    connect(m_ui->actionRedo, &QAction::triggered, m_session, &DesignSession::redo, unique);
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
    m_ui->actionUndo->setEnabled(m_session && m_session->canUndo());
    m_ui->actionRedo->setEnabled(m_session && m_session->canRedo());
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // A new translation puts the form's texts back, the title among them.
    if (event->type() == QEvent::LanguageChange) {
        updateTitle();
        QTimer::singleShot(0, this, &MainWindow::updateTitle);
        // The pages retranslate themselves; their tab titles are the window's.
        if (m_mainContainer)
            m_ui->externalTabWidget->setTabText(m_ui->externalTabWidget->indexOf(m_mainContainer), tr("Main Panel"));
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
                                      m_ui->actionUndo->shortcut().toString(QKeySequence::NativeText)));
}

void MainWindow::showInternalError()
{
    MessageBox::critical(
        this, tr("Error"),
        tr("Internal error happened.\nTry again. If the problem persists after restarting the "
           "application, contact support."));
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

void MainWindow::onAbout()
{
    m_helpWindows->toggleAbout();
}

void MainWindow::onPowerSourcesButtonClicked()
{
    m_helpWindows->togglePowerSources();
}

void MainWindow::onDistributionFactorButtonClicked()
{
    m_helpWindows->toggleDistributionFactor();
}

void MainWindow::onManualButtonClicked()
{
    m_helpWindows->toggleManual(m_currentLanguage);
}
