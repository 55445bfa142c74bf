#include "report/reportcomposer.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"
#include "loop/loopmessages.h"
#include "panel/panelmessages.h"
#include "report/batterymethodsheet.h"

#include <cmath>

namespace Report
{

namespace
{

// Inline styles keep the described style sheet untouched.
const QString TableStart = QStringLiteral(
    "<table width='100%' cellspacing='0' cellpadding='3' "
    "style='border-collapse: collapse; margin: 6px 0; font-size: 9pt; border: 1px solid #bdc3c7;'>");
const QString HeaderCell = QStringLiteral("<th style='font-size: 9pt; background-color: #3498db; color: "
                                          "white; text-align: left; font-weight: bold;'>%1</th>");
// The layout takes a cell's font from the cell itself, not from its table.
const QString Cell = QStringLiteral("<td style='font-size: 9pt; border-bottom: 1px solid #ecf0f1;'>%1</td>");
const QString LabelCell = QStringLiteral("<td style='font-size: 9pt; border-bottom: 1px solid #ecf0f1; "
                                         "font-weight: bold; color: #2c3e50;'>%1</td>");

QString verdict(bool ok)
{
    return ok ? QStringLiteral("<span style='font-size: 9pt; color: #1e8449; font-weight: bold;'>") +
                    Exporter::tr("OK") + QStringLiteral("</span>")
              : QStringLiteral("<span style='font-size: 9pt; color: #c0392b; font-weight: bold;'>") +
                    Exporter::tr("FAULT") + QStringLiteral("</span>");
}

QString row(const QStringList &cells, const QString &firstCell = LabelCell)
{
    QString html = QStringLiteral("<tr>");
    for (int i = 0; i < cells.size(); ++i)
        html += (i == 0 ? firstCell : Cell).arg(cells.at(i));
    return html + QStringLiteral("</tr>");
}

QString headerRow(const QStringList &cells)
{
    QString html = QStringLiteral("<thead><tr>");
    for (const QString &cell : cells)
        html += HeaderCell.arg(cell);
    return html + QStringLiteral("</tr></thead>");
}

QString percentText(double percent)
{
    return Display::fixed(percent, 1) + QStringLiteral(" %");
}

// "12.4 %", or "-" when the limit leaves nothing to measure against.
QString marginText(double value, double limit)
{
    double percent = 0;
    return marginPercent(value, limit, percent) ? percentText(percent) : QStringLiteral("-");
}

template <typename Record> const Record *recordNamed(const QVector<Record> &records, const QString &name)
{
    for (const Record &record : records)
        if (record.name == name)
            return &record;
    return nullptr;
}

bool isSet(const QString &value)
{
    return !value.isEmpty() && value != QLatin1String("-");
}

// The selected batteries, each with the capacity the editor added up.
QStringList selectedBatteries(const PanelInfo &panel, const Catalogue &catalogue)
{
    QStringList parts;
    const auto batteries = catalogue.batteries();
    for (const QString &name : {panel.internalBattery, panel.battery1, panel.battery2}) {
        if (!isSet(name))
            continue;
        const Battery *battery = recordNamed(batteries, name);
        parts << QStringLiteral("%1 (%2 Ah)")
                     .arg(name.toHtmlEscaped(), Display::general(battery ? battery->capacity : 0));
    }
    return parts;
}

QString batteryCalculation(const PanelInfo &panel, const Catalogue &catalogue)
{
    if (panel.batterySizing.method != BatteryMethod::Maker)
        return batteryMethodSheetHtml(panel.batterySizing, selectedBatteries(panel, catalogue),
                                      panel.selectedTotalBattery);
    const double iq = panel.totalIdleCurrent;
    const double ia = panel.totalAlarmCurrent;
    const int hours = PanelCalculation::timeValue(panel.idleTime);
    const int minutes = PanelCalculation::timeValue(panel.alarmTime);
    const int degradation = panel.batteryDegradation;
    const double factor = 1.0 / (1.0 - degradation / PanelCalculation::percent);
    const double alarmTerm = (minutes / PanelCalculation::minutesPerHour) * ia;
    const double idleTerm = hours * iq;

    QString html = QStringLiteral("<h3>") + Exporter::tr("Battery Calculation") + QStringLiteral("</h3>");
    html += TableStart;
    html += row({Exporter::tr("Total idle current (Iq)"), Display::amperes(iq)});
    html += row({Exporter::tr("Total alarm current (Ia)"), Display::amperes(ia)});
    html += row({Exporter::tr("Idle time (H)"), panel.idleTime.toHtmlEscaped()});
    html += row({Exporter::tr("Alarm time (M)"), panel.alarmTime.toHtmlEscaped()});
    html +=
        row({Exporter::tr("Battery degradation (D)"), QString::number(degradation) + QStringLiteral(" %")});
    html +=
        row({Exporter::tr("Required capacity"),
             Exporter::tr("C = 1 / (1 − D / 100) × (M / 60 × Ia + H × Iq)") + QStringLiteral("<br>") +
                 QStringLiteral("= 1 / (1 − %1 / 100) × (%2 / 60 h × %3 + %4 h × %5)")
                     .arg(QString::number(degradation), QString::number(minutes), Display::amperes(ia),
                          QString::number(hours), Display::amperes(iq)) +
                 QStringLiteral("<br>") +
                 QStringLiteral("= %1 × (%2 Ah + %3 Ah) = %4")
                     .arg(Display::general(factor), Display::general(alarmTerm), Display::general(idleTerm),
                          Display::ampereHours(panel.minimumBatteryRequired))});

    const QStringList parts = selectedBatteries(panel, catalogue);
    const bool noBattery = parts.isEmpty();
    html += row({Exporter::tr("Selected batteries"),
                 (noBattery ? Exporter::tr("None") : parts.join(QStringLiteral(" + "))) +
                     QStringLiteral(" = ") + Display::ampereHours(panel.selectedTotalBattery)});
    const double margin = panel.selectedTotalBattery - panel.minimumBatteryRequired;
    QString marginCell = Display::ampereHours(margin);
    if (panel.minimumBatteryRequired > 0)
        marginCell += QStringLiteral(" (") + percentText(margin / panel.minimumBatteryRequired * 100.0) +
                      QStringLiteral(")");
    html += row({Exporter::tr("Margin"), marginCell});
    html += row({Exporter::tr("Result"),
                 verdict(!noBattery && !(panel.selectedTotalBattery < panel.minimumBatteryRequired))});
    return html + QStringLiteral("</table>");
}

QString powerLoad(const PanelInfo &panel, const PanelCalculation::ModelRecord &model,
                  const Catalogue &catalogue)
{
    PanelCalculation::CurrentPair loops;
    for (const PanelCalculation::CurrentPair &loop : panel.loopCurrents) {
        loops.idle += loop.idle;
        loops.alarm += loop.alarm;
    }
    double cards = 0;
    const auto records = catalogue.auxiliaryCards();
    for (const QString &name : panel.cards) {
        if (const AuxiliaryCard *card = recordNamed(records, name))
            cards += card->current;
    }
    const PanelCalculation::OutputCurrents &o = panel.outputs;
    const double outputsIdle = o.aux24VIdle + o.snd1Idle + o.snd2Idle;
    const double outputsAlarm = o.aux24VAlarm + o.snd1Alarm + o.snd2Alarm;

    QString html = QStringLiteral("<h3>") + Exporter::tr("Power Load") + QStringLiteral("</h3>");
    html += TableStart + headerRow({QString(), Exporter::tr("Idle current"), Exporter::tr("Alarm current")});
    html += row(
        {Exporter::tr("Loops (each × 55/36)"), Display::amperes(loops.idle), Display::amperes(loops.alarm)});
    html += row({Exporter::tr("Auxiliary cards"), Display::amperes(cards), Display::amperes(cards)});
    html += row({Exporter::tr("Outputs (24 V, sounder 1, sounder 2)"), Display::amperes(outputsIdle),
                 Display::amperes(outputsAlarm)});
    html += row({Exporter::tr("Panel's own consumption"), Display::amperes(model.idleCurrent),
                 Display::amperes(model.alarmCurrent)});
    html += row({Exporter::tr("Total"), Display::amperes(panel.totalIdleCurrent),
                 Display::amperes(panel.totalAlarmCurrent)});
    html += row({Exporter::tr("Maximum allowed by %1").arg(panel.model.toHtmlEscaped()), QStringLiteral("-"),
                 Display::amperes(model.maxCurrent)});
    html += row({Exporter::tr("Margin"), QStringLiteral("-"),
                 Display::amperes(model.maxCurrent - panel.totalAlarmCurrent) + QStringLiteral(" (") +
                     marginText(panel.totalAlarmCurrent, model.maxCurrent) + QStringLiteral(")")});
    const bool noLoops = panel.loops.isEmpty();
    QString result = verdict(!noLoops && !(panel.totalAlarmCurrent > model.maxCurrent));
    if (noLoops)
        result += QStringLiteral(" ") + Exporter::tr("(no loops)");
    html += row({Exporter::tr("Result"), QString(), result});
    return html + QStringLiteral("</table>");
}

QString loopTable(const PanelInfo &panel)
{
    if (panel.loops.isEmpty())
        return QString();
    QString html = QStringLiteral("<h3>") + Exporter::tr("Loops") + QStringLiteral("</h3>");
    // Units sit in the headers, so that eight columns fit the page.
    html += QString(TableStart).replace(QStringLiteral("font-size: 9pt"), QStringLiteral("font-size: 8pt")) +
            headerRow({Exporter::tr("Loop"),
                       Exporter::tr("Addresses") + QStringLiteral("<br>") + Exporter::tr("used / max."),
                       Exporter::tr("Idle current") + QStringLiteral("<br>(A)"),
                       Exporter::tr("Alarm current") + QStringLiteral("<br>/ ") + Exporter::tr("max. (A)"),
                       Exporter::tr("Voltage drop") + QStringLiteral("<br>/ ") + Exporter::tr("max. (V)"),
                       Exporter::tr("Tightest margin"),
                       Exporter::tr("Topology") + QStringLiteral("<br>") + Exporter::tr("degraded mode"),
                       Exporter::tr("Result")});
    const QString over = QStringLiteral("<br>/&nbsp;");
    const auto figure = [](double value) { return Display::fixed(value, LoopCalc::Decimals); };
    for (int l = 0; l < panel.loops.size(); ++l) {
        const LoopInfo &loop = panel.loops.at(l);
        const LoopCalc::LoopResults &f = loop.figures;
        // The tightest of the three margins that have a limit to measure against.
        bool any = false;
        double tightest = 0;
        const double values[] = {double(f.addresses), f.alarmCurrent, f.voltageDrop};
        const double limits[] = {double(loop.limits.maxAddresses), f.maxCurrent, f.maxVoltageDrop};
        for (int i = 0; i < 3; ++i) {
            double percent = 0;
            if (marginPercent(values[i], limits[i], percent) && (!any || percent < tightest)) {
                tightest = percent;
                any = true;
            }
        }
        const bool fault = LoopMessages::checkFaults(f, loop.limits).any();
        const QString topology = (loop.topologyCode == QLatin1String("B") ? Exporter::tr("Degraded mode")
                                                                          : Exporter::tr("Class A")) +
                                 QStringLiteral("<br>") +
                                 (loop.degradedModeOk ? Exporter::tr("OK") : Exporter::tr("exceeded"));
        // A figure must not break inside itself.
        const auto whole = [](const QString &text) {
            return QStringLiteral("<span style='font-size: 9pt; white-space: nowrap;'>") + text +
                   QStringLiteral("</span>");
        };
        html += row({QString::number(l + 1),
                     QString::number(f.addresses) + over + QString::number(loop.limits.maxAddresses),
                     whole(figure(f.idleCurrent)),
                     whole(figure(f.alarmCurrent)) + over + whole(figure(f.maxCurrent)),
                     whole(figure(f.voltageDrop)) + over + whole(figure(f.maxVoltageDrop)),
                     any ? percentText(tightest) : QStringLiteral("-"), topology, verdict(!fault)},
                    Cell);
    }
    // Eight columns fit the page in a smaller type.
    html.replace(QStringLiteral("font-size: 9pt"), QStringLiteral("font-size: 8pt"));
    return html + QStringLiteral("</table>");
}

QString panelSheet(const PanelInfo &panel, const QString &heading, const PanelCalculation::ModelRecord &model,
                   const Catalogue &catalogue)
{
    return QStringLiteral("<h2>") + heading + QStringLiteral("</h2>") + batteryCalculation(panel, catalogue) +
           powerLoad(panel, model, catalogue) + loopTable(panel);
}

QString method(const Catalogue &catalogue)
{
    const TopologyFactorTable topology = catalogue.topologyFactors();
    const DistributionFactorTable distribution = catalogue.distributionFactors();
    const QStringList paragraphs = {
        Exporter::tr(
            "Figures are those the program shows on screen, rounded as shown (currents and voltages to 7 "
            "decimals, capacities to 2) before a later step uses them. A margin is (limit - value) / "
            "limit; a value equal to its limit is within it."),
        Exporter::tr(
            "Loop currents: the idle current is the sum of the devices' idle currents. In alarm, the "
            "sixteen units with the largest alarm currents count with their alarm current and every "
            "other unit with its idle current; sounders and beam detectors are not part of these "
            "sixteen. Of each sounder type, the share set as maximum sounders active (rounded up) "
            "counts with its alarm current, the rest with their idle current; every beam detector "
            "counts with its alarm current. A loop that uses at least one address adds a base current "
            "of 0.026 A to both currents."),
        Exporter::tr(
            "Voltage drop: the alarm current times the loop resistance. The resistance counts both "
            "conductors of copper cable (0.0172 ohm mm2/m) of the chosen cross-section and 0.1 ohm per "
            "detector that adds loop resistance; the section between the first and the last device and "
            "the detectors are weighted by the distribution factor (%1 at 0 % to %2 at 100 %), and the "
            "whole by the topology factor (Class A %3, degraded mode %4). In degraded mode only the "
            "longer of the two leads counts. The maximum voltage drop is 6.9 V, or 7.9 V on a panel "
            "with overboost when a Class A loop drops at least 1.0 V or a degraded-mode loop draws more "
            "than 0.1 A. The maximum current is the maximum voltage drop divided by the loop "
            "resistance, but no more than the panel's loop current limit.")
            .arg(Display::general(distribution.atZero), Display::general(distribution.atFull),
                 Display::general(topology.classA), Display::general(topology.degradedMode)),
        Exporter::tr(
            "A loop is FAULT when its addresses, its voltage drop or its alarm current exceed their "
            "maximum. The degraded-mode check computes a Class A loop again as if a cable cut left it "
            "in degraded mode; when it fails, the report warns, but the loop is not FAULT."),
        Exporter::tr(
            "Panel currents: each loop's idle and alarm current is multiplied by 55/36 at the panel, "
            "then the auxiliary cards, the output currents and the panel's own consumption are added. "
            "The power load is FAULT when the total alarm current exceeds the model's maximum current "
            "or the panel has no loops."),
        Exporter::tr(
            "Battery: the minimum capacity covers the idle time at the total idle current and the alarm "
            "time at the total alarm current, divided by (1 - degradation) for the capacity the "
            "batteries lose with age. The battery is FAULT when no battery is selected or the "
            "selected batteries hold less than that. Cable losses between the panel and its "
            "batteries, temperature and charging current are not computed."),
        batteryMethodsStatement(),
    };
    QString html = QStringLiteral("<h2>") + Exporter::tr("Method and Assumptions") + QStringLiteral("</h2>");
    for (const QString &paragraph : paragraphs)
        html += QStringLiteral("<p style='margin: 6px 0;'>") + paragraph + QStringLiteral("</p>");
    return html;
}

} // namespace

bool marginPercent(double value, double limit, double &percent)
{
    if (!(limit > 0) || !std::isfinite(limit))
        return false;
    percent = (limit - value) / limit * 100.0;
    return true;
}

QString composeCalculationSheet(const ReportData &data, const Catalogue &catalogue)
{
    QString html = QStringLiteral("<div class='page-break'></div><div class='section'><h1>") +
                   Exporter::tr("Calculation Sheet") + QStringLiteral("</h1>");
    html += panelSheet(
        data.mainPanel, Exporter::tr("Main Panel: %1").arg(data.mainPanel.model.toHtmlEscaped()),
        PanelCalculation::ModelRecord::fromPanel(catalogue.findPanel(data.mainPanel.model)), catalogue);
    for (int b = 0; b < data.expansionBoxes.size(); ++b) {
        const PanelInfo &box = data.expansionBoxes.at(b);
        html += panelSheet(
            box, Exporter::tr("Expansion Box %1: %2").arg(QString::number(b + 1), box.model.toHtmlEscaped()),
            PanelCalculation::ModelRecord::fromExpansionBox(catalogue.findExpansionBox(box.model)),
            catalogue);
    }
    return html + method(catalogue) + QStringLiteral("</div>");
}

} // namespace Report
