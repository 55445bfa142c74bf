#pragma once

#include "design/design.h"
#include "loop/loopdevicecheck.h"

#include <QWidget>

// The voltage profile of a scheduled loop on screen; the drawing is the
// report's (VoltageProfile::paint).
class VoltageProfilePlot : public QWidget
{
    Q_OBJECT
public:
    explicit VoltageProfilePlot(QWidget *parent = nullptr);

    void setProfile(const LoopSchedule &schedule, const LoopDeviceCheck &check, int loopLength);
    QSize sizeHint() const override { return QSize(420, 220); }
    QSize minimumSizeHint() const override { return QSize(240, 160); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    LoopSchedule m_schedule;
    LoopDeviceCheck m_check;
    int m_loopLength = 0;
};
