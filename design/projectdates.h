#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// Dates of the project information are kept as ISO 8601 ("2026-03-01"), so
// any copy of the program in any language reads them; they are shown in the
// language's own short format.
namespace ProjectDates
{

QString stored(const QDate &date);
// `text` as `locale` writes a date; a text that is no ISO date stays as it is.
QString shown(const QString &text, const QLocale &locale);
// The same for the language of a translation code ("en", "es").
QString shown(const QString &text, const QString &languageCode);

} // namespace ProjectDates
