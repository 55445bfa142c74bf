#include "design/comparisontext.h"

#include <QHash>

namespace
{

using Kind = DesignDifference::Kind;

struct Label {
    const char *key;
    const char *text;
    const char *unit; // appended to setting values
};

// Settings, figures, verdicts and project fields by key. Loop and panel keys
// do not clash except where they mean the same thing.
const Label Labels[] = {
    {"model", QT_TRANSLATE_NOOP("DesignComparison", "Model"), ""},
    {"internalBattery", QT_TRANSLATE_NOOP("DesignComparison", "Internal battery"), ""},
    {"aux24VAlarmCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Auxiliary 24V alarm current"), " A"},
    {"aux24VIdleCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Auxiliary 24V idle current"), " A"},
    {"sounder1AlarmCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Sounder 1 alarm current"), " A"},
    {"sounder1IdleCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Sounder 1 idle current"), " A"},
    {"sounder2AlarmCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Sounder 2 alarm current"), " A"},
    {"sounder2IdleCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Sounder 2 idle current"), " A"},
    {"cards", QT_TRANSLATE_NOOP("DesignComparison", "Auxiliary cards"), ""},
    {"source1", QT_TRANSLATE_NOOP("DesignComparison", "External power source 1"), ""},
    {"battery1", QT_TRANSLATE_NOOP("DesignComparison", "Additional battery 1"), ""},
    {"source2", QT_TRANSLATE_NOOP("DesignComparison", "External power source 2"), ""},
    {"battery2", QT_TRANSLATE_NOOP("DesignComparison", "Additional battery 2"), ""},
    {"batteryDegradation", QT_TRANSLATE_NOOP("DesignComparison", "Battery degradation"), "%"},
    {"soundersActive", QT_TRANSLATE_NOOP("DesignComparison", "Max sounders active"), "%"},
    {"idleTime", QT_TRANSLATE_NOOP("DesignComparison", "Idle time"), ""},
    {"alarmTime", QT_TRANSLATE_NOOP("DesignComparison", "Alarm time"), ""},
    {"batteryMethod", QT_TRANSLATE_NOOP("DesignComparison", "Battery method"), ""},
    {"cableType", QT_TRANSLATE_NOOP("DesignComparison", "Cable type"), ""},
    {"topology", QT_TRANSLATE_NOOP("DesignComparison", "Topology"), ""},
    {"distributionFactor", QT_TRANSLATE_NOOP("DesignComparison", "Distribution factor"), "%"},
    {"loopLength", QT_TRANSLATE_NOOP("DesignComparison", "Loop length"), " m"},
    {"startDistance", QT_TRANSLATE_NOOP("DesignComparison", "Start distance"), " m"},
    {"endDistance", QT_TRANSLATE_NOOP("DesignComparison", "End distance"), " m"},
    {"battery", QT_TRANSLATE_NOOP("DesignComparison", "Battery autonomy"), ""},
    {"powerLoad", QT_TRANSLATE_NOOP("DesignComparison", "Power load"), ""},
    {"current", QT_TRANSLATE_NOOP("DesignComparison", "Loop current"), ""},
    {"totalIdleCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Total idle current"), ""},
    {"totalAlarmCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Total alarm current"), ""},
    {"minimumBatteryRequired", QT_TRANSLATE_NOOP("DesignComparison", "Minimum battery required"), ""},
    {"selectedTotalBattery", QT_TRANSLATE_NOOP("DesignComparison", "Selected total battery"), ""},
    {"addresses", QT_TRANSLATE_NOOP("DesignComparison", "Addresses"), ""},
    {"idleCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Idle current"), ""},
    {"alarmCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Alarm current"), ""},
    {"voltageDrop", QT_TRANSLATE_NOOP("DesignComparison", "Voltage drop"), ""},
    {"maxVoltageDrop", QT_TRANSLATE_NOOP("DesignComparison", "Maximum voltage drop"), ""},
    {"maxCurrent", QT_TRANSLATE_NOOP("DesignComparison", "Maximum current"), ""},
    {"reference", QT_TRANSLATE_NOOP("DesignComparison", "Project reference"), ""},
    {"revision", QT_TRANSLATE_NOOP("DesignComparison", "Revision"), ""},
    {"facility", QT_TRANSLATE_NOOP("DesignComparison", "Facility"), ""},
    {"address", QT_TRANSLATE_NOOP("DesignComparison", "Address"), ""},
    {"installer", QT_TRANSLATE_NOOP("DesignComparison", "Installer"), ""},
    {"preparedBy", QT_TRANSLATE_NOOP("DesignComparison", "Prepared by"), ""},
    {"checkedBy", QT_TRANSLATE_NOOP("DesignComparison", "Checked by"), ""},
    {"dateOfIssue", QT_TRANSLATE_NOOP("DesignComparison", "Date of issue"), ""},
};

const Label *findLabel(const QString &key)
{
    for (const Label &label : Labels) {
        if (key == QLatin1String(label.key))
            return &label;
    }
    return nullptr;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("DesignComparison", text);
}

QString unitDescription(const ScheduleUnit &unit)
{
    QString text = QCoreApplication::translate("DesignComparison", "at %1 m, address %2")
                       .arg(unit.position)
                       .arg(unit.address);
    if (!unit.zone.isEmpty())
        text += QCoreApplication::translate("DesignComparison", ", zone %1").arg(unit.zone);
    if (!unit.location.isEmpty())
        text += QStringLiteral(", ") + unit.location;
    return text;
}

QString revisionDescription(const RevisionEntry &entry)
{
    QStringList parts;
    for (const QString &part : {entry.date, entry.description, entry.by}) {
        if (!part.isEmpty())
            parts << part;
    }
    return parts.join(QStringLiteral(", "));
}

QString orNone(const QString &text)
{
    return text.isEmpty() ? QCoreApplication::translate("DesignComparison", "(none)") : text;
}

// A setting's value as the editor shows it.
QString settingValue(const DesignDifference &d, const QString &value)
{
    if (d.subject == QLatin1String("topology"))
        return value == QLatin1String("A") ? QCoreApplication::translate("DesignComparison", "Class A")
                                           : QCoreApplication::translate("DesignComparison", "Degraded mode");
    if (d.subject == QLatin1String("cards"))
        return orNone(QString(value).replace(QLatin1Char(','), QStringLiteral(", ")));
    const Label *label = findLabel(d.subject);
    return orNone(value) + (label && !value.isEmpty() ? QString::fromLatin1(label->unit) : QString());
}

QString withMargins(const DesignDifference &d, const QString &text)
{
    if (d.oldMargin.isEmpty() || d.newMargin.isEmpty() || d.oldMargin == d.newMargin)
        return text;
    return text + QCoreApplication::translate("DesignComparison", " (margin %1 -> %2)")
                      .arg(d.oldMargin, d.newMargin);
}

QString verdictWord(const QString &verdict)
{
    return verdict == QLatin1String("FAULT") ? QCoreApplication::translate("DesignComparison", "FAULT")
                                             : QCoreApplication::translate("DesignComparison", "OK");
}

} // namespace

QString ComparisonText::placeTitle(const DesignDifference &d)
{
    if (d.project)
        return tr("Project information");
    const QString system = d.system < 0 ? tr("Main panel") : tr("Expansion box %1").arg(d.boxName);
    if (d.loop < 0)
        return system;
    return tr("%1, loop %2").arg(system).arg(d.loop + 1);
}

QString ComparisonText::subjectName(const DesignDifference &d)
{
    switch (d.kind) {
    case Kind::DeviceAdded:
    case Kind::DeviceRemoved:
    case Kind::Quantity:
    case Kind::UnitAdded:
    case Kind::UnitRemoved:
    case Kind::UnitChanged:
        return d.subject;
    case Kind::RevisionAdded:
    case Kind::RevisionRemoved:
    case Kind::RevisionChanged:
        return tr("Revision %1").arg(d.subject);
    default:
        break;
    }
    const Label *label = findLabel(d.subject);
    if (d.kind == Kind::Verdict && d.subject == QLatin1String("addresses"))
        return tr("Address count");
    return label ? translated(label->text) : d.subject;
}

QStringList ComparisonText::unitChangeKeys(int changes)
{
    QStringList keys;
    if (changes & DesignDifference::Moved)
        keys << QStringLiteral("moved");
    if (changes & DesignDifference::Readdressed)
        keys << QStringLiteral("readdressed");
    if (changes & DesignDifference::Rezoned)
        keys << QStringLiteral("zone");
    if (changes & DesignDifference::Relocated)
        keys << QStringLiteral("location");
    return keys;
}

QString ComparisonText::describe(const DesignDifference &d)
{
    const QString name = subjectName(d);
    switch (d.kind) {
    case Kind::Verdict:
        return withMargins(d, tr("%1: %2 -> %3").arg(name, verdictWord(d.oldValue), verdictWord(d.newValue)));
    case Kind::Figure:
        return withMargins(d, tr("%1: %2 -> %3").arg(name, d.oldValue, d.newValue));
    case Kind::Setting:
        return tr("%1: %2 -> %3").arg(name, settingValue(d, d.oldValue), settingValue(d, d.newValue));
    case Kind::BatteryMethod:
    case Kind::ProjectField:
        return tr("%1: %2 -> %3").arg(name, orNone(d.oldValue), orNone(d.newValue));
    case Kind::BoxAdded:
        return tr("Expansion box %1 added").arg(d.newValue);
    case Kind::BoxRemoved:
        return tr("Expansion box %1 removed").arg(d.oldValue);
    case Kind::LoopAdded:
        return tr("Loop %1 added (%2 device types)").arg(d.subject, d.newValue);
    case Kind::LoopRemoved:
        return tr("Loop %1 removed (%2 device types)").arg(d.subject, d.oldValue);
    case Kind::DeviceAdded:
        return tr("%1 added, quantity %2").arg(name, d.newValue);
    case Kind::DeviceRemoved:
        return tr("%1 removed, quantity was %2").arg(name, d.oldValue);
    case Kind::Quantity:
        return tr("%1: quantity %2 -> %3").arg(name, d.oldValue, d.newValue);
    case Kind::ScheduleAdded:
        return tr("Schedule added (%1 units)").arg(d.newValue);
    case Kind::ScheduleRemoved:
        return tr("Schedule removed (%1 units)").arg(d.oldValue);
    case Kind::UnitAdded:
        return tr("Unit added: %1 %2").arg(name, unitDescription(d.newUnit));
    case Kind::UnitRemoved:
        return tr("Unit removed: %1 %2").arg(name, unitDescription(d.oldUnit));
    case Kind::UnitChanged: {
        QStringList what;
        if (d.unitChanges & DesignDifference::Moved)
            what << tr("moved");
        if (d.unitChanges & DesignDifference::Readdressed)
            what << tr("readdressed");
        if (d.unitChanges & DesignDifference::Rezoned)
            what << tr("zone changed");
        if (d.unitChanges & DesignDifference::Relocated)
            what << tr("location changed");
        return tr("Unit %1 %2: %3 -> %4")
            .arg(name, what.join(tr(" and ")), unitDescription(d.oldUnit), unitDescription(d.newUnit));
    }
    case Kind::RevisionAdded:
        return tr("%1 added: %2").arg(name, revisionDescription(d.newRevision));
    case Kind::RevisionRemoved:
        return tr("%1 removed: %2").arg(name, revisionDescription(d.oldRevision));
    case Kind::RevisionChanged:
        return tr("%1: %2 -> %3")
            .arg(name, revisionDescription(d.oldRevision), revisionDescription(d.newRevision));
    }
    return name;
}

QVector<ComparisonText::Group> ComparisonText::groups(const DesignComparison &comparison)
{
    QVector<Group> result;
    for (const DesignDifference &d : comparison.differences) {
        const bool verdict = d.isVerdict();
        const QString title = verdict ? tr("Verdicts") : placeTitle(d);
        if (result.isEmpty() || result.last().title != title || result.last().verdicts != verdict)
            result.append(Group{title, verdict, {}});
        result.last().differences.append(d);
    }
    return result;
}

QString ComparisonText::revisionName(const Design &oldDesign, const QString &oldFileName)
{
    if (oldDesign.project && !oldDesign.project->revision.trimmed().isEmpty())
        return oldDesign.project->revision.trimmed();
    const int slash = oldFileName.lastIndexOf(QLatin1Char('/'));
    return oldFileName.mid(slash + 1);
}

QString ComparisonText::htmlSection(const DesignComparison &comparison, const QString &revision)
{
    QString html = QStringLiteral("<div class='page-break'></div><div class='section'><h2>") +
                   tr("Changes since revision %1").arg(revision).toHtmlEscaped() + QStringLiteral("</h2>");
    if (comparison.isEmpty()) {
        html += QStringLiteral("<p>") + tr("No changes.").toHtmlEscaped() + QStringLiteral("</p></div>");
        return html;
    }
    for (const Group &group : groups(comparison)) {
        html += QStringLiteral("<h3>") + group.title.toHtmlEscaped() + QStringLiteral("</h3><ul>");
        for (const DesignDifference &d : group.differences) {
            QString line = describe(d).toHtmlEscaped();
            if (group.verdicts)
                line = placeTitle(d).toHtmlEscaped() + QStringLiteral(": ") + line;
            if (d.worsened())
                line = QStringLiteral("<b>") + line + QStringLiteral("</b>");
            html += QStringLiteral("<li>") + line + QStringLiteral("</li>");
        }
        html += QStringLiteral("</ul>");
    }
    return html + QStringLiteral("</div>");
}

QString ComparisonText::withSection(const QString &reportHtml, const QString &section)
{
    int at = reportHtml.indexOf(QStringLiteral("<div class='page-break'></div>"));
    if (at < 0)
        at = reportHtml.lastIndexOf(QStringLiteral("</body>"));
    if (at < 0)
        return reportHtml + section;
    return QString(reportHtml).insert(at, section);
}
