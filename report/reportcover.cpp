#include "report/reportcomposer.h"

#include "core/constants.h"

#include <QLocale>

namespace Report
{

namespace
{

QString infoRow(const QString &label, const QString &value)
{
    return QStringLiteral("<div class='info-row'><span class='info-label'>") + label +
           QStringLiteral("</span> <span class='info-value'>") + value + QStringLiteral("</span></div>");
}

QString systemName(int box)
{
    return box == 0 ? Exporter::tr("Main panel") : Exporter::tr("Expansion Box %1").arg(box);
}

// "Loop 2", or "Loops 1, 2, 5".
QString loopNumbers(const QStringList &loops)
{
    return loops.size() == 1 ? Exporter::tr("Loop %1").arg(loops.first())
                             : Exporter::tr("Loops %1").arg(loops.join(QStringLiteral(", ")));
}

void collectFaults(const PanelInfo &panel, int box, Verdict &verdict)
{
    const QString where = systemName(box);
    QStringList parts;
    if (panel.flags.hasBatteryFault) {
        verdict.faults << Exporter::tr("%1: battery").arg(where);
        parts << Exporter::tr("battery");
    }
    if (panel.flags.hasPowerLoadFault) {
        verdict.faults << Exporter::tr("%1: power load").arg(where);
        parts << Exporter::tr("power load");
    }
    QStringList loops;
    for (int l = 0; l < panel.loops.size(); ++l) {
        if (panel.loops.at(l).faults.any()) {
            verdict.faults << Exporter::tr("%1: Loop %2").arg(where).arg(l + 1);
            loops << QString::number(l + 1);
        }
    }
    // A panel with every loop at fault still takes one line.
    if (!loops.isEmpty())
        parts << loopNumbers(loops);
    if (!parts.isEmpty())
        verdict.summary << QStringLiteral("%1: %2").arg(where, parts.join(QStringLiteral(", ")));
}

QString verdictBlock(const Verdict &verdict)
{
    const QString colour = verdict.pass() ? QStringLiteral("#1e8449") : QStringLiteral("#c0392b");
    const QString background = verdict.pass() ? QStringLiteral("#eafaf1") : QStringLiteral("#fdedec");
    QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='8' style='margin: 10px 0; "
                                  "border: 2px solid %1; background-color: %2;'><tr><td align='center'>")
                       .arg(colour, background);
    html += QStringLiteral("<div style='font-size: 11pt; color: #2c3e50;'>") + Exporter::tr("Overall verdict") +
            QStringLiteral("</div><div style='font-size: 22pt; font-weight: bold; color: %1;'>").arg(colour);
    html += verdict.pass() ? Exporter::tr("PASS") : Exporter::tr("FAULT");
    html += QStringLiteral("</div>");
    if (verdict.pass()) {
        html += QStringLiteral("<div style='font-size: 10pt; color: #2c3e50;'>") +
                Exporter::tr("No faults: every loop and panel is within its limits.") + QStringLiteral("</div>");
    } else {
        const int count = verdict.faults.size();
        const QString counted =
            count == 1 ? Exporter::tr("1 fault") : Exporter::tr("%1 faults").arg(count);
        html += QStringLiteral("<div style='font-size: 10pt; color: %1;'>").arg(colour) + counted +
                QStringLiteral(":<br>") + verdict.summary.join(QStringLiteral("\n")).toHtmlEscaped().replace(
                                              QLatin1Char('\n'), QStringLiteral("<br>")) +
                QStringLiteral("</div>");
    }
    return html + QStringLiteral("</td></tr></table>");
}

QString signOff(const ReportData &data)
{
    const QString cell = QStringLiteral("<td style='font-size: 10pt; border: 1px solid #bdc3c7; height: 20px;'>"
                                        "%1</td>");
    QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='5' "
                                  "style='margin-top: 8px; border-collapse: collapse; border: 1px solid "
                                  "#bdc3c7;'>");
    html += headerCells({QString(), Exporter::tr("Name"), Exporter::tr("Signature"), Exporter::tr("Date")}, 10);
    const QString issued = data.dateOfIssue.toHtmlEscaped();
    const QPair<QString, QString> rows[] = {{Exporter::tr("Prepared"), data.preparedBy},
                                            {Exporter::tr("Checked"), data.checkedBy},
                                            {Exporter::tr("Approved"), QString()}};
    for (const auto &row : rows) {
        html += QStringLiteral("<tr>") +
                QStringLiteral("<td style='font-size: 10pt; font-weight: bold; border: 1px solid #bdc3c7; "
                               "color: #2c3e50;' width='18%'>%1</td>")
                    .arg(row.first) +
                cell.arg(row.second.toHtmlEscaped()) + cell.arg(QString()) +
                cell.arg(row.second.isEmpty() ? QString() : issued) + QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QString tableStart(int fontPoints)
{
    return QStringLiteral("<table width='100%' cellspacing='0' cellpadding='3' style='border-collapse: "
                          "collapse; margin: 6px 0; font-size: %1pt; border: 1px solid #bdc3c7;'>")
        .arg(fontPoints);
}

QString headerCells(const QStringList &cells, int fontPoints, const QList<int> &widths)
{
    QString html = QStringLiteral("<thead><tr>");
    for (int i = 0; i < cells.size(); ++i)
        html += QStringLiteral("<th%1 style='font-size: %2pt; background-color: #3498db; color: white; "
                               "text-align: left; font-weight: bold;'>%3</th>")
                    .arg(i < widths.size() ? QStringLiteral(" width='%1%'").arg(widths.at(i)) : QString(),
                         QString::number(fontPoints), cells.at(i));
    return html + QStringLiteral("</tr></thead>");
}

QString cells(const QStringList &cells, int fontPoints, bool boldFirst)
{
    // The layout takes a cell's font from the cell itself, not from its table.
    QString html = QStringLiteral("<tr>");
    for (int i = 0; i < cells.size(); ++i)
        html += QStringLiteral("<td style='font-size: %1pt; border-bottom: 1px solid #ecf0f1;%2'>%3</td>")
                    .arg(QString::number(fontPoints),
                         boldFirst && i == 0 ? QStringLiteral(" font-weight: bold; color: #2c3e50;")
                                             : QString(),
                         cells.at(i));
    return html + QStringLiteral("</tr>");
}

QString verdictText(bool ok)
{
    return ok ? QStringLiteral("<span style='color: #1e8449; font-weight: bold;'>") + Exporter::tr("OK") +
                    QStringLiteral("</span>")
              : QStringLiteral("<span style='color: #c0392b; font-weight: bold;'>") + Exporter::tr("FAULT") +
                    QStringLiteral("</span>");
}

Verdict verdictOf(const ReportData &data)
{
    Verdict verdict;
    collectFaults(data.mainPanel, 0, verdict);
    for (int b = 0; b < data.expansionBoxes.size(); ++b)
        collectFaults(data.expansionBoxes.at(b), b + 1, verdict);
    return verdict;
}

QString reportDate(const QDate &date)
{
    //: The locale whose month names the report's dates use.
    const QLocale locale(Exporter::tr("en_GB"));
    //: How the report writes a date (QDate format).
    return locale.toString(date, Exporter::tr("d MMMM yyyy"));
}

QString composeCover(const ReportData &data)
{
    QString html = QStringLiteral("<br><div class='title-page'><h0>") + Exporter::tr("Kalvix Report") +
                   QStringLiteral("</h0><div class='title-subtitle'>") +
                   Exporter::tr("Fire Alarm System Configuration & Analysis") +
                   QStringLiteral("</div><div class='title-logo'><img src=':/resources/icons/tarvex_logo.png' "
                                  "style='max-width: 300px; height: auto;'></div>");
    html += verdictBlock(verdictOf(data));
    html += QStringLiteral("<div class='title-info'>");
    const auto optional = [&html](const QString &label, const QString &value) {
        if (!value.isEmpty())
            html += infoRow(label, value.toHtmlEscaped());
    };
    optional(Exporter::tr("Facility:"), data.facility);
    optional(Exporter::tr("Address:"), data.address);
    optional(Exporter::tr("Installer:"), data.installer);
    optional(Exporter::tr("Project reference:"), data.projectReference);
    optional(Exporter::tr("Revision:"), data.revision);
    optional(Exporter::tr("Prepared by:"), data.preparedBy);
    optional(Exporter::tr("Date of issue:"), data.dateOfIssue);
    html += infoRow(Exporter::tr("Generated on:"), reportDate(data.date));
    html += infoRow(Exporter::tr("Software:"), Constants::ApplicationName + QStringLiteral(" v") + Constants::Version);
    html += infoRow(Exporter::tr("Company:"), Constants::OrganisationName);
    html += infoRow(Exporter::tr("Website:"), Constants::WebAddress);
    optional(Exporter::tr("Data pack:"), data.dataPackName);
    optional(Exporter::tr("Data pack version:"), data.dataPackVersion);
    html += QStringLiteral("</div>") + signOff(data) + QStringLiteral("</div>");
    return html;
}

QString composeRevisionsAndBasis(const ReportData &data)
{
    QString html = QStringLiteral("<div class='page-break'></div><div class='section'><h2>") +
                   Exporter::tr("Revision History") + QStringLiteral("</h2>");
    if (data.revisions.isEmpty()) {
        html += QStringLiteral("<p>") + Exporter::tr("No revisions recorded.") + QStringLiteral("</p>");
    } else {
        html += tableStart() + headerCells({Exporter::tr("Revision"), Exporter::tr("Date"),
                                            Exporter::tr("Description"), Exporter::tr("By")});
        for (const RevisionEntry &entry : data.revisions)
            html += cells({entry.revision.toHtmlEscaped(), entry.date.toHtmlEscaped(),
                           htmlText(entry.description), entry.by.toHtmlEscaped()});
        html += QStringLiteral("</table>");
    }

    html += QStringLiteral("<h2>") + Exporter::tr("Basis of Design") + QStringLiteral("</h2><ul>");
    html += QStringLiteral("<li>") +
            Exporter::tr("EN 54-2 and EN 54-4: each loop is held to its panel's limits (addresses, loop current "
                         "and a voltage drop of 6.9 V, or 7.9 V with overboost); each panel and expansion box to "
                         "its model's maximum current, and its batteries to the capacity the idle and alarm "
                         "times need.") +
            QStringLiteral("</li>");
    // The battery method of every panel, named as its file names it.
    QStringList methods;
    const auto method = [&methods](const PanelInfo &panel, const QString &where) {
        const QString name = panel.batteryMethod == BatteryMethod::Maker
                                 ? Exporter::tr("the maker's method")
                                 : BatteryMethods::storedName(panel.batteryMethod);
        methods << QStringLiteral("%1: %2").arg(where, name);
    };
    method(data.mainPanel, systemName(0));
    for (int b = 0; b < data.expansionBoxes.size(); ++b)
        method(data.expansionBoxes.at(b), systemName(b + 1));
    html += QStringLiteral("<li>") + Exporter::tr("Battery capacity: %1.").arg(methods.join(QStringLiteral("; "))) +
            QStringLiteral("</li>");
    html += QStringLiteral("<li>") +
            Exporter::tr("Loops: the maker's loop method (alarm set of sixteen units, cable and detector "
                         "resistance weighted by the distribution and topology factors), written out under "
                         "Method and Assumptions in the calculation sheet.") +
            QStringLiteral("</li>");
    QStringList scheduled;
    const auto schedules = [&scheduled](const PanelInfo &panel, const QString &where) {
        QStringList loops;
        for (int l = 0; l < panel.loops.size(); ++l)
            if (panel.loops.at(l).scheduled)
                loops << QString::number(l + 1);
        if (!loops.isEmpty())
            scheduled << QStringLiteral("%1: %2").arg(where, loopNumbers(loops));
    };
    schedules(data.mainPanel, systemName(0));
    for (int b = 0; b < data.expansionBoxes.size(); ++b)
        schedules(data.expansionBoxes.at(b), systemName(b + 1));
    html += QStringLiteral("<li>") +
            (scheduled.isEmpty()
                 ? Exporter::tr("Device-level check: not used (no loop has a device schedule).")
                 : Exporter::tr("Device-level check along the cable, from each loop's device schedule: %1.")
                       .arg(scheduled.join(QStringLiteral("; ")))) +
            QStringLiteral("</li></ul></div>");
    return html;
}

} // namespace Report
