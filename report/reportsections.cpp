#include "report/reportcomposer.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"

#include <cmath>

namespace Report
{

namespace
{

QString figure(double value)
{
    return Display::fixed(value, LoopCalc::Decimals);
}

// "12.4 %", or "-" when the limit leaves nothing to measure against.
QString margin(double value, double limit)
{
    double percent = 0;
    return marginPercent(value, limit, percent) ? Display::fixed(percent, 1) + QStringLiteral(" %")
                                                : QStringLiteral("-");
}

QString loopRows(const PanelInfo &panel, const QString &where, const Catalogue &catalogue)
{
    QString html;
    for (int l = 0; l < panel.loops.size(); ++l) {
        const LoopInfo &loop = panel.loops.at(l);
        LoopConfig config;
        config.cableType = loop.cableType;
        config.topology = loop.topologyCode == QLatin1String("B") ? Topology::DegradedMode : Topology::ClassA;
        config.distributionFactor = int(loop.distributionFactor);
        config.loopLength = loop.loopLength;
        config.startDistance = loop.startDistance;
        config.endDistance = loop.endDistance;
        for (const auto &device : loop.devices)
            config.devices.insert(device.first, device.second);
        const LoopCalc::Circuit circuit =
            LoopCalc::circuit(config, LoopCalc::resolveDevices(config.devices, catalogue), catalogue);
        const double resistance = LoopCalc::loopResistance(config.topology, circuit);
        html += cells({where, QString::number(l + 1), htmlText(loop.cableType),
                       circuit.crossSection > 0 ? Display::general(circuit.crossSection) : QStringLiteral("-"),
                       QString::number(loop.loopLength), QString::number(loop.startDistance),
                       QString::number(loop.endDistance),
                       std::isfinite(resistance) ? Display::fixed(resistance, 2) : QStringLiteral("-"),
                       config.topology == Topology::ClassA ? Exporter::tr("Class A")
                                                           : Exporter::tr("Degraded mode")},
                      8);
    }
    return html;
}

} // namespace

QString composeCableSchedule(const ReportData &data, const Catalogue &catalogue)
{
    QString html = QStringLiteral("<div class='page-break'></div><div class='section'><h1>") +
                   Exporter::tr("Cable Schedule") + QStringLiteral("</h1>");
    html += tableStart(8) +
            headerCells({Exporter::tr("Panel"), Exporter::tr("Loop"), Exporter::tr("Cable type"),
                         Exporter::tr("Section (mm²)"), Exporter::tr("Length (m)"),
                         Exporter::tr("Start lead (m)"), Exporter::tr("End lead (m)"),
                         Exporter::tr("Loop resistance (Ω)"), Exporter::tr("Topology")},
                        8, {11, 6, 15, 9, 9, 10, 10, 13, 17});
    html += loopRows(data.mainPanel, Exporter::tr("Main panel"), catalogue);
    for (int b = 0; b < data.expansionBoxes.size(); ++b)
        html += loopRows(data.expansionBoxes.at(b), Exporter::tr("Box %1").arg(b + 1), catalogue);
    html += QStringLiteral("</table><p style='font-size: 8pt; color: #7f8c8d;'>") +
            Exporter::tr("Loop resistance: both conductors of the cable and the detectors that add resistance, "
                         "weighted by the distribution and topology factors, as the voltage drop uses it.") +
            QStringLiteral("</p>");
    return html + QStringLiteral("</div>");
}

QString loopResultsTable(const LoopInfo &loop)
{
    const LoopCalc::LoopResults &f = loop.figures;
    QString html = tableStart() + headerCells({Exporter::tr("Result"), Exporter::tr("Value"),
                                               Exporter::tr("Limit"), Exporter::tr("Margin")});
    html += cells({Exporter::tr("Addresses"), QString::number(f.addresses), QString::number(loop.limits.maxAddresses),
                   margin(f.addresses, loop.limits.maxAddresses)},
                  9, true);
    html += cells({Exporter::tr("Idle current"), figure(f.idleCurrent) + QStringLiteral(" A"), QStringLiteral("-"),
                   QStringLiteral("-")},
                  9, true);
    html += cells({Exporter::tr("Alarm current"), figure(f.alarmCurrent) + QStringLiteral(" A"),
                   figure(f.maxCurrent) + QStringLiteral(" A"), margin(f.alarmCurrent, f.maxCurrent)},
                  9, true);
    html += cells({Exporter::tr("Voltage drop"), figure(f.voltageDrop) + QStringLiteral(" V"),
                   figure(f.maxVoltageDrop) + QStringLiteral(" V"), margin(f.voltageDrop, f.maxVoltageDrop)},
                  9, true);
    html += cells({Exporter::tr("Maximum current"), figure(f.maxCurrent) + QStringLiteral(" A"),
                   figure(loop.limits.maxCurrent) + QStringLiteral(" A"), QStringLiteral("-")},
                  9, true);
    html += cells({Exporter::tr("Verdict"), verdictText(!loop.faults.any()), QString(), QString()}, 9, true);
    return html + QStringLiteral("</table>");
}

QString outputCurrentsTable(const PanelInfo &panel)
{
    const PanelCalculation::OutputCurrents &o = panel.outputs;
    const auto amps = [](double value) { return Display::amperes(value); };
    QString html = QStringLiteral("<h3>") + Exporter::tr("Output Currents") + QStringLiteral("</h3>");
    html += tableStart() +
            headerCells({Exporter::tr("Output"), Exporter::tr("Idle current"), Exporter::tr("Alarm current")});
    html += cells({Exporter::tr("24 V auxiliary output"), amps(o.aux24VIdle), amps(o.aux24VAlarm)}, 9, true);
    html += cells({Exporter::tr("Sounder output 1"), amps(o.snd1Idle), amps(o.snd1Alarm)}, 9, true);
    html += cells({Exporter::tr("Sounder output 2"), amps(o.snd2Idle), amps(o.snd2Alarm)}, 9, true);
    return html + QStringLiteral("</table>");
}

} // namespace Report
