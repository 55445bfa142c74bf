// The language menu, the switch that keeps the design, New language, and a
// start in a language without an error box.

#include "app/designsession.h"
#include "app/languages.h"
#include "app/mainwindow.h"
#include "app/recentfiles.h"
#include "editors/systemcontainerwidget.h"
#include "catalogue/catalogue.h"
#include "editors/loopwidget.h"
#include "tests/setup/setupfixtures.h"
#include "widgets/about.h"
#include "widgets/guiresources.h"
#include "widgets/messagebox.h"

#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <QTreeWidget>

namespace
{

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

QStringList tabTitles(MainWindow &window)
{
    QStringList titles;
    for (int i = 0; i < tabs(window)->count(); ++i)
        titles << tabs(window)->tabText(i);
    return titles;
}

QList<QAction *> languageEntries(MainWindow &window)
{
    QMenu *menu = action(window, "actionChange_language")->menu();
    return menu ? menu->actions() : QList<QAction *>();
}

QStringList entryCodes(MainWindow &window)
{
    QStringList codes;
    for (QAction *entry : languageEntries(window))
        codes << entry->data().toString();
    return codes;
}

QString checkedCode(MainWindow &window)
{
    for (QAction *entry : languageEntries(window)) {
        if (entry->isChecked())
            return entry->data().toString();
    }
    return QString();
}

void chooseLanguage(MainWindow &window, const QString &code)
{
    for (QAction *entry : languageEntries(window)) {
        if (entry->data().toString() == code) {
            entry->trigger();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no entry for ") + code));
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Saves the window's design through its own command and returns the bytes.
QByteArray savedDesign(MainWindow &window, const QString &path)
{
    FileDialog::setNextFileName(path);
    action(window, "actionSave_as")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    if (shown.size() != 1 || shown.first().kind != MessageBox::Kind::Information)
        return QByteArray();
    return readAll(path);
}

bool openDesign(MainWindow &window, const QString &path)
{
    // An untouched untitled design is replaced without a question.
    FileDialog::setNextFileName(path);
    action(window, "actionOpen")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    return shown.size() == 1 && shown.last().kind == MessageBox::Kind::Information;
}

QString translationFile(const QString &code)
{
    return Languages::translationsFolder() + QLatin1Char('/') + Languages::fileName(code);
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void collectItemTexts(const QTreeWidgetItem *item, QStringList &texts)
{
    texts << item->text(0);
    for (int i = 0; i < item->childCount(); ++i)
        collectItemTexts(item->child(i), texts);
}

// Loop tabs build their forms when first shown; these tests read them all.
void buildLoopPages(MainWindow &window)
{
    for (LoopWidget *loop : window.findChildren<LoopWidget *>())
        loop->page();
}

// Every text and tool tip the pages of the design show, widget by widget in
// the order the pages hold them.
QStringList pageTexts(MainWindow &window)
{
    QStringList texts;
    for (int page = 0; page < tabs(window)->count(); ++page) {
        texts << QStringLiteral("tab: ") + tabs(window)->tabText(page) + QLatin1Char('|') +
                     tabs(window)->tabToolTip(page);
        for (QWidget *widget : tabs(window)->widget(page)->findChildren<QWidget *>()) {
            QString line = widget->objectName() + QLatin1Char(':');
            if (auto *label = qobject_cast<QLabel *>(widget))
                line += label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                line += button->text();
            else if (auto *field = qobject_cast<QLineEdit *>(widget))
                line += field->placeholderText();
            else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
                for (int i = 0; i < combo->count(); ++i)
                    line += combo->itemText(i) + QLatin1Char(';');
            } else if (auto *tabWidget = qobject_cast<QTabWidget *>(widget)) {
                for (int i = 0; i < tabWidget->count(); ++i)
                    line += tabWidget->tabText(i) + QLatin1Char('|') + tabWidget->tabToolTip(i) + QLatin1Char(';');
            } else if (auto *tree = qobject_cast<QTreeWidget *>(widget)) {
                QStringList items;
                for (int i = 0; i < tree->topLevelItemCount(); ++i)
                    collectItemTexts(tree->topLevelItem(i), items);
                line += items.join(QLatin1Char(';'));
            } else if (auto *table = qobject_cast<QTableWidget *>(widget)) {
                for (int i = 0; i < table->columnCount(); ++i)
                    line += (table->horizontalHeaderItem(i) ? table->horizontalHeaderItem(i)->text() : QString()) +
                            QLatin1Char(';');
            }
            texts << line + QLatin1Char('|') + widget->toolTip();
        }
    }
    return texts;
}

} // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void freshStartInstallsShippedTranslations();
    void shippedTranslationsReplaceOnlyOlderCopies();
    void startWithoutAnyTranslationRunsUntranslated();
    void rememberedLanguageIsUsedAtStart();
    void switchKeepsTheDesignAndTranslates();
    void switchedPagesShowWhatAStartInTheLanguageShows_data();
    void switchedPagesShowWhatAStartInTheLanguageShows();
    void failedLoadChangesNothing();
    void designThatCannotBeReadBackIsKept();
    void damagedRememberedLanguageFallsBackToEnglishOnce();
    void designSavedInOneLanguageOpensInTheOther_data();
    void designSavedInOneLanguageOpensInTheOther();
    void newLanguageWithoutPrefixAddsNoEntry();
    void newLanguageExistingTarget_data();
    void newLanguageExistingTarget();
    void newLanguageFailedCopyShowsOnlyTheError();
    void newLanguageFromTheFolderItselfIsAlreadyThere();
    void newLanguageAddsAnEntry();

private:
    QTemporaryDir m_dir;
    QString m_designPath;
};

void TestLanguageSwitch::initTestCase()
{
    initGuiResources();
    // Brings in the shipped translations, read here as the program reads them.
    QVERIFY(QFileInfo(Languages::shippedFolder()).isDir());
    QVERIFY(m_dir.isValid());
    m_designPath = m_dir.filePath(QStringLiteral("design.csv"));
    QVERIFY(SetupFile::writeSetupData(m_designPath, fullDesign()));
}

void TestLanguageSwitch::init()
{
    MessageBox::setTestMode(true);
    MessageBox::takeShown();
    Languages::rememberLanguage(QString());
    QDir(Languages::translationsFolder()).removeRecursively();
}

void TestLanguageSwitch::cleanup()
{
    MessageBox::setTestMode(false);
    processDeferredDeletes();
}

void TestLanguageSwitch::freshStartInstallsShippedTranslations()
{
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    QVERIFY(MessageBox::takeShown().isEmpty());
    QVERIFY(QFile::exists(translationFile(QStringLiteral("en"))));
    QVERIFY(QFile::exists(translationFile(QStringLiteral("es"))));
    // Without a remembered choice the C locale has no translation: the first file.
    QCOMPARE(entryCodes(window), (QStringList{"en", "es"}));
    QCOMPARE(checkedCode(window), QStringLiteral("en"));
    QCOMPARE(languageEntries(window).at(1)->text(), QStringLiteral("Español"));
    QCOMPARE(tabTitles(window).value(0), QStringLiteral("Main Panel"));
}

void TestLanguageSwitch::shippedTranslationsReplaceOnlyOlderCopies()
{
    const QString folder = Languages::translationsFolder();
    QVERIFY(QDir().mkpath(folder));
    const QDateTime shipped = QFileInfo(QStringLiteral(":/translations/Kalvix_es.qm")).lastModified();
    QVERIFY(shipped.isValid());

    // An older Spanish copy is brought up to date; a newer English file (the
    // user's own) is kept.
    QVERIFY(writeFile(translationFile(QStringLiteral("es")), "old"));
    QFile old(translationFile(QStringLiteral("es")));
    QVERIFY(old.open(QIODevice::ReadWrite));
    QVERIFY(old.setFileTime(shipped.addDays(-1), QFileDevice::FileModificationTime));
    old.close();
    QVERIFY(writeFile(translationFile(QStringLiteral("en")), "mine"));
    QFile mine(translationFile(QStringLiteral("en")));
    QVERIFY(mine.open(QIODevice::ReadWrite));
    QVERIFY(mine.setFileTime(shipped.addDays(1), QFileDevice::FileModificationTime));
    mine.close();

    QVERIFY(Languages::installShipped(Languages::shippedFolder(), folder));
    QFile resource(QStringLiteral(":/translations/Kalvix_es.qm"));
    QVERIFY(resource.open(QIODevice::ReadOnly));
    QCOMPARE(readAll(translationFile(QStringLiteral("es"))), resource.readAll());
    QCOMPARE(readAll(translationFile(QStringLiteral("en"))), QByteArray("mine"));
    // The installed copy can be replaced by the user later.
    QVERIFY(QFileInfo(translationFile(QStringLiteral("es"))).permissions() & QFile::WriteOwner);

    // Up to date now: a second start copies nothing.
    const QDateTime installed = QFileInfo(translationFile(QStringLiteral("es"))).lastModified();
    QVERIFY(Languages::installShipped(Languages::shippedFolder(), folder));
    QCOMPARE(QFileInfo(translationFile(QStringLiteral("es"))).lastModified(), installed);
}

void TestLanguageSwitch::startWithoutAnyTranslationRunsUntranslated()
{
    // A plain file where the folder should be: nothing can be installed.
    const QString folder = Languages::translationsFolder();
    QVERIFY(QDir().mkpath(QFileInfo(folder).path()));
    QVERIFY(writeFile(folder, "not a folder"));

    QTest::ignoreMessage(QtWarningMsg, qPrintable("Failed to create the translations folder: " + folder));
    QTest::ignoreMessage(QtWarningMsg, "No translation file found; running untranslated.");
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    QVERIFY(MessageBox::takeShown().isEmpty());
    QVERIFY(languageEntries(window).isEmpty());
    QCOMPARE(tabTitles(window).value(0), QStringLiteral("Main Panel"));
    QFile::remove(folder);
}

void TestLanguageSwitch::rememberedLanguageIsUsedAtStart()
{
    {
        Catalogue catalogue(demoData());
        MainWindow window(&catalogue);
        chooseLanguage(window, QStringLiteral("es"));
        QVERIFY(MessageBox::takeShown().isEmpty());
    }
    QCOMPARE(Languages::rememberedLanguage(), QStringLiteral("es"));
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    QCOMPARE(checkedCode(window), QStringLiteral("es"));
    QCOMPARE(tabTitles(window).value(0), QStringLiteral("Central principal"));
    QCOMPARE(action(window, "actionOpen")->text(), QStringLiteral("Abrir"));
}

void TestLanguageSwitch::switchKeepsTheDesignAndTranslates()
{
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    QVERIFY(openDesign(window, m_designPath));
    buildLoopPages(window);
    QCOMPARE(tabTitles(window), (QStringList{"Main Panel", "TXE 2", "TXE 2 (2)"}));
    const QByteArray before = savedDesign(window, m_dir.filePath(QStringLiteral("before.csv")));
    QVERIFY(!before.isEmpty());
    action(window, "actionAbout")->trigger();
    QCOMPARE(window.findChildren<About *>().size(), 1);
    const QStringList temporary = QDir(QDir::tempPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    // Named in their own language, whatever the one in use.
    QStringList names;
    for (QAction *entry : languageEntries(window))
        names << entry->text();
    QCOMPARE(names, (QStringList{"English", "Español"}));
    RecentFiles::store(QStringList());

    QElapsedTimer timer;
    timer.start();
    chooseLanguage(window, QStringLiteral("es"));
    qInfo("language switch on the full design: %lld ms", timer.elapsed());
    QVERIFY(MessageBox::takeShown().isEmpty());
    processDeferredDeletes();

    QCOMPARE(checkedCode(window), QStringLiteral("es"));
    QCOMPARE(tabTitles(window), (QStringList{"Central principal", "TXE 2", "TXE 2 (2)"}));
    QCOMPARE(action(window, "actionSave_as")->text(), QStringLiteral("Guardar como"));
    auto *loopTabs = tabs(window)->widget(0)->findChild<QTabWidget *>();
    QVERIFY(loopTabs);
    QCOMPARE(loopTabs->tabText(1), QStringLiteral("Lazo 1"));
    // The empty recent files menu and the device tree's groups speak Spanish too.
    QCOMPARE(window.findChild<QMenu *>(QStringLiteral("menuRecent_files"))->actions().value(0)->text(),
             QStringLiteral("No hay archivos recientes"));
    auto *tree = tabs(window)->widget(0)->findChild<QTreeWidget *>(QStringLiteral("devAvailableTree"));
    QVERIFY(tree);
    QVERIFY(!tree->findItems(QStringLiteral("Detectores ("), Qt::MatchStartsWith).isEmpty());
    // The help windows were closed; the command opens a new one.
    QCOMPARE(window.findChildren<About *>().size(), 0);
    action(window, "actionAbout")->trigger();
    QCOMPARE(window.findChildren<About *>().size(), 1);
    QCOMPARE(window.findChildren<About *>().first()->windowTitle(), QStringLiteral("Acerca de"));
    action(window, "actionAbout")->trigger();

    // No temporary file is left behind.
    QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), temporary);
    // Byte for byte the same design, in Spanish and back in English.
    QCOMPARE(savedDesign(window, m_dir.filePath(QStringLiteral("spanish.csv"))), before);
    chooseLanguage(window, QStringLiteral("en"));
    processDeferredDeletes();
    QCOMPARE(tabTitles(window), (QStringList{"Main Panel", "TXE 2", "TXE 2 (2)"}));
    QCOMPARE(savedDesign(window, m_dir.filePath(QStringLiteral("after.csv"))), before);
    QCOMPARE(QDir(QDir::tempPath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), temporary);
}

void TestLanguageSwitch::switchedPagesShowWhatAStartInTheLanguageShows_data()
{
    QTest::addColumn<QStringList>("switches");
    QTest::addColumn<bool>("builtFirst"); // the loop tabs' forms built before the switches
    QTest::newRow("to Spanish") << QStringList{"es"} << true;
    QTest::newRow("to Spanish and back") << QStringList{"es", "en"} << true;
    QTest::newRow("to Spanish, loop forms built after") << QStringList{"es"} << false;
}

void TestLanguageSwitch::switchedPagesShowWhatAStartInTheLanguageShows()
{
    // The pages are retranslated in place; whatever they kept from the former
    // language (a form's placeholder, a status, a header, a tool tip) shows
    // against a window that started in the language.
    QFETCH(QStringList, switches);
    QFETCH(bool, builtFirst);
    QStringList switched;
    {
        Catalogue catalogue(demoData());
        MainWindow window(&catalogue);
        QVERIFY(openDesign(window, m_designPath));
        if (builtFirst)
            buildLoopPages(window);
        for (const QString &code : switches)
            chooseLanguage(window, code);
        QVERIFY(MessageBox::takeShown().isEmpty());
        processDeferredDeletes();
        buildLoopPages(window);
        switched = pageTexts(window);
    }
    processDeferredDeletes();
    QCOMPARE(Languages::rememberedLanguage(), switches.last());
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    QVERIFY(openDesign(window, m_designPath));
    processDeferredDeletes();
    buildLoopPages(window);
    const QStringList started = pageTexts(window);
    QCOMPARE(switched.size(), started.size());
    for (int i = 0; i < started.size(); ++i)
        QCOMPARE(switched.at(i), started.at(i));
}

void TestLanguageSwitch::failedLoadChangesNothing()
{
    // A damaged file that still carries the right name, put in the folder by hand.
    QVERIFY(QDir().mkpath(Languages::translationsFolder()));
    QVERIFY(writeFile(translationFile(QStringLiteral("xx")), "this is no translation"));
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    QVERIFY(openDesign(window, m_designPath));
    chooseLanguage(window, QStringLiteral("es"));
    const QByteArray before = savedDesign(window, m_dir.filePath(QStringLiteral("before.csv")));
    QWidget *mainPage = tabs(window)->widget(0);

    // Chosen as a new language it is refused before it is copied.
    const QString broken = m_dir.filePath(QStringLiteral("Kalvix_yy.qm"));
    QVERIFY(writeFile(broken, "this is no translation"));
    FileDialog::setNextFileName(broken);
    QTest::ignoreMessage(QtWarningMsg, qPrintable("Failed to load language file: " + broken + " - not a translation file"));
    action(window, "actionNew_language")->trigger();
    QList<MessageBox::Shown> refused = MessageBox::takeShown();
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.first().kind, MessageBox::Kind::Critical);
    QCOMPARE(entryCodes(window), (QStringList{"en", "es", "xx"}));
    QVERIFY(!QFile::exists(translationFile(QStringLiteral("yy"))));
    QCOMPARE(checkedCode(window), QStringLiteral("es"));
    mainPage = tabs(window)->widget(0);

    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable("Failed to load language file: " + translationFile("xx") + " - not a translation file"));
    chooseLanguage(window, QStringLiteral("xx"));
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Critical);
    QCOMPARE(shown.first().title, QStringLiteral("Error"));
    QCOMPARE(shown.first().text,
             QStringLiteral(
                 "No se ha podido cargar el archivo de idioma.\nAsegúrese de que el archivo existe y es "
                 "válido."));
    // The Spanish translation is still installed, the containers untouched.
    QCOMPARE(QCoreApplication::translate("MainWindow", "Open"), QStringLiteral("Abrir"));
    QCOMPARE(checkedCode(window), QStringLiteral("es"));
    QCOMPARE(tabs(window)->widget(0), mainPage);
    QCOMPARE(Languages::rememberedLanguage(), QStringLiteral("es"));
    QCOMPARE(savedDesign(window, m_dir.filePath(QStringLiteral("after.csv"))), before);
}

void TestLanguageSwitch::damagedRememberedLanguageFallsBackToEnglishOnce()
{
    // The remembered Spanish file damaged (newer than the shipped one, so it
    // is the user's and stays): one hash entry points past its messages.
    QVERIFY(QDir().mkpath(Languages::translationsFolder()));
    QByteArray damaged = readAll(QStringLiteral(":/translations/Kalvix_es.qm"));
    int hashes = 16;
    while (hashes + 5 < damaged.size() && uchar(damaged.at(hashes)) != 0x42)
        hashes += 5 + qFromBigEndian<quint32>(damaged.constData() + hashes + 1);
    QVERIFY(hashes + 5 < damaged.size());
    for (int i = 0; i < 4; ++i)
        damaged[hashes + 5 + 4 + i] = char(0x7f);
    const QString path = translationFile(QStringLiteral("es"));
    QVERIFY(writeFile(path, damaged));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime));
    file.close();
    Languages::rememberLanguage(QStringLiteral("es"));
    {
        QTest::ignoreMessage(QtWarningMsg, qPrintable("Failed to load language file: " + path +
                                                      " - a message runs past the end of its block"));
        Catalogue catalogue(demoData());
        MainWindow window(&catalogue);
        QCOMPARE(tabTitles(window).value(0), QStringLiteral("Main Panel"));
        window.startSession(QString());
        const QList<MessageBox::Shown> shown = MessageBox::takeShown();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.first().text,
                 QStringLiteral("The language file %1 could not be loaded; the program runs in English.").arg(path));
        QCOMPARE(Languages::rememberedLanguage(), QStringLiteral("en"));
    }
    // Said once: the next start runs in English without a word.
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    window.startSession(QString());
    QVERIFY(MessageBox::takeShown().isEmpty());
    QCOMPARE(checkedCode(window), QStringLiteral("en"));
}

void TestLanguageSwitch::designThatCannotBeReadBackIsKept()
{
    // A panel whose base loops exceed its maximum: no file would read it
    // back, yet the switch keeps it, since the design never leaves memory.
    CatalogueData data;
    Panel panel;
    panel.name = QStringLiteral("KP-2");
    panel.baseLoops = 2;
    data.panels = {panel};
    Catalogue catalogue(data);
    MainWindow window(&catalogue);
    auto *session = window.findChild<DesignSession *>();
    QVERIFY(session);
    const Design before = session->document()->design();

    chooseLanguage(window, QStringLiteral("es"));
    QVERIFY(MessageBox::takeShown().isEmpty());
    QCOMPARE(checkedCode(window), QStringLiteral("es"));
    QCOMPARE(session->document()->design(), before);
    QCOMPARE(session->document()->design().main.config.model, QStringLiteral("KP-2"));
    QVERIFY(!session->isModified());
}

void TestLanguageSwitch::designSavedInOneLanguageOpensInTheOther_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read");
    QTest::newRow("Spanish to English") << "es"
                                        << "en";
    QTest::newRow("English to Spanish") << "en"
                                        << "es";
}

void TestLanguageSwitch::designSavedInOneLanguageOpensInTheOther()
{
    QFETCH(QString, written);
    QFETCH(QString, read);
    const QString path = m_dir.filePath(QStringLiteral("written.csv"));
    QByteArray saved;
    {
        Languages::rememberLanguage(written);
        Catalogue catalogue(demoData());
        MainWindow window(&catalogue);
        QCOMPARE(checkedCode(window), written);
        QVERIFY(openDesign(window, m_designPath));
        saved = savedDesign(window, path);
    }
    // Files hold the untranslated texts, exactly as the English program writes them.
    QCOMPARE(saved, SetupFile::composeSetupText(fullDesign()).toUtf8());

    Languages::rememberLanguage(read);
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    QCOMPARE(checkedCode(window), read);
    QVERIFY(openDesign(window, path));
    QCOMPARE(savedDesign(window, m_dir.filePath(QStringLiteral("again.csv"))), saved);
}

void TestLanguageSwitch::newLanguageWithoutPrefixAddsNoEntry()
{
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    const QString chosen = m_dir.filePath(QStringLiteral("french.v2.qm"));
    QVERIFY(QFile::copy(QStringLiteral(":/translations/Kalvix_es.qm"), chosen));

    FileDialog::setNextFileName(chosen);
    action(window, "actionNew_language")->trigger();
    QCOMPARE(FileDialog::lastTitle(), QStringLiteral("Select Language File"));
    QCOMPARE(FileDialog::lastFilter(), QStringLiteral("Translation files (*.qm)"));
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Success"));
    // Copied under its name up to the first dot, but no language entry.
    QVERIFY(QFile::exists(Languages::translationsFolder() + QStringLiteral("/french.qm")));
    QCOMPARE(entryCodes(window), (QStringList{"en", "es"}));
    QFile::remove(chosen);
}

void TestLanguageSwitch::newLanguageExistingTarget_data()
{
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("No keeps the old file") << false;
    QTest::newRow("Yes replaces it") << true;
}

void TestLanguageSwitch::newLanguageExistingTarget()
{
    QFETCH(bool, overwrite);
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    const QString target = translationFile(QStringLiteral("fr"));
    QVERIFY(QFile::copy(QStringLiteral(":/translations/Kalvix_en.qm"), target));
    const QByteArray old = readAll(target);
    QTemporaryDir other;
    const QString chosen = other.filePath(QStringLiteral("Kalvix_fr.qm"));
    QVERIFY(QFile::copy(QStringLiteral(":/translations/Kalvix_es.qm"), chosen));

    FileDialog::setNextFileName(chosen);
    MessageBox::setNextAnswer(overwrite ? QMessageBox::Yes : QMessageBox::No);
    action(window, "actionNew_language")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), overwrite ? 2 : 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Question);
    QCOMPARE(shown.first().title, QStringLiteral("Warning"));
    QCOMPARE(shown.first().text,
             QStringLiteral("That language file already exists.\nDo you want to overwrite it?"));
    QCOMPARE(readAll(target), overwrite ? readAll(chosen) : old);
    if (overwrite) {
        QCOMPARE(shown.last().text,
                 QStringLiteral("Language file loaded successfully!\nYou can now select it "
                                "from the language combo box."));
        QVERIFY(!QFile::exists(target + QStringLiteral(".part")));
    }
    QFile::remove(target);
}

void TestLanguageSwitch::newLanguageFailedCopyShowsOnlyTheError()
{
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    FileDialog::setNextFileName(m_dir.filePath(QStringLiteral("gone/Kalvix_zz.qm")));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Failed to copy the language file: .+")));
    action(window, "actionNew_language")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().kind, MessageBox::Kind::Critical);
    QCOMPARE(shown.first().title, QStringLiteral("Error"));
    QCOMPARE(shown.first().text,
             QStringLiteral("Failed to copy the language file.\nMake sure the file is valid and "
                            "not open by another process."));
    QVERIFY(!QFile::exists(translationFile(QStringLiteral("zz"))));
    QVERIFY(!QFile::exists(translationFile(QStringLiteral("zz")) + QStringLiteral(".part")));
    QCOMPARE(entryCodes(window), (QStringList{"en", "es"}));
}

void TestLanguageSwitch::newLanguageFromTheFolderItselfIsAlreadyThere()
{
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    const QString inside = translationFile(QStringLiteral("es"));
    const QByteArray bytes = readAll(inside);
    QVERIFY(!bytes.isEmpty());

    FileDialog::setNextFileName(inside);
    MessageBox::setNextAnswer(QMessageBox::Yes);
    action(window, "actionNew_language")->trigger();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    // No overwrite question, no deletion: just the refreshed menu.
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("Success"));
    QCOMPARE(readAll(inside), bytes);
    QCOMPARE(entryCodes(window), (QStringList{"en", "es"}));
}

void TestLanguageSwitch::newLanguageAddsAnEntry()
{
    Catalogue catalogue(demoData());
    MainWindow window(&catalogue);
    QVERIFY(openDesign(window, m_designPath));
    const QByteArray before = savedDesign(window, m_dir.filePath(QStringLiteral("before.csv")));
    const QString chosen = m_dir.filePath(QStringLiteral("Kalvix_pt.qm"));
    QVERIFY(QFile::copy(QStringLiteral(":/translations/Kalvix_es.qm"), chosen));

    FileDialog::setNextFileName(chosen);
    action(window, "actionNew_language")->trigger();
    QCOMPARE(MessageBox::takeShown().size(), 1);
    QCOMPARE(FileDialog::lastDirectory(), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    QCOMPARE(entryCodes(window), (QStringList{"en", "es", "pt"}));
    QCOMPARE(languageEntries(window).at(2)->text(), QStringLiteral("Português"));
    // The current language stays; the refresh keeps the design.
    QCOMPARE(checkedCode(window), QStringLiteral("en"));
    QCOMPARE(savedDesign(window, m_dir.filePath(QStringLiteral("after.csv"))), before);
    QFile::remove(chosen);
}

QTEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
