#pragma once

#include "loop/loopconfig.h"
#include "panel/panelconfig.h"

#include <QMap>
#include <QPair>
#include <QStringList>
#include <QVector>

// Benches state their panels as a setup file's texts; these read them into
// the typed values the editors take, as the file reader does.
namespace BenchSetup
{

inline PanelConfig panel(const QStringList &values)
{
    PanelConfig config;
    PanelConfig::fromTexts(values, values.size() == PanelConfig::ExpansionBoxValueCount, config);
    return config;
}

inline QVector<LoopConfig> loops(const QVector<LoopConfig> &loops)
{
    return loops;
}

inline QVector<LoopConfig> loops(const QVector<QPair<QStringList, QMap<QString, int>>> &loops)
{
    QVector<LoopConfig> configs;
    for (const auto &loop : loops)
        configs.append(LoopConfig::fromTexts(loop.first, loop.second));
    return configs;
}

} // namespace BenchSetup
