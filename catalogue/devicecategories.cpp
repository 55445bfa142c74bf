#include "catalogue/devicecategories.h"

#include <QCoreApplication>

namespace DeviceCategories
{

namespace
{

struct Name {
    const char *code;
    const char *name;
};

// The codes of the maker's range; names translated through the table.
const Name Categories[] = {
    {"DET", QT_TRANSLATE_NOOP("DeviceCategories", "Detectors")},
    {"MCP", QT_TRANSLATE_NOOP("DeviceCategories", "Manual call points")},
    {"MOD", QT_TRANSLATE_NOOP("DeviceCategories", "Modules")},
    {"SND", QT_TRANSLATE_NOOP("DeviceCategories", "Sounders and beacons")},
    {"SPECIAL", QT_TRANSLATE_NOOP("DeviceCategories", "Special devices")},
};

const Name Subcategories[] = {
    {"OPT", QT_TRANSLATE_NOOP("DeviceCategories", "Optical smoke")},
    {"TERM", QT_TRANSLATE_NOOP("DeviceCategories", "Heat")},
    {"OPT-TERM", QT_TRANSLATE_NOOP("DeviceCategories", "Multi-sensor")},
    {"GAS", QT_TRANSLATE_NOOP("DeviceCategories", "Gas")},
    {"BEAM", QT_TRANSLATE_NOOP("DeviceCategories", "Beam")},
    {"ZONE", QT_TRANSLATE_NOOP("DeviceCategories", "Zone")},
    {"IN", QT_TRANSLATE_NOOP("DeviceCategories", "Input")},
    {"IN-OUT", QT_TRANSLATE_NOOP("DeviceCategories", "Input/output")},
    {"OUT", QT_TRANSLATE_NOOP("DeviceCategories", "Output")},
    {"230V-OUT", QT_TRANSLATE_NOOP("DeviceCategories", "230 V output")},
    {"24V-OUT", QT_TRANSLATE_NOOP("DeviceCategories", "24 V output")},
    {"CON", QT_TRANSLATE_NOOP("DeviceCategories", "Conventional zone interface")},
    {"PIL", QT_TRANSLATE_NOOP("DeviceCategories", "Remote indicator")},
    {"ISO", QT_TRANSLATE_NOOP("DeviceCategories", "Isolator")},
};

template <size_t N> QString lookUp(const Name (&table)[N], const QString &code)
{
    for (const Name &entry : table) {
        if (code == QLatin1String(entry.code))
            return QCoreApplication::translate("DeviceCategories", entry.name);
    }
    return code;
}

} // namespace

QString categoryName(const QString &code)
{
    return lookUp(Categories, code);
}

QString subcategoryName(const QString &code)
{
    return lookUp(Subcategories, code);
}

} // namespace DeviceCategories
