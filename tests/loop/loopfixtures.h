#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/records.h"

#include <QString>

// Small catalogues for the loop tests.
namespace Fixtures
{

struct DeviceSpec {
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

inline Device device(const QString &name, const DeviceSpec &spec)
{
    Device d;
    d.name = name;
    d.category = spec.category;
    d.subcategory = spec.subcategory;
    d.idleCurrent = spec.idle;
    d.alarmCurrent = spec.alarm;
    d.addresses = spec.addresses;
    d.addsLoopResistance = spec.resistive;
    d.isSounder = spec.sounder;
    d.requiresExternal24V = spec.external24V;
    d.hidden = spec.hidden;
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
    DeviceSpec spec;
    spec.category = QStringLiteral("SND");
    spec.idle = idle;
    spec.alarm = alarm;
    spec.sounder = true;
    return device(name, spec);
}

inline Device beam(const QString &name, double idle, double alarm)
{
    return device(name, {QStringLiteral("DET"), QStringLiteral("BEAM"), idle, alarm, 1, true});
}

} // namespace Fixtures
