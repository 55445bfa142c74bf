#pragma once

#include "loop/loopconfig.h"
#include "loop/loopschedule.h"
#include "panel/batterymethod.h"
#include "panel/panelconfig.h"
#include "setup/setupfile.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class Catalogue;

namespace BatteryMethods
{
// The name a setup file stores ("BS 5839-1", ...); empty for an unknown value.
QString storedName(BatteryMethod method);
// False for a name no method has.
bool fromStoredName(const QString &name, BatteryMethod &method);
QList<BatteryMethod> all();
} // namespace BatteryMethods

struct RevisionEntry {
    QString revision;
    QString date;
    QString description;
    QString by;
    bool operator==(const RevisionEntry &o) const
    {
        return revision == o.revision && date == o.date && description == o.description && by == o.by;
    }
    bool operator!=(const RevisionEntry &o) const { return !(*this == o); }
};

struct ProjectInfo {
    QString reference;
    QString revision;
    QString facility;
    QString address;
    QString installer;
    QString preparedBy;
    QString checkedBy;
    QString dateOfIssue;
    QVector<RevisionEntry> revisions;
    bool operator==(const ProjectInfo &o) const
    {
        return reference == o.reference && revision == o.revision && facility == o.facility &&
               address == o.address && installer == o.installer && preparedBy == o.preparedBy &&
               checkedBy == o.checkedBy && dateOfIssue == o.dateOfIssue && revisions == o.revisions;
    }
    bool operator!=(const ProjectInfo &o) const { return !(*this == o); }
};

// A panel or an expansion box with its loops and the optional data that
// belongs to it.
struct SystemDesign {
    PanelConfig config;
    QVector<LoopConfig> loops;
    // Boxes: the name their page carries ("TXE 2 (2)"); empty for the main panel.
    QString name;
    BatteryMethod batteryMethod = BatteryMethod::Maker;
    // Loop index (from 0) -> its schedule; a loop without one is absent.
    QMap<int, LoopSchedule> schedules;

    bool hasExtensions() const { return batteryMethod != BatteryMethod::Maker || !schedules.isEmpty(); }
    bool operator==(const SystemDesign &o) const
    {
        return config == o.config && loops == o.loops && name == o.name && batteryMethod == o.batteryMethod &&
               schedules == o.schedules;
    }
    bool operator!=(const SystemDesign &o) const { return !(*this == o); }
};

// A whole design as values: what the user chose, nothing computed.
struct Design {
    SystemDesign main;
    QVector<SystemDesign> boxes; // in page order
    std::optional<ProjectInfo> project;

    // Anything a 2.0 file cannot hold.
    bool usesExtensions() const;
    // The optional data of `from` where it still applies here: the project,
    // and the battery method and schedules of systems of the same model
    // (boxes matched by name).
    void takeOptionalData(const Design &from);

    // The system at `index`: -1 the main panel, 0.. the boxes.
    const SystemDesign *system(int index) const;
    SystemDesign *system(int index);
    int systemCount() const { return 1 + boxes.size(); }

    // The 2.0 blocks: the main panel and the boxes ordered by page name, as
    // the file has always held them.
    SetupFile::SetupData toSetupData() const;
    // The boxes take the names the main panel gives them in file order.
    static Design fromSetupData(const SetupFile::SetupData &data);
    // The rules that tie values together (PanelConfig / LoopConfig
    // ::normalised) applied to every system: what a design read holds.
    Design normalised(const Catalogue &catalogue) const;
    // Boxes in the order toSetupData writes them (indexes into `boxes`).
    QVector<int> boxFileOrder() const;

    bool operator==(const Design &o) const
    {
        return main == o.main && boxes == o.boxes && project == o.project;
    }
    bool operator!=(const Design &o) const { return !(*this == o); }
};

namespace BoxNames
{
// The names the main panel gives boxes of these models, in order: the model,
// then "model (2)", "model (3)" ... for repeats.
QStringList forModels(const QStringList &models);
// The name a new box of `model` takes beside boxes already named `taken`.
QString next(const QString &model, const QStringList &taken);
} // namespace BoxNames
