#include "app/diffcommand.h"

#include "catalogue/catalogue.h"
#include "design/comparisontext.h"
#include "design/designcomparison.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace DiffCommand
{

namespace
{

using Kind = DesignDifference::Kind;

bool isOption(const QString &arg, const char *name)
{
    return arg == QLatin1String("--") + QLatin1String(name) ||
           arg == QLatin1String("-") + QLatin1String(name);
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Verdict:
        return QStringLiteral("verdict");
    case Kind::Figure:
        return QStringLiteral("figure");
    case Kind::Setting:
        return QStringLiteral("setting");
    case Kind::BatteryMethod:
        return QStringLiteral("batteryMethod");
    case Kind::BoxAdded:
        return QStringLiteral("boxAdded");
    case Kind::BoxRemoved:
        return QStringLiteral("boxRemoved");
    case Kind::LoopAdded:
        return QStringLiteral("loopAdded");
    case Kind::LoopRemoved:
        return QStringLiteral("loopRemoved");
    case Kind::DeviceAdded:
        return QStringLiteral("deviceAdded");
    case Kind::DeviceRemoved:
        return QStringLiteral("deviceRemoved");
    case Kind::Quantity:
        return QStringLiteral("quantity");
    case Kind::ScheduleAdded:
        return QStringLiteral("scheduleAdded");
    case Kind::ScheduleRemoved:
        return QStringLiteral("scheduleRemoved");
    case Kind::UnitAdded:
        return QStringLiteral("unitAdded");
    case Kind::UnitRemoved:
        return QStringLiteral("unitRemoved");
    case Kind::UnitChanged:
        return QStringLiteral("unitChanged");
    case Kind::ProjectField:
        return QStringLiteral("project");
    case Kind::RevisionAdded:
        return QStringLiteral("revisionAdded");
    case Kind::RevisionRemoved:
        return QStringLiteral("revisionRemoved");
    case Kind::RevisionChanged:
        return QStringLiteral("revisionChanged");
    }
    return QString();
}

QString status(bool fault)
{
    return fault ? QStringLiteral("FAULT") : QStringLiteral("OK");
}

QJsonObject changeJson(const DesignDifference &d)
{
    QJsonObject object{{"kind", kindName(d.kind)}, {"title", ComparisonText::placeTitle(d)},
                       {"subject", d.subject},     {"old", d.oldValue},
                       {"new", d.newValue},        {"text", ComparisonText::describe(d)}};
    if (d.project) {
        object.insert("place", "project");
    } else {
        object.insert("place", d.loop < 0 ? "panel" : "loop");
        object.insert("system", d.system < 0 ? "main" : "box");
        if (d.system >= 0)
            object.insert("box", d.boxName);
        if (d.loop >= 0)
            object.insert("loop", d.loop + 1);
    }
    if (!d.oldMargin.isEmpty() || !d.newMargin.isEmpty()) {
        object.insert("oldMargin", d.oldMargin);
        object.insert("newMargin", d.newMargin);
    }
    if (d.kind == Kind::UnitChanged)
        object.insert("unitChanges",
                      QJsonArray::fromStringList(ComparisonText::unitChangeKeys(d.unitChanges)));
    return object;
}

} // namespace

bool isDiffRequest(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        if (isOption(arguments.at(i), "diff"))
            return true;
    }
    return false;
}

CommandLine::Request parse(const QStringList &arguments)
{
    CommandLine::Request request;
    const auto fail = [&request](const QString &error) {
        request = CommandLine::Request();
        request.action = CommandLine::Action::UsageError;
        request.error = error;
        return request;
    };
    QStringList files;
    bool json = false;
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (isOption(arg, "help") || arg == QLatin1String("-h") || arg == QLatin1String("-?")) {
            request.action = CommandLine::Action::ShowHelp;
            return request;
        }
    }
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (isOption(arg, "diff"))
            continue;
        if (isOption(arg, "json"))
            json = true;
        else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1)
            return fail(QStringLiteral("%1 cannot be combined with --diff").arg(arg));
        else
            files << arg;
    }
    if (files.size() != 2)
        return fail(QStringLiteral("--diff needs two setup files, OLD.csv and NEW.csv"));
    request.action = CommandLine::Action::Diff;
    request.files = files;
    request.json = json;
    return request;
}

QString text(const DesignComparison &comparison, const QString &oldFile, const QString &newFile)
{
    QString result;
    QTextStream out(&result);
    if (comparison.isEmpty()) {
        out << oldFile << " -> " << newFile << ": no changes\n";
        return result;
    }
    out << oldFile << " -> " << newFile << ": " << comparison.differences.size() << " change(s), "
        << status(comparison.oldFault) << " -> " << status(comparison.newFault) << "\n";
    for (const ComparisonText::Group &group : ComparisonText::groups(comparison)) {
        out << group.title << ":\n";
        for (const DesignDifference &d : group.differences) {
            out << "  ";
            if (group.verdicts)
                out << ComparisonText::placeTitle(d) << ": ";
            out << ComparisonText::describe(d) << "\n";
        }
    }
    return result;
}

QJsonObject json(const DesignComparison &comparison, const QString &oldFile, const QString &newFile)
{
    QJsonArray changes;
    for (const DesignDifference &d : comparison.differences)
        changes.append(changeJson(d));
    return QJsonObject{{"old", oldFile},
                       {"new", newFile},
                       {"same", comparison.isEmpty()},
                       {"oldStatus", status(comparison.oldFault)},
                       {"newStatus", status(comparison.newFault)},
                       {"changes", changes}};
}

int run(const QStringList &files, bool asJson, QTextStream &out, QTextStream &err)
{
    std::unique_ptr<Catalogue> catalogue;
    QString reason;
    if (!CommandLine::loadCatalogue(catalogue, reason)) {
        err << "Cannot compare: " << reason << "\n";
        err.flush();
        return 2;
    }
    Design designs[2];
    for (int i = 0; i < 2; ++i) {
        if (!CommandLine::readDesign(files.value(i), *catalogue, designs[i], reason)) {
            err << files.value(i) << ": ERROR: " << reason << "\n";
            err.flush();
            return 2;
        }
    }
    const DesignComparison comparison = DesignComparison::compare(designs[0], designs[1], *catalogue);
    if (asJson)
        out << QJsonDocument(json(comparison, files.at(0), files.at(1))).toJson(QJsonDocument::Indented);
    else
        out << text(comparison, files.at(0), files.at(1));
    out.flush();
    return comparison.isEmpty() ? 0 : 1;
}

} // namespace DiffCommand
