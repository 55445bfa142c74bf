#pragma once

#include "catalogue/catalogue.h"
#include "loop/loopcalculation.h"
#include "panel/panelcalculation.h"
#include "panel/panelconfig.h"
#include "setup/setupfile.h"

#include <QRandomGenerator>

// Random designs that the setup reader accepts, drawn from any catalogue:
// every value within the controls' ranges and the catalogue's rules (battery
// room, compatible cards and boxes, one one-only card, sources only with the
// power card). The same seed gives the same design.
class DesignGenerator
{
public:
    DesignGenerator(const Catalogue &catalogue, quint32 seed) : m_catalogue(catalogue), m_random(seed) {}

    SetupFile::SetupData design()
    {
        SetupFile::SetupData data;
        const QVector<Panel> panels = m_catalogue.panels();
        const Panel panel = panels.at(pick(panels.size()));
        PanelConfig config =
            panelConfig(panel.name, false, panel.maxBatteryCapacity, panel.baseLoops, panel.maxLoops);
        data.panel = config.toTexts();
        data.loops = loops(panel.baseLoops + 2 * config.loopCards());
        const QVector<ExpansionBox> boxes = m_catalogue.compatibleExpansionBoxes(panel.name);
        const int boxCount = boxes.isEmpty() ? 0 : pick(std::min(panel.maxExpansionBoxes, 3) + 1);
        for (int i = 0; i < boxCount; ++i) {
            const ExpansionBox box = boxes.at(pick(boxes.size()));
            SetupFile::ExpansionBoxConfig boxConfig;
            const PanelConfig c =
                panelConfig(box.name, true, box.maxBatteryCapacity, box.baseLoops, box.maxLoops);
            boxConfig.panel = c.toTexts();
            boxConfig.loops = loops(box.baseLoops + 2 * c.loopCards());
            data.boxes.append(boxConfig);
        }
        return data;
    }

    PanelConfig panelConfig(const QString &model, bool expansionBox, double batteryRoom, int baseLoops,
                            int maxLoops)
    {
        PanelConfig c;
        c.expansionBox = expansionBox;
        c.model = model;
        const QVector<Battery> internal =
            PanelCalculation::internalBatteryChoices(m_catalogue.batteries(), batteryRoom);
        if (!internal.isEmpty() && chance(3, 4))
            c.internalBattery = internal.at(pick(internal.size())).name;
        if (!expansionBox) {
            double *const pairs[][2] = {{&c.outputs.aux24VIdle, &c.outputs.aux24VAlarm},
                                        {&c.outputs.snd1Idle, &c.outputs.snd1Alarm},
                                        {&c.outputs.snd2Idle, &c.outputs.snd2Alarm}};
            for (auto &pair : pairs) {
                // 4 decimals, as the spin boxes hold them; idle never above alarm.
                const int alarm = pick(5001);
                *pair[1] = alarm / 10000.0;
                *pair[0] = pick(alarm + 1) / 10000.0;
            }
        }
        bool onlyOneTaken = false;
        bool powerCard = false;
        for (const AuxiliaryCard &card : m_catalogue.compatibleAuxiliaryCards(model)) {
            if (PanelCalculation::isLoopCard(card.name)) {
                const int cards = pick(PanelCalculation::maxLoopCards(baseLoops, maxLoops) + 1);
                for (int i = 0; i < cards; ++i)
                    c.cards << card.name;
            } else if (chance(1, 2) && !(card.onlyOne && onlyOneTaken)) {
                c.cards << card.name;
                onlyOneTaken = onlyOneTaken || card.onlyOne;
                powerCard = powerCard || PanelCalculation::isPowerCard(card.name);
            }
        }
        const QVector<ExternalPowerSource> sources = m_catalogue.externalPowerSources();
        const QVector<Battery> batteries = m_catalogue.batteries();
        if (powerCard && !sources.isEmpty()) {
            QString *const choice[][2] = {{&c.source1, &c.battery1}, {&c.source2, &c.battery2}};
            for (auto &pair : choice) {
                if (!chance(2, 3))
                    continue;
                *pair[0] = sources.at(pick(sources.size())).name;
                if (!batteries.isEmpty() && chance(2, 3))
                    *pair[1] = batteries.at(pick(batteries.size())).name;
            }
        }
        c.batteryDegradation = pick(100);
        c.soundersActive = 5 * pick(21);
        static const QStringList idle = {"72 h", "48 h", "30 h", "24 h", "4 h"};
        static const QStringList alarm = {"60 min", "30 min", "15 min", "5 min", "0 min"};
        c.idleTime = idle.at(pick(idle.size()));
        c.alarmTime = alarm.at(pick(alarm.size()));
        return c;
    }

    QVector<LoopConfig> loops(int count)
    {
        QVector<LoopConfig> result;
        for (int i = 0; i < count; ++i)
            result.append(loop());
        return result;
    }

    LoopConfig loop()
    {
        LoopConfig l;
        const QStringList cables = LoopCable::sourceTexts();
        l.cableType = cables.at(pick(cables.size()));
        l.topology = chance(2, 3) ? Topology::ClassA : Topology::DegradedMode;
        l.distributionFactor = pick(101);
        l.loopLength = 10 * (10 + pick(241));
        // Leads within the loop length, as the setup reader demands.
        l.startDistance = 10 * pick(l.loopLength / 20 + 1);
        l.endDistance = 10 * pick((l.loopLength - l.startDistance) / 10 + 1);
        const QVector<Device> devices = m_catalogue.devices();
        const int kinds = devices.isEmpty() ? 0 : pick(7);
        for (int k = 0; k < kinds; ++k) {
            // Mostly modest loops, now and then a crowded one.
            const int quantity = chance(1, 6) ? 1 + pick(250) : 1 + pick(40);
            l.devices.insert(devices.at(pick(devices.size())).name, quantity);
        }
        return l;
    }

private:
    int pick(int bound) { return bound <= 0 ? 0 : int(m_random.bounded(quint32(bound))); }
    bool chance(int in, int of) { return pick(of) < in; }

    const Catalogue &m_catalogue;
    QRandomGenerator m_random;
};
