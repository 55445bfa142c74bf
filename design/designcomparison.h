#pragma once

#include "design/design.h"
#include "design/designevaluation.h"

#include <QString>
#include <QVector>

class Catalogue;

// One thing that differs between two revisions of a design.
struct DesignDifference {
    enum class Kind {
        Verdict,         // a check moved between OK and FAULT
        Figure,          // a computed figure, as its label shows it
        Setting,         // a panel or loop setting
        BatteryMethod,   // how the panel's battery is sized
        BoxAdded,        // an expansion box only the new revision has
        BoxRemoved,      // one only the old revision has
        LoopAdded,       // a loop only the new revision has (more loop cards)
        LoopRemoved,     //
        DeviceAdded,     // a device type on a loop
        DeviceRemoved,   //
        Quantity,        // a device type's quantity
        ScheduleAdded,   // a loop that gained its schedule (all its units)
        ScheduleRemoved, //
        UnitAdded,       // a unit of a loop's schedule
        UnitRemoved,     //
        UnitChanged,     // a unit matched across revisions that moved, was readdressed ...
        ProjectField,    // one of the project information's fields
        RevisionAdded,   // a row of the revision list
        RevisionRemoved, //
        RevisionChanged, //
    };
    // What changed about a unit (UnitChanged).
    enum UnitChange { Moved = 1, Readdressed = 2, Rezoned = 4, Relocated = 8 };

    Kind kind = Kind::Setting;
    // Where. `project`: the project information; otherwise a panel (main or
    // box) and, with `loop` >= 0, one of its loops (from 0).
    bool project = false;
    // The system in the new revision (-1 the main panel, 0.. its boxes), or
    // for a removed box its place in the old one.
    int system = -1;
    bool inOldDesign = false; // `system` counts in the old revision (BoxRemoved)
    QString boxName;          // the box's page name; empty for the main panel
    int loop = -1;

    // A stable key of what changed: the setting, figure or verdict
    // ("cableType", "voltageDrop", "battery" ...), the device name, the
    // project field, the revision; for units the device.
    QString subject;
    QString oldValue; // as shown: figure texts, setting texts, "OK" / "FAULT"
    QString newValue;
    // Figures and verdicts judged against a limit: how far from it (limit
    // minus figure, or battery selected minus required); empty otherwise.
    QString oldMargin;
    QString newMargin;
    int unitChanges = 0; // UnitChange flags
    // The units and revision rows themselves (Unit* and Revision* kinds).
    ScheduleUnit oldUnit;
    ScheduleUnit newUnit;
    RevisionEntry oldRevision;
    RevisionEntry newRevision;

    bool isVerdict() const { return kind == Kind::Verdict; }
    // A verdict that went from OK to FAULT.
    bool worsened() const { return kind == Kind::Verdict && newValue == QLatin1String("FAULT"); }
    bool isAddition() const;
    bool isRemoval() const;
};

// Which box of the old revision is which of the new one.
struct BoxMatch {
    int oldBox = -1; // -1: added
    int newBox = -1; // -1: removed
};

// What changed from one revision of a design to another over the same
// catalogue: verdicts that moved from OK to FAULT first, then those that
// moved back, then everything else grouped by place (project, main panel,
// its loops, each box and its loops) in page order.
struct DesignComparison {
    QVector<DesignDifference> differences;
    QVector<BoxMatch> boxes; // new page order, then the removed boxes
    bool oldFault = false;
    bool newFault = false;

    bool isEmpty() const { return differences.isEmpty(); }
    int verdictCount() const;

    static DesignComparison compare(const Design &oldDesign, const DesignEvaluation &oldEvaluation,
                                    const Design &newDesign, const DesignEvaluation &newEvaluation);
    static DesignComparison compare(const Design &oldDesign, const Design &newDesign,
                                    const Catalogue &catalogue);

    // Boxes matched by model and place: identical boxes of a model first,
    // then those of the same page name, then the rest of a model in page
    // order.
    static QVector<BoxMatch> matchBoxes(const Design &oldDesign, const Design &newDesign);
    // Units matched by device, address and location (all, then device with
    // address and location, with location, with address); unmatched units
    // are -1 on the other side. Pairs (old index, new index).
    static QVector<QPair<int, int>> matchUnits(const LoopSchedule &oldSchedule,
                                               const LoopSchedule &newSchedule);
};
