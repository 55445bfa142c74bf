#pragma once

#include <QStringList>

// Products whose descriptions the shipped translations carry, under the
// context "DeviceDescriptions" keyed by product name.
namespace DeviceDescriptions
{

QStringList keys();

} // namespace DeviceDescriptions
