#pragma once

#include "panel/batterymethod.h"
#include "panel/panelcalculation.h"
#include "panel/panelconfig.h"
#include "panel/panelmessages.h"

#include <QString>
#include <QVector>

class Catalogue;

// What one panel's figures depend on: its configuration and what its editor
// holds beside it. A panel evaluated on its own derives the last two from
// the configuration (fromConfig); the editor passes its own members, which
// differ from those only for a moment inside a change.
struct PanelInput {
    PanelConfig config;
    int loopCount = 0;
    bool externalPowerSourcesEnabled = false;
    // Per loop as the panel stores them: currents already multiplied by
    // loopCurrentFactor, the last fault reported. Only the first loopCount
    // entries count.
    QVector<PanelCalculation::CurrentPair> loopCurrents;
    QVector<bool> loopFaults;
    BatteryMethod batteryMethod = BatteryMethod::Maker;

    static PanelInput fromConfig(const PanelConfig &config, const Catalogue &catalogue);
};

// The four figures of the power design, each as its label shows it (and as
// a later stage reads it back).
struct PanelFigures {
    double totalIdleCurrent = 0;
    double totalAlarmCurrent = 0;
    double minimumBatteryRequired = 0;
    double selectedTotalBattery = 0;
};

// One panel (main panel or expansion box) evaluated: figures, status texts,
// fault flags and report texts. The panel editor shows exactly these; the
// stages are public so that it can run each at the moment it is due.
struct PanelEvaluation {
    PanelCalculation::ModelRecord model;
    int loopCount = 0;
    QVector<PanelCalculation::CurrentPair> loopCurrents; // the first loopCount
    QVector<bool> loopFaults;                            // the first loopCount
    PanelFigures figures;
    // How figures.minimumBatteryRequired was found, and the smallest
    // selection of batteries that meets it.
    BatterySizing::Result batterySizing;
    BatterySizing::Suggestion nearestBattery;
    PanelMessages::BatteryStatus battery;
    PanelMessages::PowerLoadStatus powerLoad;
    QString externalPowerNotes;
    PanelMessages::FaultFlags flags;
    QString powerReportNotes;
    QString externalPowerReportNotes;

    QString totalIdleCurrentText() const;
    QString totalAlarmCurrentText() const;
    QString minimumBatteryRequiredText() const;
    QString selectedTotalBatteryText() const;
    // Row i of the individual loops list: (idle text, alarm text).
    QString loopIdleCurrentText(int loop) const;
    QString loopAlarmCurrentText(int loop) const;

    // The Panel (main) or ExpansionBox (box) record of the model.
    static PanelCalculation::ModelRecord modelRecord(const PanelConfig &config, const Catalogue &catalogue);

    // Stage 1: total idle and alarm current, as displayed.
    static PanelCalculation::CurrentPair
    totals(const PanelInput &input, const PanelCalculation::ModelRecord &model, const Catalogue &catalogue);
    // Stage 2: minimum battery required from the displayed totals, as displayed.
    static double minimumBatteryRequired(const PanelConfig &config, double totalIdleCurrent,
                                         double totalAlarmCurrent);
    // The same by the chosen method, with its formula and notes.
    static BatterySizing::Result sizeBattery(BatteryMethod method, const PanelConfig &config,
                                             double totalIdleCurrent, double totalAlarmCurrent);
    // What the design lets this panel hold, for the nearest battery.
    static BatterySizing::BatteryRoom batteryRoom(const PanelInput &input,
                                                  const PanelCalculation::ModelRecord &model,
                                                  const Catalogue &catalogue);
    // The selected batteries' capacity, as displayed.
    static double selectedTotalBattery(const PanelConfig &config, const Catalogue &catalogue);
    // What the status texts, flags and report texts are made from.
    static PanelMessages::PanelState state(const PanelInput &input,
                                           const PanelCalculation::ModelRecord &model,
                                           const PanelFigures &figures, const Catalogue &catalogue);

    // Every stage in order.
    static PanelEvaluation evaluate(const PanelInput &input, const Catalogue &catalogue);
};
