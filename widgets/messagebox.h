#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

// Every message box of the program goes through here, so that tests can
// queue the answer beforehand and read back what would have been shown.
namespace MessageBox
{

enum class Kind { Information, Warning, Critical, Question, SaveQuestion };

struct Shown {
    Kind kind;
    QString title;
    QString text;
};

void information(QWidget *parent, const QString &title, const QString &text);
void warning(QWidget *parent, const QString &title, const QString &text);
void critical(QWidget *parent, const QString &title, const QString &text);
// Yes/No question without a default button.
QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text);
// Save, Discard or Cancel, Save by default and Cancel on Escape. In test mode
// an unanswered question is cancelled.
QMessageBox::StandardButton saveDiscardCancel(QWidget *parent, const QString &title, const QString &text);

// Overwrite (Yes), save as (Save) or Cancel, with the two button texts given;
// Cancel by default and on Escape. In test mode an unanswered question is
// cancelled.
QMessageBox::StandardButton overwriteSaveAsCancel(QWidget *parent, const QString &title, const QString &text,
                                                  const QString &overwriteText, const QString &saveAsText);

// A completion message with a "Do not show this again" check box; once
// checked, the message of that `key` stays silent (remembered in the
// settings) until showSilencedAgain(). In test mode a silenced message is not
// recorded.
void success(QWidget *parent, const QString &key, const QString &title, const QString &text);
bool isSilenced(const QString &key);
void silence(const QString &key);
// Brings every silenced message back.
void showSilencedAgain();

// A question with a button that names the action and Cancel (the default,
// and Escape). Ok when the action was chosen. In test mode an unanswered
// question is cancelled.
QMessageBox::StandardButton confirm(QWidget *parent, const QString &title, const QString &text,
                                    const QString &action);

// Test seam. In test mode nothing is shown: every box is recorded, questions
// take the next queued answer (No when none is queued).
void setTestMode(bool on);
void setNextAnswer(QMessageBox::StandardButton answer);
QList<Shown> takeShown();

} // namespace MessageBox

// File dialogs, with the same kind of seam.
namespace FileDialog
{

QString getOpenFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter);
QString getSaveFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter);
// With a default suffix (no dot) that the dialog adds to a name without one,
// before it asks about overwriting. In test mode the name comes back as queued.
QString getSaveFileName(QWidget *parent, const QString &title, const QString &dir, const QString &filter,
                        const QString &defaultSuffix);

// In test mode the next call returns this name (empty: the user cancelled).
void setNextFileName(const QString &name);
// Title, start folder and filter of the last dialog asked for in test mode.
QString lastTitle();
QString lastDirectory();
QString lastFilter();

} // namespace FileDialog
