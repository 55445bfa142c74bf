// The design as a document in the real main window: its title and modified
// marker, Save and Save as, the unsaved-changes question, recent files, undo
// and redo of every kind of edit (a panel edit is one typed edit of its
// system), and the recovery copy.
#include "../core/fulldisk.h"
#include "../system/systemfixtures.h"

#include "app/comparisonview.h"
#include "app/designsession.h"
#include "app/mainwindow.h"
#include "app/recentfiles.h"
#include "design/comparisontext.h"
#include "setup/designlock.h"
#include "editors/scheduleview.h"
#include "setup/recoveryfile.h"
#include "setup/setupfile.h"
#include "app/setupio.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QScopeGuard>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

#include <memory>

using namespace SystemFixtures;

namespace
{

QAction *action(MainWindow &window, const char *name)
{
    auto *found = window.findChild<QAction *>(QLatin1String(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

QTabWidget *pages(MainWindow &window)
{
    return child<QTabWidget>(&window, "externalTabWidget");
}

SystemContainerWidget *page(MainWindow &window, int index)
{
    return qobject_cast<SystemContainerWidget *>(pages(window)->widget(index));
}

PanelWidget *mainPanel(MainWindow &window)
{
    return page(window, 0)->panelWidget();
}

DesignSession *session(MainWindow &window)
{
    return child<DesignSession>(&window, "designSession");
}

QStringList pageTitles(MainWindow &window)
{
    QStringList titles;
    for (int i = 0; i < pages(window)->count(); ++i)
        titles << pages(window)->tabText(i);
    return titles;
}

// The design's setup text as Save as would write it (boxes in name order).
QString setupText(MainWindow &window)
{
    QMap<QString, SystemContainerWidget *> byName;
    for (int i = 1; i < pages(window)->count(); ++i)
        byName.insert(pages(window)->tabText(i), page(window, i));
    return SetupFile::composeSetupText(collectSetupData(page(window, 0), byName.values()));
}

// Every figure and status the editors show, beyond what the text holds.
QString figures(MainWindow &window)
{
    QStringList lines;
    for (int i = 0; i < pages(window)->count(); ++i) {
        SystemContainerWidget *container = page(window, i);
        PanelWidget *panel = container->panelWidget();
        lines << pages(window)->tabText(i)
              << QString::number(panel->evaluation().figures.totalIdleCurrent, 'g', 17) + " " +
                     QString::number(panel->evaluation().figures.totalAlarmCurrent, 'g', 17) + " " +
                     QString::number(panel->evaluation().figures.minimumBatteryRequired, 'g', 17);
        for (const char *name :
             {"battStatusLabel", "totalPwrLoadStatusLabel", "currentSelectedBattValueLabel",
              "minBattRequiredValueLabel", "externalPowerSourceInfoNotesLabel"}) {
            if (auto *label = panel->findChild<QLabel *>(QLatin1String(name)))
                lines << label->text() + " " + label->property("fault").toString();
        }
        for (int l = 0; l < container->loopCount(); ++l) {
            LoopWidget *loop = container->loopWidgets().at(l);
            for (const char *name :
                 {"idleCurrentValueLabel", "alarmCurrentValueLabel", "voltageDropValueLabel",
                  "maxCurrentValueLabel", "faultsLabel", "notesLabel"})
                lines << loopStatusLabel(loop, name)->text();
        }
    }
    return lines.join('\n');
}

QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void addLoopCard(MainWindow &window)
{
    loopCardButton(mainPanel(window), "auxCardAddButton")->click();
}

void addBox(MainWindow &window, const QString &model)
{
    ModalAnswerer answerer([&](QDialog *dialog) {
        child<QComboBox>(dialog, "expansionBoxComboBox")->setCurrentText(model);
        dialogButton(dialog, QDialogButtonBox::Ok)->click();
    });
    child<QPushButton>(mainPanel(window), "addExpansionBoxButton")->click();
}

void removeBox(MainWindow &window, const QString &name)
{
    auto *list = child<QListWidget>(mainPanel(window), "expansionBoxesListWidget");
    for (int i = 0; i < list->count(); ++i) {
        QWidget *row = list->itemWidget(list->item(i));
        if (child<QLabel>(row, "expansionBoxNameLabel")->text() == name) {
            child<QPushButton>(row, "expansionBoxRemoveButton")->click();
            return;
        }
    }
    qFatal("no box row %s", qPrintable(name));
}

void duplicateLoop(SystemContainerWidget *container, int source, const QString &target)
{
    ModalAnswerer answerer([&](QDialog *dialog) {
        auto *list = child<QListWidget>(dialog, "targetLoopsListWidget");
        for (QListWidgetItem *item : list->findItems(target, Qt::MatchExactly))
            item->setSelected(true);
        dialogButton(dialog, QDialogButtonBox::Ok)->click();
    });
    child<QPushButton>(container->loopWidgets().at(source), "duplicateLoopButton")->click();
}

// Lets the window notice an edit, as the event loop does after each event.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void setQuantity(LoopWidget *loop, const QString &device, int quantity)
{
    auto *list = child<QListWidget>(loop, "devInLoopListWidget");
    for (int i = 0; i < list->count(); ++i) {
        QWidget *row = list->itemWidget(list->item(i));
        if (child<QLabel>(row, "deviceNameLabel")->text() == device) {
            child<QSpinBox>(row, "quantitySpinBox")->setValue(quantity);
            return;
        }
    }
    qFatal("no device row %s", qPrintable(device));
}

// What a page shows against what the document evaluates for its system.
void compareWithDocument(MainWindow &window)
{
    const DesignDocument *document = session(window)->document();
    const DesignEvaluation &evaluation = document->evaluation();
    QCOMPARE(pages(window)->count(), document->design().systemCount());
    for (int p = 0; p < pages(window)->count(); ++p) {
        PanelWidget *panel = page(window, p)->panelWidget();
        const SystemEvaluation *system = evaluation.system(p - 1);
        QVERIFY(system);
        QCOMPARE(panel->configuration(), document->design().system(p - 1)->config);
        const PanelEvaluation &e = system->panel;
        QCOMPARE(panelText(panel, "totalIdleCurrentValueLabel"), e.totalIdleCurrentText());
        QCOMPARE(panelText(panel, "totalAlarmCurrentValueLabel"), e.totalAlarmCurrentText());
        QCOMPARE(panelText(panel, "minBattRequiredValueLabel"), e.minimumBatteryRequiredText());
        QCOMPARE(panelText(panel, "currentSelectedBattValueLabel"), e.selectedTotalBatteryText());
        QCOMPARE(panelText(panel, "battStatusLabel"), e.battery.text);
        QCOMPARE(panelText(panel, "totalPwrLoadStatusLabel"), e.powerLoad.text);
        QCOMPARE(panelText(panel, "externalPowerSourceInfoNotesLabel"), e.externalPowerNotes);
        QCOMPARE(panel->currentLoopCount(), system->loops.size());
        for (int l = 0; l < system->loops.size(); ++l) {
            QCOMPARE(loopRowText(panel, l, "idleCurrentLabel"), e.loopIdleCurrentText(l));
            QCOMPARE(loopRowText(panel, l, "alarmCurrentLabel"), e.loopAlarmCurrentText(l));
        }
    }
}

QList<MessageBox::Kind> kinds(const QList<MessageBox::Shown> &shown)
{
    QList<MessageBox::Kind> result;
    for (const MessageBox::Shown &box : shown)
        result << box.kind;
    return result;
}

} // namespace

using WindowEdit = std::function<void(MainWindow &)>;
using DesignEdit = std::function<void(Design &)>;
Q_DECLARE_METATYPE(WindowEdit)
Q_DECLARE_METATYPE(DesignEdit)

class TestDesignSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void titleNamesTheDesign();
    void everyEditorMarksTheDesign_data();
    void everyEditorMarksTheDesign();
    void saveWithoutFileAsksForOne();
    void defaultSuffix_data();
    void defaultSuffix();
    void closeGuard_data();
    void closeGuard();
    void noQuestionWithoutChanges();
    void guardTakesThePlaceOfTheOverwriteQuestion();
    void newAndDataPackAskFirst();
    void recentFilesFollowOpenAndSave();
    void undoAndRedoAcrossManyEdits();
    void typedQuantityIsOneStep();
    void scheduleViewEditsTheDocument();
    void modelChangeUndoneBringsBoxesBack();
    void modelChangeAsksBeforeRemovingParts();
    void panelEditIsOneTypedStep_data();
    void panelEditIsOneTypedStep();
    void loopEditIsOneTypedStep_data();
    void loopEditIsOneTypedStep();
    void loopsThatComeBackKeepTheirDevices();
    void typedPanelValueIsOneStep();
    void openStartsAFreshHistory();
    void adjustedFileOpensModified();
    void recoveryAfterACrash();
    void damagedRecoveryIsSetAside();
    void recoveryOfferDeclined();
    void compareWithFollowsTheWindow();
    void fullDiskNeverReadsAsSaved();
    void saveAsksWhenTheFileChangedOnDisk_data();
    void saveAsksWhenTheFileChangedOnDisk();
    void designOpenInAnotherRunIsToldBeforeOpening();
    void secondRunKeepsItsOwnRecoveryCopy();
    // Last: it switches the language, and back.
    void languageSwitchKeepsTheDocument();
    void projectAndExportsFromTheFileMenu();

private:
    std::unique_ptr<Catalogue> m_owned;
    Catalogue *m_catalogue = nullptr;
    QTemporaryDir m_dir;
};

void TestDesignSession::initTestCase()
{
    initGuiResources();
    m_owned = std::make_unique<Catalogue>(catalogueData());
    m_catalogue = m_owned.get();
    QVERIFY(m_dir.isValid());
}

void TestDesignSession::init()
{
    MessageBox::setTestMode(true);
    RecentFiles::store({});
    QDir(RecoveryFile::defaultFolder()).removeRecursively();
    for (int slot = 2; slot <= RecoveryFile::MaximumSlots; ++slot)
        QDir(RecoveryFile::defaultFolder() + QStringLiteral("-%1").arg(slot)).removeRecursively();
}

void TestDesignSession::cleanup()
{
    MessageBox::setTestMode(false);
}

// File > Compare with...: the open design against a saved revision, redrawn
// as the design is edited, each entry leading to its page and tab.
void TestDesignSession::compareWithFollowsTheWindow()
{
    MainWindow window(m_catalogue);
    addBox(window, QStringLiteral("KXE-2"));
    settle();
    const QString revision = m_dir.filePath("revision-a.csv");
    FileDialog::setNextFileName(revision);
    action(window, "actionSave_as")->trigger();
    MessageBox::takeShown();

    // A file that is no design is told about; no view opens.
    FileDialog::setNextFileName(m_dir.filePath("no-such-design.csv"));
    action(window, "actionCompare_with")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Critical);
    QVERIFY(!window.findChild<ComparisonView *>());

    FileDialog::setNextFileName(revision);
    action(window, "actionCompare_with")->trigger();
    auto *view = window.findChild<ComparisonView *>();
    QVERIFY(view);
    QVERIFY(view->isVisible());
    QVERIFY(view->comparison().isEmpty());
    QCOMPARE(view->tree()->topLevelItemCount(), 0);

    dragIntoLoop(page(window, 0)->loopWidgets().at(1), QStringLiteral("OPT-100"));
    settle();
    child<QSpinBox>(page(window, 1)->panelWidget(), "sndActiveSpinBox")->setValue(40);
    settle();
    const auto entry = [view](DesignDifference::Kind kind) -> QTreeWidgetItem * {
        const QVector<DesignDifference> &all = view->comparison().differences;
        int index = 0;
        for (int i = 0; i < view->tree()->topLevelItemCount(); ++i) {
            QTreeWidgetItem *group = view->tree()->topLevelItem(i);
            for (int j = 0; j < group->childCount(); ++j, ++index) {
                if (all.at(index).kind == kind)
                    return group->child(j);
            }
        }
        return nullptr;
    };
    // The spin box's steps are recorded once it settles.
    QTRY_VERIFY(entry(DesignDifference::Kind::Setting));
    QTreeWidgetItem *device = entry(DesignDifference::Kind::DeviceAdded);
    QTreeWidgetItem *setting = entry(DesignDifference::Kind::Setting);
    QVERIFY(device);
    QVERIFY(setting->text(1).contains("Max sounders active: 100% -> 40%"));
    QVERIFY(device->text(1).contains("OPT-100"));
    QCOMPARE(device->data(0, ComparisonView::MarkRole).toString(), QString("added"));

    emit view->tree()->itemActivated(device, 1);
    QCOMPARE(pages(window)->currentIndex(), 0);
    QCOMPARE(page(window, 0)->tabWidget()->currentIndex(), 2);
    emit view->tree()->itemActivated(setting, 1);
    QCOMPARE(pages(window)->currentIndex(), 1);
    QCOMPARE(page(window, 1)->tabWidget()->currentIndex(), 0);

    // Undone, the design is the revision again.
    action(window, "actionUndo")->trigger();
    action(window, "actionUndo")->trigger();
    settle();
    QTRY_VERIFY2(view->comparison().isEmpty(),
                 qPrintable(view->comparison().isEmpty()
                                ? QString()
                                : ComparisonText::describe(view->comparison().differences.first())));
    QCOMPARE(view->tree()->topLevelItemCount(), 0);
    view->close();
}

void TestDesignSession::titleNamesTheDesign()
{
    MainWindow window(m_catalogue);
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled[*] - Kalvix"));
    QVERIFY(!window.isWindowModified());

    addLoopCard(window);
    settle();
    QVERIFY(window.isWindowModified());

    const QString path = m_dir.filePath("office_block.csv");
    FileDialog::setNextFileName(path);
    action(window, "actionSave_as")->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("office_block.csv[*] - Kalvix"));
    QVERIFY(!window.isWindowModified());
    QCOMPARE(session(window)->fileName(), QFileInfo(path).absoluteFilePath());

    // A new translation puts back the form's placeholder; the name stays.
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&window, &languageChange);
    QCOMPARE(window.windowTitle(), QStringLiteral("office_block.csv[*] - Kalvix"));
}

void TestDesignSession::everyEditorMarksTheDesign_data()
{
    QTest::addColumn<QString>("edit");
    for (const char *edit : {"panel spin box", "loop card", "box added", "box removed", "box editor",
                             "loop cable", "loop length key", "device dropped", "device quantity",
                             "loop duplicated", "loop reset", "panel reset", "panel model"})
        QTest::newRow(edit) << QString::fromLatin1(edit);
}

void TestDesignSession::everyEditorMarksTheDesign()
{
    QFETCH(QString, edit);
    MainWindow window(m_catalogue);
    // Something to change, saved first so that each edit starts clean.
    LoopWidget *loop = page(window, 0)->loopWidgets().at(0);
    dragIntoLoop(page(window, 0)->loopWidgets().at(1), QStringLiteral("OPT-100"));
    dragIntoLoop(loop, QStringLiteral("MCP-1"));
    addBox(window, QStringLiteral("KXE-2"));
    settle();
    FileDialog::setNextFileName(m_dir.filePath("marks.csv"));
    action(window, "actionSave_as")->trigger();
    QVERIFY(!window.isWindowModified());
    QString saved = setupText(window);

    if (edit == "panel spin box") {
        child<QSpinBox>(mainPanel(window), "battDegradationSpinBox")->setValue(35);
    } else if (edit == "loop card") {
        addLoopCard(window);
    } else if (edit == "box added") {
        addBox(window, QStringLiteral("KXE-4"));
    } else if (edit == "box removed") {
        removeBox(window, QStringLiteral("KXE-2"));
    } else if (edit == "box editor") {
        child<QSpinBox>(page(window, 1)->panelWidget(), "sndActiveSpinBox")->setValue(40);
    } else if (edit == "loop cable") {
        QTest::keyClick(child<QComboBox>(loop, "cableTypeComboBox"), Qt::Key_Down);
    } else if (edit == "loop length key") {
        QTest::keyClick(child<QSpinBox>(loop, "loopLengthSpinBox"), Qt::Key_Up);
    } else if (edit == "device dropped") {
        dragIntoLoop(loop, QStringLiteral("WS-1 (loop)"));
    } else if (edit == "device quantity") {
        setQuantity(loop, QStringLiteral("MCP-1"), 4);
    } else if (edit == "loop duplicated") {
        duplicateLoop(page(window, 0), 1, QStringLiteral("Loop 1"));
    } else if (edit == "loop reset") {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QPushButton>(loop, "resetLoopButton")->click();
    } else if (edit == "panel reset") {
        child<QSpinBox>(mainPanel(window), "battDegradationSpinBox")->setValue(35);
        settle();
        FileDialog::setNextFileName(m_dir.filePath("marks.csv"));
        action(window, "actionSave_as")->trigger();
        saved = setupText(window);
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QPushButton>(mainPanel(window), "resetPanelButton")->click();
    } else if (edit == "panel model") {
        child<QComboBox>(mainPanel(window), "panelComboBox")->setCurrentText(QStringLiteral("KX-7000"));
    }
    settle();
    QVERIFY2(setupText(window) != saved, "the edit did not change the design");
    QVERIFY(window.isWindowModified());
    QVERIFY(action(window, "actionUndo")->isEnabled());

    // Saving clears the marker, and so does opening a file.
    FileDialog::setNextFileName(m_dir.filePath("marks.csv"));
    action(window, "actionSave_as")->trigger();
    QVERIFY(!window.isWindowModified());
    child<QSpinBox>(mainPanel(window), "battDegradationSpinBox")->setValue(12);
    settle();
    QVERIFY(window.isWindowModified());
    MessageBox::setNextAnswer(QMessageBox::Discard);
    FileDialog::setNextFileName(m_dir.filePath("marks.csv"));
    action(window, "actionOpen")->trigger();
    QVERIFY(!window.isWindowModified());
    QVERIFY(!action(window, "actionUndo")->isEnabled());
}

void TestDesignSession::saveWithoutFileAsksForOne()
{
    MainWindow window(m_catalogue);
    addLoopCard(window);
    settle();

    // Cancelled: nothing written, still untitled and modified.
    FileDialog::setNextFileName(QString());
    action(window, "actionSave")->trigger();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Export Setup"));
    QVERIFY(window.isWindowModified());
    QVERIFY(session(window)->fileName().isEmpty());

    const QString path = m_dir.filePath("untitled_first.csv");
    FileDialog::setNextFileName(path);
    action(window, "actionSave")->trigger();
    QCOMPARE(readAll(path), setupText(window));
    QVERIFY(!window.isWindowModified());

    // With a file, Save writes it without asking.
    child<QSpinBox>(mainPanel(window), "battDegradationSpinBox")->setValue(33);
    settle();
    MessageBox::takeShown();
    FileDialog::setNextFileName(m_dir.filePath("never_asked.csv"));
    action(window, "actionSave")->trigger();
    QVERIFY(!QFile::exists(m_dir.filePath("never_asked.csv")));
    QCOMPARE(readAll(path), setupText(window));
    QVERIFY(readAll(path).contains("Battery degradation:;33%"));
    QVERIFY(MessageBox::takeShown().isEmpty());
    QVERIFY(window.statusBar()->currentMessage().contains("untitled_first.csv"));
}

void TestDesignSession::defaultSuffix_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("setup, bare name") << "actionSave_as"
                                      << "office_block"
                                      << "office_block.csv";
    QTest::newRow("setup, with suffix") << "actionSave_as"
                                        << "office_block.csv"
                                        << "office_block.csv";
    QTest::newRow("setup, other suffix kept") << "actionSave_as"
                                              << "office.block"
                                              << "office.block";
    QTest::newRow("report, bare name") << "actionGenerate_report"
                                       << "report"
                                       << "report.pdf";
    QTest::newRow("report, with suffix") << "actionGenerate_report"
                                         << "report.pdf"
                                         << "report.pdf";
}

void TestDesignSession::defaultSuffix()
{
    QFETCH(QString, command);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QTemporaryDir dir;
    MainWindow window(m_catalogue);
    if (command == "actionGenerate_report") {
        // The report dialog asks for the project's details first; the small
        // range has no pictures.
        ModalAnswerer answerer([](QDialog *dialog) { dialog->accept(); });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Image not found: "));
        FileDialog::setNextFileName(dir.filePath(typed));
        action(window, command.toLatin1().constData())->trigger();
    } else {
        FileDialog::setNextFileName(dir.filePath(typed));
        action(window, command.toLatin1().constData())->trigger();
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
    // The dialog starts where the last file of its kind went.
    FileDialog::setNextFileName(QString());
    action(window, command.toLatin1().constData())->trigger();
    QCOMPARE(QFileInfo(FileDialog::lastDirectory()).absoluteFilePath(),
             command == "actionSave_as" ? dir.filePath(written) : QFileInfo(dir.path()).absoluteFilePath());
}

void TestDesignSession::closeGuard_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("fileName"); // what the Save as dialog answers
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << QString() << false << false;
    QTest::newRow("discard") << int(QMessageBox::Discard) << QString() << true << false;
    QTest::newRow("save") << int(QMessageBox::Save) << "closing.csv" << true << true;
    QTest::newRow("save cancelled") << int(QMessageBox::Save) << QString() << false << false;
    QTest::newRow("save fails") << int(QMessageBox::Save) << "missing/folder/closing.csv" << false << false;
}

void TestDesignSession::closeGuard()
{
    QFETCH(int, answer);
    QFETCH(QString, fileName);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    QTemporaryDir dir;
    MainWindow window(m_catalogue);
    window.show();
    addLoopCard(window);
    settle();
    const QString before = setupText(window);
    MessageBox::takeShown();

    MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
    if (!fileName.isEmpty())
        FileDialog::setNextFileName(dir.filePath(fileName));
    if (fileName.contains("missing"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write file:"));
    QCOMPARE(window.close(), closes);

    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.first().kind, MessageBox::Kind::SaveQuestion);
    QCOMPARE(shown.first().text, QStringLiteral("Save changes to Untitled?"));
    QCOMPARE(window.isVisible(), !closes);
    QCOMPARE(setupText(window), before);
    QCOMPARE(QFile::exists(dir.filePath("closing.csv")), written);
    if (written)
        QCOMPARE(readAll(dir.filePath("closing.csv")), before);
    QCOMPARE(window.isWindowModified(), !written);
}

void TestDesignSession::noQuestionWithoutChanges()
{
    MainWindow window(m_catalogue);
    window.show();
    // Edited and undone is no change either.
    addLoopCard(window);
    settle();
    action(window, "actionUndo")->trigger();
    QVERIFY(!window.isWindowModified());
    MessageBox::takeShown();
    QVERIFY(window.close());
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestDesignSession::guardTakesThePlaceOfTheOverwriteQuestion()
{
    const QString path = m_dir.filePath("guard_open.csv");
    MainWindow window(m_catalogue);
    FileDialog::setNextFileName(path);
    action(window, "actionSave_as")->trigger();
    addLoopCard(window);
    settle();
    MessageBox::takeShown();

    // Cancel: no file dialog, nothing changes.
    const QString edited = setupText(window);
    MessageBox::setNextAnswer(QMessageBox::Cancel);
    FileDialog::setNextFileName(path);
    action(window, "actionOpen")->trigger();
    QCOMPARE(kinds(MessageBox::takeShown()), {MessageBox::Kind::SaveQuestion});
    QCOMPARE(setupText(window), edited);

    // One question only, and Save writes before the file is opened.
    MessageBox::setNextAnswer(QMessageBox::Save);
    FileDialog::setNextFileName(path);
    action(window, "actionOpen")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(kinds(shown),
             (QList<MessageBox::Kind>{MessageBox::Kind::SaveQuestion, MessageBox::Kind::Information}));
    QCOMPARE(shown.first().text, QStringLiteral("Save changes to guard_open.csv?"));
    QCOMPARE(shown.last().text, QStringLiteral("Setup imported successfully!"));
    QCOMPARE(readAll(path), edited);
    QCOMPARE(setupText(window), edited);

    // The XML imports ask the same way.
    addLoopCard(window);
    settle();
    MessageBox::setNextAnswer(QMessageBox::Cancel);
    action(window, "actionImport_VXA310_XML")->trigger();
    QCOMPARE(kinds(MessageBox::takeShown()), {MessageBox::Kind::SaveQuestion});
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Import Setup"));
}

void TestDesignSession::newAndDataPackAskFirst()
{
    MainWindow window(m_catalogue);
    addBox(window, QStringLiteral("KXE-2"));
    settle();
    MessageBox::takeShown();

    MessageBox::setNextAnswer(QMessageBox::Cancel);
    action(window, "actionImport_data_pack")->trigger();
    QCOMPARE(kinds(MessageBox::takeShown()), {MessageBox::Kind::SaveQuestion});
    QVERIFY(FileDialog::lastTitle().isEmpty());

    MessageBox::setNextAnswer(QMessageBox::Cancel);
    action(window, "actionNew")->trigger();
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2"}));

    MessageBox::setNextAnswer(QMessageBox::Discard);
    action(window, "actionNew")->trigger();
    settle();
    QCOMPARE(pageTitles(window), QStringList{"Main Panel"});
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled[*] - Kalvix"));
    QVERIFY(!window.isWindowModified());
    QVERIFY(!action(window, "actionUndo")->isEnabled());
}

void TestDesignSession::recentFilesFollowOpenAndSave()
{
    QTemporaryDir dir;
    MainWindow window(m_catalogue);
    QStringList paths;
    for (int i = 1; i <= 10; ++i) {
        paths.prepend(QFileInfo(dir.filePath(QStringLiteral("design%1.csv").arg(i))).absoluteFilePath());
        FileDialog::setNextFileName(paths.first());
        action(window, "actionSave_as")->trigger();
    }
    QCOMPARE(RecentFiles::load(), paths.mid(0, 8));

    // Opening one again puts it first, once.
    MessageBox::setNextAnswer(QMessageBox::Yes);
    FileDialog::setNextFileName(paths.at(5));
    action(window, "actionOpen")->trigger();
    QStringList expected = paths.mid(0, 8);
    expected.move(5, 0);
    QCOMPARE(RecentFiles::load(), expected);

    auto *menu = child<QMenu>(&window, "menuRecent_files");
    emit menu->aboutToShow();
    QStringList entries;
    for (QAction *entry : menu->actions()) {
        if (!entry->isSeparator())
            entries << entry->text();
    }
    QCOMPARE(entries.size(), 9);
    QCOMPARE(entries.first(), QStringLiteral("&1 design5.csv"));
    QCOMPARE(entries.last(), QStringLiteral("Clear recent files"));

    // From the menu: opens without the overwrite question.
    MessageBox::takeShown();
    menu->actions().at(1)->trigger();
    QCOMPARE(session(window)->fileName(), expected.at(1));
    QVERIFY(MessageBox::takeShown().isEmpty());
    QCOMPARE(RecentFiles::load().first(), expected.at(1));

    // A file that has gone is dropped with a note.
    QVERIFY(QFile::remove(expected.at(2)));
    emit menu->aboutToShow();
    menu->actions().at(2)->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(kinds(shown), {MessageBox::Kind::Warning});
    QVERIFY(shown.first().text.contains("design") && shown.first().text.contains("removed from the recent"));
    QCOMPARE(RecentFiles::load().size(), 7);
    QVERIFY(!RecentFiles::load().contains(expected.at(2)));
    QCOMPARE(session(window)->fileName(), expected.at(1));
}

void TestDesignSession::undoAndRedoAcrossManyEdits()
{
    MainWindow window(m_catalogue);
    QStringList texts{setupText(window)};
    QStringList shown{figures(window)};
    const std::vector<std::function<void()>> edits = {
        [&] { addLoopCard(window); },
        [&] { dragIntoLoop(page(window, 0)->loopWidgets().at(2), QStringLiteral("OPT-100")); },
        [&] { setQuantity(page(window, 0)->loopWidgets().at(2), QStringLiteral("OPT-100"), 30); },
        [&] { addBox(window, QStringLiteral("KXE-2")); },
        [&] { dragIntoLoop(page(window, 1)->loopWidgets().at(0), QStringLiteral("WS-1 (loop)")); },
        [&] { child<QSpinBox>(mainPanel(window), "battDegradationSpinBox")->setValue(45); },
        [&] { duplicateLoop(page(window, 0), 2, QStringLiteral("Loop 4")); },
        [&] {
            QTest::keyClick(child<QComboBox>(page(window, 0)->loopWidgets().at(3), "cableTypeComboBox"),
                            Qt::Key_Down);
        },
        [&] { addBox(window, QStringLiteral("KXE-4")); },
        [&] { removeBox(window, QStringLiteral("KXE-2")); },
        [&] {
            child<QComboBox>(mainPanel(window), "battComboBox")->setCurrentText(QStringLiteral("BAT-24"));
        },
        [&] {
            MessageBox::setNextAnswer(QMessageBox::Yes);
            child<QPushButton>(page(window, 0)->loopWidgets().at(3), "resetLoopButton")->click();
        },
        [&] {
            child<QComboBox>(mainPanel(window), "panelComboBox")->setCurrentText(QStringLiteral("KX-7000"));
        },
    };
    for (const auto &edit : edits) {
        edit();
        settle();
        QVERIFY2(setupText(window) != texts.last(), qPrintable(QString::number(texts.size())));
        texts << setupText(window);
        shown << figures(window);
    }
    QCOMPARE(session(window)->history().size(), int(edits.size()) + 1);

    for (int i = texts.size() - 2; i >= 0; --i) {
        QVERIFY(action(window, "actionUndo")->isEnabled());
        action(window, "actionUndo")->trigger();
        settle();
        QCOMPARE(setupText(window), texts.at(i));
        QCOMPARE(figures(window), shown.at(i));
    }
    QVERIFY(!action(window, "actionUndo")->isEnabled());
    QVERIFY(!window.isWindowModified());
    for (int i = 1; i < texts.size(); ++i) {
        action(window, "actionRedo")->trigger();
        settle();
        QCOMPARE(setupText(window), texts.at(i));
        QCOMPARE(figures(window), shown.at(i));
    }
    QVERIFY(!action(window, "actionRedo")->isEnabled());

    // A new edit after some undos drops what could be redone.
    action(window, "actionUndo")->trigger();
    action(window, "actionUndo")->trigger();
    child<QSpinBox>(mainPanel(window), "sndActiveSpinBox")->setValue(60);
    settle();
    QVERIFY(!action(window, "actionRedo")->isEnabled());
    action(window, "actionUndo")->trigger();
    QCOMPARE(setupText(window), texts.at(texts.size() - 3));
}

void TestDesignSession::scheduleViewEditsTheDocument()
{
    MainWindow window(m_catalogue);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    LoopWidget *loop = page(window, 0)->loopWidgets().at(0);
    child<QTabWidget>(page(window, 0), "containerTabWidget")->setCurrentWidget(loop);
    dragIntoLoop(loop, QStringLiteral("OPT-100"));
    setQuantity(loop, QStringLiteral("OPT-100"), 3);
    settle();
    auto *view = qobject_cast<ScheduleView *>(loop->scheduleView());
    QVERIFY(view);
    const int steps = session(window)->history().size();

    child<QPushButton>(view, "makeScheduleButton")->click();
    settle();
    const DesignDocument *document = session(window)->document();
    QCOMPARE(document->design().main.schedules.value(0).units.size(), 3);
    QCOMPARE(view->table()->model()->rowCount(), 3);
    QVERIFY(window.isWindowModified());

    // The first unit moved along the cable: the loop tab's start distance follows.
    view->table()->model()->setData(view->table()->model()->index(0, ScheduleView::Position), QStringLiteral("40"));
    settle();
    QCOMPARE(child<QSpinBox>(loop, "distStartSpinBox")->value(), 40);
    QCOMPARE(document->design().main.loops.at(0).startDistance, 40);

    // A quantity typed in the device list: the schedule takes a unit at its end.
    setQuantity(loop, QStringLiteral("OPT-100"), 4);
    settle();
    QCOMPARE(document->design().main.schedules.value(0).units.size(), 4);
    QCOMPARE(view->table()->model()->rowCount(), 4);

    // Each was one step; undo takes them back in turn, editors and view alike.
    QCOMPARE(session(window)->history().size(), steps + 3);
    action(window, "actionUndo")->trigger();
    action(window, "actionUndo")->trigger();
    settle();
    QCOMPARE(child<QSpinBox>(loop, "distStartSpinBox")->value(), 0);
    QCOMPARE(view->table()->model()->rowCount(), 3);
    action(window, "actionUndo")->trigger();
    settle();
    QVERIFY(!view->table()->isVisibleTo(view));
}

void TestDesignSession::typedQuantityIsOneStep()
{
    MainWindow window(m_catalogue);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    LoopWidget *loop = page(window, 0)->loopWidgets().at(0);
    pages(window)->setCurrentIndex(0);
    child<QTabWidget>(page(window, 0), "containerTabWidget")->setCurrentWidget(loop);
    dragIntoLoop(loop, QStringLiteral("OPT-100"));
    settle();
    const QString one = setupText(window);
    const int steps = session(window)->history().size();

    auto *list = child<QListWidget>(loop, "devInLoopListWidget");
    auto *spin = child<QSpinBox>(list->itemWidget(list->item(0)), "quantitySpinBox");
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "125");
    settle();
    QCOMPARE(spin->value(), 125);
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(spin, Qt::Key_Up);
        settle();
    }
    QCOMPARE(spin->value(), 128);
    // Leaving the box settles the value: one step for all of it.
    child<QSpinBox>(loop, "loopLengthSpinBox")->setFocus();
    settle();
    QCOMPARE(session(window)->history().size(), steps + 1);
    action(window, "actionUndo")->trigger();
    QCOMPARE(setupText(window), one);

    // Another value after it settled is a step of its own.
    action(window, "actionRedo")->trigger();
    QCOMPARE(spin->value(), 128);
    spin = child<QSpinBox>(list->itemWidget(list->item(0)), "quantitySpinBox");
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    settle();
    QCOMPARE(session(window)->history().size(), steps + 2);
    QCOMPARE(spin->value(), 129);

    // The undo keys in the box undo the design, not the box's text.
    QTest::keyClick(spin, Qt::Key_Z, Qt::ControlModifier);
    settle();
    spin = child<QSpinBox>(list->itemWidget(list->item(0)), "quantitySpinBox");
    QCOMPARE(spin->value(), 128);
    QVERIFY(action(window, "actionRedo")->isEnabled());

    // A quantity typed in the device tree is one step too.
    QTreeWidget *tree = child<QTreeWidget>(loop, "devAvailableTree");
    tree->setCurrentItem(tree->findItems(QStringLiteral("MCP-1"), Qt::MatchExactly | Qt::MatchRecursive).first());
    tree->setFocus();
    const QString withoutIt = setupText(window);
    QTest::keyClicks(tree, QStringLiteral("32"));
    QTest::keyClick(tree, Qt::Key_Return);
    settle();
    QCOMPARE(loop->config().devices.value(QStringLiteral("MCP-1")), 32);
    action(window, "actionUndo")->trigger();
    QCOMPARE(setupText(window), withoutIt);
    action(window, "actionRedo")->trigger();
    QCOMPARE(loop->config().devices.value(QStringLiteral("MCP-1")), 32);
}

void TestDesignSession::modelChangeUndoneBringsBoxesBack()
{
    MainWindow window(m_catalogue);
    addLoopCard(window);
    child<QComboBox>(mainPanel(window), "battComboBox")->setCurrentText(QStringLiteral("BAT-24"));
    addBox(window, QStringLiteral("KXE-2"));
    addBox(window, QStringLiteral("KXE-2"));
    settle();
    dragIntoLoop(page(window, 2)->loopWidgets().at(1), QStringLiteral("MCP-1"));
    setQuantity(page(window, 2)->loopWidgets().at(1), QStringLiteral("MCP-1"), 9);
    dragIntoLoop(page(window, 0)->loopWidgets().at(3), QStringLiteral("OPT-100"));
    settle();
    const QString before = setupText(window);
    const QString shownBefore = figures(window);
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2", "KXE-2 (2)"}));

    child<QComboBox>(mainPanel(window), "panelComboBox")->setCurrentText(QStringLiteral("KX-1"));
    settle();
    QCOMPARE(pageTitles(window), QStringList{"Main Panel"});
    const QString note = window.statusBar()->currentMessage();
    QVERIFY2(note.startsWith("Panel changed to KX-1; removed ") && note.contains("cards VRAL-2") &&
                 note.contains("loops 2, 3, 4") && note.contains("expansion boxes KXE-2, KXE-2 (2)") &&
                 note.endsWith("Ctrl+Z brings them back."),
             qPrintable(note));

    action(window, "actionUndo")->trigger();
    settle();
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2", "KXE-2 (2)"}));
    QCOMPARE(setupText(window), before);
    QCOMPARE(figures(window), shownBefore);
    QCOMPARE(mainPanel(window)->expansionBoxDisplayNames(), (QStringList{"KXE-2", "KXE-2 (2)"}));
    QCOMPARE(page(window, 2)->loopWidgets().at(1)->deviceList().value(0).second, 9);
}

void TestDesignSession::modelChangeAsksBeforeRemovingParts()
{
    MainWindow window(m_catalogue);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *selector = child<QComboBox>(mainPanel(window), "panelComboBox");
    QCOMPARE(selector->currentText(), QStringLiteral("KX-8000"));

    // Nothing to lose: no question.
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Down);
    settle();
    QCOMPARE(selector->currentText(), QStringLiteral("KX-7000"));
    QVERIFY(MessageBox::takeShown().isEmpty());
    QTest::keyClick(selector, Qt::Key_Up);
    settle();

    addLoopCard(window);
    addBox(window, QStringLiteral("KXE-2"));
    settle();
    const QString before = setupText(window);
    const int steps = session(window)->history().size();
    MessageBox::takeShown();

    // Cancel keeps everything, and records nothing.
    selector->setFocus();
    MessageBox::setNextAnswer(QMessageBox::Cancel);
    QTest::keyClick(selector, Qt::Key_Down);
    settle();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Change panel"));
    QCOMPARE(shown.first().text,
             QStringLiteral("Changing the panel to KX-7000 removes:\n\n\u2022 Loops 3 to 4 and their "
                            "devices\n\u2022 Auxiliary cards: VRAL-2\n\u2022 Expansion boxes: KXE-2, with "
                            "their loops\n\nCancel keeps everything as it is."));
    QCOMPARE(selector->currentText(), QStringLiteral("KX-8000"));
    QCOMPARE(setupText(window), before);
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2"}));
    QCOMPARE(session(window)->history().size(), steps);

    // Confirmed: the change is made, as one step that undo takes back whole.
    MessageBox::setNextAnswer(QMessageBox::Ok);
    QTest::keyClick(selector, Qt::Key_Down);
    settle();
    QCOMPARE(MessageBox::takeShown().size(), 1);
    QCOMPARE(selector->currentText(), QStringLiteral("KX-7000"));
    QCOMPARE(pageTitles(window), QStringList{"Main Panel"});
    QCOMPARE(session(window)->history().size(), steps + 1);
    action(window, "actionUndo")->trigger();
    settle();
    QCOMPARE(setupText(window), before);
    QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-2"}));
    // The program's own changes (undo, opening a file) never ask.
    QVERIFY(MessageBox::takeShown().isEmpty());
}

void TestDesignSession::panelEditIsOneTypedStep_data()
{
    QTest::addColumn<WindowEdit>("edit");
    QTest::addColumn<DesignEdit>("expected");

    QTest::newRow("main battery degradation")
        << WindowEdit([](MainWindow &w) {
               child<QSpinBox>(mainPanel(w), "battDegradationSpinBox")->setValue(35);
           })
        << DesignEdit([](Design &d) { d.main.config.batteryDegradation = 35; });
    QTest::newRow("main output raised with its alarm")
        << WindowEdit([](MainWindow &w) {
               auto *idle = child<QDoubleSpinBox>(mainPanel(w), "aux24VIdleDSpinBox");
               idle->setValue(0.2);
               emit idle->editingFinished();
           })
        << DesignEdit([](Design &d) {
               d.main.config.outputs.aux24VIdle = 0.2;
               d.main.config.outputs.aux24VAlarm = 0.2;
           });
    const Catalogue *catalogue = m_catalogue;
    QTest::newRow("main loop card")
        << WindowEdit([](MainWindow &w) { loopCardButton(mainPanel(w), "auxCardAddButton")->click(); })
        << DesignEdit([catalogue](Design &d) {
               d.main.config = d.main.config.withLoopCards(1, *catalogue);
               d.main.loops.resize(4);
           });
    QTest::newRow("second box sounders active")
        << WindowEdit([](MainWindow &w) {
               child<QSpinBox>(page(w, 2)->panelWidget(), "sndActiveSpinBox")->setValue(40);
           })
        << DesignEdit([](Design &d) { d.boxes[1].config.soundersActive = 40; });
    QTest::newRow("first box internal battery")
        << WindowEdit([](MainWindow &w) {
               auto *battery = child<QComboBox>(page(w, 1)->panelWidget(), "battComboBox");
               battery->setCurrentText(QStringLiteral("BAT-24"));
           })
        << DesignEdit([](Design &d) { d.boxes[0].config.internalBattery = QStringLiteral("BAT-24"); });
    QTest::newRow("box added") << WindowEdit([](MainWindow &w) { addBox(w, QStringLiteral("KXE-4")); })
                               << DesignEdit([](Design &d) {
                                      SystemDesign box;
                                      box.name = QStringLiteral("KXE-4");
                                      box.config.expansionBox = true;
                                      box.config.model = QStringLiteral("KXE-4");
                                      box.loops.resize(4);
                                      d.boxes.append(box);
                                  });
    QTest::newRow("box removed") << WindowEdit([](MainWindow &w) { removeBox(w, QStringLiteral("KXE-2")); })
                                 << DesignEdit([](Design &d) { d.boxes.remove(0); });
    QTest::newRow("box removed by the mouse") << WindowEdit([](MainWindow &w) {
        auto *list = child<QListWidget>(mainPanel(w), "expansionBoxesListWidget");
        QTest::mouseClick(child<QPushButton>(list->itemWidget(list->item(1)), "expansionBoxRemoveButton"),
                          Qt::LeftButton);
    }) << DesignEdit([](Design &d) { d.boxes.remove(1); });
    QTest::newRow("model changed")
        << WindowEdit([](MainWindow &w) {
               MessageBox::setNextAnswer(QMessageBox::Ok);
               child<QComboBox>(mainPanel(w), "panelComboBox")->setCurrentText(QStringLiteral("KX-7000"));
           })
        << DesignEdit([](Design &d) {
               d.main.config = d.main.config.withModel(QStringLiteral("KX-7000"));
               d.boxes.clear();
           });
    QTest::newRow("main reset") << WindowEdit([](MainWindow &w) {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QPushButton>(mainPanel(w), "resetPanelButton")->click();
    }) << DesignEdit([](Design &d) {
        PanelConfig fresh;
        fresh.model = d.main.config.model;
        d.main.config = fresh;
    });
}

void TestDesignSession::panelEditIsOneTypedStep()
{
    QFETCH(WindowEdit, edit);
    QFETCH(DesignEdit, expected);
    MainWindow window(m_catalogue);
    // Two boxes, a device in a loop of each kind of system, a battery.
    addBox(window, QStringLiteral("KXE-2"));
    addBox(window, QStringLiteral("KXE-2"));
    settle();
    dragIntoLoop(page(window, 0)->loopWidgets().at(0), QStringLiteral("OPT-100"));
    dragIntoLoop(page(window, 2)->loopWidgets().at(1), QStringLiteral("MCP-1"));
    child<QComboBox>(mainPanel(window), "battComboBox")->setCurrentText(QStringLiteral("BAT-7"));
    settle();
    DesignDocument *document = session(window)->document();
    const Design before = document->design();
    Design after = before;
    expected(after);
    QVERIFY(after != before);
    const int steps = document->history().size();
    QVector<QPair<Design, Design>> recorded;
    connect(session(window), &DesignSession::edited, this,
            [&recorded](const Design &from, const Design &to) { recorded.append({from, to}); });

    edit(window);
    // Recorded as the edit happened, before the event loop ran.
    QCOMPARE(recorded.size(), 1);
    QVERIFY(recorded.first().first == before);
    QVERIFY(recorded.first().second == after);
    settle();
    // The window's own check finds nothing more to record.
    QCOMPARE(recorded.size(), 1);
    QCOMPARE(document->history().size(), steps + 1);
    QVERIFY(document->design() == after);
    compareWithDocument(window);

    // A design put back on screen is drawn from its evaluation throughout.
    const auto allShowTheDesigns = [&window] {
        for (int p = 0; p < pages(window)->count(); ++p) {
            QVERIFY(page(window, p)->panelWidget()->showsDesignEvaluation());
            const int inUse = page(window, p)->panelWidget()->currentLoopCount();
            for (int l = 0; l < inUse; ++l)
                QVERIFY(page(window, p)->loopWidgets().at(l)->showsDesignEvaluation());
        }
    };

    action(window, "actionUndo")->trigger();
    settle();
    QVERIFY(document->design() == before);
    compareWithDocument(window);
    allShowTheDesigns();
    action(window, "actionRedo")->trigger();
    settle();
    QVERIFY(document->design() == after);
    compareWithDocument(window);
    allShowTheDesigns();
    QCOMPARE(recorded.size(), 1);
}

void TestDesignSession::loopEditIsOneTypedStep_data()
{
    QTest::addColumn<WindowEdit>("edit");
    QTest::addColumn<DesignEdit>("expected");

    const auto firstLoop = [](MainWindow &w) { return page(w, 0)->loopWidgets().at(0); };
    QTest::newRow("quantity by its spin box")
        << WindowEdit([firstLoop](MainWindow &w) { setQuantity(firstLoop(w), QStringLiteral("OPT-100"), 7); })
        << DesignEdit([](Design &d) { d.main.loops[0].devices[QStringLiteral("OPT-100")] = 7; });
    QTest::newRow("device dropped")
        << WindowEdit([firstLoop](MainWindow &w) { dragIntoLoop(firstLoop(w), QStringLiteral("MCP-1")); })
        << DesignEdit([](Design &d) { d.main.loops[0].devices[QStringLiteral("MCP-1")] = 1; });
    QTest::newRow("device dropped on a box's loop")
        << WindowEdit([](MainWindow &w) { dragIntoLoop(page(w, 1)->loopWidgets().at(1), QStringLiteral("OPT-100")); })
        << DesignEdit([](Design &d) { d.boxes[0].loops[1].devices[QStringLiteral("OPT-100")] = 1; });
    QTest::newRow("device removed") << WindowEdit([firstLoop](MainWindow &w) {
        auto *list = child<QListWidget>(firstLoop(w), "devInLoopListWidget");
        QTest::mouseClick(child<QPushButton>(list->itemWidget(list->item(0)), "removeDeviceButton"),
                          Qt::LeftButton);
    }) << DesignEdit([](Design &d) { d.main.loops[0].devices.remove(QStringLiteral("OPT-100")); });
    QTest::newRow("units typed in the device tree") << WindowEdit([firstLoop](MainWindow &w) {
        QTreeWidget *tree = child<QTreeWidget>(firstLoop(w), "devAvailableTree");
        tree->setCurrentItem(
            tree->findItems(QStringLiteral("MCP-1"), Qt::MatchExactly | Qt::MatchRecursive).first());
        QTest::keyClicks(tree, QStringLiteral("12"));
        QTest::keyClick(tree, Qt::Key_Return);
    }) << DesignEdit([](Design &d) { d.main.loops[0].devices[QStringLiteral("MCP-1")] = 12; });
    QTest::newRow("cable type")
        << WindowEdit([firstLoop](MainWindow &w) {
               child<QComboBox>(firstLoop(w), "cableTypeComboBox")->setCurrentIndex(4);
           })
        << DesignEdit([](Design &d) {
               d.main.loops[0].cableType = LoopCable::displayText(LoopCable::sourceTexts().at(4));
           });
    QTest::newRow("topology")
        << WindowEdit([firstLoop](MainWindow &w) {
               child<QRadioButton>(firstLoop(w), "topologyTypeBRadioButton")->click();
           })
        << DesignEdit([](Design &d) { d.main.loops[0].topology = Topology::DegradedMode; });
    QTest::newRow("distribution factor dragged") << WindowEdit([firstLoop](MainWindow &w) {
        auto *slider = child<QSlider>(firstLoop(w), "distrFactorSlider");
        // The press makes the slider the control the steps merge for.
        QTest::mousePress(slider, Qt::LeftButton);
        for (int value : {90, 75, 60})
            slider->setValue(value);
        QTest::mouseRelease(slider, Qt::LeftButton);
    }) << DesignEdit([](Design &d) { d.main.loops[0].distributionFactor = 60; });
    QTest::newRow("length typed") << WindowEdit([firstLoop](MainWindow &w) {
        auto *length = child<QSpinBox>(firstLoop(w), "loopLengthSpinBox");
        length->selectAll();
        QTest::keyClicks(length, QStringLiteral("1250"));
    }) << DesignEdit([](Design &d) { d.main.loops[0].loopLength = 1250; });
    QTest::newRow("loop duplicated")
        << WindowEdit([](MainWindow &w) { duplicateLoop(page(w, 0), 0, QStringLiteral("Loop 2")); })
        << DesignEdit([](Design &d) { d.main.loops[1] = d.main.loops.at(0); });
    QTest::newRow("loop reset") << WindowEdit([firstLoop](MainWindow &w) {
        MessageBox::setNextAnswer(QMessageBox::Yes);
        child<QPushButton>(firstLoop(w), "resetLoopButton")->click();
    }) << DesignEdit([](Design &d) { d.main.loops[0] = LoopConfig(); });
}

void TestDesignSession::loopEditIsOneTypedStep()
{
    QFETCH(WindowEdit, edit);
    QFETCH(DesignEdit, expected);
    MainWindow window(m_catalogue);
    addBox(window, QStringLiteral("KXE-2"));
    settle();
    LoopWidget *loop = page(window, 0)->loopWidgets().at(0);
    dragIntoLoop(loop, QStringLiteral("OPT-100"));
    setQuantity(loop, QStringLiteral("OPT-100"), 3);
    child<QSpinBox>(loop, "loopLengthSpinBox")->setValue(800);
    settle();
    DesignDocument *document = session(window)->document();
    const Design before = document->design();
    Design after = before;
    expected(after);
    QVERIFY(after != before);
    const int steps = document->history().size();
    QVector<QPair<Design, Design>> recorded;
    connect(session(window), &DesignSession::edited, this,
            [&recorded](const Design &from, const Design &to) { recorded.append({from, to}); });
    edit(window);
    // Recorded as the edit happened, before the event loop ran; the steps of
    // one control merge.
    QVERIFY(!recorded.isEmpty());
    QCOMPARE(document->history().size(), steps + 1);
    QVERIFY(recorded.first().first == before);
    QVERIFY(document->design() == after);
    settle();
    // The window's own check finds nothing more to record.
    const int edits = recorded.size();
    QCOMPARE(document->history().size(), steps + 1);
    QVERIFY(document->design() == after);
    compareWithDocument(window);
    // The edited loop and its panel show the design's evaluation, not their own.
    const auto showTheDesigns = [&] {
        const SystemEvaluation &main = document->evaluation().main;
        QVERIFY(loop->showsDesignEvaluation());
        QCOMPARE(child<QLabel>(loop, "faultsLabel")->text(), main.loopResults.at(0).faultsText);
        QCOMPARE(child<QLabel>(loop, "alarmCurrentValueLabel")->text(), main.loopResults.at(0).alarmCurrentText());
        QVERIFY(mainPanel(window)->showsDesignEvaluation());
    };
    showTheDesigns();

    action(window, "actionUndo")->trigger();
    settle();
    QVERIFY(document->design() == before);
    QCOMPARE(loop->config(), before.main.loops.at(0));
    compareWithDocument(window);
    showTheDesigns();
    action(window, "actionRedo")->trigger();
    settle();
    QVERIFY(document->design() == after);
    compareWithDocument(window);
    showTheDesigns();
    QCOMPARE(recorded.size(), edits);
}

void TestDesignSession::loopsThatComeBackKeepTheirDevices()
{
    MainWindow window(m_catalogue);
    PanelWidget *panel = mainPanel(window);
    DesignDocument *document = session(window)->document();
    loopCardButton(panel, "auxCardAddButton")->click();
    dragIntoLoop(page(window, 0)->loopWidgets().at(3), QStringLiteral("MCP-1"));
    settle();
    const int steps = document->history().size();
    const LoopConfig fourth = document->design().main.loops.at(3);
    QCOMPARE(fourth.devices.value(QStringLiteral("MCP-1")), 1);

    loopCardButton(panel, "auxCardRemoveButton")->click();
    settle();
    QCOMPARE(document->design().main.loops.size(), 2);
    // The hidden tab kept the loop: it comes back as it was, in the same step as its card.
    loopCardButton(panel, "auxCardAddButton")->click();
    QCOMPARE(document->design().main.loops.size(), 4);
    QVERIFY(document->design().main.loops.at(3) == fourth);
    settle();
    QCOMPARE(document->history().size(), steps + 2);
    compareWithDocument(window);
}

void TestDesignSession::typedPanelValueIsOneStep()
{
    MainWindow window(m_catalogue);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    DesignDocument *document = session(window)->document();
    const Design before = document->design();
    const int steps = document->history().size();
    auto *spin = child<QSpinBox>(mainPanel(window), "battDegradationSpinBox");
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "45");
    settle();
    for (int i = 0; i < 2; ++i) {
        QTest::keyClick(spin, Qt::Key_Up);
        settle();
    }
    QCOMPARE(document->design().main.config.batteryDegradation, 47);
    // Leaving the box settles the value: one step for all of it.
    child<QSpinBox>(mainPanel(window), "sndActiveSpinBox")->setFocus();
    settle();
    QCOMPARE(document->history().size(), steps + 1);
    action(window, "actionUndo")->trigger();
    QVERIFY(document->design() == before);
    QCOMPARE(spin->value(), before.main.config.batteryDegradation);

    // Another value after it settled is a step of its own.
    action(window, "actionRedo")->trigger();
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    settle();
    QCOMPARE(document->history().size(), steps + 2);
    QCOMPARE(document->design().main.config.batteryDegradation, 48);
}

void TestDesignSession::openStartsAFreshHistory()
{
    const QString path = m_dir.filePath("fresh.csv");
    MainWindow window(m_catalogue);
    addLoopCard(window);
    settle();
    FileDialog::setNextFileName(path);
    action(window, "actionSave_as")->trigger();
    QVERIFY(action(window, "actionUndo")->isEnabled());

    MessageBox::setNextAnswer(QMessageBox::Yes);
    FileDialog::setNextFileName(path);
    action(window, "actionOpen")->trigger();
    QVERIFY(!action(window, "actionUndo")->isEnabled());
    QVERIFY(!action(window, "actionRedo")->isEnabled());
    QCOMPARE(session(window)->history().size(), 1);
    QCOMPARE(window.windowTitle(), QStringLiteral("fresh.csv[*] - Kalvix"));
}

void TestDesignSession::adjustedFileOpensModified()
{
    // A loop holds more units of a device than its editor takes.
    const QString path = m_dir.filePath("too_many.csv");
    {
        MainWindow window(m_catalogue);
        dragIntoLoop(page(window, 0)->loopWidgets().at(0), QStringLiteral("OPT-100"));
        settle();
        FileDialog::setNextFileName(path);
        action(window, "actionSave_as")->trigger();
    }
    QString text = readAll(path);
    text.replace("OPT-100;1", "OPT-100;300");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    file.close();

    MainWindow window(m_catalogue);
    MessageBox::takeShown();
    FileDialog::setNextFileName(path);
    action(window, "actionOpen")->trigger();
    QCOMPARE(kinds(MessageBox::takeShown()),
             (QList<MessageBox::Kind>{MessageBox::Kind::Warning, MessageBox::Kind::Information}));
    // What is on screen is not what the file holds, and closing says so.
    QCOMPARE(window.windowTitle(), QStringLiteral("too_many.csv[*] - Kalvix"));
    QVERIFY(window.isWindowModified());
    QVERIFY(!action(window, "actionUndo")->isEnabled());
    action(window, "actionSave")->trigger();
    QVERIFY(readAll(path).contains("OPT-100;250\n"));
    QVERIFY(!window.isWindowModified());
}

void TestDesignSession::recoveryAfterACrash()
{
    const QString path = m_dir.filePath("crashed.csv");
    QString edited;
    QString recoveryPath;
    {
        MainWindow window(m_catalogue);
        QCOMPARE(session(window)->recoveryInterval(), 2 * 60 * 1000);
        FileDialog::setNextFileName(path);
        action(window, "actionSave_as")->trigger();
        // Nothing unsaved, nothing copied.
        session(window)->writeRecovery();
        QVERIFY(!session(window)->recovery().exists());

        addBox(window, QStringLiteral("KXE-4"));
        dragIntoLoop(page(window, 1)->loopWidgets().at(3), QStringLiteral("WS-1 (loop)"));
        settle();
        edited = setupText(window);
        session(window)->writeRecovery();
        recoveryPath = session(window)->recovery().path();
        QVERIFY(recoveryPath.startsWith(Catalogue::dataLocation()));
        QCOMPARE(readAll(recoveryPath), edited);
        // The window goes without closing, as in a crash.
    }
    QVERIFY(QFile::exists(recoveryPath));
    {
        MainWindow window(m_catalogue);
        MessageBox::takeShown();
        MessageBox::setNextAnswer(QMessageBox::Yes);
        QVERIFY(window.offerRecovery());
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(QRegularExpression("^Restore the unsaved design from \\d\\d:\\d\\d\\?$")
                     .match(shown.first().text)
                     .hasMatch(),
                 qPrintable(shown.first().text));
        QCOMPARE(setupText(window), edited);
        QCOMPARE(pageTitles(window), (QStringList{"Main Panel", "KXE-4"}));
        QCOMPARE(window.windowTitle(), QStringLiteral("crashed.csv[*] - Kalvix"));
        QVERIFY(window.isWindowModified());
        // Kept until the design is saved or let go.
        QVERIFY(QFile::exists(recoveryPath));
        window.show();
        MessageBox::setNextAnswer(QMessageBox::Discard);
        QVERIFY(window.close());
        QVERIFY(!QFile::exists(recoveryPath));
    }
    // Saving removes it as well.
    MainWindow window(m_catalogue);
    addLoopCard(window);
    settle();
    session(window)->writeRecovery();
    QVERIFY(QFile::exists(recoveryPath));
    FileDialog::setNextFileName(path);
    action(window, "actionSave")->trigger();
    QVERIFY(!QFile::exists(recoveryPath));
}

void TestDesignSession::damagedRecoveryIsSetAside()
{
    QString recoveryPath;
    {
        MainWindow window(m_catalogue);
        addLoopCard(window);
        settle();
        session(window)->writeRecovery();
        recoveryPath = session(window)->recovery().path();
    }
    // Cut short, as a disk that filled up would leave it.
    QString text = readAll(recoveryPath);
    QFile file(recoveryPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.left(text.indexOf("Loop 3 configuration")).toUtf8());
    file.close();

    MainWindow window(m_catalogue);
    const QString fresh = setupText(window);
    MessageBox::takeShown();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Loop count mismatch"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^The recovery file does not read back"));
    QVERIFY(!window.offerRecovery());
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(kinds(shown), {MessageBox::Kind::Warning});
    QVERIFY(shown.first().text.contains("could not be read back"));
    QCOMPARE(setupText(window), fresh);
    QVERIFY(!window.isWindowModified());
    QVERIFY(!QFile::exists(recoveryPath));
    const QStringList aside =
        QDir(QFileInfo(recoveryPath).path()).entryList({"unsaved_design.damaged-*.csv"}, QDir::Files);
    QCOMPARE(aside.size(), 1);
}

void TestDesignSession::fullDiskNeverReadsAsSaved()
{
    FullDisk disk;
    REQUIRE_FULL_DISK(disk);
    const QString path = disk.filePath("design.csv");
    MainWindow window(m_catalogue);
    FileDialog::setNextFileName(path);
    action(window, "actionSave_as")->trigger();
    const QString saved = readAll(path);
    QVERIFY(!saved.isEmpty());
    addLoopCard(window);
    settle();
    session(window)->writeRecovery();
    const QString recoveryPath = session(window)->recovery().path();
    QVERIFY(QFile::exists(recoveryPath));
    QVERIFY(disk.fill());
    MessageBox::takeShown();

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write file: .*No space left on device"));
    action(window, "actionSave")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Critical);
    QVERIFY2(shown.first().text.endsWith("\n\nNo space left on device"), qPrintable(shown.first().text));
    // Not saved: still modified, the old file whole, the recovery copy kept.
    QVERIFY(window.isWindowModified());
    QCOMPARE(readAll(path), saved);
    QVERIFY(QFile::exists(recoveryPath));
    QVERIFY(!window.statusBar()->currentMessage().startsWith("Saved"));
}

void TestDesignSession::saveAsksWhenTheFileChangedOnDisk_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("overwritten");
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
    QTest::newRow("overwrite") << int(QMessageBox::Yes) << true;
    QTest::newRow("save as") << int(QMessageBox::Save) << false;
}

void TestDesignSession::saveAsksWhenTheFileChangedOnDisk()
{
    QFETCH(int, answer);
    QFETCH(bool, overwritten);
    const QString path = m_dir.filePath("shared.csv");
    const QString other = m_dir.filePath("mine.csv");
    QFile::remove(other);
    MainWindow window(m_catalogue);
    FileDialog::setNextFileName(path);
    action(window, "actionSave_as")->trigger();
    MessageBox::takeShown();
    // Saved unchanged: no question.
    action(window, "actionSave")->trigger();
    QVERIFY(MessageBox::takeShown().isEmpty());

    // Someone else writes the file; this window edits its design.
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write("Someone else's line\n");
    file.close();
    const QString theirs = readAll(path);
    addLoopCard(window);
    settle();
    const QString mine = setupText(window);

    MessageBox::setNextAnswer(QMessageBox::StandardButton(answer));
    FileDialog::setNextFileName(other);
    action(window, "actionSave")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.first().text, QStringLiteral("%1 was changed by someone else since you opened it.\n"
                                                "Overwrite it with this design?")
                                     .arg(path));
    QCOMPARE(readAll(path), overwritten ? mine : theirs);
    QCOMPARE(window.isWindowModified(), answer == QMessageBox::Cancel);
    QCOMPARE(QFile::exists(other), answer == QMessageBox::Save);
    if (answer == QMessageBox::Save)
        QCOMPARE(readAll(other), mine);
}

void TestDesignSession::designOpenInAnotherRunIsToldBeforeOpening()
{
    const QString path = m_dir.filePath("held.csv");
    {
        MainWindow window(m_catalogue);
        FileDialog::setNextFileName(path);
        action(window, "actionSave_as")->trigger();
    }
    // Another running copy holds it open.
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t other = ::fork();
    if (other == 0) {
        DesignLock lock;
        const char held = lock.acquire(path) ? 'y' : 'n';
        if (::write(ready[1], &held, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    char held = 0;
    QCOMPARE(::read(ready[0], &held, 1), ssize_t(1));
    QCOMPARE(held, 'y');
    const auto stop = qScopeGuard([other] {
        ::kill(other, SIGKILL);
        ::waitpid(other, nullptr, 0);
    });

    MainWindow window(m_catalogue);
    MessageBox::takeShown();
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
        // An untouched untitled design is replaced without a question, so
        // the lock's question is the first.
        MessageBox::setNextAnswer(answer);
        FileDialog::setNextFileName(path);
        action(window, "actionOpen")->trigger();
        QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QVERIFY(shown.size() >= 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^%1 is open in another Kalvix \\(process %2 on .+, since "
                                                   "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d\\)\\.\\n")
                                        .arg(QRegularExpression::escape(path))
                                        .arg(other))
                     .match(shown.first().text)
                     .hasMatch(),
                 qPrintable(shown.first().text));
        QCOMPARE(window.windowTitle(),
                 answer == QMessageBox::Yes ? QStringLiteral("held.csv[*] - Kalvix") : QStringLiteral("Untitled[*] - Kalvix"));
    }
}

void TestDesignSession::secondRunKeepsItsOwnRecoveryCopy()
{
    // Another running copy holds the usual recovery folder.
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t other = ::fork();
    if (other == 0) {
        RecoveryFile recovery(RecoveryFile::defaultFolder());
        const char held = recovery.claim() && recovery.write("theirs\n", QString()) ? 'y' : 'n';
        if (::write(ready[1], &held, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    char held = 0;
    QCOMPARE(::read(ready[0], &held, 1), ssize_t(1));
    QCOMPARE(held, 'y');
    const auto stop = qScopeGuard([other] {
        ::kill(other, SIGKILL);
        ::waitpid(other, nullptr, 0);
    });
    const QString theirs = RecoveryFile::defaultFolder() + "/unsaved_design.csv";

    MainWindow window(m_catalogue);
    MessageBox::takeShown();
    window.startSession(QString());
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().text, QStringLiteral("Another Kalvix keeps its copy of unsaved work in the usual place; "
                                                "this one keeps its own in %1.")
                                     .arg(RecoveryFile::defaultFolder() + "-2"));
    // Its own copy goes beside, the other's stays untouched.
    addLoopCard(window);
    settle();
    session(window)->writeRecovery();
    QCOMPARE(session(window)->recovery().path(), RecoveryFile::defaultFolder() + "-2/unsaved_design.csv");
    QCOMPARE(readAll(session(window)->recovery().path()), setupText(window));
    QCOMPARE(readAll(theirs), QStringLiteral("theirs\n"));
}

void TestDesignSession::recoveryOfferDeclined()
{
    QString recoveryPath;
    {
        MainWindow window(m_catalogue);
        addLoopCard(window);
        settle();
        session(window)->writeRecovery();
        recoveryPath = session(window)->recovery().path();
    }
    MainWindow window(m_catalogue);
    const QString fresh = setupText(window);
    MessageBox::setNextAnswer(QMessageBox::No);
    QVERIFY(!window.offerRecovery());
    QCOMPARE(setupText(window), fresh);
    QVERIFY(!QFile::exists(recoveryPath));
    // Nothing left to offer at the next start.
    QVERIFY(!window.offerRecovery());
}

void TestDesignSession::languageSwitchKeepsTheDocument()
{
    const auto choose = [](MainWindow &window, const QString &code) {
        QMenu *languages = action(window, "actionChange_language")->menu();
        QVERIFY(languages);
        for (QAction *entry : languages->actions()) {
            if (entry->data().toString() == code)
                entry->trigger();
        }
    };
    MainWindow window(m_catalogue);
    addBox(window, QStringLiteral("KXE-2"));
    settle();
    FileDialog::setNextFileName(m_dir.filePath("languages.csv"));
    action(window, "actionSave_as")->trigger();
    addLoopCard(window);
    settle();
    const QString edited = setupText(window);
    const int steps = session(window)->history().size();

    choose(window, QStringLiteral("es"));
    settle();
    QCOMPARE(pageTitles(window).value(0), QStringLiteral("Central principal"));
    // The same design, file and history: the switch is no edit.
    QCOMPARE(window.windowTitle(), QStringLiteral("languages.csv[*] - Kalvix"));
    QVERIFY(window.isWindowModified());
    QCOMPARE(setupText(window), edited);
    QCOMPARE(session(window)->history().size(), steps);
    action(window, "actionUndo")->trigger();
    QVERIFY(!window.isWindowModified());
    QVERIFY(setupText(window) != edited);
    action(window, "actionNew")->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("Sin título[*] - Kalvix"));

    choose(window, QStringLiteral("en"));
    settle();
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled[*] - Kalvix"));
}

void TestDesignSession::projectAndExportsFromTheFileMenu()
{
    MainWindow window(m_catalogue);
    dragIntoLoop(page(window, 0)->loopWidgets().at(0), QStringLiteral("MCP-1"));
    settle();
    DesignDocument *document = session(window)->document();
    const Design before = document->design();

    // File > Project: the dialog's OK is one step of the design.
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->findChild<QLineEdit *>("projectReferenceLineEdit")->setText("P-42");
        dialog->findChild<QLineEdit *>("facilityLineEdit")->setText("Depot");
        dialog->accept();
    });
    action(window, "actionProject")->trigger();
    QVERIFY(document->design().project);
    QCOMPARE(document->design().project->reference, QStringLiteral("P-42"));
    QVERIFY(window.isWindowModified());
    action(window, "actionUndo")->trigger();
    QCOMPARE(document->design(), before);
    action(window, "actionRedo")->trigger();
    QCOMPARE(document->design().project->facility, QStringLiteral("Depot"));

    // File > Export: the workbook and each table as CSV, from the document.
    MessageBox::takeShown();
    FileDialog::setNextFileName(m_dir.filePath("tables"));
    action(window, "actionExport_workbook")->trigger();
    QFile workbook(m_dir.filePath("tables.xlsx"));
    QVERIFY(workbook.open(QIODevice::ReadOnly));
    QCOMPARE(workbook.read(2), QByteArray("PK"));
    FileDialog::setNextFileName(m_dir.filePath("bom.csv"));
    action(window, "actionExport_bill_of_materials")->trigger();
    QFile bom(m_dir.filePath("bom.csv"));
    QVERIFY(bom.open(QIODevice::ReadOnly));
    QCOMPARE(bom.readLine(), QByteArray("Category,Item,Quantity,Unit,Description\r\n"));
    QVERIFY(bom.readAll().contains("MCP-1,1,pcs"));
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown.last().text, QStringLiteral("Exported successfully!"));

    // A file that cannot be written says so.
    QVERIFY(QDir().mkpath(m_dir.filePath("blocked.csv")));
    FileDialog::setNextFileName(m_dir.filePath("blocked.csv"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to (open|write) file"));
    action(window, "actionExport_cable_schedule")->trigger();
    QCOMPARE(MessageBox::takeShown().value(0).title, QStringLiteral("Error"));
}

QTEST_MAIN(TestDesignSession)
#include "tst_designsession.moc"
