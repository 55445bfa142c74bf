#pragma once

#include "catalogue/records.h"

#include <QString>
#include <QStringList>

// What the device tree's filter field matches: every word typed must occur,
// ignoring case, in the device's name, category, subcategory or description.
namespace DeviceFilter
{

// The words of a filter text; none for an empty or blank text.
QStringList terms(const QString &filterText);

// True for every device when `terms` is empty.
bool matches(const Device &device, const QString &description, const QStringList &terms);

// The device's description as the details area shows it, or an empty text
// when the translations hold none.
QString description(const QString &deviceName);

} // namespace DeviceFilter
