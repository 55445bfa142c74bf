#include "loop/loopmessages.h"

#include "catalogue/displayformat.h"

#include <QCoreApplication>

namespace LoopMessages
{

namespace
{

// Items of a box are separated by a blank line.
void appendItem(QString &box, const QString &item)
{
    if (!box.isEmpty())
        box += QStringLiteral("\n\n");
    box += item;
}

QString threeDecimals(double value)
{
    return Display::fixed(value, 3);
}

QString names(const QStringList &list)
{
    return list.join(QStringLiteral(", "));
}

} // namespace

bool isLoopSounderName(const QString &name)
{
    return name.right(6).compare(QLatin1String("(loop)"), Qt::CaseInsensitive) == 0;
}

DeviceFacts deviceFacts(const QVector<LoopCalc::LoopDevice> &devices)
{
    DeviceFacts facts;
    for (const LoopCalc::LoopDevice &entry : devices) {
        if (LoopCalc::isBeam(entry.record))
            facts.beamCount += entry.quantity;
        if (entry.record.requiresExternal24V)
            facts.externalSupply.append(entry.name);
        if (entry.record.isSounder && isLoopSounderName(entry.name))
            facts.loopSounders.append(entry.name);
    }
    return facts;
}

Faults checkFaults(const LoopCalc::LoopResults &results, const LoopLimits &limits)
{
    Faults faults;
    faults.addresses = results.addresses > limits.maxAddresses;
    faults.voltageDrop = results.voltageDrop > results.maxVoltageDrop;
    faults.current = results.alarmCurrent > results.maxCurrent;
    return faults;
}

bool idleBelowMinimum(const LoopCalc::LoopResults &results, const LoopLimits &limits)
{
    // The devices' own idle current, at the precision the loop shows it:
    // 0.030 - 0.026 must not come out a hair below 0.004 and raise the note.
    const double devicesIdle = LoopCalc::displayed(results.idleCurrent - LoopCalc::BaseCurrent);
    return limits.minCurrent > 0 && limits.minCurrent > devicesIdle;
}

double devicesIdleCurrent(const LoopCalc::LoopResults &results)
{
    // The base current is only there once the loop uses an address.
    if (results.addresses <= 0)
        return results.idleCurrent;
    return LoopCalc::displayed(results.idleCurrent - LoopCalc::BaseCurrent);
}

QString faultsText(const Faults &faults, const LoopLimits &limits, const DeviceFacts &facts)
{
    QString box;
    if (faults.addresses) {
        appendItem(box, QCoreApplication::translate("LoopWidget", "Total addresses exceed the maximum of ") +
                            QString::number(limits.maxAddresses) + QStringLiteral(".") +
                            QStringLiteral("\n") +
                            QCoreApplication::translate(
                                "LoopWidget",
                                "Recommendation: Reduce total addresses by removing devices, replacing them "
                                "with devices that use fewer addresses or by splitting devices across "
                                "multiple loops."));
    }
    if (faults.voltageDrop) {
        appendItem(box, QCoreApplication::translate("LoopWidget", "Voltage drop exceeds loop's maximum.") +
                            QStringLiteral("\n") +
                            QCoreApplication::translate(
                                "LoopWidget",
                                "Recommendation: Increase cable section, increase distribution factor, "
                                "decrease loop length, or redistribute devices to reduce voltage drop."));
    }
    if (faults.current) {
        QString item =
            QCoreApplication::translate("LoopWidget", "Alarm current exceeds loop's maximum.") +
            QStringLiteral("\n") +
            QCoreApplication::translate(
                "LoopWidget", "Recommendation: Reduce the number of devices or replace devices with lower "
                              "idle/alarm current to lower total consumption.");
        if (!facts.loopSounders.isEmpty()) {
            item += QStringLiteral("\n") +
                    QCoreApplication::translate(
                        "LoopWidget",
                        "Recommendation: Consider changing these sounders to external PSU connection to "
                        "reduce loop load: %1.")
                        .arg(names(facts.loopSounders));
        }
        appendItem(box, item);
    }
    if (!faults.any())
        box = QCoreApplication::translate("LoopWidget", "Loop setup OK.");
    return box;
}

QString notesText(const LoopCalc::LoopResults &results, const LoopLimits &limits, const DeviceFacts &facts)
{
    QString box;
    if (facts.beamCount > 0) {
        QString item =
            QCoreApplication::translate("LoopWidget", "Beam detectors should be aligned one by one.");
        if (facts.beamCount > BeamLimit)
            item += QCoreApplication::translate(
                "LoopWidget", "\nWarning: using more than 20 beam detectors is highly discouraged.");
        appendItem(box, item);
    }
    if (!facts.externalSupply.isEmpty()) {
        appendItem(box,
                   QCoreApplication::translate(
                       "LoopWidget", "The following devices require a 24V external power source:\n - ") +
                       names(facts.externalSupply) +
                       QCoreApplication::translate(
                           "LoopWidget",
                           "\nPlease note the panel has a port to provide 24V, as long as the max 0.500 A "
                           "have not been reached"));
    }
    if (idleBelowMinimum(results, limits)) {
        appendItem(box, QCoreApplication::translate(
                            "LoopWidget",
                            "Idle current is below minimum. To ensure correct supervision of the negative "
                            "loop line, install a 1.8kohm (minimum 2W) resistor between the S+ and S- "
                            "terminals or increase idle current."));
    }
    if (box.isEmpty())
        box = QCoreApplication::translate("LoopWidget", "No information to note.");
    return box;
}

QString faultReportText(const LoopCalc::LoopResults &results, const LoopLimits &limits,
                        const DeviceFacts &facts)
{
    const Faults faults = checkFaults(results, limits);
    QString text;
    if (faults.addresses) {
        appendItem(text, QCoreApplication::translate(
                             "LoopWidget",
                             "CRITICAL: Address limit exceeded. Current addresses: %1, Maximum allowed: %2. "
                             "Reduce the number of devices or use multiple loops.")
                             .arg(QString::number(results.addresses), QString::number(limits.maxAddresses)));
    }
    if (faults.voltageDrop) {
        appendItem(text, QCoreApplication::translate(
                             "LoopWidget",
                             "CRITICAL: Voltage drop exceeded. Current drop: %1 V, Maximum allowed: %2 V. "
                             "Consider using higher cable section, reducing loop length, or redistributing "
                             "devices.")
                             .arg(threeDecimals(results.voltageDrop), threeDecimals(results.maxVoltageDrop)));
    }
    if (faults.current) {
        QString item =
            QCoreApplication::translate(
                "LoopWidget",
                "CRITICAL: Current consumption exceeded. Current consumption: %1 A, Maximum "
                "allowed: %2 A. Reduce device count or use devices with lower current consumption.")
                .arg(threeDecimals(results.alarmCurrent), threeDecimals(results.maxCurrent));
        if (!facts.loopSounders.isEmpty()) {
            item +=
                QCoreApplication::translate(
                    "LoopWidget",
                    " Consider changing these sounders to external PSU connection to reduce loop load: %1.")
                    .arg(names(facts.loopSounders));
        }
        appendItem(text, item);
    }
    return text;
}

QString noteReportText(const LoopCalc::LoopResults &results, const LoopLimits &limits,
                       const DeviceFacts &facts)
{
    QString text;
    if (facts.beamCount > 0) {
        QString item = QCoreApplication::translate(
            "LoopWidget",
            "INSTALLATION NOTE: Beam detectors must be aligned individually during installation "
            "to ensure proper operation.");
        if (facts.beamCount > BeamLimit) {
            item +=
                QCoreApplication::translate(
                    "LoopWidget",
                    " WARNING: Using more than 20 beam detectors (%1 configured) in a single loop is highly "
                    "discouraged and may cause operational issues.")
                    .arg(facts.beamCount);
        }
        appendItem(text, item);
    }
    if (!facts.externalSupply.isEmpty()) {
        appendItem(text,
                   QCoreApplication::translate(
                       "LoopWidget",
                       "POWER REQUIREMENT: The following devices require external 24V power supply: %1.")
                           .arg(names(facts.externalSupply)) +
                       QCoreApplication::translate(
                           "LoopWidget",
                           " The panel provides a 24V output port with maximum capacity of 0.500 A. Ensure "
                           "total external power consumption does not exceed this limit."));
    }
    if (idleBelowMinimum(results, limits)) {
        appendItem(text,
                   QCoreApplication::translate(
                       "LoopWidget",
                       "NOTE: The idle current (%1 A) is below the minimum required (%2 A). To ensure "
                       "correct supervision of the negative loop line, install a 1.8kohm (minimum 2W) "
                       "resistor between the S+ and S- terminals or increase the idle current.")
                       .arg(Display::fixed(devicesIdleCurrent(results),
                                           Display::decimalsToTell(devicesIdleCurrent(results),
                                                                   limits.minCurrent, 3)),
                            Display::fixed(limits.minCurrent,
                                           Display::decimalsToTell(devicesIdleCurrent(results),
                                                                   limits.minCurrent, 3))));
    }
    return text;
}

} // namespace LoopMessages
