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

    // What a fresh editor given these values holds: a selector text it does
    // not offer leaves it on its default entry (none for the batteries and
    // sources, "72 h" and "30 min" for the times), percentages within the
    // spin boxes' ranges. The identity for every configuration the setup
    // reader accepts without adjusting.
    PanelConfig shownByEditor(const Catalogue &catalogue) const;

    // Installed loop cards: the cards whose name begins with "VRAL".
    int loopCards() const;
    // Sounders active as the fraction the loops weight their sounders with.
    double soundersActiveFraction() const { return soundersActive / 100.0; }

    bool operator==(const PanelConfig &o) const;
    bool operator!=(const PanelConfig &o) const { return !(*this == o); }
};
