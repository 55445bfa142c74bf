#include "translations/devicedescriptions.h"

#include <QtGlobal>

namespace
{

// The translation files hold each description under the product name, in the
// context "DeviceDescriptions"; the English file holds the English wording.
const char *const Keys[] = {
    // Panels
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TXC 101"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TXS 202"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TXP 408"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TXP 816"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TXM 204 Marine"),
    // Expansion boxes
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TXE 2"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TXE 4"),
    // Batteries
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TVB 12-7"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TVB 12-12"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TVB 12-17"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TVB 12-24"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TVB 12-26"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "TVB 12-38"),
    // External power sources
    QT_TRANSLATE_NOOP("DeviceDescriptions", "KSP900 EN"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "KSP600"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "BQR3105-E"),
    // External battery boxes
    QT_TRANSLATE_NOOP("DeviceDescriptions", "EBX-26"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "EBX-38"),
    // Loop devices
    QT_TRANSLATE_NOOP("DeviceDescriptions", "OD-210"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "OD-200"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "HD-220"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "MD-230"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "CO-240"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "BD-250"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "BD-260"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "CP-300"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "CP-310 IP67"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "ZM-401"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "ZM-404"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "IM-411"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "IM-418"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "IOM-421"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "IOM-424"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "RM-431"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "RM-434"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "SM-441"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "SM-442"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "OM-451"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "OM-458"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "SD-500 (loop)"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "SBS-505 (loop)"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "SB-510 (loop)"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "VAD-520 (loop)"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "SD-530 XL (loop)"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "SD-400 (loop)"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "SD-550"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "SB-560"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "CI-601"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "CI-602"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "PL-610"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "PL-615"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "ISO-700"),
    // Auxiliary cards
    QT_TRANSLATE_NOOP("DeviceDescriptions", "VRAL-2"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "ORN-PSLINK"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "ZEP-NET"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "ZEP-IP"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "RLY-8"),
    QT_TRANSLATE_NOOP("DeviceDescriptions", "PRN-40"),
};

} // namespace

QStringList DeviceDescriptions::keys()
{
    QStringList keys;
    for (const char *key : Keys)
        keys.append(QString::fromUtf8(key));
    return keys;
}
