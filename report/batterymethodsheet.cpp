#include "report/batterymethodsheet.h"

#include "catalogue/catalogue.h"
#include "catalogue/displayformat.h"
#include "design/designevaluation.h"
#include "report/reportcomposer.h"

namespace Report
{

namespace
{

// The calculation sheet's table look, kept in inline styles.
const QString TableStart = QStringLiteral(
    "<table width='100%' cellspacing='0' cellpadding='3' "
    "style='border-collapse: collapse; margin: 6px 0; font-size: 9pt; border: 1px solid #bdc3c7;'>");
const QString Cell = QStringLiteral("<td style='font-size: 9pt; border-bottom: 1px solid #ecf0f1;'>%1</td>");
const QString LabelCell = QStringLiteral("<td style='font-size: 9pt; border-bottom: 1px solid #ecf0f1; "
                                         "font-weight: bold; color: #2c3e50;'>%1</td>");

QString row(const QString &label, const QString &value)
{
    return QStringLiteral("<tr>") + LabelCell.arg(label) + Cell.arg(value) + QStringLiteral("</tr>");
}

QString verdict(bool ok)
{
    return ok ? QStringLiteral("<span style='font-size: 9pt; color: #1e8449; font-weight: bold;'>") +
                    Exporter::tr("OK") + QStringLiteral("</span>")
              : QStringLiteral("<span style='font-size: 9pt; color: #c0392b; font-weight: bold;'>") +
                    Exporter::tr("FAULT") + QStringLiteral("</span>");
}

QString factorRow(const BatterySizing::Result &r)
{
    switch (r.method) {
    case BatteryMethod::Bs5839:
        return row(Exporter::tr("De-rating factor (D)"),
                   r.derated ? Exporter::tr("1.75: the alarm current I2 is above C/20")
                             : Exporter::tr("1: the alarm current I2 is not above C/20"));
    case BatteryMethod::Nfpa72Edition2019:
    case BatteryMethod::Nfpa72Edition2022:
        return row(Exporter::tr("Safety factor (SF)"), Display::fixed(r.factor, 2));
    case BatteryMethod::Maker:
    case BatteryMethod::En54Part14:
        break;
    }
    return row(Exporter::tr("Degradation factor"),
               QStringLiteral("1 / (1 − D / 100) = ") + Display::general(r.factor));
}

} // namespace

QString batteryMethodSheetHtml(const BatterySizing::Result &r, const QStringList &selectedBatteries,
                               double selectedTotalBattery)
{
    const double required = r.requiredCapacity;
    QString html = QStringLiteral("<h3>") + Exporter::tr("Battery Calculation") + QStringLiteral("</h3>");
    html += TableStart;
    html += row(Exporter::tr("Battery method"), BatterySizing::name(r.method).toHtmlEscaped());
    html += row(Exporter::tr("Edition and clause"), BatterySizing::reference(r.method).toHtmlEscaped());
    html += row(Exporter::tr("Required capacity"),
                r.formula.toHtmlEscaped() + QStringLiteral("<br>") + r.substituted.toHtmlEscaped());
    html += factorRow(r);
    const QStringList notes = r.notes();
    if (!notes.isEmpty()) {
        QStringList escaped;
        for (const QString &note : notes)
            escaped << note.toHtmlEscaped();
        html += row(Exporter::tr("Notes"), escaped.join(QStringLiteral("<br>")));
    }
    const bool noBattery = selectedBatteries.isEmpty();
    html += row(Exporter::tr("Selected batteries"),
                (noBattery ? Exporter::tr("None") : selectedBatteries.join(QStringLiteral(" + "))) +
                    QStringLiteral(" = ") + Display::ampereHours(selectedTotalBattery));
    const double margin = selectedTotalBattery - required;
    QString marginCell = Display::ampereHours(margin);
    if (required > 0)
        marginCell += QStringLiteral(" (") + Display::fixed(margin / required * 100.0, 1) +
                      QStringLiteral(" %)");
    html += row(Exporter::tr("Margin"), marginCell);
    html += row(Exporter::tr("Result"), verdict(!noBattery && !(selectedTotalBattery < required)));
    return html + QStringLiteral("</table>");
}

QString batteryMethodSheetHtml(const SystemEvaluation &system, const Catalogue &catalogue)
{
    QStringList selected;
    const PanelConfig &c = system.config;
    for (const QString &name : {c.internalBattery, c.battery1, c.battery2}) {
        if (!name.isEmpty())
            selected << QStringLiteral("%1 (%2 Ah)")
                            .arg(name.toHtmlEscaped(), Display::general(catalogue.findBattery(name).capacity));
    }
    return batteryMethodSheetHtml(system.panel.batterySizing, selected, system.panel.figures.selectedTotalBattery);
}

QString batteryMethodsStatement()
{
    return Exporter::tr(
        "Battery methods: each panel and expansion box is sized by the method chosen for it. The maker's "
        "method is the formula above. BS 5839-1 (Annex E of the 2017 edition): C = 1.25 × (T1 × I1 + D × T2 "
        "× I2), where 1.25 allows for ageing and D is 1.75 when the alarm current exceeds C/20 (the rate the "
        "capacity is stated at), else 1; the degradation setting does not apply. NFPA 72 (10.6.7, secondary "
        "power supply): 24 h of standby and 5 min of alarm (15 min for voice evacuation), the sum multiplied "
        "by a safety factor of 1.20 (editions 2010 to 2019) or 1.25 (2022 edition). EN 54-14 practice "
        "(CEN/TS 54-14): the maker's formula for 72 h of standby and 30 min of alarm, shorter standby only in "
        "the cases it names. Times other than a method expects are noted, not refused.");
}

} // namespace Report
