#include "app/firststart.h"
#include "app/mainwindow.h"
#include "app/splashscreen.h"
#include "catalogue/catalogue.h"
#include "catalogue/datapack.h"
#include "widgets/about.h"
#include "widgets/distributionfactor.h"
#include "widgets/guiresources.h"
#include "widgets/manualwindow.h"
#include "widgets/messagebox.h"
#include "widgets/powersources.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QFile>
#include <QLabel>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace
{

const QString StartupError =
    QStringLiteral("Failed to load data!\nThe saved data is missing or it has been corrupted or modified.\n\n"
                   "The application will not work until a new proper data file is loaded.");
const QString InstallError = QStringLiteral(
    "Failed to load new data!\nThe input file may not have the correct format or it may be corrupted.");

CatalogueData smallRange()
{
    CatalogueData data;
    Panel panel;
    panel.name = QStringLiteral("KP-2");
    panel.baseLoops = 2;
    data.panels = {panel};
    Battery battery;
    battery.name = QStringLiteral("TVB 12-7");
    battery.capacity = 7;
    data.batteries = {battery};
    ExternalPowerSource source;
    source.name = QStringLiteral("KSP600");
    source.maxBatteryCapacity = 17;
    data.externalPowerSources = {source};
    return data;
}

template <typename Window> QList<Window *> openWindows()
{
    QList<Window *> result;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<Window *>(widget))
            result.append(window);
    }
    return result;
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction *action(MainWindow &window, const char *name)
{
    auto *found = window.findChild<QAction *>(QLatin1String(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

QTabWidget *tabs(MainWindow &window)
{
    return window.findChild<QTabWidget *>(QStringLiteral("externalTabWidget"));
}

int helpWindowCount()
{
    return openWindows<About>().size() + openWindows<PowerSources>().size() +
           openWindows<DistributionFactor>().size() + openWindows<ManualWindow>().size();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formHasMenusInOrder();
    void styleSheetIsApplied();
    void disabledStateShowsErrorOnce();
    void firstStartWithoutData();
    void gettingStartedUntilClosed();
    void disabledStateIgnoresCatalogueCommands_data();
    void disabledStateIgnoresCatalogueCommands();
    void disabledStateKeepsHelpAndImport();
    void validDataShowsMainPanel();
    void helpWindowsToggle_data();
    void helpWindowsToggle();
    void helpWindowReopenedBeforeOldOneIsGone();
    void manualWindowFollowsMainWindowSize();
    void loadNewDataCancelled();
    void loadNewDataBadFile();
    void loadNewDataInstallsDemoPack();
    void openFileFromTheCommandLine();
    void loadNewDataWhileAnotherInstallationRuns();
    void splashScreenLook();
    void successMessagesCanBeSilenced();
};

void TestMainWindow::initTestCase()
{
    initGuiResources();
    // The tests run in a fresh home: nothing is installed.
    QVERIFY(!QFile::exists(Catalogue::dataLocation() + QStringLiteral("/data")));
}

void TestMainWindow::init()
{
    MessageBox::setTestMode(true);
}

void TestMainWindow::cleanup()
{
    MessageBox::setTestMode(false);
    QCOMPARE(helpWindowCount(), 0);
}

void TestMainWindow::formHasMenusInOrder()
{
    Catalogue catalogue(smallRange());
    MainWindow window(&catalogue);
    // The form's placeholder title gives way to the design's name.
    QCOMPARE(QCoreApplication::translate("MainWindow", "MainWindow"), QStringLiteral("MainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled[*] - Kalvix"));

    QStringList menuBar;
    for (QAction *entry : window.menuBar()->actions())
        menuBar << entry->menu()->objectName();
    QCOMPARE(menuBar, (QStringList{"menuFile", "menuEdit", "menuLanguage", "menuHelp"}));

    const auto entries = [&](const char *menuName) {
        QStringList result;
        auto *menu = window.findChild<QMenu *>(QLatin1String(menuName));
        for (QAction *entry : menu->actions())
            // "Change language" is an action of its own that carries the language submenu.
            result << (entry->isSeparator() ? QStringLiteral("-")
                       : entry->menu() && entry->objectName().isEmpty()
                           ? entry->menu()->objectName() + ":" + entry->text()
                           : entry->objectName() + ":" + entry->text());
        return result;
    };
    QCOMPARE(entries("menuFile"),
             (QStringList{"actionNew:New", "actionOpen:Open", "menuRecent_files:Recent files", "-",
                          "actionSave:Save", "actionSave_as:Save as", "-",
                          "menuImport_VXA_XML:Import VXA XML", "-", "actionProject:Project...",
                          "actionGenerate_report:Generate report", "actionCompare_with:Compare with...",
                          "menuExport:Export", "-",
                          "actionImport_data_pack:Import data pack", "-", "actionQuit:Quit"}));
    QCOMPARE(entries("menuExport"),
             (QStringList{"actionExport_workbook:Workbook (XLSX)...", "-",
                          "actionExport_bill_of_materials:Bill of materials (CSV)...",
                          "actionExport_device_schedule:Device schedule (CSV)...",
                          "actionExport_cable_schedule:Cable schedule (CSV)..."}));
    QCOMPARE(entries("menuEdit"), (QStringList{"actionUndo:Undo", "actionRedo:Redo", "-",
                                               "actionShow_messages_again:Show all messages again"}));
    // The usual keys of a desktop program.
    const auto keysOf = [&](const char *name) {
        return action(window, name)->shortcut().toString(QKeySequence::PortableText);
    };
    QCOMPARE((QStringList{keysOf("actionNew"), keysOf("actionOpen"), keysOf("actionSave"),
                          keysOf("actionSave_as"), keysOf("actionQuit"), keysOf("actionUndo")}),
             (QStringList{"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+Q", "Ctrl+Z"}));
    QVERIFY(!action(window, "actionRedo")->shortcut().isEmpty());
    QCOMPARE(entries("menuImport_VXA_XML"), (QStringList{"actionImport_VXA310_XML:Import VXA310 XML",
                                                         "actionImport_VXA620_XML:Import VXA620 XML"}));
    QCOMPARE(entries("menuLanguage"),
             (QStringList{"actionChange_language:Change language", "-", "actionNew_language:New language"}));
    QCOMPARE(entries("menuHelp"), (QStringList{"actionPower_sources:Power sources",
                                               "actionDistribution_factor:Distribution factor",
                                               "actionUser_manual:User manual", "-", "actionAbout:About"}));
    QCOMPARE(window.findChildren<QAction *>(QRegularExpression(QStringLiteral("^action"))).size(), 24);
    QVERIFY(window.findChild<QTabWidget *>(QStringLiteral("internalTabWidget")));
}

void TestMainWindow::styleSheetIsApplied()
{
    qApp->setStyleSheet(QString());
    Catalogue catalogue(smallRange());
    MainWindow window(&catalogue);
    QFile qss(QStringLiteral(":/resources/styles_blue.qss"));
    QVERIFY(qss.open(QIODevice::ReadOnly));
    QCOMPARE(qApp->styleSheet(), QString::fromLatin1(qss.readAll()));
    QVERIFY(qApp->styleSheet().contains(QStringLiteral("labelType=\"infoBox\"")));
}

void TestMainWindow::disabledStateShowsErrorOnce()
{
    // Data that is there but does not verify is an error, said once.
    const QString folder = Catalogue::dataLocation() + QStringLiteral("/data");
    QVERIFY(QDir().mkpath(folder));
    QFile junk(folder + QStringLiteral("/catalogue.csv"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a catalogue");
    junk.close();
    {
        Catalogue catalogue;
        QVERIFY(catalogue.integrityFailed());
        MainWindow window(&catalogue);

        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().kind, MessageBox::Kind::Critical);
        QCOMPARE(shown.first().title, QStringLiteral("Error"));
        QCOMPARE(shown.first().text, StartupError);

        QCOMPARE(tabs(window)->count(), 1);
        QCOMPARE(tabs(window)->tabText(0), QStringLiteral("Error"));
        auto *page = qobject_cast<QLabel *>(tabs(window)->widget(0));
        QVERIFY(page);
        QCOMPARE(page->objectName(), QStringLiteral("errorLabel"));
        QCOMPARE(page->text(),
                 QStringLiteral("Functionalities disabled until a valid .tarvex data file is loaded."));
    }
    QVERIFY(QDir(folder).removeRecursively());
}

// Nothing installed yet: no error, but what a data pack is and the ways to
// get one, the demo range among them when the package brought it.
void TestMainWindow::firstStartWithoutData()
{
#ifdef KALVIX_DEMO_PACK
    const QString demoPack = QStringLiteral(KALVIX_DEMO_PACK);
#else
    const QString demoPack;
#endif
    const QString shipped =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Kalvix");
    for (const bool withDemo : {false, true}) {
        if (withDemo) {
            if (demoPack.isEmpty())
                QSKIP("this build has no demo pack");
            QVERIFY(QDir().mkpath(shipped));
            QVERIFY(QFile::copy(demoPack, shipped + QStringLiteral("/demo.tarvex")));
        }
        Catalogue catalogue;
        QVERIFY(catalogue.integrityFailed());
        MainWindow window(&catalogue);
        QVERIFY(MessageBox::takeShown().isEmpty());
        QCOMPARE(tabs(window)->count(), 1);
        QCOMPARE(tabs(window)->tabText(0), QStringLiteral("Welcome"));
        QVERIFY(!window.findChild<QLabel *>(QStringLiteral("errorLabel")));
        auto *page = tabs(window)->widget(0);
        QCOMPARE(page->objectName(), QStringLiteral("noDataPage"));
        QVERIFY(page->findChild<QLabel *>(QStringLiteral("noDataTextLabel"))->text().contains(".tarvex"));
        auto *demo = page->findChild<QPushButton *>(QStringLiteral("installDemoButton"));
        QCOMPARE(demo->isVisibleTo(page), withDemo);
        const QString shots = qEnvironmentVariable("KALVIX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            window.resize(1000, 600);
            window.show();
            QTest::qWait(50);
            window.grab().save(shots + QStringLiteral("/first_start_%1.png").arg(withDemo ? "demo" : "plain"));
        }
        // The import button is the menu's command.
        page->findChild<QPushButton *>(QStringLiteral("importDataPackButton"))->click();
        QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Select Data File"));
        if (withDemo) {
            demo->click();
            QCOMPARE(MessageBox::takeShown().size(), 1); // the success
            QVERIFY(!catalogue.integrityFailed());
            QCOMPARE(tabs(window)->tabText(0), QStringLiteral("Main Panel"));
        }
    }
    QVERIFY(QDir(shipped).removeRecursively());
    QVERIFY(QDir(Catalogue::dataLocation()).removeRecursively());
}

// With data, a first start opens an empty design under a short guide, which
// stays away once closed.
void TestMainWindow::gettingStartedUntilClosed()
{
    GettingStartedPanel::resetDismissed();
    Catalogue catalogue(smallRange());
    {
        MainWindow window(&catalogue);
        window.startSession(QString());
        auto *guide = window.findChild<GettingStartedPanel *>();
        QVERIFY(guide && guide->isVisibleTo(&window));
        QVERIFY(guide->findChild<QLabel *>()->text().contains(QStringLiteral("Getting started")));
        QCOMPARE(window.windowTitle(), QStringLiteral("Untitled[*] - Kalvix"));
        const QString shots = qEnvironmentVariable("KALVIX_SCREENSHOT_DIR");
        if (!shots.isEmpty()) {
            window.resize(1200, 700);
            window.show();
            QTest::qWait(50);
            window.grab().save(shots + QStringLiteral("/getting_started.png"));
        }
        guide->findChild<QPushButton *>(QStringLiteral("gettingStartedCloseButton"))->click();
        QVERIFY(!guide->isVisibleTo(&window));
    }
    MainWindow again(&catalogue);
    again.startSession(QString());
    QVERIFY(!again.findChild<GettingStartedPanel *>());
    GettingStartedPanel::resetDismissed();
}

void TestMainWindow::disabledStateIgnoresCatalogueCommands_data()
{
    QTest::addColumn<QString>("actionName");
    for (const char *name :
         {"actionOpen", "actionSave_as", "actionImport_VXA310_XML", "actionImport_VXA620_XML",
          "actionGenerate_report", "actionCompare_with", "actionChange_language", "actionNew_language",
          "actionPower_sources", "actionDistribution_factor"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestMainWindow::disabledStateIgnoresCatalogueCommands()
{
    QFETCH(QString, actionName);
    Catalogue catalogue;
    MainWindow window(&catalogue);
    MessageBox::takeShown();

    action(window, actionName.toLatin1().constData())->trigger();
    QCoreApplication::processEvents();
    QVERIFY(MessageBox::takeShown().isEmpty());
    QVERIFY(FileDialog::lastTitle().isEmpty());
    QCOMPARE(helpWindowCount(), 0);
    QCOMPARE(tabs(window)->tabText(0), QStringLiteral("Welcome"));
}

void TestMainWindow::disabledStateKeepsHelpAndImport()
{
    Catalogue catalogue;
    MainWindow window(&catalogue);
    MessageBox::takeShown();

    action(window, "actionAbout")->trigger();
    QCOMPARE(openWindows<About>().size(), 1);
    QVERIFY(openWindows<About>().first()->isVisible());
    action(window, "actionAbout")->trigger();

    action(window, "actionUser_manual")->trigger();
    QCOMPARE(openWindows<ManualWindow>().size(), 1);
    action(window, "actionUser_manual")->trigger();
    processDeferredDeletes();

    action(window, "actionImport_data_pack")->trigger();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Select Data File"));
    QCOMPARE(FileDialog::lastFilter(), QStringLiteral("Tarvex Data Files (*.tarvex)"));
    QCOMPARE(FileDialog::lastDirectory(), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestMainWindow::validDataShowsMainPanel()
{
    Catalogue catalogue(smallRange());
    MainWindow window(&catalogue);
    QVERIFY(MessageBox::takeShown().isEmpty());
    QCOMPARE(tabs(window)->count(), 1);
    QCOMPARE(tabs(window)->tabText(0), QStringLiteral("Main Panel"));
    QVERIFY(tabs(window)->widget(0)->objectName() != QStringLiteral("errorLabel"));
    QVERIFY(!window.findChild<QLabel *>(QStringLiteral("errorLabel")) ||
            !window.findChild<QLabel *>(QStringLiteral("errorLabel"))->isVisibleTo(&window));

    action(window, "actionPower_sources")->trigger();
    QCOMPARE(openWindows<PowerSources>().size(), 1);
    const QString list = openWindows<PowerSources>()
                             .first()
                             ->findChild<QLabel *>(QStringLiteral("primarySectionLabel"))
                             ->text();
    QCOMPARE(list, QStringLiteral("KSP600:\n    - TVB 12-7\n\n"));
    action(window, "actionPower_sources")->trigger();
    processDeferredDeletes();
}

void TestMainWindow::helpWindowsToggle_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("title");
    QTest::newRow("about") << "actionAbout"
                           << "About";
    QTest::newRow("power sources") << "actionPower_sources"
                                   << "Power Sources";
    QTest::newRow("distribution factor") << "actionDistribution_factor"
                                         << "Distribution Factor";
    QTest::newRow("manual") << "actionUser_manual"
                            << "User manual";
}

void TestMainWindow::helpWindowsToggle()
{
    QFETCH(QString, actionName);
    QFETCH(QString, title);
    Catalogue catalogue(smallRange());
    MainWindow window(&catalogue);
    QAction *toggle = action(window, actionName.toLatin1().constData());

    const auto findOpen = [&]() -> QWidget * {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget != &window && widget->windowTitle() == title && widget->isVisible())
                return widget;
        }
        return nullptr;
    };

    toggle->trigger();
    QPointer<QWidget> first = findOpen();
    QVERIFY(first);
    QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(first->isWindow());

    toggle->trigger();
    processDeferredDeletes();
    QVERIFY2(first.isNull(), "the second click did not close the window");

    // Closed by its own close button: the next click opens it again.
    toggle->trigger();
    QPointer<QWidget> second = findOpen();
    QVERIFY(second);
    second->close();
    processDeferredDeletes();
    QVERIFY(second.isNull());
    toggle->trigger();
    QPointer<QWidget> third = findOpen();
    QVERIFY2(third, "closing the window by hand left the command believing it open");
    toggle->trigger();
    processDeferredDeletes();
    QVERIFY(third.isNull());
}

void TestMainWindow::helpWindowReopenedBeforeOldOneIsGone()
{
    Catalogue catalogue(smallRange());
    MainWindow window(&catalogue);
    QAction *about = action(window, "actionAbout");

    about->trigger(); // open
    about->trigger(); // close: deletion is deferred
    about->trigger(); // open again while the old one still exists
    processDeferredDeletes();
    QCOMPARE(openWindows<About>().size(), 1);

    // The surviving window is the one the command knows: the next click closes it.
    about->trigger();
    processDeferredDeletes();
    QCOMPARE(openWindows<About>().size(), 0);
}

void TestMainWindow::manualWindowFollowsMainWindowSize()
{
    Catalogue catalogue(smallRange());
    MainWindow window(&catalogue);
    window.resize(1600, 1000);
    action(window, "actionUser_manual")->trigger();
    QCOMPARE(openWindows<ManualWindow>().size(), 1);
    QCOMPARE(openWindows<ManualWindow>().first()->size(), QSize(1200, 750));
    action(window, "actionUser_manual")->trigger();
    processDeferredDeletes();

    window.resize(800, 600);
    action(window, "actionUser_manual")->trigger();
    QCOMPARE(openWindows<ManualWindow>().first()->size(), QSize(900, 650));
    action(window, "actionUser_manual")->trigger();
    processDeferredDeletes();
}

void TestMainWindow::loadNewDataCancelled()
{
    Catalogue catalogue;
    MainWindow window(&catalogue);
    MessageBox::takeShown();
    QWidget *page = tabs(window)->widget(0);

    FileDialog::setNextFileName(QString());
    action(window, "actionImport_data_pack")->trigger();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Select Data File"));
    QVERIFY(MessageBox::takeShown().isEmpty());
    QCOMPARE(tabs(window)->widget(0), page);
    QVERIFY(catalogue.integrityFailed());
    // Still disabled.
    action(window, "actionOpen")->trigger();
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestMainWindow::loadNewDataBadFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("broken.tarvex"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is not a data pack");
    file.close();

    for (const bool startValid : {false, true}) {
        Catalogue catalogue = startValid ? Catalogue(smallRange()) : Catalogue();
        MainWindow window(&catalogue);
        MessageBox::takeShown();
        QWidget *page = tabs(window)->widget(0);
        const QString pageTitle = tabs(window)->tabText(0);

        FileDialog::setNextFileName(path);
        QTest::ignoreMessage(QtWarningMsg, "Failed to load new data!");
        action(window, "actionImport_data_pack")->trigger();

        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().kind, MessageBox::Kind::Critical);
        QCOMPARE(shown.first().title, QStringLiteral("Error"));
        QCOMPARE(shown.first().text, InstallError);
        QCOMPARE(tabs(window)->count(), 1);
        QCOMPARE(tabs(window)->widget(0), page);
        QCOMPARE(tabs(window)->tabText(0), pageTitle);
        QCOMPARE(catalogue.integrityFailed(), !startValid);
        QCOMPARE(catalogue.panels().size(), startValid ? 1 : 0);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
}

// What the file manager hands over: no question and no file dialog, straight
// to the same work as the menu commands.
void TestMainWindow::openFileFromTheCommandLine()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString brokenPack = dir.filePath(QStringLiteral("broken.TARVEX"));
    const QString brokenDesign = dir.filePath(QStringLiteral("broken.csv"));
    for (const QString &path : {brokenPack, brokenDesign}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("neither a data pack nor a design\n");
    }
    Catalogue catalogue(smallRange());
    MainWindow window(&catalogue);
    MessageBox::takeShown();

    QTest::ignoreMessage(QtWarningMsg, "Failed to load new data!");
    window.openFile(brokenPack);
    QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, InstallError);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".")));
    window.openFile(brokenDesign);
    shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Critical);
    QVERIFY(shown.first().text.startsWith(QStringLiteral("Failed to import setup.")));

#ifdef KALVIX_DEMO_PACK
    window.openFile(QStringLiteral(KALVIX_DEMO_PACK));
    shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("New data loaded successfully!"));
    window.openFile(QStringLiteral(KALVIX_TEST_DATA_DIR "/setup/txc101-one-loop/setup.csv"));
    shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Setup imported successfully!"));
    QCOMPARE(tabs(window)->widget(0)->findChild<QComboBox *>(QStringLiteral("panelComboBox"))->currentText(),
             QStringLiteral("TXC 101"));
#endif
}

void TestMainWindow::loadNewDataWhileAnotherInstallationRuns()
{
#ifndef KALVIX_DEMO_PACK
    QSKIP("this build has no signing key, so no demo pack");
#else
    Catalogue catalogue{smallRange()};
    MainWindow window(&catalogue);
    MessageBox::takeShown();
    QDir().mkpath(Catalogue::dataLocation());
    QLockFile other(DataPack::lockFilePath(Catalogue::dataLocation()));
    QVERIFY(other.tryLock(0));
    DataPack::setLockWaitForTesting(100);
    FileDialog::setNextFileName(QStringLiteral(KALVIX_DEMO_PACK));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Another data pack installation is running; "));
    action(window, "actionImport_data_pack")->trigger();
    DataPack::setLockWaitForTesting(-1);
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Critical);
    QCOMPARE(shown.first().text,
             QStringLiteral("Another data pack installation is running.\nTry again when it "
                            "has finished; nothing was changed."));
    QCOMPARE(catalogue.panels().size(), smallRange().panels.size());
#endif
}

void TestMainWindow::loadNewDataInstallsDemoPack()
{
#ifndef KALVIX_DEMO_PACK
    QSKIP("this build has no signing key, so no demo pack");
#else
    QVERIFY(QFile::exists(QStringLiteral(KALVIX_DEMO_PACK)));
    Catalogue catalogue;
    MainWindow window(&catalogue);
    MessageBox::takeShown();

    FileDialog::setNextFileName(QStringLiteral(KALVIX_DEMO_PACK));
    action(window, "actionImport_data_pack")->trigger();
    QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Information);
    QCOMPARE(shown.first().title, QStringLiteral("Success"));
    QCOMPARE(shown.first().text, QStringLiteral("New data loaded successfully!"));
    QVERIFY(!catalogue.integrityFailed());
    QVERIFY(!catalogue.panels().isEmpty());
    QCOMPARE(tabs(window)->count(), 1);
    QCOMPARE(tabs(window)->tabText(0), QStringLiteral("Main Panel"));
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // The commands now work, and a second installation does not connect them twice.
    FileDialog::setNextFileName(QStringLiteral(KALVIX_DEMO_PACK));
    action(window, "actionImport_data_pack")->trigger();
    QCOMPARE(MessageBox::takeShown().size(), 1);
    action(window, "actionOpen")->trigger();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Import Setup")); // no question over a fresh design
    action(window, "actionDistribution_factor")->trigger();
    QCOMPARE(openWindows<DistributionFactor>().size(), 1);
    action(window, "actionDistribution_factor")->trigger();
    processDeferredDeletes();
    QCOMPARE(openWindows<DistributionFactor>().size(), 0);
#endif
}

void TestMainWindow::splashScreenLook()
{
    SplashScreen splash;
    QCOMPARE(splash.objectName(), QStringLiteral("splashScreen"));
    QCOMPARE(splash.size(), QSize(637, 335));
    QCOMPARE(splash.minimumSize(), QSize(637, 335));
    QCOMPARE(splash.windowTitle(), QStringLiteral("Tarvex"));
    const Qt::WindowFlags flags = splash.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags & Qt::FramelessWindowHint);
    QVERIFY(flags & Qt::WindowStaysOnTopHint);
    QVERIFY(splash.styleSheet().contains(QStringLiteral("splash.png")));

    auto *label = splash.findChild<QLabel *>(QStringLiteral("splashScreenLabel"));
    QVERIFY(label);
    QCOMPARE(label->geometry(), QRect(350, 10, 281, 101));
    QCOMPARE(label->text(),
             QStringLiteral("Kalvix 2.1.2\nTarvex Fire System Products\nwww.tarvex-fire.com\n2026-04-27"));
    QCOMPARE(label->font().pointSize(), 12);
    QCOMPARE(label->font().family(), QStringLiteral("Futura Md BT"));

    // The picture behind the label is dark, so the white text reads.
    const QImage shot = splash.grab().toImage();
    const QColor behindLabel = shot.pixelColor(600, 100);
    QVERIFY2(behindLabel.lightness() < 80, qPrintable(behindLabel.name()));
}

// "Do not show this again" keeps a success message quiet, across windows,
// until Edit > Show all messages again.
void TestMainWindow::successMessagesCanBeSilenced()
{
    QTemporaryDir dir;
    Catalogue catalogue(smallRange());
    MainWindow window(&catalogue);
    MessageBox::showSilencedAgain();
    MessageBox::takeShown();
    const auto saveAs = [&](const char *name) {
        FileDialog::setNextFileName(dir.filePath(QLatin1String(name)));
        action(window, "actionSave_as")->trigger();
        return MessageBox::takeShown();
    };
    QCOMPARE(saveAs("a.csv").size(), 1);
    MessageBox::silence(QStringLiteral("setupExported"));
    QVERIFY(saveAs("b.csv").isEmpty());
    QVERIFY(QFile::exists(dir.filePath("b.csv"))); // saved all the same
    {
        MainWindow other(&catalogue);
        MessageBox::takeShown();
        FileDialog::setNextFileName(dir.filePath("c.csv"));
        action(other, "actionSave_as")->trigger();
        QVERIFY(MessageBox::takeShown().isEmpty());
    }
    action(window, "actionShow_messages_again")->trigger();
    const QList<MessageBox::Shown> again = saveAs("d.csv");
    QCOMPARE(again.size(), 1);
    QCOMPARE(again.first().text, QStringLiteral("Setup exported successfully!"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
