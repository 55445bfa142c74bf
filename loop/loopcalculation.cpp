#include "loop/loopcalculation.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocale>

#include <algorithm>
#include <limits>

QStringList LoopCable::sourceTexts()
{
    // Source texts of the cable combo box; the form translates them.
    return {QStringLiteral("4 mm2 (12 AWG)"),    QStringLiteral("2,5 mm2 (14 AWG)"),
            QStringLiteral("1,5 mm2 (16 AWG)"),  QStringLiteral("1 mm2 (18 AWG)"),
            QStringLiteral("0,75 mm2 (19 AWG)"), QStringLiteral("0,5 mm2 (21 AWG)")};
}

QString LoopCable::sourceText(const QString &text)
{
    const QStringList sources = sourceTexts();
    if (sources.contains(text))
        return text;
    for (const QString &source : sources) {
        if (QCoreApplication::translate("LoopWidget", source.toUtf8().constData()) == text)
            return source;
    }
    return text;
}

QString LoopCable::displayText(const QString &text)
{
    const QString source = sourceText(text);
    return sourceTexts().contains(source)
               ? QCoreApplication::translate("LoopWidget", source.toUtf8().constData())
               : text;
}

namespace LoopCalc
{

double displayed(double value)
{
    return Display::asDisplayed(value, Decimals);
}

QVector<LoopDevice> resolveDevices(const QMap<QString, int> &devices, const Catalogue &catalogue)
{
    QVector<LoopDevice> resolved;
    resolved.reserve(devices.size());
    for (auto it = devices.cbegin(); it != devices.cend(); ++it)
        resolved.append({it.key(), it.value(), catalogue.findDevice(it.key())});
    return resolved;
}

bool isBeam(const Device &device)
{
    return device.category == QLatin1String("DET") && device.subcategory == QLatin1String("BEAM");
}

int activeSounders(int quantity, double fraction)
{
    return static_cast<int>(quantity * fraction + SounderRounding);
}

// ---- alarm set ------------------------------------------------------------

bool AlarmSet::offer(const Entry &entry)
{
    if (m_size < AlarmSetSize) {
        push(entry);
        return true;
    }
    if (entry.alarmCurrent > m_entries[0].alarmCurrent) {
        pop();
        push(entry);
        return true;
    }
    return false;
}

void AlarmSet::push(const Entry &entry)
{
    Q_ASSERT(m_size < AlarmSetSize);
    siftUp(m_size++, entry);
}

void AlarmSet::siftUp(int hole, const Entry &entry)
{
    while (hole > 0) {
        const int parent = (hole - 1) / 2;
        if (!(entry.alarmCurrent < m_entries[parent].alarmCurrent))
            break;
        m_entries[hole] = m_entries[parent];
        hole = parent;
    }
    m_entries[hole] = entry;
}

AlarmSet::Entry AlarmSet::pop()
{
    Q_ASSERT(m_size > 0);
    const Entry result = m_entries[0];
    const Entry last = m_entries[--m_size];
    if (m_size == 0)
        return result;
    // Walk the hole from the top down to a leaf, always pulling up the child
    // of smaller alarm current (the right one on a tie), then drop the former
    // last entry into the hole and let it rise.
    int hole = 0;
    for (;;) {
        const int right = 2 * hole + 2;
        int child;
        if (right < m_size)
            child = m_entries[right].alarmCurrent > m_entries[right - 1].alarmCurrent ? right - 1 : right;
        else if (right - 1 < m_size)
            child = right - 1;
        else
            break;
        m_entries[hole] = m_entries[child];
        hole = child;
    }
    siftUp(hole, last);
    return result;
}

// ---- stage A ----------------------------------------------------------------

LoopTotals loopTotals(const QVector<LoopDevice> &devices, double soundersActiveFraction)
{
    LoopTotals totals;
    AlarmSet alarmSet;
    for (const LoopDevice &entry : devices) {
        const Device &device = entry.record;
        const int q = entry.quantity;
        totals.addresses += q * device.addresses;
        if (device.isSounder) {
            const int active = activeSounders(q, soundersActiveFraction);
            totals.alarmCurrent += active * device.alarmCurrent;
            totals.alarmCurrent += (q - active) * device.idleCurrent;
        } else if (isBeam(device)) {
            totals.alarmCurrent += q * device.alarmCurrent;
        } else {
            const AlarmSet::Entry unit{device.alarmCurrent, device.idleCurrent};
            for (int i = 0; i < q; ++i) {
                // The top of a full set never falls, so once a unit is turned
                // away, so is every further unit of the same device.
                if (!alarmSet.offer(unit))
                    break;
            }
            totals.alarmCurrent += q * device.idleCurrent;
        }
        totals.idleCurrent += device.idleCurrent * q;
    }
    while (!alarmSet.isEmpty()) {
        const AlarmSet::Entry entry = alarmSet.pop();
        totals.alarmCurrent = totals.alarmCurrent - entry.idleCurrent + entry.alarmCurrent;
    }
    if (totals.addresses > 0) {
        totals.alarmCurrent += BaseCurrent;
        totals.idleCurrent += BaseCurrent;
    }
    return totals;
}

// ---- stages B to E ------------------------------------------------------------

double crossSection(const QString &cableText)
{
    static const QLocale spanish(QLocale::Spanish);
    const auto leadingNumber = [](const QString &text, bool *ok) {
        const int blank = text.indexOf(QLatin1Char(' '));
        return spanish.toDouble(blank < 0 ? text : text.left(blank), ok);
    };
    bool ok = false;
    double value = leadingNumber(cableText, &ok);
    if (ok && value > 0)
        return value;
    // A translation that lost the leading number: use the entry it stands for.
    for (const QString &source : LoopCable::sourceTexts()) {
        if (QCoreApplication::translate("LoopWidget", source.toUtf8().constData()) == cableText)
            return leadingNumber(source, &ok);
    }
    qWarning().noquote() << QStringLiteral("Unknown cable type: ") + cableText;
    return 0;
}

int resistiveDetectors(const QVector<LoopDevice> &devices)
{
    int n = 0;
    for (const LoopDevice &entry : devices) {
        if (entry.record.category == QLatin1String("DET") && entry.record.addsLoopResistance)
            n += entry.quantity;
    }
    return n;
}

Circuit circuit(const LoopConfig &config, const QVector<LoopDevice> &devices, const Catalogue &catalogue)
{
    Circuit c;
    c.crossSection = crossSection(config.cableType);
    c.loopLength = config.loopLength;
    c.startDistance = config.startDistance;
    c.endDistance = config.endDistance;
    c.resistiveDetectors = resistiveDetectors(devices);
    c.distributionFactor = catalogue.distributionFactorAt(config.distributionFactor / 100.0);
    const TopologyFactorTable factors = catalogue.topologyFactors();
    c.classAFactor = factors.classA;
    c.degradedModeFactor = factors.degradedMode;
    return c;
}

double cableResistance(double length, double crossSection)
{
    return ((2 * Resistivity) * length) / crossSection;
}

double loopResistance(Topology topology, const Circuit &c)
{
    if (!(c.crossSection > 0))
        return std::numeric_limits<double>::infinity();
    const double L = c.loopLength;
    const double S = c.crossSection;
    // The grouping below is part of the result: another one can move the 7th decimal.
    const double rDevices = ((2 * Resistivity) * L) * (((L - c.startDistance) - c.endDistance) / L) / S;
    const double detectors = DetectorResistance * c.resistiveDetectors;
    const double D = c.distributionFactor;
    if (topology == Topology::ClassA) {
        const double T = c.classAFactor;
        return cableResistance(c.startDistance, S) * T + (D * T) * (detectors + rDevices) +
               cableResistance(c.endDistance, S) * T;
    }
    const double T = c.degradedModeFactor;
    return cableResistance(std::max(c.startDistance, c.endDistance), S) * T +
           (rDevices + detectors) * (D * T);
}

double voltageDrop(Topology topology, const Circuit &circuit, double displayedAlarmCurrent)
{
    // No current, no drop, whatever the resistance.
    if (displayedAlarmCurrent == 0)
        return 0;
    return displayedAlarmCurrent * loopResistance(topology, circuit);
}

double maxVoltageDrop(Topology topology, bool supportsOverboost, double displayedAlarmCurrent,
                      double displayedVoltageDrop)
{
    if (!supportsOverboost)
        return MaxVoltageDrop;
    const bool boosted = topology == Topology::ClassA ? displayedVoltageDrop >= OverboostVoltageDrop
                                                      : displayedAlarmCurrent > OverboostCurrent;
    return boosted ? MaxVoltageDropBoost : MaxVoltageDrop;
}

static double currentLimit(double maxVoltageDrop, double resistance, double panelMaxCurrent)
{
    const double imax =
        resistance == 0 ? std::numeric_limits<double>::infinity() : maxVoltageDrop / resistance;
    return std::min(imax, panelMaxCurrent);
}

double maxCurrent(Topology topology, const Circuit &circuit, double displayedMaxVoltageDrop,
                  double panelMaxCurrent)
{
    return currentLimit(displayedMaxVoltageDrop, loopResistance(topology, circuit), panelMaxCurrent);
}

bool isDegradedModeOk(const Circuit &circuit, double displayedAlarmCurrent, const LoopLimits &limits)
{
    const double resistance = loopResistance(Topology::DegradedMode, circuit);
    const double drop = voltageDrop(Topology::DegradedMode, circuit, displayedAlarmCurrent);
    const double maxDrop =
        maxVoltageDrop(Topology::DegradedMode, limits.supportsOverboost, displayedAlarmCurrent, drop);
    return drop <= maxDrop && displayedAlarmCurrent <= currentLimit(maxDrop, resistance, limits.maxCurrent);
}

LoopResults computeLoop(const LoopConfig &config, const QVector<LoopDevice> &devices,
                        const LoopLimits &limits, double soundersActiveFraction, const Catalogue &catalogue)
{
    LoopResults r;
    const LoopTotals totals = loopTotals(devices, soundersActiveFraction);
    r.addresses = totals.addresses;
    r.idleCurrent = displayed(totals.idleCurrent);
    r.alarmCurrent = displayed(totals.alarmCurrent);
    const Circuit c = circuit(config, devices, catalogue);
    r.voltageDrop = displayed(voltageDrop(config.topology, c, r.alarmCurrent));
    r.maxVoltageDrop =
        displayed(maxVoltageDrop(config.topology, limits.supportsOverboost, r.alarmCurrent, r.voltageDrop));
    r.maxCurrent = displayed(maxCurrent(config.topology, c, r.maxVoltageDrop, limits.maxCurrent));
    return r;
}

} // namespace LoopCalc
