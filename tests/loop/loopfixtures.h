#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/records.h"

#include <QString>

// Small catalogues for the loop tests.
namespace Fixtures
{

struct DeviceTraits {
    QString category = QStringLiteral("DET");
    QString subcategory = QStringLiteral("-");
    double idle = 0;
    double alarm = 0;
    int addresses = 1;
    bool resistive = false;
    bool sounder = false;
    bool external24V = false;
    bool hidden = false;
};

inline Device device(const QString &name, const DeviceTraits &traits)
{
    Device d;
    d.name = name;
    d.category = traits.category;
    d.subcategory = traits.subcategory;
    d.idleCurrent = traits.idle;
    d.alarmCurrent = traits.alarm;
    d.addresses = traits.addresses;
    d.addsLoopResistance = traits.resistive;
    d.isSounder = traits.sounder;
    d.requiresExternal24V = traits.external24V;
    d.hidden = traits.hidden;
    return d;
}

// Factors of 1 leave the cable arithmetic bare, as in the worked examples.
inline CatalogueData unitFactors()
{
    CatalogueData data;
    data.topologyFactors = {1.0, 1.0};
    data.distributionFactors = {1.0, 1.0};
    return data;
}

inline Device detector(const QString &name, double idle, double alarm, bool resistive = false)
{
    return device(name, {QStringLiteral("DET"), QStringLiteral("OPT"), idle, alarm, 1, resistive});
}

inline Device sounder(const QString &name, double idle, double alarm)
{
    DeviceTraits traits;
    traits.category = QStringLiteral("SND");
    traits.idle = idle;
    traits.alarm = alarm;
    traits.sounder = true;
    return device(name, traits);
}

inline Device beam(const QString &name, double idle, double alarm)
{
    return device(name, {QStringLiteral("DET"), QStringLiteral("BEAM"), idle, alarm, 1, true});
}

} // namespace Fixtures
