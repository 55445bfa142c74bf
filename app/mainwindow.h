#pragma once

#include "exports/exporttables.h"
#include "report/reportbuilder.h"

#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QString>

class Catalogue;
class DesignSession;
class HelpWindows;
struct Design;
class QMenu;
class QTranslator;
class SystemContainerWidget;

namespace Ui
{
class MainWindow;
}

// The window: its menus and commands (mainwindow.cpp; the Help windows are
// HelpWindows'), the pages of the design (mainwindowpages.cpp), the file
// commands (mainwindowfiles.cpp), the report, exports and comparison
// (mainwindowoutputs.cpp) and the languages (mainwindowlanguage.cpp).
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Catalogue *catalogue, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Once the window is up: offers the design a crashed run left behind,
    // then opens `fileName` (from the command line) if it is not empty.
    void startSession(const QString &fileName);
    // Offers the recovery copy a crashed run left behind. True when the user
    // took it and it is on screen.
    bool offerRecovery();
    // The short guide above an empty first design, unless closed before.
    void showGettingStarted();
    // Opens a file handed over on the command line: a data pack (.tarvex) is
    // installed, anything else is read as a design.
    void openFile(const QString &fileName);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

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
    // Opens a comparison of the open design with another revision of it.
    void onCompareWith();
    void onProject();
    void onExportWorkbook();
    void onExportBillOfMaterials();
    void onExportDeviceSchedule();
    void onExportCableSchedule();
    void onLanguageChanged(QString language);
    void onAbout();
    void onPowerSourcesButtonClicked();
    void onDistributionFactorButtonClicked();
    void onManualButtonClicked();
    void onNewLanguageButtonClicked();

    void onNew();
    bool onSave();
    bool onSaveAs();
    void onOpenRecentFile(const QString &fileName);

private:
    // With unsaved changes asks whether to save them first. False when the
    // user cancelled, or saving failed or was cancelled.
    bool maybeSave();
    bool saveTo(const QString &fileName);
    // The question Open and the XML imports ask before replacing the design:
    // the unsaved-changes question when there are changes, else the warning.
    bool confirmReplace();
    QString documentName() const;
    void updateTitle();
    void updateEditActions();
    void fillRecentFilesMenu();
    void addRecentFile(const QString &fileName);
    // The design as the history keeps it, and back.
    Design snapshot() const;
    void showDesign(const Design &state);
    void noteDroppedParts(const Design &before, const Design &after);

    void initContainers();
    void connectCommands();
    void fillLanguageMenu();
    // Installs the translation of `code`; every page retranslates itself in
    // place, keeping the design and its history. A start (`fromMenu` false) only logs a failure;
    // a choice from the menu also shows the error box.
    void applyLanguage(const QString &code, bool fromMenu);
    void checkLanguageEntry(const QString &code);
    void showInternalError();
    // File > Export: the workbook, or one table as CSV.
    void exportTables(std::optional<Exports::Kind> kind);
    // The commands' work once the file is chosen.
    void loadDataPack(const QString &path);
    // Reads a design file in place of the current design, after any
    // question. `announce`: show the success box.
    bool loadSetup(const QString &fileName, bool announce = true);
    // One warning listing the values an Open or import adjusted.
    void warnAdjustedValues(const QStringList &adjusted);
    // Replaces the expansion box tabs by the containers a setup file brought.
    void rebuildExpansionBoxTabs(const QList<SystemContainerWidget *> &newContainers, const Design &design);
    // Both XML commands; the VXA310 variant checks the file's version.
    void importXml(bool vxa310);
    // The pages of the expansion boxes, in page order.
    QList<SystemContainerWidget *> expansionBoxPages() const;
    // The container's loop tabs show the document's schedules.
    void attachDocument(SystemContainerWidget *container);
    // Keeps the fault mark of a container's page tab up to date.
    void showFaultMark(SystemContainerWidget *container);

    Ui::MainWindow *m_ui;
    Catalogue *m_catalogue;
    SystemContainerWidget *m_mainContainer = nullptr;
    QMap<QString, SystemContainerWidget *> m_expansionBoxContainers;
    // Box pages that edits took away, kept hidden: an undo that brings a box
    // back shows its page again instead of building it anew.
    QList<QPair<QString, SystemContainerWidget *>> m_parkedBoxes; // page name, page
    void parkBox(const QString &name, SystemContainerWidget *container);
    // The parked page of the box `name` of `model`, shown again; none when
    // there is no such page.
    SystemContainerWidget *unparkBox(const QString &name, const QString &model);
    void dropParkedBoxes(const QString &name = QString());

    HelpWindows *m_helpWindows = nullptr;

    QMenu *m_languageMenu = nullptr;
    QTranslator *m_translator = nullptr;
    // Path, time and size of the file `m_translator` came from.
    QString m_loadedTranslation;
    // The translation a start could not load (told once, when the window is up).
    QString m_startLanguageRefused;
    QString m_currentLanguage;
    // The last answers of the report information dialog.
    ReportInformation m_reportInformation;

    DesignSession *m_session = nullptr;
    // The XML file the untitled design on screen was imported from.
    QString m_importedFrom;
};
