#include "app/languages.h"

#include "core/constants.h"
#include "app/translationfile.h"
#include "core/safewrite.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

// The compiled translations sit in a static library; nothing would pull
// them in otherwise.
static void initTranslationsResource()
{
    Q_INIT_RESOURCE(translations);
}

namespace Languages
{

namespace
{

const QString Prefix = QStringLiteral("Kalvix_");
const QString Suffix = QStringLiteral(".qm");
const QString LanguageKey = QStringLiteral("language");

} // namespace

QString translationsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/translations");
}

QString shippedFolder()
{
    static const bool initialised = (initTranslationsResource(), true);
    Q_UNUSED(initialised)
    return QStringLiteral(":/translations");
}

QString fileName(const QString &code)
{
    return Prefix + code + Suffix;
}

QStringList availableCodes(const QString &folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList({Prefix + QStringLiteral("*") + Suffix},
                                                           QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList codes;
    for (const QFileInfo &file : files) {
        QString code = file.fileName();
        // The pattern matched case-insensitively; only the exact spelling names a language.
        if (!code.startsWith(Prefix) || !code.endsWith(Suffix))
            continue;
        code.chop(Suffix.size());
        code = code.mid(Prefix.size());
        // "Kalvix_.qm" names no language.
        if (!code.isEmpty())
            codes.append(code);
    }
    return codes;
}

QString codeOf(const QString &language)
{
    const int dash = language.indexOf(QStringLiteral(" - "));
    return dash < 0 ? language : language.left(dash);
}

QString menuText(const QString &code)
{
    // The language as its speakers name it, without the country a bare code
    // would default to ("English", not "American English"), capitalised as
    // a menu entry ("Español").
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    if (!code.contains(QLatin1Char('_'))) {
        if (locale.language() == QLocale::English) {
            name = QLocale::languageToString(QLocale::English);
        } else {
            // "español de España" for a bare "es": the country goes, and the
            // short word that joined it.
            const int at = name.indexOf(locale.nativeCountryName());
            if (at > 0 && !locale.nativeCountryName().isEmpty()) {
                QStringList words = name.left(at).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                if (words.size() > 1 && words.last().size() <= 3)
                    words.removeLast();
                name = words.join(QLatin1Char(' '));
            }
        }
    }
    if (name.isEmpty())
        return code;
    return locale.toUpper(name.left(1)) + name.mid(1);
}

bool installShipped(const QString &fromFolder, const QString &toFolder)
{
    if (!QDir().mkpath(toFolder)) {
        qWarning().noquote() << "Failed to create the translations folder:" << toFolder;
        return false;
    }
    bool allCopied = true;
    const QFileInfoList shipped =
        QDir(fromFolder).entryInfoList({Prefix + QStringLiteral("*") + Suffix}, QDir::Files);
    for (const QFileInfo &source : shipped) {
        const QString target = toFolder + QLatin1Char('/') + source.fileName();
        const QFileInfo installed(target);
        if (installed.exists()) {
            if (!installed.isFile() || installed.lastModified() >= source.lastModified())
                continue;
        }
        // Written whole or not at all, so a failed copy (a full disk) never
        // leaves a broken translation under the real name.
        QFile shippedFile(source.filePath());
        QString error;
        if (!shippedFile.open(QIODevice::ReadOnly) ||
            !SafeWrite::writeFileSafely(target, shippedFile.read(TranslationFile::MaximumBytes), &error)) {
            qWarning().noquote() << "Failed to install the translation" << target << ":"
                                 << (error.isEmpty() ? shippedFile.errorString() : error);
            allCopied = false;
            continue;
        }
        QFile written(target);
        // Resources are read-only; the user's copy must stay replaceable.
        written.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        if (written.open(QIODevice::ReadWrite)) {
            written.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
            written.close();
        }
    }
    return allCopied;
}

QString startLanguage(const QString &remembered, const QLocale &system, const QStringList &codes)
{
    if (codes.isEmpty())
        return QString();
    if (!remembered.isEmpty() && codes.contains(remembered))
        return remembered;
    // "es_ES" takes "es_ES" first, then "es".
    const QString name = system.name();
    if (codes.contains(name))
        return name;
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (!language.isEmpty() && codes.contains(language))
        return language;
    return codes.first();
}

QString rememberedLanguage()
{
    // One settings file per user, named after the program whatever the
    // executable is called.
    const QSettings settings(Constants::ApplicationName, Constants::ApplicationName);
    return settings.value(LanguageKey).toString();
}

void rememberLanguage(const QString &code)
{
    QSettings settings(Constants::ApplicationName, Constants::ApplicationName);
    settings.setValue(LanguageKey, code);
}

QString newLanguageTarget(const QString &chosenFile, const QString &folder)
{
    return folder + QLatin1Char('/') + QFileInfo(chosenFile).baseName() + Suffix;
}

} // namespace Languages
