#include "loop/devicefilter.h"

#include "catalogue/devicecategories.h"

#include <QCoreApplication>
#include <QRegularExpression>

QStringList DeviceFilter::terms(const QString &filterText)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return filterText.split(blanks, Qt::SkipEmptyParts);
}

bool DeviceFilter::matches(const Device &device, const QString &description, const QStringList &terms)
{
    for (const QString &term : terms) {
        if (term.isEmpty())
            continue;
        const bool found = device.name.contains(term, Qt::CaseInsensitive) ||
                           device.category.contains(term, Qt::CaseInsensitive) ||
                           (device.subcategory != QLatin1String("-") &&
                            device.subcategory.contains(term, Qt::CaseInsensitive)) ||
                           description.contains(term, Qt::CaseInsensitive) ||
                           // The names the tree shows for the codes, in the language in use.
                           DeviceCategories::categoryName(device.category).contains(term, Qt::CaseInsensitive) ||
                           (device.subcategory != QLatin1String("-") &&
                            DeviceCategories::subcategoryName(device.subcategory)
                                .contains(term, Qt::CaseInsensitive));
        if (!found)
            return false;
    }
    return true;
}

QString DeviceFilter::description(const QString &deviceName)
{
    const QByteArray key = deviceName.toUtf8();
    const QString text = QCoreApplication::translate("DeviceDescriptions", key.constData());
    return text == deviceName ? QString() : text;
}
