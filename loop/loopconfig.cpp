#include "loop/loopconfig.h"

#include "catalogue/displayformat.h"

#include <cmath>

QString LoopConfig::topologyCode(Topology topology)
{
    return topology == Topology::ClassA ? QStringLiteral("A") : QStringLiteral("B");
}

QStringList LoopConfig::toTexts() const
{
    return {cableType,
            topologyCode(topology),
            Display::general(distributionFactor),
            QString::number(loopLength),
            QString::number(startDistance),
            QString::number(endDistance)};
}

LoopConfig LoopConfig::fromTexts(const QStringList &values, const QMap<QString, int> &devices)
{
    LoopConfig config;
    if (values.size() > 0)
        config.cableType = values.at(0);
    if (values.size() > 1)
        config.topology = values.at(1) == QLatin1String("A") ? Topology::ClassA : Topology::DegradedMode;
    if (values.size() > 2) {
        bool ok = false;
        const double factor = values.at(2).toDouble(&ok);
        // Bound before truncating: a huge or non-finite number has no integer part.
        if (ok && std::isfinite(factor))
            config.distributionFactor = static_cast<int>(qBound(0.0, factor, 100.0));
    }
    // Held within the editor's ranges, so a design evaluated without the
    // editor has exactly the lengths the editor would show.
    struct Length {
        int *value;
        int minimum;
        int maximum;
    };
    const Length lengths[] = {{&config.loopLength, MinLoopLength, MaxLoopLength},
                              {&config.startDistance, 0, MaxDistance},
                              {&config.endDistance, 0, MaxDistance}};
    for (int i = 0; i < 3 && 3 + i < values.size(); ++i) {
        // Unreadable text counts as 0, as the editor's spin boxes take it.
        *lengths[i].value = qBound(lengths[i].minimum, values.at(3 + i).toInt(), lengths[i].maximum);
    }
    config.devices = devices;
    return config;
}
