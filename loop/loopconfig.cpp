#include "loop/loopconfig.h"

#include "catalogue/displayformat.h"

#include <QCoreApplication>

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
            config.distributionFactor = static_cast<int>(qBound(-1.0, factor, 101.0));
    }
    // As read: a value the editor cannot show stays visible here, so the
    // reader can tell the user what the editor made of it (normalised).
    int *const lengths[] = {&config.loopLength, &config.startDistance, &config.endDistance};
    for (int i = 0; i < 3 && 3 + i < values.size(); ++i)
        *lengths[i] = values.at(3 + i).toInt(); // unreadable text counts as 0, as the spin boxes take it
    config.devices = devices;
    return config;
}

LoopConfig LoopConfig::normalised() const
{
    LoopConfig shown = *this;
    // A cable the selector does not offer (in the source texts or their
    // translations) leaves it on its default entry.
    bool offered = false;
    for (const QString &source : LoopCable::sourceTexts()) {
        offered = offered || source == cableType ||
                  QCoreApplication::translate("LoopWidget", source.toUtf8().constData()) == cableType;
    }
    if (!offered)
        shown.cableType = LoopCable::sourceTexts().at(LoopCable::DefaultIndex);
    shown.distributionFactor = qBound(0, distributionFactor, 100);
    shown.loopLength = qBound(MinLoopLength, loopLength, MaxLoopLength);
    shown.startDistance = qBound(0, startDistance, MaxDistance);
    shown.endDistance = qBound(0, endDistance, MaxDistance);
    shown.devices.clear();
    for (auto it = devices.cbegin(); it != devices.cend(); ++it) {
        if (it.value() > 0)
            shown.devices.insert(it.key(), qMin(it.value(), MaxQuantity));
    }
    return shown;
}
