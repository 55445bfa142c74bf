#include "panel/panelmessages.h"

#include "core/constants.h"
#include "catalogue/displayformat.h"
#include "panel/panelcalculation.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace PanelMessages
{

namespace
{

QString joinedBoxNames(const QVector<ExternalBatteryBox> &boxes)
{
    QStringList names;
    for (const ExternalBatteryBox &box : boxes)
        names << box.name;
    return names.join(QStringLiteral(", "));
}

QString externalPowerNote(int n, const ExternalPowerChoice &c, const QVector<ExternalBatteryBox> &allBoxes)
{
    QString text = n == 1
                       ? QCoreApplication::translate("PanelWidget", "The selected external power source 1 (")
                       : QCoreApplication::translate("PanelWidget", "The selected external power source 2 (");
    text += c.sourceName;
    text += n == 1 ? QCoreApplication::translate("PanelWidget",
                                                 ") does not fit the selected additional battery 1 (")
                   : QCoreApplication::translate("PanelWidget",
                                                 ") does not fit the selected additional battery 2 (");
    text += c.batteryName;
    text += QCoreApplication::translate("PanelWidget", ").");
    const QVector<ExternalBatteryBox> boxes =
        PanelCalculation::recommendedBatteryBoxes(c.batteryCapacity, allBoxes);
    if (boxes.isEmpty())
        text += QCoreApplication::translate(
            "PanelWidget",
            "\nAdditional battery will have to be kept outside the external power source box.");
    else
        text += QCoreApplication::translate("PanelWidget",
                                            "\nRecommended external battery boxes to fit the battery:\n - ") +
                joinedBoxNames(boxes);
    return text;
}

QString compatibilityWarning(int n, const ExternalPowerChoice &c, const QVector<ExternalBatteryBox> &allBoxes)
{
    const QString pattern =
        n == 1 ? QCoreApplication::translate(
                     "PanelWidget", "COMPATIBILITY WARNING: External Power Source 1 (%1, %2 Ah capacity) "
                                    "cannot accommodate Additional Battery 1 (%3, %4 Ah capacity).")
               : QCoreApplication::translate(
                     "PanelWidget", "COMPATIBILITY WARNING: External Power Source 2 (%1, %2 Ah capacity) "
                                    "cannot accommodate Additional Battery 2 (%3, %4 Ah capacity).");
    QString line = pattern.arg(c.sourceName, Display::general(c.sourceMaxBatteryCapacity), c.batteryName,
                               Display::general(c.batteryCapacity));
    const QVector<ExternalBatteryBox> boxes =
        PanelCalculation::recommendedBatteryBoxes(c.batteryCapacity, allBoxes);
    if (boxes.isEmpty()) {
        line += QCoreApplication::translate(
            "PanelWidget",
            "\nINSTALLATION NOTE: The additional battery will need to be installed outside the external "
            "power source enclosure.");
    } else {
        QStringList entries;
        for (const ExternalBatteryBox &box : boxes)
            entries << QCoreApplication::translate("PanelWidget", "%1 (%2 Ah)")
                           .arg(box.name, Display::general(box.maxBatteryCapacity));
        line += QCoreApplication::translate("PanelWidget", "\nRECOMMENDATION: Consider using one of the "
                                                           "following compatible external battery boxes: %1.")
                    .arg(entries.join(QStringLiteral(", ")));
    }
    return line;
}

} // namespace

bool ExternalPowerChoice::batteryDoesNotFit() const
{
    return sourceSelected && batterySelected &&
           !PanelCalculation::batteryFits(batteryCapacity, sourceMaxBatteryCapacity);
}

bool insufficientBattery(const PanelState &state)
{
    return state.selectedTotalBattery < state.minimumBatteryRequired;
}

bool overload(const PanelState &state)
{
    return state.totalAlarmCurrent > state.maxCurrent;
}

bool followsEn54(const QString &idleTimeText)
{
    return Constants::enIdleTimes.contains(idleTimeText);
}

namespace
{

bool byStandard(const PanelState &state)
{
    return state.batterySizing.method != BatteryMethod::Maker;
}

// The battery status by a standard: the same verdicts, naming the method,
// recommending the nearest battery and listing the method's notes.
BatteryStatus batteryStatusByStandard(const PanelState &state)
{
    BatteryStatus status;
    const QString method = BatterySizing::name(state.batterySizing.method);
    if (state.noBatterySelected) {
        status.text = QCoreApplication::translate(
            "PanelWidget", "System needs at least one battery (either internal or external).");
        status.fault = true;
    } else if (insufficientBattery(state)) {
        status.text = QCoreApplication::translate(
                          "PanelWidget", "Total battery of the setup does not reach the capacity %1 requires.")
                          .arg(method);
        status.fault = true;
    } else {
        status.text = QCoreApplication::translate("PanelWidget", "Battery autonomy OK by %1.").arg(method);
    }
    if (status.fault)
        status.text += QStringLiteral("\n") +
                       QCoreApplication::translate("PanelWidget", "Recommendation: %1")
                           .arg(BatterySizing::suggestionText(state.nearestBattery));
    for (const QString &note : state.batterySizing.notes())
        status.text += QStringLiteral("\n\n") + note;
    return status;
}

} // namespace

BatteryStatus batteryStatus(const PanelState &state)
{
    if (byStandard(state))
        return batteryStatusByStandard(state);
    BatteryStatus status;
    if (state.noBatterySelected) {
        status.text = QCoreApplication::translate(
            "PanelWidget", "System needs at least one battery (either internal or external).");
        status.fault = true;
    } else if (insufficientBattery(state)) {
        status.text = QCoreApplication::translate(
                          "PanelWidget", "Total battery of the setup does not reach the wanted autonomy.") +
                      QStringLiteral("\n") +
                      QCoreApplication::translate(
                          "PanelWidget",
                          "Recommendation: Install a suitably sized internal or external battery (larger "
                          "capacity), consider replacing with a newer battery to reduce degradation, add an "
                          "external power source, reduce the target autonomy times, or reduce overall system "
                          "current consumption.");
        status.fault = true;
    } else {
        status.text = QCoreApplication::translate("PanelWidget", "Battery autonomy OK.");
    }
    if (!followsEn54(state.idleTimeText)) {
        if (!status.text.isEmpty())
            status.text += QStringLiteral("\n\n");
        status.text += QCoreApplication::translate(
            "PanelWidget", "Please note the current selected idle time does not follow EN 54.");
    }
    return status;
}

PowerLoadStatus powerLoadStatus(const PanelState &state)
{
    PowerLoadStatus status;
    if (state.loopCount == 0) {
        status.noLoops = true;
        status.text = QCoreApplication::translate(
            "PanelWidget", "No loops available. Install VRAL cards to add loops to the panel.");
        return status;
    }
    if (overload(state)) {
        status.overload = true;
        status.text =
            QCoreApplication::translate("PanelWidget",
                                        "System current is higher than the one supported by the panel.") +
            QStringLiteral("\n") +
            QCoreApplication::translate(
                "PanelWidget",
                "Recommendation: Reduce overall current consumption by removing or replacing devices in "
                "loops, removing or replacing auxiliary cards, or lowering panel output currents. "
                "Alternatively consider using a panel with a higher current rating.");
        return status;
    }
    status.text = QCoreApplication::translate("PanelWidget", "System's power load OK.");
    const int free = state.maxLoops - state.loopCount;
    if (free > 0) {
        status.text +=
            QCoreApplication::translate(
                "PanelWidget",
                "\n\nINFO: %1 more loop(s) available. You can install %2 more VRAL card(s) to expand the "
                "system.")
                .arg(free)
                .arg(free / 2);
    }
    return status;
}

QString externalPowerNotes(const PanelState &state)
{
    if (!state.externalPowerSourcesEnabled)
        return QCoreApplication::translate(
            "PanelWidget", "To use external power sources, install the ORN-PSLINK auxiliary card.");
    QString text;
    for (int n = 1; n <= 2; ++n) {
        const ExternalPowerChoice &c = state.external.at(n - 1);
        if (!c.batteryDoesNotFit())
            continue;
        if (!text.isEmpty())
            text += QStringLiteral("\n\n");
        text += externalPowerNote(n, c, state.batteryBoxes);
    }
    if (text.isEmpty())
        text = QCoreApplication::translate("PanelWidget", "No external power sources information to note.");
    return text;
}

FaultFlags faultFlags(const PanelState &state)
{
    FaultFlags flags;
    flags.hasBatteryFault = state.noBatterySelected || insufficientBattery(state);
    flags.hasPowerLoadFault = state.loopCount == 0 || overload(state);
    const int loops = std::min(state.loopCount, int(state.loopFaults.size()));
    for (int i = 0; i < loops && !flags.hasLoopFault; ++i)
        flags.hasLoopFault = state.loopFaults.at(i);
    return flags;
}

QString powerReportNotes(const PanelState &state)
{
    QStringList lines;
    if (state.noBatterySelected) {
        lines << QCoreApplication::translate(
            "PanelWidget",
            "CRITICAL: No battery configuration detected. The system requires at least one battery "
            "(internal or external) to provide standby power during mains failure.");
    } else if (insufficientBattery(state) && byStandard(state)) {
        lines << QCoreApplication::translate("PanelWidget",
                                             "WARNING: Insufficient battery capacity. Current capacity: %1 "
                                             "Ah, Required capacity by %3: %2 Ah. "
                                             "The system will not meet the specified autonomy requirements.")
                     .arg(Display::general(state.selectedTotalBattery),
                          Display::general(state.minimumBatteryRequired),
                          BatterySizing::name(state.batterySizing.method));
    } else if (insufficientBattery(state)) {
        lines << QCoreApplication::translate("PanelWidget",
                                             "WARNING: Insufficient battery capacity. Current capacity: %1 "
                                             "Ah, Required capacity: %2 Ah. "
                                             "The system will not meet the specified autonomy requirements.")
                     .arg(Display::general(state.selectedTotalBattery),
                          Display::general(state.minimumBatteryRequired));
    }
    if (overload(state)) {
        lines << QCoreApplication::translate(
                     "PanelWidget",
                     "CRITICAL: Power consumption exceeds panel capacity. System alarm current: %1 A, Panel "
                     "maximum capacity: %2 A. This configuration may cause system malfunction or damage.")
                     .arg(Display::general(state.totalAlarmCurrent), Display::general(state.maxCurrent));
    }
    return lines.join(QStringLiteral("\n\n"));
}

QString externalPowerReportNotes(const PanelState &state)
{
    QStringList lines;
    if (byStandard(state)) {
        // The method's own times replace the panel's EN 54 check.
        for (const QString &note : state.batterySizing.timeNotes)
            lines << QCoreApplication::translate("PanelWidget", "COMPLIANCE NOTE: %1").arg(note);
    } else if (!followsEn54(state.idleTimeText)) {
        lines << QCoreApplication::translate(
                     "PanelWidget",
                     "COMPLIANCE NOTE: The selected idle time (%1) does not comply with EN 54 standard "
                     "requirements. Standard compliant options are: %2.")
                     .arg(state.idleTimeText, Constants::enIdleTimes.join(QStringLiteral(", ")));
    }
    if (state.externalPowerSourcesEnabled) {
        for (int n = 1; n <= 2; ++n) {
            const ExternalPowerChoice &c = state.external.at(n - 1);
            if (c.batteryDoesNotFit())
                lines << compatibilityWarning(n, c, state.batteryBoxes);
        }
    } else {
        lines << QCoreApplication::translate(
            "PanelWidget",
            "INSTALLATION NOTE: External power sources are not available with the current configuration. "
            "To enable external power sources, install the ORN-PSLINK auxiliary card.");
    }
    return lines.join(QStringLiteral("\n\n"));
}

} // namespace PanelMessages
