// The language menu, the switch of language and new translation files.
#include "app/mainwindow.h"

#include "app/busycursor.h"
#include "app/designsession.h"
#include "app/helpwindows.h"
#include "app/languages.h"
#include "editors/systemcontainerwidget.h"
#include "app/translationfile.h"
#include "core/safewrite.h"
#include "ui_mainwindow.h"
#include "widgets/messagebox.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <QTranslator>

void MainWindow::fillLanguageMenu()
{
    auto *menu = new QMenu(this);
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    QMenu *previous = m_ui->actionChange_language->menu();
    m_ui->actionChange_language->setMenu(menu);
    if (previous)
        previous->deleteLater();
    m_languageMenu = menu;

    const QStringList codes = Languages::availableCodes(Languages::translationsFolder());
    for (const QString &code : codes) {
        if (m_currentLanguage.isEmpty())
            m_currentLanguage = code;
        QAction *entry = menu->addAction(Languages::menuText(code));
        entry->setCheckable(true);
        entry->setData(code);
        group->addAction(entry);
        entry->setChecked(code == m_currentLanguage);
        connect(entry, &QAction::triggered, this, [this, code] { onLanguageChanged(code); });
    }
    applyLanguage(m_currentLanguage, false);
}

void MainWindow::checkLanguageEntry(const QString &code)
{
    if (!m_languageMenu)
        return;
    for (QAction *entry : m_languageMenu->actions())
        entry->setChecked(entry->data().toString() == code);
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
    if (m_translator && file.isFile() && signature == m_loadedTranslation) {
        m_currentLanguage = code;
        if (fromMenu)
            Languages::rememberLanguage(code);
        checkLanguageEntry(code);
        return;
    }

    // Nothing changes until the new translation has loaded.
    auto *next = new QTranslator(this);
    QString refused;
    if (!TranslationFile::load(*next, path, &refused)) {
        delete next;
        qWarning().noquote() << "Failed to load language file:" << path << "-" << refused;
        checkLanguageEntry(m_currentLanguage);
        if (fromMenu)
            MessageBox::critical(
                this, tr("Error"),
                tr("Failed to load language file.\nMake sure the file exists and is valid."));
        else
            m_startLanguageRefused = path;
        return;
    }

    BusyCursor busy;
    // An edit still waiting to be recorded is recorded in its own words.
    if (m_session)
        m_session->flush();

    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
    m_translator = next;
    m_loadedTranslation = signature;
    QCoreApplication::installTranslator(m_translator);
    m_currentLanguage = code;
    if (fromMenu)
        Languages::rememberLanguage(code);
    checkLanguageEntry(code);

    m_ui->retranslateUi(this);
    updateTitle();         // the form's placeholder came back with its texts
    fillRecentFilesMenu(); // its entries are made in code, not by the form
    if (auto *messagesAgain = findChild<QAction *>(QStringLiteral("actionShow_messages_again")))
        messagesAgain->setText(tr("Show all messages again"));
    m_helpWindows->closeAll();
    // Every page puts its own texts, figures and messages in the new language
    // as the change reaches it, keeping its widgets; delivered now, so that
    // the document takes the retranslated page at once.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    if (!m_mainContainer)
        return;
    // The same design in other words: no edit, no step to undo.
    m_session->refresh();
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
        // A damaged translation is refused before it is copied or loaded.
        QTranslator probe;
        QString refused;
        if (chosenInfo.exists() && !TranslationFile::load(probe, chosen, &refused)) {
            qWarning().noquote() << "Failed to load language file:" << chosen << "-" << refused;
            MessageBox::critical(
                this, tr("Error"),
                tr("Failed to load language file.\nMake sure the file exists and is valid."));
            return;
        }
        // Written whole or not at all: a failed copy keeps the old file.
        QFile source(chosen);
        QString error;
        if (!source.open(QIODevice::ReadOnly))
            error = source.errorString();
        else if (SafeWrite::writeFileSafely(target, source.read(TranslationFile::MaximumBytes), &error))
            QFile::setPermissions(target,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        if (!error.isEmpty()) {
            qWarning().noquote() << "Failed to copy the language file:" << error;
            MessageBox::critical(
                this, tr("Error"),
                tr("Failed to copy the language file.\nMake sure the file is valid and not open by another "
                   "process."));
            return;
        }
    }
    fillLanguageMenu();
    MessageBox::success(
        this, QStringLiteral("languageAdded"), tr("Success"),
        tr("Language file loaded successfully!\nYou can now select it from the language combo box."));
}
