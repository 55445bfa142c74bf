#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// One loop's settings and devices, as the loop tab holds them and the setup
// file stores them.
enum class Topology { ClassA, DegradedMode };

struct LoopConfig {
    static constexpr int MinLoopLength = 100;
    static constexpr int MaxLoopLength = 2500;
    static constexpr int MaxDistance = 10000;
    static constexpr int MaxQuantity = 250;

    QString cableType = QStringLiteral("1,5 mm2 (16 AWG)");
    Topology topology = Topology::ClassA;
    int distributionFactor = 100; // percent
    int loopLength = 500;         // metres
    int startDistance = 0;        // metres, panel output to the first device
    int endDistance = 0;          // metres, last device to the panel return
    // Device name -> quantity, in QString order; quantities are at least 1.
    QMap<QString, int> devices;

    // The six values as the setup file and the duplication exchange them:
    // cable type, topology code ("A" / "B"), distribution factor, loop
    // length, start distance, end distance.
    QStringList toTexts() const;
    // The reverse of toTexts; values are kept as read (a distribution factor
    // that is no number keeps its default, a length that is none reads as 0,
    // a topology other than "A" is degraded mode, as the editor reads them).
    static LoopConfig fromTexts(const QStringList &values, const QMap<QString, int> &devices = {});
    // The configuration within the ranges a loop takes, as a design holds it
    // once read: lengths and factor within their ranges, quantities capped
    // at 250, an unknown cable type on the default entry. The identity for
    // every valid loop.
    LoopConfig normalised() const;

    static QString topologyCode(Topology topology);

    bool operator==(const LoopConfig &o) const
    {
        return cableType == o.cableType && topology == o.topology &&
               distributionFactor == o.distributionFactor && loopLength == o.loopLength &&
               startDistance == o.startDistance && endDistance == o.endDistance && devices == o.devices;
    }
    bool operator!=(const LoopConfig &o) const { return !(*this == o); }
};

// The limits of the panel that drives a loop, as handed over by onPanelChanged.
struct LoopLimits {
    int maxAddresses = 0;
    double minCurrent = 0;
    double maxCurrent = 0;
    bool supportsOverboost = false;

    bool operator==(const LoopLimits &o) const
    {
        return maxAddresses == o.maxAddresses && minCurrent == o.minCurrent && maxCurrent == o.maxCurrent &&
               supportsOverboost == o.supportsOverboost;
    }
    bool operator!=(const LoopLimits &o) const { return !(*this == o); }
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
