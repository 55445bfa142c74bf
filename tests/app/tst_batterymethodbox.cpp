// The battery method on the panel page of the real window: chosen there,
// kept in the document, followed by the page's figures, undone in one step,
// and its nearest battery applied in one step.
#include "../system/systemfixtures.h"

#include "app/designsession.h"
#include "app/mainwindow.h"
#include "design/designfile.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The selector text of a name: "-" for none.
static QString orDash(const QString &name)
{
    return name.isEmpty() ? QStringLiteral("-") : name;
}

using namespace SystemFixtures;

namespace
{

PanelWidget *mainPanel(MainWindow &window)
{
    auto *tabs = child<QTabWidget>(&window, "externalTabWidget");
    return qobject_cast<SystemContainerWidget *>(tabs->widget(0))->panelWidget();
}

DesignDocument *document(MainWindow &window)
{
    return child<DesignSession>(&window, "designSession")->document();
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void choose(PanelWidget *panel, BatteryMethod method)
{
    auto *combo = child<QComboBox>(panel, "batteryMethodComboBox");
    const int row = combo->findData(int(method));
    QVERIFY(row >= 0);
    combo->setCurrentIndex(row);
    emit combo->activated(row);
}

void undo(MainWindow &window)
{
    child<QAction>(&window, "actionUndo")->trigger();
    settle();
}

} // namespace

class TestBatteryMethodBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void methodIsKeptInTheDocumentAndUndone();
    void nearestBatteryIsOneStep();
    void eachBoxHasItsOwnMethod();
    void savedAndOpenedWithItsMethod();

private:
    std::unique_ptr<Catalogue> m_catalogue;
};

void TestBatteryMethodBox::initTestCase()
{
    initGuiResources();
    MessageBox::setTestMode(true);
    m_catalogue = std::make_unique<Catalogue>(catalogueData());
}

void TestBatteryMethodBox::methodIsKeptInTheDocumentAndUndone()
{
    MainWindow window(m_catalogue.get());
    PanelWidget *panel = mainPanel(window);
    child<QComboBox>(panel, "idleTimeComboBox")->setCurrentText("48 h");
    settle();
    const QString makers = panelText(panel, "minBattRequiredValueLabel");
    const QString makersStatus = panelText(panel, "battStatusLabel");

    choose(panel, BatteryMethod::Nfpa72Edition2019);
    settle();
    QCOMPARE(document(window)->design().main.batteryMethod, BatteryMethod::Nfpa72Edition2019);
    QVERIFY(window.isWindowModified());
    // The page shows what the document's evaluation says.
    const PanelEvaluation &evaluated = document(window)->evaluation().main.panel;
    QCOMPARE(evaluated.batterySizing.method, BatteryMethod::Nfpa72Edition2019);
    QCOMPARE(panelText(panel, "minBattRequiredValueLabel"), evaluated.minimumBatteryRequiredText());
    QVERIFY(panelText(panel, "minBattRequiredValueLabel") != makers);
    QCOMPARE(panelText(panel, "battStatusLabel"), evaluated.battery.text);
    QVERIFY(panelText(panel, "battStatusLabel").contains("NFPA 72 requires 24 h of standby"));
    const QString info = panelText(panel, "batteryMethodInfoLabel");
    QVERIFY(info.contains(evaluated.batterySizing.substituted));
    QVERIFY(info.contains("SF = 1.20"));

    undo(window);
    QCOMPARE(document(window)->design().main.batteryMethod, BatteryMethod::Maker);
    QCOMPARE(child<QComboBox>(panel, "batteryMethodComboBox")->currentData().toInt(), int(BatteryMethod::Maker));
    QCOMPARE(panelText(panel, "minBattRequiredValueLabel"), makers);
    QCOMPARE(panelText(panel, "battStatusLabel"), makersStatus);
}

void TestBatteryMethodBox::nearestBatteryIsOneStep()
{
    MainWindow window(m_catalogue.get());
    PanelWidget *panel = mainPanel(window);
    choose(panel, BatteryMethod::Bs5839);
    settle();
    auto *apply = child<QPushButton>(panel, "applyNearestBatteryButton");
    // No battery yet: a fault, and the nearest battery to put right.
    QVERIFY(panel->computeFaultFlags().hasBatteryFault);
    QVERIFY(apply->isEnabled());
    const BatterySizing::BatterySet suggested = document(window)->evaluation().main.panel.nearestBattery.set;
    QVERIFY(!suggested.internalBattery.isEmpty());

    apply->click();
    settle();
    QCOMPARE(orDash(panel->configuration().internalBattery), suggested.internalBattery);
    QCOMPARE(document(window)->design().main.config.internalBattery, suggested.internalBattery);
    QVERIFY(!panel->computeFaultFlags().hasBatteryFault);
    QVERIFY(!apply->isEnabled()); // nothing left to apply

    // One step back: no battery again, the method stays.
    undo(window);
    QCOMPARE(orDash(panel->configuration().internalBattery), QStringLiteral("-"));
    QCOMPARE(document(window)->design().main.batteryMethod, BatteryMethod::Bs5839);
    QVERIFY(apply->isEnabled());
}

void TestBatteryMethodBox::eachBoxHasItsOwnMethod()
{
    MainWindow window(m_catalogue.get());
    {
        ModalAnswerer answerer([&](QDialog *dialog) {
            child<QComboBox>(dialog, "expansionBoxComboBox")->setCurrentText("KXE-2");
            dialogButton(dialog, QDialogButtonBox::Ok)->click();
        });
        child<QPushButton>(mainPanel(window), "addExpansionBoxButton")->click();
    }
    settle();
    auto *tabs = child<QTabWidget>(&window, "externalTabWidget");
    QCOMPARE(tabs->count(), 2);
    PanelWidget *box = qobject_cast<SystemContainerWidget *>(tabs->widget(1))->panelWidget();

    choose(box, BatteryMethod::En54Part14);
    settle();
    const Design &design = document(window)->design();
    QCOMPARE(design.boxes.size(), 1);
    QCOMPARE(design.boxes.at(0).batteryMethod, BatteryMethod::En54Part14);
    QCOMPARE(design.main.batteryMethod, BatteryMethod::Maker);
    QCOMPARE(box->batteryMethod(), BatteryMethod::En54Part14);
    QCOMPARE(mainPanel(window)->batteryMethod(), BatteryMethod::Maker);
    QVERIFY(DesignFile::compose(design).contains("Battery method;Expansion box 1\nMethod:;EN 54-14\n"));
    QVERIFY(panelText(box, "batteryMethodInfoLabel").startsWith("CEN/TS 54-14"));
}

// Saved as 2.1 and opened in a new window: the page follows the file's method.
void TestBatteryMethodBox::savedAndOpenedWithItsMethod()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sized.csv");
    QString figures;
    {
        MainWindow window(m_catalogue.get());
        choose(mainPanel(window), BatteryMethod::Bs5839);
        settle();
        figures = panelText(mainPanel(window), "minBattRequiredValueLabel");
        FileDialog::setNextFileName(path);
        child<QAction>(&window, "actionSave_as")->trigger();
        QVERIFY(!window.isWindowModified());
    }
    MainWindow window(m_catalogue.get());
    MessageBox::setNextAnswer(QMessageBox::Yes);
    FileDialog::setNextFileName(path);
    child<QAction>(&window, "actionOpen")->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("sized.csv[*] - Kalvix"));
    settle();
    PanelWidget *panel = mainPanel(window);
    QCOMPARE(panel->batteryMethod(), BatteryMethod::Bs5839);
    QCOMPARE(child<QComboBox>(panel, "batteryMethodComboBox")->currentData().toInt(), int(BatteryMethod::Bs5839));
    QCOMPARE(panelText(panel, "minBattRequiredValueLabel"), figures);
    QVERIFY(!window.isWindowModified());
}

QTEST_MAIN(TestBatteryMethodBox)
#include "tst_batterymethodbox.moc"
