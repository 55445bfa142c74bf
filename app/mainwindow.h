#pragma once

#include "report/reportgenerator.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QString>

class About;
class Catalogue;
class DistributionFactor;
class ManualWindow;
class PowerSources;
class QMenu;
class QTranslator;
class SystemContainerWidget;

namespace Ui
{
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Catalogue *catalogue, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Opens a file handed over on the command line: a data pack (.tarvex) is
    // installed, anything else is read as a design.
    void openFile(const QString &fileName);

private slots:
    void onExpansionBoxAdded(QString baseName, QString displayName);
    void onExpansionBoxRemoved(QString displayName);
    void onExpansionBoxFaultChanged(QString expansionBoxName, bool hasBatteryFault, bool hasPowerLoadFault,
                                    bool hasLoopFault);
    void onLoadNewData();
    void onExportSetup();
    void onImportSetup();
    void onImportVxa310Xml();
    void onImportVxa620Xml();
    void onGenerateReport();
    void onLanguageChanged(QString language);
    void onAbout();
    void onPowerSourcesButtonClicked();
    void onDistributionFactorButtonClicked();
    void onManualButtonClicked();
    void onNewLanguageButtonClicked();

private:
    void initContainers();
    void connectCommands();
    void fillLanguageMenu();
    // Installs the translation of `code` and rebuilds every container from
    // it, keeping the design. A start (`fromMenu` false) only logs a failure;
    // a choice from the menu also shows the error box.
    void applyLanguage(const QString &code, bool fromMenu);
    void checkLanguageEntry(const QString &code);
    void closeHelpWindows();
    void showInternalError();
    // The commands' work once the file is chosen.
    void loadDataPack(const QString &path);
    void loadSetup(const QString &fileName);
    // One warning listing the values an Open or import adjusted.
    void warnAdjustedValues(const QStringList &adjusted);
    // Replaces the expansion box tabs by the containers a setup file brought.
    void rebuildExpansionBoxTabs(const QList<SystemContainerWidget *> &newContainers);
    // Both XML commands; the VXA310 variant checks the file's version.
    void importXml(bool vxa310);
    // Keeps the fault mark of a container's page tab up to date.
    void showFaultMark(SystemContainerWidget *container);

    Ui::MainWindow *ui;
    Catalogue *catalogue;
    SystemContainerWidget *mainContainer = nullptr;
    QMap<QString, SystemContainerWidget *> expansionBoxContainers;

    About *aboutWindow = nullptr;
    bool aboutWindowOpen = false;
    PowerSources *powerSourcesWindow = nullptr;
    bool powerSourcesWindowOpen = false;
    DistributionFactor *distributionFactorWindow = nullptr;
    bool distributionFactorWindowOpen = false;
    ManualWindow *manualWindow = nullptr;
    bool manualWindowOpen = false;

    QMenu *languageMenu = nullptr;
    QTranslator *translator = nullptr;
    // Path, time and size of the file `translator` came from.
    QString loadedTranslation;
    QString currentLanguage;
    // The last answers of the report information dialog.
    ReportInformation reportInformation;
};
