#pragma once

#include <QString>

// The names the user reads for the device category and subcategory codes of
// the catalogue data file ("DET", "OPT-TERM"...). The codes stay the keys in
// every file; only what is shown is translated, in the context
// "DeviceCategories". A code without a name of its own is shown as it is.
namespace DeviceCategories
{

QString categoryName(const QString &code);
QString subcategoryName(const QString &code);

} // namespace DeviceCategories
