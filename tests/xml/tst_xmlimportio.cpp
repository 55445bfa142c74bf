#include "app/mainwindow.h"
#include "catalogue/catalogue.h"
#include "catalogue/datafile.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "setup/setupfile.h"
#include "app/setupio.h"
#include "app/xmlimportio.h"
#include "design/designdocument.h"
#include "design/designfile.h"
#include "loop/schedulerules.h"
#include "app/xmlimportsummarydialog.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

namespace
{

CatalogueData demoData()
{
    CatalogueData data;
    QFile file(QStringLiteral(KALVIX_DEMO_DIR "/catalogue.csv"));
    if (!file.open(QIODevice::ReadOnly) || !DataFile::read(file, data))
        qFatal("cannot read the demo catalogue");
    return data;
}

const QString realExport = QStringLiteral(KALVIX_TEST_DATA_DIR "/xml/two_panels.xml");

// Answers the two choice dialogs from a queue and records what they offered.
struct Choices {
    QStringList answers;
    QStringList titles;
    QList<QStringList> items;

    void install()
    {
        XmlImportDialogs::setChooser(
            [this](const QString &title, const QString &label, const QStringList &list) {
                titles.append(title + QLatin1Char('|') + label);
                items.append(list);
                return answers.isEmpty() ? QString() : answers.takeFirst();
            });
    }
};

QString writeXml(const QTemporaryDir &dir, const QByteArray &body)
{
    const QString path = dir.filePath(QStringLiteral("export.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(body) != body.size())
        qFatal("cannot write the test file");
    return path;
}

// A panel "P" whose loop numbered n holds n sounders (type 8), so where a loop
// number landed can be read from the sounder counts.
QByteArray loopsXml(const QList<int> &numbers)
{
    QByteArray xml = "<R><Panel name=\"P\">";
    for (int n : numbers) {
        xml += "<loop number=\"" + QByteArray::number(n) + "\">";
        for (int k = 0; k < n; ++k)
            xml += "<Device type=\"8\" ext_type=\"0\"/>";
        xml += "</loop>";
    }
    return xml + "</Panel></R>";
}

// Sounder count of each visible loop: the best sounder match of the demo range.
QList<int> sounderCounts(SystemContainerWidget &container)
{
    QList<int> counts;
    const QVector<LoopWidget *> loops = container.loopWidgets();
    for (int i = 0; i < container.panelWidget()->currentLoopCount() && i < loops.size(); ++i)
        counts.append(loops.at(i)->config().devices.value(QStringLiteral("SD-530 XL (loop)")));
    return counts;
}

QComboBox *modelSelector(SystemContainerWidget &container)
{
    return container.panelWidget()->findChild<QComboBox *>(QStringLiteral("panelComboBox"));
}

QString describeLoops(SystemContainerWidget &container)
{
    QStringList out;
    for (LoopWidget *loop : container.loopWidgets()) {
        QStringList devices;
        const QMap<QString, int> map = loop->config().devices;
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            devices.append(it.key() + QLatin1Char('=') + QString::number(it.value()));
        out.append(devices.join(QLatin1Char(',')));
    }
    return out.join(QLatin1Char('|'));
}

} // namespace

class TestXmlImportIo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void importsChosenPanel();
    void loopCountsAndCards_data();
    void loopCountsAndCards();
    void failuresChangeNothing_data();
    void failuresChangeNothing();
    void wrongVersionWarnsThenFails();
    void duplicatePanelsTakeTheFirst();
    void reimportOntoSameModelLeavesNoStaleDevices();
    void oddMaximumGetsTheCardsItCanHold();
    void mainWindowCommands_data();
    void mainWindowCommands();
    void realDialogsOfferTheEntries();
    void modelPickerStartsOnTheNamedModel_data();
    void modelPickerStartsOnTheNamedModel();
    void adjustedCountsAreListed();
    void summaryCancelChangesNothing();
    void summaryDialogShowsEveryLoop();
    void importMakesAnUntitledDesign();

private:
    Catalogue *catalogue = nullptr;
    Choices choices;
};

void TestXmlImportIo::init()
{
    // Every dialog starts at home until a file of its kind was chosen.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kalvix", "Kalvix").remove("lastFolders");
    MessageBox::setTestMode(true);
    MessageBox::takeShown();
    catalogue = new Catalogue(demoData());
    choices = Choices();
    choices.install();
}

void TestXmlImportIo::cleanup()
{
    XmlImportDialogs::setChooser({});
    QCOMPARE(MessageBox::takeShown().size(), 0);
    MessageBox::setTestMode(false);
    delete catalogue;
}

void TestXmlImportIo::importsChosenPanel()
{
    SystemContainerWidget container(false, catalogue, QString());
    choices.answers = QStringList{"Central A (3 loops)", "TXP 408 (2-8 loops)"};
    QStringList adjusted{"not cleared"};
    QMap<int, QStringList> orders;
    QVERIFY(importConfigurationXml(realExport, &container, catalogue, true, &adjusted, &orders));
    QCOMPARE(adjusted.join("|"), QString()); // every count fits its loop
    // The units as the export lists them, for the schedules; the empty fourth loop has none.
    QCOMPARE(orders.keys(), (QList<int>{0, 1, 2}));
    QCOMPARE(orders.value(0), (QStringList{"OD-200", "OD-200", "HD-220"}));
    QCOMPARE(orders.value(1), (QStringList{"CP-310 IP67", "IOM-421"}));
    QCOMPARE(orders.value(2), (QStringList{"SD-530 XL (loop)", "SD-530 XL (loop)"}));
    const LoopConfig loop = container.loopWidgets().at(0)->config();
    const LoopSchedule schedule = ScheduleRules::fromOrder(
        loop, orders.value(0), ScheduleRules::records(LoopCalc::resolveDevices(loop.devices, *catalogue)));
    QStringList addressed;
    for (const ScheduleUnit &unit : schedule.units)
        addressed << unit.device + "=" + unit.address;
    QCOMPARE(addressed, (QStringList{"OD-200=1", "OD-200=2", "HD-220=3"}));
    QVERIFY(DesignFile::validateSchedule(schedule, loop, QStringLiteral("loop 1")));

    QCOMPARE(choices.titles, (QStringList{"Select XML Panel|Select a panel from the XML file:",
                                          "Select App Panel|Select a target panel in the application:"}));
    QCOMPARE(choices.items.at(0), (QStringList{"Central A (3 loops)", "Central B (1 loops)"}));
    QCOMPARE(choices.items.at(1),
             (QStringList{"TXC 101 (1-1 loops)", "TXS 202 (2-4 loops)", "TXP 408 (2-8 loops)",
                          "TXP 816 (4-16 loops)", "TXM 204 Marine (2-4 loops)"}));
    QCOMPARE(modelSelector(container)->currentText(), QStringLiteral("TXP 408"));
    // 3 loops on 2 base loops: one card, 4 loops.
    QCOMPARE(container.panelWidget()->currentLoopCount(), 4);
    // Loops 1, 2, 10 in that order. Demo range: the optical detector with the
    // greater alarm current is OD-200, the call point CP-310 IP67, the loudest
    // sounder SD-530 XL; the in/out run of two is closest to IOM-421 (1 address).
    QCOMPARE(describeLoops(container), QStringLiteral("HD-220=1,OD-200=2|CP-310 IP67=1,IOM-421=1|"
                                                      "SD-530 XL (loop)=2|"));
}

void TestXmlImportIo::modelPickerStartsOnTheNamedModel_data()
{
    QTest::addColumn<QString>("panelName");
    QTest::addColumn<QString>("initial");
    QTest::newRow("exact name") << "TXP 408"
                                << "TXP 408 (2-8 loops)";
    QTest::newRow("inside a site name, any case") << "Warehouse - txp-408 east"
                                                  << "TXP 408 (2-8 loops)";
    QTest::newRow("longest model name") << "TXM 204 Marine deck"
                                        << "TXM 204 Marine (2-4 loops)";
    // Nothing named: the list opens on its first entry, as before.
    QTest::newRow("no model named") << "Central A"
                                    << "TXC 101 (1-1 loops)";
    QTest::newRow("a longer number is another model") << "TXP 4080"
                                                      << "TXC 101 (1-1 loops)";
}

void TestXmlImportIo::modelPickerStartsOnTheNamedModel()
{
    QFETCH(QString, panelName);
    QFETCH(QString, initial);
    QTemporaryDir dir;
    const QString path = writeXml(dir, "<R><Panel name=\"" + panelName.toUtf8() +
                                           "\"><loop number=\"1\"><Device type=\"1\"/></loop></Panel></R>");
    SystemContainerWidget container(false, catalogue, QString());
    choices.answers =
        QStringList{panelName + QStringLiteral(" (1 loops)"), QStringLiteral("TXS 202 (2-4 loops)")};
    QVERIFY(importConfigurationXml(path, &container, catalogue, false));
    QCOMPARE(XmlImportDialogs::initialChoices(),
             (QStringList{panelName + QStringLiteral(" (1 loops)"), initial}));
    // The user's choice still decides.
    QCOMPARE(modelSelector(container)->currentText(), QStringLiteral("TXS 202"));
}

void TestXmlImportIo::loopCountsAndCards_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("loopCount");
    QTest::addColumn<QList<int>>("counts");
    QTest::addColumn<QStringList>("leftOut"); // the summary's outcome of the loops past 8
    QTest::newRow("10, 2, 1 fill loops in value order")
        << QList<int>{10, 2, 1} << 4 << QList<int>{1, 2, 10, 0} << QStringList();
    QTest::newRow("gaps close up") << QList<int>{1, 3, 4} << 4 << QList<int>{1, 3, 4, 0} << QStringList();
    QTest::newRow("5 loops: two cards")
        << QList<int>{1, 2, 3, 4, 5} << 6 << QList<int>{1, 2, 3, 4, 5, 0} << QStringList();
    QTest::newRow("4 loops: one card")
        << QList<int>{1, 2, 3, 4} << 4 << QList<int>{1, 2, 3, 4} << QStringList();
    QTest::newRow("1 loop: no card") << QList<int>{7} << 2 << QList<int>{7, 0} << QStringList();
    QTest::newRow("10 loops on 8: the 8 lowest")
        << QList<int>{12, 11, 10, 9, 8, 7, 6, 5, 4, 3} << 8 << QList<int>{3, 4, 5, 6, 7, 8, 9, 10}
        << QStringList{"Not imported", "Not imported"};
}

void TestXmlImportIo::loopCountsAndCards()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, loopCount);
    QFETCH(QList<int>, counts);
    QFETCH(QStringList, leftOut);
    QTemporaryDir dir;
    SystemContainerWidget container(false, catalogue, QString());
    choices.answers = QStringList{QStringLiteral("P (%1 loops)").arg(numbers.size()), "TXP 408 (2-8 loops)"};
    QVERIFY(importConfigurationXml(writeXml(dir, loopsXml(numbers)), &container, catalogue, false));
    QCOMPARE(container.panelWidget()->currentLoopCount(), loopCount);
    QCOMPARE(sounderCounts(container), counts);
    // No bare warning: the summary names each loop's fate, the left-out last.
    QCOMPARE(MessageBox::takeShown().size(), 0);
    const XmlImport::ImportPlan plan = XmlImportDialogs::lastPlan();
    QCOMPARE(plan.loops.size(), numbers.size());
    QStringList outcomes;
    for (const XmlImport::LoopPlan &loop : plan.loops)
        outcomes << XmlImport::loopOutcome(loop);
    QCOMPARE(outcomes.mid(8), leftOut);
    if (!leftOut.isEmpty())
        QCOMPARE(XmlImport::loopDetails(plan.loops.last()),
                 QStringList{"Left out: TXP 408 takes at most 8 loop(s)"});
}

// Cancel in the summary stops the import before anything changes.
void TestXmlImportIo::summaryCancelChangesNothing()
{
    QTemporaryDir dir;
    SystemContainerWidget container(false, catalogue, QString());
    const QString before = describeLoops(container) + modelSelector(container)->currentText();
    choices.answers = QStringList{"P (3 loops)", "TXP 816 (4-16 loops)"};
    int asked = 0;
    XmlImportDialogs::setPlanAnswer([&](const XmlImport::ImportPlan &plan) {
        ++asked;
        return plan.loops.isEmpty();
    });
    QVERIFY(!importConfigurationXml(writeXml(dir, loopsXml({1, 2, 3})), &container, catalogue, false));
    XmlImportDialogs::setPlanAnswer({});
    QCOMPARE(asked, 1);
    QCOMPARE(describeLoops(container) + modelSelector(container)->currentText(), before);
}

// The summary dialog itself: one row per loop of the file with what it
// becomes, details beneath, and Import / Cancel.
void TestXmlImportIo::summaryDialogShowsEveryLoop()
{
    XmlImport::XmlPanel panel;
    panel.name = QStringLiteral("Central A");
    for (int n = 1; n <= 5; ++n)
        panel.loops.insert(QString::number(n), {{1, 0}, {1, 0}, {13, 0}});
    const XmlImport::ImportPlan plan =
        XmlImport::planImport(panel, catalogue->findPanel("TXS 202"), catalogue->devices());
    XmlImportSummaryDialog dialog(plan);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Import summary"));
    QCOMPARE(dialog.findChild<QLabel *>("summaryHeadline")->text(),
             QStringLiteral("Panel \"Central A\" of the file into TXS 202: 4 of 5 loop(s) imported. 4 "
                            "device(s) of the imported loops have no match and are left out."));
    QTreeWidget *tree = dialog.tree();
    QCOMPARE(tree->topLevelItemCount(), 5);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Loop 1 of the file (3 device(s))"));
    QCOMPARE(tree->topLevelItem(0)->text(1), QStringLiteral("Loop 1"));
    QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("2 x OD-200"));
    QCOMPARE(tree->topLevelItem(4)->text(1), QStringLiteral("Not imported"));
    QCOMPARE(tree->topLevelItem(4)->child(0)->text(0),
             QStringLiteral("Left out: TXS 202 takes at most 4 loop(s)"));
    auto *import = dialog.findChild<QPushButton *>("importButton");
    QVERIFY(import && import->isDefault());
    const QString shots = qEnvironmentVariable("KALVIX_SCREENSHOT_DIR");
    if (!shots.isEmpty()) {
        dialog.show();
        QTest::qWait(50);
        dialog.grab().save(shots + QStringLiteral("/xml_import_summary.png"));
    }
    import->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestXmlImportIo::failuresChangeNothing_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("checkVersion");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("dialogs");
    QTest::addColumn<QString>("warning");
    const QByteArray good = loopsXml({1, 2, 3});
    QTest::newRow("VXA310 without version")
        << good << true << QStringList() << 0 << "^No version information found in VXA XML file$";
    QTest::newRow("malformed") << QByteArray("<R><Panel name=\"P\"><loop number=\"1\">") << false
                               << QStringList() << 0 << "^XML parsing error: ";
    QTest::newRow("no panels") << QByteArray("<R/>") << false << QStringList() << 0
                               << "^No panels found in XML file$";
    QTest::newRow("XML panel cancelled") << good << false << QStringList{""} << 1 << "";
    QTest::newRow("model cancelled") << good << false << QStringList{"P (3 loops)", ""} << 2 << "";
    QTest::newRow("unknown answer") << good << false << QStringList{"Q (3 loops)"} << 1 << "";
}

void TestXmlImportIo::failuresChangeNothing()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, checkVersion);
    QFETCH(QStringList, answers);
    QFETCH(int, dialogs);
    QFETCH(QString, warning);
    QTemporaryDir dir;
    SystemContainerWidget container(false, catalogue, QString());
    container.loopWidgets().at(0)->applyDevices({{"OD-210", 3}});
    const QString model = modelSelector(container)->currentText();
    const QString before = describeLoops(container);

    choices.answers = answers;
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    QVERIFY(!importConfigurationXml(writeXml(dir, xml), &container, catalogue, checkVersion));
    QCOMPARE(choices.titles.size(), dialogs);
    QCOMPARE(modelSelector(container)->currentText(), model);
    QCOMPARE(describeLoops(container), before);
}

void TestXmlImportIo::wrongVersionWarnsThenFails()
{
    QTemporaryDir dir;
    SystemContainerWidget container(false, catalogue, QString());
    const QString path = writeXml(dir, "<CONFIG Version=\"v3.0\">" + loopsXml({1}) + "</CONFIG>");
    QTest::ignoreMessage(QtWarningMsg, "Unsupported VXA XML version: v3.0 Version supported: v2.32");
    QVERIFY(!importConfigurationXml(path, &container, catalogue, true));
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Warning);
    QCOMPARE(shown.first().title, QStringLiteral("Version Compatibility Warning"));
    QCOMPARE(shown.first().text,
             QStringLiteral("The VXA XML file version (v3.0) is not supported by this application.\n"
                            "Expected version: v2.32\n\nThe import process may not work correctly."));
    QVERIFY(choices.titles.isEmpty());

    // The other variant does not look at the version.
    choices.answers = QStringList{"P (1 loops)", "TXS 202 (2-4 loops)"};
    QVERIFY(importConfigurationXml(path, &container, catalogue, false));
    QCOMPARE(modelSelector(container)->currentText(), QStringLiteral("TXS 202"));
}

void TestXmlImportIo::duplicatePanelsTakeTheFirst()
{
    QTemporaryDir dir;
    SystemContainerWidget container(false, catalogue, QString());
    const QByteArray xml = "<R><Panel name=\"P\"><loop number=\"1\"><Device type=\"4\"/></loop></Panel>"
                           "<Panel name=\"P\"><loop number=\"1\"><Device type=\"8\"/></loop></Panel></R>";
    choices.answers = QStringList{"P (1 loops)", "TXS 202 (2-4 loops)"};
    QVERIFY(importConfigurationXml(writeXml(dir, xml), &container, catalogue, false));
    QCOMPARE(choices.items.at(0), (QStringList{"P (1 loops)", "P (1 loops)"}));
    QCOMPARE(container.loopWidgets().at(0)->config().devices, (QMap<QString, int>{{"CP-310 IP67", 1}}));
}

// Importing again onto the model already selected: the editor does not reset
// its cards, so the import asks only for what is missing and empties the
// loops the file does not fill.
void TestXmlImportIo::reimportOntoSameModelLeavesNoStaleDevices()
{
    QTemporaryDir dir;
    SystemContainerWidget container(false, catalogue, QString());
    choices.answers = QStringList{"P (3 loops)", "TXP 408 (2-8 loops)"};
    QVERIFY(importConfigurationXml(writeXml(dir, loopsXml({1, 2, 3})), &container, catalogue, false));
    QCOMPARE(sounderCounts(container), (QList<int>{1, 2, 3, 0}));

    choices.answers = QStringList{"P (6 loops)", "TXP 408 (2-8 loops)"};
    QVERIFY(
        importConfigurationXml(writeXml(dir, loopsXml({4, 5, 6, 7, 8, 9})), &container, catalogue, false));
    QCOMPARE(sounderCounts(container), (QList<int>{4, 5, 6, 7, 8, 9}));

    choices.answers = QStringList{"P (1 loops)", "TXP 408 (2-8 loops)"};
    QVERIFY(importConfigurationXml(writeXml(dir, loopsXml({2})), &container, catalogue, false));
    QCOMPARE(sounderCounts(container), (QList<int>{2, 0, 0, 0, 0, 0}));
    QCOMPARE(describeLoops(container).count(QStringLiteral("SD-530")), 1);
}

void TestXmlImportIo::oddMaximumGetsTheCardsItCanHold()
{
    CatalogueData data = demoData();
    for (Panel &panel : data.panels)
        if (panel.name == QLatin1String("TXP 408"))
            panel.maxLoops = 7;
    Catalogue odd(data);
    QTemporaryDir dir;
    SystemContainerWidget container(false, &odd, QString());
    // 7 loops want 6 extra (three cards, 8 loops), more than 7 allows: two cards.
    choices.answers = QStringList{"P (7 loops)", "TXP 408 (2-7 loops)"};
    QVERIFY(importConfigurationXml(writeXml(dir, loopsXml({1, 2, 3, 4, 5, 6, 7})), &container, &odd, false));
    QCOMPARE(sounderCounts(container), (QList<int>{1, 2, 3, 4, 5, 6}));
}

void TestXmlImportIo::mainWindowCommands_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("box");
    const QString failed =
        QStringLiteral("Failed to import %1.\nThe file may not have the correct format, it may be "
                       "corrupted or may not contain compatible device configuration.");
    for (const QString &variant : {QStringLiteral("VXA310"), QStringLiteral("VXA620")}) {
        const QString action = QStringLiteral("actionImport_%1_XML").arg(variant);
        const QByteArray tag = variant.toLatin1();
        QTest::newRow(tag + " no file") << action << variant << QString() << QStringList();
        QTest::newRow(tag + " bad file") << action << variant << "missing.xml"
                                         << QStringList{"Error", failed.arg(variant + " XML")};
        QTest::newRow(tag + " imported")
            << action << variant << realExport
            << QStringList{"Success", QStringLiteral("%1 XML imported successfully!").arg(variant)};
    }
}

// Over the untouched untitled design of a fresh window: no question first.
void TestXmlImportIo::mainWindowCommands()
{
    QFETCH(QString, action);
    QFETCH(QString, variant);
    QFETCH(QString, file);
    QFETCH(QStringList, box);
    MainWindow window(catalogue);
    MessageBox::takeShown();
    auto *container = window.findChild<SystemContainerWidget *>();
    QVERIFY(container && !container->isExpansionBox());
    const QString model = modelSelector(*container)->currentText();
    const QString before = SetupFile::composeSetupText(collectSetupData(container, {}));

    FileDialog::setNextFileName(file);
    choices.answers = QStringList{"Central B (1 loops)", "TXP 816 (4-16 loops)"};
    if (box.value(0) == QLatin1String("Error"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to open XML file for reading: "));
    window.findChild<QAction *>(action)->trigger();

    QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Import from %1 XML").arg(variant));
    QCOMPARE(FileDialog::lastFilter(), QStringLiteral("XML files (*.xml)"));
    QCOMPARE(FileDialog::lastDirectory(), QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
    QCOMPARE(shown.size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty()) {
        QCOMPARE(shown.first().title, box.at(0));
        QCOMPARE(shown.first().text, box.at(1));
    }
    const bool imported = box.value(0) == QLatin1String("Success");
    QCOMPARE(modelSelector(*container)->currentText(), imported ? QStringLiteral("TXP 816") : model);
    const DesignDocument *document = window.findChild<DesignDocument *>();
    QVERIFY(document);
    if (imported) {
        QCOMPARE(container->loopWidgets().at(0)->config().devices, (QMap<QString, int>{{"ZM-404", 1}}));
        // The imported loop arrives scheduled and addressed.
        QCOMPARE(document->design().main.schedules.keys(), QList<int>{0});
        QCOMPARE(document->design().main.schedules.value(0).units.value(0).address, QStringLiteral("1"));
    }

    // An import is a new design no file holds yet; without one, nothing changed.
    QCOMPARE(window.isWindowModified(), imported);
    QCOMPARE(window.windowTitle(), imported
                                       ? QStringLiteral("Untitled (imported from two_panels.xml)[*] - Kalvix")
                                       : QStringLiteral("Untitled[*] - Kalvix"));
    QVERIFY(!window.findChild<QAction *>("actionUndo")->isEnabled());
    if (!imported)
        QCOMPARE(SetupFile::composeSetupText(collectSetupData(container, {})), before);
}

// Importing over a design opened from a file never writes to that file: Save
// asks for a new name, and the old file stays byte for byte as it was.
void TestXmlImportIo::importMakesAnUntitledDesign()
{
    QTemporaryDir dir;
    MainWindow window(catalogue);
    MessageBox::takeShown();
    const QString saved = dir.filePath(QStringLiteral("office-block.csv"));
    FileDialog::setNextFileName(saved);
    window.findChild<QAction *>("actionSave_as")->trigger();
    MessageBox::takeShown();
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray original = file.readAll();
    file.close();
    QCOMPARE(window.windowTitle(), QStringLiteral("office-block.csv[*] - Kalvix"));

    // Held in a file: the overwrite question first; No stops before the file dialog.
    MessageBox::setNextAnswer(QMessageBox::No);
    window.findChild<QAction *>("actionImport_VXA310_XML")->trigger();
    const QList<MessageBox::Shown> asked = MessageBox::takeShown();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().kind, MessageBox::Kind::Question);
    QCOMPARE(asked.first().text,
             QStringLiteral("The current setup will be overwritten.\nAre you sure you want to continue?"));
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Export Setup"));
    MessageBox::setNextAnswer(QMessageBox::Yes);
    FileDialog::setNextFileName(realExport);
    choices.answers = QStringList{"Central A (3 loops)", "TXP 408 (2-8 loops)"};
    window.findChild<QAction *>("actionImport_VXA620_XML")->trigger();
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled (imported from two_panels.xml)[*] - Kalvix"));
    QVERIFY(window.isWindowModified());
    MessageBox::takeShown();

    // Save asks for a name; cancelling it writes nothing anywhere.
    FileDialog::setNextFileName(QString());
    window.findChild<QAction *>("actionSave")->trigger();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Export Setup"));
    QVERIFY(window.isWindowModified());
    const QString other = dir.filePath(QStringLiteral("imported.csv"));
    FileDialog::setNextFileName(other);
    window.findChild<QAction *>("actionSave")->trigger();
    MessageBox::takeShown();
    QVERIFY(!window.isWindowModified());
    QCOMPARE(window.windowTitle(), QStringLiteral("imported.csv[*] - Kalvix"));

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), original);
    QFile imported(other);
    QVERIFY(imported.open(QIODevice::ReadOnly));
    QVERIFY(imported.readAll().contains("TXP 408"));
}

// The real choice dialogs, answered as a user would.
void TestXmlImportIo::realDialogsOfferTheEntries()
{
    XmlImportDialogs::setChooser({});
    QWidget window;
    auto *container = new SystemContainerWidget(false, catalogue, QString(), &window);
    window.show();
    QStringList answers{"Central B (1 loops)", "TXS 202 (2-4 loops)"};
    QStringList seen;
    QList<QStringList> offered;
    QTimer user;
    connect(&user, &QTimer::timeout, [&] {
        if (auto *summary = qobject_cast<XmlImportSummaryDialog *>(QApplication::activeModalWidget())) {
            if (summary->isVisible()) {
                seen.append(summary->windowTitle());
                summary->findChild<QPushButton *>("importButton")->click();
            }
            return;
        }
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || answers.isEmpty())
            return;
        seen.append(dialog->windowTitle() + QLatin1Char('|') + dialog->labelText());
        offered.append(dialog->comboBoxItems());
        QVERIFY(dialog->windowModality() == Qt::WindowModal);
        QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
        QCOMPARE(dialog->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        const QString shots = qEnvironmentVariable("KALVIX_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            dialog->grab().save(shots + QStringLiteral("/xml_choice_%1.png").arg(seen.size()));
        dialog->setTextValue(answers.takeFirst());
        dialog->accept();
    });
    user.start(10);
    QVERIFY(importConfigurationXml(realExport, container, catalogue, true));
    QCOMPARE(seen,
             (QStringList{"Select XML Panel|Select a panel from the XML file:",
                          "Select App Panel|Select a target panel in the application:", "Import summary"}));
    QCOMPARE(offered.first(), (QStringList{"Central A (3 loops)", "Central B (1 loops)"}));
    QCOMPARE(modelSelector(*container)->currentText(), QStringLiteral("TXS 202"));
    QCOMPARE(container->loopWidgets().at(0)->config().devices, (QMap<QString, int>{{"ZM-404", 1}}));
}

void TestXmlImportIo::adjustedCountsAreListed()
{
    // 300 sounders in loop 2: more than a loop editor holds of one device.
    QByteArray body = "<R><Panel name=\"P\"><loop number=\"1\"><Device type=\"4\" ext_type=\"0\"/></loop>"
                      "<loop number=\"2\">";
    for (int i = 0; i < 300; ++i)
        body += "<Device type=\"8\" ext_type=\"0\"/>";
    body += "</loop></Panel></R>";
    QTemporaryDir dir;
    const QString path = writeXml(dir, body);

    MainWindow window(catalogue);
    MessageBox::takeShown();
    FileDialog::setNextFileName(path);
    choices.answers = QStringList{"P (2 loops)", "TXP 408 (2-8 loops)"};
    window.findChild<QAction *>("actionImport_VXA620_XML")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 2); // the warning, the success
    QCOMPARE(shown.at(0).kind, MessageBox::Kind::Warning);
    QCOMPARE(shown.at(0).title, QStringLiteral("Values adjusted"));
    QCOMPARE(shown.at(0).text,
             QStringLiteral("The file holds values the editors cannot show as they are. They "
                            "were adjusted:\n\nLoop 2: SD-530 XL (loop) quantity 300 shown as 250"));
    QCOMPARE(shown.at(1).text, QStringLiteral("VXA620 XML imported successfully!"));
}

QTEST_MAIN(TestXmlImportIo)
#include "tst_xmlimportio.moc"
