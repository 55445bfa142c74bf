#include "design/projectdates.h"

namespace ProjectDates
{

QString stored(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

QString shown(const QString &text, const QLocale &locale)
{
    const QDate date = QDate::fromString(text.trimmed(), Qt::ISODate);
    return date.isValid() ? locale.toString(date, QLocale::ShortFormat) : text;
}

QString shown(const QString &text, const QString &languageCode)
{
    return shown(text, QLocale(languageCode.isEmpty() ? QStringLiteral("en") : languageCode));
}

} // namespace ProjectDates
