#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// One loop's settings and devices, as the loop tab holds them and the setup
// file stores them.
enum class Topology { ClassA, DegradedMode };

struct LoopConfig {
    QString cableType = QStringLiteral("1,5 mm2 (16 AWG)");
    Topology topology = Topology::ClassA;
    int distributionFactor = 100; // percent
    int loopLength = 500;         // metres
    int startDistance = 0;        // metres, panel output to the first device
    int endDistance = 0;          // metres, last device to the panel return
    // Device name -> quantity, in QString order; quantities are at least 1.
    QMap<QString, int> devices;
};

// The limits of the panel that drives a loop, as handed over by onPanelChanged.
struct LoopLimits {
    int maxAddresses = 0;
    double minCurrent = 0;
    double maxCurrent = 0;
    bool supportsOverboost = false;
};

namespace LoopCable
{

// The six cable entries, in the order of the cable combo box. They are
// translated in the context "LoopWidget"; a translation keeps the leading
// number with its decimal comma, because the cross-section is read from it.
QStringList sourceTexts();
constexpr int DefaultIndex = 2;
// Files hold the source text, so that they read alike in every language:
// the entry a shown or stored text stands for (the text itself when it is
// no entry), and how the current translation shows an entry.
QString sourceText(const QString &text);
QString displayText(const QString &text);

} // namespace LoopCable
