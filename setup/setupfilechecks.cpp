#include "setup/setupfile.h"

#include "catalogue/catalogue.h"
#include "setup/setupfileformat.h"

#include <QDebug>

#include <algorithm>

// The value checks of the setup file's panel, box and loop blocks.
namespace SetupFile
{

using namespace Format;

namespace
{

// The card, power and advanced checks that panels and boxes share.
// model: the panel or box name; kind: "panel" or "expansion box".
struct Model {
    QString name;
    double maxBatteryCapacity = 0;
    int baseLoops = 0;
    int maxLoops = 0;
};

bool validateCommon(const Model &model, const QString &kind, const QString &cards, const QString &source1,
                    const QString &battery1, const QString &source2, const QString &battery2,
                    const QString &degradation, const QString &soundersActive, const Catalogue &catalogue)
{
    QStringList entries;
    if (!cards.isEmpty())
        entries = cards.split(QLatin1Char(','));
    const QVector<AuxiliaryCard> compatible = catalogue.compatibleAuxiliaryCards(model.name);
    int onlyOneCount = 0;
    int loopCards = 0;
    for (const QString &entry : qAsConst(entries)) {
        // An empty entry inside a list is damage, not "no more cards": what
        // follows it would count for the loops but never be installed.
        AuxiliaryCard card = catalogue.findAuxiliaryCard(entry);
        if (entry.isEmpty() || card.name.isEmpty()) {
            warn(QStringLiteral("Auxiliary card not found:"), entry);
            return false;
        }
        // A card the model cannot take would be dropped by the editor, and
        // with it the loops it brings.
        const bool fits = std::any_of(compatible.cbegin(), compatible.cend(),
                                      [&](const AuxiliaryCard &c) { return c.name == entry; });
        if (!fits) {
            warn(QStringLiteral("Auxiliary card not compatible with selected %1:").arg(kind), entry);
            return false;
        }
        if (card.onlyOne && ++onlyOneCount > 1) {
            warn(QStringLiteral("Only one ZEP card can be installed at once."));
            return false;
        }
        if (entry.startsWith(LoopCardPrefix))
            ++loopCards;
    }
    const int loopTotal = model.baseLoops + 2 * loopCards;
    if (loopTotal > model.maxLoops) {
        qWarning().noquote() << "Too many VRAL cards installed. VRAL count:" << loopCards << "would result in"
                             << loopTotal << QStringLiteral("loops, but %1 max is").arg(kind)
                             << model.maxLoops;
        return false;
    }
    const bool powerCard = entries.contains(PowerCard);
    const QString sources[] = {source1, source2};
    const QString batteries[] = {battery1, battery2};
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i + 1);
        if (sources[i] != None && !powerCard) {
            warn(QStringLiteral(
                     "Cannot set external power source %1 if the corresponding card is not installed.")
                     .arg(n));
            return false;
        }
        if (sources[i] != None && catalogue.findExternalPowerSource(sources[i]).name.isEmpty()) {
            warn(QStringLiteral("External power source %1 not found in combo box:").arg(n), sources[i]);
            return false;
        }
        if (sources[i] == None && batteries[i] != None) {
            warn(QStringLiteral("Cannot set additional battery %1 if no external power source is selected.")
                     .arg(n));
            return false;
        }
        if (batteries[i] != None && catalogue.findBattery(batteries[i]).name.isEmpty()) {
            warn(QStringLiteral("Additional battery %1 not found in combo box:").arg(n), batteries[i]);
            return false;
        }
    }
    int value = 0;
    if (!readInteger(degradation, value) || value < 0 || value > 99) {
        warn(QStringLiteral("Invalid value for battery degradation:"), degradation);
        return false;
    }
    if (!readInteger(soundersActive, value) || value < 0 || value > 100) {
        warn(QStringLiteral("Invalid value for maximum sounders active:"), soundersActive);
        return false;
    }
    return true;
}

bool validateBattery(const QString &battery, double maxCapacity, const QString &kind,
                     const Catalogue &catalogue)
{
    if (battery == None)
        return true;
    const Battery record = catalogue.findBattery(battery);
    if (record.name.isEmpty() || record.capacity > maxCapacity) {
        warn(QStringLiteral("Battery not compatible with selected %1:").arg(kind), battery);
        return false;
    }
    return true;
}

} // namespace

bool validatePanelConfig(const QStringList &values, const Catalogue &catalogue)
{
    if (values.size() != PanelLabels.size()) {
        warn(QStringLiteral("Invalid panel configuration: wrong number of values:"),
             QString::number(values.size()));
        return false;
    }
    const Panel panel = catalogue.findPanel(values.at(0));
    if (panel.name.isEmpty()) {
        warn(QStringLiteral("Panel name not found in data:"), values.at(0));
        return false;
    }
    const QString kind = QStringLiteral("panel");
    if (!validateBattery(values.at(1), panel.maxBatteryCapacity, kind, catalogue))
        return false;

    static const char *const names[] = {"auxiliary 24V", "sounder 1", "sounder 2"};
    for (int i = 0; i < 3; ++i) {
        const QString alarmText = values.at(2 + 2 * i);
        const QString idleText = values.at(3 + 2 * i);
        double alarm = 0;
        double idle = 0;
        // Written positively, so that nothing that is not a number passes.
        if (!(readNumber(alarmText, alarm) && alarm >= 0 && alarm <= 0.5)) {
            warn(QStringLiteral("Invalid value for %1 alarm current:").arg(QLatin1String(names[i])),
                 alarmText);
            return false;
        }
        if (!(readNumber(idleText, idle) && idle >= 0 && idle <= 0.5 && idle <= alarm)) {
            warn(QStringLiteral("Invalid value for %1 idle current:").arg(QLatin1String(names[i])), idleText);
            return false;
        }
    }
    const Model model{panel.name, panel.maxBatteryCapacity, panel.baseLoops, panel.maxLoops};
    return validateCommon(model, kind, values.at(8), values.at(9), values.at(10), values.at(11),
                          values.at(12), values.at(13), values.at(14), catalogue);
}

bool validateExpansionBoxConfig(const QStringList &values, const Catalogue &catalogue)
{
    if (values.size() != BoxLabels.size()) {
        warn(QStringLiteral("Invalid expansion box configuration: wrong number of values:"),
             QString::number(values.size()));
        return false;
    }
    const ExpansionBox box = catalogue.findExpansionBox(values.at(0));
    if (box.name.isEmpty()) {
        warn(QStringLiteral("Expansion box name not found in data:"), values.at(0));
        return false;
    }
    const QString kind = QStringLiteral("expansion box");
    if (!validateBattery(values.at(1), box.maxBatteryCapacity, kind, catalogue))
        return false;
    const Model model{box.name, box.maxBatteryCapacity, box.baseLoops, box.maxLoops};
    return validateCommon(model, kind, values.at(2), values.at(3), values.at(4), values.at(5), values.at(6),
                          values.at(7), values.at(8), catalogue);
}

bool validateLoopConfig(const QStringList &values)
{
    if (values.size() != 6) {
        warn(QStringLiteral("Invalid loop configuration: wrong number of values:"),
             QString::number(values.size()));
        return false;
    }
    if (values.at(1) != QLatin1String("A") && values.at(1) != QLatin1String("B")) {
        warn(QStringLiteral("Invalid topology type:"), values.at(1));
        return false;
    }
    int factor = 0;
    if (!readInteger(values.at(2), factor) || factor < 0 || factor > 100) {
        warn(QStringLiteral("Invalid value for distribution factor:"), values.at(2));
        return false;
    }
    int length = 0;
    if (!readInteger(values.at(3), length) || length < 0 || length > 2500) {
        warn(QStringLiteral("Invalid value for loop length:"), values.at(3));
        return false;
    }
    int start = 0;
    if (!readInteger(values.at(4), start) || start < 0) {
        warn(QStringLiteral("Invalid value for start distance:"), values.at(4));
        return false;
    }
    int end = 0;
    if (!readInteger(values.at(5), end) || end < 0) {
        warn(QStringLiteral("Invalid value for end distance:"), values.at(5));
        return false;
    }
    // In 64 bits: two large distances must not wrap round to a small sum.
    if (qint64(start) + qint64(end) > length) {
        warn(QStringLiteral("Start distance + end distance is greater than loop length"));
        return false;
    }
    return true;
}

bool validateLoopDevices(const QMap<QString, int> &devices, const Catalogue &catalogue)
{
    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        if (catalogue.findDevice(it.key()).name.isEmpty()) {
            warn(QStringLiteral("Device not found in data:"), it.key());
            return false;
        }
        if (it.value() <= 0) {
            warn(QStringLiteral("Invalid value for device quantity:"), QString::number(it.value()));
            return false;
        }
    }
    return true;
}

} // namespace SetupFile
