#include "setupfixtures.h"

#include "app/mainwindow.h"
#include "catalogue/displayformat.h"
#include "editors/loopwidget.h"
#include "editors/systemcontainerwidget.h"
#include "editors/panelwidget.h"
#include "app/setupio.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeText(const QString &path, const QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text.toUtf8());
}

QAction *action(MainWindow &window, const char *name)
{
    return window.findChild<QAction *>(QLatin1String(name));
}

QTabWidget *tabs(MainWindow &window)
{
    return window.findChild<QTabWidget *>(QStringLiteral("externalTabWidget"));
}

QStringList tabTitles(MainWindow &window)
{
    QStringList titles;
    for (int i = 0; i < tabs(window)->count(); ++i)
        titles << tabs(window)->tabText(i);
    return titles;
}

// The figures a golden case pins, one "key value" line each, as displayed.
QStringList figuresOf(SystemContainerWidget *container)
{
    const PanelWidget *panel = container->panelWidget();
    QStringList lines{"panel.totalIdleCurrent " + Display::fixed(panel->evaluation().figures.totalIdleCurrent, 7),
                      "panel.totalAlarmCurrent " + Display::fixed(panel->evaluation().figures.totalAlarmCurrent, 7),
                      "panel.minimumBattery " + Display::fixed(panel->evaluation().figures.minimumBatteryRequired, 2),
                      "panel.loops " + QString::number(container->loopCount())};
    for (int i = 0; i < container->loopCount(); ++i) {
        const LoopCalc::LoopResults r = container->loopWidgets().at(i)->displayedResults();
        lines << QStringLiteral("loop%1 %2 %3 %4 %5 %6 %7")
                     .arg(i + 1)
                     .arg(r.addresses)
                     .arg(Display::fixed(r.idleCurrent, 7), Display::fixed(r.alarmCurrent, 7),
                          Display::fixed(r.voltageDrop, 7), Display::fixed(r.maxVoltageDrop, 7),
                          Display::fixed(r.maxCurrent, 7));
    }
    return lines;
}

} // namespace

class TestSetupIo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void editorsKeepEveryValue();
    void failedReadChangesNothing_data();
    void failedReadChangesNothing();
    void goldenConfigurations_data();
    void goldenConfigurations();
    void saveAsCancelledOrFailed();
    void saveAsWritesTheDesign();
    void openNeedsAYesAndAFile();
    void openRejectsABadFile();
    void openRebuildsExpansionBoxTabs();
    void openWarnsOfAdjustedValues_data();
    void openWarnsOfAdjustedValues();

private:
    Catalogue catalogue{demoData()};
    QTemporaryDir dir;
};

void TestSetupIo::initTestCase()
{
    initGuiResources();
    QVERIFY(dir.isValid());
    QVERIFY(SetupFile::writeSetupData(dir.filePath("full.csv"), fullDesign()));
}

void TestSetupIo::init()
{
    // Every dialog starts at home until a file of its kind was chosen.
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Kalvix", "Kalvix").remove("lastFolders");
    MessageBox::setTestMode(true);
}

void TestSetupIo::cleanup()
{
    MessageBox::takeShown();
    MessageBox::setTestMode(false);
}

void TestSetupIo::editorsKeepEveryValue()
{
    // file -> editors -> file -> editors -> file: every step the same bytes.
    QString previous = dir.filePath("full.csv");
    for (int round = 1; round <= 2; ++round) {
        SystemContainerWidget main(false, &catalogue, QString());
        QList<SystemContainerWidget *> boxes;
        QStringList adjusted{"not cleared"};
        QVERIFY(readSetupFile(previous, &main, boxes, &catalogue, &adjusted));
        // Nothing the editors can show is reported as adjusted.
        QCOMPARE(adjusted, QStringList());
        QCOMPARE(boxes.size(), 2);
        QCOMPARE(boxes.at(1)->containerName(), QStringLiteral("TXE 2"));
        QCOMPARE(boxes.at(1)->loopCount(), 4);
        QCOMPARE(main.loopCount(), 6);
        const QString next = dir.filePath(QStringLiteral("round%1.csv").arg(round));
        QVERIFY(writeSetupFile(next, &main, boxes));
        QCOMPARE(QString::fromUtf8(bytesOf(next)), QString::fromUtf8(bytesOf(previous)));
        qDeleteAll(boxes);
        previous = next;
    }
}

void TestSetupIo::failedReadChangesNothing_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("warning");
    QTest::newRow("version") << "version:;2.0"
                             << "version:;1.0"
                             << "^The file version \\(1.0\\) is not compatible";
    QTest::newRow("unknown device in the last box")
        << "MD-230;7"
        << "MD-231;7"
        << "^(Device not found in data: MD-231|Invalid devices in loop 3 of expansion box 2)$";
    QTest::newRow("sounders active")
        << "Max sounders active:;30%"
        << "Max sounders active:;101%"
        << "^(Invalid value for maximum sounders active: 101|Invalid expansion box "
           "configuration values in expansion box 2)$";
}

void TestSetupIo::failedReadChangesNothing()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, warning);
    // The design on screen: a different one than the file's.
    SetupFile::SetupData current = fullDesign();
    current.panel[13] = "5";
    current.loops[0].devices["OD-210"] = 3;
    current.boxes.clear();
    const QString currentPath = dir.filePath("current.csv");
    QVERIFY(SetupFile::writeSetupData(currentPath, current));
    SystemContainerWidget main(false, &catalogue, QString());
    QList<SystemContainerWidget *> boxes;
    QVERIFY(readSetupFile(currentPath, &main, boxes, &catalogue));
    QVERIFY(boxes.isEmpty());

    const QString bad = dir.filePath("bad.csv");
    writeText(bad, replacedOnce(SetupFile::composeSetupText(fullDesign()), from, to));
    const QRegularExpression pattern(warning);
    QTest::ignoreMessage(QtWarningMsg, pattern);
    if (warning.contains(QLatin1Char('|')))
        QTest::ignoreMessage(QtWarningMsg, pattern);
    QVERIFY(!readSetupFile(bad, &main, boxes, &catalogue));
    QVERIFY(boxes.isEmpty());

    const QString after = dir.filePath("after.csv");
    QVERIFY(writeSetupFile(after, &main, {}));
    QCOMPARE(bytesOf(after), bytesOf(currentPath));
}

void TestSetupIo::goldenConfigurations_data()
{
    QTest::addColumn<QString>("folder");
    const QDir root(QStringLiteral(KALVIX_TEST_DATA_DIR "/setup"));
    const QStringList cases = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(!cases.isEmpty());
    for (const QString &name : cases)
        QTest::newRow(qPrintable(name)) << root.filePath(name);
}

// Each case folder holds setup.csv and expected.txt (the figures the editors
// show once the setup is opened). KALVIX_WRITE_GOLDEN=1 rewrites expected.txt
// from what is shown; check the difference by hand before committing it.
void TestSetupIo::goldenConfigurations()
{
    QFETCH(QString, folder);
    SystemContainerWidget main(false, &catalogue, QString());
    QList<SystemContainerWidget *> boxes;
    QStringList adjusted;
    QVERIFY(readSetupFile(folder + "/setup.csv", &main, boxes, &catalogue, &adjusted));
    QCOMPARE(adjusted, QStringList());
    const QStringList shown = figuresOf(&main);
    qDeleteAll(boxes);

    const QString expectedPath = folder + "/expected.txt";
    if (qEnvironmentVariableIntValue("KALVIX_WRITE_GOLDEN"))
        writeText(expectedPath, shown.join('\n') + '\n');
    QStringList expected = QString::fromUtf8(bytesOf(expectedPath)).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(shown, expected);
}

void TestSetupIo::saveAsCancelledOrFailed()
{
    MainWindow window(&catalogue);
    MessageBox::takeShown();
    FileDialog::setNextFileName(QString());
    action(window, "actionSave_as")->trigger();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Export Setup"));
    QCOMPARE(FileDialog::lastFilter(), QStringLiteral("Comma separated values (*.csv)"));
    QCOMPARE(FileDialog::lastDirectory(), QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
    QVERIFY(MessageBox::takeShown().isEmpty());

    const QString nowhere = dir.filePath("missing/folder/setup.csv");
    FileDialog::setNextFileName(nowhere);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Failed to write file:"));
    action(window, "actionSave_as")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Error"));
    QCOMPARE(shown.first().text,
             QStringLiteral("Failed to open file for writing.\nIf overwriting an existing "
                            "file, make sure it is not open by another process.\n\nNo such file or directory"));
    QVERIFY(!QFile::exists(nowhere));
}

void TestSetupIo::saveAsWritesTheDesign()
{
    MainWindow window(&catalogue);
    MessageBox::takeShown();
    const QString path = dir.filePath("fresh.csv");
    FileDialog::setNextFileName(path);
    action(window, "actionSave_as")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Success"));
    QCOMPARE(shown.first().text, QStringLiteral("Setup exported successfully!"));
    // The fresh design is a valid setup of its own.
    SetupFile::SetupData read;
    QVERIFY(SetupFile::readSetupData(path, read, catalogue));
    QVERIFY(read.boxes.isEmpty());
}

void TestSetupIo::openNeedsAYesAndAFile()
{
    MainWindow window(&catalogue);
    MessageBox::takeShown();
    // Over the untouched untitled design: no question, straight to the file.
    FileDialog::setNextFileName(QString());
    action(window, "actionOpen")->trigger();
    QCOMPARE(MessageBox::takeShown().size(), 0);
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Import Setup"));
    QCOMPARE(FileDialog::lastDirectory(), QStandardPaths::writableLocation(QStandardPaths::HomeLocation));

    // A design held in a file: the question first.
    FileDialog::setNextFileName(dir.filePath("held.csv"));
    action(window, "actionSave_as")->trigger(); // leaves its title behind
    MessageBox::takeShown();

    MessageBox::setNextAnswer(QMessageBox::No);
    action(window, "actionOpen")->trigger();
    QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Question);
    QCOMPARE(shown.first().title, QStringLiteral("Warning"));
    QCOMPARE(shown.first().text,
             QStringLiteral("The current setup will be overwritten.\nAre you sure you want to continue?"));
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Export Setup")); // no file was asked for

    QWidget *page = tabs(window)->widget(0);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    FileDialog::setNextFileName(QString());
    action(window, "actionOpen")->trigger();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Import Setup"));
    QCOMPARE(FileDialog::lastFilter(), QStringLiteral("Comma separated values (*.csv)"));
    QCOMPARE(FileDialog::lastDirectory(), QFileInfo(dir.filePath("held.csv")).absolutePath());
    QCOMPARE(MessageBox::takeShown().size(), 1); // the question only
    QCOMPARE(tabs(window)->count(), 1);
    QCOMPARE(tabs(window)->widget(0), page);
}

void TestSetupIo::openRejectsABadFile()
{
    MainWindow window(&catalogue);
    auto *main = qobject_cast<SystemContainerWidget *>(tabs(window)->widget(0));
    QVERIFY(main);
    const QString model = main->panelWidget()->modelName();
    MessageBox::takeShown();

    const QString bad = dir.filePath("newer.csv");
    writeText(bad, replacedOnce(SetupFile::composeSetupText(fullDesign()), "version:;2.0", "version:;3.0"));
    FileDialog::setNextFileName(bad);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^The file version \\(3.0\\)"));
    action(window, "actionOpen")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.last().title, QStringLiteral("Error"));
    QCOMPARE(shown.last().text,
             QStringLiteral(
                 "Failed to import setup.\nThe file may not have the correct format, it may be corrupted "
                 "or it may be from a newer version of the application.\n"));
    QCOMPARE(main->panelWidget()->modelName(), model);
    QCOMPARE(tabs(window)->count(), 1);
}

void TestSetupIo::openRebuildsExpansionBoxTabs()
{
    MainWindow window(&catalogue);
    MessageBox::takeShown();
    for (int attempt = 1; attempt <= 2; ++attempt) {
        // The second time, the boxes of the first are replaced, not added to;
        // the first replaces the fresh design without a question.
        if (attempt == 2)
            MessageBox::setNextAnswer(QMessageBox::Yes);
        FileDialog::setNextFileName(dir.filePath("full.csv"));
        action(window, "actionOpen")->trigger();
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), attempt);
        QCOMPARE(shown.last().title, QStringLiteral("Success"));
        QCOMPARE(shown.last().text, QStringLiteral("Setup imported successfully!"));
        QCOMPARE(tabTitles(window), (QStringList{"Main Panel", "TXE 2", "TXE 2 (2)"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    auto *main = qobject_cast<SystemContainerWidget *>(tabs(window)->widget(0));
    QCOMPARE(main->panelWidget()->expansionBoxDisplayNames(), (QStringList{"TXE 2", "TXE 2 (2)"}));
    QCOMPARE(tabs(window)->widget(2)->parent()->parent(), tabs(window));

    // Saving what was opened gives the same file back, boxes in tab order.
    const QString again = dir.filePath("again.csv");
    FileDialog::setNextFileName(again);
    action(window, "actionSave_as")->trigger();
    QCOMPARE(MessageBox::takeShown().size(), 1);
    QCOMPARE(bytesOf(again), bytesOf(dir.filePath("full.csv")));
}

QTEST_MAIN(TestSetupIo)
void TestSetupIo::openWarnsOfAdjustedValues_data()
{
    // Values the file format accepts but an editor cannot hold as they are.
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("loop length 0") << "Loop length:;300 m"
                                   << "Loop length:;0 m"
                                   << QStringList{"Loop 5: Loop length 0 m shown as 100 m"};
    QTest::newRow("quantity over 250")
        << "HD-220;10"
        << "HD-220;300" << QStringList{"Loop 2: HD-220 quantity 300 shown as 250"};
    QTest::newRow("unknown idle time")
        << "Idle time:;4 h"
        << "Idle time:;5 h" << QStringList{"Expansion box 2: Idle time 5 h shown as 72 h"};
}

void TestSetupIo::openWarnsOfAdjustedValues()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, lines);
    const QString path = dir.filePath("adjusted.csv");
    writeText(path, replacedOnce(SetupFile::composeSetupText(fullDesign()), from, to));

    MainWindow window(&catalogue);
    MessageBox::takeShown();
    FileDialog::setNextFileName(path);
    action(window, "actionOpen")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 2); // the warning, the success: no question over the fresh design
    QCOMPARE(shown.at(0).kind, MessageBox::Kind::Warning);
    QCOMPARE(shown.at(0).title, QStringLiteral("Values adjusted"));
    QCOMPARE(shown.at(0).text, "The file holds values the editors cannot show as they are. They were "
                               "adjusted:\n\n" +
                                   lines.join('\n'));
    QCOMPARE(shown.at(1).title, QStringLiteral("Success"));
}

#include "tst_setupio.moc"
