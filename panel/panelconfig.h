#pragma once

#include "panel/panelcalculation.h"

#include <QString>
#include <QStringList>

class Catalogue;

// One panel's settings apart from its loops: 17 values for a main panel, 11
// for an expansion box (which has no output currents). The setup file stores
// them as texts; everything else works with the typed values.
struct PanelConfig {
    static constexpr int MainPanelValueCount = 17;
    static constexpr int ExpansionBoxValueCount = 11;
    // The output current spin boxes' precision and range.
    static constexpr int OutputDecimals = 4;
    static constexpr double MaxOutput = 99.9999;

    bool expansionBox = false;
    QString model;                            // a Panel name, or an ExpansionBox name for a box
    QString internalBattery;                  // empty for none ("-" as text)
    PanelCalculation::OutputCurrents outputs; // all 0 for a box
    QStringList cards;                        // a loop card once per installed card
    QString source1;                          // external power sources, additional batteries: empty for none
    QString battery1;
    QString source2;
    QString battery2;
    int batteryDegradation = 20; // percent
    int soundersActive = 100;    // percent
    QString idleTime = QStringLiteral("72 h");
    QString alarmTime = QStringLiteral("30 min");

    // The texts in setup file order ("-" for none, currents in the general
    // format with 6 significant digits, cards joined by ",").
    QStringList toTexts() const;
    // The reverse of toTexts for values the setup reader has checked: 17 texts
    // for a main panel, 11 for a box. False (and `config` untouched) when the
    // number of texts is wrong; text that is no number reads as 0.
    static bool fromTexts(const QStringList &values, bool expansionBox, PanelConfig &config);

    // The idle and alarm times a panel offers, in the order of its selectors.
    static const QStringList &idleTimes();
    static const QStringList &alarmTimes();
    static constexpr int DefaultIdleTime = 0;
    static constexpr int DefaultAlarmTime = 1;

    // The configuration with the rules that tie its values together applied,
    // as a design holds it once read: a choice the catalogue does not offer
    // falls back to its default (none for the batteries and sources, "72 h"
    // and "30 min" for the times), an additional battery goes with its
    // source, percentages and output currents lie within their ranges, the
    // cards are the model's own in catalogue order (a loop card once per
    // installed card, one one-only card at most). The identity for every
    // configuration the setup reader accepts without adjusting.
    PanelConfig normalised(const Catalogue &catalogue) const;
    // What a change to `model` leaves: the outputs, percentages and times;
    // the batteries, cards and external power go, as they belonged to the
    // model that was.
    PanelConfig withModel(const QString &model) const;
    // Loop cards set to `count` (the other cards stay, in their order).
    PanelConfig withLoopCards(int count, const Catalogue &catalogue) const;
    // The model's record fields the power design uses.
    PanelCalculation::ModelRecord modelRecord(const Catalogue &catalogue) const;
    // Loops the model drives with the installed loop cards.
    int loopCount(const Catalogue &catalogue) const;
    // The power card is installed and the model offers it.
    bool externalPowerEnabled(const Catalogue &catalogue) const;

    // Installed loop cards: the cards whose name begins with "VRAL".
    int loopCards() const;
    // Sounders active as the fraction the loops weight their sounders with.
    double soundersActiveFraction() const { return soundersActive / 100.0; }

    bool operator==(const PanelConfig &o) const;
    bool operator!=(const PanelConfig &o) const { return !(*this == o); }
};
