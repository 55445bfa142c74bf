#include "widgets/messagebox.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QSettings>

#include <memory>
#include <QPushButton>
#include <QQueue>

namespace
{
bool testMode = false;
QQueue<QMessageBox::StandardButton> answers;
QList<MessageBox::Shown> shown;
QQueue<QString> fileNames;
QString lastDialogTitle;
QString lastDialogDirectory;
QString lastDialogFilter;

void recordDialog(const QString &title, const QString &dir, const QString &filter)
{
    lastDialogTitle = title;
    lastDialogDirectory = dir;
    lastDialogFilter = filter;
}

void show(QMessageBox::Icon icon, MessageBox::Kind kind, QWidget *parent, const QString &title,
          const QString &text)
{
    if (testMode) {
        shown.append({kind, title, text});
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}
} // namespace

namespace MessageBox
{

void information(QWidget *parent, const QString &title, const QString &text)
{
    show(QMessageBox::Information, Kind::Information, parent, title, text);
}

void warning(QWidget *parent, const QString &title, const QString &text)
{
    show(QMessageBox::Warning, Kind::Warning, parent, title, text);
}

void critical(QWidget *parent, const QString &title, const QString &text)
{
    show(QMessageBox::Critical, Kind::Critical, parent, title, text);
}

QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text)
{
    if (testMode) {
        shown.append({Kind::Question, title, text});
        return answers.isEmpty() ? QMessageBox::No : answers.dequeue();
    }
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::NoButton);
}

QMessageBox::StandardButton saveDiscardCancel(QWidget *parent, const QString &title, const QString &text)
{
    if (testMode) {
        shown.append({Kind::SaveQuestion, title, text});
        return answers.isEmpty() ? QMessageBox::Cancel : answers.dequeue();
    }
    QMessageBox box(QMessageBox::Warning, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    // Closing the box by its frame counts as Cancel.
    return answer == QMessageBox::Save || answer == QMessageBox::Discard ? QMessageBox::StandardButton(answer)
                                                                         : QMessageBox::Cancel;
}

QMessageBox::StandardButton overwriteSaveAsCancel(QWidget *parent, const QString &title, const QString &text,
                                                  const QString &overwriteText, const QString &saveAsText)
{
    if (testMode) {
        shown.append({Kind::Question, title, text});
        return answers.isEmpty() ? QMessageBox::Cancel : answers.dequeue();
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::Save | QMessageBox::Cancel,
                    parent);
    box.button(QMessageBox::Yes)->setText(overwriteText);
    box.button(QMessageBox::Save)->setText(saveAsText);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    return answer == QMessageBox::Yes || answer == QMessageBox::Save ? QMessageBox::StandardButton(answer)
                                                                     : QMessageBox::Cancel;
}

namespace
{
const QString SilencedGroup = QStringLiteral("silencedMessages");

std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kalvix"),
                                       QStringLiteral("Kalvix"));
}
} // namespace

bool isSilenced(const QString &key)
{
    return settings()->value(SilencedGroup + QLatin1Char('/') + key, false).toBool();
}

void silence(const QString &key)
{
    settings()->setValue(SilencedGroup + QLatin1Char('/') + key, true);
}

void showSilencedAgain()
{
    settings()->remove(SilencedGroup);
}

void success(QWidget *parent, const QString &key, const QString &title, const QString &text)
{
    if (isSilenced(key))
        return;
    if (testMode) {
        shown.append({Kind::Information, title, text});
        return;
    }
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    auto *quiet = new QCheckBox(QCoreApplication::translate("MessageBox", "Do not show this again"), &box);
    quiet->setObjectName(QStringLiteral("doNotShowAgainCheckBox"));
    box.setCheckBox(quiet);
    box.exec();
    if (quiet->isChecked())
        silence(key);
}

QMessageBox::StandardButton confirm(QWidget *parent, const QString &title, const QString &text,
                                    const QString &action)
{
    if (testMode) {
        shown.append({Kind::Question, title, text});
        return answers.isEmpty() ? QMessageBox::Cancel : answers.dequeue();
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Cancel, parent);
    QPushButton *go = box.addButton(action, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == go ? QMessageBox::Ok : QMessageBox::Cancel;
}

void setTestMode(bool on)
{
    testMode = on;
    answers.clear();
    shown.clear();
    fileNames.clear();
    recordDialog(QString(), QString(), QString());
}

void setNextAnswer(QMessageBox::StandardButton answer)
{
    answers.enqueue(answer);
}

QList<Shown> takeShown()
{
    QList<Shown> result = shown;
    shown.clear();
    return result;
}

} // namespace MessageBox

namespace FileDialog
{

QString getOpenFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter)
{
    if (testMode) {
        recordDialog(title, dir, filter);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    return QFileDialog::getOpenFileName(parent, title, dir, filter);
}

QString getSaveFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter)
{
    if (testMode) {
        recordDialog(title, dir, filter);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    return QFileDialog::getSaveFileName(parent, title, dir, filter);
}

QString getSaveFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter,
                        const QString &defaultSuffix)
{
    if (testMode) {
        recordDialog(title, dir, filter);
        return fileNames.isEmpty() ? QString() : fileNames.dequeue();
    }
    QFileDialog dialog(parent, title, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void setNextFileName(const QString &name)
{
    fileNames.enqueue(name);
}

QString lastTitle()
{
    return lastDialogTitle;
}

QString lastDirectory()
{
    return lastDialogDirectory;
}

QString lastFilter()
{
    return lastDialogFilter;
}

} // namespace FileDialog
