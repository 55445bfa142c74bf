#pragma once

#include "loop/loopconfig.h"
#include "loop/loopdevicecheck.h"
#include "loop/loopevaluation.h"
#include "panel/panelconfig.h"
#include "panel/panelevaluation.h"
#include "design/design.h"
#include "setup/setupfile.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class Catalogue;

// A whole design evaluated without a screen: the main panel with its loops
// and every expansion box with its loops, with the figures and texts their
// editors show once the design is opened.
struct SystemEvaluation {
    bool isExpansionBox = false;
    QString displayName; // the model name; for boxes made unique with " (2)", " (3)" ...
    PanelConfig config;
    QVector<LoopConfig> loops;
    LoopLimits limits;                   // the model's loop limits
    QVector<LoopEvaluation> loopResults; // one per loop, in loop order
    PanelEvaluation panel; // its battery by the system's battery method
    // Loop index (from 0) -> the loop's schedule and its device-level check.
    QMap<int, LoopSchedule> schedules;
    QMap<int, LoopDeviceCheck> deviceChecks;
    // More than 512 detectors and call points on this panel: the note, else empty.
    QString deviceCheckNote;

    // Any panel flag, any loop fault or any device-level fault.
    bool hasFault() const;
    bool hasDeviceCheckFault() const;
};

struct DesignEvaluation {
    SystemEvaluation main;
    QVector<SystemEvaluation> boxes;

    bool hasFault() const;
    // The system at `index` (-1 the main panel, 0.. the boxes), or none.
    const SystemEvaluation *system(int index) const;
    // The main panel's expansion box list: "OK" or "FAULT" per box.
    QString boxStatusText(int box) const;

    // Every loop is evaluated with its panel's limits and sounders share; the
    // panel then receives each loop's currents and fault, as the container
    // hands them over.
    // The design as given: one read from a file is normalised already
    // (Design::normalised).
    static DesignEvaluation evaluate(const Design &design, const Catalogue &catalogue);
    // The same, taking over the systems that are as they were in `before`.
    static DesignEvaluation evaluate(const Design &design, const Catalogue &catalogue, const Design &before,
                                     const DesignEvaluation &evaluatedBefore);
    // A design as a 2.0 file holds it (boxes named in file order), normalised.
    static DesignEvaluation evaluate(const SetupFile::SetupData &data, const Catalogue &catalogue);
    // The device-level check of one scheduled loop alone, as evaluate() gives
    // it; none for a loop without a schedule.
    static std::optional<LoopDeviceCheck> evaluateDeviceCheck(const Design &design, int system, int loop,
                                                              const Catalogue &catalogue);
    // The loop limits of a panel or box model.
    static LoopLimits limitsOf(const PanelConfig &config, const Catalogue &catalogue);
    static SystemEvaluation evaluateSystem(const PanelConfig &config, const QVector<LoopConfig> &loops,
                                           const Catalogue &catalogue,
                                           BatteryMethod batteryMethod = BatteryMethod::Maker,
                                           const QMap<int, LoopSchedule> &schedules = {});
};
