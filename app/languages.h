#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Translation files: where they live, which languages they offer, and which
// one a start uses. No widgets; the main window builds its menu from these.
namespace Languages
{

// The per-user folder of "Kalvix_<code>.qm" files.
QString translationsFolder();
// Where the translations built with the program are kept (resources).
QString shippedFolder();

QString fileName(const QString &code);
// The codes of the files "Kalvix_*.qm" in the folder (regular files only),
// in case-insensitive order of their file names.
QStringList availableCodes(const QString &folder);
// The code of a menu text "es - español", or the whole text without " - ".
QString codeOf(const QString &language);
// "es - español": the code and the language's name for itself.
QString menuText(const QString &code);

// Copies each shipped translation the folder lacks or holds in an older
// version (by modification time), creating the folder when needed. Files the
// user added stay untouched. False when a copy failed (warned in the log).
bool installShipped(const QString &fromFolder, const QString &toFolder);

// The language a start uses: the remembered one when its file is there, else
// the system's language where a translation exists, else the first code;
// empty when there is none.
QString startLanguage(const QString &remembered, const QLocale &system, const QStringList &codes);

// The language remembered from the last run (empty when none).
QString rememberedLanguage();
void rememberLanguage(const QString &code);

// Where "New language" puts a chosen file: the folder and the file's name up
// to its first ".", plus ".qm".
QString newLanguageTarget(const QString &chosenFile, const QString &folder);

} // namespace Languages
